#include "FolderListing.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

FolderListing::FolderListing(const QString &folder)
    : m_folder(folder)
{
    // An empty path would list the current folder, which is nobody's game folder.
    if (folder.isEmpty())
        return;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        m_names.insert(name);
        // Where several spellings stand side by side, find() prefers the exact one and else takes any of them.
        const QString key = name.toLower();
        if (!m_namesByLowerCase.contains(key))
            m_namesByLowerCase.insert(key, name);
    }
}

QString FolderListing::find(const QString &name) const
{
    if (name.isEmpty() || m_folder.isEmpty())
        return {};
    if (m_names.contains(name))
        return QDir(m_folder).filePath(name);
    const auto it = m_namesByLowerCase.constFind(name.toLower());
    return it == m_namesByLowerCase.cend() ? QString() : QDir(m_folder).filePath(*it);
}

QString FolderListing::findPath(const QString &folder, const QString &relativePath)
{
    if (folder.isEmpty())
        return {};
    QString path = folder;
    for (const QString &component : relativePath.split(u'/', Qt::SkipEmptyParts)) {
        // The exact spelling is tried first, so the common case never lists a folder.
        const QString exact = QDir(path).filePath(component);
        path = QFileInfo::exists(exact) ? exact : FolderListing(path).find(component);
        if (path.isEmpty())
            return {};
    }
    return path;
}

QString FolderListing::Resolver::resolve(const QString &root, const QStringList &names)
{
    QString path = root;
    for (const QString &name : names) {
        auto listing = m_listings.find(path);
        if (listing == m_listings.end())
            listing = m_listings.insert(path, FolderListing(path));
        const QString found = listing->find(name);
        path = found.isEmpty() ? path + u'/' + name : found;
    }
    return path;
}
