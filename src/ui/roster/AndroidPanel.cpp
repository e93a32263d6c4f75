#include "AndroidPanel.h"

#include "ui_AndroidPanel.h"

#include "RosterAddOn.h"
#include "RosterDocument.h"

AndroidPanel::AndroidPanel(RosterDocument &document, QWidget *parent)
    : OptionPanel(document, parent)
    , m_ui(std::make_unique<Ui::AndroidPanel>())
{
    m_ui->setupUi(this);
    // PodBot's files alone carry its own options.
    m_ui->Frame3->setVisible(document.addOn().botOptionLines);
    setControls({m_ui->List1, m_ui->List2, m_ui->List3},
                {m_ui->Command4, m_ui->Command1, m_ui->Command2, m_ui->Command5, m_ui->Command3});
    bind(Field::TimeBeforeBotEntry, m_ui->Label2, m_ui->Text1, m_ui->UpDown1);
    bind(Option::AutoTeamBalance, m_ui->Label5, m_ui->Check1);
    bind(Option::BotChatting, m_ui->Label6, m_ui->Check2);
    bind(Option::JasonMode, m_ui->Label7, m_ui->Check3);
    bind(Field::MinimumBotSkill, m_ui->Label8, m_ui->Text2, m_ui->UpDown2);
    showOptions();
}

AndroidPanel::~AndroidPanel() = default;
