// Twenty copies of the real program started at the same moment from one
// program folder: exactly one opens its main window, every other one says
// the program is already running and ends once that is dismissed.
#include "X11Tools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

constexpr int Launches = 20;
const QString MainTitle = QStringLiteral("^Zorvik Subliminal Images v1\\.10$");
const QString MessageTitle = QStringLiteral("^Zorvik Subliminal Images$");

} // namespace

class InstanceRaceTest : public QObject
{
    Q_OBJECT
private slots:
    void twentyAtOnceLeaveOneRunning();
    void cleanupTestCase();

private:
    QList<QProcess*> m_processes;
};

void InstanceRaceTest::cleanupTestCase()
{
    for (QProcess* process : std::as_const(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }
}

void InstanceRaceTest::twentyAtOnceLeaveOneRunning()
{
    QTemporaryDir program;
    QTemporaryDir config;
    QTemporaryDir runtime;
    const QString executable = program.filePath(QStringLiteral("zorvik-subliminal-images"));
    QVERIFY(QFile::copy(QStringLiteral(ZORVIK_EXECUTABLE), executable));
    QFile list(program.filePath(QStringLiteral("record.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (int i = 0; i < Launches; ++i) {
        auto* process = new QProcess;
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_processes << process;
    }
    for (QProcess* process : std::as_const(m_processes))
        process->start(executable, {});
    for (QProcess* process : std::as_const(m_processes))
        QVERIFY(process->waitForStarted(20000));

    // Each copy ends up with its main window or with the message, never both.
    QHash<QProcess*, QString> shows;
    auto look = [&] {
        for (QProcess* process : std::as_const(m_processes)) {
            if (shows.contains(process))
                continue;
            const QStringList main = X11Tools::windows(MainTitle, process->processId());
            const QStringList message = X11Tools::windows(MessageTitle, process->processId());
            if (!main.isEmpty() && !message.isEmpty())
                shows.insert(process, QStringLiteral("both"));
            else if (!main.isEmpty())
                shows.insert(process, QStringLiteral("main"));
            else if (!message.isEmpty())
                shows.insert(process, message.constFirst());
        }
        return shows.size() == Launches;
    };
    QTRY_VERIFY_WITH_TIMEOUT(look(), 120000);

    QProcess* running = nullptr;
    int messages = 0;
    for (auto it = shows.cbegin(); it != shows.cend(); ++it) {
        QVERIFY2(it.value() != QStringLiteral("both"), "a copy showed its window and the message");
        if (it.value() == QStringLiteral("main")) {
            QVERIFY2(!running, "two copies opened their main window");
            running = it.key();
            continue;
        }
        ++messages;
        X11Tools::run(QStringLiteral("xdotool"), {"windowactivate", "--sync", it.value()});
        X11Tools::run(QStringLiteral("xdotool"), {"key", "--window", it.value(), "Return"});
    }
    QVERIFY(running);
    int ended = 0;
    for (QProcess* process : std::as_const(m_processes)) {
        if (process == running)
            continue;
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        ++ended;
    }
    QCOMPARE(running->state(), QProcess::Running);
    QCOMPARE(X11Tools::windows(MainTitle).size(), 1);
    qInfo("instances: %d started at once, 1 main window, %d showed the message and ended", Launches,
          ended);
    QCOMPARE(messages, Launches - 1);
}

QTEST_GUILESS_MAIN(InstanceRaceTest)
#include "tst_instancerace.moc"
