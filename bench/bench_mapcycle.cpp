// Opening the map cycle editor on a maps folder of 10,000 maps, with RamBot chosen and waypoint files for every
// second map, so that half the maps carry the mark. Timed from the window's creation until its map list has been
// painted, then the window is closed again. Beside it a plain listing of the same folder sorted without regard to
// letter case, which the target leaves out: the window also reads the map cycle and looks up every map's waypoints.

#include "FloorReporter.h"
#include "MapCycle.h"
#include "RandomSource.h"
#include "ScratchGameFolder.h"
#include "Session.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int mapCount = 10'000;

struct Setup
{
    ScratchGameFolder folder;
    Session session;
    RandomSource random;
};

Setup *setup = nullptr;

// Counts the paints of the map list, so that the timing ends when the user would see the maps.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->parent() && watched->parent()->objectName() == "File1"_L1)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

QString prepare(Setup &s)
{
    if (!s.folder.isValid())
        return s.folder.error();
    const QString maps = s.folder.gameDir() + u"/maps/"_s;
    QByteArray cycle;
    for (int i = 0; i < mapCount; ++i) {
        const QString name = u"de_bench%1"_s.arg(i, 5, 10, QChar(u'0'));
        if (!touch(maps + name + u".bsp"_s) || (i % 2 == 0 && !touch(maps + name + u".rw1"_s)))
            return u"cannot write the map files"_s;
        if (i % 100 == 0)
            cycle += name.toLatin1() + "\r\n";
    }
    QFile file(s.folder.gameDir() + u"/mapcycle.txt"_s);
    if (!file.open(QIODevice::WriteOnly) || file.write(cycle) != cycle.size())
        return u"cannot write mapcycle.txt"_s;
    s.session.setGameDir(s.folder.gameDir());
    s.session.setBotName(u"RamBot"_s);
    s.session.setDirectoryValid(true);
    return {};
}

void openMapCycle(benchmark::State &state)
{
    PaintCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    qsizetype listed = 0;
    for (auto _ : state) {
        const int paintsBefore = counter.paints;
        auto *window = new MapCycle(setup->session, setup->random);
        window->show();
        for (int pass = 0; pass < 20 && counter.paints == paintsBefore; ++pass)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (counter.paints == paintsBefore) {
            state.SkipWithError("the map list was never painted");
            delete window;
            break;
        }
        listed = window->findChild<QAbstractItemView *>(u"File1"_s)->model()->rowCount();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    QCoreApplication::instance()->removeEventFilter(&counter);
    if (listed < mapCount)
        state.SkipWithError("the map list lacks maps");
    state.counters["maps"] = double(listed);
}

void plainListing(benchmark::State &state)
{
    const std::string maps = QFile::encodeName(setup->session.gameDir() + u"/maps"_s).toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(FloorTable::plainListAndSort(maps));
}

} // namespace

BENCHMARK(openMapCycle)->Name("open MapCycle, 10,000 maps")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(plainListing)->Name("floor: plain listing and sort")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Setup shared;
    if (const QString problem = prepare(shared); !problem.isEmpty()) {
        std::fprintf(stderr, "bench_mapcycle: %s\n", qPrintable(problem));
        return 1;
    }
    setup = &shared;
    FloorTable::Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    setup = nullptr;

    FloorTable::printHeader();
    reporter.printRow("open the map cycle editor on 10,000 maps with waypoint marks", "open MapCycle, 10,000 maps",
                      "floor: plain listing and sort", {0, 16});
    return 0;
}
