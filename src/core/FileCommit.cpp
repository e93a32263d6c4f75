#include "FileCommit.h"

#include "AtomicFile.h"
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool inside(const QString &root, const QString &path)
{
    return path == root || path.startsWith(root + u'/');
}

// The parent folders of target below root, outermost first.
QStringList foldersBetween(const QString &root, const QString &target)
{
    QStringList folders;
    for (qsizetype at = target.indexOf(u'/', root.size() + 1); at > 0; at = target.indexOf(u'/', at + 1))
        folders.append(target.left(at));
    return folders;
}

} // namespace

QString FileCommit::clean(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

FileCommit::FileCommit(const QStringList &roots)
{
    for (const QString &root : roots)
        m_roots.append(clean(root));
}

QString FileCommit::rootOf(const QString &target) const
{
    QString best;
    for (const QString &root : m_roots) {
        if (target != root && inside(root, target) && root.size() > best.size())
            best = root;
    }
    return best;
}

QString FileCommit::check() const
{
    // Every name below is compared folded, so that a name in two letter cases is one name. Each folder the entries
    // need is looked at on disk once, the first time it comes, however many files lie in it.
    QHash<QString, QString> targets; // folded target -> as given
    QHash<QString, QString> folders; // folded folder the entries need -> as given
    QSet<QString> copies;            // folded names of the copies beside the targets
    QHash<QString, QString> realRoots;
    const auto leadsOut = [&](const QString &root, const QString &path) {
        const QFileInfo info(path);
        if (!info.isSymLink() && !info.isJunction())
            return false;
        const QString real = info.canonicalFilePath();
        return real.isEmpty() || !inside(realRoots[root], real);
    };
    for (const Entry &entry : m_entries) {
        const QString target = clean(entry.target);
        const QString root = rootOf(target);
        if (root.isEmpty())
            return tr("%1 is not below the folders the files go to").arg(shown(target));
        if (!realRoots.contains(root)) {
            const QString real = QFileInfo(root).canonicalFilePath();
            if (real.isEmpty())
                return tr("The folder %1 is not there").arg(shown(root));
            realRoots.insert(root, real);
        }
        const QString folded = target.toCaseFolded();
        if (const auto twice = targets.constFind(folded); twice != targets.cend()) {
            return *twice == target ? tr("%1 is named twice").arg(shown(target))
                                    : tr("%1 and %2 differ only in letter case").arg(shown(*twice), shown(target));
        }
        if (folders.contains(folded))
            return tr("%1 is to be a file and a folder at once").arg(shown(target));
        if (copies.contains(folded))
            return tr("%1 has the name of the copy put beside another file").arg(shown(target));
        targets.insert(folded, target);
        for (const QLatin1StringView suffix : {stagedSuffix, backupSuffix}) {
            const QString copy = folded + QString(suffix).toCaseFolded();
            if (targets.contains(copy))
                return tr("%1 has the name of the copy put beside another file").arg(shown(targets[copy]));
            copies.insert(copy);
        }
        for (const QString &folder : foldersBetween(root, target)) {
            const QString foldedFolder = folder.toCaseFolded();
            if (const auto seen = folders.constFind(foldedFolder); seen != folders.cend()) {
                if (*seen != folder)
                    return tr("%1 and %2 differ only in letter case").arg(shown(*seen), shown(folder));
                continue;
            }
            if (targets.contains(foldedFolder))
                return tr("%1 is to be a file and a folder at once").arg(shown(targets[foldedFolder]));
            folders.insert(foldedFolder, folder);
            if (leadsOut(root, folder))
                return tr("%1 is a link that leads outside %2").arg(shown(folder), shown(root));
            const QFileInfo info(folder);
            if (info.exists() && !info.isDir())
                return tr("%1 is a file where a folder must be").arg(shown(folder));
        }
        if (leadsOut(root, target))
            return tr("%1 is a link that leads outside %2").arg(shown(target), shown(root));
        if (QFileInfo(target).isDir())
            return tr("%1 is a folder where a file must be").arg(shown(target));
    }
    return {};
}

FileCommit::Result FileCommit::commit() const
{
    Result result;
    result.error = check();
    if (!result.error.isEmpty())
        return result;

    struct Placing
    {
        QString target;
        QString staged;
        QString backup;
        bool existed = false;
        bool placed = false;
    };
    QList<Placing> placings;
    placings.reserve(m_entries.size());
    QStringList madeFolders; // outermost first
    QStringList keptCopies;
    const qsizetype total = 2 * m_entries.size();
    qsizetype done = 0;
    const auto step = [&] {
        ++done;
        if (m_progress)
            m_progress(done, total);
        return !(m_cancel && m_cancel->load());
    };
    const auto makeFolders = [&](const QString &folder) {
        QStringList missing;
        for (QString at = folder; !QFileInfo::exists(at); at = QFileInfo(at).absolutePath())
            missing.prepend(at);
        for (const QString &made : missing) {
            if (!QDir().mkdir(made))
                return false;
            madeFolders.append(made);
        }
        return true;
    };
    const auto undo = [&](const QString &why) {
        QStringList stuck;
        for (auto it = placings.crbegin(); it != placings.crend(); ++it) {
            if (it->placed) {
                if (it->existed ? !Platform::moveOver(it->backup, it->target) : !QFile::remove(it->target))
                    stuck.append(shown(it->target));
            } else if (it->existed && !QFileInfo::exists(it->target) && QFileInfo::exists(it->backup)) {
                if (!Platform::moveOver(it->backup, it->target))
                    stuck.append(shown(it->target));
            }
            QFile::remove(it->staged);
        }
        for (const QString &kept : std::as_const(keptCopies))
            QFile::remove(kept);
        for (auto it = madeFolders.crbegin(); it != madeFolders.crend(); ++it)
            QDir().rmdir(*it);
        Result undone;
        undone.error = why;
        undone.cancelled = why.isEmpty();
        if (!stuck.isEmpty())
            undone.error += u"\n\n"_s + tr("These files could not be put back: %1").arg(stuck.join(u", "_s));
        return undone;
    };

    // First a copy of every file beside its target: a full disk fails here, while every target is as it was.
    for (const Entry &entry : m_entries) {
        Placing placing;
        placing.target = clean(entry.target);
        placing.staged = placing.target + stagedSuffix;
        placing.backup = placing.target + backupSuffix;
        placing.existed = QFileInfo::exists(placing.target) || QFileInfo(placing.target).isSymLink();
        placings.append(placing);
        if (!makeFolders(QFileInfo(placing.target).absolutePath()))
            return undo(tr("The folder for %1 could not be made").arg(shown(placing.target)));
        QString why;
        if (!AtomicFile::copy(entry.source, placing.staged, &why))
            return undo(tr("%1 could not be written: %2").arg(shown(placing.target), why));
        if (placing.existed && !m_keepDir.isEmpty()) {
            const QString root = rootOf(placing.target);
            const QString kept = clean(m_keepDir + u'/' + placing.target.mid(root.size() + 1));
            if (!makeFolders(QFileInfo(kept).absolutePath()) || !AtomicFile::copy(placing.target, kept, &why))
                return undo(tr("The earlier %1 could not be kept: %2").arg(shown(placing.target), why));
            keptCopies.append(kept);
        }
        if (!step())
            return undo({});
    }
    // Then each target in turn: the earlier file steps aside, so that it can come back whole, and the copy takes its
    // name.
    for (Placing &placing : placings) {
        QString why;
        if ((placing.existed && !Platform::moveOver(placing.target, placing.backup, &why))
            || !Platform::moveOver(placing.staged, placing.target, &why))
            return undo(tr("%1 could not be replaced: %2").arg(shown(placing.target), why));
        placing.placed = true;
        if (!step())
            return undo({});
    }
    for (const Placing &placing : std::as_const(placings)) {
        if (placing.existed)
            QFile::remove(placing.backup);
        (placing.existed ? result.replaced : result.created).append(placing.target);
    }
    for (const QString &folder : std::as_const(madeFolders)) {
        if (!rootOf(folder).isEmpty())
            result.madeFolders.append(folder);
    }
    return result;
}
