#include "web/ExitScreen.h"

#include "platform/ProgramInfo.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "platform/Units.h"
#include "widgets/ProgramIcon.h"
#include "web/WebPages.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace
{

const QColor Navy(0, 0, 128);

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& geometry, const QFont& font)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    return button;
}

} // namespace

const QStringList ExitScreen::PromotionalTexts = {
    QStringLiteral("Velmoran Softwares, such as this can be created and maintained only with your "
                   "support. The best way to support Velmora is to visit Velmora regularly and "
                   "take part in the discussions and other activities on the board."),
    QStringLiteral("Visit Velmora regularly. Support Velmora by taking part in the discussions and "
                   "other activities. These softwares cannot be supported and maintained, without "
                   "you regularly visiting Velmora"),
    QStringLiteral("Velmora is a FREE online discussion forum for all things velmoran. To help "
                   "Velmora develop and maintain this software visit Velmora regularly."),
    QStringLiteral(
        "Velmora needs your help. All you need to do is visit Velmora regularly and take "
        "part in the various discussions and activites to help us maintain and develop "
        "more Velmoran Softwares."),
};

ExitScreen::ExitScreen(const Services& services, std::function<void()> endProgram)
    : QWidget(nullptr), m_services(services), m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("frmExitScreen"));
    setWindowTitle(ProgramInfo::titleWithVersion());
    setWindowIcon(QIcon(ProgramIcon::picture()));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Look::paint(this, Qt::black, Qt::white);
    setFixedSize(Units::size(11115, 4725));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Units::rect(360, 120, 540, 540));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(ProgramIcon::picture());

    Label1 = Look::label(this, QStringLiteral("Label1"), ProgramInfo::titleWithVersion(),
                         Units::rect(1080, 240, 4530, 435),
                         Look::font(QStringLiteral("MS Sans Serif"), 18), Qt::black);
    Label1->adjustSize();

    Label2 = Look::label(this, QStringLiteral("Label2"), PromotionalTexts.at(1),
                         Units::rect(120, 840, 6975, 1095), Look::verdana(9.75, true), Qt::black);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Check1 = addButton(this, QStringLiteral("Check1"),
                       tr("Click Here To Visit %1 Now").arg(WebPages::mainSiteHost()),
                       Units::rect(30, 2040, 7185, 555), Look::verdana(14.25));
    Check1->setCheckable(true);
    Check1->setCursor(Look::pointingHand());
    Look::paint(Check1, QColor(0, 0, 192));
    connect(Check1, &QPushButton::toggled, this, &ExitScreen::Check1_Click);

    cmdClose = addButton(this, QStringLiteral("cmdClose"), tr("E&xit"),
                         Units::rect(6000, 2760, 1245, 375), Look::standard());
    // A focused button answers Enter as well as Space.
    cmdClose->setAutoDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &ExitScreen::cmdClose_Click);

    buildForm();

    Frame6 = Look::frame(this, QStringLiteral("Frame6"), tr("Download Velmoran Softwares"),
                         Units::rect(7320, 120, 3735, 4575), Navy);
    Frame6->setFont(Look::verdana(9.75, true));
    Label3 = Look::label(
        Frame6, QStringLiteral("Label3"),
        tr("If you have enjoyed this software you will surely be interested in our other "
           "Velmoran Softwares. From a single software, we have now grown to become the "
           "world\u2019s largest resource of velmoran softwares. Be it astrology, psychic, tarot, "
           "numerology or occult, we have programs in all fields thus giving our users a wide "
           "choice depending on their interests.") +
            QString(61, QLatin1Char(' ')) +
            tr("All the programs in the Velmoran Softwares suite are simple and easy to use. They "
               "are not only fun to use but also very informative. Try them out today and share "
               "your experience with your friends and family. "),
        Units::rect(120, 360, 3495, 3855), Look::verdana(9), Qt::white);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblGoToHome = new LinkLabel(tr("Click Here To Visit Velmoran Softwares"), Frame6);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setTextFormat(Qt::PlainText);
    lblGoToHome->setGeometry(Units::rect(75, 4250, 3585, 210));
    lblGoToHome->setFont(Look::verdana(9, true, true));
    Look::paint(lblGoToHome, QColor(255, 255, 0));
    // Stand-in fonts run wider than the one the layout was drawn with.
    Look::shrinkToFit(lblGoToHome);
    lblGoToHome->adjustSize();
    connect(lblGoToHome, &LinkLabel::clicked, this, &ExitScreen::lblGoToHome_Click);

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, cmdClose);
    cmdClose->setFocus();
}

ExitScreen::~ExitScreen() = default;

