<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <translation>esto es una carpeta, no un nombre de archivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <translation>falta el principio del archivo de imagen</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <translation>el principio del archivo de imagen está estropeado</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>el archivo no está completo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <translation>no es una imagen que se pueda leer (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>no se pudo convertir la imagen</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <translation>no se pudo crear la carpeta de las páginas</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <translation>no se pudo borrar la página anterior (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <translation>no se pudo copiar la página (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
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
        <translation>Libro para colorear</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <translation>Colorea dieciséis páginas con ceras y pinceles</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>colorear;dibujar;pintar;niños;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <translation>Libro para colorear para niños pequeños</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <translation>Vellumix es un libro para colorear con dieciséis páginas de dibujos. Los niños eligen una de las doce ceras o pinceles y colorean la página: en el modo pintura, un clic llena una zona de color; en el modo dibujo, pintan a mano alzada sin tapar nunca los contornos. La goma deja la página como nueva.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
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
        <translation>la página mide %1 x %2 píxeles en vez de %3 x %4</translation>
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
        <translation>%1
Esta carpeta no existe.
Revisa el nombre de la carpeta y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
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
        <translation>Otra persona está usando los dibujos de %1.

Vellumix no puede abrirlos a la vez.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <translation>Parece que Vellumix ya está abierto, con los dibujos de %1.

¿Abrirlo aquí de todos modos?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <translation>Parece que Vellumix ya está abierto en %1, con los dibujos de %2.

¿Abrirlo aquí de todos modos?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <translation>no se pudo abrir la impresora</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <translation>la impresora se paró antes de terminar la página</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Imprimir mi dibujo</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <translation>No se pudo imprimir el dibujo.

Impresora: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
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
        <translation>No se pudo guardar el dibujo.

Archivo: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <translation>No se pudo guardar la página en %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <translation>No se puede mostrar la página %1: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <translation>No se encuentra el archivo: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <translation>No se puede abrir la postal: %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <translation>(no es el tamaño real)</translation>
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
        <translation>¡Tu postal ya está enviada!</translation>
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
        <translation>Vellumix no puede arrancar.

%1
%2.</translation>
    </message>
</context>
</TS>
