<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Made with care by Brenfold Software for everyone who wants a page of their own.</source>
        <translation>Mit Sorgfalt gemacht von Brenfold Software für alle, die eine eigene Seite möchten.</translation>
    </message>
    <message>
        <source>Party time! You said the magic word: </source>
        <translation>Party! Sie haben das Zauberwort gesagt: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AutoSave</name>
    <message>
        <source>an untitled page</source>
        <translation>einer unbenannten Seite</translation>
    </message>
    <message>
        <source>Tarvo was not closed normally. Your work on %1 was saved automatically on %2.

Do you want to bring it back?</source>
        <translation>Tarvo wurde nicht normal beendet. Ihre Arbeit an %1 wurde am %2 automatisch gesichert.

Möchten Sie sie wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <source>There has been an error previewing this site with your Web Browser.</source>
        <translation>Beim Anzeigen dieser Seite in Ihrem Webbrowser ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>

No program that opens web pages was found on this computer. Install a web browser (and the xdg-utils package, which starts it), then try again.</source>
        <translation>

Auf diesem Computer wurde kein Programm gefunden, das Webseiten öffnet. Installieren Sie einen Webbrowser (und das Paket xdg-utils, das ihn startet) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) could not be run: %2. Check that a web browser is installed and chosen as the default one.</source>
        <translation>

Das Programm, das Ihren Webbrowser startet (%1), konnte nicht ausgeführt werden: %2. Prüfen Sie, ob ein Webbrowser installiert und als Standard gewählt ist.</translation>
    </message>
    <message>
        <source>

You can open the page in a browser yourself; it is here:
</source>
        <translation>

Sie können die Seite selbst in einem Browser öffnen; sie liegt hier:
</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) found no browser to start, or the browser did not start (it ended with status %2). Check that a web browser is installed and chosen as the default one.</source>
        <translation>

Das Programm, das Ihren Webbrowser startet (%1), hat keinen Browser zum Starten gefunden, oder der Browser ist nicht gestartet (es endete mit Status %2). Prüfen Sie, ob ein Webbrowser installiert und als Standardbrowser gewählt ist.</translation>
    </message>
</context>
<context>
    <name>BuildCanvas</name>
    <message>
        <source>Toolbox: </source>
        <translation>Werkzeugkasten: </translation>
    </message>
    <message>
        <source> Web Blocks</source>
        <translation> Webbausteine</translation>
    </message>
    <message>
        <source>Delete Web Block</source>
        <translation>Webbaustein löschen</translation>
    </message>
</context>
<context>
    <name>CanvasKeys</name>
    <message>
        <source> block</source>
        <translation>-Baustein</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>volle Breite</translation>
    </message>
    <message>
        <source>Up and Down choose a kind of block; Enter puts one on the page below the selected block.</source>
        <translation>Auf und Ab wählen eine Bausteinart; Eingabe setzt einen unter den gewählten Baustein auf die Seite.</translation>
    </message>
    <message>
        <source>Up and Down select a block, Alt+Up and Alt+Down move it, Delete shreds it, Enter edits it.</source>
        <translation>Auf und Ab wählen einen Baustein, Alt+Auf und Alt+Ab verschieben ihn, Entf schreddert ihn, Eingabe bearbeitet ihn.</translation>
    </message>
    <message>
        <source>Toolbox: </source>
        <translation>Werkzeugkasten: </translation>
    </message>
    <message>
        <source>Page: empty</source>
        <translation>Seite: leer</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 von %2</translation>
    </message>
</context>
<context>
    <name>FtpClient</name>
    <message>
        <source>The server&apos;s certificate has expired.</source>
        <translation>Das Zertifikat des Servers ist abgelaufen.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid yet.</source>
        <translation>Das Zertifikat des Servers ist noch nicht gültig.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is signed only by the server itself.</source>
        <translation>Das Zertifikat des Servers ist nur vom Server selbst signiert.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was made for another name.</source>
        <translation>Das Zertifikat des Servers wurde für einen anderen Namen ausgestellt.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate comes from an authority this computer does not know.</source>
        <translation>Das Zertifikat des Servers stammt von einer Stelle, die dieser Computer nicht kennt.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>Das Zertifikat des Servers konnte nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not the one you trusted before. </source>
        <translation>Das Zertifikat des Servers ist nicht das, dem Sie zuvor vertraut haben. </translation>
    </message>
    <message>
        <source>The server&apos;s host key has changed since you trusted it. Someone may be intercepting the connection, or the server was set up anew.</source>
        <translation>Der Hostschlüssel des Servers hat sich geändert, seit Sie ihm vertraut haben. Jemand könnte die Verbindung abfangen, oder der Server wurde neu eingerichtet.</translation>
    </message>
    <message>
        <source>This is the first connection to this server, and its host key is not known yet.</source>
        <translation>Dies ist die erste Verbindung zu diesem Server, und sein Hostschlüssel ist noch nicht bekannt.</translation>
    </message>
    <message>
        <source>the file %1 could not be read</source>
        <translation>die Datei %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The connection was refused.</source>
        <translation>Die Verbindung wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Der Server war nicht erreichbar.</translation>
    </message>
    <message>
        <source>The server&apos;s name could not be found.</source>
        <translation>Der Name des Servers wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The server did not answer.</source>
        <translation>Der Server hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Das Hochladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Der Server hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>A file could not be read.</source>
        <translation>Eine Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The server&apos;s address is not valid.</source>
        <translation>Die Adresse des Servers ist ungültig.</translation>
    </message>
    <message>
        <source>This server does not offer encrypted FTP. Choose &quot;FTP (not encrypted)&quot; or &quot;SFTP (over SSH)&quot; if your host offers either.</source>
        <translation>Dieser Server bietet kein verschlüsseltes FTP an. Wählen Sie „FTP (unverschlüsselt)“ oder „SFTP (über SSH)“, falls Ihr Anbieter eines davon anbietet.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: %1.</source>
        <translation>Die verschlüsselte Verbindung konnte nicht aufgebaut werden: %1.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The server replied: %1</source>
        <translation>Der Server antwortete: %1</translation>
    </message>
    <message>
        <source>The server details hold a line break.</source>
        <translation>Die Serverangaben enthalten einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>There is no connection to the server.</source>
        <translation>Es besteht keine Verbindung zum Server.</translation>
    </message>
    <message>
        <source>The folder name holds a line break.</source>
        <translation>Der Ordnername enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not allowed: it climbs out with &quot;..&quot;.</source>
        <translation>Der Ordner „%1“ ist nicht erlaubt: Er verlässt mit „..“ den Ordner.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a file name.</source>
        <translation>Der entfernte Name „%1“ ist kein Dateiname.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is outside the server folder.</source>
        <translation>Der entfernte Name „%1“ liegt außerhalb des Serverordners.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a plain file name.</source>
        <translation>Der entfernte Name „%1“ ist kein einfacher Dateiname.</translation>
    </message>
    <message>
        <source>The folder&apos;s listing is too long.</source>
        <translation>Die Auflistung des Ordners ist zu lang.</translation>
    </message>
    <message>
        <source>The name %1 cannot go into a Git repository.</source>
        <translation>Der Name %1 kann nicht in ein Git-Repository.</translation>
    </message>
    <message>
        <source>The branch holds no file %1.</source>
        <translation>Der Branch enthält keine Datei %1.</translation>
    </message>
    <message>
        <source>The server refused the user name, the token or the key.</source>
        <translation>Der Server hat den Benutzernamen, das Token oder den Schlüssel abgelehnt.</translation>
    </message>
    <message>
        <source>There is no Git repository at this address.</source>
        <translation>Unter dieser Adresse gibt es kein Git-Repository.</translation>
    </message>
    <message>
        <source>The branch&apos;s name is not valid.</source>
        <translation>Der Name des Branches ist ungültig.</translation>
    </message>
    <message>
        <source>The branch holds more than a web site would.</source>
        <translation>Der Branch enthält mehr, als eine Website je bräuchte.</translation>
    </message>
    <message>
        <source>The repository refused the new version of the branch (%1).</source>
        <translation>Das Repository hat die neue Fassung des Branches abgelehnt (%1).</translation>
    </message>
    <message>
        <source>Someone else changed the branch meanwhile; publish again to add your changes.</source>
        <translation>Jemand anderes hat den Branch inzwischen geändert; veröffentlichen Sie erneut, um Ihre Änderungen hinzuzufügen.</translation>
    </message>
    <message>
        <source>The repository could not be used: %1.</source>
        <translation>Das Repository konnte nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>The server&apos;s folder listing could not be read.</source>
        <translation>Die Ordnerliste des Servers konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>Publishing to Git repositories is not available here: %1</source>
        <translation>Das Veröffentlichen in Git-Repositorys ist hier nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>GalleryMenu</name>
    <message>
        <source>Are you sure you want to delete the Tarvo file &quot;%1&quot;?</source>
        <translation>Möchten Sie die Tarvo-Datei „%1“ wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>HelpSystem</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Was ist das?</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>&amp;Was ist das?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvo Help</source>
        <translation>Tarvo-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>The help pages were not found. They belong in the folder %1 beside the program.</source>
        <translation>Die Hilfeseiten wurden nicht gefunden. Sie gehören in den Ordner %1 neben dem Programm.</translation>
    </message>
    <message>
        <source>There is no help for this item.</source>
        <translation>Für dieses Element gibt es keine Hilfe.</translation>
    </message>
