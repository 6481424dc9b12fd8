// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RemoteCommand.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Reads the command line before any window system is touched, so that --help
// and --version answer in a terminal without a desktop. Qt's own options
// (-platform, -display, -style ...) are let through for QApplication to take.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action {
        Run,    // start the program
        Answer, // print text on standard output and end with status 0
        Refuse, // print text on standard error and end with status 2
    };

    // The first argument is the program's path. Needs a QCoreApplication for
    // the usage line of the help text.
    CommandLine(const QStringList& arguments, const QString& version);

    Action action() const { return m_action; }
    QString text() const { return m_text; }
    // --start: the run is on from the start, as if Start were pressed (the
    // autostart entry starts the program so).
    bool startsRun() const { return m_command.kind == RemoteCommand::Kind::Start; }
    // What to hand to a copy already running: --start, --stop, --toggle,
    // --pause-for, --resume, picture files and --message texts. Empty for a
    // bare launch.
    const RemoteCommand& command() const { return m_command; }
    int exitStatus() const;

    // Prints the answer or the complaint where it belongs; returns the exit status.
    int respond() const;

private:
    Action m_action = Action::Run;
    QString m_text;
    RemoteCommand m_command;

    void refuse(const QString& complaint, const QString& program);
};
