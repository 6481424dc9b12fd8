// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/ActiveHoursDialog.h"
#include "app/FlashLookDialog.h"
#include "app/ImageViewer.h"
#include "app/LibraryEditor.h"
#include "app/MessagesDialog.h"
#include "app/PauseForActions.h"
#include "app/PauseWhenMenu.h"
#include "app/PictureSetMenu.h"
#include "app/RecordDialog.h"
#include "app/RefusalMessage.h"
#include "app/RunTrayIcon.h"
#include "app/SetsDialog.h"
#include "app/ShowPicturesOnMenu.h"
#include "app/StartWithSessionAction.h"
#include "app/VaryIntervalMenu.h"
#include "core/FlashRun.h"
#include "core/Session.h"
#include "flash/FlashWindows.h"
#include "library/PictureLibrary.h"
#include "platform/ProgramInfo.h"
#include "platform/Units.h"
#include "settings/SettingsPanel.h"
#include "settings/ShowPicturesOn.h"
#include "web/WebPages.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/TextRoom.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

namespace
{

const QColor LinkPink(255, 128, 128);

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    Look::greyButton(button, Look::verdana(8.25, true));
    return button;
}

LinkLabel* addLink(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                   double pointSize)
{
    auto* link = new LinkLabel(text, parent);
    link->setObjectName(name);
    link->setGeometry(geometry);
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    link->setTextFormat(Qt::PlainText);
    link->setFont(Look::verdana(pointSize, true, true));
    Look::paint(link, LinkPink, Qt::black);
    return link;
}

// One window of a kind at a time: an open one is brought to the front, and
// null returned; else the one make() builds, which goes when it is closed.
template <typename Window, typename Make> Window* openOnce(const QWidget* parent, Make make)
{
    if (auto* open = parent->findChild<Window*>()) {
        open->raise();
        open->activateWindow();
        return nullptr;
    }
    Window* made = make();
    made->setAttribute(Qt::WA_DeleteOnClose);
    return made;
}

} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : MainWindow(*FlashWindows::newSession(services), services, parent)
{
    m_session.setParent(this);
}

MainWindow::MainWindow(Session& session, const Services& services, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_services(services)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramInfo::titleWithVersion());
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed frame with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    Look::paint(client, Qt::white, Qt::black);
    client->setFixedSize(Units::size(9180, 8250));
    setCentralWidget(client);

    m_forumLink = addLink(client, QStringLiteral("Label14"),
                          tr("The Most Popular Online Velmoran Discussion Forum.Visit %1 Now")
                              .arg(WebPages::mainSiteHost()),
                          Units::rect(120, 120, 9015, 240), 9.75);
    m_forumLink->setWordWrap(false);
    m_forumLink->setAccessibleDescription(
        tr("Opens %1 in the web browser").arg(WebPages::mainSiteHost()));
    Look::shrinkToFit(m_forumLink);

    m_description = new QLabel(
        tr("Zorvik Subliminal Images can help you reprogram yourself and think positively. "
           "Concentrate on an image that represents your goal and see how your brain works "
           "forward to achieving that goal! Let go of bad habits and be assured of success! "
           "Start today before it is too late."),
        client);
    m_description->setObjectName(QStringLiteral("lblDescription"));
    m_description->setGeometry(Units::rect(323, 360, 8535, 615));
    m_description->setAlignment(Qt::AlignCenter);
    m_description->setWordWrap(true);
    m_description->setFont(Look::standard());
    Look::paint(m_description, QColor(192, 255, 192));
    Look::shrinkToFit(m_description);

    m_viewer = new ImageViewer(m_session.library(), client);
    m_viewer->setGeometry(Units::rect(120, 960, 5175, 6135));

    m_settingsPanel = new SettingsPanel(client);
    m_settingsPanel->setGeometry(Units::rect(5400, 960, 3735, 6135));
    m_addButton = addButton(m_settingsPanel, QStringLiteral("cmdAddPicture"), tr("<< &Add Picture"),
                            Units::rect(240, 360, 3285, 495));
    m_deleteButton = addButton(m_settingsPanel, QStringLiteral("cmdDeletePicture"),
                               tr("<< &Delete Picture"), Units::rect(240, 960, 3285, 495));
    m_session.setDisplayChoices(m_settingsPanel);
    m_editor = new LibraryEditor(m_session, *m_viewer, services.dialogs, this);
    // Read out without the arrows.
    m_addButton->setAccessibleName(tr("Add Picture"));
    m_addButton->setAccessibleDescription(tr("Adds picture files to the list"));
    m_deleteButton->setAccessibleName(tr("Delete Picture"));
    m_deleteButton->setAccessibleDescription(tr("Removes the picture selected in the list"));
    connect(m_addButton, &QPushButton::clicked, m_editor, &LibraryEditor::addPictureClicked);
    connect(m_deleteButton, &QPushButton::clicked, m_editor, &LibraryEditor::deletePictureClicked);
    connect(m_viewer, &ImageViewer::cancelAddingClicked, m_editor, &LibraryEditor::cancelAdding);
    connect(m_editor, &LibraryEditor::addingChanged, this, &MainWindow::addingChanged);
    connect(m_viewer, &ImageViewer::scrollChanged, this, [this] { m_addButton->setFocus(); });

    buildButtonRow(client);
    buildBrandStrip(client);
    buildMenus();
    connectWebCommands();

    connect(m_startStopButton, &QPushButton::clicked, this, &MainWindow::startStopClicked);
    connect(&flashRun(), &FlashRun::stateChanged, this, &MainWindow::runStateChanged);
    connect(&flashRun(), &FlashRun::minimiseRequested, this, &MainWindow::minimiseForRun);
    connect(this, &MainWindow::unloading, &m_session, &Session::end);
    connect(&m_session, &Session::showPicturesOnChanged, this, &MainWindow::showPicturesOnChanged);
    // Each set has its own display settings: the panel shows the chosen one's.
    connect(&m_session, &Session::currentSetChanged, this,
            [this] { m_settingsPanel->apply(DisplaySettings::load(m_session.preferences())); });
    m_trayIcon = new RunTrayIcon(m_session, services.dialogs, services.clock, *this, this);
    connect(this, &MainWindow::unloading, m_trayIcon, &RunTrayIcon::hide);
    buildRunMenus(findChild<QMenu*>(QStringLiteral("mnuFile")));

    setReadingOrder(client);
    TextRoom::fitAll(client);

    adjustSize();
    setFixedSize(sizeHint());
    centreOnScreen();
}

