// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "core/FlashRun.h"
#include "desktop/DesktopPauseWatch.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"
#include "library/PictureLibrary.h"
#include "platform/Screen.h"

#include "Children.h"
#include "FakeBusService.h"
#include "Fakes.h"
#include "FlashTicks.h"
#include "PrivateBus.h"
#include "TestPictures.h"
#include "X11Tools.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

// A whole run with the desktop's real pause watch: the user's window going
// fullscreen on the X server, and a lock told by a fake screen saver on a
// private session bus. The timers are fake and fired by hand.
class PauseRunTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fullscreenWindowPausesUntilItLeaves();
    void lockRemovesThePictureOnTheScreen();

private:
    void startRun();
    // Fires the interval timer and waits until the picture is on the screen.
    FlashWindow* flashNow();
    FakeTimer* intervalTimer() const;
    FlashRun& run() const { return m_window->flashRun(); }
    void sendLock(bool active);

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<FakeBusService> m_screenSaver;
    std::unique_ptr<DesktopPauseWatch> m_watch;
    std::unique_ptr<TestServices> m_services;
    PrimaryScreen m_screen;
    ScreenMonitors m_monitors;
    QPointer<MainWindow> m_window;
    QPointer<QWidget> m_user;
    bool m_locked = false;
};

namespace
{
const QString ScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

// Whether the X server shows the window; a destroyed window shows nothing.
bool isViewable(WId window)
{
    return X11Tools::run(QStringLiteral("xwininfo"), {"-id", QString::number(window)})
        .contains(QLatin1String("Map State: IsViewable"));
}
} // namespace

void PauseRunTest::init()
{
    // The private bus stands for both buses: no logind on it, only the fake
    // screen saver.
    m_bus = std::make_unique<PrivateBus>();
    QVERIFY2(m_bus->isRunning(), "dbus-daemon did not start");
    m_locked = false;
    m_screenSaver = std::make_unique<FakeBusService>(m_bus->address(), ScreenSaver);
    m_screenSaver->answer = [this](const QDBusMessage& call) -> std::optional<QVariantList> {
        if (call.member() == QLatin1String("GetActive") && call.path() == ScreenSaverPath)
            return QVariantList{m_locked};
        return std::nullopt;
    };
    QVERIFY(m_screenSaver->start());
    m_watch = std::make_unique<DesktopPauseWatch>(
        DesktopPauseWatch::Buses{m_bus->address(), m_bus->address()});

    m_services = std::make_unique<TestServices>();
    QVERIFY(TestPictures::bmp(m_services->copiesFolder() + "/red.bmp", Qt::red));
    QVERIFY(TestPictures::bytes(m_services->listFile(), "\"red.bmp\"\r\n"));
    const Services& fakes = m_services->services;
    const Services services{fakes.timers, fakes.dialogs, fakes.settings, fakes.clock,
                            fakes.random, fakes.shell,   m_screen,       fakes.instance,
                            m_monitors,   *m_watch,      fakes.program};
    m_window = new MainWindow(services);
    m_window->load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->library().store().waitForAll();

    m_user = new QWidget;
    m_user->setWindowTitle(QStringLiteral("Somebody's film"));
    m_user->setGeometry(150, 100, 500, 400);
    m_user->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_user));
}

void PauseRunTest::cleanup()
{
    delete m_user.data();
    delete m_window.data();
    m_services.reset();
    m_watch.reset();
    m_screenSaver.reset();
    m_bus.reset();
}

void PauseRunTest::startRun()
{
    child<QRadioButton>(m_window, "optLocation_1")->setChecked(true);
    auto* startStop = child<QPushButton>(m_window, "cmdProceed");
    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(startStop->text(), QStringLiteral("&Stop"));
    QTRY_VERIFY(m_window->isMinimized());
    QCOMPARE(run().state(), FlashRun::State::Waiting);
    QTRY_VERIFY(X11Tools::activated(m_user->winId()));
}

FakeTimer* PauseRunTest::intervalTimer() const
{
    return m_services->timers.find(FlashRun::IntervalTimerName);
}

FlashWindow* PauseRunTest::flashNow()
{
    return tickAndWaitForFlash(intervalTimer(), m_window->flashWindows());
}

void PauseRunTest::sendLock(bool active)
{
    m_locked = active;
    m_screenSaver->emitSignal(ScreenSaverPath, ScreenSaver, QStringLiteral("ActiveChanged"),
                              {active});
}

void PauseRunTest::fullscreenWindowPausesUntilItLeaves()
{
    startRun();
    FlashWindow* first = flashNow();
    QVERIFY(first);
    QVERIFY(m_services->timers.find(FlashWindow::FlashTimerName)->fire());
    QTRY_COMPARE(run().state(), FlashRun::State::Waiting);

    m_user->showFullScreen();
    QTRY_COMPARE(run().state(), FlashRun::State::Paused);
    QCOMPARE(run().pauseReasons(), PauseReasons(PauseReason::FullscreenWindow));
    QCOMPARE(run().startStopCaption(), QStringLiteral("&Stop"));
    // The interval does not count while paused: a tick finds nothing to fire.
    FakeTimer* interval = intervalTimer();
    QVERIFY(interval);
    QVERIFY(!interval->fire());
    FlashWindows& windows = m_window->flashWindows();
    QVERIFY(!windows.current() || !windows.current()->isVisible());

    const int starts = interval->starts();
    m_user->showNormal();
    QTRY_COMPARE(run().state(), FlashRun::State::Waiting);
    QVERIFY(run().pauseReasons() == PauseReasons());
    // A fresh, full interval before the next picture.
    QCOMPARE(interval->starts(), starts + 1);
    QVERIFY(interval->isEnabled());
    FlashWindow* next = flashNow();
    QVERIFY(next);
    QTRY_VERIFY(isViewable(next->winId()));
}

void PauseRunTest::lockRemovesThePictureOnTheScreen()
{
    startRun();
    QPointer<FlashWindow> shown = flashNow();
    QVERIFY(shown);
    const WId id = shown->winId();
    QTRY_VERIFY(isViewable(id));

    // The flash timer never fires: only the lock can take the picture away.
    sendLock(true);
    QTRY_VERIFY(!shown || !shown->isVisible());
    QTRY_VERIFY(!isViewable(id));
    QCOMPARE(run().state(), FlashRun::State::Paused);
    QCOMPARE(run().pauseReasons(), PauseReasons(PauseReason::ScreenLocked));
    QVERIFY(!intervalTimer()->fire());

    const int starts = intervalTimer()->starts();
    sendLock(false);
    QTRY_COMPARE(run().state(), FlashRun::State::Waiting);
    QCOMPARE(intervalTimer()->starts(), starts + 1);
    QVERIFY(flashNow());
}

QTEST_MAIN(PauseRunTest)
#include "tst_pauserun.moc"
