<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images ist ein ausgereiftes Programm zur Anzeige unterschwelliger Bilder. Es erreicht das Unterbewusstsein und sendet ihm positive Botschaften, so dass Sie eine positive Grundhaltung entwickeln. Wenn Sie sich auf bevorzugte unterschwellige Bilder konzentrieren, können Sie auch Ihr Selbstvertrauen und Ihr Selbstwertgefühl stärken und so Ihre Ziele erreichen.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr Onlinegeschäft und verdienen Sie Geld. Erhalten Sie diese Software mit Ihrer Marke.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Öffnet die Seite über das eigene Branding im Webbrowser</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Aktiviert</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Aktive Zeiten</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Ein Zeitraum darf über Mitternacht hinausgehen; zweimal dieselbe Uhrzeit bedeutet den ganzen Tag. Außerhalb dieser Zeiten ruht das Einblenden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Blendet Bilder Ihrer Wahl in regelmäßigen Abständen kurz auf dem Bildschirm ein.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Startet minimiert und blendet ein, als wäre „Start“ gedrückt worden.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Versuchen Sie „%1 --help“.</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Beendet das Einblenden im laufenden Programm.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Startet das Einblenden, wenn es aus ist, und beendet es, wenn es läuft.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Pausiert das Einblenden für die angegebene Zahl von Minuten (1 bis %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Beendet eine Pause und blendet wieder ein.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Bilddateien oder Ordner, die der Liste des laufenden Programms hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Geben Sie nur eine der Optionen --start, --stop, --toggle, --pause-for und --resume an.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for erwartet eine Zahl von Minuten zwischen 1 und %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Fügt den Botschaften des laufenden Programms eine eigene Botschaft hinzu; geben Sie die Option für jede Botschaft einmal an.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Zeigt ab dem nächsten Bild die Bilder der Sammlung dieses Namens; &quot;&quot; für die ganze Liste.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images benötigt eine Desktop-Sitzung (eine X11-Anzeige oder XWayland unter Wayland) und hat keine gefunden, mit der es sich verbinden kann.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Velmoran Softwares wie diese können nur mit Ihrer Unterstützung erstellt und gepflegt werden. Am besten unterstützen Sie Velmora, indem Sie Velmora regelmäßig besuchen und sich an den Diskussionen und anderen Aktivitäten im Forum beteiligen.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Besuchen Sie Velmora regelmäßig. Unterstützen Sie Velmora, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche bei Velmora kann diese Software nicht unterstützt und gepflegt werden.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora ist ein KOSTENLOSES Online-Forum rund ums Velmoranische. Besuchen Sie Velmora regelmäßig, um die Entwicklung und Pflege dieser Software zu unterstützen.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora braucht Ihre Hilfe. Besuchen Sie Velmora einfach regelmäßig und beteiligen Sie sich an den Diskussionen und Aktivitäten, damit wir weitere Velmoran Softwares pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Hier klicken und %1 jetzt besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Velmoran Softwares herunterladen</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Wenn Ihnen diese Software gefallen hat, werden Sie sich sicher auch für unsere anderen Velmoran Softwares interessieren. Aus einer einzigen Software ist die weltweit größte Sammlung velmoranischer Software geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für alle Bereiche und bieten unseren Nutzern so eine große Auswahl nach ihren Interessen.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle Programme der Velmoran Softwares sind einfach und leicht zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr informativ. Probieren Sie sie noch heute aus und teilen Sie Ihre Erfahrungen mit Freunden und Familie. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Velmoran Softwares besuchen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Öffnet die Seite von Velmoran Softwares im Webbrowser</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Sendet die obigen Angaben an die Empfehlungsseite im Webbrowser</translation>
    </message>
</context>
<context>
    <name>FlashLookDialog</name>
    <message>
        <source> %</source>
        <extracomment>The unit after a number, as in &quot;50 %&quot;.</extracomment>
        <translation> %</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after a number, as in &quot;200 ms&quot;.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>Flash Look</source>
        <extracomment>The window&apos;s title: how each picture looks while it is flashed.</extracomment>
        <translation>Aussehen der Bilder</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Deckkraft:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Einblenden:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>A&amp;usblenden:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abs&amp;pielen</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Ihr Desktop blendet Fenster derzeit nicht ineinander, daher werden Bilder deckend und ohne Überblendung gezeigt. Diese Einstellungen wirken auf einem Desktop, der das tut, etwa GNOME oder KDE Plasma, oder mit einem Compositing-Manager.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Ein Viertel des Bildschirms</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Der halbe Bildschirm</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>Der ganze Bildschirm</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>Die Anzeigedauer ist die Zeit, in der ein Bild mit dieser Deckkraft gezeigt wird; die Überblendungen kommen davor und danach hinzu. Ab einem Viertel des Bildschirms behält ein Bild seine Proportionen.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Bitte wählen Sie mindestens ein Bild zur Anzeige aus</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Es gibt keinen persönlichen Ordner (HOME ist nicht gesetzt): vorbereitete Bilder werden nur behalten, solange das Programm läuft.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Es gibt keinen persönlichen Ordner (HOME ist nicht gesetzt): Einstellungen werden nur behalten, solange das Programm läuft.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Es gibt keinen persönlichen Ordner (HOME ist nicht gesetzt): Einstellungen und vorbereitete Bilder werden nur behalten, solange das Programm läuft.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Bildbetrachter</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Bilder werden geladen</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Hinzufügen abbrechen; die bisher hinzugefügten Bilder bleiben erhalten</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Bilderliste</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>Die Bilder, die eingeblendet werden, nach Dateiname; wählen Sie eines aus, um es zu löschen</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Bildleiste</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Miniaturen der Bilder in der Liste, in derselben Reihenfolge</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Bildleiste rollen</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Bilder werden hinzugefügt</translation>
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
        <translation>BMP-Datei (*.bmp*)|*.bmp|JPG-Datei (*.jpg)|*.jpg|JPEG-Dateien (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Einen Ordner mit Bildern hinzufügen</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Dieses Bild ist bereits vorhanden. Bitte wählen Sie ein anderes Bild. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Dort gibt es keine BMP- oder JPEG-Bilder zum Hinzufügen.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>Das Hinzufügen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>1 Bild wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 war bereits in der Liste.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>1 Datei, die kein BMP- oder JPEG-Bild ist, wurde ausgelassen.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 konnte nicht hinzugefügt werden:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>„%1“ konnte nicht hinzugefügt werden.
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>„%1“ konnte nicht gelöscht werden.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>%n Bild wurde hinzugefügt.</numerusform>
            <numerusform>%n Bilder wurden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n war bereits in der Liste.</numerusform>
            <numerusform>%n waren bereits in der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>%n Datei, die kein BMP- oder JPEG-Bild ist, wurde ausgelassen.</numerusform>
            <numerusform>%n Dateien, die keine BMP- oder JPEG-Bilder sind, wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n konnte nicht hinzugefügt werden:</numerusform>
            <numerusform>%n konnten nicht hinzugefügt werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Alle Bilder</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>Das beliebteste velmoranische Online-Forum. Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Mit Zorvik Subliminal Images programmieren Sie sich neu und denken positiv. Konzentrieren Sie sich auf ein Bild Ihres Ziels – Ihr Gehirn arbeitet darauf hin! Legen Sie schlechte Gewohnheiten ab – der Erfolg beginnt heute!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; Bild hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; Bild &amp;löschen</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>Spe&amp;nden</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ihre Marke in dieser Software: mehr Treue und Besucher für Ihre Website. Setzen Sie hier Name und Link ein. Details unter „Hilfe“. Mehr zum Co-Branding: hier klicken.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz mit der Marke Ihrer Website. Hier klicken für mehr.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>&amp;Ordner hinzufügen …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>S&amp;penden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;Geld verdienen</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Fügt der Liste Bilddateien hinzu</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Entfernt das in der Liste ausgewählte Bild</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Öffnet die Spendenseite im Webbrowser</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Startet oder beendet das Einblenden der Bilder aus der Liste</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Öffnet die Seite über Co-Branding im Webbrowser</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Öffnet die Seite über das eigene Branding im Webbrowser</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>&amp;Protokoll …</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>&amp;Aussehen der Bilder …</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Bots&amp;chaften …</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Es kann höchstens %n Botschaft gespeichert werden.</numerusform>
            <numerusform>Es können höchstens %n Botschaften gespeichert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Eine Botschaft darf nicht leer sein.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Eine Botschaft darf höchstens %n Zeichen haben.</numerusform>
            <numerusform>Eine Botschaft darf höchstens %n Zeichen haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>Die Datei ist keine Textdatei: Sie enthält NUL-Bytes.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>Die Datei ist größer als %n MB.</numerusform>
            <numerusform>Die Datei ist größer als %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>%1 kann nicht gelesen werden und bleibt daher unverändert: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Botschaften</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Ihre Botschaften</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Ein kurzer eigener Satz</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren …</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Botschaft:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Wie sie eingeblendet werden</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Nur Bilder</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Nur Botschaften</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Bilder und Botschaften</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Schrift des Des&amp;ktops</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>So groß wie möglich</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Farbe …</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>Mit &amp;Hintergrund</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Hintergrundf&amp;arbe …</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>Einblen&amp;den:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Rand:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Ihr Desktop blendet Fenster derzeit nicht ineinander: Eine Botschaft wird auf ihrer Hintergrundfarbe gezeigt.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Botschaften importieren</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Textdateien (*.txt)|*.txt|Alle Dateien|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Aus %1 wurde nichts importiert: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Botschaften exportieren</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Textdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>Die Botschaften konnten nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Ihre eigenen Worte</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>Die Botschaften konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>Aktive &amp;Zeiten …</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>15 &amp;Minuten pausieren</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>1 St&amp;unde pausieren</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Bis mo&amp;rgen pausieren</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>&amp;Jetzt fortsetzen</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Pausieren, wenn</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>der Bildschirm &amp;gesperrt ist</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>ein &amp;Vollbildfenster im Vordergrund ist</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>„&amp;Nicht stören“ aktiv ist</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>Während der &amp;Bildschirm geteilt oder aufgezeichnet wird</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>Während eines &amp;Anrufs (Mikrofon oder Kamera in Gebrauch)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>Der Dateiname ist in der Zeichenkodierung dieses Systems ungültig, daher kann die Datei nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>Die Datei ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>Die Größe des Bildes kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>Das Bild ist zu groß (%1 × %2 Pixel).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>Das Bild ist zu groß zum Anzeigen.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Mit %1 MB ist die Datei größer als jedes Bild, das das Programm anzeigen kann (höchstens %2 MB).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>%1-Bilder können angezeigt werden, sobald das Paket %2 installiert ist.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>Bilder dieser Art zeigt das Programm nicht an (es zeigt BMP-, JPEG-, PNG-, GIF-, WebP-, TIFF-, SVG-, HEIC- und AVIF-Bilder).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Komprimierte SVG-Bilder können nicht angezeigt werden: Speichern Sie das Bild als einfaches SVG.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>Die Zeichnung ist zu komplex, um sie anzuzeigen.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>Die Datei ist beschädigt: Ein Teil von ihr gibt mehr Bytes an, als die Datei enthält.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>Der Dateiname enthält ein Zeichen, das die Bilderliste nicht speichern kann (ein doppeltes Anführungszeichen, einen Zeilenumbruch oder einen Backslash). Benennen Sie die Datei um und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 ist Ihre eigene Datei gleichen Namens, keine Kopie, und wird nicht ersetzt. Benennen Sie die Datei um und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>Der Ordner %1 für die Kopien der Bilder kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>Die Liste Ihrer eigenen Dateien in %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>Die Bilderliste %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Es werden gerade Bilder hinzugefügt. Warten Sie, bis das erledigt ist, oder brechen Sie es ab.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Bildsammlung</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>Die &amp;ganze Liste</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>Die Sammlung nennt Bilder, die nicht in der Liste sind; sie werden ausgelassen:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>Sammlungen &amp;bearbeiten …</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>Eine Sammlung braucht einen Namen.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>Der Name einer Sammlung darf höchstens %n Zeichen haben.</numerusform>
            <numerusform>Der Name einer Sammlung darf höchstens %n Zeichen haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>Der Name einer Sammlung darf weder „/“ noch Steuerzeichen enthalten, nicht mit einem Punkt oder Leerzeichen beginnen und nicht mit Leerzeichen enden.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Es gibt keine Sammlung namens „%1“.</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>Die Sammlung „%1“ ist größer als %2 MB, weit mehr als jede Bilderliste.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Es gibt schon eine Sammlung namens „%1“.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>Die Botschaften der Sammlung „%1“ können nicht gelesen werden (%2); sie blendet alle Ihre Botschaften ein.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>Die Einstellungen oder Botschaften der Sammlung „%1“ bleiben unter ihrem alten Namen: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>In %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>Die Kopie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>Die Bildbibliothek in %1 wird von einer anderen laufenden Instanz des Programms verwendet.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>Ein &amp;Protokoll der gezeigten Bilder führen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gezeigt</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Zuletzt gezeigt</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Heute: %1   Diese Woche: %2   Insgesamt: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>Das laufende Programm hat nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Eine Pause dauert 1 bis %1 Minuten.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Bilder müssen mit ihrem vollständigen Pfad angegeben werden.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 führt über zu viele Verknüpfungen</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 blieb unverändert: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>%1 konnte nicht geschrieben werden (%2), und sein alter Inhalt konnte nicht wiederhergestellt werden (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 ist eine Verknüpfung, durch die das Programm nicht schreibt: Sie könnte zu einer Ihrer Dateien führen. Entfernen Sie die Verknüpfung.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>Pausiert: Der Bildschirm ist gesperrt</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>Pausiert: Ein Vollbildfenster ist im Vordergrund</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>Pausiert: „Nicht stören“ ist aktiv</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>Pausiert: Der Bildschirm wird geteilt</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>Pausiert: Ein Anruf läuft</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>&amp;Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Nächstes Bild um %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Ein Bild ist auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Außerhalb der aktiven Zeiten</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Außerhalb der aktiven Zeiten bis %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausiert bis %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Heute gezeigt: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>Das Einblenden ist nicht eingeschaltet; es gibt nichts zu pausieren.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Zu viele Hinzufügungen warten. Versuchen Sie es erneut, sobald die gerade hinzugefügten Bilder aufgenommen sind.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Es gibt keine Botschaften zum Einblenden. Fügen Sie im Fenster „Botschaften“ welche hinzu oder stellen Sie dort Bilder ein.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>Die Datei ist größer als %1 GB, weit mehr, als eine Bildsammlung braucht.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Das ist keine Bildsammlung: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>Die Datei enthält „%1“, was eine Bildsammlung nicht enthalten darf: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>Sie darf nur ihre Liste, ihre Einstellungen und ihre Bilder enthalten, jeweils mit bloßem Dateinamen.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>Es ist eine Verknüpfung oder eine Spezialdatei.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>Es kommt zweimal vor.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>Es ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>Damit wäre die Sammlung entpackt größer als %1 GB.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>Eine Sammlung enthält höchstens %1 Bilder.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>Es enthält mehr, als es angibt.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Die Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>Die Datei enthält keine Bilderliste (%1); sie ist keine Sammlung.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>Es ist ein Ordner an der Stelle einer Datei oder eine Datei an der Stelle des Bilderordners.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>Die Einstellungen einer Sammlung, %1, sind größer als %2 kB; sie werden nicht gelesen.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>Die Einstellungen der Sammlung konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Die Sammlung konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Es gibt schon eine Sammlung namens „%1“. Benennen Sie zuerst diese oder die Datei um.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>Die Datei enthält das Bild „%1“, das ihre Sammlung nicht nennt.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>Die Sammlung nennt das Bild „%1“, das die Datei nicht enthält.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Ihre Liste hat bereits ein Bild namens „%1“, und das Bild der Sammlung ist ein anderes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>Eine Datei dieses Namens gibt es bereits in der Bildbibliothek.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>Die Botschaften der Sammlung: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Sammlungen</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>S&amp;ammlungen:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Bilder in der Sammlung:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Änderungen werden sofort gespeichert.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>Sammlung „%1“ löschen? Ihre Bilder bleiben in der Liste.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren …</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Bildsammlungen</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Sammlung importieren</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Sammlung exportieren</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>B&amp;otschaften in der Sammlung:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Bildhäufigkeit</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Hier stellen Sie ein, wie oft und wie lange jedes Bild angezeigt wird.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Anzeigen alle</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Anzeigen für</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Anzeigeort der Bilder</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Zufällige Position</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Bildschirmmitte</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Anzeigereihenfolge</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Wie in der Liste</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Anzeigen alle (Sekunden)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>Die Zeit zwischen zwei Bildern, in Sekunden</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Anzeigen für (Millisekunden)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Wie lange jedes Bild auf dem Bildschirm bleibt, in Millisekunden</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Jedes Bild erscheint an einer zufälligen Stelle des Bildschirms</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Jedes Bild erscheint in der Mitte des Bildschirms</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>Die Bilder werden in zufälliger Reihenfolge eingeblendet</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>Die Bilder werden in der Reihenfolge der Liste eingeblendet</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Bilder anzeigen auf</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>dem &amp;Hauptbildschirm</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>dem Bildschirm mit dem &amp;Mauszeiger</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;jedem Bildschirm abwechselnd</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>Mit der Sitzung s&amp;tarten</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Das Programm kann nicht mit der Sitzung gestartet werden: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Der Start des Programms mit der Sitzung kann nicht verhindert werden: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie unterschiedliche E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise ist eine Aktualisierung dieser Software verfügbar.
Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Abstand variieren</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Gar nicht</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>Um bis zu ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images läuft nicht.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>Der Sitzungsbus antwortet nicht: Das Programm arbeitet ohne ihn weiter.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>Der Systembus antwortet nicht: Das Programm arbeitet ohne ihn weiter.</translation>
    </message>
</context>
</TS>
