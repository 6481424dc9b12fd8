#include "settings/PausePreferences.h"

#include "platform/SettingsStore.h"

const QString PausePreferences::Section = QStringLiteral("pause");

namespace
{
constexpr PauseReason AllReasons[] = {PauseReason::ScreenLocked, PauseReason::FullscreenWindow,
                                      PauseReason::DoNotDisturb, PauseReason::ScreenShared,
                                      PauseReason::InCall};
}

PausePreferences::PausePreferences(SettingsStore& store, QString applicationName)
    : m_store(store), m_application(std::move(applicationName))
{
}

QString PausePreferences::keyFor(PauseReason reason)
{
    switch (reason) {
    case PauseReason::ScreenLocked:
        return QStringLiteral("WhenLocked");
    case PauseReason::FullscreenWindow:
        return QStringLiteral("WhenFullscreen");
    case PauseReason::DoNotDisturb:
        return QStringLiteral("WhenDoNotDisturb");
    case PauseReason::ScreenShared:
        return QStringLiteral("WhenScreenShared");
    case PauseReason::InCall:
        return QStringLiteral("WhenInCall");
    }
    return {};
}

void PausePreferences::load()
{
    for (PauseReason reason : AllReasons) {
        // Only an explicit "0" turns a kind off: pausing is the safe side.
        const QString value = m_store.read(m_application, Section, keyFor(reason)).trimmed();
        m_enabled.setFlag(reason, value != QLatin1String("0"));
    }
}

void PausePreferences::setPausesWhen(PauseReason reason, bool on)
{
    m_enabled.setFlag(reason, on);
    m_store.write(m_application, Section, keyFor(reason),
                  on ? QStringLiteral("1") : QStringLiteral("0"));
}