void ExitScreen::buildForm()
{
    Frame2 = Look::frame(this, QStringLiteral("Frame2"), tr("Refer A Friend"),
                         Units::rect(120, 3240, 7065, 1455), Navy);
    Frame2->setFont(Look::verdana(9.75, true));

    txtName = addBox(QStringLiteral("txtName"), TellAFriend::NamePlaceholder,
                     Units::rect(85, 360, 3375, 285));
    txtEmail = addBox(QStringLiteral("txtEmail"), TellAFriend::EmailPlaceholder,
                      Units::rect(3600, 360, 3375, 285));
    txtFriendName = addBox(QStringLiteral("txtFriendName"), TellAFriend::FriendNamePlaceholder,
                           Units::rect(85, 720, 3375, 285));
    txtFriendEmail = addBox(QStringLiteral("txtFriendEmail"), TellAFriend::FriendEmailPlaceholder,
                            Units::rect(3600, 720, 3375, 285));

    cmdSubmit = addButton(Frame2, QStringLiteral("cmdSubmit"), tr("Refer A Friend &Now"),
                          Units::rect(1920, 1080, 3375, 285), Look::verdana(8.25, true));
    cmdSubmit->setAutoDefault(true);
    connect(cmdSubmit, &QPushButton::clicked, this, &ExitScreen::cmdSubmit_Click);

    // The message box lies below the frame's edge, out of sight. Its starting
    // text is still sent; no key reaches it, since nobody can see what it holds.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(Units::rect(4800, 3600, 1815, 495));
    txtMessage->setFont(Look::standard());
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setFocusPolicy(Qt::NoFocus);
    txtMessage->setPlainText(TellAFriend::StartingMessage);
    txtMessage->installEventFilter(this);
}

QLineEdit* ExitScreen::addBox(const QString& name, const QString& placeholder,
                              const QRect& geometry)
{
    auto* box = new QLineEdit(placeholder, Frame2);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(Look::standard());
    box->installEventFilter(this);
    return box;
}

ExitScreen* ExitScreen::showNew(const Services& services, std::function<void()> endProgram)
{
    auto* screen = new ExitScreen(services, std::move(endProgram));
    screen->Form_Load();
    const QSize free = services.screen.sizeInTwips() - Units::size(11115, 4725) * 15;
    screen->move(Units::px(free.width() / 2), Units::px(free.height() / 2));
    screen->show();
    return screen;
}

void ExitScreen::Form_Load()
{
    m_services.random.seedFromClock();
    const int k = qBound(0, int(4 * m_services.random.next()), 3);
    Label2->setText(PromotionalTexts.at(k));
    // Above every ordinary window, the browser windows its links open included.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QString ExitScreen::text(QWidget* box) const
{
    if (box == txtMessage) {
        // The box keeps line breaks as LF; the text it stands for has CR LF.
        QString message = txtMessage->toPlainText();
        message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        message.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return message;
    }
    return static_cast<QLineEdit*>(box)->text();
}

void ExitScreen::setText(QWidget* box, const QString& text)
{
    if (box == txtMessage)
        txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

QString ExitScreen::placeholder(QWidget* box) const
{
    if (box == txtName)
        return TellAFriend::NamePlaceholder;
    if (box == txtEmail)
        return TellAFriend::EmailPlaceholder;
    if (box == txtFriendName)
        return TellAFriend::FriendNamePlaceholder;
    if (box == txtFriendEmail)
        return TellAFriend::FriendEmailPlaceholder;
    return TellAFriend::MessagePlaceholder;
}

bool ExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Only moves between the window's own controls count, not the window
        // losing or regaining the activation.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const QString trimmed = TellAFriend::trimSpaces(text(box));
            if (event->type() == QEvent::FocusIn && trimmed == placeholder(box))
                setText(box, QString());
            else if (event->type() == QEvent::FocusOut && trimmed.isEmpty())
                setText(box, placeholder(box));
        }
    } else if (event->type() == QEvent::KeyPress && (box == txtEmail || box == txtFriendEmail)) {
        if (static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            showMessage(QStringLiteral("Email Address Cannot Contain Space"));
            box->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ExitScreen::showMessage(const QString& text)
{
    m_services.dialogs.message(text, MessageIcon::Critical, MessageButtons::Ok,
                               ProgramInfo::title());
}

void ExitScreen::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    WebPages(m_services.shell).OpenHomePage();
}

void ExitScreen::lblGoToHome_Click()
{
    WebPages(m_services.shell).OpenSoftwareCataloguePage();
}

void ExitScreen::cmdSubmit_Click()
{
    m_values = {TellAFriend::trimSpaces(txtName->text()), TellAFriend::trimSpaces(txtEmail->text()),
                TellAFriend::trimSpaces(text(txtMessage)),
                TellAFriend::trimSpaces(txtFriendName->text()),
                TellAFriend::trimSpaces(txtFriendEmail->text())};
    const TellAFriend::Outcome outcome = TellAFriend::submit(m_values);
    if (!outcome.message.isEmpty()) {
        showMessage(outcome.message);
        return;
    }
    m_request = outcome.strReferralRequest;
    WebPages(m_services.shell).OpenWebPage(m_request);
}

void ExitScreen::cmdClose_Click()
{
    if (m_endProgram)
        m_endProgram();
}

void ExitScreen::closeEvent(QCloseEvent* event)
{
    // Nothing keeps the window: however it goes, the program ends with it.
    event->accept();
    if (m_endProgram)
        m_endProgram();
}
