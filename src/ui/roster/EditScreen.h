#pragma once

#include "RosterOptions.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class AddMultiple;
class AddScreen;
struct AppState;
class EditBotScreen;
class EntryProfile;
class OpenScreen;
class QCheckBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class RandomSource;
class Roster;
class SaveScreen;
class UpDown;

namespace Ui {
class EditScreen;
}

// The roster editor of the nine add-ons that share one file format: the bots as four columns of one list, the
// add-on's options, and the File menu that starts afresh, opens and saves roster files. It owns its roster while
// it is open and discards it when it closes.
class EditScreen : public QMainWindow
{
    Q_OBJECT

public:
    // Opens for the add-on that BotName names now; the editor keeps to that add-on for as long as it is open.
    EditScreen(AppState &state, RandomSource &random, QWidget *parent = nullptr);
    ~EditScreen() override;

    QString botName() const { return m_botName; }
    Roster &roster() { return *m_roster; }
    RosterOptions &options() { return *m_options; }

    // The add-on's own option rows, shown by the main window's edit buttons: without it the editor shows only the
    // options every add-on has. withValues also puts the add-on's start values in (RealBot's Botskill "20").
    void applyOptionLayout(bool withValues = true);

    // The row selected in every column, or -1.
    int selectedRow() const;
    // The File menu's Save, which is never offered for an empty roster.
    void enableSave();

    // "&Done": asks whether to save unsaved bots first. True when the editor has closed; false when it stays
    // open with the save dialog in front.
    bool finish();

private:
    struct FieldControls
    {
        RosterOptions::Field field;
        QLabel *label;
        QLineEdit *text;
        UpDown *spinner;
    };
    struct OptionControls
    {
        RosterOptions::Option option;
        QLabel *label;
        QCheckBox *box;
    };

    void setUpLists();
    void setUpOptions();
    void showOptions();
    void deleteBot();
    void startAfresh();
    void showOpenScreen();
    void showSaveScreen();
    void showAddScreen();
    void showEditBotScreen();
    void showAddMultiple();
    static void showDialog(QWidget *dialog);
    void setSaveEnabled(bool enabled);

    std::unique_ptr<Ui::EditScreen> m_ui;
    AppState &m_state;
    RandomSource &m_random;
    const QString m_botName;
    const EntryProfile *m_profile;
    Roster *m_roster = nullptr;
    RosterOptions *m_options = nullptr;
    QItemSelectionModel *m_selection = nullptr;
    QList<FieldControls> m_fields;
    QList<OptionControls> m_optionBoxes;
    QPointer<OpenScreen> m_openScreen;
    QPointer<SaveScreen> m_saveScreen;
    QPointer<AddScreen> m_addScreen;
    QPointer<EditBotScreen> m_editBotScreen;
    QPointer<AddMultiple> m_addMultiple;
};
