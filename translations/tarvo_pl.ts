<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Made with care by Brenfold Software for everyone who wants a page of their own.</source>
        <translation>Zrobione z troską przez Brenfold Software dla wszystkich, którzy chcą mieć własną stronę.</translation>
    </message>
    <message>
        <source>Party time! You said the magic word: </source>
        <translation>Impreza! Wypowiedziano magiczne słowo: </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>AutoSave</name>
    <message>
        <source>an untitled page</source>
        <translation>strona bez tytułu</translation>
    </message>
    <message>
        <source>Tarvo was not closed normally. Your work on %1 was saved automatically on %2.

Do you want to bring it back?</source>
        <translation>Tarvo nie został prawidłowo zamknięty. Twoja praca (%1) została automatycznie zapisana: %2.

Czy ją przywrócić?</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <source>There has been an error previewing this site with your Web Browser.</source>
        <translation>Wystąpił błąd podczas wyświetlania tej strony w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>

No program that opens web pages was found on this computer. Install a web browser (and the xdg-utils package, which starts it), then try again.</source>
        <translation>

Na tym komputerze nie znaleziono programu, który otwiera strony internetowe. Zainstaluj przeglądarkę internetową (oraz pakiet xdg-utils, który ją uruchamia) i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) could not be run: %2. Check that a web browser is installed and chosen as the default one.</source>
        <translation>

Nie można uruchomić programu, który uruchamia przeglądarkę internetową (%1): %2. Sprawdź, czy przeglądarka jest zainstalowana i wybrana jako domyślna.</translation>
    </message>
    <message>
        <source>

You can open the page in a browser yourself; it is here:
</source>
        <translation>

Możesz samodzielnie otworzyć stronę w przeglądarce; znajduje się tutaj:
</translation>
    </message>
    <message>
        <source>

The program that starts your web browser (%1) found no browser to start, or the browser did not start (it ended with status %2). Check that a web browser is installed and chosen as the default one.</source>
        <translation>

Program, który uruchamia przeglądarkę internetową (%1), nie znalazł przeglądarki do uruchomienia albo przeglądarka się nie uruchomiła (kod wyjścia %2). Sprawdź, czy przeglądarka jest zainstalowana i wybrana jako domyślna.</translation>
    </message>
</context>
<context>
    <name>BuildCanvas</name>
    <message>
        <source>Toolbox: </source>
        <translation>Przybornik: </translation>
    </message>
    <message>
        <source> Web Blocks</source>
        <translation> bloki WWW</translation>
    </message>
    <message>
        <source>Delete Web Block</source>
        <translation>Usuń blok WWW</translation>
    </message>
</context>
<context>
    <name>CanvasKeys</name>
    <message>
        <source> block</source>
        <translation> (blok)</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>pełna szerokość</translation>
    </message>
    <message>
        <source>Up and Down choose a kind of block; Enter puts one on the page below the selected block.</source>
        <translation>Strzałki w górę i w dół wybierają rodzaj bloku; Enter wstawia go na stronę pod zaznaczonym blokiem.</translation>
    </message>
    <message>
        <source>Up and Down select a block, Alt+Up and Alt+Down move it, Delete shreds it, Enter edits it.</source>
        <translation>Strzałki w górę i w dół zaznaczają blok, Alt+Góra i Alt+Dół go przesuwają, Delete go niszczy, Enter go edytuje.</translation>
    </message>
    <message>
        <source>Toolbox: </source>
        <translation>Przybornik: </translation>
    </message>
    <message>
        <source>Page: empty</source>
        <translation>Strona: pusta</translation>
    </message>
    <message>
        <source>, %1 of %2</source>
        <translation>, %1 z %2</translation>
    </message>
</context>
<context>
    <name>FtpClient</name>
    <message>
        <source>The server&apos;s certificate has expired.</source>
        <translation>Certyfikat serwera wygasł.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid yet.</source>
        <translation>Certyfikat serwera nie jest jeszcze ważny.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is signed only by the server itself.</source>
        <translation>Certyfikat serwera jest podpisany tylko przez sam serwer.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was made for another name.</source>
        <translation>Certyfikat serwera wystawiono dla innej nazwy.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate comes from an authority this computer does not know.</source>
        <translation>Certyfikat serwera pochodzi od urzędu, którego ten komputer nie zna.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be verified.</source>
        <translation>Nie można zweryfikować certyfikatu serwera.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not the one you trusted before. </source>
        <translation>Certyfikat serwera nie jest tym, któremu wcześniej zaufano. </translation>
    </message>
    <message>
        <source>The server&apos;s host key has changed since you trusted it. Someone may be intercepting the connection, or the server was set up anew.</source>
        <translation>Klucz hosta serwera zmienił się od czasu, gdy mu zaufano. Ktoś może przechwytywać połączenie albo serwer skonfigurowano od nowa.</translation>
    </message>
    <message>
        <source>This is the first connection to this server, and its host key is not known yet.</source>
        <translation>To pierwsze połączenie z tym serwerem i jego klucz hosta nie jest jeszcze znany.</translation>
    </message>
    <message>
        <source>the file %1 could not be read</source>
        <translation>nie można odczytać pliku %1</translation>
    </message>
    <message>
        <source>The connection was refused.</source>
        <translation>Połączenie zostało odrzucone.</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>Nie można połączyć się z serwerem.</translation>
    </message>
    <message>
        <source>The server&apos;s name could not be found.</source>
        <translation>Nie można znaleźć nazwy serwera.</translation>
    </message>
    <message>
        <source>The server did not answer.</source>
        <translation>Serwer nie odpowiedział.</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>Przesyłanie zostało anulowane.</translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>Serwer zamknął połączenie.</translation>
    </message>
    <message>
        <source>A file could not be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The server&apos;s address is not valid.</source>
        <translation>Adres serwera jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>This server does not offer encrypted FTP. Choose &quot;FTP (not encrypted)&quot; or &quot;SFTP (over SSH)&quot; if your host offers either.</source>
        <translation>Ten serwer nie oferuje szyfrowanego FTP. Wybierz „FTP (bez szyfrowania)” lub „SFTP (przez SSH)”, jeśli dostawca oferuje któreś z nich.</translation>
    </message>
    <message>
        <source>The encrypted connection could not be set up: %1.</source>
        <translation>Nie można nawiązać szyfrowanego połączenia: %1.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Serwer odrzucił nazwę użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>The server replied: %1</source>
        <translation>Odpowiedź serwera: %1</translation>
    </message>
    <message>
        <source>The server details hold a line break.</source>
        <translation>Dane serwera zawierają znak nowego wiersza.</translation>
    </message>
    <message>
        <source>There is no connection to the server.</source>
        <translation>Brak połączenia z serwerem.</translation>
    </message>
    <message>
        <source>The folder name holds a line break.</source>
        <translation>Nazwa katalogu zawiera znak nowego wiersza.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not allowed: it climbs out with &quot;..&quot;.</source>
        <translation>Katalog „%1” jest niedozwolony: wychodzi w górę przez „..”.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a file name.</source>
        <translation>Zdalna nazwa „%1” nie jest nazwą pliku.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is outside the server folder.</source>
        <translation>Zdalna nazwa „%1” leży poza katalogiem serwera.</translation>
    </message>
    <message>
        <source>The remote name &quot;%1&quot; is not a plain file name.</source>
        <translation>Zdalna nazwa „%1” nie jest zwykłą nazwą pliku.</translation>
    </message>
    <message>
        <source>The folder&apos;s listing is too long.</source>
        <translation>Lista zawartości folderu jest za długa.</translation>
    </message>
    <message>
        <source>The name %1 cannot go into a Git repository.</source>
        <translation>Nazwa %1 nie może trafić do repozytorium Git.</translation>
    </message>
    <message>
        <source>The branch holds no file %1.</source>
        <translation>Gałąź nie zawiera pliku %1.</translation>
    </message>
    <message>
        <source>The server refused the user name, the token or the key.</source>
        <translation>Serwer odrzucił nazwę użytkownika, token lub klucz.</translation>
    </message>
    <message>
        <source>There is no Git repository at this address.</source>
        <translation>Pod tym adresem nie ma repozytorium Git.</translation>
    </message>
    <message>
        <source>The branch&apos;s name is not valid.</source>
        <translation>Nazwa gałęzi jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>The branch holds more than a web site would.</source>
        <translation>Gałąź zawiera więcej, niż miałaby strona internetowa.</translation>
    </message>
    <message>
        <source>The repository refused the new version of the branch (%1).</source>
        <translation>Repozytorium odrzuciło nową wersję gałęzi (%1).</translation>
    </message>
    <message>
        <source>Someone else changed the branch meanwhile; publish again to add your changes.</source>
        <translation>Ktoś inny zmienił w międzyczasie gałąź; opublikuj ponownie, aby dodać swoje zmiany.</translation>
    </message>
    <message>
        <source>The repository could not be used: %1.</source>
        <translation>Nie udało się użyć repozytorium: %1.</translation>
    </message>
    <message>
        <source>The server&apos;s folder listing could not be read.</source>
        <translation>Nie udało się odczytać listy folderu na serwerze.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>brak pliku %1</translation>
    </message>
    <message>
        <source>Publishing to Git repositories is not available here: %1</source>
        <translation>Publikowanie w repozytoriach Git nie jest tu dostępne: %1</translation>
    </message>
</context>
<context>
    <name>GalleryMenu</name>
    <message>
        <source>Are you sure you want to delete the Tarvo file &quot;%1&quot;?</source>
        <translation>Czy na pewno usunąć plik Tarvo „%1”?</translation>
    </message>
