// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ShowPicturesOn.h"

#include "preferences/Preferences.h"

namespace
{

QString toText(ShowPicturesOn choice)
{
    switch (choice) {
    case ShowPicturesOn::Pointer:
        return QStringLiteral("pointer");
    case ShowPicturesOn::Each:
        return QStringLiteral("each");
    case ShowPicturesOn::Primary:
        break;
    }
    return QStringLiteral("primary");
}

} // namespace

ShowPicturesOn loadShowPicturesOn(const Preferences& preferences)
{
    const QString text = preferences.text(Preference::ShowPicturesOn);
    for (ShowPicturesOn choice : {ShowPicturesOn::Pointer, ShowPicturesOn::Each})
        if (text == toText(choice))
            return choice;
    return ShowPicturesOn::Primary;
}

void saveShowPicturesOn(Preferences& preferences, ShowPicturesOn choice)
{
    preferences.setText(Preference::ShowPicturesOn, toText(choice));
}
