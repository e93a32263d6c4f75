#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AddMultiple;
struct AppState;
class BotDialog;
class ColumnLists;
class EditorSession;
class OptionPanel;
class RandomSource;
struct RosterAddOn;
class RosterDocument;

namespace Ui {
class RosterWindow;
}

// The roster editor of every add-on that has one: the bots as columns of one list, the add-on's options, and the
// File menu that starts afresh, opens and saves roster files. Its object name, the columns and the option panel
// come from the add-on's format (EditScreen, AndroidMain). It owns its roster while it is open and discards it when
// it closes, never without asking while it holds unsaved bots.
class RosterWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Opens for addOn and keeps to it for as long as it is open.
    RosterWindow(AppState &state, const RosterAddOn &addOn, RandomSource &random, QWidget *parent = nullptr);
    ~RosterWindow() override;

    QString botName() const;
    RosterDocument &document() { return *m_document; }

    // The add-on's own option rows, shown by the main window's edit buttons: without it the editor shows only the
    // options every add-on of its format has. withValues also puts the add-on's start values in (RealBot's
    // Botskill "20").
    void applyOptionLayout(bool withValues = true);

    // The row selected in every column, or -1.
    int selectedRow() const;
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
    void deleteBot();
    void startAfresh();
    void showAddScreen();
    void showEditBotScreen();
    void showAddMultiple();

    std::unique_ptr<Ui::RosterWindow> m_ui;
    AppState &m_state;
    RandomSource &m_random;
    RosterDocument *m_document;
    EditorSession *m_session;
    OptionPanel *m_panel;
    ColumnLists *m_lists;
    QPointer<BotDialog> m_addScreen;
    QPointer<BotDialog> m_editBotScreen;
    QPointer<AddMultiple> m_addMultiple;
};
