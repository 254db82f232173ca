<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>esto es una carpeta, no un nombre de archivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>falta el principio del archivo de imagen</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>el principio del archivo de imagen está estropeado</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>el archivo no está completo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the picture reader&apos;s own reason.</extracomment>
        <translation>no es una imagen que se pueda leer (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>no se pudo convertir la imagen</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>no se pudo crear la carpeta de las páginas</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. The old page is the coloured copy that a fresh one replaces; %1 is the system&apos;s reason.</extracomment>
        <translation>no se pudo borrar la copia vieja de la página (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the system&apos;s reason.</extracomment>
        <translation>no se pudo copiar la página (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>no se puede escribir en la carpeta y no hay carpeta personal para los dibujos</translation>
    </message>
</context>
<context>
    <name>GrownUpQuestion</name>
    <message>
        <source>Grown-ups only</source>
        <translation>Solo para adultos</translation>
    </message>
    <message>
        <source>Please write this number in digits:</source>
        <translation>Escriba este número en cifras:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>That is not the number. Here is a new one.</source>
        <translation>Ese no es el número. Aquí tiene otro.</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Colouring Book</source>
        <extracomment>The kind of program, shown in the menu under its name.</extracomment>
        <translation>Libro para colorear</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <extracomment>The menu entry&apos;s tooltip. The crayons are wax crayons.</extracomment>
        <translation>Colorea dieciséis páginas con ceras y pinceles</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>colorear;dibujar;pintar;niños;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <extracomment>One line under the name in software centres.</extracomment>
        <translation>Libro para colorear para niños pequeños</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <extracomment>The description in software centres. The crayons are wax crayons.</extracomment>
        <translation>Vellumix es un libro para colorear con dieciséis páginas de dibujos. Los niños eligen entre doce ceras o pinceles y colorean la página: en el modo pintura, un clic llena una zona de color; en el modo dibujo, dibujan a mano alzada sin tapar nunca los contornos. La goma deja la página como nueva.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <extracomment>The caption of a screenshot in software centres.</extracomment>
        <translation>Una página lista para colorear, con los pinceles</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Cada página conserva sus colores mientras el niño pasa a otras páginas y vuelve. Cada relleno, trazo o borrado se puede deshacer y rehacer, página a página. El dibujo se puede guardar como archivo de mapa de bits, imprimir tan grande como permita el papel o enviar como postal por correo electrónico.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 and %2 are the width and height found, %3 and %4 those a page must have.</extracomment>
        <translation>la página mide %1 x %2 píxeles en vez de %3 x %4</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>melocotón</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>turquesa</translation>
    </message>
</context>
<context>
    <name>RecordFileDialog</name>
    <message>
        <source>Open as read-only</source>
        <translation>Abrir solo para leer</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <extracomment>%1 is the folder&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Esta carpeta no existe.
Revisa el nombre de la carpeta y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
        <extracomment>%1 is the file&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Este nombre es demasiado largo.
Elige un nombre más corto u otra carpeta.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>The pictures in %1 are in use by another user.

Vellumix cannot open them as well.</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Otra persona está usando los dibujos de %1.

Vellumix no puede abrirlos a la vez.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Parece que Vellumix ya está abierto, con los dibujos de %1.

¿Abrirlo aquí de todos modos?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <extracomment>%1 is the other computer&apos;s name, %2 the path of the folder with the pictures.</extracomment>
        <translation>Parece que Vellumix ya está abierto en %1, con los dibujos de %2.

¿Abrirlo aquí de todos modos?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>no se pudo abrir la impresora</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>la impresora se detuvo antes de terminar la página</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Imprimir mi dibujo</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <extracomment>%1 is the printer&apos;s name or the file printed to, %2 the reason.</extracomment>
        <translation>No se pudo imprimir el dibujo.

Impresora: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands for the printer&apos;s name when no printer was chosen.</extracomment>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;. %1 is the printing system&apos;s reason.</extracomment>
        <translation>no se encuentra la impresora (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Guardar mi dibujo</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Imágenes (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>No se pudo guardar el dibujo.

Archivo: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>No se pudo guardar la página en %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>No se puede mostrar la página %1: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <extracomment>The page to turn to is missing; %1 is its file&apos;s path.</extracomment>
        <translation>No se encuentra el archivo: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <extracomment>The postcard composer; %1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>No se puede abrir la postal: %1: %2.</translation>
    </message>
    <message>
        <source>%1 crayon</source>
        <extracomment>%1 is a crayon&apos;s colour, from the list of colours.</extracomment>
        <translation>Lápiz %1</translation>
    </message>
    <message>
        <source>%1 brush</source>
        <extracomment>%1 is a brush&apos;s colour, from the list of colours.</extracomment>
        <translation>Pincel %1</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Brushes that pour colour into an area</source>
        <translation>Pinceles que llenan una zona de color</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Crayons that draw lines</source>
        <translation>Lápices que dibujan líneas</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Goma de borrar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Save my picture</source>
        <translation>Guardar mi dibujo</translation>
    </message>
    <message>
        <source>Print my picture</source>
        <translation>Imprimir mi dibujo</translation>
    </message>
    <message>
        <source>Send a postcard</source>
        <translation>Enviar una postal</translation>
    </message>
    <message>
        <source>The arrow keys move the pointer; Space colours where it is.</source>
        <translation>Las flechas mueven el puntero; la barra espaciadora colorea donde está.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Your picture is saved.</source>
        <translation>Tu dibujo está guardado.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
        <extracomment>The title of the postcard composer.</extracomment>
        <translation>Enviar dibujo</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Over the small picture of the postcard.</extracomment>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <extracomment>Under the small picture of the postcard; keep it short, it must fit the picture&apos;s width.</extracomment>
        <translation>(tamaño reducido)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Please enter a valid email address to send your ePostcard.</source>
        <translation>Escribe una dirección de correo de verdad para enviar tu postal.</translation>
    </message>
    <message>
        <source>Trouble</source>
        <extracomment>The title of the message that the address is not valid.</extracomment>
        <translation>¡Uy!</translation>
    </message>
</context>
<context>
    <name>frmSTATUS</name>
    <message>
        <source>Sending...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>Preparing message...</source>
        <translation>Preparando el mensaje...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Comprobando la conexión a internet...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Enviando la postal...</translation>
    </message>
    <message>
        <source>Your email-postcard has been sent.</source>
        <translation>¡Tu postal se ha enviado!</translation>
    </message>
    <message>
        <source>Your email-postcard could not be sent. Please try again.</source>
        <translation>No se pudo enviar tu postal. Inténtalo otra vez, por favor.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vellumix cannot start.

%1
%2.</source>
        <extracomment>%1 is the path of the file or folder that failed, %2 the reason.</extracomment>
        <translation>Vellumix no puede iniciarse.

%1
%2.</translation>
    </message>
</context>
</TS>
