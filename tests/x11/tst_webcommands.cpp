// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "platform/Shell.h"
#include "web/AboutBox.h"
#include "web/ExitScreen.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"

#include "Children.h"
#include "Fakes.h"
#include "X11Tools.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>
#include <optional>

// Every command through the real desktop shell, with a stand-in for the
// desktop's xdg-open first on PATH.
class WebCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    // The order matters: the shell remembers the first browser it finds.
    void noBrowserAtAll();
    void browserThatFails();
    void everyCommandOpensItsAddressWithoutWaiting();
    void referralRequestArrivesExactly();
    void exitScreenStaysInFrontOfTheBrowser();

private:
    void writeBrowser(const QString& body);
    QStringList opened() const;
    void clickEveryCommand();
    void expectNothingShown();
    void expectOpened(const std::function<void()>& command, const QString& address);
    QAction* action(const char* name) const { return child<QAction>(m_window.get(), name); }
    LinkLabel* link(const char* name) const { return child<LinkLabel>(m_window.get(), name); }

    QTemporaryDir m_folder;
    QString m_log;
    QString m_release;
    QString m_windowFlag;
    DesktopShell m_shell;
    std::unique_ptr<TestServices> m_fakes;
    // The fakes, with the real desktop shell in place of the recording one.
    std::optional<Services> m_services;
    std::unique_ptr<MainWindow> m_window;
};

void WebCommandsTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QDir(m_folder.path()).mkdir("bin");
    QDir(m_folder.path()).mkdir("empty");
    QDir(m_folder.path()).mkdir("runtime");
    QFile::setPermissions(m_folder.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder.filePath("runtime")));
    m_log = m_folder.filePath("opened.txt");
    m_release = m_folder.filePath("release");
    m_windowFlag = m_folder.filePath("open-window");
    for (const char* variable : {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP",
                                 "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        qunsetenv(variable);

    m_fakes = std::make_unique<TestServices>();
    TestServices& f = *m_fakes;
    m_services.emplace(Services{f.timers, f.dialogs, f.settings, f.clock, f.random, m_shell,
                                f.screen, f.instance, f.monitors, f.pause, f.services.program});
    m_window = std::make_unique<MainWindow>(*m_services);
    m_window->load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WebCommandsTest::cleanupTestCase()
{
    QFile release(m_release);
    QVERIFY(release.open(QIODevice::WriteOnly));
    delete AboutBox::current();
    m_window.reset();
}

void WebCommandsTest::writeBrowser(const QString& body)
{
    const QString path = m_folder.filePath("bin/xdg-open");
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // The stand-in outlives the command that started it: keep it off the
    // test's output, so nothing waits on it once the test ends.
    script.write("#!/bin/sh\nexec </dev/null >/dev/null 2>&1\n" + body.toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

QStringList WebCommandsTest::opened() const
{
    QFile log(m_log);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

void WebCommandsTest::clickEveryCommand()
{
    for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuDonate", "mnuMakeMoney"})
        action(name)->trigger();
    QTest::mouseClick(child<QPushButton>(m_window.get(), "Command5"), Qt::LeftButton);
    QTest::mouseClick(link("Label14"), Qt::LeftButton);
    for (const char* name : {"lblCobrand", "lblFullBrand"}) {
        link(name)->raise();
        QTest::mouseClick(link(name), Qt::LeftButton);
    }
}

// Whatever the commands posted is delivered before a call queued after them;
// then no message may have come and the window must be usable.
void WebCommandsTest::expectNothingShown()
{
    bool delivered = false;
    QMetaObject::invokeMethod(
        this, [&delivered] { delivered = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(delivered);
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QMessageBox*>(window));
    QVERIFY(m_window->isVisible() && m_window->isEnabled());
}

void WebCommandsTest::noBrowserAtAll()
{
    qputenv("PATH", QFile::encodeName(m_folder.filePath("empty")));
    clickEveryCommand();
    expectNothingShown();
}

void WebCommandsTest::browserThatFails()
{
    // Each try is recorded before the stand-in fails, so the test knows every
    // command has reached it and failed before it looks.
    writeBrowser(QStringLiteral("echo \"$1\" >>'%1'\nexit 3\n").arg(m_log));
    qputenv("PATH", QFile::encodeName(m_folder.filePath("bin")) + ":/usr/bin:/bin");
    const qsizetype before = opened().size();
    clickEveryCommand();
    QTRY_COMPARE(opened().size(), before + 8); // all but Make Money, which is disabled
    expectNothingShown();
}

void WebCommandsTest::expectOpened(const std::function<void()>& command, const QString& address)
{
    const int before = opened().size();
    command();
    // The stand-in keeps running until the test ends, so seeing its record
    // here means the command did not wait for it.
    QTRY_COMPARE(opened().size(), before + 1);
    QCOMPARE(opened().constLast(), address);
    QVERIFY(!QFile::exists(m_release));
}

void WebCommandsTest::everyCommandOpensItsAddressWithoutWaiting()
{
    writeBrowser(QString("printf '%s\\n' \"$1\" >> '%1'\n"
                         "if [ -e '%2' ]; then xmessage -title 'Stand-in browser' \"$1\" & fi\n"
                         // A minute at most, should the test die before it lets go.
                         "n=0; while [ ! -e '%3' ] && [ -d '%4' ] && [ $n -lt 1200 ]; do\n"
                         "    sleep 0.05; n=$((n + 1))\ndone\n")
                     .arg(m_log, m_windowFlag, m_release, m_folder.path()));
    const QString help = "https://" ZORVIK_HELP_SITE_HOST "/";
    const QString product = "https://" ZORVIK_PRODUCT_SITE_HOST "/";
    const QString home = "https://" ZORVIK_MAIN_SITE_HOST "/";

    expectOpened([&] { action("mnuOnline")->trigger(); },
                 product + "zorvik-free-subliminal-images-help.html");
    expectOpened([&] { action("mnuVisit")->trigger(); }, home);
    expectOpened([&] { action("mnuUpdate")->trigger(); },
                 product + "download-zorvik-free-subliminal-images.html");
    expectOpened([&] { action("mnuDonate")->trigger(); }, help + "donate.html");
    expectOpened(
        [&] { QTest::mouseClick(child<QPushButton>(m_window.get(), "Command5"), Qt::LeftButton); },
        help + "donate.html");
    expectOpened([&] { QTest::mouseClick(link("Label14"), Qt::LeftButton); }, home);
    link("lblCobrand")->raise();
    expectOpened([&] { QTest::mouseClick(link("lblCobrand"), Qt::LeftButton); },
                 help + "co-brand.html");
    link("lblFullBrand")->raise();
    expectOpened([&] { QTest::mouseClick(link("lblFullBrand"), Qt::LeftButton); },
                 help + "fully-branded.html");

    // The inactive entry opens nothing: the next record is the next command's.
    QVERIFY(!action("mnuMakeMoney")->isEnabled());
    expectOpened(
        [&] {
            action("mnuMakeMoney")->trigger();
            action("mnuVisit")->trigger();
        },
        home);

    action("mnuAbout")->trigger();
    AboutBox* about = AboutBox::current();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    expectOpened([&] { QTest::mouseClick(child<LinkLabel>(about, "lblHomePage"), Qt::LeftButton); },
                 home);
    expectOpened([&] { QTest::mouseClick(child<LinkLabel>(about, "lblCoBrand"), Qt::LeftButton); },
                 help + "fully-branded.html");
    QCOMPARE(child<LinkLabel>(about, "lblHomePage")->text(),
             QString("Click here to visit " ZORVIK_MAIN_SITE_HOST));
    // Outside tools find the controls by these names, so none may change.
    QCOMPARE(controlNames(about), QStringList({"Label1", "Label2", "Label3", "Line1", "cmdOK",
                                               "lblCoBrand", "lblHomePage", "picIcon"}));

    // Asking again brings the same box to the front.
    m_window->activateWindow();
    QTRY_VERIFY(m_window->isActiveWindow());
    action("mnuAbout")->trigger();
    QCOMPARE(AboutBox::current(), about);
    QTRY_VERIFY(about->isActiveWindow());
    QTRY_COMPARE(X11Tools::topWindow(), qulonglong(about->winId()));
    // OK closes the box, and a closed box is destroyed.
    QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(!AboutBox::current());

    ExitScreen* exitScreen = ExitScreen::showNew(*m_services, {});
    QVERIFY(QTest::qWaitForWindowExposed(exitScreen));
    expectOpened(
        [&] { QTest::mouseClick(child<QPushButton>(exitScreen, "Check1"), Qt::LeftButton); }, home);
    QVERIFY(!child<QPushButton>(exitScreen, "Check1")->isChecked());
    expectOpened(
        [&] { QTest::mouseClick(child<LinkLabel>(exitScreen, "lblGoToHome"), Qt::LeftButton); },
        home + "velmoransoftwares");
    delete exitScreen;
    QVERIFY(m_fakes->dialogs.messages.isEmpty());
}

void WebCommandsTest::referralRequestArrivesExactly()
{
    ExitScreen* exitScreen = ExitScreen::showNew(*m_services, {});
    QVERIFY(QTest::qWaitForWindowExposed(exitScreen));
    child<QLineEdit>(exitScreen, "txtName")->setText("  Tom & Jerry #1 + Zoë = Ñandú ");
    child<QLineEdit>(exitScreen, "txtEmail")->setText("ann@mail.example");
    child<QLineEdit>(exitScreen, "txtFriendName")->setText("Łukasz?x=1&taf6=y");
    child<QLineEdit>(exitScreen, "txtFriendEmail")->setText("bob@mail.example");
    child<QPlainTextEdit>(exitScreen, "txtMessage")->setPlainText("line one\nline two 100%");
    const int before = opened().size();
    QTest::mouseClick(child<QPushButton>(exitScreen, "cmdSubmit"), Qt::LeftButton);
    QTRY_COMPARE(opened().size(), before + 1);

    const QString arrived = opened().constLast();
    QCOMPARE(arrived, exitScreen->referralRequest());
    const QUrl url = QUrl::fromEncoded(arrived.toLatin1(), QUrl::StrictMode);
    QCOMPARE(url.host(), QString(ZORVIK_MAIN_SITE_HOST));
    QCOMPARE(url.path(), QString("/quorla-refer-a-friend.php"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 6);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded),
             QString("Tom & Jerry #1 + Zoë = Ñandú"));
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), QString("ann@mail.example"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded),
             QString("line one\r\nline two 100%"));
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QString("Łukasz?x=1&taf6=y"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), QString("bob@mail.example"));
    QCOMPARE(query.queryItemValue("taf6", QUrl::FullyDecoded),
             QString("https://" ZORVIK_PRODUCT_SITE_HOST "/"));
    delete exitScreen;
}

void WebCommandsTest::exitScreenStaysInFrontOfTheBrowser()
{
    QFile flag(m_windowFlag);
    QVERIFY(flag.open(QIODevice::WriteOnly));
    flag.close();

    ExitScreen* exitScreen = ExitScreen::showNew(*m_services, {});
    QVERIFY(QTest::qWaitForWindowExposed(exitScreen));
    const qulonglong screenId = exitScreen->winId();
    QTRY_VERIFY(X11Tools::windowState(screenId).contains("_NET_WM_STATE_ABOVE"));

    QTest::mouseClick(child<QPushButton>(exitScreen, "Check1"), Qt::LeftButton);
    QStringList browser;
    QTRY_VERIFY_WITH_TIMEOUT(!(browser = X11Tools::windows("^Stand-in browser$")).isEmpty(), 10000);
    const qulonglong browserId = browser.constFirst().toULongLong();
    // The browser took the focus, yet lies below the exit screen.
    X11Tools::run("xdotool", {"windowactivate", "--sync", browser.constFirst()});
    QTRY_VERIFY(X11Tools::stacking().contains(browserId));
    const QList<qulonglong> stack = X11Tools::stacking();
    QVERIFY2(stack.indexOf(screenId) > stack.indexOf(browserId),
             qPrintable(QString("exit screen %1, browser %2").arg(screenId).arg(browserId)));
    X11Tools::run("xdotool", {"windowkill", browser.constFirst()});
    delete exitScreen;
}

QTEST_MAIN(WebCommandsTest)
#include "tst_webcommands.moc"
