#include "AndroidMultiple.h"

#include "ui_AndroidMultiple.h"

#include "AndroidDocument.h"
#include "AndroidRosterEntry.h"
#include "CaptionClick.h"
#include "DialogKeys.h"
#include "MultipleBots.h"
#include "NameList.h"
#include "NameListFile.h"
#include "RandomSource.h"

using namespace Qt::Literals::StringLiterals;

AndroidMultiple::AndroidMultiple(const QString &gameDir, AndroidDocument &document, RandomSource &random,
                                 QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AndroidMultiple>())
    , m_gameDir(gameDir)
    , m_document(document)
    , m_random(random)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Add Multiple "_s + document.botName() + u" Bots"_s);
    m_ui->Text1->setText(u"10"_s);
    m_ui->Text2->setText(u"30"_s);

    const std::initializer_list<std::tuple<UpDown *, QLineEdit *, int, int>> spinners{
        {m_ui->UpDown1, m_ui->Text1, 1, 10}, {m_ui->UpDown2, m_ui->Text2, 0, 10}};
    for (const auto &[spinner, box, minimum, maximum] : spinners) {
        spinner->setBuddy(box);
        spinner->setRange(minimum, maximum);
        spinner->setAccessibleName(box->accessibleName());
        connect(spinner, &UpDown::stepRequested, box,
                [spinner, box](int delta) { box->setText(spinner->stepped(box->text(), delta)); });
    }
    CaptionClick::attach(m_ui->Label3, m_ui->Check1);
    // Auto Skill draws a skill for each bot, so the typed one is out of use while it is checked.
    connect(m_ui->Check1, &QCheckBox::toggled, this, [this](bool checked) {
        for (QWidget *control : std::initializer_list<QWidget *>{m_ui->Label2, m_ui->Text2, m_ui->UpDown2})
            control->setDisabled(checked);
    });
    connect(m_ui->Command3, &QPushButton::clicked, this, [this] { NameListFile::openInEditor(this, m_gameDir); });
    connect(m_ui->Command1, &QPushButton::clicked, this, &AndroidMultiple::addBots);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AndroidMultiple::reject);
}

AndroidMultiple::~AndroidMultiple() = default;

void AndroidMultiple::addBots()
{
    m_random.reseedFromClock();
    const bool autoSkill = m_ui->Check1->isChecked();
    std::optional<NameListFile::Draw> draw
        = NameListFile::prepareDraw(this, m_gameDir, m_ui->Text1, m_ui->Text2->text(), autoSkill);
    if (!draw)
        return;
    MultipleBots bots;
    bots.skill = m_ui->Text2->text();
    bots.autoSkill = autoSkill;
    bots.skillMaximum = 100;
    bots.team = m_ui->Combo1->currentText();
    QList<AndroidRosterEntry> entries;
    entries.reserve(draw->count);
    for (const RosterEntry &bot : bots.draw(draw->count, draw->names, m_random))
        entries.append({bot.name, bot.skill, bot.team});
    m_document.append(entries);
    m_ui->Text2->setText(bots.skill);
    accept();
}
