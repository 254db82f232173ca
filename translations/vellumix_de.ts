<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Das ist ein Ordner, kein Dateiname</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Die Festplatte ist voll</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Der Anfang der Bilddatei fehlt</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Der Anfang der Bilddatei ist kaputt</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Die Datei ist nicht vollständig</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the picture reader&apos;s own reason.</extracomment>
        <translation>Das ist kein Bild, das sich lesen lässt (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Das Bild konnte nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>Der Ordner für die Seiten konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. The old page is the coloured copy that a fresh one replaces; %1 is the system&apos;s reason.</extracomment>
        <translation>Die alte Seite konnte nicht gelöscht werden (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the system&apos;s reason.</extracomment>
        <translation>Die Seite konnte nicht kopiert werden (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>In den Ordner kann nichts geschrieben werden, und es gibt keinen persönlichen Ordner für die Bilder</translation>
    </message>
</context>
<context>
    <name>GrownUpQuestion</name>
    <message>
        <source>Grown-ups only</source>
        <translation>Nur für Erwachsene</translation>
    </message>
    <message>
        <source>Please write this number in digits:</source>
        <translation>Bitte schreiben Sie diese Zahl in Ziffern:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>That is not the number. Here is a new one.</source>
        <translation>Das ist nicht die Zahl. Hier ist eine neue.</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Colouring Book</source>
        <extracomment>The kind of program, shown in the menu under its name.</extracomment>
        <translation>Malbuch</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <extracomment>The menu entry&apos;s tooltip. The crayons are wax crayons.</extracomment>
        <translation>Sechzehn Seiten mit Wachsmalstiften und Pinseln ausmalen</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>Malbuch;malen;ausmalen;zeichnen;Kinder;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <extracomment>One line under the name in software centres.</extracomment>
        <translation>Malbuch für kleine Kinder</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <extracomment>The description in software centres. The crayons are wax crayons.</extracomment>
        <translation>Vellumix ist ein Malbuch mit sechzehn Seiten zum Ausmalen. Kinder nehmen einen von zwölf Wachsmalstiften oder Pinseln und malen die Seite aus: Im Pinselmodus füllt ein Klick eine Fläche mit Farbe, im Stiftmodus malen sie frei, und die Umrisse bleiben immer zu sehen. Mit dem Radiergummi wird die Seite wieder wie neu.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <extracomment>The caption of a screenshot in software centres.</extracomment>
        <translation>Eine Seite zum Ausmalen, mit den Pinseln</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Eine Seite behält ihre Farben, auch wenn das Kind umblättert und wieder zurückkommt. Jedes Ausmalen, jeden Strich und jedes Radieren kann man rückgängig machen und wiederholen, Seite für Seite. Das Bild lässt sich als Bitmap-Datei speichern, so groß wie das Papier ausdrucken oder als E-Mail-Postkarte verschicken.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 and %2 are the width and height found, %3 and %4 those a page must have.</extracomment>
        <translation>Die Seite ist %1 x %2 Pixel groß statt %3 x %4</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
</context>
<context>
    <name>RecordFileDialog</name>
    <message>
        <source>Open as read-only</source>
        <translation>Nur zum Lesen öffnen</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <extracomment>%1 is the folder&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Diesen Ordner gibt es nicht.
Schau nach, wie der Ordner heißt, und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
        <extracomment>%1 is the file&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Dieser Name ist zu lang.
Nimm einen kürzeren Namen oder einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>The pictures in %1 are in use by another user.

Vellumix cannot open them as well.</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Die Bilder in %1 benutzt gerade jemand anderes.

Vellumix kann sie nicht gleichzeitig öffnen.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Vellumix scheint schon offen zu sein, mit den Bildern in %1.

Trotzdem hier öffnen?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <extracomment>%1 is the other computer&apos;s name, %2 the path of the folder with the pictures.</extracomment>
        <translation>Vellumix scheint schon auf %1 offen zu sein, mit den Bildern in %2.

Trotzdem hier öffnen?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>Der Drucker ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>Der Drucker hat aufgehört, bevor die Seite fertig war</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Mein Bild drucken</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <extracomment>%1 is the printer&apos;s name or the file printed to, %2 the reason.</extracomment>
        <translation>Das Bild konnte nicht gedruckt werden.

Drucker: %1
Grund: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands for the printer&apos;s name when no printer was chosen.</extracomment>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;. %1 is the printing system&apos;s reason.</extracomment>
        <translation>Der Drucker ist nicht zu finden (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Mein Bild speichern</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Bilder (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>Das Bild konnte nicht gespeichert werden.

Datei: %1
Grund: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Die Seite konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Die Seite %1 konnte nicht gezeigt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <extracomment>The page to turn to is missing; %1 is its file&apos;s path.</extracomment>
        <translation>Die Datei ist nicht zu finden: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <extracomment>The postcard composer; %1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Die Postkarte lässt sich nicht öffnen: %1: %2.</translation>
    </message>
    <message>
        <source>%1 crayon</source>
        <extracomment>%1 is a crayon&apos;s colour, from the list of colours.</extracomment>
        <translation>Wachsmalstift %1</translation>
    </message>
    <message>
        <source>%1 brush</source>
        <extracomment>%1 is a brush&apos;s colour, from the list of colours.</extracomment>
        <translation>Pinsel %1</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Brushes that pour colour into an area</source>
        <translation>Pinsel, die eine Fläche mit Farbe füllen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Crayons that draw lines</source>
        <translation>Wachsmalstifte, die Linien zeichnen</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radiergummi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Save my picture</source>
        <translation>Mein Bild speichern</translation>
    </message>
    <message>
        <source>Print my picture</source>
        <translation>Mein Bild drucken</translation>
    </message>
    <message>
        <source>Send a postcard</source>
        <translation>Eine Postkarte schicken</translation>
    </message>
    <message>
        <source>The arrow keys move the pointer; Space colours where it is.</source>
        <translation>Die Pfeiltasten bewegen den Zeiger; die Leertaste malt dort, wo er ist.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Your picture is saved.</source>
        <translation>Dein Bild ist gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
        <extracomment>The title of the postcard composer.</extracomment>
        <translation>Bild verschicken</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Over the small picture of the postcard.</extracomment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <extracomment>Under the small picture of the postcard; keep it short, it must fit the picture&apos;s width.</extracomment>
        <translation>(verkleinert)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Please enter a valid email address to send your ePostcard.</source>
        <translation>Bitte gib eine richtige E-Mail-Adresse ein, dann kann deine Postkarte losfliegen.</translation>
    </message>
    <message>
        <source>Trouble</source>
        <extracomment>The title of the message that the address is not valid.</extracomment>
        <translation>Hoppla</translation>
    </message>
</context>
<context>
    <name>frmSTATUS</name>
    <message>
        <source>Sending...</source>
        <translation>Wird verschickt...</translation>
    </message>
    <message>
        <source>Preparing message...</source>
        <translation>Die Nachricht wird vorbereitet...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Die Internetverbindung wird geprüft...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Die Postkarte wird verschickt...</translation>
    </message>
    <message>
        <source>Your email-postcard has been sent.</source>
        <translation>Deine E-Mail-Postkarte ist unterwegs!</translation>
    </message>
    <message>
        <source>Your email-postcard could not be sent. Please try again.</source>
        <translation>Deine E-Mail-Postkarte konnte nicht verschickt werden. Bitte versuch es noch einmal.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vellumix cannot start.

%1
%2.</source>
        <extracomment>%1 is the path of the file or folder that failed, %2 the reason.</extracomment>
        <translation>Vellumix kann nicht starten.

%1
%2.</translation>
    </message>
</context>
</TS>
