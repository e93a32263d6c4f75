#include "AppSettings.h"
#include "AppState.h"
#include "MainScreen.h"
#include "Motion.h"
#include "ProgramVersion.h"
#include "RandomSource.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Trevlin"));
    QApplication::setApplicationName(QStringLiteral("Trevlin"));
    QApplication::setApplicationVersion(programVersion);
    // Until the program reads its command line as a whole, this one switch is looked for on its own.
    app.setProperty(Motion::noAnimationsProperty,
                    QCoreApplication::arguments().contains(QStringLiteral("--no-animations")));

    AppState state;
    AppSettings settings(AppSettings::openUserStore());
    RandomSource random;
    MainScreen window(state, settings, random);
    window.show();
    window.startUp();

    // The start-up benchmark measures the time to the first shown window: with this set, the program ends as soon
    // as the window has been shown.
    if (qEnvironmentVariableIsSet("TREVLIN_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
