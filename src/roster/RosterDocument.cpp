#include "RosterDocument.h"

#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFormat.h"
#include "RosterOptions.h"

RosterDocument::RosterDocument(const RosterAddOn &addOn, QObject *parent)
    : EditorDocument(parent)
    , m_addOn(addOn)
    , m_roster(new Roster(addOn.format->columns, this))
    , m_options(new RosterOptions(addOn, this))
{
    connect(m_options, &RosterOptions::edited, this, [this] { setModified(true); });
}

RosterDocument::~RosterDocument() = default;

const RosterFormat &RosterDocument::format() const
{
    return *m_addOn.format;
}

QString RosterDocument::botName() const
{
    return m_addOn.botName();
}

QAbstractItemModel *RosterDocument::model() const
{
    return m_roster;
}

bool RosterDocument::isEmpty() const
{
    return m_roster->isEmpty();
}

void RosterDocument::append(const RosterEntry &entry)
{
    append(QList<RosterEntry>{entry});
}

void RosterDocument::append(const QList<RosterEntry> &entries)
{
    m_roster->append(entries);
    setModified(true);
}

void RosterDocument::replace(int row, const RosterEntry &entry)
{
    if (row < 0 || row >= m_roster->size())
        return;
    m_roster->replace(row, entry);
    setModified(true);
}

void RosterDocument::setAll(const QString &team, const QString &skill, const QString &skin)
{
    m_roster->setAll(team, skill, skin);
    setModified(true);
}

void RosterDocument::remove(int row)
{
    if (row < 0 || row >= m_roster->size())
        return;
    m_roster->remove(row);
    setModified(true);
}

void RosterDocument::renew()
{
    if (!m_roster->isEmpty())
        m_roster->assign({});
    m_options->renew();
    setModified(false);
}

void RosterDocument::applyAddOnStartValues()
{
    const bool modified = isModified();
    m_options->applyAddOnStartValues();
    setModified(modified);
}

RosterFile::ReadResult RosterDocument::load(const QString &path)
{
    const RosterFile::ReadResult result = RosterFile::read(path, m_addOn, *m_options, *m_roster);
    if (result.isLoaded())
        setStored(path);
    return result;
}

QString RosterDocument::save(const QString &path)
{
    const QString error = RosterFile::write(path, m_addOn, *m_options, *m_roster);
    if (error.isEmpty())
        setStored(path);
    return error;
}
