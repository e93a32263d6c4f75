#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The names in one folder, looked up without regard to letter case: the game's files were made on a system that
// does not tell case apart, so "RAMBOT liblist.gam" must find "RamBot liblist.gam" on every platform.
class FolderListing
{
public:
    explicit FolderListing(const QString &folder);

    // The full path of the entry named name in any letter case, or an empty text when there is none.
    QString find(const QString &name) const;

    // Resolves a '/'-separated path below folder one component at a time, e.g. "podbot/podbot.cfg".
    static QString findPath(const QString &folder, const QString &relativePath);

    // Paths below folders resolved the same way, for many paths at once: each folder is listed once however many
    // paths pass through it. A name found takes the spelling on disk; a name not there (yet) stays as given.
    class Resolver
    {
    public:
        QString resolve(const QString &root, const QStringList &names);

    private:
        QHash<QString, FolderListing> m_listings;
    };

private:
    QString m_folder;
    QSet<QString> m_names;
    QHash<QString, QString> m_namesByLowerCase;
};
