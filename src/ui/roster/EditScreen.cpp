#include "EditScreen.h"

#include "ui_EditScreen.h"

#include "AddMultiple.h"
#include "AddScreen.h"
#include "CaptionClick.h"
#include "ColumnLists.h"
#include "EditBotScreen.h"
#include "EditorSession.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "Session.h"
#include "UpDown.h"
#include "WindowHelper.h"

#include <QCloseEvent>
#include <QItemSelectionModel>

using namespace Qt::Literals::StringLiterals;

namespace {

QString withoutColon(const QString &caption)
{
    return caption.endsWith(u':') ? caption.chopped(1) : caption;
}

} // namespace

EditScreen::EditScreen(Session &session, const RosterAddOn &addOn, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::EditScreen>())
    , m_appSession(session)
    , m_random(random)
    , m_profile(addOn)
    , m_document(new RosterDocument(addOn, this))
    , m_options(&m_document->options())
    , m_session(new EditorSession(session, *m_document, this, u"OpenScreen"_s, u"SaveScreen"_s))
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // "new" is the File menu entry's name, which C++ keeps for itself as a member name.
    m_ui->newEntry->setObjectName(u"new"_s);
    setUpLists();
    setUpOptions();

    connect(m_ui->Command2, &QPushButton::clicked, this, &EditScreen::deleteBot);
    connect(m_ui->Command4, &QPushButton::clicked, this, &EditScreen::finish);
    connect(m_ui->Command3, &QPushButton::clicked, this, &EditScreen::showAddScreen);
    connect(m_ui->Command1, &QPushButton::clicked, this, &EditScreen::showEditBotScreen);
    connect(m_ui->Command5, &QPushButton::clicked, this, &EditScreen::showAddMultiple);
    connect(m_ui->newEntry, &QAction::triggered, this, &EditScreen::startAfresh);
    connect(m_ui->Open, &QAction::triggered, m_session, &EditorSession::showOpenScreen);
    connect(m_ui->Save, &QAction::triggered, m_session, [this] { m_session->showSaveScreen(); });
    connect(m_session, &EditorSession::loaded, this, [this] {
        setSaveEnabled(true);
        m_selection->clear();
    });
    // However the roster comes to be empty (the last bot deleted, a file that failed to load), there is nothing
    // left to save.
    const auto disableSaveWhenEmpty = [this] {
        if (m_document->roster().isEmpty())
            setSaveEnabled(false);
    };
    connect(m_document->model(), &QAbstractItemModel::rowsRemoved, this, disableSaveWhenEmpty);
    connect(m_document->model(), &QAbstractItemModel::modelReset, this, disableSaveWhenEmpty);

    // An editor opens empty, with the start values of the options and nothing to save.
    setSaveEnabled(false);
}

EditScreen::~EditScreen() = default;

QString EditScreen::botName() const
{
    return m_document->botName();
}

void EditScreen::setUpLists()
{
    const QList<QListView *> lists{m_ui->List1, m_ui->List2, m_ui->List3, m_ui->List4};
    // A click in any column selects the whole bot, so every column shows the same row selected.
    m_selection = (new ColumnLists(m_document->model(), lists, this))->selectionModel();
    for (QListView *list : lists) {
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
        connect(list, &QListView::doubleClicked, this, &EditScreen::showEditBotScreen);
    }
}

void EditScreen::setUpOptions()
{
    using Field = RosterOptions::Field;
    using Option = RosterOptions::Option;
    m_fields = {
        {Field::TimeBeforeBotEntry, m_ui->Label5, m_ui->Text1, m_ui->UpDown1},
        {Field::MinBots, m_ui->Label10, m_ui->Text2, m_ui->UpDown3},
        {Field::MaxBots, m_ui->Label11, m_ui->Text3, m_ui->UpDown4},
        {Field::MinBotSkill, m_ui->Label12, m_ui->Text4, m_ui->UpDown2},
        {Field::Botskill, m_ui->Label14, m_ui->Text5, m_ui->UpDown5},
        {Field::MaxSkill, m_ui->Label17, m_ui->Text6, m_ui->UpDown6},
    };
    m_optionBoxes = {
        {Option::AutoTeamBalance, m_ui->Label6, m_ui->Check1},   {Option::AutoSkill, m_ui->Label13, m_ui->Check2},
        {Option::Observer, m_ui->Label7, m_ui->Check3},          {Option::BotsDontShoot, m_ui->Label8, m_ui->Check4},
        {Option::ViewWaypoints, m_ui->Label9, m_ui->Check5},     {Option::WaypointsTeam1, m_ui->Label15, m_ui->Check6},
        {Option::WaypointsTeam2, m_ui->Label16, m_ui->Check7},   {Option::ExtraSkill, m_ui->Label18, m_ui->Check8},
        {Option::UseBotskillRange, m_ui->Label19, m_ui->Check9},
    };
    for (const FieldControls &controls : std::as_const(m_fields)) {
        const RosterOptions::Range range = m_options->spinnerRange(controls.field);
        controls.spinner->setRange(range.minimum, range.maximum);
        const QString name = withoutColon(controls.label->text());
        controls.text->setAccessibleName(name);
        controls.spinner->setAccessibleName(name);
        controls.spinner->setBuddy(controls.text);
        connect(controls.text, &QLineEdit::textEdited, this,
                [this, field = controls.field](const QString &text) { m_options->setText(field, text); });
        connect(controls.spinner, &UpDown::stepRequested, this, [this, controls](int delta) {
            m_options->setText(controls.field, controls.spinner->stepped(controls.text->text(), delta));
        });
    }
    for (const OptionControls &controls : std::as_const(m_optionBoxes)) {
        controls.box->setAccessibleName(withoutColon(controls.label->text()));
        CaptionClick::attach(controls.label, controls.box);
        connect(controls.box, &QCheckBox::clicked, this,
                [this, option = controls.option](bool checked) { m_options->setChecked(option, checked); });
    }

    // Only the options every add-on has are shown until the add-on's own layout is applied.
    for (QWidget *row : std::initializer_list<QWidget *>{m_ui->Label13, m_ui->Check2, m_ui->Label19, m_ui->Check9,
                                                         m_ui->Label12, m_ui->Text4, m_ui->UpDown2, m_ui->Label17,
                                                         m_ui->Text6, m_ui->UpDown6, m_ui->Label18, m_ui->Check8,
                                                         m_ui->Label7, m_ui->Check3, m_ui->Label8, m_ui->Check4}) {
        row->hide();
    }

    connect(m_options, &RosterOptions::changed, this, &EditScreen::showOptions);
    showOptions();
}