</context>
<context>
    <name>HtmlDocument</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
    <message>
        <source>Some pictures are not shown: together they would take more memory than one page may use.</source>
        <translation>Einige Bilder werden nicht gezeigt: zusammen bräuchten sie mehr Speicher, als eine Seite nutzen darf.</translation>
    </message>
</context>
<context>
    <name>HtmlWarn</name>
    <message>
        <source>HTML Change Alert</source>
        <translation>Hinweis zu HTML-Änderungen</translation>
    </message>
    <message>
        <source>If you make changes to your HTML directly, they will appear in your Web Page. However, if you move back to &apos;Build Your Page&apos;, these changes will be lost.</source>
        <translation>Wenn Sie Ihr HTML direkt ändern, erscheinen die Änderungen auf Ihrer Webseite. Wenn Sie jedoch zu „Seite bauen“ zurückgehen, gehen diese Änderungen verloren.</translation>
    </message>
    <message>
        <source>Any changes you make here will not appear next time you load your Tarvo file. Do you still want to make changes to your HTML?</source>
        <translation>Änderungen, die Sie hier machen, erscheinen nicht, wenn Sie Ihre Tarvo-Datei das nächste Mal laden. Möchten Sie Ihr HTML trotzdem ändern?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Dieses Fenster nicht mehr zeigen.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer.</source>
        <translation>Der Schlüsselbund hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The keyring was not unlocked.</source>
        <translation>Der Schlüsselbund wurde nicht entsperrt.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this server, or it is locked.</source>
        <translation>Der Schlüsselbund enthält kein Passwort für diesen Server, oder er ist gesperrt.</translation>
    </message>
</context>
<context>
    <name>LiveCheck</name>
    <message>
        <source>Checking whether your page is live at %1 ...</source>
        <translation>Tarvo prüft, ob Ihre Seite unter %1 online ist ...</translation>
    </message>
    <message>
        <source>Your page is live at %1</source>
        <translation>Ihre Seite ist jetzt online unter %1</translation>
    </message>
    <message>
        <source>The server holds the new page, but %1 shows an older one: the web address may point to another folder</source>
        <translation>Der Server hat die neue Seite, aber %1 zeigt eine ältere: Die Webadresse zeigt vielleicht auf einen anderen Ordner</translation>
    </message>
    <message>
        <source>%1 answers 404: check the folder and the web address</source>
        <translation>%1 antwortet mit 404: Prüfen Sie den Ordner und die Webadresse</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 answers %2, so it is not seen there yet</source>
        <translation>Ihre Seite wurde gesendet, aber %1 antwortet mit %2, deshalb ist sie dort noch nicht zu sehen</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo could not connect to %1, so it is not seen there yet</source>
        <translation>Ihre Seite wurde gesendet, aber Tarvo konnte keine Verbindung zu %1 herstellen, deshalb ist sie dort noch nicht zu sehen</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 did not answer within %2 seconds, so it is not seen there yet</source>
        <translation>Ihre Seite wurde gesendet, aber %1 hat nicht innerhalb von %2 Sekunden geantwortet, deshalb ist sie dort noch nicht zu sehen</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: the web server&apos;s certificate is not trusted</source>
        <translation>Ihre Seite wurde gesendet, aber Tarvo kann sie unter %1 noch nicht sehen: Dem Zertifikat des Webservers wird nicht vertraut</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet</source>
        <translation>Ihre Seite wurde gesendet, aber Tarvo kann sie unter %1 noch nicht sehen</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: %2</source>
        <translation>Ihre Seite wurde gesendet, aber Tarvo kann sie unter %1 noch nicht sehen: %2</translation>
    </message>
</context>
<context>
    <name>PageCheckup</name>
    <message>
        <source>Block %1: </source>
        <translation>Baustein %1: </translation>
    </message>
    <message>
        <source>The text colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>Die Textfarbe ist auf dem Hintergrund schwer zu lesen (Kontrast %1:1, nötig sind mindestens 4,5:1).</translation>
    </message>
    <message>
        <source>The link colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>Die Linkfarbe ist auf dem Hintergrund schwer zu lesen (Kontrast %1:1, nötig sind mindestens 4,5:1).</translation>
    </message>
    <message>
        <source>The page has no title: give it one in the View stage.</source>
        <translation>Die Seite hat keinen Titel: Geben Sie ihr einen in der Ansicht-Stufe.</translation>
    </message>
    <message>
        <source>The page has no description for search engines and link previews.</source>
        <translation>Die Seite hat keine Beschreibung für Suchmaschinen und Linkvorschauen.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; has no words for visitors who cannot see it.</source>
        <translation>Das Bild „%1“ hat keine Worte für Besucher, die es nicht sehen können.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is %2 × %3 pixels but shown much smaller: a smaller copy loads faster.</source>
        <translation>Das Bild „%1“ hat %2 × %3 Pixel, wird aber viel kleiner gezeigt: Eine kleinere Kopie lädt schneller.</translation>
    </message>
    <message>
        <source>A link has no words: visitors cannot tell where it goes.</source>
        <translation>Ein Link hat keine Worte: Besucher können nicht erkennen, wohin er führt.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; does not say where it goes: use words that name its page.</source>
        <translation>Der Link „%1“ sagt nicht, wohin er führt: Nehmen Sie Worte, die seine Seite nennen.</translation>
    </message>
    <message>
        <source>The link to &quot;%1&quot; leads to a page that does not exist.</source>
        <translation>Der Link auf „%1“ führt zu einer Seite, die es nicht gibt.</translation>
    </message>
    <message>
        <source>This heading of size %1 follows one of size %2 and skips a level.</source>
        <translation>Diese Überschrift der Größe %1 folgt einer der Größe %2 und überspringt eine Stufe.</translation>
    </message>
    <message>
        <source>The page weighs %1 MB with its pictures: over 2 MB it loads slowly on phones.</source>
        <translation>Die Seite wiegt mit ihren Bildern %1 MB: Über 2 MB lädt sie auf Handys langsam.</translation>
    </message>
    <message>
        <source>Nothing on this page needs attention.</source>
        <translation>Auf dieser Seite braucht nichts Ihre Aufmerksamkeit.</translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation>Seite prüfen</translation>
    </message>
    <message>
        <source>&amp;Check Page...</source>
        <translation>Seite &amp;prüfen...</translation>
    </message>
</context>
<context>
    <name>PageEncoding</name>
    <message>
        <source>This page&apos;s HTML says its character set is &quot;%1&quot;, which cannot hold &quot;%2&quot;.

Write the page in UTF-8 instead (its character set line is changed to say so)? If you answer No, the page&apos;s HTML file is not written.</source>
        <translation>Laut HTML dieser Seite ist ihr Zeichensatz „%1“, der „%2“ nicht darstellen kann.

