#pragma once

#include "BotCatalogue.h"
#include "GameProcess.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class AddOnControls;
class AppSettings;
class AutostartFrame;
class DirSelect;
class RosterWindow;
class SetUpEntries;
class RandomSource;
class Session;
class Update;
struct LiblistInfo;

namespace Ui {
class MainScreen;
}

// The program's hub: the choice of add-on, what its descriptor says, the autostart file, play and exit, and the
// menus that open every other window.
class MainScreen : public QMainWindow
{
    Q_OBJECT

public:
    MainScreen(Session &session, AppSettings &settings, RandomSource &random, QWidget *parent = nullptr);
    ~MainScreen() override;

    // Reads the remembered game folder, or takes gameDir for this run, and brings the installed add-ons to life;
    // tells the user when the folder still has to be chosen.
    void startUp(const QString &gameDir = {});

    // Enables the controls of every add-on whose prepared liblist.gam lies in the game folder.
    void detectInstalledBots();

    // The play button: activates the add-on named and starts the game, unless the game it started runs still.
    void launch();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The exit button and the close box: asks an editor holding unsaved bots first, then ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpAutostartFrame();
    void setUpStatusTexts();
    void setUpAccessibility();
    // The status line's text for the control under the pointer, at global.
    void pointerAt(QWidget *over, QPoint global);
    // The game started from here has ended.
    void gameEnded(const GameProcess::Ending &ending);
    void connectControls();

    void choose(BotType type);
    void showLiblist(const LiblistInfo &info);
    // An edit button, or an edit menu entry (which for some add-ons leaves out the option layout).
    enum class EditControl { Button, MenuEntry };
    void editBots(BotType type, EditControl control);
    // A double click on the autostart file's name: its add-on's editor, ready to open it.
    void editAutostartFile(const QString &fileName);
    // A roster of botName was saved as savedFile.
    void refreshAutostart(const QString &botName, const QString &savedFile);
    void showDirSelect();
    // An add-on's prepared liblist.gam has just been written: it is enabled and chosen at once.
    void addOnSetUp(BotType type);
    void addOnUninstalled(BotType type);
    void showUpdate();

    std::unique_ptr<Ui::MainScreen> m_ui;
    Session &m_session;
    AppSettings &m_settings;
    RandomSource &m_random;
    std::unique_ptr<AddOnControls> m_addOns;
    AutostartFrame *m_autostart = nullptr;
    SetUpEntries *m_setUpEntries = nullptr;
    GameProcess *m_game;
    QString m_gameRunning; // what the status line says of the game while it runs
    QHash<QObject *, QString> m_statusTexts;
    QList<QObject *> m_statusKept; // controls that leave the status line as it is
    QPointer<DirSelect> m_dirSelect;
    QPointer<RosterWindow> m_editor;
    QPointer<Update> m_update;
};
