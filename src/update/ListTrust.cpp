#include "ListTrust.h"

#include "AppSettings.h"
#include "ListSignature.h"

ListTrust::ListTrust(AppSettings &settings) : m_settings(settings), m_required(ListSignature::keyConfigured()) {}

QString ListTrust::accept(const QString &name, const QByteArray &list, const QByteArray &minisig)
{
    if (!m_required)
        return {};
    const qint64 last = m_settings.value(AppSettings::Family::AcceptedListTime, name).toLongLong();
    const SignatureCheck check = ListSignature::acceptSigned(name, list, minisig, last, m_keyText);
    if (!check.ok)
        return check.error;
    if (check.trustedTime > last)
        m_settings.setValue(AppSettings::Family::AcceptedListTime, name, QString::number(check.trustedTime));
    return {};
}
