// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/CallSource.h"
#include "desktop/PipeWireGraph.h"
#include "desktop/ScreenCastSource.h"
#include "platform/PauseWatch.h"

#include "PrivatePipeWire.h"

#include <QFile>
#include <QTest>

// The PipeWire sources against a PipeWire daemon of the test's own, whose
// nodes stand for what desktops and programs make.
class PipeWireSourcesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nodesPauseOrNot_data();
    void nodesPauseOrNot();
    void noDaemonLeavesBothClear();
    void daemonRestartIsFollowed();
    void videoDeviceHeldOpenIsACall();
    void videoDevicePluggedInDuringAnOverflowIsSeen();

private:
    PauseReasons reasons() const;

    QTemporaryDir m_devices;
    struct Watch {
        explicit Watch(const QString& devices) : call(graph, devices) {}
        PrivatePipeWire pipeWire;
        PipeWireGraph graph;
        ScreenCastSource cast{graph};
        CallSource call;
    };
    std::unique_ptr<Watch> m;
};

void PipeWireSourcesTest::init()
{
    m = std::make_unique<Watch>(m_devices.path());
    if (QTest::currentTestFunction() != QByteArray("noDaemonLeavesBothClear"))
        QVERIFY(m->pipeWire.start());
    m->cast.setWatching(true);
    m->call.setWatching(true);
}

void PipeWireSourcesTest::cleanup()
{
    m.reset();
}

PauseReasons PipeWireSourcesTest::reasons() const
{
    PauseReasons reasons;
    reasons.setFlag(PauseReason::ScreenShared, m->cast.isActive());
    reasons.setFlag(PauseReason::InCall, m->call.isActive());
    return reasons;
}

void PipeWireSourcesTest::nodesPauseOrNot_data()
{
    QTest::addColumn<QStringList>("nodes");
    QTest::addColumn<QStringList>("link"); // output port, input port
    QTest::addColumn<PauseReasons>("expected");
    const QString cast = QStringLiteral("media.class=Stream/Output/Video node.name=");
    const PauseReasons shared = PauseReason::ScreenShared;
    const PauseReasons call = PauseReason::InCall;
    QTest::newRow("GNOME Shell") << QStringList{cast +
                                                "gnome-shell media.name=meta-screen-cast-src"}
                                 << QStringList() << shared;
    QTest::newRow("KWin") << QStringList{cast + "kwin_wayland media.name=kwin-screencast-eDP-1"}
                          << QStringList() << shared;
    QTest::newRow("another video stream")
        << QStringList{cast + "obs"} << QStringList() << PauseReasons();
    QTest::newRow("playback")
        << QStringList{"media.class=Stream/Output/Audio node.name=gnome-shell"} << QStringList()
        << PauseReasons();
    const QString mic = QStringLiteral("media.class=Audio/Source node.name=mic");
    const QString recorder = QStringLiteral("media.class=Stream/Input/Audio node.name=rec");
    const QStringList recording{"mic:monitor_MONO", "rec:input_MONO"};
    QTest::newRow("recording") << QStringList{mic, recorder} << recording << call;
    QTest::newRow("virtual source")
        << QStringList{"media.class=Audio/Source/Virtual node.name=mic", recorder}
        << QStringList{"mic:capture_MONO", "rec:input_MONO"} << call;
    QTest::newRow("peak detect") << QStringList{mic, recorder + " stream.monitor=true"} << recording
                                 << PauseReasons();
    QTest::newRow("sink monitor") << QStringList{"media.class=Audio/Sink node.name=out",
                                                 recorder + " stream.capture.sink=true"}
                                  << QStringList{"out:monitor_MONO", "rec:input_MONO"}
                                  << PauseReasons();
    QTest::newRow("camera") << QStringList{"media.class=Video/Source node.name=cam",
                                           "media.class=Stream/Input/Video node.name=view"}
                            << QStringList{"cam:monitor_MONO", "view:input_MONO"} << call;
}

