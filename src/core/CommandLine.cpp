#include "CommandLine.h"

#include "ProgramVersion.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Trevlin starts Counter-Strike with a bot add-on of your choice and edits the "
                                        "add-ons' bot rosters and options."));
    // Qt's own options (-platform and the like) are not taken here: its environment variables serve instead.
    const QCommandLineOption help({u"h"_s, u"help"_s}, tr("Shows this help."));
    const QCommandLineOption version(u"version"_s, tr("Shows the program's version and Qt's."));
    const QCommandLineOption gameDir(u"game-dir"_s,
                                     tr("Uses this Counter-Strike folder (the one holding cstrike.ico) for this run, "
                                        "without changing the folder remembered in the settings."),
                                     tr("path"));
    const QCommandLineOption launch(u"launch"_s,
                                    tr("Starts the game with this add-on (for example RamBot, or \"Original CS\" for "
                                       "none) without showing the window."),
                                    tr("add-on"));
    const QCommandLineOption noAnimations(u"no-animations"_s, tr("Shows pictures at once, without moving effects."));
    const QCommandLineOption language(u"lang"_s,
                                      tr("Shows the texts in this language for this run: %1.")
                                          .arg(Translations::codes().join(u", "_s)),
                                      tr("code"));
    parser.addOptions({help, version, gameDir, launch, noAnimations, language});

    // Without a running application the parser cannot know the program's name; with one, it shows the path the
    // program was started by.
    const auto helpText = [&parser, &arguments] {
        const QString name = QFileInfo(arguments.value(0)).fileName();
        QString text = parser.helpText().replace(u"<executable_name>"_s, name);
        const qsizetype path = text.indexOf(arguments.value(0));
        if (!arguments.value(0).isEmpty() && path >= 0 && path < text.indexOf(u'\n'))
            text.replace(path, arguments.value(0).size(), name);
        return text;
    };
    CommandLine result;
    const bool parsed = parser.parse(arguments);
    // The language counts even beside a wrong option, so that the message about it is in that language.
    if (parser.isSet(language))
        result.language = Translations::match(parser.value(language));
    if (!parsed) {
        result.ends = true;
        result.exitCode = 2;
        result.output = parser.errorText() + u"\n\n"_s + helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.ends = true;
        result.exitCode = 2;
        result.output
            = tr("Unexpected argument: %1").arg(parser.positionalArguments().constFirst()) + u"\n\n"_s + helpText();
        return result;
    }
    if (parser.isSet(language) && result.language.isEmpty()) {
        result.ends = true;
        result.exitCode = 2;
        result.output = tr("Trevlin has no texts in \"%1\"; it has %2.")
                            .arg(parser.value(language), Translations::codes().join(u", "_s));
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
