#pragma once

#include "AddOnInstall.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTreeWidget;

// Installs a bot add-on from the archive the player downloaded: shows each file of it and where it will go, lets
// the player choose the add-on and the folder, then puts the files in place, all or none.
class ArchiveInstall : public QDialog
{
    Q_OBJECT

public:
    // What an install leaves to the main window: the add-on and the libraries it brought, for its setup.
    using Installed = std::function<void(const QString &botName, const QStringList &libraries)>;

    // Asks for an archive (starting in Downloads), reads it without blocking the window, and opens the dialog;
    // installed follows a successful install. Nothing is shown when the player cancels the file dialog.
    static void chooseAndInstall(QWidget *parent, const AddOnInstall::Folders &folders, const Installed &installed);

    ArchiveInstall(const QString &archivePath, const AddOnArchive::Listing &listing,
                   const AddOnInstall::Folders &folders, QWidget *parent = nullptr);

    QString botName() const;
    AddOnInstall::Placement placement() const;

    // Uninstalls botName off the window's thread (every file it added is hashed first) and hands the outcome to done.
    static void uninstall(QWidget *parent, const AddOnInstall::Folders &folders, const QString &botName,
                          const std::function<void(const AddOnInstall::Removal &)> &done);

    // The user's data folder, where installs keep their records and the files they replace.
    static QString dataFolder();

    // Not while the files are being placed: the dialog tells how the install ended.
    void reject() override;

private:
    void showTargets();
    void install();

    QString m_archivePath;
    AddOnArchive::Listing m_listing;
    AddOnInstall::Folders m_folders;
    QString m_top; // the archive's one top folder, or empty
    QComboBox *m_addOn;
    QComboBox *m_target;
    QCheckBox *m_strip;
    QTreeWidget *m_files;
    QPushButton *m_install;
    QPushButton *m_cancel;
    Installed m_installed;
};
