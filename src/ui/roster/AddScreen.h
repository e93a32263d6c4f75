#pragma once

#include <QDialog>

#include <memory>

class EntryProfile;
class RosterDocument;
class SkinChooser;

namespace Ui {
class AddScreen;
}

// Adds one bot, with a name, team, skill and skin, to the end of the roster that the editor holds.
class AddScreen : public QDialog
{
    Q_OBJECT

public:
    AddScreen(const EntryProfile &profile, RosterDocument &document, QWidget *parent);
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
    const EntryProfile &m_profile;
    RosterDocument &m_document;
    SkinChooser *m_skins;
};
