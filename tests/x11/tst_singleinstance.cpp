// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11Tools.h"
#include "platform/ProgramInfo.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The real program, started from one program folder as a user would.
class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void theNameOnTheBusSaysACopyRuns();
    void secondCopyShowsTheMessageAndTouchesNothing();
    void startsAgainAfterTheFirstWasKilled();
    void laterLaunchesHandOverTheirCommands();
    void stalledBusesAreSetAside();

private:
    QProcess* launch(const QStringList& arguments = {},
                     QProcess::ProcessChannelMode mode = QProcess::ForwardedErrorChannel);
    int secondLaunch(const QStringList& arguments);
    QStringList mainWindows(QProcess* process) const;
    QMap<QString, QByteArray> snapshot() const;

    QTemporaryDir m_program;
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
    QString m_executable;
    QProcess m_bus; // a session bus of the test's own
    QList<QProcess*> m_processes;
};

namespace
{

QString exactly(const QString& title)
{
    return QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
}

const QString MainTitle = exactly(ProgramInfo::titleWithVersion());
const QString MessageTitle = exactly(ProgramInfo::title());

} // namespace

void SingleInstanceTest::initTestCase()
{
    QVERIFY(m_program.isValid() && m_config.isValid() && m_runtime.isValid());
    m_executable = m_program.filePath("zorvik-subliminal-images");
    QVERIFY(QFile::copy(ZORVIK_EXECUTABLE, m_executable));
    QFile list(m_program.filePath("record.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.close();
    m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QVERIFY(m_bus.waitForReadyRead(10000));
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
}

void SingleInstanceTest::cleanupTestCase()
{
    for (QProcess* process : std::as_const(m_processes)) {
        process->kill();
        process->waitForFinished(5000);
        delete process;
    }
    m_bus.kill();
    m_bus.waitForFinished(5000);
}

QProcess* SingleInstanceTest::launch(const QStringList& arguments,
                                     QProcess::ProcessChannelMode mode)
{
    auto* process = new QProcess;
    m_processes << process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", m_config.path());
    environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(mode);
    process->start(m_executable, arguments);
    process->waitForStarted(10000);
    return process;
}

int SingleInstanceTest::secondLaunch(const QStringList& arguments)
{
    QProcess* process = launch(arguments);
    if (!process->waitForFinished(20000))
        return -1;
    return process->exitCode();
}

QStringList SingleInstanceTest::mainWindows(QProcess* process) const
{
    return X11Tools::windows(MainTitle, process->processId());
}

// Every file of the program folder and the settings folder, with its time and content.
QMap<QString, QByteArray> SingleInstanceTest::snapshot() const
{
    QMap<QString, QByteArray> files;
    for (const QString& root : {m_program.path(), m_config.path()}) {
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            QByteArray state = QByteArray::number(info.lastModified().toMSecsSinceEpoch());
            QFile file(info.filePath());
            if (info.isFile() && file.open(QIODevice::ReadOnly))
                state += QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
            files.insert(info.filePath(), state);
        }
    }
    return files;
}

// Whoever holds the program's name on the bus is the running copy, lock files or not.
void SingleInstanceTest::theNameOnTheBusSaysACopyRuns()
{
    QDBusConnection holder = QDBusConnection::connectToBus(
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("holder"));
    QVERIFY(holder.registerService("example.zorvik.SubliminalImages"));
    QProcess* copy = launch();
    QTRY_VERIFY_WITH_TIMEOUT(!X11Tools::windows(MessageTitle, copy->processId()).isEmpty(), 20000);
    QVERIFY(mainWindows(copy).isEmpty());
    X11Tools::run("wmctrl",
                  {"-i", "-c", X11Tools::windows(MessageTitle, copy->processId()).constFirst()});
    QVERIFY(copy->waitForFinished(10000));
    delete m_processes.takeLast();
    QVERIFY(holder.unregisterService("example.zorvik.SubliminalImages"));
}

void SingleInstanceTest::secondCopyShowsTheMessageAndTouchesNothing()
{
    QProcess* first = launch();
    QTRY_VERIFY_WITH_TIMEOUT(!mainWindows(first).isEmpty(), 20000);
    // The first start has written its reminder date.
    QTRY_VERIFY(QFile::exists(m_config.filePath("zorvik-subliminal-images.conf")));
    QCOMPARE(
        QProcess::execute("/usr/bin/python3", {ZORVIK_SOURCE_DIR "/tests/x11/accessible-tree.py",
                                               QString::number(first->processId())}),
        0); // as a screen reader sees it: every control named and in keyboard reach
    const QMap<QString, QByteArray> before = snapshot();

    QProcess* second = launch();
    QStringList message;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(message = X11Tools::windows(MessageTitle, second->processId())).isEmpty(), 20000);
    QCOMPARE(message.size(), 1);
    QVERIFY(mainWindows(second).isEmpty());
    QVERIFY(X11Tools::windows(MessageTitle, first->processId()).isEmpty());

    X11Tools::run("xdotool", {"windowactivate", "--sync", message.constFirst()});
    X11Tools::run("xdotool", {"key", "Return"});
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    QCOMPARE(snapshot(), before);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(mainWindows(first).size(), 1);
}

