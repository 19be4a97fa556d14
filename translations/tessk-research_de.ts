<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PictureLoadError</name>
    <message>
        <source>it is larger than %L1 MiB, far more than any picture</source>
        <translation>Die Datei ist größer als %L1 MiB, weit mehr als jedes Bild</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>Die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>permission to read it is denied</source>
        <translation>Die Berechtigung zum Lesen der Datei fehlt</translation>
    </message>
    <message>
        <source>it is a loop of symbolic links</source>
        <translation>Die symbolischen Verknüpfungen bilden eine Schleife</translation>
    </message>
    <message>
        <source>its path is too long</source>
        <translation>Der Pfad der Datei ist zu lang</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>%1: the system&apos;s own words for what went wrong</extracomment>
        <translation>Die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is a folder, not a picture file</source>
        <translation>Das ist ein Ordner, keine Bilddatei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a picture file</source>
        <translation>Das ist eine benannte Pipe, keine Bilddatei</translation>
    </message>
    <message>
        <source>it is a device, not a picture file</source>
        <translation>Das ist ein Gerät, keine Bilddatei</translation>
    </message>
    <message>
        <source>it is a socket, not a picture file</source>
        <translation>Das ist ein Socket, keine Bilddatei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>Das ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The program&apos;s pictures are installed in &quot;%1&quot;; it reads them from the folder it is started in, so start it there: cd %2 &amp;&amp; %3</source>
        <extracomment>Follows the report of a missing picture. %1: the folder of the installed pictures; %2 and %3: that folder and the program as a shell reads them, in a command that stays as it is.</extracomment>
        <translation>Die Bilder des Programms sind in „%1“ installiert; es liest sie aus dem Ordner, in dem es gestartet wird, also starten Sie es dort: cd %2 &amp;&amp; %3</translation>
    </message>
    <message>
        <source>its header claims %1 × %2 pixels, more than any picture here</source>
        <translation>Der Dateikopf gibt %1 × %2 Pixel an, mehr als jedes Bild hier haben darf</translation>
    </message>
    <message>
        <source>it is cut short: a part of it claims %1 bytes where %2 remain</source>
        <translation>Die Datei ist abgeschnitten: Ein Teil davon gibt %1 Bytes an, übrig sind aber nur %2</translation>
    </message>
    <message>
        <source>it is cut short: its run-length data ends at row %1 of %2</source>
        <translation>Die Datei ist abgeschnitten: Ihre lauflängenkodierten Daten enden in Zeile %1 von %2</translation>
    </message>
    <message>
        <source>it is cut short: its header promises %1 bytes, the file holds %2</source>
        <translation>Die Datei ist abgeschnitten: Der Dateikopf verspricht %1 Bytes, die Datei enthält %2</translation>
    </message>
    <message>
        <source>it is split into more than %1 parts, far more than any picture</source>
        <translation>Die Datei ist in mehr als %1 Teile zerlegt, weit mehr als jedes Bild</translation>
    </message>
    <message>
        <source>its notes unpack to more than %1 MiB</source>
        <translation>Die Anmerkungen der Datei ergeben entpackt mehr als %1 MiB</translation>
    </message>
    <message>
        <source>its pixel data unpacks to more than its %1 × %2 pixels need</source>
        <translation>Die Pixeldaten ergeben entpackt mehr, als %1 × %2 Pixel brauchen</translation>
    </message>
    <message>
        <source>it is stored in more than %1 scans, far more than any picture needs</source>
        <translation>Die Datei ist in mehr als %1 Scans gespeichert, weit mehr, als jedes Bild braucht</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>Die Datei ist kein Bild in einem Format, das dieses Programm liest</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, far more than any picture in this format</source>
        <translation>Die Datei ist größer als %1 KiB, weit mehr als jedes Bild in diesem Format</translation>
    </message>
    <message>
        <source>it is not a readable picture (%1)</source>
        <extracomment>%1: why the decoder could not read it, in the decoder&apos;s words</extracomment>
        <translation>Die Datei ist kein lesbares Bild (%1)</translation>
    </message>
    <message>
        <source>it decodes to %1 × %2 pixels, more than any picture here</source>
        <translation>Dekodiert hat das Bild %1 × %2 Pixel, mehr als jedes Bild hier haben darf</translation>
    </message>
    <message>
        <source>Cannot show the picture &quot;%1&quot; from the folder &quot;%2&quot;: %3.</source>
        <extracomment>The report of a picture that cannot be shown. %1: the file&apos;s name, %2: the folder, %3: one of the reasons, each written to follow this colon.</extracomment>
        <translation>Das Bild „%1“ aus dem Ordner „%2“ kann nicht angezeigt werden: %3.</translation>
    </message>
    <message>
        <source>its content is not on this computer but in cloud storage or on a server, and fetching it would make the window wait; keep it on this device first</source>
        <translation>Der Inhalt der Datei liegt nicht auf diesem Computer, sondern in einem Cloud-Speicher oder auf einem Server, und ihn zu holen, ließe das Fenster warten; halten Sie die Datei zuerst auf diesem Gerät bereit</translation>
    </message>
    <message>
        <source>another program has it open and lets no other program read it; close it there</source>
        <translation>Ein anderes Programm hat die Datei geöffnet und lässt kein anderes sie lesen; schließen Sie sie dort</translation>
    </message>
    <message>
        <source>another program has locked it against reading; close it there</source>
        <translation>Ein anderes Programm hat die Datei zum Lesen gesperrt; schließen Sie sie dort</translation>
    </message>
    <message>
        <source>the drive that holds it is not ready</source>
        <translation>Das Laufwerk, auf dem die Datei liegt, ist nicht bereit</translation>
    </message>
    <message>
        <source>the network share that holds it cannot be reached</source>
        <translation>Die Netzwerkfreigabe, auf der die Datei liegt, ist nicht erreichbar</translation>
    </message>
    <message>
        <source>it is a pipe, not a picture file</source>
        <translation>Das ist eine Pipe, keine Bilddatei</translation>
    </message>
    <message>
        <source>it is not a file on a disk</source>
        <translation>Das ist keine Datei auf einem Datenträger</translation>
    </message>
    <message>
        <source>it is the name of a device, not of a picture file</source>
        <translation>Das ist der Name eines Geräts, nicht der einer Bilddatei</translation>
    </message>
    <message>
        <source>The program&apos;s pictures are in &quot;%1&quot;; it reads them from the folder it is started in, so start it there: from its Start-menu shortcut, or with a double click on %2 in that folder.</source>
        <extracomment>Follows the report of a missing picture on Windows. %1: the folder of the installed pictures; %2: the program&apos;s file name.</extracomment>
        <translation>Die Bilder des Programms sind in „%1“; es liest sie aus dem Ordner, in dem es gestartet wird, also starten Sie es dort: über seine Verknüpfung im Startmenü oder mit einem Doppelklick auf %2 in diesem Ordner.</translation>
    </message>
