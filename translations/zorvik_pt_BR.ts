<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zorvik Subliminal Images is an advanced subliminal image displaying program. This software reaches out to the subconscious mind and sends positive messages to the mind, thus helping you develop a positive mindset. By concentrating on preferred subliminal images you can also increase your self-confidence and self-esteem thus making your goals achievable.</source>
        <translation>Zorvik Subliminal Images é um programa avançado de exibição de imagens subliminares. Este software alcança a mente subconsciente e envia a ela mensagens positivas, ajudando você a desenvolver uma atitude positiva. Concentrando-se nas imagens subliminares de sua preferência, você também pode aumentar sua autoconfiança e autoestima e assim tornar suas metas alcançáveis.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu negócio na Internet e ganhe dinheiro on-line. Tenha este software 100% com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique para mais detalhes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 no navegador</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Abre a página sobre a personalização completa no navegador</translation>
    </message>
</context>
<context>
    <name>ActiveHoursDialog</name>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Ativado</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Horário ativo</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;De</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>a&amp;té</translation>
    </message>
    <message>
        <source>A window may go on past midnight; the same time twice is the whole day. Outside these hours a run waits.</source>
        <extracomment>A run: the pictures shown one at a time at the interval, from Start until Stop; it waits, it does not end. A window: a span of hours.</extracomment>
        <translation>Um período pode passar da meia-noite; o mesmo horário duas vezes significa o dia inteiro. Fora desse horário, a exibição aguarda.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Flashes pictures of your choosing on the screen for a moment at a regular interval.</source>
        <extracomment>To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.</extracomment>
        <translation>Exibe rapidamente na tela, em intervalos regulares, imagens de sua escolha.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Exibe a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Starts minimised with the run on, as if Start were pressed.</source>
        <extracomment>The run: the pictures flashed at the interval, from Start until Stop.</extracomment>
        <translation>Inicia minimizado com a exibição em andamento, como se Iniciar tivesse sido pressionado.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Tente &quot;%1 --help&quot;.</translation>
    </message>
    <message>
        <source>Stops flashing in the program that is running.</source>
        <translation>Para a exibição no programa em execução.</translation>
    </message>
    <message>
        <source>Starts flashing if it is off, stops it if it is on.</source>
        <translation>Inicia a exibição se estiver parada e a para se estiver em andamento.</translation>
    </message>
    <message>
        <source>Pauses flashing for the given number of minutes (1 to %1).</source>
        <translation>Pausa a exibição pelo número de minutos indicado (de 1 a %1).</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Ends a pause for a while and flashes again.</source>
        <translation>Encerra uma pausa e volta a exibir.</translation>
    </message>
    <message>
        <source>Picture files or folders to add to the list of the program that is running.</source>
        <translation>Arquivos de imagem ou pastas a adicionar à lista do programa em execução.</translation>
    </message>
    <message>
        <source>Give only one of --start, --stop, --toggle, --pause-for and --resume.</source>
        <translation>Informe apenas uma das opções --start, --stop, --toggle, --pause-for e --resume.</translation>
    </message>
    <message>
        <source>--pause-for takes a number of minutes from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--pause-for espera um número de minutos de 1 a %1, não “%2”.</translation>
    </message>
    <message>
        <source>Adds a message of your own to the messages of the program that is running; give it once for each message.</source>
        <translation>Adiciona uma mensagem sua às mensagens do programa em execução; informe a opção uma vez para cada mensagem.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Flashes the pictures of the set of that name from the next picture on; &quot;&quot; for the whole list.</source>
        <translation>Exibe as imagens do conjunto com esse nome a partir da próxima; &quot;&quot; para a lista inteira.</translation>
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
        <translation>zorvik-subliminal-images precisa de uma sessão de desktop (uma tela X11, ou XWayland no Wayland) e não encontrou nenhuma à qual se conectar.
</translation>
    </message>
