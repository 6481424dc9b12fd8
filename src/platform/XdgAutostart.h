// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Autostart.h"

// The XDG autostart entry, $XDG_CONFIG_HOME/autostart/<name>.desktop, which
// every desktop that follows the freedesktop.org rules reads at login. It
// starts the program with --start, so the run is on from the session's start.
class XdgAutostart final : public Autostart
{
public:
    // The entry starts this executable.
    explicit XdgAutostart(QString executable);

    bool isOn() const override;
    QString setOn(bool on) override;

    QString entryPath() const;
    // The entry's text; the executable's path is quoted as the desktop entry
    // rules ask, so a path with spaces or quotes still starts.
    QString entryText() const;

private:
    QString m_executable;
};
