#include "FolderTree.h"

#include "Platform.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

FolderTree::FolderTree(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QFileSystemModel(this))
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setAccessibleName(tr("Folders"));

    m_model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_model->setRootPath(QString());
    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid())
            Q_EMIT folderChanged(QDir::toNativeSeparators(m_model->filePath(current)));
    });
    // The model reads folders in the background and sorts them a moment later: each of those steps would push the
    // current folder out of view again.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &FolderTree::keepRevealing);
    connect(m_model, &QFileSystemModel::layoutChanged, this, &FolderTree::keepRevealing);
    connect(this, &QTreeView::pressed, this, [this] { m_revealing = false; });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { m_revealing = false; });
}

bool FolderTree::reveal(const QString &path)
{
    const QModelIndex index = m_model->index(QDir::fromNativeSeparators(path));
    if (!index.isValid() || !m_model->isDir(index))
        return false;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        expand(parent);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_revealing = true;
    return true;
}

QString FolderTree::currentFolder() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? QDir::toNativeSeparators(m_model->filePath(current)) : QString();
}

void FolderTree::keepRevealing()
{
    if (m_revealing)
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
}

void FolderTree::setUpDriveList(QComboBox *drives, QWidget *label)
{
    if (!Platform::hasDrives()) {
        drives->hide();
        label->hide();
        return;
    }
    const QFileInfoList roots = QDir::drives();
    for (const QFileInfo &drive : roots)
        drives->addItem(QDir::toNativeSeparators(drive.absolutePath()));
}