</context>
<context>
    <name>ExitScreen</name>
    <message>
        <source>Velmoran Softwares, such as this can be created and maintained only with your support. The best way to support Velmora is to visit Velmora regularly and take part in the discussions and other activities on the board.</source>
        <translation>Os Velmoran Softwares como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar o Velmora é visitar o Velmora regularmente e participar das discussões e de outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Velmora regularly. Support Velmora by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Velmora</source>
        <translation>Visite o Velmora regularmente. Apoie o Velmora participando das discussões e de outras atividades. Sem as suas visitas regulares ao Velmora, estes programas não podem ser apoiados e mantidos.</translation>
    </message>
    <message>
        <source>Velmora is a FREE online discussion forum for all things velmoran. To help Velmora develop and maintain this software visit Velmora regularly.</source>
        <translation>O Velmora é um fórum de discussão on-line GRATUITO sobre tudo o que é velmorano. Para ajudar o Velmora a desenvolver e manter este software, visite o Velmora regularmente.</translation>
    </message>
    <message>
        <source>Velmora needs your help. All you need to do is visit Velmora regularly and take part in the various discussions and activites to help us maintain and develop more Velmoran Softwares.</source>
        <translation>O Velmora precisa da sua ajuda. Basta visitar o Velmora regularmente e participar das discussões e atividades para nos ajudar a manter e desenvolver mais Velmoran Softwares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Download Velmoran Softwares</source>
        <translation>Baixar Velmoran Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Velmoran Softwares. From a single software, we have now grown to become the world’s largest resource of velmoran softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Se você gostou deste software, certamente vai se interessar pelos nossos outros Velmoran Softwares. A partir de um único programa, nos tornamos a maior fonte de software velmorano do mundo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas em todas as áreas, oferecendo aos nossos usuários uma grande variedade de acordo com seus interesses.</translation>
    </message>
    <message>
        <source>All the programs in the Velmoran Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Todos os programas do pacote Velmoran Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente-os hoje mesmo e compartilhe sua experiência com seus amigos e familiares. </translation>
    </message>
    <message>
        <source>Click Here To Visit Velmoran Softwares</source>
        <translation>Visite a Velmoran Softwares</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indicar a um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indicar a um amigo &amp;agora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 no navegador</translation>
    </message>
    <message>
        <source>Opens the Velmoran Softwares page in the web browser</source>
        <translation>Abre a página do Velmoran Softwares no navegador</translation>
    </message>
    <message>
        <source>Sends the entries above to the referral page in the web browser</source>
        <translation>Envia os dados acima para a página de indicação no navegador</translation>
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
        <translation>Aparência das imagens</translation>
    </message>
    <message>
        <source>&amp;Opacity:</source>
        <translation>&amp;Opacidade:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Esmaecer na entrada:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>Esmaecer na &amp;saída:</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now, so pictures are shown opaque and without fades. These choices take effect on a desktop that does, such as GNOME or KDE Plasma, or with a compositing manager.</source>
        <translation>Sua área de trabalho não permite transparência agora, então as imagens são exibidas opacas e sem esmaecimento. Estas opções têm efeito em uma área de trabalho que a permita, como GNOME ou KDE Plasma, ou com um gerenciador de composição.</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>A size of the flash: the small window every flash had so far.</extracomment>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>A quarter of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s width and height.</extracomment>
        <translation>Um quarto da tela</translation>
    </message>
    <message>
        <source>Half of the screen</source>
        <extracomment>A size of the flash: the picture as large as fits in half the screen&apos;s area.</extracomment>
        <translation>Metade da tela</translation>
    </message>
    <message>
        <source>The whole screen</source>
        <extracomment>A size of the flash: the picture as large as fits on the screen.</extracomment>
        <translation>A tela inteira</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>The display duration is the time a picture is shown at this opacity; the fades come before and after it. At a quarter of the screen and larger, a picture keeps its proportions.</source>
        <translation>A duração da exibição é o tempo em que uma imagem fica na tela com esta opacidade; os esmaecimentos vêm antes e depois. A partir de um quarto da tela, a imagem mantém suas proporções.</translation>
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
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Please Select Atleast One Image To Display Your Picture</source>
        <translation>Selecione pelo menos uma imagem para exibir</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>There is no home folder (HOME is not set): prepared pictures are kept only while the program runs.</source>
        <translation>Não há pasta pessoal (HOME não está definida): as imagens preparadas são mantidas apenas enquanto o programa estiver em execução.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings are kept only while the program runs.</source>
        <translation>Não há pasta pessoal (HOME não está definida): as configurações são mantidas apenas enquanto o programa estiver em execução.</translation>
    </message>
    <message>
        <source>There is no home folder (HOME is not set): settings and prepared pictures are kept only while the program runs.</source>
        <translation>Não há pasta pessoal (HOME não está definida): as configurações e as imagens preparadas são mantidas apenas enquanto o programa estiver em execução.</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>Visualizador de imagens</translation>
    </message>
    <message>
        <source>Loading pictures</source>
        <translation>Carregando imagens</translation>
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
        <translation>Parar de adicionar; as imagens já adicionadas permanecem</translation>
    </message>
    <message>
        <source>Picture list</source>
        <translation>Lista de imagens</translation>
    </message>
    <message>
        <source>The pictures that are flashed, by file name; select one to delete it</source>
        <translation>As imagens exibidas, por nome de arquivo; selecione uma para excluí-la</translation>
    </message>
    <message>
        <source>Picture strip</source>
        <translation>Faixa de imagens</translation>
    </message>
    <message>
        <source>Small views of the pictures in the list, in the same order</source>
        <translation>Miniaturas das imagens da lista, na mesma ordem</translation>
    </message>
    <message>
        <source>Scroll the picture strip</source>
        <translation>Rolar a faixa de imagens</translation>
    </message>
    <message>
        <source>Adding pictures</source>
        <translation>Adicionando imagens</translation>
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
        <translation>Arquivo BMP (*.bmp*)|*.bmp|Arquivo JPG (*.jpg)|*.jpg|Arquivos JPEG (*.jpeg)|*.jpeg</translation>
    </message>
    <message>
        <source>Add a Folder of Pictures</source>
        <translation>Adicionar uma pasta de imagens</translation>
    </message>
    <message>
        <source>This Picture is Already available Please Select Another Picture </source>
        <translation>Esta imagem já está na lista. Selecione outra imagem. </translation>
    </message>
    <message>
        <source>There are no BMP or JPEG pictures to add there.</source>
        <translation>Não há imagens BMP ou JPEG para adicionar ali.</translation>
    </message>
    <message>
        <source>Adding was cancelled.</source>
        <translation>A adição foi cancelada.</translation>
    </message>
    <message>
        <source>1 picture was added.</source>
        <translation>1 imagem foi adicionada.</translation>
    </message>
    <message>
        <source>1 was in the list already.</source>
        <translation>1 já estava na lista.</translation>
    </message>
    <message>
        <source>1 file that is no BMP or JPEG picture was left out.</source>
        <translation>1 arquivo que não é uma imagem BMP ou JPEG foi deixado de fora.</translation>
    </message>
    <message>
        <source>1 could not be added:</source>
        <translation>1 não pôde ser adicionada:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added.
