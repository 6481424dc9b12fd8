// SPDX-License-Identifier: GPL-3.0-or-later
// Twenty copies of the real program started at the same moment from one
// program folder: exactly one opens its main window, every other one says
// the program is already running and ends once that is dismissed.
#include "X11Tools.h"
#include "platform/ProgramInfo.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

constexpr int Launches = 20;
QString exactly(const QString& title)
{
    return QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
}

const QString MainTitle = exactly(ProgramInfo::titleWithVersion());
const QString MessageTitle = exactly(ProgramInfo::title());

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

    // Every message shown is closed as a user would with its close box (the
    // messages have only OK), until all copies but one have ended.
    int closed = 0;
    auto running = [this] {
        QList<QProcess*> alive;
        for (QProcess* process : std::as_const(m_processes))
            if (process->state() != QProcess::NotRunning)
                alive << process;
        return alive;
    };
    auto closeMessages = [&] {
        for (QProcess* process : running()) {
            for (const QString& box : X11Tools::windows(MessageTitle, process->processId())) {
                X11Tools::run(QStringLiteral("wmctrl"), {"-i", "-c", box});
                ++closed;
            }
            process->waitForFinished(100);
        }
        return running().size() <= 1 && !X11Tools::windows(MainTitle).isEmpty();
    };
    QTRY_VERIFY_WITH_TIMEOUT(closeMessages(), 120000);

    const QList<QProcess*> left = running();
    QCOMPARE(left.size(), 1);
    QCOMPARE(X11Tools::windows(MainTitle).size(), 1);
    QCOMPARE(X11Tools::windows(MainTitle, left.constFirst()->processId()).size(), 1);
    int ended = 0;
    for (QProcess* process : std::as_const(m_processes)) {
        if (process == left.constFirst())
            continue;
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        ++ended;
    }
    qInfo("instances: %d started at once, 1 left running with its main window, %d ended after "
          "their message (%d messages closed)",
          Launches, ended, closed);
    QCOMPARE(ended, Launches - 1);
}

QTEST_GUILESS_MAIN(InstanceRaceTest)
#include "tst_instancerace.moc"
