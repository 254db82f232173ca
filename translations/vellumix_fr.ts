<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FileError</name>
    <message>
        <source>this is a folder, not a file name</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>c&apos;est un dossier, pas un nom de fichier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the bitmap header is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le début du fichier image manque</translation>
    </message>
    <message>
        <source>the bitmap header is not valid</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le début du fichier image est abîmé</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le fichier n&apos;est pas complet</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le fichier est trop gros</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the picture reader&apos;s own reason.</extracomment>
        <translation>ce n&apos;est pas une image lisible (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>l&apos;image n&apos;a pas pu être convertie</translation>
    </message>
    <message>
        <source>the folder for the pages could not be created</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>le dossier des pages n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the old page could not be removed (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. The old page is the coloured copy that a fresh one replaces; %1 is the system&apos;s reason.</extracomment>
        <translation>l&apos;ancienne page n&apos;a pas pu être effacée (%1)</translation>
    </message>
    <message>
        <source>the page could not be copied (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 is the system&apos;s reason.</extracomment>
        <translation>la page n&apos;a pas pu être copiée (%1)</translation>
    </message>
    <message>
        <source>the folder cannot be written and there is no home folder for the pictures</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon.</extracomment>
        <translation>impossible d&apos;écrire dans le dossier, et il n&apos;y a pas de dossier personnel pour les dessins</translation>
    </message>
</context>
<context>
    <name>GrownUpQuestion</name>
    <message>
        <source>Grown-ups only</source>
        <translation>Réservé aux adultes</translation>
    </message>
    <message>
        <source>Please write this number in digits:</source>
        <translation>Écrivez ce nombre en chiffres :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>That is not the number. Here is a new one.</source>
        <translation>Ce n’est pas le bon nombre. En voici un autre.</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Colouring Book</source>
        <extracomment>The kind of program, shown in the menu under its name.</extracomment>
        <translation>Cahier de coloriage</translation>
    </message>
    <message>
        <source>Colour sixteen pages with crayons and brushes</source>
        <extracomment>The menu entry&apos;s tooltip. The crayons are wax crayons.</extracomment>
        <translation>Colorie seize pages avec des craies grasses et des pinceaux</translation>
    </message>
    <message>
        <source>colouring;coloring;drawing;painting;children;</source>
        <extracomment>Search words, each followed by a semicolon; English ones may stay.</extracomment>
        <translation>coloriage;colorier;dessin;peinture;enfants;colouring;coloring;</translation>
    </message>
    <message>
        <source>Colouring book for young children</source>
        <extracomment>One line under the name in software centres.</extracomment>
        <translation>Cahier de coloriage pour les petits</translation>
    </message>
    <message>
        <source>Vellumix is a colouring book with sixteen pages of line art. Children pick one of twelve crayons or brushes and colour the page: in paint mode a press pours the colour into an area, in draw mode they draw freehand strokes that never cover the outlines. An eraser puts the page back.</source>
        <extracomment>The description in software centres. The crayons are wax crayons.</extracomment>
        <translation>Vellumix est un cahier de coloriage de seize pages. Les enfants choisissent parmi douze craies grasses ou pinceaux et colorient la page&#x202f;: en mode peinture, un clic remplit une zone de couleur&#x202f;; en mode dessin, ils dessinent librement sans jamais recouvrir les contours. La gomme remet la page comme neuve.</translation>
    </message>
    <message>
        <source>A page ready to be coloured, with the brushes</source>
        <extracomment>The caption of a screenshot in software centres.</extracomment>
        <translation>Une page prête à être coloriée, avec les pinceaux</translation>
    </message>
    <message>
        <source>A page keeps its colouring while the child turns to other pages and back. Every fill, stroke and eraser drag can be undone and redone, page by page. The picture can be saved as a bitmap file, printed as large as the paper allows, or sent as an e-mail postcard.</source>
        <translation>Une page garde ses couleurs quand l&apos;enfant passe à d&apos;autres pages et y revient. Chaque remplissage, trait ou coup de gomme peut être annulé et refait, page par page. Le dessin peut être enregistré en fichier bitmap, imprimé aussi grand que la feuille le permet, ou envoyé comme carte postale par e-mail.</translation>
    </message>
</context>
<context>
    <name>PageBook</name>
    <message>
        <source>the page is %1 x %2 pixels instead of %3 x %4</source>
        <extracomment>A reason, shown after &quot;Reason:&quot; or a file&apos;s path and a colon. %1 and %2 are the width and height found, %3 and %4 those a page must have.</extracomment>
        <translation>la page fait %1 x %2 pixels au lieu de %3 x %4</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>pêche</translation>
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
        <translation>Ouvrir en lecture seule</translation>
    </message>
    <message>
        <source>%1
This folder does not exist.
Check the folder&apos;s name and try again.</source>
        <extracomment>%1 is the folder&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Ce dossier n&apos;existe pas.
Vérifie le nom du dossier et réessaie.</translation>
    </message>
    <message>
        <source>%1
This name is too long.
Choose a shorter name or another folder.</source>
        <extracomment>%1 is the file&apos;s path, typed or chosen in the file dialog.</extracomment>
        <translation>%1
Ce nom est trop long.
Choisis un nom plus court ou un autre dossier.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>The pictures in %1 are in use by another user.

Vellumix cannot open them as well.</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Les dessins du dossier %1 sont utilisés par quelqu&apos;un d&apos;autre.

Vellumix ne peut pas les ouvrir en même temps.</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already, with the pictures in %1.

Open it here anyway?</source>
        <extracomment>%1 is the path of the folder with the pictures.</extracomment>
        <translation>Vellumix semble déjà ouvert, avec les dessins du dossier %1.

L&apos;ouvrir ici quand même&#x202f;?</translation>
    </message>
    <message>
        <source>Vellumix seems to be open already on %1, with the pictures in %2.

Open it here anyway?</source>
        <extracomment>%1 is the other computer&apos;s name, %2 the path of the folder with the pictures.</extracomment>
        <translation>Vellumix semble déjà ouvert sur %1, avec les dessins du dossier %2.

L&apos;ouvrir ici quand même&#x202f;?</translation>
    </message>
</context>
<context>
    <name>cmdPRINT</name>
    <message>
        <source>the printer could not be opened</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>l&apos;imprimante n&apos;a pas pu être ouverte</translation>
    </message>
    <message>
        <source>the printer stopped before the page was done</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;.</extracomment>
        <translation>l&apos;imprimante s&apos;est arrêtée avant la fin de la page</translation>
    </message>
    <message>
        <source>Print My Picture</source>
        <translation>Imprimer mon dessin</translation>
    </message>
    <message>
        <source>The picture could not be printed.

Printer: %1
Reason: %2</source>
        <extracomment>%1 is the printer&apos;s name or the file printed to, %2 the reason.</extracomment>
        <translation>Le dessin n&apos;a pas pu être imprimé.

Imprimante&#x202f;: %1
Raison&#x202f;: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands for the printer&apos;s name when no printer was chosen.</extracomment>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>the printer cannot be found (%1)</source>
        <extracomment>A reason, shown after &quot;Reason:&quot;. %1 is the printing system&apos;s reason.</extracomment>
        <translation>l&apos;imprimante est introuvable (%1)</translation>
    </message>
</context>
<context>
    <name>cmdSAVE</name>
    <message>
        <source>Save My Picture</source>
        <translation>Enregistrer mon dessin</translation>
    </message>
    <message>
        <source>Pictures (*.bmp)|*.bmp</source>
        <extracomment>The pattern after the bar stays as it is.</extracomment>
        <translation>Images (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved.

File: %1
Reason: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>Le dessin n&apos;a pas pu être enregistré.

Fichier&#x202f;: %1
Raison&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>frmCANVAS</name>
    <message>
        <source>The page could not be stored in %1: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>La page n&apos;a pas pu être enregistrée dans %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>The page %1 could not be shown: %2.</source>
        <extracomment>%1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>La page %1 n&apos;a pas pu être affichée&#x202f;: %2.</translation>
    </message>
    <message>
        <source>Cannot locate file: %1.</source>
        <extracomment>The page to turn to is missing; %1 is its file&apos;s path.</extracomment>
        <translation>Fichier introuvable&#x202f;: %1.</translation>
    </message>
    <message>
        <source>The postcard cannot be opened: %1: %2.</source>
        <extracomment>The postcard composer; %1 is the path of the file that failed, %2 the reason.</extracomment>
        <translation>La carte postale n&apos;a pas pu être ouverte&#x202f;: %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>%1 crayon</source>
        <extracomment>%1 is a crayon&apos;s colour, from the list of colours.</extracomment>
        <translation>Crayon %1</translation>
    </message>
    <message>
        <source>%1 brush</source>
        <extracomment>%1 is a brush&apos;s colour, from the list of colours.</extracomment>
        <translation>Pinceau %1</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>Brushes that pour colour into an area</source>
        <translation>Des pinceaux qui remplissent une zone de couleur</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Crayons that draw lines</source>
        <translation>Des crayons qui tracent des lignes</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Save my picture</source>
        <translation>Enregistrer mon dessin</translation>
    </message>
    <message>
        <source>Print my picture</source>
        <translation>Imprimer mon dessin</translation>
    </message>
    <message>
        <source>Send a postcard</source>
        <translation>Envoyer une carte postale</translation>
    </message>
    <message>
        <source>The arrow keys move the pointer; Space colours where it is.</source>
        <translation>Les flèches déplacent le pointeur&#x202f;; la barre d&apos;espace colorie là où il est.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Your picture is saved.</source>
        <translation>Ton dessin est enregistré.</translation>
    </message>
</context>
<context>
    <name>frmPostcard</name>
    <message>
        <source>Send Drawing</source>
        <extracomment>The title of the postcard composer.</extracomment>
        <translation>Envoyer le dessin</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À&#x202f;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#x202f;:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message&#x202f;:</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Over the small picture of the postcard.</extracomment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>(not actual size)</source>
        <extracomment>Under the small picture of the postcard; keep it short, it must fit the picture&apos;s width.</extracomment>
        <translation>(pas en taille réelle)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Please enter a valid email address to send your ePostcard.</source>
        <translation>Écris une vraie adresse e-mail pour envoyer ta carte postale.</translation>
    </message>
    <message>
        <source>Trouble</source>
        <extracomment>The title of the message that the address is not valid.</extracomment>
        <translation>Oups</translation>
    </message>
</context>
<context>
    <name>frmSTATUS</name>
    <message>
        <source>Sending...</source>
        <translation>Envoi en cours...</translation>
    </message>
    <message>
        <source>Preparing message...</source>
        <translation>Préparation du message...</translation>
    </message>
    <message>
        <source>Checking internet connection...</source>
        <translation>Vérification de la connexion Internet...</translation>
    </message>
    <message>
        <source>Sending postcard...</source>
        <translation>Envoi de la carte postale...</translation>
    </message>
    <message>
        <source>Your email-postcard has been sent.</source>
        <translation>Ta carte postale est partie&#x202f;!</translation>
    </message>
    <message>
        <source>Your email-postcard could not be sent. Please try again.</source>
        <translation>Ta carte postale n&apos;a pas pu être envoyée. Réessaie, s&apos;il&#xa0;te&#xa0;plaît.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vellumix cannot start.

%1
%2.</source>
        <extracomment>%1 is the path of the file or folder that failed, %2 the reason.</extracomment>
        <translation>Vellumix ne peut pas démarrer.

%1
%2.</translation>
    </message>
</context>
</TS>
