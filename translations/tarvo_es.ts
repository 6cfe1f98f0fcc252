<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Made with care by Brenfold Software for everyone who wants a page of their own.</source>
        <translation>Hecho con cariño por Brenfold Software para todos los que quieren una página propia.</translation>
    </message>
    <message>
        <source>Party time! You said the magic word: </source>
        <translation>¡Es una fiesta! Ha dicho la palabra mágica: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>AutoSave</name>
    <message>
        <source>an untitled page</source>
        <translation>una página sin título</translation>
    </message>
    <message>
        <source>Tarvo was not closed normally. Your work on %1 was saved automatically on %2.

Do you want to bring it back?</source>
        <translation>Tarvo no se cerró correctamente. Su trabajo en %1 se guardó automáticamente el %2.

¿Desea recuperarlo?</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <source>There has been an error previewing this site with your Web Browser.</source>
        <translation>Se ha producido un error al mostrar este sitio en su navegador web.</translation>
    </message>
    <message>
        <source>

No program that opens web pages was found on this computer. Install a web browser (and the xdg-utils package, which starts it), then try again.</source>
        <translation>

No se ha encontrado en este equipo ningún programa que abra páginas web. Instale un navegador web (y el paquete xdg-utils, que lo inicia) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) could not be run: %2. Check that a web browser is installed and chosen as the default one.</source>
        <translation>

No se pudo ejecutar el programa que inicia su navegador web (%1): %2. Compruebe que hay un navegador web instalado y elegido como predeterminado.</translation>
    </message>
    <message>
        <source>

You can open the page in a browser yourself; it is here:
</source>
        <translation>

Puede abrir la página usted mismo en un navegador; está aquí:
</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) found no browser to start, or the browser did not start (it ended with status %2). Check that a web browser is installed and chosen as the default one.</source>
        <translation>

El programa que inicia su navegador web (%1) no encontró ningún navegador que iniciar, o el navegador no arrancó (terminó con el estado %2). Compruebe que hay un navegador web instalado y elegido como predeterminado.</translation>
    </message>
</context>
<context>
    <name>BuildCanvas</name>
    <message>
        <source>Toolbox: </source>
        <translation>Caja de herramientas: </translation>
    </message>
    <message>
        <source> Web Blocks</source>
        <translation> bloques web</translation>
    </message>
    <message>
        <source>Delete Web Block</source>
        <translation>Eliminar bloque web</translation>
    </message>
</context>
<context>
    <name>CanvasKeys</name>
    <message>
        <source> block</source>
        <translation> (bloque)</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>ancho completo</translation>
    </message>
    <message>
        <source>Up and Down choose a kind of block; Enter puts one on the page below the selected block.</source>
        <translation>Arriba y Abajo eligen un tipo de bloque; Intro coloca uno en la página debajo del bloque seleccionado.</translation>
    </message>
    <message>
        <source>Up and Down select a block, Alt+Up and Alt+Down move it, Delete shreds it, Enter edits it.</source>
        <translation>Arriba y Abajo seleccionan un bloque, Alt+Arriba y Alt+Abajo lo mueven, Supr lo tritura, Intro lo edita.</translation>
    </message>
    <message>
        <source>Toolbox: </source>
        <translation>Caja de herramientas: </translation>
    </message>
    <message>
        <source>Page: empty</source>
        <translation>Página: vacía</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 de %2</translation>
    </message>
</context>
<context>
    <name>FtpClient</name>
    <message>
        <source>The server&apos;s certificate has expired.</source>
        <translation>El certificado del servidor ha caducado.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid yet.</source>
        <translation>El certificado del servidor aún no es válido.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is signed only by the server itself.</source>
        <translation>El certificado del servidor solo está firmado por el propio servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was made for another name.</source>
        <translation>El certificado del servidor se emitió para otro nombre.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate comes from an authority this computer does not know.</source>
        <translation>El certificado del servidor procede de una autoridad que este equipo no conoce.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>No se pudo verificar el certificado del servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not the one you trusted before. </source>
        <translation>El certificado del servidor no es aquel en el que confió antes. </translation>
    </message>
    <message>
        <source>The server&apos;s host key has changed since you trusted it. Someone may be intercepting the connection, or the server was set up anew.</source>
        <translation>La clave de host del servidor ha cambiado desde que confió en ella. Puede que alguien esté interceptando la conexión, o el servidor se ha instalado de nuevo.</translation>
    </message>
    <message>
        <source>This is the first connection to this server, and its host key is not known yet.</source>
        <translation>Es la primera conexión con este servidor y aún no se conoce su clave de host.</translation>
    </message>
    <message>
        <source>the file %1 could not be read</source>
        <translation>no se pudo leer el archivo %1</translation>
    </message>
    <message>
        <source>The connection was refused.</source>
        <translation>Se rechazó la conexión.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>No se pudo contactar con el servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s name could not be found.</source>
        <translation>No se encontró el nombre del servidor.</translation>
    </message>
    <message>
        <source>The server did not answer.</source>
        <translation>El servidor no respondió.</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Se canceló la subida.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>El servidor cerró la conexión.</translation>
    </message>
    <message>
        <source>A file could not be read.</source>
        <translation>No se pudo leer un archivo.</translation>
    </message>
    <message>
        <source>The server&apos;s address is not valid.</source>
        <translation>La dirección del servidor no es válida.</translation>
    </message>
    <message>
        <source>This server does not offer encrypted FTP. Choose &quot;FTP (not encrypted)&quot; or &quot;SFTP (over SSH)&quot; if your host offers either.</source>
        <translation>Este servidor no ofrece FTP cifrado. Elija «FTP (sin cifrar)» o «SFTP (por SSH)» si su proveedor ofrece alguno de ellos.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: %1.</source>
        <translation>No se pudo establecer la conexión cifrada: %1.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>El servidor rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>The server replied: %1</source>
        <translation>El servidor respondió: %1</translation>
    </message>
    <message>
        <source>The server details hold a line break.</source>
        <translation>Los datos del servidor contienen un salto de línea.</translation>
    </message>
    <message>
        <source>There is no connection to the server.</source>
        <translation>No hay conexión con el servidor.</translation>
    </message>
    <message>
        <source>The folder name holds a line break.</source>
        <translation>El nombre de la carpeta contiene un salto de línea.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not allowed: it climbs out with &quot;..&quot;.</source>
        <translation>La carpeta «%1» no está permitida: sale hacia arriba con «..».</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a file name.</source>
        <translation>El nombre remoto «%1» no es un nombre de archivo.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is outside the server folder.</source>
        <translation>El nombre remoto «%1» está fuera de la carpeta del servidor.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a plain file name.</source>
        <translation>El nombre remoto «%1» no es un nombre de archivo simple.</translation>
    </message>
    <message>
        <source>The folder&apos;s listing is too long.</source>
        <translation>La lista de la carpeta es demasiado larga.</translation>
    </message>
    <message>
        <source>The name %1 cannot go into a Git repository.</source>
        <translation>El nombre %1 no puede ir a un repositorio Git.</translation>
    </message>
    <message>
        <source>The branch holds no file %1.</source>
        <translation>La rama no contiene ningún archivo %1.</translation>
    </message>
    <message>
        <source>The server refused the user name, the token or the key.</source>
        <translation>El servidor rechazó el nombre de usuario, el token o la clave.</translation>
    </message>
    <message>
        <source>There is no Git repository at this address.</source>
        <translation>No hay ningún repositorio Git en esta dirección.</translation>
    </message>
    <message>
        <source>The branch&apos;s name is not valid.</source>
        <translation>El nombre de la rama no es válido.</translation>
    </message>
    <message>
        <source>The branch holds more than a web site would.</source>
        <translation>La rama contiene más de lo que tendría un sitio web.</translation>
    </message>
    <message>
        <source>The repository refused the new version of the branch (%1).</source>
        <translation>El repositorio rechazó la nueva versión de la rama (%1).</translation>
    </message>
    <message>
        <source>Someone else changed the branch meanwhile; publish again to add your changes.</source>
        <translation>Otra persona cambió la rama mientras tanto; publique de nuevo para añadir sus cambios.</translation>
    </message>
    <message>
        <source>The repository could not be used: %1.</source>
        <translation>No se pudo usar el repositorio: %1.</translation>
    </message>
    <message>
        <source>The server&apos;s folder listing could not be read.</source>
        <translation>No se pudo leer la lista de la carpeta del servidor.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>Publishing to Git repositories is not available here: %1</source>
        <translation>Aquí no se puede publicar en repositorios Git: %1</translation>
    </message>
</context>
<context>
    <name>GalleryMenu</name>
    <message>
        <source>Are you sure you want to delete the Tarvo file &quot;%1&quot;?</source>
        <translation>¿Seguro que desea eliminar el archivo de Tarvo «%1»?</translation>
    </message>
