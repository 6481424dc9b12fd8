// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/PipeWireGraph.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <pipewire/pipewire.h>
#include <unordered_map>

// PipeWire's method macros (pw_core_add_listener and the like) cast our
// arguments C-style inside their expansion; nothing of ours casts that way.
#pragma GCC diagnostic ignored "-Wold-style-cast"

namespace
{
// A PipeWire that is missing or restarting is tried again after these waits,
// each twice the one before.
constexpr int FirstRetryMs = 3000;
constexpr int LastRetryMs = 60000;

PipeWireGraph::NodeState stateOf(pw_node_state state)
{
    using State = PipeWireGraph::NodeState;
    switch (state) {
    case PW_NODE_STATE_ERROR:
        return State::Error;
    case PW_NODE_STATE_CREATING:
        return State::Creating;
    case PW_NODE_STATE_SUSPENDED:
        return State::Suspended;
    case PW_NODE_STATE_IDLE:
        return State::Idle;
    case PW_NODE_STATE_RUNNING:
        return State::Running;
    }
    return State::Unknown;
}

void copyInto(QHash<QByteArray, QByteArray>& properties, const spa_dict* dict)
{
    if (!dict)
        return;
    const spa_dict_item* item;
    spa_dict_for_each(item, dict) properties.insert(item->key, item->value ? item->value : "");
}

quint32 idIn(const spa_dict* dict, const char* key)
{
    bool ok = false;
    const quint32 id = QByteArray(spa_dict_lookup(dict, key)).toUInt(&ok);
    return ok ? id : SPA_ID_INVALID;
}
} // namespace

// One connection to PipeWire with its own loop, which runs only when Qt's
// event loop finds the loop's fd readable.
struct PipeWireGraph::Connection {
    // A node bound for its info: its state and all its properties.
    struct BoundNode {
        Connection* owner = nullptr;
        quint32 id = 0;
        pw_proxy* proxy = nullptr;
        spa_hook listener{};
    };

    explicit Connection(PipeWireGraph& graph) : graph(graph) {}
    ~Connection();
    // The loop and the context stay for as long as the graph is used; only
    // the connection itself comes and goes with the daemon.
    bool open();
    bool connectCore();
    void disconnectCore();

    void addGlobal(quint32 id, const char* type, const spa_dict* props);
    void removeGlobal(quint32 id);

    static void onCoreError(void* data, uint32_t id, int seq, int res, const char* message);
    static void onGlobal(void* data, uint32_t id, uint32_t permissions, const char* type,
                         uint32_t version, const spa_dict* props);
    static void onGlobalRemove(void* data, uint32_t id);
    static void onNodeInfo(void* data, const pw_node_info* info);
    static const pw_core_events CoreEvents;
    static const pw_registry_events RegistryEvents;
    static const pw_node_events NodeEvents;

    PipeWireGraph& graph;
    pw_loop* loop = nullptr;
    pw_context* context = nullptr;
    pw_core* core = nullptr;
    pw_registry* registry = nullptr;
    spa_hook coreListener{};
    spa_hook registryListener{};
    std::unordered_map<quint32, std::unique_ptr<BoundNode>> bound;
    QSocketNotifier* notifier = nullptr;
    bool lost = false;
};

// The callbacks PipeWire makes, which run inside pw_loop_iterate().
void PipeWireGraph::Connection::onCoreError(void* data, uint32_t id, int, int res, const char*)
{
    // The daemon hung up: it stopped or restarts.
    if (id == PW_ID_CORE && res == -EPIPE)
        static_cast<Connection*>(data)->lost = true;
}

void PipeWireGraph::Connection::onGlobal(void* data, uint32_t id, uint32_t, const char* type,
                                         uint32_t, const spa_dict* props)
{
    static_cast<Connection*>(data)->addGlobal(id, type, props);
}

void PipeWireGraph::Connection::onGlobalRemove(void* data, uint32_t id)
{
    static_cast<Connection*>(data)->removeGlobal(id);
}

void PipeWireGraph::Connection::onNodeInfo(void* data, const pw_node_info* info)
{
    const auto* bound = static_cast<BoundNode*>(data);
    PipeWireGraph& graph = bound->owner->graph;
    const auto node = graph.m_nodes.find(bound->id);
    if (node == graph.m_nodes.end())
        return;
    if (info->change_mask & PW_NODE_CHANGE_MASK_STATE)
        node->state = stateOf(info->state);
    if (info->change_mask & PW_NODE_CHANGE_MASK_PROPS)
        copyInto(node->properties, info->props);
    graph.m_changed = true;
}

// Unset members stay null: the events we do not follow.
const pw_core_events PipeWireGraph::Connection::CoreEvents = [] {
    pw_core_events events{};
    events.version = PW_VERSION_CORE_EVENTS;
    events.error = onCoreError;
    return events;
}();
const pw_registry_events PipeWireGraph::Connection::RegistryEvents = [] {
    pw_registry_events events{};
    events.version = PW_VERSION_REGISTRY_EVENTS;
    events.global = onGlobal;
    events.global_remove = onGlobalRemove;
    return events;
}();
const pw_node_events PipeWireGraph::Connection::NodeEvents = [] {
    pw_node_events events{};
    events.version = PW_VERSION_NODE_EVENTS;
    events.info = onNodeInfo;
    return events;
}();

