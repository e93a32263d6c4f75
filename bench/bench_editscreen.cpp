// The roster editor with 10,000 bots: putting them into the editor's four columns and painting them, and
// scrolling the columns a page at a time. And adding 20 bots at once with a name list of 100,000 names, from Done
// to the new rows painted; each Done reads the whole name list afresh, as it does for the user. All run through
// the real windows (offscreen), painted synchronously. Adding 20 bots is measured in the AndroidBot and PodBot editor
// too.

#include "FloorReporter.h"
#include "MultipleBots.h"
#include "NameList.h"
#include "RandomSource.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterWindow.h"
#include "Session.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
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
    Session session;
    RandomSource random;
    std::unique_ptr<RosterWindow> window;
    QList<QListView *> lists;

    explicit Editor(const QString &gameDir = {}, const QString &botName = u"RamBot"_s)
    {
        session.setBotName(botName);
        session.setGameDir(gameDir);
        window = std::make_unique<RosterWindow>(session, *RosterAddOn::find(botName), random);
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
        editor.window->document().append(entries);
        editor.paint();
        state.PauseTiming();
        editor.window->document().renew();
        editor.paint();
        state.ResumeTiming();
    }
}
BENCHMARK(showBots)->Unit(benchmark::kMillisecond);

void scrollBots(benchmark::State &state)
{
    Editor editor;
    editor.window->document().append(manyBots());
    editor.paint();
    QScrollBar *bar = editor.lists.constLast()->verticalScrollBar();
    for (auto _ : state) {
        bar->triggerAction(bar->value() == bar->maximum() ? QAbstractSlider::SliderToMinimum
                                                          : QAbstractSlider::SliderPageStepAdd);
        editor.paint();
    }
}
BENCHMARK(scrollBots)->Unit(benchmark::kMicrosecond);

constexpr int nameCount = 100'000;
constexpr int botsAdded = 20;

bool writeNameList(const QString &path)
{
    QByteArray bytes = "Bot names drawn by Add Multiple Bots\r\none name per line\r\n\r\n\r\n";
    for (int i = 0; i < nameCount; ++i)
        bytes += "[TRV]Player" + QByteArray::number(i) + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The same work in the two formats' dialogs: PodBot's draws its skills from 1 to 100 and has no skins.
void addSeveral(benchmark::State &state, const QString &botName, const QString &dialogName)
{
    QTemporaryDir gameDir;
    if (!gameDir.isValid() || !writeNameList(gameDir.filePath(u"TRNames.txt"_s))) {
        state.SkipWithError("cannot write the name list");
        return;
    }
    Editor editor(gameDir.path(), botName);
    auto *addMultiple = editor.window->findChild<QPushButton *>(u"Command5"_s);
    for (auto _ : state) {
        state.PauseTiming();
        editor.window->document().renew();
        // The dialog of the last round closed on Done; it goes now, so that the button opens a fresh one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        addMultiple->click();
        QWidget *dialog = editor.window->findChild<QWidget *>(dialogName);
        dialog->findChild<QLineEdit *>(u"Text1"_s)->setText(QString::number(botsAdded));
        dialog->findChild<QLineEdit *>(u"Text2"_s)->setText(u"5"_s);
        editor.paint();
        state.ResumeTiming();

        dialog->findChild<QPushButton *>(u"Command1"_s)->click();
        editor.paint();
    }
    if (editor.window->document().roster().size() != botsAdded)
        state.SkipWithError("the bots were not added");
}

void addMultipleBots(benchmark::State &state)
{
    addSeveral(state, u"RamBot"_s, u"AddMultiple"_s);
}
BENCHMARK(addMultipleBots)->Unit(benchmark::kMillisecond);

void addMultiplePodBots(benchmark::State &state)
{
    addSeveral(state, u"PodBot"_s, u"AndroidMultiple"_s);
}
BENCHMARK(addMultiplePodBots)->Unit(benchmark::kMillisecond);

// What Done does before the window shows the bots: the list found in the game folder and read, and the 20 bots
// drawn from it.
void drawBots(benchmark::State &state)
{
    QTemporaryDir gameDir;
    if (!gameDir.isValid() || !writeNameList(gameDir.filePath(u"TRNames.txt"_s))) {
        state.SkipWithError("cannot write the name list");
        return;
    }
    RandomSource random;
    MultipleBots bots;
    bots.skill = u"3"_s;
    bots.team = u"Auto Select"_s;
    bots.skins = {u"Arctic Avenger"_s, u"Guerilla Warfare"_s};
    bots.autoSelectSkin = true;
    qsizetype drawn = 0;
    for (auto _ : state) {
        QString error;
        NameList names = NameList::read(NameList::find(gameDir.path()), &error);
        drawn = bots.draw(botsAdded, names, random).size();
    }
    if (drawn != botsAdded)
        state.SkipWithError("the bots were not drawn");
}
BENCHMARK(drawBots)->Name("draw 20 bots from the name list")->Unit(benchmark::kMillisecond);

// The floor of adding bots from the list: the list read whole and its lines counted, since a name is drawn from
// among all of them.
void plainReadNameList(benchmark::State &state)
{
    QTemporaryDir gameDir;
    const QString path = gameDir.filePath(u"TRNames.txt"_s);
    if (!gameDir.isValid() || !writeNameList(path)) {
        state.SkipWithError("cannot write the name list");
        return;
    }
    const std::string name = QFile::encodeName(path).toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(FloorTable::plainReadAndCountLines(name));
}
BENCHMARK(plainReadNameList)
    ->Name("floor: plain read of the name list and a count of its lines")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FloorTable::Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    FloorTable::printHeader();
    const std::string floor = "floor: plain read of the name list and a count of its lines";
    reporter.printRow("add 20 bots from a 100,000-name list: the list read and the bots drawn",
                      "draw 20 bots from the name list", floor, {2, 0});
    reporter.printRow("add 20 bots from a 100,000-name list, until painted", "addMultipleBots", floor, {0, 8});
    reporter.printRow("add 20 bots from a 100,000-name list, until painted (PodBot)", "addMultiplePodBots", floor,
                      {0, 8});
    return 0;
}
