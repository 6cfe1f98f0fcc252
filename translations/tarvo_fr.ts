<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Made with care by Brenfold Software for everyone who wants a page of their own.</source>
        <translation>Conçu avec soin par Brenfold Software pour tous ceux qui veulent leur propre page.</translation>
    </message>
    <message>
        <source>Party time! You said the magic word: </source>
        <translation>C&apos;est la fête ! Vous avez dit le mot magique : </translation>
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
        <translation>une page sans titre</translation>
    </message>
    <message>
        <source>Tarvo was not closed normally. Your work on %1 was saved automatically on %2.

Do you want to bring it back?</source>
        <translation>Tarvo n&apos;a pas été fermé normalement. Votre travail sur %1 a été enregistré automatiquement le %2.

Voulez-vous le récupérer ?</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <source>There has been an error previewing this site with your Web Browser.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;aperçu de ce site dans votre navigateur Web.</translation>
    </message>
    <message>
        <source>

No program that opens web pages was found on this computer. Install a web browser (and the xdg-utils package, which starts it), then try again.</source>
        <translation>

Aucun programme capable d&apos;ouvrir des pages Web n&apos;a été trouvé sur cet ordinateur. Installez un navigateur Web (et le paquet xdg-utils, qui le lance), puis réessayez.</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) could not be run: %2. Check that a web browser is installed and chosen as the default one.</source>
        <translation>

Le programme qui lance votre navigateur Web (%1) n&apos;a pas pu être exécuté : %2. Vérifiez qu&apos;un navigateur Web est installé et choisi par défaut.</translation>
    </message>
    <message>
        <source>

You can open the page in a browser yourself; it is here:
</source>
        <translation>

Vous pouvez ouvrir la page vous-même dans un navigateur ; elle se trouve ici :
</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) found no browser to start, or the browser did not start (it ended with status %2). Check that a web browser is installed and chosen as the default one.</source>
        <translation>

Le programme qui lance votre navigateur Web (%1) n&apos;a trouvé aucun navigateur à lancer, ou le navigateur n&apos;a pas démarré (il s&apos;est terminé avec le code %2). Vérifiez qu&apos;un navigateur Web est installé et choisi par défaut.</translation>
    </message>
</context>
<context>
    <name>BuildCanvas</name>
    <message>
        <source>Toolbox: </source>
        <translation>Boîte à outils : </translation>
    </message>
    <message>
        <source> Web Blocks</source>
        <translation> blocs Web</translation>
    </message>
    <message>
        <source>Delete Web Block</source>
        <translation>Supprimer le bloc Web</translation>
    </message>
</context>
<context>
    <name>CanvasKeys</name>
    <message>
        <source> block</source>
        <translation> (bloc)</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>toute la largeur</translation>
    </message>
    <message>
        <source>Up and Down choose a kind of block; Enter puts one on the page below the selected block.</source>
        <translation>Haut et Bas choisissent un type de bloc ; Entrée en place un sur la page sous le bloc sélectionné.</translation>
    </message>
    <message>
        <source>Up and Down select a block, Alt+Up and Alt+Down move it, Delete shreds it, Enter edits it.</source>
        <translation>Haut et Bas sélectionnent un bloc, Alt+Haut et Alt+Bas le déplacent, Suppr le broie, Entrée le modifie.</translation>
    </message>
    <message>
        <source>Toolbox: </source>
        <translation>Boîte à outils : </translation>
    </message>
    <message>
        <source>Page: empty</source>
        <translation>Page : vide</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 sur %2</translation>
    </message>
</context>
<context>
    <name>FtpClient</name>
    <message>
        <source>The server&apos;s certificate has expired.</source>
        <translation>Le certificat du serveur a expiré.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid yet.</source>
        <translation>Le certificat du serveur n&apos;est pas encore valide.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is signed only by the server itself.</source>
        <translation>Le certificat du serveur n&apos;est signé que par le serveur lui-même.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was made for another name.</source>
        <translation>Le certificat du serveur a été établi pour un autre nom.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate comes from an authority this computer does not know.</source>
        <translation>Le certificat du serveur provient d&apos;une autorité que cet ordinateur ne connaît pas.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>Le certificat du serveur n&apos;a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not the one you trusted before. </source>
        <translation>Le certificat du serveur n&apos;est pas celui auquel vous avez fait confiance. </translation>
    </message>
    <message>
        <source>The server&apos;s host key has changed since you trusted it. Someone may be intercepting the connection, or the server was set up anew.</source>
        <translation>La clé d&apos;hôte du serveur a changé depuis que vous lui avez fait confiance. Quelqu&apos;un intercepte peut-être la connexion, ou le serveur a été réinstallé.</translation>
    </message>
    <message>
        <source>This is the first connection to this server, and its host key is not known yet.</source>
        <translation>C&apos;est la première connexion à ce serveur, et sa clé d&apos;hôte n&apos;est pas encore connue.</translation>
    </message>
    <message>
        <source>the file %1 could not be read</source>
        <translation>le fichier %1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The connection was refused.</source>
        <translation>La connexion a été refusée.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Le serveur est injoignable.</translation>
    </message>
    <message>
        <source>The server&apos;s name could not be found.</source>
        <translation>Le nom du serveur est introuvable.</translation>
    </message>
    <message>
        <source>The server did not answer.</source>
        <translation>Le serveur n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>L&apos;envoi a été annulé.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Le serveur a fermé la connexion.</translation>
    </message>
    <message>
        <source>A file could not be read.</source>
        <translation>Un fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The server&apos;s address is not valid.</source>
        <translation>L&apos;adresse du serveur n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>This server does not offer encrypted FTP. Choose &quot;FTP (not encrypted)&quot; or &quot;SFTP (over SSH)&quot; if your host offers either.</source>
        <translation>Ce serveur ne propose pas de FTP chiffré. Choisissez « FTP (non chiffré) » ou « SFTP (par SSH) » si votre hébergeur propose l&apos;un des deux.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: %1.</source>
        <translation>La connexion chiffrée n&apos;a pas pu être établie : %1.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d&apos;utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>The server replied: %1</source>
        <translation>Le serveur a répondu : %1</translation>
    </message>
    <message>
        <source>The server details hold a line break.</source>
        <translation>Les informations du serveur contiennent un saut de ligne.</translation>
    </message>
    <message>
        <source>There is no connection to the server.</source>
        <translation>Il n&apos;y a pas de connexion au serveur.</translation>
    </message>
    <message>
        <source>The folder name holds a line break.</source>
        <translation>Le nom du dossier contient un saut de ligne.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not allowed: it climbs out with &quot;..&quot;.</source>
        <translation>Le dossier « %1 » n&apos;est pas autorisé : il remonte avec « .. ».</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a file name.</source>
        <translation>Le nom distant « %1 » n&apos;est pas un nom de fichier.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is outside the server folder.</source>
        <translation>Le nom distant « %1 » est hors du dossier du serveur.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a plain file name.</source>
        <translation>Le nom distant « %1 » n&apos;est pas un simple nom de fichier.</translation>
    </message>
    <message>
        <source>The folder&apos;s listing is too long.</source>
        <translation>La liste du dossier est trop longue.</translation>
    </message>
    <message>
        <source>The name %1 cannot go into a Git repository.</source>
        <translation>Le nom %1 ne peut pas aller dans un dépôt Git.</translation>
    </message>
    <message>
        <source>The branch holds no file %1.</source>
        <translation>La branche ne contient aucun fichier %1.</translation>
    </message>
    <message>
        <source>The server refused the user name, the token or the key.</source>
        <translation>Le serveur a refusé le nom d&apos;utilisateur, le jeton ou la clé.</translation>
    </message>
    <message>
        <source>There is no Git repository at this address.</source>
        <translation>Il n&apos;y a pas de dépôt Git à cette adresse.</translation>
    </message>
    <message>
        <source>The branch&apos;s name is not valid.</source>
        <translation>Le nom de la branche n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The branch holds more than a web site would.</source>
        <translation>La branche contient plus qu&apos;un site web n&apos;en aurait jamais.</translation>
    </message>
    <message>
        <source>The repository refused the new version of the branch (%1).</source>
        <translation>Le dépôt a refusé la nouvelle version de la branche (%1).</translation>
    </message>
    <message>
        <source>Someone else changed the branch meanwhile; publish again to add your changes.</source>
        <translation>Quelqu&apos;un d&apos;autre a modifié la branche entre-temps ; publiez à nouveau pour ajouter vos modifications.</translation>
    </message>
    <message>
        <source>The repository could not be used: %1.</source>
        <translation>Le dépôt n&apos;a pas pu être utilisé : %1.</translation>
    </message>
    <message>
        <source>The server&apos;s folder listing could not be read.</source>
        <translation>La liste du dossier du serveur n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>Publishing to Git repositories is not available here: %1</source>
        <translation>La publication dans des dépôts Git n’est pas disponible ici : %1</translation>
    </message>
</context>
<context>
    <name>GalleryMenu</name>
    <message>
        <source>Are you sure you want to delete the Tarvo file &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer le fichier Tarvo « %1 » ?</translation>
    </message>