MainWindow::~MainWindow()
{
    // The session may outlive the window; the panel goes with it.
    m_session.setDisplayChoices(nullptr);
}

PictureLibrary& MainWindow::library() const
{
    return m_session.library();
}

FlashRun& MainWindow::flashRun() const
{
    return m_session.run();
}

FlashWindows& MainWindow::flashWindows() const
{
    return *qobject_cast<FlashWindows*>(&m_session.display());
}

void MainWindow::startStopClicked()
{
    showRefusal(m_services.dialogs, m_session.toggle());
}

void MainWindow::centreOnScreen()
{
    // The window's own area in the middle of the primary monitor: the frame,
    // which the window manager adds later, is not known yet. (A move() here
    // would place the frame, which some window managers then offset a second
    // time.)
    const MonitorLayout layout = m_services.monitors.layout();
    QRect primary(QPoint(), m_services.screen.size());
    if (layout.primary >= 0 && layout.primary < layout.monitors.size())
        primary = layout.monitors.at(layout.primary);
    else if (!layout.monitors.isEmpty())
        primary = layout.monitors.constFirst();
    setGeometry(QRect(primary.topLeft() + QPoint((primary.width() - width()) / 2,
                                                 (primary.height() - height()) / 2),
                      size()));
}

void MainWindow::setReadingOrder(QWidget* client)
{
    // Top to bottom, the left column before the right one.
    const auto named = [client](const char* name) {
        return client->findChild<QWidget*>(QLatin1String(name));
    };
    QWidget* list = named("lvwDisplay");
    const QList<QWidget*> order{m_forumLink,
                                list,
                                named("cmdCancelAdding"),
                                m_addButton,
                                m_deleteButton,
                                named("cboDispInterval"),
                                named("cboDispDuration"),
                                named("optLocation_0"),
                                named("optLocation_1"),
                                named("optDisplayOrder_0"),
                                named("optDisplayOrder_1"),
                                m_exitButton,
                                m_donateButton,
                                m_startStopButton,
                                m_coBrandLink,
                                m_fullBrandLink};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    // The list has the focus first, as the window always opened.
    list->setFocus();
}

void MainWindow::runStateChanged()
{
    m_startStopButton->setText(flashRun().startStopCaption());
    TextRoom::fit(m_startStopButton);
}

