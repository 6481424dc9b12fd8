// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

// Connects the program to the desktop. Where there is no display to connect
// to, Qt reports a missing platform plugin and aborts; the program says
// instead in one sentence what it needs and ends with status 1.
namespace DesktopSession
{

inline constexpr int NoDesktopStatus = 1;
extern const char NoDesktopMessage[];

// The application object, or no return at all when no display can be reached.
// Qt's messages while connecting are held back, and passed on once connected.
std::unique_ptr<QApplication> connect(int& argc, char** argv);

} // namespace DesktopSession
