<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images は、サブリミナル画像を表示する高度なプログラムです。このソフトウェアは潜在意識に働きかけて前向きなメッセージを送り、前向きな心構えを育む手助けをします。お好みのサブリミナル画像に意識を集中することで、自信や自尊心を高め、目標を達成しやすくすることもできます。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 を開く</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>在宅ビジネスのチャンス。ネットビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアを、あなたの Web サイトのブランドで完全にカスタマイズできます。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはここをクリック</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>%1 を Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>完全ブランド化についてのページを Web ブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>有効にする(&amp;E)</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>アクティブな時間帯</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>開始(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>終了(&amp;T)</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>時間帯は午前 0 時をまたいでもかまいません。同じ時刻を 2 回指定すると終日になります。時間帯の外では表示は待機します。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>選んだ画像を一定の間隔で画面に一瞬表示します。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>「開始」を押したときと同じく、表示を開始した状態で最小化して起動します。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>「%1 --help」を試してください。</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>実行中のプログラムの表示を停止します。</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>表示が止まっていれば開始し、動作中なら停止します。</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>指定した時間（1～%1 分）だけ表示を一時停止します。</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>一時停止を終了して表示を再開します。</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>実行中のプログラムの一覧に追加する画像ファイルまたはフォルダー。</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>--start、--stop、--toggle、--pause-for、--resume のうち一つだけを指定してください。</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for には 1～%1 分の範囲で時間を指定してください（「%2」は使えません）。</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>実行中のプログラムのメッセージに自分のメッセージを追加します。メッセージごとに 1 回ずつ指定してください。</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>次の画像から、その名前の画像セットの画像を表示します。&quot;&quot; で一覧全体に戻します。</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>zorvik-subliminal-images needs a desktop session (an X11 display, or XWayland under Wayland) and found none to connect to.
</source>
        <translation>zorvik-subliminal-images にはデスクトップセッション（X11 ディスプレイ、または Wayland 上の XWayland）が必要ですが、接続先が見つかりませんでした。
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>このような Velmoran Softwares は、皆様のご支援があってこそ作成・保守できます。Velmora を支援する最善の方法は、Velmora を定期的に訪れて、掲示板での議論やその他の活動に参加することです。</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Velmora を定期的に訪れてください。議論やその他の活動に参加して Velmora を支援してください。皆様が Velmora を定期的に訪れなければ、これらのソフトウェアを支援・保守することはできません。</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>Velmora は、Velmora に関するあらゆる話題を扱う無料のオンライン掲示板です。このソフトウェアの開発と保守を支援するために、Velmora を定期的に訪れてください。</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>Velmora は皆様の助けを必要としています。Velmora を定期的に訪れ、さまざまな議論や活動に参加するだけで、さらに多くの Velmoran Softwares の保守と開発に役立ちます。</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>今すぐ %1 を開くにはここをクリック</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Velmoran Softwares のダウンロード</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>このソフトウェアを気に入っていただけたなら、ほかの Velmoran Softwares にもきっと興味を持っていただけるでしょう。私たちは一本のソフトウェアから始まり、今では世界最大の Velmora ソフトウェアの提供元になりました。占星術、超能力、タロット、数秘術、オカルトなど、あらゆる分野のプログラムをそろえ、興味に応じて幅広く選んでいただけます。</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Velmoran Softwares のプログラムはどれもシンプルで使いやすく、楽しいだけでなくとても役に立ちます。今すぐお試しいただき、感想を友人や家族と共有してください。</translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Velmoran Softwares を開く</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>友達に紹介</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>今すぐ友達に紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メールアドレスに空白は使えません</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>%1 を Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Velmoran Softwares のページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>上の入力内容を紹介ページに送り、Web ブラウザーで開きます</translation>
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
        <translation>表示の見た目</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>不透明度(&amp;O):</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>フェードイン(&amp;I):</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>フェードアウト(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>現在のデスクトップはウィンドウを合成していないため、画像は不透明のまま、フェードなしで表示されます。これらの設定は、GNOME や KDE Plasma のように合成を行うデスクトップ、またはコンポジットマネージャーの下で有効になります。</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>標準</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>画面の4分の1</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>画面の半分</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>画面全体</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>表示時間は、画像がこの不透明度で表示される時間です。フェードはその前後に加わります。画面の4分の1以上のサイズでは、画像の縦横比が保たれます。</translation>
    </message>
</context>
<context>
    <name>FlashRun</name>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>表示する画像を少なくとも 1 つ選択してください</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>ホームフォルダーがありません（HOME が設定されていません）。準備済みの画像はプログラムの実行中だけ保持されます。</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>ホームフォルダーがありません（HOME が設定されていません）。設定はプログラムの実行中だけ保持されます。</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>ホームフォルダーがありません（HOME が設定されていません）。設定と準備済みの画像はプログラムの実行中だけ保持されます。</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>画像ビューアー</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>画像を読み込み中</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v / %m</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop adding; the pictures added so far stay</source>
        <translation>追加を中止します。追加済みの画像は残ります</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>画像の一覧</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>表示される画像のファイル名の一覧です。削除するには 1 つ選択します</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>画像ストリップ</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>一覧の画像の縮小表示（同じ順序）</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>画像ストリップのスクロール</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>画像を追加中</translation>
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
        <translation>BMP ファイル (*.bmp*)|*.bmp|JPG ファイル (*.jpg)|*.jpg|JPEG ファイル (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>画像フォルダーの追加</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>この画像はすでに一覧にあります。別の画像を選択してください。</translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>そこには追加できる BMP または JPEG の画像がありません。</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>追加をキャンセルしました。</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>1 枚の画像を追加しました。</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 枚はすでに一覧にありました。</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>BMP でも JPEG でもない 1 個のファイルを除外しました。</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 枚を追加できませんでした：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>「%1」を追加できませんでした。
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>「%1」を削除できませんでした。
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>%n 枚の画像を追加しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n 枚はすでに一覧にありました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>BMP でも JPEG でもない %n 個のファイルを除外しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n 枚を追加できませんでした：</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>すべての画像</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>最も人気のある Velmora オンライン掲示板。今すぐ %1 へ</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images は、自分を再プログラムして前向きに考える手助けをします。目標を表す画像に集中すれば、脳が達成に向けて働きます。悪い習慣を手放し、成功をつかみましょう。今日から始めましょう。</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; 画像の追加(&amp;A)</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; 画像の削除(&amp;E)</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>寄付(&amp;N)</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>このソフトウェアをあなたのサイトとの共同ブランドにしましょう。サイトの固定客とアクセスを増やせます。サイトの名前とリンクをここに表示できます。詳しくは「ヘルプ」を参照。共同ブランドについて詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>在宅ビジネスのチャンス。自分のインターネットビジネスを始めて、オンラインで収入を得ましょう。このソフトウェアをあなたの Web サイトのブランドにできます。詳しくはここをクリック。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>フォルダーの追加(&amp;F)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Web サイトを訪問(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>このソフトウェアについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>オンラインで収入を得る(&amp;O)</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>%1 を Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>画像の追加</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>画像ファイルを一覧に追加します</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>画像の削除</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>一覧で選択した画像を取り除きます</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>寄付のページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>一覧の画像の表示を開始または停止します</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>共同ブランドについてのページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>完全ブランド化についてのページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>記録(&amp;C)…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>表示の見た目(&amp;L)…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>メッセージ(&amp;G)…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>保存できるメッセージは %n 件までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>メッセージを空にすることはできません。</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>メッセージは %n 文字までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>このファイルはテキストファイルではありません。NUL バイトが含まれています。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>このファイルは UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>%1 行目：%2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>ファイルが %n MB を超えています。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>%1 を読み込めないため、元のままにします：%2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>自分のメッセージ</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>自分で考えた短い文</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>置き換え(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>エクスポート(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Message:</source>
        <translation>メッセージ(&amp;M):</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>表示方法</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>画像のみ</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>メッセージのみ</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>画像とメッセージ</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>デスクトップのフォント(&amp;K)</translation>
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
        <translation>できるだけ大きく</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>色(&amp;C)…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>On a &amp;box</source>
        <translation>背景ボックス(&amp;B)</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>ボックスの色(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>表示内容(&amp;F):</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>フォント(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>文字の縁(&amp;G):</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>現在のデスクトップはウィンドウを合成していないため、メッセージはボックスの色の上に表示されます。</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>メッセージのインポート</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>テキストファイル (*.txt)|*.txt|すべてのファイル|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>%1 からは何もインポートされませんでした：%2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>メッセージのエクスポート</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>テキストファイル (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>メッセージを %1 にエクスポートできませんでした：%2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>自分の言葉</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>メッセージを保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>アクティブな時間帯(&amp;H)…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>15 分間一時停止(&amp;I)</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>1 時間一時停止(&amp;O)</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>明日まで一時停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>今すぐ再開(&amp;R)</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>一時停止する条件</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>画面がロックされている(&amp;L)</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>全画面のウィンドウが前面にある(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>通知を停止している(&amp;D)</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>画面の共有中または録画中(&amp;S)</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>通話中（マイクまたはカメラを使用中）(&amp;C)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>名前がこのシステムの文字コードでは無効なため、開けません。</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>ファイルではありません。</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>読み込める画像ではありません。</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>画像のサイズを読み取れません。</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>画像が大きすぎます（%1 × %2 ピクセル）。</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>画像が大きすぎて表示できません。</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>ファイルは %1 MB で、プログラムが表示できるどの画像よりも大きいです（最大 %2 MB）。</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>%1 画像は、パッケージ %2 をインストールすると表示できます。</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>この種類の画像は表示できません（表示できるのは BMP、JPEG、PNG、GIF、WebP、TIFF、SVG、HEIC、AVIF の画像です）。</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>圧縮された SVG 画像は表示できません。画像を通常の SVG として保存してください。</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>図形が複雑すぎるため表示できません。</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>ファイルが壊れています。ファイルの一部が、ファイルにある以上のバイト数を示しています。</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>名前に画像の一覧で保持できない文字（二重引用符、改行、バックスラッシュ）が含まれています。ファイル名を変更してから、もう一度追加してください。</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 は同じ名前の自分のファイルで、コピーではないため置き換えません。ファイル名を変更してから、もう一度追加してください。</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>画像のコピー用のフォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>%1 にある自分のファイルの一覧を保存できません：%2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>画像の一覧 %1 を保存できません：%2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>画像を追加中です。完了するまで待つか、キャンセルしてください。</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>画像セット</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>一覧全体(&amp;W)</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>この画像セットには、一覧にない画像が含まれています。それらは除外されます：</translation>
    </message>
    <message>
        <source>&amp;Edit Sets...</source>
        <translation>セットの編集(&amp;E)…</translation>
    </message>
</context>
<context>
    <name>PictureSets</name>
    <message>
        <source>A set needs a name.</source>
        <translation>画像セットには名前が必要です。</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>画像セットの名前は %n 文字までです。</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>画像セットの名前には「/」や制御文字を含めることはできず、ドットや空白で始めることも、空白で終えることもできません。</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>「%1」という画像セットはありません。</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>画像セット「%1」は %2 MB を超えています。どんな画像一覧よりもはるかに大きなサイズです。</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>「%1」という画像セットはすでにあります。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>画像セット「%1」のメッセージを読み込めません（%2）。この画像セットでは自分のメッセージをすべて表示します。</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>画像セット「%1」の設定またはメッセージは古い名前のまま残ります：%2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>読み込めません：%1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>%1 にファイルを作成できません：%2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>コピーを書き込めません：%1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>%1 を置き換えられません：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 を書き込めません：%2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>アプリケーションはすでに実行中です</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>%1 の画像ライブラリは、すでに起動しているこのプログラムが使用しています。</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>表示した画像を記録する(&amp;K)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>最終表示</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>今日：%1   今週：%2   合計：%3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>実行中のプログラムが応答しませんでした。</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>一時停止は 1～%1 分です。</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>画像はフルパスで指定してください。</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 はリンクをたどる回数が多すぎます</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 はフォルダーです</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 は読み取り専用です</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 は元のままにしました：%2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>%1 を書き込めず（%2）、元の内容も戻せませんでした（%3）</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 はリンクです。プログラムはリンクを通して書き込みません。あなたのファイルにつながっている可能性があります。リンクを削除してください。</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>一時停止中：画面がロックされています</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>一時停止中：全画面のウィンドウが前面にあります</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>一時停止中：通知を停止しています</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>一時停止中：画面を共有しています</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>一時停止中：通話中です</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>メインウィンドウを表示(&amp;M)</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>次の画像：%1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>画像を表示中</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>アクティブな時間帯の外です</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>アクティブな時間帯の外です（%1 まで）</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>一時停止中（%1 まで）</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>今日の表示：%1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>表示は動作していないため、一時停止するものはありません。</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>追加待ちが多すぎます。現在追加中の画像の追加が終わってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>表示するメッセージがありません。「メッセージ」ウィンドウで追加するか、そこで画像の表示を選んでください。</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>このファイルは %1 GB を超えています。画像セットに必要なサイズをはるかに上回っています。</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>これは画像セットではありません：%1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>このファイルには、画像セットに含めることのできない「%1」が含まれています：%2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>画像セットに含められるのは、その一覧、設定、およびパスを含まない名前の画像だけです。</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>リンクまたは特殊ファイルです。</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>重複しています。</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>%1 MB を超えています。</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>これを含めると、展開後の画像セットが %1 GB を超えます。</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>画像セットに含められる画像は最大 %1 枚です。</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>示されているサイズよりも多くのデータが含まれています。</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>ファイルが壊れています：%1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>このファイルには画像の一覧（%1）がありません。画像セットではありません。</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>ファイルがあるべき場所にフォルダーがあるか、画像フォルダーがあるべき場所にファイルがあります。</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>画像セットの設定（%1）が %2 kB を超えているため、読み込みません。</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>画像セットの設定を保存できませんでした：%1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>画像セットをエクスポートできませんでした：%1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>「%1」という画像セットはすでにあります。先にその画像セットかファイルの名前を変更してください。</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>ファイルには画像「%1」が含まれていますが、その画像セットには記載されていません。</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>画像セットには画像「%1」が記載されていますが、ファイルには含まれていません。</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>一覧にはすでに「%1」という名前の画像があり、画像セットの画像とは別の画像です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>「%1」：%2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>同じ名前のファイルがすでに画像ライブラリにあります。</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>画像セットのメッセージ：%1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>名前の変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>画像セット</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>画像セット(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>セット内の画像(&amp;P):</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>名前(&amp;A):</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>変更はその都度保存されます。</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>画像セット「%1」を削除しますか？画像は一覧に残ります。</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>インポート(&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>エクスポート(&amp;X)…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>画像セット</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>画像セットのインポート</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>画像セットのエクスポート</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>セット内のメッセージ(&amp;M):</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>表示の頻度</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>以下で画像の表示間隔と、各画像の表示時間を設定できます。</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>表示間隔</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>画像の表示位置</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>画面上のランダムな位置</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>画面の中央</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>画像の表示順</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>一覧の順</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>表示間隔（秒）</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>画像と画像の間の時間（秒）</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>表示時間（ミリ秒）</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>各画像を画面に表示する時間（ミリ秒）</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>各画像は画面上のランダムな位置に表示されます</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>各画像は画面の中央に表示されます</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>画像はランダムな順序で表示されます</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>画像は一覧の順序で表示されます</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>画像を表示するモニター</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>プライマリモニター(&amp;P)</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>マウスポインターのあるモニター(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>各モニターに順番に(&amp;E)</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>セッションと一緒に起動(&amp;W)</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>プログラムをセッションと一緒に起動するように設定できません：%1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>プログラムがセッションと一緒に起動しないように設定できません：%1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>お名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友達のお名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友達のメールアドレス</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>異なるメールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>お名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>メールアドレスを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友達のお名前を入力してください</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>友達のメールアドレスを入力してください</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>このソフトウェアの更新版があるかもしれません。
更新を確認しますか？</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>間隔を変動させる</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>変動させない</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>最大 ±%1%</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>Zorvik Subliminal Images は実行されていません。</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>セッションバスが応答しません。プログラムはセッションバスなしで続行します。</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>システムバスが応答しません。プログラムはシステムバスなしで続行します。</translation>
    </message>
</context>
</TS>
