#include "app/MainWindow.h"
#include "platform/ProgramInfo.h"

#include "app/RunTrayIcon.h"
#include "flash/FlashRun.h"
#include "library/ImageViewer.h"
#include "library/LibraryEditor.h"
#include "library/LibraryFolder.h"
#include "widgets/LinkLabel.h"
#include "web/WebPages.h"
#include "widgets/Look.h"
#include "platform/Units.h"
#include "settings/SettingsPanel.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>

const QString ProgramInfo::titleWithVersion() = QStringLiteral("Zorvik Subliminal Images v1.10");

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

PictureSizes pictureSizes(const Services& services)
{
    const double scale = services.screen ? services.screen->scaleFactor() : 1.0;
    return {Units::size(5295, 3735) * scale, QSize(113, 90) * scale};
}

} // namespace

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services)
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

    Label14 = addLink(client, QStringLiteral("Label14"),
                      tr("The Most Popular Online Velmoran Discussion Forum.Visit %1 Now")
                          .arg(WebPages::mainSiteHost()),
                      Units::rect(120, 120, 9015, 240), 9.75);
    Label14->setWordWrap(false);
    Look::shrinkToFit(Label14);

    lblDescription = new QLabel(
        tr("Zorvik Subliminal Images can help you reprogram yourself and think positively. "
           "Concentrate on an image that represents your goal and see how your brain works "
           "forward to achieving that goal! Let go of bad habits and be assured of success! "
           "Start today before it is too late."),
        client);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(Units::rect(323, 360, 8535, 615));
    lblDescription->setAlignment(Qt::AlignCenter);
    lblDescription->setWordWrap(true);
    lblDescription->setFont(Look::standard());
    Look::paint(lblDescription, QColor(192, 255, 192));
    Look::shrinkToFit(lblDescription);

    viewer =
        new ImageViewer(LibraryFolder(services.program.folder), pictureSizes(services), client);
    viewer->setGeometry(Units::rect(120, 960, 5175, 6135));

    settings = new SettingsPanel(client);
    settings->setGeometry(Units::rect(5400, 960, 3735, 6135));
    cmdAddPicture = addButton(settings, QStringLiteral("cmdAddPicture"), tr("<< &Add Picture"),
                              Units::rect(240, 360, 3285, 495));
    cmdDeletePicture = addButton(settings, QStringLiteral("cmdDeletePicture"),
                                 tr("<< &Delete Picture"), Units::rect(240, 960, 3285, 495));
    library = new LibraryEditor(viewer, services, this);
    connect(cmdAddPicture, &QPushButton::clicked, library, &LibraryEditor::cmdAddPicture_Click);
    connect(cmdDeletePicture, &QPushButton::clicked, library,
            &LibraryEditor::cmdDeletePicture_Click);
    connect(viewer, &ImageViewer::scrollChanged, this, [this] { cmdAddPicture->setFocus(); });

    buildButtonRow(client);
    buildBrandStrip(client);
    buildMenus();
    connectWebCommands();

    flashRun = new FlashRun(services, {viewer, settings, cmdProceed, this}, this);
    connect(cmdProceed, &QPushButton::clicked, flashRun, &FlashRun::cmdProceed_Click);
    connect(this, &MainWindow::unloading, flashRun, &FlashRun::end);
    trayIcon = new RunTrayIcon(flashRun, this, this);
    connect(this, &MainWindow::unloading, trayIcon, &RunTrayIcon::hide);

    adjustSize();
    setFixedSize(sizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildButtonRow(QWidget* client)
{
    cmdExit = addButton(client, QStringLiteral("cmdExit"), tr("E&xit Program"),
                        Units::rect(120, 7200, 1635, 495));
    Command5 = addButton(client, QStringLiteral("Command5"), tr("Do&nate"),
                         Units::rect(1860, 7200, 1995, 495));
    cmdProceed = addButton(client, QStringLiteral("cmdProceed"), tr("&Start"),
                           Units::rect(3960, 7200, 5175, 495));
    connect(cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
}

void MainWindow::buildBrandStrip(QWidget* client)
{
    fraFullBrand = new QFrame(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setGeometry(Units::rect(-120, 7680, 10305, 975));
    Look::paint(fraFullBrand, Qt::white, Qt::black);

    lblCobrand = addLink(fraFullBrand, QStringLiteral("lblCobrand"),
                         tr("Co-brand this software for your site.  Increase loyalty and traffic "
                            "to your site. Put your site's name &  link here. See \"Help\" for "
                            "details.    Click Here for more info on co-branding."),
                         Units::rect(218, 120, 8745, 420), 8.25);
    lblFullBrand = addLink(fraFullBrand, QStringLiteral("lblFullBrand"),
                           tr("Home Business Opportunity. Start your own Internet business and "
                              "make money online. Get this software fully branded for your "
                              "website. Click here for more details."),
                           Units::rect(240, 120, 8745, 420), 8.25);
}

void MainWindow::buildMenus()
{
    auto named = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = named(file->addAction(tr("E&xit")), "mnuExit");
    connect(mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = named(help->addAction(tr("&Online Help")), "mnuOnline");
    mnuVisit = named(help->addAction(tr("&Visit Us Online")), "mnuVisit");
    named(help->addSeparator(), "mnuSep1");
    mnuUpdate = named(help->addAction(tr("Check for Software &Update")), "mnuUpdate");
    named(help->addSeparator(), "mnuSep2");
    mnuAbout = named(help->addAction(tr("&About Software")), "mnuAbout");

    mnuDonate = named(menuBar()->addAction(tr("&Donate")), "mnuDonate");
    mnuMakeMoney = named(menuBar()->addAction(tr("Make Money &Online")), "mnuMakeMoney");
    mnuMakeMoney->setEnabled(false);
}

void MainWindow::Form_Load()
{
    settings->fillLists();
    viewer->setStartState();
    settings->selectFirstItems();
    viewer->LoadPictureList();
    if (m_services.settings)
        settings->restore(*m_services.settings, m_services.program.applicationName);
}

int MainWindow::CoBrand_Randomize(Random& random)
{
    const int draw = qBound(1, int(6 * random.next() + 1), 6);
    (draw % 2 == 1 ? lblCobrand : lblFullBrand)->raise();
    return draw;
}

void MainWindow::Form_Activate()
{
    viewer->ScrollBar1->setValue(0);
}

void MainWindow::cmdExit_Click()
{
    close();
}

void MainWindow::mnuExit_Click()
{
    close();
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

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QMainWindow::changeEvent(event);
}
