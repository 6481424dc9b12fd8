// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class Preferences;

// How a message is drawn. Kept in the settings file's section "messages".
struct MessageLook {
    enum class Size { Small, Medium, Large, Fit };
    enum class Edge { None, Outline, Shadow };

    QString font; // a family; empty for the desktop's own
    Size size = Size::Large;
    QColor colour = Qt::white;
    Edge edge = Edge::Outline;
    bool box = false; // drawn on a box of boxColour
    QColor boxColour = QColor(0x20, 0x20, 0x20);

    static MessageLook load(const Preferences& preferences);
    void save(Preferences& preferences) const;

    bool operator==(const MessageLook&) const = default;
};