void SingleInstanceTest::startsAgainAfterTheFirstWasKilled()
{
    QProcess* first = m_processes.value(0);
    QVERIFY(first);
    first->kill(); // SIGKILL: the lock file stays behind
    QVERIFY(first->waitForFinished(10000));

    QProcess* next = launch();
    QTRY_VERIFY_WITH_TIMEOUT(!mainWindows(next).isEmpty(), 20000);
    QVERIFY(X11Tools::windows(MessageTitle, next->processId()).isEmpty());
}

// A key binding's launch: the command reaches the running copy on the bus,
// which tells watchers what changed, and the launch ends at once.
void SingleInstanceTest::laterLaunchesHandOverTheirCommands()
{
    QProcess* running = m_processes.constLast();
    QTRY_VERIFY_WITH_TIMEOUT(!mainWindows(running).isEmpty(), 20000);
    QDBusInterface program("example.zorvik.SubliminalImages", "/example/zorvik/SubliminalImages",
                           "example.zorvik.SubliminalImages");
    QTRY_VERIFY_WITH_TIMEOUT(program.isValid(), 10000);
    QDBusInterface properties(program.service(), program.path(), "org.freedesktop.DBus.Properties");
    QSignalSpy announced(&properties, SIGNAL(PropertiesChanged(QString, QVariantMap, QStringList)));
    QVERIFY(announced.isValid());

    QTemporaryDir pictures;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(pictures.filePath("red.jpg")));
    QCOMPARE(secondLaunch({pictures.filePath("red.jpg")}), 0);
    QTRY_VERIFY(QFile(m_program.filePath("record.txt")).size() > 0);
    QCOMPARE(secondLaunch({pictures.filePath("gone.jpg")}), 1);

    const QString paused = QStringLiteral("paused-for-a-while");
    const struct {
        const char* argument;
        bool running;
        bool paused;
    } steps[] = {{"--start", true, false},  {"--pause-for=15", true, true},
                 {"--resume", true, false}, {"--toggle", false, false},
                 {"--toggle", true, false}, {"--stop", false, false}};
    for (const auto& step : steps) {
        QCOMPARE(secondLaunch({step.argument}), 0);
        QTRY_COMPARE(program.property("Running").toBool(), step.running);
        QTRY_COMPARE(program.property("PauseReasons").toStringList().contains(paused), step.paused);
    }
    QTRY_VERIFY2(announced.size() >= int(std::size(steps)),
                 qPrintable(QString::number(announced.size())));
    QCOMPARE(secondLaunch({"--pause-for=5"}), 1); // nothing to pause
    QCOMPARE(running->state(), QProcess::Running);

    // --start with nothing running starts a copy, which then takes commands too.
    running->kill();
    QVERIFY(running->waitForFinished(10000));
    launch({"--start"});
    QTRY_VERIFY_WITH_TIMEOUT(program.property("Running").toBool(), 20000);
    QCOMPARE(secondLaunch({"--stop"}), 0);
    QTRY_VERIFY(!program.property("Running").toBool());
}

// Both buses take the connection and never answer: the program says so and
// goes on without them, instead of freezing on them.
void SingleInstanceTest::stalledBusesAreSetAside()
{
    for (QProcess* process : std::as_const(m_processes)) {
        process->kill();
        process->waitForFinished(10000);
    }
    QProcess stalled;
    stalled.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QVERIFY(stalled.waitForReadyRead(10000));
    const QByteArray address = stalled.readLine().trimmed();
    ::kill(pid_t(stalled.processId()), SIGSTOP);
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    QProcess* program = launch({}, QProcess::SeparateChannels);
    QTRY_VERIFY_WITH_TIMEOUT(!mainWindows(program).isEmpty(), 20000);
    const QString said = QString::fromLocal8Bit(program->readAllStandardError());
    QVERIFY2(said.contains("The session bus does not answer") &&
                 said.contains("The system bus does not answer"),
             qPrintable(said));
    ::kill(pid_t(stalled.processId()), SIGCONT);
    stalled.kill();
    stalled.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
