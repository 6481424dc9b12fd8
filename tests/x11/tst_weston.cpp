// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealProgram.h"
#include "TestPictures.h"
#include "WestonSession.h"

#include <QDate>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

// The real program under a headless Weston: it runs on XWayland by itself,
// although Qt could go native, and a flash appears in the centre of the
// output above a native Wayland client's window, which keeps the keyboard.
// The program is driven through its accessibility interface: synthetic
// input (XTEST) has been seen to crash Xwayland 22.1.9 here.
class WestonTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void flashAboveANativeWindow();

private:
    QString tool(const QString& program, const QStringList& arguments) const;

    WestonSession m_session;
};

namespace
{

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 230 && qGreen(pixel) < 25 && qBlue(pixel) < 25;
}

} // namespace

QString WestonTest::tool(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(m_session.environment());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void WestonTest::initTestCase()
{
    if (!m_session.start())
        QSKIP(qPrintable("no headless Weston with XWayland here: " + m_session.failure()));
}

void WestonTest::flashAboveANativeWindow()
{
    RealProgram program;
    const QString folder = program.programFolder();
    QVERIFY(QDir(folder).mkpath("SystemFolder"));
    QVERIFY(TestPictures::bmp(folder + "/SystemFolder/red.bmp", Qt::red));
    QVERIFY(TestPictures::bytes(folder + "/record.txt", "\"red.bmp\"\r\n"));
    // Every 2 s for 3 s, in the centre; no update question at start-up.
    QVERIFY(TestPictures::bytes(
        program.configFolder() + "/zorvik-subliminal-images.conf",
        "[settings]\nDispInterval=0\nDispDuration=11\nDispLocation=1\nDispOrder=1\n"
        "[reminder]\nLastReminder=" +
            QDate::currentDate().toString(Qt::ISODate).toLatin1() + "\n"));
    QProcess* process = program.start(m_session.environment());

    // On XWayland: its main window is an X window.
    const auto xWindows = [this] {
        return tool("xwininfo", {"-root", "-tree"});
    };
    QTRY_VERIFY_WITH_TIMEOUT(xWindows().contains("\"Zorvik Subliminal Images v"), 15000);

    // The user's own work, started last: a native window over the whole output.
    QProcess native;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(m_session.environment());
    native.setProcessEnvironment(environment);
    native.start("weston-fullscreen", {"-w", QString::number(WestonSession::Width), "-h",
                                       QString::number(WestonSession::Height)});
    QVERIFY(native.waitForStarted());
    const auto stopNative = qScopeGuard([&native] {
        native.kill();
        native.waitForFinished();
    });
    // Its black inside is shown where the main window was.
    const QPoint inside(WestonSession::Width / 2, WestonSession::Height / 2);
    QTRY_VERIFY_WITH_TIMEOUT(qGray(m_session.screenshot().pixel(inside)) < 10, 15000);
    const QString focusBefore = tool("xdotool", {"getwindowfocus"});

    QCOMPARE(tool("/usr/bin/python3", {ZORVIK_SOURCE_DIR "/tests/x11/press-button.py", "Start",
                                       QString::number(process->processId())}),
             QString());

    // The flash window, as the X server has it: centred on the output. (The
    // next flash's window waits unmapped beside it.)
    QRect geometry;
    const auto flashShown = [&] {
        const QRegularExpression flash("(0x[0-9a-f]+) \"Tidewell Charts v1\\.0\"");
        QRegularExpressionMatchIterator found = flash.globalMatch(xWindows());
        while (found.hasNext()) {
            const QString info = tool("xwininfo", {"-id", found.next().captured(1)});
            if (!info.contains("Map State: IsViewable"))
                continue;
            auto number = [&info](const char* label) {
                const QRegularExpression pattern(QLatin1String(label) + ":\\s*(-?\\d+)");
                return pattern.match(info).captured(1).toInt();
            };
            geometry = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                             number("Width"), number("Height"));
            return true;
        }
        return false;
    };
    QVERIFY2(QTest::qWaitFor(flashShown, 15000), "no flash window shown");
    QCOMPARE(geometry.size(), QSize(353, 249));
    const QString where = QStringLiteral("%1,%2").arg(geometry.x()).arg(geometry.y());
    QVERIFY2(qAbs(2 * geometry.x() + 353 - WestonSession::Width) <= 1, qPrintable(where));
    QVERIFY2(qAbs(2 * geometry.y() + 249 - WestonSession::Height) <= 1, qPrintable(where));

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
        shot.save(QDir::temp().filePath("weston-flash.png"));
        QFAIL("the picture is not on the screenshot; see weston-flash.png in the temporary "
              "folder");
    }
    QVERIFY(!isRed(shot.pixel(geometry.topLeft() - QPoint(3, 3))));
    QVERIFY(!isRed(shot.pixel(geometry.bottomRight() + QPoint(3, 3))));
    // The native window's blue frame at the output's left edge.
    const QRgb frame = shot.pixel(3, WestonSession::Height / 2);
    QVERIFY2(qBlue(frame) > 200 && qRed(frame) < 50, "the native window is not there");
    // The keyboard stays where it was.
    QCOMPARE(tool("xdotool", {"getwindowfocus"}), focusBefore);
}

QTEST_GUILESS_MAIN(WestonTest)
#include "tst_weston.moc"