%2</source>
        <translation>Não foi possível adicionar &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.
%2</source>
        <translation>Não foi possível excluir &quot;%1&quot;.
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures were added.</source>
        <translation>
            <numerusform>%n imagem foi adicionada.</numerusform>
            <numerusform>%n imagens foram adicionadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were in the list already.</source>
        <translation>
            <numerusform>%n já estava na lista.</numerusform>
            <numerusform>%n já estavam na lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files that are no BMP or JPEG pictures were left out.</source>
        <translation>
            <numerusform>%n arquivo que não é uma imagem BMP ou JPEG foi deixado de fora.</numerusform>
            <numerusform>%n arquivos que não são imagens BMP ou JPEG foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be added:</source>
        <translation>
            <numerusform>%n não pôde ser adicionada:</numerusform>
            <numerusform>%n não puderam ser adicionadas:</numerusform>
        </translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Todas as imagens</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The Most Popular Online Velmoran Discussion Forum.Visit %1 Now</source>
        <translation>O fórum de discussão velmorano on-line mais popular. Visite %1 agora</translation>
    </message>
    <message>
        <source>Zorvik Subliminal Images can help you reprogram yourself and think positively. Concentrate on an image that represents your goal and see how your brain works forward to achieving that goal! Let go of bad habits and be assured of success! Start today before it is too late.</source>
        <translation>Zorvik Subliminal Images ajuda você a se reprogramar e a pensar positivo. Concentre-se em uma imagem da sua meta e seu cérebro trabalhará para alcançá-la! Largue os maus hábitos e tenha sucesso. Comece já!</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Add Picture</source>
        <translation>&lt;&lt; Adi&amp;cionar imagem</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Delete Picture</source>
        <translation>&lt;&lt; &amp;Excluir imagem</translation>
    </message>
    <message>
        <source>E&amp;xit Program</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Do&amp;nate</source>
        <translation>D&amp;oar</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalize este software para o seu site e aumente fidelidade e tráfego. Coloque aqui o nome e o link do site. Detalhes na &quot;Ajuda&quot;. Clique aqui para saber mais sobre co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu negócio na Internet e ganhe dinheiro on-line. Tenha este software com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Add &amp;Folder...</source>
        <translation>Adicionar &amp;pasta…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar that opens the web page where users give money to support the program (not a donation of pictures or data).</extracomment>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation>Abre %1 no navegador</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Adds picture files to the list</source>
        <translation>Adiciona arquivos de imagem à lista</translation>
    </message>
    <message>
        <source>Delete Picture</source>
        <translation>Excluir imagem</translation>
    </message>
    <message>
        <source>Removes the picture selected in the list</source>
        <translation>Remove a imagem selecionada na lista</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <translation>Abre a página de doações no navegador</translation>
    </message>
    <message>
        <source>Starts or stops flashing the pictures of the list</source>
        <translation>Inicia ou para a exibição das imagens da lista</translation>
    </message>
    <message>
        <source>Opens the page about co-branding in the web browser</source>
        <translation>Abre a página sobre co-branding no navegador</translation>
    </message>
    <message>
        <source>Opens the page about full branding in the web browser</source>
        <translation>Abre a página sobre a personalização completa no navegador</translation>
    </message>
    <message>
        <source>Re&amp;cord...</source>
        <translation>Re&amp;gistro…</translation>
    </message>
    <message>
        <source>Flash &amp;Look...</source>
        <extracomment>How each picture looks while it is flashed: its opacity and its fades.</extracomment>
        <translation>Aparência das &amp;imagens…</translation>
    </message>
    <message>
        <source>Messa&amp;ges...</source>
        <extracomment>The user&apos;s own short texts, flashed beside or instead of the pictures.</extracomment>
        <translation>Mensagens sub&amp;liminares…</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message numerus="yes">
        <source>At most %n messages can be kept.</source>
        <translation>
            <numerusform>É possível manter no máximo %n mensagem.</numerusform>
            <numerusform>É possível manter no máximo %n mensagens.</numerusform>
        </translation>
    </message>
    <message>
        <source>A message cannot be empty.</source>
        <translation>Uma mensagem não pode estar vazia.</translation>
    </message>
    <message numerus="yes">
        <source>A message can have at most %n characters.</source>
        <translation>
            <numerusform>Uma mensagem pode ter no máximo %n caractere.</numerusform>
            <numerusform>Uma mensagem pode ter no máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file is no text file: it holds NUL bytes.</source>
        <translation>O arquivo não é um arquivo de texto: contém bytes NUL.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>O arquivo não é texto UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number, %2 says what is wrong with it.</extracomment>
        <translation>Linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The file is larger than %n MB.</source>
        <translation>
            <numerusform>O arquivo é maior que %n MB.</numerusform>
            <numerusform>O arquivo é maior que %n MB.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read, so it is left as it is: %2</source>
        <extracomment>%1 is the messages file, %2 why it could not be read.</extracomment>
        <translation>Não é possível ler %1, por isso ele é mantido como está: %2</translation>
    </message>
