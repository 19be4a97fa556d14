<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PictureLoadError</name>
    <message>
        <source>it is larger than %L1 MiB, far more than any picture</source>
        <translation>el archivo ocupa más de %L1 MiB, mucho más que cualquier imagen</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>permission to read it is denied</source>
        <translation>no hay permiso para leer el archivo</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>los enlaces simbólicos forman un bucle</translation>
    </message>
    <message>
        <source>its path is too long</source>
        <translation>su ruta es demasiado larga</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1: the system&apos;s own words for what went wrong</extracomment>
        <translation>el archivo no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>es una carpeta, no un archivo de imagen</translation>
    </message>
    <message>
        <source>it is a named pipe, not a picture file</source>
        <translation>es una tubería con nombre, no un archivo de imagen</translation>
    </message>
    <message>
        <source>it is a device, not a picture file</source>
        <translation>es un dispositivo, no un archivo de imagen</translation>
    </message>
    <message>
        <source>it is a socket, not a picture file</source>
        <translation>es un socket, no un archivo de imagen</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>The program&apos;s pictures are installed in &quot;%1&quot;; it reads them from the folder it is started in, so start it there: cd %2 &amp;&amp; %3</source>
        <extracomment>Follows the report of a missing picture. %1: the folder of the installed pictures; %2 and %3: that folder and the program as a shell reads them, in a command that stays as it is.</extracomment>
        <translation>Las imágenes del programa están instaladas en «%1»; el programa las lee de la carpeta en la que se inicia, así que inícielo allí: cd %2 &amp;&amp; %3</translation>
    </message>
    <message>
        <source>its header claims %1 × %2 pixels, more than any picture here</source>
        <translation>su cabecera declara %1 × %2 píxeles, más que cualquier imagen de aquí</translation>
    </message>
    <message>
        <source>it is cut short: a part of it claims %1 bytes where %2 remain</source>
        <translation>el archivo está truncado: una de sus partes declara %1 bytes donde solo quedan %2</translation>
    </message>
    <message>
        <source>it is cut short: its run-length data ends at row %1 of %2</source>
        <translation>el archivo está truncado: sus datos comprimidos por longitud de serie terminan en la fila %1 de %2</translation>
    </message>
    <message>
        <source>it is cut short: its header promises %1 bytes, the file holds %2</source>
        <translation>el archivo está truncado: su cabecera promete %1 bytes y el archivo contiene %2</translation>
    </message>
    <message>
        <source>it is split into more than %1 parts, far more than any picture</source>
        <translation>el archivo está dividido en más de %1 partes, muchas más que cualquier imagen</translation>
    </message>
    <message>
        <source>its notes unpack to more than %1 MiB</source>
        <translation>sus notas ocupan más de %1 MiB una vez descomprimidas</translation>
    </message>
    <message>
        <source>its pixel data unpacks to more than its %1 × %2 pixels need</source>
        <translation>sus datos de píxeles, descomprimidos, ocupan más de lo que necesitan %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>it is stored in more than %1 scans, far more than any picture needs</source>
        <translation>el archivo está guardado en más de %1 barridos, muchos más de los que necesita cualquier imagen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>no es una imagen en un formato que este programa sepa leer</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, far more than any picture in this format</source>
        <translation>el archivo ocupa más de %1 KiB, mucho más que cualquier imagen en este formato</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>%1: why the decoder could not read it, in the decoder&apos;s words</extracomment>
        <translation>no es una imagen legible (%1)</translation>
    </message>
    <message>
        <source>it decodes to %1 × %2 pixels, more than any picture here</source>
        <translation>una vez descodificada, la imagen mide %1 × %2 píxeles, más que cualquier imagen de aquí</translation>
    </message>
    <message>
        <source>Cannot show the picture &quot;%1&quot; from the folder &quot;%2&quot;: %3.</source>
        <extracomment>The report of a picture that cannot be shown. %1: the file&apos;s name, %2: the folder, %3: one of the reasons, each written to follow this colon.</extracomment>
        <translation>No se puede mostrar la imagen «%1» de la carpeta «%2»: %3.</translation>
    </message>
    <message>
        <source>its content is not on this computer but in cloud storage or on a server, and fetching it would make the window wait; keep it on this device first</source>
        <translation>su contenido no está en este equipo sino en un almacenamiento en la nube o en un servidor, y traerlo haría esperar a la ventana; conserve antes el archivo en este dispositivo</translation>
    </message>
    <message>
        <source>another program has it open and lets no other program read it; close it there</source>
        <translation>otro programa lo tiene abierto y no deja que ningún otro lo lea; ciérrelo en ese programa</translation>
    </message>
    <message>
        <source>another program has locked it against reading; close it there</source>
        <translation>otro programa lo ha bloqueado para lectura; ciérrelo en ese programa</translation>
    </message>
    <message>
        <source>the drive that holds it is not ready</source>
        <translation>la unidad que lo contiene no está preparada</translation>
    </message>
    <message>
        <source>the network share that holds it cannot be reached</source>
        <translation>no se puede acceder al recurso compartido de red que lo contiene</translation>
    </message>
    <message>
        <source>it is a pipe, not a picture file</source>
        <translation>es una tubería, no un archivo de imagen</translation>
    </message>
    <message>
        <source>it is not a file on a disk</source>
        <translation>no es un archivo en un disco</translation>
    </message>
    <message>
        <source>it is the name of a device, not of a picture file</source>
        <translation>es el nombre de un dispositivo, no el de un archivo de imagen</translation>
    </message>
    <message>
        <source>The program&apos;s pictures are in &quot;%1&quot;; it reads them from the folder it is started in, so start it there: from its Start-menu shortcut, or with a double click on %2 in that folder.</source>
        <extracomment>Follows the report of a missing picture on Windows. %1: the folder of the installed pictures; %2: the program&apos;s file name.</extracomment>
        <translation>Las imágenes del programa están en «%1»; el programa las lee de la carpeta en la que se inicia, así que inícielo allí: desde su acceso directo del menú Inicio o con un doble clic en %2 en esa carpeta.</translation>
    </message>
