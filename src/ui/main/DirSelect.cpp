#include "DirSelect.h"

#include "ui_DirSelect.h"

#include "AppSettings.h"
#include "DescriptorOffer.h"
#include "DialogKeys.h"
#include "FolderTree.h"
#include "GameSetup.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "Platform.h"
#include "Session.h"
#include "SteamLibraries.h"

#include <QDir>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

DirSelect::DirSelect(Session &session, AppSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::DirSelect>())
    , m_session(session)
    , m_settings(settings)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->Picture1->setPixmap(Pictures::pixmap(Pictures::directoryBanner, devicePixelRatioF()));

    FolderTree::setUpDriveList(m_ui->Drive1, m_ui->driveLabel);
    connect(m_ui->Drive1, &QComboBox::textActivated, this, &DirSelect::showFolder);

    connect(m_ui->Dir1, &FolderTree::folderChanged, this, [this](const QString &path) {
        m_ui->Label2->setText(path);
        if (!m_ui->Path1->hasFocus())
            m_ui->Path1->setText(path);
        if (Platform::hasDrives())
            m_ui->Drive1->setCurrentText(QDir::toNativeSeparators(QStorageInfo(path).rootPath()));
    });
    connect(m_ui->Path1, &QLineEdit::textEdited, this, &DirSelect::pathTyped);
    connect(m_ui->Command1, &QPushButton::clicked, this, &DirSelect::accept);
    connect(m_ui->Command2, &QPushButton::clicked, this, &DirSelect::reject);

    // Without a game folder yet, the dialog starts where the user's own files are, and offers the Counter-Strike
    // folders it finds there and in the Steam libraries; any other folder can still be chosen below.
    const QString gameDir = m_session.gameDir();
    showFolder(gameDir.isEmpty() ? QDir::homePath() : gameDir);
    const QStringList found
        = gameDir.isEmpty() ? SteamLibraries::findGameFolders(QDir::homePath(), Platform::steamRoots()) : QStringList();
    m_ui->Found1->addItems(found);
    m_ui->foundLabel->setVisible(!found.isEmpty());
    m_ui->Found1->setVisible(!found.isEmpty());
    connect(m_ui->Found1, &QListWidget::currentTextChanged, this, &DirSelect::showFolder);
    connect(m_ui->Found1, &QListWidget::itemDoubleClicked, this, &DirSelect::accept);
}

DirSelect::~DirSelect() = default;

void DirSelect::showFolder(const QString &path)
{
    m_ui->Label2->setText(QDir::toNativeSeparators(path));
    m_ui->Path1->setText(QDir::toNativeSeparators(path));
    m_ui->Dir1->reveal(path);
}

void DirSelect::pathTyped(const QString &text)
{
    QString path = text.trimmed();
    if (path == u'~' || path.startsWith("~/"_L1))
        path = QDir::homePath() + path.mid(1);
    m_ui->Label2->setText(path);
    m_ui->Dir1->reveal(absolute(path));
}

QString DirSelect::absolute(const QString &path) const
{
    return QDir::cleanPath(QDir(m_session.currentFolder()).absoluteFilePath(QDir::fromNativeSeparators(path)));
}

QString DirSelect::chosenPath() const
{
    const QString shown = m_ui->Label2->text().trimmed();
    if (shown.isEmpty())
        return {};
    // A folder typed with a trailing separator is the same folder; the root stays the root.
    return QDir::toNativeSeparators(absolute(shown));
}

void DirSelect::accept()
{
    QString error;
    switch (GameSetup::selectDirectory(m_session, m_settings, chosenPath(), &error)) {
    case GameSetup::Selection::NotValid:
        MessageBox::information(this, tr("This Is Not A Valid Counter-Strike Directory"));
        return;
    case GameSetup::Selection::BatchFileFailed:
        MessageBox::information(this,
                                tr("Trevlin could not write hl.bat, the file that starts the game, in the "
                                   "folder \"%1\": %2")
                                    .arg(chosenPath(), error));
        return;
    case GameSetup::Selection::NotRemembered:
        MessageBox::information(this,
                                tr("The folder is taken for now, but Trevlin could not save its settings in "
                                   "\"%1\", so you will have to choose the folder again at the next start.")
                                    .arg(error));
        break;
    case GameSetup::Selection::Done:
        break;
    }
    // A folder fresh from its install gets the same offer as at start; whatever the answer, it is taken.
    DescriptorOffer::offer(this, m_session.gameDir());
    Q_EMIT directorySelected();
    QDialog::accept();
}
