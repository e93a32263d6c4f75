#include "AppSettings.h"

#include "AtomicFile.h"
#include "BoundedFile.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A key as the store never makes it itself, with an empty part between slashes: the store writes such a key
// back in a form its own reader takes for damage ("a/" becomes "a\=").
bool isMalformed(const QString &key)
{
    return key.startsWith(u'/') || key.endsWith(u'/') || key.contains("//"_L1);
}

// The names that equal name when letter case is ignored, in the store's order.
QStringList matchesIgnoringCase(const QStringList &names, const QString &name)
{
    QStringList matches;
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            matches << candidate;
    }
    return matches;
}

// Where each value lies in the store. Both spellings of a key are matched without regard to letter case, so that
// either finds what the other wrote; a key new to the store is written in the first spelling.
struct KeyPlace
{
    QString section;
    QString writtenKey;
    QString readKey;
};
const KeyPlace keyPlaces[] = {
    {u"Install"_s, u"Directory"_s, u"Directory"_s},
    {u"Install"_s, u"HL_Dir"_s, u"HL_dir"_s},
    // Ours alone, in sections of their own, apart from what older programs kept.
    {u"Launch"_s, u"StartDirectly"_s, u"StartDirectly"_s},
    {u"Interface"_s, u"Language"_s, u"Language"_s},
};

struct FamilyPlace
{
    QString section;
    QString defaultValue;
};
const FamilyPlace familyPlaces[] = {
    {u"Auto Execute"_s, AppSettings::none},
    {u"Versions"_s, u"N/A"_s},
    {u"Dates"_s, u"N/A"_s},
    {u"Windows"_s, QString()},
    // Ours alone.
    {u"Signed Lists"_s, u"0"_s},
};

const KeyPlace &place(AppSettings::Key key)
{
    return keyPlaces[int(key)];
}

const FamilyPlace &place(AppSettings::Family family)
{
    return familyPlaces[int(family)];
}

// The scratch copies lie in the temporary folder, one folder a run, named after the run's process.
const QString scratchPrefix = u"Trevlin-settings-"_s;

// A run that was killed outright could not remove its scratch copy: a copy whose process has ended is removed by
// the next run. A copy of a process number now taken by another program waits until that one ends too.
void removeAbandonedScratchCopies()
{
    // Matched by hand: a name filter would compile a pattern at every start.
    QDirIterator entries(QDir::tempPath(), QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo folder = entries.fileInfo();
        const QString name = folder.fileName();
        if (!name.startsWith(scratchPrefix) || folder.isSymLink())
            continue;
        bool isNumber = false;
        const qint64 process = name.mid(scratchPrefix.size()).section(u'-', 0, 0).toLongLong(&isNumber);
        if (isNumber && process != QCoreApplication::applicationPid() && !Platform::isRunning(process))
            QDir(folder.filePath()).removeRecursively();
    }
}

} // namespace

AppSettings::AppSettings(std::unique_ptr<QSettings> store)
    : m_store(std::move(store))
{
    const QSettings::Format format = m_store->format();
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const bool isFile = format == QSettings::IniFormat || format == QSettings::NativeFormat;
#else
    const bool isFile = format == QSettings::IniFormat;
#endif
    if (isFile)
        takeFileOver();
}

// The store writes its file through QSaveFile without checking the last flush: on a full disk it replaces the
// settings with a cut-off file and reports success. So it only ever works on a scratch copy, and every save puts
// the copy's bytes in place through the atomic save, like any other file the program writes.
void AppSettings::takeFileOver()
{
    m_path = m_store->fileName();
    m_store.reset();
    removeAbandonedScratchCopies();
    m_scratch = std::make_unique<QTemporaryDir>(
        QDir(QDir::tempPath())
            .filePath(scratchPrefix + QString::number(QCoreApplication::applicationPid()) + u"-XXXXXX"_s));
    const QString shown = QDir::toNativeSeparators(m_path);
    QByteArray bytes;
    if (QFileInfo::exists(m_path)) {
        const BoundedFile::Result file = BoundedFile::read(m_path, BoundedFile::settingsLimit);
        if (!file.isRead()) {
            // Saving would replace what could not be read: the settings are read-only for this run.
            m_readOnly = true;
            m_notice = [error = file.error] {
                return error + u"\n\n"_s + tr("Trevlin starts without its settings and will not change them.");
            };
        }
        bytes = file.bytes;
    }
    const QString scratch = m_scratch->filePath(u"settings.ini"_s);
    QFile copy(scratch);
    if (!m_scratch->isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size()
        || !copy.flush()) {
        m_readOnly = true;
    }
    copy.close();
    m_store = std::make_unique<QSettings>(scratch, QSettings::IniFormat);
    // The store reads its file on the first look at a value, and only then knows whether it is damaged.
    const QStringList keys = m_store->allKeys();
    if (m_store->status() == QSettings::FormatError || std::any_of(keys.cbegin(), keys.cend(), isMalformed))
        setDamagedFileAside();
}

