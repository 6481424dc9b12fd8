// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivatePipeWire.h"

#include <QFile>
#include <QTest>

PrivatePipeWire::PrivatePipeWire()
{
    qputenv("PIPEWIRE_RUNTIME_DIR", QFile::encodeName(m_folder.path()));
}

PrivatePipeWire::~PrivatePipeWire()
{
    stop();
}

bool PrivatePipeWire::start()
{
    m_daemon.start(
        QStringLiteral("pipewire"),
        {QStringLiteral("-c"), QStringLiteral(ZORVIK_SOURCE_DIR "/tests/fakes/pipewire.conf")});
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