void MainWindow::buildButtonRow(QWidget* client)
{
    m_exitButton = addButton(client, QStringLiteral("cmdExit"), tr("E&xit Program"),
                             Units::rect(120, 7200, 1635, 495));
    m_donateButton = addButton(client, QStringLiteral("Command5"), tr("Do&nate"),
                               Units::rect(1860, 7200, 1995, 495));
    m_startStopButton = addButton(client, QStringLiteral("cmdProceed"), FlashRun::startCaption(),
                                  Units::rect(3960, 7200, 5175, 495));
    m_donateButton->setAccessibleDescription(tr("Opens the donation page in the web browser"));
    m_startStopButton->setAccessibleDescription(
        tr("Starts or stops flashing the pictures of the list"));
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void MainWindow::buildBrandStrip(QWidget* client)
{
    m_brandStrip = new QFrame(client);
    m_brandStrip->setObjectName(QStringLiteral("fraFullBrand"));
    m_brandStrip->setGeometry(Units::rect(-120, 7680, 10305, 975));
    Look::paint(m_brandStrip, Qt::white, Qt::black);

    m_coBrandLink = addLink(m_brandStrip, QStringLiteral("lblCobrand"),
                            tr("Co-brand this software for your site.  Increase loyalty and "
                               "traffic to your site. Put your site's name &  link here. See "
                               "\"Help\" for details.    Click Here for more info on co-branding."),
                            Units::rect(218, 120, 8745, 420), 8.25);
    m_coBrandLink->setAccessibleDescription(
        tr("Opens the page about co-branding in the web browser"));
    m_fullBrandLink = addLink(m_brandStrip, QStringLiteral("lblFullBrand"),
                              tr("Home Business Opportunity. Start your own Internet business and "
                                 "make money online. Get this software fully branded for your "
                                 "website. Click here for more details."),
                              Units::rect(240, 120, 8745, 420), 8.25);
    m_fullBrandLink->setAccessibleDescription(
        tr("Opens the page about full branding in the web browser"));
}

void MainWindow::buildMenus()
{
    auto named = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_addFolderAction = named(file->addAction(tr("Add &Folder...")), "mnuAddFolder");
    connect(m_addFolderAction, &QAction::triggered, m_editor, &LibraryEditor::addFolderClicked);
    named(file->addSeparator(), "mnuSepAddFolder");
    m_exitAction = named(file->addAction(tr("E&xit")), "mnuExit");
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m_helpAction = named(help->addAction(tr("&Online Help")), "mnuOnline");
    m_visitAction = named(help->addAction(tr("&Visit Us Online")), "mnuVisit");
    named(help->addSeparator(), "mnuSep1");
    m_updateAction = named(help->addAction(tr("Check for Software &Update")), "mnuUpdate");
    named(help->addSeparator(), "mnuSep2");
    m_aboutAction = named(help->addAction(tr("&About Software")), "mnuAbout");

    //: A menu of the menu bar that opens the web page where users give money
    //: to support the program (not a donation of pictures or data).
    m_donateAction = named(menuBar()->addAction(tr("&Donate")), "mnuDonate");
    m_makeMoneyAction = named(menuBar()->addAction(tr("Make Money &Online")), "mnuMakeMoney");
    m_makeMoneyAction->setEnabled(false);
}

void MainWindow::buildRunMenus(QMenu* file)
{
    // Desktops such as GNOME show no tray: the File menu has them too.
    QAction* exit = m_exitAction;
    for (QMenu* menu : {file, m_trayIcon->menu()}) {
        auto* pauseMenu = new PauseWhenMenu(m_session.pausePreferences(), this);
        auto* showPicturesOnMenu = new ShowPicturesOnMenu(this);
        QAction* before = menu == file ? exit : nullptr;
        auto* pauseFor = new PauseForActions(m_session, *menu, before);
        connect(pauseFor, &PauseForActions::activeHoursRequested, this,
                &MainWindow::openActiveHours);
        menu->insertMenu(before, pauseMenu);
        menu->insertMenu(before, showPicturesOnMenu);
        menu->insertMenu(before, new VaryIntervalMenu(m_session.preferences(), this));
        auto* sets = new PictureSetMenu(m_session, m_services.dialogs, this);
        sets->setObjectName(menu == file ? QStringLiteral("mnuPictureSet")
                                         : QStringLiteral("mnuTrayPictureSet"));
        connect(sets, &PictureSetMenu::editRequested, this, &MainWindow::openSets);
        menu->insertMenu(before, sets);
        menu->insertAction(
            before, new StartWithSessionAction(m_services.autostart, m_services.dialogs, *menu));
        menu->insertSeparator(before);
        connect(pauseMenu, &PauseWhenMenu::preferencesChanged, &m_session,
                &Session::applyPausePreferences);
        connect(showPicturesOnMenu, &ShowPicturesOnMenu::chosen, &m_session,
                &Session::setShowPicturesOn);
        m_pauseMenus << pauseMenu;
        m_showPicturesOnMenus << showPicturesOnMenu;
        //: The user's own short texts, flashed beside or instead of the pictures.
        auto* messages = new QAction(tr("Messa&ges..."), menu);
        messages->setObjectName(menu == file ? QStringLiteral("mnuMessages")
                                             : QStringLiteral("mnuTrayMessages"));
        connect(messages, &QAction::triggered, this, &MainWindow::openMessages);
        menu->insertAction(before, messages);
    }
    //: How each picture looks while it is flashed: its opacity and its fades.
    QAction* look = new QAction(tr("Flash &Look..."), file);
    look->setObjectName(QStringLiteral("mnuFlashLook"));
    connect(look, &QAction::triggered, this, &MainWindow::openFlashLook);
    file->insertAction(exit, look);
    QAction* record = new QAction(tr("Re&cord..."), file);
    record->setObjectName(QStringLiteral("mnuRecord"));
    connect(record, &QAction::triggered, this, &MainWindow::openRecord);
    file->insertAction(exit, record);
    file->insertSeparator(exit);
}

void MainWindow::openRecord()
{
    if (auto* dialog = openOnce<RecordDialog>(
            this, [this] { return new RecordDialog(m_session, m_services.clock, this); }))
        dialog->show();
}

void MainWindow::openSets()
{
    if (auto* dialog = openOnce<SetsDialog>(
            this, [this] { return new SetsDialog(m_session, m_services.dialogs, this); }))
        dialog->show();
}

void MainWindow::openMessages()
{
    if (auto* dialog = openOnce<MessagesDialog>(this, [this] {
            return new MessagesDialog(m_session, m_services.dialogs, m_services.screen, this);
        }))
        dialog->show();
}

void MainWindow::openFlashLook()
{
    auto* dialog = openOnce<FlashLookDialog>(this, [this] {
        return new FlashLookDialog(FlashLook::load(m_session.preferences()),
                                   m_services.screen.composites(), m_services.timers, this);
    });
    if (!dialog)
        return;
    // From the next flash on.
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { dialog->look().save(m_session.preferences()); });
    dialog->open();
}

