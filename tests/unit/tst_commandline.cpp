// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DesktopSession.h"

#include <QProcess>
#include <QTest>

// The program started from a terminal: answers, complaints and exit statuses,
// checked on the real executable with no display to open a window on.
class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
    void noDesktopEndsWithOneSentence_data();
    void noDesktopEndsWithOneSentence();
};

namespace
{

struct Finished {
    int status = -1;
    QProcess::ExitStatus how = QProcess::CrashExit;
    QString out;
    QString err;
};

Finished runProgram(const QStringList& arguments, const QString& display = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    // No session bus: no command may reach a copy the developer has running.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=/nonexistent"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZORVIK_EXECUTABLE), arguments);
    Finished finished;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return finished;
    }
    finished.status = process.exitCode();
    finished.how = process.exitStatus();
    finished.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    finished.err = QString::fromLocal8Bit(process.readAllStandardError());
    return finished;
}

} // namespace

void CommandLineTest::reading_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");

    const int run = int(CommandLine::Action::Run);
    const int answer = int(CommandLine::Action::Answer);
    const int refuse = int(CommandLine::Action::Refuse);
    QTest::newRow("nothing") << QStringList{} << run;
    QTest::newRow("qt's platform") << QStringList{"-platform", "xcb"} << run;
    QTest::newRow("qt's platform=") << QStringList{"-platform=offscreen"} << run;
    QTest::newRow("qt's display and style")
        << QStringList{"-display", ":3", "-style", "fusion", "-reverse"} << run;
    QTest::newRow("version after a qt option") << QStringList{"-style", "fusion", "-v"} << answer;
    QTest::newRow("short help") << QStringList{"-h"} << answer;
    QTest::newRow("start") << QStringList{"--start", "-platform", "xcb"} << run;
    QTest::newRow("start, then version") << QStringList{"--start", "--version"} << answer;
    QTest::newRow("unknown long") << QStringList{"--fullscreen"} << refuse;
    QTest::newRow("unknown single dash") << QStringList{"-x"} << refuse;
    QTest::newRow("qt option without its value") << QStringList{"-platform"} << refuse;
    QTest::newRow("a picture for the running copy") << QStringList{"picture.jpg"} << run;
    QTest::newRow("pause for") << QStringList{"--pause-for", "15"} << run;
    QTest::newRow("two commands") << QStringList{"--stop", "--start"} << refuse;
    for (const char* minutes : {"soon", "0", "-5", "10081", "99999999999", ""})
        QTest::addRow("pause for '%s'", minutes) << QStringList{"--pause-for", minutes} << refuse;
}

void CommandLineTest::reading()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    arguments.prepend(QStringLiteral("zorvik-subliminal-images"));
    const CommandLine commandLine(arguments, QStringLiteral("1.10"));
    QCOMPARE(int(commandLine.action()), action);
    QCOMPARE(commandLine.startsRun(),
             action == int(CommandLine::Action::Run) && arguments.contains("--start"));
    QCOMPARE(commandLine.exitStatus(), action == int(CommandLine::Action::Refuse) ? 2 : 0);
}

void CommandLineTest::answersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QStringLiteral("zorvik-subliminal-images " ZORVIK_VERSION "\n")
                             << QString();
    QTest::newRow("help") << QStringList{"--help"} << 0 << QStringLiteral("--version") << QString();
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << 2 << QString() << QStringLiteral("frobnicate");
    QTest::newRow("pause for nonsense: one line")
        << QStringList{"--pause-for", "x"} << 2 << QString()
        << QStringLiteral("--pause-for takes a number of minutes from 1 to 10080, not 'x'.\n");
    for (const QStringList& command :
         {QStringList{"--stop"}, QStringList{"--message", "hi"}, QStringList{"--set", "work"}})
        QTest::addRow("%s with nothing running", qPrintable(command.first()))
            << command << 1 << QString()
            << QStringLiteral("Zorvik Subliminal Images is not running.\n");
}

void CommandLineTest::answersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Finished finished = runProgram(arguments);
    QCOMPARE(finished.how, QProcess::NormalExit);
    QCOMPARE(finished.status, status);
    if (arguments == QStringList{"--version"})
        QCOMPARE(finished.out, out);
    else if (out.isEmpty())
        QVERIFY(finished.out.isEmpty());
    else
        QVERIFY2(finished.out.contains(out), qPrintable(finished.out));
    if (err.isEmpty())
        QVERIFY2(finished.err.isEmpty(), qPrintable(finished.err));
    else if (err.endsWith(u'\n')) // the whole complaint
        QCOMPARE(finished.err, err);
    else
        QVERIFY2(finished.err.contains(err), qPrintable(finished.err));
    // Qt's own options are not the user's business in the help text.
    QVERIFY(!finished.out.contains(QStringLiteral("platform")));
}

void CommandLineTest::noDesktopEndsWithOneSentence_data()
{
    QTest::addColumn<QString>("display");
    QTest::newRow("no DISPLAY") << QString();
    QTest::newRow("a display nobody serves") << QStringLiteral(":987");
}

void CommandLineTest::noDesktopEndsWithOneSentence()
{
    QFETCH(QString, display);
    const Finished finished = runProgram({}, display);
    QCOMPARE(finished.how, QProcess::NormalExit);
    QCOMPARE(finished.status, DesktopSession::NoDesktopStatus);
    QCOMPARE(finished.err, QString::fromLatin1(DesktopSession::NoDesktopMessage));
    QVERIFY(finished.out.isEmpty());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