</context>
<context>
    <name>HelpSystem</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>¿Qué es esto?</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>¿&amp;Qué es esto?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvo Help</source>
        <translation>Ayuda de Tarvo</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>The help pages were not found. They belong in the folder %1 beside the program.</source>
        <translation>No se encontraron las páginas de ayuda. Deben estar en la carpeta %1, junto al programa.</translation>
    </message>
    <message>
        <source>There is no help for this item.</source>
        <translation>No hay ayuda para este elemento.</translation>
    </message>
</context>
<context>
    <name>HtmlDocument</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>No se encuentra el archivo: </translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>Some pictures are not shown: together they would take more memory than one page may use.</source>
        <translation>Algunas imágenes no se muestran: juntas ocuparían más memoria de la que puede usar una página.</translation>
    </message>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>No se encuentra el archivo: </translation>
    </message>
</context>
<context>
    <name>HtmlWarn</name>
    <message>
        <source>HTML Change Alert</source>
        <translation>Aviso sobre cambios en el HTML</translation>
    </message>
    <message>
        <source>If you make changes to your HTML directly, they will appear in your Web Page. However, if you move back to &apos;Build Your Page&apos;, these changes will be lost.</source>
        <translation>Si cambia el HTML directamente, los cambios aparecerán en su página web. Pero si vuelve a «Crear su página», estos cambios se perderán.</translation>
    </message>
    <message>
        <source>Any changes you make here will not appear next time you load your Tarvo file. Do you still want to make changes to your HTML?</source>
        <translation>Los cambios que haga aquí no aparecerán la próxima vez que abra su archivo de Tarvo. ¿Desea cambiar el HTML de todos modos?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>No volver a mostrar esta pantalla.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer.</source>
        <translation>El llavero no respondió.</translation>
    </message>
    <message>
        <source>The keyring was not unlocked.</source>
        <translation>El llavero no se desbloqueó.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this server, or it is locked.</source>
        <translation>El llavero no guarda ninguna contraseña para este servidor, o está bloqueado.</translation>
    </message>
</context>
<context>
    <name>LiveCheck</name>
    <message>
        <source>Checking whether your page is live at %1 ...</source>
        <translation>Tarvo comprueba si su página está en línea en %1 ...</translation>
    </message>
    <message>
        <source>Your page is live at %1</source>
        <translation>Su página ya está en línea en %1</translation>
    </message>
    <message>
        <source>The server holds the new page, but %1 shows an older one: the web address may point to another folder</source>
        <translation>El servidor tiene la página nueva, pero %1 muestra una más antigua: puede que la dirección web lleve a otra carpeta</translation>
    </message>
    <message>
        <source>%1 answers 404: check the folder and the web address</source>
        <translation>%1 responde 404: compruebe la carpeta y la dirección web</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 answers %2, so it is not seen there yet</source>
        <translation>Su página se ha enviado, pero %1 responde %2, así que todavía no se ve allí</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo could not connect to %1, so it is not seen there yet</source>
        <translation>Su página se ha enviado, pero Tarvo no pudo conectar con %1, así que todavía no se ve allí</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 did not answer within %2 seconds, so it is not seen there yet</source>
        <translation>Su página se ha enviado, pero %1 no respondió en %2 segundos, así que todavía no se ve allí</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: the web server&apos;s certificate is not trusted</source>
        <translation>Su página se ha enviado, pero Tarvo todavía no puede verla en %1: el certificado del servidor web no es de confianza</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet</source>
        <translation>Su página se ha enviado, pero Tarvo todavía no puede verla en %1</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: %2</source>
        <translation>Su página se ha enviado, pero Tarvo todavía no puede verla en %1: %2</translation>
    </message>
</context>
<context>
    <name>PageCheckup</name>
    <message>
        <source>Block %1: </source>
        <translation>Bloque %1: </translation>
    </message>
    <message>
        <source>The text colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>El color del texto se lee mal sobre el fondo (contraste %1:1; hace falta al menos 4,5:1).</translation>
    </message>
    <message>
        <source>The link colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>El color de los enlaces se lee mal sobre el fondo (contraste %1:1; hace falta al menos 4,5:1).</translation>
    </message>
    <message>
        <source>The page has no title: give it one in the View stage.</source>
        <translation>La página no tiene título: dale uno en la etapa Ver.</translation>
    </message>
    <message>
        <source>The page has no description for search engines and link previews.</source>
        <translation>La página no tiene descripción para los buscadores y las vistas previas de enlaces.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; has no words for visitors who cannot see it.</source>
        <translation>La imagen «%1» no tiene texto para los visitantes que no pueden verla.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is %2 × %3 pixels but shown much smaller: a smaller copy loads faster.</source>
        <translation>La imagen «%1» mide %2 × %3 píxeles pero se muestra mucho más pequeña: una copia más pequeña carga más rápido.</translation>
    </message>
    <message>
        <source>A link has no words: visitors cannot tell where it goes.</source>
        <translation>Un enlace no tiene texto: los visitantes no pueden saber adónde lleva.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; does not say where it goes: use words that name its page.</source>
        <translation>El enlace «%1» no dice adónde lleva: usa palabras que nombren su página.</translation>
    </message>
    <message>
        <source>The link to &quot;%1&quot; leads to a page that does not exist.</source>
        <translation>El enlace a «%1» lleva a una página que no existe.</translation>
    </message>
    <message>
        <source>This heading of size %1 follows one of size %2 and skips a level.</source>
        <translation>Este título de tamaño %1 sigue a uno de tamaño %2 y se salta un nivel.</translation>
    </message>
    <message>
        <source>The page weighs %1 MB with its pictures: over 2 MB it loads slowly on phones.</source>
        <translation>La página pesa %1 MB con sus imágenes: con más de 2 MB carga despacio en los teléfonos.</translation>
    </message>
    <message>
        <source>Nothing on this page needs attention.</source>
        <translation>Nada en esta página necesita atención.</translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation>Revisar la página</translation>
    </message>
    <message>
        <source>&amp;Check Page...</source>
        <translation>&amp;Revisar la página...</translation>
    </message>
</context>
<context>
    <name>PageEncoding</name>
    <message>
        <source>This page&apos;s HTML says its character set is &quot;%1&quot;, which cannot hold &quot;%2&quot;.

Write the page in UTF-8 instead (its character set line is changed to say so)? If you answer No, the page&apos;s HTML file is not written.</source>
        <translation>El HTML de esta página dice que su juego de caracteres es «%1», que no puede contener «%2».

