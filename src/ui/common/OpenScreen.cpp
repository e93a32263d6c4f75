#include "OpenScreen.h"

#include "ui_OpenScreen.h"

#include "DialogKeys.h"
#include "EditorDocument.h"
#include "FileBrowser.h"
#include "MessageBox.h"

#include <QPointer>

using namespace Qt::Literals::StringLiterals;

OpenScreen::OpenScreen(const QString &gameDir, EditorDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::OpenScreen>())
    , m_document(document)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Open "_s + document.botName() + u" Config File"_s);
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

void OpenScreen::load()
{
    if (m_document.isModified()) {
        switch (MessageBox::yesNoCancel(this,
                                        u"You Have Changed Your Current BotList. Do You Want To Save It Before "
                                        u"You Open A New One?"_s)) {
        case MessageBox::Answer::Yes:
            Q_EMIT saveRequested();
            return;
        case MessageBox::Answer::Cancel:
            return;
        case MessageBox::Answer::No:
            break;
        }
    }

    // With no file selected the path names the folder itself, which the reader reports as not a valid file.
    const QString error = m_document.open(m_ui->browser->filePath(m_ui->browser->selectedFile()));
    if (!error.isEmpty()) {
        MessageBox::information(this, error);
        return;
    }
    const QPointer<OpenScreen> self(this);
    Q_EMIT loaded();
    if (self)
        accept();
}
