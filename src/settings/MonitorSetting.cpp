#include "settings/MonitorSetting.h"

#include "settings/SettingsSection.h"

const QString MonitorSetting::Section = QStringLiteral("display");
const QString MonitorSetting::Key = QStringLiteral("ShowPicturesOn");

MonitorSetting::MonitorSetting(SettingsStore& store, const QString& application)
    : m_store(store), m_application(application)
{
}

ShowPicturesOn MonitorSetting::load() const
{
    const QString text = SettingsSection(m_store, m_application, Section).text(Key).trimmed();
    for (ShowPicturesOn choice : {ShowPicturesOn::Pointer, ShowPicturesOn::Each})
        if (text == toText(choice))
            return choice;
    return ShowPicturesOn::Primary;
}

void MonitorSetting::save(ShowPicturesOn choice)
{
    SettingsSection(m_store, m_application, Section).setText(Key, toText(choice));
}

QString MonitorSetting::toText(ShowPicturesOn choice)
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
