// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/PauseSource.h"

#include <QString>

struct _GSettings;

// GNOME's do-not-disturb: active while the key show-banners of the settings
// schema org.gnome.desktop.notifications is false, followed through the
// settings' "changed" signal (GLib's main context runs in Qt's event loop).
// Where that schema is not installed, or its key is not a boolean, the source
// stays clear: GSettings would abort the program otherwise.
class GnomeBannersSource final : public PauseSource
{
    Q_OBJECT
public:
    // schemaFolder: look the schema up only there (tests); empty: where GLib looks.
    explicit GnomeBannersSource(QString schemaFolder = {}, QObject* parent = nullptr);
    ~GnomeBannersSource() override;

    void setWatching(bool watching) override;

private:
    static void changed(_GSettings* settings, const char* key, void* source);
    void read();

    QString m_schemaFolder;
    _GSettings* m_settings = nullptr;
};
