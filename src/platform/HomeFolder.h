// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The user's folders for settings and prepared pictures. Without a home
// folder (HOME unset, and no absolute XDG_CONFIG_HOME or XDG_CACHE_HOME) Qt
// would put them under the file system's root; then there are none, and the
// program keeps those things in memory for as long as it runs.
namespace HomeFolder
{

QString config(); // empty without a home folder
QString cache();  // empty without a home folder
// $XDG_STATE_HOME, or ~/.local/state (Qt 6.4 names no such folder); empty
// without a home folder.
QString state();

// What is kept only while the program runs, for standard error: the
// settings, the prepared pictures or both; empty when neither.
QString notice();

} // namespace HomeFolder
