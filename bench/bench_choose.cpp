// Choosing an add-on whose maps folder holds 10,000 waypoint files: RamBot lists its "*.rw1" files in the label of
// supported maps. Measured through the main window (the choose action, then every event until the label has been
// laid out and painted) and as logic alone (the text of supported maps), beside the floor: a plain listing of the
// same folder sorted without regard to letter case.

#include "AppSettings.h"
#include "BotCatalogue.h"
#include "FloorReporter.h"
#include "MainScreen.h"
#include "RandomSource.h"
#include "ScratchGameFolder.h"
#include "Session.h"
#include "SupportedMaps.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int extraWaypointFiles = 10'000;

// Everything the benchmarks share, made once in main().
struct Setup
{
    ScratchGameFolder folder;
    Session session;
    RandomSource random;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<MainScreen> window;
    QRadioButton *ramBot = nullptr;
    QRadioButton *realBot = nullptr;
    QAbstractScrollArea *maps = nullptr; // paints through its viewport
};

Setup *setup = nullptr;

// Processes events until the window is at rest. A change of the label's text takes several passes: the label's
// own layout, then the scroll area's, which resizes the label, then the paint at the new size. One call of
// processEvents() runs only the first of these.
class Settler : public QObject
{
public:
    Settler() { QCoreApplication::instance()->installEventFilter(this); }
    ~Settler() override { QCoreApplication::instance()->removeEventFilter(this); }

    // The number of passes it took; the last one found nothing to lay out or paint.
    int settle()
    {
        int passes = 0;
        do {
            m_busy = false;
            QCoreApplication::processEvents();
            ++passes;
        } while (m_busy && passes < maxPasses);
        return passes;
    }

    int labelPaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            if (watched == setup->maps->viewport())
                ++labelPaints;
            [[fallthrough]];
        case QEvent::LayoutRequest:
        case QEvent::Resize:
        case QEvent::UpdateRequest:
            m_busy = true;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int maxPasses = 50;
    bool m_busy = false;
};

bool addWaypointFiles(const QString &gameDir)
{
    for (int i = 0; i < extraWaypointFiles; ++i) {
        QFile file(u"%1/maps/de_bench%2.rw1"_s.arg(gameDir).arg(i, 5, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

QString prepare(Setup &s)
{
    if (!s.folder.isValid())
        return s.folder.error();
    if (!addWaypointFiles(s.folder.gameDir()))
        return u"cannot write the waypoint files"_s;
    const QString settingsPath = s.folder.root() + u"/Trevlin.ini"_s;
    if (!s.folder.writeSettings(settingsPath))
        return u"cannot write the settings file"_s;
    s.settings = std::make_unique<AppSettings>(AppSettings::openFile(settingsPath));
    s.window = std::make_unique<MainScreen>(s.session, *s.settings, s.random);
    s.window->show();
    s.window->startUp();
    if (!QTest::qWaitForWindowExposed(s.window.get()))
        return u"the main window was never shown"_s;
    s.ramBot = s.window->findChild<QRadioButton *>(u"Option2"_s);
    s.realBot = s.window->findChild<QRadioButton *>(u"Option3"_s);
    s.maps = s.window->findChild<QAbstractScrollArea *>(u"Label1"_s);
    if (!s.ramBot || !s.realBot || !s.maps)
        return u"the main window lacks Option2, Option3 or Label1"_s;
    if (!s.ramBot->isEnabled() || !s.realBot->isEnabled())
        return u"RamBot or RealBot is not detected as installed"_s;
    return {};
}

void chooseRamBot(benchmark::State &state)
{
    Settler settler;
    int passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        setup->realBot->setChecked(true);
        settler.settle();
        const int paintsBefore = settler.labelPaints;
        state.ResumeTiming();
        setup->ramBot->setChecked(true);
        passes = settler.settle();
        state.PauseTiming();
        if (settler.labelPaints == paintsBefore) {
            state.SkipWithError("the label of supported maps was not painted");
            break;
        }
        state.ResumeTiming();
    }
    const qsizetype names = setup->maps->property("text").toString().count(", "_L1) + 1;
    if (names < extraWaypointFiles)
        state.SkipWithError("the label of supported maps lacks the waypoint files");
    state.counters["maps"] = double(names);
    state.counters["event passes"] = passes;
}

void supportedMapsText(benchmark::State &state)
{
    const BotInfo &ramBot = BotCatalogue::info(BotType::RamBot);
    qsizetype length = 0;
    for (auto _ : state) {
        const QString text = SupportedMaps::text(setup->session.gameDir(), ramBot);
        length = text.size();
        benchmark::DoNotOptimize(text);
    }
    if (length == 0)
        state.SkipWithError("no supported maps found");
}

void plainListing(benchmark::State &state)
{
    const std::string maps = QFile::encodeName(setup->session.gameDir() + u"/maps"_s).toStdString();
    std::size_t names = 0;
    for (auto _ : state)
        names = FloorTable::plainListAndSort(maps);
    state.counters["names"] = double(names);
}

} // namespace

// A choice takes long enough that the default half second would time a single one.
BENCHMARK(chooseRamBot)->Name("choose RamBot")->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(supportedMapsText)->Name("SupportedMaps::text RamBot")->Unit(benchmark::kMillisecond)->UseRealTime();
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
        std::fprintf(stderr, "bench_choose: %s\n", qPrintable(problem));
        return 1;
    }
    setup = &shared;
    FloorTable::Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    setup = nullptr;

    FloorTable::printHeader();
    reporter.printRow("choose an add-on with 10,000 waypoint files, until painted", "choose RamBot",
                      "floor: plain listing and sort", {1.3, 16});
    return 0;
}
