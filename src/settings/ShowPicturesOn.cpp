// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ShowPicturesOn.h"

#include "settings/SettingsSection.h"

namespace
{

const QString Section = QStringLiteral("display");
const QString Key = QStringLiteral("ShowPicturesOn");

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

ShowPicturesOn loadShowPicturesOn(SettingsStore& store, const QString& application)
{
    const QString text = SettingsSection(store, application, Section).text(Key).trimmed();
    for (ShowPicturesOn choice : {ShowPicturesOn::Pointer, ShowPicturesOn::Each})
        if (text == toText(choice))
            return choice;
    return ShowPicturesOn::Primary;
}

void saveShowPicturesOn(SettingsStore& store, const QString& application, ShowPicturesOn choice)
{
    SettingsSection(store, application, Section).setText(Key, toText(choice));
}
