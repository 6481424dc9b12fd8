// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Preferences;

// The four display settings, as positions in their value lists.
struct DisplaySettings {
    int interval = 0; // position in intervalItems(): 0 is 2 seconds
    int duration = 0; // position in durationItems(): 0 is 20 ms
    int location = 0; // 0 a random place, 1 the centre of the screen
    int order = 0;    // 0 random order, 1 list order

    bool operator==(const DisplaySettings&) const = default;

    // The chosen values: the text of the chosen item as a whole number (0
    // when nothing is chosen), and the two options.
    int intervalSeconds() const;
    int durationMilliseconds() const;
    bool randomLocation() const { return location == 0; }
    bool randomOrder() const { return order == 0; }

    static QStringList intervalItems(); // "2", "5", "10" … "120"
    static QStringList durationItems(); // "20" … "5000"

    // Loads from the settings file. Nothing stored under the interval key means
    // nothing was ever saved: all four keep their defaults. A value that is not
    // a whole number or lies outside its list falls back to that setting's
    // default alone.
    static DisplaySettings load(const Preferences& preferences);
    // Writes the four keys in order: interval, duration, location, order.
    void save(Preferences& preferences) const;
};