</context>
<context>
    <name>MessagesDialog</name>
    <message>
        <source>Messages</source>
        <extracomment>The window&apos;s title: the user&apos;s own short texts, flashed as pictures are.</extracomment>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Suas mensagens</translation>
    </message>
    <message>
        <source>A short sentence of your own</source>
        <translation>Uma frase curta de sua escolha</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <extracomment>Puts the text typed in place of the message chosen in the list.</extracomment>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descer</translation>
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
        <translation>&amp;Mensagem:</translation>
    </message>
    <message>
        <source>How they are flashed</source>
        <translation>Como são exibidas</translation>
    </message>
    <message>
        <source>Pictures only</source>
        <extracomment>What a run flashes.</extracomment>
        <translation>Somente imagens</translation>
    </message>
    <message>
        <source>Messages only</source>
        <translation>Somente mensagens</translation>
    </message>
    <message>
        <source>Pictures and messages</source>
        <translation>Imagens e mensagens</translation>
    </message>
    <message>
        <source>The des&amp;ktop&apos;s font</source>
        <translation>Fonte da área de trabal&amp;ho</translation>
    </message>
    <message>
        <source>Small</source>
        <extracomment>Sizes of a message&apos;s letters.</extracomment>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>As large as fits</source>
        <translation>O maior possível</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Cor…</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Around a message&apos;s letters, so that it reads on any background.</extracomment>
        <translation>Nenhuma</translation>
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
        <translation>C&amp;om fundo</translation>
    </message>
    <message>
        <source>Box Co&amp;lour...</source>
        <translation>Cor do fu&amp;ndo…</translation>
    </message>
    <message>
        <source>&amp;Flash:</source>
        <translation>Exibi&amp;r:</translation>
    </message>
    <message>
        <source>F&amp;ont:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>Ed&amp;ge:</source>
        <translation>&amp;Borda:</translation>
    </message>
    <message>
        <source>Your desktop does not blend windows now: a message is shown on its box&apos;s colour.</source>
        <translation>Sua área de trabalho não permite transparência agora: a mensagem é exibida sobre a cor do fundo.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importar mensagens</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt|All files|*</source>
        <translation>Arquivos de texto (*.txt)|*.txt|Todos os arquivos|*</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <extracomment>%1 is a file, %2 why none of its lines were taken.</extracomment>
        <translation>Nada foi importado de %1: %2</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Exportar mensagens</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Arquivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The messages could not be exported to %1: %2</source>
        <translation>Não foi possível exportar as mensagens para %1: %2</translation>
    </message>
    <message>
        <source>Your own words</source>
        <translation>Suas próprias palavras</translation>
    </message>
    <message>
        <source>The messages could not be saved: %1</source>
        <translation>Não foi possível salvar as mensagens: %1</translation>
    </message>
</context>
<context>
    <name>PauseForActions</name>
    <message>
        <source>Active &amp;Hours...</source>
        <translation>&amp;Horário ativo…</translation>
    </message>
    <message>
        <source>Pause for 15 M&amp;inutes</source>
        <translation>Pausar por 15 &amp;minutos</translation>
    </message>
    <message>
        <source>Pause for 1 H&amp;our</source>
        <translation>Pausar por 1 h&amp;ora</translation>
    </message>
    <message>
        <source>Pause until &amp;Tomorrow</source>
        <translation>Pausar até &amp;amanhã</translation>
    </message>
    <message>
        <source>&amp;Resume Now</source>
        <translation>&amp;Retomar agora</translation>
    </message>
