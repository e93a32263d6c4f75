#include "AddScreen.h"

#include "ui_AddScreen.h"

#include "DialogKeys.h"
#include "EntryProfile.h"
#include "MessageBox.h"
#include "RosterDocument.h"
#include "SkinChooser.h"

using namespace Qt::Literals::StringLiterals;

AddScreen::AddScreen(const EntryProfile &profile, RosterDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AddScreen>())
    , m_profile(profile)
    , m_document(document)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(profile.addCaption()));
    m_ui->Label3->setText(profile.skillLabel());

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
    m_document.append(bot);
    Q_EMIT botAdded();
    accept();
}
