#include "web/AboutBox.h"

#include "platform/ProgramInfo.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "platform/Units.h"
#include "widgets/ProgramIcon.h"
#include "web/WebPages.h"

#include <QPointer>
#include <QPushButton>

namespace
{

const QColor Maroon(64, 0, 0);
const QColor Rose(255, 192, 192);

QPointer<AboutBox>& openBox()
{
    static QPointer<AboutBox> box;
    return box;
}

LinkLabel* addLink(QWidget* parent, const QString& name, const QString& text, QPoint at)
{
    auto* link = new LinkLabel(text, parent);
    link->setObjectName(name);
    link->setTextFormat(Qt::PlainText);
    link->move(at);
    link->setFont(Look::verdana(8.25, true, true));
    Look::paint(link, Qt::white);
    link->adjustSize();
    return link;
}

} // namespace

AboutBox::AboutBox(Shell& shell) : QDialog(nullptr), m_shell(shell)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramInfo::titleWithVersion());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(Look::verdana(8.25));
    Look::paint(this, Rose, Maroon);
    setFixedSize(Units::size(7215, 4005));
    setWindowIcon(QIcon(ProgramIcon::picture()));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon::picture());
    picIcon->move(Units::px(120), Units::px(120));
    picIcon->adjustSize();

    Label2 = Look::label(this, QStringLiteral("Label2"), ProgramInfo::titleWithVersion(),
                         Units::rect(840, 240, 3075, 240), Look::verdana(9.75, true), Qt::white);
    Label2->adjustSize();

    Label1 = Look::label(
        this, QStringLiteral("Label1"),
        tr("Zorvik Subliminal Images is an advanced subliminal image displaying program. This "
           "software reaches out to the subconscious mind and sends positive messages to the "
           "mind, thus helping you develop a positive mindset. By concentrating on preferred "
           "subliminal images you can also increase your self-confidence and self-esteem thus "
           "making your goals achievable."),
        Units::rect(240, 720, 7005, 1215), font(), Rose);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblHomePage = addLink(this, QStringLiteral("lblHomePage"),
                          tr("Click here to visit %1").arg(WebPages::mainSiteHost()),
                          QPoint(Units::px(2520), Units::px(2040)));
    connect(lblHomePage, &LinkLabel::clicked, this, &AboutBox::lblHomePage_Click);

    Label3 = Look::label(this, QStringLiteral("Label3"),
                         tr("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website."),
                         Units::rect(240, 2520, 7005, 435), Look::verdana(8.25, true), Rose);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblCoBrand = addLink(this, QStringLiteral("lblCoBrand"), tr("Click here for more details"),
                         QPoint(Units::px(4560), Units::px(3000)));
    connect(lblCoBrand, &LinkLabel::clicked, this, &AboutBox::lblCoBrand_Click);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(0, Units::px(3360) - 1, Units::px(7320), 2);
    Look::paint(Line1, Qt::white, Qt::white);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Units::rect(5880, 3600, 1260, 345));
    Look::greyButton(cmdOK, Look::verdana(8.25, true));
    // Enter presses it; Esc closes the dialog the same way.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
}

AboutBox::~AboutBox() = default;

AboutBox* AboutBox::showOne(Shell& shell)
{
    QPointer<AboutBox>& box = openBox();
    if (!box)
        box = new AboutBox(shell);
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

AboutBox* AboutBox::current()
{
    return openBox().data();
}

void AboutBox::lblHomePage_Click()
{
    WebPages(m_shell).OpenHomePage();
}

void AboutBox::lblCoBrand_Click()
{
    WebPages(m_shell).OpenFullBrandPage();
}

void AboutBox::cmdOK_Click()
{
    close();
}
