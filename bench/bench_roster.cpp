// A roster of 10,000 bots through the file format: written to disk (the refusal check, the lines and the atomic
// save) and read back (the lines, the options through their rules, and the model filled in one reset). The same
// for a PodBot roster of the second editor. Beside them their floors: a plain read of the same file split into
// one string per line, and a plain write of the same bytes flushed to the disk and renamed into place.

#include "BenchPlatform.h"
#include "FloorReporter.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFile.h"
#include "RosterFormat.h"
#include "RosterOptions.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int botCount = 10'000;

QList<RosterEntry> manyBots()
{
    const std::array<RosterEntry, 3> kinds{{
        {{}, u"Terrorist"_s, {}, u"Arctic Avengers"_s},
        {{}, u"Counter Terrorist"_s, {}, u"Seal Team 6 (DEVGRU)"_s},
        {{}, u"Auto Select"_s, {}, u"Auto Select"_s},
    }};
    QList<RosterEntry> bots;
    bots.reserve(botCount);
    for (int i = 0; i < botCount; ++i) {
        RosterEntry bot = kinds[i % kinds.size()];
        bot.name = u"Bot%1"_s.arg(i);
        bot.skill = QString::number(1 + i % 20);
        bots.append(bot);
    }
    return bots;
}

// A roster of 10,000 bots with some options set, and the place its file goes: a typical RamBot roster (waypoints
// shown for team 1 and a fixed skill), or a PodBot one with every option set.
struct SavedRoster
{
    QTemporaryDir dir;
    QString path = dir.filePath(u"bots.cfg"_s);
    const RosterAddOn &addOn;
    RosterOptions options{addOn};
    Roster roster{addOn.format->columns};

    explicit SavedRoster(QStringView botName)
        : addOn(*RosterAddOn::find(botName))
    {
        if (addOn.format->hasSkins()) {
            options.setChecked(RosterOptions::Option::ViewWaypoints, true);
            options.setChecked(RosterOptions::Option::WaypointsTeam1, true);
            options.setText(RosterOptions::Field::Botskill, u"5"_s);
            roster.assign(manyBots());
            return;
        }
        options.setChecked(RosterOptions::Option::AutoTeamBalance, true);
        options.setChecked(RosterOptions::Option::JasonMode, true);
        const std::array<QString, 3> teams{u"Terrorist"_s, u"Counter Terrorist"_s, u"Auto Assign"_s};
        QList<RosterEntry> bots;
        bots.reserve(botCount);
        for (int i = 0; i < botCount; ++i)
            bots.append({u"Bot%1"_s.arg(i), teams[i % teams.size()], QString::number(i % 101), {}});
        roster.assign(bots);
    }

    QString write() { return RosterFile::write(path, addOn, options, roster); }
};

void writeRoster(benchmark::State &state, QStringView botName)
{
    SavedRoster saved(botName);
    for (auto _ : state) {
        if (const QString problem = saved.write(); !problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            break;
        }
    }
    state.counters["bots"] = saved.roster.size();
}

void readRoster(benchmark::State &state, QStringView botName)
{
    SavedRoster saved(botName);
    if (const QString problem = saved.write(); !problem.isEmpty()) {
        state.SkipWithError(qPrintable(problem));
        return;
    }
    // Each read starts from an editor opened afresh, as after "New".
    RosterOptions readInto(saved.addOn);
    Roster readRoster(saved.addOn.format->columns);
    for (auto _ : state) {
        const RosterFile::ReadResult result = RosterFile::read(saved.path, saved.addOn, readInto, readRoster);
        if (!result.isLoaded() || readRoster.size() != botCount) {
            state.SkipWithError("the roster did not read back whole");
            break;
        }
        state.PauseTiming();
        readInto.renew();
        state.ResumeTiming();
    }
    state.counters["bots"] = readRoster.size();
}

// The floor of reading: the file's bytes read whole and split into one string per line.
void plainRead(benchmark::State &state, const QString &path)
{
    const std::string name = QFile::encodeName(path).toStdString();
    std::size_t lineCount = 0;
    for (auto _ : state)
        lineCount = FloorTable::plainReadAndSplit(name);
    state.counters["lines"] = double(lineCount);
}

// The floor of writing: the same bytes written to a file beside, flushed to the disk and renamed over the old one.
void plainWrite(benchmark::State &state, const QString &path)
{
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly)) {
        state.SkipWithError("cannot read the roster written");
        return;
    }
    const QByteArray bytes = written.readAll();
    const std::string name = QFile::encodeName(path).toStdString();
    const std::string temporary = name + ".new";
    for (auto _ : state) {
        std::FILE *file = std::fopen(temporary.c_str(), "wb");
        const bool whole
            = file && std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file) == std::size_t(bytes.size());
        const bool synced = file && BenchPlatform::syncToDisk(file);
        if (file)
            std::fclose(file);
        if (!whole || !synced || std::rename(temporary.c_str(), name.c_str()) != 0) {
            state.SkipWithError("the plain write failed");
            break;
        }
    }
}

// The floors of the roster written by the program: read, or written again.
void plainRoster(benchmark::State &state, QStringView botName, bool read)
{
    SavedRoster saved(botName);
    if (const QString problem = saved.write(); !problem.isEmpty()) {
        state.SkipWithError(qPrintable(problem));
        return;
    }
    if (read)
        plainRead(state, saved.path);
    else
        plainWrite(state, saved.path);
}

} // namespace

BENCHMARK_CAPTURE(writeRoster, ramBot, u"RamBot")
    ->Name("write 10,000 bots")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(readRoster, ramBot, u"RamBot")
    ->Name("read 10,000 bots")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(writeRoster, podBot, u"PodBot")
    ->Name("write 10,000 PodBot bots")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(readRoster, podBot, u"PodBot")
    ->Name("read 10,000 PodBot bots")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(plainRoster, read, u"RamBot", true)
    ->Name("floor: plain read and split")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(plainRoster, podBotRead, u"PodBot", true)
    ->Name("floor: plain read and split, PodBot")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(plainRoster, write, u"RamBot", false)
    ->Name("floor: plain write, sync and rename")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FloorTable::Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    FloorTable::printHeader();
    reporter.printRow("read a 10,000-bot roster", "read 10,000 bots", "floor: plain read and split", {3, 5});
    reporter.printRow("read a 10,000-bot roster (PodBot)", "read 10,000 PodBot bots",
                      "floor: plain read and split, PodBot", {3, 5});
    // A write waits for the disk to hold every byte before the rename: most of its time is the disk's sync, which
    // no fixed number of milliseconds can stand for from one disk to the next.
    reporter.printRow("write a 10,000-bot roster", "write 10,000 bots", "floor: plain write, sync and rename",
                      {1.3, 0});
    reporter.printRow("write a 10,000-bot roster (PodBot)", "write 10,000 PodBot bots",
                      "floor: plain write, sync and rename", {1.3, 0});
    return 0;
}
