#include "EditBotScreen.h"

#include "ui_EditBotScreen.h"

#include "AppState.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "Roster.h"
#include "RosterFile.h"
#include "SkinChooser.h"

#include <QItemSelectionModel>

using namespace Qt::Literals::StringLiterals;

EditBotScreen::EditBotScreen(AppState &state, const EntryProfile &profile, Roster &roster,
                             const QItemSelectionModel &selection, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::EditBotScreen>())
    , m_state(state)
    , m_profile(profile)
    , m_roster(roster)
    , m_selection(selection)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(profile.editCaption()));
    m_ui->Label3->setText(profile.SkillLabel());

    m_skins = new SkinChooser(profile, m_ui->Combo1, m_ui->List1, m_ui->previewLayout, this);

    // Apply To All keeps every name, so the name box is out of use while it is checked; its text stays.
    connect(m_ui->Check1, &QCheckBox::toggled, m_ui->Text1, &QLineEdit::setDisabled);
    connect(m_ui->Command1, &QPushButton::clicked, this, &EditBotScreen::editBot);
    connect(m_ui->Command2, &QPushButton::clicked, this, &EditBotScreen::reject);
}

EditBotScreen::~EditBotScreen() = default;

void EditBotScreen::init_editbotscreen_auto(int row)
{
    fill(row);
}

void EditBotScreen::init_editbotscreen_noauto(int row)
{
    fill(row);
}

void EditBotScreen::fill(int row)
{
    // Pressing "&Edit Bot" again while the dialog is open starts it afresh from the row now selected.
    m_ui->Check1->setChecked(false);
    m_ui->Text1->clear();
    m_ui->Text2->clear();
    m_skins->clear();
    m_skins->setTeams();
    if (row < 0 || row >= m_roster.size())
        return;

    const RosterEntry &bot = m_roster.at(row);
    m_ui->Text1->setText(bot.name);
    // A team the add-on doesn't offer leaves the team box and the skin list empty.
    const int team = int(m_profile.teams().indexOf(bot.team));
    if (team >= 0)
        m_skins->pickTeam(team);
    m_ui->Text2->setText(bot.skill);
    if (const int position = m_profile.skinPosition(bot.skin))
        m_skins->selectSkin(position - 1);
}

QString EditBotScreen::refusal(bool applyToAll, int row) const
{
    const QString name = m_ui->Text1->text();
    const QString skill = m_ui->Text2->text();
    if (!applyToAll && name.isEmpty())
        return u"You have to name the bot"_s;
    if (m_skins->team().isEmpty())
        return u"You have to slect a team for the bot"_s;
    if (skill.isEmpty())
        return u"You have to enter a skill level for the bot"_s;
    if (const QString range = m_profile.ValidateSkill(skill); !range.isEmpty())
        return range;
    if (m_skins->selectedSkinRow() < 0)
        return u"You Have to select a skin for the bot"_s;
    if (applyToAll)
        return {};
    if (row < 0)
        return u"There is no bot selected in the list. Please select the bot you want to change, then press "
               u"Done again."_s;
    return RosterFile::unreadableName(name);
}

void EditBotScreen::editBot()
{
    const bool applyToAll = m_ui->Check1->isChecked();
    const QModelIndexList rows = m_selection.selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.constFirst().row();
    if (const QString message = refusal(applyToAll, row); !message.isEmpty()) {
        MessageBox::information(this, message);
        return;
    }

    const QString team = m_skins->team();
    const QString skill = m_ui->Text2->text();
    const QString skin = m_skins->selectedSkin();
    if (applyToAll)
        m_roster.setAll(team, skill, skin);
    else
        m_roster.replace(row, {m_ui->Text1->text(), team, skill, skin});
    m_state.RosterChanged = true;
    accept();
}