void AppSettings::setDamagedFileAside()
{
    QList<std::pair<QString, QVariant>> values;
    for (const QString &key : m_store->allKeys()) {
        if (!isMalformed(key))
            values.append({key, m_store->value(key)});
    }
    const QString scratch = m_store->fileName();
    m_store.reset();
    QFile::remove(scratch);
    m_store = std::make_unique<QSettings>(scratch, QSettings::IniFormat);
    for (const auto &[key, value] : values)
        m_store->setValue(key, value);

    QString backup = m_path + u".damaged"_s;
    for (int i = 2; QFile::exists(backup); ++i)
        backup = m_path + u".damaged"_s + QString::number(i);
    if (!m_readOnly && QFile::copy(m_path, backup) && commit()) {
        m_notice = [path = m_path, backup] {
            return tr("The settings file \"%1\" was damaged. Trevlin kept it as \"%2\" and goes on with the "
                      "settings it could read from it.")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup));
        };
    } else {
        QFile::remove(backup);
        m_readOnly = true;
        m_notice = [path = m_path] {
            return tr("The settings file \"%1\" is damaged, and Trevlin could not keep a copy of it aside. Trevlin "
                      "goes on with the settings it could read from it, and will not change them.")
                .arg(QDir::toNativeSeparators(path));
        };
    }
}

bool AppSettings::commit()
{
    m_store->sync();
    if (m_store->status() != QSettings::NoError)
        return false;
    if (m_path.isEmpty())
        return true;
    if (m_readOnly)
        return false;
    // A user who has never run the program has no folder for its settings yet, nor perhaps the folders above it.
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    // A store without any value writes no file at all.
    QFile scratch(m_store->fileName());
    if (!scratch.exists())
        return AtomicFile::write(m_path, {});
    if (!scratch.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = scratch.readAll();
    return scratch.error() == QFileDevice::NoError && AtomicFile::write(m_path, bytes);
}

QString AppSettings::takeNotice()
{
    // The text is made only now, once the language of the run is known: the settings are read before it.
    const auto notice = std::exchange(m_notice, nullptr);
    return notice ? notice() : QString();
}

AppSettings::~AppSettings() = default;

std::unique_ptr<QSettings> AppSettings::openUserStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Trevlin"),
                                       QStringLiteral("Trevlin"));
}

std::unique_ptr<QSettings> AppSettings::openFile(const QString &path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

// A file edited by hand may spell a section or a key in several ways. Whatever spelling is asked for, the same
// stored one is taken, so that a value saved is the value read: the first section in the store's order that holds
// the key, and in it the first spelling of the key; a key held nowhere goes into the first spelling of the section.
QString AppSettings::storedPath(const QString &section, const QString &key) const
{
    const QStringList sections = matchesIgnoringCase(m_store->childGroups(), section);
    for (const QString &candidate : sections) {
        m_store->beginGroup(candidate);
        const QStringList keys = matchesIgnoringCase(m_store->childKeys(), key);
        m_store->endGroup();
        if (!keys.isEmpty())
            return candidate + u'/' + keys.first();
    }
    return (sections.isEmpty() ? section : sections.first()) + u'/' + key;
}

QString AppSettings::get(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_store->value(storedPath(section, key), defaultValue).toString();
}

QString AppSettings::location() const
{
    return QDir::toNativeSeparators(m_path.isEmpty() ? m_store->fileName() : m_path);
}

bool AppSettings::save(const QString &section, const QString &key, const QString &value)
{
    // A value the file already holds is not written again: every window saves its place when it hides, mostly the
    // place it had, and each write waits for the disk.
    const QString path = storedPath(section, key);
    if (m_store->contains(path) && m_store->value(path).toString() == value)
        return !m_readOnly || m_path.isEmpty();
    m_store->setValue(path, value);
    return commit();
}

QString AppSettings::value(Key key) const
{
    return get(place(key).section, place(key).readKey);
}

QString AppSettings::value(Family family, const QString &member) const
{
    return get(place(family).section, member, place(family).defaultValue);
}

bool AppSettings::setValue(Key key, const QString &value)
{
    return save(place(key).section, place(key).writtenKey, value);
}

bool AppSettings::setValue(Family family, const QString &member, const QString &value)
{
    return save(place(family).section, member, value);
}

QString AppSettings::defaultValue(Family family)
{
    return place(family).defaultValue;
}
