// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/ExitScreen.h"

#include "platform/ProgramInfo.h"
#include "platform/Translated.h"
#include "platform/Units.h"
#include "web/WebPages.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/ProgramIcon.h"
#include "widgets/TextRoom.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
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
    QStringLiteral(QT_TRANSLATE_NOOP(
        "ExitScreen",
        "Velmoran Softwares, such as this can be created and maintained only with your "
        "support. The best way to support Velmora is to visit Velmora regularly and "
        "take part in the discussions and other activities on the board.")),
    QStringLiteral(QT_TRANSLATE_NOOP(
        "ExitScreen",
        "Visit Velmora regularly. Support Velmora by taking part in the discussions and "
        "other activities. These softwares cannot be supported and maintained, without "
        "you regularly visiting Velmora")),
    QStringLiteral(QT_TRANSLATE_NOOP(
        "ExitScreen", "Velmora is a FREE online discussion forum for all things velmoran. To help "
                      "Velmora develop and maintain this software visit Velmora regularly.")),
    QStringLiteral(QT_TRANSLATE_NOOP(
        "ExitScreen",
        "Velmora needs your help. All you need to do is visit Velmora regularly and take "
        "part in the various discussions and activites to help us maintain and develop "
        "more Velmoran Softwares.")),
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

    // Each control's objectName is its long-standing name: outside tools and
    // the tests find it by that name.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Picture1"));
    icon->setGeometry(Units::rect(360, 120, 540, 540));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(ProgramIcon::picture());
    icon->setAccessibleName(ProgramInfo::title());

    QLabel* title = Look::label(this, QStringLiteral("Label1"), ProgramInfo::titleWithVersion(),
                                Units::rect(1080, 240, 4530, 435),
                                Look::font(QStringLiteral("MS Sans Serif"), 18), Qt::black);
    title->adjustSize();

    m_promotionLabel = Look::label(
        this, QStringLiteral("Label2"), translated("ExitScreen", PromotionalTexts.at(1)),
        Units::rect(120, 840, 6975, 1095), Look::verdana(9.75, true), Qt::black);
    m_promotionLabel->setWordWrap(true);
    m_promotionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_homePageButton = addButton(this, QStringLiteral("Check1"),
                                 tr("Click Here To Visit %1 Now").arg(WebPages::mainSiteHost()),
                                 Units::rect(30, 2040, 7185, 555), Look::verdana(14.25));
    m_homePageButton->setCheckable(true);
    m_homePageButton->setAccessibleDescription(
        tr("Opens %1 in the web browser").arg(WebPages::mainSiteHost()));
    m_homePageButton->setCursor(Look::pointingHand());
    Look::paint(m_homePageButton, QColor(0, 0, 192));
    connect(m_homePageButton, &QPushButton::toggled, this, &ExitScreen::homePageToggled);

    m_exitButton = addButton(this, QStringLiteral("cmdClose"), tr("E&xit"),
                             Units::rect(6000, 2760, 1245, 375), Look::standard());
    // A focused button answers Enter as well as Space.
    m_exitButton->setAutoDefault(true);
    connect(m_exitButton, &QPushButton::clicked, this, &ExitScreen::exitClicked);

    buildReferralForm();

    QGroupBox* catalogue =
        Look::frame(this, QStringLiteral("Frame6"), tr("Download Velmoran Softwares"),
                    Units::rect(7320, 120, 3735, 4575), Navy);
    catalogue->setFont(Look::verdana(9.75, true));
    QLabel* catalogueText = Look::label(
        catalogue, QStringLiteral("Label3"),
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
    catalogueText->setWordWrap(true);
    catalogueText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* catalogueLink = new LinkLabel(tr("Click Here To Visit Velmoran Softwares"), catalogue);
    catalogueLink->setObjectName(QStringLiteral("lblGoToHome"));
    catalogueLink->setTextFormat(Qt::PlainText);
    catalogueLink->setGeometry(Units::rect(75, 4250, 3585, 210));
    catalogueLink->setFont(Look::verdana(9, true, true));
    Look::paint(catalogueLink, QColor(255, 255, 0));
    // Stand-in fonts run wider than the one the layout was drawn with.
    Look::shrinkToFit(catalogueLink);
    catalogueLink->adjustSize();
    connect(catalogueLink, &LinkLabel::clicked, this, &ExitScreen::catalogueClicked);

    catalogueLink->setAccessibleDescription(
        tr("Opens the Velmoran Softwares page in the web browser"));

    // Reading order: the left column top to bottom, then the right one.
    const QList<QWidget*> order{m_homePageButton, m_exitButton,    m_nameBox,
                                m_emailBox,       m_friendNameBox, m_friendEmailBox,
                                m_referButton,    catalogueLink,   m_homePageButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    m_exitButton->setFocus();
    TextRoom::fitAll(this);
}

ExitScreen::~ExitScreen() = default;

void ExitScreen::buildReferralForm()
{
    m_referralFrame = Look::frame(this, QStringLiteral("Frame2"), tr("Refer A Friend"),
                                  Units::rect(120, 3240, 7065, 1455), Navy);
    m_referralFrame->setFont(Look::verdana(9.75, true));

    m_nameBox = addBox(QStringLiteral("txtName"), TellAFriend::NamePlaceholder,
                       Units::rect(85, 360, 3375, 285));
    m_emailBox = addBox(QStringLiteral("txtEmail"), TellAFriend::EmailPlaceholder,
                        Units::rect(3600, 360, 3375, 285));
    m_friendNameBox = addBox(QStringLiteral("txtFriendName"), TellAFriend::FriendNamePlaceholder,
                             Units::rect(85, 720, 3375, 285));
    m_friendEmailBox = addBox(QStringLiteral("txtFriendEmail"), TellAFriend::FriendEmailPlaceholder,
                              Units::rect(3600, 720, 3375, 285));

    m_referButton =
        addButton(m_referralFrame, QStringLiteral("cmdSubmit"), tr("Refer A Friend &Now"),
                  Units::rect(1920, 1080, 3375, 285), Look::verdana(8.25, true));
    m_referButton->setAutoDefault(true);
    m_referButton->setAccessibleDescription(
        tr("Sends the entries above to the referral page in the web browser"));
    connect(m_referButton, &QPushButton::clicked, this, &ExitScreen::referClicked);

    // The message box lies below the frame's edge, out of sight. Its starting
    // text is still sent; no key reaches it, since nobody can see what it holds.
    m_messageBox = new QPlainTextEdit(m_referralFrame);
    m_messageBox->setObjectName(QStringLiteral("txtMessage"));
    m_messageBox->setGeometry(Units::rect(4800, 3600, 1815, 495));
    m_messageBox->setFont(Look::standard());
    m_messageBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_messageBox->setFocusPolicy(Qt::NoFocus);
    // The starting text is the placeholder and a line break, as sent.
    m_messageBox->setPlainText(TellAFriend::shown(TellAFriend::MessagePlaceholder) +
                               QStringLiteral("\r\n"));
    m_messageBox->setAccessibleName(TellAFriend::shown(TellAFriend::MessagePlaceholder));
    m_messageBox->installEventFilter(this);
}

QLineEdit* ExitScreen::addBox(const QString& name, const QString& placeholder,
                              const QRect& geometry)
{
    auto* box = new QLineEdit(TellAFriend::shown(placeholder), m_referralFrame);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(Look::standard());
    box->setAccessibleName(TellAFriend::shown(placeholder));
    box->installEventFilter(this);
    return box;
}

ExitScreen* ExitScreen::showNew(const Services& services, std::function<void()> endProgram)
{
    auto* screen = new ExitScreen(services, std::move(endProgram));
    screen->load();
    // Centred on the primary screen, rounded towards its top left corner.
    const QSize free = services.screen.size() - Units::size(11115, 4725);
    screen->move(free.width() / 2, free.height() / 2);
    screen->show();
    return screen;
}

void ExitScreen::load()
{
    m_services.random.seedFromClock();
    const int k = qBound(0, int(4 * m_services.random.next()), 3);
    m_promotionLabel->setText(translated("ExitScreen", PromotionalTexts.at(k)));
    // Above every ordinary window, the browser windows its links open included.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QString ExitScreen::text(QWidget* box) const
{
    if (box == m_messageBox) {
        // The box keeps line breaks as LF; the text it stands for has CR LF.
        QString message = m_messageBox->toPlainText();
        message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        message.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return message;
    }
    return static_cast<QLineEdit*>(box)->text();
}

void ExitScreen::setText(QWidget* box, const QString& text)
{
    if (box == m_messageBox)
        m_messageBox->setPlainText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

QString ExitScreen::placeholder(QWidget* box) const
{
    if (box == m_nameBox)
        return TellAFriend::shown(TellAFriend::NamePlaceholder);
    if (box == m_emailBox)
        return TellAFriend::shown(TellAFriend::EmailPlaceholder);
    if (box == m_friendNameBox)
        return TellAFriend::shown(TellAFriend::FriendNamePlaceholder);
    if (box == m_friendEmailBox)
        return TellAFriend::shown(TellAFriend::FriendEmailPlaceholder);
    return TellAFriend::shown(TellAFriend::MessagePlaceholder);
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
    } else if (event->type() == QEvent::KeyPress &&
               (box == m_emailBox || box == m_friendEmailBox)) {
        if (static_cast<QKeyEvent*>(event)->text() == QLatin1String(" ")) {
            showMessage(tr("Email Address Cannot Contain Space"));
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

void ExitScreen::homePageToggled(bool checked)
{
    // The button only looks like a box to tick: it opens the page and pops
    // straight back.
    if (!checked)
        return;
    m_homePageButton->setChecked(false);
    WebPages(m_services.shell).openHomePage();
}

void ExitScreen::catalogueClicked()
{
    WebPages(m_services.shell).openSoftwareCataloguePage();
}

void ExitScreen::referClicked()
{
    m_submitted = {TellAFriend::trimSpaces(m_nameBox->text()),
                   TellAFriend::trimSpaces(m_emailBox->text()),
                   TellAFriend::trimSpaces(text(m_messageBox)),
                   TellAFriend::trimSpaces(m_friendNameBox->text()),
                   TellAFriend::trimSpaces(m_friendEmailBox->text())};
    const TellAFriend::Outcome outcome = TellAFriend::submit(m_submitted);
    if (!outcome.refusal.isEmpty()) {
        showMessage(outcome.refusal);
        return;
    }
    m_request = outcome.request;
    WebPages(m_services.shell).openWebPage(m_request);
}

void ExitScreen::exitClicked()
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
