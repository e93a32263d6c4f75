#include "UpdateServer.h"

#include <QtGlobal>

using namespace Qt::Literals::StringLiterals;

QString UpdateServer::baseUrl()
{
    QString url = qEnvironmentVariable("TREVLIN_UPDATE_URL");
    if (url.isEmpty())
        url = QStringLiteral(TREVLIN_UPDATE_URL);
    if (!url.endsWith(u'/'))
        url += u'/';
    return url;
}

bool UpdateServer::isPlainHttp(const QString &baseUrl)
{
    return baseUrl.startsWith("http:"_L1, Qt::CaseInsensitive);
}
