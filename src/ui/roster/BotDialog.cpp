#include "BotDialog.h"

#include "ui_BotDialog.h"

#include "DialogKeys.h"
#include "MessageBox.h"
#include "Roster.h"
#include "RosterDocument.h"
#include "SkinChooser.h"

BotDialog::BotDialog(RosterDocument &document, std::function<int()> selectedRow, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::BotDialog>())
    , m_document(document)
    , m_addOn(document.addOn())
    , m_selectedRow(std::move(selectedRow))
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const RosterFormat &format = *m_addOn.format;
    const bool editing = bool(m_selectedRow);
    setObjectName(editing ? format.names.edit : format.names.add);
    setWindowTitle(editing ? m_addOn.editDialogCaption() : m_addOn.addDialogCaption());
    m_ui->Frame1->setTitle(editing ? tr("Edit Bot") : tr("Add Bot"));
    m_ui->Label3->setText(format.skillLabel(m_addOn));
    m_ui->Text2->setAccessibleName(m_ui->Label3->text());
    m_ui->Label2->setObjectName(format.names.teamLabel);
    m_ui->Label3->setObjectName(format.names.skillLabel);
    if (editing) {
        m_ui->Check1->setToolTip(RosterFormat::tr(format.applyToAllTip));
        // Apply To All keeps every name, so the name box is out of use while it is checked; its text stays.
        connect(m_ui->Check1, &QCheckBox::toggled, m_ui->Text1, &QLineEdit::setDisabled);
    } else {
        delete m_ui->Check1;
        m_ui->Command2->setObjectName(format.names.addCancel);
    }
    if (format.skillBeforeTeam) {
        for (QWidget *control : std::initializer_list<QWidget *>{m_ui->Text2, m_ui->Label3}) {
            m_ui->fieldLayout->removeWidget(control);
            m_ui->fieldLayout->insertWidget(2, control);
        }
        setTabOrder(m_ui->Text1, m_ui->Text2);
        setTabOrder(m_ui->Text2, m_ui->Combo1);
    }
    if (!format.hasSkins()) {
        delete m_ui->Label4;
        delete m_ui->List1;
        delete m_ui->Label5;
        m_ui->List1 = nullptr;
        adjustSize();
    }
    m_skins = new SkinChooser(m_addOn, format.teams(m_addOn), m_ui->Combo1, m_ui->List1, m_ui->previewLayout, this);
    m_skins->setTeams();

    connect(m_ui->Command1, &QPushButton::clicked, this, &BotDialog::takeBot);
    connect(m_ui->Command2, &QPushButton::clicked, this, &BotDialog::reject);
}

BotDialog *BotDialog::add(RosterDocument &document, QWidget *parent)
{
    return new BotDialog(document, {}, parent);
}

BotDialog *BotDialog::edit(RosterDocument &document, std::function<int()> selectedRow, QWidget *parent)
{
    return new BotDialog(document, std::move(selectedRow), parent);
}

BotDialog::~BotDialog() = default;

void BotDialog::prepare()
{
    if (!m_addOn.format->addPicksFirstTeam)
        return;
    m_skins->setTeams();
    m_skins->pickTeam(0);
    m_skins->selectSkin(0);
}

void BotDialog::fillFrom(int row)
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
    // A team that no list offers leaves the team box and the skin list empty, or shows as typed.
    if (const int team = int(m_addOn.format->teams(m_addOn).indexOf(bot.team)); team >= 0)
        m_skins->pickTeam(team);
    else if (m_addOn.format->editShowsTypedTeam)
        m_ui->Combo1->setEditText(bot.team);
    m_ui->Text2->setText(bot.skill);
    if (const int position = m_addOn.skinPosition(bot.skin))
        m_skins->selectSkin(position - 1);
}

void BotDialog::takeBot()
{
    const RosterEntry bot{m_ui->Text1->text(), m_skins->team(), m_ui->Text2->text(), m_skins->selectedSkin()};
    if (!m_selectedRow) {
        if (const QString refusal = m_addOn.format->entryRefusal(m_addOn, bot, RosterFormat::Entry::Add, true);
            !refusal.isEmpty()) {
            MessageBox::information(this, refusal);
            return;
        }
        m_document.append(bot);
        Q_EMIT botAdded();
        accept();
        return;
    }
    const bool applyToAll = m_ui->Check1->isChecked();
    const int row = m_selectedRow();
    const auto entry = applyToAll ? RosterFormat::Entry::EditAll : RosterFormat::Entry::Edit;
    if (const QString refusal = m_addOn.format->entryRefusal(m_addOn, bot, entry, row >= 0); !refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }
    if (applyToAll)
        m_document.setAll(bot.team, bot.skill, bot.skin);
    else
        m_document.replace(row, bot);
    accept();
}
