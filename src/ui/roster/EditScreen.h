#pragma once

#include "EntryProfile.h"
#include "RosterOptions.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class AddMultiple;
class AddScreen;
class Session;
class EditBotScreen;
class EditorSession;
class QCheckBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class RandomSource;
struct RosterAddOn;
class RosterDocument;
class UpDown;

namespace Ui {
class EditScreen;
}

// The roster editor of the nine add-ons that share one file format: the bots as four columns of one list, the
// add-on's options, and the File menu that starts afresh, opens and saves roster files. It owns its roster while
// it is open and discards it when it closes, never without asking while it holds unsaved bots.
class EditScreen : public QMainWindow
{
    Q_OBJECT

public:
    // Opens for addOn and keeps to it for as long as it is open.
    EditScreen(Session &session, const RosterAddOn &addOn, RandomSource &random, QWidget *parent = nullptr);
    ~EditScreen() override;

    QString botName() const;
    RosterDocument &document() { return *m_document; }

    // The add-on's own option rows, shown by the main window's edit buttons: without it the editor shows only the
    // options every add-on has. withValues also puts the add-on's start values in (RealBot's Botskill "20").
    void applyOptionLayout(bool withValues = true);

    // The row selected in every column, or -1.
    int selectedRow() const;
    // The File menu's Save, which is never offered for an empty roster.
    void enableSave();
    // What the File menu's Open and Save work through.
    EditorSession &session() { return *m_session; }

    // "&Done", and what ending the program asks of an open editor: with unsaved bots, asks whether to save them
    // first. True when the editor has closed; false when it stays open, with the save dialog in front (Yes) or
    // as it was (Cancel).
    bool finish();

protected:
    // The close box asks as "&Done" does.
    void closeEvent(QCloseEvent *event) override;

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
    void showAddScreen();
    void showEditBotScreen();
    void showAddMultiple();
    void setSaveEnabled(bool enabled);

    std::unique_ptr<Ui::EditScreen> m_ui;
    Session &m_appSession;
    RandomSource &m_random;
    const EntryProfile m_profile;
    RosterDocument *m_document;
    RosterOptions *m_options;
    EditorSession *m_session;
    QItemSelectionModel *m_selection = nullptr;
    QList<FieldControls> m_fields;
    QList<OptionControls> m_optionBoxes;
    QPointer<AddScreen> m_addScreen;
    QPointer<EditBotScreen> m_editBotScreen;
    QPointer<AddMultiple> m_addMultiple;
};
