<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images es un programa avanzado para mostrar imágenes subliminales. Este software llega a la mente subconsciente y le envía mensajes positivos, lo que le ayuda a desarrollar una actitud positiva. Al concentrarse en las imágenes subliminales que prefiera, también puede aumentar su confianza y su autoestima, y así alcanzar sus metas.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su negocio en Internet y gane dinero. Obtenga este software completamente con la marca de su web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Pulse aquí para saber más</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 en el navegador web</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Abre la página sobre la personalización completa en el navegador web</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Activado</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Horas activas</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Una franja puede pasar de la medianoche; la misma hora dos veces significa todo el día. Fuera de estas horas, la presentación espera.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Muestra brevemente en la pantalla, a intervalos regulares, las imágenes que elija.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Se inicia minimizado y con la presentación en marcha, como si se hubiera pulsado Iniciar.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe «%1 --help».</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Detiene la presentación del programa en ejecución.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Inicia la presentación si está detenida y la detiene si está en marcha.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Pausa la presentación durante los minutos indicados (de 1 a %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Termina una pausa y reanuda la presentación.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Archivos de imagen o carpetas que se añaden a la lista del programa en ejecución.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Indique solo una de las opciones --start, --stop, --toggle, --pause-for y --resume.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for espera un número de minutos de 1 a %1, no «%2».</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Añade un mensaje propio a los mensajes del programa en ejecución; indíquelo una vez por cada mensaje.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Muestra las imágenes del conjunto con ese nombre a partir de la siguiente; &quot;&quot; para toda la lista.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images necesita una sesión de escritorio (una pantalla X11, o XWayland en Wayland) y no ha encontrado ninguna a la que conectarse.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Los Velmoran Softwares como este solo pueden crearse y mantenerse con su apoyo. La mejor forma de apoyar a Velmora es visitar Velmora con regularidad y participar en los debates y otras actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visite Velmora con regularidad. Apoye a Velmora participando en los debates y otras actividades. Sin sus visitas regulares a Velmora, estos programas no pueden recibir apoyo ni mantenerse.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora es un foro de debate en línea GRATUITO sobre todo lo velmorano. Para ayudar a Velmora a desarrollar y mantener este software, visite Velmora con regularidad.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora necesita su ayuda. Solo tiene que visitar Velmora con regularidad y participar en los debates y actividades para ayudarnos a mantener y desarrollar más Velmoran Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Pulse aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Descargar Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si le ha gustado este software, seguro que le interesarán nuestros otros Velmoran Softwares. Partiendo de un único programa, nos hemos convertido en la mayor fuente de software velmorano del mundo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos y ofrecemos a nuestros usuarios una amplia variedad según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos los programas de la colección Velmoran Softwares son sencillos y fáciles de usar. No solo son divertidos, sino también muy informativos. Pruébelos hoy mismo y comparta su experiencia con sus amigos y familiares. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Visite Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar a un amigo a&amp;hora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 en el navegador web</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Abre la página de Velmoran Softwares en el navegador web</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Envía los datos anteriores a la página de recomendación en el navegador web</translation>
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
        <translation>Aspecto de las imágenes</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacidad:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Aparición gradual:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>&amp;Desaparición gradual:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Su escritorio no admite ahora transparencias, así que las imágenes se muestran opacas y sin transiciones. Estas opciones funcionan en un escritorio que las admita, como GNOME o KDE Plasma, o con un gestor de composición.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Un cuarto de la pantalla</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Media pantalla</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>La pantalla entera</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>La duración de la visualización es el tiempo en que una imagen se muestra con esta opacidad; las transiciones se añaden antes y después. A partir de un cuarto de la pantalla, la imagen conserva sus proporciones.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Seleccione al menos una imagen para mostrar</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>No hay carpeta personal (HOME no está definida): las imágenes preparadas solo se conservan mientras el programa está en ejecución.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>No hay carpeta personal (HOME no está definida): la configuración solo se conserva mientras el programa está en ejecución.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>No hay carpeta personal (HOME no está definida): la configuración y las imágenes preparadas solo se conservan mientras el programa está en ejecución.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Visor de imágenes</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Cargando imágenes</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Dejar de añadir; las imágenes añadidas hasta ahora se conservan</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>Las imágenes que se muestran, por nombre de archivo; seleccione una para eliminarla</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Tira de imágenes</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Miniaturas de las imágenes de la lista, en el mismo orden</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Desplazar la tira de imágenes</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Añadiendo imágenes</translation>
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
        <translation>Archivo BMP (*.bmp*)|*.bmp|Archivo JPG (*.jpg)|*.jpg|Archivos JPEG (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Añadir una carpeta de imágenes</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Esta imagen ya está en la lista. Seleccione otra imagen. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Ahí no hay imágenes BMP ni JPEG que añadir.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>Se canceló la adición.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>Se añadió 1 imagen.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 ya estaba en la lista.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>Se omitió 1 archivo que no es una imagen BMP ni JPEG.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 no se pudo añadir:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>No se pudo añadir «%1».
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>No se pudo eliminar «%1».
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>Se añadió %n imagen.</numerusform>
            <numerusform>Se añadieron %n imágenes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n ya estaba en la lista.</numerusform>
            <numerusform>%n ya estaban en la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>Se omitió %n archivo que no es una imagen BMP ni JPEG.</numerusform>
            <numerusform>Se omitieron %n archivos que no son imágenes BMP ni JPEG.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n no se pudo añadir:</numerusform>
            <numerusform>%n no se pudieron añadir:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>El foro de debate velmorano en línea más popular. Visite %1 ahora</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images le ayuda a reprogramarse y a pensar en positivo. Concéntrese en una imagen de su meta y su cerebro trabajará para alcanzarla. ¡Deje los malos hábitos y triunfe! Empiece hoy.</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; Añadi&amp;r imagen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; &amp;Eliminar imagen</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>Do&amp;nar</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalice este software para su sitio y aumente fidelidad y tráfico. Ponga aquí el nombre y el enlace del sitio. Detalles en «Ayuda». Pulse aquí para saber más sobre el co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su negocio en Internet y gane dinero en línea. Obtenga este software con la marca de su sitio web. Pulse aquí para ver más detalles.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Añadir una &amp;carpeta…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar una &amp;actualización</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;del software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 en el navegador web</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Añade archivos de imagen a la lista</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Eliminar imagen</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Quita la imagen seleccionada en la lista</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Abre la página de donaciones en el navegador web</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Inicia o detiene la presentación de las imágenes de la lista</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Abre la página sobre el co-branding en el navegador web</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Abre la página sobre la personalización completa en el navegador web</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>Re&amp;gistro…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>Aspecto de las &amp;imágenes…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Mensa&amp;jes…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Se puede guardar como máximo %n mensaje.</numerusform>
            <numerusform>Se pueden guardar como máximo %n mensajes.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Un mensaje no puede estar vacío.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Un mensaje puede tener como máximo %n carácter.</numerusform>
            <numerusform>Un mensaje puede tener como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>El archivo no es un archivo de texto: contiene bytes NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>El archivo ocupa más de %n MB.</numerusform>
            <numerusform>El archivo ocupa más de %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>No se puede leer %1, así que se deja como está: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Sus mensajes</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Una frase breve propia</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Mensaje:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Cómo se muestran</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Solo imágenes</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Solo mensajes</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Imágenes y mensajes</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Ti&amp;po de letra del escritorio</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>Lo más grande posible</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Color…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>Sobre un rec&amp;uadro</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Color &amp;del recuadro…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>M&amp;ostrar:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>Tipo de &amp;letra:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Borde:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Su escritorio no admite ahora transparencias: un mensaje se muestra sobre el color del recuadro.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importar mensajes</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Archivos de texto (*.txt)|*.txt|Todos los archivos|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>No se importó nada de %1: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Exportar mensajes</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Archivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>No se pudieron exportar los mensajes a %1: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Sus propias palabras</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>No se pudieron guardar los mensajes: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>&amp;Horas activas…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>Pausar 15 &amp;minutos</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>Pausar 1 h&amp;ora</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Pausar hasta m&amp;añana</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>&amp;Reanudar ahora</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Pausar cuando</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>la pantalla esté &amp;bloqueada</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>haya una ventana a pantalla &amp;completa delante</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>esté activo &amp;No molestar</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>se comparta o grabe la &amp;pantalla</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>haya una &amp;llamada (micrófono o cámara en uso)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>Su nombre no es válido en la codificación de caracteres de este sistema, por lo que no se puede abrir.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>No es una imagen que se pueda leer.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>No se puede leer el tamaño de la imagen.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>La imagen es demasiado grande (%1 × %2 píxeles).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>La imagen es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Con %1 MB, el archivo es más grande que cualquier imagen que el programa pueda mostrar (como máximo %2 MB).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>Las imágenes %1 se podrán mostrar cuando se instale el paquete %2.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>El programa no muestra imágenes de este tipo (muestra imágenes BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC y AVIF).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Las imágenes SVG comprimidas no se pueden mostrar: guarde la imagen como SVG sin comprimir.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>El dibujo es demasiado complejo para mostrarlo.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>El archivo está dañado: una parte de él declara más bytes de los que contiene el archivo.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>Su nombre contiene un carácter que la lista de imágenes no puede guardar (unas comillas dobles, un salto de línea o una barra invertida). Cambie el nombre del archivo y vuelva a añadirlo.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 es un archivo propio con el mismo nombre, no una copia, y no se reemplaza. Cambie el nombre del archivo y vuelva a añadirlo.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>No se puede crear la carpeta %1 para las copias de las imágenes.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>No se puede guardar la lista de sus propios archivos en %1: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>No se puede guardar la lista de imágenes %1: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Se están añadiendo imágenes. Espere a que termine o cancélelo.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Conjunto de imágenes</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>Toda la &amp;lista</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>El conjunto nombra imágenes que no están en la lista; se omiten:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>&amp;Editar conjuntos…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>Un conjunto necesita un nombre.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>El nombre de un conjunto puede tener como máximo %n carácter.</numerusform>
            <numerusform>El nombre de un conjunto puede tener como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>El nombre de un conjunto no puede contener «/» ni caracteres de control, empezar por un punto o espacios, ni terminar en espacios.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>No hay ningún conjunto llamado «%1».</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>El conjunto «%1» ocupa más de %2 MB, mucho más que cualquier lista de imágenes.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Ya hay un conjunto llamado «%1».</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>No se pueden leer los mensajes del conjunto «%1» (%2); el conjunto muestra todos sus mensajes.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>La configuración o los mensajes del conjunto «%1» siguen bajo su nombre anterior: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>No se puede crear ningún archivo en %1: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>No se puede escribir la copia: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>No se puede reemplazar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>La biblioteca de imágenes de %1 está en uso por otra copia del programa en ejecución.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Llevar un registro de las imágenes mostradas</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Hoy: %1   Esta semana: %2   En total: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>El programa en ejecución no ha respondido.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Una pausa dura de 1 a %1 minutos.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Las imágenes deben indicarse con su ruta completa.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 pasa por demasiados enlaces</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 se dejó como estaba: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>No se pudo escribir %1 (%2) ni restaurar su contenido anterior (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 es un enlace, a través del cual el programa no escribe: podría llevar a un archivo suyo. Elimine el enlace.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>En pausa: la pantalla está bloqueada</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>En pausa: hay una ventana a pantalla completa delante</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>En pausa: No molestar está activo</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>En pausa: se está compartiendo la pantalla</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>En pausa: hay una llamada en curso</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>Mostrar la ventana &amp;principal</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Siguiente imagen a las %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Hay una imagen en la pantalla</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Fuera de las horas activas</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Fuera de las horas activas hasta %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pausa hasta %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Mostradas hoy: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>La presentación está detenida; no hay nada que pausar.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Hay demasiadas adiciones en espera. Vuelva a intentarlo cuando se hayan añadido las imágenes que se están añadiendo ahora.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>No hay mensajes que mostrar. Añada alguno en la ventana «Mensajes» o elija allí mostrar imágenes.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>El archivo ocupa más de %1 GB, mucho más de lo que necesita un conjunto de imágenes.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Esto no es un conjunto de imágenes: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>El archivo contiene «%1», que no puede estar en un conjunto de imágenes: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>en él solo caben su lista, su configuración y sus imágenes con su nombre simple.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>es un enlace o un archivo especial.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>aparece dos veces.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>con él, el conjunto ocuparía más de %1 GB una vez descomprimido.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>un conjunto contiene como máximo %1 imágenes.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>contiene más de lo que declara.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>El archivo está dañado: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>El archivo no contiene ninguna lista de imágenes (%1); no es un conjunto.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>es una carpeta donde corresponde un archivo, o un archivo donde corresponde la carpeta de las imágenes.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>La configuración de un conjunto, %1, ocupa más de %2 kB; no se lee.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>No se pudo guardar la configuración del conjunto: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>No se pudo exportar el conjunto: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Ya hay un conjunto llamado «%1». Cambie primero su nombre o el del archivo.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>El archivo contiene la imagen «%1», que su conjunto no nombra.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>El conjunto nombra la imagen «%1», que el archivo no contiene.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Su lista ya tiene una imagen llamada «%1», y la del conjunto es otra imagen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>ya hay un archivo con este nombre en la biblioteca.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>Los mensajes del conjunto: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Conjuntos</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>C&amp;onjuntos:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Imágenes del conjunto:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>Nom&amp;bre:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Los cambios se guardan al hacerlos.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>¿Eliminar el conjunto «%1»? Sus imágenes siguen en la lista.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>I&amp;mportar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Conjuntos de imágenes</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Importar un conjunto</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Exportar el conjunto</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>Men&amp;sajes del conjunto:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Frecuencia de imágenes</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Ajuste aquí el intervalo entre imágenes y la duración de cada una.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Durante</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Posición de las imágenes</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Al azar en la pantalla</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Orden de las imágenes</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Como en la lista</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Mostrar cada (segundos)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>El tiempo entre dos imágenes, en segundos</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Mostrar durante (milisegundos)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Cuánto tiempo permanece cada imagen en la pantalla, en milisegundos</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Cada imagen aparece en un lugar aleatorio de la pantalla</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Cada imagen aparece en el centro de la pantalla</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>Las imágenes se muestran en orden aleatorio</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>Las imágenes se muestran en el orden de la lista</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Mostrar imágenes en</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>la pantalla &amp;principal</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>la pantalla con el p&amp;untero del ratón</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;cada pantalla por turnos</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>I&amp;niciar con la sesión</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>No se puede configurar el programa para que se inicie con la sesión: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>No se puede impedir que el programa se inicie con la sesión: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduzca una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduzca direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduzca el correo de su amigo</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este software disponible.
¿Quiere buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Variar el intervalo</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Sin variar</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>Hasta ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images no se está ejecutando.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>El bus de sesión no responde: el programa continúa sin él.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>El bus del sistema no responde: el programa continúa sin él.</translation>
    </message>
</context>
</TS>