Die Seite stattdessen in UTF-8 schreiben (die Zeichensatzzeile wird entsprechend geändert)? Wenn Sie mit Nein antworten, wird die HTML-Datei der Seite nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page.</source>
        <translation>%1 ist keine Tarvo-Seite.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page: its version &quot;%2&quot; is not a version number.</source>
        <translation>%1 ist keine Tarvo-Seite: Ihre Version „%2“ ist keine Versionsnummer.</translation>
    </message>
    <message>
        <source>%1 is a Tarvo page of version %2, which this Tarvo cannot read.</source>
        <translation>%1 ist eine Tarvo-Seite der Version %2, die dieses Tarvo nicht lesen kann.</translation>
    </message>
    <message>
        <source>the blocks end early</source>
        <translation>die Bausteine enden zu früh</translation>
    </message>
    <message>
        <source>a block of unknown kind %1</source>
        <translation>ein Baustein unbekannter Art %1</translation>
    </message>
    <message>
        <source>a text runs past the end of the file</source>
        <translation>ein Text reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>a text is impossibly long</source>
        <translation>ein Text ist unmöglich lang</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); %3 of %4 blocks were read.</source>
        <translation>%1 ist beschädigt (%2); %3 von %4 Bausteinen wurden gelesen.</translation>
    </message>
    <message>
        <source>The disk is full: your page was not saved; the last saved version is kept.</source>
        <translation>Der Datenträger ist voll: Ihre Seite wurde nicht gespeichert; die zuletzt gespeicherte Fassung bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>Paragraph</source>
        <translation>Absatz</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>E-mail Link</source>
        <translation>E-Mail-Link</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Einfügen: </translation>
    </message>
    <message>
        <source>Move </source>
        <translation>Verschieben: </translation>
    </message>
    <message>
        <source>Shred </source>
        <translation>Schreddern: </translation>
    </message>
    <message>
        <source>New Line after </source>
        <translation>Neue Zeile nach: </translation>
    </message>
    <message>
        <source>Align </source>
        <translation>Ausrichten: </translation>
    </message>
    <message>
        <source>Edit </source>
        <translation>Bearbeiten: </translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Make Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source> Your page was kept as it was.</source>
        <translation> Ihre Seite blieb unverändert.</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>WebP Files (*.webp)</source>
        <translation>WebP-Dateien (*.webp)</translation>
    </message>
    <message>
        <source>TIFF Files (*.tif *.tiff)</source>
        <translation>TIFF-Dateien (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>Pictures (</source>
        <translation>Bilder (</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>JPEG-Dateien (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> KB</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source> pixels, </source>
        <translation> Pixel, </translation>
    </message>
</context>
<context>
    <name>PictureQuestion</name>
    <message>
        <source>Picture for the Web</source>
        <translation>Bild fürs Web</translation>
    </message>
    <message>
        <source>This picture is %1 × %2 pixels and %3</source>
        <translation>Dieses Bild hat %1 × %2 Pixel und %3</translation>
    </message>
    <message>
        <source>: a page that carries it is slow to send to your web server and slow to open on a phone.

A web-sized copy is at most %1 pixels wide and high, turned the right way up and saved for the web, without hidden details such as where a photo was taken. Your original file stays as it is.</source>
        <translation>: Eine Seite damit wird nur langsam zu Ihrem Webserver gesendet und öffnet sich langsam auf einem Telefon.

Eine webgerechte Kopie ist höchstens %1 Pixel breit und hoch, richtig herum gedreht und fürs Web gespeichert, ohne versteckte Angaben wie den Ort, an dem ein Foto gemacht wurde. Ihre Originaldatei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Do the same for every picture from now on</source>
        <translation>Ab jetzt bei jedem Bild so verfahren</translation>
    </message>
    <message>
        <source>Make pictures web-sized (recommended)</source>
        <translation>Bilder webgerecht verkleinern (empfohlen)</translation>
    </message>
    <message>
        <source>Keep the original</source>
        <translation>Original behalten</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>The picture could not be copied into the folder &quot;%1&quot;.</source>
        <translation>Das Bild konnte nicht in den Ordner „%1“ kopiert werden.</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>&amp;Choose a Page</source>
        <translation>Seite &amp;wählen</translation>
    </message>
    <message>
        <source>Choose a page</source>
        <translation>Seite wählen</translation>
    </message>
    <message>
        <source>&amp;Build your Page</source>
        <translation>Seite &amp;bauen</translation>
    </message>
    <message>
        <source>Build your page</source>
        <translation>Seite bauen</translation>
    </message>
    <message>
        <source>&amp;View your Page</source>
        <translation>Seite an&amp;sehen</translation>
    </message>
    <message>
        <source>View your page</source>
        <translation>Seite ansehen</translation>
    </message>
    <message>
        <source>&amp;Send it to the Web</source>
        <translation>&amp;Ins Web senden</translation>
    </message>
    <message>
        <source>Send it to the Web</source>
        <translation>Ins Web senden</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>&amp;Gesendet</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>Current stage: </source>
        <translation>Aktueller Schritt: </translation>
    </message>
    <message>
        <source>Stages</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Preview size</source>
        <translation>Vorschaugröße</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>HTML of the page</source>
        <translation>HTML der Seite</translation>
    </message>
</context>
<context>
    <name>PropertyPanels</name>
    <message>
        <source>Left Align</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Center Align</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Start new line for next block</source>
        <translation>Nächsten Baustein in neuer Zeile beginnen</translation>
    </message>
    <message>
        <source>A paragraph will appear as a block of text.</source>
        <translation>Ein Absatz erscheint als Textblock.</translation>
    </message>
    <message>
        <source>You can align this block of text to the left, center or right of the page. Type your text in the field below; you can use simple HTML tags here.</source>
        <translation>Sie können diesen Textblock links, mittig oder rechts auf der Seite ausrichten. Geben Sie Ihren Text unten ein; einfache HTML-Tags sind erlaubt.</translation>
    </message>
    <message>
        <source>Type your paragraph text here:</source>
        <translation>Geben Sie hier den Text des Absatzes ein:</translation>
    </message>
    <message>
        <source>When readers of your page click on this link, it takes them to any web site whose URL you enter.</source>
        <translation>Dieser Link führt Leser Ihrer Seite zur Website mit der URL, die Sie eingeben.</translation>
    </message>
    <message>
        <source> What is the URL of the page you wish to link to?</source>
        <translation> URL der Seite, auf die der Link führen soll:</translation>
    </message>
    <message>
        <source>Any text to display before the link?</source>
        <translation>Text, der vor dem Link stehen soll?</translation>
    </message>
    <message>
        <source> What is the text to click on?</source>
        <translation> Welcher Text soll anklickbar sein?</translation>
    </message>
    <message>
        <source>Any other text to follow this link?</source>
        <translation>Text, der auf den Link folgen soll?</translation>
    </message>
    <message>
        <source>e.g. Text before link</source>
        <translation>z. B. Text vor dem Link</translation>
    </message>
    <message>
        <source>text after link.</source>
        <translation>Text nach dem Link.</translation>
    </message>
    <message>
        <source>Add an image to your page.  Images help to liven up a Web Page.</source>
        <translation>Fügen Sie Ihrer Seite ein Bild hinzu.  Bilder beleben eine Webseite.</translation>
    </message>
    <message>
        <source>Enter the location of your image file :</source>
        <translation>Geben Sie den Ort Ihrer Bilddatei an:</translation>
    </message>
    <message>
        <source>Choose an image file</source>
        <translation>Bilddatei wählen</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source> Width :</source>
        <translation> Breite:</translation>
    </message>
    <message>
        <source>Text description of the image :</source>
        <translation>Textbeschreibung des Bildes:</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <translation>Was das Bild zeigt</translation>
    </message>
    <message>
        <source>⚠ Needed</source>
        <translation>⚠ Nötig</translation>
    </message>
    <message>
        <source>Screen readers read this description to people who cannot see the picture, and browsers show it when the picture does not load.</source>
        <translation>Bildschirmleser lesen diese Beschreibung Menschen vor, die das Bild nicht sehen können, und Browser zeigen sie, wenn das Bild nicht lädt.</translation>
    </message>
    <message>
        <source>You can make this image a link to another Web Page. Just type in the URL below.</source>
        <translation>Das Bild kann auf eine andere Webseite verlinken: Geben Sie unten die URL ein.</translation>
    </message>
    <message>
        <source>The heading is the title for your page or a section of the page.</source>
        <translation>Die Überschrift ist der Titel Ihrer Seite oder eines Abschnitts.</translation>
    </message>
    <message>
        <source>People often use H1 (the biggest size) headings at the start, then smaller ones for the rest.  But you can use different sizes for any effects you want, anywhere you want.</source>
        <translation>Oft steht am Anfang eine H1-Überschrift (die größte), danach kleinere.  Sie können aber für jeden gewünschten Effekt überall andere Größen verwenden.</translation>
    </message>
    <message>
        <source>Heading text:</source>
        <translation>Text der Überschrift:</translation>
    </message>
    <message>
        <source> What is the size of the heading?</source>
        <translation> Wie groß soll die Überschrift sein?</translation>
    </message>
    <message>
        <source> When readers of your page click on this link, it pops up an e-mail screen pre-addressed to you or anyone you choose.</source>
        <translation> Wenn Leser Ihrer Seite auf diesen Link klicken, öffnet sich ein E-Mail-Fenster, an Sie oder eine andere Person Ihrer Wahl adressiert.</translation>
    </message>
    <message>
        <source> What is the e-mail address?</source>
        <translation> Wie lautet die E-Mail-Adresse?</translation>
    </message>
    <message>
        <source>Any text to appear before the e-mail link?</source>
        <translation>Text, der vor dem E-Mail-Link stehen soll?</translation>
    </message>
    <message>
        <source> What is the text to click on for the e-mail link?</source>
        <translation> Welcher Text soll den E-Mail-Link bilden?</translation>
    </message>
    <message>
        <source>Any other text to follow this e-mail link?</source>
        <translation>Text, der auf den E-Mail-Link folgen soll?</translation>
    </message>
    <message>
        <source>e.g. Text before</source>
        <translation>z. B. Text davor</translation>
    </message>
    <message>
        <source>text to click on</source>
        <translation>anklickbarer Text</translation>
    </message>
    <message>
        <source>text after.</source>
        <translation>Text danach.</translation>
    </message>
    <message>
        <source>Create a horizontal line for design effect.</source>
        <translation>Eine waagerechte Linie als Gestaltungselement.</translation>
    </message>
    <message>
        <source>If you leave the boxes blank, the line will appear all the way (100%) across the page.  Lines are a good way to separate your page contents, for example, separating a picture from some text.</source>
        <translation>Wenn Sie die Felder leer lassen, reicht die Linie über die ganze Seite (100%).  Linien trennen gut Inhalte Ihrer Seite, zum Beispiel ein Bild von einem Text.</translation>
    </message>
    <message>
        <source>How wide is this line (as a percentage of the page)</source>
        <translation>Wie breit ist die Linie (in Prozent der Seite)</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Decoration only</source>
        <translation>Nur Dekoration</translation>
    </message>
    <message>
        <source>The picture only decorates the page (a border, a flourish): screen readers pass over it, and it needs no description.</source>
        <translation>Das Bild schmückt die Seite nur (ein Rahmen, ein Ornament): Bildschirmleser übergehen es, und es braucht keine Beschreibung.</translation>
    </message>
</context>
<context>
    <name>PropertyPanelsWire</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>web-sized from </source>
        <translation>verkleinert von </translation>
    </message>
    <message>
        <source>converted, was </source>
        <translation>umgewandelt, vorher </translation>
    </message>
</context>
<context>
    <name>PublishHistory</name>
    <message>
        <source>%1  %2  %3, %4 of %5 files sent (%6 bytes)</source>
        <translation>%1  %2  %3, %4 von %5 Dateien gesendet (%6 Bytes)</translation>
    </message>
    <message>
        <source>; an earlier publish put back</source>
        <translation>; eine frühere Veröffentlichung zurückgeholt</translation>
    </message>
    <message>
        <source>; not complete</source>
        <translation>; unvollständig</translation>
    </message>
    <message>
        <source>; its files are no longer kept</source>
        <translation>; ihre Dateien werden nicht mehr aufbewahrt</translation>
    </message>
    <message>
        <source>There is no publish %1.</source>
        <translation>Es gibt keine Veröffentlichung %1.</translation>
    </message>
    <message>
        <source>The files of publish %1 are no longer kept.</source>
        <translation>Die Dateien der Veröffentlichung %1 werden nicht mehr aufbewahrt.</translation>
    </message>
    <message>
        <source>The kept version of %1 is missing or damaged.</source>
        <translation>Die aufbewahrte Fassung von %1 fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 is too large to be kept for a put-back.</source>
        <translation>%1 ist zu groß, um für ein Zurückholen aufbewahrt zu werden.</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Cannot create file %1: %2.</source>
        <translation>Die Datei %1 kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>„%1“ ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>you are not allowed to write there</source>
        <translation>Sie dürfen dort nicht schreiben</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>der Datenträger kann nur gelesen werden</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to another place, and Tarvo does not write through links</source>
        <translation>„%1“ ist eine Verknüpfung an einen anderen Ort, und Tarvo schreibt nicht durch Verknüpfungen</translation>
    </message>
    <message>
        <source>it would lie outside the folder &quot;%1&quot;</source>
        <translation>sie läge außerhalb des Ordners „%1“</translation>
    </message>
</context>
<context>
    <name>SaveInfo</name>
    <message>
        <source>File Save Information</source>
        <translation>Hinweis zum Speichern</translation>
    </message>
    <message>
        <source>If this is your first Web Page, and you want it to be the default page that people see when they visit your Web Site, you should save this file under the name &apos;index&apos;. This will create a file called &apos;index.html&apos; on your Web Server.</source>
        <translation>Wenn dies Ihre erste Webseite ist und Besucher Ihrer Website sie als Startseite sehen sollen, speichern Sie diese Datei unter dem Namen „index“. Dann entsteht auf Ihrem Webserver eine Datei namens „index.html“.</translation>
    </message>
    <message>
        <source>Click here for a tutorial creating links.</source>
        <translation>Hier klicken für eine Anleitung zum Erstellen von Links.</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Dieses Fenster nicht mehr zeigen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>SendWeb</name>
    <message>
        <source>the W3C Validator</source>
        <translation>den W3C-Validator</translation>
    </message>
    <message>
        <source>the W3C on Accessibility</source>
        <translation>das W3C zur Barrierefreiheit</translation>
    </message>
    <message>
        <source>Rotate Web</source>
        <translation>Web drehen</translation>
    </message>
    <message>
        <source>Click the logo to visit Brenfold Software</source>
        <translation>Klicken Sie auf das Logo, um Brenfold Software zu besuchen</translation>
    </message>
    <message>
        <source>Click the logo to view your Web Page</source>
        <translation>Klicken Sie auf das Logo, um Ihre Webseite anzusehen</translation>
    </message>
    <message>
        <source>Click the logo to visit %1</source>
        <translation>Klicken Sie auf das Logo, um %1 zu besuchen</translation>
    </message>
</context>
<context>
    <name>ServerBox</name>
    <message>
        <source>WWW Server to Upload to:</source>
        <translation>WWW-Server zum Hochladen:</translation>
    </message>
    <message>
        <source>Edit WWW Server List</source>
        <translation>WWW-Serverliste bearbeiten</translation>
    </message>
</context>
<context>
    <name>ServerList</name>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ServerWizardFlow</name>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Passwort wird aus dem Schlüsselbund gelesen …</translation>
    </message>
    <message>
        <source>The keyring did not give the password; it stays there unless you type a new one.</source>
        <translation>Der Schlüsselbund hat das Passwort nicht herausgegeben; es bleibt dort, wenn Sie kein neues eingeben.</translation>
    </message>
    <message>
        <source>WWW Server List Changed</source>
        <translation>WWW-Serverliste geändert</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your WWW Server List?</source>
        <translation>Möchten Sie die Änderungen an Ihrer WWW-Serverliste speichern?</translation>
    </message>
    <message>
        <source>Your WWW Server List could not be saved.
%1</source>
        <translation>Ihre WWW-Serverliste konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Bitte den Schlüsselbund entsperren …</translation>
    </message>
</context>
<context>
    <name>SiteExport</name>
    <message>
        <source>outside the chosen folder</source>
        <translation>außerhalb des gewählten Ordners</translation>
    </message>
</context>
<context>
    <name>SiteFiles</name>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Unter dieser Adresse gibt es keine Seite.</translation>
    </message>
    <message>
        <source>Go to the home page</source>
        <translation>Zur Startseite</translation>
    </message>
</context>
<context>
    <name>SiteMenu</name>
    <message>
        <source>The web address must be a whole address starting with https:// or http://, such as https://www.example.org/choir/.</source>
        <translation>Die Webadresse muss eine vollständige Adresse sein, die mit https:// oder http:// beginnt, etwa https://www.example.org/chor/.</translation>
    </message>
</context>
<context>
    <name>SiteStaging</name>
    <message>
        <source>outside the site&apos;s folder</source>
        <translation>außerhalb des Ordners der Website</translation>
    </message>
</context>
<context>
    <name>StageSwitch</name>
    <message>
        <source>You have made changes to your HTML. If you go back now, you will lose these changes. Do you want to go back?</source>
        <translation>Sie haben Ihr HTML geändert. Wenn Sie jetzt zurückgehen, gehen diese Änderungen verloren. Möchten Sie zurückgehen?</translation>
    </message>
    <message>
        <source> - Untitled</source>
        <translation> - Unbenannt</translation>
    </message>
    <message>
        <source>Click here to toggle your preview size from normal to full screen.</source>
        <translation>Hier klicken, um die Vorschau zwischen normaler Größe und Vollbild umzuschalten.</translation>
    </message>
    <message>
        <source>Full: shows the preview of your page across the whole window. It works on the View stage.</source>
        <translation>Groß: zeigt die Vorschau Ihrer Seite im ganzen Fenster. Das geht im Schritt „Seite ansehen“.</translation>
    </message>
</context>
<context>
    <name>StyleNames</name>
    <message>
        <source>[None]</source>
        <translation>[Keiner]</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Sunshine</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Ozean</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Tarvo Files (*.tve)</source>
        <translation>Tarvo-Dateien (*.tve)</translation>
    </message>
    <message>
        <source>Tarvo Template (*.tvt)</source>
        <translation>Tarvo-Vorlage (*.tvt)</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Tarvo File?</source>
        <translation>Möchten Sie die Änderungen an Ihrer Tarvo-Datei speichern?</translation>
    </message>
    <message>
        <source>Before uploading this file, you will need to save the Tarvo File.</source>
        <translation>Bevor Sie diese Datei hochladen, müssen Sie die Tarvo-Datei speichern.</translation>
    </message>
    <message>
        <source>%1 was changed on the disk by another program or Tarvo window since you opened or saved it here.

Yes: save your page under another name and keep both.
No: overwrite the file with your page.
Cancel: do not save.</source>
        <translation>%1 wurde auf dem Datenträger von einem anderen Programm oder Tarvo-Fenster geändert, seit Sie die Datei hier geöffnet oder gespeichert haben.

Ja: Ihre Seite unter anderem Namen speichern und beide behalten.
Nein: die Datei mit Ihrer Seite überschreiben.
Abbrechen: nicht speichern.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Your page has changes that are not saved yet. Tarvo saves them to &quot;%1&quot; and then sends the page.</source>
        <translation>Ihre Seite hat Änderungen, die noch nicht gespeichert sind. Tarvo speichert sie in „%1“ und sendet dann die Seite.</translation>
    </message>
    <message>
        <source>Always save before sending, without asking</source>
        <translation>Vor dem Senden immer ohne Rückfrage speichern</translation>
    </message>
    <message>
        <source>Tarvo page</source>
        <translation>Tarvo-Seite</translation>
    </message>
    <message>
        <source>Tarvo template</source>
        <translation>Tarvo-Vorlage</translation>
    </message>
</context>
<context>
    <name>TGallery</name>
    <message>
        <source>Welcome to Tarvo, the easy way to the Web!</source>
        <translation>Willkommen bei Tarvo, dem einfachen Weg ins Web!</translation>
    </message>
    <message>
        <source>You can choose a pre-designed page template below, or skip straight to &apos;build your page&apos; and design your page from scratch.  (You can change any page, any time, by moving WebBlocks.)</source>
        <translation>Wählen Sie unten eine fertige Seitenvorlage, oder springen Sie gleich zu „Seite bauen“ und gestalten Sie Ihre Seite von Grund auf.  (Sie können jede Seite jederzeit ändern, indem Sie Webbausteine verschieben.)</translation>
    </message>
    <message>
        <source> Web Pages:</source>
        <translation> Webseiten:</translation>
    </message>
    <message>
        <source>Select your file to open.</source>
        <translation>Wählen Sie die Datei, die Sie öffnen möchten.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Ansicht:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Was ist das?</translation>
    </message>
</context>
<context>
    <name>THTMLViewer</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Choose a WWW server in the Send stage first: the history is kept for each server and folder.</source>
        <translation>Wählen Sie zuerst im Schritt Senden einen WWW-Server: Der Verlauf wird für jeden Server und Ordner geführt.</translation>
    </message>
    <message>
        <source>Se&amp;nd</source>
        <translation>S&amp;enden</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Zurückholen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>What was published to %1, newest first:</source>
        <translation>Was auf %1 veröffentlicht wurde, das Neueste zuerst:</translation>
    </message>
    <message>
        <source>What was published to the folder “%1” of %2, newest first:</source>
        <translation>Was im Ordner „%1“ auf %2 veröffentlicht wurde, das Neueste zuerst:</translation>
    </message>
    <message>
        <source>Nothing was published there yet.</source>
        <translation>Dorthin wurde noch nichts veröffentlicht.</translation>
    </message>
    <message>
        <source>This is what the server holds now.</source>
        <translation>Das liegt jetzt auf dem Server.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again; nothing else on the server is touched.</source>
        <translation>Zurückholen sendet die Dateien dieser Veröffentlichung erneut; sonst wird auf dem Server nichts angerührt.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again and removes the files added since (%1); nothing else on the server is touched.</source>
        <translation>Zurückholen sendet die Dateien dieser Veröffentlichung erneut und entfernt die seither hinzugekommenen Dateien (%1); sonst wird auf dem Server nichts angerührt.</translation>
    </message>
</context>
<context>
    <name>TLiveNotice</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Tarvo looks again in a few seconds.</source>
        <translation>Tarvo sieht in ein paar Sekunden noch einmal nach.</translation>
    </message>
</context>
<context>
    <name>TPropertyPanels</name>
    <message>
        <source>Link to one of your saved pages</source>
        <translation>Auf eine Ihrer gespeicherten Seiten verweisen</translation>
    </message>
    <message>
        <source>My pages</source>
        <translation>Meine Seiten</translation>
    </message>
</context>
<context>
    <name>TSendPanel</name>
    <message>
        <source>Files to upload to the server:</source>
        <translation>Dateien zum Hochladen:</translation>
    </message>
    <message>
        <source>There is no WWW server to upload your page to yet.

Click &quot;Edit WWW Server List&quot; and enter the details your Internet provider gave you, then click your page again.</source>
        <translation>Es gibt noch keinen WWW-Server, auf den Ihre Seite hochgeladen werden kann.

Klicken Sie auf „WWW-Serverliste bearbeiten“ und geben Sie die Angaben Ihres Internetanbieters ein; klicken Sie dann erneut auf Ihre Seite.</translation>
    </message>
    <message>
        <source>Please save your page first.

The upload sends the page as it was last saved, so it needs a name on your computer.</source>
        <translation>Bitte speichern Sie Ihre Seite zuerst.

Hochgeladen wird die Seite so, wie sie zuletzt gespeichert wurde; sie braucht also einen Namen auf Ihrem Computer.</translation>
    </message>
    <message>
        <source>Send every file again</source>
        <translation>Alle Dateien erneut senden</translation>
    </message>
    <message>
        <source>E&amp;xport Site...</source>
        <translation>Website &amp;exportieren …</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>sent again</source>
        <translation>erneut gesendet</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>To send: %1 of %2 files, %3</source>
        <translation>Zu senden: %1 von %2 Dateien, %3</translation>
    </message>
    <message>
        <source>Export Site</source>
        <translation>Website exportieren</translation>
    </message>
    <message>
        <source>Your site is in %1: %2 files, ready to send to your web server by hand.</source>
        <translation>Ihre Website liegt in %1: %2 Dateien, bereit, von Hand auf Ihren Webserver geladen zu werden.</translation>
    </message>
    <message>
        <source>These files of your site were not written to %1:

%2</source>
        <translation>Diese Dateien Ihrer Website wurden nicht nach %1 geschrieben:

%2</translation>
    </message>
    <message>
        <source>not sent: </source>
        <translation>nicht gesendet: </translation>
    </message>
    <message>
        <source>%1 already holds files of these names with other contents:

%2

Do you want to replace them?</source>
        <translation>%1 enthält schon Dateien dieser Namen mit anderem Inhalt:

%2

Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Your page is named &quot;%1&quot;. Web servers show the page called &quot;index.html&quot;, in small letters, to people who visit your site, and many of them tell capital and small letters apart: visitors may not find your page.

Send it as &quot;index.html&quot; instead?</source>
        <translation>Ihre Seite heißt „%1“. Webserver zeigen Besuchern Ihrer Website die Seite namens „index.html“ in Kleinbuchstaben, und viele unterscheiden Groß- und Kleinschreibung: Besucher finden Ihre Seite vielleicht nicht.

Stattdessen als „index.html“ senden?</translation>
    </message>
    <message>
        <source>left alone: the server&apos;s own</source>
        <translation>belassen: gehört dem Server</translation>
    </message>
    <message>
        <source>new, if the server has none</source>
        <translation>neu, falls der Server keine hat</translation>
    </message>
</context>
<context>
    <name>TSentRecord</name>
    <message>
        <source>The next upload sends every file again.</source>
        <translation>Beim nächsten Hochladen werden alle Dateien erneut gesendet.</translation>
    </message>
</context>
<context>
    <name>TServerProbe</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinde mit %1 …</translation>
    </message>
    <message>
        <source>your login folder</source>
        <translation>Ihren Anmeldeordner</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not make its test file on this computer.</source>
        <translation>Tarvo konnte sich anmelden und %1 öffnen, aber seine Testdatei auf diesem Computer nicht anlegen.</translation>
    </message>
    <message>
        <source>Writing a test file to %1...</source>
        <translation>Schreibe eine Testdatei nach %1 …</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s host key is not trusted.</source>
        <translation>Tarvo hat sich nicht angemeldet: Dem Host-Schlüssel des Servers wird nicht vertraut.</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s certificate is not trusted.</source>
        <translation>Tarvo hat sich nicht angemeldet: Dem Zertifikat des Servers wird nicht vertraut.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection on port %2: check the address and port.</source>
        <translation>Der Server %1 hat die Verbindung auf Port %2 abgelehnt: Prüfen Sie Adresse und Port.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address.</source>
        <translation>Der Server %1 wurde nicht gefunden: Prüfen Sie die Adresse.</translation>
    </message>
    <message>
        <source>The server %1 did not answer on port %2: check the address and port, or try again later.</source>
        <translation>Der Server %1 hat auf Port %2 nicht geantwortet: Prüfen Sie Adresse und Port oder versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The server %1 refused the login name or password: check both.</source>
        <translation>Der Server %1 hat den Anmeldenamen oder das Passwort abgelehnt: Prüfen Sie beides.</translation>
    </message>
    <message>
        <source>Tarvo reached %1 but could not log in (%2).</source>
        <translation>Tarvo hat %1 erreicht, konnte sich aber nicht anmelden (%2).</translation>
    </message>
    <message>
        <source>Entering the folder %1...</source>
        <translation>Öffne den Ordner %1 …</translation>
    </message>
    <message>
        <source>Tarvo could log in but could not enter the folder %1 (%2).</source>
        <translation>Tarvo konnte sich anmelden, aber den Ordner %1 nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist (%2) and was not made.</source>
        <translation>Tarvo konnte sich anmelden, aber der Ordner %1 existiert nicht (%2) und wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist and was not made.</source>
        <translation>Tarvo konnte sich anmelden, aber der Ordner %1 existiert nicht und wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>Making the folder %1...</source>
        <translation>Lege den Ordner %1 an …</translation>
    </message>
    <message>
        <source>Tarvo could not make the folder %1 (%2).</source>
        <translation>Tarvo konnte den Ordner %1 nicht anlegen (%2).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and the server refused to make it (%2).</source>
        <translation>Der Ordner %1 existiert nicht, und der Server hat abgelehnt, ihn anzulegen (%2).</translation>
    </message>
    <message>
        <source>Tarvo made the folder %1 but could not enter it (%2).</source>
        <translation>Tarvo hat den Ordner %1 angelegt, konnte ihn aber nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but the server refused to let it write there (%2).</source>
        <translation>Tarvo konnte sich anmelden und %1 öffnen, aber der Server hat das Schreiben dort abgelehnt (%2).</translation>
    </message>
    <message>
        <source>Removing the test file...</source>
        <translation>Entferne die Testdatei …</translation>
    </message>
    <message>
        <source>Tarvo could write to %1, but could not remove its test file %2 (%3): please remove it yourself.</source>
        <translation>Tarvo konnte nach %1 schreiben, aber seine Testdatei %2 nicht entfernen (%3): Bitte entfernen Sie sie selbst.</translation>
    </message>
    <message>
        <source>Tarvo could log in and write to %1: this server is ready.</source>
        <translation>Tarvo konnte sich anmelden und nach %1 schreiben: Dieser Server ist bereit.</translation>
    </message>
    <message>
        <source>The test was stopped; its test file %1 may be left in %2.</source>
        <translation>Der Test wurde angehalten; seine Testdatei %1 ist womöglich in %2 geblieben.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Der Test wurde angehalten.</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not write a file there (%2).</source>
        <translation>Tarvo konnte sich anmelden und %1 öffnen, aber dort keine Datei schreiben (%2).</translation>
    </message>
</context>
<context>
    <name>TUploadSequence</name>
    <message>
        <source>Your old page is still on the server; no other file was sent.</source>
        <translation>Ihre alte Seite ist noch auf dem Server; keine andere Datei wurde gesendet.</translation>
    </message>
    <message>
        <source>Your old page is still on the server; %1 of %2 new files were sent.</source>
        <translation>Ihre alte Seite ist noch auf dem Server; %1 von %2 neuen Dateien wurden gesendet.</translation>
    </message>
    <message>
        <source>Your page was not sent, and no other file was.</source>
        <translation>Ihre Seite wurde nicht gesendet, und auch keine andere Datei.</translation>
    </message>
    <message>
        <source>Your page was not sent (the server shows what it showed before); %1 of %2 other files were sent.</source>
        <translation>Ihre Seite wurde nicht gesendet (der Server zeigt, was er vorher zeigte); %1 von %2 anderen Dateien wurden gesendet.</translation>
    </message>
    <message>
        <source>The branch is as it was: nothing of this upload was published.</source>
        <translation>Der Branch ist unverändert: Von diesem Hochladen wurde nichts veröffentlicht.</translation>
    </message>
    <message>
        <source>Tarvo could not see whether the server folder has a file of that name</source>
        <translation>Tarvo konnte nicht sehen, ob der Serverordner eine Datei dieses Namens hat</translation>
    </message>
    <message>
        <source>the server folder has a file of that name that Tarvo did not put there</source>
        <translation>der Serverordner hat eine Datei dieses Namens, die nicht von Tarvo stammt</translation>
    </message>
</context>
<context>
    <name>TViewStage</name>
    <message>
        <source>Click the Web tab to preview your page.  You can change the look by returning to &apos;Build Your Page&apos;, or click on HTML to see the code Tarvo has created.  If you know HTML, you can change the code to change your page.  If not - learn it right here!</source>
        <translation>Auf dem Reiter Web sehen Sie Ihre Seite.  Das Aussehen ändern Sie in „Seite bauen“; unter HTML steht der Code von Tarvo.  Wenn Sie HTML kennen, können Sie ihn ändern – sonst lernen Sie es hier!</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Seitentitel:</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Edit Styles</source>
        <translation>Stile bearbeiten</translation>
    </message>
    <message>
        <source>Insert Tarvo Logo</source>
        <translation>Tarvo-Logo einfügen</translation>
    </message>
    <message>
        <source>Fit phone screens</source>
        <translation>Für Handys anpassen</translation>
    </message>
    <message>
        <source>Lay the page out at the width of a phone&apos;s screen, with pictures no wider than the screen. Desktop browsers show it as before.</source>
        <translation>Die Seite in der Breite eines Handybildschirms darstellen, Bilder nicht breiter als der Bildschirm. Desktop-Browser zeigen sie wie bisher.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Handy</translation>
    </message>
    <message>
        <source>Show the preview as wide as a desktop window allows.</source>
        <translation>Die Vorschau so breit zeigen, wie ein Desktop-Fenster es erlaubt.</translation>
    </message>
    <message>
        <source>Show the preview at the width of a phone&apos;s screen.</source>
        <translation>Die Vorschau in der Breite eines Handybildschirms zeigen.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Sprache der Seite:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>One sentence about the page for search engines and link previews. Left empty, the first sentence of the page&apos;s first paragraph is used.</source>
        <translation>Ein Satz über die Seite für Suchmaschinen und Linkvorschauen. Bleibt das Feld leer, wird der erste Satz des ersten Absatzes der Seite verwendet.</translation>
    </message>
    <message>
        <source>Readable layout</source>
        <translation>Gut lesbares Layout</translation>
    </message>
    <message>
        <source>Set the text in a centred column of reading width, in the system&apos;s sans-serif font, with pictures no wider than the column.</source>
        <translation>Setzt den Text in eine zentrierte Spalte in Lesebreite, in der serifenlosen Schrift des Systems, mit Bildern nicht breiter als die Spalte.</translation>
    </message>
    <message>
        <source>(none, as written before)</source>
        <translation>(keine, wie bisher geschrieben)</translation>
    </message>
    <message>
        <source>the template&apos;s title</source>
        <translation>Titel der Vorlage</translation>
    </message>
    <message>
        <source>This is still the title of the template your page was made from. Type your page&apos;s own title here.</source>
        <translation>Das ist noch der Titel der Vorlage, aus der Ihre Seite entstand. Geben Sie hier den eigenen Titel Ihrer Seite ein.</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Symbol:</translation>
    </message>
    <message>
        <source>The small picture browsers show beside the page&apos;s title, in tabs and bookmarks.</source>
        <translation>Das kleine Bild, das Browser neben dem Titel der Seite zeigen, in Tabs und Lesezeichen.</translation>
    </message>
    <message>
        <source>The title&apos;s first letter</source>
        <translation>Erster Buchstabe des Titels</translation>
    </message>
    <message>
        <source>Another picture...</source>
        <translation>Anderes Bild...</translation>
    </message>
    <message>
        <source>Choose the page&apos;s icon</source>
        <translation>Symbol der Seite wählen</translation>
    </message>
    <message>
        <source>Show the site menu</source>
        <translation>Menü der Website zeigen</translation>
    </message>
    <message>
        <source>Put the menu of the pages of this folder at the top of the page.</source>
        <translation>Das Menü der Seiten dieses Ordners oben auf die Seite setzen.</translation>
    </message>
</context>
<context>
    <name>TemplateNames</name>
    <message>
        <source>CV</source>
        <translation>Lebenslauf</translation>
    </message>
    <message>
        <source>Club or Team</source>
        <translation>Verein oder Team</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Hobby</source>
        <translation>Hobby</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Invitation</source>
        <translation>Einladung</translation>
    </message>
    <message>
        <source>Photo Album</source>
        <translation>Fotoalbum</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>TfrmJoy</name>
    <message>
        <source>Upload Successful</source>
        <translation>Hochladen erfolgreich</translation>
    </message>
    <message>
        <source>Congratulations, your page has been successfully uploaded to the Internet.</source>
        <translation>Glückwunsch, Ihre Seite wurde erfolgreich ins Internet hochgeladen.</translation>
    </message>
    <message>
        <source>If you click on your page under the magnifying glass you can view your page using your favorite Web Browser. And after that why not rotate the web and check out the Web Pages of the people who helped you get on the Internet.</source>
        <translation>Wenn Sie unter der Lupe auf Ihre Seite klicken, sehen Sie sie in Ihrem Lieblingsbrowser. Und danach drehen Sie doch das Web und besuchen die Webseiten derer, die Ihnen ins Internet geholfen haben.</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Dieses Fenster nicht mehr zeigen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>If for some reason you can&apos;t click on your page to go and see your page on the Web, your ISP may have a non-standard upload procedure or you don&apos;t have a Web Browser on your system.</source>
        <translation>Wenn Sie Ihre Seite aus irgendeinem Grund nicht anklicken können, um sie im Web anzusehen, hat Ihr Provider vielleicht ein besonderes Verfahren zum Hochladen, oder auf Ihrem System ist kein Webbrowser installiert.</translation>
    </message>
    <message>
        <source>If your system has a Web Browser, contact your ISP for help to see your page on the Web.</source>
        <translation>Hat Ihr System einen Webbrowser, hilft Ihnen Ihr Provider, Ihre Seite im Web zu sehen.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Make Template</source>
        <translation>&amp;Vorlage erstellen</translation>
    </message>
    <message>
        <source>External Preview</source>
        <translation>Externe Vorschau</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tarvo</translation>
    </message>
    <message>
        <source>Drag Web Blocks over, then up/down to create your page layout.</source>
        <translation>Webbausteine herüberziehen, dann auf/ab zur Seite ordnen.</translation>
    </message>
    <message>
        <source>Fill in the appropriate details to complete your Web Block.</source>
        <translation>Füllen Sie die Angaben zum Baustein aus.</translation>
    </message>
    <message>
        <source>Click here to leave Tarvo.</source>
        <translation>Hier klicken, um Tarvo zu beenden.</translation>
    </message>
</context>
<context>
    <name>TfrmServerWizard</name>
    <message>
        <source>Edit WWW Server List Wizard</source>
        <translation>Assistent für die WWW-Serverliste</translation>
    </message>
    <message>
        <source>Generic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>This Wizard aids you in the construction of a server list. This list is used to allow you to easily transfer your files to the internet.</source>
        <translation>Dieser Assistent hilft Ihnen beim Anlegen einer Serverliste. Mit ihr übertragen Sie Ihre Dateien ganz einfach ins Internet.</translation>
    </message>
    <message>
        <source>A Server is a computer that is connected to the internet. This is the computer that you &apos;Logon&apos; to when you are surfing. Apart from this, there is nothing all that special about a Server. </source>
        <translation>Ein Server ist ein Computer, der mit dem Internet verbunden ist. Bei ihm „melden“ Sie sich an, wenn Sie surfen. Ansonsten ist ein Server nichts Besonderes. </translation>
    </message>
    <message>
        <source>Add new server details to the server list.</source>
        <translation>Neuen Server zur Serverliste hinzufügen.</translation>
    </message>
    <message>
        <source>Modify server settings.</source>
        <translation>Servereinstellungen ändern.</translation>
    </message>
    <message>
        <source>Delete a server from the server list.</source>
        <translation>Einen Server aus der Serverliste löschen.</translation>
    </message>
    <message>
        <source>If you don&apos;t know the address of your server, or are confused by all this terminology, then press the HELP button. </source>
        <translation>Wenn Sie die Adresse Ihres Servers nicht kennen oder die vielen Fachbegriffe Sie verwirren, drücken Sie die Schaltfläche HILFE. </translation>
    </message>
    <message>
        <source>Enter a description for your Server e.g. My Web Server</source>
        <translation>Beschreibung Ihres Servers, z. B. Mein Webserver</translation>
    </message>
    <message>
        <source>Enter your Server&apos;s address e.g. ftp.yourisp.com</source>
        <translation>Geben Sie die Adresse Ihres Servers ein, z. B. ftp.anbieter.de</translation>
    </message>
    <message>
        <source>ftp.yourisp.com, or ftp.yourisp.com:2222 for another port</source>
        <translation>ftp.anbieter.de, oder ftp.anbieter.de:2222 für einen anderen Port</translation>
    </message>
    <message>
        <source>If your provider names a port, add it after a colon, e.g. ftp.yourisp.com:2222. Without one the usual port is used.</source>
        <translation>Nennt Ihr Anbieter einen Port, fügen Sie ihn nach einem Doppelpunkt an, z. B. ftp.anbieter.de:2222. Ohne Angabe wird der übliche Port benutzt.</translation>
    </message>
    <message>
        <source>Enter your &apos;Login&apos; name. This name is supplied to you by your Internet Service Provider. (ISP)</source>
        <translation>Geben Sie Ihren Anmeldenamen ein. Diesen Namen erhalten Sie von Ihrem Internetanbieter.</translation>
    </message>
    <message>
        <source>Enter your password. (given to you by your ISP)</source>
        <translation>Geben Sie Ihr Passwort ein (von Ihrem Anbieter).</translation>
    </message>
    <message>
        <source>Select Internet Service Provider</source>
        <translation>Internetanbieter wählen</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>Advanced Server Details</source>
        <translation>Erweiterte Serverangaben</translation>
    </message>
    <message>
        <source>Enter the Directory that your server looks in for your HTML files. (Usually www or public_html)</source>
        <translation>Geben Sie das Verzeichnis an, in dem Ihr Server Ihre HTML-Dateien sucht (meist www oder public_html).</translation>
    </message>
    <message>
        <source>Full URL for your Web Site:</source>
        <translation>Vollständige URL Ihrer Website:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Verbindung:</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (unverschlüsselt)</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP mit TLS (FTPS)</translation>
    </message>
    <message>
        <source>SFTP (over SSH)</source>
        <translation>SFTP (über SSH)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>To modify the address of the Server, select a server, and click NEXT</source>
        <translation>Um die Adresse eines Servers zu ändern, wählen Sie ihn aus und klicken auf WEITER</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Klicken Sie auf FERTIG, um zu Tarvo zurückzukehren.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Weiter &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please enter a valid description for your server.</source>
        <translation>Bitte geben Sie eine gültige Beschreibung für Ihren Server ein.</translation>
    </message>
    <message>
        <source>Please enter a valid address for your server.</source>
        <translation>Bitte geben Sie eine gültige Adresse für Ihren Server ein.</translation>
    </message>
    <message>
        <source>Please enter a valid login name for your server.</source>
        <translation>Bitte geben Sie einen gültigen Anmeldenamen für Ihren Server ein.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Try these details on the server now: log in, enter the folder, write a small test file and remove it again.</source>
        <translation>Diese Angaben jetzt am Server ausprobieren: anmelden, den Ordner öffnen, eine kleine Testdatei schreiben und wieder entfernen.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Der Test wurde angehalten.</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first, for example ftp.yourisp.com.</source>
        <translation>Geben Sie zuerst die Adresse des Servers ein, zum Beispiel ftp.anbieter.de.</translation>
    </message>
    <message>
        <source>&amp;Stop Test</source>
        <translation>Test a&amp;nhalten</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Passwort wird aus dem Schlüsselbund gelesen …</translation>
    </message>
    <message>
        <source>Tarvo could not read this server&apos;s password from the keyring (%1).</source>
        <translation>Tarvo konnte das Passwort dieses Servers nicht aus dem Schlüsselbund lesen (%1).</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Shall Tarvo make it?</source>
        <translation>Der Ordner „%1“ existiert nicht auf dem Server. Soll Tarvo ihn anlegen?</translation>
    </message>
    <message>
        <source>To edit a server in the list below, select the server and then click the Next button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Um einen Server der Liste unten zu bearbeiten, wählen Sie ihn aus und klicken dann auf Weiter. Im Schritt „Ins Web senden“ stehen die Server unter %1 in derselben Reihenfolge.</translation>
    </message>
    <message>
        <source>To delete a server in the list below, select the server and then click the Delete button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Um einen Server der Liste unten zu löschen, wählen Sie ihn aus und klicken dann auf Löschen. Im Schritt „Ins Web senden“ stehen die Server unter %1 in derselben Reihenfolge.</translation>
    </message>
    <message>
        <source>Your new server is selected at the end of the list below. To change its place, click the arrows. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Ihr neuer Server ist am Ende der Liste unten ausgewählt. Mit den Pfeilen ändern Sie seinen Platz. Im Schritt „Ins Web senden“ stehen die Server unter %1 in derselben Reihenfolge.</translation>
    </message>
    <message>
        <source>Tarvo keeps your password in the desktop&apos;s keyring. Where there is none, it is only scrambled, not encrypted, in a settings file only you can read.</source>
        <translation>Tarvo bewahrt Ihr Passwort im Schlüsselbund des Desktops auf. Wo es keinen gibt, wird es nur verschleiert, nicht verschlüsselt, in einer Einstellungsdatei gespeichert, die nur Sie lesen können.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Bitte den Schlüsselbund entsperren …</translation>
    </message>
    <message>
        <source>Where visitors find the server folder on the web. With it, each page gets its own address and the site gets a sitemap.</source>
        <translation>Wo Besucher den Serverordner im Web finden. Damit bekommt jede Seite ihre eigene Adresse und die Website eine Sitemap.</translation>
    </message>
    <message>
        <source>Git repository (page hosts)</source>
        <translation>Git-Repository (Seiten-Hoster)</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Branch:</translation>
    </message>
    <message>
        <source>Type the repository&apos;s address first, for example https://example.org/you/site.git.</source>
        <translation>Geben Sie zuerst die Adresse des Repositorys ein, zum Beispiel https://example.org/you/site.git.</translation>
    </message>
    <message>
        <source>WebDAV over HTTPS</source>
        <translation>WebDAV über HTTPS</translation>
    </message>
    <message>
        <source>WebDAV (not encrypted)</source>
        <translation>WebDAV (unverschlüsselt)</translation>
    </message>
    <message>
        <source>Not encrypted: others on the network can read your password and pages.</source>
        <translation>Unverschlüsselt: Andere im Netz können Ihr Passwort und Ihre Seiten mitlesen.</translation>
    </message>
</context>
<context>
    <name>TfrmSitePages</name>
    <message>
        <source>Pages and Menu</source>
        <translation>Seiten und Menü</translation>
    </message>
    <message>
        <source>The pages of your site in the order of the menu. The menu shows the checked pages.</source>
        <translation>Die Seiten Ihrer Website in der Reihenfolge des Menüs. Das Menü zeigt die angekreuzten Seiten.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Words in the menu:</source>
        <translation>&amp;Text im Menü:</translation>
    </message>
    <message>
        <source>&amp;Saved page:</source>
        <translation>&amp;Gespeicherte Seite:</translation>
    </message>
    <message>
        <source>&amp;Add to Site</source>
        <translation>Zur Website &amp;hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The site is saved, but these pages could not be given the new menu:</source>
        <translation>Die Website ist gespeichert, aber diese Seiten konnten das neue Menü nicht erhalten:</translation>
    </message>
    <message>
        <source>%1 (missing: the file %2 is no longer in the folder)</source>
        <translation>%1 (fehlt: die Datei %2 ist nicht mehr im Ordner)</translation>
    </message>
    <message>
        <source>&amp;Pages and Menu…</source>
        <translation>&amp;Seiten und Menü…</translation>
    </message>
    <message>
        <source>S&amp;ite</source>
        <translation>&amp;Website</translation>
    </message>
</context>
<context>
    <name>TfrmStyleWiz</name>
    <message>
        <source>Document Text</source>
        <translation>Dokumenttext</translation>
    </message>
    <message>
        <source>Standard Link</source>
        <translation>Normaler Link</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Aktiver Link</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Besuchter Link</translation>
    </message>
    <message>
        <source>Tarvo Style Wizard</source>
        <translation>Tarvo-Stilassistent</translation>
    </message>
    <message>
        <source>This Wizard helps you to create your own Styles to use with your Tarvo Web Pages</source>
        <translation>Dieser Assistent hilft Ihnen, eigene Stile für Ihre Tarvo-Webseiten zu erstellen</translation>
    </message>
    <message>
        <source>To create a Tarvo Style, you need to choose a combination of background image and text colours. Or you might just choose the colours to use without a background image.</source>
        <translation>Für einen Tarvo-Stil wählen Sie eine Kombination aus Hintergrundbild und Textfarben. Oder Sie wählen nur die Farben, ohne Hintergrundbild.</translation>
    </message>
    <message>
        <source>You can press the HELP button at any time if you aren&apos;t sure of anything.</source>
        <translation>Wenn Sie unsicher sind, drücken Sie jederzeit die Schaltfläche HILFE.</translation>
    </message>
    <message>
        <source>To add a style to your list, click  NEXT.</source>
        <translation>Für einen neuen Stil klicken Sie auf WEITER.</translation>
    </message>
    <message>
        <source>Add new Style to the Style list.</source>
        <translation>Neuen Stil zur Stilliste hinzufügen.</translation>
    </message>
    <message>
        <source>Modify a Style.</source>
        <translation>Einen Stil ändern.</translation>
    </message>
    <message>
        <source>Delete a Style from the Style list.</source>
        <translation>Einen Stil aus der Stilliste löschen.</translation>
    </message>
    <message>
        <source>Enter a description for your Style e.g. My Groovy Style</source>
        <translation>Beschreibung Ihres Stils, z. B. Mein toller Stil</translation>
    </message>
    <message>
        <source>Background Properties</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Choose a background image for your style.</source>
        <translation>Wählen Sie ein Hintergrundbild für Ihren Stil.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Clear Image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Text/Link Colours</source>
        <translation>Text- und Linkfarben</translation>
    </message>
    <message>
        <source>To delete or move a style in the list below, select  the list and then click on the DELETE button, or one of the arrows. The order of the styles in the list below will be the same in the &apos;Styles&apos; Section of your Tarvo preview page.</source>
        <translation>Um einen Stil zu löschen oder zu verschieben, wählen Sie ihn unten aus und klicken auf LÖSCHEN oder auf einen der Pfeile. Die Reihenfolge der Stile unten ist dieselbe wie im Bereich „Stil“ Ihrer Tarvo-Vorschauseite.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>To modify the details of the Style, select a Style, and click NEXT</source>
        <translation>Um die Angaben eines Stils zu ändern, wählen Sie ihn aus und klicken auf WEITER</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Klicken Sie auf FERTIG, um zu Tarvo zurückzukehren.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Weiter &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>, was </source>
        <translation>, vorher </translation>
    </message>
    <message>
        <source>Please select a Style to edit before continuing.</source>
        <translation>Bitte wählen Sie zuerst einen Stil zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Style List Changed</source>
        <translation>Stilliste geändert</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Style List?</source>
        <translation>Möchten Sie die Änderungen an Ihrer Stilliste speichern?</translation>
    </message>
    <message>
        <source>Sorry. You must give this Style a name before you can add it to your Style List.</source>
        <translation>Dieser Stil braucht einen Namen, bevor Sie ihn Ihrer Stilliste hinzufügen können.</translation>
    </message>
    <message>
        <source>Your Style List could not be saved.
%1</source>
        <translation>Ihre Stilliste konnte nicht gespeichert werden.
%1</translation>
    </message>
</context>
<context>
    <name>TfrmUpload</name>
    <message>
        <source>An error has occurred uploading the files to your Web server.</source>
        <translation>Beim Hochladen der Dateien auf Ihren Webserver ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Uploading Files to Web Server</source>
        <translation>Dateien werden auf den Webserver hochgeladen</translation>
    </message>
    <message>
        <source>Upload Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>FTP Status:</source>
        <translation>FTP-Status:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Disconnected from Web Server.</source>
        <translation>Vom Webserver getrennt.</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Passwort wird aus dem Schlüsselbund gelesen …</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the password of this server from the keyring.</source>
        <translation>Das Passwort dieses Servers konnte nicht aus dem Schlüsselbund gelesen werden.</translation>
    </message>
    <message>
        <source>

Unlock the keyring, or type the password again in the server list, and try again.</source>
        <translation>

Entsperren Sie den Schlüsselbund oder geben Sie das Passwort in der Serverliste erneut ein, und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection: check the address and port.</source>
        <translation>Der Server %1 hat die Verbindung abgelehnt: Prüfen Sie Adresse und Port.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address and port.</source>
        <translation>Der Server %1 wurde nicht gefunden: Prüfen Sie Adresse und Port.</translation>
    </message>
    <message>
        <source>The server %1 did not answer: check the address and port, or try again later.</source>
        <translation>Der Server %1 hat nicht geantwortet: Prüfen Sie Adresse und Port, oder versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>These files were not sent:
</source>
        <translation>Diese Dateien wurden nicht gesendet:
</translation>
    </message>
    <message>
        <source>Connection to Web Server cancelled.</source>
        <translation>Verbindung zum Webserver abgebrochen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t log in.  Please check that the Login and Password are correct.</source>
        <translation>Anmeldung fehlgeschlagen.  Bitte prüfen Sie Anmeldename und Passwort.</translation>
    </message>
    <message>
        <source>Tarvo reached the server %1 but could not log in.</source>
        <translation>Tarvo hat den Server %1 erreicht, konnte sich aber nicht anmelden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change to the specified directory.<byte value="xd"/><byte value="xd"/>Please check your directory details and try again.</source>
        <translation>Das angegebene Verzeichnis konnte nicht geöffnet werden.<byte value="xd"/><byte value="xd"/>Bitte prüfen Sie die Verzeichnisangaben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Bitte den Schlüsselbund entsperren …</translation>
    </message>
    <message>
        <source>The files went to the server, but Tarvo could not keep these for putting this publish back later:

%1</source>
        <translation>Die Dateien sind auf dem Server, aber Tarvo konnte diese nicht aufbewahren, um diese Veröffentlichung später zurückzuholen:

%1</translation>
    </message>
</context>
<context>
    <name>TrustQuestion</name>
    <message>
        <source>Is this the right server?</source>
        <translation>Ist das der richtige Server?</translation>
    </message>
    <message>
        <source>host key</source>
        <translation>Hostschlüssel</translation>
    </message>
    <message>
        <source>certificate key</source>
        <translation>Zertifikatsschlüssel</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The upload was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

Der Server unter %2 zeigt jetzt den %3
%4

Das Hochladen wurde angehalten. Fragen Sie Ihren Anbieter, ob der Schlüssel des Servers geändert wurde; falls ja, entfernen Sie den Eintrag des Servers und legen Sie ihn neu an.</translation>
    </message>
    <message>
        <source>%1

The server at %2 shows the %3
%4

Trust it only if you expected this, for instance because your host told you this fingerprint.</source>
        <translation>%1

Der Server unter %2 zeigt den %3
%4

Vertrauen Sie ihm nur, wenn Sie das erwartet haben, etwa weil Ihr Anbieter Ihnen diesen Fingerabdruck genannt hat.</translation>
    </message>
    <message>
        <source>Trust this server from now on</source>
        <translation>Diesem Server ab jetzt vertrauen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The test was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

Der Server unter %2 zeigt jetzt den %3
%4

Der Test wurde angehalten. Fragen Sie Ihren Anbieter, ob der Schlüssel des Servers geändert wurde; falls ja, entfernen Sie den Eintrag des Servers und legen Sie ihn neu an.</translation>
    </message>
</context>
<context>
    <name>UploadCommand</name>
    <message>
        <source>%1 unchanged files already on the server were not sent again</source>
        <translation>%1 unveränderte Dateien, die schon auf dem Server sind, wurden nicht erneut gesendet</translation>
    </message>
    <message>
        <source>could not connect to %1 (check the address and port): %2</source>
        <translation>keine Verbindung zu %1 (prüfen Sie Adresse und Port): %2</translation>
    </message>
    <message>
        <source>%1 was not sent and the server&apos;s file is left as it is: %2</source>
        <translation>%1 wurde nicht gesendet, die Datei auf dem Server bleibt, wie sie ist: %2</translation>
    </message>
</context>
<context>
    <name>UploadList</name>
    <message>
        <source>the page does not exist</source>
        <translation>die Seite existiert nicht</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
</context>
<context>
    <name>UploadSequence</name>
    <message>
        <source>Connecting to </source>
        <translation>Verbinde mit </translation>
    </message>
    <message>
        <source>Uploading files to Web Server...</source>
        <translation>Dateien werden hochgeladen …</translation>
    </message>
    <message>
        <source>There is no page to send.</source>
        <translation>Es gibt keine Seite zum Senden.</translation>
    </message>
    <message>
        <source>Disconnecting from Web Server...</source>
        <translation>Verbindung zum Webserver wird getrennt …</translation>
    </message>
    <message>
        <source>Upload Completed.</source>
        <translation>Hochladen abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>outside the page&apos;s folder</source>
        <translation>außerhalb des Seitenordners</translation>
    </message>
</context>
<context>
    <name>WebBlocks</name>
    <message>
        <source>1 (Largest)</source>
        <translation>1 (am größten)</translation>
    </message>
    <message>
        <source>2 (Larger)</source>
        <translation>2 (größer)</translation>
    </message>
    <message>
        <source>3 (Large)</source>
        <translation>3 (groß)</translation>
    </message>
    <message>
        <source>4 (Small)</source>
        <translation>4 (klein)</translation>
    </message>
    <message>
        <source>5 (Smaller)</source>
        <translation>5 (kleiner)</translation>
    </message>
    <message>
        <source>6 (Smallest)</source>
        <translation>6 (am kleinsten)</translation>
    </message>
    <message>
        <source>6 (Thickest)</source>
        <translation>6 (am dicksten)</translation>
    </message>
    <message>
        <source>5 (Thicker)</source>
        <translation>5 (dicker)</translation>
    </message>
    <message>
        <source>4 (Thick)</source>
        <translation>4 (dick)</translation>
    </message>
    <message>
        <source>3 (Thin)</source>
        <translation>3 (dünn)</translation>
    </message>
    <message>
        <source>2 (Thinner)</source>
        <translation>2 (dünner)</translation>
    </message>
    <message>
        <source>1 (Thinnest)</source>
        <translation>1 (am dünnsten)</translation>
    </message>
</context>
<context>
    <name>WindowSize</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>Fenster&amp;größe</translation>
    </message>
    <message>
        <source>Tarvo will open at the new window size, %1 %, the next time it starts. Restart it now to see it?</source>
        <translation>Tarvo öffnet beim nächsten Start in der neuen Fenstergröße, %1 %. Jetzt neu starten, um sie zu sehen?</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
</TS>
