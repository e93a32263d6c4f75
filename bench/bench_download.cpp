// Downloading a 200 MB file from a loopback server: Trevlin's update client beside curl on the same file in the
// same run, with the memory the client took above the idle program.
#include "UpdateClient.h"

#include <QPluginLoader>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 fileSize = 200LL * 1024 * 1024;

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    {
        QFile file(dir.filePath(u"big.bin"_s));
        file.open(QIODevice::WriteOnly);
        const QByteArray block(1024 * 1024, 'z');
        for (qint64 written = 0; written < fileSize; written += block.size())
            file.write(block);
    }
    const int port = freePort();
    const QString base = u"http://127.0.0.1:%1/"_s.arg(port);
    QProcess server;
    server.start(
        u"python3"_s,
        {u"-m"_s, u"http.server"_s, u"--bind"_s, u"127.0.0.1"_s, u"--directory"_s, dir.path(), QString::number(port)});
    server.waitForStarted();
    QThread::msleep(800);

    // Five rounds, each the client and then curl, on a machine that may be busy: the medians count.
    const long idle = peakKilobytes();
    QList<qint64> own;
    QList<qint64> viaCurl;
    QString error;
    qint64 size = 0;
    for (int round = 0; round < 5 && error.isEmpty(); ++round) {
        QFile sink(dir.filePath(u"by-trevlin.bin"_s));
        sink.open(QIODevice::WriteOnly);
        std::unique_ptr<HttpSession> session;
        for (QObject *instance : QPluginLoader::staticInstances()) {
            if (auto *module = qobject_cast<HttpModule *>(instance))
                session.reset(module->newSession());
        }
        UpdateClient client{QUrl(base), std::move(session)};
        QEventLoop loop;
        QObject::connect(&client, &UpdateClient::finished, &loop, [&](const QString &e) {
            error = e;
            loop.quit();
        });
        QElapsedTimer clock;
        clock.start();
        client.fetch(QUrl(base + u"big.bin"_s), &sink, fileSize + 1);
        loop.exec();
        own.append(clock.elapsed());
        sink.close();
        size = sink.size();

        clock.restart();
        QProcess::execute(u"curl"_s, {u"-s"_s, u"-o"_s, dir.filePath(u"by-curl.bin"_s), base + u"big.bin"_s});
        viaCurl.append(clock.elapsed());
    }
    const long grown = peakKilobytes() - idle;
    server.kill();
    server.waitForFinished();
    std::sort(own.begin(), own.end());
    std::sort(viaCurl.begin(), viaCurl.end());
    std::printf("update client: median %lld ms of %lld MB (%s), peak memory %ld KiB above idle\n",
                own.value(own.size() / 2), fileSize >> 20, error.isEmpty() ? "whole" : qPrintable(error), grown);
    std::printf("curl:          median %lld ms\n", viaCurl.value(viaCurl.size() / 2));
    return error.isEmpty() && size == fileSize ? 0 : 1;
}
