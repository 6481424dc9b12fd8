// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "core/FlashLook.h"
#include "core/FlashRun.h"
#include "core/Session.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"
#include "flash/StretchedPicture.h"
#include "library/PictureLibrary.h"
#include "platform/Screen.h"

#include "Children.h"
#include "Fakes.h"
#include "FlashTicks.h"
#include "TestPictures.h"
#include "X11Tools.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

// The flash window as the X server and the user see it: size, place, no frame,
// no taskbar entry, above the user's window, and the user's keyboard and mouse
// untouched while pictures flash. The fake timers are fired by hand.
class FlashWindowX11Test : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void centredUnmanagedAndOnTop();
    void randomPlacesLieWhollyOnTheScreen();
    void keyboardAndMouseStayWithTheUsersWindow();
    void blendedOnlyWhereTheDesktopComposites_data();
    void blendedOnlyWhereTheDesktopComposites();

private:
    void startRun(bool centre);
    // Fires the interval timer and waits until the picture is on the screen.
    FlashWindow* flashNow();
    void endFlash();
    QColor screenColour(const QPoint& point) const;

    std::unique_ptr<TestServices> m_services;
    PrimaryScreen m_screen;
    ScreenMonitors m_monitors;
    QPointer<MainWindow> m_window;
    QPointer<QWidget> m_user;
    QLineEdit* m_typing = nullptr;
    QPushButton* m_button = nullptr;
    int m_clicks = 0;
};

namespace
{

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

struct XWindowInfo {
    QRect geometry;
    bool overrideRedirect = false;
    bool viewable = false;
};

XWindowInfo windowInfo(WId id)
{
    const QString text = run("xwininfo", {"-id", QString::number(id)});
    auto number = [&text](const char* label) {
        const QRegularExpression pattern(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"));
        return pattern.match(text).captured(1).toInt();
    };
    XWindowInfo info;
    info.geometry = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                          number("Width"), number("Height"));
    info.overrideRedirect = text.contains("Override Redirect State: yes");
    info.viewable = text.contains("Map State: IsViewable");
    return info;
}

WId focusedWindow()
{
    return run("xdotool", {"getwindowfocus"}).trimmed().toULongLong();
}

// The window's state once the X server shows it, or as it is after 5 s.
XWindowInfo onceViewable(WId id)
{
    XWindowInfo info;
    (void)QTest::qWaitFor([&] {
        info = windowInfo(id);
        return info.viewable;
    });
    return info;
}

} // namespace

void FlashWindowX11Test::init()
{
    m_services = std::make_unique<TestServices>();
    QVERIFY(TestPictures::bmp(m_services->copiesFolder() + "/red.bmp", Qt::red));
    QVERIFY(TestPictures::bytes(m_services->listFile(), "\"red.bmp\"\r\n"));

    // The fakes, but the real screen: places are checked on the X server's.
    const Services& fakes = m_services->services;
    const Services services{fakes.timers, fakes.dialogs, fakes.settings, fakes.clock,
                            fakes.random, fakes.shell,   m_screen,       fakes.instance,
                            m_monitors,   fakes.pause,   fakes.program};
    m_window = new MainWindow(services);
    m_window->load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->library().store().waitForAll();

    // The user's own work: a window with a text field and a button, covering
    // the middle of the screen where the picture appears.
    m_user = new QWidget;
    m_user->setWindowTitle("Somebody else's work");
    auto* layout = new QVBoxLayout(m_user);
    m_typing = new QLineEdit;
    m_button = new QPushButton("Press");
    m_button->setMinimumHeight(400);
    layout->addWidget(m_typing);
    layout->addWidget(m_button);
    m_clicks = 0;
    connect(m_button, &QPushButton::clicked, this, [this] { ++m_clicks; });
    m_user->setGeometry(150, 100, 700, 560);
    m_user->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_user));
    m_user->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_user));
    m_typing->setFocus();
}

void FlashWindowX11Test::cleanup()
{
    delete m_user.data();
    delete m_window.data();
    m_services.reset();
}

void FlashWindowX11Test::startRun(bool centre)
{
    child<QRadioButton>(m_window, centre ? "optLocation_1" : "optLocation_0")->setChecked(true);
    auto* startStop = child<QPushButton>(m_window, "cmdProceed");
    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(startStop->text(), QStringLiteral("&Stop"));
    QTRY_VERIFY(m_window->isMinimized());
    // The user goes back to work, which raises their window above everything
    // that existed before, the next flash window among them.
    m_user->raise();
    m_user->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_user));
    m_typing->setFocus();
}

