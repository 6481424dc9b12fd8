// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramInfo.h"
#include "web/ExitScreen.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"

#include "Children.h"
#include "Fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

class ExitScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensOnTopWithFocusOnExit();
    void controlsKeepTheirNames();
    void promotionalTextIsDrawnAfterReseeding_data();
    void promotionalTextIsDrawnAfterReseeding();
    void tabOrderSkipsTheHiddenMessage();
    void placeholdersOnFocusInAndOut();
    void submitWithEveryBoxAtItsPlaceholder();
    void typedRequestArrivesExactly();
    void namesStillAtPlaceholders();
    void spaceTypedIntoAnEmailBoxIsRefused();
    void pastedSpaceIsAccepted();
    void homePageButtonOpensHomeAndPopsBack();
    void catalogueLinkOpensTheCatalogue();
    void everyWayOfClosingEndsTheProgram();

private:
    QLineEdit* box(const char* name) const { return child<QLineEdit>(m_screen, name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(m_screen, name); }
    void type(QLineEdit* box, const QString& text);
    QUrlQuery lastRequest() const;

    std::unique_ptr<TestServices> m_fakes;
    ExitScreen* m_screen = nullptr;
    int m_endCalls = 0;
};

void ExitScreenTest::init()
{
    m_fakes = std::make_unique<TestServices>();
    m_endCalls = 0;
    m_screen = ExitScreen::showNew(m_fakes->services, [this] { ++m_endCalls; });
    QApplication::setActiveWindow(m_screen);
    QVERIFY(QTest::qWaitForWindowActive(m_screen));
}

void ExitScreenTest::cleanup()
{
    delete m_screen;
    m_screen = nullptr;
    m_fakes.reset();
}

void ExitScreenTest::type(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), box);
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1());
            continue;
        }
        // A letter from outside ASCII, as a keyboard layout would send it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

QUrlQuery ExitScreenTest::lastRequest() const
{
    const QString request = m_fakes->shell.opened.constLast();
    return QUrlQuery(QUrl::fromEncoded(request.toLatin1(), QUrl::StrictMode));
}

void ExitScreenTest::opensOnTopWithFocusOnExit()
{
    QVERIFY(m_screen->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(m_screen->isVisible());
    QCOMPARE(child<QLabel>(m_screen, "Picture1")->pixmap().size(), QSize(32, 32));
    QCOMPARE(QApplication::focusWidget(), button("cmdClose"));
    QVERIFY(
        !child<QPlainTextEdit>(m_screen, "txtMessage")->visibleRegion().boundingRect().isValid());
    QCOMPARE(button("Check1")->text(),
             QString("Click Here To Visit " ZORVIK_MAIN_SITE_HOST " Now"));
    // The program's own pointing hand (tst_pointer looks at it closely).
    QCOMPARE(button("Check1")->cursor().shape(), Look::pointingHand().shape());
    QCOMPARE(child<LinkLabel>(m_screen, "lblGoToHome")->cursor().shape(),
             Look::pointingHand().shape());
}

void ExitScreenTest::controlsKeepTheirNames()
{
    // Outside tools find the controls by these names, so none may change.
    QStringList names{"Picture1",  "Label1",     "Label2",   "Check1",        "cmdClose",
                      "Frame2",    "txtName",    "txtEmail", "txtFriendName", "txtFriendEmail",
                      "cmdSubmit", "txtMessage", "Frame6",   "Label3",        "lblGoToHome"};
    names.sort();
    QCOMPARE(controlNames(m_screen), names);
    QCOMPARE(m_screen->objectName(), QString("frmExitScreen"));
}

void ExitScreenTest::promotionalTextIsDrawnAfterReseeding_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("text");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.2499 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("three quarters") << 0.75 << 3;
    QTest::newRow("just below 1") << 0.99999 << 3;
}

void ExitScreenTest::promotionalTextIsDrawnAfterReseeding()
{
    QFETCH(double, r);
    QFETCH(int, text);

    TestServices fakes;
    fakes.random.values.enqueue(r);
    ExitScreen screen(fakes.services, {});
    QCOMPARE(child<QLabel>(&screen, "Label2")->text(), ExitScreen::PromotionalTexts.at(1));
    screen.load();
    QCOMPARE(fakes.random.clockSeeds, 1);
    QCOMPARE(fakes.random.draws, 1);
    QCOMPARE(child<QLabel>(&screen, "Label2")->text(), ExitScreen::PromotionalTexts.at(text));
}

void ExitScreenTest::tabOrderSkipsTheHiddenMessage()
{
    const QList<QWidget*> expected{
        box("txtName"),        box("txtEmail"),     box("txtFriendName"),
        box("txtFriendEmail"), button("cmdSubmit"), m_screen->findChild<QWidget*>("lblGoToHome"),
        button("Check1"),      button("cmdClose")};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(child<QPlainTextEdit>(m_screen, "txtMessage")->toPlainText(),
             QString("Your Message\n"));
}

void ExitScreenTest::placeholdersOnFocusInAndOut()
{
    QLineEdit* name = box("txtName");
    QLineEdit* email = box("txtEmail");

    // Entering a box that holds its placeholder empties it; leaving it empty
    // puts the placeholder back.
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());
    QTest::mouseClick(email, Qt::LeftButton);
    QCOMPARE(name->text(), QString("Your Name"));
    QCOMPARE(email->text(), QString());

    // Spaces only count as empty; the placeholder with outer spaces counts as
    // the placeholder; anything else stays.
    email->setText("   ");
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(email->text(), QString("Your Email Address"));
    name->setText("Ann");
    QTest::mouseClick(email, Qt::LeftButton);
    QCOMPARE(name->text(), QString("Ann"));
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString("Ann"));
    name->setText("  Your Name ");
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(name->text(), QString());

    // The window losing and regaining the activation is no move between boxes.
    QTest::mouseClick(box("txtFriendName"), Qt::LeftButton);
    QCOMPARE(box("txtFriendName")->text(), QString());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!m_screen->isActiveWindow());
    QCOMPARE(box("txtFriendName")->text(), QString());
}

