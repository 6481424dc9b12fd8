// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RealServices.h"

#include "desktop/DesktopPauseWatch.h"
#include "library/LibraryLocation.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtTimer.h"

struct RealServices::Parts {
    Parts() : program(LibraryLocation::ofRunningProgram()), instance(program.applicationName) {}

    ProgramLocation program;
    QtTimerFactory timers;
    QtDialogs dialogs;
    QtSettingsStore settings;
    SystemClock clock;
    MersenneRandom random;
    DesktopShell shell;
    PrimaryScreen screen;
    LockFileInstanceIndicator instance;
    ScreenMonitors monitors;
    DesktopPauseWatch pause;
};

RealServices::RealServices()
    : m_parts(std::make_unique<Parts>()), m_services{
                                              m_parts->timers, m_parts->dialogs,  m_parts->settings,
                                              m_parts->clock,  m_parts->random,   m_parts->shell,
                                              m_parts->screen, m_parts->instance, m_parts->monitors,
                                              m_parts->pause,  m_parts->program}
{
}

RealServices::~RealServices() = default;
