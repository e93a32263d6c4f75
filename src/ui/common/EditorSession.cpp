#include "EditorSession.h"

#include "EditorDocument.h"
#include "MessageBox.h"
#include "OpenScreen.h"
#include "SaveScreen.h"
#include "Session.h"
#include "WindowHelper.h"

#include <QWidget>

using namespace Qt::Literals::StringLiterals;

const QString EditorSession::exitQuestion
    = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"_s;
const QString EditorSession::newQuestion
    = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?"_s;

EditorSession::EditorSession(Session &session, EditorDocument &document, QWidget *window, const QString &openName,
                             const QString &saveName)
    : QObject(window)
    , m_session(session)
    , m_document(document)
    , m_window(window)
    , m_openName(openName)
    , m_saveName(saveName)
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
    if (!mayDiscard(exitQuestion))
        return false;
    m_closeConfirmed = true;
    m_window->close();
    return true;
}

bool EditorSession::mayClose()
{
    // The dialogs of this roster go with it.
    if (!m_closeConfirmed && !mayDiscard(exitQuestion))
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
        auto *dialog = new OpenScreen(m_session.gameDir(), m_document, m_window);
        dialog->setObjectName(m_openName);
        connect(dialog, &OpenScreen::loaded, this, &EditorSession::loaded);
        connect(dialog, &OpenScreen::saveRequested, this, [this] { showSaveScreen(true); });
        return dialog;
    });
}

void EditorSession::showSaveScreen(bool askedFor)
{
    SaveScreen *shown = WindowHelper::showSingle(m_saveScreen, [this] {
        auto *dialog = new SaveScreen(m_session.gameDir(), m_document, m_window);
        dialog->setObjectName(m_saveName);
        connect(dialog, &SaveScreen::saved, this, [this] { Q_EMIT saved(m_document.fileName()); });
        return dialog;
    });
    if (askedFor && !m_askedSaveCaption.isEmpty())
        shown->setWindowTitle(m_askedSaveCaption);
    else
        shown->setWindowTitle(u"Save "_s + m_document.botName() + u" Config File"_s);
}
