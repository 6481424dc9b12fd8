#include "app/Program.h"
#include "platform/ProgramInfo.h"
#include "widgets/Look.h"
#include "web/ExitScreen.h"

#include "Fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
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
    void promotionalTextIsDrawnAfterReseeding_data();
    void promotionalTextIsDrawnAfterReseeding();
    void tabOrderSkipsTheHiddenMessage();
    void placeholdersOnFocusInAndOut();
    void submitWithEveryBoxAtItsPlaceholder();
    void typedRequestArrivesExactly();
    void namesStillAtPlaceholders();
    void spaceTypedIntoAnEmailBoxIsRefused();
    void pastedSpaceIsAccepted();
    void check1OpensHomeAndPopsBack();
    void goToHomeOpensTheCatalogue();
    void everyWayOfClosingEndsTheProgram();

private:
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
    QCOMPARE(m_screen->Picture1->pixmap().size(), QSize(32, 32));
    QCOMPARE(QApplication::focusWidget(), m_screen->cmdClose);
    QCOMPARE(m_screen->findChild<QWidget*>("txtMessage"), m_screen->txtMessage);
    QVERIFY(!m_screen->txtMessage->visibleRegion().boundingRect().isValid());
    QCOMPARE(m_screen->Check1->text(),
             QString("Click Here To Visit " ZORVIK_MAIN_SITE_HOST " Now"));
    // The program's own pointing hand (tst_pointer looks at it closely).
    QCOMPARE(m_screen->Check1->cursor().shape(), Look::pointingHand().shape());
    QCOMPARE(m_screen->lblGoToHome->cursor().shape(), Look::pointingHand().shape());
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
    QCOMPARE(screen.Label2->text(), ExitScreen::PromotionalTexts.at(1));
    screen.Form_Load();
    QCOMPARE(fakes.random.clockSeeds, 1);
    QCOMPARE(fakes.random.draws, 1);
    QCOMPARE(screen.Label2->text(), ExitScreen::PromotionalTexts.at(text));
}

void ExitScreenTest::tabOrderSkipsTheHiddenMessage()
{
    const QList<QWidget*> expected{
        m_screen->Check1,         m_screen->txtName,       m_screen->cmdSubmit, m_screen->txtEmail,
        m_screen->txtFriendEmail, m_screen->txtFriendName, m_screen->cmdClose,  m_screen->Check1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(m_screen->txtMessage->toPlainText(), QString("Your Message\n"));
}

void ExitScreenTest::placeholdersOnFocusInAndOut()
{
    QLineEdit* name = m_screen->txtName;
    QLineEdit* email = m_screen->txtEmail;

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
    QTest::mouseClick(m_screen->txtFriendName, Qt::LeftButton);
    QCOMPARE(m_screen->txtFriendName->text(), QString());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!m_screen->isActiveWindow());
    QCOMPARE(m_screen->txtFriendName->text(), QString());
}

void ExitScreenTest::submitWithEveryBoxAtItsPlaceholder()
{
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);

    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& message = m_fakes->dialogs.messages.constFirst();
    QCOMPARE(message.text, QString("Please Enter Proper Email Address"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.title, ProgramInfo::title());
    QVERIFY(m_fakes->shell.opened.isEmpty());
    QCOMPARE(m_screen->txtName->text(), QString("Your Name"));
    QCOMPARE(m_screen->values().strReferrerEmail, QString("Your Email Address"));

    // The same address in both boxes is caught first, whatever else holds.
    type(m_screen->txtEmail, "same@mail.example");
    type(m_screen->txtFriendEmail, "same@mail.example");
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QCOMPARE(m_fakes->dialogs.messages.constLast().text,
             QString("Please Enter Distinct Email Addresses"));
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

void ExitScreenTest::typedRequestArrivesExactly()
{
    type(m_screen->txtName, "  Tom & Jerry #1 + Zoë = ");
    type(m_screen->txtEmail, "ann.lee@mail");
    type(m_screen->txtFriendName, "Łukasz Ń");
    type(m_screen->txtFriendEmail, "bob@mail.example");
    // Enter on the focused button submits.
    m_screen->cmdSubmit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_screen->cmdSubmit, Qt::Key_Return);

    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(m_fakes->shell.opened.size(), 1);
    QCOMPARE(m_fakes->shell.opened.constFirst(), m_screen->strReferralRequest());
    const QUrlQuery query = lastRequest();
    QCOMPARE(query.queryItems().size(), 6);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QString("Tom & Jerry #1 + Zoë ="));
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), QString("ann.lee@mail"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QString("Your Message\r\n"));
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QString("Łukasz Ń"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), QString("bob@mail.example"));

    // Nothing on the screen changes; a second press sends again.
    QCOMPARE(m_screen->txtName->text(), QString("  Tom & Jerry #1 + Zoë = "));
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QCOMPARE(m_fakes->shell.opened.size(), 2);
}

void ExitScreenTest::namesStillAtPlaceholders()
{
    type(m_screen->txtEmail, "ann@mail.example");
    type(m_screen->txtFriendEmail, "bob@mail.example");
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QCOMPARE(m_fakes->dialogs.messages.constLast().text, QString("Please Enter Your Name"));

    type(m_screen->txtName, "Ann");
    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QCOMPARE(m_fakes->dialogs.messages.constLast().text,
             QString("Please Enter Your Friend's Name"));
    QCOMPARE(m_fakes->dialogs.messages.size(), 2);
    QVERIFY(m_fakes->shell.opened.isEmpty());
}

void ExitScreenTest::spaceTypedIntoAnEmailBoxIsRefused()
{
    for (QLineEdit* box : {m_screen->txtEmail, m_screen->txtFriendEmail}) {
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
    type(m_screen->txtName, "a b");
    QCOMPARE(m_screen->txtName->text(), QString("a b"));
    QCOMPARE(m_fakes->dialogs.messages.size(), 1);
}

void ExitScreenTest::pastedSpaceIsAccepted()
{
    type(m_screen->txtName, "Ann");
    type(m_screen->txtFriendName, "Bob");
    type(m_screen->txtFriendEmail, "bob@mail.example");
    QApplication::clipboard()->setText("ann lee@mail.example");
    type(m_screen->txtEmail, QString());
    QTest::keyClick(m_screen->txtEmail, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_screen->txtEmail->text(), QString("ann lee@mail.example"));

    QTest::mouseClick(m_screen->cmdSubmit, Qt::LeftButton);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    QCOMPARE(lastRequest().queryItemValue("taf2", QUrl::FullyDecoded),
             QString("ann lee@mail.example"));
}

void ExitScreenTest::check1OpensHomeAndPopsBack()
{
    const QStringList home{"http://" ZORVIK_MAIN_SITE_HOST "/"};
    QTest::mouseClick(m_screen->Check1, Qt::LeftButton);
    QCOMPARE(m_fakes->shell.opened, home);
    QVERIFY(!m_screen->Check1->isChecked());

    m_screen->Check1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_screen->Check1, Qt::Key_Space);
    QCOMPARE(m_fakes->shell.opened, home + home);
    QVERIFY(!m_screen->Check1->isChecked());
}

void ExitScreenTest::goToHomeOpensTheCatalogue()
{
    QTest::mouseClick(m_screen->lblGoToHome, Qt::LeftButton);
    QCOMPARE(m_fakes->shell.opened,
             QStringList{"http://" ZORVIK_MAIN_SITE_HOST "/velmoransoftwares"});
}

void ExitScreenTest::everyWayOfClosingEndsTheProgram()
{
    QTest::mouseClick(m_screen->cmdClose, Qt::LeftButton);
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
