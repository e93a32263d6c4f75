#include "OpenScreen.h"

#include "ui_OpenScreen.h"

#include "AppState.h"
#include "DialogKeys.h"
#include "FileBrowser.h"
#include "MessageBox.h"
#include "RosterFile.h"

#include <QPointer>

using namespace Qt::Literals::StringLiterals;

OpenScreen::OpenScreen(AppState &state, const QString &botName, RosterOptions &options, Roster &roster, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::OpenScreen>())
    , m_state(state)
    , m_botName(botName)
    , m_options(options)
    , m_roster(roster)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Open "_s + botName + u" Config File"_s);

    m_ui->browser->setNameFilter(u"*.cfg"_s);
    m_ui->browser->showFolder(state.GameDir);
    m_ui->browser->focusFileList();

    connect(m_ui->browser, &FileBrowser::fileDoubleClicked, this, &OpenScreen::load);
    connect(m_ui->Command1, &QPushButton::clicked, this, &OpenScreen::load);
    connect(m_ui->Command2, &QPushButton::clicked, this, &OpenScreen::reject);
}

OpenScreen::~OpenScreen() = default;

void OpenScreen::selectFile(const QString &fileName)
{
    m_ui->browser->selectFile(fileName);
}

void OpenScreen::load()
{
    if (m_state.RosterChanged
        && MessageBox::yesNo(this,
                             u"You Have Changed Your Current BotList. Do You Want To Save It Before You "
                             "Open A New One?"_s)) {
        Q_EMIT saveRequested();
        return;
    }

    // With no file selected the path names the folder itself, which the reader reports as not a valid file.
    const RosterFile::ReadResult result
        = RosterFile::read(m_ui->browser->filePath(m_ui->browser->selectedFile()), m_botName, m_options, m_roster);
    if (!result.isLoaded()) {
        MessageBox::information(this, result.message);
        return;
    }
    // Reading sets the options through their own rules, which mark the roster as changed; what was just read is
    // not an unsaved change.
    m_state.RosterChanged = false;
    const QPointer<OpenScreen> self(this);
    Q_EMIT loaded();
    if (self)
        accept();
}
