<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>isto é uma pasta, não um nome de arquivo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>falta o começo do arquivo de imagem</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>o começo do arquivo de imagem está estragado</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>o arquivo não está completo</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the picture reader&apos;s own reason.</extracomment>
        <translation>não é uma imagem legível (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>não foi possível converter a imagem</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>não foi possível criar a pasta das páginas</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. The old page is the coloured copy that a fresh one replaces; %1 is the system&apos;s reason.</extracomment>
        <translation>não foi possível apagar a página antiga (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the system&apos;s reason.</extracomment>
        <translation>não foi possível copiar a página (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>não é possível gravar na pasta e não há pasta pessoal para os desenhos</translation>
    </message>
</context>
<context>
    <name>GrownUpQuestion</name>
    <message>
        <source>Grown-ups only</source>
        <translation>Só para adultos</translation>
    </message>
    <message>
        <source>Please write this number in digits:</source>
        <translation>Escreva este número em algarismos:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>That is not the number. Here is a new one.</source>
        <translation>Esse não é o número. Aqui está outro.</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Colouring Book</source>
        <extracomment>The kind of program, shown in the menu under its name.</extracomment>
        <translation>Livro de colorir</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <extracomment>The menu entry&apos;s tooltip. The crayons are wax crayons.</extracomment>
        <translation>Pinte dezesseis páginas com giz de cera e pincéis</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>colorir;pintar;desenhar;crianças;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <extracomment>One line under the name in software centres.</extracomment>
        <translation>Livro de colorir para crianças pequenas</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <extracomment>The description in software centres. The crayons are wax crayons.</extracomment>
        <translation>Vellumix é um livro de colorir com dezesseis páginas de desenhos. As crianças escolhem um dos doze gizes de cera ou pincéis e colorem a página: no modo pintura, um clique enche uma área de cor; no modo desenho, elas desenham à mão livre sem nunca cobrir os contornos. A borracha deixa a página como nova.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <extracomment>The caption of a screenshot in software centres.</extracomment>
        <translation>Uma página pronta para colorir, com os pincéis</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Cada página guarda as suas cores enquanto a criança vai para outras páginas e volta. Cada preenchimento, traço ou passada de borracha pode ser desfeito e refeito, página por página. O desenho pode ser salvo como arquivo bitmap, impresso do tamanho que o papel permitir ou enviado como cartão-postal por e-mail.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 and %2 are the width and height found, %3 and %4 those a page must have.</extracomment>
        <translation>a página tem %1 x %2 pixels em vez de %3 x %4</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>amarelo</translation>
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
        <translation>laranja</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>cinza</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>roxo</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>pêssego</translation>
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
        <translation>Abrir só para leitura</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <extracomment>%1 is the folder&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Esta pasta não existe.
Confira o nome da pasta e tente de novo.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
        <extracomment>%1 is the file&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Este nome é comprido demais.
Escolha um nome mais curto ou outra pasta.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>The pictures in %1 are in use by another user.

Vellumix cannot open them as well.</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Outra pessoa está usando os desenhos em %1.

O Vellumix não pode abri-los ao mesmo tempo.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Parece que o Vellumix já está aberto, com os desenhos em %1.

Abrir aqui mesmo assim?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <extracomment>%1 is the other computer&apos;s name, %2 the path of the folder with the pictures.</extracomment>
        <translation>Parece que o Vellumix já está aberto em %1, com os desenhos em %2.

Abrir aqui mesmo assim?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>não foi possível abrir a impressora</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>a impressora parou antes de terminar a página</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Imprimir meu desenho</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <extracomment>%1 is the printer&apos;s name or the file printed to, %2 the reason.</extracomment>
        <translation>Não foi possível imprimir o desenho.

Impressora: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands for the printer&apos;s name when no printer was chosen.</extracomment>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;. %1 is the printing system&apos;s reason.</extracomment>
        <translation>a impressora não foi encontrada (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Salvar meu desenho</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Imagens (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>Não foi possível salvar o desenho.

Arquivo: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Não foi possível salvar a página em %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Não dá para mostrar a página %1: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <extracomment>The page to turn to is missing; %1 is its file&apos;s path.</extracomment>
        <translation>Arquivo não encontrado: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <extracomment>The postcard composer; %1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>Não dá para abrir o cartão-postal: %1: %2.</translation>
    </message>
    <message>
        <source>%1 crayon</source>
        <extracomment>%1 is a crayon&apos;s colour, from the list of colours.</extracomment>
        <translation>Giz de cera %1</translation>
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
        <translation>Pincéis que enchem uma área de cor</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Desenhar</translation>
    </message>
    <message>
        <source>Crayons that draw lines</source>
        <translation>Gizes de cera que desenham linhas</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Save my picture</source>
        <translation>Salvar meu desenho</translation>
    </message>
    <message>
        <source>Print my picture</source>
        <translation>Imprimir meu desenho</translation>
    </message>
    <message>
        <source>Send a postcard</source>
        <translation>Enviar um cartão-postal</translation>
    </message>
    <message>
        <source>The arrow keys move the pointer; Space colours where it is.</source>
        <translation>As setas movem o ponteiro; a barra de espaço colore onde ele está.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Your picture is saved.</source>
        <translation>Seu desenho foi salvo.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
        <extracomment>The title of the postcard composer.</extracomment>
        <translation>Enviar desenho</translation>
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
        <translation>Mensagem:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Over the small picture of the postcard.</extracomment>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <extracomment>Under the small picture of the postcard; keep it short, it must fit the picture&apos;s width.</extracomment>
        <translation>(tamanho reduzido)</translation>
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
        <translation>Escreva um e-mail de verdade para enviar o seu cartão-postal.</translation>
    </message>
    <message>
        <source>Trouble</source>
        <extracomment>The title of the message that the address is not valid.</extracomment>
        <translation>Opa!</translation>
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
        <translation>Preparando a mensagem...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Verificando a conexão com a internet...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Enviando o cartão-postal...</translation>
    </message>
    <message>
        <source>Your email-postcard has been sent.</source>
        <translation>Seu cartão-postal foi enviado!</translation>
    </message>
    <message>
        <source>Your email-postcard could not be sent. Please try again.</source>
        <translation>Não deu para enviar o seu cartão-postal. Tente de novo, por favor.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vellumix cannot start.

%1
%2.</source>
        <extracomment>%1 is the path of the file or folder that failed, %2 the reason.</extracomment>
        <translation>O Vellumix não consegue iniciar.

%1
%2.</translation>
    </message>
</context>
</TS>
