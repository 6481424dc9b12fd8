<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images 是一款先进的潜意识图片显示程序。本软件触及潜意识，向心灵传递积极的信息，帮助您形成积极的心态。专注于您喜欢的潜意识图片，还可以增强自信心和自尊心，从而让您的目标触手可及。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>点击此处访问 %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业良机。开创您自己的互联网事业，在线赚钱。获取完全以您网站品牌定制的本软件。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>点击此处了解详情</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>在网页浏览器中打开 %1</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>在网页浏览器中打开关于完全品牌定制的页面</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>启用(&amp;E)</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>活动时段</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>从(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>到(&amp;T)</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>时段可以跨过午夜；两个时间相同表示全天。在这些时段之外，闪现处于等待状态。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>按固定间隔在屏幕上短暂显示您选择的图片。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>以最小化方式启动并开始闪现，如同按下了“开始”。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>请尝试“%1 --help”。</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>停止正在运行的程序中的闪现。</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>闪现关闭时开始，开启时停止。</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>按给定的分钟数暂停闪现（1 到 %1）。</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>结束暂停并恢复闪现。</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>要添加到正在运行的程序的列表中的图片文件或文件夹。</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>--start、--stop、--toggle、--pause-for 和 --resume 只能指定一个。</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for 需要 1 到 %1 之间的分钟数，而不是“%2”。</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>将您自己的一条消息添加到正在运行的程序的消息中；每条消息指定一次。</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>从下一张图片起闪现该名称图片集中的图片；&quot;&quot; 表示整个列表。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images 需要桌面会话（X11 显示，或 Wayland 下的 XWayland），但未找到可连接的会话。
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>像本软件这样的 Velmoran Softwares 只有在您的支持下才能开发和维护。支持 Velmora 的最佳方式是经常访问 Velmora，并参与论坛上的讨论和其他活动。</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>请经常访问 Velmora。参与讨论和其他活动，支持 Velmora。没有您对 Velmora 的经常访问，这些软件就无法得到支持和维护。</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora 是一个关于一切 Velmora 事物的免费在线讨论论坛。为了帮助 Velmora 开发和维护本软件，请经常访问 Velmora。</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora 需要您的帮助。您只需经常访问 Velmora，参与各种讨论和活动，就能帮助我们维护和开发更多 Velmoran Softwares。</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>点击此处立即访问 %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>下载 Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>如果您喜欢本软件，一定也会对我们的其他 Velmoran Softwares 感兴趣。我们从一款软件起步，如今已成为全球最大的 Velmora 软件资源库。无论是占星、通灵、塔罗、数字命理还是神秘学，我们在各个领域都有程序，让用户可以根据兴趣广泛选择。</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Velmoran Softwares 套件中的所有程序都简单易用。它们不仅有趣，而且内容丰富。今天就试试吧，并与亲朋好友分享您的体验。</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>点击此处访问 Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐给朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>在网页浏览器中打开 %1</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>在网页浏览器中打开 Velmoran Softwares 页面</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>在网页浏览器中将以上内容发送到推荐页面</translation>
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
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>Flash Look</source>
        <extracomment>The window&apos;s title: how each picture looks while it is flashed.</extracomment>
        <translation>闪现外观</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>不透明度(&amp;O)：</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>淡入(&amp;I)：</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>淡出(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>您的桌面目前不进行窗口合成，因此图片以不透明方式显示，且没有淡入淡出。这些选项在进行合成的桌面（如 GNOME 或 KDE Plasma）上或配合合成管理器时才会生效。</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>标准</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>屏幕的四分之一</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>半个屏幕</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>整个屏幕</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>显示时长是图片以此不透明度显示的时间；淡入和淡出分别加在其前后。从屏幕的四分之一起，图片保持其原有比例。</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>请至少选择一张要显示的图片</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>没有主文件夹（未设置 HOME）：已准备的图片仅在程序运行期间保留。</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>没有主文件夹（未设置 HOME）：设置仅在程序运行期间保留。</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>没有主文件夹（未设置 HOME）：设置和已准备的图片仅在程序运行期间保留。</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>图片查看器</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>正在加载图片</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>停止添加；已添加的图片会保留</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>图片列表</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>要闪现的图片，按文件名列出；选中一张即可删除</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>图片条</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>列表中图片的缩略图，顺序相同</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>滚动图片条</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>正在添加图片</translation>
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
        <translation>BMP 文件 (*.bmp*)|*.bmp|JPG 文件 (*.jpg)|*.jpg|JPEG 文件 (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>添加图片文件夹</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>此图片已在列表中，请选择其他图片。</translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>那里没有可添加的 BMP 或 JPEG 图片。</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>添加已取消。</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>已添加 1 张图片。</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 张已在列表中。</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>已跳过 1 个不是 BMP 或 JPEG 图片的文件。</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 张无法添加：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>无法添加“%1”。
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>无法删除“%1”。
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>已添加 %n 张图片。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n 张已在列表中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>已跳过 %n 个不是 BMP 或 JPEG 图片的文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n 张无法添加：</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>所有图片</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>最受欢迎的 Velmora 在线讨论论坛。立即访问 %1</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images 可以帮助您重塑自我、积极思考。专注于一张代表您目标的图片，看看您的大脑如何朝着目标努力！摆脱坏习惯，成功指日可待！从今天开始，以免为时已晚。</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; 添加图片(&amp;A)</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; 删除图片(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>退出程序(&amp;X)</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>捐赠(&amp;N)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>为您的网站联合品牌定制本软件。提高您网站的忠诚度和访问量。在此放上您网站的名称和链接。详情请参阅“帮助”。点击此处了解联合品牌的更多信息。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业良机。开创您自己的互联网事业，在线赚钱。获取以您网站品牌完全定制的本软件。点击此处了解详情。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>添加文件夹(&amp;F)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>捐赠(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>在网页浏览器中打开 %1</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>将图片文件添加到列表</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>删除图片</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>从列表中移除所选图片</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>在网页浏览器中打开捐赠页面</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>开始或停止闪现列表中的图片</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>在网页浏览器中打开关于联合品牌的页面</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>在网页浏览器中打开关于完全品牌定制的页面</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>记录(&amp;C)…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>闪现外观(&amp;L)…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>消息(&amp;G)…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>最多可保存 %n 条消息。</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>消息不能为空。</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>每条消息最多 %n 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>该文件不是文本文件：其中含有 NUL 字节。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>该文件不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>文件超过 %n MB。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>无法读取 %1，因此保持原样：%2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>消息</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>您的消息</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>一句您自己的短句</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>导出(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>消息(&amp;M)：</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>闪现方式</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>仅图片</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>仅消息</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>图片和消息</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>桌面字体(&amp;K)</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>尽可能大</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>颜色(&amp;C)…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>背景框(&amp;B)</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>背景框颜色(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>闪现内容(&amp;F)：</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>字体(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>边缘(&amp;G)：</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>您的桌面目前不进行窗口合成：消息将显示在背景框的颜色上。</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>导入消息</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>文本文件 (*.txt)|*.txt|所有文件|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>未从 %1 导入任何内容：%2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>导出消息</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>文本文件 (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>无法将消息导出到 %1：%2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>您自己的话</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>无法保存消息：%1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>活动时段(&amp;H)…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>暂停 15 分钟(&amp;I)</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>暂停 1 小时(&amp;O)</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>暂停到明天(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>立即恢复(&amp;R)</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>暂停条件</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>屏幕已锁定(&amp;L)</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>前台有全屏窗口(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>已开启勿扰模式(&amp;D)</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>屏幕共享或录制时(&amp;S)</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>通话时（麦克风或摄像头正在使用）(&amp;C)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>其名称在本系统的字符编码中无效，因此无法打开。</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>这不是文件。</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>这不是可以读取的图片。</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>无法读取图片的尺寸。</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>图片太大（%1 × %2 像素）。</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>图片太大，无法显示。</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>文件大小为 %1 MB，超过了程序能显示的任何图片（最多 %2 MB）。</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>安装软件包 %2 后即可显示 %1 图片。</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>本程序不显示此类图片（可显示 BMP、JPEG、PNG、GIF、WebP、TIFF、SVG、HEIC 和 AVIF 图片）。</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>无法显示压缩的 SVG 图片：请将图片另存为普通 SVG。</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>图形过于复杂，无法显示。</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>文件已损坏：其中一部分声明的字节数超过了文件的实际大小。</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>其名称包含图片列表无法保存的字符（双引号、换行符或反斜杠）。请重命名该文件后再添加。</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 是您自己的同名文件，不是副本，不会被替换。请重命名该文件后再添加。</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>无法创建用于存放图片副本的文件夹 %1。</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>无法保存 %1 中您自己的文件列表：%2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>无法保存图片列表 %1：%2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>正在添加图片。请等待完成，或取消添加。</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>图片集</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>整个列表(&amp;W)</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>该图片集列出了不在列表中的图片，这些图片将被略过：</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>编辑图片集(&amp;E)…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>图片集需要一个名称。</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>图片集名称最多 %n 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>图片集名称不能包含“/”或控制字符，不能以点或空格开头，也不能以空格结尾。</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>没有名为“%1”的图片集。</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>图片集“%1”大于 %2 MB，远超任何图片列表。</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>已有名为“%1”的图片集。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>无法读取图片集“%1”的消息（%2）；该图片集将闪现您的全部消息。</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>图片集“%1”的设置或消息仍保留在其旧名称下：%2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>无法写入副本：%1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>%1 中的图片库正被该程序另一个正在运行的副本使用。</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>记录已显示的图片(&amp;K)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>上次显示</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>今天：%1   本周：%2   总计：%3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>正在运行的程序没有响应。</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>暂停时长为 1 到 %1 分钟。</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>图片必须以完整路径给出。</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 经过的链接过多</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 是文件夹</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 是只读的</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 保持原样：%2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>无法写入 %1（%2），也无法恢复其原有内容（%3）</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 是一个链接，程序不会通过它写入：它可能指向您的某个文件。请删除该链接。</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>已暂停：屏幕已锁定</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>已暂停：前台有全屏窗口</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>已暂停：已开启勿扰模式</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>已暂停：屏幕正在共享</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>已暂停：正在通话</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>显示主窗口(&amp;M)</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>下一张图片：%1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>屏幕上正在显示图片</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>不在活动时段内</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>活动时段外，至 %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>暂停至 %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>今天已显示：%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>闪现未开启，没有可暂停的内容。</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>等待添加的请求过多。请在当前正在添加的图片添加完成后重试。</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>没有可闪现的消息。请在“消息”窗口中添加，或在那里选择闪现图片。</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>该文件大于 %1 GB，远超图片集所需。</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>这不是图片集：%1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>该文件包含“%1”，而图片集中不能包含它：%2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>图片集中只能包含其列表、设置以及不带路径的图片文件。</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>它是链接或特殊文件。</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>它出现了两次。</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>它大于 %1 MB。</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>加上它，图片集解压后将超过 %1 GB。</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>一个图片集最多包含 %1 张图片。</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>它包含的数据多于其声明的大小。</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>文件已损坏：%1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>该文件不含图片列表（%1），不是图片集。</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>应为文件的位置是一个文件夹，或应为图片文件夹的位置是一个文件。</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>图片集的设置（%1）大于 %2 kB，将不会读取。</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>无法保存图片集的设置：%1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>无法导出图片集：%1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>已有名为“%1”的图片集。请先重命名该图片集或该文件。</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>文件中包含图片“%1”，但其图片集未列出该图片。</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>图片集列出了图片“%1”，但文件中没有该图片。</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>您的列表中已有名为“%1”的图片，而图片集中的是另一张图片。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>图片库中已有同名文件。</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>图片集的消息：%1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>图片集</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>图片集(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>图片集内容(&amp;P)：</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>名称(&amp;A)：</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>更改会立即保存。</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>删除图片集“%1”？其中的图片仍保留在列表中。</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>导入(&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>导出(&amp;X)…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>图片集</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>导入图片集</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>导出图片集</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>图片集内的消息(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>显示频率</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>您可以在下方设置图片之间的间隔以及每张图片的显示时长。</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>显示间隔</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>显示时长</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>图片显示位置</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>屏幕上随机位置</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>屏幕中央</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>图片显示顺序</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>按列表顺序</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>显示间隔（秒）</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>两张图片之间的时间，以秒计</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>显示时长（毫秒）</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>每张图片在屏幕上停留的时间，以毫秒计</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>每张图片出现在屏幕上的随机位置</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>每张图片出现在屏幕中央</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>图片按随机顺序闪现</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>图片按列表顺序闪现</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>图片显示于</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>主显示器(&amp;P)</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>鼠标指针所在的显示器(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>轮流在每个显示器上(&amp;E)</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>随会话启动(&amp;W)</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>无法将程序设置为随会话启动：%1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>无法阻止程序随会话启动：%1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入正确的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入不同的电子邮件地址</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入您的电子邮件</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮件</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>此软件可能有可用的更新
要检查更新吗？</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>间隔浮动</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>不浮动</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>最多 ±%1%</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images 未在运行。</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>会话总线没有响应：程序将在没有它的情况下继续运行。</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>系统总线没有响应：程序将在没有它的情况下继续运行。</translation>
    </message>
</context>
</TS>