</context>
<context>
    <name>HelpSystem</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Co to jest?</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>&amp;Co to jest?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarvo Help</source>
        <translation>Pomoc programu Tarvo</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>The help pages were not found. They belong in the folder %1 beside the program.</source>
        <translation>Nie znaleziono stron pomocy. Powinny się znajdować w katalogu %1 obok programu.</translation>
    </message>
    <message>
        <source>There is no help for this item.</source>
        <translation>Brak pomocy dla tego elementu.</translation>
    </message>
</context>
<context>
    <name>HtmlDocument</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Nie można znaleźć pliku: </translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>Some pictures are not shown: together they would take more memory than one page may use.</source>
        <translation>Niektóre obrazy nie są pokazane: razem zajęłyby więcej pamięci, niż może użyć jedna strona.</translation>
    </message>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Nie można znaleźć pliku: </translation>
    </message>
</context>
<context>
    <name>HtmlWarn</name>
    <message>
        <source>HTML Change Alert</source>
        <translation>Uwaga na zmiany w HTML</translation>
    </message>
    <message>
        <source>If you make changes to your HTML directly, they will appear in your Web Page. However, if you move back to &apos;Build Your Page&apos;, these changes will be lost.</source>
        <translation>Jeśli zmienisz HTML bezpośrednio, zmiany pojawią się na stronie WWW. Jeśli jednak wrócisz do kroku „Zbuduj stronę”, te zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Any changes you make here will not appear next time you load your Tarvo file. Do you still want to make changes to your HTML?</source>
        <translation>Zmiany wprowadzone tutaj nie pojawią się przy następnym otwarciu pliku Tarvo. Czy mimo to chcesz zmienić HTML?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Nie pokazuj więcej tego okna.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer.</source>
        <translation>Baza kluczy nie odpowiedziała.</translation>
    </message>
    <message>
        <source>The keyring was not unlocked.</source>
        <translation>Baza kluczy nie została odblokowana.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this server, or it is locked.</source>
        <translation>Baza kluczy nie zawiera hasła do tego serwera albo jest zablokowana.</translation>
    </message>
</context>
<context>
    <name>LiveCheck</name>
    <message>
        <source>Checking whether your page is live at %1 ...</source>
        <translation>Tarvo sprawdza, czy strona jest dostępna pod adresem %1 ...</translation>
    </message>
    <message>
        <source>Your page is live at %1</source>
        <translation>Twoja strona jest już dostępna pod adresem %1</translation>
    </message>
    <message>
        <source>The server holds the new page, but %1 shows an older one: the web address may point to another folder</source>
        <translation>Serwer ma nową stronę, ale %1 pokazuje starszą: adres internetowy może wskazywać inny folder</translation>
    </message>
    <message>
        <source>%1 answers 404: check the folder and the web address</source>
        <translation>%1 odpowiada 404: sprawdź folder i adres internetowy</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 answers %2, so it is not seen there yet</source>
        <translation>Strona została wysłana, ale %1 odpowiada %2, więc jeszcze jej tam nie widać</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo could not connect to %1, so it is not seen there yet</source>
        <translation>Strona została wysłana, ale Tarvo nie mógł połączyć się z %1, więc jeszcze jej tam nie widać</translation>
    </message>
    <message>
        <source>Your page was sent, but %1 did not answer within %2 seconds, so it is not seen there yet</source>
        <translation>Strona została wysłana, ale %1 nie odpowiedział w ciągu %2 s, więc jeszcze jej tam nie widać</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: the web server&apos;s certificate is not trusted</source>
        <translation>Strona została wysłana, ale Tarvo nie widzi jej jeszcze pod adresem %1: certyfikat serwera WWW nie jest zaufany</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet</source>
        <translation>Strona została wysłana, ale Tarvo nie widzi jej jeszcze pod adresem %1</translation>
    </message>
    <message>
        <source>Your page was sent, but Tarvo cannot see it at %1 yet: %2</source>
        <translation>Strona została wysłana, ale Tarvo nie widzi jej jeszcze pod adresem %1: %2</translation>
    </message>
</context>
<context>
    <name>PageCheckup</name>
    <message>
        <source>Block %1: </source>
        <translation>Blok %1: </translation>
    </message>
    <message>
        <source>The text colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>Kolor tekstu jest trudny do odczytania na tle (kontrast %1:1, potrzeba co najmniej 4,5:1).</translation>
    </message>
    <message>
        <source>The link colour is hard to read on the background (contrast %1:1, at least 4.5:1 is needed).</source>
        <translation>Kolor odnośników jest trudny do odczytania na tle (kontrast %1:1, potrzeba co najmniej 4,5:1).</translation>
    </message>
    <message>
        <source>The page has no title: give it one in the View stage.</source>
        <translation>Strona nie ma tytułu: nadaj go na etapie Widok.</translation>
    </message>
    <message>
        <source>The page has no description for search engines and link previews.</source>
        <translation>Strona nie ma opisu dla wyszukiwarek i podglądów odnośników.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; has no words for visitors who cannot see it.</source>
        <translation>Obraz „%1” nie ma opisu dla odwiedzających, którzy go nie widzą.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is %2 × %3 pixels but shown much smaller: a smaller copy loads faster.</source>
        <translation>Obraz „%1” ma %2 × %3 pikseli, ale jest pokazany znacznie mniejszy: mniejsza kopia wczyta się szybciej.</translation>
    </message>
    <message>
        <source>A link has no words: visitors cannot tell where it goes.</source>
        <translation>Odnośnik nie ma słów: odwiedzający nie wiedzą, dokąd prowadzi.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; does not say where it goes: use words that name its page.</source>
        <translation>Odnośnik „%1” nie mówi, dokąd prowadzi: użyj słów, które nazywają jego stronę.</translation>
    </message>
    <message>
        <source>The link to &quot;%1&quot; leads to a page that does not exist.</source>
        <translation>Odnośnik do „%1” prowadzi do strony, która nie istnieje.</translation>
    </message>
    <message>
        <source>This heading of size %1 follows one of size %2 and skips a level.</source>
        <translation>Ten nagłówek rozmiaru %1 następuje po nagłówku rozmiaru %2 i pomija poziom.</translation>
    </message>
    <message>
        <source>The page weighs %1 MB with its pictures: over 2 MB it loads slowly on phones.</source>
        <translation>Strona waży %1 MB z obrazami: powyżej 2 MB wczytuje się na telefonach powoli.</translation>
    </message>
    <message>
        <source>Nothing on this page needs attention.</source>
        <translation>Nic na tej stronie nie wymaga uwagi.</translation>
    </message>
    <message>
        <source>Check Page</source>
        <translation>Sprawdź stronę</translation>
    </message>
    <message>
        <source>&amp;Check Page...</source>
        <translation>&amp;Sprawdź stronę...</translation>
    </message>
</context>
<context>
    <name>PageEncoding</name>
    <message>
        <source>This page&apos;s HTML says its character set is &quot;%1&quot;, which cannot hold &quot;%2&quot;.

Write the page in UTF-8 instead (its character set line is changed to say so)? If you answer No, the page&apos;s HTML file is not written.</source>
        <translation>Według HTML tej strony jej zestaw znaków to „%1”, który nie może zawierać „%2”.

Czy zapisać stronę w UTF-8 (wiersz z zestawem znaków zostanie odpowiednio zmieniony)? Jeśli odpowiesz Nie, plik HTML strony nie zostanie zapisany.</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page.</source>
        <translation>%1 nie jest stroną Tarvo.</translation>
    </message>
    <message>
        <source>%1 is not a Tarvo page: its version &quot;%2&quot; is not a version number.</source>
        <translation>%1 nie jest stroną Tarvo: jej wersja „%2” nie jest numerem wersji.</translation>
    </message>
    <message>
        <source>%1 is a Tarvo page of version %2, which this Tarvo cannot read.</source>
        <translation>%1 jest stroną Tarvo w wersji %2, której ta wersja Tarvo nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>the blocks end early</source>
        <translation>bloki kończą się przedwcześnie</translation>
    </message>
    <message>
        <source>a block of unknown kind %1</source>
        <translation>blok nieznanego rodzaju %1</translation>
    </message>
    <message>
        <source>a text runs past the end of the file</source>
        <translation>tekst wychodzi poza koniec pliku</translation>
    </message>
    <message>
        <source>a text is impossibly long</source>
        <translation>tekst jest niemożliwie długi</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>plik kończy się przedwcześnie</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); %3 of %4 blocks were read.</source>
        <translation>%1 jest uszkodzony (%2); odczytano bloki: %3 z %4.</translation>
    </message>
    <message>
        <source>The disk is full: your page was not saved; the last saved version is kept.</source>
        <translation>Dysk jest pełny: strony nie zapisano; zachowano ostatnio zapisaną wersję.</translation>
    </message>
</context>
<context>
    <name>PageHistory</name>
    <message>
        <source>Paragraph</source>
        <translation>Akapit</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odnośnik</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Nagłówek</translation>
    </message>
    <message>
        <source>E-mail Link</source>
        <translation>Odnośnik e-mail</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Insert </source>
        <translation>Wstaw: </translation>
    </message>
    <message>
        <source>Move </source>
        <translation>Przesuń: </translation>
    </message>
    <message>
        <source>Shred </source>
        <translation>Zniszcz: </translation>
    </message>
    <message>
        <source>New Line after </source>
        <translation>Nowy wiersz po: </translation>
    </message>
    <message>
        <source>Align </source>
        <translation>Wyrównaj: </translation>
    </message>
    <message>
        <source>Edit </source>
        <translation>Edytuj: </translation>
    </message>
