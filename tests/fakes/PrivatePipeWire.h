// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A PipeWire daemon of the test's own, without a session manager, in a
// runtime folder of its own where PIPEWIRE_RUNTIME_DIR points this process.
// Nodes are made with pw-cli.
class PrivatePipeWire
{
public:
    PrivatePipeWire();
    ~PrivatePipeWire();

    bool start();
    // Kills the daemon, as a crash would.
    void stop();

    // A client that holds nodes with these properties (as pw-cli takes them)
    // until it ends. Each node has one port of each direction, named after its
    // class: an output capture_MONO (virtual sources) or monitor_MONO, an input
    // input_MONO (streams).
    std::unique_ptr<QProcess> createNodes(const QStringList& properties) const;

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
};
