// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own icon. picture(): the 32 by 32 picture the About box and
// the exit screen show.
namespace ProgramIcon
{
QPixmap picture();
// The icon for windows and the taskbar, in every size the program has.
QIcon windowIcon();
} // namespace ProgramIcon
