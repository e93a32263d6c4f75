#pragma once

#include <QDialog>

#include <memory>

class EntryProfile;
class RandomSource;
class RosterDocument;
class SkinChooser;

namespace Ui {
class AddMultiple;
}

// Appends several bots at once, their names drawn at random from the name list in the game folder, each name at
// most once; skill, team and skin are given or drawn for each bot.
class AddMultiple : public QDialog
{
    Q_OBJECT

public:
    // The name list is looked for in gameDir.
    AddMultiple(const QString &gameDir, const EntryProfile &profile, RosterDocument &document, RandomSource &random,
                QWidget *parent);
    ~AddMultiple() override;

    // Fills the team box afresh and picks its first team, as every press of the editor's "Add Multiple Bots" does.
    void prepare();

private:
    void setAutoSkill(bool checked);
    void editBotNames();
    void addBots();

    std::unique_ptr<Ui::AddMultiple> m_ui;
    const QString m_gameDir;
    const EntryProfile &m_profile;
    RosterDocument &m_document;
    RandomSource &m_random;
    SkinChooser *m_skins;
};
