#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Debian's nginx, serving a folder on a free port of 127.0.0.1 for the length of a test, with its configuration,
// logs and temporary files in a scratch folder of its own. It runs as one process (no workers to switch users),
// so that it can read the test's folders whoever runs the tests, and it is stopped when the object goes.
class NginxServer
{
public:
    explicit NginxServer(const QString &folder);
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    static QString program(); // empty when nginx is not installed
    bool isRunning() const { return m_process.state() == QProcess::Running && m_port != 0; }
    QString baseUrl() const;                  // "http://127.0.0.1:<port>/"
    QString error() const { return m_error; } // why it did not start, with nginx's own words

private:
    bool start(const QString &folder);

    QTemporaryDir m_scratch;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