bool PipeWireGraph::Connection::open()
{
    pw_init(nullptr, nullptr);
    loop = pw_loop_new(nullptr);
    if (!loop)
        return false;
    pw_loop_enter(loop);
    context = pw_context_new(loop, nullptr, 0);
    if (!context)
        return false;
    notifier = new QSocketNotifier(pw_loop_get_fd(loop), QSocketNotifier::Read);
    return true;
}

bool PipeWireGraph::Connection::connectCore()
{
    // A local socket: this returns at once, and fails at once without a daemon.
    core = pw_context_connect(context, nullptr, 0);
    if (!core)
        return false;
    pw_core_add_listener(core, &coreListener, &CoreEvents, this);
    registry = pw_core_get_registry(core, PW_VERSION_REGISTRY, 0);
    if (!registry) {
        disconnectCore();
        return false;
    }
    pw_registry_add_listener(registry, &registryListener, &RegistryEvents, this);
    return true;
}

void PipeWireGraph::Connection::disconnectCore()
{
    for (auto& [id, node] : bound) {
        spa_hook_remove(&node->listener);
        pw_proxy_destroy(node->proxy);
    }
    bound.clear();
    if (registry) {
        spa_hook_remove(&registryListener);
        pw_proxy_destroy(reinterpret_cast<pw_proxy*>(registry));
        registry = nullptr;
    }
    if (core) {
        spa_hook_remove(&coreListener);
        pw_core_disconnect(core);
        core = nullptr;
    }
    lost = false;
}

PipeWireGraph::Connection::~Connection()
{
    if (notifier) {
        // This may run inside the notifier's own signal.
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    disconnectCore();
    if (context)
        pw_context_destroy(context);
    if (loop) {
        pw_loop_leave(loop);
        pw_loop_destroy(loop);
    }
}

void PipeWireGraph::Connection::addGlobal(quint32 id, const char* type, const spa_dict* props)
{
    if (spa_streq(type, PW_TYPE_INTERFACE_Link)) {
        const Link link{idIn(props, PW_KEY_LINK_OUTPUT_NODE), idIn(props, PW_KEY_LINK_INPUT_NODE)};
        if (link.outputNode != SPA_ID_INVALID && link.inputNode != SPA_ID_INVALID) {
            graph.m_links.insert(id, link);
            graph.m_changed = true;
        }
        return;
    }
    if (!spa_streq(type, PW_TYPE_INTERFACE_Node))
        return;
    Node& node = graph.m_nodes[id];
    copyInto(node.properties, props);
    graph.m_changed = true;
    // The registry tells a node's class and name; its state and the rest of
    // its properties come with its info, which only a bound node sends.
    auto boundNode = std::make_unique<BoundNode>();
    boundNode->owner = this;
    boundNode->id = id;
    boundNode->proxy =
        static_cast<pw_proxy*>(pw_registry_bind(registry, id, type, PW_VERSION_NODE, 0));
    if (!boundNode->proxy)
        return;
    pw_node_add_listener(reinterpret_cast<pw_node*>(boundNode->proxy), &boundNode->listener,
                         &NodeEvents, boundNode.get());
    bound[id] = std::move(boundNode);
}

void PipeWireGraph::Connection::removeGlobal(quint32 id)
{
    if (const auto found = bound.find(id); found != bound.end()) {
        spa_hook_remove(&found->second->listener);
        pw_proxy_destroy(found->second->proxy);
        bound.erase(found);
    }
    if (graph.m_nodes.remove(id) || graph.m_links.remove(id))
        graph.m_changed = true;
}

PipeWireGraph::PipeWireGraph(QObject* parent) : QObject(parent), m_retry(new QTimer(this))
{
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &PipeWireGraph::connectNow);
}

PipeWireGraph::~PipeWireGraph() = default;

void PipeWireGraph::addUser()
{
    if (++m_users > 1)
        return;
    m_connection = std::make_unique<Connection>(*this);
    if (!m_connection->open()) {
        m_connection.reset(); // no PipeWire library to speak of
        return;
    }
    connect(m_connection->notifier, &QSocketNotifier::activated, this, &PipeWireGraph::dispatch);
    connectNow();
}

void PipeWireGraph::removeUser()
{
    if (m_users == 0 || --m_users > 0)
        return;
    m_retry->stop();
    m_retryDelayMs = 0;
    disconnectNow();
    m_connection.reset();
    m_changed = false;
}

bool PipeWireGraph::isConnected() const
{
    return m_connection && m_connection->core;
}

void PipeWireGraph::connectNow()
{
    if (!m_connection || m_connection->core)
        return;
    if (!m_connection->connectCore()) {
        retryLater();
        return;
    }
    m_retryDelayMs = 0;
}

void PipeWireGraph::disconnectNow()
{
    if (m_connection)
        m_connection->disconnectCore();
    if (m_nodes.isEmpty() && m_links.isEmpty())
        return;
    m_nodes.clear();
    m_links.clear();
    m_changed = true;
}

void PipeWireGraph::dispatch()
{
    if (!m_connection)
        return;
    pw_loop_iterate(m_connection->loop, 0);
    if (m_connection->lost) {
        disconnectNow();
        retryLater();
    }
    if (!m_changed)
        return;
    m_changed = false;
    emit changed();
}

void PipeWireGraph::retryLater()
{
    m_retryDelayMs = std::clamp(m_retryDelayMs * 2, FirstRetryMs, LastRetryMs);
    m_retry->start(m_retryDelayMs);
}
