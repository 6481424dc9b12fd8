// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>

// Looks at the X server from outside, as a user's tools would.
namespace X11Tools
{

// Runs a tool and gives its output; empty when it fails.
inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The visible windows whose title matches the pattern; of one process when pid > 0.
inline QStringList windows(const QString& titlePattern, qint64 pid = 0)
{
    QStringList arguments{"search", "--all", "--onlyvisible"};
    if (pid > 0)
        arguments << "--pid" << QString::number(pid);
    arguments << "--name" << titlePattern;
    return run("xdotool", arguments).split('\n', Qt::SkipEmptyParts);
}

// Client windows from bottom to top, as the window manager stacks them.
inline QList<qulonglong> stacking()
{
    const QString line = run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    QList<qulonglong> ids;
    const qsizetype hash = line.indexOf('#');
    if (hash < 0)
        return ids;
    for (const QString& id : line.mid(hash + 1).split(',', Qt::SkipEmptyParts))
        ids << id.trimmed().toULongLong(nullptr, 16);
    return ids;
}

// The client window on top, or 0 while there is none (or no window manager yet).
inline qulonglong topWindow()
{
    const QList<qulonglong> stack = stacking();
    return stack.isEmpty() ? 0 : stack.constLast();
}

// The window the window manager has made active; 0 when none.
inline qulonglong activeWindow()
{
    const QString line = run("xprop", {"-root", "_NET_ACTIVE_WINDOW"});
    const qsizetype hash = line.indexOf('#');
    return hash < 0 ? 0 : line.mid(hash + 1).trimmed().toULongLong(nullptr, 16);
}

// Asks the window manager to make the window active, as a pager does (openbox
// may refuse an application's own request), and says whether it is. For
// QTRY_VERIFY: on a loaded machine a request that comes before openbox
// manages the window is lost, so each try asks again.
inline bool activated(qulonglong window)
{
    if (activeWindow() == window)
        return true;
    run("wmctrl", {"-i", "-a", QString::number(window)});
    return activeWindow() == window;
}

inline QString windowState(qulonglong window)
{
    return run("xprop", {"-id", QString::number(window), "_NET_WM_STATE"});
}

} // namespace X11Tools
