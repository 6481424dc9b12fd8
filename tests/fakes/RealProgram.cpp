// SPDX-License-Identifier: GPL-3.0-or-later
#include "RealProgram.h"

#include <QFile>

RealProgram::RealProgram()
{
    const QString target = m_folder.filePath(QStringLiteral("zorvik-subliminal-images"));
    QFile::copy(QStringLiteral(ZORVIK_EXECUTABLE), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

RealProgram::~RealProgram()
{
    for (QProcess* process : std::as_const(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }
}

QProcess* RealProgram::start(QProcessEnvironment extra)
{
    auto* process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(extra);
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(m_folder.filePath(QStringLiteral("zorvik-subliminal-images")), {});
    process->waitForStarted();
    m_processes << process;
    return process;
}

QString XTool::run(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QStringList XTool::windowsNamed(const QString& pattern)
{
    return run({"search", "--onlyvisible", "--name", pattern}).split('\n', Qt::SkipEmptyParts);
}

QStringList XTool::windowsOf(qint64 pid)
{
    return run({"search", "--onlyvisible", "--pid", QString::number(pid)})
        .split('\n', Qt::SkipEmptyParts);
}

QString XTool::windowName(const QString& id)
{
    return run({"getwindowname", id});
}

void XTool::close(const QString& id)
{
    // Through the window manager, as its close box does.
    QProcess::execute(QStringLiteral("wmctrl"), {"-i", "-c", id});
}
