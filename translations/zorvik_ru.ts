<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images — это продвинутая программа для показа подсознательных изображений. Она обращается к подсознанию и посылает ему позитивные сообщения, помогая выработать позитивный настрой. Сосредотачиваясь на выбранных подсознательных изображениях, вы также можете повысить уверенность в себе и самооценку и сделать свои цели достижимыми.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Нажмите, чтобы открыть %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте своё дело в интернете и зарабатывайте. Получите программу полностью под маркой вашего сайта.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Подробнее: нажмите сюда</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Открывает %1 в веб-браузере</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Открывает страницу о полном брендировании в веб-браузере</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Включено</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Активные часы</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;С</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;до</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Период может переходить через полночь; одинаковое время означает весь день. Вне этих часов показ ждёт.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Ненадолго показывает на экране выбранные вами изображения через равные промежутки времени.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Запускается свёрнутой с включённым показом, как после нажатия кнопки «Старт».</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Попробуйте «%1 --help».</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Останавливает показ в запущенной программе.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Начинает показ, если он выключен, и останавливает, если он идёт.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Приостанавливает показ на заданное число минут (от 1 до %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минуты</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Завершает паузу и возобновляет показ.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Файлы изображений или папки, которые нужно добавить в список запущенной программы.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Укажите только один из параметров --start, --stop, --toggle, --pause-for и --resume.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for ожидает число минут от 1 до %1, а не «%2».</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Добавляет ваше сообщение к сообщениям запущенной программы; указывайте параметр один раз для каждого сообщения.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Показывает изображения из набора с этим именем, начиная со следующего; &quot;&quot; — весь список.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>Для работы zorvik-subliminal-images нужен сеанс рабочего стола (дисплей X11 или XWayland в Wayland), но подключиться было не к чему.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Программы Velmoran Softwares, такие как эта, создаются и поддерживаются только благодаря вашей помощи. Лучший способ поддержать Velmora — регулярно посещать Velmora и участвовать в обсуждениях и других делах форума.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Посещайте Velmora регулярно. Поддержите Velmora, участвуя в обсуждениях и других делах. Без ваших регулярных посещений Velmora эти программы не могут поддерживаться и развиваться.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora — это БЕСПЛАТНЫЙ форум обо всём велморанском. Чтобы помочь Velmora развивать и поддерживать эту программу, регулярно посещайте Velmora.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora нужна ваша помощь. Просто регулярно посещайте Velmora и участвуйте в обсуждениях и других делах, чтобы помочь нам поддерживать и развивать новые Velmoran Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Нажмите здесь, чтобы посетить %1 сейчас</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Скачать Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие Velmoran Softwares. Начав с одной программы, мы стали крупнейшим в мире источником велморанских программ. Астрология, экстрасенсорика, таро, нумерология или оккультизм — у нас есть программы во всех областях, и наши пользователи могут выбрать по своим интересам.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Все программы пакета Velmoran Softwares просты и удобны. Они не только увлекательны, но и очень познавательны. Попробуйте их сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Посетите Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Посоветовать другу</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Посоветовать другу &amp;сейчас</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Открывает %1 в веб-браузере</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Открывает страницу Velmoran Softwares в веб-браузере</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Отправляет указанные выше данные на страницу рекомендаций в веб-браузере</translation>
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
        <translation>&#xa0;мс</translation>
    </message>
    <message>
        <source>Flash Look</source>
        <extracomment>The window&apos;s title: how each picture looks while it is flashed.</extracomment>
        <translation>Вид изображений</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Непрозрачность:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Появление:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>&amp;Исчезание:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Ваш рабочий стол сейчас не совмещает окна, поэтому изображения показываются непрозрачными и без плавных переходов. Эти настройки действуют на рабочем столе, который это делает, например GNOME или KDE Plasma, или с композитным менеджером.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Стандартный</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Четверть экрана</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Половина экрана</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Размер:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>Длительность показа — время, когда изображение видно с этой непрозрачностью; появление и исчезание добавляются до и после него. Начиная с четверти экрана, изображение сохраняет свои пропорции.</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Старт</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Выберите хотя бы одно изображение для показа</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Нет домашней папки (HOME не задана): подготовленные изображения хранятся только до выхода из программы.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Нет домашней папки (HOME не задана): настройки хранятся только до выхода из программы.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Нет домашней папки (HOME не задана): настройки и подготовленные изображения хранятся только до выхода из программы.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Просмотр изображений</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Загрузка изображений</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v из %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>Остановить добавление; уже добавленные изображения останутся</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Список изображений</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>Показываемые изображения по именам файлов; выберите одно, чтобы удалить его</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Лента изображений</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Миниатюры изображений из списка в том же порядке</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Прокрутка ленты изображений</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Добавление изображений</translation>
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
        <translation>Файл BMP (*.bmp*)|*.bmp|Файл JPG (*.jpg)|*.jpg|Файлы JPEG (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Добавить папку с изображениями</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Это изображение уже есть в списке. Выберите другое изображение. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Там нет изображений BMP или JPEG для добавления.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>Добавление отменено.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>Добавлено 1 изображение.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 уже было в списке.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>Пропущен 1 файл, не являющийся изображением BMP или JPEG.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>Не удалось добавить 1 изображение:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>Не удалось добавить «%1».
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>Не удалось удалить «%1».
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>Добавлено %n изображение.</numerusform>
            <numerusform>Добавлено %n изображения.</numerusform>
            <numerusform>Добавлено %n изображений.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n уже было в списке.</numerusform>
            <numerusform>%n уже были в списке.</numerusform>
            <numerusform>%n уже были в списке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>Пропущен %n файл, не являющийся изображением BMP или JPEG.</numerusform>
            <numerusform>Пропущено %n файла, не являющихся изображениями BMP или JPEG.</numerusform>
            <numerusform>Пропущено %n файлов, не являющихся изображениями BMP или JPEG.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>Не удалось добавить %n изображение:</numerusform>
            <numerusform>Не удалось добавить %n изображения:</numerusform>
            <numerusform>Не удалось добавить %n изображений:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Все изображения</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>Самый популярный велморанский форум в сети. Посетите %1 сейчас</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images поможет вам перепрограммировать себя и мыслить позитивно. Сосредоточьтесь на изображении цели, и мозг устремится к ней! Бросьте вредные привычки — успех ждёт уже сегодня!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; &amp;Добавить</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; &amp;Удалить</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>В&amp;ыйти</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Программа под маркой вашего сайта повысит лояльность и посещаемость. Укажите здесь его название и ссылку. Подробнее в «Справке». О кобрендинге — нажмите здесь.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте свой интернет-бизнес и зарабатывайте в сети. Получите эту программу под маркой вашего сайта. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Добавить &amp;папку…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Сп&amp;равка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;сети</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>П&amp;ожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать в сети</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Открывает %1 в веб-браузере</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Добавляет файлы изображений в список</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Удалить изображение</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Удаляет выбранное в списке изображение</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Открывает страницу пожертвований в веб-браузере</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Запускает или останавливает показ изображений из списка</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Открывает страницу о кобрендинге в веб-браузере</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Открывает страницу о полном брендировании в веб-браузере</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>&amp;Журнал…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>Вид из&amp;ображений…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Сообщ&amp;ения…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>Можно хранить не более %n сообщения.</numerusform>
            <numerusform>Можно хранить не более %n сообщений.</numerusform>
            <numerusform>Можно хранить не более %n сообщений.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Сообщение не может быть пустым.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Сообщение может содержать не более %n символа.</numerusform>
            <numerusform>Сообщение может содержать не более %n символов.</numerusform>
            <numerusform>Сообщение может содержать не более %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>Файл не является текстовым: в нём есть байты NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Файл не является текстом в кодировке UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Строка %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>Файл больше %n МБ.</numerusform>
            <numerusform>Файл больше %n МБ.</numerusform>
            <numerusform>Файл больше %n МБ.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>Не удаётся прочитать %1, поэтому он оставлен без изменений: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Ваши сообщения</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Ваша короткая фраза</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Экспорт…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>&amp;Сообщение:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Как показывать</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Только изображения</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Только сообщения</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Изображения и сообщения</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Шрифт рабочего с&amp;тола</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Маленький</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Большой</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>Как можно больше</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Цвет…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Контур</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>На &amp;подложке</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Цвет подло&amp;жки…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>&amp;Что показывать:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>&amp;Шрифт:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Размер:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Края букв:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Ваш рабочий стол сейчас не совмещает окна: сообщение показывается на фоне цвета подложки.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Импорт сообщений</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Текстовые файлы (*.txt)|*.txt|Все файлы|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Из %1 ничего не импортировано: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Экспорт сообщений</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Текстовые файлы (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>Не удалось экспортировать сообщения в %1: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Ваши слова</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>Не удалось сохранить сообщения: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>&amp;Активные часы…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>Приостановить на 15 &amp;минут</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>Приостановить на 1 &amp;час</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Приостановить до &amp;завтра</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>&amp;Возобновить сейчас</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Приостанавливать, когда</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>экран за&amp;блокирован</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>на переднем плане &amp;полноэкранное окно</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>включён режим «&amp;Не беспокоить»</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>идёт демонстрация или запись &amp;экрана</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>идёт &amp;звонок (используется микрофон или камера)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>Его имя недопустимо в кодировке символов этой системы, поэтому его нельзя открыть.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Это не файл.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>Это изображение невозможно прочитать.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>Не удаётся прочитать размер изображения.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>Изображение слишком большое (%1 × %2 пикселей).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>Изображение слишком велико для показа.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Размер файла %1 МБ — больше любого изображения, которое программа может показать (не более %2 МБ).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>Изображения %1 можно будет показывать после установки пакета %2.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>Программа не показывает изображения этого типа (она показывает изображения BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC и AVIF).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Сжатые изображения SVG показать нельзя: сохраните изображение как обычный SVG.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>Рисунок слишком сложен для показа.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>Файл повреждён: одна из его частей заявляет больше байтов, чем есть в файле.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>Его имя содержит символ, который список изображений не может сохранить (двойную кавычку, перевод строки или обратную косую черту). Переименуйте файл и добавьте его снова.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 — это ваш собственный файл с тем же именем, а не копия, и он не будет заменён. Переименуйте файл и добавьте его снова.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>Не удаётся создать папку %1 для копий изображений.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>Не удаётся сохранить список ваших собственных файлов в %1: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>Не удаётся сохранить список изображений %1: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Идёт добавление изображений. Дождитесь его окончания или отмените его.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Набор изображений</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>&amp;Весь список</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>В наборе есть изображения, которых нет в списке; они пропускаются:</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>&amp;Изменить наборы…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>У набора должно быть имя.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>Имя набора может содержать не более %n символа.</numerusform>
            <numerusform>Имя набора может содержать не более %n символов.</numerusform>
            <numerusform>Имя набора может содержать не более %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>Имя набора не может содержать «/» или управляющие символы, начинаться с точки или пробелов и заканчиваться пробелами.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Набора с именем «%1» нет.</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>Набор «%1» больше %2 МБ — гораздо больше любого списка изображений.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Набор с именем «%1» уже есть.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>Не удаётся прочитать сообщения набора «%1» (%2); набор показывает все ваши сообщения.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>Настройки или сообщения набора «%1» остаются под его прежним именем: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>Не удаётся создать файл в %1: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>Не удаётся записать копию: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Не удаётся заменить %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>Библиотека изображений в %1 используется другой запущенной копией программы.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Вести журнал показанных изображений</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Показов</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Последний показ</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Сегодня: %1   На этой неделе: %2   Всего: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>Запущенная программа не ответила.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Пауза длится от 1 до %1 минут.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>Изображения нужно указывать с полным путём.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 ведёт через слишком много ссылок</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 — это папка</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 доступен только для чтения</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 оставлен без изменений: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>Не удалось записать %1 (%2) и вернуть его прежнее содержимое (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 — это ссылка, через которую программа не записывает: она может вести к вашему файлу. Удалите ссылку.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>Пауза: экран заблокирован</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>Пауза: на переднем плане полноэкранное окно</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>Пауза: включён режим «Не беспокоить»</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>Пауза: идёт демонстрация экрана</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>Пауза: идёт звонок</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>Показать &amp;главное окно</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Следующее изображение в %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Изображение на экране</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Вне активных часов</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Вне активных часов до %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Пауза до %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Показано сегодня: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>Показ не запущен; приостанавливать нечего.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Слишком много добавлений ждёт в очереди. Повторите попытку, когда текущие изображения будут добавлены.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Нет сообщений для показа. Добавьте их в окне «Сообщения» или выберите там показ изображений.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 — это не файл.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>Файл больше %1 ГБ — гораздо больше, чем нужно набору изображений.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Это не набор изображений: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>Файл содержит элемент «%1», которого не может быть в наборе изображений: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>в наборе могут быть только его список, настройки и изображения под простыми именами файлов.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>это ссылка или специальный файл.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>он встречается дважды.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>он больше %1 МБ.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>с ним набор после распаковки занял бы больше %1 ГБ.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>в наборе может быть не более %1 изображений.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>в нём больше данных, чем заявлено.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>Файл повреждён: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>В файле нет списка изображений (%1); это не набор.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>это папка там, где должен быть файл, или файл там, где должна быть папка изображений.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>Настройки набора (%1) занимают больше %2 КБ; они не будут прочитаны.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>Не удалось сохранить настройки набора: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Не удалось экспортировать набор: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Набор с именем «%1» уже есть. Сначала переименуйте его или файл.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>Файл содержит изображение «%1», которого нет в его наборе.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>В наборе есть изображение «%1», которого нет в файле.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>В вашем списке уже есть изображение с именем «%1», а в наборе под этим именем другое изображение.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>в библиотеке уже есть файл с таким именем.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>Сообщения набора: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Наборы</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>Н&amp;аборы:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Изображения в наборе:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>Им&amp;я:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>Изменения сохраняются сразу.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>Удалить набор «%1»? Его изображения останутся в списке.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>И&amp;мпорт…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>&amp;Экспорт…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Наборы изображений</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Импорт набора</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Экспорт набора</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>&amp;Сообщения в наборе:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Частота показа</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Задайте промежуток между показами и длительность каждого показа.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Каждые</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Показывать</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Место показа</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>В случайном месте</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>В центре экрана</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Порядок показа</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайный</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Как в списке</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Промежуток (секунды)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>Время между двумя изображениями в секундах</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Показывать в течение (миллисекунды)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Сколько времени каждое изображение остаётся на экране, в миллисекундах</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Каждое изображение появляется в случайном месте экрана</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Каждое изображение появляется в середине экрана</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>Изображения показываются в случайном порядке</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>Изображения показываются в порядке списка</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Показывать изображения на</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>&amp;основном мониторе</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>мониторе с &amp;указателем мыши</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;каждом мониторе по очереди</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>Зап&amp;ускать вместе с сеансом</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Не удаётся включить запуск программы вместе с сеансом: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Не удаётся отключить запуск программы вместе с сеансом: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите разные адреса эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите свой адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите своё сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес эл. почты друга</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Возможно, доступно обновление этой программы.
Проверить наличие обновлений?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Менять промежуток между показами</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Не менять</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>До ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images не запущена.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>Сеансовая шина не отвечает: программа продолжает работу без неё.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>Системная шина не отвечает: программа продолжает работу без неё.</translation>
    </message>
</context>
</TS>
