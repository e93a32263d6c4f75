#include "FileBrowser.h"

#include "ui_FileBrowser.h"

#include "FolderTree.h"
#include "Platform.h"

#include <QDir>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

FileBrowser::FileBrowser(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::FileBrowser>())
{
    m_ui->setupUi(this);

    FolderTree::setUpDriveList(m_ui->Drive1, m_ui->driveLabel);
    connect(m_ui->Drive1, &QComboBox::textActivated, this, &FileBrowser::showFolder);

    connect(m_ui->Dir1, &FolderTree::folderChanged, this, &FileBrowser::folderChanged);
    connect(m_ui->File1, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = selectedFile();
        if (!m_changingList && !name.isEmpty())
            Q_EMIT fileSelected(name);
    });
    connect(m_ui->File1, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem *item) { Q_EMIT fileDoubleClicked(item->text()); });
}

FileBrowser::~FileBrowser() = default;

void FileBrowser::setNameFilter(const QString &pattern)
{
    m_nameFilters = {pattern};
    fillFileList(selectedFile());
}

void FileBrowser::showConfigFiles(const QString &folder)
{
    setNameFilter(u"*.cfg"_s);
    showFolder(folder);
}

void FileBrowser::showFolder(const QString &folder)
{
    const QString path
        = QDir::toNativeSeparators(QDir::cleanPath(QDir(QDir::fromNativeSeparators(folder)).absolutePath()));
    m_ui->Dir1->reveal(path);
    // A folder that is not there is still the one the dialog works in: it lists no files, and what is saved there
    // fails with the reason.
    folderChanged(path);
}

void FileBrowser::focusFileList()
{
    m_ui->File1->setFocus();
}

QString FileBrowser::filePath(const QString &name) const
{
    // A drive or the root already ends with a separator.
    if (m_folder.endsWith(QDir::separator()))
        return m_folder + name;
    return m_folder + QDir::separator() + name;
}

QString FileBrowser::selectedFile() const
{
    const QList<QListWidgetItem *> selected = m_ui->File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool FileBrowser::selectFile(const QString &name)
{
    // The exact name first: a folder can hold "bots.cfg" and "BOTS.cfg" side by side.
    QList<QListWidgetItem *> found = m_ui->File1->findItems(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (found.isEmpty())
        found = m_ui->File1->findItems(name, Qt::MatchFixedString);
    if (name.isEmpty() || found.isEmpty())
        return false;
    m_changingList = true;
    m_ui->File1->setCurrentItem(found.first());
    m_ui->File1->scrollToItem(found.first());
    m_changingList = false;
    return true;
}

void FileBrowser::refresh()
{
    fillFileList(selectedFile());
}

bool FileBrowser::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        refresh();
    return QWidget::event(event);
}

void FileBrowser::folderChanged(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    if (Platform::hasDrives())
        m_ui->Drive1->setCurrentText(QDir::toNativeSeparators(QStorageInfo(folder).rootPath()));
    fillFileList({});
}

void FileBrowser::fillFileList(const QString &keepSelected)
{
    // The game's files were named on a system that does not tell case apart: "BOTS.CFG" is a "*.cfg" file too.
    const QStringList names = m_folder.isEmpty()
        ? QStringList()
        : QDir(QDir::fromNativeSeparators(m_folder))
              .entryList(m_nameFilters, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList listed;
    for (int row = 0; row < m_ui->File1->count(); ++row)
        listed.append(m_ui->File1->item(row)->text());
    if (names == listed && selectedFile() == keepSelected)
        return;

    m_changingList = true;
    m_ui->File1->clear();
    m_ui->File1->addItems(names);
    const QList<QListWidgetItem *> kept
        = m_ui->File1->findItems(keepSelected, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (!keepSelected.isEmpty() && !kept.isEmpty())
        m_ui->File1->setCurrentItem(kept.first());
    m_changingList = false;
}
