#include "RosterWindow.h"

#include "ui_RosterWindow.h"

#include "AddMultiple.h"
#include "BotDialog.h"
#include "ColumnLists.h"
#include "DialogKeys.h"
#include "MessageBox.h"
#include "OpenScreen.h"
#include "OptionPanel.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "SaveScreen.h"
#include "Session.h"
#include "WindowHelper.h"

#include <QCloseEvent>
#include <QListView>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

RosterWindow::RosterWindow(Session &session, const RosterAddOn &addOn, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::RosterWindow>())
    , m_session(session)
    , m_random(random)
    , m_document(new RosterDocument(addOn, this))
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setObjectName(addOn.format->names.editor);
    setAttribute(Qt::WA_DeleteOnClose);
    // "new" is the File menu entry's name, which C++ keeps for itself as a member name.
    m_ui->newEntry->setObjectName(u"new"_s);
    m_panel = OptionPanel::create(*m_document, this);
    setWindowTitle(m_panel->windowTitle());
    resize(m_panel->size());
    setCentralWidget(m_panel);

    const QList<QListView *> lists = m_panel->lists();
    // A click in any column selects the whole bot, so every column shows the same row selected.
    m_lists = new ColumnLists(m_document->model(), lists, this);
    for (QListView *list : lists) {
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
        connect(list, &QListView::doubleClicked, this, &RosterWindow::showEditBotScreen);
    }

    using Button = OptionPanel::Button;
    connect(m_panel->button(Button::Add), &QPushButton::clicked, this, &RosterWindow::showAddScreen);
    connect(m_panel->button(Button::Edit), &QPushButton::clicked, this, &RosterWindow::showEditBotScreen);
    connect(m_panel->button(Button::Delete), &QPushButton::clicked, this, &RosterWindow::deleteBot);
    connect(m_panel->button(Button::Several), &QPushButton::clicked, this, &RosterWindow::showAddMultiple);
    connect(m_panel->button(Button::Done), &QPushButton::clicked, this, &RosterWindow::finish);
    connect(m_ui->newEntry, &QAction::triggered, this, &RosterWindow::startAfresh);
    connect(m_ui->Open, &QAction::triggered, this, &RosterWindow::showOpenScreen);
    connect(m_ui->Save, &QAction::triggered, this, [this] { showSaveScreen(); });
    // However the roster comes to be empty (the last bot deleted, a file that failed to load), there is nothing
    // left to save.
    const auto disableSaveWhenEmpty = [this] {
        if (m_document->isEmpty())
            m_ui->Save->setEnabled(false);
    };
    connect(m_document->model(), &QAbstractItemModel::rowsRemoved, this, disableSaveWhenEmpty);
    connect(m_document->model(), &QAbstractItemModel::modelReset, this, disableSaveWhenEmpty);

    // An editor opens empty, with the start values of the options and nothing to save.
    m_ui->Save->setEnabled(false);
}

RosterWindow::~RosterWindow() = default;

QString RosterWindow::botName() const
{
    return m_document->botName();
}

void RosterWindow::applyOptionLayout(bool withValues)
{
    m_panel->applyLayout(withValues);
}

int RosterWindow::selectedRow() const
{
    return m_lists->selectedRow();
}

void RosterWindow::deleteBot()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_document->remove(row);
    m_lists->clearSelection();
}

void RosterWindow::startAfresh()
{
    if (!mayDiscard(tr("You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?")))
        return;
    m_ui->Save->setEnabled(false);
    m_document->renew();
}

bool RosterWindow::mayClose()
{
    // The dialogs of this roster go with it.
    if (!m_closeConfirmed
        && !mayDiscard(tr("You Have Changed Your Current BotList. Do You Want To Save It Before You "
                          "Exit?")))
        return false;
    m_closeConfirmed = true;
    return true;
}

bool RosterWindow::finish()
{
    if (!mayClose())
        return false;
    close();
    return true;
}

void RosterWindow::closeEvent(QCloseEvent *event)
{
    // Asked once, by Done or here.
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool RosterWindow::mayDiscard(const QString &question)
{
    const RosterFormat &format = m_document->format();
    if (!m_document->hasUnsavedBots() && !(format.asksWithoutBots && m_document->isModified()))
        return true;
    if (m_document->isEmpty() && format.refusesEmptyRoster) {
        return MessageBox::yesNo(this,
                                 tr("You Have Changed Your Current BotList, but a list without bots cannot be "
                                    "saved. Do you want to discard your changes?"));
    }
    switch (MessageBox::yesNoCancel(this, question)) {
    case MessageBox::Answer::Yes:
        raise();
        showSaveScreen(true);
        return false;
    case MessageBox::Answer::Cancel:
        return false;
    case MessageBox::Answer::No:
        break;
    }
    return true;
}

void RosterWindow::loaded()
{
    m_ui->Save->setEnabled(true);
    m_lists->clearSelection();
}

void RosterWindow::openFile(const QString &path)
{
    switch (OpenScreen::openInto(*m_document, path, this)) {
    case OpenScreen::Outcome::Opened:
        loaded();
        break;
    case OpenScreen::Outcome::SaveFirst:
        showSaveScreen(true);
        break;
    case OpenScreen::Outcome::Stayed:
        break;
    }
}

void RosterWindow::showOpenScreen()
{
    WindowHelper::showSingle(m_openScreen, [this] {
        auto *dialog = new OpenScreen(m_session.gameDir(), *m_document, this);
        dialog->setObjectName(m_document->format().names.open);
        connect(dialog, &OpenScreen::loaded, this, &RosterWindow::loaded);
        connect(dialog, &OpenScreen::saveRequested, this, [this] { showSaveScreen(true); });
        return dialog;
    });
}

void RosterWindow::showSaveScreen(bool askedFor)
{
    SaveScreen *shown = WindowHelper::showSingle(m_saveScreen, [this] {
        auto *dialog = new SaveScreen(m_session.gameDir(), *m_document, this);
        dialog->setObjectName(m_document->format().names.save);
        connect(dialog, &SaveScreen::saved, this, [this] { Q_EMIT saved(m_document->fileName()); });
        return dialog;
    });
    const char *asked = m_document->format().askedSaveCaption;
    shown->setWindowTitle(askedFor && asked ? RosterFormat::tr(asked) : SaveScreen::caption(botName()));
}

void RosterWindow::showAddScreen()
{
    BotDialog *dialog = WindowHelper::showSingle(m_addScreen, [this] {
        BotDialog *dialog = BotDialog::add(*m_document, this);
        connect(dialog, &BotDialog::botAdded, this, [this] { m_ui->Save->setEnabled(true); });
        return dialog;
    });
    dialog->prepare();
}

void RosterWindow::showEditBotScreen()
{
    const int row = selectedRow();
    if (row < 0 && m_document->format().editNeedsSelectedRow)
        return;
    BotDialog *dialog = WindowHelper::showSingle(m_editBotScreen, [this] {
        return BotDialog::edit(
            *m_document, [this] { return selectedRow(); }, this);
    });
    dialog->fillFrom(row);
}

void RosterWindow::showAddMultiple()
{
    AddMultiple *dialog = WindowHelper::showSingle(
        m_addMultiple, [this] { return new AddMultiple(m_session, *m_document, m_random, this); });
    dialog->prepare();
}
