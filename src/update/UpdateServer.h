#pragma once

#include <QString>

#include <memory>

class HttpSession;

// The update server's base address: fixed when the program is configured, unless the environment variable
// TREVLIN_UPDATE_URL names another (to try a local server). It always ends in "/".
namespace UpdateServer {

QString baseUrl();
// Whether transfers from it travel unencrypted.
bool isPlainHttp(const QString &baseUrl);

// A session of the network module: one linked into the program (as the tests link it), else the file beside the
// program, as built and on Windows, or in the program's library folder once installed on Linux. Null, with the
// reason in problem, when none loads. The module and the libraries it brings are loaded only when asked for, so that
// start-up does not wait for them.
std::unique_ptr<HttpSession> networkSession(QString *problem);

} // namespace UpdateServer