¿Escribir la página en UTF-8 (y cambiar su línea de juego de caracteres para indicarlo)? Si responde No, no se escribe el archivo HTML de la página.</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page.</source>
        <translation>%1 no es una página de Tarvo.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page: its version &quot;%2&quot; is not a version number.</source>
        <translation>%1 no es una página de Tarvo: su versión «%2» no es un número de versión.</translation>
    </message>
    <message>
        <source>%1 is a Tarvo page of version %2, which this Tarvo cannot read.</source>
        <translation>%1 es una página de Tarvo de la versión %2, que este Tarvo no puede leer.</translation>
    </message>
    <message>
        <source>the blocks end early</source>
        <translation>los bloques terminan antes de tiempo</translation>
    </message>
    <message>
        <source>a block of unknown kind %1</source>
        <translation>un bloque de tipo desconocido %1</translation>
    </message>
    <message>
        <source>a text runs past the end of the file</source>
        <translation>un texto va más allá del final del archivo</translation>
    </message>
    <message>
        <source>a text is impossibly long</source>
        <translation>un texto es imposiblemente largo</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); %3 of %4 blocks were read.</source>
        <translation>%1 está dañado (%2); se leyeron %3 de %4 bloques.</translation>
    </message>
    <message>
        <source>The disk is full: your page was not saved; the last saved version is kept.</source>
        <translation>El disco está lleno: su página no se ha guardado; se conserva la última versión guardada.</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>Paragraph</source>
        <translation>Párrafo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>E-mail Link</source>
        <translation>Enlace de correo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Insertar: </translation>
    </message>
    <message>
        <source>Move </source>
        <translation>Mover: </translation>
    </message>
    <message>
        <source>Shred </source>
        <translation>Triturar: </translation>
    </message>
    <message>
        <source>New Line after </source>
        <translation>Nueva línea tras: </translation>
    </message>
    <message>
        <source>Align </source>
        <translation>Alinear: </translation>
    </message>
    <message>
        <source>Edit </source>
        <translation>Editar: </translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Make Template</source>
        <translation>Crear plantilla</translation>
    </message>
    <message>
        <source> Your page was kept as it was.</source>
        <translation> Su página se ha quedado como estaba.</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>Archivos BMP (*.bmp)</translation>
    </message>
    <message>
        <source>WebP Files (*.webp)</source>
        <translation>Archivos WebP (*.webp)</translation>
    </message>
    <message>
        <source>TIFF Files (*.tif *.tiff)</source>
        <translation>Archivos TIFF (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>Pictures (</source>
        <translation>Imágenes (</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>Archivos JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Archivos PNG (*.png)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>Archivos GIF (*.gif)</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bytes</translation>
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
        <translation> píxeles, </translation>
    </message>
</context>
<context>
    <name>PictureQuestion</name>
    <message>
        <source>Picture for the Web</source>
        <translation>Imagen para la web</translation>
    </message>
    <message>
        <source>This picture is %1 × %2 pixels and %3</source>
        <translation>Esta imagen mide %1 × %2 píxeles y ocupa %3</translation>
    </message>
    <message>
        <source>: a page that carries it is slow to send to your web server and slow to open on a phone.

A web-sized copy is at most %1 pixels wide and high, turned the right way up and saved for the web, without hidden details such as where a photo was taken. Your original file stays as it is.</source>
        <translation>: una página que la contenga tarda en enviarse a su servidor web y en abrirse en un móvil.

Una copia a tamaño web mide como mucho %1 píxeles de ancho y de alto, está girada en la posición correcta y guardada para la web, sin datos ocultos como el lugar donde se tomó una foto. Su archivo original se queda como está.</translation>
    </message>
    <message>
        <source>Do the same for every picture from now on</source>
        <translation>Hacer lo mismo con todas las imágenes a partir de ahora</translation>
    </message>
    <message>
        <source>Make pictures web-sized (recommended)</source>
        <translation>Reducir las imágenes a tamaño web (recomendado)</translation>
    </message>
    <message>
        <source>Keep the original</source>
        <translation>Conservar el original</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>The picture could not be copied into the folder &quot;%1&quot;.</source>
        <translation>No se pudo copiar la imagen en la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>&amp;Choose a Page</source>
        <translation>&amp;Elegir una página</translation>
    </message>
    <message>
        <source>Choose a page</source>
        <translation>Elegir una página</translation>
    </message>
    <message>
        <source>&amp;Build your Page</source>
        <translation>&amp;Crear su página</translation>
    </message>
    <message>
        <source>Build your page</source>
        <translation>Crear su página</translation>
    </message>
    <message>
        <source>&amp;View your Page</source>
        <translation>&amp;Ver su página</translation>
    </message>
    <message>
        <source>View your page</source>
        <translation>Ver su página</translation>
    </message>
    <message>
        <source>&amp;Send it to the Web</source>
        <translation>E&amp;nviar a la Web</translation>
    </message>
    <message>
        <source>Send it to the Web</source>
        <translation>Enviar a la Web</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>Envi&amp;ado</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>E&amp;tapa</translation>
    </message>
    <message>
        <source>Current stage: </source>
        <translation>Etapa actual: </translation>
    </message>
    <message>
        <source>Stages</source>
        <translation>Etapas</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Etapa %1: %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Preview size</source>
        <translation>Tamaño de la vista previa</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Vista previa de la página</translation>
    </message>
    <message>
        <source>HTML of the page</source>
        <translation>HTML de la página</translation>
    </message>
</context>
<context>
    <name>PropertyPanels</name>
    <message>
        <source>Left Align</source>
        <translation>Alineado a la izquierda</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Center Align</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Start new line for next block</source>
        <translation>Empezar el siguiente bloque en una línea nueva</translation>
    </message>
    <message>
        <source>A paragraph will appear as a block of text.</source>
        <translation>Un párrafo aparece como un bloque de texto.</translation>
    </message>
    <message>
        <source>You can align this block of text to the left, center or right of the page. Type your text in the field below; you can use simple HTML tags here.</source>
        <translation>Puede alinear este texto a la izquierda, al centro o a la derecha de la página. Escriba su texto abajo; puede usar etiquetas HTML sencillas.</translation>
    </message>
    <message>
        <source>Type your paragraph text here:</source>
        <translation>Escriba aquí el texto del párrafo:</translation>
    </message>
    <message>
        <source>When readers of your page click on this link, it takes them to any web site whose URL you enter.</source>
        <translation>Cuando los lectores de su página hagan clic en este enlace, irán al sitio web cuya URL indique.</translation>
    </message>
    <message>
        <source> What is the URL of the page you wish to link to?</source>
        <translation> ¿Cuál es la URL de la página a enlazar?</translation>
    </message>
    <message>
        <source>Any text to display before the link?</source>
        <translation>¿Algún texto antes del enlace?</translation>
    </message>
    <message>
        <source> What is the text to click on?</source>
        <translation> ¿Cuál es el texto donde hacer clic?</translation>
    </message>
    <message>
        <source>Any other text to follow this link?</source>
        <translation>¿Algún otro texto tras este enlace?</translation>
    </message>
    <message>
        <source>e.g. Text before link</source>
        <translation>p. ej. Texto antes del enlace</translation>
    </message>
    <message>
        <source>text after link.</source>
        <translation>texto tras el enlace.</translation>
    </message>
    <message>
        <source>Add an image to your page.  Images help to liven up a Web Page.</source>
        <translation>Añada una imagen a su página.  Las imágenes dan vida a una página web.</translation>
    </message>
    <message>
        <source>Enter the location of your image file :</source>
        <translation>Indique la ubicación de su archivo de imagen:</translation>
    </message>
    <message>
        <source>Choose an image file</source>
        <translation>Elegir un archivo de imagen</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source> Width :</source>
        <translation> Ancho:</translation>
    </message>
    <message>
        <source>Text description of the image :</source>
        <translation>Descripción en texto de la imagen:</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <translation>Lo que muestra la imagen</translation>
    </message>
    <message>
        <source>⚠ Needed</source>
        <translation>⚠ Necesaria</translation>
    </message>
    <message>
        <source>Screen readers read this description to people who cannot see the picture, and browsers show it when the picture does not load.</source>
        <translation>Los lectores de pantalla leen esta descripción a quienes no pueden ver la imagen, y los navegadores la muestran cuando la imagen no se carga.</translation>
    </message>
    <message>
        <source>You can make this image a link to another Web Page. Just type in the URL below.</source>
        <translation>Puede convertir esta imagen en un enlace a otra página web. Solo tiene que escribir la URL abajo.</translation>
    </message>
    <message>
        <source>The heading is the title for your page or a section of the page.</source>
        <translation>El título encabeza su página o una sección de la página.</translation>
    </message>
    <message>
        <source>People often use H1 (the biggest size) headings at the start, then smaller ones for the rest.  But you can use different sizes for any effects you want, anywhere you want.</source>
        <translation>Se suele poner un título H1 (el tamaño mayor) al principio y otros más pequeños en el resto.  Pero puede usar distintos tamaños donde quiera, para el efecto que quiera.</translation>
    </message>
    <message>
        <source>Heading text:</source>
        <translation>Texto del título:</translation>
    </message>
    <message>
        <source> What is the size of the heading?</source>
        <translation> ¿De qué tamaño es el título?</translation>
    </message>
    <message>
        <source> When readers of your page click on this link, it pops up an e-mail screen pre-addressed to you or anyone you choose.</source>
        <translation> Cuando los lectores de su página hagan clic en este enlace, se abrirá una ventana de correo dirigida a usted o a quien usted elija.</translation>
    </message>
    <message>
        <source> What is the e-mail address?</source>
        <translation> ¿Cuál es la dirección de correo?</translation>
    </message>
    <message>
        <source>Any text to appear before the e-mail link?</source>
        <translation>¿Algún texto antes del enlace de correo?</translation>
    </message>
    <message>
        <source> What is the text to click on for the e-mail link?</source>
        <translation> ¿Cuál es el texto del enlace de correo?</translation>
    </message>
    <message>
        <source>Any other text to follow this e-mail link?</source>
        <translation>¿Algún otro texto tras este enlace de correo?</translation>
    </message>
    <message>
        <source>e.g. Text before</source>
        <translation>p. ej. Texto antes</translation>
    </message>
    <message>
        <source>text to click on</source>
        <translation>texto donde hacer clic</translation>
    </message>
    <message>
        <source>text after.</source>
        <translation>texto después.</translation>
    </message>
    <message>
        <source>Create a horizontal line for design effect.</source>
        <translation>Cree una línea horizontal como elemento de diseño.</translation>
    </message>
    <message>
        <source>If you leave the boxes blank, the line will appear all the way (100%) across the page.  Lines are a good way to separate your page contents, for example, separating a picture from some text.</source>
        <translation>Si deja las casillas vacías, la línea ocupará todo el ancho (100%) de la página.  Las líneas sirven para separar el contenido de su página, por ejemplo una imagen de un texto.</translation>
    </message>
    <message>
        <source>How wide is this line (as a percentage of the page)</source>
        <translation>Ancho de la línea (en porcentaje de la página)</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Decoration only</source>
        <translation>Solo decoración</translation>
    </message>
    <message>
        <source>The picture only decorates the page (a border, a flourish): screen readers pass over it, and it needs no description.</source>
        <translation>La imagen solo decora la página (un borde, un adorno): los lectores de pantalla la omiten y no necesita descripción.</translation>
    </message>
</context>
<context>
    <name>PropertyPanelsWire</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>web-sized from </source>
        <translation>a tamaño web desde </translation>
    </message>
    <message>
        <source>converted, was </source>
        <translation>convertida, antes </translation>
    </message>
</context>
<context>
    <name>PublishHistory</name>
    <message>
        <source>%1  %2  %3, %4 of %5 files sent (%6 bytes)</source>
        <translation>%1  %2  %3, %4 de %5 archivos enviados (%6 bytes)</translation>
    </message>
    <message>
        <source>; an earlier publish put back</source>
        <translation>; se restauró una publicación anterior</translation>
    </message>
    <message>
        <source>; not complete</source>
        <translation>; incompleta</translation>
    </message>
    <message>
        <source>; its files are no longer kept</source>
        <translation>; sus archivos ya no se conservan</translation>
    </message>
    <message>
        <source>There is no publish %1.</source>
        <translation>No existe la publicación %1.</translation>
    </message>
    <message>
        <source>The files of publish %1 are no longer kept.</source>
        <translation>Los archivos de la publicación %1 ya no se conservan.</translation>
    </message>
    <message>
        <source>The kept version of %1 is missing or damaged.</source>
        <translation>La versión conservada de %1 falta o está dañada.</translation>
    </message>
    <message>
        <source>%1 is too large to be kept for a put-back.</source>
        <translation>%1 es demasiado grande para conservarlo para una restauración.</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Cannot create file %1: %2.</source>
        <translation>No se puede crear el archivo %1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>«%1» es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>you are not allowed to write there</source>
        <translation>no tiene permiso para escribir ahí</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco ha informado de un error</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to another place, and Tarvo does not write through links</source>
        <translation>«%1» es un enlace a otro lugar, y Tarvo no escribe a través de enlaces</translation>
    </message>
    <message>
        <source>it would lie outside the folder &quot;%1&quot;</source>
        <translation>quedaría fuera de la carpeta «%1»</translation>
    </message>
</context>
<context>
    <name>SaveInfo</name>
    <message>
        <source>File Save Information</source>
        <translation>Información sobre el guardado</translation>
    </message>
    <message>
        <source>If this is your first Web Page, and you want it to be the default page that people see when they visit your Web Site, you should save this file under the name &apos;index&apos;. This will create a file called &apos;index.html&apos; on your Web Server.</source>
        <translation>Si esta es su primera página web y quiere que sea la que vean quienes visiten su sitio web, guarde este archivo con el nombre «index». Así se creará en su servidor web un archivo llamado «index.html».</translation>
    </message>
    <message>
        <source>Click here for a tutorial creating links.</source>
        <translation>Haga clic aquí para ver un tutorial sobre cómo crear enlaces.</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>No volver a mostrar esta pantalla.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>SendWeb</name>
    <message>
        <source>the W3C Validator</source>
        <translation>el validador del W3C</translation>
    </message>
    <message>
        <source>the W3C on Accessibility</source>
        <translation>el W3C sobre accesibilidad</translation>
    </message>
    <message>
        <source>Rotate Web</source>
        <translation>Girar la web</translation>
    </message>
    <message>
        <source>Click the logo to visit Brenfold Software</source>
        <translation>Haga clic en el logotipo para visitar Brenfold Software</translation>
    </message>
    <message>
        <source>Click the logo to view your Web Page</source>
        <translation>Haga clic en el logotipo para ver su página web</translation>
    </message>
    <message>
        <source>Click the logo to visit %1</source>
        <translation>Haga clic en el logotipo para visitar %1</translation>
    </message>
</context>
<context>
    <name>ServerBox</name>
    <message>
        <source>WWW Server to Upload to:</source>
        <translation>Servidor WWW de destino:</translation>
    </message>
    <message>
        <source>Edit WWW Server List</source>
        <translation>Editar lista de servidores</translation>
    </message>
</context>
<context>
    <name>ServerList</name>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de configuración %1.</translation>
    </message>
</context>
<context>
    <name>ServerWizardFlow</name>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Leyendo la contraseña del llavero…</translation>
    </message>
    <message>
        <source>The keyring did not give the password; it stays there unless you type a new one.</source>
        <translation>El llavero no entregó la contraseña; seguirá allí a menos que escriba una nueva.</translation>
    </message>
    <message>
        <source>WWW Server List Changed</source>
        <translation>Lista de servidores WWW modificada</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your WWW Server List?</source>
        <translation>¿Desea guardar los cambios en su lista de servidores WWW?</translation>
    </message>
    <message>
        <source>Your WWW Server List could not be saved.
%1</source>
        <translation>No se pudo guardar su lista de servidores WWW.
%1</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Esperando a que desbloquee el llavero…</translation>
    </message>
</context>
<context>
    <name>SiteExport</name>
    <message>
        <source>outside the chosen folder</source>
        <translation>fuera de la carpeta elegida</translation>
    </message>
</context>
<context>
    <name>SiteFiles</name>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>No hay ninguna página en esta dirección.</translation>
    </message>
    <message>
        <source>Go to the home page</source>
        <translation>Ir a la página de inicio</translation>
    </message>
</context>
<context>
    <name>SiteMenu</name>
    <message>
        <source>The web address must be a whole address starting with https:// or http://, such as https://www.example.org/choir/.</source>
        <translation>La dirección web debe ser una dirección completa que empiece por https:// o http://, como https://www.example.org/coro/.</translation>
    </message>
</context>
<context>
    <name>SiteStaging</name>
    <message>
        <source>outside the site&apos;s folder</source>
        <translation>fuera de la carpeta del sitio</translation>
    </message>
</context>
<context>
    <name>StageSwitch</name>
    <message>
        <source>You have made changes to your HTML. If you go back now, you will lose these changes. Do you want to go back?</source>
        <translation>Ha cambiado su HTML. Si vuelve atrás ahora, perderá estos cambios. ¿Desea volver atrás?</translation>
    </message>
    <message>
        <source> - Untitled</source>
        <translation> - Sin título</translation>
    </message>
    <message>
        <source>Click here to toggle your preview size from normal to full screen.</source>
        <translation>Haga clic aquí para cambiar la vista previa de tamaño normal a pantalla completa.</translation>
    </message>
    <message>
        <source>Full: shows the preview of your page across the whole window. It works on the View stage.</source>
        <translation>Completa: muestra la vista previa de su página en toda la ventana. Funciona en la etapa Ver.</translation>
    </message>
</context>
<context>
    <name>StyleNames</name>
    <message>
        <source>[None]</source>
        <translation>[Ninguno]</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Sunshine</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Bosque</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océano</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Tarvo Files (*.tve)</source>
        <translation>Archivos de Tarvo (*.tve)</translation>
    </message>
    <message>
        <source>Tarvo Template (*.tvt)</source>
        <translation>Plantilla de Tarvo (*.tvt)</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Tarvo File?</source>
        <translation>¿Desea guardar los cambios en su archivo de Tarvo?</translation>
    </message>
    <message>
        <source>Before uploading this file, you will need to save the Tarvo File.</source>
        <translation>Antes de subir este archivo, tiene que guardar el archivo de Tarvo.</translation>
    </message>
    <message>
        <source>%1 was changed on the disk by another program or Tarvo window since you opened or saved it here.

Yes: save your page under another name and keep both.
No: overwrite the file with your page.
Cancel: do not save.</source>
        <translation>Otro programa u otra ventana de Tarvo ha cambiado %1 en el disco desde que lo abrió o guardó aquí.

Sí: guardar su página con otro nombre y conservar ambos.
No: sobrescribir el archivo con su página.
Cancelar: no guardar.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Your page has changes that are not saved yet. Tarvo saves them to &quot;%1&quot; and then sends the page.</source>
        <translation>Su página tiene cambios que aún no se han guardado. Tarvo los guarda en «%1» y después envía la página.</translation>
    </message>
    <message>
        <source>Always save before sending, without asking</source>
        <translation>Guardar siempre antes de enviar, sin preguntar</translation>
    </message>
    <message>
        <source>Tarvo page</source>
        <translation>Página de Tarvo</translation>
    </message>
    <message>
        <source>Tarvo template</source>
        <translation>Plantilla de Tarvo</translation>
    </message>
</context>
<context>
    <name>TGallery</name>
    <message>
        <source>Welcome to Tarvo, the easy way to the Web!</source>
        <translation>¡Bienvenido a Tarvo, el camino fácil a la Web!</translation>
    </message>
    <message>
        <source>You can choose a pre-designed page template below, or skip straight to &apos;build your page&apos; and design your page from scratch.  (You can change any page, any time, by moving WebBlocks.)</source>
        <translation>Puede elegir abajo una plantilla de página ya diseñada, o pasar directamente a «Crear su página» y diseñarla desde cero.  (Puede cambiar cualquier página en cualquier momento moviendo bloques web.)</translation>
    </message>
    <message>
        <source> Web Pages:</source>
        <translation> Páginas web:</translation>
    </message>
    <message>
        <source>Select your file to open.</source>
        <translation>Seleccione el archivo que desea abrir.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>¿Qué es esto?</translation>
    </message>
</context>
<context>
    <name>THTMLViewer</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Choose a WWW server in the Send stage first: the history is kept for each server and folder.</source>
        <translation>Elija primero un servidor WWW en la etapa Enviar: el historial se guarda para cada servidor y carpeta.</translation>
    </message>
    <message>
        <source>Se&amp;nd</source>
        <translation>E&amp;nviar</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>What was published to %1, newest first:</source>
        <translation>Lo publicado en %1, lo más reciente primero:</translation>
    </message>
    <message>
        <source>What was published to the folder “%1” of %2, newest first:</source>
        <translation>Lo publicado en la carpeta «%1» de %2, lo más reciente primero:</translation>
    </message>
    <message>
        <source>Nothing was published there yet.</source>
        <translation>Todavía no se ha publicado nada allí.</translation>
    </message>
    <message>
        <source>This is what the server holds now.</source>
        <translation>Esto es lo que hay ahora en el servidor.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again; nothing else on the server is touched.</source>
        <translation>Restaurar vuelve a enviar los archivos de esta publicación; no se toca nada más del servidor.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again and removes the files added since (%1); nothing else on the server is touched.</source>
        <translation>Restaurar vuelve a enviar los archivos de esta publicación y quita los añadidos después (%1); no se toca nada más del servidor.</translation>
    </message>
</context>
<context>
    <name>TLiveNotice</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Tarvo looks again in a few seconds.</source>
        <translation>Tarvo vuelve a mirar en unos segundos.</translation>
    </message>
</context>
<context>
    <name>TPropertyPanels</name>
    <message>
        <source>Link to one of your saved pages</source>
        <translation>Enlazar con una de sus páginas guardadas</translation>
    </message>
    <message>
        <source>My pages</source>
        <translation>Mis páginas</translation>
    </message>
</context>
<context>
    <name>TSendPanel</name>
    <message>
        <source>Files to upload to the server:</source>
        <translation>Archivos por subir:</translation>
    </message>
    <message>
        <source>There is no WWW server to upload your page to yet.

Click &quot;Edit WWW Server List&quot; and enter the details your Internet provider gave you, then click your page again.</source>
        <translation>Aún no hay ningún servidor WWW al que subir su página.

Haga clic en «Editar lista de servidores», escriba los datos que le dio su proveedor de Internet y vuelva a hacer clic en su página.</translation>
    </message>
    <message>
        <source>Please save your page first.

The upload sends the page as it was last saved, so it needs a name on your computer.</source>
        <translation>Guarde primero su página.

La subida envía la página tal como se guardó por última vez, así que necesita un nombre en su equipo.</translation>
    </message>
    <message>
        <source>Send every file again</source>
        <translation>Reenviar todos los archivos</translation>
    </message>
    <message>
        <source>E&amp;xport Site...</source>
        <translation>&amp;Exportar sitio…</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificado</translation>
    </message>
    <message>
        <source>sent again</source>
        <translation>reenviado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>To send: %1 of %2 files, %3</source>
        <translation>Por enviar: %1 de %2 archivos, %3</translation>
    </message>
    <message>
        <source>Export Site</source>
        <translation>Exportar sitio</translation>
    </message>
    <message>
        <source>Your site is in %1: %2 files, ready to send to your web server by hand.</source>
        <translation>Su sitio está en %1: %2 archivos, listos para subirlos a mano a su servidor web.</translation>
    </message>
    <message>
        <source>These files of your site were not written to %1:

%2</source>
        <translation>Estos archivos de su sitio no se escribieron en %1:

%2</translation>
    </message>
    <message>
        <source>not sent: </source>
        <translation>no enviado: </translation>
    </message>
    <message>
        <source>%1 already holds files of these names with other contents:

%2

Do you want to replace them?</source>
        <translation>%1 ya contiene archivos con estos nombres y otro contenido:

%2

¿Desea reemplazarlos?</translation>
    </message>
    <message>
        <source>Your page is named &quot;%1&quot;. Web servers show the page called &quot;index.html&quot;, in small letters, to people who visit your site, and many of them tell capital and small letters apart: visitors may not find your page.

Send it as &quot;index.html&quot; instead?</source>
        <translation>Su página se llama «%1». Los servidores web muestran a quienes visitan su sitio la página llamada «index.html», en minúsculas, y muchos distinguen mayúsculas de minúsculas: puede que los visitantes no encuentren su página.

¿Enviarla como «index.html»?</translation>
    </message>
    <message>
        <source>left alone: the server&apos;s own</source>
        <translation>se deja: es del servidor</translation>
    </message>
    <message>
        <source>new, if the server has none</source>
        <translation>nuevo, si el servidor no tiene</translation>
    </message>
</context>
<context>
    <name>TSentRecord</name>
    <message>
        <source>The next upload sends every file again.</source>
        <translation>La próxima subida volverá a enviar todos los archivos.</translation>
    </message>
</context>
<context>
    <name>TServerProbe</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>your login folder</source>
        <translation>su carpeta de inicio de sesión</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not make its test file on this computer.</source>
        <translation>Tarvo pudo iniciar sesión y entrar en %1, pero no pudo crear su archivo de prueba en este equipo.</translation>
    </message>
    <message>
        <source>Writing a test file to %1...</source>
        <translation>Escribiendo un archivo de prueba en %1…</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s host key is not trusted.</source>
        <translation>Tarvo no inició sesión: no se confía en la clave de host del servidor.</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s certificate is not trusted.</source>
        <translation>Tarvo no inició sesión: no se confía en el certificado del servidor.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection on port %2: check the address and port.</source>
        <translation>El servidor %1 rechazó la conexión en el puerto %2: compruebe la dirección y el puerto.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address.</source>
        <translation>No se encontró el servidor %1: compruebe la dirección.</translation>
    </message>
    <message>
        <source>The server %1 did not answer on port %2: check the address and port, or try again later.</source>
        <translation>El servidor %1 no respondió en el puerto %2: compruebe la dirección y el puerto, o inténtelo más tarde.</translation>
    </message>
    <message>
        <source>The server %1 refused the login name or password: check both.</source>
        <translation>El servidor %1 rechazó el nombre de usuario o la contraseña: compruebe ambos.</translation>
    </message>
    <message>
        <source>Tarvo reached %1 but could not log in (%2).</source>
        <translation>Tarvo contactó con %1 pero no pudo iniciar sesión (%2).</translation>
    </message>
    <message>
        <source>Entering the folder %1...</source>
        <translation>Entrando en la carpeta %1…</translation>
    </message>
    <message>
        <source>Tarvo could log in but could not enter the folder %1 (%2).</source>
        <translation>Tarvo pudo iniciar sesión pero no pudo entrar en la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist (%2) and was not made.</source>
        <translation>Tarvo pudo iniciar sesión, pero la carpeta %1 no existe (%2) y no se creó.</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist and was not made.</source>
        <translation>Tarvo pudo iniciar sesión, pero la carpeta %1 no existe y no se creó.</translation>
    </message>
    <message>
        <source>Making the folder %1...</source>
        <translation>Creando la carpeta %1…</translation>
    </message>
    <message>
        <source>Tarvo could not make the folder %1 (%2).</source>
        <translation>Tarvo no pudo crear la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and the server refused to make it (%2).</source>
        <translation>La carpeta %1 no existe y el servidor se negó a crearla (%2).</translation>
    </message>
    <message>
        <source>Tarvo made the folder %1 but could not enter it (%2).</source>
        <translation>Tarvo creó la carpeta %1 pero no pudo entrar en ella (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but the server refused to let it write there (%2).</source>
        <translation>Tarvo pudo iniciar sesión y entrar en %1, pero el servidor no le dejó escribir ahí (%2).</translation>
    </message>
    <message>
        <source>Removing the test file...</source>
        <translation>Eliminando el archivo de prueba…</translation>
    </message>
    <message>
        <source>Tarvo could write to %1, but could not remove its test file %2 (%3): please remove it yourself.</source>
        <translation>Tarvo pudo escribir en %1, pero no pudo eliminar su archivo de prueba %2 (%3): elimínelo usted mismo.</translation>
    </message>
    <message>
        <source>Tarvo could log in and write to %1: this server is ready.</source>
        <translation>Tarvo pudo iniciar sesión y escribir en %1: este servidor está listo.</translation>
    </message>
    <message>
        <source>The test was stopped; its test file %1 may be left in %2.</source>
        <translation>Se detuvo la prueba; puede que su archivo de prueba %1 haya quedado en %2.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Se detuvo la prueba.</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not write a file there (%2).</source>
        <translation>Tarvo pudo iniciar sesión y entrar en %1, pero no pudo escribir un archivo allí (%2).</translation>
    </message>
</context>
<context>
    <name>TUploadSequence</name>
    <message>
        <source>Your old page is still on the server; no other file was sent.</source>
        <translation>Su página anterior sigue en el servidor; no se envió ningún otro archivo.</translation>
    </message>
    <message>
        <source>Your old page is still on the server; %1 of %2 new files were sent.</source>
        <translation>Su página anterior sigue en el servidor; se enviaron %1 de %2 archivos nuevos.</translation>
    </message>
    <message>
        <source>Your page was not sent, and no other file was.</source>
        <translation>Su página no se envió, ni ningún otro archivo.</translation>
    </message>
    <message>
        <source>Your page was not sent (the server shows what it showed before); %1 of %2 other files were sent.</source>
        <translation>Su página no se envió (el servidor muestra lo mismo que antes); se enviaron %1 de %2 archivos más.</translation>
    </message>
    <message>
        <source>The branch is as it was: nothing of this upload was published.</source>
        <translation>La rama sigue como estaba: no se publicó nada de esta subida.</translation>
    </message>
    <message>
        <source>Tarvo could not see whether the server folder has a file of that name</source>
        <translation>Tarvo no pudo ver si la carpeta del servidor tiene un archivo con ese nombre</translation>
    </message>
    <message>
        <source>the server folder has a file of that name that Tarvo did not put there</source>
        <translation>la carpeta del servidor tiene un archivo con ese nombre que Tarvo no puso allí</translation>
    </message>
</context>
<context>
    <name>TViewStage</name>
    <message>
        <source>Click the Web tab to preview your page.  You can change the look by returning to &apos;Build Your Page&apos;, or click on HTML to see the code Tarvo has created.  If you know HTML, you can change the code to change your page.  If not - learn it right here!</source>
        <translation>La pestaña Web muestra su página.  El aspecto se cambia en «Crear su página»; en HTML está el código de Tarvo.  Si sabe HTML, puede cambiarlo; si no, ¡apréndalo aquí!</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Título de la página:</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Edit Styles</source>
        <translation>Editar estilos</translation>
    </message>
    <message>
        <source>Insert Tarvo Logo</source>
        <translation>Insertar logotipo de Tarvo</translation>
    </message>
    <message>
        <source>Fit phone screens</source>
        <translation>Ajustar a móviles</translation>
    </message>
    <message>
        <source>Lay the page out at the width of a phone&apos;s screen, with pictures no wider than the screen. Desktop browsers show it as before.</source>
        <translation>Componer la página al ancho de la pantalla de un móvil, con imágenes no más anchas que la pantalla. Los navegadores de escritorio la muestran como antes.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Show the preview as wide as a desktop window allows.</source>
        <translation>Mostrar la vista previa tan ancha como permita una ventana de escritorio.</translation>
    </message>
    <message>
        <source>Show the preview at the width of a phone&apos;s screen.</source>
        <translation>Mostrar la vista previa al ancho de la pantalla de un móvil.</translation>
    </message>
    <message>
        <source>the template&apos;s title</source>
        <translation>título de la plantilla</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Idioma de la página:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>One sentence about the page for search engines and link previews. Left empty, the first sentence of the page&apos;s first paragraph is used.</source>
        <translation>Una frase sobre la página para los buscadores y las vistas previas de enlaces. Si se deja vacía, se usa la primera frase del primer párrafo de la página.</translation>
    </message>
    <message>
        <source>Readable layout</source>
        <translation>Diseño legible</translation>
    </message>
    <message>
        <source>Set the text in a centred column of reading width, in the system&apos;s sans-serif font, with pictures no wider than the column.</source>
        <translation>Coloca el texto en una columna centrada de ancho de lectura, con la fuente sin serifa del sistema y con imágenes no más anchas que la columna.</translation>
    </message>
    <message>
        <source>This is still the title of the template your page was made from. Type your page&apos;s own title here.</source>
        <translation>Este sigue siendo el título de la plantilla de la que se creó su página. Escriba aquí el título propio de su página.</translation>
    </message>
    <message>
        <source>(none, as written before)</source>
        <translation>(ninguno, como antes)</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Icono:</translation>
    </message>
    <message>
        <source>The small picture browsers show beside the page&apos;s title, in tabs and bookmarks.</source>
        <translation>La pequeña imagen que los navegadores muestran junto al título de la página, en pestañas y marcadores.</translation>
    </message>
    <message>
        <source>The title&apos;s first letter</source>
        <translation>Primera letra del título</translation>
    </message>
    <message>
        <source>Another picture...</source>
        <translation>Otra imagen...</translation>
    </message>
    <message>
        <source>Choose the page&apos;s icon</source>
        <translation>Elegir el icono de la página</translation>
    </message>
    <message>
        <source>Show the site menu</source>
        <translation>Mostrar el menú del sitio</translation>
    </message>
    <message>
        <source>Put the menu of the pages of this folder at the top of the page.</source>
        <translation>Poner arriba de la página el menú de las páginas de esta carpeta.</translation>
    </message>
</context>
<context>
    <name>TemplateNames</name>
    <message>
        <source>CV</source>
        <translation>Currículum</translation>
    </message>
    <message>
        <source>Club or Team</source>
        <translation>Club o equipo</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Hobby</source>
        <translation>Afición</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página principal</translation>
    </message>
    <message>
        <source>Invitation</source>
        <translation>Invitación</translation>
    </message>
    <message>
        <source>Photo Album</source>
        <translation>Álbum de fotos</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Tienda</translation>
    </message>
</context>
<context>
    <name>TfrmJoy</name>
    <message>
        <source>Upload Successful</source>
        <translation>Subida correcta</translation>
    </message>
    <message>
        <source>Congratulations, your page has been successfully uploaded to the Internet.</source>
        <translation>Enhorabuena, su página se ha subido correctamente a Internet.</translation>
    </message>
    <message>
        <source>If you click on your page under the magnifying glass you can view your page using your favorite Web Browser. And after that why not rotate the web and check out the Web Pages of the people who helped you get on the Internet.</source>
        <translation>Si hace clic en su página bajo la lupa, podrá verla en su navegador web favorito. Y después, ¿por qué no gira la web y visita las páginas web de quienes le ayudaron a llegar a Internet?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>No volver a mostrar esta pantalla.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>If for some reason you can&apos;t click on your page to go and see your page on the Web, your ISP may have a non-standard upload procedure or you don&apos;t have a Web Browser on your system.</source>
        <translation>Si por algún motivo no puede hacer clic en su página para verla en la Web, puede que su proveedor use un procedimiento de envío distinto o que no tenga un navegador web en su sistema.</translation>
    </message>
    <message>
        <source>If your system has a Web Browser, contact your ISP for help to see your page on the Web.</source>
        <translation>Si su sistema tiene un navegador web, pida ayuda a su proveedor para ver su página en la Web.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Make Template</source>
        <translation>Crear &amp;plantilla</translation>
    </message>
    <message>
        <source>External Preview</source>
        <translation>Vista previa externa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Tarvo</translation>
    </message>
    <message>
        <source>Drag Web Blocks over, then up/down to create your page layout.</source>
        <translation>Arrastre bloques web y ordénelos arriba o abajo.</translation>
    </message>
    <message>
        <source>Fill in the appropriate details to complete your Web Block.</source>
        <translation>Rellene los datos de su bloque web.</translation>
    </message>
    <message>
        <source>Click here to leave Tarvo.</source>
        <translation>Haga clic aquí para salir de Tarvo.</translation>
    </message>
</context>
<context>
    <name>TfrmServerWizard</name>
    <message>
        <source>Edit WWW Server List Wizard</source>
        <translation>Asistente de la lista de servidores WWW</translation>
    </message>
    <message>
        <source>Generic</source>
        <translation>Genérico</translation>
    </message>
    <message>
        <source>This Wizard aids you in the construction of a server list. This list is used to allow you to easily transfer your files to the internet.</source>
        <translation>Este asistente le ayuda a crear una lista de servidores. Esta lista le permite transferir fácilmente sus archivos a Internet.</translation>
    </message>
    <message>
        <source>A Server is a computer that is connected to the internet. This is the computer that you &apos;Logon&apos; to when you are surfing. Apart from this, there is nothing all that special about a Server. </source>
        <translation>Un servidor es un equipo conectado a Internet. Es el equipo en el que «inicia sesión» cuando navega. Aparte de eso, un servidor no tiene nada de especial. </translation>
    </message>
    <message>
        <source>Add new server details to the server list.</source>
        <translation>Añadir un servidor nuevo a la lista de servidores.</translation>
    </message>
    <message>
        <source>Modify server settings.</source>
        <translation>Modificar la configuración de un servidor.</translation>
    </message>
    <message>
        <source>Delete a server from the server list.</source>
        <translation>Eliminar un servidor de la lista de servidores.</translation>
    </message>
    <message>
        <source>If you don&apos;t know the address of your server, or are confused by all this terminology, then press the HELP button. </source>
        <translation>Si no sabe la dirección de su servidor, o le confunde toda esta terminología, pulse el botón AYUDA. </translation>
    </message>
    <message>
        <source>Enter a description for your Server e.g. My Web Server</source>
        <translation>Escriba una descripción para su servidor, p. ej. Mi servidor web</translation>
    </message>
    <message>
        <source>Enter your Server&apos;s address e.g. ftp.yourisp.com</source>
        <translation>Escriba la dirección de su servidor, p. ej. ftp.suproveedor.es</translation>
    </message>
    <message>
        <source>ftp.yourisp.com, or ftp.yourisp.com:2222 for another port</source>
        <translation>ftp.suproveedor.es, o ftp.suproveedor.es:2222 para otro puerto</translation>
    </message>
    <message>
        <source>If your provider names a port, add it after a colon, e.g. ftp.yourisp.com:2222. Without one the usual port is used.</source>
        <translation>Si su proveedor indica un puerto, añádalo tras dos puntos, p. ej. ftp.suproveedor.es:2222. Sin él se usa el puerto habitual.</translation>
    </message>
    <message>
        <source>Enter your &apos;Login&apos; name. This name is supplied to you by your Internet Service Provider. (ISP)</source>
        <translation>Escriba su nombre de usuario. Se lo facilita su proveedor de servicios de Internet (ISP).</translation>
    </message>
    <message>
        <source>Enter your password. (given to you by your ISP)</source>
        <translation>Escriba su contraseña (se la dio su ISP).</translation>
    </message>
    <message>
        <source>Select Internet Service Provider</source>
        <translation>Elegir proveedor de Internet</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>A&amp;vanzado</translation>
    </message>
    <message>
        <source>Advanced Server Details</source>
        <translation>Datos avanzados del servidor</translation>
    </message>
    <message>
        <source>Enter the Directory that your server looks in for your HTML files. (Usually www or public_html)</source>
        <translation>Indique el directorio donde su servidor busca sus archivos HTML (suele ser www o public_html).</translation>
    </message>
    <message>
        <source>Full URL for your Web Site:</source>
        <translation>URL completa de su sitio web:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (sin cifrar)</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP con TLS (FTPS)</translation>
    </message>
    <message>
        <source>SFTP (over SSH)</source>
        <translation>SFTP (por SSH)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>To modify the address of the Server, select a server, and click NEXT</source>
        <translation>Para modificar la dirección de un servidor, selecciónelo y haga clic en SIGUIENTE</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Haga clic en FINALIZAR para volver a Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Atrás</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Siguiente &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please enter a valid description for your server.</source>
        <translation>Escriba una descripción válida para su servidor.</translation>
    </message>
    <message>
        <source>Please enter a valid address for your server.</source>
        <translation>Escriba una dirección válida para su servidor.</translation>
    </message>
    <message>
        <source>Please enter a valid login name for your server.</source>
        <translation>Escriba un nombre de usuario válido para su servidor.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Try these details on the server now: log in, enter the folder, write a small test file and remove it again.</source>
        <translation>Probar ahora estos datos en el servidor: iniciar sesión, entrar en la carpeta, escribir un pequeño archivo de prueba y eliminarlo de nuevo.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Se detuvo la prueba.</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first, for example ftp.yourisp.com.</source>
        <translation>Escriba primero la dirección del servidor, por ejemplo ftp.suproveedor.es.</translation>
    </message>
    <message>
        <source>&amp;Stop Test</source>
        <translation>&amp;Detener la prueba</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Leyendo la contraseña del llavero…</translation>
    </message>
    <message>
        <source>Tarvo could not read this server&apos;s password from the keyring (%1).</source>
        <translation>Tarvo no pudo leer la contraseña de este servidor del llavero (%1).</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Shall Tarvo make it?</source>
        <translation>La carpeta «%1» no existe en el servidor. ¿Desea que Tarvo la cree?</translation>
    </message>
    <message>
        <source>To edit a server in the list below, select the server and then click the Next button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Para editar un servidor de la lista de abajo, selecciónelo y haga clic en el botón Siguiente. Los servidores aparecen en el mismo orden en %1, en la etapa Enviar.</translation>
    </message>
    <message>
        <source>To delete a server in the list below, select the server and then click the Delete button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Para eliminar un servidor de la lista de abajo, selecciónelo y haga clic en el botón Eliminar. Los servidores aparecen en el mismo orden en %1, en la etapa Enviar.</translation>
    </message>
    <message>
        <source>Your new server is selected at the end of the list below. To change its place, click the arrows. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Su nuevo servidor está seleccionado al final de la lista de abajo. Para cambiar su posición, haga clic en las flechas. Los servidores aparecen en el mismo orden en %1, en la etapa Enviar.</translation>
    </message>
    <message>
        <source>Tarvo keeps your password in the desktop&apos;s keyring. Where there is none, it is only scrambled, not encrypted, in a settings file only you can read.</source>
        <translation>Tarvo guarda su contraseña en el llavero del escritorio. Si no hay ninguno, solo se guarda ofuscada, no cifrada, en un archivo de configuración que solo usted puede leer.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Esperando a que desbloquee el llavero…</translation>
    </message>
    <message>
        <source>Where visitors find the server folder on the web. With it, each page gets its own address and the site gets a sitemap.</source>
        <translation>Dónde encuentran los visitantes la carpeta del servidor en la web. Con ella, cada página recibe su propia dirección y el sitio un mapa del sitio.</translation>
    </message>
    <message>
        <source>Git repository (page hosts)</source>
        <translation>Repositorio Git (alojamiento de páginas)</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Rama:</translation>
    </message>
    <message>
        <source>Type the repository&apos;s address first, for example https://example.org/you/site.git.</source>
        <translation>Escriba primero la dirección del repositorio, por ejemplo https://example.org/you/site.git.</translation>
    </message>
    <message>
        <source>WebDAV over HTTPS</source>
        <translation>WebDAV sobre HTTPS</translation>
    </message>
    <message>
        <source>WebDAV (not encrypted)</source>
        <translation>WebDAV (sin cifrar)</translation>
    </message>
    <message>
        <source>Not encrypted: others on the network can read your password and pages.</source>
        <translation>Sin cifrar: otros en la red pueden leer su contraseña y sus páginas.</translation>
    </message>
</context>
<context>
    <name>TfrmSitePages</name>
    <message>
        <source>Pages and Menu</source>
        <translation>Páginas y menú</translation>
    </message>
    <message>
        <source>The pages of your site in the order of the menu. The menu shows the checked pages.</source>
        <translation>Las páginas de su sitio en el orden del menú. El menú muestra las páginas marcadas.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Words in the menu:</source>
        <translation>&amp;Texto en el menú:</translation>
    </message>
    <message>
        <source>&amp;Saved page:</source>
        <translation>Página &amp;guardada:</translation>
    </message>
    <message>
        <source>&amp;Add to Site</source>
        <translation>&amp;Añadir al sitio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The site is saved, but these pages could not be given the new menu:</source>
        <translation>El sitio se ha guardado, pero estas páginas no pudieron recibir el nuevo menú:</translation>
    </message>
    <message>
        <source>%1 (missing: the file %2 is no longer in the folder)</source>
        <translation>%1 (falta: el archivo %2 ya no está en la carpeta)</translation>
    </message>
    <message>
        <source>&amp;Pages and Menu…</source>
        <translation>&amp;Páginas y menú…</translation>
    </message>
    <message>
        <source>S&amp;ite</source>
        <translation>&amp;Sitio</translation>
    </message>
</context>
<context>
    <name>TfrmStyleWiz</name>
    <message>
        <source>Document Text</source>
        <translation>Texto del documento</translation>
    </message>
    <message>
        <source>Standard Link</source>
        <translation>Enlace normal</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Enlace activo</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Enlace visitado</translation>
    </message>
    <message>
        <source>Tarvo Style Wizard</source>
        <translation>Asistente de estilos de Tarvo</translation>
    </message>
    <message>
        <source>This Wizard helps you to create your own Styles to use with your Tarvo Web Pages</source>
        <translation>Este asistente le ayuda a crear sus propios estilos para sus páginas web de Tarvo</translation>
    </message>
    <message>
        <source>To create a Tarvo Style, you need to choose a combination of background image and text colours. Or you might just choose the colours to use without a background image.</source>
        <translation>Para crear un estilo de Tarvo, elija una combinación de imagen de fondo y colores de texto. O elija solo los colores, sin imagen de fondo.</translation>
    </message>
    <message>
        <source>You can press the HELP button at any time if you aren&apos;t sure of anything.</source>
        <translation>Si tiene alguna duda, pulse en cualquier momento el botón AYUDA.</translation>
    </message>
    <message>
        <source>To add a style to your list, click  NEXT.</source>
        <translation>Para añadir un estilo a su lista, haga clic en SIGUIENTE.</translation>
    </message>
    <message>
        <source>Add new Style to the Style list.</source>
        <translation>Añadir un estilo nuevo a la lista de estilos.</translation>
    </message>
    <message>
        <source>Modify a Style.</source>
        <translation>Modificar un estilo.</translation>
    </message>
    <message>
        <source>Delete a Style from the Style list.</source>
        <translation>Eliminar un estilo de la lista de estilos.</translation>
    </message>
    <message>
        <source>Enter a description for your Style e.g. My Groovy Style</source>
        <translation>Escriba una descripción para su estilo, p. ej. Mi estilo genial</translation>
    </message>
    <message>
        <source>Background Properties</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Choose a background image for your style.</source>
        <translation>Elija una imagen de fondo para su estilo.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Clear Image</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Text/Link Colours</source>
        <translation>Colores de texto y enlaces</translation>
    </message>
    <message>
        <source>To delete or move a style in the list below, select  the list and then click on the DELETE button, or one of the arrows. The order of the styles in the list below will be the same in the &apos;Styles&apos; Section of your Tarvo preview page.</source>
        <translation>Para eliminar o mover un estilo de la lista de abajo, selecciónelo y haga clic en el botón ELIMINAR o en una de las flechas. El orden de los estilos de abajo será el mismo que en la sección «Estilo» de su página de vista previa de Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>To modify the details of the Style, select a Style, and click NEXT</source>
        <translation>Para modificar los datos de un estilo, selecciónelo y haga clic en SIGUIENTE</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Haga clic en FINALIZAR para volver a Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Atrás</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Siguiente &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>, was </source>
        <translation>, antes </translation>
    </message>
    <message>
        <source>Please select a Style to edit before continuing.</source>
        <translation>Seleccione primero un estilo que editar.</translation>
    </message>
    <message>
        <source>Style List Changed</source>
        <translation>Lista de estilos modificada</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Style List?</source>
        <translation>¿Desea guardar los cambios en su lista de estilos?</translation>
    </message>
    <message>
        <source>Sorry. You must give this Style a name before you can add it to your Style List.</source>
        <translation>Lo sentimos. Tiene que dar un nombre a este estilo antes de añadirlo a su lista de estilos.</translation>
    </message>
    <message>
        <source>Your Style List could not be saved.
%1</source>
        <translation>No se pudo guardar su lista de estilos.
%1</translation>
    </message>
</context>
<context>
    <name>TfrmUpload</name>
    <message>
        <source>An error has occurred uploading the files to your Web server.</source>
        <translation>Se ha producido un error al subir los archivos a su servidor web.</translation>
    </message>
    <message>
        <source>Uploading Files to Web Server</source>
        <translation>Subiendo archivos al servidor web</translation>
    </message>
    <message>
        <source>Upload Progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>FTP Status:</source>
        <translation>Estado FTP:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Disconnected from Web Server.</source>
        <translation>Desconectado del servidor web.</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Leyendo la contraseña del llavero…</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the password of this server from the keyring.</source>
        <translation>No se pudo leer del llavero la contraseña de este servidor.</translation>
    </message>
    <message>
        <source>

Unlock the keyring, or type the password again in the server list, and try again.</source>
        <translation>

Desbloquee el llavero, o vuelva a escribir la contraseña en la lista de servidores, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection: check the address and port.</source>
        <translation>El servidor %1 rechazó la conexión: compruebe la dirección y el puerto.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address and port.</source>
        <translation>No se encontró el servidor %1: compruebe la dirección y el puerto.</translation>
    </message>
    <message>
        <source>The server %1 did not answer: check the address and port, or try again later.</source>
        <translation>El servidor %1 no respondió: compruebe la dirección y el puerto, o inténtelo más tarde.</translation>
    </message>
    <message>
        <source>These files were not sent:
</source>
        <translation>Estos archivos no se enviaron:
</translation>
    </message>
    <message>
        <source>Connection to Web Server cancelled.</source>
        <translation>Se canceló la conexión con el servidor web.</translation>
    </message>
    <message>
        <source>Couldn&apos;t log in.  Please check that the Login and Password are correct.</source>
        <translation>No se pudo iniciar sesión.  Compruebe que el usuario y la contraseña son correctos.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change to the specified directory.<byte value="xd"/><byte value="xd"/>Please check your directory details and try again.</source>
        <translation>No se pudo entrar en el directorio indicado.<byte value="xd"/><byte value="xd"/>Compruebe los datos del directorio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Tarvo reached the server %1 but could not log in.</source>
        <translation>Tarvo llegó al servidor %1, pero no pudo iniciar sesión.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Esperando a que desbloquee el llavero…</translation>
    </message>
    <message>
        <source>The files went to the server, but Tarvo could not keep these for putting this publish back later:

%1</source>
        <translation>Los archivos llegaron al servidor, pero Tarvo no pudo guardar estos para restaurar más tarde esta publicación:

%1</translation>
    </message>
</context>
<context>
    <name>TrustQuestion</name>
    <message>
        <source>Is this the right server?</source>
        <translation>¿Es este el servidor correcto?</translation>
    </message>
    <message>
        <source>host key</source>
        <translation>clave de host</translation>
    </message>
    <message>
        <source>certificate key</source>
        <translation>clave del certificado</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The upload was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

El servidor %2 muestra ahora esta %3:
%4

Se detuvo la subida. Pregunte a su proveedor si se cambió la clave del servidor; si es así, elimine la entrada del servidor y créela de nuevo.</translation>
    </message>
    <message>
        <source>%1

The server at %2 shows the %3
%4

Trust it only if you expected this, for instance because your host told you this fingerprint.</source>
        <translation>%1

El servidor %2 muestra esta %3:
%4

Confíe en él solo si lo esperaba, por ejemplo porque su proveedor le indicó esta huella.</translation>
    </message>
    <message>
        <source>Trust this server from now on</source>
        <translation>Confiar en este servidor a partir de ahora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The test was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

El servidor %2 muestra ahora esta %3:
%4

Se detuvo la prueba. Pregunte a su proveedor si se cambió la clave del servidor; si es así, elimine la entrada del servidor y créela de nuevo.</translation>
    </message>
</context>
<context>
    <name>UploadCommand</name>
    <message>
        <source>%1 unchanged files already on the server were not sent again</source>
        <translation>%1 archivos sin cambios que ya estaban en el servidor no se volvieron a enviar</translation>
    </message>
    <message>
        <source>could not connect to %1 (check the address and port): %2</source>
        <translation>no se pudo conectar con %1 (compruebe la dirección y el puerto): %2</translation>
    </message>
    <message>
        <source>%1 was not sent and the server&apos;s file is left as it is: %2</source>
        <translation>%1 no se envió y el archivo del servidor se deja como está: %2</translation>
    </message>
</context>
<context>
    <name>UploadList</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the page does not exist</source>
        <translation>la página no existe</translation>
    </message>
</context>
<context>
    <name>UploadSequence</name>
    <message>
        <source>Connecting to </source>
        <translation>Conectando con </translation>
    </message>
    <message>
        <source>Uploading files to Web Server...</source>
        <translation>Subiendo archivos al servidor web…</translation>
    </message>
    <message>
        <source>There is no page to send.</source>
        <translation>No hay ninguna página que enviar.</translation>
    </message>
    <message>
        <source>Disconnecting from Web Server...</source>
        <translation>Desconectando del servidor web…</translation>
    </message>
    <message>
        <source>Upload Completed.</source>
        <translation>Subida completada.</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>outside the page&apos;s folder</source>
        <translation>fuera de la carpeta de la página</translation>
    </message>
</context>
<context>
    <name>WebBlocks</name>
    <message>
        <source>1 (Largest)</source>
        <translation>1 (el mayor)</translation>
    </message>
    <message>
        <source>2 (Larger)</source>
        <translation>2 (mayor)</translation>
    </message>
    <message>
        <source>3 (Large)</source>
        <translation>3 (grande)</translation>
    </message>
    <message>
        <source>4 (Small)</source>
        <translation>4 (pequeño)</translation>
    </message>
    <message>
        <source>5 (Smaller)</source>
        <translation>5 (menor)</translation>
    </message>
    <message>
        <source>6 (Smallest)</source>
        <translation>6 (el menor)</translation>
    </message>
    <message>
        <source>6 (Thickest)</source>
        <translation>6 (la más gruesa)</translation>
    </message>
    <message>
        <source>5 (Thicker)</source>
        <translation>5 (más gruesa)</translation>
    </message>
    <message>
        <source>4 (Thick)</source>
        <translation>4 (gruesa)</translation>
    </message>
    <message>
        <source>3 (Thin)</source>
        <translation>3 (fina)</translation>
    </message>
    <message>
        <source>2 (Thinner)</source>
        <translation>2 (más fina)</translation>
    </message>
    <message>
        <source>1 (Thinnest)</source>
        <translation>1 (la más fina)</translation>
    </message>
</context>
<context>
    <name>WindowSize</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>&amp;Tamaño de la ventana</translation>
    </message>
    <message>
        <source>Tarvo will open at the new window size, %1 %, the next time it starts. Restart it now to see it?</source>
        <translation>Tarvo se abrirá con el nuevo tamaño de ventana, %1 %, la próxima vez que se inicie. ¿Reiniciarlo ahora para verlo?</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
</TS>
