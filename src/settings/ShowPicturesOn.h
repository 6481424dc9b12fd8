// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Preferences;

// Which monitor the pictures are shown on, as the user chose it.
enum class ShowPicturesOn {
    Primary, // the primary monitor, as ever
    Pointer, // the monitor with the mouse pointer
    Each,    // each monitor in turn
};

// Kept in the settings file's own section "display", beside the four display
// settings, as "primary", "pointer" or "each". Primary when nothing, or
// nothing known, is stored.
ShowPicturesOn loadShowPicturesOn(const Preferences& preferences);
void saveShowPicturesOn(Preferences& preferences, ShowPicturesOn choice);
