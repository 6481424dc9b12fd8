// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/KWinFullscreenSource.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTemporaryFile>

namespace
{
const QString KWinService = QStringLiteral("org.kde.KWin");
const QString ScriptingPath = QStringLiteral("/Scripting");
const QString ScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");

QDBusMessage scriptingCall(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(KWinService, ScriptingPath, ScriptingInterface, method);
    call.setArguments(arguments);
    // Asking must not start a KWin that is not running.
    call.setAutoStartService(false);
    return call;
}

// Every source of the process has its own object and script.
int nextSourceNumber()
{
    static int count = 0;
    return ++count;
}
} // namespace

KWinFullscreenSource::KWinFullscreenSource(const QDBusConnection& bus, QObject* parent)
    : PauseSource(parent), m_bus(bus)
{
    const int number = nextSourceNumber();
    m_objectPath = QStringLiteral("/example/zorvik/KWinFullscreen%1").arg(number);
    m_pluginName = QStringLiteral("zorvik-fullscreen-%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(number);
}

KWinFullscreenSource::~KWinFullscreenSource()
{
    setWatching(false);
}

QString KWinFullscreenSource::script(const QString& service, const QString& path)
{
    // KWin 6's names where it has them, else KWin 5's; a KWin with neither
    // fails the script and the source stays clear.
    return QStringLiteral(R"(
var windows6 = typeof workspace.windowList === "function";
function report() {
    var window = windows6 ? workspace.activeWindow : workspace.activeClient;
    callDBus("%1", "%2", "example.zorvik.SubliminalImages.KWinFullscreen",
             "activeWindowFullscreen", !!(window && window.fullScreen));
}
function follow(window) {
    if (window)
        window.fullScreenChanged.connect(report);
}
(windows6 ? workspace.windowList() : workspace.clientList()).forEach(follow);
(windows6 ? workspace.windowAdded : workspace.clientAdded).connect(follow);
(windows6 ? workspace.windowActivated : workspace.clientActivated).connect(report);
report();
)")
        .arg(service, path);
}

void KWinFullscreenSource::setWatching(bool watching)
{
    if (watching == m_watching)
        return;
    m_watching = watching;
    ++m_generation;
    if (!watching) {
        delete m_kwinWatcher;
        m_kwinWatcher = nullptr;
        unloadScript();
        m_bus.unregisterObject(m_objectPath);
        m_kwinOwner.clear();
        setActive(false);
        return;
    }
    if (!m_bus.registerObject(m_objectPath, this, QDBusConnection::ExportScriptableSlots)) {
        m_watching = false;
        return;
    }
    m_kwinWatcher =
        new QDBusServiceWatcher(KWinService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(
        m_kwinWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString&, const QString&, const QString& owner) { kwinOwnerChanged(owner); });
    // Asked without waiting: the answer comes like an owner change.
    auto* call = new QDBusPendingCallWatcher(
        m_bus.interface()->asyncCall(QStringLiteral("GetNameOwner"), KWinService), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, call, generation = m_generation] {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                if (generation == m_generation && reply.type() == QDBusMessage::ReplyMessage &&
                    m_kwinOwner.isEmpty())
                    kwinOwnerChanged(reply.arguments().value(0).toString());
            });
}

void KWinFullscreenSource::kwinOwnerChanged(const QString& owner)
{
    // A KWin gone takes our script with it; a new one needs it again.
    m_kwinOwner = owner;
    m_scriptFile.reset();
    setActive(false);
    if (!owner.isEmpty())
        loadScript();
}

void KWinFullscreenSource::loadScript()
{
    m_scriptFile = std::make_unique<QTemporaryFile>();
    if (!m_scriptFile->open() ||
        m_scriptFile->write(script(m_bus.baseService(), m_objectPath).toUtf8()) < 0 ||
        !m_scriptFile->flush()) {
        m_scriptFile.reset();
        return;
    }
    auto* call = new QDBusPendingCallWatcher(
        m_bus.asyncCall(
            scriptingCall(QStringLiteral("loadScript"), {m_scriptFile->fileName(), m_pluginName})),
        this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, call, generation = m_generation] {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                if (generation != m_generation || reply.type() != QDBusMessage::ReplyMessage ||
                    reply.arguments().value(0).toInt() < 0)
                    return;
                // Runs every script loaded and not yet running, ours among them.
                m_bus.asyncCall(scriptingCall(QStringLiteral("start")));
            });
}

void KWinFullscreenSource::unloadScript()
{
    if (!m_scriptFile)
        return;
    m_bus.asyncCall(scriptingCall(QStringLiteral("unloadScript"), {m_pluginName}));
    m_scriptFile.reset();
}

void KWinFullscreenSource::activeWindowFullscreen(bool fullscreen)
{
    // Anybody on the bus could call; only the KWin we loaded the script into
    // counts, and it is known only while watching.
    if (calledFromDBus() && message().service() == m_kwinOwner)
        setActive(fullscreen);
}