void EditScreen::showOptions()
{
    for (const FieldControls &controls : std::as_const(m_fields)) {
        const QString text = m_options->text(controls.field);
        // Only a change made elsewhere is written back, so the cursor stays where the user types.
        if (controls.text->text() != text)
            controls.text->setText(text);
        const bool enabled = m_options->isEnabled(controls.field);
        for (QWidget *control : std::initializer_list<QWidget *>{controls.label, controls.text, controls.spinner})
            control->setEnabled(enabled);
    }
    for (const OptionControls &controls : std::as_const(m_optionBoxes)) {
        controls.box->setChecked(m_options->isChecked(controls.option));
        const bool enabled = m_options->isEnabled(controls.option);
        controls.label->setEnabled(enabled);
        controls.box->setEnabled(enabled);
    }
}

void EditScreen::applyOptionLayout(bool withValues)
{
    const RosterAddOn &addOn = m_document->addOn();
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_ui->Label7, m_ui->Check3, m_ui->Label8, m_ui->Check4, m_ui->Frame5})
        control->show();
    // The rows of the random skill range, for the add-ons whose files carry it; the others' files hold no skill
    // range, so Min Bot Skill stays hidden for them too.
    if (addOn.hasSkillRange()) {
        for (QWidget *control : std::initializer_list<QWidget *>{
                 m_ui->Label13, m_ui->Check2, m_ui->Label19, m_ui->Check9, m_ui->Label12, m_ui->Text4, m_ui->UpDown2,
                 m_ui->Label17, m_ui->Text6, m_ui->UpDown6, m_ui->Label18, m_ui->Check8})
            control->show();
    }
    // The waypoint frame belongs to the add-ons whose files carry waypoint lines; without it the servers' frame
    // moves up into the space.
    m_ui->Frame4->setVisible(addOn.waypointLines);
    if (withValues)
        m_document->applyAddOnStartValues();
}

int EditScreen::selectedRow() const
{
    const QModelIndexList rows = m_selection->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void EditScreen::enableSave()
{
    setSaveEnabled(true);
}

void EditScreen::setSaveEnabled(bool enabled)
{
    m_ui->Save->setEnabled(enabled);
}

void EditScreen::deleteBot()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_document->remove(row);
    m_selection->clear();
}

void EditScreen::startAfresh()
{
    if (!m_session->mayDiscard(EditorSession::newQuestion))
        return;
    setSaveEnabled(false);
    m_document->renew();
}

bool EditScreen::finish()
{
    return m_session->finish();
}

void EditScreen::closeEvent(QCloseEvent *event)
{
    if (!m_session->mayClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void EditScreen::showAddScreen()
{
    AddScreen *dialog = WindowHelper::showSingle(m_addScreen, [this] {
        auto *dialog = new AddScreen(m_profile, *m_document, this);
        connect(dialog, &AddScreen::botAdded, this, &EditScreen::enableSave);
        return dialog;
    });
    dialog->prepare();
}

void EditScreen::showEditBotScreen()
{
    EditBotScreen *dialog = WindowHelper::showSingle(m_editBotScreen, [this] {
        return new EditBotScreen(
            m_profile, *m_document, [this] { return selectedRow(); }, this);
    });
    dialog->fillFrom(selectedRow());
}

void EditScreen::showAddMultiple()
{
    AddMultiple *dialog = WindowHelper::showSingle(m_addMultiple, [this] {
        return new AddMultiple(m_appSession.gameDir(), m_profile, *m_document, m_random, this);
    });
    dialog->prepare();
}
