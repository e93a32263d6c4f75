#pragma once

#include "BotCatalogue.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

class QAction;
class QObject;
class QGridLayout;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

// The main window's controls of each choice, made from one table that holds their object names and captions: the
// option button (captioned with the choice's BotName), the edit button, the edit and update menu entries, and what
// goes with them, the caption of the add-on's roster editor and the status text over its edit button. The plain
// game has its option button alone. Every control starts disabled; finding the add-ons enables them.
class AddOnControls
{
    Q_DECLARE_TR_FUNCTIONS(AddOnControls)

public:
    struct Controls
    {
        QRadioButton *option = nullptr;
        QPushButton *edit = nullptr; // none, nor any entry, for the plain game
        QAction *editEntry = nullptr;
        QAction *updateEntry = nullptr;
        QString editorCaption;
        QString editStatusText;
    };

    // The buttons go into grid, one choice a row, where the keyboard reaches them before what follows their frame
    // in window; the edit entries go into editMenu before before, the update entries at the end of updateMenu.
    AddOnControls(QWidget *window, QGridLayout *grid, QMenu *editMenu, QAction *before, QMenu *updateMenu);

    const Controls &of(BotType type) const { return m_controls[static_cast<std::size_t>(type)]; }
    // The add-on whose option or edit button control is; none for any other control and for the plain game.
    std::optional<BotType> addOnOf(const QObject *control) const;

private:
    std::array<Controls, 12> m_controls;
};
