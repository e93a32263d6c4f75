#include "AddScreen.h"

#include "ui_AddScreen.h"

#include "AppState.h"
#include "DialogKeys.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "Roster.h"
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
    DialogKeys::attach(this);
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
    const RosterEntry bot{m_ui->Text1->text(), m_skins->team(), m_ui->Text2->text(), m_skins->selectedSkin()};
    if (const QString refusal = m_profile.refuseNew(bot); !refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }
    m_roster.append(bot);
    m_state.RosterChanged = true;
    Q_EMIT botAdded();
    accept();
}
