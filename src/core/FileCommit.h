#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Puts a set of files in place below a few root folders all at once or not at all. Each file is first copied
// beside its target through AtomicFile, so that the last step is a rename in the same folder; then the targets are
// replaced one by one. When any step fails, every target already replaced is put back as it was and every folder
// the commit made is removed again: the folders end exactly as they began.
//
// It touches no widget and no event loop, so it may run in a worker thread.
class FileCommit
{
    Q_DECLARE_TR_FUNCTIONS(FileCommit)

public:
    struct Entry
    {
        QString source; // the file whose bytes go in
        QString target; // an absolute path below one of the roots
    };

    struct Result
    {
        QString error; // empty when every file is in place
        bool cancelled = false;
        QStringList created;  // targets that were not there before, as clean() writes them
        QStringList replaced; // targets whose earlier file was replaced, likewise
        QStringList madeFolders; // the folders made below the roots for the targets, outermost first
    };
    // A path as the commit reports it: '/'-separated, without "." or "..".
    static QString clean(const QString &path);

    // The suffixes of the copies that stand beside a target while it is committed.
    static constexpr QLatin1StringView stagedSuffix{".trevlin-update"};
    static constexpr QLatin1StringView backupSuffix{".trevlin-backup"};

    explicit FileCommit(const QStringList &roots);

    void add(const QString &source, const QString &target) { m_entries.append({source, target}); }
    qsizetype count() const { return m_entries.size(); }
    // Before a target is replaced, its earlier bytes are copied to keepDir, under its path below its root.
    void setKeepDir(const QString &keepDir) { m_keepDir = keepDir; }
    // Told after each step: done of total, where each file counts twice (its copy and its placing).
    void setProgress(std::function<void(qsizetype done, qsizetype total)> progress)
    {
        m_progress = std::move(progress);
    }
    // Read between steps; once set, the commit is undone and reported as cancelled.
    void setCancelFlag(const std::atomic_bool *cancel) { m_cancel = cancel; }

    // Why the entries cannot be committed, naming the file, or empty. Touches nothing, and takes time in
    // proportion to the number of entries and their depth: two entries for one target (names compared without
    // regard to letter case, as one platform of the game does and the other must not be left to confuse), a file
    // where a folder must be, a folder where a file is, a target named as another's copy beside it, a link on the
    // way that leads out of its root.
    QString check() const;
    // Checks, then commits.
    Result commit() const;

private:
    QString rootOf(const QString &target) const;

    QStringList m_roots;
    QList<Entry> m_entries;
    QString m_keepDir;
    std::function<void(qsizetype, qsizetype)> m_progress;
    const std::atomic_bool *m_cancel = nullptr;
};
