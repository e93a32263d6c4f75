#pragma once

#include <QTreeView>

class QComboBox;
class QFileSystemModel;

// A tree of the folders on this computer, used wherever the user picks a folder. It reads folders in the
// background, so a folder it was asked to show is kept in view while the folders above it fill in, until the user
// takes over the tree.
class FolderTree : public QTreeView
{
    Q_OBJECT

public:
    explicit FolderTree(QWidget *parent = nullptr);

    // Opens the tree down to path and makes it the current folder. False when path is not a folder.
    bool reveal(const QString &path);
    // The current folder with native separators, or an empty text when there is none.
    QString currentFolder() const;

    // Fills a drive list with this computer's drives; where there are no drive letters the list and its label
    // are hidden, and the tree alone starts at the root of everything.
    static void setUpDriveList(QComboBox *drives, QWidget *label);

Q_SIGNALS:
    // The current folder has changed, by the user or by reveal(); path has native separators.
    void folderChanged(const QString &path);

private:
    void keepRevealing();

    QFileSystemModel *m_model = nullptr;
    bool m_revealing = false;
};
