// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "app/RunTrayIcon.h"
#include "core/FlashRun.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"
#include "library/PictureLibrary.h"
#include "settings/SettingsPanel.h"

#include "Children.h"
#include "Fakes.h"
#include "LibraryFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

// The tray's menu and tooltip, driven through the menu's actions: the
// offscreen platform has no tray, so the icon itself is never made here.
class RunTrayIconTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuStartsAndStopsTheRunLikeTheButton();
    void startFromTheMenuWithoutPicturesIsRefused();
    void toolTipSaysWhenTheNextPictureComes();
    void showTheMainWindowRestoresIt();
    void noTrayNoIcon();
    void pausedRunSaysWhyAndPauseChoicesAreKept();

private:
    void openWindow(int pictures);
    RunTrayIcon* tray() const { return m_window->findChild<RunTrayIcon*>("RunTrayIcon"); }
    QAction* proceed() const { return tray()->menu()->findChild<QAction*>("mnuTrayProceed"); }
    FakeTimer* interval() const { return m_services->timers.find(FlashRun::IntervalTimerName); }
    FakeTimer* flashTimer() const { return m_services->timers.find(FlashWindow::FlashTimerName); }

    std::unique_ptr<TestServices> m_services;
    QPointer<MainWindow> m_window;
};

void RunTrayIconTest::init()
{
    m_services = std::make_unique<TestServices>();
}

void RunTrayIconTest::cleanup()
{
    delete m_window.data();
    m_services.reset();
}

void RunTrayIconTest::openWindow(int pictures)
{
    writeLibrary(*m_services, pictureNames(pictures));
    m_window = new MainWindow(m_services->services);
    m_window->load();
    m_window->show();
    m_window->library().store().waitForAll();
    QVERIFY(tray());
    QVERIFY(proceed());
}

void RunTrayIconTest::menuStartsAndStopsTheRunLikeTheButton()
{
    openWindow(2);
    child<QComboBox>(m_window, "cboDispInterval")->setCurrentIndex(3); // 15 s
    QCOMPARE(proceed()->text(), QStringLiteral("&Start"));

    proceed()->trigger();
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Stop"));
    QCOMPARE(proceed()->text(), QStringLiteral("&Stop"));
    QVERIFY(interval()->isRunning());
    QCOMPARE(interval()->interval(), 15000);
    QCOMPARE(m_services->settings.writes.size(), 4);
    QTRY_VERIFY(m_window->isMinimized());

    // Stopping during a flash removes the picture, as the button does.
    QVERIFY(interval()->fire());
    QTRY_VERIFY(m_window->flashWindows().current());
    QPointer<FlashWindow> flash = m_window->flashWindows().current();
    proceed()->trigger();
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Start"));
    QCOMPARE(proceed()->text(), QStringLiteral("&Start"));
    QVERIFY(!interval()->isRunning());
    QVERIFY(!m_window->flashWindows().current());
    QTRY_VERIFY(!flash);
    QCOMPARE(m_services->settings.writes.size(), 8);

    // And the button's clicks show in the menu.
    QTest::mouseClick(child<QPushButton>(m_window, "cmdProceed"), Qt::LeftButton);
    QCOMPARE(proceed()->text(), QStringLiteral("&Stop"));
}

void RunTrayIconTest::startFromTheMenuWithoutPicturesIsRefused()
{
    openWindow(0);
    proceed()->trigger();
    QCOMPARE(m_services->dialogs.messages.size(), 1);
    QCOMPARE(m_services->dialogs.messages.first().text, FlashRun::NoPictureMessage);
    QCOMPARE(proceed()->text(), QStringLiteral("&Start"));
    QVERIFY(!interval()->isRunning());
}