// Every node is seen with its state, and linked nodes run, before the sources
// are asked: a clear source has seen the nodes.
void PipeWireSourcesTest::nodesPauseOrNot()
{
    QFETCH(QStringList, nodes);
    QFETCH(QStringList, link);
    QFETCH(PauseReasons, expected);
    QVERIFY(m->graph.isConnected());
    const std::unique_ptr<QProcess> client = m->pipeWire.createNodes(nodes);
    const auto count = [this](bool running) {
        qsizetype count = 0;
        for (const PipeWireGraph::Node& node : m->graph.nodes())
            count += running ? node.state == PipeWireGraph::NodeState::Running
                             : node.state != PipeWireGraph::NodeState::Unknown;
        return count;
    };
    QTRY_COMPARE(count(false), nodes.size() + 1); // and the daemon's driver
    if (!link.isEmpty()) {
        QCOMPARE(QProcess::execute(QStringLiteral("pw-link"), link), 0);
        QTRY_VERIFY(count(true) >= 2);
    }
    QCOMPARE(reasons(), expected);

    // The cast ends, the recording stops: the daemon's driver alone is left.
    client->kill();
    client->waitForFinished();
    QTRY_COMPARE(m->graph.nodes().size(), 1);
    QCOMPARE(reasons(), PauseReasons());
}

void PipeWireSourcesTest::noDaemonLeavesBothClear()
{
    QVERIFY(!m->graph.isConnected());
    QCOMPARE(reasons(), PauseReasons());
}

void PipeWireSourcesTest::daemonRestartIsFollowed()
{
    const QStringList cast{"media.class=Stream/Output/Video node.name=gnome-shell"};
    std::unique_ptr<QProcess> client = m->pipeWire.createNodes(cast);
    QTRY_COMPARE(reasons(), PauseReasons(PauseReason::ScreenShared));
    m->pipeWire.stop();
    QTRY_VERIFY(!m->graph.isConnected());
    QCOMPARE(reasons(), PauseReasons());
    client->waitForFinished();

    QVERIFY(m->pipeWire.start());
    client = m->pipeWire.createNodes(cast);
    QTRY_COMPARE_WITH_TIMEOUT(reasons(), PauseReasons(PauseReason::ScreenShared), 20000);
    client->kill();
    client->waitForFinished();
}

// Browsers open the camera themselves, past PipeWire.
void PipeWireSourcesTest::videoDeviceHeldOpenIsACall()
{
    m->call.setWatching(false);
    QFile camera(m_devices.filePath(QStringLiteral("video0")));
    QVERIFY(camera.open(QIODevice::WriteOnly));
    m->call.setWatching(true);
    QVERIFY(m->call.isActive()); // already open when the watch began
    camera.close();
    QTRY_VERIFY(!m->call.isActive());
    QVERIFY(camera.open(QIODevice::ReadOnly));
    QTRY_VERIFY(m->call.isActive());
    camera.close();
    QTRY_VERIFY(!m->call.isActive());
}

// The kernel drops the events past its queue's limit, among them that of a
// camera plugged in then: the folder is looked at again.
void PipeWireSourcesTest::videoDevicePluggedInDuringAnOverflowIsSeen()
{
    m->call.setWatching(false);
    QVERIFY(QFile(m_devices.filePath(QStringLiteral("video0"))).open(QIODevice::WriteOnly));
    m->call.setWatching(true);
    QFile busy(m_devices.filePath(QStringLiteral("video0")));
    QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_queued_events"));
    QVERIFY(limit.open(QIODevice::ReadOnly));
    for (int events = limit.readAll().trimmed().toInt(); events >= 0; events -= 2) {
        QVERIFY(busy.open(QIODevice::ReadOnly));
        busy.close();
    }
    QFile camera(m_devices.filePath(QStringLiteral("video1")));
    QVERIFY(camera.open(QIODevice::WriteOnly));
    QTRY_VERIFY(m->call.isActive());
}

QTEST_GUILESS_MAIN(PipeWireSourcesTest)
#include "tst_pipewiresources.moc"
