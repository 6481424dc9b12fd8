// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// A bus that takes a connection and then never answers (a stopped daemon, a
// broken socket) would freeze the program: Qt itself connects to the session
// bus and waits on it when the first window is made. Before that, each bus is
// asked for a first answer; one that gives none in time is set aside for this
// run (its address replaced by one that fails at once), and what it would
// have told is not seen: what does not answer does not pause.
namespace StalledBuses
{

// Returns "session" and "system" for the buses set aside.
QStringList setAside(int withinMs = 500);

} // namespace StalledBuses