FlashWindow* FlashWindowX11Test::flashNow()
{
    return tickAndWaitForFlash(m_services->timers.find(FlashRun::IntervalTimerName),
                               m_window->flashWindows());
}

void FlashWindowX11Test::endFlash()
{
    FakeTimer* timer = m_services->timers.find(FlashWindow::FlashTimerName);
    QVERIFY(timer && timer->fire());
}

QColor FlashWindowX11Test::screenColour(const QPoint& point) const
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, point.x(), point.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

void FlashWindowX11Test::centredUnmanagedAndOnTop()
{
    startRun(true);
    FlashWindow* window = flashNow();
    QVERIFY(window);
    const XWindowInfo info = onceViewable(window->winId());
    QVERIFY(info.viewable);
    QCOMPARE(info.geometry.size(), QSize(353, 249));
    QVERIFY2(info.overrideRedirect, "no frame, no taskbar entry, no window manager focus");
    // (1024 - 353) / 2 = 335.5 and (768 - 249) / 2 = 259.5.
    QVERIFY2(qAbs(2 * info.geometry.x() + 353 - 1024) <= 1,
             qPrintable(QString::number(info.geometry.x())));
    QVERIFY2(qAbs(2 * info.geometry.y() + 249 - 768) <= 1,
             qPrintable(QString::number(info.geometry.y())));
    // The picture, not the user's window beneath it, is what the screen shows.
    QTRY_COMPARE(screenColour(info.geometry.topLeft() + QPoint(300, 30)), QColor(Qt::red));

    endFlash();
    QTRY_VERIFY(!windowInfo(window->winId()).viewable);
}

void FlashWindowX11Test::randomPlacesLieWhollyOnTheScreen()
{
    m_services->random.values.append({0.0, 0.0, 0.0, 0.9999999, 0.9999999, 0.9999999});
    startRun(false);
    const QRect screen(0, 0, 1024, 768);
    for (int i = 0; i < 5; ++i) {
        FlashWindow* window = flashNow();
        QVERIFY(window);
        const XWindowInfo info = onceViewable(window->winId());
        QVERIFY(info.viewable);
        QVERIFY2(screen.contains(info.geometry),
                 qPrintable(QStringLiteral("%1,%2").arg(info.geometry.x()).arg(info.geometry.y())));
        if (i == 0)
            QCOMPARE(info.geometry.topLeft(), QPoint(0, 0));
        if (i == 1)
            QCOMPARE(info.geometry.topLeft(), QPoint(1024 - 353, 768 - 249));
        endFlash();
    }
}

void FlashWindowX11Test::keyboardAndMouseStayWithTheUsersWindow()
{
    const WId user = m_user->winId();
    QTRY_COMPARE(focusedWindow(), user);
    child<QComboBox>(m_window, "cboDispDuration")->setCurrentIndex(13); // "5000"
    startRun(true);
    QTRY_COMPARE(focusedWindow(), user);

    const QString text = QStringLiteral("the quick brown fox jumps over the lazy dog");
    QProcess typing;
    typing.start("xdotool", {"type", "--delay", "15", text});
    QVERIFY(typing.waitForStarted());
    int flashes = 0;
    while (typing.state() != QProcess::NotRunning) {
        QVERIFY(flashNow());
        ++flashes;
        QVERIFY(QApplication::activeWindow() == m_user);
        QTest::qWait(20);
        endFlash();
    }
    QVERIFY(flashes >= 3);
    QTRY_COMPARE(m_typing->text(), text);
    QCOMPARE(focusedWindow(), user);

    // A click on the picture reaches the button beneath it.
    FlashWindow* window = flashNow();
    QVERIFY(window);
    const QPoint middle = window->geometry().center();
    QVERIFY(m_button->rect().contains(m_button->mapFromGlobal(middle)));
    run("xdotool",
        {"mousemove", QString::number(middle.x()), QString::number(middle.y()), "click", "1"});
    QTRY_COMPARE(m_clicks, 1);
    QVERIFY(window->isVisible());
    QCOMPARE(focusedWindow(), user);
}

void FlashWindowX11Test::blendedOnlyWhereTheDesktopComposites_data()
{
    QTest::addColumn<bool>("compositor");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("fadeMs");
    QTest::addColumn<FlashLook::Size>("size");
    const auto standard = FlashLook::Size::Standard, screen = FlashLook::Size::Screen;
    QTest::newRow("no compositor: opaque, no fades")
        << false << 20 << FlashLook::MaxFadeMs << standard;
    for (const int opacity : {20, 50, 100})
        QTest::addRow("picom, %d %%", opacity) << true << opacity << 0 << standard;
    QTest::newRow("picom, 50 %, fading") << true << 50 << FlashLook::MaxFadeMs << standard;
    // The square picture fills the screen's height; beside it stays in sight.
    QTest::newRow("no compositor, whole screen") << false << 100 << 0 << screen;
    QTest::newRow("picom, whole screen") << true << 100 << 0 << screen;
}

