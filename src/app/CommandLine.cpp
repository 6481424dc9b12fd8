// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace
{

// QGuiApplication's and QApplication's own options. They stay out of the help
// text, and those that take a value take the next argument with them.
const char* const QtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "qmljsdebugger",
    "display",
    "geometry",
    "name",
    "title",
    "session",
    "style",
    "stylesheet",
    "visual",
    "ncols",
    "fn",
    "font",
    "bg",
    "background",
    "fg",
    "foreground",
    "btn",
    "button",
    "im",
    "inputstyle",
};
const char* const QtFlags[] = {"reverse", "widgetcount", "nograb",     "dograb",
                               "sync",    "cmap",        "testability"};

} // namespace

CommandLine::CommandLine(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        //: To flash a picture: to show it for a moment (20 ms to 5 s), then hide it.
        tr("Flashes pictures of your choosing on the screen for a moment at a regular interval."));
    // Qt's options are words after one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would list Qt's options, which
    // process() alone prints, and process() exits on a wrong option with 1.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption start(
        QStringLiteral("start"),
        //: The run: the pictures flashed at the interval, from Start until Stop.
        tr("Starts minimised with the run on, as if Start were pressed."));
    parser.addOption(start);
    const QCommandLineOption stop(QStringLiteral("stop"),
                                  tr("Stops flashing in the program that is running."));
    parser.addOption(stop);
    const QCommandLineOption toggle(QStringLiteral("toggle"),
                                    tr("Starts flashing if it is off, stops it if it is on."));
    parser.addOption(toggle);
    const QCommandLineOption pauseFor(
        QStringLiteral("pause-for"),
        tr("Pauses flashing for the given number of minutes (1 to %1).")
            .arg(RemoteCommand::MaxPauseMinutes),
        tr("minutes"));
    parser.addOption(pauseFor);
    const QCommandLineOption resume(QStringLiteral("resume"),
                                    tr("Ends a pause for a while and flashes again."));
    parser.addOption(resume);
    const QCommandLineOption message(
        QStringLiteral("message"),
        tr("Adds a message of your own to the messages of the program that is running; give it "
           "once for each message."),
        tr("text"));
    parser.addOption(message);
    const QCommandLineOption set(
        QStringLiteral("set"),
        tr("Flashes the pictures of the set of that name from the next picture on; \"\" for the "
           "whole list."),
        tr("name"));
    parser.addOption(set);
    parser.addPositionalArgument(
        QStringLiteral("pictures"),
        tr("Picture files or folders to add to the list of the program that is running."),
        QStringLiteral("[pictures...]"));
    for (const char* name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = arguments.value(0);
    if (!parser.parse(arguments)) {
        refuse(parser.errorText(), program);
        return;
    }
    if (parser.isSet(help)) {
        m_action = Action::Answer;
        m_text = parser.helpText();
        return;
    }
    if (parser.isSet(versionOption)) {
        m_action = Action::Answer;
        m_text = QStringLiteral("zorvik-subliminal-images %1\n").arg(version);
        return;
    }
    const std::pair<const QCommandLineOption&, RemoteCommand::Kind> commands[] = {
        {start, RemoteCommand::Kind::Start},   {stop, RemoteCommand::Kind::Stop},
        {toggle, RemoteCommand::Kind::Toggle}, {pauseFor, RemoteCommand::Kind::PauseFor},
        {resume, RemoteCommand::Kind::Resume},
    };
    int given = 0;
    for (const auto& [option, kind] : commands)
        if (parser.isSet(option)) {
            m_command.kind = kind;
            ++given;
        }
    if (given > 1) {
        refuse(tr("Give only one of --start, --stop, --toggle, --pause-for and --resume."),
               program);
        return;
    }
    if (m_command.kind == RemoteCommand::Kind::PauseFor) {
        bool isNumber = false;
        const QString value = parser.value(pauseFor);
        m_command.minutes = value.toInt(&isNumber);
        if (!isNumber || m_command.minutes < 1 ||
            m_command.minutes > RemoteCommand::MaxPauseMinutes) {
            // One line: the mistake is plain, the whole help would bury it.
            m_action = Action::Refuse;
            m_text = tr("--pause-for takes a number of minutes from 1 to %1, not '%2'.")
                         .arg(RemoteCommand::MaxPauseMinutes)
                         .arg(value) +
                     u'\n';
            m_command = {};
            return;
        }
    }
    // The running program has another working folder: it gets whole paths.
    for (const QString& picture : parser.positionalArguments())
        m_command.pictures << QFileInfo(picture).absoluteFilePath();
    m_command.messages = parser.values(message);
    if (parser.isSet(set))
        m_command.set = parser.value(set);
}

void CommandLine::refuse(const QString& complaint, const QString& program)
{
    m_action = Action::Refuse;
    m_command = {};
    m_text = complaint + u'\n' + tr("Try '%1 --help'.").arg(program) + u'\n';
}

int CommandLine::exitStatus() const
{
    return m_action == Action::Refuse ? 2 : 0;
}

int CommandLine::respond() const
{
    if (m_action != Action::Run) {
        std::FILE* stream = m_action == Action::Answer ? stdout : stderr;
        std::fputs(m_text.toLocal8Bit().constData(), stream);
        std::fflush(stream);
    }
    return exitStatus();
}
