<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>dit is een map, geen bestandsnaam</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het begin van het plaatjesbestand ontbreekt</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het begin van het plaatjesbestand is kapot</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het plaatje is te groot</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het bestand is niet compleet</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het bestand is te groot</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the picture reader&apos;s own reason.</extracomment>
        <translation>het is geen plaatje dat gelezen kan worden (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>het plaatje kon niet worden omgezet</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>de map voor de pagina&apos;s kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. The old page is the coloured copy that a fresh one replaces; %1 is the system&apos;s reason.</extracomment>
        <translation>de oude pagina kon niet worden verwijderd (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the system&apos;s reason.</extracomment>
        <translation>de pagina kon niet worden gekopieerd (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>in de map kan niet worden geschreven en er is geen persoonlijke map voor de tekeningen</translation>
    </message>
</context>
<context>
    <name>GrownUpQuestion</name>
    <message>
        <source>Grown-ups only</source>
        <translation>Alleen voor volwassenen</translation>
    </message>
    <message>
        <source>Please write this number in digits:</source>
        <translation>Schrijf dit getal in cijfers:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>That is not the number. Here is a new one.</source>
        <translation>Dat is niet het getal. Hier is een nieuw.</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Colouring Book</source>
        <extracomment>The kind of program, shown in the menu under its name.</extracomment>
        <translation>Kleurboek</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <extracomment>The menu entry&apos;s tooltip. The crayons are wax crayons.</extracomment>
        <translation>Kleur zestien pagina&apos;s met waskrijtjes en penselen</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>kleuren;kleurplaat;tekenen;schilderen;kinderen;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <extracomment>One line under the name in software centres.</extracomment>
        <translation>Kleurboek voor jonge kinderen</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <extracomment>The description in software centres. The crayons are wax crayons.</extracomment>
        <translation>Vellumix is een kleurboek met zestien kleurplaten. Kinderen kiezen een van de twaalf waskrijtjes of penselen en kleuren de pagina: in de verfstand vult één klik een vlak met kleur, in de tekenstand tekenen ze uit de losse hand en blijven de lijnen altijd zichtbaar. Met de gum wordt de pagina weer als nieuw.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <extracomment>The caption of a screenshot in software centres.</extracomment>
        <translation>Een pagina om in te kleuren, met de penselen</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Een pagina houdt haar kleuren als het kind verder bladert en weer terugkomt. Elke vulling, streep of gumbeweging kan ongedaan worden gemaakt en opnieuw worden gedaan, pagina voor pagina. De tekening kan worden opgeslagen als bitmapbestand, zo groot als het papier toelaat worden afgedrukt of als e-mailkaart worden verstuurd.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 and %2 are the width and height found, %3 and %4 those a page must have.</extracomment>
        <translation>de pagina is %1 x %2 pixels in plaats van %3 x %4</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>bruin</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>grijs</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>roze</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>perzik</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>turquoise</translation>
    </message>
</context>
<context>
    <name>RecordFileDialog</name>
    <message>
        <source>Open as read-only</source>
        <translation>Openen om alleen te lezen</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <extracomment>%1 is the folder&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Deze map bestaat niet.
Kijk de naam van de map na en probeer het nog eens.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
        <extracomment>%1 is the file&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Deze naam is te lang.
Kies een kortere naam of een andere map.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>The pictures in %1 are in use by another user.

Vellumix cannot open them as well.</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>De tekeningen in %1 worden door iemand anders gebruikt.

Vellumix kan ze niet tegelijk openen.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Vellumix lijkt al open te zijn, met de tekeningen in %1.

Toch hier openen?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <extracomment>%1 is the other computer&apos;s name, %2 the path of the folder with the pictures.</extracomment>
        <translation>Vellumix lijkt al open te zijn op %1, met de tekeningen in %2.

Toch hier openen?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>de printer kon niet worden geopend</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>de printer stopte voordat de pagina klaar was</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Mijn tekening afdrukken</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <extracomment>%1 is the printer&apos;s name or the file printed to, %2 the reason.</extracomment>
        <translation>De tekening kon niet worden afgedrukt.

Printer: %1
Reden: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands for the printer&apos;s name when no printer was chosen.</extracomment>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;. %1 is the printing system&apos;s reason.</extracomment>
        <translation>de printer is niet te vinden (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Mijn tekening opslaan</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Afbeeldingen (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>De tekening kon niet worden opgeslagen.

Bestand: %1
Reden: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>De pagina kon niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>De pagina %1 kon niet worden getoond: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <extracomment>The page to turn to is missing; %1 is its file&apos;s path.</extracomment>
        <translation>Bestand niet gevonden: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <extracomment>The postcard composer; %1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>De kaart kan niet worden geopend: %1: %2.</translation>
    </message>
    <message>
        <source>%1 crayon</source>
        <extracomment>%1 is a crayon&apos;s colour, from the list of colours.</extracomment>
        <translation>Krijtje %1</translation>
    </message>
    <message>
        <source>%1 brush</source>
        <extracomment>%1 is a brush&apos;s colour, from the list of colours.</extracomment>
        <translation>Penseel %1</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Verven</translation>
    </message>
    <message>
        <source>Brushes that pour colour into an area</source>
        <translation>Penselen die een vlak met kleur vullen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tekenen</translation>
    </message>
    <message>
        <source>Crayons that draw lines</source>
        <translation>Krijtjes die lijnen tekenen</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gum</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Volgende bladzijde</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige bladzijde</translation>
    </message>
    <message>
        <source>Save my picture</source>
        <translation>Mijn tekening opslaan</translation>
    </message>
    <message>
        <source>Print my picture</source>
        <translation>Mijn tekening afdrukken</translation>
    </message>
    <message>
        <source>Send a postcard</source>
        <translation>Een ansichtkaart sturen</translation>
    </message>
    <message>
        <source>The arrow keys move the pointer; Space colours where it is.</source>
        <translation>De pijltjestoetsen verplaatsen de aanwijzer; de spatiebalk kleurt waar hij staat.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Bladzijde %1 van %2</translation>
    </message>
    <message>
        <source>Your picture is saved.</source>
        <translation>Je tekening is opgeslagen.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
        <extracomment>The title of the postcard composer.</extracomment>
        <translation>Tekening versturen</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Aan:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Bericht:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Over the small picture of the postcard.</extracomment>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <extracomment>Under the small picture of the postcard; keep it short, it must fit the picture&apos;s width.</extracomment>
        <translation>(verkleind)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Versturen</translation>
    </message>
    <message>
        <source>Please enter a valid email address to send your ePostcard.</source>
        <translation>Vul een echt e-mailadres in om je kaart te versturen.</translation>
    </message>
    <message>
        <source>Trouble</source>
        <extracomment>The title of the message that the address is not valid.</extracomment>
        <translation>Oeps</translation>
    </message>
</context>
<context>
    <name>frmSTATUS</name>
    <message>
        <source>Sending...</source>
        <translation>Bezig met versturen...</translation>
    </message>
    <message>
        <source>Preparing message...</source>
        <translation>Bericht wordt klaargemaakt...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Internetverbinding wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Kaart wordt verstuurd...</translation>
    </message>
    <message>
        <source>Your email-postcard has been sent.</source>
        <translation>Je e-mailkaart is verstuurd!</translation>
    </message>
    <message>
        <source>Your email-postcard could not be sent. Please try again.</source>
        <translation>Je e-mailkaart kon niet worden verstuurd. Probeer het nog eens.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vellumix cannot start.

%1
%2.</source>
        <extracomment>%1 is the path of the file or folder that failed, %2 the reason.</extracomment>
        <translation>Vellumix kan niet starten.

%1
%2.</translation>
    </message>
</context>
</TS>
