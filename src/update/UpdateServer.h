#pragma once

#include <QString>

// The update server's base address: fixed when the program is configured, unless the environment variable
// TREVLIN_UPDATE_URL names another (to try a local server). It always ends in "/".
namespace UpdateServer {

QString baseUrl();
// Whether transfers from it travel unencrypted.
bool isPlainHttp(const QString &baseUrl);

} // namespace UpdateServer
