// Checking and placing an item of 10,000 files, beside a plain copy of the same files one by one; and the longest
// wait of the event loop meanwhile, as a timer ticking every 5 ms on it sees it.
#include "FileCommit.h"
#include "FloorTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int fileCount = 10'000;

struct Round
{
    qint64 placeMs = 0;
    qint64 longestGapMs = 0;
    qint64 copyMs = 0;
};

Round round(const QString &scratch)
{
    const QString staging = scratch + u"/staging"_s;
    const QString game = scratch + u"/game"_s;
    const QString copies = scratch + u"/copies"_s;
    QDir().mkpath(staging);
    QDir().mkpath(game + u"/maps"_s);
    const QByteArray bytes(4096, 'm');
    FileCommit commit({game});
    for (int i = 0; i < fileCount; ++i) {
        QFile file(staging + u'/' + QString::number(i));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        commit.add(file.fileName(),
                   game + u"/maps/"_s + QString::number(i % 100) + u"/map"_s + QString::number(i) + u".bsp"_s);
    }
    Round result;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { result.longestGapMs = std::max(result.longestGapMs, sinceTick.restart()); });
    QFutureWatcher<FileCommit::Result> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<FileCommit::Result>::finished, &loop, &QEventLoop::quit);
    clock.start();
    sinceTick.start();
    tick.start(5);
    watcher.setFuture(QtConcurrent::run([&] {
        FileCommit::Result placed;
        placed.error = commit.check();
        return placed.error.isEmpty() ? commit.commit() : placed;
    }));
    loop.exec();
    result.placeMs = clock.elapsed();
    tick.stop();
    if (!watcher.result().error.isEmpty())
        qFatal("%s", qPrintable(watcher.result().error));

    clock.restart();
    for (int i = 0; i < fileCount; ++i) {
        const QString folder = copies + u'/' + QString::number(i % 100);
        if (i < 100)
            QDir().mkpath(folder);
        QFile::copy(staging + u'/' + QString::number(i), folder + u"/map"_s + QString::number(i) + u".bsp"_s);
    }
    result.copyMs = clock.elapsed();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<Round> rounds;
    for (int i = 0; i < 3; ++i) {
        QTemporaryDir scratch;
        rounds.append(round(scratch.path()));
    }
    const auto median = [&](qint64 Round::*field) {
        QList<qint64> values;
        for (const Round &r : rounds)
            values.append(r.*field);
        std::sort(values.begin(), values.end());
        return double(values[values.size() / 2]);
    };
    FloorTable::printHeader();
    const bool placed = FloorTable::printRow(
        {"verify and place a 10,000-file item", median(&Round::placeMs), median(&Round::copyMs), {.ratio = 4}});
    const bool responsive
        = FloorTable::printRow({"longest event wait while placing it", median(&Round::longestGapMs), 0, {.value = 50}});
    return placed && responsive ? 0 : 1;
}
