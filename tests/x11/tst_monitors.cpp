// SPDX-License-Identifier: GPL-3.0-or-later
#include "DummyXorg.h"
#include "RealProgram.h"
#include "TestPictures.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The real program on two 1024 x 768 monitors with the primary on the right
// (Xorg's dummy driver): every flash lands wholly on the primary monitor, in
// its centre or at a random place, also after the other monitor is switched off.
class MonitorsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void centredOnThePrimaryAndOnAfterAnUnplug();
    void randomPlacesOnThePrimary();

private:
    void startRun(bool centre);
    // The next flash window not seen before, once the X server shows it.
    QRect nextFlash();

    DummyXorg m_server;
    std::unique_ptr<RealProgram> m_program;
    QSet<QString> m_seen;
};

namespace
{

const QRect Primary(1024, 0, 1024, 768);
const QString FlashTitle = QStringLiteral("^Tidewell Charts v1\\.0$");

QString tool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QRect geometryOf(const QString& window)
{
    const QString text = tool("xwininfo", {"-id", window});
    if (!text.contains("Map State: IsViewable"))
        return {};
    auto number = [&text](const char* label) {
        const QRegularExpression pattern(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"));
        return pattern.match(text).captured(1).toInt();
    };
    return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
                 number("Height"));
}

// The monitors as xrandr lists them now.
QList<QRect> monitors()
{
    QList<QRect> found;
    const QRegularExpression pattern("(\\d+)/\\d+x(\\d+)/\\d+\\+(-?\\d+)\\+(-?\\d+)");
    for (const QString& line : tool("xrandr", {"--listmonitors"}).split('\n')) {
        const QRegularExpressionMatch m = pattern.match(line);
        if (m.hasMatch())
            found << QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
                           m.captured(2).toInt());
    }
    return found;
}

QString describe(const QRect& r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

} // namespace

void MonitorsTest::initTestCase()
{
    if (!m_server.start())
        QSKIP(qPrintable("no Xorg with the dummy driver here: " + m_server.failure()));
    // The test talks to this server alone, through the tools it starts.
    qputenv("DISPLAY", m_server.display().toLocal8Bit());
    QVERIFY(m_server.xrandr({"--addmode", "DUMMY1", "1024x768"}));
}

void MonitorsTest::init()
{
    QVERIFY(m_server.xrandr({"--output", "DUMMY1", "--mode", "1024x768", "--pos", "0x0", "--output",
                             "DUMMY0", "--mode", "1024x768", "--pos", "1024x0", "--primary"}));
    QTRY_COMPARE(monitors().size(), 2);
    m_program = std::make_unique<RealProgram>();
    m_seen.clear();
}

void MonitorsTest::cleanup()
{
    m_program.reset();
}

void MonitorsTest::startRun(bool centre)
{
    const QString folder = m_program->programFolder();
    QVERIFY(QDir(folder).mkpath("SystemFolder"));
    QVERIFY(TestPictures::bmp(folder + "/SystemFolder/red.bmp", Qt::red));
    QVERIFY(TestPictures::bytes(folder + "/record.txt", "\"red.bmp\"\r\n"));
    // Every 2 s for 1 s; no update question at start-up.
    const QByteArray settings = "[settings]\nDispInterval=0\nDispDuration=9\nDispLocation=" +
                                QByteArray(centre ? "1" : "0") +
                                "\nDispOrder=1\n[reminder]\nLastReminder=" +
                                QDate::currentDate().toString(Qt::ISODate).toLatin1() + "\n";
    QVERIFY(TestPictures::bytes(m_program->configFolder() + "/zorvik-subliminal-images.conf",
                                settings));

    QProcessEnvironment environment;
    environment.insert("DISPLAY", m_server.display());
    QProcess* process = m_program->start(environment);
    const QString pid = QString::number(process->processId());
    QString mainWindow;
    const auto mainWindowShown = [&] {
        mainWindow = tool("xdotool", {"search", "--onlyvisible", "--pid", pid, "--name",
                                      "^Zorvik Subliminal Images v"})
                         .section('\n', 0, 0);
        return !mainWindow.isEmpty();
    };
    QVERIFY2(QTest::qWaitFor(mainWindowShown, 15000), "the main window did not appear");
    // The main window opens on the primary monitor.
    QVERIFY2(Primary.contains(geometryOf(mainWindow).center()),
             qPrintable(describe(geometryOf(mainWindow))));
    // Bounded: xdotool's --sync would wait for ever were the activation refused.
    QCOMPARE(QProcess::execute("timeout", {"30", "xdotool", "windowactivate", "--sync", mainWindow,
                                           "key", "alt+s"}),
             0);
}

QRect MonitorsTest::nextFlash()
{
    QRect geometry;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QStringList windows =
                tool("xdotool", {"search", "--all", "--onlyvisible", "--name", FlashTitle})
                    .split('\n', Qt::SkipEmptyParts);
            for (const QString& window : windows) {
                if (m_seen.contains(window))
                    continue;
                geometry = geometryOf(window);
                if (geometry.isValid()) {
                    m_seen << window;
                    return true;
                }
            }
            return false;
        },
        15000);
    return shown ? geometry : QRect();
}

void MonitorsTest::centredOnThePrimaryAndOnAfterAnUnplug()
{
    startRun(true);
    const QRect flash = nextFlash();
    QCOMPARE(flash.size(), QSize(353, 249));
    // (1024 - 353) / 2 = 335.5 and (768 - 249) / 2 = 259.5, from the primary's corner.
    QVERIFY2(qAbs(2 * (flash.x() - Primary.x()) + 353 - 1024) <= 1, qPrintable(describe(flash)));
    QVERIFY2(qAbs(2 * flash.y() + 249 - 768) <= 1, qPrintable(describe(flash)));

    // The left monitor is switched off mid-run: the next flash is on the one left.
    QVERIFY(m_server.xrandr({"--output", "DUMMY1", "--off"}));
    QTRY_COMPARE(monitors().size(), 1);
    const QRect remaining = monitors().constFirst();
    const QRect after = nextFlash();
    QVERIFY2(remaining.contains(after), qPrintable(describe(after) + " on " + describe(remaining)));
    QVERIFY2(qAbs(2 * (after.x() - remaining.x()) + 353 - remaining.width()) <= 1,
             qPrintable(describe(after)));
}

void MonitorsTest::randomPlacesOnThePrimary()
{
    startRun(false);
    for (int i = 0; i < 2; ++i) {
        const QRect flash = nextFlash();
        QCOMPARE(flash.size(), QSize(353, 249));
        QVERIFY2(Primary.contains(flash), qPrintable(describe(flash)));
    }
}

QTEST_GUILESS_MAIN(MonitorsTest)
#include "tst_monitors.moc"
