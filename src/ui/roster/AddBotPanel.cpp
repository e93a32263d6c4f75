#include "AddBotPanel.h"

#include "ui_AddBotPanel.h"

#include "RosterAddOn.h"
#include "RosterDocument.h"

AddBotPanel::AddBotPanel(RosterDocument &document, QWidget *parent)
    : OptionPanel(document, parent)
    , m_ui(std::make_unique<Ui::AddBotPanel>())
{
    m_ui->setupUi(this);
    setControls({m_ui->List1, m_ui->List2, m_ui->List3, m_ui->List4},
                {m_ui->Command3, m_ui->Command1, m_ui->Command2, m_ui->Command5, m_ui->Command4});
    bind(Field::TimeBeforeBotEntry, m_ui->Label5, m_ui->Text1, m_ui->UpDown1);
    bind(Field::MinBots, m_ui->Label10, m_ui->Text2, m_ui->UpDown3);
    bind(Field::MaxBots, m_ui->Label11, m_ui->Text3, m_ui->UpDown4);
    bind(Field::MinBotSkill, m_ui->Label12, m_ui->Text4, m_ui->UpDown2);
    bind(Field::Botskill, m_ui->Label14, m_ui->Text5, m_ui->UpDown5);
    bind(Field::MaxSkill, m_ui->Label17, m_ui->Text6, m_ui->UpDown6);
    bind(Option::AutoTeamBalance, m_ui->Label6, m_ui->Check1);
    bind(Option::AutoSkill, m_ui->Label13, m_ui->Check2);
    bind(Option::Observer, m_ui->Label7, m_ui->Check3);
    bind(Option::BotsDontShoot, m_ui->Label8, m_ui->Check4);
    bind(Option::ViewWaypoints, m_ui->Label9, m_ui->Check5);
    bind(Option::WaypointsTeam1, m_ui->Label15, m_ui->Check6);
    bind(Option::WaypointsTeam2, m_ui->Label16, m_ui->Check7);
    bind(Option::ExtraSkill, m_ui->Label18, m_ui->Check8);
    bind(Option::UseBotskillRange, m_ui->Label19, m_ui->Check9);

    // Only the options every add-on has are shown until the add-on's own layout is applied.
    for (QWidget *row : std::initializer_list<QWidget *>{m_ui->Label13, m_ui->Check2, m_ui->Label19, m_ui->Check9,
                                                         m_ui->Label12, m_ui->Text4, m_ui->UpDown2, m_ui->Label17,
                                                         m_ui->Text6, m_ui->UpDown6, m_ui->Label18, m_ui->Check8,
                                                         m_ui->Label7, m_ui->Check3, m_ui->Label8, m_ui->Check4}) {
        row->hide();
    }
    showOptions();
}

AddBotPanel::~AddBotPanel() = default;

void AddBotPanel::applyLayout(bool withValues)
{
    const RosterAddOn &addOn = m_document.addOn();
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
        m_document.applyAddOnStartValues();
}
