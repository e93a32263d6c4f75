// A roster of 10,000 bots through the file format: written to disk (the refusal check, the lines and the atomic
// save) and read back (the lines, the options through their rules, and the model filled in one reset). The same
// for a PodBot roster of the second editor.

#include "AndroidAddOn.h"
#include "AndroidOptions.h"
#include "AndroidRoster.h"
#include "AndroidRosterFile.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterFile.h"
#include "RosterOptions.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int botCount = 10'000;
constexpr QStringView botName = u"RamBot";

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

// A typical RamBot roster of 10,000 bots, waypoints shown for team 1 and a fixed skill, and the place its file goes.
struct SavedRoster
{
    QTemporaryDir dir;
    QString path = dir.filePath(u"bots.cfg"_s);
    const RosterAddOn &addOn = *RosterAddOn::find(botName);
    RosterOptions options{addOn};
    Roster roster;

    SavedRoster()
    {
        options.setChecked(RosterOptions::Option::ViewWaypoints, true);
        options.setChecked(RosterOptions::Option::WaypointsTeam1, true);
        options.setText(RosterOptions::Field::Botskill, u"5"_s);
        roster.assign(manyBots());
    }

    QString write() { return RosterFile::write(path, addOn, options, roster); }
};

void writeRoster(benchmark::State &state)
{
    SavedRoster saved;
    for (auto _ : state) {
        if (const QString problem = saved.write(); !problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            break;
        }
    }
    state.counters["bots"] = saved.roster.size();
}

void readRoster(benchmark::State &state)
{
    SavedRoster saved;
    if (const QString problem = saved.write(); !problem.isEmpty()) {
        state.SkipWithError(qPrintable(problem));
        return;
    }
    // Each read starts from an editor opened afresh, as after "New".
    RosterOptions readInto(saved.addOn);
    Roster readRoster;
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

// A PodBot roster of 10,000 bots with every option set, and the place its file goes.
struct SavedPodBotRoster
{
    QTemporaryDir dir;
    QString path = dir.filePath(u"pods.cfg"_s);
    const AndroidAddOn &addOn = *AndroidAddOn::find(u"PodBot");
    AndroidOptions options;
    AndroidRoster roster;

    SavedPodBotRoster()
    {
        options.setAutoTeamBalance(true);
        options.setJasonMode(true);
        const std::array<QString, 3> teams{u"Terrorist"_s, u"Counter Terrorist"_s, u"Auto Assign"_s};
        QList<AndroidRosterEntry> bots;
        bots.reserve(botCount);
        for (int i = 0; i < botCount; ++i)
            bots.append({u"Bot%1"_s.arg(i), QString::number(i % 101), teams[i % teams.size()]});
        roster.assign(bots);
    }

    QString write() { return AndroidRosterFile::write(path, addOn, options, roster); }
};

void writePodBotRoster(benchmark::State &state)
{
    SavedPodBotRoster saved;
    for (auto _ : state) {
        if (const QString problem = saved.write(); !problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            break;
        }
    }
    state.counters["bots"] = saved.roster.size();
}

void readPodBotRoster(benchmark::State &state)
{
    SavedPodBotRoster saved;
    if (const QString problem = saved.write(); !problem.isEmpty()) {
        state.SkipWithError(qPrintable(problem));
        return;
    }
    AndroidOptions readInto;
    AndroidRoster readRoster;
    for (auto _ : state) {
        const AndroidRosterFile::ReadResult result
            = AndroidRosterFile::read(saved.path, saved.addOn, readInto, readRoster);
        if (!result.isLoaded() || readRoster.size() != botCount) {
            state.SkipWithError("the roster did not read back whole");
            break;
        }
    }
    state.counters["bots"] = readRoster.size();
}

} // namespace

BENCHMARK(writeRoster)->Name("write 10,000 bots")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readRoster)->Name("read 10,000 bots")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(writePodBotRoster)->Name("write 10,000 PodBot bots")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readPodBotRoster)->Name("read 10,000 PodBot bots")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
