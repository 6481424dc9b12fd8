// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <memory>

class QTimer;

// What the user's PipeWire holds now: its nodes with their properties and
// state, and the links between them, followed through the registry on a
// connection of our own. The connection's loop runs inside Qt's event loop
// (its fd on a socket notifier), so nothing ever waits on PipeWire.
//
// Connected only while someone uses the graph. Without PipeWire, or after it
// went away, the graph is empty and tries again later, never more often than
// every few seconds.
class PipeWireGraph final : public QObject
{
    Q_OBJECT
public:
    enum class NodeState { Unknown, Error, Creating, Suspended, Idle, Running };

    struct Node {
        QHash<QByteArray, QByteArray> properties;
        NodeState state = NodeState::Unknown;

        QByteArray property(const char* key) const { return properties.value(key); }
        bool flag(const char* key) const { return properties.value(key) == "true"; }
    };
    struct Link {
        quint32 outputNode = 0;
        quint32 inputNode = 0;
    };

    explicit PipeWireGraph(QObject* parent = nullptr);
    ~PipeWireGraph() override;

    // Each user that wants the graph followed adds itself once, and removes
    // itself when done; the last one out closes the connection.
    void addUser();
    void removeUser();

    bool isConnected() const;
    const QHash<quint32, Node>& nodes() const { return m_nodes; }
    const QHash<quint32, Link>& links() const { return m_links; }

signals:
    // Nodes, their state or links changed; once per batch of PipeWire events.
    void changed();

private:
    struct Connection;

    void connectNow();
    void disconnectNow();
    void dispatch();
    void retryLater();

    QHash<quint32, Node> m_nodes;
    QHash<quint32, Link> m_links;
    std::unique_ptr<Connection> m_connection;
    QTimer* m_retry = nullptr;
    int m_retryDelayMs = 0;
    int m_users = 0;
    bool m_changed = false;
};
