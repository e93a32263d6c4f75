#include "RosterWindow.h"

#include "ui_RosterWindow.h"

#include "AddMultiple.h"
#include "AppState.h"
#include "BotDialog.h"
#include "ColumnLists.h"
#include "EditorSession.h"
#include "OptionPanel.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "WindowHelper.h"

#include <QCloseEvent>
#include <QListView>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

RosterWindow::RosterWindow(AppState &state, const RosterAddOn &addOn, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::RosterWindow>())
    , m_state(state)
    , m_random(random)
    , m_document(new RosterDocument(addOn, this))
    , m_session(new EditorSession(state, *m_document, this))
{
    m_ui->setupUi(this);
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
    connect(m_ui->Open, &QAction::triggered, m_session, &EditorSession::showOpenScreen);
    connect(m_ui->Save, &QAction::triggered, m_session, [this] { m_session->showSaveScreen(); });
    connect(m_session, &EditorSession::loaded, this, [this] {
        m_ui->Save->setEnabled(true);
        m_lists->clearSelection();
    });
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
    if (!m_session->mayDiscard(EditorSession::newQuestion()))
        return;
    m_ui->Save->setEnabled(false);
    m_document->renew();
}

bool RosterWindow::finish()
{
    return m_session->finish();
}

void RosterWindow::closeEvent(QCloseEvent *event)
{
    if (!m_session->mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
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
        m_addMultiple, [this] { return new AddMultiple(m_state.gameDir, *m_document, m_random, this); });
    dialog->prepare();
}
