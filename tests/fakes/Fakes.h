// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeMonitors.h"
#include "FakePauseWatch.h"
#include "platform/Services.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A timer that fires only when a test says so.
class FakeTimer final : public Timer
{
    Q_OBJECT
public:
    using Timer::Timer;
    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }

    // Fires once if the timer is running; returns whether it fired.
    bool fire();
    // How many times a fresh period was started.
    int starts() const { return m_starts; }

private:
    int m_interval = 0;
    bool m_enabled = false;
    int m_starts = 0;
};

class FakeTimerFactory final : public TimerFactory
{
public:
    Timer* create(const QString& name, QObject* parent) override;
    // The newest live timer of that name.
    FakeTimer* find(const QString& name) const;

private:
    QList<QPointer<FakeTimer>> m_timers;
};

class ScriptedDialogs final : public Dialogs
{
public:
    struct Message {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        QString title;
        QStringList items; // the list under the text, if any
    };
    struct FileRequest {
        QString title;
        QString filter;
        int selectedPair;
    };

    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons,
                          const QString& title) override;
    void messageWithList(const QString& text, const QStringList& items, MessageIcon icon,
                         const QString& title) override;
    void notice(const QString& text, const QStringList& items, MessageIcon icon,
                const QString& title) override
    {
        notices << Message{text, icon, MessageButtons::Ok, title, items};
        noticeOpen = true;
    }
    bool isNoticeOpen() const override { return noticeOpen; }
    QStringList openFiles(const QString& title, const QString& filter, int selectedPair) override;
    std::optional<QString> openFolder(const QString& title) override;
    std::optional<QString> saveFile(const QString& title, const QString&, const QString&) override
    {
        fileRequests << FileRequest{title, {}, 0};
        return chosenFolders.isEmpty() ? std::nullopt : chosenFolders.dequeue();
    }
    std::optional<QColor> pickColour(const QString&, const QColor&) override
    {
        return chosenColours.isEmpty() ? std::nullopt : std::optional(chosenColours.dequeue());
    }

    QQueue<MessageAnswer> answers;                // Yes/No answers; default No
    QQueue<QColor> chosenColours;                 // default: cancel
    QQueue<QStringList> chosenFiles;              // default: cancel
    QQueue<std::optional<QString>> chosenFolders; // and files to save; default: cancel
    QList<Message> messages;
    QList<Message> notices;
    bool noticeOpen = false; // from a notice until the test closes it
    QList<FileRequest> fileRequests;
};

class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString& application, const QString& section, const QString& key) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;

    QHash<QString, QString> values; // "application/section/key" -> value
    QStringList writes;             // keys in the order written
    static QString path(const QString& application, const QString& section, const QString& key);
};

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return time; }
    void onJump(QObject* context, std::function<void()> jumped) override
    {
        m_watchers.append({context, std::move(jumped)});
    }
    // Tells the watchers that the clock leapt (set it first).
    void jump()
    {
        for (const auto& [context, jumped] : std::as_const(m_watchers))
            if (context)
                jumped();
    }
    QDateTime time = QDateTime(QDate(2026, 12, 8), QTime(10, 0));

private:
    QList<std::pair<QPointer<QObject>, std::function<void()>>> m_watchers;
};

// Gives scripted values first, then seeded pseudo-random ones.
class ScriptedRandom final : public Random
{
public:
    double next() override;
    void seed(std::uint64_t value) override { m_generator.seed(value); }
    void seedFromClock() override { ++clockSeeds; }

    QQueue<double> values;
    int draws = 0;
    int clockSeeds = 0;

private:
    MersenneRandom m_generator;
};

class RecordingShell final : public Shell
{
public:
    void openWebAddress(const QString& address) override { opened << address; }
    QStringList opened;
};

class FakeScreen final : public Screen
{
public:
    QSize size() const override { return pixels; }
    double scaleFactor() const override { return 1.0; }
    bool composites() const override { return compositing; }
    QSize pixels{1024, 768};
    bool compositing = false;
};

class FakeInstanceIndicator final : public InstanceIndicator
{
public:
    bool anotherInstanceRunning() override { return another; }
    bool another = false;
};

// A complete set of fakes with a temporary program folder.
struct TestServices {
    TestServices();

    QTemporaryDir folder;
    FakeTimerFactory timers;
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    FixedClock clock;
    ScriptedRandom random;
    RecordingShell shell;
    FakeScreen screen;
    FakeInstanceIndicator instance;
    FakeMonitors monitors; // one 1024 × 768 monitor, as the fake screen
    FakePauseWatch pause;
    Services services;

    QString programFolder() const { return services.program.folder; }
    QString copiesFolder() const { return programFolder() + QStringLiteral("/SystemFolder"); }
    QString listFile() const { return programFolder() + QStringLiteral("/record.txt"); }
};
