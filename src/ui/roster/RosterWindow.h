#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AddMultiple;
class BotDialog;
class ColumnLists;
class OpenScreen;
class OptionPanel;
class RandomSource;
struct RosterAddOn;
class RosterDocument;
class Session;
class SaveScreen;

namespace Ui {
class RosterWindow;
}

// The roster editor of every add-on that has one: the bots as columns of one list, the add-on's options, and the
// File menu that starts afresh, opens and saves roster files. Its object name, the columns and the option panel
// come from the add-on's format (EditScreen, AndroidMain). It owns its roster while it is open and discards it when
// it closes, never without asking while it holds unsaved bots: closing, New and Open ask first (Yes opens the save
// dialog and keeps the editor, No lets them go, Cancel and Escape go back).
class RosterWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Opens for addOn and keeps to it for as long as it is open.
    RosterWindow(Session &session, const RosterAddOn &addOn, RandomSource &random, QWidget *parent = nullptr);
    ~RosterWindow() override;

    QString botName() const;
    RosterDocument &document() { return *m_document; }

    // The add-on's own option rows, shown by the main window's edit buttons: without it the editor shows only the
    // options every add-on of its format has. withValues also puts the add-on's start values in (RealBot's
    // Botskill "20").
    void applyOptionLayout(bool withValues = true);

    // The row selected in every column, or -1.
    int selectedRow() const;

    // Reads path in place of the roster, asking first as the open dialog does; the save dialog comes up when the
    // user wants to save first.
    void openFile(const QString &path);

    // "&Done", and what ending the program asks of an open editor: with unsaved bots, asks whether to save them
    // first. True when the editor has closed; false when it stays open, with the save dialog in front (Yes) or
    // as it was (Cancel).
    bool finish();

Q_SIGNALS:
    // The roster was written to path.
    void saved(const QString &path);

protected:
    // The close box asks as "&Done" does.
    void closeEvent(QCloseEvent *event) override;

private:
    // Asks question when the document holds unsaved bots: true when they may go.
    bool mayDiscard(const QString &question);
    // Whether the editor may close, asking unless Done has asked already.
    bool mayClose();
    void loaded();
    void showOpenScreen();
    // askedFor: opened by a question about unsaved bots rather than by the File menu, which some formats caption
    // apart.
    void showSaveScreen(bool askedFor = false);
    void deleteBot();
    void startAfresh();
    void showAddScreen();
    void showEditBotScreen();
    void showAddMultiple();

    std::unique_ptr<Ui::RosterWindow> m_ui;
    Session &m_session;
    RandomSource &m_random;
    RosterDocument *m_document;
    bool m_closeConfirmed = false;
    OptionPanel *m_panel;
    ColumnLists *m_lists;
    QPointer<BotDialog> m_addScreen;
    QPointer<BotDialog> m_editBotScreen;
    QPointer<AddMultiple> m_addMultiple;
    QPointer<OpenScreen> m_openScreen;
    QPointer<SaveScreen> m_saveScreen;
};
