<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images is een geavanceerd programma voor het tonen van subliminale afbeeldingen. Deze software bereikt het onderbewustzijn en stuurt het positieve boodschappen, zodat u een positieve instelling ontwikkelt. Door u te concentreren op subliminale afbeeldingen van uw keuze kunt u ook uw zelfvertrouwen en eigenwaarde vergroten en zo uw doelen bereikbaar maken.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Bezoek %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Zakenkans vanuit huis. Begin uw eigen internetbedrijf en verdien online geld. Krijg deze software volledig in de huisstijl van uw website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klik voor meer informatie</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Opent %1 in de webbrowser</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Opent de pagina over volledige huisstijl in de webbrowser</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Ingeschakeld</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Actieve uren</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Van</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;tot</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Een periode mag over middernacht heen lopen; twee keer dezelfde tijd betekent de hele dag. Buiten deze uren wacht het flitsen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Toont met regelmatige tussenpozen kort afbeeldingen naar keuze op het scherm.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Start geminimaliseerd met het flitsen aan, alsof op Start is gedrukt.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Probeer &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Stopt het flitsen in het programma dat draait.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Start het flitsen als het uit staat en stopt het als het aan staat.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Pauzeert het flitsen voor het opgegeven aantal minuten (1 tot %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Beëindigt een pauze en flitst weer.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Afbeeldingsbestanden of mappen om toe te voegen aan de lijst van het programma dat draait.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Geef slechts één van --start, --stop, --toggle, --pause-for en --resume op.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for verwacht een aantal minuten van 1 tot %1, niet &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Voegt een eigen bericht toe aan de berichten van het programma dat draait; geef de optie één keer op voor elk bericht.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Toont vanaf de volgende afbeelding de afbeeldingen van de set met die naam; &quot;&quot; voor de hele lijst.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>naam</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images heeft een bureaubladsessie nodig (een X11-scherm, of XWayland onder Wayland) en vond er geen om mee te verbinden.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Velmoran Softwares zoals deze kunnen alleen met uw steun worden gemaakt en onderhouden. De beste manier om Velmora te steunen is Velmora regelmatig te bezoeken en mee te doen aan de discussies en andere activiteiten op het forum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Bezoek Velmora regelmatig. Steun Velmora door mee te doen aan de discussies en andere activiteiten. Zonder uw regelmatige bezoeken aan Velmora kunnen deze programma&apos;s niet worden ondersteund en onderhouden.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora is een GRATIS online discussieforum over alles wat velmoraans is. Bezoek Velmora regelmatig om Velmora te helpen deze software te ontwikkelen en te onderhouden.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora heeft uw hulp nodig. Bezoek Velmora gewoon regelmatig en doe mee aan de discussies en activiteiten, zodat wij meer Velmoran Softwares kunnen onderhouden en ontwikkelen.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Klik hier om %1 nu te bezoeken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Velmoran Softwares downloaden</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Als u van deze software hebt genoten, bent u vast ook geïnteresseerd in onze andere Velmoran Softwares. Begonnen met één programma, zijn wij nu uitgegroeid tot de grootste bron van velmoraanse software ter wereld. Astrologie, helderziendheid, tarot, numerologie of occultisme: wij hebben programma&apos;s op elk gebied en bieden onze gebruikers zo een ruime keuze naar hun interesses.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Alle programma&apos;s in de Velmoran Softwares-reeks zijn eenvoudig en makkelijk te gebruiken. Ze zijn niet alleen leuk, maar ook zeer leerzaam. Probeer ze vandaag nog en deel uw ervaring met vrienden en familie. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Bezoek Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Aanbevelen aan een vriend</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Nu aanbevelen aan een vriend</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Het e-mailadres mag geen spaties bevatten</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Opent %1 in de webbrowser</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Opent de pagina van Velmoran Softwares in de webbrowser</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Stuurt de gegevens hierboven naar de aanbevelingspagina in de webbrowser</translation>
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
        <translation>Uiterlijk van de afbeeldingen</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Dekking:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Infaden:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>&amp;Uitfaden:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Af&amp;spelen</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Uw bureaublad mengt vensters nu niet, dus afbeeldingen worden ondoorzichtig en zonder faden getoond. Deze keuzes werken op een bureaublad dat dat wel doet, zoals GNOME of KDE Plasma, of met een compositing manager.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Een kwart van het scherm</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Half scherm</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>Het hele scherm</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Grootte:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>De weergaveduur is de tijd dat een afbeelding met deze dekking wordt getoond; het in- en uitfaden komt ervoor en erna. Vanaf een kwart van het scherm behoudt een afbeelding haar verhoudingen.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Selecteer minstens één afbeelding om te tonen</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Er is geen persoonlijke map (HOME is niet ingesteld): voorbereide afbeeldingen worden alleen bewaard zolang het programma draait.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Er is geen persoonlijke map (HOME is niet ingesteld): instellingen worden alleen bewaard zolang het programma draait.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Er is geen persoonlijke map (HOME is niet ingesteld): instellingen en voorbereide afbeeldingen worden alleen bewaard zolang het programma draait.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Afbeeldingenweergave</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Afbeeldingen laden</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v van %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Stoppen met toevoegen; de al toegevoegde afbeeldingen blijven</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Afbeeldingenlijst</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>De afbeeldingen die worden getoond, op bestandsnaam; selecteer er een om die te verwijderen</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Afbeeldingenstrook</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Miniaturen van de afbeeldingen in de lijst, in dezelfde volgorde</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Door de afbeeldingenstrook schuiven</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Afbeeldingen toevoegen</translation>
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
        <translation>BMP-bestand (*.bmp*)|*.bmp|JPG-bestand (*.jpg)|*.jpg|JPEG-bestanden (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Een map met afbeeldingen toevoegen</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Deze afbeelding is al aanwezig. Selecteer een andere afbeelding. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Daar zijn geen BMP- of JPEG-afbeeldingen om toe te voegen.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>Het toevoegen is geannuleerd.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>1 afbeelding is toegevoegd.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 stond al in de lijst.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>1 bestand dat geen BMP- of JPEG-afbeelding is, is overgeslagen.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 kon niet worden toegevoegd:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>&quot;%1&quot; kon niet worden toegevoegd.
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>&quot;%1&quot; kon niet worden verwijderd.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>%n afbeelding is toegevoegd.</numerusform>
            <numerusform>%n afbeeldingen zijn toegevoegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n stond al in de lijst.</numerusform>
            <numerusform>%n stonden al in de lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>%n bestand dat geen BMP- of JPEG-afbeelding is, is overgeslagen.</numerusform>
            <numerusform>%n bestanden die geen BMP- of JPEG-afbeeldingen zijn, zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n kon niet worden toegevoegd:</numerusform>
            <numerusform>%n konden niet worden toegevoegd:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Alle afbeeldingen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>Het populairste velmoraanse online discussieforum. Bezoek nu %1</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images helpt u uzelf te herprogrammeren en positief te denken. Concentreer u op een afbeelding van uw doel en uw hersenen werken ernaartoe! Laat slechte gewoonten los: succes begint vandaag!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; Afbeelding &amp;toevoegen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; Afbeelding &amp;verwijderen</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>Do&amp;neren</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Geef deze software de naam van uw site en verhoog bezoekerstrouw en verkeer. Zet hier de naam en link van uw site. Zie &apos;Help&apos; voor details. Klik hier voor meer over co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Zakenkans vanuit huis. Begin uw eigen internetbedrijf en verdien online geld. Krijg deze software in de huisstijl van uw website. Klik hier voor meer informatie.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Map &amp;toevoegen…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online hulp</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Bezoek ons online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Controleren op &amp;updates</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>O&amp;ver de software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>&amp;Doneren</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Online &amp;geld verdienen</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Opent %1 in de webbrowser</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Afbeelding toevoegen</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Voegt afbeeldingsbestanden aan de lijst toe</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Afbeelding verwijderen</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Verwijdert de in de lijst geselecteerde afbeelding</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Opent de donatiepagina in de webbrowser</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Start of stopt het tonen van de afbeeldingen uit de lijst</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Opent de pagina over co-branding in de webbrowser</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Opent de pagina over volledige huisstijl in de webbrowser</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>&amp;Logboek…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>Uiterlijk van de af&amp;beeldingen…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Be&amp;richten…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Er kan hoogstens %n bericht worden bewaard.</numerusform>
            <numerusform>Er kunnen hoogstens %n berichten worden bewaard.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Een bericht mag niet leeg zijn.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Een bericht mag hoogstens %n teken bevatten.</numerusform>
            <numerusform>Een bericht mag hoogstens %n tekens bevatten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>Het bestand is geen tekstbestand: het bevat NUL-bytes.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Het bestand is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>Het bestand is groter dan %n MB.</numerusform>
            <numerusform>Het bestand is groter dan %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>%1 kan niet worden gelezen en wordt daarom gelaten zoals het is: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Uw berichten</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Een eigen korte zin</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Oml&amp;aag</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporteren…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Bericht:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Hoe ze worden getoond</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Alleen afbeeldingen</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Alleen berichten</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Afbeeldingen en berichten</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Lettertype van het b&amp;ureaublad</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>Zo groot mogelijk</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Kleur…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schaduw</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>&amp;Op een vlak</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Vlakkl&amp;eur…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>&amp;Flitsen:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>&amp;Lettertype:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Grootte:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Rand:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Uw bureaublad mengt vensters nu niet: een bericht wordt op de kleur van zijn vlak getoond.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Berichten importeren</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Tekstbestanden (*.txt)|*.txt|Alle bestanden|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Er is niets geïmporteerd uit %1: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Berichten exporteren</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Tekstbestanden (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>De berichten konden niet worden geëxporteerd naar %1: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Uw eigen woorden</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>De berichten konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>Actieve &amp;uren…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>15 &amp;minuten pauzeren</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>1 uur &amp;pauzeren</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Pauzeren tot m&amp;orgen</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>Nu h&amp;ervatten</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Pauzeren wanneer</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>het scherm &amp;vergrendeld is</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>&amp;een schermvullend venster vooraan staat</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>&amp;Niet storen aan staat</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>Terwijl het &amp;scherm wordt gedeeld of opgenomen</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>Tijdens een &amp;gesprek (microfoon of camera in gebruik)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>De naam is niet geldig in de tekencodering van dit systeem, dus het bestand kan niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Het is geen bestand.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>Het is geen afbeelding die kan worden gelezen.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>De grootte van de afbeelding kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>De afbeelding is te groot (%1 × %2 pixels).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>De afbeelding is te groot om te tonen.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Met %1 MB is het bestand groter dan elke afbeelding die het programma kan tonen (hoogstens %2 MB).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>%1-afbeeldingen kunnen worden getoond zodra het pakket %2 is geïnstalleerd.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>Het programma toont geen afbeeldingen van deze soort (het toont BMP-, JPEG-, PNG-, GIF-, WebP-, TIFF-, SVG-, HEIC- en AVIF-afbeeldingen).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Gecomprimeerde SVG-afbeeldingen kunnen niet worden getoond: sla de afbeelding op als gewone SVG.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>De tekening is te complex om te tonen.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>Het bestand is beschadigd: een deel ervan claimt meer bytes dan het bestand bevat.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>De naam bevat een teken dat de afbeeldingenlijst niet kan bewaren (een dubbel aanhalingsteken, een regeleinde of een backslash). Hernoem het bestand en voeg het opnieuw toe.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 is uw eigen bestand met dezelfde naam, geen kopie, en wordt niet vervangen. Hernoem het bestand en voeg het opnieuw toe.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>De map %1 voor de kopieën van de afbeeldingen kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>De lijst van uw eigen bestanden in %1 kan niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>De afbeeldingenlijst %1 kan niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Er worden afbeeldingen toegevoegd. Wacht tot dat klaar is, of annuleer het.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Afbeeldingenset</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>De &amp;hele lijst</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>De set noemt afbeeldingen die niet in de lijst staan; die worden overgeslagen:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>Sets &amp;bewerken…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>Een set heeft een naam nodig.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>De naam van een set mag hoogstens %n teken hebben.</numerusform>
            <numerusform>De naam van een set mag hoogstens %n tekens hebben.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>De naam van een set mag geen &quot;/&quot; of stuurtekens bevatten, niet met een punt of spaties beginnen en niet op spaties eindigen.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Er is geen set met de naam &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>De set &quot;%1&quot; is groter dan %2 MB, veel meer dan welke lijst met afbeeldingen ook.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Er is al een set met de naam &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>De map %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>De berichten van de set &quot;%1&quot; kunnen niet worden gelezen (%2); de set toont al uw berichten.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>De instellingen of berichten van de set &quot;%1&quot; blijven onder de oude naam staan: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Het kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>In %1 kan geen bestand worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>De kopie kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 kan niet worden vervangen: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>De toepassing draait al</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>De afbeeldingenbibliotheek in %1 wordt gebruikt door een ander draaiend exemplaar van het programma.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Bijhouden welke afbeeldingen zijn getoond</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Keer getoond</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Laatst getoond</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Vandaag: %1   Deze week: %2   In totaal: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>Het programma dat draait, heeft niet geantwoord.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Een pauze duurt 1 tot %1 minuten.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Afbeeldingen moeten met hun volledige pad worden opgegeven.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 loopt via te veel koppelingen</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 is een map</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 is alleen-lezen</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 is gelaten zoals het was: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>%1 kon niet worden geschreven (%2), en de oude inhoud kon niet worden teruggezet (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 is een koppeling, waardoorheen het programma niet schrijft: die kan naar een bestand van u leiden. Verwijder de koppeling.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>Gepauzeerd: het scherm is vergrendeld</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>Gepauzeerd: een schermvullend venster staat vooraan</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>Gepauzeerd: Niet storen staat aan</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>Gepauzeerd: het scherm wordt gedeeld</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>Gepauzeerd: er loopt een gesprek</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>&amp;Hoofdvenster tonen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Volgende afbeelding om %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Er staat een afbeelding op het scherm</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Buiten de actieve uren</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Buiten de actieve uren tot %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Gepauzeerd tot %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Vandaag getoond: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>Het flitsen staat niet aan; er valt niets te pauzeren.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Er wachten te veel toevoegingen. Probeer het opnieuw zodra de afbeeldingen die nu worden toegevoegd erin staan.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Er zijn geen berichten om te tonen. Voeg er een paar toe in het venster &quot;Berichten&quot; of kies daar voor afbeeldingen.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 is geen bestand.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>Het bestand is groter dan %1 GB, veel meer dan een afbeeldingenset nodig heeft.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Dit is geen afbeeldingenset: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>Het bestand bevat &quot;%1&quot;, wat een afbeeldingenset niet kan bevatten: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>alleen de lijst, de instellingen en de afbeeldingen van de set horen erin, met alleen hun bestandsnaam.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>het is een koppeling of een speciaal bestand.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>het komt twee keer voor.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>het is groter dan %1 MB.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>daarmee zou de set uitgepakt groter worden dan %1 GB.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>een set bevat hoogstens %1 afbeeldingen.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>het bevat meer dan het opgeeft.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Het bestand is beschadigd: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>Het bestand bevat geen afbeeldingenlijst (%1); het is geen set.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>het is een map waar een bestand hoort, of een bestand waar de map met afbeeldingen hoort.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>De instellingen van een set, %1, zijn groter dan %2 kB; ze worden niet gelezen.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>De instellingen van de set konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>De set kon niet worden geëxporteerd: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Er is al een set met de naam &quot;%1&quot;. Hernoem eerst die set of het bestand.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>Het bestand bevat de afbeelding &quot;%1&quot;, die de bijbehorende set niet noemt.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>De set noemt de afbeelding &quot;%1&quot;, die het bestand niet bevat.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Uw lijst heeft al een afbeelding met de naam &quot;%1&quot;, en die van de set is een andere afbeelding.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>er staat al een bestand met deze naam in de afbeeldingenbibliotheek.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>De berichten van de set: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Naam &amp;wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Sets</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>&amp;Sets:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Afbeeldingen in de set:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>Naa&amp;m:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Wijzigingen worden meteen opgeslagen.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>De set &quot;%1&quot; verwijderen? De afbeeldingen blijven in de lijst.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporteren…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Afbeeldingensets</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Een set importeren</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>De set exporteren</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>&amp;Berichten in de set:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Afbeeldingsfrequentie</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Hieronder stelt u in hoe vaak en hoe lang elke afbeelding wordt getoond.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Elke</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Gedurende</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Plaats van de afbeeldingen</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Willekeurige positie</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Centrale positie</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Volgorde van de afbeeldingen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Zoals in de lijst</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Toon elke (seconden)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>De tijd tussen twee afbeeldingen, in seconden</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Toon gedurende (milliseconden)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Hoe lang elke afbeelding op het scherm blijft, in milliseconden</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Elke afbeelding verschijnt op een willekeurige plek op het scherm</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Elke afbeelding verschijnt in het midden van het scherm</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>De afbeeldingen worden in willekeurige volgorde getoond</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>De afbeeldingen worden in de volgorde van de lijst getoond</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Afbeeldingen tonen op</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>het &amp;primaire scherm</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>het scherm met de &amp;muisaanwijzer</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;elk scherm om de beurt</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>Starten met &amp;de sessie</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Het programma kan niet worden ingesteld om met de sessie te starten: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Starten met de sessie kan niet worden uitgeschakeld: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Uw naam</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Uw e-mailadres</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Uw bericht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Naam van vriend</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mailadres van vriend</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Voer een geldig e-mailadres in</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Voer verschillende e-mailadressen in</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Voer uw naam in</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Voer uw e-mailadres in</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Voer uw bericht in</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Voer de naam van uw vriend in</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Voer het e-mailadres van uw vriend in</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Er is mogelijk een update van deze software beschikbaar.
Wilt u op updates controleren?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Tussenpozen laten variëren</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Helemaal niet</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>Met hoogstens ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images draait niet.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>De sessiebus antwoordt niet: het programma gaat zonder verder.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>De systeembus antwoordt niet: het programma gaat zonder verder.</translation>
    </message>
</context>
</TS>
