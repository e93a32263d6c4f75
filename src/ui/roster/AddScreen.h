#pragma once

#include <QDialog>

#include <memory>

struct AppState;
class EntryProfile;
class Roster;
class SkinChooser;

namespace Ui {
class AddScreen;
}

// Adds one bot, with a name, team, skill and skin, to the end of the roster that the editor holds.
class AddScreen : public QDialog
{
    Q_OBJECT

public:
    AddScreen(AppState &state, const EntryProfile &profile, Roster &roster, QWidget *parent);
    ~AddScreen() override;

    // Fills the team box afresh and picks its first team and skin, as every press of the editor's "&Add Bot" does;
    // the name and skill the user typed stay.
    void prepare();

Q_SIGNALS:
    // A bot was appended; the roster now has something to save.
    void botAdded();

private:
    void addBot();

    std::unique_ptr<Ui::AddScreen> m_ui;
    AppState &m_state;
    const EntryProfile &m_profile;
    Roster &m_roster;
    SkinChooser *m_skins;
};
