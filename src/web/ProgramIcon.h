#pragma once

#include <QPixmap>

// The program's 32 by 32 icon, as the About box and the exit screen show it.
namespace ProgramIcon
{
QPixmap picture();
}
