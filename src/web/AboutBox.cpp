// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/AboutBox.h"

#include "platform/ProgramInfo.h"
#include "platform/Units.h"
#include "web/WebPages.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/ProgramIcon.h"
#include "widgets/TextRoom.h"

#include <QFrame>
#include <QLabel>
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

    // Each control's objectName is its long-standing name: outside tools and
    // the tests find it by that name.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ProgramIcon::picture());
    icon->setAccessibleName(ProgramInfo::title());
    icon->move(Units::px(120), Units::px(120));
    icon->adjustSize();

    QLabel* title =
        Look::label(this, QStringLiteral("Label2"), ProgramInfo::titleWithVersion(),
                    Units::rect(840, 240, 3075, 240), Look::verdana(9.75, true), Qt::white);
    title->adjustSize();

    QLabel* description = Look::label(
        this, QStringLiteral("Label1"),
        tr("Zorvik Subliminal Images is an advanced subliminal image displaying program. This "
           "software reaches out to the subconscious mind and sends positive messages to the "
           "mind, thus helping you develop a positive mindset. By concentrating on preferred "
           "subliminal images you can also increase your self-confidence and self-esteem thus "
           "making your goals achievable."),
        Units::rect(240, 720, 7005, 1215), font(), Rose);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LinkLabel* homePageLink = addLink(this, QStringLiteral("lblHomePage"),
                                      tr("Click here to visit %1").arg(WebPages::mainSiteHost()),
                                      QPoint(Units::px(2520), Units::px(2040)));
    homePageLink->setAccessibleDescription(
        tr("Opens %1 in the web browser").arg(WebPages::mainSiteHost()));
    connect(homePageLink, &LinkLabel::clicked, this, &AboutBox::homePageClicked);

    QLabel* offer =
        Look::label(this, QStringLiteral("Label3"),
                    tr("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website."),
                    Units::rect(240, 2520, 7005, 435), Look::verdana(8.25, true), Rose);
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LinkLabel* fullBrandLink =
        addLink(this, QStringLiteral("lblCoBrand"), tr("Click here for more details"),
                QPoint(Units::px(4560), Units::px(3000)));
    fullBrandLink->setAccessibleDescription(
        tr("Opens the page about full branding in the web browser"));
    connect(fullBrandLink, &LinkLabel::clicked, this, &AboutBox::fullBrandClicked);

    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("Line1"));
    separator->setGeometry(0, Units::px(3360) - 1, Units::px(7320), 2);
    Look::paint(separator, Qt::white, Qt::white);

    auto* okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setGeometry(Units::rect(5880, 3600, 1260, 345));
    Look::greyButton(okButton, Look::verdana(8.25, true));
    // Enter presses it; Esc closes the dialog the same way.
    okButton->setDefault(true);
    // The links come first in the tab order; the focus starts on OK all the same.
    okButton->setFocus();
    connect(okButton, &QPushButton::clicked, this, &AboutBox::close);
    TextRoom::fitAll(this);
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

void AboutBox::homePageClicked()
{
    WebPages(m_shell).openHomePage();
}

void AboutBox::fullBrandClicked()
{
    WebPages(m_shell).openFullBrandPage();
}
