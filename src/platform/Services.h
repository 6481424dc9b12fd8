// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/InstanceIndicator.h"
#include "platform/Monitors.h"
#include "platform/PauseWatch.h"
#include "platform/ProgramLocation.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Timer.h"

// Everything the windows need from the outside world, always complete: the
// program hands in the real services, tests hand in fakes.
struct Services {
    TimerFactory& timers;
    Dialogs& dialogs;
    SettingsStore& settings;
    Clock& clock;
    Random& random;
    Shell& shell;
    Screen& screen;
    InstanceIndicator& instance;
    Monitors& monitors;
    PauseWatch& pause;
    ProgramLocation program;
    // Last, so that a test which never starts with the session need not name it.
    Autostart& autostart = desktopAutostart();
};
