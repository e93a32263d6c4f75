#pragma once

#include "AddOnArchive.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Installs an add-on from its archive into the game's folders, and takes it out again.
//
// An install puts every file in place or none (through the program's one commit of many files). Every game file
// it replaces is kept first in the add-on's folder of the user's data folder, beside a record of what it added and
// replaced with each file's SHA-256, so that an uninstall removes exactly what the install added, puts back what it
// replaced, and keeps whatever the player changed since.
class AddOnInstall
{
    Q_DECLARE_TR_FUNCTIONS(AddOnInstall)

public:
    struct Folders
    {
        QString halfLife; // HalfLifeDir
        QString game;     // GameDir, the mod folder
    };

    enum class Root { Game, HalfLife };

    // Where the archive's files go: below which folder, and with which top folder of the archive left out.
    struct Placement
    {
        Root root = Root::Game;
        QString strip; // the archive's one top folder, left out of every path; empty to keep the paths whole
    };

    // The archive's top folders matched to the mod folder or the Half-Life folder: "cstrike/…" goes into the
    // Half-Life folder, "dlls/…" or an add-on's own folder into the mod folder, either of them wrapped in one folder
    // named after the release ("RamBot 1.6/cstrike/…") with that folder left out.
    static Placement guess(const QList<AddOnArchive::Entry> &files, const Folders &folders);
    // The path a file of the archive takes below its root.
    static QString relativeTarget(const QString &archivePath, const Placement &placement);
    static QString rootFolder(const Folders &folders, Root root)
    {
        return root == Root::HalfLife ? folders.halfLife : folders.game;
    }

    struct Outcome
    {
        QString error; // empty when the add-on is in place
        QStringList added;
        QStringList replaced;
        QStringList libraries; // the game libraries it brought (*.dll, *.so), absolute
    };

    // The record and kept files of an add-on, below dataFolder.
    static QString recordFolder(const QString &dataFolder, const QString &botName);
    static bool isInstalled(const QString &dataFolder, const QString &botName);

    // Unpacks archivePath into staging (an empty folder the caller removes), then puts its files in place. An add-on
    // installed already is refused: it is uninstalled first, so that the record stays true.
    static Outcome install(const QString &archivePath, const AddOnArchive::Listing &listing,
                           const Placement &placement, const Folders &folders, const QString &botName,
                           const QString &dataFolder, const QString &staging);

    struct Removal
    {
        QString error;
        QStringList changed; // files that changed since the install, left where they are
    };
    static Removal uninstall(const Folders &folders, const QString &botName, const QString &dataFolder);
};