</context>
<context>
    <name>PauseWhenMenu</name>
    <message>
        <source>Pause when</source>
        <translation>Pausar quando</translation>
    </message>
    <message>
        <source>The screen is &amp;locked</source>
        <translation>a tela estiver &amp;bloqueada</translation>
    </message>
    <message>
        <source>A &amp;fullscreen window is in front</source>
        <translation>uma &amp;janela em tela cheia estiver na frente</translation>
    </message>
    <message>
        <source>&amp;Do not disturb is on</source>
        <translation>o &amp;Não perturbe estiver ativo</translation>
    </message>
    <message>
        <source>While the &amp;Screen Is Shared or Recorded</source>
        <translation>a &amp;tela for compartilhada ou gravada</translation>
    </message>
    <message>
        <source>During a &amp;Call (Microphone or Camera in Use)</source>
        <translation>houver uma &amp;chamada (microfone ou câmera em uso)</translation>
    </message>
</context>
<context>
    <name>PictureBatch</name>
    <message>
        <source>Its name is not valid in this system&apos;s character encoding, so it cannot be opened.</source>
        <translation>O nome não é válido na codificação de caracteres deste sistema, por isso não pode ser aberto.</translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Não é um arquivo.</translation>
    </message>
    <message>
        <source>It is not a picture that can be read.</source>
        <translation>Não é uma imagem que possa ser lida.</translation>
    </message>
    <message>
        <source>The picture&apos;s size cannot be read.</source>
        <translation>Não é possível ler o tamanho da imagem.</translation>
    </message>
    <message>
        <source>The picture is too large (%1 × %2 pixels).</source>
        <translation>A imagem é grande demais (%1 × %2 pixels).</translation>
    </message>
    <message>
        <source>The picture is too large to show.</source>
        <translation>A imagem é grande demais para ser exibida.</translation>
    </message>
    <message>
        <source>At %1 MB, the file is larger than any picture the program can show (at most %2 MB).</source>
        <translation>Com %1 MB, o arquivo é maior do que qualquer imagem que o programa pode mostrar (no máximo %2 MB).</translation>
    </message>
    <message>
        <source>%1 pictures can be shown once the package %2 is installed.</source>
        <translation>Imagens %1 poderão ser exibidas depois que o pacote %2 for instalado.</translation>
    </message>
    <message>
        <source>The program does not show pictures of this kind (it shows BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC and AVIF pictures).</source>
        <translation>O programa não exibe imagens deste tipo (ele exibe imagens BMP, JPEG, PNG, GIF, WebP, TIFF, SVG, HEIC e AVIF).</translation>
    </message>
    <message>
        <source>Compressed SVG pictures cannot be shown: save the picture as plain SVG.</source>
        <translation>Imagens SVG compactadas não podem ser exibidas: salve a imagem como SVG simples.</translation>
    </message>
    <message>
        <source>The drawing is too complex to show.</source>
        <translation>O desenho é complexo demais para ser exibido.</translation>
    </message>
    <message>
        <source>The file is damaged: a part of it claims more bytes than the file holds.</source>
        <translation>O arquivo está danificado: uma parte dele declara mais bytes do que o arquivo contém.</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>Its name holds a character that the picture list cannot keep (a double quote, a line break or a backslash). Rename the file and add it again.</source>
        <translation>O nome contém um caractere que a lista de imagens não consegue guardar (aspas duplas, uma quebra de linha ou uma barra invertida). Renomeie o arquivo e adicione-o novamente.</translation>
    </message>
    <message>
        <source>%1 is a file of your own of the same name, not a copy, and is not replaced. Rename the file and add it again.</source>
        <translation>%1 é um arquivo seu com o mesmo nome, não uma cópia, e não será substituído. Renomeie o arquivo e adicione-o novamente.</translation>
    </message>
    <message>
        <source>The folder %1 for the copies of the pictures cannot be made.</source>
        <translation>Não é possível criar a pasta %1 para as cópias das imagens.</translation>
    </message>
    <message>
        <source>The list of your own files in %1 cannot be saved: %2</source>
        <translation>Não é possível salvar a lista dos seus próprios arquivos em %1: %2</translation>
    </message>
    <message>
        <source>The picture list %1 cannot be saved: %2</source>
        <translation>Não é possível salvar a lista de imagens %1: %2</translation>
    </message>
    <message>
        <source>Pictures are being added. Wait until that is done, or cancel it.</source>
        <translation>Imagens estão sendo adicionadas. Aguarde até terminar ou cancele.</translation>
    </message>
