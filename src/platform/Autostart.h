// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether the desktop starts the program with the session. The answer is
// read from where the desktop looks each time it is asked, so it is true even
// after the user or another copy of the program changed it.
class Autostart
{
public:
    virtual ~Autostart() = default;
    virtual bool isOn() const = 0;
    // Returns an empty text when done, otherwise why it could not be done.
    virtual QString setOn(bool on) = 0;
};

// The running program's entry where every desktop looks (XdgAutostart).
Autostart& desktopAutostart();
