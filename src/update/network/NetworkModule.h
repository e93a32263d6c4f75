#pragma once

#include "HttpModule.h"

#include <QObject>

// The network module: Qt Network behind HttpModule, loaded by the download client at its first fetch.
class NetworkModule : public QObject, public HttpModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TrevlinHttpModule_iid)
    Q_INTERFACES(HttpModule)

public:
    HttpSession *newSession() override;
};
