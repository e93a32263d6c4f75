#include "ConfigScreen.h"

#include "ui_ConfigScreen.h"

#include "DialogKeys.h"
#include "ListenServerFile.h"
#include "MapCycle.h"
#include "MessageBox.h"
#include "MotdScreen.h"
#include "Pictures.h"
#include "Session.h"
#include "UpDown.h"
#include "WindowHelper.h"

using namespace Qt::Literals::StringLiterals;

using Field = ListenServerConfig::Field;
using Flag = ListenServerConfig::Flag;

ConfigScreen::ConfigScreen(Session &session, RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ConfigScreen>())
    , m_session(session)
    , m_random(random)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    m_ui->Picture1->setPixmap(Pictures::pixmap(Pictures::serverConfig, devicePixelRatioF()));
    setUpControls();
    connect(m_ui->Command1, &QPushButton::clicked, this, &ConfigScreen::accept);
    connect(m_ui->Command2, &QPushButton::clicked, this, &ConfigScreen::discard);
    connect(m_ui->Command3, &QPushButton::clicked, this, &ConfigScreen::showMotdScreen);
    connect(m_ui->Command4, &QPushButton::clicked, this, &ConfigScreen::showMapCycle);
    connect(m_ui->Command5, &QPushButton::clicked, this, &ConfigScreen::directoryRequested);
}

ConfigScreen::~ConfigScreen() = default;

void ConfigScreen::setUpControls()
{
    // Each setting's box and spinner, in the order of the settings, with the range and the step of the spinner.
    struct Spinner
    {
        QLineEdit *box;
        UpDown *upDown;
        int minimum;
        int maximum;
        int step;
    };
    const std::array<Spinner, ListenServerConfig::fieldCount> boxes{{
        {m_ui->Text1, nullptr, 0, 0, 0},
        {m_ui->Text2, m_ui->UpDown1, 3, 15, 1},
        {m_ui->Text3, m_ui->UpDown2, 0, 60, 1},
        {m_ui->Text4, m_ui->UpDown3, 0, 60, 1},
        {m_ui->Text5, m_ui->UpDown4, 0, 60, 1},
        {m_ui->Text6, m_ui->UpDown5, 15, 90, 1},
        {m_ui->Text7, m_ui->UpDown6, 0, 60, 1},
        {m_ui->Text8, m_ui->UpDown7, 0, 60, 1},
        {m_ui->Text9, m_ui->UpDown8, 0, 60, 1},
        {m_ui->Text10, m_ui->UpDown9, 0, 60, 1},
        {m_ui->Text11, m_ui->UpDown10, 100, 1000, 10},
    }};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Spinner &spinner = boxes[i];
        QLineEdit *text = spinner.box;
        m_boxes[i] = text;
        UpDown *upDown = spinner.upDown;
        if (!upDown)
            continue;
        upDown->setBuddy(text);
        upDown->setAccessibleName(text->accessibleName());
        upDown->setToolTip(text->toolTip());
        upDown->setRange(spinner.minimum, spinner.maximum);
        connect(upDown, &UpDown::stepRequested, text, [upDown, text, step = spinner.step](int delta) {
            text->setText(upDown->stepped(text->text(), delta * step));
        });
    }
    m_checkBoxes = {m_ui->Check1,  m_ui->Check2,  m_ui->Check3,  m_ui->Check4,  m_ui->Check5,  m_ui->Check6,
                    m_ui->Check7,  m_ui->Check8,  m_ui->Check9,  m_ui->Check10, m_ui->Check11, m_ui->Check12,
                    m_ui->Check13, m_ui->Check14, m_ui->Check15, m_ui->Check16, m_ui->Check17};
}

void ConfigScreen::load()
{
    QWidget *over = isVisible() ? this : parentWidget();
    if (const QString why = ListenServerFile::moveGameConfigAside(m_session.gameDir()); !why.isEmpty())
        MessageBox::information(over, why);
    const ListenServerFile::ReadResult read = ListenServerFile::read(m_session.gameDir());
    if (!read.message.isEmpty())
        MessageBox::information(over, read.message);
    showConfig(read.config);
    m_kept = read.config;
}

ListenServerConfig ConfigScreen::config() const
{
    ListenServerConfig config;
    for (int i = 0; i < ListenServerConfig::fieldCount; ++i)
        config.setText(Field(i), box(Field(i))->text());
    for (int i = 0; i < ListenServerConfig::flagCount; ++i)
        config.setChecked(Flag(i), checkBox(Flag(i))->isChecked());
    return config;
}

void ConfigScreen::showConfig(const ListenServerConfig &config)
{
    for (int i = 0; i < ListenServerConfig::fieldCount; ++i)
        box(Field(i))->setText(config.text(Field(i)));
    for (int i = 0; i < ListenServerConfig::flagCount; ++i)
        checkBox(Flag(i))->setChecked(config.isChecked(Flag(i)));
}

void ConfigScreen::accept()
{
    // The game takes each of these settings as a number; an empty one would be written as a command without it.
    if (!UpDown::mayUseNumbers(this))
        return;
    // A refusal names the box as assistive tools call it.
    ListenServerFile::BoxNames boxNames;
    for (int i = 0; i < ListenServerConfig::fieldCount; ++i)
        boxNames[i] = m_boxes[i]->accessibleName();
    if (const QString why = ListenServerFile::write(m_session.gameDir(), config(), boxNames); !why.isEmpty()) {
        MessageBox::information(this, why);
        return;
    }
    m_kept = config();
    QDialog::accept();
}

void ConfigScreen::reject()
{
    // Escape and the close box ask before edits are lost; the Cancel button is the answer given beforehand.
    if (MessageBox::mayCloseDialog(
            this, !(config() == m_kept),
            tr("The server settings have changes that are not saved. Do you want to save them?")))
        discard();
}

void ConfigScreen::discard()
{
    QDialog::reject();
    deleteLater();
}

namespace {

// The editors belong to the server window's opener, so that cancelling the server window loses nothing typed in
// them; and one of each is open at a time, whichever server window opened it.
template<typename Editor, typename Create> void showEditor(QWidget *owner, Create create)
{
    for (Editor *open : owner->findChildren<Editor *>(QString(), Qt::FindDirectChildrenOnly)) {
        // One that is closing is hidden already and about to go.
        if (open->isVisible()) {
            WindowHelper::bringUp(open);
            return;
        }
    }
    WindowHelper::bringUp(create(owner));
}

} // namespace

QWidget *ConfigScreen::editorOwner()
{
    return parentWidget() ? parentWidget() : this;
}

void ConfigScreen::showMotdScreen()
{
    if (!m_session.isDirectoryValid())
        return;
    showEditor<MotdScreen>(editorOwner(), [this](QWidget *owner) { return new MotdScreen(m_session, owner); });
}

void ConfigScreen::showMapCycle()
{
    if (!m_session.isDirectoryValid())
        return;
    showEditor<MapCycle>(editorOwner(), [this](QWidget *owner) { return new MapCycle(m_session, m_random, owner); });
}