</context>
<context>
    <name>PictureSetMenu</name>
    <message>
        <source>Picture Set</source>
        <translation>Conjunto de imagens</translation>
    </message>
    <message>
        <source>The &amp;whole list</source>
        <extracomment>The set that holds every picture of the list.</extracomment>
        <translation>A &amp;lista inteira</translation>
    </message>
    <message>
        <source>The set names pictures that are not in the list; they are left out:</source>
        <translation>O conjunto cita imagens que não estão na lista; elas ficam de fora:</translation>
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
        <translation>Um conjunto precisa de um nome.</translation>
    </message>
    <message numerus="yes">
        <source>A set&apos;s name can have at most %n characters.</source>
        <translation>
            <numerusform>O nome de um conjunto pode ter no máximo %n caractere.</numerusform>
            <numerusform>O nome de um conjunto pode ter no máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>A set&apos;s name cannot hold &quot;/&quot; or control characters, begin with a dot or blanks, or end with blanks.</source>
        <translation>O nome de um conjunto não pode conter &quot;/&quot; nem caracteres de controle, começar com ponto ou espaços, nem terminar com espaços.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot;.</source>
        <translation>Não há nenhum conjunto chamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The set &quot;%1&quot; is larger than %2 MB, far more than any list of pictures.</source>
        <translation>O conjunto &quot;%1&quot; tem mais de %2 MB, muito mais que qualquer lista de imagens.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already.</source>
        <translation>Já existe um conjunto chamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The messages of the set &quot;%1&quot; cannot be read (%2); it flashes all of yours.</source>
        <translation>Não é possível ler as mensagens do conjunto &quot;%1&quot; (%2); ele exibe todas as suas mensagens.</translation>
    </message>
    <message>
        <source>The settings or messages of the set &quot;%1&quot; stay under its old name: %2</source>
        <translation>As configurações ou as mensagens do conjunto &quot;%1&quot; continuam com o nome antigo: %2</translation>
    </message>
</context>
<context>
    <name>PlacedCopy</name>
    <message>
        <source>It cannot be read: %1</source>
        <translation>Não é possível lê-lo: %1</translation>
    </message>
    <message>
        <source>No file can be made in %1: %2</source>
        <translation>Não é possível criar nenhum arquivo em %1: %2</translation>
    </message>
    <message>
        <source>The copy cannot be written: %1</source>
        <translation>Não é possível gravar a cópia: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2</source>
        <translation>Não é possível substituir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>The picture library in %1 is in use by another running copy of the program.</source>
        <translation>A biblioteca de imagens em %1 está em uso por outra cópia do programa em execução.</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>&amp;Keep a record of the pictures shown</source>
        <translation>&amp;Manter um registro das imagens exibidas</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Exibições</translation>
    </message>
    <message>
        <source>Last shown</source>
        <translation>Última exibição</translation>
    </message>
    <message>
        <source>Today: %1   This week: %2   In all: %3</source>
        <translation>Hoje: %1   Esta semana: %2   No total: %3</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>The running program did not answer.</source>
        <translation>O programa em execução não respondeu.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A pause lasts from 1 to %1 minutes.</source>
        <translation>Uma pausa dura de 1 a %1 minutos.</translation>
    </message>
    <message>
        <source>Pictures must be given with their full path.</source>
        <translation>As imagens devem ser informadas com o caminho completo.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>%1 leads through too many links</source>
        <translation>%1 passa por links demais</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2</source>
        <translation>%1 foi mantido como estava: %2</translation>
    </message>
    <message>
        <source>%1 could not be written (%2), nor its old content put back (%3)</source>
        <translation>Não foi possível gravar %1 (%2) nem restaurar seu conteúdo anterior (%3)</translation>
    </message>
    <message>
        <source>%1 is a link, which the program does not write through: it may lead to a file of yours. Remove the link.</source>
        <translation>%1 é um link, através do qual o programa não grava: ele pode levar a um arquivo seu. Remova o link.</translation>
    </message>
