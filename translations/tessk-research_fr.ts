<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PictureLoadError</name>
    <message>
        <source>it is larger than %L1 MiB, far more than any picture</source>
        <translation>le fichier dépasse %L1 Mio, bien plus que n’importe quelle image</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>permission to read it is denied</source>
        <translation>la lecture du fichier n’est pas autorisée</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>les liens symboliques forment une boucle</translation>
    </message>
    <message>
        <source>its path is too long</source>
        <translation>son chemin est trop long</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1: the system&apos;s own words for what went wrong</extracomment>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>c’est un dossier, pas un fichier image</translation>
    </message>
    <message>
        <source>it is a named pipe, not a picture file</source>
        <translation>c’est un tube nommé, pas un fichier image</translation>
    </message>
    <message>
        <source>it is a device, not a picture file</source>
        <translation>c’est un périphérique, pas un fichier image</translation>
    </message>
    <message>
        <source>it is a socket, not a picture file</source>
        <translation>c’est un socket, pas un fichier image</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The program&apos;s pictures are installed in &quot;%1&quot;; it reads them from the folder it is started in, so start it there: cd %2 &amp;&amp; %3</source>
        <extracomment>Follows the report of a missing picture. %1: the folder of the installed pictures; %2 and %3: that folder and the program as a shell reads them, in a command that stays as it is.</extracomment>
        <translation>Les images du programme sont installées dans «&#xa0;%1&#xa0;»&#xa0;; il les lit dans le dossier où il est lancé, lancez-le donc là-bas&#xa0;: cd %2 &amp;&amp; %3</translation>
    </message>
    <message>
        <source>its header claims %1 × %2 pixels, more than any picture here</source>
        <translation>son en-tête annonce %1 × %2 pixels, plus que n’importe quelle image ici</translation>
    </message>
    <message>
        <source>it is cut short: a part of it claims %1 bytes where %2 remain</source>
        <translation>le fichier est tronqué&#xa0;: une partie annonce %1 octets alors qu’il n’en reste que %2</translation>
    </message>
    <message>
        <source>it is cut short: its run-length data ends at row %1 of %2</source>
        <translation>le fichier est tronqué&#xa0;: ses données codées par plages s’arrêtent à la ligne %1 sur %2</translation>
    </message>
    <message>
        <source>it is cut short: its header promises %1 bytes, the file holds %2</source>
        <translation>le fichier est tronqué&#xa0;: son en-tête promet %1 octets, le fichier en contient %2</translation>
    </message>
    <message>
        <source>it is split into more than %1 parts, far more than any picture</source>
        <translation>le fichier est découpé en plus de %1 parties, bien plus que n’importe quelle image</translation>
    </message>
    <message>
        <source>its notes unpack to more than %1 MiB</source>
        <translation>ses annotations se décompressent en plus de %1 Mio</translation>
    </message>
    <message>
        <source>its pixel data unpacks to more than its %1 × %2 pixels need</source>
        <translation>décompressées, ses données de pixels dépassent ce que demandent %1 × %2 pixels</translation>
    </message>
    <message>
        <source>it is stored in more than %1 scans, far more than any picture needs</source>
        <translation>le fichier est enregistré en plus de %1 passes, bien plus qu’il n’en faut à n’importe quelle image</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>ce n’est pas une image dans un format que ce programme sait lire</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, far more than any picture in this format</source>
        <translation>le fichier dépasse %1 Kio, bien plus que n’importe quelle image dans ce format</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>%1: why the decoder could not read it, in the decoder&apos;s words</extracomment>
        <translation>ce n’est pas une image lisible (%1)</translation>
    </message>
    <message>
        <source>it decodes to %1 × %2 pixels, more than any picture here</source>
        <translation>une fois décodée, l’image fait %1 × %2 pixels, plus que n’importe quelle image ici</translation>
    </message>
    <message>
        <source>Cannot show the picture &quot;%1&quot; from the folder &quot;%2&quot;: %3.</source>
        <extracomment>The report of a picture that cannot be shown. %1: the file&apos;s name, %2: the folder, %3: one of the reasons, each written to follow this colon.</extracomment>
        <translation>Impossible d’afficher l’image «&#xa0;%1&#xa0;» du dossier «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>its content is not on this computer but in cloud storage or on a server, and fetching it would make the window wait; keep it on this device first</source>
        <translation>son contenu n’est pas sur cet ordinateur mais dans un stockage en ligne ou sur un serveur, et le récupérer ferait attendre la fenêtre&#xa0;; rendez d’abord le fichier disponible sur cet appareil</translation>
    </message>
    <message>
        <source>another program has it open and lets no other program read it; close it there</source>
        <translation>un autre programme l’a ouvert et n’en permet la lecture à aucun autre&#xa0;; fermez-le dans ce programme</translation>
    </message>
    <message>
        <source>another program has locked it against reading; close it there</source>
        <translation>un autre programme l’a verrouillé en lecture&#xa0;; fermez-le dans ce programme</translation>
    </message>
    <message>
        <source>the drive that holds it is not ready</source>
        <translation>le lecteur qui le contient n’est pas prêt</translation>
    </message>
    <message>
        <source>the network share that holds it cannot be reached</source>
        <translation>le partage réseau qui le contient est injoignable</translation>
    </message>
    <message>
        <source>it is a pipe, not a picture file</source>
        <translation>c’est un tube, pas un fichier image</translation>
    </message>
    <message>
        <source>it is not a file on a disk</source>
        <translation>ce n’est pas un fichier sur un disque</translation>
    </message>
    <message>
        <source>it is the name of a device, not of a picture file</source>
        <translation>c’est le nom d’un périphérique, pas celui d’un fichier image</translation>
    </message>
    <message>
        <source>The program&apos;s pictures are in &quot;%1&quot;; it reads them from the folder it is started in, so start it there: from its Start-menu shortcut, or with a double click on %2 in that folder.</source>
        <extracomment>Follows the report of a missing picture on Windows. %1: the folder of the installed pictures; %2: the program&apos;s file name.</extracomment>
        <translation>Les images du programme sont dans «&#xa0;%1&#xa0;»&#xa0;; il les lit dans le dossier où il est lancé, lancez-le donc là-bas&#xa0;: par son raccourci du menu Démarrer, ou d’un double-clic sur %2 dans ce dossier.</translation>
    </message>
