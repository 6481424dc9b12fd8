// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <functional>

// Passes messages on to another Dialogs, calling a hook first, so a test can
// look at the program's state while a message box would be open.
class ObservingDialogs final : public Dialogs
{
public:
    explicit ObservingDialogs(Dialogs& inner) : m_inner(inner) {}

    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) override
    {
        if (onMessage)
            onMessage(text);
        return m_inner.message(text, icon, buttons, title);
    }
    QStringList openFiles(const QString& title, const QString& filter, int selectedPair) override
    {
        return m_inner.openFiles(title, filter, selectedPair);
    }
    std::optional<QString> openFolder(const QString& title) override
    {
        return m_inner.openFolder(title);
    }
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& suggested) override
    {
        return m_inner.saveFile(title, filter, suggested);
    }
    std::optional<QColor> pickColour(const QString& title, const QColor& initial) override
    {
        return m_inner.pickColour(title, initial);
    }

    std::function<void(const QString&)> onMessage;

private:
    Dialogs& m_inner;
};

// Counts every access to another settings store.
class CountingSettingsStore final : public SettingsStore
{
public:
    explicit CountingSettingsStore(SettingsStore& inner) : m_inner(inner) {}

    QString read(const QString& application, const QString& section, const QString& key) override
    {
        ++reads;
        return m_inner.read(application, section, key);
    }
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override
    {
        ++writes;
        m_inner.write(application, section, key, value);
    }

    int reads = 0;
    int writes = 0;

private:
    SettingsStore& m_inner;
};