// The screen as picom composites it, read back from the X server.
void FlashWindowX11Test::blendedOnlyWhereTheDesktopComposites()
{
    QFETCH(bool, compositor);
    QFETCH(int, opacity);
    QFETCH(int, fadeMs);
    QFETCH(FlashLook::Size, size);
    QProcess picom;
    const auto stopPicom = qScopeGuard([&picom] {
        picom.terminate();
        picom.waitForFinished();
    });
    if (compositor) {
        picom.start("picom", {"--backend", "xrender", "--config", "/dev/null"});
        QTRY_VERIFY(m_screen.composites());
    }
    FlashLook look;
    look.opacityPercent = opacity;
    look.fadeInMs = look.fadeOutMs = fadeMs;
    look.size = size;
    look.save(m_window->session().preferences());
    // Something bright beside the picture, where a window larger than the
    // picture would cover it.
    QWidget beside;
    beside.setPalette(QPalette(Qt::yellow));
    beside.setAutoFillBackground(true);
    beside.setGeometry(20, 340, 80, 80);
    beside.show();
    QVERIFY(QTest::qWaitForWindowExposed(&beside));
    startRun(true);
    // In the centred flash, away from the picture's darker diagonal, over
    // the user's window.
    const QRect shown =
        size == FlashLook::Size::Screen ? QRect(128, 0, 768, 768) : QRect(335, 259, 353, 249);
    const QPoint point(shown.x() + shown.width() * 85 / 100, shown.y() + shown.height() * 40 / 100);
    const QPoint outside(60, 384);
    const QColor beneath = screenColour(point);
    QCOMPARE(screenColour(outside), QColor(Qt::yellow));
    const bool blended = compositor && opacity < 100;
    const auto mix = [&](int red, int other) {
        return blended ? (opacity * red + (100 - opacity) * other) / 100 : red;
    };
    const QColor full(mix(255, beneath.red()), mix(0, beneath.green()), mix(0, beneath.blue()));
    // Within 3 %.
    const auto near = [](const QColor& seen, const QColor& expected) {
        return qAbs(seen.red() - expected.red()) <= 8 &&
               qAbs(seen.green() - expected.green()) <= 8 &&
               qAbs(seen.blue() - expected.blue()) <= 8;
    };
    const auto between = [&](const QColor& seen) {
        return seen.green() < beneath.green() - 8 && seen.green() > full.green() + 8;
    };
    // Steps the fade until the screen shows the colour, saying whether it
    // passed through a colour between the two ends on its way.
    FakeTimer* fade = nullptr;
    const auto fadeTo = [&](const QColor& expected) {
        bool throughMiddle = false;
        const bool reached = QTest::qWaitFor([&] {
            if ((fade = m_services->timers.find(FlashWindow::FadeTimerName)) && fade->isEnabled())
                fade->fire();
            const QColor seen = screenColour(point);
            throughMiddle = throughMiddle || between(seen);
            return near(seen, expected);
        });
        return reached && throughMiddle;
    };
    FlashWindow* window = flashNow();
    QVERIFY(window);
    QCOMPARE(fadeTo(full), fadeMs > 0 && compositor);
    QVERIFY2(near(screenColour(point), full), qPrintable(screenColour(point).name()));
    if (size != FlashLook::Size::Standard)
        QCOMPARE(screenColour(outside), QColor(Qt::yellow));
    endFlash();
    if (fadeMs > 0 && compositor) {
        // Each step reaches the X server at once, not with the program's
        // next event: what it holds is the window's opacity now.
        QTRY_VERIFY((fade->fire(), window->windowOpacity() < 0.45));
        const QString held = X11Tools::run(
            "xprop", {"-id", QString::number(window->winId()), "_NET_WM_WINDOW_OPACITY"});
        QVERIFY2(qAbs(held.section("= ", 1).toDouble() / 0xffffffffu - window->windowOpacity()) <
                     0.01,
                 qPrintable(held));
        QVERIFY(fadeTo(beneath));
        endFlash();
    }
    QVERIFY(!m_services->timers.find(FlashWindow::FlashTimerName)->isEnabled());
    QTRY_VERIFY(near(screenColour(point), beneath));
}

QTEST_MAIN(FlashWindowX11Test)
#include "tst_flashwindow.moc"
