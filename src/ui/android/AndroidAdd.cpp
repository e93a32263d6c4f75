#include "AndroidAdd.h"

#include "ui_AndroidAdd.h"

#include "AndroidDocument.h"
#include "AndroidEntryCheck.h"
#include "AndroidRosterEntry.h"
#include "DialogKeys.h"
#include "MessageBox.h"

using namespace Qt::Literals::StringLiterals;

AndroidAdd::AndroidAdd(AndroidDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AndroidAdd>())
    , m_document(document)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Add "_s + document.botName() + u" Bot"_s);
    // No team is chosen until the user picks or types one.
    m_ui->Combo1->setCurrentIndex(-1);

    connect(m_ui->Command1, &QPushButton::clicked, this, &AndroidAdd::addBot);
    connect(m_ui->Command2, &QPushButton::clicked, this, &AndroidAdd::reject);
}

AndroidAdd::~AndroidAdd() = default;

void AndroidAdd::addBot()
{
    const AndroidRosterEntry bot{m_ui->Text1->text(), m_ui->Text2->text(), m_ui->Combo1->currentText()};
    if (const QString refusal = AndroidEntryCheck::refusal(bot); !refusal.isEmpty()) {
        MessageBox::information(this, refusal);
        return;
    }
    m_document.append(bot);
    Q_EMIT botAdded();
    accept();
}