</context>
<context>
    <name>launcher and software centre</name>
    <message>
        <source>Chess Placement Study</source>
        <translation>Estudio de colocación de piezas de ajedrez</translation>
    </message>
    <message>
        <source>Place knights, kings, bishops and rooks on an 8 × 8 board and see their weighted sum</source>
        <translation>Coloque caballos, reyes, alfiles y torres en un tablero de 8 × 8 y vea su suma ponderada</translation>
    </message>
    <message>
        <source>chess;knight;king;bishop;rook;non-attacking;board;</source>
        <translation>ajedrez;caballo;rey;alfil;torre;sin ataques;tablero;</translation>
    </message>
    <message>
        <source>Study non-attacking chess pieces</source>
        <translation>Estudiar piezas de ajedrez que no se atacan</translation>
    </message>
    <message>
        <source>An 8 × 8 board of picture buttons. Each click on a square moves it one step along empty, knight, king, bishop, rook and back to empty. After every change the window shows the board&apos;s weighted sum: 1/32 for a knight, 1/16 for a king, 1/14 for a bishop and 1/8 for a rook, so a largest set of one kind of piece that do not attack each other sums to exactly 1.</source>
        <translation>Un tablero de 8 × 8 botones con imágenes. Cada clic en una casilla la hace avanzar un paso: vacía, caballo, rey, alfil, torre y de nuevo vacía. Tras cada cambio, la ventana muestra la suma ponderada del tablero: 1/32 por cada caballo, 1/16 por cada rey, 1/14 por cada alfil y 1/8 por cada torre, de modo que el mayor conjunto posible de piezas de una misma clase que no se atacan entre sí suma exactamente 1.</translation>
    </message>
    <message>
        <source>The &quot;reset&quot; button empties the board.</source>
        <translation>El botón «reset» vacía el tablero.</translation>
    </message>
    <message>
        <source>A knight, a king, a bishop and a rook that do not attack each other, and their sum</source>
        <translation>Un caballo, un rey, un alfil y una torre que no se atacan entre sí, y su suma</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>the web server answered %1 %2</source>
        <extracomment>A web server refused the picture. %1: the HTTP status code, %2: the server&apos;s words for it</extracomment>
        <translation>el servidor web respondió %1 %2</translation>
    </message>
    <message>
        <source>the web server cannot be reached, and this device keeps no copy of the file</source>
        <translation>no se puede acceder al servidor web, y este dispositivo no guarda ninguna copia del archivo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the report of a picture that cannot be shown</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>the web server did not send it within %1 seconds</source>
        <extracomment>%1: how many seconds the page waited</extracomment>
        <translation>el servidor web no lo envió en %1 segundos</translation>
    </message>
</context>
<context>
    <name>window::Form1</name>
    <message>
        <source>empty</source>
        <extracomment>A square that holds no piece</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>caballo</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>alfil</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>torre</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square&apos;s name for a screen reader. %1: its row, 1 at the top; %2: its column, 1 at the left; %3: what it holds (empty, or a piece)</extracomment>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>weighted sum of the board</source>
        <translation>suma ponderada del tablero</translation>
    </message>
</context>
</TS>
