// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MessageLook.h"

#include "preferences/Preferences.h"

#include <QStringList>

#include <algorithm>

namespace
{

// The settings file's words, in the enumerations' order.
const QStringList SizeWords{"small", "medium", "large", "fit"};
const QStringList EdgeWords{"none", "outline", "shadow"};

} // namespace

MessageLook MessageLook::load(const Preferences& preferences)
{
    MessageLook look;
    look.font = preferences.text(Preference::MessageFont);
    look.size =
        Size(std::max<qsizetype>(0, SizeWords.indexOf(preferences.text(Preference::MessageSize))));
    look.colour = QColor(preferences.text(Preference::MessageColour));
    look.edge =
        Edge(std::max<qsizetype>(0, EdgeWords.indexOf(preferences.text(Preference::MessageEdge))));
    look.box = preferences.flag(Preference::MessageBox);
    look.boxColour = QColor(preferences.text(Preference::MessageBoxColour));
    return look;
}

void MessageLook::save(Preferences& preferences) const
{
    preferences.setText(Preference::MessageFont, font);
    preferences.setText(Preference::MessageSize, SizeWords.at(int(size)));
    preferences.setText(Preference::MessageColour, colour.name());
    preferences.setText(Preference::MessageEdge, EdgeWords.at(int(edge)));
    preferences.setFlag(Preference::MessageBox, box);
    preferences.setText(Preference::MessageBoxColour, boxColour.name());
}