</context>
<context>
    <name>RunTrayIcon</name>
    <message>
        <source>Paused: the screen is locked</source>
        <translation>Pausado: a tela está bloqueada</translation>
    </message>
    <message>
        <source>Paused: a fullscreen window is in front</source>
        <translation>Pausado: uma janela em tela cheia está na frente</translation>
    </message>
    <message>
        <source>Paused: do not disturb is on</source>
        <translation>Pausado: o Não perturbe está ativo</translation>
    </message>
    <message>
        <source>Paused: the screen is being shared</source>
        <translation>Pausado: a tela está sendo compartilhada</translation>
    </message>
    <message>
        <source>Paused: a call is on</source>
        <translation>Pausado: há uma chamada em andamento</translation>
    </message>
    <message>
        <source>Show the &amp;main window</source>
        <translation>Mostrar a janela &amp;principal</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Next picture at %1</source>
        <translation>Próxima imagem às %1</translation>
    </message>
    <message>
        <source>A picture is on the screen</source>
        <translation>Uma imagem está na tela</translation>
    </message>
    <message>
        <source>Outside active hours</source>
        <translation>Fora do horário ativo</translation>
    </message>
    <message>
        <source>Outside active hours until %1</source>
        <translation>Fora do horário ativo até %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausado até %1</translation>
    </message>
    <message>
        <source>Shown today: %1</source>
        <translation>Exibidas hoje: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Flashing is not on; there is nothing to pause.</source>
        <translation>A exibição não está em andamento; não há nada para pausar.</translation>
    </message>
    <message>
        <source>Too many adds are waiting. Try again once the pictures being added now are in.</source>
        <translation>Há adições demais esperando. Tente novamente quando as imagens que estão sendo adicionadas agora estiverem na lista.</translation>
    </message>
    <message>
        <source>There are no messages to flash. Add some under File &gt; Messages..., or choose to flash pictures there.</source>
        <translation>Não há mensagens para exibir. Adicione algumas na janela &quot;Mensagens&quot; ou escolha lá exibir imagens.</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>The file is larger than %1 GB, far more than a set of pictures needs.</source>
        <translation>O arquivo é maior que %1 GB, muito mais do que um conjunto de imagens precisa.</translation>
    </message>
    <message>
        <source>This is not a set of pictures: %1</source>
        <translation>Isto não é um conjunto de imagens: %1</translation>
    </message>
    <message>
        <source>The file holds &quot;%1&quot;, which a set of pictures cannot: %2</source>
        <translation>O arquivo contém &quot;%1&quot;, que não pode estar em um conjunto de imagens: %2</translation>
    </message>
    <message>
        <source>only its list, its settings and its pictures by their plain names belong in it.</source>
        <translation>nele só cabem sua lista, suas configurações e suas imagens com o nome simples.</translation>
    </message>
    <message>
        <source>it is a link or a special file.</source>
        <translation>é um link ou um arquivo especial.</translation>
    </message>
    <message>
        <source>it comes twice.</source>
        <translation>aparece duas vezes.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB.</source>
        <translation>é maior que %1 MB.</translation>
    </message>
    <message>
        <source>with it, the set would unpack to more than %1 GB.</source>
        <translation>com ele, o conjunto descompactado passaria de %1 GB.</translation>
    </message>
    <message>
        <source>a set holds at most %1 pictures.</source>
        <translation>um conjunto contém no máximo %1 imagens.</translation>
    </message>
    <message>
        <source>it holds more than it says.</source>
        <translation>contém mais do que declara.</translation>
    </message>
    <message>
        <source>The file is damaged: %1</source>
        <translation>O arquivo está danificado: %1</translation>
    </message>
    <message>
        <source>The file holds no list of pictures (%1); it is not a set.</source>
        <translation>O arquivo não contém uma lista de imagens (%1); não é um conjunto.</translation>
    </message>
    <message>
        <source>it is a folder where a file belongs, or a file where the pictures&apos; folder belongs.</source>
        <translation>é uma pasta onde deveria haver um arquivo, ou um arquivo onde deveria estar a pasta das imagens.</translation>
    </message>
</context>
<context>
    <name>SetSettingsFile</name>
    <message>
        <source>The settings of a set, %1, are larger than %2 kB; they are not read.</source>
        <translation>As configurações de um conjunto, %1, têm mais de %2 kB; elas não são lidas.</translation>
    </message>
    <message>
        <source>The settings of the set could not be saved: %1</source>
        <translation>Não foi possível salvar as configurações do conjunto: %1</translation>
    </message>
</context>
<context>
    <name>SetTransfer</name>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Não foi possível exportar o conjunto: %1</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already. Rename it, or the file, first.</source>
        <translation>Já existe um conjunto chamado &quot;%1&quot;. Antes, renomeie esse conjunto ou o arquivo.</translation>
    </message>
    <message>
        <source>The file holds the picture &quot;%1&quot;, which its set does not name.</source>
        <translation>O arquivo contém a imagem &quot;%1&quot;, que o conjunto dele não cita.</translation>
    </message>
    <message>
        <source>The set names the picture &quot;%1&quot;, which the file does not hold.</source>
        <translation>O conjunto cita a imagem &quot;%1&quot;, que o arquivo não contém.</translation>
    </message>
    <message>
        <source>Your list has a picture named &quot;%1&quot; already, and the set&apos;s is another picture.</source>
        <translation>Sua lista já tem uma imagem chamada &quot;%1&quot;, e a do conjunto é outra imagem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>a file of this name is in the library already.</source>
        <translation>já existe um arquivo com este nome na biblioteca.</translation>
    </message>
    <message>
        <source>The set&apos;s messages: %1</source>
        <translation>As mensagens do conjunto: %1</translation>
    </message>
