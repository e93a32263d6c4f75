// The roster editor with 10,000 bots: putting them into the editor's four columns and painting them, and
// scrolling the columns a page at a time. Both run through the real window (offscreen), painted synchronously.

#include "AppState.h"
#include "EditScreen.h"
#include "RandomSource.h"
#include "Roster.h"

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int botCount = 10'000;

QList<RosterEntry> manyBots()
{
    QList<RosterEntry> entries;
    entries.reserve(botCount);
    for (int i = 0; i < botCount; ++i)
        entries.append({u"Bot%1"_s.arg(i), u"Counter Terrorist"_s, QString::number(i % 6), u"German GSG-9"_s});
    return entries;
}

struct Editor
{
    AppState state;
    RandomSource random;
    std::unique_ptr<EditScreen> window;
    QList<QListView *> lists;

    Editor()
    {
        state.BotName = u"RamBot"_s;
        window = std::make_unique<EditScreen>(state, random);
        window->show();
        lists = window->findChildren<QListView *>();
        QCoreApplication::processEvents();
    }

    void paint()
    {
        QCoreApplication::processEvents();
        for (QListView *list : std::as_const(lists))
            list->viewport()->repaint();
    }
};

void showBots(benchmark::State &state)
{
    Editor editor;
    const QList<RosterEntry> entries = manyBots();
    for (auto _ : state) {
        editor.window->roster().assign(entries);
        editor.paint();
        state.PauseTiming();
        editor.window->roster().clear();
        editor.paint();
        state.ResumeTiming();
    }
}
BENCHMARK(showBots)->Unit(benchmark::kMillisecond);

void scrollBots(benchmark::State &state)
{
    Editor editor;
    editor.window->roster().assign(manyBots());
    editor.paint();
    QScrollBar *bar = editor.lists.constLast()->verticalScrollBar();
    for (auto _ : state) {
        bar->triggerAction(bar->value() == bar->maximum() ? QAbstractSlider::SliderToMinimum
                                                          : QAbstractSlider::SliderPageStepAdd);
        editor.paint();
    }
}
BENCHMARK(scrollBots)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
