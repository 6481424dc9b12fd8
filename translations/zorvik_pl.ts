<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images to zaawansowany program do wyświetlania obrazów podprogowych. Program dociera do podświadomości i przesyła jej pozytywne komunikaty, pomagając wykształcić pozytywne nastawienie. Skupiając się na wybranych obrazach podprogowych, można także zwiększyć pewność siebie i poczucie własnej wartości, a tym samym osiągnąć swoje cele.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Odwiedź %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Okazja biznesowa w domu. Załóż własny biznes internetowy i zarabiaj w sieci. Otrzymaj ten program w pełni oznaczony marką Twojej witryny.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Kliknij, by poznać szczegóły</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Otwiera %1 w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Otwiera stronę o pełnym oznakowaniu marką w przeglądarce internetowej</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Włączone</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Godziny aktywności</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Od</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;do</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Przedział może objąć północ; ta sama godzina dwa razy to cały dzień. Poza tymi godzinami wyświetlanie czeka.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Wyświetla na chwilę na ekranie wybrane obrazy w regularnych odstępach czasu.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Uruchamia się zminimalizowany z włączonym wyświetlaniem, jak po naciśnięciu przycisku Uruchom.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Spróbuj „%1 --help”.</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Zatrzymuje wyświetlanie w uruchomionym programie.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Rozpoczyna wyświetlanie, gdy jest wyłączone, i zatrzymuje, gdy trwa.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Wstrzymuje wyświetlanie na podaną liczbę minut (od 1 do %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuty</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Kończy wstrzymanie i wznawia wyświetlanie.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Obrazy lub katalogi do dodania do listy uruchomionego programu.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Podaj tylko jedną z opcji --start, --stop, --toggle, --pause-for i --resume.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for wymaga liczby minut od 1 do %1, a nie „%2”.</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Dodaje własną wiadomość do wiadomości uruchomionego programu; podaj tę opcję raz dla każdej wiadomości.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Wyświetla obrazy z zestawu o tej nazwie od następnego obrazu; &quot;&quot; oznacza całą listę.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images wymaga sesji pulpitu (ekranu X11 lub XWayland w Wayland) i nie znalazł żadnej, z którą mógłby się połączyć.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programy Velmoran Softwares, takie jak ten, mogą powstawać i być rozwijane tylko dzięki Twojemu wsparciu. Najlepszym sposobem wsparcia Velmory jest regularne odwiedzanie Velmory i udział w dyskusjach oraz innych działaniach na forum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Odwiedzaj Velmorę regularnie. Wspieraj Velmorę, biorąc udział w dyskusjach i innych działaniach. Bez Twoich regularnych wizyt w Velmorze te programy nie mogą być wspierane ani rozwijane.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora to BEZPŁATNE internetowe forum dyskusyjne o wszystkim, co velmorańskie. Aby pomóc Velmorze rozwijać i utrzymywać ten program, odwiedzaj ją regularnie.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora potrzebuje Twojej pomocy. Wystarczy regularnie odwiedzać Velmorę i brać udział w dyskusjach i działaniach, aby pomóc nam utrzymywać i rozwijać kolejne programy Velmoran Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Kliknij tutaj, aby odwiedzić %1 teraz</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Pobierz Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Jeśli spodobał Ci się ten program, z pewnością zainteresują Cię nasze inne programy Velmoran Softwares. Z jednego programu wyrośliśmy na największe na świecie źródło oprogramowania velmorańskiego. Astrologia, jasnowidzenie, tarot, numerologia czy okultyzm: mamy programy z każdej dziedziny, dając użytkownikom szeroki wybór zgodny z ich zainteresowaniami.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Wszystkie programy z pakietu Velmoran Softwares są proste i łatwe w obsłudze. Nie tylko dają dużo radości, ale są też bardzo pouczające. Wypróbuj je już dziś i podziel się wrażeniami z przyjaciółmi i rodziną. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Odwiedź Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Poleć znajomemu</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Poleć znajomemu &amp;teraz</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Adres e-mail nie może zawierać spacji</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Otwiera %1 w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Otwiera stronę Velmoran Softwares w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Wysyła powyższe dane na stronę polecenia w przeglądarce internetowej</translation>
    </message>
</context>
<context>
    <name>FlashLookDialog</name>
    <message>
        <source> %</source>
        <extracomment>The unit after a number, as in &quot;50 %&quot;.</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after a number, as in &quot;200 ms&quot;.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>Flash Look</source>
        <extracomment>The window&apos;s title: how each picture looks while it is flashed.</extracomment>
        <translation>Wygląd obrazów</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Krycie:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Pojawianie się:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>&amp;Znikanie:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Pulpit nie łączy teraz okien, więc obrazy są pokazywane bez przezroczystości i bez przejść. Te ustawienia działają na pulpicie, który to robi, takim jak GNOME lub KDE Plasma, albo z menedżerem kompozycji.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Ćwierć ekranu</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Połowa ekranu</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>Cały ekran</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>Czas wyświetlania to czas, przez który obraz jest pokazywany z tym kryciem; pojawianie się i znikanie dochodzą przed nim i po nim. Od ćwierci ekranu wzwyż obraz zachowuje swoje proporcje.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Uruchom</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Wybierz co najmniej jeden obraz do wyświetlenia</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Brak katalogu domowego (nie ustawiono zmiennej HOME): przygotowane obrazy są przechowywane tylko podczas działania programu.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Brak katalogu domowego (nie ustawiono zmiennej HOME): ustawienia są przechowywane tylko podczas działania programu.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Brak katalogu domowego (nie ustawiono zmiennej HOME): ustawienia i przygotowane obrazy są przechowywane tylko podczas działania programu.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Przeglądarka obrazów</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Wczytywanie obrazów</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v z %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Przerwij dodawanie; dotąd dodane obrazy pozostaną</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Lista obrazów</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>Wyświetlane obrazy według nazwy pliku; zaznacz jeden, aby go usunąć</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Pasek obrazów</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Miniatury obrazów z listy, w tej samej kolejności</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Przewiń pasek obrazów</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Dodawanie obrazów</translation>
    </message>
</context>
<context>
    <name>LibraryEditor</name>
    <message>
        <source>Orvane Picture Board</source>
        <translation>Orvane Picture Board</translation>
    </message>
    <message>
        <source>BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg</source>
        <translation>Plik BMP (*.bmp*)|*.bmp|Plik JPG (*.jpg)|*.jpg|Pliki JPEG (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Dodaj katalog z obrazami</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Ten obraz jest już na liście. Wybierz inny obraz. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Nie ma tam obrazów BMP ani JPEG do dodania.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>Dodawanie zostało anulowane.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>Dodano 1 obraz.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 był już na liście.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>Pominięto 1 plik, który nie jest obrazem BMP ani JPEG.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>Nie można było dodać 1 obrazu:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>Nie można było dodać „%1”.
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>Nie można było usunąć „%1”.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>Dodano %n obraz.</numerusform>
            <numerusform>Dodano %n obrazy.</numerusform>
            <numerusform>Dodano %n obrazów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n był już na liście.</numerusform>
            <numerusform>%n były już na liście.</numerusform>
            <numerusform>%n było już na liście.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>Pominięto %n plik, który nie jest obrazem BMP ani JPEG.</numerusform>
            <numerusform>Pominięto %n pliki, które nie są obrazami BMP ani JPEG.</numerusform>
            <numerusform>Pominięto %n plików, które nie są obrazami BMP ani JPEG.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>Nie można było dodać %n obrazu:</numerusform>
            <numerusform>Nie można było dodać %n obrazów:</numerusform>
            <numerusform>Nie można było dodać %n obrazów:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Wszystkie obrazy</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>Najpopularniejsze velmorańskie forum w sieci. Odwiedź %1 już teraz</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images pomoże Ci się przeprogramować i myśleć pozytywnie. Skup się na obrazie swojego celu, a mózg zacznie dążyć do jego osiągnięcia! Porzuć złe nawyki i odnieś sukces. Zacznij już dziś!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; &amp;Dodaj obraz</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; Usuń &amp;obraz</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>W&amp;esprzyj</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Oznacz ten program marką swojej witryny i zwiększ lojalność oraz ruch. Umieść tutaj nazwę i odnośnik witryny. Szczegóły w „Pomocy”. Więcej o co-brandingu: kliknij tutaj.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Okazja biznesowa w domu. Załóż własny biznes internetowy i zarabiaj w sieci. Otrzymaj ten program z marką swojej witryny. Kliknij tutaj, aby dowiedzieć się więcej.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Dodaj &amp;katalog…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Pomoc &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Od&amp;wiedź nas w sieci</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Sprawdź &amp;aktualizacje</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>O &amp;programie</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>&amp;Wesprzyj</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Zarabiaj w &amp;sieci</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Otwiera %1 w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Dodaj obraz</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Dodaje pliki obrazów do listy</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Usuń obraz</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Usuwa obraz zaznaczony na liście</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Otwiera stronę darowizn w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Uruchamia lub zatrzymuje wyświetlanie obrazów z listy</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Otwiera stronę o co-brandingu w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Otwiera stronę o pełnym oznakowaniu marką w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>&amp;Rejestr…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>&amp;Wygląd obrazów…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>W&amp;iadomości…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Można przechowywać najwyżej %n wiadomość.</numerusform>
            <numerusform>Można przechowywać najwyżej %n wiadomości.</numerusform>
            <numerusform>Można przechowywać najwyżej %n wiadomości.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Wiadomość nie może być pusta.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Wiadomość może mieć najwyżej %n znak.</numerusform>
            <numerusform>Wiadomość może mieć najwyżej %n znaki.</numerusform>
            <numerusform>Wiadomość może mieć najwyżej %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>Plik nie jest plikiem tekstowym: zawiera bajty NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Plik nie jest tekstem w kodowaniu UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>Plik jest większy niż %n MB.</numerusform>
            <numerusform>Plik jest większy niż %n MB.</numerusform>
            <numerusform>Plik jest większy niż %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>Nie można odczytać %1, więc pozostaje bez zmian: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Wiadomości</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Twoje wiadomości</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Własne krótkie zdanie</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Dod&amp;aj</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Zastąp</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importuj…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Eksportuj…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Wiadomość:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Sposób wyświetlania</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Tylko obrazy</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Tylko wiadomości</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Obrazy i wiadomości</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Czcionka &amp;pulpitu</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Mały</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>Jak największy</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>Ko&amp;lor…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Cień</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>&amp;Na tle</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Kolor &amp;tła…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>W&amp;yświetlaj:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>&amp;Czcionka:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Rozmiar:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Krawędź:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Pulpit nie łączy teraz okien: wiadomości są pokazywane na ustawionym kolorze tła.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importuj wiadomości</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Pliki tekstowe (*.txt)|*.txt|Wszystkie pliki|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Nic nie zaimportowano z %1: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Eksportuj wiadomości</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Pliki tekstowe (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>Nie można było wyeksportować wiadomości do %1: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Twoje własne słowa</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>Nie można było zapisać wiadomości: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>&amp;Godziny aktywności…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>Wstrzymaj na 15 &amp;minut</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>Wstrzymaj na 1 g&amp;odzinę</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Wstrzymaj do &amp;jutra</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>Wznów &amp;teraz</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Wstrzymaj, gdy</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>ekran jest &amp;zablokowany</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>na wierzchu jest okno &amp;pełnoekranowe</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>włączono tryb &amp;Nie przeszkadzać</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>&amp;ekran jest udostępniany lub nagrywany</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>trwa &amp;rozmowa (mikrofon lub kamera w użyciu)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>Jego nazwa jest nieprawidłowa w kodowaniu znaków tego systemu, więc nie można go otworzyć.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>To nie jest plik.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>To nie jest obraz, który można odczytać.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>Nie można odczytać rozmiaru obrazu.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>Obraz jest za duży (%1 × %2 pikseli).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>Obraz jest zbyt duży, aby go wyświetlić.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Plik ma %1 MB, więcej niż jakikolwiek obraz, który program potrafi wyświetlić (najwyżej %2 MB).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>Obrazy %1 będzie można wyświetlić po zainstalowaniu pakietu %2.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>Program nie wyświetla obrazów tego rodzaju (wyświetla obrazy BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC i AVIF).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Skompresowanych obrazów SVG nie można wyświetlić: zapisz obraz jako zwykły plik SVG.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>Rysunek jest zbyt złożony, aby go wyświetlić.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>Plik jest uszkodzony: jego część deklaruje więcej bajtów, niż zawiera plik.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>Jego nazwa zawiera znak, którego lista obrazów nie może przechować (cudzysłów, znak nowego wiersza lub ukośnik wsteczny). Zmień nazwę pliku i dodaj go ponownie.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 to Twój własny plik o tej samej nazwie, a nie kopia, i nie zostanie zastąpiony. Zmień nazwę pliku i dodaj go ponownie.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>Nie można utworzyć katalogu %1 na kopie obrazów.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>Nie można zapisać listy Twoich własnych plików w %1: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>Nie można zapisać listy obrazów %1: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Trwa dodawanie obrazów. Poczekaj, aż się zakończy, albo je anuluj.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Zestaw obrazów</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>&amp;Cała lista</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>Zestaw wymienia obrazy, których nie ma na liście; zostają pominięte:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>&amp;Edytuj zestawy…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>Zestaw musi mieć nazwę.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>Nazwa zestawu może mieć najwyżej %n znak.</numerusform>
            <numerusform>Nazwa zestawu może mieć najwyżej %n znaki.</numerusform>
            <numerusform>Nazwa zestawu może mieć najwyżej %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>Nazwa zestawu nie może zawierać „/” ani znaków sterujących, zaczynać się od kropki lub spacji ani kończyć spacjami.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Nie ma zestawu o nazwie „%1”.</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>Zestaw „%1” ma ponad %2 MB, znacznie więcej niż jakakolwiek lista obrazów.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Zestaw o nazwie „%1” już istnieje.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Nie można utworzyć katalogu %1.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>Nie można odczytać wiadomości zestawu „%1” (%2); zestaw wyświetla wszystkie Twoje wiadomości.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>Ustawienia lub wiadomości zestawu „%1” pozostają pod jego starą nazwą: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Nie można go odczytać: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>Nie można utworzyć pliku w %1: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>Nie można zapisać kopii: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Nie można zastąpić %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Program jest już uruchomiony</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>Biblioteka obrazów w %1 jest używana przez inną uruchomioną kopię programu.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Prowadź rejestr wyświetlonych obrazów</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rejestr</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Wyświetlenia</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Ostatnio</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Dziś: %1   W tym tygodniu: %2   Łącznie: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>Uruchomiony program nie odpowiedział.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Wstrzymanie trwa od 1 do %1 minut.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Obrazy należy podać z pełną ścieżką.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 prowadzi przez zbyt wiele dowiązań</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 jest katalogiem</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 pozostawiono bez zmian: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>Nie można zapisać %1 (%2) ani przywrócić jego poprzedniej zawartości (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 jest dowiązaniem, przez które program nie zapisuje: może prowadzić do Twojego pliku. Usuń dowiązanie.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>Wstrzymano: ekran jest zablokowany</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>Wstrzymano: na wierzchu jest okno pełnoekranowe</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>Wstrzymano: włączono tryb Nie przeszkadzać</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>Wstrzymano: ekran jest udostępniany</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>Wstrzymano: trwa rozmowa</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>&amp;Pokaż główne okno</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Następny obraz o %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Obraz jest na ekranie</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Poza godzinami aktywności</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Poza godzinami aktywności do %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Wstrzymano do %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Wyświetlono dziś: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>Wyświetlanie nie jest włączone; nie ma czego wstrzymać.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Zbyt wiele żądań dodania czeka w kolejce. Spróbuj ponownie po dodaniu bieżących obrazów.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Nie ma wiadomości do wyświetlenia. Dodaj je w oknie „Wiadomości” albo wybierz tam wyświetlanie obrazów.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 nie jest plikiem.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>Plik ma ponad %1 GB, znacznie więcej, niż potrzeba na zestaw obrazów.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>To nie jest zestaw obrazów: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>Plik zawiera element „%1”, którego zestaw obrazów nie może zawierać: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>w zestawie mogą się znaleźć tylko jego lista, ustawienia i obrazy zapisane pod samymi nazwami plików.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>jest to dowiązanie lub plik specjalny.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>występuje dwukrotnie.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>jest większy niż %1 MB.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>z nim zestaw po rozpakowaniu zająłby ponad %1 GB.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>zestaw może zawierać najwyżej %1 obrazów.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>zawiera więcej, niż deklaruje.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Plik jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>Plik nie zawiera listy obrazów (%1); to nie jest zestaw.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>jest katalogiem tam, gdzie powinien być plik, lub plikiem tam, gdzie powinien być katalog obrazów.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>Ustawienia zestawu, %1, mają ponad %2 kB; nie są wczytywane.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>Nie można było zapisać ustawień zestawu: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Nie można było wyeksportować zestawu: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Zestaw o nazwie „%1” już istnieje. Najpierw zmień jego nazwę albo nazwę pliku.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>Plik zawiera obraz „%1”, którego nie wymienia zapisany w nim zestaw.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>Zestaw wymienia obraz „%1”, którego nie ma w pliku.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Na Twojej liście jest już obraz o nazwie „%1”, a obraz z zestawu jest inny.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1”: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>w bibliotece jest już plik o tej nazwie.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>Wiadomości zestawu: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Zestawy</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>Ze&amp;stawy:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Obrazy w zestawie:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;azwa:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Zmiany są zapisywane od razu.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>Usunąć zestaw „%1”? Jego obrazy zostaną na liście.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importuj…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>&amp;Eksportuj…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Zestawy obrazów</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Importuj zestaw</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Eksportuj zestaw</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>&amp;Wiadomości w zestawie:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Częstotliwość obrazów</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Ustaw poniżej odstęp między obrazami i czas wyświetlania każdego z nich.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Pokazuj co</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Pokazuj przez</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Położenie obrazów</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Losowo na ekranie</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Środek ekranu</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Kolejność obrazów</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Jak na liście</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Pokazuj co (sekundy)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>Czas między dwoma obrazami w sekundach</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Pokazuj przez (milisekundy)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Jak długo każdy obraz pozostaje na ekranie, w milisekundach</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Każdy obraz pojawia się w losowym miejscu ekranu</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Każdy obraz pojawia się na środku ekranu</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>Obrazy są wyświetlane w losowej kolejności</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>Obrazy są wyświetlane w kolejności listy</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Pokazuj obrazy na</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>&amp;głównym monitorze</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>monitorze ze &amp;wskaźnikiem myszy</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;każdym monitorze po kolei</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>Uruchamiaj z &amp;sesją</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Nie można ustawić uruchamiania programu z sesją: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Nie można wyłączyć uruchamiania programu z sesją: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Twój adres e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Twoja wiadomość</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Imię znajomego</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adres e-mail znajomego</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Wprowadź poprawny adres e-mail</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Wprowadź różne adresy e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Wprowadź swoje imię</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Wprowadź swój adres e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Wprowadź swoją wiadomość</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Wprowadź imię znajomego</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Wprowadź adres e-mail znajomego</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Może być dostępna aktualizacja tego programu.
Czy chcesz sprawdzić dostępność aktualizacji?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Zmieniaj odstęp między obrazami</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Wcale</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>O najwyżej ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Nie można utworzyć katalogu %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images nie jest uruchomiony.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>Magistrala sesji nie odpowiada: program działa dalej bez niej.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>Magistrala systemowa nie odpowiada: program działa dalej bez niej.</translation>
    </message>
</context>
</TS>
