// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LibraryLock.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "web/AboutBox.h"
#include "web/ExitScreen.h"
#include "web/UpdateReminder.h"
#include "widgets/Look.h"

#include "Children.h"
#include "Fakes.h"
#include "ObservingFakes.h"
#include "library/LibraryFolder.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLockFile>
#include <QPushButton>
#include <QTest>

class ProgramTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void secondInstanceEndsBeforeAnythingElse();
    void secondCopyOnTheSameLibraryEnds();
    void libraryLockOutlivesItsFile();
    void startUpRunsInOrder();
    void bannerDrawPutsOneLinkInFront_data();
    void bannerDrawPutsOneLinkInFront();
    void bannerDrawIsFair();
    void aboutBoxIsSingleAndClosesByEnterEscAndCloseBox();
    void closingTheMainWindowShowsTheExitScreen_data();
    void closingTheMainWindowShowsTheExitScreen();
    void exitEndsTheProgramWithEveryWindow();
};

namespace
{

QList<QWidget*> visibleWindows(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == name)
            found << window;
    return found;
}

QWidget* frontLink(MainWindow* window)
{
    return child<QFrame>(window, "fraFullBrand")
        ->childAt(child<QWidget>(window, "lblCobrand")->geometry().center());
}

} // namespace

void ProgramTest::cleanup()
{
    delete AboutBox::current();
    QTRY_VERIFY(visibleWindows("frmAbout").isEmpty());
}

void ProgramTest::secondInstanceEndsBeforeAnythingElse()
{
    TestServices fakes;
    CountingSettingsStore store(fakes.settings);
    const Services services{fakes.timers, fakes.dialogs,         store,
                            fakes.clock,  fakes.random,          fakes.shell,
                            fakes.screen, fakes.instance,        fakes.monitors,
                            fakes.pause,  fakes.services.program};
    fakes.instance.another = true;

    Program program(services);
    QVERIFY(!program.start());

    QCOMPARE(fakes.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& message = fakes.dialogs.messages.constFirst();
    QCOMPARE(message.text, QString("Application is already running"));
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.title, QString("Zorvik Subliminal Images"));
    QVERIFY(program.hasEnded());
    QVERIFY(!program.mainWindow());
    QCOMPARE(fakes.random.clockSeeds, 0);
    QCOMPARE(store.reads, 0);
    QCOMPARE(store.writes, 0);
    QVERIFY(!QFile::exists(fakes.listFile()));
    QVERIFY(visibleWindows("frmMain").isEmpty());
}

void ProgramTest::secondCopyOnTheSameLibraryEnds()
{
    TestServices fakes; // another session: its own instance indicator is free
    QLockFile otherCopy(fakes.programFolder() + "/.library.lock");
    QVERIFY(otherCopy.tryLock(0));

    Program program(fakes.services);
    QVERIFY(!program.start());
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QVERIFY(fakes.dialogs.messages.constFirst().text.contains(fakes.programFolder()));
    QVERIFY(program.hasEnded());
    QVERIFY(!program.mainWindow());
    QVERIFY(!QFile::exists(fakes.listFile()));
}

// Taking the lock file away does not let a second copy in.
void ProgramTest::libraryLockOutlivesItsFile()
{
    TestServices fakes;
    LibraryLock running{LibraryFolder(fakes.programFolder())};
    QCOMPARE(running.tryLock(), LibraryLock::Outcome::Locked);
    QVERIFY(QFile::remove(fakes.programFolder() + "/.library.lock"));
    Program program(fakes.services);
    QVERIFY(!program.start());
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QVERIFY(fakes.dialogs.messages.constFirst().text.contains(fakes.programFolder()));
}

void ProgramTest::startUpRunsInOrder()
{
    TestServices fakes;
    ObservingDialogs dialogs(fakes.dialogs);
    const Services services{fakes.timers,   dialogs,     fakes.settings,        fakes.clock,
                            fakes.random,   fakes.shell, fakes.screen,          fakes.instance,
                            fakes.monitors, fakes.pause, fakes.services.program};
    fakes.settings.values.insert(MemorySettingsStore::path(fakes.services.program.applicationName,
                                                           UpdateReminder::Section,
                                                           UpdateReminder::Key),
                                 fakes.clock.today().addDays(-20).toString(Qt::ISODate));
    fakes.random.values.enqueue(0.9);
    int seedsAtQuestion = -1;
    int drawsAtQuestion = -1;
    bool mainWindowAtQuestion = true;
    dialogs.onMessage = [&](const QString&) {
        seedsAtQuestion = fakes.random.clockSeeds;
        drawsAtQuestion = fakes.random.draws;
        mainWindowAtQuestion = QApplication::topLevelWidgets().size() > 0;
    };

    Program program(services);
    QVERIFY(program.start());

    // The reminder asks after seeding and before any window exists.
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QCOMPARE(seedsAtQuestion, 1);
    QCOMPARE(drawsAtQuestion, 0);
    QVERIFY(!mainWindowAtQuestion);
    QCOMPARE(fakes.settings.writes.constFirst(), UpdateReminder::Key);

    // Then the main window, then the banner draw as the one draw.
    QVERIFY(program.mainWindow()->isVisible());
    QCOMPARE(fakes.random.clockSeeds, 1);
    QCOMPARE(fakes.random.draws, 1);
    QCOMPARE(program.coBrandDraw(), 6);
    QCOMPARE(frontLink(program.mainWindow()), child<QWidget>(program.mainWindow(), "lblFullBrand"));
}

