#include "UpdateServer.h"

#include "HttpModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

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

std::unique_ptr<HttpSession> UpdateServer::networkSession(QString *problem)
{
    const QObjectList linkedIn = QPluginLoader::staticInstances();
    for (QObject *instance : linkedIn) {
        if (auto *module = qobject_cast<HttpModule *>(instance))
            return std::unique_ptr<HttpSession>(module->newSession());
    }
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QString firstProblem;
    for (const QString &folder : {u"."_s, QStringLiteral(TREVLIN_INSTALLED_MODULE_DIR)}) {
        QPluginLoader loader(programFolder.absoluteFilePath(folder + u"/trevlin_network"_s));
        if (auto *module = qobject_cast<HttpModule *>(loader.instance()))
            return std::unique_ptr<HttpSession>(module->newSession());
        if (firstProblem.isEmpty())
            firstProblem = loader.errorString();
    }
    *problem = QCoreApplication::translate("UpdateServer",
                                           "The network module trevlin_network could not be loaded from %1: %2")
                   .arg(QDir::toNativeSeparators(programFolder.path()), firstProblem);
    return nullptr;
}
