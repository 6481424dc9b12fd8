#pragma once

#include <QString>

class SettingsStore;

// Which monitor the pictures are shown on.
enum class ShowPicturesOn {
    Primary, // the primary monitor, as ever
    Pointer, // the monitor with the mouse pointer
    Each,    // each monitor in turn
};

// The choice of monitor in the settings file, in a section of its own beside
// the four display settings.
class MonitorSetting
{
public:
    static const QString Section; // "display"
    static const QString Key;     // "ShowPicturesOn"

    MonitorSetting(SettingsStore& store, const QString& application);

    // Primary when nothing, or nothing known, is stored.
    ShowPicturesOn load() const;
    void save(ShowPicturesOn choice);

    static QString toText(ShowPicturesOn choice);

private:
    SettingsStore& m_store;
    QString m_application;
};