</context>
<context>
    <name>HelpSystem</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>&amp;Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvo Help</source>
        <translation>Aide de Tarvo</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>The help pages were not found. They belong in the folder %1 beside the program.</source>
        <translation>Les pages d&apos;aide sont introuvables. Elles doivent se trouver dans le dossier %1 à côté du programme.</translation>
    </message>
    <message>
        <source>There is no help for this item.</source>
        <translation>Il n&apos;y a pas d&apos;aide pour cet élément.</translation>
    </message>
</context>
<context>
    <name>HtmlDocument</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Fichier introuvable : </translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>Some pictures are not shown: together they would take more memory than one page may use.</source>
        <translation>Certaines images ne sont pas affichées : ensemble, elles prendraient plus de mémoire qu&apos;une page ne peut en utiliser.</translation>
    </message>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Fichier introuvable : </translation>
    </message>
</context>
<context>
    <name>HtmlWarn</name>
    <message>
        <source>HTML Change Alert</source>
        <translation>Avertissement sur le HTML</translation>
    </message>
    <message>
        <source>If you make changes to your HTML directly, they will appear in your Web Page. However, if you move back to &apos;Build Your Page&apos;, these changes will be lost.</source>
        <translation>Si vous modifiez directement votre HTML, les changements apparaîtront sur votre page Web. Mais si vous revenez à « Créer votre page », ces changements seront perdus.</translation>
    </message>
    <message>
        <source>Any changes you make here will not appear next time you load your Tarvo file. Do you still want to make changes to your HTML?</source>
        <translation>Les changements faits ici n&apos;apparaîtront pas la prochaine fois que vous ouvrirez votre fichier Tarvo. Voulez-vous tout de même modifier votre HTML ?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Ne plus afficher cet écran.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer.</source>
        <translation>Le trousseau de clés n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The keyring was not unlocked.</source>
        <translation>Le trousseau de clés n&apos;a pas été déverrouillé.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this server, or it is locked.</source>
        <translation>Le trousseau de clés ne contient aucun mot de passe pour ce serveur, ou il est verrouillé.</translation>
    </message>
</context>
<context>
    <name>LiveCheck</name>
    <message>
        <source>Checking whether your page is live at %1 ...</source>
        <translation>Tarvo vérifie si votre page est en ligne à l&apos;adresse %1 ...</translation>
    </message>
    <message>
        <source>Your page is live at %1</source>
        <translation>Votre page est en ligne à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>The server holds the new page, but %1 shows an older one: the web address may point to another folder</source>
        <translation>Le serveur a la nouvelle page, mais %1 en affiche une plus ancienne : l&apos;adresse web mène peut-être à un autre dossier</translation>
    </message>
    <message>
        <source>%1 answers 404: check the folder and the web address</source>
        <translation>%1 répond 404 : vérifiez le dossier et l&apos;adresse web</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 answers %2, so it is not seen there yet</source>
        <translation>Votre page a été envoyée, mais %1 répond %2 : elle n&apos;y est donc pas encore visible</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo could not connect to %1, so it is not seen there yet</source>
        <translation>Votre page a été envoyée, mais Tarvo n&apos;a pas pu se connecter à %1 : elle n&apos;y est donc pas encore visible</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 did not answer within %2 seconds, so it is not seen there yet</source>
        <translation>Votre page a été envoyée, mais %1 n&apos;a pas répondu en %2 secondes : elle n&apos;y est donc pas encore visible</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: the web server&apos;s certificate is not trusted</source>
        <translation>Votre page a été envoyée, mais Tarvo ne peut pas encore la voir à l&apos;adresse %1 : le certificat du serveur web n&apos;est pas reconnu comme fiable</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet</source>
        <translation>Votre page a été envoyée, mais Tarvo ne peut pas encore la voir à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: %2</source>
        <translation>Votre page a été envoyée, mais Tarvo ne peut pas encore la voir à l&apos;adresse %1 : %2</translation>
    </message>
</context>
<context>
    <name>PageCheckup</name>
    <message>
        <source>Block %1: </source>
        <translation>Bloc %1 : </translation>
    </message>
    <message>
        <source>The text colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>La couleur du texte est difficile à lire sur le fond (contraste %1:1, il faut au moins 4,5:1).</translation>
    </message>
    <message>
        <source>The link colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>La couleur des liens est difficile à lire sur le fond (contraste %1:1, il faut au moins 4,5:1).</translation>
    </message>
    <message>
        <source>The page has no title: give it one in the View stage.</source>
        <translation>La page n’a pas de titre : donnez-lui-en un à l’étape Affichage.</translation>
    </message>
    <message>
        <source>The page has no description for search engines and link previews.</source>
        <translation>La page n’a pas de description pour les moteurs de recherche et les aperçus de liens.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; has no words for visitors who cannot see it.</source>
        <translation>L’image « %1 » n’a pas de texte pour les visiteurs qui ne peuvent pas la voir.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is %2 × %3 pixels but shown much smaller: a smaller copy loads faster.</source>
        <translation>L’image « %1 » fait %2 × %3 pixels mais s’affiche beaucoup plus petite : une copie plus petite se charge plus vite.</translation>
    </message>
    <message>
        <source>A link has no words: visitors cannot tell where it goes.</source>
        <translation>Un lien n’a pas de texte : les visiteurs ne peuvent pas savoir où il mène.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; does not say where it goes: use words that name its page.</source>
        <translation>Le lien « %1 » ne dit pas où il mène : employez des mots qui nomment sa page.</translation>
    </message>
    <message>
        <source>The link to &quot;%1&quot; leads to a page that does not exist.</source>
        <translation>Le lien vers « %1 » mène à une page qui n’existe pas.</translation>
    </message>
    <message>
        <source>This heading of size %1 follows one of size %2 and skips a level.</source>
        <translation>Ce titre de taille %1 suit un titre de taille %2 et saute un niveau.</translation>
    </message>
    <message>
        <source>The page weighs %1 MB with its pictures: over 2 MB it loads slowly on phones.</source>
        <translation>La page pèse %1 Mo avec ses images : au-delà de 2 Mo, elle se charge lentement sur les téléphones.</translation>
    </message>
    <message>
        <source>Nothing on this page needs attention.</source>
        <translation>Rien sur cette page ne demande votre attention.</translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation>Vérifier la page</translation>
    </message>
    <message>
        <source>&amp;Check Page...</source>
        <translation>&amp;Vérifier la page...</translation>
    </message>
</context>
<context>
    <name>PageEncoding</name>
    <message>
        <source>This page&apos;s HTML says its character set is &quot;%1&quot;, which cannot hold &quot;%2&quot;.

Write the page in UTF-8 instead (its character set line is changed to say so)? If you answer No, the page&apos;s HTML file is not written.</source>
        <translation>Le HTML de cette page indique le jeu de caractères « %1 », qui ne peut pas contenir « %2 ».

