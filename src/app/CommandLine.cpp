// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineParser>
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
        QStringLiteral("start"), tr("Starts minimised with the run on, as if Start were pressed."));
    parser.addOption(start);
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
        m_action = Action::Refuse;
        m_text = parser.errorText() + u'\n' + tr("Try '%1 --help'.").arg(program) + u'\n';
    } else if (parser.isSet(help)) {
        m_action = Action::Answer;
        m_text = parser.helpText();
    } else if (parser.isSet(versionOption)) {
        m_action = Action::Answer;
        m_text = QStringLiteral("zorvik-subliminal-images %1\n").arg(version);
    } else if (!parser.positionalArguments().isEmpty()) {
        // Nothing is opened from the command line; a stray word is a mistake.
        m_action = Action::Refuse;
        m_text = tr("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()) +
                 u'\n' + tr("Try '%1 --help'.").arg(program) + u'\n';
    } else {
        m_startsRun = parser.isSet(start);
    }
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
