#include "CommandLine.h"

#include "ProgramVersion.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Trevlin starts Counter-Strike with a bot add-on of your choice and edits the "
                                     "add-ons' bot rosters and options."_s);
    // Qt's own options (-platform and the like) are not taken here: its environment variables serve instead.
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help."_s);
    const QCommandLineOption version(u"version"_s, u"Shows the program's version and Qt's."_s);
    const QCommandLineOption gameDir(u"game-dir"_s,
                                     u"Uses this Counter-Strike folder (the one holding cstrike.ico) for this run, "
                                     "without changing the folder remembered in the settings."_s,
                                     u"path"_s);
    const QCommandLineOption launch(u"launch"_s,
                                    u"Starts the game with this add-on (for example RamBot, or \"Original CS\" for "
                                    "none) without showing the window."_s,
                                    u"add-on"_s);
    const QCommandLineOption noAnimations(u"no-animations"_s, u"Shows pictures at once, without moving effects."_s);
    parser.addOptions({help, version, gameDir, launch, noAnimations});

    // Without a running application the parser cannot know the program's name.
    const auto helpText = [&parser, &arguments] {
        return parser.helpText().replace(u"<executable_name>"_s, QFileInfo(arguments.value(0)).fileName());
    };
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.ends = true;
        result.exitCode = 2;
        result.output = parser.errorText() + u"\n\n"_s + helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.ends = true;
        result.exitCode = 2;
        result.output = u"Unexpected argument: %1\n\n"_s.arg(parser.positionalArguments().constFirst()) + helpText();
        return result;
    }
    if (parser.isSet(help)) {
        result.ends = true;
        result.output = helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.ends = true;
        result.output = u"Trevlin %1\nQt %2\n"_s.arg(programVersion, QString::fromLatin1(qVersion()));
        return result;
    }
    result.gameDir = parser.value(gameDir);
    result.launch = parser.value(launch);
    result.noAnimations = parser.isSet(noAnimations);
    return result;
}
