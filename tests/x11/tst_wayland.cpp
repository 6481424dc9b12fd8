#include "CompositorSession.h"
#include "RealProgram.h"
#include "TestPictures.h"

#include <QDate>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

// The real program under a headless Wayland desktop (Weston, GNOME Shell or
// KWin, see CompositorSession): it runs on XWayland by itself, although Qt
// could go native; it minimises at Start; a flash appears in the centre of
// the output above a native Wayland client's window, which keeps the
// keyboard; and what the desktop offers to say "not now" pauses the run. The
// program is driven through its accessibility interface: synthetic input
// (XTEST) has been seen to crash Xwayland 22.1.9 here.
class WaylandTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void flashAboveANativeWindowAndPause();

private:
    QString tool(const QString& program, const QStringList& arguments) const;
    QProcessEnvironment clientEnvironment() const;
    bool flashShown(QRect* geometry = nullptr) const;
    void holdsTheRun(const char* what, const std::function<void(bool)>& hold);

    CompositorSession m_session;
};

namespace
{

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 230 && qGreen(pixel) < 25 && qBlue(pixel) < 25;
}

constexpr int Width = CompositorSession::Width;
constexpr int Height = CompositorSession::Height;

} // namespace

QProcessEnvironment WaylandTest::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(m_session.environment());
    environment.insert("XDG_CONFIG_HOME", m_session.configFolder());
    return environment;
}

QString WaylandTest::tool(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(clientEnvironment());
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void WaylandTest::initTestCase()
{
    // The test command asks for every desktop to be there.
    if (!m_session.start() && qEnvironmentVariableIsSet("ZORVIK_REQUIRE_COMPOSITORS"))
        QFAIL(qPrintable(m_session.failure()));
    if (!m_session.failure().isEmpty())
        QSKIP(qPrintable("no headless compositor with XWayland here: " + m_session.failure()));
}

// Whether a flash window is on the X server, and where. (The next flash's
// window waits unmapped beside it.)
bool WaylandTest::flashShown(QRect* geometry) const
{
    const QRegularExpression flash("(0x[0-9a-f]+) \"Tidewell Charts v1\\.0\"");
    QRegularExpressionMatchIterator found = flash.globalMatch(tool("xwininfo", {"-root", "-tree"}));
    while (found.hasNext()) {
        const QString info = tool("xwininfo", {"-id", found.next().captured(1)});
        if (!info.contains("Map State: IsViewable"))
            continue;
        auto number = [&info](const char* label) {
            const QRegularExpression pattern(QLatin1String(label) + ":\\s*(-?\\d+)");
            return pattern.match(info).captured(1).toInt();
        };
        if (geometry)
            *geometry = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                              number("Width"), number("Height"));
        return true;
    }
    return false;
}

