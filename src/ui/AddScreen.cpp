#include "AddScreen.h"

#include "ui_AddScreen.h"

#include "AppState.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "Roster.h"
#include "RosterFile.h"
#include "SkinChooser.h"

using namespace Qt::Literals::StringLiterals;

AddScreen::AddScreen(AppState &state, const EntryProfile &profile, Roster &roster, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AddScreen>())
    , m_state(state)
    , m_profile(profile)
    , m_roster(roster)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(profile.addCaption()));
    m_ui->Label3->setText(profile.SkillLabel());

    m_skins = new SkinChooser(profile, m_ui->Combo1, m_ui->List1, m_ui->previewLayout, this);

    connect(m_ui->Command1, &QPushButton::clicked, this, &AddScreen::addBot);
    connect(m_ui->Command3, &QPushButton::clicked, this, &AddScreen::reject);
}

AddScreen::~AddScreen() = default;

void AddScreen::prepare()
{
    m_skins->setTeams();
    m_skins->pickTeam(0);
    m_skins->selectSkin(0);
}

void AddScreen::addBot()
{
    const QString name = m_ui->Text1->text();
    const QString skill = m_ui->Text2->text();
    QString refusal;
    if (name.isEmpty())
        refusal = u"You have to name the bot"_s;
    else if (skill.isEmpty())
        refusal = u"You have to enter a skill level for the bot"_s;
    else if (const QString range = m_profile.ValidateSkill(skill); !range.isEmpty())
        refusal = range;
    else if (m_skins->team().isEmpty())
        refusal = u"You have to select a team for the bot"_s;
    else if (m_skins->selectedSkinRow() < 0)
        refusal = u"You have to choose a skin for the bot"_s;
    else
        refusal = RosterFile::unreadableName(name);
    if (!refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }

    m_roster.append({name, m_skins->team(), skill, m_skins->selectedSkin()});
    m_state.RosterChanged = true;
    Q_EMIT botAdded();
    accept();
}
