// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProgramLocation.h"

#include <QString>

// Where the picture list and the copies live. A program folder that already
// holds them, or one the user may write to (a build, a per-user or portable
// install), keeps them beside the executable. A system install, whose program
// folder under /usr belongs to the package manager, keeps them in the user's
// data folder instead; that folder is made by the first add, as the copies
// folder is.
namespace LibraryLocation
{

// Both folders without a trailing separator.
QString choose(const QString& programFolder, const QString& dataFolder);

// The per-user data folder: $XDG_DATA_HOME/zorvik-subliminal-images
// (~/.local/share/zorvik-subliminal-images).
QString userDataFolder();

// The library folder and settings name of the running executable.
ProgramLocation ofRunningProgram();

} // namespace LibraryLocation
