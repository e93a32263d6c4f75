#pragma once

#include "RosterAddOn.h"

#include <QDialog>

#include <functional>
#include <memory>

class QWidget;
class RosterDocument;
class SkinChooser;

namespace Ui {
class BotDialog;
}

// Adds one bot to the end of the roster that the editor holds (AddScreen, AndroidAdd), or changes the bot in the
// editor's selected row or, with "Apply To All", gives every bot the same team, skill and skin while the names stay
// (EditBotScreen, AndroidEdit). Its name, captions, teams and checks come from the add-on and its format; a format
// without skins has no skin list. It refuses what the roster could not take and stays open with what was typed.
class BotDialog : public QDialog
{
    Q_OBJECT

public:
    static BotDialog *add(RosterDocument &document, QWidget *parent);
    // selectedRow tells the editor's selected row, or -1: Done writes to the row selected at that moment.
    static BotDialog *edit(RosterDocument &document, std::function<int()> selectedRow, QWidget *parent);
    ~BotDialog() override;

    // The add dialog, at every press of the editor's "&Add Bot": where the format says so, fills the team box
    // afresh and picks its first team and skin; the name and skill the user typed stay.
    void prepare();
    // The edit dialog: fills it from a row of the roster, or leaves its boxes empty for row -1.
    void fillFrom(int row);

Q_SIGNALS:
    // A bot was appended; the roster now has something to save.
    void botAdded();

private:
    BotDialog(RosterDocument &document, std::function<int()> selectedRow, QWidget *parent);
    void takeBot();

    std::unique_ptr<Ui::BotDialog> m_ui;
    RosterDocument &m_document;
    const RosterAddOn &m_addOn;
    // Empty for the add dialog.
    std::function<int()> m_selectedRow;
    SkinChooser *m_skins;
};
