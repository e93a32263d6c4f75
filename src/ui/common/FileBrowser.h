#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class FileBrowser;
}

// The file-picking part of the roster dialogs: a drive list (Windows only), a folder tree and the list of the
// current folder's files that match a pattern such as "*.cfg", matched and sorted without regard to letter case.
// The file list is read at once whenever the folder changes, and again when the window comes back to the front,
// so it shows what another dialog has just saved.
class FileBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit FileBrowser(QWidget *parent = nullptr);
    ~FileBrowser() override;

    // The pattern of the files listed, e.g. "*.cfg".
    void setNameFilter(const QString &pattern);

    // Shows folder in the tree, when it exists, and lists its files.
    void showFolder(const QString &folder);
    // The roster and config file dialogs: only "*.cfg" files, starting in folder.
    void showConfigFiles(const QString &folder);
    // The files are what the user came for: a dialog that opens on them starts with the focus in the file list.
    // (The list is no focus proxy of the browser: Qt's Tab would then pass the folder tree by.)
    void focusFileList();
    // The path of the file called name in the folder shown.
    QString filePath(const QString &name) const;

    // The name of the file selected in the list, or an empty text.
    QString selectedFile() const;
    // Selects the listed file called name in any letter case; false when the list does not hold it.
    bool selectFile(const QString &name);

    // Reads the folder again, keeping the selected file when it is still there.
    void refresh();

Q_SIGNALS:
    // The user selected a file in the list, by pointer or keyboard.
    void fileSelected(const QString &name);
    void fileDoubleClicked(const QString &name);

protected:
    bool event(QEvent *event) override;

private:
    void folderChanged(const QString &folder);
    void fillFileList(const QString &keepSelected);

    std::unique_ptr<Ui::FileBrowser> m_ui;
    QString m_folder;
    QStringList m_nameFilters;
    bool m_changingList = false; // the program, not the user, is changing the list and its selection
};
