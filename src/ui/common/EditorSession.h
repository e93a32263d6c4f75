#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

struct AppState;
class OpenScreen;
class QWidget;
class RosterDocument;
class SaveScreen;

// What the roster editor does around its document: the question before unsaved bots are lost (Yes opens the save
// dialog and keeps the editor, No lets them go, Cancel and Escape go back), Done and the close box that ask it, and
// the open and save dialogs (the open one ready to start with a file selected), named and captioned as the
// document's format has them.
class EditorSession : public QObject
{
    Q_OBJECT

public:
    // "You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"
    static QString exitQuestion();
    // The same before New empties the roster.
    static QString newQuestion();

    // window is the editor; the dialogs are its children.
    EditorSession(AppState &state, RosterDocument &document, QWidget *window);
    ~EditorSession() override;

    // Asks question when the document holds unsaved bots: true when they may go.
    bool mayDiscard(const QString &question);
    // "&Done": true when the editor has closed.
    bool finish();
    // The close box: whether the editor may close, asking unless Done has asked already.
    bool mayClose();

    // Reads path in place of the roster, asking first as the open dialog does; the save dialog comes up when the
    // user wants to save first.
    void openFile(const QString &path);
    void showOpenScreen();
    // askedFor: opened by a question about unsaved bots rather than by the File menu, which some formats caption
    // apart.
    void showSaveScreen(bool askedFor = false);

Q_SIGNALS:
    // A file was read in place of the roster.
    void loaded();
    // The roster was written to path.
    void saved(const QString &path);

private:
    AppState &m_state;
    RosterDocument &m_document;
    QWidget *m_window;
    bool m_closeConfirmed = false;
    QPointer<OpenScreen> m_openScreen;
    QPointer<SaveScreen> m_saveScreen;
};
