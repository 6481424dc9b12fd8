// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The real executable, copied into a temporary program folder and started on
// the test's X display with its own settings and runtime folders.
class RealProgram
{
public:
    RealProgram();
    ~RealProgram();

    QString programFolder() const { return m_folder.path(); }
    QString configFolder() const { return m_config.path(); }
    QString runtimeFolder() const { return m_runtime.path(); }

    // Starts one more instance; the returned process stays owned here.
    QProcess* start(QProcessEnvironment extra = {});

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
    QList<QProcess*> m_processes;
};

// Small wrappers around xdotool, for looking at windows from outside.
namespace XTool
{
QString run(const QStringList& arguments);
// Ids of visible windows whose title matches the regular expression.
QStringList windowsNamed(const QString& pattern);
QStringList windowsOf(qint64 pid);
QString windowName(const QString& id);
// Asks the window manager to close the window, as its close box would.
void close(const QString& id);
} // namespace XTool
