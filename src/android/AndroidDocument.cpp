#include "AndroidDocument.h"

#include "AndroidAddOn.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"

AndroidDocument::AndroidDocument(const AndroidAddOn &addOn, QObject *parent)
    : EditorDocument(parent)
    , m_addOn(addOn)
    , m_roster(new AndroidRoster(this))
    , m_options(new AndroidOptions(this))
{
    connect(m_options, &AndroidOptions::changed, this, [this] { setModified(true); });
}

AndroidDocument::~AndroidDocument() = default;

QString AndroidDocument::botName() const
{
    return m_addOn.botName.toString();
}

bool AndroidDocument::isEmpty() const
{
    return m_roster->isEmpty();
}

QAbstractItemModel *AndroidDocument::model() const
{
    return m_roster;
}

void AndroidDocument::append(const AndroidRosterEntry &entry)
{
    append(QList<AndroidRosterEntry>{entry});
}

void AndroidDocument::append(const QList<AndroidRosterEntry> &entries)
{
    m_roster->append(entries);
    setModified(true);
}

void AndroidDocument::replace(int row, const AndroidRosterEntry &entry)
{
    if (row < 0 || row >= m_roster->size())
        return;
    m_roster->replace(row, entry);
    setModified(true);
}

void AndroidDocument::setAll(const QString &skill, const QString &team)
{
    m_roster->setAll(skill, team);
    setModified(true);
}

void AndroidDocument::remove(int row)
{
    if (row < 0 || row >= m_roster->size())
        return;
    m_roster->remove(row);
    setModified(true);
}

void AndroidDocument::renew()
{
    m_roster->assign({});
    m_options->renew();
    setModified(false);
}

AndroidRosterFile::ReadResult AndroidDocument::load(const QString &path)
{
    // The options a failed read had already set stay set, and count as a change.
    const AndroidRosterFile::ReadResult result = AndroidRosterFile::read(path, m_addOn, *m_options, *m_roster);
    if (result.isLoaded())
        setStored(path);
    return result;
}

QString AndroidDocument::save(const QString &path)
{
    const QString error = AndroidRosterFile::write(path, m_addOn, *m_options, *m_roster);
    if (error.isEmpty())
        setStored(path);
    return error;
}
