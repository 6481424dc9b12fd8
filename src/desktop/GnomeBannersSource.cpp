// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/GnomeBannersSource.h"

// GLib's headers use "signals" as a name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace
{
constexpr const char* SchemaId = "org.gnome.desktop.notifications";
constexpr const char* Key = "show-banners";

// The schema, when it is installed and its key is the boolean we read.
GSettingsSchema* lookUpSchema(const QString& folder)
{
    GSettingsSchemaSource* source = nullptr;
    if (folder.isEmpty()) {
        source = g_settings_schema_source_get_default();
        if (source)
            g_settings_schema_source_ref(source);
    } else {
        source = g_settings_schema_source_new_from_directory(folder.toLocal8Bit().constData(),
                                                             nullptr, FALSE, nullptr);
    }
    if (!source)
        return nullptr;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, SchemaId, TRUE);
    g_settings_schema_source_unref(source);
    if (!schema)
        return nullptr;
    bool usable = false;
    if (g_settings_schema_has_key(schema, Key)) {
        GSettingsSchemaKey* key = g_settings_schema_get_key(schema, Key);
        usable =
            g_variant_type_equal(g_settings_schema_key_get_value_type(key), G_VARIANT_TYPE_BOOLEAN);
        g_settings_schema_key_unref(key);
    }
    if (!usable) {
        g_settings_schema_unref(schema);
        return nullptr;
    }
    return schema;
}
} // namespace

GnomeBannersSource::GnomeBannersSource(QString schemaFolder, QObject* parent)
    : PauseSource(parent), m_schemaFolder(std::move(schemaFolder))
{
}

GnomeBannersSource::~GnomeBannersSource()
{
    setWatching(false);
}

void GnomeBannersSource::setWatching(bool watching)
{
    if (!watching) {
        if (m_settings) {
            g_signal_handlers_disconnect_by_data(m_settings, this);
            g_object_unref(m_settings);
            m_settings = nullptr;
        }
        setActive(false);
        return;
    }
    if (m_settings)
        return;
    GSettingsSchema* schema = lookUpSchema(m_schemaFolder);
    if (!schema)
        return;
    m_settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    g_signal_connect(m_settings, "changed::show-banners", G_CALLBACK(&GnomeBannersSource::changed),
                     this);
    read();
}

void GnomeBannersSource::changed(GSettings*, const char*, void* source)
{
    static_cast<GnomeBannersSource*>(source)->read();
}

void GnomeBannersSource::read()
{
    setActive(m_settings && !g_settings_get_boolean(m_settings, Key));
}
