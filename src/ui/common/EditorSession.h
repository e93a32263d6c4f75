#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class EditorDocument;
class OpenScreen;
class QWidget;
class SaveScreen;
class Session;

// What both roster editors do alike around their document: the question before unsaved bots are lost (Yes opens the
// save dialog and keeps the editor, No lets them go, Cancel and Escape go back), Done and the close box that ask it,
// and the open and save dialogs (the open one ready to start with a file selected).
class EditorSession : public QObject
{
    Q_OBJECT

public:
    // "You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"
    static const QString exitQuestion;
    // The same before New empties the roster.
    static const QString newQuestion;

    // window is the editor; the dialogs are its children and take openName and saveName as their object names.
    EditorSession(Session &session, EditorDocument &document, QWidget *window, const QString &openName,
                  const QString &saveName);
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
    // askedFor: opened by a question about unsaved bots rather than by the File menu.
    void showSaveScreen(bool askedFor = false);

    // The caption of the save dialog when a question opened it; by default the File menu's.
    void setAskedSaveCaption(const QString &caption) { m_askedSaveCaption = caption; }

Q_SIGNALS:
    // A file was read in place of the roster.
    void loaded();
    // The roster was written to path.
    void saved(const QString &path);

private:
    Session &m_session;
    EditorDocument &m_document;
    QWidget *m_window;
    const QString m_openName;
    const QString m_saveName;
    QString m_askedSaveCaption;
    bool m_closeConfirmed = false;
    QPointer<OpenScreen> m_openScreen;
    QPointer<SaveScreen> m_saveScreen;
};
