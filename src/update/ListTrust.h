#pragma once

#include <QByteArray>
#include <QString>

class AppSettings;

// Which update lists an update takes. With a trusted key (the one fixed when the program was configured, or one
// given), only lists that come with a valid signature made with it, and none older than the newest list of its name
// taken before, so that a server cannot take a player back to older files; the time of each list taken is kept in
// the settings. Without a key, every list, as the server sends it.
class ListTrust
{
public:
    explicit ListTrust(AppSettings &settings);

    // From now on lists must be signed with the key in minisign's text form (a test's own, say).
    void trustKey(const QString &publicKeyText)
    {
        m_required = true;
        m_keyText = publicKeyText;
    }
    bool required() const { return m_required; }

    // Where a list's signature lies: beside it, named after it.
    static QString signatureName(const QString &listName) { return listName + QStringLiteral(".minisig"); }

    // Empty when the list called name may be taken with its signature file minisig (and its time is kept), else
    // the message refusing it, naming the list.
    QString accept(const QString &name, const QByteArray &list, const QByteArray &minisig);

private:
    AppSettings &m_settings;
    bool m_required;
    QString m_keyText; // empty: the configured key
};
