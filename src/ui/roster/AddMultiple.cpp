#include "AddMultiple.h"

#include "ui_AddMultiple.h"

#include "CaptionClick.h"
#include "DialogKeys.h"
#include "MessageBox.h"
#include "MultipleBots.h"
#include "NameList.h"
#include "RandomSource.h"
#include "RosterDocument.h"
#include "Session.h"
#include "SkinChooser.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

AddMultiple::AddMultiple(const Session &session, RosterDocument &document, RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AddMultiple>())
    , m_session(session)
    , m_document(document)
    , m_addOn(document.addOn())
    , m_random(random)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const RosterFormat &format = *m_addOn.format;
    setObjectName(format.names.several);
    setWindowTitle(tr("Add Multiple %1 Bots").arg(m_addOn.botName()));
    m_ui->Text1->setText(QString::number(10));
    m_ui->Text2->setText(format.severalStartSkill);
    if (format.hasSkins()) {
        CaptionClick::attach(m_ui->Label6, m_ui->Check1);
    } else {
        for (QWidget *control :
             std::initializer_list<QWidget *>{m_ui->Label4, m_ui->List1, m_ui->Label6, m_ui->Check1, m_ui->Label5})
            delete control;
        m_ui->List1 = nullptr;
        m_ui->Check1 = nullptr;
        adjustSize();
    }
    m_ui->Label7->setObjectName(format.names.autoSkillLabel);
    m_ui->Check2->setObjectName(format.names.autoSkillBox);
    m_ui->Label3->setObjectName(format.names.severalTeamLabel);
    m_skins
        = new SkinChooser(m_addOn, format.severalTeams(m_addOn), m_ui->Combo1, m_ui->List1, m_ui->previewLayout, this);
    m_skins->setTeams();
    m_skins->pickTeam(0);

    const int skillMaximum
        = format.severalSkillSpinnerMaximum ? format.severalSkillSpinnerMaximum : m_addOn.skillMaximum;
    for (const auto &[spinner, box, maximum] : {std::tuple{m_ui->UpDown1, m_ui->Text1, format.severalCountMaximum},
                                                std::tuple{m_ui->UpDown2, m_ui->Text2, skillMaximum}}) {
        spinner->setBuddy(box);
        spinner->setRange(spinner == m_ui->UpDown1 ? 1 : 0, maximum);
        spinner->setAccessibleName(box->accessibleName());
        connect(spinner, &UpDown::stepRequested, box,
                [spinner, box](int delta) { box->setText(spinner->stepped(box->text(), delta)); });
    }

    CaptionClick::attach(m_ui->Label7, m_ui->Check2);
    connect(m_ui->Check2, &QCheckBox::toggled, this, &AddMultiple::setAutoSkill);
    connect(m_ui->Command3, &QPushButton::clicked, this, &AddMultiple::editBotNames);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AddMultiple::addBots);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AddMultiple::reject);
}

AddMultiple::~AddMultiple() = default;

void AddMultiple::prepare()
{
    if (!m_addOn.format->addPicksFirstTeam)
        return;
    m_skins->setTeams();
    m_skins->pickTeam(0);
}

void AddMultiple::setAutoSkill(bool checked)
{
    // Auto Skill draws a skill for each bot, so the typed one is out of use, and where the format says so, goes.
    if (m_addOn.format->autoSkillClearsSkill)
        m_ui->Text2->clear();
    for (QWidget *control : std::initializer_list<QWidget *>{m_ui->Text2, m_ui->Label2, m_ui->UpDown2})
        control->setEnabled(!checked);
}

void AddMultiple::editBotNames()
{
    const QString path = NameList::find(m_session.gameDir());
    if (path.isEmpty()) {
        MessageBox::information(this, NameList::missingMessage());
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        MessageBox::information(this,
                                tr("No program is set up to open 'TRNames.txt'. Please open it in a text "
                                   "editor: %1")
                                    .arg(QDir::toNativeSeparators(path)));
    }
}

void AddMultiple::addBots()
{
    const RosterFormat &format = *m_addOn.format;
    if (format.severalReseeds)
        m_random.reseedFromClock();
    const bool autoSkill = m_ui->Check2->isChecked();
    const QString skill = m_ui->Text2->text();
    if (const QString refusal = MultipleBots::refusal(m_ui->Text1->text(), skill, autoSkill); !refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }
    if (!UpDown::mayUseNumbers(this))
        return;
    const QString path = NameList::find(m_session.gameDir());
    QString error = path.isEmpty() ? NameList::missingMessage() : QString();
    NameList names = path.isEmpty() ? NameList() : NameList::read(path, &error);
    if (!error.isEmpty()) {
        MessageBox::information(this, error);
        return;
    }
    // No more bots than there are names; the number box then shows how many.
    int count = *MultipleBots::count(m_ui->Text1->text());
    if (count > names.size()) {
        count = names.size();
        m_ui->Text1->setText(QString::number(count));
    }

    MultipleBots bots;
    bots.skill = skill;
    bots.autoSkill = autoSkill;
    bots.skillMaximum = m_addOn.skillMaximum;
    bots.team = m_skins->team();
    bots.skins = m_skins->skins();
    bots.selectedSkin = m_skins->selectedSkinRow();
    bots.autoSelectSkin = m_ui->Check1 && m_ui->Check1->isChecked();
    // Even no bots at all count as an edit of the roster.
    m_document.append(bots.draw(count, names, m_random));
    m_ui->Text2->setText(bots.skill);
    accept();
}
