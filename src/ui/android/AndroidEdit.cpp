#include "AndroidEdit.h"

#include "ui_AndroidEdit.h"

#include "AndroidDocument.h"
#include "AndroidEntryCheck.h"
#include "AndroidRoster.h"
#include "DialogKeys.h"
#include "MessageBox.h"

AndroidEdit::AndroidEdit(AndroidDocument &document, std::function<int()> selectedRow, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AndroidEdit>())
    , m_document(document)
    , m_selectedRow(std::move(selectedRow))
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // Apply To All keeps every name, so the name box is out of use while it is checked.
    connect(m_ui->Check1, &QCheckBox::toggled, m_ui->Text1, &QLineEdit::setDisabled);
    connect(m_ui->Command1, &QPushButton::clicked, this, &AndroidEdit::editBot);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AndroidEdit::reject);
}

AndroidEdit::~AndroidEdit() = default;

void AndroidEdit::fillFrom(int row)
{
    m_ui->Check1->setChecked(false);
    if (row < 0 || row >= m_document.roster().size())
        return;
    const AndroidRosterEntry &bot = m_document.roster().at(row);
    m_ui->Text1->setText(bot.name);
    m_ui->Text2->setText(bot.skill);
    // A team typed in earlier shows as typed.
    const int team = m_ui->Combo1->findText(bot.team);
    m_ui->Combo1->setCurrentIndex(team);
    if (team < 0)
        m_ui->Combo1->setEditText(bot.team);
}

void AndroidEdit::editBot()
{
    const bool applyToAll = m_ui->Check1->isChecked();
    const int row = m_selectedRow();
    const AndroidRosterEntry bot{m_ui->Text1->text(), m_ui->Text2->text(), m_ui->Combo1->currentText()};
    if (const QString refusal = AndroidEntryCheck::refusal(bot, !applyToAll, row >= 0); !refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }
    if (applyToAll)
        m_document.setAll(bot.skill, bot.team);
    else
        m_document.replace(row, bot);
    accept();
}
