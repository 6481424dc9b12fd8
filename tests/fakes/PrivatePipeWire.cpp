#include "PrivatePipeWire.h"

#include <QFile>
#include <QTest>

namespace
{
// The protocol, its permissions, nodes made by clients or by factory, links,
// and a driver for nodes that are linked.
const char Config[] = R"(
context.properties = { core.daemon = true core.name = pipewire-0 support.dbus = false }
context.spa-libs = { support.* = support/libspa-support audio.convert.* = audioconvert/libspa-audioconvert }
context.modules = [ { name = libpipewire-module-protocol-native } { name = libpipewire-module-access }
    { name = libpipewire-module-client-node } { name = libpipewire-module-adapter }
    { name = libpipewire-module-link-factory } { name = libpipewire-module-spa-node-factory } ]
context.objects = [ { factory = spa-node-factory args = {
    factory.name = support.node.driver node.name = Dummy-Driver priority.driver = 20000 } } ]
)";
} // namespace

PrivatePipeWire::PrivatePipeWire()
{
    qputenv("PIPEWIRE_RUNTIME_DIR", QFile::encodeName(m_folder.path()));
    QFile config(m_folder.filePath(QStringLiteral("pipewire.conf")));
    if (config.open(QIODevice::WriteOnly))
        config.write(Config);
}

PrivatePipeWire::~PrivatePipeWire()
{
    stop();
}

bool PrivatePipeWire::start()
{
    m_daemon.start(QStringLiteral("pipewire"),
                   {QStringLiteral("-c"), m_folder.filePath(QStringLiteral("pipewire.conf"))});
    // It listens once its socket is there.
    return m_daemon.waitForStarted(10000) &&
           QTest::qWaitFor([this] { return QFile::exists(m_folder.filePath("pipewire-0")); });
}

void PrivatePipeWire::stop()
{
    m_daemon.kill();
    m_daemon.waitForFinished(5000);
    QFile::remove(m_folder.filePath(QStringLiteral("pipewire-0")));
}

std::unique_ptr<QProcess> PrivatePipeWire::createNodes(const QStringList& properties) const
{
    auto client = std::make_unique<QProcess>();
    client->start(QStringLiteral("pw-cli"), QStringList());
    for (const QString& node : properties)
        client->write("create-node adapter { factory.name=support.null-audio-sink "
                      "audio.position=[MONO] adapter.auto-port-config={mode=dsp monitor=true} " +
                      node.toUtf8() + " }\n");
    return client;
}
