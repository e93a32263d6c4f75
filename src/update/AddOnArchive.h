#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// An add-on's archive as the player downloaded it (.zip, .7z, .tar.gz and the other formats the archive library
// reads). Reading it writes nothing; extracting writes only below the staging folder it is given.
//
// An archive that could carry anything but plain files in plain folders is refused whole, before a byte lands:
// links, device files, absolute paths, names that lead out of their folder, two names that differ only in letter
// case (one file on Windows), and sizes past the caps, whether announced or found while unpacking.
class AddOnArchive
{
    Q_DECLARE_TR_FUNCTIONS(AddOnArchive)

public:
    struct Limits
    {
        qint64 maxFileBytes = 512 * 1024 * 1024;
        qint64 maxTotalBytes = 2LL * 1024 * 1024 * 1024;
        int maxFiles = 20'000;
    };

    struct Entry
    {
        QString path; // relative, its folders separated by '/'
        qint64 size = 0;
    };

    struct Listing
    {
        QList<Entry> files; // in the archive's order; folders are implied by the paths
        QString error;      // when set the archive is refused and this says why, naming the entry
    };

    static Listing list(const QString &archivePath, const Limits &limits);
    static Listing list(const QString &archivePath) { return list(archivePath, Limits()); }

    // Writes the files of listing below staging, the file at index i under the name "i", checking each against the
    // size the listing gave. Empty on success, else the message; what was written stays for the caller to remove.
    // hashes, when given, gets each file's SHA-256 in hex, in the listing's order, taken as its bytes are written.
    static QString extract(const QString &archivePath, const Listing &listing, const QString &staging,
                           const Limits &limits, QList<QByteArray> *hashes = nullptr);
};
