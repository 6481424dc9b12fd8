// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RemoteControl.h"

#include "RemoteControlAdaptor.h"

#include "app/LibraryEditor.h"
#include "app/RemoteCommand.h"
#include "core/FlashRun.h"
#include "core/Session.h"
#include "desktop/BusInBackground.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QTimer>

const QString RemoteControl::ServiceName = QStringLiteral("example.zorvik.SubliminalImages");
const QString RemoteControl::ObjectPath = QStringLiteral("/example/zorvik/SubliminalImages");
const QString RemoteControl::InterfaceName = QStringLiteral("example.zorvik.SubliminalImages");
const QString RemoteControl::RefusedError =
    QStringLiteral("example.zorvik.SubliminalImages.Error.Refused");
const QString RemoteControl::NotAddedError =
    QStringLiteral("example.zorvik.SubliminalImages.Error.NotAdded");

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

RemoteControl::RemoteControl(Session& session, Dialogs& dialogs, QObject* parent)
    : QObject(parent), m_session(&session), m_notice(dialogs)
{
    new RemoteControlAdaptor(this);
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(SettleMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &RemoteControl::settle);
    FlashRun& run = session.run();
    connect(&run, &FlashRun::stateChanged, this, &RemoteControl::announceChanges);
    connect(&run, &FlashRun::scheduleChanged, this, &RemoteControl::announceChanges);
    connect(&session, &Session::currentSetChanged, this, &RemoteControl::announceChanges);
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
    if (!bus.isConnected() ||
        !bus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors))
        return;
    m_bus = bus;
    m_published = true;
}

bool RemoteControl::isRunning() const
{
    return m_session && m_session->run().isRunning();
}

QStringList RemoteControl::pauseReasons() const
{
    QStringList names;
    if (!m_session)
        return names;
    const PauseReasons reasons = m_session->run().pauseReasons();
    for (const auto& [reason, name] : ReasonNames)
        if (reasons.testFlag(reason))
            names << QString::fromLatin1(name);
    return names;
}

QString RemoteControl::currentSet() const
{
    return m_session ? m_session->currentSet() : QString();
}

QString RemoteControl::nextFlash() const
{
    const QDateTime due = m_session ? m_session->run().nextFlashDue() : QDateTime();
    if (!due.isValid())
        return {};
    const QDateTime local = due.toLocalTime();
    // To the millisecond: a script can time the flash against it.
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

void RemoteControl::Start()
{
    wantRunning(true);
}

void RemoteControl::Stop()
{
    wantRunning(false);
}

void RemoteControl::Toggle()
{
    // From the state the burst so far asks for, not the one still shown.
    wantRunning(!m_wantsRunning.value_or(isRunning()));
}

// Notes the state asked for; the caller is answered once the burst settles.
void RemoteControl::wantRunning(bool running)
{
    m_wantsRunning = running;
    if (calledFromDBus()) {
        setDelayedReply(true);
        m_waitingForSettle << message();
    }
    if (!m_settleTimer.isActive())
        m_settleTimer.start();
}

void RemoteControl::settle()
{
    if (!m_session || !m_wantsRunning)
        return;
    const bool running = *std::exchange(m_wantsRunning, std::nullopt);
    const Outcome outcome = running ? m_session->start() : m_session->stop();
    if (!outcome.isDone())
        m_notice.refused(outcome.refusal);
    const QList<QDBusMessage> waiting = std::exchange(m_waitingForSettle, {});
    for (const QDBusMessage& call : waiting)
        answer(call, outcome);
}

void RemoteControl::answer(const QDBusMessage& call, const Outcome& outcome)
{
    m_bus.send(outcome.isDone() ? call.createReply()
                                : call.createErrorReply(RefusedError, outcome.refusal));
}

void RemoteControl::PauseFor(int minutes)
{
    if (minutes < 1 || minutes > RemoteCommand::MaxPauseMinutes) {
        sendErrorReply(
            QDBusError::InvalidArgs,
            tr("A pause lasts from 1 to %1 minutes.").arg(RemoteCommand::MaxPauseMinutes));
        return;
    }
    if (!m_session)
        return;
    if (const Outcome outcome = m_session->pauseFor(minutes); !outcome.isDone())
        sendErrorReply(QDBusError::Failed, outcome.refusal);
}

void RemoteControl::Resume()
{
    if (m_session)
        m_session->resume();
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
    if (!m_session)
        return;
    // Answered once these pictures are in, after any add that was on.
    std::optional<QDBusMessage> call;
    if (calledFromDBus()) {
        setDelayedReply(true);
        call = message();
    }
    const Outcome outcome = m_session->addPictures(
        absolute, [self = QPointer(this), call](const PictureBatch::Summary& summary, int total) {
            if (self)
                self->added(call, summary, total);
        });
    if (outcome.isDone())
        return;
    m_notice.refused(outcome.refusal);
    if (call)
        answer(*call, outcome);
}

void RemoteControl::AddMessages(const QStringList& messages)
{
    if (!m_session)
        return;
    if (const Outcome outcome = m_session->addMessages(messages); !outcome.isDone()) {
        m_notice.refused(outcome.refusal);
        sendErrorReply(QDBusError::InvalidArgs, outcome.refusal);
    }
}

void RemoteControl::ChooseSet(const QString& name)
{
    if (!m_session)
        return;
    QStringList leftOut;
    if (const Outcome outcome = m_session->chooseSet(name, &leftOut); !outcome.isDone()) {
        m_notice.refused(outcome.refusal);
        sendErrorReply(QDBusError::InvalidArgs, outcome.refusal);
    }
}

void RemoteControl::added(const std::optional<QDBusMessage>& call,
                          const PictureBatch::Summary& summary, int total)
{
    m_notice.added(summary, total);
    if (!call)
        return;
    // Files of a folder that are no pictures are left out quietly, as
    // pictures already listed are; anything else is the caller's to know.
    const bool complete =
        summary.refused.isEmpty() && !summary.cancelled && summary.added + summary.duplicates > 0;
    if (complete) {
        m_bus.send(call->createReply());
        return;
    }
    const LibraryEditor::AddReport report = LibraryEditor::describeAdd(summary, total);
    QStringList lines{report.text};
    lines << report.refused;
    m_bus.send(call->createErrorReply(NotAddedError, lines.join(u'\n')));
}

QVariantMap RemoteControl::properties() const
{
    return {{QStringLiteral("Running"), isRunning()},
            {QStringLiteral("PauseReasons"), pauseReasons()},
            {QStringLiteral("NextFlash"), nextFlash()},
            {QStringLiteral("CurrentSet"), currentSet()}};
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
