// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"

void FakeTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    if (m_enabled)
        ++m_starts;
}

void FakeTimer::setEnabled(bool enabled)
{
    if (enabled && !m_enabled)
        ++m_starts;
    m_enabled = enabled;
}

bool FakeTimer::fire()
{
    if (!isRunning())
        return false;
    emit timeout();
    return true;
}

Timer* FakeTimerFactory::create(const QString& name, QObject* parent)
{
    auto* timer = new FakeTimer(parent);
    timer->setObjectName(name);
    m_timers << timer;
    return timer;
}

FakeTimer* FakeTimerFactory::find(const QString& name) const
{
    for (auto it = m_timers.crbegin(); it != m_timers.crend(); ++it)
        if (*it && (*it)->objectName() == name)
            return *it;
    return nullptr;
}

MessageAnswer ScriptedDialogs::message(const QString& text, MessageIcon icon,
                                       MessageButtons buttons, const QString& title)
{
    messages << Message{text, icon, buttons, title, {}};
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::No : answers.dequeue();
}

void ScriptedDialogs::messageWithList(const QString& text, const QStringList& items,
                                      MessageIcon icon, const QString& title)
{
    messages << Message{text, icon, MessageButtons::Ok, title, items};
}

QStringList ScriptedDialogs::openFiles(const QString& title, const QString& filter,
                                       int selectedPair)
{
    fileRequests << FileRequest{title, filter, selectedPair};
    return chosenFiles.isEmpty() ? QStringList() : chosenFiles.dequeue();
}

std::optional<QString> ScriptedDialogs::openFolder(const QString& title)
{
    fileRequests << FileRequest{title, {}, 0};
    return chosenFolders.isEmpty() ? std::nullopt : chosenFolders.dequeue();
}

QString MemorySettingsStore::path(const QString& application, const QString& section,
                                  const QString& key)
{
    return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QString MemorySettingsStore::read(const QString& application, const QString& section,
                                  const QString& key)
{
    return values.value(path(application, section, key));
}

void MemorySettingsStore::write(const QString& application, const QString& section,
                                const QString& key, const QString& value)
{
    values.insert(path(application, section, key), value);
    writes << key;
}

double ScriptedRandom::next()
{
    ++draws;
    return values.isEmpty() ? m_generator.next() : values.dequeue();
}

TestServices::TestServices()
    : services{timers,
               dialogs,
               settings,
               clock,
               random,
               shell,
               screen,
               instance,
               monitors,
               pause,
               {folder.path(), QStringLiteral("zorvik-subliminal-images"),
                folder.filePath(QStringLiteral("state"))}}
{
    monitors.current = {{QRect(0, 0, 1024, 768)}, 0, QPoint(512, 384)};
}
