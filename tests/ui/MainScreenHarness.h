#pragma once

#include "AppSettings.h"
#include "GameDirFixture.h"
#include "MainScreen.h"
#include "RandomSource.h"
#include "Session.h"
#include "Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QTest>

// A main window of its own for one test: its own game folder, settings file and session.
struct MainScreenHarness
{
    GameDirFixture game;
    std::unique_ptr<AppSettings> settings = game.makeSettings();
    Session session;
    RandomSource random;
    std::unique_ptr<MainScreen> window = std::make_unique<MainScreen>(session, *settings, random);

    // A folder that is set up with the given add-ons' prepared liblist.gam copies, remembered in the settings.
    void setUp(const QStringList &variantFiles)
    {
        game.makeSetUp();
        for (const QString &file : variantFiles) {
            const QString bot = file.section(u' ', 0, 0);
            game.write(file,
                       GameDirFixture::liblist({QStringLiteral("version \"1.5\""), QStringLiteral("hlversion \"1108\""),
                                                QStringLiteral("gamedll \"dlls\\%1.dll\"").arg(bot.toLower())}));
        }
        settings->setValue(AppSettings::Key::GameDir, game.gameDir());
        settings->setValue(AppSettings::Key::HalfLifeDir, game.halfLifeDir());
    }

    // A set-up folder as above, and the window shown and started as the program starts it.
    void start(const QStringList &variantFiles)
    {
        setUp(variantFiles);
        window->show();
        window->startUp();
    }

    // As start(), and the window made the active one, as it is for a user at the keyboard.
    bool startActive(const QStringList &variantFiles)
    {
        start(variantFiles);
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // The names of the enabled add-on buttons and menu entries (not the language menu), sorted.
    QStringList enabledAddOnControls() const
    {
        const QStringList alwaysThere{QStringLiteral("setUpAddOnAction"), QStringLiteral("installArchiveAction"),
                                      QStringLiteral("startDirectlyAction")};
        QStringList enabled;
        for (const QAbstractButton *button : find(QStringLiteral("Frame1"))->findChildren<QAbstractButton *>()) {
            if (button->isEnabled())
                enabled << button->objectName();
        }
        for (const QString &menu : {QStringLiteral("file"), QStringLiteral("updates")}) {
            for (const QAction *entry : find<QMenu>(menu)->actions()) {
                // Setting a folder up is offered whatever the folder holds.
                if (entry->isEnabled() && !entry->isSeparator() && !entry->menu()
                    && !alwaysThere.contains(entry->objectName()))
                    enabled << entry->objectName();
            }
        }
        enabled.sort();
        return enabled;
    }

    template<typename T = QWidget> T *find(const QString &name) const { return Widgets::child<T>(window.get(), name); }
    void press(const QString &name) const { Widgets::press(window.get(), name); }
};
