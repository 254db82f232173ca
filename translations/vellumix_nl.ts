<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <translation>dit is een map, geen bestandsnaam</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>het begin van het plaatjesbestand ontbreekt</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <translation>het begin van het plaatjesbestand is kapot</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>het plaatje is te groot</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>het bestand is niet compleet</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>het bestand is te groot</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <translation>het is geen plaatje dat gelezen kan worden (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>het plaatje kon niet worden omgezet</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <translation>de map voor de pagina&apos;s kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <translation>de oude pagina kon niet worden verwijderd (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <translation>de pagina kon niet worden gekopieerd (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
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
        <translation>Kleurboek</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <translation>Kleur zestien pagina&apos;s met kleurpotloden en penselen</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>kleuren;kleurplaat;tekenen;schilderen;kinderen;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <translation>Kleurboek voor jonge kinderen</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <translation>Vellumix is een kleurboek met zestien kleurplaten. Kinderen kiezen een van de twaalf kleurpotloden of penselen en kleuren de pagina: in de verfstand vult één klik een vlak met kleur, in de tekenstand tekenen ze uit de losse hand en blijven de lijnen altijd zichtbaar. Met de gum wordt de pagina weer als nieuw.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <translation>Een pagina klaar om te kleuren, met de penselen</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Een pagina houdt haar kleuren als het kind verder bladert en weer terugkomt. Elke vulling, streep of gumbeweging kan ongedaan worden gemaakt en opnieuw gedaan, pagina voor pagina. De tekening kan worden bewaard als bitmapbestand, zo groot als het papier toelaat worden afgedrukt of verstuurd als e-mailkaart.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <translation>de pagina is %1 x %2 pixels in plaats van %3 x %4</translation>
    </message>
</context>
<context>
    <name>RecordFileDialog</name>
    <message>
        <source>Open as read-only</source>
        <translation>Alleen om te lezen openen</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <translation>%1
Deze map bestaat niet.
Kijk de naam van de map na en probeer het nog eens.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
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
        <translation>De tekeningen in %1 worden door iemand anders gebruikt.

Vellumix kan ze niet tegelijk openen.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <translation>Vellumix lijkt al open te zijn, met de tekeningen in %1.

Toch hier openen?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <translation>Vellumix lijkt al open te zijn op %1, met de tekeningen in %2.

Toch hier openen?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <translation>de printer kon niet worden geopend</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <translation>de printer stopte voordat de pagina klaar was</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Mijn tekening printen</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <translation>De tekening kon niet worden geprint.

Printer: %1
Reden: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <translation>de printer is niet te vinden (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Mijn tekening bewaren</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Plaatjes (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <translation>De tekening kon niet worden bewaard.

Bestand: %1
Reden: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <translation>De pagina kon niet worden bewaard in %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <translation>De pagina %1 kan niet worden getoond: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <translation>Bestand niet gevonden: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <translation>De kaart kan niet worden geopend: %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
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
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <translation>(niet op ware grootte)</translation>
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
        <translation>Bericht klaarmaken...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Internetverbinding controleren...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Kaart versturen...</translation>
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
        <translation>Vellumix kan niet starten.

%1
%2.</translation>
    </message>
</context>
</TS>
