// Adding 20 bots at once with a name list of 100,000 names: from Done to the new rows painted in the editor's
// four columns. It runs through the real windows (offscreen), painted synchronously; each Done reads the whole
// name list afresh, as it does for the user.

#include "AppState.h"
#include "EditScreen.h"
#include "RandomSource.h"
#include "Roster.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

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

void addMultipleBots(benchmark::State &state)
{
    QTemporaryDir gameDir;
    if (!gameDir.isValid() || !writeNameList(gameDir.filePath(u"TRNames.txt"_s))) {
        state.SkipWithError("cannot write the name list");
        return;
    }
    AppState app;
    app.BotName = u"RamBot"_s;
    app.GameDir = gameDir.path();
    RandomSource random;
    EditScreen editor(app, random);
    editor.show();
    const QList<QListView *> lists = editor.findChildren<QListView *>();
    const auto paint = [&lists] {
        QCoreApplication::processEvents();
        for (QListView *list : lists)
            list->viewport()->repaint();
    };
    auto *addMultiple = editor.findChild<QPushButton *>(u"Command5"_s);
    paint();

    for (auto _ : state) {
        state.PauseTiming();
        editor.roster().clear();
        // The dialog of the last round closed on Done; it goes now, so that the button opens a fresh one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        addMultiple->click();
        QWidget *dialog = editor.findChild<QWidget *>(u"AddMultiple"_s);
        dialog->findChild<QLineEdit *>(u"Text1"_s)->setText(QString::number(botsAdded));
        dialog->findChild<QLineEdit *>(u"Text2"_s)->setText(u"5"_s);
        paint();
        state.ResumeTiming();

        dialog->findChild<QPushButton *>(u"Command1"_s)->click();
        paint();
    }
    if (editor.roster().size() != botsAdded)
        state.SkipWithError("the bots were not added");
}
BENCHMARK(addMultipleBots)->Unit(benchmark::kMillisecond);

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