void ExitScreenTest::submitWithEveryBoxAtItsPlaceholder()
{
    QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);

    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& message = m_fakes->dialogs.messages.constFirst();
    QCOMPARE(message.text, QString("Please Enter Proper Email Address"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.title, ProgramInfo::title());
    QVERIFY(m_fakes->shell.opened.isEmpty());
    QCOMPARE(box("txtName")->text(), QString("Your Name"));
    QCOMPARE(m_screen->submittedEntries().referrerEmail, QString("Your Email Address"));

    // The same address in both boxes is caught first, whatever else holds.
    type(box("txtEmail"), "same@mail.example");
    type(box("txtFriendEmail"), "same@mail.example");
    QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_fakes->dialogs.messages.constLast().text,
             QString("Please Enter Distinct Email Addresses"));
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

void ExitScreenTest::typedRequestArrivesExactly()
{
    type(box("txtName"), "  Tom & Jerry #1 + Zoë = ");
    type(box("txtEmail"), "ann.lee@mail");
    type(box("txtFriendName"), "Łukasz Ń");
    type(box("txtFriendEmail"), "bob@mail.example");
    // Enter on the focused button submits.
    button("cmdSubmit")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("cmdSubmit"), Qt::Key_Return);

    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(m_fakes->shell.opened.size(), 1);
    QCOMPARE(m_fakes->shell.opened.constFirst(), m_screen->referralRequest());
    const QUrlQuery query = lastRequest();
    QCOMPARE(query.queryItems().size(), 6);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QString("Tom & Jerry #1 + Zoë ="));
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), QString("ann.lee@mail"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QString("Your Message\r\n"));
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QString("Łukasz Ń"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), QString("bob@mail.example"));

    // Nothing on the screen changes; a second press sends again.
    QCOMPARE(box("txtName")->text(), QString("  Tom & Jerry #1 + Zoë = "));
    QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_fakes->shell.opened.size(), 2);
}

void ExitScreenTest::namesStillAtPlaceholders()
{
    type(box("txtEmail"), "ann@mail.example");
    type(box("txtFriendEmail"), "bob@mail.example");
    QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_fakes->dialogs.messages.constLast().text, QString("Please Enter Your Name"));

    type(box("txtName"), "Ann");
    QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_fakes->dialogs.messages.constLast().text,
             QString("Please Enter Your Friend's Name"));
    QCOMPARE(m_fakes->dialogs.messages.size(), 2);
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

void ExitScreenTest::spaceTypedIntoAnEmailBoxIsRefused()
{
    for (QLineEdit* box : {box("txtEmail"), box("txtFriendEmail")}) {
        m_fakes->dialogs.messages.clear();
        type(box, "a b");
        QCOMPARE(box->text(), QString("ab"));
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(m_fakes->dialogs.messages.size(), 1);
        QCOMPARE(m_fakes->dialogs.messages.constFirst().text,
                 QString("Email Address Cannot Contain Space"));
        QCOMPARE(m_fakes->dialogs.messages.constFirst().icon, MessageIcon::Critical);
    }
    // The name boxes take spaces.
    type(box("txtName"), "a b");
    QCOMPARE(box("txtName")->text(), QString("a b"));
    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
}

void ExitScreenTest::pastedSpaceIsAccepted()
{
    type(box("txtName"), "Ann");
    type(box("txtFriendName"), "Bob");
    type(box("txtFriendEmail"), "bob@mail.example");
    QApplication::clipboard()->setText("ann lee@mail.example");
    type(box("txtEmail"), QString());
    QTest::keyClick(box("txtEmail"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box("txtEmail")->text(), QString("ann lee@mail.example"));

    QTest::mouseClick(button("cmdSubmit"), Qt::LeftButton);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(lastRequest().queryItemValue("taf2", QUrl::FullyDecoded),
             QString("ann lee@mail.example"));
}

void ExitScreenTest::homePageButtonOpensHomeAndPopsBack()
{
    const QStringList home{"https://" ZORVIK_MAIN_SITE_HOST "/"};
    QTest::mouseClick(button("Check1"), Qt::LeftButton);
    QCOMPARE(m_fakes->shell.opened, home);
    QVERIFY(!button("Check1")->isChecked());

    button("Check1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button("Check1"), Qt::Key_Space);
    QCOMPARE(m_fakes->shell.opened, home + home);
    QVERIFY(!button("Check1")->isChecked());
}

void ExitScreenTest::catalogueLinkOpensTheCatalogue()
{
    QTest::mouseClick(child<LinkLabel>(m_screen, "lblGoToHome"), Qt::LeftButton);
    QCOMPARE(m_fakes->shell.opened,
             QStringList{"https://" ZORVIK_MAIN_SITE_HOST "/velmoransoftwares"});
}

void ExitScreenTest::everyWayOfClosingEndsTheProgram()
{
    QTest::mouseClick(button("cmdClose"), Qt::LeftButton);
    QCOMPARE(m_endCalls, 1);
    QTest::keyClick(m_screen, Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(m_endCalls, 2); // an access key presses the button visibly first
    QPointer<ExitScreen> screen = m_screen;
    QVERIFY(m_screen->close());
    QCOMPARE(m_endCalls, 3);
    QTRY_VERIFY(!screen); // destroyed once closed
    m_screen = nullptr;
}

QTEST_MAIN(ExitScreenTest)
#include "tst_exitscreen.moc"
