// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteControl.h"

#include "app/LibraryEditor.h"
#include "app/MainWindow.h"
#include "app/RemoteCommand.h"
#include "desktop/BusInBackground.h"
#include "flash/FlashRun.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QTimer>

const QString RemoteControl::ServiceName = QStringLiteral("example.zorvik.SubliminalImages");
const QString RemoteControl::ObjectPath = QStringLiteral("/example/zorvik/SubliminalImages");
const QString RemoteControl::InterfaceName = QStringLiteral("example.zorvik.SubliminalImages");

namespace
{

const struct {
    PauseReason reason;
    const char* name;
} ReasonNames[] = {
    {PauseReason::ScreenLocked, "screen-locked"},
    {PauseReason::FullscreenWindow, "fullscreen-window"},
    {PauseReason::DoNotDisturb, "do-not-disturb"},
    {PauseReason::ScreenShared, "screen-shared"},
    {PauseReason::InCall, "in-call"},
    {PauseReason::OutsideActiveHours, "outside-active-hours"},
    {PauseReason::PausedForAWhile, "paused-for-a-while"},
};

} // namespace

RemoteControl::RemoteControl(MainWindow& window, QObject* parent)
    : QObject(parent), m_window(&window)
{
    FlashRun& run = window.flashRun();
    connect(&run, &FlashRun::stateChanged, this, &RemoteControl::announceChanges);
    connect(&run, &FlashRun::scheduleChanged, this, &RemoteControl::announceChanges);
    m_announced = properties();
}

RemoteControl::~RemoteControl()
{
    if (m_published)
        m_bus.unregisterObject(ObjectPath);
}

void RemoteControl::publish()
{
    BusInBackground::connect([] { return QDBusConnection::sessionBus(); }, this,
                             [this](const QDBusConnection& bus) { publishOn(bus); });
}

void RemoteControl::publishOn(const QDBusConnection& connection)
{
    QDBusConnection bus = connection; // registering changes the connection
    if (!bus.isConnected() || !bus.registerObject(ObjectPath, this,
                                                  QDBusConnection::ExportScriptableSlots |
                                                      QDBusConnection::ExportAllProperties))
        return;
    m_bus = bus;
    m_published = true;
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    constexpr uint DoNotQueue = 0x4; // a second owner is refused, not queued
    request.setArguments({ServiceName, DoNotQueue});
    bus.send(request);
}

bool RemoteControl::isRunning() const
{
    return m_window && m_window->flashRun().isRunning();
}

QStringList RemoteControl::pauseReasons() const
{
    QStringList names;
    if (!m_window)
        return names;
    const PauseReasons reasons = m_window->flashRun().pauseReasons();
    for (const auto& [reason, name] : ReasonNames)
        if (reasons.testFlag(reason))
            names << QString::fromLatin1(name);
    return names;
}

QString RemoteControl::nextFlash() const
{
    const QDateTime due = m_window ? m_window->flashRun().nextFlashDue() : QDateTime();
    if (!due.isValid())
        return {};
    const QDateTime local = due.toLocalTime();
    // To the millisecond: a script can time the flash against it.
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

void RemoteControl::Start()
{
    QTimer::singleShot(0, this, [this] { pressStartIf(false); });
}

void RemoteControl::Stop()
{
    QTimer::singleShot(0, this, [this] { pressStartIf(true); });
}

void RemoteControl::Toggle()
{
    QTimer::singleShot(0, this, [this] { pressStartIf(isRunning()); });
}

void RemoteControl::pressStartIf(bool running)
{
    if (m_window && m_window->flashRun().isRunning() == running)
        m_window->flashRun().startStopClicked();
}

bool RemoteControl::refuseWithoutRun()
{
    if (isRunning())
        return false;
    sendErrorReply(QDBusError::Failed, tr("Flashing is not on; there is nothing to pause."));
    return true;
}

void RemoteControl::PauseFor(int minutes)
{
    if (minutes < 1 || minutes > RemoteCommand::MaxPauseMinutes) {
        sendErrorReply(
            QDBusError::InvalidArgs,
            tr("A pause lasts from 1 to %1 minutes.").arg(RemoteCommand::MaxPauseMinutes));
        return;
    }
    if (refuseWithoutRun())
        return;
    FlashRun& run = m_window->flashRun();
    run.pauseUntil(run.schedule().now().addSecs(qint64(minutes) * 60));
}

void RemoteControl::Resume()
{
    if (m_window)
        m_window->flashRun().resumeNow();
}

void RemoteControl::AddPictures(const QStringList& paths)
{
    // The caller's working folder is not ours: only whole paths are taken.
    // The library then checks each file as it checks a drop.
    QStringList absolute;
    for (const QString& path : paths)
        if (QDir::isAbsolutePath(path))
            absolute << QDir::cleanPath(path);
    if (absolute.size() != paths.size()) {
        sendErrorReply(QDBusError::InvalidArgs, tr("Pictures must be given with their full path."));
        return;
    }
    QTimer::singleShot(0, this, [this, absolute] {
        if (m_window)
            m_window->libraryEditor().addDropped(absolute);
    });
}

QVariantMap RemoteControl::properties() const
{
    return {{QStringLiteral("Running"), isRunning()},
            {QStringLiteral("PauseReasons"), pauseReasons()},
            {QStringLiteral("NextFlash"), nextFlash()}};
}

// Tells watchers what changed with the run's state or its pauses. The next
// flash time moves on with every flash; it is announced only when a start,
// stop or pause changes it.
void RemoteControl::announceChanges()
{
    const QVariantMap now = properties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    m_announced = now;
    if (!m_published || changed.isEmpty())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal.setArguments({InterfaceName, changed, QStringList()});
    m_bus.send(signal);
}