void MainWindow::openActiveHours()
{
    // From either menu.
    auto* dialog = openOnce<ActiveHoursDialog>(this, [this] {
        return new ActiveHoursDialog(ActiveHours::load(m_session.preferences()), this);
    });
    if (!dialog)
        return;
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { m_session.setActiveHours(dialog->hours()); });
    dialog->open();
}

void MainWindow::addingChanged(bool adding)
{
    // One change of the library at a time.
    m_addButton->setEnabled(!adding);
    m_deleteButton->setEnabled(!adding);
    m_addFolderAction->setEnabled(!adding);
}

void MainWindow::showPicturesOnChanged(ShowPicturesOn choice)
{
    for (ShowPicturesOnMenu* menu : std::as_const(m_showPicturesOnMenus))
        menu->setChoice(choice);
}

void MainWindow::load()
{
    m_settingsPanel->fillLists();
    m_viewer->showStartState();
    m_settingsPanel->selectFirstItems();
    m_session.load();
    m_settingsPanel->apply(DisplaySettings::load(m_session.preferences()));
    for (PauseWhenMenu* menu : std::as_const(m_pauseMenus))
        menu->refresh();
    showPicturesOnChanged(m_session.showPicturesOn());
}

int MainWindow::coBrandDraw(Random& random)
{
    const int draw = qBound(1, int(6 * random.next() + 1), 6);
    LinkLabel* shown = draw % 2 == 1 ? m_coBrandLink : m_fullBrandLink;
    shown->raise();
    // Tab reaches only the link that can be seen.
    m_coBrandLink->setFocusPolicy(shown == m_coBrandLink ? Qt::TabFocus : Qt::NoFocus);
    m_fullBrandLink->setFocusPolicy(shown == m_fullBrandLink ? Qt::TabFocus : Qt::NoFocus);
    return draw;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Nothing cancels the closing: the window always goes.
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloading();
    }
}

void MainWindow::minimiseForRun()
{
    // The frame has no minimise button, and window managers that keep to the
    // frame's hints (GNOME's mutter) then refuse to minimise the window at all.
    // The hint is given for as long as the window is minimised.
    if (QWindow* window = windowHandle())
        window->setFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
    showMinimized();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_viewer->scrollToTop();
    // Back on the screen: the frame as it was, without the minimise button.
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && windowHandle())
        windowHandle()->setFlags(windowFlags());
    QMainWindow::changeEvent(event);
}
