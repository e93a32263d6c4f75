#include "AndroidMain.h"

#include "ui_AndroidMain.h"

#include "AndroidAdd.h"
#include "AndroidAddOn.h"
#include "AndroidDocument.h"
#include "AndroidEdit.h"
#include "AndroidMultiple.h"
#include "AndroidOptions.h"
#include "CaptionClick.h"
#include "ColumnLists.h"
#include "EditorSession.h"
#include "Session.h"
#include "UpDown.h"
#include "WindowHelper.h"

#include <QCloseEvent>

using namespace Qt::Literals::StringLiterals;

AndroidMain::AndroidMain(Session &session, const AndroidAddOn &addOn, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::AndroidMain>())
    , m_appSession(session)
    , m_random(random)
    , m_document(new AndroidDocument(addOn, this))
    , m_session(new EditorSession(session, *m_document, this, u"AndroidOpen"_s, u"AndroidSave"_s))
{
    // The save that a question offers keeps AndroidBot's name for both add-ons.
    m_session->setAskedSaveCaption(u"Save Android Config File"_s);
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // "new" is the File menu entry's name, which C++ keeps for itself as a member name.
    m_ui->newEntry->setObjectName(u"new"_s);

    const QList<QListView *> lists{m_ui->List1, m_ui->List2, m_ui->List3};
    // A click in any column selects the whole bot, so every column shows the same row selected.
    m_lists = new ColumnLists(m_document->model(), lists, this);
    for (QListView *list : lists) {
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
        connect(list, &QListView::doubleClicked, this, &AndroidMain::showAndroidEdit);
    }
    setUpOptions();

    connect(m_ui->Command4, &QPushButton::clicked, this, &AndroidMain::showAndroidAdd);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AndroidMain::showAndroidEdit);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AndroidMain::deleteBot);
    connect(m_ui->Command5, &QPushButton::clicked, this, &AndroidMain::showAndroidMultiple);
    connect(m_ui->Command3, &QPushButton::clicked, this, &AndroidMain::finish);
    connect(m_ui->newEntry, &QAction::triggered, this, &AndroidMain::startAfresh);
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

AndroidMain::~AndroidMain() = default;

QString AndroidMain::botName() const
{
    return m_document->botName();
}

void AndroidMain::setUpOptions()
{
    AndroidOptions &options = m_document->options();
    m_ui->Frame3->setVisible(m_document->addOn().podBotOptions);
    m_ui->UpDown1->setRange(3, 10);
    m_ui->UpDown2->setRange(1, 100);
    for (const auto &[spinner, box] : {std::pair{m_ui->UpDown1, m_ui->Text1}, std::pair{m_ui->UpDown2, m_ui->Text2}}) {
        spinner->setBuddy(box);
        spinner->setAccessibleName(box->accessibleName());
    }
    connect(m_ui->Text1, &QLineEdit::textEdited, &options, &AndroidOptions::setEntryDelay);
    connect(m_ui->Text2, &QLineEdit::textEdited, &options, &AndroidOptions::setMinBotSkill);
    connect(m_ui->UpDown1, &UpDown::stepRequested, this,
            [this, &options](int delta) { options.setEntryDelay(m_ui->UpDown1->stepped(m_ui->Text1->text(), delta)); });
    connect(m_ui->UpDown2, &UpDown::stepRequested, this, [this, &options](int delta) {
        options.setMinBotSkill(m_ui->UpDown2->stepped(m_ui->Text2->text(), delta));
    });
    connect(m_ui->Check1, &QCheckBox::clicked, &options, &AndroidOptions::setAutoTeamBalance);
    connect(m_ui->Check2, &QCheckBox::clicked, &options, &AndroidOptions::setBotChatting);
    connect(m_ui->Check3, &QCheckBox::clicked, &options, &AndroidOptions::setJasonMode);
    CaptionClick::attach(m_ui->Label5, m_ui->Check1);
    CaptionClick::attach(m_ui->Label6, m_ui->Check2);
    CaptionClick::attach(m_ui->Label7, m_ui->Check3);
    connect(&options, &AndroidOptions::changed, this, &AndroidMain::showOptions);
    showOptions();
}

void AndroidMain::showOptions()
{
    const AndroidOptions &options = m_document->options();
    // Only a change made elsewhere is written back, so the cursor stays where the user types.
    for (const auto &[box, text] :
         {std::pair{m_ui->Text1, options.entryDelay()}, std::pair{m_ui->Text2, options.minBotSkill()}}) {
        if (box->text() != text)
            box->setText(text);
    }
    m_ui->Check1->setChecked(options.autoTeamBalance());
    m_ui->Check2->setChecked(options.botChatting());
    m_ui->Check3->setChecked(options.jasonMode());
}

int AndroidMain::selectedRow() const
{
    return m_lists->selectedRow();
}

void AndroidMain::deleteBot()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_document->remove(row);
    m_lists->clearSelection();
}

void AndroidMain::startAfresh()
{
    if (!m_session->mayDiscard(EditorSession::newQuestion))
        return;
    m_ui->Save->setEnabled(false);
    m_document->renew();
}

bool AndroidMain::finish()
{
    return m_session->finish();
}

void AndroidMain::closeEvent(QCloseEvent *event)
{
    if (!m_session->mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void AndroidMain::showAndroidAdd()
{
    WindowHelper::showSingle(m_androidAdd, [this] {
        auto *dialog = new AndroidAdd(*m_document, this);
        connect(dialog, &AndroidAdd::botAdded, this, [this] { m_ui->Save->setEnabled(true); });
        return dialog;
    });
}

void AndroidMain::showAndroidEdit()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    AndroidEdit *dialog = WindowHelper::showSingle(m_androidEdit, [this] {
        return new AndroidEdit(
            *m_document, [this] { return selectedRow(); }, this);
    });
    dialog->fillFrom(row);
}

void AndroidMain::showAndroidMultiple()
{
    WindowHelper::showSingle(
        m_androidMultiple, [this] { return new AndroidMultiple(m_appSession.gameDir(), *m_document, m_random, this); });
}
