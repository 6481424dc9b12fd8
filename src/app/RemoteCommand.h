// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// A command for the copy of the program that is already running, given on a
// second launch's command line (so that a desktop's key binding can start,
// stop or pause a run) and handed over on the session bus.
struct RemoteCommand {
    Q_DECLARE_TR_FUNCTIONS(RemoteCommand)

public:
    enum class Kind { None, Start, Stop, Toggle, PauseFor, Resume };
    // A week: anything longer is surely a slip of the finger.
    static constexpr int MaxPauseMinutes = 7 * 24 * 60;

    Kind kind = Kind::None;
    int minutes = 0;            // how long PauseFor pauses
    QStringList pictures;       // absolute paths, added before the command runs
    QStringList messages;       // added before the command runs
    std::optional<QString> set; // chosen before the command runs; "" the whole list

    bool isEmpty() const
    {
        return kind == Kind::None && pictures.isEmpty() && messages.isEmpty() && !set;
    }

    enum class Delivery {
        Delivered,
        NotRunning, // no copy of the program answers on the session bus
        Failed,     // it answered with an error, or not in time
    };
    // Sends the pictures and waits until they are in, then the messages, then
    // the command. On
    // failure (no answer, a refusal, a picture that could not be added),
    // error says why.
    Delivery send(QString& error) const;
};
