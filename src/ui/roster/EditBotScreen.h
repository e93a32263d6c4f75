#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class EntryProfile;
class RosterDocument;
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
    // selectedRow tells the editor's selected row, or -1: Done writes to the row selected at that moment.
    EditBotScreen(const EntryProfile &profile, RosterDocument &document, std::function<int()> selectedRow,
                  QWidget *parent);
    ~EditBotScreen() override;

    // Fills the dialog from a row of the roster, or leaves its boxes empty for row -1. The add-ons with and without
    // "Auto Select" among their teams (init_editbotscreen_auto and _noauto) differ only in their profile's skins.
    void fillFrom(int row);

private:
    void editBot();

    std::unique_ptr<Ui::EditBotScreen> m_ui;
    const EntryProfile &m_profile;
    RosterDocument &m_document;
    std::function<int()> m_selectedRow;
    SkinChooser *m_skins;
};
