#include "NginxServer.h"

#include "TestFiles.h"

#include <QDir>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::Literals::StringLiterals;

NginxServer::NginxServer(const QString &folder)
{
    // A port found free may be taken before nginx binds it; another try takes another port.
    for (int attempt = 0; attempt < 3 && !start(folder); ++attempt)
        m_port = 0;
}

NginxServer::~NginxServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString NginxServer::program()
{
    return QStandardPaths::findExecutable(u"nginx"_s, {u"/usr/sbin"_s, u"/usr/local/sbin"_s});
}

QString NginxServer::baseUrl() const
{
    return u"http://127.0.0.1:%1/"_s.arg(m_port);
}

bool NginxServer::start(const QString &folder)
{
    QTcpServer probe;
    if (program().isEmpty() || !probe.listen(QHostAddress::LocalHost)) {
        m_error = u"nginx is not installed, or no port is free"_s;
        return false;
    }
    m_port = probe.serverPort();
    probe.close();
    const QString prefix = m_scratch.path();
    QString temps;
    for (const char *kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        temps += u"    %1_temp_path %2/%1;\n"_s.arg(QLatin1StringView(kind), prefix);
    TestFiles::write(prefix + u"/nginx.conf"_s,
                     u"master_process off;\npid %1/nginx.pid;\nevents { worker_connections 64; }\nhttp {\n"
                     "    access_log off;\n%2    types { text/plain txt minisig; }\n"
                     "    default_type application/octet-stream;\n"
                     "    server { listen 127.0.0.1:%3; root \"%4\"; }\n}\n"_s.arg(prefix, temps)
                         .arg(m_port)
                         .arg(QDir(folder).absolutePath())
                         .toUtf8());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program(),
                    {u"-p"_s, prefix, u"-e"_s, prefix + u"/error.log"_s, u"-c"_s, prefix + u"/nginx.conf"_s, u"-g"_s,
                     u"daemon off;"_s});
    // Ready once it takes connections; a wrong configuration ends it at once.
    for (int wait = 0; wait < 50 && m_process.state() != QProcess::NotRunning; ++wait) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        // Another program may have taken the port meanwhile: then nginx ends as soon as it finds it taken.
        if (socket.waitForConnected(100) && !m_process.waitForFinished(100))
            return true;
        m_process.waitForFinished(100);
    }
    m_process.kill();
    m_process.waitForFinished();
    m_error = u"nginx did not start: "_s + QString::fromUtf8(m_process.readAll())
        + QString::fromUtf8(TestFiles::read(prefix + u"/error.log"_s));
    return false;
}