void RunTrayIconTest::toolTipSaysWhenTheNextPictureComes()
{
    openWindow(1);
    child<QComboBox>(m_window, "cboDispInterval")->setCurrentIndex(3); // 15 s
    const QString title = QStringLiteral("Zorvik Subliminal Images\n");
    QCOMPARE(tray()->toolTip(), title + "Stopped");
    QVERIFY(!m_window->flashRun().nextFlashDue().isValid());

    m_services->clock.time = QDateTime(QDate(2026, 12, 8), QTime(14, 3, 10));
    proceed()->trigger();
    QCOMPARE(m_window->flashRun().nextFlashDue(), QDateTime(QDate(2026, 12, 8), QTime(14, 3, 25)));
    QCOMPARE(tray()->toolTip(), title + "Next picture at 14:03:25");

    // While a picture is shown the interval waits for the flash to end.
    m_services->clock.time = QDateTime(QDate(2026, 12, 8), QTime(14, 3, 25));
    QVERIFY(interval()->fire());
    QTRY_VERIFY(m_window->flashWindows().current() &&
                m_window->flashWindows().current()->isPictureOnScreen());
    QVERIFY(!m_window->flashRun().nextFlashDue().isValid());
    // From the first picture of the day on, how many came.
    QCOMPARE(tray()->toolTip(), title + "Shown today: 1\nA picture is on the screen");

    // The next interval counts from the end of the flash.
    m_services->clock.time = QDateTime(QDate(2026, 12, 8), QTime(14, 3, 26));
    QVERIFY(flashTimer()->fire());
    QCOMPARE(tray()->toolTip(), title + "Shown today: 1\nNext picture at 14:03:41");

    proceed()->trigger();
    QCOMPARE(tray()->toolTip(), title + "Stopped");
    QVERIFY(!m_window->flashRun().nextFlashDue().isValid());
}

void RunTrayIconTest::showTheMainWindowRestoresIt()
{
    openWindow(1);
    proceed()->trigger();
    QTRY_VERIFY(m_window->isMinimized());
    tray()->menu()->findChild<QAction*>("mnuTrayShowMain")->trigger();
    QTRY_VERIFY(!m_window->isMinimized());
    QVERIFY(m_window->isVisible());
    // Showing the window leaves the run alone.
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Stop"));
}

void RunTrayIconTest::noTrayNoIcon()
{
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    openWindow(1);
    proceed()->trigger();
    QVERIFY(!tray()->trayIcon());
    QVERIFY(!m_window->findChild<QSystemTrayIcon*>());
}

void RunTrayIconTest::pausedRunSaysWhyAndPauseChoicesAreKept()
{
    openWindow(1);
    proceed()->trigger();
    QAction* paused = tray()->menu()->findChild<QAction*>("mnuTrayPaused");
    QVERIFY(paused && !paused->isVisible());

    m_services->pause.setReasons(PauseReason::ScreenLocked | PauseReason::DoNotDisturb);
    QVERIFY(
        tray()->toolTip().contains("Paused: the screen is locked\nPaused: do not disturb is on"));
    QVERIFY(paused->isVisible());
    QVERIFY(paused->text().startsWith("Paused: the screen is locked"));
    QCOMPARE(proceed()->text(), QStringLiteral("&Stop"));

    // The tray's "Pause when" and the File menu's are one choice, kept in its own section.
    QAction* trayLocked = nullptr;
    for (QAction* entry : tray()->menu()->actions())
        if (entry->menu() && entry->menu()->title() == "Pause when")
            trayLocked = entry->menu()->findChild<QAction*>("mnuPauseLocked");
    QVERIFY(trayLocked && trayLocked->isChecked());
    trayLocked->trigger();
    QCOMPARE(m_services->settings.read("zorvik-subliminal-images", "pause", "WhenLocked"), "0");
    QVERIFY(tray()->toolTip().contains("Paused: do not disturb is on"));
    QVERIFY(!tray()->toolTip().contains("locked"));
    m_services->pause.setReasons(PauseReason::ScreenLocked);
    QCOMPARE(m_window->flashRun().state(), FlashRun::State::Waiting);
    QVERIFY(!paused->isVisible());
    QVERIFY(tray()->toolTip().contains("Next picture at"));

    // A pause for a while says until when; Resume Now ends it.
    tray()->menu()->findChild<QAction*>("mnuPause1Hour")->trigger();
    const QTime until = m_services->clock.time.time().addSecs(3600);
    QVERIFY(tray()->toolTip().endsWith("\nPaused until " +
                                       QLocale().toString(until, QLocale::ShortFormat)));
    tray()->menu()->findChild<QAction*>("mnuResumeNow")->trigger();
    QCOMPARE(m_window->flashRun().state(), FlashRun::State::Waiting);
}

QTEST_MAIN(RunTrayIconTest)
#include "tst_runtrayicon.moc"
