#pragma once

#include <QDialog>

#include <memory>

struct AppState;
class EntryProfile;
class QItemSelectionModel;
class Roster;
class SkinChooser;

namespace Ui {
class EditBotScreen;
}

// Changes the bot in the editor's selected row or, with "Apply To All", gives every bot the same team, skill and
// skin while the names stay.
class EditBotScreen : public QDialog
{
    Q_OBJECT

public:
    // selection is the editor's: Done writes to the row selected at that moment.
    EditBotScreen(AppState &state, const EntryProfile &profile, Roster &roster, const QItemSelectionModel &selection,
                  QWidget *parent);
    ~EditBotScreen() override;

    // Fill the dialog from a row of the roster, or leave its boxes empty for row -1: the first for the add-ons
    // whose teams include "Auto Select", the second for the others.
    void init_editbotscreen_auto(int row);
    void init_editbotscreen_noauto(int row);

private:
    void fill(int row);
    void editBot();

    std::unique_ptr<Ui::EditBotScreen> m_ui;
    AppState &m_state;
    const EntryProfile &m_profile;
    Roster &m_roster;
    const QItemSelectionModel &m_selection;
    SkinChooser *m_skins;
};
