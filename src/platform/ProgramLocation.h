// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program keeps its library, and the name that addresses its settings.
struct ProgramLocation {
    // The folder of the library, without a trailing separator: the executable's
    // folder, or for a system install the user's data folder.
    QString folder;
    QString applicationName; // the executable's base name
    // Where the program keeps what it notes for the user alone (the record
    // of pictures shown): $XDG_STATE_HOME/<applicationName>. Empty: nothing
    // is kept.
    QString stateFolder;
};