Écrire plutôt la page en UTF-8 (sa ligne de jeu de caractères sera modifiée en conséquence) ? Si vous répondez Non, le fichier HTML de la page n&apos;est pas écrit.</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page.</source>
        <translation>%1 n&apos;est pas une page Tarvo.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page: its version &quot;%2&quot; is not a version number.</source>
        <translation>%1 n&apos;est pas une page Tarvo : sa version « %2 » n&apos;est pas un numéro de version.</translation>
    </message>
    <message>
        <source>%1 is a Tarvo page of version %2, which this Tarvo cannot read.</source>
        <translation>%1 est une page Tarvo de version %2, que ce Tarvo ne sait pas lire.</translation>
    </message>
    <message>
        <source>the blocks end early</source>
        <translation>les blocs s&apos;arrêtent trop tôt</translation>
    </message>
    <message>
        <source>a block of unknown kind %1</source>
        <translation>un bloc de type inconnu %1</translation>
    </message>
    <message>
        <source>a text runs past the end of the file</source>
        <translation>un texte dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>a text is impossibly long</source>
        <translation>un texte est d&apos;une longueur impossible</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>le fichier s&apos;arrête trop tôt</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); %3 of %4 blocks were read.</source>
        <translation>%1 est endommagé (%2) ; %3 blocs sur %4 ont été lus.</translation>
    </message>
    <message>
        <source>The disk is full: your page was not saved; the last saved version is kept.</source>
        <translation>Le disque est plein : votre page n&apos;a pas été enregistrée ; la dernière version enregistrée est conservée.</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>Paragraph</source>
        <translation>Paragraphe</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>E-mail Link</source>
        <translation>Lien e-mail</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Insérer : </translation>
    </message>
    <message>
        <source>Move </source>
        <translation>Déplacer : </translation>
    </message>
    <message>
        <source>Shred </source>
        <translation>Broyer : </translation>
    </message>
    <message>
        <source>New Line after </source>
        <translation>Nouvelle ligne après : </translation>
    </message>
    <message>
        <source>Align </source>
        <translation>Aligner : </translation>
    </message>
    <message>
        <source>Edit </source>
        <translation>Modifier : </translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Make Template</source>
        <translation>Créer un modèle</translation>
    </message>
    <message>
        <source> Your page was kept as it was.</source>
        <translation> Votre page est restée telle quelle.</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>Fichiers BMP (*.bmp)</translation>
    </message>
    <message>
        <source>WebP Files (*.webp)</source>
        <translation>Fichiers WebP (*.webp)</translation>
    </message>
    <message>
        <source>TIFF Files (*.tif *.tiff)</source>
        <translation>Fichiers TIFF (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>Pictures (</source>
        <translation>Images (</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>Fichiers JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>Fichiers GIF (*.gif)</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> octets</translation>
    </message>
    <message>
        <source> KB</source>
        <translation> Ko</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> Mo</translation>
    </message>
    <message>
        <source> pixels, </source>
        <translation> pixels, </translation>
    </message>
</context>
<context>
    <name>PictureQuestion</name>
    <message>
        <source>Picture for the Web</source>
        <translation>Image pour le Web</translation>
    </message>
    <message>
        <source>This picture is %1 × %2 pixels and %3</source>
        <translation>Cette image mesure %1 × %2 pixels et pèse %3</translation>
    </message>
    <message>
        <source>: a page that carries it is slow to send to your web server and slow to open on a phone.

A web-sized copy is at most %1 pixels wide and high, turned the right way up and saved for the web, without hidden details such as where a photo was taken. Your original file stays as it is.</source>
        <translation> : une page qui la contient est lente à envoyer sur votre serveur Web et lente à s&apos;ouvrir sur un téléphone.

Une copie adaptée au Web mesure au plus %1 pixels de large et de haut, remise à l&apos;endroit et enregistrée pour le Web, sans détails cachés comme le lieu où une photo a été prise. Votre fichier d&apos;origine reste tel quel.</translation>
    </message>
    <message>
        <source>Do the same for every picture from now on</source>
        <translation>Faire de même pour toutes les images désormais</translation>
    </message>
    <message>
        <source>Make pictures web-sized (recommended)</source>
        <translation>Adapter les images au Web (recommandé)</translation>
    </message>
    <message>
        <source>Keep the original</source>
        <translation>Garder l&apos;original</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>The picture could not be copied into the folder &quot;%1&quot;.</source>
        <translation>L&apos;image n&apos;a pas pu être copiée dans le dossier « %1 ».</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>&amp;Choose a Page</source>
        <translation>&amp;Choisir une page</translation>
    </message>
    <message>
        <source>Choose a page</source>
        <translation>Choisir une page</translation>
    </message>
    <message>
        <source>&amp;Build your Page</source>
        <translation>C&amp;réer votre page</translation>
    </message>
    <message>
        <source>Build your page</source>
        <translation>Créer votre page</translation>
    </message>
    <message>
        <source>&amp;View your Page</source>
        <translation>&amp;Voir votre page</translation>
    </message>
    <message>
        <source>View your page</source>
        <translation>Voir votre page</translation>
    </message>
    <message>
        <source>&amp;Send it to the Web</source>
        <translation>&amp;Envoyer sur le Web</translation>
    </message>
    <message>
        <source>Send it to the Web</source>
        <translation>Envoyer sur le Web</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>Envo&amp;yé</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>É&amp;tape</translation>
    </message>
    <message>
        <source>Current stage: </source>
        <translation>Étape actuelle : </translation>
    </message>
    <message>
        <source>Stages</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Étape %1 : %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Preview size</source>
        <translation>Taille de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <source>HTML of the page</source>
        <translation>HTML de la page</translation>
    </message>
</context>
<context>
    <name>PropertyPanels</name>
    <message>
        <source>Left Align</source>
        <translation>Aligné à gauche</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Center Align</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Start new line for next block</source>
        <translation>Commencer le bloc suivant à la ligne</translation>
    </message>
    <message>
        <source>A paragraph will appear as a block of text.</source>
        <translation>Un paragraphe apparaît comme un bloc de texte.</translation>
    </message>
    <message>
        <source>You can align this block of text to the left, center or right of the page. Type your text in the field below; you can use simple HTML tags here.</source>
        <translation>Vous pouvez aligner ce bloc de texte à gauche, au centre ou à droite de la page. Tapez votre texte ci-dessous ; de simples balises HTML sont permises.</translation>
    </message>
    <message>
        <source>Type your paragraph text here:</source>
        <translation>Tapez ici le texte du paragraphe :</translation>
    </message>
    <message>
        <source>When readers of your page click on this link, it takes them to any web site whose URL you enter.</source>
        <translation>Quand les lecteurs de votre page cliquent sur ce lien, ils arrivent sur le site Web dont vous indiquez l&apos;URL.</translation>
    </message>
    <message>
        <source> What is the URL of the page you wish to link to?</source>
        <translation> Quelle est l&apos;URL de la page à lier ?</translation>
    </message>
    <message>
        <source>Any text to display before the link?</source>
        <translation>Un texte à afficher avant le lien ?</translation>
    </message>
    <message>
        <source> What is the text to click on?</source>
        <translation> Quel est le texte sur lequel cliquer ?</translation>
    </message>
    <message>
        <source>Any other text to follow this link?</source>
        <translation>Un autre texte après ce lien ?</translation>
    </message>
    <message>
        <source>e.g. Text before link</source>
        <translation>ex. Texte avant le lien</translation>
    </message>
    <message>
        <source>text after link.</source>
        <translation>texte après le lien.</translation>
    </message>
    <message>
        <source>Add an image to your page.  Images help to liven up a Web Page.</source>
        <translation>Ajoutez une image à votre page.  Les images égaient une page Web.</translation>
    </message>
    <message>
        <source>Enter the location of your image file :</source>
        <translation>Indiquez l&apos;emplacement de votre fichier image :</translation>
    </message>
    <message>
        <source>Choose an image file</source>
        <translation>Choisir un fichier image</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source> Width :</source>
        <translation> Largeur :</translation>
    </message>
    <message>
        <source>Text description of the image :</source>
        <translation>Description textuelle de l&apos;image :</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <translation>Ce que montre l&apos;image</translation>
    </message>
    <message>
        <source>⚠ Needed</source>
        <translation>⚠ Requis</translation>
    </message>
    <message>
        <source>Screen readers read this description to people who cannot see the picture, and browsers show it when the picture does not load.</source>
        <translation>Les lecteurs d&apos;écran lisent cette description aux personnes qui ne voient pas l&apos;image, et les navigateurs l&apos;affichent quand l&apos;image ne se charge pas.</translation>
    </message>
    <message>
        <source>You can make this image a link to another Web Page. Just type in the URL below.</source>
        <translation>Vous pouvez faire de cette image un lien vers une autre page Web. Tapez simplement l&apos;URL ci-dessous.</translation>
    </message>
    <message>
        <source>The heading is the title for your page or a section of the page.</source>
        <translation>Le titre est l&apos;intitulé de votre page ou d&apos;une partie de la page.</translation>
    </message>
    <message>
        <source>People often use H1 (the biggest size) headings at the start, then smaller ones for the rest.  But you can use different sizes for any effects you want, anywhere you want.</source>
        <translation>On met souvent un titre H1 (la plus grande taille) au début, puis des plus petits pour la suite.  Mais vous pouvez utiliser toutes les tailles où vous voulez, pour l&apos;effet que vous voulez.</translation>
    </message>
    <message>
        <source>Heading text:</source>
        <translation>Texte du titre :</translation>
    </message>
    <message>
        <source> What is the size of the heading?</source>
        <translation> Quelle est la taille du titre ?</translation>
    </message>
    <message>
        <source> When readers of your page click on this link, it pops up an e-mail screen pre-addressed to you or anyone you choose.</source>
        <translation> Quand les lecteurs de votre page cliquent sur ce lien, une fenêtre d&apos;e-mail s&apos;ouvre, adressée à vous ou à la personne de votre choix.</translation>
    </message>
    <message>
        <source> What is the e-mail address?</source>
        <translation> Quelle est l&apos;adresse e-mail ?</translation>
    </message>
    <message>
        <source>Any text to appear before the e-mail link?</source>
        <translation>Un texte à afficher avant le lien e-mail ?</translation>
    </message>
    <message>
        <source> What is the text to click on for the e-mail link?</source>
        <translation> Quel est le texte du lien e-mail ?</translation>
    </message>
    <message>
        <source>Any other text to follow this e-mail link?</source>
        <translation>Un autre texte après ce lien e-mail ?</translation>
    </message>
    <message>
        <source>e.g. Text before</source>
        <translation>ex. Texte avant</translation>
    </message>
    <message>
        <source>text to click on</source>
        <translation>texte sur lequel cliquer</translation>
    </message>
    <message>
        <source>text after.</source>
        <translation>texte après.</translation>
    </message>
    <message>
        <source>Create a horizontal line for design effect.</source>
        <translation>Créez une ligne horizontale pour la mise en page.</translation>
    </message>
    <message>
        <source>If you leave the boxes blank, the line will appear all the way (100%) across the page.  Lines are a good way to separate your page contents, for example, separating a picture from some text.</source>
        <translation>Si vous laissez les cases vides, la ligne s&apos;étend sur toute la largeur (100%) de la page.  Les lignes séparent bien le contenu de votre page, par exemple une image d&apos;un texte.</translation>
    </message>
    <message>
        <source>How wide is this line (as a percentage of the page)</source>
        <translation>Largeur de la ligne (en pourcentage de la page)</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Decoration only</source>
        <translation>Décoration seule</translation>
    </message>
    <message>
        <source>The picture only decorates the page (a border, a flourish): screen readers pass over it, and it needs no description.</source>
        <translation>L&apos;image ne fait que décorer la page (une bordure, un ornement) : les lecteurs d&apos;écran la passent, et elle n&apos;a pas besoin de description.</translation>
    </message>
</context>
<context>
    <name>PropertyPanelsWire</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>web-sized from </source>
        <translation>réduite depuis </translation>
    </message>
    <message>
        <source>converted, was </source>
        <translation>convertie, avant </translation>
    </message>
</context>
<context>
    <name>PublishHistory</name>
    <message>
        <source>%1  %2  %3, %4 of %5 files sent (%6 bytes)</source>
        <translation>%1  %2  %3, %4 fichiers envoyés sur %5 (%6 octets)</translation>
    </message>
    <message>
        <source>; an earlier publish put back</source>
        <translation>; une publication antérieure remise en place</translation>
    </message>
    <message>
        <source>; not complete</source>
        <translation>; incomplète</translation>
    </message>
    <message>
        <source>; its files are no longer kept</source>
        <translation>; ses fichiers ne sont plus conservés</translation>
    </message>
    <message>
        <source>There is no publish %1.</source>
        <translation>Il n&apos;y a pas de publication %1.</translation>
    </message>
    <message>
        <source>The files of publish %1 are no longer kept.</source>
        <translation>Les fichiers de la publication %1 ne sont plus conservés.</translation>
    </message>
    <message>
        <source>The kept version of %1 is missing or damaged.</source>
        <translation>La version conservée de %1 est absente ou endommagée.</translation>
    </message>
    <message>
        <source>%1 is too large to be kept for a put-back.</source>
        <translation>%1 est trop volumineux pour être conservé en vue d&apos;une remise en place.</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Cannot create file %1: %2.</source>
        <translation>Impossible de créer le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>« %1 » est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>you are not allowed to write there</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire à cet endroit</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier du même nom est déjà là</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to another place, and Tarvo does not write through links</source>
        <translation>« %1 » est un lien vers un autre emplacement, et Tarvo n&apos;écrit pas à travers les liens</translation>
    </message>
    <message>
        <source>it would lie outside the folder &quot;%1&quot;</source>
        <translation>il se trouverait hors du dossier « %1 »</translation>
    </message>
</context>
<context>
    <name>SaveInfo</name>
    <message>
        <source>File Save Information</source>
        <translation>Information sur l&apos;enregistrement</translation>
    </message>
    <message>
        <source>If this is your first Web Page, and you want it to be the default page that people see when they visit your Web Site, you should save this file under the name &apos;index&apos;. This will create a file called &apos;index.html&apos; on your Web Server.</source>
        <translation>S&apos;il s&apos;agit de votre première page Web et que vous voulez qu&apos;elle soit la page d&apos;accueil de votre site, enregistrez ce fichier sous le nom « index ». Un fichier appelé « index.html » sera alors créé sur votre serveur Web.</translation>
    </message>
    <message>
        <source>Click here for a tutorial creating links.</source>
        <translation>Cliquez ici pour un tutoriel sur la création de liens.</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Ne plus afficher cet écran.</translation>
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
        <translation>le validateur du W3C</translation>
    </message>
    <message>
        <source>the W3C on Accessibility</source>
        <translation>le W3C sur l&apos;accessibilité</translation>
    </message>
    <message>
        <source>Rotate Web</source>
        <translation>Tourner le Web</translation>
    </message>
    <message>
        <source>Click the logo to visit Brenfold Software</source>
        <translation>Cliquez sur le logo pour visiter Brenfold Software</translation>
    </message>
    <message>
        <source>Click the logo to view your Web Page</source>
        <translation>Cliquez sur le logo pour voir votre page Web</translation>
    </message>
    <message>
        <source>Click the logo to visit %1</source>
        <translation>Cliquez sur le logo pour visiter %1</translation>
    </message>
</context>
<context>
    <name>ServerBox</name>
    <message>
        <source>WWW Server to Upload to:</source>
        <translation>Serveur WWW de destination :</translation>
    </message>
    <message>
        <source>Edit WWW Server List</source>
        <translation>Modifier la liste des serveurs</translation>
    </message>
</context>
<context>
    <name>ServerList</name>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>ServerWizardFlow</name>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Lecture du mot de passe dans le trousseau…</translation>
    </message>
    <message>
        <source>The keyring did not give the password; it stays there unless you type a new one.</source>
        <translation>Le trousseau n&apos;a pas fourni le mot de passe ; il y reste tant que vous n&apos;en tapez pas un nouveau.</translation>
    </message>
    <message>
        <source>WWW Server List Changed</source>
        <translation>Liste des serveurs WWW modifiée</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your WWW Server List?</source>
        <translation>Voulez-vous enregistrer les modifications de votre liste des serveurs WWW ?</translation>
    </message>
    <message>
        <source>Your WWW Server List could not be saved.
%1</source>
        <translation>Votre liste des serveurs WWW n&apos;a pas pu être enregistrée.
%1</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>En attente du déverrouillage du trousseau…</translation>
    </message>
</context>
<context>
    <name>SiteExport</name>
    <message>
        <source>outside the chosen folder</source>
        <translation>hors du dossier choisi</translation>
    </message>
</context>
<context>
    <name>SiteFiles</name>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Il n&apos;y a aucune page à cette adresse.</translation>
    </message>
    <message>
        <source>Go to the home page</source>
        <translation>Aller à la page d&apos;accueil</translation>
    </message>
</context>
<context>
    <name>SiteMenu</name>
    <message>
        <source>The web address must be a whole address starting with https:// or http://, such as https://www.example.org/choir/.</source>
        <translation>L’adresse web doit être une adresse complète commençant par https:// ou http://, par exemple https://www.example.org/chorale/.</translation>
    </message>
</context>
<context>
    <name>SiteStaging</name>
    <message>
        <source>outside the site&apos;s folder</source>
        <translation>en dehors du dossier du site</translation>
    </message>
</context>
<context>
    <name>StageSwitch</name>
    <message>
        <source>You have made changes to your HTML. If you go back now, you will lose these changes. Do you want to go back?</source>
        <translation>Vous avez modifié votre HTML. Si vous revenez en arrière maintenant, ces modifications seront perdues. Voulez-vous revenir en arrière ?</translation>
    </message>
    <message>
        <source> - Untitled</source>
        <translation> - Sans titre</translation>
    </message>
    <message>
        <source>Click here to toggle your preview size from normal to full screen.</source>
        <translation>Cliquez ici pour passer l&apos;aperçu de la taille normale au plein écran.</translation>
    </message>
    <message>
        <source>Full: shows the preview of your page across the whole window. It works on the View stage.</source>
        <translation>Plein écran : affiche l&apos;aperçu de votre page dans toute la fenêtre. Fonctionne à l&apos;étape Afficher.</translation>
    </message>
</context>
<context>
    <name>StyleNames</name>
    <message>
        <source>[None]</source>
        <translation>[Aucun]</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
    <message>
        <source>Sunshine</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Forêt</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océan</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
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
        <translation>Fichiers Tarvo (*.tve)</translation>
    </message>
    <message>
        <source>Tarvo Template (*.tvt)</source>
        <translation>Modèle Tarvo (*.tvt)</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Tarvo File?</source>
        <translation>Voulez-vous enregistrer les modifications de votre fichier Tarvo ?</translation>
    </message>
    <message>
        <source>Before uploading this file, you will need to save the Tarvo File.</source>
        <translation>Avant d&apos;envoyer ce fichier, vous devez enregistrer le fichier Tarvo.</translation>
    </message>
    <message>
        <source>%1 was changed on the disk by another program or Tarvo window since you opened or saved it here.

Yes: save your page under another name and keep both.
No: overwrite the file with your page.
Cancel: do not save.</source>
        <translation>%1 a été modifié sur le disque par un autre programme ou une autre fenêtre Tarvo depuis que vous l&apos;avez ouvert ou enregistré ici.

Oui : enregistrer votre page sous un autre nom et garder les deux.
Non : remplacer le fichier par votre page.
Annuler : ne pas enregistrer.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Your page has changes that are not saved yet. Tarvo saves them to &quot;%1&quot; and then sends the page.</source>
        <translation>Votre page contient des modifications non enregistrées. Tarvo les enregistre dans « %1 », puis envoie la page.</translation>
    </message>
    <message>
        <source>Always save before sending, without asking</source>
        <translation>Toujours enregistrer avant l&apos;envoi, sans demander</translation>
    </message>
    <message>
        <source>Tarvo page</source>
        <translation>Page Tarvo</translation>
    </message>
    <message>
        <source>Tarvo template</source>
        <translation>Modèle Tarvo</translation>
    </message>
</context>
<context>
    <name>TGallery</name>
    <message>
        <source>Welcome to Tarvo, the easy way to the Web!</source>
        <translation>Bienvenue dans Tarvo, le chemin facile vers le Web !</translation>
    </message>
    <message>
        <source>You can choose a pre-designed page template below, or skip straight to &apos;build your page&apos; and design your page from scratch.  (You can change any page, any time, by moving WebBlocks.)</source>
        <translation>Choisissez ci-dessous un modèle de page tout prêt, ou passez directement à « Créer votre page » pour partir de zéro.  (Vous pouvez modifier toute page à tout moment en déplaçant des blocs Web.)</translation>
    </message>
    <message>
        <source> Web Pages:</source>
        <translation> Pages Web :</translation>
    </message>
    <message>
        <source>Select your file to open.</source>
        <translation>Choisissez le fichier à ouvrir.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
</context>
<context>
    <name>THTMLViewer</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Choose a WWW server in the Send stage first: the history is kept for each server and folder.</source>
        <translation>Choisissez d&apos;abord un serveur WWW à l&apos;étape Envoyer : l&apos;historique est tenu pour chaque serveur et dossier.</translation>
    </message>
    <message>
        <source>Se&amp;nd</source>
        <translation>En&amp;voi</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Remettre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>What was published to %1, newest first:</source>
        <translation>Ce qui a été publié sur %1, le plus récent d&apos;abord :</translation>
    </message>
    <message>
        <source>What was published to the folder “%1” of %2, newest first:</source>
        <translation>Ce qui a été publié dans le dossier « %1 » de %2, le plus récent d&apos;abord :</translation>
    </message>
    <message>
        <source>Nothing was published there yet.</source>
        <translation>Rien n&apos;y a encore été publié.</translation>
    </message>
    <message>
        <source>This is what the server holds now.</source>
        <translation>C&apos;est ce que le serveur contient maintenant.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again; nothing else on the server is touched.</source>
        <translation>Remettre renvoie les fichiers de cette publication ; rien d&apos;autre n&apos;est touché sur le serveur.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again and removes the files added since (%1); nothing else on the server is touched.</source>
        <translation>Remettre renvoie les fichiers de cette publication et supprime ceux ajoutés depuis (%1) ; rien d&apos;autre n&apos;est touché sur le serveur.</translation>
    </message>
</context>
<context>
    <name>TLiveNotice</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Tarvo looks again in a few seconds.</source>
        <translation>Tarvo regarde de nouveau dans quelques secondes.</translation>
    </message>
</context>
<context>
    <name>TPropertyPanels</name>
    <message>
        <source>Link to one of your saved pages</source>
        <translation>Lien vers une de vos pages enregistrées</translation>
    </message>
    <message>
        <source>My pages</source>
        <translation>Mes pages</translation>
    </message>
</context>
<context>
    <name>TSendPanel</name>
    <message>
        <source>Files to upload to the server:</source>
        <translation>Fichiers à envoyer :</translation>
    </message>
    <message>
        <source>There is no WWW server to upload your page to yet.

Click &quot;Edit WWW Server List&quot; and enter the details your Internet provider gave you, then click your page again.</source>
        <translation>Il n&apos;y a encore aucun serveur WWW où envoyer votre page.

Cliquez sur « Modifier la liste des serveurs » et saisissez les informations fournies par votre fournisseur d&apos;accès, puis cliquez de nouveau sur votre page.</translation>
    </message>
    <message>
        <source>Please save your page first.

The upload sends the page as it was last saved, so it needs a name on your computer.</source>
        <translation>Enregistrez d&apos;abord votre page.

L&apos;envoi transmet la page telle qu&apos;elle a été enregistrée en dernier ; elle a donc besoin d&apos;un nom sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Send every file again</source>
        <translation>Renvoyer tous les fichiers</translation>
    </message>
    <message>
        <source>E&amp;xport Site...</source>
        <translation>E&amp;xporter le site…</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>sent again</source>
        <translation>renvoyé</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>To send: %1 of %2 files, %3</source>
        <translation>À envoyer : %1 fichiers sur %2, %3</translation>
    </message>
    <message>
        <source>Export Site</source>
        <translation>Exporter le site</translation>
    </message>
    <message>
        <source>Your site is in %1: %2 files, ready to send to your web server by hand.</source>
        <translation>Votre site se trouve dans %1 : %2 fichiers, prêts à être envoyés à la main sur votre serveur Web.</translation>
    </message>
    <message>
        <source>These files of your site were not written to %1:

%2</source>
        <translation>Ces fichiers de votre site n&apos;ont pas été écrits dans %1 :

%2</translation>
    </message>
    <message>
        <source>not sent: </source>
        <translation>non envoyé : </translation>
    </message>
    <message>
        <source>%1 already holds files of these names with other contents:

%2

Do you want to replace them?</source>
        <translation>%1 contient déjà des fichiers de ces noms avec un autre contenu :

%2

Voulez-vous les remplacer ?</translation>
    </message>
    <message>
        <source>Your page is named &quot;%1&quot;. Web servers show the page called &quot;index.html&quot;, in small letters, to people who visit your site, and many of them tell capital and small letters apart: visitors may not find your page.

Send it as &quot;index.html&quot; instead?</source>
        <translation>Votre page s&apos;appelle « %1 ». Les serveurs Web montrent aux visiteurs de votre site la page appelée « index.html », en minuscules, et beaucoup distinguent majuscules et minuscules : les visiteurs risquent de ne pas trouver votre page.

L&apos;envoyer plutôt sous le nom « index.html » ?</translation>
    </message>
    <message>
        <source>left alone: the server&apos;s own</source>
        <translation>laissé : celui du serveur</translation>
    </message>
    <message>
        <source>new, if the server has none</source>
        <translation>nouveau, si le serveur n&apos;en a pas</translation>
    </message>
</context>
<context>
    <name>TSentRecord</name>
    <message>
        <source>The next upload sends every file again.</source>
        <translation>Le prochain envoi transmettra de nouveau tous les fichiers.</translation>
    </message>
</context>
<context>
    <name>TServerProbe</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>your login folder</source>
        <translation>votre dossier de connexion</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not make its test file on this computer.</source>
        <translation>Tarvo a pu se connecter et ouvrir %1, mais n&apos;a pas pu créer son fichier de test sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Writing a test file to %1...</source>
        <translation>Écriture d&apos;un fichier de test dans %1…</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s host key is not trusted.</source>
        <translation>Tarvo ne s&apos;est pas connecté : la clé d&apos;hôte du serveur n&apos;est pas approuvée.</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s certificate is not trusted.</source>
        <translation>Tarvo ne s&apos;est pas connecté : le certificat du serveur n&apos;est pas approuvé.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection on port %2: check the address and port.</source>
        <translation>Le serveur %1 a refusé la connexion sur le port %2 : vérifiez l&apos;adresse et le port.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address.</source>
        <translation>Le serveur %1 est introuvable : vérifiez l&apos;adresse.</translation>
    </message>
    <message>
        <source>The server %1 did not answer on port %2: check the address and port, or try again later.</source>
        <translation>Le serveur %1 n&apos;a pas répondu sur le port %2 : vérifiez l&apos;adresse et le port, ou réessayez plus tard.</translation>
    </message>
    <message>
        <source>The server %1 refused the login name or password: check both.</source>
        <translation>Le serveur %1 a refusé l&apos;identifiant ou le mot de passe : vérifiez les deux.</translation>
    </message>
    <message>
        <source>Tarvo reached %1 but could not log in (%2).</source>
        <translation>Tarvo a joint %1 mais n&apos;a pas pu se connecter (%2).</translation>
    </message>
    <message>
        <source>Entering the folder %1...</source>
        <translation>Ouverture du dossier %1…</translation>
    </message>
    <message>
        <source>Tarvo could log in but could not enter the folder %1 (%2).</source>
        <translation>Tarvo a pu se connecter mais n&apos;a pas pu ouvrir le dossier %1 (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist (%2) and was not made.</source>
        <translation>Tarvo a pu se connecter, mais le dossier %1 n&apos;existe pas (%2) et n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist and was not made.</source>
        <translation>Tarvo a pu se connecter, mais le dossier %1 n&apos;existe pas et n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>Making the folder %1...</source>
        <translation>Création du dossier %1…</translation>
    </message>
    <message>
        <source>Tarvo could not make the folder %1 (%2).</source>
        <translation>Tarvo n&apos;a pas pu créer le dossier %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and the server refused to make it (%2).</source>
        <translation>Le dossier %1 n&apos;existe pas et le serveur a refusé de le créer (%2).</translation>
    </message>
    <message>
        <source>Tarvo made the folder %1 but could not enter it (%2).</source>
        <translation>Tarvo a créé le dossier %1 mais n&apos;a pas pu l&apos;ouvrir (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but the server refused to let it write there (%2).</source>
        <translation>Tarvo a pu se connecter et ouvrir %1, mais le serveur a refusé qu&apos;il y écrive (%2).</translation>
    </message>
    <message>
        <source>Removing the test file...</source>
        <translation>Suppression du fichier de test…</translation>
    </message>
    <message>
        <source>Tarvo could write to %1, but could not remove its test file %2 (%3): please remove it yourself.</source>
        <translation>Tarvo a pu écrire dans %1, mais n&apos;a pas pu supprimer son fichier de test %2 (%3) : veuillez le supprimer vous-même.</translation>
    </message>
    <message>
        <source>Tarvo could log in and write to %1: this server is ready.</source>
        <translation>Tarvo a pu se connecter et écrire dans %1 : ce serveur est prêt.</translation>
    </message>
    <message>
        <source>The test was stopped; its test file %1 may be left in %2.</source>
        <translation>Le test a été arrêté ; son fichier de test %1 est peut-être resté dans %2.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Le test a été arrêté.</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not write a file there (%2).</source>
        <translation>Tarvo a pu se connecter et ouvrir %1, mais n&apos;a pas pu y écrire de fichier (%2).</translation>
    </message>
</context>
<context>
    <name>TUploadSequence</name>
    <message>
        <source>Your old page is still on the server; no other file was sent.</source>
        <translation>Votre ancienne page est toujours sur le serveur ; aucun autre fichier n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Your old page is still on the server; %1 of %2 new files were sent.</source>
        <translation>Votre ancienne page est toujours sur le serveur ; %1 nouveaux fichiers sur %2 ont été envoyés.</translation>
    </message>
    <message>
        <source>Your page was not sent, and no other file was.</source>
        <translation>Votre page n&apos;a pas été envoyée, ni aucun autre fichier.</translation>
    </message>
    <message>
        <source>Your page was not sent (the server shows what it showed before); %1 of %2 other files were sent.</source>
        <translation>Votre page n&apos;a pas été envoyée (le serveur montre ce qu&apos;il montrait avant) ; %1 autres fichiers sur %2 ont été envoyés.</translation>
    </message>
    <message>
        <source>The branch is as it was: nothing of this upload was published.</source>
        <translation>La branche est restée telle quelle : rien de cet envoi n&apos;a été publié.</translation>
    </message>
    <message>
        <source>Tarvo could not see whether the server folder has a file of that name</source>
        <translation>Tarvo n&apos;a pas pu voir si le dossier du serveur contient un fichier de ce nom</translation>
    </message>
    <message>
        <source>the server folder has a file of that name that Tarvo did not put there</source>
        <translation>le dossier du serveur contient un fichier de ce nom que Tarvo n&apos;y a pas mis</translation>
    </message>
</context>
<context>
    <name>TViewStage</name>
    <message>
        <source>Click the Web tab to preview your page.  You can change the look by returning to &apos;Build Your Page&apos;, or click on HTML to see the code Tarvo has created.  If you know HTML, you can change the code to change your page.  If not - learn it right here!</source>
        <translation>L&apos;onglet Web montre votre page.  Son aspect se change dans « Créer votre page » ; l&apos;onglet HTML montre le code de Tarvo.  Si vous connaissez le HTML, modifiez-le – sinon, apprenez-le ici !</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Titre de la page :</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Edit Styles</source>
        <translation>Modifier les styles</translation>
    </message>
    <message>
        <source>Insert Tarvo Logo</source>
        <translation>Insérer le logo Tarvo</translation>
    </message>
    <message>
        <source>Fit phone screens</source>
        <translation>Adapter aux mobiles</translation>
    </message>
    <message>
        <source>Lay the page out at the width of a phone&apos;s screen, with pictures no wider than the screen. Desktop browsers show it as before.</source>
        <translation>Mettre la page en forme à la largeur d&apos;un écran de téléphone, sans image plus large que l&apos;écran. Les navigateurs de bureau l&apos;affichent comme avant.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Show the preview as wide as a desktop window allows.</source>
        <translation>Afficher l&apos;aperçu aussi large qu&apos;une fenêtre de bureau le permet.</translation>
    </message>
    <message>
        <source>Show the preview at the width of a phone&apos;s screen.</source>
        <translation>Afficher l&apos;aperçu à la largeur d&apos;un écran de téléphone.</translation>
    </message>
    <message>
        <source>the template&apos;s title</source>
        <translation>titre du modèle</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Langue de la page :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>One sentence about the page for search engines and link previews. Left empty, the first sentence of the page&apos;s first paragraph is used.</source>
        <translation>Une phrase sur la page pour les moteurs de recherche et les aperçus de liens. Vide, la première phrase du premier paragraphe de la page est utilisée.</translation>
    </message>
    <message>
        <source>Readable layout</source>
        <translation>Mise en page lisible</translation>
    </message>
    <message>
        <source>Set the text in a centred column of reading width, in the system&apos;s sans-serif font, with pictures no wider than the column.</source>
        <translation>Place le texte dans une colonne centrée de largeur de lecture, dans la police sans empattement du système, avec des images pas plus larges que la colonne.</translation>
    </message>
    <message>
        <source>This is still the title of the template your page was made from. Type your page&apos;s own title here.</source>
        <translation>C&apos;est encore le titre du modèle dont votre page est issue. Tapez ici le titre de votre page.</translation>
    </message>
    <message>
        <source>(none, as written before)</source>
        <translation>(aucune, comme auparavant)</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Icône :</translation>
    </message>
    <message>
        <source>The small picture browsers show beside the page&apos;s title, in tabs and bookmarks.</source>
        <translation>La petite image que les navigateurs affichent à côté du titre de la page, dans les onglets et les favoris.</translation>
    </message>
    <message>
        <source>The title&apos;s first letter</source>
        <translation>Première lettre du titre</translation>
    </message>
    <message>
        <source>Another picture...</source>
        <translation>Autre image...</translation>
    </message>
    <message>
        <source>Choose the page&apos;s icon</source>
        <translation>Choisir l&apos;icône de la page</translation>
    </message>
    <message>
        <source>Show the site menu</source>
        <translation>Afficher le menu du site</translation>
    </message>
    <message>
        <source>Put the menu of the pages of this folder at the top of the page.</source>
        <translation>Placer en haut de la page le menu des pages de ce dossier.</translation>
    </message>
</context>
<context>
    <name>TemplateNames</name>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Club or Team</source>
        <translation>Club ou équipe</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>Hobby</source>
        <translation>Passe-temps</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Invitation</source>
        <translation>Invitation</translation>
    </message>
    <message>
        <source>Photo Album</source>
        <translation>Album photo</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Boutique</translation>
    </message>
</context>
<context>
    <name>TfrmJoy</name>
    <message>
        <source>Upload Successful</source>
        <translation>Envoi réussi</translation>
    </message>
    <message>
        <source>Congratulations, your page has been successfully uploaded to the Internet.</source>
        <translation>Félicitations, votre page a bien été envoyée sur Internet.</translation>
    </message>
    <message>
        <source>If you click on your page under the magnifying glass you can view your page using your favorite Web Browser. And after that why not rotate the web and check out the Web Pages of the people who helped you get on the Internet.</source>
        <translation>Si vous cliquez sur votre page sous la loupe, vous la verrez dans votre navigateur Web préféré. Et ensuite, pourquoi ne pas faire tourner le Web et découvrir les pages Web de ceux qui vous ont aidé à venir sur Internet ?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Ne plus afficher cet écran.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>If for some reason you can&apos;t click on your page to go and see your page on the Web, your ISP may have a non-standard upload procedure or you don&apos;t have a Web Browser on your system.</source>
        <translation>Si vous ne pouvez pas cliquer sur votre page pour aller la voir sur le Web, votre fournisseur d&apos;accès utilise peut-être une procédure d&apos;envoi particulière, ou aucun navigateur Web n&apos;est installé sur votre système.</translation>
    </message>
    <message>
        <source>If your system has a Web Browser, contact your ISP for help to see your page on the Web.</source>
        <translation>Si votre système dispose d&apos;un navigateur Web, demandez de l&apos;aide à votre fournisseur d&apos;accès pour voir votre page sur le Web.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Make Template</source>
        <translation>&amp;Créer un modèle</translation>
    </message>
    <message>
        <source>External Preview</source>
        <translation>Aperçu externe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Tarvo</translation>
    </message>
    <message>
        <source>Drag Web Blocks over, then up/down to create your page layout.</source>
        <translation>Glissez des blocs Web, puis déplacez-les pour composer la page.</translation>
    </message>
    <message>
        <source>Fill in the appropriate details to complete your Web Block.</source>
        <translation>Remplissez les informations du bloc Web.</translation>
    </message>
    <message>
        <source>Click here to leave Tarvo.</source>
        <translation>Cliquez ici pour quitter Tarvo.</translation>
    </message>
</context>
<context>
    <name>TfrmServerWizard</name>
    <message>
        <source>Edit WWW Server List Wizard</source>
        <translation>Assistant de la liste des serveurs WWW</translation>
    </message>
    <message>
        <source>Generic</source>
        <translation>Générique</translation>
    </message>
    <message>
        <source>This Wizard aids you in the construction of a server list. This list is used to allow you to easily transfer your files to the internet.</source>
        <translation>Cet assistant vous aide à créer une liste de serveurs. Cette liste vous permet de transférer facilement vos fichiers sur Internet.</translation>
    </message>
    <message>
        <source>A Server is a computer that is connected to the internet. This is the computer that you &apos;Logon&apos; to when you are surfing. Apart from this, there is nothing all that special about a Server. </source>
        <translation>Un serveur est un ordinateur relié à Internet. C&apos;est l&apos;ordinateur auquel vous vous « connectez » quand vous surfez. À part cela, un serveur n&apos;a rien de bien particulier. </translation>
    </message>
    <message>
        <source>Add new server details to the server list.</source>
        <translation>Ajouter un nouveau serveur à la liste des serveurs.</translation>
    </message>
    <message>
        <source>Modify server settings.</source>
        <translation>Modifier les paramètres d&apos;un serveur.</translation>
    </message>
    <message>
        <source>Delete a server from the server list.</source>
        <translation>Supprimer un serveur de la liste des serveurs.</translation>
    </message>
    <message>
        <source>If you don&apos;t know the address of your server, or are confused by all this terminology, then press the HELP button. </source>
        <translation>Si vous ne connaissez pas l&apos;adresse de votre serveur, ou si tous ces termes vous embrouillent, appuyez sur le bouton AIDE. </translation>
    </message>
    <message>
        <source>Enter a description for your Server e.g. My Web Server</source>
        <translation>Donnez une description à votre serveur, ex. Mon serveur Web</translation>
    </message>
    <message>
        <source>Enter your Server&apos;s address e.g. ftp.yourisp.com</source>
        <translation>Saisissez l&apos;adresse de votre serveur, ex. ftp.monfai.fr</translation>
    </message>
    <message>
        <source>ftp.yourisp.com, or ftp.yourisp.com:2222 for another port</source>
        <translation>ftp.monfai.fr, ou ftp.monfai.fr:2222 pour un autre port</translation>
    </message>
    <message>
        <source>If your provider names a port, add it after a colon, e.g. ftp.yourisp.com:2222. Without one the usual port is used.</source>
        <translation>Si votre hébergeur indique un port, ajoutez-le après deux-points, ex. ftp.monfai.fr:2222. Sans port, le port habituel est utilisé.</translation>
    </message>
    <message>
        <source>Enter your &apos;Login&apos; name. This name is supplied to you by your Internet Service Provider. (ISP)</source>
        <translation>Saisissez votre identifiant. Il vous est fourni par votre fournisseur d&apos;accès à Internet (FAI).</translation>
    </message>
    <message>
        <source>Enter your password. (given to you by your ISP)</source>
        <translation>Saisissez votre mot de passe (fourni par votre FAI).</translation>
    </message>
    <message>
        <source>Select Internet Service Provider</source>
        <translation>Choisir le fournisseur d&apos;accès</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>A&amp;vancé</translation>
    </message>
    <message>
        <source>Advanced Server Details</source>
        <translation>Paramètres avancés du serveur</translation>
    </message>
    <message>
        <source>Enter the Directory that your server looks in for your HTML files. (Usually www or public_html)</source>
        <translation>Indiquez le répertoire où votre serveur cherche vos fichiers HTML (souvent www ou public_html).</translation>
    </message>
    <message>
        <source>Full URL for your Web Site:</source>
        <translation>URL complète de votre site Web :</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Connexion :</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (non chiffré)</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP avec TLS (FTPS)</translation>
    </message>
    <message>
        <source>SFTP (over SSH)</source>
        <translation>SFTP (par SSH)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>To modify the address of the Server, select a server, and click NEXT</source>
        <translation>Pour modifier l&apos;adresse d&apos;un serveur, sélectionnez-le et cliquez sur SUIVANT</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Cliquez sur TERMINER pour revenir à Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Suivant &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Please enter a valid description for your server.</source>
        <translation>Veuillez saisir une description valable pour votre serveur.</translation>
    </message>
    <message>
        <source>Please enter a valid address for your server.</source>
        <translation>Veuillez saisir une adresse valable pour votre serveur.</translation>
    </message>
    <message>
        <source>Please enter a valid login name for your server.</source>
        <translation>Veuillez saisir un identifiant valable pour votre serveur.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>T&amp;ester</translation>
    </message>
    <message>
        <source>Try these details on the server now: log in, enter the folder, write a small test file and remove it again.</source>
        <translation>Essayer maintenant ces informations sur le serveur : se connecter, ouvrir le dossier, écrire un petit fichier de test et le supprimer.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Le test a été arrêté.</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first, for example ftp.yourisp.com.</source>
        <translation>Saisissez d&apos;abord l&apos;adresse du serveur, par exemple ftp.monfai.fr.</translation>
    </message>
    <message>
        <source>&amp;Stop Test</source>
        <translation>A&amp;rrêter le test</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Lecture du mot de passe dans le trousseau…</translation>
    </message>
    <message>
        <source>Tarvo could not read this server&apos;s password from the keyring (%1).</source>
        <translation>Tarvo n&apos;a pas pu lire le mot de passe de ce serveur dans le trousseau (%1).</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Shall Tarvo make it?</source>
        <translation>Le dossier « %1 » n&apos;existe pas sur le serveur. Tarvo doit-il le créer ?</translation>
    </message>
    <message>
        <source>To edit a server in the list below, select the server and then click the Next button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Pour modifier un serveur de la liste ci-dessous, sélectionnez-le puis cliquez sur le bouton Suivant. Les serveurs figurent dans le même ordre sous %1 à l&apos;étape Envoyer.</translation>
    </message>
    <message>
        <source>To delete a server in the list below, select the server and then click the Delete button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Pour supprimer un serveur de la liste ci-dessous, sélectionnez-le puis cliquez sur le bouton Supprimer. Les serveurs figurent dans le même ordre sous %1 à l&apos;étape Envoyer.</translation>
    </message>
    <message>
        <source>Your new server is selected at the end of the list below. To change its place, click the arrows. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Votre nouveau serveur est sélectionné à la fin de la liste ci-dessous. Pour changer sa place, cliquez sur les flèches. Les serveurs figurent dans le même ordre sous %1 à l&apos;étape Envoyer.</translation>
    </message>
    <message>
        <source>Tarvo keeps your password in the desktop&apos;s keyring. Where there is none, it is only scrambled, not encrypted, in a settings file only you can read.</source>
        <translation>Tarvo conserve votre mot de passe dans le trousseau du bureau. S&apos;il n&apos;y en a pas, il est seulement brouillé, et non chiffré, dans un fichier de réglages que vous seul pouvez lire.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>En attente du déverrouillage du trousseau…</translation>
    </message>
    <message>
        <source>Where visitors find the server folder on the web. With it, each page gets its own address and the site gets a sitemap.</source>
        <translation>Où les visiteurs trouvent le dossier du serveur sur le web. Avec elle, chaque page reçoit sa propre adresse et le site un plan du site.</translation>
    </message>
    <message>
        <source>Git repository (page hosts)</source>
        <translation>Dépôt Git (hébergeurs de pages)</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Branche :</translation>
    </message>
    <message>
        <source>Type the repository&apos;s address first, for example https://example.org/you/site.git.</source>
        <translation>Saisissez d&apos;abord l&apos;adresse du dépôt, par exemple https://example.org/you/site.git.</translation>
    </message>
    <message>
        <source>WebDAV over HTTPS</source>
        <translation>WebDAV sur HTTPS</translation>
    </message>
    <message>
        <source>WebDAV (not encrypted)</source>
        <translation>WebDAV (non chiffré)</translation>
    </message>
    <message>
        <source>Not encrypted: others on the network can read your password and pages.</source>
        <translation>Non chiffré : d&apos;autres sur le réseau peuvent lire votre mot de passe et vos pages.</translation>
    </message>
</context>
<context>
    <name>TfrmSitePages</name>
    <message>
        <source>Pages and Menu</source>
        <translation>Pages et menu</translation>
    </message>
    <message>
        <source>The pages of your site in the order of the menu. The menu shows the checked pages.</source>
        <translation>Les pages de votre site dans l’ordre du menu. Le menu montre les pages cochées.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Words in the menu:</source>
        <translation>&amp;Texte du menu :</translation>
    </message>
    <message>
        <source>&amp;Saved page:</source>
        <translation>Page &amp;enregistrée :</translation>
    </message>
    <message>
        <source>&amp;Add to Site</source>
        <translation>&amp;Ajouter au site</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The site is saved, but these pages could not be given the new menu:</source>
        <translation>Le site est enregistré, mais ces pages n’ont pas pu recevoir le nouveau menu :</translation>
    </message>
    <message>
        <source>%1 (missing: the file %2 is no longer in the folder)</source>
        <translation>%1 (manquante : le fichier %2 n’est plus dans le dossier)</translation>
    </message>
    <message>
        <source>&amp;Pages and Menu…</source>
        <translation>&amp;Pages et menu…</translation>
    </message>
    <message>
        <source>S&amp;ite</source>
        <translation>&amp;Site</translation>
    </message>
</context>
<context>
    <name>TfrmStyleWiz</name>
    <message>
        <source>Document Text</source>
        <translation>Texte du document</translation>
    </message>
    <message>
        <source>Standard Link</source>
        <translation>Lien normal</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Lien actif</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Lien visité</translation>
    </message>
    <message>
        <source>Tarvo Style Wizard</source>
        <translation>Assistant de styles Tarvo</translation>
    </message>
    <message>
        <source>This Wizard helps you to create your own Styles to use with your Tarvo Web Pages</source>
        <translation>Cet assistant vous aide à créer vos propres styles pour vos pages Web Tarvo</translation>
    </message>
    <message>
        <source>To create a Tarvo Style, you need to choose a combination of background image and text colours. Or you might just choose the colours to use without a background image.</source>
        <translation>Pour créer un style Tarvo, choisissez une image de fond et des couleurs de texte qui vont ensemble. Ou choisissez simplement les couleurs, sans image de fond.</translation>
    </message>
    <message>
        <source>You can press the HELP button at any time if you aren&apos;t sure of anything.</source>
        <translation>Si vous avez un doute, appuyez à tout moment sur le bouton AIDE.</translation>
    </message>
    <message>
        <source>To add a style to your list, click  NEXT.</source>
        <translation>Pour ajouter un style à votre liste, cliquez sur SUIVANT.</translation>
    </message>
    <message>
        <source>Add new Style to the Style list.</source>
        <translation>Ajouter un nouveau style à la liste des styles.</translation>
    </message>
    <message>
        <source>Modify a Style.</source>
        <translation>Modifier un style.</translation>
    </message>
    <message>
        <source>Delete a Style from the Style list.</source>
        <translation>Supprimer un style de la liste des styles.</translation>
    </message>
    <message>
        <source>Enter a description for your Style e.g. My Groovy Style</source>
        <translation>Donnez une description à votre style, ex. Mon style génial</translation>
    </message>
    <message>
        <source>Background Properties</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Choose a background image for your style.</source>
        <translation>Choisissez une image de fond pour votre style.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Clear Image</source>
        <translation>Retirer l&apos;image</translation>
    </message>
    <message>
        <source>Text/Link Colours</source>
        <translation>Couleurs du texte et des liens</translation>
    </message>
    <message>
        <source>To delete or move a style in the list below, select  the list and then click on the DELETE button, or one of the arrows. The order of the styles in the list below will be the same in the &apos;Styles&apos; Section of your Tarvo preview page.</source>
        <translation>Pour supprimer ou déplacer un style de la liste ci-dessous, sélectionnez-le puis cliquez sur le bouton SUPPRIMER ou sur l&apos;une des flèches. L&apos;ordre des styles ci-dessous sera le même que dans la partie « Style » de votre page d&apos;aperçu Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>To modify the details of the Style, select a Style, and click NEXT</source>
        <translation>Pour modifier les détails d&apos;un style, sélectionnez-le et cliquez sur SUIVANT</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Cliquez sur TERMINER pour revenir à Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Suivant &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>, was </source>
        <translation>, avant </translation>
    </message>
    <message>
        <source>Please select a Style to edit before continuing.</source>
        <translation>Veuillez d&apos;abord sélectionner un style à modifier.</translation>
    </message>
    <message>
        <source>Style List Changed</source>
        <translation>Liste des styles modifiée</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Style List?</source>
        <translation>Voulez-vous enregistrer les modifications de votre liste des styles ?</translation>
    </message>
    <message>
        <source>Sorry. You must give this Style a name before you can add it to your Style List.</source>
        <translation>Désolé. Vous devez donner un nom à ce style avant de pouvoir l&apos;ajouter à votre liste des styles.</translation>
    </message>
    <message>
        <source>Your Style List could not be saved.
%1</source>
        <translation>Votre liste des styles n&apos;a pas pu être enregistrée.
%1</translation>
    </message>
</context>
<context>
    <name>TfrmUpload</name>
    <message>
        <source>An error has occurred uploading the files to your Web server.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;envoi des fichiers sur votre serveur Web.</translation>
    </message>
    <message>
        <source>Uploading Files to Web Server</source>
        <translation>Envoi des fichiers sur le serveur Web</translation>
    </message>
    <message>
        <source>Upload Progress:</source>
        <translation>Progression :</translation>
    </message>
    <message>
        <source>FTP Status:</source>
        <translation>État FTP :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Disconnected from Web Server.</source>
        <translation>Déconnecté du serveur Web.</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Lecture du mot de passe dans le trousseau…</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the password of this server from the keyring.</source>
        <translation>Impossible de lire le mot de passe de ce serveur dans le trousseau.</translation>
    </message>
    <message>
        <source>

Unlock the keyring, or type the password again in the server list, and try again.</source>
        <translation>

Déverrouillez le trousseau, ou retapez le mot de passe dans la liste des serveurs, puis réessayez.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection: check the address and port.</source>
        <translation>Le serveur %1 a refusé la connexion : vérifiez l&apos;adresse et le port.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address and port.</source>
        <translation>Le serveur %1 est introuvable : vérifiez l&apos;adresse et le port.</translation>
    </message>
    <message>
        <source>The server %1 did not answer: check the address and port, or try again later.</source>
        <translation>Le serveur %1 n&apos;a pas répondu : vérifiez l&apos;adresse et le port, ou réessayez plus tard.</translation>
    </message>
    <message>
        <source>These files were not sent:
</source>
        <translation>Ces fichiers n&apos;ont pas été envoyés :
</translation>
    </message>
    <message>
        <source>Connection to Web Server cancelled.</source>
        <translation>Connexion au serveur Web annulée.</translation>
    </message>
    <message>
        <source>Couldn&apos;t log in.  Please check that the Login and Password are correct.</source>
        <translation>Connexion impossible.  Vérifiez que l&apos;identifiant et le mot de passe sont corrects.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change to the specified directory.<byte value="xd"/><byte value="xd"/>Please check your directory details and try again.</source>
        <translation>Impossible d&apos;ouvrir le répertoire indiqué.<byte value="xd"/><byte value="xd"/>Vérifiez les informations du répertoire et réessayez.</translation>
    </message>
    <message>
        <source>Tarvo reached the server %1 but could not log in.</source>
        <translation>Tarvo a atteint le serveur %1 mais n&apos;a pas pu s&apos;y connecter.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>En attente du déverrouillage du trousseau…</translation>
    </message>
    <message>
        <source>The files went to the server, but Tarvo could not keep these for putting this publish back later:

%1</source>
        <translation>Les fichiers sont sur le serveur, mais Tarvo n’a pas pu garder ceux-ci pour remettre plus tard cette publication :

%1</translation>
    </message>
</context>
<context>
    <name>TrustQuestion</name>
    <message>
        <source>Is this the right server?</source>
        <translation>Est-ce le bon serveur ?</translation>
    </message>
    <message>
        <source>host key</source>
        <translation>clé d&apos;hôte</translation>
    </message>
    <message>
        <source>certificate key</source>
        <translation>clé du certificat</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The upload was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

Le serveur %2 montre maintenant cette %3 :
%4

L&apos;envoi a été arrêté. Demandez à votre hébergeur si la clé du serveur a changé ; si c&apos;est le cas, supprimez l&apos;entrée du serveur et recréez-la.</translation>
    </message>
    <message>
        <source>%1

The server at %2 shows the %3
%4

Trust it only if you expected this, for instance because your host told you this fingerprint.</source>
        <translation>%1

Le serveur %2 montre cette %3 :
%4

Ne lui faites confiance que si vous vous y attendiez, par exemple parce que votre hébergeur vous a indiqué cette empreinte.</translation>
    </message>
    <message>
        <source>Trust this server from now on</source>
        <translation>Faire désormais confiance à ce serveur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The test was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

Le serveur %2 montre maintenant cette %3 :
%4

Le test a été arrêté. Demandez à votre hébergeur si la clé du serveur a changé ; si c&apos;est le cas, supprimez l&apos;entrée du serveur et recréez-la.</translation>
    </message>
</context>
<context>
    <name>UploadCommand</name>
    <message>
        <source>%1 unchanged files already on the server were not sent again</source>
        <translation>%1 fichiers inchangés déjà présents sur le serveur n&apos;ont pas été renvoyés</translation>
    </message>
    <message>
        <source>could not connect to %1 (check the address and port): %2</source>
        <translation>connexion impossible à %1 (vérifiez l&apos;adresse et le port) : %2</translation>
    </message>
    <message>
        <source>%1 was not sent and the server&apos;s file is left as it is: %2</source>
        <translation>%1 n&apos;a pas été envoyé et le fichier du serveur reste tel quel : %2</translation>
    </message>
</context>
<context>
    <name>UploadList</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the page does not exist</source>
        <translation>la page n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>UploadSequence</name>
    <message>
        <source>Connecting to </source>
        <translation>Connexion à </translation>
    </message>
    <message>
        <source>Uploading files to Web Server...</source>
        <translation>Envoi des fichiers sur le serveur Web…</translation>
    </message>
    <message>
        <source>There is no page to send.</source>
        <translation>Il n&apos;y a aucune page à envoyer.</translation>
    </message>
    <message>
        <source>Disconnecting from Web Server...</source>
        <translation>Déconnexion du serveur Web…</translation>
    </message>
    <message>
        <source>Upload Completed.</source>
        <translation>Envoi terminé.</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>outside the page&apos;s folder</source>
        <translation>hors du dossier de la page</translation>
    </message>
</context>
<context>
    <name>WebBlocks</name>
    <message>
        <source>1 (Largest)</source>
        <translation>1 (la plus grande)</translation>
    </message>
    <message>
        <source>2 (Larger)</source>
        <translation>2 (plus grande)</translation>
    </message>
    <message>
        <source>3 (Large)</source>
        <translation>3 (grande)</translation>
    </message>
    <message>
        <source>4 (Small)</source>
        <translation>4 (petite)</translation>
    </message>
    <message>
        <source>5 (Smaller)</source>
        <translation>5 (plus petite)</translation>
    </message>
    <message>
        <source>6 (Smallest)</source>
        <translation>6 (la plus petite)</translation>
    </message>
    <message>
        <source>6 (Thickest)</source>
        <translation>6 (la plus épaisse)</translation>
    </message>
    <message>
        <source>5 (Thicker)</source>
        <translation>5 (plus épaisse)</translation>
    </message>
    <message>
        <source>4 (Thick)</source>
        <translation>4 (épaisse)</translation>
    </message>
    <message>
        <source>3 (Thin)</source>
        <translation>3 (fine)</translation>
    </message>
    <message>
        <source>2 (Thinner)</source>
        <translation>2 (plus fine)</translation>
    </message>
    <message>
        <source>1 (Thinnest)</source>
        <translation>1 (la plus fine)</translation>
    </message>
</context>
<context>
    <name>WindowSize</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>&amp;Taille de la fenêtre</translation>
    </message>
    <message>
        <source>Tarvo will open at the new window size, %1 %, the next time it starts. Restart it now to see it?</source>
        <translation>Tarvo s&apos;ouvrira à la nouvelle taille de fenêtre, %1 %, au prochain démarrage. Le redémarrer maintenant pour la voir ?</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
</TS>
