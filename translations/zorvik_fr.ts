<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images est un programme avancé d’affichage d’images subliminales. Ce logiciel s’adresse à l’inconscient et lui envoie des messages positifs, ce qui vous aide à adopter un état d’esprit positif. En vous concentrant sur les images subliminales de votre choix, vous pouvez aussi renforcer votre confiance et votre estime de vous-même et ainsi atteindre vos objectifs.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visitez %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Entreprendre chez vous&#xa0;: créez votre entreprise sur Internet et gagnez de l’argent. Obtenez ce logiciel entièrement à l’image de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez pour plus de détails</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Ouvre %1 dans le navigateur web</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Ouvre la page sur la personnalisation complète dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Activé</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Heures actives</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;à</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Une plage peut dépasser minuit&#x202f;; la même heure deux fois signifie toute la journée. En dehors de ces heures, la diffusion attend.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Affiche brièvement à l’écran, à intervalle régulier, des images de votre choix.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Démarre en fenêtre réduite, la diffusion lancée, comme si l’on avait appuyé sur Démarrer.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Arrête la diffusion dans le programme en cours d’exécution.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Démarre la diffusion si elle est arrêtée, l’arrête si elle est en cours.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Suspend la diffusion pendant le nombre de minutes indiqué (de 1 à %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Met fin à une pause et reprend la diffusion.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Fichiers d’images ou dossiers à ajouter à la liste du programme en cours d’exécution.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Indiquez une seule des options --start, --stop, --toggle, --pause-for et --resume.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for attend un nombre de minutes de 1 à %1, et non «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Ajoute un message personnel aux messages du programme en cours d’exécution&#x202f;; à indiquer une fois pour chaque message.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Affiche les images de l’ensemble de ce nom à partir de la suivante&#x202f;; &quot;&quot; pour toute la liste.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images a besoin d’une session de bureau (un affichage X11, ou XWayland sous Wayland) et n’en a trouvé aucune à laquelle se connecter.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les Velmoran Softwares comme celui-ci ne peuvent être créés et maintenus qu’avec votre soutien. La meilleure façon de soutenir Velmora est de visiter Velmora régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visitez Velmora régulièrement. Soutenez Velmora en participant aux discussions et aux autres activités. Ces logiciels ne peuvent être soutenus et maintenus sans vos visites régulières sur Velmora.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora est un forum de discussion en ligne GRATUIT consacré à tout ce qui est velmoran. Pour aider Velmora à développer et maintenir ce logiciel, visitez Velmora régulièrement.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora a besoin de votre aide. Il vous suffit de visiter Velmora régulièrement et de participer aux discussions et activités pour nous aider à maintenir et développer d’autres Velmoran Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Cliquez ici pour visiter %1 maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Télécharger les Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si vous avez apprécié ce logiciel, nos autres Velmoran Softwares vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la plus grande source de logiciels velmorans au monde. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines et offrons ainsi à nos utilisateurs un large choix selon leurs centres d’intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Tous les programmes de la suite Velmoran Softwares sont simples et faciles à utiliser. Ils sont non seulement amusants, mais aussi très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Visitez Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander à un a&amp;mi</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse électronique ne peut pas contenir d’espace</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Ouvre %1 dans le navigateur web</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Ouvre la page de Velmoran Softwares dans le navigateur web</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Envoie les informations ci-dessus à la page de recommandation dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>FlashLookDialog</name>
    <message>
        <source> %</source>
        <extracomment>The unit after a number, as in &quot;50 %&quot;.</extracomment>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after a number, as in &quot;200 ms&quot;.</extracomment>
        <translation>&#xa0;ms</translation>
    </message>
    <message>
        <source>Flash Look</source>
        <extracomment>The window&apos;s title: how each picture looks while it is flashed.</extracomment>
        <translation>Apparence des images</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacité&#xa0;:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>Fondu d’o&amp;uverture&#xa0;:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>Fondu de &amp;fermeture&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Votre bureau ne gère pas la transparence en ce moment&#xa0;: les images sont donc affichées opaques et sans fondu. Ces choix prennent effet sur un bureau qui la gère, comme GNOME ou KDE Plasma, ou avec un gestionnaire de composition.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Un quart de l’écran</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>La moitié de l’écran</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>L’écran entier</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>La durée d’affichage est le temps pendant lequel une image est montrée avec cette opacité&#x202f;; les fondus s’ajoutent avant et après. À partir d’un quart de l’écran, l’image garde ses proportions.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Veuillez choisir au moins une image à afficher</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Il n’y a pas de dossier personnel (HOME n’est pas défini)&#xa0;: les images préparées ne sont gardées que pendant l’exécution du programme.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Il n’y a pas de dossier personnel (HOME n’est pas défini)&#xa0;: les réglages ne sont gardés que pendant l’exécution du programme.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Il n’y a pas de dossier personnel (HOME n’est pas défini)&#xa0;: les réglages et les images préparées ne sont gardés que pendant l’exécution du programme.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Visionneuse d’images</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Chargement des images</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Arrêter l’ajout&#x202f;; les images déjà ajoutées sont conservées</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Liste des images</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>Les images affichées, par nom de fichier&#x202f;; sélectionnez-en une pour la supprimer</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Bande d’images</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Petits aperçus des images de la liste, dans le même ordre</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Faire défiler la bande d’images</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Ajout des images</translation>
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
        <translation>Fichier BMP (*.bmp*)|*.bmp|Fichier JPG (*.jpg)|*.jpg|Fichiers JPEG (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Ajouter un dossier d’images</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Cette image est déjà présente. Veuillez choisir une autre image. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Il n’y a là aucune image BMP ou JPEG à ajouter.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>L’ajout a été annulé.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>1 image a été ajoutée.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 était déjà dans la liste.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>1 fichier qui n’est pas une image BMP ou JPEG a été ignoré.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 n’a pas pu être ajoutée&#xa0;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être ajouté.
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être supprimé.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>%n image a été ajoutée.</numerusform>
            <numerusform>%n images ont été ajoutées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n était déjà dans la liste.</numerusform>
            <numerusform>%n étaient déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>%n fichier qui n’est pas une image BMP ou JPEG a été ignoré.</numerusform>
            <numerusform>%n fichiers qui ne sont pas des images BMP ou JPEG ont été ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n n’a pas pu être ajoutée&#xa0;:</numerusform>
            <numerusform>%n n’ont pas pu être ajoutées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Toutes les images</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>Le forum velmoran en ligne le plus populaire. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images vous aide à vous reprogrammer et à penser positivement. Fixez l’image de votre objectif et votre cerveau œuvrera à l’atteindre&#x202f;! Perdez vos mauvaises habitudes et réussissez dès aujourd’hui&#x202f;!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; A&amp;jouter une image</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; &amp;Supprimer l’image</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>Faire un do&amp;n</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personnalisez ce logiciel pour votre site&#xa0;: gagnez en fidélité et en trafic. Mettez ici le nom et le lien du site. Détails dans «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Entreprendre chez vous&#xa0;: créez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à l’image de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>Faire un d&amp;on</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Ouvre %1 dans le navigateur web</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Ajoute des fichiers d’images à la liste</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Supprimer l’image</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Retire l’image sélectionnée dans la liste</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Ouvre la page des dons dans le navigateur web</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Démarre ou arrête la diffusion des images de la liste</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Ouvre la page sur le co-branding dans le navigateur web</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Ouvre la page sur la personnalisation complète dans le navigateur web</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>&amp;Journal…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>Apparence des &amp;images…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Messages &amp;textuels…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Au maximum %n message peut être conservé.</numerusform>
            <numerusform>Au maximum %n messages peuvent être conservés.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Un message ne peut pas être vide.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Un message peut contenir au plus %n caractère.</numerusform>
            <numerusform>Un message peut contenir au plus %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>Le fichier n’est pas un fichier texte&#xa0;: il contient des octets NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>Le fichier dépasse %n Mo.</numerusform>
            <numerusform>Le fichier dépasse %n Mo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>%1 ne peut pas être lu&#x202f;; il est donc laissé tel quel&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Vos messages</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Une courte phrase de votre choix</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>M&amp;onter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Message&#xa0;:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Comment ils sont affichés</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Images seulement</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Messages seulement</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Images et messages</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Police du b&amp;ureau</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>La plus grande possible</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Couleur…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>Sur un &amp;fond</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Cou&amp;leur du fond…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>Affic&amp;her&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Bordure&#xa0;:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Votre bureau ne gère pas la transparence en ce moment&#xa0;: un message est affiché sur la couleur de son fond.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importer des messages</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Fichiers texte (*.txt)|*.txt|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Rien n’a été importé de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Exporter les messages</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Fichiers texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>Les messages n’ont pas pu être exportés vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Vos propres mots</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>Les messages n’ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>&amp;Heures actives…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>Pause de 15 &amp;minutes</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>Pause d’une h&amp;eure</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Pause jusqu’à dem&amp;ain</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>&amp;Reprendre maintenant</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Mettre en pause quand</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>l’écran est &amp;verrouillé</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>une fenêtre en plein é&amp;cran est au premier plan</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>le mode &amp;Ne pas déranger est actif</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>Pendant le partage ou l’enregistrement de l’&amp;écran</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>Pendant un &amp;appel (micro ou caméra utilisés)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>Son nom n’est pas valide dans le codage des caractères de ce système&#x202f;; il ne peut donc pas être ouvert.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>Ce n’est pas une image lisible.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>La taille de l’image ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>L’image est trop grande (%1 × %2 pixels).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>L’image est trop grande pour être affichée.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Avec %1 Mo, le fichier est plus grand que toute image que le programme peut afficher (au plus %2 Mo).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>Les images %1 pourront être affichées une fois le paquet %2 installé.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>Le programme n’affiche pas les images de ce type (il affiche les images BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC et AVIF).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Les images SVG compressées ne peuvent pas être affichées&#xa0;: enregistrez l’image au format SVG simple.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>Le dessin est trop complexe pour être affiché.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>Le fichier est endommagé&#xa0;: une partie annonce plus d’octets que le fichier n’en contient.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>Son nom contient un caractère que la liste d’images ne peut pas conserver (un guillemet double, un saut de ligne ou une barre oblique inverse). Renommez le fichier et ajoutez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 est un fichier personnel du même nom, et non une copie&#x202f;; il n’est pas remplacé. Renommez le fichier et ajoutez-le à nouveau.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>Le dossier %1 destiné aux copies des images ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>La liste de vos propres fichiers dans %1 ne peut pas être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>La liste d’images %1 ne peut pas être enregistrée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Des images sont en cours d’ajout. Attendez la fin ou annulez l’opération.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Ensemble d’images</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>Toute la &amp;liste</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>L’ensemble nomme des images absentes de la liste&#x202f;; elles sont laissées de côté&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>&amp;Modifier les ensembles…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>Un ensemble doit avoir un nom.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>Le nom d’un ensemble peut compter au plus %n caractère.</numerusform>
            <numerusform>Le nom d’un ensemble peut compter au plus %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>Le nom d’un ensemble ne peut contenir ni «&#xa0;/&#xa0;» ni caractères de contrôle, ni commencer par un point ou des espaces, ni finir par des espaces.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Il n’y a pas d’ensemble nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>L’ensemble «&#xa0;%1&#xa0;» dépasse %2&#xa0;Mo, bien plus que n’importe quelle liste d’images.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Il existe déjà un ensemble nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>Les messages de l’ensemble «&#xa0;%1&#xa0;» ne peuvent pas être lus (%2) ; il affiche tous vos messages.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>Les réglages ou les messages de l’ensemble «&#xa0;%1&#xa0;» restent sous son ancien nom&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Il ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>Aucun fichier ne peut être créé dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>La copie ne peut pas être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 ne peut pas être remplacé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>La bibliothèque d’images dans %1 est utilisée par une autre instance du programme en cours d’exécution.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Tenir un journal des images affichées</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affichages</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Dernier affichage</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Aujourd’hui&#xa0;: %1   Cette semaine&#xa0;: %2   Au total&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>Le programme en cours d’exécution n’a pas répondu.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Une pause dure de 1 à %1 minutes.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Les images doivent être indiquées avec leur chemin complet.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 passe par trop de liens</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 a été laissé tel quel&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>%1 n’a pas pu être écrit (%2), et son ancien contenu n’a pas pu être rétabli (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 est un lien, à travers lequel le programme n’écrit pas&#xa0;: il pourrait mener à l’un de vos fichiers. Supprimez le lien.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>En pause&#xa0;: l’écran est verrouillé</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>En pause&#xa0;: une fenêtre en plein écran est au premier plan</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>En pause&#xa0;: le mode Ne pas déranger est actif</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>En pause&#xa0;: l’écran est partagé</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>En pause&#xa0;: un appel est en cours</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>Afficher la fenêtre &amp;principale</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Prochaine image à %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Une image est à l’écran</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>En dehors des heures actives</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>En dehors des heures actives jusqu’à %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pause jusqu’à %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Affichées aujourd’hui&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>La diffusion n’est pas en cours&#x202f;; il n’y a rien à suspendre.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Trop d’ajouts sont en attente. Réessayez une fois que les images en cours d’ajout auront été ajoutées.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Il n’y a aucun message à afficher. Ajoutez-en dans la fenêtre «&#xa0;Messages&#xa0;» ou choisissez-y d’afficher des images.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>Le fichier dépasse %1&#xa0;Go, bien plus que ce dont un ensemble d’images a besoin.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Ce n’est pas un ensemble d’images&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>Le fichier contient «&#xa0;%1&#xa0;», ce qu’un ensemble d’images ne peut pas contenir&#xa0;: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>seuls sa liste, ses réglages et ses images, sous leur simple nom, y ont leur place.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>c’est un lien ou un fichier spécial.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>il y figure deux fois.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>il dépasse %1&#xa0;Mo.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>avec lui, l’ensemble décompressé dépasserait %1&#xa0;Go.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>un ensemble contient au plus %1 images.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>il contient plus qu’il ne l’annonce.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Le fichier est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>Le fichier ne contient aucune liste d’images (%1)&#x202f;; ce n’est pas un ensemble.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>c’est un dossier là où doit se trouver un fichier, ou un fichier là où doit se trouver le dossier des images.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>Les réglages d’un ensemble, %1, dépassent %2&#xa0;ko&#x202f;; ils ne sont pas lus.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>Les réglages de l’ensemble n’ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>L’ensemble n’a pas pu être exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Il existe déjà un ensemble nommé «&#xa0;%1&#xa0;». Renommez-le d’abord, ou renommez le fichier.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>Le fichier contient l’image «&#xa0;%1&#xa0;», que son ensemble ne nomme pas.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>L’ensemble nomme l’image «&#xa0;%1&#xa0;», que le fichier ne contient pas.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Votre liste contient déjà une image nommée «&#xa0;%1&#xa0;», et celle de l’ensemble est une autre image.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>un fichier de ce nom se trouve déjà dans la bibliothèque d’images.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>Les messages de l’ensemble&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Ensembles</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>&amp;Ensembles&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Images de l’ensemble&#xa0;:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;om&#xa0;:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Les modifications sont enregistrées au fur et à mesure.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>Supprimer l’ensemble «&#xa0;%1&#xa0;»&#x202f;? Ses images restent dans la liste.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Im&amp;porter…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Ensembles d’images</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Importer un ensemble</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Exporter l’ensemble</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>&amp;Messages de l’ensemble&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Fréquence des images</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Réglez ici l’intervalle entre les images et la durée d’affichage de chacune.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Toutes les</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Pendant</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Emplacement des images</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Au hasard sur l’écran</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Au centre de l’écran</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Ordre d’affichage</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Ordre de la liste</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Afficher toutes les (secondes)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>Le temps entre deux images, en secondes</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Afficher pendant (millisecondes)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Durée pendant laquelle chaque image reste à l’écran, en millisecondes</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Chaque image apparaît à un endroit aléatoire de l’écran</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Chaque image apparaît au milieu de l’écran</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>Les images sont affichées dans un ordre aléatoire</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>Les images sont affichées dans l’ordre de la liste</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Afficher les images sur</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>l’écran &amp;principal</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>l’écran où se trouve le p&amp;ointeur de la souris</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;chaque écran à tour de rôle</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>Lancer avec la &amp;session</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Le lancement avec la session ne peut pas être configuré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Le programme ne peut pas être empêché de se lancer avec la session&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse électronique</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse électronique de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse électronique valide</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir des adresses électroniques différentes</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse électronique</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse électronique de votre ami</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#x202f;?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Faire varier l’intervalle</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Pas du tout</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>Jusqu’à ±&#xa0;%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images n’est pas en cours d’exécution.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>Le bus de session ne répond pas&#xa0;: le programme continue sans lui.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>Le bus système ne répond pas&#xa0;: le programme continue sans lui.</translation>
    </message>
</context>
</TS>