</context>
<context>
    <name>PageSession</name>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Make Template</source>
        <translation>Utwórz szablon</translation>
    </message>
    <message>
        <source> Your page was kept as it was.</source>
        <translation> Strona pozostała bez zmian.</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>Pliki BMP (*.bmp)</translation>
    </message>
    <message>
        <source>WebP Files (*.webp)</source>
        <translation>Pliki WebP (*.webp)</translation>
    </message>
    <message>
        <source>TIFF Files (*.tif *.tiff)</source>
        <translation>Pliki TIFF (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>Pictures (</source>
        <translation>Obrazy (</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>Pliki JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Pliki PNG (*.png)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>Pliki GIF (*.gif)</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> B</translation>
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
        <translation> pikseli, </translation>
    </message>
</context>
<context>
    <name>PictureQuestion</name>
    <message>
        <source>Picture for the Web</source>
        <translation>Obraz do sieci</translation>
    </message>
    <message>
        <source>This picture is %1 × %2 pixels and %3</source>
        <translation>Ten obraz ma %1 × %2 pikseli i %3</translation>
    </message>
    <message>
        <source>: a page that carries it is slow to send to your web server and slow to open on a phone.

A web-sized copy is at most %1 pixels wide and high, turned the right way up and saved for the web, without hidden details such as where a photo was taken. Your original file stays as it is.</source>
        <translation>: strona, która go zawiera, długo wysyła się na serwer WWW i długo otwiera się na telefonie.

Kopia w rozmiarze do sieci ma najwyżej %1 pikseli szerokości i wysokości, jest obrócona właściwą stroną do góry i zapisana do sieci, bez ukrytych danych, takich jak miejsce zrobienia zdjęcia. Oryginalny plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Do the same for every picture from now on</source>
        <translation>Od teraz postępuj tak z każdym obrazem</translation>
    </message>
    <message>
        <source>Make pictures web-sized (recommended)</source>
        <translation>Zmniejsz obrazy do sieci (zalecane)</translation>
    </message>
    <message>
        <source>Keep the original</source>
        <translation>Zachowaj oryginał</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>The picture could not be copied into the folder &quot;%1&quot;.</source>
        <translation>Nie można skopiować obrazu do katalogu „%1”.</translation>
    </message>
</context>
<context>
    <name>ProgramKeys</name>
    <message>
        <source>&amp;Choose a Page</source>
        <translation>&amp;Wybierz stronę</translation>
    </message>
    <message>
        <source>Choose a page</source>
        <translation>Wybierz stronę</translation>
    </message>
    <message>
        <source>&amp;Build your Page</source>
        <translation>&amp;Zbuduj stronę</translation>
    </message>
    <message>
        <source>Build your page</source>
        <translation>Zbuduj stronę</translation>
    </message>
    <message>
        <source>&amp;View your Page</source>
        <translation>&amp;Obejrzyj stronę</translation>
    </message>
    <message>
        <source>View your page</source>
        <translation>Obejrzyj stronę</translation>
    </message>
    <message>
        <source>&amp;Send it to the Web</source>
        <translation>Wyślij do &amp;sieci</translation>
    </message>
    <message>
        <source>Send it to the Web</source>
        <translation>Wyślij do sieci</translation>
    </message>
    <message>
        <source>S&amp;ent</source>
        <translation>Wysł&amp;ano</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>E&amp;tap</translation>
    </message>
    <message>
        <source>Current stage: </source>
        <translation>Bieżący etap: </translation>
    </message>
    <message>
        <source>Stages</source>
        <translation>Etapy</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Etap %1: %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Preview size</source>
        <translation>Rozmiar podglądu</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Podgląd strony</translation>
    </message>
    <message>
        <source>HTML of the page</source>
        <translation>HTML strony</translation>
    </message>
</context>
<context>
    <name>PropertyPanels</name>
    <message>
        <source>Left Align</source>
        <translation>Wyrównanie do lewej</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Wyrównaj do lewej</translation>
    </message>
    <message>
        <source>Center Align</source>
        <translation>Wyśrodkowanie</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Wyrównaj do prawej</translation>
    </message>
    <message>
        <source>Start new line for next block</source>
        <translation>Zacznij następny blok w nowym wierszu</translation>
    </message>
    <message>
        <source>A paragraph will appear as a block of text.</source>
        <translation>Akapit pojawia się jako blok tekstu.</translation>
    </message>
    <message>
        <source>You can align this block of text to the left, center or right of the page. Type your text in the field below; you can use simple HTML tags here.</source>
        <translation>Ten blok tekstu możesz wyrównać do lewej, do środka lub do prawej strony. Wpisz tekst w polu poniżej; możesz użyć prostych znaczników HTML.</translation>
    </message>
    <message>
        <source>Type your paragraph text here:</source>
        <translation>Wpisz tutaj tekst akapitu:</translation>
    </message>
    <message>
        <source>When readers of your page click on this link, it takes them to any web site whose URL you enter.</source>
        <translation>Gdy czytelnicy strony klikną ten odnośnik, przejdą do witryny, której adres URL podasz.</translation>
    </message>
    <message>
        <source> What is the URL of the page you wish to link to?</source>
        <translation> Jaki jest adres URL strony docelowej?</translation>
    </message>
    <message>
        <source>Any text to display before the link?</source>
        <translation>Tekst przed odnośnikiem?</translation>
    </message>
    <message>
        <source> What is the text to click on?</source>
        <translation> Jaki tekst ma być klikalny?</translation>
    </message>
    <message>
        <source>Any other text to follow this link?</source>
        <translation>Tekst po odnośniku?</translation>
    </message>
    <message>
        <source>e.g. Text before link</source>
        <translation>np. Tekst przed odnośnikiem</translation>
    </message>
    <message>
        <source>text after link.</source>
        <translation>tekst po odnośniku.</translation>
    </message>
    <message>
        <source>Add an image to your page.  Images help to liven up a Web Page.</source>
        <translation>Dodaj obraz do strony.  Obrazy ożywiają stronę WWW.</translation>
    </message>
    <message>
        <source>Enter the location of your image file :</source>
        <translation>Podaj położenie pliku z obrazem:</translation>
    </message>
    <message>
        <source>Choose an image file</source>
        <translation>Wybierz plik z obrazem</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source> Width :</source>
        <translation> Szerokość:</translation>
    </message>
    <message>
        <source>Text description of the image :</source>
        <translation>Opis tekstowy obrazu:</translation>
    </message>
    <message>
        <source>What the picture shows</source>
        <translation>Co przedstawia obraz</translation>
    </message>
    <message>
        <source>⚠ Needed</source>
        <translation>⚠ Wymagany</translation>
    </message>
    <message>
        <source>Screen readers read this description to people who cannot see the picture, and browsers show it when the picture does not load.</source>
        <translation>Czytniki ekranu odczytują ten opis osobom, które nie widzą obrazu, a przeglądarki pokazują go, gdy obraz się nie wczyta.</translation>
    </message>
    <message>
        <source>You can make this image a link to another Web Page. Just type in the URL below.</source>
        <translation>Ten obraz może być odnośnikiem do innej strony WWW. Wystarczy wpisać poniżej adres URL.</translation>
    </message>
    <message>
        <source>The heading is the title for your page or a section of the page.</source>
        <translation>Nagłówek to tytuł strony lub jej części.</translation>
    </message>
    <message>
        <source>People often use H1 (the biggest size) headings at the start, then smaller ones for the rest.  But you can use different sizes for any effects you want, anywhere you want.</source>
        <translation>Zwykle na początku stoi nagłówek H1 (największy), a dalej mniejsze.  Możesz jednak używać różnych rozmiarów w dowolnym miejscu, by uzyskać dowolny efekt.</translation>
    </message>
    <message>
        <source>Heading text:</source>
        <translation>Tekst nagłówka:</translation>
    </message>
    <message>
        <source> What is the size of the heading?</source>
        <translation> Jaki ma być rozmiar nagłówka?</translation>
    </message>
    <message>
        <source> When readers of your page click on this link, it pops up an e-mail screen pre-addressed to you or anyone you choose.</source>
        <translation> Gdy czytelnicy strony klikną ten odnośnik, otworzy się okno wiadomości e-mail zaadresowanej do Ciebie lub do wybranej osoby.</translation>
    </message>
    <message>
        <source> What is the e-mail address?</source>
        <translation> Jaki jest adres e-mail?</translation>
    </message>
    <message>
        <source>Any text to appear before the e-mail link?</source>
        <translation>Tekst przed odnośnikiem e-mail?</translation>
    </message>
    <message>
        <source> What is the text to click on for the e-mail link?</source>
        <translation> Jaki tekst ma być odnośnikiem e-mail?</translation>
    </message>
    <message>
        <source>Any other text to follow this e-mail link?</source>
        <translation>Tekst po odnośniku e-mail?</translation>
    </message>
    <message>
        <source>e.g. Text before</source>
        <translation>np. Tekst przed</translation>
    </message>
    <message>
        <source>text to click on</source>
        <translation>tekst do kliknięcia</translation>
    </message>
    <message>
        <source>text after.</source>
        <translation>tekst po.</translation>
    </message>
    <message>
        <source>Create a horizontal line for design effect.</source>
        <translation>Utwórz poziomą linię jako element wystroju.</translation>
    </message>
    <message>
        <source>If you leave the boxes blank, the line will appear all the way (100%) across the page.  Lines are a good way to separate your page contents, for example, separating a picture from some text.</source>
        <translation>Jeśli zostawisz pola puste, linia będzie biegła przez całą szerokość strony (100%).  Linie dobrze oddzielają zawartość strony, na przykład obraz od tekstu.</translation>
    </message>
    <message>
        <source>How wide is this line (as a percentage of the page)</source>
        <translation>Szerokość linii (w procentach szerokości strony)</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grubość</translation>
    </message>
    <message>
        <source>Decoration only</source>
        <translation>Tylko ozdoba</translation>
    </message>
    <message>
        <source>The picture only decorates the page (a border, a flourish): screen readers pass over it, and it needs no description.</source>
        <translation>Obrazek tylko zdobi stronę (ramka, ornament): czytniki ekranu go pomijają i nie potrzebuje opisu.</translation>
    </message>
</context>
<context>
    <name>PropertyPanelsWire</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>web-sized from </source>
        <translation>pomniejszono z </translation>
    </message>
    <message>
        <source>converted, was </source>
        <translation>przekonwertowano, wcześniej </translation>
    </message>
</context>
<context>
    <name>PublishHistory</name>
    <message>
        <source>%1  %2  %3, %4 of %5 files sent (%6 bytes)</source>
        <translation>%1  %2  %3, wysłano %4 z %5 plików (%6 bajtów)</translation>
    </message>
    <message>
        <source>; an earlier publish put back</source>
        <translation>; przywrócono wcześniejszą publikację</translation>
    </message>
    <message>
        <source>; not complete</source>
        <translation>; niepełna</translation>
    </message>
    <message>
        <source>; its files are no longer kept</source>
        <translation>; jej pliki nie są już przechowywane</translation>
    </message>
    <message>
        <source>There is no publish %1.</source>
        <translation>Nie ma publikacji %1.</translation>
    </message>
    <message>
        <source>The files of publish %1 are no longer kept.</source>
        <translation>Pliki publikacji %1 nie są już przechowywane.</translation>
    </message>
    <message>
        <source>The kept version of %1 is missing or damaged.</source>
        <translation>Przechowywanej wersji %1 brak lub jest uszkodzona.</translation>
    </message>
    <message>
        <source>%1 is too large to be kept for a put-back.</source>
        <translation>%1 jest zbyt duży, by go przechować do przywrócenia.</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Cannot create file %1: %2.</source>
        <translation>Nie można utworzyć pliku %1: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>„%1” jest plikiem, a nie folderem</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>folder „%1” nie istnieje</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>you are not allowed to write there</source>
        <translation>nie masz uprawnień do zapisu w tym miejscu</translation>
    </message>
    <message>
        <source>the disk can only be read</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>istnieje już folder o tej nazwie</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>dysk zgłosił błąd</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to another place, and Tarvo does not write through links</source>
        <translation>„%1” jest dowiązaniem do innego miejsca, a Tarvo nie zapisuje przez dowiązania</translation>
    </message>
    <message>
        <source>it would lie outside the folder &quot;%1&quot;</source>
        <translation>znalazłby się poza folderem „%1”</translation>
    </message>
</context>
<context>
    <name>SaveInfo</name>
    <message>
        <source>File Save Information</source>
        <translation>Informacja o zapisywaniu</translation>
    </message>
    <message>
        <source>If this is your first Web Page, and you want it to be the default page that people see when they visit your Web Site, you should save this file under the name &apos;index&apos;. This will create a file called &apos;index.html&apos; on your Web Server.</source>
        <translation>Jeśli to Twoja pierwsza strona WWW i ma to być strona, którą zobaczą odwiedzający Twoją witrynę, zapisz ten plik pod nazwą „index”. Na serwerze WWW powstanie wtedy plik „index.html”.</translation>
    </message>
    <message>
        <source>Click here for a tutorial creating links.</source>
        <translation>Kliknij tutaj, aby zobaczyć samouczek tworzenia odnośników.</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Nie pokazuj więcej tego okna.</translation>
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
        <translation>walidator W3C</translation>
    </message>
    <message>
        <source>the W3C on Accessibility</source>
        <translation>stronę W3C o dostępności</translation>
    </message>
    <message>
        <source>Rotate Web</source>
        <translation>Obróć sieć</translation>
    </message>
    <message>
        <source>Click the logo to visit Brenfold Software</source>
        <translation>Kliknij logo, aby odwiedzić Brenfold Software</translation>
    </message>
    <message>
        <source>Click the logo to view your Web Page</source>
        <translation>Kliknij logo, aby obejrzeć swoją stronę WWW</translation>
    </message>
    <message>
        <source>Click the logo to visit %1</source>
        <translation>Kliknij logo, aby odwiedzić %1</translation>
    </message>
</context>
<context>
    <name>ServerBox</name>
    <message>
        <source>WWW Server to Upload to:</source>
        <translation>Serwer WWW docelowy:</translation>
    </message>
    <message>
        <source>Edit WWW Server List</source>
        <translation>Edytuj listę serwerów</translation>
    </message>
</context>
<context>
    <name>ServerList</name>
    <message>
        <source>The settings file %1 could not be written.</source>
        <translation>Nie można zapisać pliku ustawień %1.</translation>
    </message>
</context>
<context>
    <name>ServerWizardFlow</name>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Odczytywanie hasła z bazy kluczy…</translation>
    </message>
    <message>
        <source>The keyring did not give the password; it stays there unless you type a new one.</source>
        <translation>Baza kluczy nie wydała hasła; pozostanie ono w niej, dopóki nie wpiszesz nowego.</translation>
    </message>
    <message>
        <source>WWW Server List Changed</source>
        <translation>Zmieniono listę serwerów WWW</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your WWW Server List?</source>
        <translation>Czy zapisać zmiany na liście serwerów WWW?</translation>
    </message>
    <message>
        <source>Your WWW Server List could not be saved.
%1</source>
        <translation>Nie można zapisać listy serwerów WWW.
%1</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Czekam, aż odblokujesz bazę kluczy…</translation>
    </message>
</context>
<context>
    <name>SiteExport</name>
    <message>
        <source>outside the chosen folder</source>
        <translation>poza wybranym katalogiem</translation>
    </message>
</context>
<context>
    <name>SiteFiles</name>
    <message>
        <source>Page not found</source>
        <translation>Nie znaleziono strony</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Pod tym adresem nie ma żadnej strony.</translation>
    </message>
    <message>
        <source>Go to the home page</source>
        <translation>Przejdź do strony głównej</translation>
    </message>
</context>
<context>
    <name>SiteMenu</name>
    <message>
        <source>The web address must be a whole address starting with https:// or http://, such as https://www.example.org/choir/.</source>
        <translation>Adres internetowy musi być pełnym adresem zaczynającym się od https:// lub http://, na przykład https://www.example.org/chor/.</translation>
    </message>
</context>
<context>
    <name>SiteStaging</name>
    <message>
        <source>outside the site&apos;s folder</source>
        <translation>poza folderem witryny</translation>
    </message>
</context>
<context>
    <name>StageSwitch</name>
    <message>
        <source>You have made changes to your HTML. If you go back now, you will lose these changes. Do you want to go back?</source>
        <translation>Zmieniono HTML. Jeśli teraz wrócisz, te zmiany zostaną utracone. Czy chcesz wrócić?</translation>
    </message>
    <message>
        <source> - Untitled</source>
        <translation> - Bez tytułu</translation>
    </message>
    <message>
        <source>Click here to toggle your preview size from normal to full screen.</source>
        <translation>Kliknij tutaj, aby przełączyć podgląd między normalnym rozmiarem a pełnym ekranem.</translation>
    </message>
    <message>
        <source>Full: shows the preview of your page across the whole window. It works on the View stage.</source>
        <translation>Pełny: pokazuje podgląd strony w całym oknie. Działa na etapie Podgląd.</translation>
    </message>
</context>
<context>
    <name>StyleNames</name>
    <message>
        <source>[None]</source>
        <translation>[Brak]</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Niebo</translation>
    </message>
    <message>
        <source>Sunshine</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Las</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Ocean</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Róża</translation>
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
        <translation>Pliki Tarvo (*.tve)</translation>
    </message>
    <message>
        <source>Tarvo Template (*.tvt)</source>
        <translation>Szablon Tarvo (*.tvt)</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Tarvo File?</source>
        <translation>Czy zapisać zmiany w pliku Tarvo?</translation>
    </message>
    <message>
        <source>Before uploading this file, you will need to save the Tarvo File.</source>
        <translation>Przed przesłaniem tego pliku trzeba zapisać plik Tarvo.</translation>
    </message>
    <message>
        <source>%1 was changed on the disk by another program or Tarvo window since you opened or saved it here.

Yes: save your page under another name and keep both.
No: overwrite the file with your page.
Cancel: do not save.</source>
        <translation>Plik %1 został zmieniony na dysku przez inny program lub inne okno Tarvo od czasu, gdy go tu otwarto lub zapisano.

Tak: zapisz stronę pod inną nazwą i zachowaj oba pliki.
Nie: zastąp plik swoją stroną.
Anuluj: nie zapisuj.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Your page has changes that are not saved yet. Tarvo saves them to &quot;%1&quot; and then sends the page.</source>
        <translation>Strona ma niezapisane zmiany. Tarvo zapisze je w „%1”, a potem wyśle stronę.</translation>
    </message>
    <message>
        <source>Always save before sending, without asking</source>
        <translation>Zawsze zapisuj przed wysłaniem, bez pytania</translation>
    </message>
    <message>
        <source>Tarvo page</source>
        <translation>Strona Tarvo</translation>
    </message>
    <message>
        <source>Tarvo template</source>
        <translation>Szablon Tarvo</translation>
    </message>
</context>
<context>
    <name>TGallery</name>
    <message>
        <source>Welcome to Tarvo, the easy way to the Web!</source>
        <translation>Witaj w Tarvo – najprostszej drodze do sieci!</translation>
    </message>
    <message>
        <source>You can choose a pre-designed page template below, or skip straight to &apos;build your page&apos; and design your page from scratch.  (You can change any page, any time, by moving WebBlocks.)</source>
        <translation>Poniżej możesz wybrać gotowy szablon strony albo od razu przejść do kroku „Zbuduj stronę” i zaprojektować stronę od zera.  (Każdą stronę możesz zmienić w dowolnej chwili, przesuwając bloki WWW.)</translation>
    </message>
    <message>
        <source> Web Pages:</source>
        <translation> Strony WWW:</translation>
    </message>
    <message>
        <source>Select your file to open.</source>
        <translation>Wybierz plik do otwarcia.</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Podgląd:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>Co to jest?</translation>
    </message>
</context>
<context>
    <name>THTMLViewer</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Choose a WWW server in the Send stage first: the history is kept for each server and folder.</source>
        <translation>Najpierw wybierz serwer WWW na etapie Wysyłania: historia jest prowadzona dla każdego serwera i folderu.</translation>
    </message>
    <message>
        <source>Se&amp;nd</source>
        <translation>W&amp;yślij</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historia: %1</translation>
    </message>
    <message>
        <source>&amp;Put Back</source>
        <translation>P&amp;rzywróć</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>What was published to %1, newest first:</source>
        <translation>Co opublikowano na %1, od najnowszych:</translation>
    </message>
    <message>
        <source>What was published to the folder “%1” of %2, newest first:</source>
        <translation>Co opublikowano w folderze „%1” na %2, od najnowszych:</translation>
    </message>
    <message>
        <source>Nothing was published there yet.</source>
        <translation>Nic jeszcze tam nie opublikowano.</translation>
    </message>
    <message>
        <source>This is what the server holds now.</source>
        <translation>To jest obecna zawartość serwera.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again; nothing else on the server is touched.</source>
        <translation>Przywróć ponownie wysyła pliki tej publikacji; niczego innego na serwerze nie rusza.</translation>
    </message>
    <message>
        <source>Put Back sends this publish&apos;s files again and removes the files added since (%1); nothing else on the server is touched.</source>
        <translation>Przywróć ponownie wysyła pliki tej publikacji i usuwa pliki dodane później (%1); niczego innego na serwerze nie rusza.</translation>
    </message>
</context>
<context>
    <name>TLiveNotice</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Tarvo looks again in a few seconds.</source>
        <translation>Tarvo sprawdzi ponownie za kilka sekund.</translation>
    </message>
</context>
<context>
    <name>TPropertyPanels</name>
    <message>
        <source>Link to one of your saved pages</source>
        <translation>Odnośnik do jednej z zapisanych stron</translation>
    </message>
    <message>
        <source>My pages</source>
        <translation>Moje strony</translation>
    </message>
</context>
<context>
    <name>TSendPanel</name>
    <message>
        <source>Files to upload to the server:</source>
        <translation>Pliki do wysłania:</translation>
    </message>
    <message>
        <source>There is no WWW server to upload your page to yet.

Click &quot;Edit WWW Server List&quot; and enter the details your Internet provider gave you, then click your page again.</source>
        <translation>Nie ma jeszcze serwera WWW, na który można przesłać stronę.

Kliknij „Edytuj listę serwerów”, wpisz dane otrzymane od dostawcy internetu, a potem ponownie kliknij swoją stronę.</translation>
    </message>
    <message>
        <source>Please save your page first.

The upload sends the page as it was last saved, so it needs a name on your computer.</source>
        <translation>Najpierw zapisz stronę.

Przesyłana jest strona w ostatnio zapisanej postaci, więc potrzebuje nazwy na tym komputerze.</translation>
    </message>
    <message>
        <source>Send every file again</source>
        <translation>Wyślij znowu wszystkie pliki</translation>
    </message>
    <message>
        <source>E&amp;xport Site...</source>
        <translation>&amp;Eksportuj witrynę…</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nowy</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmieniony</translation>
    </message>
    <message>
        <source>sent again</source>
        <translation>wysłany ponownie</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>To send: %1 of %2 files, %3</source>
        <translation>Do wysłania: pliki %1 z %2, %3</translation>
    </message>
    <message>
        <source>Export Site</source>
        <translation>Eksportuj witrynę</translation>
    </message>
    <message>
        <source>Your site is in %1: %2 files, ready to send to your web server by hand.</source>
        <translation>Witryna znajduje się w %1 (pliki: %2) i jest gotowa do ręcznego przesłania na serwer WWW.</translation>
    </message>
    <message>
        <source>These files of your site were not written to %1:

%2</source>
        <translation>Tych plików witryny nie zapisano w %1:

%2</translation>
    </message>
    <message>
        <source>not sent: </source>
        <translation>nie wysłano: </translation>
    </message>
    <message>
        <source>%1 already holds files of these names with other contents:

%2

Do you want to replace them?</source>
        <translation>%1 zawiera już pliki o tych nazwach z inną zawartością:

%2

Czy je zastąpić?</translation>
    </message>
    <message>
        <source>Your page is named &quot;%1&quot;. Web servers show the page called &quot;index.html&quot;, in small letters, to people who visit your site, and many of them tell capital and small letters apart: visitors may not find your page.

Send it as &quot;index.html&quot; instead?</source>
        <translation>Strona nazywa się „%1”. Serwery WWW pokazują odwiedzającym witrynę stronę o nazwie „index.html”, pisanej małymi literami, a wiele z nich odróżnia wielkie litery od małych: odwiedzający mogą nie znaleźć strony.

Czy wysłać ją jako „index.html”?</translation>
    </message>
    <message>
        <source>left alone: the server&apos;s own</source>
        <translation>pozostawiony: należy do serwera</translation>
    </message>
    <message>
        <source>new, if the server has none</source>
        <translation>nowy, jeśli serwer nie ma własnego</translation>
    </message>
</context>
<context>
    <name>TSentRecord</name>
    <message>
        <source>The next upload sends every file again.</source>
        <translation>Następne przesyłanie wyśle ponownie wszystkie pliki.</translation>
    </message>
</context>
<context>
    <name>TServerProbe</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Łączenie z %1…</translation>
    </message>
    <message>
        <source>your login folder</source>
        <translation>katalog logowania</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not make its test file on this computer.</source>
        <translation>Tarvo zalogował się i otworzył %1, ale nie mógł utworzyć pliku testowego na tym komputerze.</translation>
    </message>
    <message>
        <source>Writing a test file to %1...</source>
        <translation>Zapisywanie pliku testowego w %1…</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s host key is not trusted.</source>
        <translation>Tarvo się nie zalogował: klucz hosta serwera nie jest zaufany.</translation>
    </message>
    <message>
        <source>Tarvo did not log in: the server&apos;s certificate is not trusted.</source>
        <translation>Tarvo się nie zalogował: certyfikat serwera nie jest zaufany.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection on port %2: check the address and port.</source>
        <translation>Serwer %1 odrzucił połączenie na porcie %2: sprawdź adres i port.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address.</source>
        <translation>Nie można znaleźć serwera %1: sprawdź adres.</translation>
    </message>
    <message>
        <source>The server %1 did not answer on port %2: check the address and port, or try again later.</source>
        <translation>Serwer %1 nie odpowiedział na porcie %2: sprawdź adres i port albo spróbuj później.</translation>
    </message>
    <message>
        <source>The server %1 refused the login name or password: check both.</source>
        <translation>Serwer %1 odrzucił nazwę użytkownika lub hasło: sprawdź oba.</translation>
    </message>
    <message>
        <source>Tarvo reached %1 but could not log in (%2).</source>
        <translation>Tarvo połączył się z %1, ale nie mógł się zalogować (%2).</translation>
    </message>
    <message>
        <source>Entering the folder %1...</source>
        <translation>Otwieranie katalogu %1…</translation>
    </message>
    <message>
        <source>Tarvo could log in but could not enter the folder %1 (%2).</source>
        <translation>Tarvo zalogował się, ale nie mógł otworzyć katalogu %1 (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist (%2) and was not made.</source>
        <translation>Tarvo zalogował się, ale katalog %1 nie istnieje (%2) i nie został utworzony.</translation>
    </message>
    <message>
        <source>Tarvo could log in, but the folder %1 does not exist and was not made.</source>
        <translation>Tarvo zalogował się, ale katalog %1 nie istnieje i nie został utworzony.</translation>
    </message>
    <message>
        <source>Making the folder %1...</source>
        <translation>Tworzenie katalogu %1…</translation>
    </message>
    <message>
        <source>Tarvo could not make the folder %1 (%2).</source>
        <translation>Tarvo nie mógł utworzyć katalogu %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and the server refused to make it (%2).</source>
        <translation>Katalog %1 nie istnieje, a serwer odmówił jego utworzenia (%2).</translation>
    </message>
    <message>
        <source>Tarvo made the folder %1 but could not enter it (%2).</source>
        <translation>Tarvo utworzył katalog %1, ale nie mógł go otworzyć (%2).</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but the server refused to let it write there (%2).</source>
        <translation>Tarvo zalogował się i otworzył %1, ale serwer nie pozwolił na zapis w tym miejscu (%2).</translation>
    </message>
    <message>
        <source>Removing the test file...</source>
        <translation>Usuwanie pliku testowego…</translation>
    </message>
    <message>
        <source>Tarvo could write to %1, but could not remove its test file %2 (%3): please remove it yourself.</source>
        <translation>Tarvo mógł zapisać w %1, ale nie mógł usunąć pliku testowego %2 (%3): usuń go samodzielnie.</translation>
    </message>
    <message>
        <source>Tarvo could log in and write to %1: this server is ready.</source>
        <translation>Tarvo zalogował się i zapisał w %1: ten serwer jest gotowy.</translation>
    </message>
    <message>
        <source>The test was stopped; its test file %1 may be left in %2.</source>
        <translation>Test został zatrzymany; plik testowy %1 mógł pozostać w %2.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Test został zatrzymany.</translation>
    </message>
    <message>
        <source>Tarvo could log in and enter %1, but could not write a file there (%2).</source>
        <translation>Tarvo zalogował się i otworzył %1, ale nie mógł zapisać tam pliku (%2).</translation>
    </message>
</context>
<context>
    <name>TUploadSequence</name>
    <message>
        <source>Your old page is still on the server; no other file was sent.</source>
        <translation>Poprzednia strona jest nadal na serwerze; nie wysłano żadnego innego pliku.</translation>
    </message>
    <message>
        <source>Your old page is still on the server; %1 of %2 new files were sent.</source>
        <translation>Poprzednia strona jest nadal na serwerze; wysłano nowe pliki: %1 z %2.</translation>
    </message>
    <message>
        <source>Your page was not sent, and no other file was.</source>
        <translation>Strona nie została wysłana, żaden inny plik również.</translation>
    </message>
    <message>
        <source>Your page was not sent (the server shows what it showed before); %1 of %2 other files were sent.</source>
        <translation>Strona nie została wysłana (serwer pokazuje to samo co wcześniej); wysłano inne pliki: %1 z %2.</translation>
    </message>
    <message>
        <source>The branch is as it was: nothing of this upload was published.</source>
        <translation>Gałąź pozostała bez zmian: nic z tego wysyłania nie zostało opublikowane.</translation>
    </message>
    <message>
        <source>Tarvo could not see whether the server folder has a file of that name</source>
        <translation>Tarvo nie mogło sprawdzić, czy folder na serwerze ma plik o tej nazwie</translation>
    </message>
    <message>
        <source>the server folder has a file of that name that Tarvo did not put there</source>
        <translation>folder na serwerze ma plik o tej nazwie, którego nie umieściło tam Tarvo</translation>
    </message>
</context>
<context>
    <name>TViewStage</name>
    <message>
        <source>Click the Web tab to preview your page.  You can change the look by returning to &apos;Build Your Page&apos;, or click on HTML to see the code Tarvo has created.  If you know HTML, you can change the code to change your page.  If not - learn it right here!</source>
        <translation>Na karcie Web widać stronę.  Wygląd zmienisz w kroku „Zbuduj stronę”; na karcie HTML jest kod Tarvo.  Jeśli znasz HTML, możesz go zmienić – jeśli nie, naucz się tutaj!</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Tytuł strony:</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>Edit Styles</source>
        <translation>Edytuj style</translation>
    </message>
    <message>
        <source>Insert Tarvo Logo</source>
        <translation>Wstaw logo Tarvo</translation>
    </message>
    <message>
        <source>Fit phone screens</source>
        <translation>Dopasuj do telefonów</translation>
    </message>
    <message>
        <source>Lay the page out at the width of a phone&apos;s screen, with pictures no wider than the screen. Desktop browsers show it as before.</source>
        <translation>Układa stronę na szerokość ekranu telefonu, z obrazami nie szerszymi niż ekran. Przeglądarki na komputerze pokazują ją jak dotąd.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Show the preview as wide as a desktop window allows.</source>
        <translation>Pokaż podgląd tak szeroki, jak pozwala okno na komputerze.</translation>
    </message>
    <message>
        <source>Show the preview at the width of a phone&apos;s screen.</source>
        <translation>Pokaż podgląd na szerokość ekranu telefonu.</translation>
    </message>
    <message>
        <source>the template&apos;s title</source>
        <translation>tytuł szablonu</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Język strony:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>One sentence about the page for search engines and link previews. Left empty, the first sentence of the page&apos;s first paragraph is used.</source>
        <translation>Jedno zdanie o stronie dla wyszukiwarek i podglądów linków. Puste pole oznacza pierwsze zdanie pierwszego akapitu strony.</translation>
    </message>
    <message>
        <source>Readable layout</source>
        <translation>Czytelny układ</translation>
    </message>
    <message>
        <source>Set the text in a centred column of reading width, in the system&apos;s sans-serif font, with pictures no wider than the column.</source>
        <translation>Układa tekst w wyśrodkowanej kolumnie o szerokości wygodnej do czytania, systemową czcionką bezszeryfową, z obrazami nie szerszymi niż kolumna.</translation>
    </message>
    <message>
        <source>This is still the title of the template your page was made from. Type your page&apos;s own title here.</source>
        <translation>To wciąż tytuł szablonu, z którego powstała strona. Wpisz tutaj własny tytuł strony.</translation>
    </message>
    <message>
        <source>(none, as written before)</source>
        <translation>(brak, jak dotąd)</translation>
    </message>
    <message>
        <source>Icon:</source>
        <translation>Ikona:</translation>
    </message>
    <message>
        <source>The small picture browsers show beside the page&apos;s title, in tabs and bookmarks.</source>
        <translation>Mały obrazek, który przeglądarki pokazują obok tytułu strony, na kartach i w zakładkach.</translation>
    </message>
    <message>
        <source>The title&apos;s first letter</source>
        <translation>Pierwsza litera tytułu</translation>
    </message>
    <message>
        <source>Another picture...</source>
        <translation>Inny obrazek...</translation>
    </message>
    <message>
        <source>Choose the page&apos;s icon</source>
        <translation>Wybierz ikonę strony</translation>
    </message>
    <message>
        <source>Show the site menu</source>
        <translation>Pokaż menu witryny</translation>
    </message>
    <message>
        <source>Put the menu of the pages of this folder at the top of the page.</source>
        <translation>Umieść u góry strony menu stron z tego folderu.</translation>
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
        <translation>Klub lub drużyna</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Rodzina</translation>
    </message>
    <message>
        <source>Hobby</source>
        <translation>Hobby</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Strona główna</translation>
    </message>
    <message>
        <source>Invitation</source>
        <translation>Zaproszenie</translation>
    </message>
    <message>
        <source>Photo Album</source>
        <translation>Album ze zdjęciami</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Sklep</translation>
    </message>
</context>
<context>
    <name>TfrmJoy</name>
    <message>
        <source>Upload Successful</source>
        <translation>Przesyłanie udane</translation>
    </message>
    <message>
        <source>Congratulations, your page has been successfully uploaded to the Internet.</source>
        <translation>Gratulacje, strona została pomyślnie przesłana do internetu.</translation>
    </message>
    <message>
        <source>If you click on your page under the magnifying glass you can view your page using your favorite Web Browser. And after that why not rotate the web and check out the Web Pages of the people who helped you get on the Internet.</source>
        <translation>Jeśli klikniesz swoją stronę pod lupą, zobaczysz ją w ulubionej przeglądarce internetowej. A potem może obrócisz sieć i odwiedzisz strony WWW tych, którzy pomogli Ci trafić do internetu?</translation>
    </message>
    <message>
        <source>Don&apos;t show this screen again.</source>
        <translation>Nie pokazuj więcej tego okna.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>If for some reason you can&apos;t click on your page to go and see your page on the Web, your ISP may have a non-standard upload procedure or you don&apos;t have a Web Browser on your system.</source>
        <translation>Jeśli z jakiegoś powodu nie możesz kliknąć strony, aby zobaczyć ją w sieci, Twój dostawca może mieć nietypową procedurę wysyłania albo w systemie nie ma przeglądarki internetowej.</translation>
    </message>
    <message>
        <source>If your system has a Web Browser, contact your ISP for help to see your page on the Web.</source>
        <translation>Jeśli w systemie jest przeglądarka internetowa, poproś dostawcę o pomoc w obejrzeniu strony w sieci.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
    <message>
        <source>&amp;Make Template</source>
        <translation>Utwórz &amp;szablon</translation>
    </message>
    <message>
        <source>External Preview</source>
        <translation>Podgląd zewnętrzny</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie Tarvo</translation>
    </message>
    <message>
        <source>Drag Web Blocks over, then up/down to create your page layout.</source>
        <translation>Przeciągnij bloki WWW i układaj je w górę lub w dół.</translation>
    </message>
    <message>
        <source>Fill in the appropriate details to complete your Web Block.</source>
        <translation>Uzupełnij dane bloku WWW.</translation>
    </message>
    <message>
        <source>Click here to leave Tarvo.</source>
        <translation>Kliknij tutaj, aby zakończyć pracę z Tarvo.</translation>
    </message>
</context>
<context>
    <name>TfrmServerWizard</name>
    <message>
        <source>Edit WWW Server List Wizard</source>
        <translation>Kreator listy serwerów WWW</translation>
    </message>
    <message>
        <source>Generic</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>This Wizard aids you in the construction of a server list. This list is used to allow you to easily transfer your files to the internet.</source>
        <translation>Ten kreator pomaga utworzyć listę serwerów. Dzięki niej łatwo przeniesiesz pliki do internetu.</translation>
    </message>
    <message>
        <source>A Server is a computer that is connected to the internet. This is the computer that you &apos;Logon&apos; to when you are surfing. Apart from this, there is nothing all that special about a Server. </source>
        <translation>Serwer to komputer podłączony do internetu. To z nim się „łączysz”, gdy surfujesz. Poza tym nie ma w serwerze nic szczególnego. </translation>
    </message>
    <message>
        <source>Add new server details to the server list.</source>
        <translation>Dodaj nowy serwer do listy serwerów.</translation>
    </message>
    <message>
        <source>Modify server settings.</source>
        <translation>Zmień ustawienia serwera.</translation>
    </message>
    <message>
        <source>Delete a server from the server list.</source>
        <translation>Usuń serwer z listy serwerów.</translation>
    </message>
    <message>
        <source>If you don&apos;t know the address of your server, or are confused by all this terminology, then press the HELP button. </source>
        <translation>Jeśli nie znasz adresu serwera albo gubisz się w tych wszystkich terminach, naciśnij przycisk POMOC. </translation>
    </message>
    <message>
        <source>Enter a description for your Server e.g. My Web Server</source>
        <translation>Wpisz opis serwera, np. Mój serwer WWW</translation>
    </message>
    <message>
        <source>Enter your Server&apos;s address e.g. ftp.yourisp.com</source>
        <translation>Wpisz adres serwera, np. ftp.twojdostawca.pl</translation>
    </message>
    <message>
        <source>ftp.yourisp.com, or ftp.yourisp.com:2222 for another port</source>
        <translation>ftp.twojdostawca.pl lub ftp.twojdostawca.pl:2222 dla innego portu</translation>
    </message>
    <message>
        <source>If your provider names a port, add it after a colon, e.g. ftp.yourisp.com:2222. Without one the usual port is used.</source>
        <translation>Jeśli dostawca podaje port, dopisz go po dwukropku, np. ftp.twojdostawca.pl:2222. Bez niego używany jest zwykły port.</translation>
    </message>
    <message>
        <source>Enter your &apos;Login&apos; name. This name is supplied to you by your Internet Service Provider. (ISP)</source>
        <translation>Wpisz nazwę użytkownika. Otrzymujesz ją od dostawcy internetu.</translation>
    </message>
    <message>
        <source>Enter your password. (given to you by your ISP)</source>
        <translation>Wpisz hasło (otrzymane od dostawcy).</translation>
    </message>
    <message>
        <source>Select Internet Service Provider</source>
        <translation>Wybierz dostawcę internetu</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>Zaawan&amp;sowane</translation>
    </message>
    <message>
        <source>Advanced Server Details</source>
        <translation>Zaawansowane dane serwera</translation>
    </message>
    <message>
        <source>Enter the Directory that your server looks in for your HTML files. (Usually www or public_html)</source>
        <translation>Podaj katalog, w którym serwer szuka plików HTML (zwykle www lub public_html).</translation>
    </message>
    <message>
        <source>Full URL for your Web Site:</source>
        <translation>Pełny adres URL witryny:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Połączenie:</translation>
    </message>
    <message>
        <source>FTP (not encrypted)</source>
        <translation>FTP (bez szyfrowania)</translation>
    </message>
    <message>
        <source>FTP with TLS (FTPS)</source>
        <translation>FTP z TLS (FTPS)</translation>
    </message>
    <message>
        <source>SFTP (over SSH)</source>
        <translation>SFTP (przez SSH)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>To modify the address of the Server, select a server, and click NEXT</source>
        <translation>Aby zmienić adres serwera, zaznacz go i kliknij DALEJ</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Kliknij ZAKOŃCZ, aby wrócić do Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Wstecz</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Dalej &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Please enter a valid description for your server.</source>
        <translation>Wpisz prawidłowy opis serwera.</translation>
    </message>
    <message>
        <source>Please enter a valid address for your server.</source>
        <translation>Wpisz prawidłowy adres serwera.</translation>
    </message>
    <message>
        <source>Please enter a valid login name for your server.</source>
        <translation>Wpisz prawidłową nazwę użytkownika serwera.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testuj</translation>
    </message>
    <message>
        <source>Try these details on the server now: log in, enter the folder, write a small test file and remove it again.</source>
        <translation>Wypróbuj teraz te dane na serwerze: zaloguj się, otwórz katalog, zapisz mały plik testowy i usuń go.</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Test został zatrzymany.</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first, for example ftp.yourisp.com.</source>
        <translation>Najpierw wpisz adres serwera, na przykład ftp.twojdostawca.pl.</translation>
    </message>
    <message>
        <source>&amp;Stop Test</source>
        <translation>Zat&amp;rzymaj test</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Odczytywanie hasła z bazy kluczy…</translation>
    </message>
    <message>
        <source>Tarvo could not read this server&apos;s password from the keyring (%1).</source>
        <translation>Tarvo nie mógł odczytać hasła tego serwera z bazy kluczy (%1).</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist on the server. Shall Tarvo make it?</source>
        <translation>Katalog „%1” nie istnieje na serwerze. Czy Tarvo ma go utworzyć?</translation>
    </message>
    <message>
        <source>To edit a server in the list below, select the server and then click the Next button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Aby edytować serwer z poniższej listy, zaznacz go i kliknij przycisk Dalej. Serwery są wymienione w tej samej kolejności w polu %1 na etapie Wysyłanie.</translation>
    </message>
    <message>
        <source>To delete a server in the list below, select the server and then click the Delete button. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Aby usunąć serwer z poniższej listy, zaznacz go i kliknij przycisk Usuń. Serwery są wymienione w tej samej kolejności w polu %1 na etapie Wysyłanie.</translation>
    </message>
    <message>
        <source>Your new server is selected at the end of the list below. To change its place, click the arrows. The servers are listed in the same order under %1 on the Send stage.</source>
        <translation>Nowy serwer jest zaznaczony na końcu poniższej listy. Aby zmienić jego miejsce, kliknij strzałki. Serwery są wymienione w tej samej kolejności w polu %1 na etapie Wysyłanie.</translation>
    </message>
    <message>
        <source>Tarvo keeps your password in the desktop&apos;s keyring. Where there is none, it is only scrambled, not encrypted, in a settings file only you can read.</source>
        <translation>Tarvo przechowuje hasło w bazie kluczy pulpitu. Jeśli jej nie ma, hasło jest tylko zamaskowane, a nie zaszyfrowane, w pliku ustawień, który możesz czytać tylko Ty.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Czekam, aż odblokujesz bazę kluczy…</translation>
    </message>
    <message>
        <source>Where visitors find the server folder on the web. With it, each page gets its own address and the site gets a sitemap.</source>
        <translation>Gdzie odwiedzający znajdą folder serwera w sieci. Dzięki niemu każda strona dostaje własny adres, a witryna mapę witryny.</translation>
    </message>
    <message>
        <source>Git repository (page hosts)</source>
        <translation>Repozytorium Git (hosting stron)</translation>
    </message>
    <message>
        <source>Branch:</source>
        <translation>Gałąź:</translation>
    </message>
    <message>
        <source>Type the repository&apos;s address first, for example https://example.org/you/site.git.</source>
        <translation>Najpierw wpisz adres repozytorium, na przykład https://example.org/you/site.git.</translation>
    </message>
    <message>
        <source>WebDAV over HTTPS</source>
        <translation>WebDAV przez HTTPS</translation>
    </message>
    <message>
        <source>WebDAV (not encrypted)</source>
        <translation>WebDAV (bez szyfrowania)</translation>
    </message>
    <message>
        <source>Not encrypted: others on the network can read your password and pages.</source>
        <translation>Bez szyfrowania: inni w sieci mogą odczytać Twoje hasło i strony.</translation>
    </message>
</context>
<context>
    <name>TfrmSitePages</name>
    <message>
        <source>Pages and Menu</source>
        <translation>Strony i menu</translation>
    </message>
    <message>
        <source>The pages of your site in the order of the menu. The menu shows the checked pages.</source>
        <translation>Strony Twojej witryny w kolejności menu. Menu pokazuje zaznaczone strony.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Words in the menu:</source>
        <translation>&amp;Tekst w menu:</translation>
    </message>
    <message>
        <source>&amp;Saved page:</source>
        <translation>&amp;Zapisana strona:</translation>
    </message>
    <message>
        <source>&amp;Add to Site</source>
        <translation>Dod&amp;aj do witryny</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The site is saved, but these pages could not be given the new menu:</source>
        <translation>Witryna została zapisana, ale te strony nie mogły otrzymać nowego menu:</translation>
    </message>
    <message>
        <source>%1 (missing: the file %2 is no longer in the folder)</source>
        <translation>%1 (brak: pliku %2 nie ma już w folderze)</translation>
    </message>
    <message>
        <source>&amp;Pages and Menu…</source>
        <translation>&amp;Strony i menu…</translation>
    </message>
    <message>
        <source>S&amp;ite</source>
        <translation>W&amp;itryna</translation>
    </message>
</context>
<context>
    <name>TfrmStyleWiz</name>
    <message>
        <source>Document Text</source>
        <translation>Tekst dokumentu</translation>
    </message>
    <message>
        <source>Standard Link</source>
        <translation>Zwykły odnośnik</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Aktywny odnośnik</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Odwiedzony odnośnik</translation>
    </message>
    <message>
        <source>Tarvo Style Wizard</source>
        <translation>Kreator stylów Tarvo</translation>
    </message>
    <message>
        <source>This Wizard helps you to create your own Styles to use with your Tarvo Web Pages</source>
        <translation>Ten kreator pomaga tworzyć własne style do stron WWW Tarvo</translation>
    </message>
    <message>
        <source>To create a Tarvo Style, you need to choose a combination of background image and text colours. Or you might just choose the colours to use without a background image.</source>
        <translation>Aby utworzyć styl Tarvo, wybierz zestaw obrazu tła i kolorów tekstu. Możesz też wybrać same kolory, bez obrazu tła.</translation>
    </message>
    <message>
        <source>You can press the HELP button at any time if you aren&apos;t sure of anything.</source>
        <translation>Jeśli czegoś nie wiesz, w każdej chwili naciśnij przycisk POMOC.</translation>
    </message>
    <message>
        <source>To add a style to your list, click  NEXT.</source>
        <translation>Aby dodać styl do listy, kliknij DALEJ.</translation>
    </message>
    <message>
        <source>Add new Style to the Style list.</source>
        <translation>Dodaj nowy styl do listy stylów.</translation>
    </message>
    <message>
        <source>Modify a Style.</source>
        <translation>Zmień styl.</translation>
    </message>
    <message>
        <source>Delete a Style from the Style list.</source>
        <translation>Usuń styl z listy stylów.</translation>
    </message>
    <message>
        <source>Enter a description for your Style e.g. My Groovy Style</source>
        <translation>Wpisz opis stylu, np. Mój odlotowy styl</translation>
    </message>
    <message>
        <source>Background Properties</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Choose a background image for your style.</source>
        <translation>Wybierz obraz tła dla stylu.</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Clear Image</source>
        <translation>Usuń obraz</translation>
    </message>
    <message>
        <source>Text/Link Colours</source>
        <translation>Kolory tekstu i odnośników</translation>
    </message>
    <message>
        <source>To delete or move a style in the list below, select  the list and then click on the DELETE button, or one of the arrows. The order of the styles in the list below will be the same in the &apos;Styles&apos; Section of your Tarvo preview page.</source>
        <translation>Aby usunąć lub przesunąć styl z listy poniżej, zaznacz go i kliknij przycisk USUŃ albo jedną ze strzałek. Kolejność stylów na liście poniżej będzie taka sama jak w części „Styl” strony podglądu Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>To modify the details of the Style, select a Style, and click NEXT</source>
        <translation>Aby zmienić szczegóły stylu, zaznacz go i kliknij DALEJ</translation>
    </message>
    <message>
        <source>Click FINISH to return to Tarvo.</source>
        <translation>Kliknij ZAKOŃCZ, aby wrócić do Tarvo.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Wstecz</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Dalej &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>, was </source>
        <translation>, wcześniej </translation>
    </message>
    <message>
        <source>Please select a Style to edit before continuing.</source>
        <translation>Najpierw zaznacz styl do edycji.</translation>
    </message>
    <message>
        <source>Style List Changed</source>
        <translation>Zmieniono listę stylów</translation>
    </message>
    <message>
        <source>Do you want to save the changes to your Style List?</source>
        <translation>Czy zapisać zmiany na liście stylów?</translation>
    </message>
    <message>
        <source>Sorry. You must give this Style a name before you can add it to your Style List.</source>
        <translation>Niestety, przed dodaniem stylu do listy stylów trzeba nadać mu nazwę.</translation>
    </message>
    <message>
        <source>Your Style List could not be saved.
%1</source>
        <translation>Nie można zapisać listy stylów.
%1</translation>
    </message>
</context>
<context>
    <name>TfrmUpload</name>
    <message>
        <source>An error has occurred uploading the files to your Web server.</source>
        <translation>Wystąpił błąd podczas przesyłania plików na serwer WWW.</translation>
    </message>
    <message>
        <source>Uploading Files to Web Server</source>
        <translation>Przesyłanie plików na serwer WWW</translation>
    </message>
    <message>
        <source>Upload Progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>FTP Status:</source>
        <translation>Stan FTP:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Disconnected from Web Server.</source>
        <translation>Rozłączono z serwerem WWW.</translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation>Odczytywanie hasła z bazy kluczy…</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the password of this server from the keyring.</source>
        <translation>Nie można odczytać hasła tego serwera z bazy kluczy.</translation>
    </message>
    <message>
        <source>

Unlock the keyring, or type the password again in the server list, and try again.</source>
        <translation>

Odblokuj bazę kluczy albo wpisz ponownie hasło na liście serwerów i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection: check the address and port.</source>
        <translation>Serwer %1 odrzucił połączenie: sprawdź adres i port.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: check the address and port.</source>
        <translation>Nie można znaleźć serwera %1: sprawdź adres i port.</translation>
    </message>
    <message>
        <source>The server %1 did not answer: check the address and port, or try again later.</source>
        <translation>Serwer %1 nie odpowiedział: sprawdź adres i port albo spróbuj później.</translation>
    </message>
    <message>
        <source>These files were not sent:
</source>
        <translation>Tych plików nie wysłano:
</translation>
    </message>
    <message>
        <source>Connection to Web Server cancelled.</source>
        <translation>Anulowano połączenie z serwerem WWW.</translation>
    </message>
    <message>
        <source>Couldn&apos;t log in.  Please check that the Login and Password are correct.</source>
        <translation>Nie można się zalogować.  Sprawdź, czy nazwa użytkownika i hasło są poprawne.</translation>
    </message>
    <message>
        <source>Couldn&apos;t change to the specified directory.<byte value="xd"/><byte value="xd"/>Please check your directory details and try again.</source>
        <translation>Nie można otworzyć podanego katalogu.<byte value="xd"/><byte value="xd"/>Sprawdź dane katalogu i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Tarvo reached the server %1 but could not log in.</source>
        <translation>Tarvo połączył się z serwerem %1, ale nie mógł się zalogować.</translation>
    </message>
    <message>
        <source>Waiting for you to unlock the keyring...</source>
        <translation>Czekam, aż odblokujesz bazę kluczy…</translation>
    </message>
    <message>
        <source>The files went to the server, but Tarvo could not keep these for putting this publish back later:

%1</source>
        <translation>Pliki trafiły na serwer, ale Tarvo nie mógł zachować tych plików, by później przywrócić tę publikację:

%1</translation>
    </message>
</context>
<context>
    <name>TrustQuestion</name>
    <message>
        <source>Is this the right server?</source>
        <translation>Czy to właściwy serwer?</translation>
    </message>
    <message>
        <source>host key</source>
        <translation>klucz hosta</translation>
    </message>
    <message>
        <source>certificate key</source>
        <translation>klucz certyfikatu</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The upload was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

Serwer %2 pokazuje teraz ten %3:
%4

Przesyłanie zostało zatrzymane. Zapytaj dostawcę, czy klucz serwera został zmieniony; jeśli tak, usuń wpis serwera i utwórz go od nowa.</translation>
    </message>
    <message>
        <source>%1

The server at %2 shows the %3
%4

Trust it only if you expected this, for instance because your host told you this fingerprint.</source>
        <translation>%1

Serwer %2 pokazuje ten %3:
%4

Zaufaj mu tylko wtedy, gdy się tego spodziewasz, na przykład dlatego, że dostawca podał Ci ten odcisk.</translation>
    </message>
    <message>
        <source>Trust this server from now on</source>
        <translation>Od teraz ufaj temu serwerowi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1

The server at %2 now shows the %3
%4

The test was stopped. Ask your host whether the server&apos;s key was changed; if it was, remove the server&apos;s entry and make it again.</source>
        <translation>%1

Serwer %2 pokazuje teraz ten %3:
%4

Test został zatrzymany. Zapytaj dostawcę, czy klucz serwera został zmieniony; jeśli tak, usuń wpis serwera i utwórz go od nowa.</translation>
    </message>
</context>
<context>
    <name>UploadCommand</name>
    <message>
        <source>%1 unchanged files already on the server were not sent again</source>
        <translation>Niezmienione pliki, które już są na serwerze, nie zostały wysłane ponownie (%1)</translation>
    </message>
    <message>
        <source>could not connect to %1 (check the address and port): %2</source>
        <translation>nie można połączyć się z %1 (sprawdź adres i port): %2</translation>
    </message>
    <message>
        <source>%1 was not sent and the server&apos;s file is left as it is: %2</source>
        <translation>%1 nie został wysłany, a plik na serwerze pozostaje bez zmian: %2</translation>
    </message>
</context>
<context>
    <name>UploadList</name>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>the page does not exist</source>
        <translation>strona nie istnieje</translation>
    </message>
</context>
<context>
    <name>UploadSequence</name>
    <message>
        <source>Connecting to </source>
        <translation>Łączenie z </translation>
    </message>
    <message>
        <source>Uploading files to Web Server...</source>
        <translation>Przesyłanie plików na serwer WWW…</translation>
    </message>
    <message>
        <source>There is no page to send.</source>
        <translation>Nie ma strony do wysłania.</translation>
    </message>
    <message>
        <source>Disconnecting from Web Server...</source>
        <translation>Rozłączanie z serwerem WWW…</translation>
    </message>
    <message>
        <source>Upload Completed.</source>
        <translation>Przesyłanie zakończone.</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>outside the page&apos;s folder</source>
        <translation>poza katalogiem strony</translation>
    </message>
</context>
<context>
    <name>WebBlocks</name>
    <message>
        <source>1 (Largest)</source>
        <translation>1 (największy)</translation>
    </message>
    <message>
        <source>2 (Larger)</source>
        <translation>2 (większy)</translation>
    </message>
    <message>
        <source>3 (Large)</source>
        <translation>3 (duży)</translation>
    </message>
    <message>
        <source>4 (Small)</source>
        <translation>4 (mały)</translation>
    </message>
    <message>
        <source>5 (Smaller)</source>
        <translation>5 (mniejszy)</translation>
    </message>
    <message>
        <source>6 (Smallest)</source>
        <translation>6 (najmniejszy)</translation>
    </message>
    <message>
        <source>6 (Thickest)</source>
        <translation>6 (najgrubsza)</translation>
    </message>
    <message>
        <source>5 (Thicker)</source>
        <translation>5 (grubsza)</translation>
    </message>
    <message>
        <source>4 (Thick)</source>
        <translation>4 (gruba)</translation>
    </message>
    <message>
        <source>3 (Thin)</source>
        <translation>3 (cienka)</translation>
    </message>
    <message>
        <source>2 (Thinner)</source>
        <translation>2 (cieńsza)</translation>
    </message>
    <message>
        <source>1 (Thinnest)</source>
        <translation>1 (najcieńsza)</translation>
    </message>
</context>
<context>
    <name>WindowSize</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>&amp;Rozmiar okna</translation>
    </message>
    <message>
        <source>Tarvo will open at the new window size, %1 %, the next time it starts. Restart it now to see it?</source>
        <translation>Przy następnym uruchomieniu Tarvo otworzy się w nowym rozmiarze okna, %1 %. Uruchomić go ponownie teraz?</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Uruchom ponownie teraz</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
</context>
</TS>
