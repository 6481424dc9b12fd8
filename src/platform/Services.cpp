#include "platform/Services.h"

#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtTimer.h"

struct RealServices::Parts {
    QtTimerFactory timers;
    QtDialogs dialogs;
    QtSettingsStore settings;
    SystemClock clock;
    MersenneRandom random;
    DesktopShell shell;
    PrimaryScreen screen;
    std::unique_ptr<LockFileInstanceIndicator> instance;
};

RealServices::RealServices() : m_parts(std::make_unique<Parts>())
{
    m_services.program = ProgramLocation::ofRunningProgram();
    m_parts->instance =
        std::make_unique<LockFileInstanceIndicator>(m_services.program.applicationName);
    m_services.timers = &m_parts->timers;
    m_services.dialogs = &m_parts->dialogs;
    m_services.settings = &m_parts->settings;
    m_services.clock = &m_parts->clock;
    m_services.random = &m_parts->random;
    m_services.shell = &m_parts->shell;
    m_services.screen = &m_parts->screen;
    m_services.instance = m_parts->instance.get();
}

RealServices::~RealServices() = default;
