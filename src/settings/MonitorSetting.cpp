#include "settings/MonitorSetting.h"

#include "platform/SettingsStore.h"

const QString MonitorSetting::Section = QStringLiteral("display");
const QString MonitorSetting::Key = QStringLiteral("ShowPicturesOn");

MonitorSetting::MonitorSetting(SettingsStore& store, const QString& application)
    : m_store(store), m_application(application)
{
}

ShowPicturesOn MonitorSetting::load() const
{
    const QString text = m_store.read(m_application, Section, Key).trimmed();
    for (ShowPicturesOn choice : {ShowPicturesOn::Pointer, ShowPicturesOn::Each})
        if (text == toText(choice))
            return choice;
    return ShowPicturesOn::Primary;
}

void MonitorSetting::save(ShowPicturesOn choice)
{
    m_store.write(m_application, Section, Key, toText(choice));
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
