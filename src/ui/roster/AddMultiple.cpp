#include "AddMultiple.h"

#include "ui_AddMultiple.h"

#include "CaptionClick.h"
#include "DialogKeys.h"
#include "EntryProfile.h"
#include "MultipleBots.h"
#include "NameList.h"
#include "NameListFile.h"
#include "RosterDocument.h"
#include "SkinChooser.h"

using namespace Qt::Literals::StringLiterals;

AddMultiple::AddMultiple(const QString &gameDir, const EntryProfile &profile, RosterDocument &document,
                         RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AddMultiple>())
    , m_gameDir(gameDir)
    , m_profile(profile)
    , m_document(document)
    , m_random(random)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Add Multiple %1 Bots"_s.arg(profile.botName()));
    m_ui->Text1->setText(u"10"_s);

    m_skins = new SkinChooser(profile, m_ui->Combo1, m_ui->List1, m_ui->previewLayout, this);

    const std::initializer_list<std::pair<UpDown *, QLineEdit *>> spinners{{m_ui->UpDown1, m_ui->Text1},
                                                                           {m_ui->UpDown2, m_ui->Text2}};
    for (const auto &[spinner, box] : spinners) {
        spinner->setBuddy(box);
        spinner->setAccessibleName(box->accessibleName());
        connect(spinner, &UpDown::stepRequested, box,
                [spinner, box](int delta) { box->setText(spinner->stepped(box->text(), delta)); });
    }
    m_ui->UpDown1->setRange(1, 20);
    m_ui->UpDown2->setRange(0, profile.skillMaximum());

    CaptionClick::attach(m_ui->Label7, m_ui->Check2);
    CaptionClick::attach(m_ui->Label6, m_ui->Check1);
    connect(m_ui->Check2, &QCheckBox::clicked, this, &AddMultiple::setAutoSkill);
    connect(m_ui->Command3, &QPushButton::clicked, this, &AddMultiple::editBotNames);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AddMultiple::addBots);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AddMultiple::reject);
}

AddMultiple::~AddMultiple() = default;

void AddMultiple::prepare()
{
    m_skins->setTeams();
    m_skins->pickTeam(0);
}

void AddMultiple::setAutoSkill(bool checked)
{
    // Auto Skill draws a skill for each bot, so the typed one goes either way.
    m_ui->Text2->clear();
    for (QWidget *control : std::initializer_list<QWidget *>{m_ui->Text2, m_ui->Label2, m_ui->UpDown2})
        control->setEnabled(!checked);
}

void AddMultiple::editBotNames()
{
    NameListFile::openInEditor(this, m_gameDir);
}

void AddMultiple::addBots()
{
    const bool autoSkill = m_ui->Check2->isChecked();
    std::optional<NameListFile::Draw> draw
        = NameListFile::prepareDraw(this, m_gameDir, m_ui->Text1, m_ui->Text2->text(), autoSkill);
    if (!draw)
        return;
    MultipleBots bots;
    bots.skill = m_ui->Text2->text();
    bots.autoSkill = autoSkill;
    bots.skillMaximum = m_profile.skillMaximum();
    bots.team = m_skins->team();
    bots.skins = m_skins->skins();
    bots.selectedSkin = m_skins->selectedSkinRow();
    bots.autoSelectSkin = m_ui->Check1->isChecked();
    // Even no bots at all count as an edit of the roster.
    m_document.append(bots.draw(draw->count, draw->names, m_random));
    m_ui->Text2->setText(bots.skill);
    accept();
}