// While held, the picture on the screen goes and no other comes for longer
// than a whole flash and interval; released, the run goes on.
void WaylandTest::holdsTheRun(const char* what, const std::function<void(bool)>& hold)
{
    // A picture just shown, which would stay for 5 s.
    QTRY_VERIFY_WITH_TIMEOUT(!flashShown(), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(flashShown(), 15000);
    hold(true);
    QVERIFY2(QTest::qWaitFor([this] { return !flashShown(); }, 2000), what);
    QVERIFY2(!QTest::qWaitFor([this] { return flashShown(); }, 8000), what);
    hold(false);
}

void WaylandTest::flashAboveANativeWindowAndPause()
{
    RealProgram program;
    const QString folder = program.programFolder();
    QVERIFY(QDir(folder).mkpath("SystemFolder"));
    QVERIFY(TestPictures::bmp(folder + "/SystemFolder/red.bmp", Qt::red));
    QVERIFY(TestPictures::bytes(folder + "/record.txt", "\"red.bmp\"\r\n"));
    // Every 2 s for 5 s, in the centre; no update question at start-up.
    QVERIFY(QDir().mkpath(m_session.configFolder()));
    QVERIFY(TestPictures::bytes(
        m_session.configFolder() + "/zorvik-subliminal-images.conf",
        "[settings]\nDispInterval=0\nDispDuration=13\nDispLocation=1\nDispOrder=1\n"
        "[reminder]\nLastReminder=" +
            QDate::currentDate().toString(Qt::ISODate).toLatin1() + "\n"));
    QProcessEnvironment environment = m_session.environment();
    environment.insert("XDG_CONFIG_HOME", m_session.configFolder());
    QProcess* process = program.start(environment);

    // On XWayland: its main window is an X window.
    const QRegularExpression mainWindow("(0x[0-9a-f]+) \"Zorvik Subliminal Images v");
    QString mainId;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(mainId = mainWindow.match(tool("xwininfo", {"-root", "-tree"})).captured(1)).isEmpty(),
        15000);

    // The user's own work, started last: a native window over the whole output.
    QProcess native;
    native.setProcessEnvironment(clientEnvironment());
    native.start("weston-fullscreen",
                 {"-w", QString::number(Width), "-h", QString::number(Height)});
    QVERIFY(native.waitForStarted());
    const auto stopNative = qScopeGuard([&native] {
        native.kill();
        native.waitForFinished();
    });
    // Its black inside is shown where the main window was.
    const QPoint inside(Width / 2, Height / 2);
    QTRY_VERIFY_WITH_TIMEOUT(qGray(m_session.screenshot().pixel(inside)) < 10, 15000);
    const QString focusBefore = tool("xdotool", {"getwindowfocus"});
    const QString activeBefore = m_session.activeWindowTitle();

    QCOMPARE(tool("/usr/bin/python3", {ZORVIK_SOURCE_DIR "/tests/x11/press-button.py", "Start",
                                       QString::number(process->processId())}),
             QString());
    const bool minimised = QTest::qWaitFor(
        [&] {
            return tool("xprop", {"-id", mainId, "WM_STATE"}).contains("Iconic");
        },
        10000);
    if (m_session.kind == CompositorSession::Kind::Weston)
        QEXPECT_FAIL("", "Weston's desktop shell has no minimised windows", Continue);
    QVERIFY(minimised);

    QRect geometry;
    QVERIFY2(QTest::qWaitFor([&] { return flashShown(&geometry); }, 15000),
             "no flash window shown");
    QCOMPARE(geometry.size(), QSize(353, 249));
    const QString where = QStringLiteral("%1,%2").arg(geometry.x()).arg(geometry.y());
    QVERIFY2(qAbs(2 * geometry.x() + 353 - Width) <= 1, qPrintable(where));
    QVERIFY2(qAbs(2 * geometry.y() + 249 - Height) <= 1, qPrintable(where));

    // On the screen: the picture over the native window, which shows around it.
    QImage shot;
    const QRect inner = geometry.adjusted(2, 2, -2, -2);
    const auto pictureShown = [&] {
        shot = m_session.screenshot();
        // Away from the test picture's dark diagonal.
        const QPoint offDiagonal(inner.left() + inner.width() * 3 / 4,
                                 inner.top() + inner.height() / 4);
        for (const QPoint& point : {inner.topRight(), inner.bottomLeft(), offDiagonal})
            if (!isRed(shot.pixel(point)))
                return false;
        return true;
    };
    if (!QTest::qWaitFor(pictureShown, 15000)) {
        shot.save(QDir::temp().filePath("wayland-flash.png"));
        QFAIL("the picture is not on the screenshot; see wayland-flash.png in the temporary "
              "folder");
    }
    QVERIFY(!isRed(shot.pixel(geometry.topLeft() - QPoint(3, 3))));
    QVERIFY(!isRed(shot.pixel(geometry.bottomRight() + QPoint(3, 3))));
    // The native window's blue frame at the output's left edge.
    const QRgb frame = shot.pixel(3, Height / 2);
    QVERIFY2(qBlue(frame) > 200 && qRed(frame) < 50, "the native window is not there");
    // The keyboard stays where it was, for the X server and the compositor.
    QCOMPARE(tool("xdotool", {"getwindowfocus"}), focusBefore);
    QCOMPARE(m_session.activeWindowTitle(), activeBefore);

    if (m_session.kind == CompositorSession::Kind::Weston)
        return;
    if (m_session.kind == CompositorSession::Kind::Gnome)
        holdsTheRun("banners off", [this](bool off) {
            QVERIFY(tool("gsettings", {"set", "org.gnome.desktop.notifications", "show-banners",
                                       off ? "false" : "true"})
                        .isNull());
        });
    // A native window going fullscreen: KWin tells, the Shell does not.
    QProcess terminal;
    terminal.setProcessEnvironment(clientEnvironment());
    if (m_session.kind == CompositorSession::Kind::KWin)
        holdsTheRun("native fullscreen", [&terminal](bool fullscreen) {
            if (fullscreen)
                terminal.start("weston-terminal", {"--fullscreen"});
            else
                terminal.kill();
            QVERIFY(fullscreen ? terminal.waitForStarted() : terminal.waitForFinished());
        });
    // Locked last: nothing here unlocks the Shell again.
    holdsTheRun("locked", [this](bool lock) {
        const bool gnome = m_session.kind == CompositorSession::Kind::Gnome;
        if (lock)
            QCOMPARE(m_session
                         .call(gnome ? "org.gnome.ScreenSaver" : "org.freedesktop.ScreenSaver",
                               gnome ? "/org/gnome/ScreenSaver" : "/ScreenSaver",
                               gnome ? "org.gnome.ScreenSaver" : "org.freedesktop.ScreenSaver",
                               "Lock")
                         .type(),
                     QDBusMessage::ReplyMessage);
    });
}

QTEST_GUILESS_MAIN(WaylandTest)
#include "tst_wayland.moc"
