#include "ConfigFile.h"

#include "ui_ConfigFile.h"

#include "AutostartFile.h"
#include "DialogKeys.h"
#include "FileBrowser.h"
#include "MessageBox.h"
#include "Session.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

using namespace Qt::Literals::StringLiterals;

ConfigFile::ConfigFile(Session &session, AppSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ConfigFile>())
    , m_session(session)
    , m_settings(settings)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const auto showBotName = [this](const QString &botName) {
        setWindowTitle(tr("Select %1 Autostart File").arg(botName));
    };
    showBotName(session.botName());
    connect(&session, &Session::botNameChanged, this, showBotName);

    m_ui->browser->showConfigFiles(session.currentFolder());
    m_ui->browser->focusFileList();

    connect(m_ui->browser, &FileBrowser::fileSelected, this, [this](const QString &name) {
        m_ui->Path1->setText(QDir::toNativeSeparators(m_ui->browser->filePath(name)));
    });
    connect(m_ui->browser, &FileBrowser::fileDoubleClicked, this, [this](const QString &name) {
        m_ui->Path1->setText(QDir::toNativeSeparators(m_ui->browser->filePath(name)));
        accept();
    });
    connect(m_ui->Path1, &QLineEdit::textEdited, this, &ConfigFile::pathTyped);
    connect(m_ui->Command1, &QPushButton::clicked, this, &ConfigFile::accept);
    connect(m_ui->Command2, &QPushButton::clicked, this, &ConfigFile::reject);
}

ConfigFile::~ConfigFile() = default;

QString ConfigFile::chosenFile() const
{
    const QString typed = m_ui->Path1->text().trimmed();
    if (!typed.isEmpty())
        return QDir::cleanPath(QDir(m_session.currentFolder()).absoluteFilePath(QDir::fromNativeSeparators(typed)));
    const QString selected = m_ui->browser->selectedFile();
    return selected.isEmpty() ? QString() : m_ui->browser->filePath(selected);
}

// A typed folder is shown in the browser; a typed file is shown in its folder, selected.
void ConfigFile::pathTyped(const QString &text)
{
    const QFileInfo typed(QDir(m_session.currentFolder()).absoluteFilePath(QDir::fromNativeSeparators(text.trimmed())));
    if (typed.isDir()) {
        m_ui->browser->showFolder(typed.absoluteFilePath());
    } else if (typed.isFile()) {
        m_ui->browser->showFolder(typed.absolutePath());
        m_ui->browser->selectFile(typed.fileName());
    }
}

void ConfigFile::accept()
{
    const QString file = chosenFile();
    const AutostartFile::Result result
        = AutostartFile::choose(file, m_session.gameDir(), m_session.botName(), m_settings);
    if (!result.isDone()) {
        MessageBox::information(this, result.message);
        return;
    }
    const QPointer<ConfigFile> self(this);
    Q_EMIT fileChosen(QFileInfo(file).fileName());
    if (self)
        QDialog::accept();
}