</context>
<context>
    <name>launcher and software centre</name>
    <message>
        <source>Chess Placement Study</source>
        <translation>Étude de placement de pièces d’échecs</translation>
    </message>
    <message>
        <source>Place knights, kings, bishops and rooks on an 8 × 8 board and see their weighted sum</source>
        <translation>Placez des cavaliers, des rois, des fous et des tours sur un échiquier de 8 × 8 et voyez leur somme pondérée</translation>
    </message>
    <message>
        <source>chess;knight;king;bishop;rook;non-attacking;board;</source>
        <translation>échecs;cavalier;roi;fou;tour;sans attaque;échiquier;</translation>
    </message>
    <message>
        <source>Study non-attacking chess pieces</source>
        <translation>Étudier des pièces d’échecs qui ne s’attaquent pas</translation>
    </message>
    <message>
        <source>An 8 × 8 board of picture buttons. Each click on a square moves it one step along empty, knight, king, bishop, rook and back to empty. After every change the window shows the board&apos;s weighted sum: 1/32 for a knight, 1/16 for a king, 1/14 for a bishop and 1/8 for a rook, so a largest set of one kind of piece that do not attack each other sums to exactly 1.</source>
        <translation>Un échiquier de 8 × 8 boutons illustrés. Chaque clic sur une case la fait avancer d’un pas&#xa0;: vide, cavalier, roi, fou, tour, puis de nouveau vide. Après chaque changement, la fenêtre affiche la somme pondérée de l’échiquier&#xa0;: 1/32 pour un cavalier, 1/16 pour un roi, 1/14 pour un fou et 1/8 pour une tour, si bien qu’un plus grand ensemble de pièces d’une même sorte qui ne s’attaquent pas a pour somme exactement 1.</translation>
    </message>
    <message>
        <source>The &quot;reset&quot; button empties the board.</source>
        <translation>Le bouton «&#xa0;reset&#xa0;» vide l’échiquier.</translation>
    </message>
    <message>
        <source>A knight, a king, a bishop and a rook that do not attack each other, and their sum</source>
        <translation>Un cavalier, un roi, un fou et une tour qui ne s’attaquent pas, et leur somme</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>the web server answered %1 %2</source>
        <extracomment>A web server refused the picture. %1: the HTTP status code, %2: the server&apos;s words for it</extracomment>
        <translation>le serveur web a répondu %1 %2</translation>
    </message>
    <message>
        <source>the web server cannot be reached, and this device keeps no copy of the file</source>
        <translation>le serveur web est injoignable, et cet appareil ne garde aucune copie du fichier</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the report of a picture that cannot be shown</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>the web server did not send it within %1 seconds</source>
        <extracomment>%1: how many seconds the page waited</extracomment>
        <translation>le serveur web ne l’a pas envoyé en %1 secondes</translation>
    </message>
</context>
<context>
    <name>window::Form1</name>
    <message>
        <source>empty</source>
        <extracomment>A square that holds no piece</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>cavalier</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>fou</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square&apos;s name for a screen reader. %1: its row, 1 at the top; %2: its column, 1 at the left; %3: what it holds (empty, or a piece)</extracomment>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>weighted sum of the board</source>
        <translation>somme pondérée de l’échiquier</translation>
    </message>
</context>
</TS>
