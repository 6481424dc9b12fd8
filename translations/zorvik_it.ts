<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images è un programma avanzato per la visualizzazione di immagini subliminali. Questo software raggiunge la mente subconscia e le invia messaggi positivi, aiutandoti a sviluppare un atteggiamento positivo. Concentrandoti sulle immagini subliminali che preferisci puoi anche accrescere la fiducia e la stima in te stesso e rendere così raggiungibili i tuoi obiettivi.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente col marchio del tuo sito.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Fai clic qui per i dettagli</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Apre %1 nel browser web</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Apre la pagina sulla personalizzazione completa nel browser web</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Attivo</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Orari attivi</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Dalle</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>a&amp;lle</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Una fascia oraria può superare la mezzanotte; la stessa ora due volte indica tutto il giorno. Fuori da questi orari la presentazione è in attesa.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Mostra brevemente sullo schermo, a intervalli regolari, immagini a tua scelta.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Si avvia ridotto a icona con la presentazione attiva, come se fosse stato premuto Avvia.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Prova «%1 --help».</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Ferma la presentazione nel programma in esecuzione.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Avvia la presentazione se è ferma, la ferma se è attiva.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Sospende la presentazione per il numero di minuti indicato (da 1 a %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Termina una pausa e riprende la presentazione.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>File di immagine o cartelle da aggiungere all’elenco del programma in esecuzione.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Indica una sola delle opzioni --start, --stop, --toggle, --pause-for e --resume.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for richiede un numero di minuti da 1 a %1, non «%2».</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Aggiunge un messaggio personale ai messaggi del programma in esecuzione; indicalo una volta per ogni messaggio.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Mostra le immagini della raccolta con quel nome dalla prossima in poi; &quot;&quot; per l’intero elenco.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images ha bisogno di una sessione desktop (un display X11, o XWayland sotto Wayland) e non ne ha trovata nessuna a cui collegarsi.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>I Velmoran Softwares come questo possono essere creati e mantenuti solo con il tuo sostegno. Il modo migliore per sostenere Velmora è visitare Velmora regolarmente e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visita Velmora regolarmente. Sostieni Velmora partecipando alle discussioni e alle altre attività. Senza le tue visite regolari a Velmora questi programmi non possono essere sostenuti e mantenuti.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora è un forum di discussione online GRATUITO su tutto ciò che è velmorano. Per aiutare Velmora a sviluppare e mantenere questo software, visita Velmora regolarmente.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora ha bisogno del tuo aiuto. Basta visitare Velmora regolarmente e partecipare alle varie discussioni e attività per aiutarci a mantenere e sviluppare altri Velmoran Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Fai clic qui per visitare %1 ora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Scarica i Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Se questo software ti è piaciuto, sarai sicuramente interessato agli altri Velmoran Softwares. Partiti da un solo programma, siamo diventati la più grande raccolta di software velmorani al mondo. Astrologia, parapsicologia, tarocchi, numerologia o occultismo: abbiamo programmi in tutti i campi e offriamo così ai nostri utenti un’ampia scelta secondo i loro interessi.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tutti i programmi della raccolta Velmoran Softwares sono semplici e facili da usare. Non sono solo divertenti, ma anche molto istruttivi. Provali oggi stesso e condividi la tua esperienza con amici e familiari. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Visita Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Consiglia a un amico &amp;ora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’indirizzo email non può contenere spazi</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Apre %1 nel browser web</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Apre la pagina di Velmoran Softwares nel browser web</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Invia i dati qui sopra alla pagina di invito nel browser web</translation>
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
        <translation>Aspetto delle immagini</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacità:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Dissolvenza in entrata:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>Dissolvenza in &amp;uscita:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Il desktop ora non gestisce la trasparenza: le immagini appaiono opache e senza dissolvenze. Queste scelte hanno effetto su un desktop che la gestisce, come GNOME o KDE Plasma, o con un compositing manager.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Un quarto dello schermo</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Metà dello schermo</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>L’intero schermo</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Di&amp;mensione:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>La durata di visualizzazione è il tempo in cui un’immagine è mostrata con questa opacità; le dissolvenze si aggiungono prima e dopo. Da un quarto dello schermo in su, l’immagine mantiene le sue proporzioni.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Seleziona almeno un’immagine da mostrare</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Non c’è una cartella home (HOME non è impostata): le immagini preparate vengono conservate solo finché il programma è in esecuzione.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Non c’è una cartella home (HOME non è impostata): le impostazioni vengono conservate solo finché il programma è in esecuzione.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Non c’è una cartella home (HOME non è impostata): impostazioni e immagini preparate vengono conservate solo finché il programma è in esecuzione.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Visualizzatore di immagini</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Caricamento delle immagini</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v di %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Interrompi l’aggiunta; le immagini aggiunte finora restano</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Elenco delle immagini</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>Le immagini mostrate, per nome di file; selezionane una per eliminarla</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Striscia di immagini</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Miniature delle immagini dell’elenco, nello stesso ordine</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Scorri la striscia di immagini</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Aggiunta delle immagini</translation>
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
        <translation>File BMP (*.bmp*)|*.bmp|File JPG (*.jpg)|*.jpg|File JPEG (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Aggiungi una cartella di immagini</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Questa immagine è già presente. Seleziona un’altra immagine. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Lì non ci sono immagini BMP o JPEG da aggiungere.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>L’aggiunta è stata annullata.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>È stata aggiunta 1 immagine.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 era già nell’elenco.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>È stato escluso 1 file che non è un’immagine BMP o JPEG.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 non è stata aggiunta:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>Impossibile aggiungere «%1».
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>Impossibile eliminare «%1».
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>È stata aggiunta %n immagine.</numerusform>
            <numerusform>Sono state aggiunte %n immagini.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n era già nell’elenco.</numerusform>
            <numerusform>%n erano già nell’elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>È stato escluso %n file che non è un’immagine BMP o JPEG.</numerusform>
            <numerusform>Sono stati esclusi %n file che non sono immagini BMP o JPEG.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n non è stata aggiunta:</numerusform>
            <numerusform>%n non sono state aggiunte:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Tutte le immagini</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>Il forum di discussione velmorano online più popolare. Visita %1 ora</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images ti aiuta a riprogrammarti e a pensare in positivo. Concentrati sull’immagine del tuo obiettivo: il cervello lavorerà per raggiungerlo! Lascia le cattive abitudini e avrai successo. Inizia oggi!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; A&amp;ggiungi immagine</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; E&amp;limina immagine</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>Do&amp;na</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalizza questo software con il marchio del tuo sito: aumenta fedeltà e traffico. Metti qui il nome e il link del sito. Dettagli in «Aiuto». Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software con il marchio del tuo sito web. Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Aggiungi &amp;cartella…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Controlla &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagna &amp;online</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Apre %1 nel browser web</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Aggiunge file di immagini all’elenco</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Rimuove l’immagine selezionata nell’elenco</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Apre la pagina delle donazioni nel browser web</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Avvia o ferma la presentazione delle immagini dell’elenco</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Apre la pagina sul co-branding nel browser web</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Apre la pagina sulla personalizzazione completa nel browser web</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>Re&amp;gistro…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>&amp;Aspetto delle immagini…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Messaggi di &amp;testo…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Si può conservare al massimo %n messaggio.</numerusform>
            <numerusform>Si possono conservare al massimo %n messaggi.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Un messaggio non può essere vuoto.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Un messaggio può avere al massimo %n carattere.</numerusform>
            <numerusform>Un messaggio può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>Il file non è un file di testo: contiene byte NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Il file non è testo UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Riga %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>Il file è più grande di %n MB.</numerusform>
            <numerusform>Il file è più grande di %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>Impossibile leggere %1, che viene lasciato com’è: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>I tuoi messaggi</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Una tua breve frase</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta s&amp;u</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>Es&amp;porta…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Messaggio:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Come vengono mostrati</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Solo immagini</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Solo messaggi</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Immagini e messaggi</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Carattere del des&amp;ktop</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Piccola</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>La più grande possibile</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Colore…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>Su un &amp;riquadro</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Co&amp;lore del riquadro…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>M&amp;ostra:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>Cara&amp;ttere:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Bordo:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Il desktop ora non gestisce la trasparenza: un messaggio appare sul colore del riquadro.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importa messaggi</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>File di testo (*.txt)|*.txt|Tutti i file|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Non è stato importato nulla da %1: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Esporta messaggi</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>File di testo (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>Impossibile esportare i messaggi in %1: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Le tue parole</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>Impossibile salvare i messaggi: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>&amp;Orari attivi…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>Pausa di 15 &amp;minuti</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>Pa&amp;usa di 1 ora</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Pausa fino a &amp;domani</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>&amp;Riprendi ora</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Metti in pausa quando</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>lo schermo è &amp;bloccato</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>una finestra a schermo &amp;intero è in primo piano</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>&amp;Non disturbare è attivo</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>Mentre lo &amp;schermo è condiviso o registrato</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>Durante una &amp;chiamata (microfono o fotocamera in uso)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>Il suo nome non è valido nella codifica dei caratteri di questo sistema, quindi non può essere aperto.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Non è un file.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>Non è un’immagine leggibile.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>Impossibile leggere la dimensione dell’immagine.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>L’immagine è troppo grande (%1 × %2 pixel).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>L’immagine è troppo grande per essere mostrata.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Con %1 MB, il file è più grande di qualsiasi immagine che il programma possa mostrare (al massimo %2 MB).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>Le immagini %1 potranno essere mostrate una volta installato il pacchetto %2.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>Il programma non mostra immagini di questo tipo (mostra immagini BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC e AVIF).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Le immagini SVG compresse non possono essere mostrate: salva l’immagine come SVG semplice.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>Il disegno è troppo complesso per essere mostrato.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>Il file è danneggiato: una sua parte dichiara più byte di quanti il file ne contenga.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>Il suo nome contiene un carattere che l’elenco delle immagini non può conservare (virgolette doppie, un a capo o una barra rovesciata). Rinomina il file e aggiungilo di nuovo.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 è un tuo file con lo stesso nome, non una copia, e non viene sostituito. Rinomina il file e aggiungilo di nuovo.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>Impossibile creare la cartella %1 per le copie delle immagini.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>Impossibile salvare l’elenco dei tuoi file in %1: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>Impossibile salvare l’elenco delle immagini %1: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Aggiunta di immagini in corso. Attendi che finisca o annullala.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Raccolta di immagini</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>L’intero &amp;elenco</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>La raccolta nomina immagini che non sono nell’elenco; vengono tralasciate:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>&amp;Modifica raccolte…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>Una raccolta deve avere un nome.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>Il nome di una raccolta può avere al massimo %n carattere.</numerusform>
            <numerusform>Il nome di una raccolta può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>Il nome di una raccolta non può contenere «/» o caratteri di controllo, iniziare con un punto o con spazi, né finire con spazi.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Non c’è nessuna raccolta chiamata «%1».</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>La raccolta «%1» supera i %2 MB, molto più di qualsiasi elenco di immagini.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Esiste già una raccolta chiamata «%1».</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>Impossibile leggere i messaggi della raccolta «%1» (%2); la raccolta mostra tutti i tuoi messaggi.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>Le impostazioni o i messaggi della raccolta «%1» restano sotto il suo vecchio nome: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Impossibile leggerlo: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>Impossibile creare un file in %1: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>Impossibile scrivere la copia: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Impossibile sostituire %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L’applicazione è già in esecuzione</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>La libreria di immagini in %1 è in uso da parte di un’altra copia del programma in esecuzione.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Tieni un registro delle immagini mostrate</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Volte</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Ultima volta</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Oggi: %1   Questa settimana: %2   In totale: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>Il programma in esecuzione non ha risposto.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Una pausa dura da 1 a %1 minuti.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Le immagini vanno indicate con il percorso completo.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 passa per troppi collegamenti</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 è di sola lettura</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 è stato lasciato com’era: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>Impossibile scrivere %1 (%2) e ripristinarne il contenuto precedente (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 è un collegamento, attraverso il quale il programma non scrive: potrebbe portare a un tuo file. Rimuovi il collegamento.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>In pausa: lo schermo è bloccato</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>In pausa: una finestra a schermo intero è in primo piano</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>In pausa: Non disturbare è attivo</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>In pausa: lo schermo è condiviso</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>In pausa: è in corso una chiamata</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>Mostra la finestra &amp;principale</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Prossima immagine alle %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Un’immagine è sullo schermo</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Fuori dagli orari attivi</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Fuori dagli orari attivi fino alle %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>In pausa fino alle %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Mostrate oggi: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>La presentazione non è attiva; non c’è nulla da sospendere.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Troppe aggiunte sono in attesa. Riprova quando le immagini in corso di aggiunta saranno state inserite.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Non ci sono messaggi da mostrare. Aggiungine alcuni nella finestra «Messaggi» o scegli lì di mostrare immagini.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>Il file supera i %1 GB, molto più di quanto serva a una raccolta di immagini.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Questa non è una raccolta di immagini: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>Il file contiene «%1», che una raccolta di immagini non può contenere: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>vi trovano posto solo il suo elenco, le sue impostazioni e le sue immagini, indicate con il semplice nome.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>è un collegamento o un file speciale.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>compare due volte.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>supera i %1 MB.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>con esso, la raccolta decompressa supererebbe i %1 GB.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>una raccolta contiene al massimo %1 immagini.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>contiene più di quanto dichiara.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Il file è danneggiato: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>Il file non contiene un elenco di immagini (%1); non è una raccolta.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>è una cartella dove va un file, o un file dove va la cartella delle immagini.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>Le impostazioni di una raccolta, %1, superano i %2 kB; non vengono lette.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>Impossibile salvare le impostazioni della raccolta: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Impossibile esportare la raccolta: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Esiste già una raccolta chiamata «%1». Rinomina prima quella o il file.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>Il file contiene l’immagine «%1», che la sua raccolta non nomina.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>La raccolta nomina l’immagine «%1», che il file non contiene.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Il tuo elenco ha già un’immagine chiamata «%1», e quella della raccolta è un’immagine diversa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>un file con questo nome è già nella libreria di immagini.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>I messaggi della raccolta: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Raccolte</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>R&amp;accolte:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Immagini della raccolta:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;ome:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Le modifiche vengono salvate subito.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>Eliminare la raccolta «%1»? Le sue immagini restano nell’elenco.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>I&amp;mporta…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>Es&amp;porta…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Raccolte di immagini</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Importa una raccolta</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Esporta la raccolta</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>Me&amp;ssaggi della raccolta:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Frequenza delle immagini</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Qui puoi impostare l’intervallo tra le immagini e quanto resta visibile ognuna.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Mostra ogni</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Mostra per</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Posizione delle immagini</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>A caso sullo schermo</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Ordine delle immagini</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Come nell’elenco</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Mostra ogni (secondi)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>Il tempo tra due immagini, in secondi</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Mostra per (millisecondi)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Per quanto tempo ogni immagine resta sullo schermo, in millisecondi</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Ogni immagine appare in un punto casuale dello schermo</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Ogni immagine appare al centro dello schermo</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>Le immagini sono mostrate in ordine casuale</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>Le immagini sono mostrate nell’ordine dell’elenco</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Mostra le immagini su</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>lo schermo &amp;principale</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>lo schermo con il p&amp;untatore del mouse</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;ogni schermo a turno</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>Avvia con la &amp;sessione</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Impossibile impostare l’avvio del programma con la sessione: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Impossibile impedire l’avvio del programma con la sessione: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo email dell’amico</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci la tua email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l’email del tuo amico</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software.
Vuoi controllare se ci sono aggiornamenti?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Varia l’intervallo</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Per niente</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>Fino a ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images non è in esecuzione.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>Il bus di sessione non risponde: il programma prosegue senza.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>Il bus di sistema non risponde: il programma prosegue senza.</translation>
    </message>
</context>
</TS>