</context>
<context>
    <name>SetsDialog</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Sets</source>
        <extracomment>The window&apos;s title: named selections of the list&apos;s pictures.</extracomment>
        <translation>Conjuntos</translation>
    </message>
    <message>
        <source>S&amp;ets:</source>
        <translation>&amp;Conjuntos:</translation>
    </message>
    <message>
        <source>&amp;Pictures in the set:</source>
        <translation>&amp;Imagens do conjunto:</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;ome:</translation>
    </message>
    <message>
        <source>Changes are saved as you make them.</source>
        <translation>As alterações são salvas na hora.</translation>
    </message>
    <message>
        <source>Delete the set &quot;%1&quot;? Its pictures stay in the list.</source>
        <translation>Excluir o conjunto &quot;%1&quot;? As imagens continuam na lista.</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>I&amp;mportar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Sets of pictures</source>
        <translation>Conjuntos de imagens</translation>
    </message>
    <message>
        <source>Import a Set</source>
        <translation>Importar um conjunto</translation>
    </message>
    <message>
        <source>Export the Set</source>
        <translation>Exportar o conjunto</translation>
    </message>
    <message>
        <source>&amp;Messages in the set:</source>
        <translation>Men&amp;sagens do conjunto:</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Image Frequency</source>
        <translation>Frequência das imagens</translation>
    </message>
    <message>
        <source>Below you can set the interval between each images and duration for which each image is displayed.</source>
        <translation>Defina aqui o intervalo entre as imagens e o tempo de exibição de cada uma.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Exibir a cada</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Exibir por</translation>
    </message>
    <message>
        <source>MiliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Image Display Location</source>
        <translation>Posição das imagens</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Aleatoriamente na tela</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Centro da tela</translation>
    </message>
    <message>
        <source>Image Display Order</source>
        <translation>Ordem das imagens</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>As Displays</source>
        <translation>Como na lista</translation>
    </message>
    <message>
        <source>Display every (seconds)</source>
        <translation>Exibir a cada (segundos)</translation>
    </message>
    <message>
        <source>The time between two pictures, in seconds</source>
        <translation>O tempo entre duas imagens, em segundos</translation>
    </message>
    <message>
        <source>Display for (milliseconds)</source>
        <translation>Exibir por (milissegundos)</translation>
    </message>
    <message>
        <source>How long each picture stays on the screen, in milliseconds</source>
        <translation>Por quanto tempo cada imagem fica na tela, em milissegundos</translation>
    </message>
    <message>
        <source>Each picture appears at a random place on the screen</source>
        <translation>Cada imagem aparece em um lugar aleatório da tela</translation>
    </message>
    <message>
        <source>Each picture appears in the middle of the screen</source>
        <translation>Cada imagem aparece no meio da tela</translation>
    </message>
    <message>
        <source>The pictures are flashed in a random order</source>
        <translation>As imagens são exibidas em ordem aleatória</translation>
    </message>
    <message>
        <source>The pictures are flashed in the order of the list</source>
        <translation>As imagens são exibidas na ordem da lista</translation>
    </message>
</context>
<context>
    <name>ShowPicturesOnMenu</name>
    <message>
        <source>Show pictures on</source>
        <translation>Mostrar imagens em</translation>
    </message>
    <message>
        <source>the &amp;primary monitor</source>
        <translation>o monitor &amp;principal</translation>
    </message>
    <message>
        <source>the monitor with the mouse p&amp;ointer</source>
        <translation>o monitor com o p&amp;onteiro do mouse</translation>
    </message>
    <message>
        <source>&amp;each monitor in turn</source>
        <translation>&amp;cada monitor por vez</translation>
    </message>
</context>
<context>
    <name>StartWithSessionAction</name>
    <message>
        <source>Start &amp;with the Session</source>
        <extracomment>Starts the program each time the user logs in to the desktop (&quot;session&quot; as in a login session, not a run of flashes).</extracomment>
        <translation>I&amp;niciar com a sessão</translation>
    </message>
    <message>
        <source>The program cannot be set to start with the session: %1</source>
        <translation>Não é possível configurar o programa para iniciar com a sessão: %1</translation>
    </message>
    <message>
        <source>The program cannot be kept from starting with the session: %1</source>
        <translation>Não é possível impedir que o programa inicie com a sessão: %1</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este software.
Deseja verificar se há uma atualização?</translation>
    </message>
</context>
<context>
    <name>VaryIntervalMenu</name>
    <message>
        <source>Vary the interval</source>
        <translation>Variar o intervalo</translation>
    </message>
    <message>
        <source>Not at all</source>
        <translation>Não variar</translation>
    </message>
    <message>
        <source>By up to ± %1 %</source>
        <translation>Até ± %1 %</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorvik Subliminal Images is not running.</source>
        <translation>O Zorvik Subliminal Images não está em execução.</translation>
    </message>
    <message>
        <source>The session bus does not answer: the program goes on without it.</source>
        <translation>O barramento de sessão não responde: o programa continua sem ele.</translation>
    </message>
    <message>
        <source>The system bus does not answer: the program goes on without it.</source>
        <translation>O barramento do sistema não responde: o programa continua sem ele.</translation>
    </message>
</context>
</TS>
