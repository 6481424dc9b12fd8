// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RealServices.h"

#include "app/BusNameInstanceIndicator.h"
#include "app/RemoteControl.h"

#include "desktop/DesktopPauseWatch.h"
#include "library/LibraryLocation.h"
#include "platform/HomeFolder.h"
#include "platform/MemorySettings.h"
#include "platform/QtDialogs.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtTimer.h"

#include <cstdio>

namespace
{

// Without a home folder the settings live in memory, and the user hears so
// once: nothing is written under the file system's root.
std::unique_ptr<SettingsStore> settingsStore()
{
    if (const QString notice = HomeFolder::notice(); !notice.isEmpty())
        std::fputs(qPrintable(notice + u'\n'), stderr);
    if (!HomeFolder::config().isEmpty())
        return std::make_unique<QtSettingsStore>();
    return std::make_unique<MemorySettings>();
}

} // namespace

struct RealServices::Parts {
    Parts()
        : program(LibraryLocation::ofRunningProgram()), settings(settingsStore()),
          instance(RemoteControl::ServiceName, program.applicationName)
    {
        if (const QString state = HomeFolder::state(); !state.isEmpty())
            program.stateFolder = state + u'/' + program.applicationName;
    }

    ProgramLocation program;
    QtTimerFactory timers;
    QtDialogs dialogs;
    std::unique_ptr<SettingsStore> settings;
    SystemClock clock;
    MersenneRandom random;
    DesktopShell shell;
    PrimaryScreen screen;
    BusNameInstanceIndicator instance;
    ScreenMonitors monitors;
    DesktopPauseWatch pause;
};

RealServices::RealServices()
    : m_parts(std::make_unique<Parts>()), m_services{m_parts->timers,    m_parts->dialogs,
                                                     *m_parts->settings, m_parts->clock,
                                                     m_parts->random,    m_parts->shell,
                                                     m_parts->screen,    m_parts->instance,
                                                     m_parts->monitors,  m_parts->pause,
                                                     m_parts->program}
{
}

RealServices::~RealServices() = default;
