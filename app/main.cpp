#include "AppSettings.h"
#include "CommandLine.h"
#include "MainScreen.h"
#include "Motion.h"
#include "Platform.h"
#include "ProgramVersion.h"
#include "QuickLaunch.h"
#include "RandomSource.h"
#include "Session.h"
#include "Translations.h"
#include "WindowMemory.h"
#include "WindowPlaces.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    if (!text.endsWith(u'\n'))
        std::fputc('\n', stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Trevlin"));
    QCoreApplication::setApplicationName(QStringLiteral("Trevlin"));
    QCoreApplication::setApplicationVersion(programVersion);

    // What only prints, and a start of the game without a window, need no display: the command line is read before
    // the window system is asked for.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine options = CommandLine::parse(arguments);
    if (options.ends) {
        // Read again once the language is known, so that the help and the messages are in it.
        QCoreApplication app(argc, argv);
        AppSettings settings(AppSettings::openUserStore());
        const Translations translations(Translations::choose(options.language, settings));
        options = CommandLine::parse(arguments);
        print(options.exitCode == 0 ? stdout : stderr, options.output);
        return options.exitCode;
    }
    if (!options.launch.isEmpty()) {
        QCoreApplication app(argc, argv);
        AppSettings settings(AppSettings::openUserStore());
        const Translations translations(Translations::choose(options.language, settings));
        const QuickLaunch::Outcome outcome = QuickLaunch::run(options.launch, settings, options.gameDir);
        print(outcome.exitCode == 0 ? stdout : stderr, outcome.message);
        return outcome.exitCode;
    }

    QApplication app(argc, argv);
    Platform::exitOnTerminationRequest(app);
    // Desktops match the window with its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trevlin.Trevlin"));
    app.setProperty(Motion::noAnimationsProperty, options.noAnimations);
    Session session;
    AppSettings settings(AppSettings::openUserStore());
    const QString language = Translations::choose(options.language, settings);
    const Translations translations(language);
    app.setProperty(Translations::languageProperty, language);
    WindowMemory windowMemory(settings, WindowPlaces::all());
    app.installEventFilter(&windowMemory);
    RandomSource random;
    MainScreen window(session, settings, random);
    window.show();
    window.startUp(options.gameDir);

    // The start-up benchmark measures the time to the first shown window: with this set, the program ends as soon
    // as the window has been shown.
    if (qEnvironmentVariableIsSet("TREVLIN_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