</context>
<context>
    <name>launcher and software centre</name>
    <message>
        <source>Chess Placement Study</source>
        <translation>Stellungsstudie mit Schachfiguren</translation>
    </message>
    <message>
        <source>Place knights, kings, bishops and rooks on an 8 × 8 board and see their weighted sum</source>
        <translation>Springer, Könige, Läufer und Türme auf ein 8 × 8-Brett stellen und ihre gewichtete Summe sehen</translation>
    </message>
    <message>
        <source>chess;knight;king;bishop;rook;non-attacking;board;</source>
        <translation>Schach;Springer;König;Läufer;Turm;bedrohungsfrei;Brett;</translation>
    </message>
    <message>
        <source>Study non-attacking chess pieces</source>
        <translation>Schachfiguren studieren, die einander nicht bedrohen</translation>
    </message>
    <message>
        <source>An 8 × 8 board of picture buttons. Each click on a square moves it one step along empty, knight, king, bishop, rook and back to empty. After every change the window shows the board&apos;s weighted sum: 1/32 for a knight, 1/16 for a king, 1/14 for a bishop and 1/8 for a rook, so a largest set of one kind of piece that do not attack each other sums to exactly 1.</source>
        <translation>Ein 8 × 8-Brett aus Bildschaltflächen. Jeder Klick auf ein Feld schaltet es einen Schritt weiter: leer, Springer, König, Läufer, Turm und wieder leer. Nach jeder Änderung zeigt das Fenster die gewichtete Summe des Bretts: 1/32 für einen Springer, 1/16 für einen König, 1/14 für einen Läufer und 1/8 für einen Turm, sodass eine größtmögliche Menge von Figuren einer Art, die einander nicht bedrohen, genau 1 ergibt.</translation>
    </message>
    <message>
        <source>The &quot;reset&quot; button empties the board.</source>
        <translation>Die Schaltfläche „reset“ leert das Brett.</translation>
    </message>
    <message>
        <source>A knight, a king, a bishop and a rook that do not attack each other, and their sum</source>
        <translation>Ein Springer, ein König, ein Läufer und ein Turm, die einander nicht bedrohen, und ihre Summe</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>the web server answered %1 %2</source>
        <extracomment>A web server refused the picture. %1: the HTTP status code, %2: the server&apos;s words for it</extracomment>
        <translation>Der Webserver hat mit %1 %2 geantwortet</translation>
    </message>
    <message>
        <source>the web server cannot be reached, and this device keeps no copy of the file</source>
        <translation>Der Webserver ist nicht erreichbar, und dieses Gerät hat keine Kopie der Datei</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the report of a picture that cannot be shown</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>the web server did not send it within %1 seconds</source>
        <extracomment>%1: how many seconds the page waited</extracomment>
        <translation>Der Webserver hat die Datei nicht innerhalb von %1 Sekunden gesendet</translation>
    </message>
</context>
<context>
    <name>window::Form1</name>
    <message>
        <source>empty</source>
        <extracomment>A square that holds no piece</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>Springer</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>Läufer</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>Turm</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square&apos;s name for a screen reader. %1: its row, 1 at the top; %2: its column, 1 at the left; %3: what it holds (empty, or a piece)</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>weighted sum of the board</source>
        <translation>gewichtete Summe des Bretts</translation>
    </message>
</context>
</TS>
