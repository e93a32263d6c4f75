#pragma once

#include "AddOnInstall.h"
#include "BotCatalogue.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

class AddOnControls;
class AppSettings;
class QMenu;
class QWidget;
class Session;
class SetUpAddOn;

// What the main window offers to make a game folder fresh from its install playable: the File menu's "Set Up An
// Add-on…" and "Start the game directly", the same setup from an add-on's buttons (their context menu, and a
// status text over one that is greyed out), and the setup dialog, one at a time.
class SetUpEntries : public QObject
{
    Q_OBJECT

public:
    // The entries go at the end of fileMenu.
    SetUpEntries(Session &session, AppSettings &settings, const AddOnControls &addOns, QMenu *fileMenu,
                 QWidget *window);

    // Opens the setup dialog, with addOn and the libraries preselected chosen at first, once the folder holds the
    // game's own descriptor (offering to keep it first).
    void open(std::optional<BotType> addOn = std::nullopt, const QStringList &preselected = {});

    // The status line's text over control: why a greyed-out add-on cannot be chosen and how to set it up.
    std::optional<QString> statusText(const QWidget *control) const;
    bool startsDirectly() const;

Q_SIGNALS:
    // The game's own descriptor was kept just now: the folder is set up.
    void descriptorKept();
    void addOnSetUp(BotType type);
    // An add-on was installed from its archive: which add-ons the folder holds may have changed.
    void addOnsChanged();
    // type was uninstalled; its prepared liblist.gam may have gone with it.
    void addOnUninstalled(BotType type);

protected:
    // An add-on's button, greyed out or not, offers its setup (and its uninstall) on a right click: a greyed-out
    // button has no context menu of its own, and hands the click on to nothing.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Tells the user to choose the game folder first when there is none.
    bool hasGameDir() const;
    AddOnInstall::Folders folders() const;
    void installFromArchive();
    void uninstall(BotType type);
    Session &m_session;
    AppSettings &m_settings;
    const AddOnControls &m_addOns;
    QWidget *m_window;
    QPointer<SetUpAddOn> m_dialog;
};
