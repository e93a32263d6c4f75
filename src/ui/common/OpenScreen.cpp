#include "OpenScreen.h"

#include "ui_OpenScreen.h"

#include "DialogKeys.h"
#include "FileBrowser.h"
#include "MessageBox.h"
#include "RosterDocument.h"
#include "RosterFormat.h"

#include <QPointer>

using namespace Qt::Literals::StringLiterals;

OpenScreen::OpenScreen(const QString &gameDir, RosterDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::OpenScreen>())
    , m_document(document)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    if (document.format().fileButtonMnemonics) {
        m_ui->Command1->setText(tr("&Load"));
        m_ui->Command2->setText(tr("&Cancel"));
    }
    setWindowTitle(tr("Open %1 Config File").arg(document.botName()));
    m_ui->browser->showConfigFiles(gameDir);
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

OpenScreen::Outcome OpenScreen::openInto(RosterDocument &document, const QString &path, QWidget *asker)
{
    if (document.isModified()) {
        switch (MessageBox::yesNoCancel(asker,
                                        tr("You Have Changed Your Current BotList. Do You Want To Save It "
                                           "Before You Open A New One?"))) {
        case MessageBox::Answer::Yes:
            return Outcome::SaveFirst;
        case MessageBox::Answer::Cancel:
            return Outcome::Stayed;
        case MessageBox::Answer::No:
            break;
        }
    }
    if (const QString error = document.open(path); !error.isEmpty()) {
        MessageBox::information(asker, error);
        return Outcome::Stayed;
    }
    return Outcome::Opened;
}

void OpenScreen::load()
{
    // With no file selected the path names the folder itself, which the reader reports as not a valid file.
    switch (openInto(m_document, m_ui->browser->filePath(m_ui->browser->selectedFile()), this)) {
    case Outcome::SaveFirst:
        Q_EMIT saveRequested();
        return;
    case Outcome::Stayed:
        return;
    case Outcome::Opened:
        break;
    }
    const QPointer<OpenScreen> self(this);
    Q_EMIT loaded();
    if (self)
        accept();
}
