#include "AppSettings.h"

#include <QDir>
#include <QSettings>

namespace {

QString findIgnoringCase(const QStringList &names, const QString &name)
{
    if (names.contains(name))
        return name;
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return name;
}

} // namespace

AppSettings::AppSettings(std::unique_ptr<QSettings> store)
    : m_store(std::move(store))
{ }

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

QString AppSettings::storedSection(const QString &section) const
{
    return findIgnoringCase(m_store->childGroups(), section);
}

QString AppSettings::storedKey(const QString &section, const QString &key) const
{
    m_store->beginGroup(section);
    const QString stored = findIgnoringCase(m_store->childKeys(), key);
    m_store->endGroup();
    return stored;
}

QString AppSettings::get(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QString group = storedSection(section);
    return m_store->value(group + u'/' + storedKey(group, key), defaultValue).toString();
}

QString AppSettings::location() const
{
    return QDir::toNativeSeparators(m_store->fileName());
}

bool AppSettings::save(const QString &section, const QString &key, const QString &value)
{
    const QString group = storedSection(section);
    m_store->setValue(group + u'/' + storedKey(group, key), value);
    m_store->sync();
    return m_store->status() == QSettings::NoError;
}
