#include "ScratchGameFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

bool copyFolder(const QString &from, const QString &to, QString *error)
{
    if (!QDir().mkpath(to)) {
        *error = u"cannot make the folder %1"_s.arg(to);
        return false;
    }
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString target = to + u'/' + source.relativeFilePath(entry.filePath());
        const bool copied = entry.isDir() ? QDir().mkpath(target) : QFile::copy(entry.filePath(), target);
        if (!copied) {
            *error = u"cannot copy %1 to %2"_s.arg(entry.filePath(), target);
            return false;
        }
    }
    return true;
}

} // namespace

ScratchGameFolder::ScratchGameFolder()
{
    if (!m_root.isValid())
        m_error = u"cannot make a temporary folder: "_s + m_root.errorString();
    else
        copyFolder(QString::fromUtf8(TREVLIN_DEMO_HALF_LIFE_DIR), halfLifeDir(), &m_error);
}

QString ScratchGameFolder::halfLifeDir() const
{
    return m_root.filePath(u"Half-Life"_s);
}

QString ScratchGameFolder::gameDir() const
{
    return halfLifeDir() + u"/cstrike"_s;
}

bool ScratchGameFolder::writeSettings(const QString &path) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString text = u"[Install]\nDirectory=\"%1\"\nHL_Dir=\"%2\"\n"_s.arg(gameDir(), halfLifeDir());
    return file.write(text.toUtf8()) >= 0 && file.flush();
}
