#pragma once

#include "RosterAddOn.h"

#include <QDialog>

#include <memory>

class RandomSource;
class Session;
class RosterDocument;
class SkinChooser;

namespace Ui {
class AddMultiple;
}

// Appends several bots at once (AddMultiple, AndroidMultiple), their names drawn at random from the name list
// "TRNames.txt" in the game folder, each name at most once; skill, team and skin are given or drawn for each bot.
// A format without skins has no skin list.
class AddMultiple : public QDialog
{
    Q_OBJECT

public:
    // The name list is looked for in the session's game folder of the moment a button is pressed.
    AddMultiple(const Session &session, RosterDocument &document, RandomSource &random, QWidget *parent);
    ~AddMultiple() override;

    // Where the format says so, fills the team box afresh and picks its first team, as every press of the editor's
    // "Add Multiple Bots" does.
    void prepare();

private:
    void setAutoSkill(bool checked);
    // "Edit Bot Names": the name list in the program the system has for it.
    void editBotNames();
    void addBots();

    std::unique_ptr<Ui::AddMultiple> m_ui;
    const Session &m_session;
    RosterDocument &m_document;
    const RosterAddOn &m_addOn;
    RandomSource &m_random;
    SkinChooser *m_skins;
};
