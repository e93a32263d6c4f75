#include "EditBotScreen.h"

#include "ui_EditBotScreen.h"

#include "DialogKeys.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "Roster.h"
#include "RosterDocument.h"
#include "SkinChooser.h"

using namespace Qt::Literals::StringLiterals;

EditBotScreen::EditBotScreen(const EntryProfile &profile, RosterDocument &document, std::function<int()> selectedRow,
                             QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::EditBotScreen>())
    , m_profile(profile)
    , m_document(document)
    , m_selectedRow(std::move(selectedRow))
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(profile.editCaption()));
    m_ui->Label3->setText(profile.skillLabel());

    m_skins = new SkinChooser(profile, m_ui->Combo1, m_ui->List1, m_ui->previewLayout, this);

    // Apply To All keeps every name, so the name box is out of use while it is checked; its text stays.
    connect(m_ui->Check1, &QCheckBox::toggled, m_ui->Text1, &QLineEdit::setDisabled);
    connect(m_ui->Command1, &QPushButton::clicked, this, &EditBotScreen::editBot);
    connect(m_ui->Command2, &QPushButton::clicked, this, &EditBotScreen::reject);
}

EditBotScreen::~EditBotScreen() = default;

void EditBotScreen::fillFrom(int row)
{
    // Pressing "&Edit Bot" again while the dialog is open starts it afresh from the row now selected.
    m_ui->Check1->setChecked(false);
    m_ui->Text1->clear();
    m_ui->Text2->clear();
    m_skins->clear();
    m_skins->setTeams();
    const Roster &roster = m_document.roster();
    if (row < 0 || row >= roster.size())
        return;

    const RosterEntry &bot = roster.at(row);
    m_ui->Text1->setText(bot.name);
    // A team the add-on doesn't offer leaves the team box and the skin list empty.
    const int team = int(m_profile.teams().indexOf(bot.team));
    if (team >= 0)
        m_skins->pickTeam(team);
    m_ui->Text2->setText(bot.skill);
    if (const int position = m_profile.skinPosition(bot.skin))
        m_skins->selectSkin(position - 1);
}

void EditBotScreen::editBot()
{
    const bool applyToAll = m_ui->Check1->isChecked();
    const int row = m_selectedRow();
    const RosterEntry bot{m_ui->Text1->text(), m_skins->team(), m_ui->Text2->text(), m_skins->selectedSkin()};
    if (const QString refusal = m_profile.refuseChange(bot, applyToAll, row >= 0); !refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }

    if (applyToAll)
        m_document.setAll(bot.team, bot.skill, bot.skin);
    else
        m_document.replace(row, bot);
    accept();
}