void ProgramTest::bannerDrawPutsOneLinkInFront_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("draw");
    QTest::addColumn<bool>("coBrandInFront");
    QTest::newRow("0") << 0.0 << 1 << true;
    QTest::newRow("just below 1/6") << 0.1666 << 1 << true;
    QTest::newRow("just above 1/6") << 0.17 << 2 << false;
    QTest::newRow("0.34") << 0.34 << 3 << true;
    QTest::newRow("a half") << 0.5 << 4 << false;
    QTest::newRow("0.7") << 0.7 << 5 << true;
    QTest::newRow("just below 1") << 0.99999 << 6 << false;
}

void ProgramTest::bannerDrawPutsOneLinkInFront()
{
    QFETCH(double, r);
    QFETCH(int, draw);
    QFETCH(bool, coBrandInFront);

    TestServices fakes;
    fakes.random.values.enqueue(r);
    Program program(fakes.services);
    QVERIFY(program.start());
    MainWindow* window = program.mainWindow();
    QCOMPARE(program.coBrandDraw(), draw);
    QCOMPARE(frontLink(window),
             child<QWidget>(window, coBrandInFront ? "lblCobrand" : "lblFullBrand"));

    // A click on the strip opens the page of the link in front.
    QTest::mouseClick(frontLink(window), Qt::LeftButton);
    QCOMPARE(fakes.shell.opened,
             QStringList{coBrandInFront ? "https://" ZORVIK_HELP_SITE_HOST "/co-brand.html"
                                        : "https://" ZORVIK_HELP_SITE_HOST "/fully-branded.html"});
}

void ProgramTest::bannerDrawIsFair()
{
    TestServices fakes;
    MainWindow window(fakes.services);
    MersenneRandom random;
    random.seed(20261208);
    int coBrand = 0;
    const int runs = 2000;
    for (int run = 0; run < runs; ++run) {
        const int draw = window.coBrandDraw(random);
        QVERIFY(draw >= 1 && draw <= 6);
        if (frontLink(&window) == child<QWidget>(&window, "lblCobrand"))
            ++coBrand;
        else
            QCOMPARE(frontLink(&window), child<QWidget>(&window, "lblFullBrand"));
    }
    // Expected 1000, standard deviation about 22.
    QVERIFY2(coBrand > 900 && coBrand < 1100, qPrintable(QString::number(coBrand)));
}

void ProgramTest::aboutBoxIsSingleAndClosesByEnterEscAndCloseBox()
{
    TestServices fakes;
    Program program(fakes.services);
    QVERIFY(program.start());
    MainWindow* window = program.mainWindow();

    for (int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Enter), 0}) {
        child<QAction>(window, "mnuAbout")->trigger();
        QWidget* about = visibleWindows("frmAbout").value(0);
        QVERIFY(about);
        QVERIFY(!about->parentWidget());
        QVERIFY(!about->isModal());
        QCOMPARE(child<QLabel>(about, "picIcon")->pixmap().size(), QSize(32, 32));
        window->activateWindow();
        child<QAction>(window, "mnuAbout")->trigger();
        QCOMPARE(visibleWindows("frmAbout"), QList<QWidget*>{about});
        QTRY_VERIFY(about->isActiveWindow());

        QPointer<QWidget> closing = about;
        if (key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        else
            QVERIFY(about->close());
        QTRY_VERIFY(!closing);
        QVERIFY(window->isVisible());
        QVERIFY(!program.hasEnded());
    }
}

void ProgramTest::closingTheMainWindowShowsTheExitScreen_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close box";
    QTest::newRow("E&xit Program") << "cmdExit";
    QTest::newRow("File > E&xit") << "mnuExit";
}

void ProgramTest::closingTheMainWindowShowsTheExitScreen()
{
    QFETCH(QString, how);

    TestServices fakes;
    Program program(fakes.services);
    QVERIFY(program.start());
    QPointer<MainWindow> window = program.mainWindow();
    // A running interval timer, as a flash run leaves it.
    QPointer<Timer> timer = fakes.timers.create("Timer1", window);
    timer->setInterval(2000);
    timer->setEnabled(true);

    if (how == "close box")
        window->close();
    else if (how == "cmdExit")
        QTest::mouseClick(child<QPushButton>(window, "cmdExit"), Qt::LeftButton);
    else
        child<QAction>(window, "mnuExit")->trigger();

    ExitScreen* exitScreen = program.exitScreen();
    QVERIFY(exitScreen);
    QVERIFY(exitScreen->isVisible());
    QVERIFY(exitScreen->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!exitScreen->parentWidget());
    QCOMPARE(visibleWindows("frmExitScreen").size(), 1);
    QTRY_VERIFY(!window);
    QVERIFY(!timer);
    QVERIFY(!program.hasEnded());
    QCOMPARE(fakes.random.clockSeeds, 2); // once at start, once for the exit screen

    exitScreen->close();
    QVERIFY(program.hasEnded());
}

void ProgramTest::exitEndsTheProgramWithEveryWindow()
{
    TestServices fakes;
    Program program(fakes.services);
    QVERIFY(program.start());
    child<QAction>(program.mainWindow(), "mnuAbout")->trigger();
    program.mainWindow()->close();
    QCOMPARE(visibleWindows("frmAbout").size(), 1);

    QTest::mouseClick(child<QPushButton>(program.exitScreen(), "cmdClose"), Qt::LeftButton);
    QVERIFY(program.hasEnded());
    QVERIFY(visibleWindows("frmAbout").isEmpty());
    QVERIFY(visibleWindows("frmExitScreen").isEmpty());
    QVERIFY(visibleWindows("frmMain").isEmpty());
}

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
