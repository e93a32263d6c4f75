#include "AndroidMain.h"

#include "ui_AndroidMain.h"

#include "AndroidAdd.h"
#include "AndroidAddOn.h"
#include "AndroidDocument.h"
#include "AndroidEdit.h"
#include "AndroidMultiple.h"
#include "AndroidOptions.h"
#include "AppState.h"
#include "CaptionClick.h"
#include "ColumnLists.h"
#include "MessageBox.h"
#include "OpenScreen.h"
#include "SaveScreen.h"
#include "UpDown.h"
#include "WindowHelper.h"

#include <QCloseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString exitQuestion = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"_s;
const QString newQuestion
    = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Start A New One?"_s;

} // namespace

AndroidMain::AndroidMain(AppState &state, const AndroidAddOn &addOn, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::AndroidMain>())
    , m_state(state)
    , m_random(random)
    , m_document(new AndroidDocument(addOn, this))
{
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
    connect(m_ui->Open, &QAction::triggered, this, &AndroidMain::showOpenScreen);
    connect(m_ui->Save, &QAction::triggered, this, [this] { showSaveScreen(); });
    // However the roster comes to be empty (the last bot deleted, a file that failed to load), there is nothing
    // left to save.
    const auto disableSaveWhenEmpty = [this] {
        if (m_document->isEmpty())
            m_ui->Save->setEnabled(false);
    };
    connect(m_document->model(), &QAbstractItemModel::rowsRemoved, this, disableSaveWhenEmpty);
    connect(m_document->model(), &QAbstractItemModel::modelReset, this, disableSaveWhenEmpty);
    connect(m_document, &EditorDocument::modifiedChanged, this,
            [this](bool modified) { m_state.rosterChanged = modified; });

    // An editor opens empty, with the start values of the options and nothing to save.
    m_ui->Save->setEnabled(false);
    m_state.rosterChanged = false;
}

AndroidMain::~AndroidMain()
{
    // Whatever the editor held is gone with it.
    m_state.rosterChanged = false;
}

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

bool AndroidMain::mayDiscard(const QString &question)
{
    if (!m_document->hasUnsavedBots())
        return true;
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

void AndroidMain::startAfresh()
{
    if (!mayDiscard(newQuestion))
        return;
    m_ui->Save->setEnabled(false);
    m_document->renew();
}

bool AndroidMain::finish()
{
    if (!mayDiscard(exitQuestion))
        return false;
    m_closeConfirmed = true;
    close();
    return true;
}

void AndroidMain::closeEvent(QCloseEvent *event)
{
    if (m_closeConfirmed || mayDiscard(exitQuestion)) {
        // The dialogs of this roster go with it.
        m_closeConfirmed = true;
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
}

void AndroidMain::preselectOpenFile(const QString &fileName)
{
    m_preselectedFile = fileName;
    if (m_openScreen)
        m_openScreen->selectFile(fileName);
}

void AndroidMain::showOpenScreen()
{
    OpenScreen *shown = WindowHelper::showSingle(m_openScreen, [this] {
        auto *dialog = new OpenScreen(m_state.gameDir, *m_document, this);
        dialog->setObjectName(u"AndroidOpen"_s);
        connect(dialog, &OpenScreen::loaded, this, [this] {
            m_ui->Save->setEnabled(true);
            m_lists->clearSelection();
        });
        connect(dialog, &OpenScreen::saveRequested, this, [this] { showSaveScreen(true); });
        return dialog;
    });
    if (!m_preselectedFile.isEmpty())
        shown->selectFile(std::exchange(m_preselectedFile, QString()));
}

void AndroidMain::showSaveScreen(bool asked)
{
    SaveScreen *dialog = WindowHelper::showSingle(m_saveScreen, [this] {
        auto *dialog = new SaveScreen(m_state.gameDir, *m_document, this);
        dialog->setObjectName(u"AndroidSave"_s);
        return dialog;
    });
    // The save that a question offers keeps AndroidBot's name for both add-ons.
    dialog->setWindowTitle(asked ? u"Save Android Config File"_s : u"Save "_s + botName() + u" Config File"_s);
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
    WindowHelper::showSingle(m_androidMultiple,
                             [this] { return new AndroidMultiple(m_state.gameDir, *m_document, m_random, this); });
}
