<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>to jest folder, a nie nazwa pliku</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>brakuje początku pliku z obrazkiem</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>początek pliku z obrazkiem jest uszkodzony</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>obrazek jest za duży</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>plik jest niepełny</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>plik jest za duży</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the picture reader&apos;s own reason.</extracomment>
        <translation>to nie jest obrazek, który da się odczytać (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>nie udało się przekształcić obrazka</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>nie udało się utworzyć folderu na strony</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. The old page is the coloured copy that a fresh one replaces; %1 is the system&apos;s reason.</extracomment>
        <translation>nie udało się usunąć starej strony (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the system&apos;s reason.</extracomment>
        <translation>nie udało się skopiować strony (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>nie można zapisać w folderze i nie ma folderu domowego na obrazki</translation>
    </message>
</context>
<context>
    <name>GrownUpQuestion</name>
    <message>
        <source>Grown-ups only</source>
        <translation>Tylko dla dorosłych</translation>
    </message>
    <message>
        <source>Please write this number in digits:</source>
        <translation>Proszę wpisać tę liczbę cyframi:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>That is not the number. Here is a new one.</source>
        <translation>To nie ta liczba. Oto nowa.</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Colouring Book</source>
        <extracomment>The kind of program, shown in the menu under its name.</extracomment>
        <translation>Kolorowanka</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <extracomment>The menu entry&apos;s tooltip. The crayons are wax crayons.</extracomment>
        <translation>Pokoloruj szesnaście stron kredkami świecowymi i pędzlami</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>kolorowanka;kolorowanie;rysowanie;malowanie;dzieci;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <extracomment>One line under the name in software centres.</extracomment>
        <translation>Kolorowanka dla małych dzieci</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <extracomment>The description in software centres. The crayons are wax crayons.</extracomment>
        <translation>Vellumix to kolorowanka z szesnastoma obrazkami do pokolorowania. Dzieci wybierają jedną z dwunastu kredek świecowych albo jeden z dwunastu pędzli i kolorują stronę: w trybie malowania jedno kliknięcie wypełnia pole kolorem, a w trybie rysowania rysują swobodnie i nigdy nie zamalowują konturów. Gumka przywraca stronie pierwotny wygląd.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <extracomment>The caption of a screenshot in software centres.</extracomment>
        <translation>Strona gotowa do kolorowania, z pędzlami</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Strona zachowuje kolory, kiedy dziecko przegląda inne strony i do niej wraca. Każde wypełnienie, kreskę i gumkowanie można cofnąć i powtórzyć, strona po stronie. Obrazek można zapisać jako plik bitmapy, wydrukować tak duży, jak pozwala kartka, albo wysłać e-mailem jako pocztówkę.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 and %2 are the width and height found, %3 and %4 those a page must have.</extracomment>
        <translation>strona ma %1 x %2 pikseli zamiast %3 x %4</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>brązowy</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>szary</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>brzoskwiniowy</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>turkusowy</translation>
    </message>
</context>
<context>
    <name>RecordFileDialog</name>
    <message>
        <source>Open as read-only</source>
        <translation>Otwórz tylko do odczytu</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <extracomment>%1 is the folder&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Ten folder nie istnieje.
Sprawdź nazwę folderu i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
        <extracomment>%1 is the file&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Ta nazwa jest za długa.
Wybierz krótszą nazwę albo inny folder.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>The pictures in %1 are in use by another user.

Vellumix cannot open them as well.</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Obrazków w %1 używa teraz ktoś inny.

Vellumix nie może ich otworzyć jednocześnie.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Wygląda na to, że Vellumix jest już otwarty, z obrazkami w %1.

Otworzyć go tutaj mimo to?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <extracomment>%1 is the other computer&apos;s name, %2 the path of the folder with the pictures.</extracomment>
        <translation>Wygląda na to, że Vellumix jest już otwarty na komputerze %1, z obrazkami w %2.

Otworzyć go tutaj mimo to?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>nie udało się otworzyć drukarki</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>drukarka zatrzymała się, zanim strona była gotowa</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Wydrukuj mój obrazek</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <extracomment>%1 is the printer&apos;s name or the file printed to, %2 the reason.</extracomment>
        <translation>Nie udało się wydrukować obrazka.

Drukarka: %1
Powód: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands for the printer&apos;s name when no printer was chosen.</extracomment>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;. %1 is the printing system&apos;s reason.</extracomment>
        <translation>nie można znaleźć drukarki (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Zapisz mój obrazek</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Obrazki (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>Nie udało się zapisać obrazka.

Plik: %1
Powód: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Nie udało się zapisać strony w %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Nie można pokazać strony %1: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <extracomment>The page to turn to is missing; %1 is its file&apos;s path.</extracomment>
        <translation>Nie można znaleźć pliku: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <extracomment>The postcard composer; %1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Nie można otworzyć pocztówki: %1: %2.</translation>
    </message>
    <message>
        <source>%1 crayon</source>
        <extracomment>%1 is a crayon&apos;s colour, from the list of colours.</extracomment>
        <translation>Kredka, kolor %1</translation>
    </message>
    <message>
        <source>%1 brush</source>
        <extracomment>%1 is a brush&apos;s colour, from the list of colours.</extracomment>
        <translation>Pędzel, kolor %1</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malowanie</translation>
    </message>
    <message>
        <source>Brushes that pour colour into an area</source>
        <translation>Pędzle, które wypełniają obszar kolorem</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Rysowanie</translation>
    </message>
    <message>
        <source>Crayons that draw lines</source>
        <translation>Kredki, które rysują linie</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gumka</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Save my picture</source>
        <translation>Zapisz mój obrazek</translation>
    </message>
    <message>
        <source>Print my picture</source>
        <translation>Wydrukuj mój obrazek</translation>
    </message>
    <message>
        <source>Send a postcard</source>
        <translation>Wyślij pocztówkę</translation>
    </message>
    <message>
        <source>The arrow keys move the pointer; Space colours where it is.</source>
        <translation>Strzałki przesuwają wskaźnik; spacja koloruje tam, gdzie on jest.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>Your picture is saved.</source>
        <translation>Twój obrazek jest zapisany.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
        <extracomment>The title of the postcard composer.</extracomment>
        <translation>Wyślij obrazek</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Treść:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Over the small picture of the postcard.</extracomment>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <extracomment>Under the small picture of the postcard; keep it short, it must fit the picture&apos;s width.</extracomment>
        <translation>(pomniejszony)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Please enter a valid email address to send your ePostcard.</source>
        <translation>Wpisz prawdziwy adres e-mail, żeby wysłać swoją pocztówkę.</translation>
    </message>
    <message>
        <source>Trouble</source>
        <extracomment>The title of the message that the address is not valid.</extracomment>
        <translation>Ojej</translation>
    </message>
</context>
<context>
    <name>frmSTATUS</name>
    <message>
        <source>Sending...</source>
        <translation>Wysyłanie...</translation>
    </message>
    <message>
        <source>Preparing message...</source>
        <translation>Przygotowuję wiadomość...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Sprawdzam połączenie z internetem...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Wysyłam pocztówkę...</translation>
    </message>
    <message>
        <source>Your email-postcard has been sent.</source>
        <translation>Twoja pocztówka została wysłana!</translation>
    </message>
    <message>
        <source>Your email-postcard could not be sent. Please try again.</source>
        <translation>Nie udało się wysłać twojej pocztówki. Spróbuj jeszcze raz.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vellumix cannot start.

%1
%2.</source>
        <extracomment>%1 is the path of the file or folder that failed, %2 the reason.</extracomment>
        <translation>Nie można uruchomić programu Vellumix.

%1
%2.</translation>
    </message>
</context>
</TS>
