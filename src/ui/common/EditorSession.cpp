#include "EditorSession.h"

#include "AppState.h"
#include "MessageBox.h"
#include "OpenScreen.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "SaveScreen.h"
#include "WindowHelper.h"

#include <QWidget>

QString EditorSession::exitQuestion()
{
    return tr("You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?");
}

QString EditorSession::newQuestion()
{
    return tr("You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?");
}

EditorSession::EditorSession(AppState &state, RosterDocument &document, QWidget *window)
    : QObject(window)
    , m_state(state)
    , m_document(document)
    , m_window(window)
{ }

EditorSession::~EditorSession() = default;

bool EditorSession::mayDiscard(const QString &question)
{
    if (!m_document.hasUnsavedBots())
        return true;
    switch (MessageBox::yesNoCancel(m_window, question)) {
    case MessageBox::Answer::Yes:
        m_window->raise();
        showSaveScreen(true);
        return false;
    case MessageBox::Answer::Cancel:
        return false;
    case MessageBox::Answer::No:
        break;
    }
    return true;
}

bool EditorSession::finish()
{
    if (!mayDiscard(exitQuestion()))
        return false;
    m_closeConfirmed = true;
    m_window->close();
    return true;
}

bool EditorSession::mayClose()
{
    // The dialogs of this roster go with it.
    if (!m_closeConfirmed && !mayDiscard(exitQuestion()))
        return false;
    m_closeConfirmed = true;
    return true;
}

void EditorSession::openFile(const QString &path)
{
    switch (OpenScreen::openInto(m_document, path, m_window)) {
    case OpenScreen::Outcome::Opened:
        Q_EMIT loaded();
        break;
    case OpenScreen::Outcome::SaveFirst:
        showSaveScreen(true);
        break;
    case OpenScreen::Outcome::Stayed:
        break;
    }
}

void EditorSession::showOpenScreen()
{
    WindowHelper::showSingle(m_openScreen, [this] {
        auto *dialog = new OpenScreen(m_state.gameDir, m_document, m_window);
        dialog->setObjectName(m_document.format().names.open);
        connect(dialog, &OpenScreen::loaded, this, &EditorSession::loaded);
        connect(dialog, &OpenScreen::saveRequested, this, [this] { showSaveScreen(true); });
        return dialog;
    });
}

void EditorSession::showSaveScreen(bool askedFor)
{
    SaveScreen *shown = WindowHelper::showSingle(m_saveScreen, [this] {
        auto *dialog = new SaveScreen(m_state.gameDir, m_document, m_window);
        dialog->setObjectName(m_document.format().names.save);
        connect(dialog, &SaveScreen::saved, this, [this] { Q_EMIT saved(m_document.fileName()); });
        return dialog;
    });
    const char *asked = m_document.format().askedSaveCaption;
    shown->setWindowTitle(askedFor && asked ? RosterFormat::tr(asked) : SaveScreen::caption(m_document.botName()));
}
