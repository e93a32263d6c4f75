#include "EditScreen.h"

#include "ui_EditScreen.h"

#include "AddMultiple.h"
#include "AddScreen.h"
#include "AppState.h"
#include "CaptionClick.h"
#include "ColumnLists.h"
#include "EditBotScreen.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "OpenScreen.h"
#include "Roster.h"
#include "RosterFile.h"
#include "SaveScreen.h"
#include "UpDown.h"

#include <QItemSelectionModel>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString exitQuestion = u"You Have Changed Your Current BotList. Do You Want To Save It Before You Exit?"_s;
const QLatin1StringView realBot("RealBot");

QString withoutColon(const QString &caption)
{
    return caption.endsWith(u':') ? caption.chopped(1) : caption;
}

} // namespace

EditScreen::EditScreen(AppState &state, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::EditScreen>())
    , m_state(state)
    , m_random(random)
    , m_botName(state.BotName)
    , m_profile(EntryProfile::find(m_botName))
    , m_roster(new Roster(this))
    , m_options(new RosterOptions(state.RosterChanged, this))
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
    connect(m_ui->Open, &QAction::triggered, this, &EditScreen::showOpenScreen);
    connect(m_ui->Save, &QAction::triggered, this, &EditScreen::showSaveScreen);
    // However the roster comes to be empty (the last bot deleted, a file that failed to load), there is nothing
    // left to save.
    const auto disableSaveWhenEmpty = [this] {
        if (m_roster->isEmpty())
            setSaveEnabled(false);
    };
    connect(m_roster, &Roster::rowsRemoved, this, disableSaveWhenEmpty);
    connect(m_roster, &Roster::modelReset, this, disableSaveWhenEmpty);

    // An editor opens empty, with the start values of the options and nothing to save.
    setSaveEnabled(false);
    m_state.RosterChanged = false;
}

EditScreen::~EditScreen() = default;

void EditScreen::setUpLists()
{
    const QList<QListView *> lists{m_ui->List1, m_ui->List2, m_ui->List3, m_ui->List4};
    // A click in any column selects the whole bot, so every column shows the same row selected.
    m_selection = (new ColumnLists(m_roster, lists, this))->selectionModel();
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
    m_ui->UpDown1->setRange(3, 10);
    m_ui->UpDown2->setRange(0, 50);
    m_ui->UpDown3->setRange(0, 10);
    m_ui->UpDown4->setRange(0, 10);
    m_ui->UpDown5->setRange(0, 50);
    m_ui->UpDown6->setRange(1, 50);

    for (const FieldControls &controls : std::as_const(m_fields)) {
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
    const auto show = [](std::initializer_list<QWidget *> controls) {
        for (QWidget *control : controls)
            control->show();
    };
    show({m_ui->Label7, m_ui->Check3, m_ui->Label8, m_ui->Check4, m_ui->Frame5});
    if (m_botName == realBot) {
        show({m_ui->Label13, m_ui->Check2, m_ui->Label19, m_ui->Check9, m_ui->Label12, m_ui->Text4, m_ui->UpDown2,
              m_ui->Label17, m_ui->Text6, m_ui->UpDown6, m_ui->Label18, m_ui->Check8});
        m_ui->UpDown2->setRange(0, 50);
        // RealBot's files carry no waypoint lines; the servers' frame moves up into the space.
        m_ui->Frame4->hide();
        if (withValues)
            m_options->applyAddOnStartValues(m_botName);
        return;
    }
    // The other add-ons' files hold no skill range, so its row stays hidden; the waypoint frame is shown only to
    // the add-ons whose files carry the waypoint lines.
    m_ui->UpDown2->setRange(0, 5);
    m_ui->Frame4->setVisible(RosterFile::hasWaypointLines(m_botName));
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
    m_roster->remove(row);
    m_selection->clear();
    m_state.RosterChanged = true;
}

void EditScreen::startAfresh()
{
    setSaveEnabled(false);
    m_roster->clear();
    m_options->renew(m_botName);
    m_state.RosterChanged = false;
}

bool EditScreen::finish()
{
    if (m_state.RosterChanged && !m_roster->isEmpty() && MessageBox::yesNo(this, exitQuestion)) {
        raise();
        showSaveScreen();
        return false;
    }
    close();
    return true;
}

void EditScreen::showOpenScreen()
{
    if (!m_openScreen) {
        m_openScreen = new OpenScreen(m_state, m_botName, *m_options, *m_roster, this);
        connect(m_openScreen, &OpenScreen::loaded, this, [this] {
            setSaveEnabled(true);
            m_selection->clear();
        });
        connect(m_openScreen, &OpenScreen::saveRequested, this, &EditScreen::showSaveScreen);
    }
    showDialog(m_openScreen);
}

void EditScreen::showSaveScreen()
{
    if (!m_saveScreen)
        m_saveScreen = new SaveScreen(m_state, m_botName, *m_options, *m_roster, this);
    showDialog(m_saveScreen);
}

void EditScreen::showAddScreen()
{
    if (!m_profile)
        return;
    if (!m_addScreen) {
        m_addScreen = new AddScreen(m_state, *m_profile, *m_roster, this);
        connect(m_addScreen, &AddScreen::botAdded, this, &EditScreen::enableSave);
    }
    m_addScreen->prepare();
    showDialog(m_addScreen);
}

void EditScreen::showEditBotScreen()
{
    if (!m_profile)
        return;
    if (!m_editBotScreen)
        m_editBotScreen = new EditBotScreen(m_state, *m_profile, *m_roster, *m_selection, this);
    if (m_profile->offersAutoSelect())
        m_editBotScreen->init_editbotscreen_auto(selectedRow());
    else
        m_editBotScreen->init_editbotscreen_noauto(selectedRow());
    showDialog(m_editBotScreen);
}

void EditScreen::showAddMultiple()
{
    if (!m_profile)
        return;
    if (!m_addMultiple)
        m_addMultiple = new AddMultiple(m_state, *m_profile, *m_roster, m_random, this);
    m_addMultiple->prepare();
    showDialog(m_addMultiple);
}

void EditScreen::showDialog(QWidget *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
