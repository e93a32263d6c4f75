// Peak memory with a roster of 10,000 bots open: the main window on a scratch copy of the demo game folder, and the
// roster editor over it with the roster read from its file and painted, beside the bare Qt window of the start-up
// benchmark. Each is measured in a process of its own, started afresh for every round, and reports the most memory
// it held in RAM (its peak resident set).
//
//   bench_memory               runs the rounds and prints the row of the table
//   bench_memory --editor F    (a round's own process) opens the editor on the roster file F and reports its peak

#include "AppSettings.h"
#include "BenchPlatform.h"
#include "FloorTable.h"
#include "MainScreen.h"
#include "RandomSource.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFile.h"
#include "RosterFormat.h"
#include "RosterOptions.h"
#include "RosterWindow.h"
#include "ScratchGameFolder.h"
#include "Session.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int botCount = 10'000;
constexpr int rounds = 5;
constexpr QStringView botName = u"RamBot";

QString writeRoster(const QString &path)
{
    const RosterAddOn &addOn = *RosterAddOn::find(botName);
    RosterOptions options(addOn);
    Roster roster(addOn.format->columns);
    QList<RosterEntry> bots;
    bots.reserve(botCount);
    for (int i = 0; i < botCount; ++i)
        bots.append({u"Bot%1"_s.arg(i), u"Counter Terrorist"_s, QString::number(i % 6), u"German GSG-9"_s});
    roster.assign(bots);
    return RosterFile::write(path, addOn, options, roster);
}

// The round's own process: as the program starts, then the editor with the roster.
int openEditor(int argc, char **argv, const QString &rosterPath)
{
    QApplication app(argc, argv);
    const ScratchGameFolder folder;
    const QString settingsPath = folder.root() + u"/Trevlin.ini"_s;
    if (!folder.isValid() || !folder.writeSettings(settingsPath)) {
        std::fprintf(stderr, "cannot prepare the scratch game folder: %s\n", qPrintable(folder.error()));
        return 1;
    }
    Session session;
    AppSettings settings(AppSettings::openFile(settingsPath));
    RandomSource random;
    MainScreen window(session, settings, random);
    window.show();
    window.startUp();

    session.setBotName(botName.toString());
    RosterWindow editor(session, *RosterAddOn::find(botName), random);
    editor.show();
    if (const RosterFile::ReadResult result = editor.document().load(rosterPath); !result.isLoaded()) {
        std::fprintf(stderr, "the roster did not load: %s\n", qPrintable(result.message));
        return 1;
    }
    QCoreApplication::processEvents();
    for (QAbstractItemView *list : editor.findChildren<QAbstractItemView *>())
        list->viewport()->repaint();
    std::printf("peak %.2f\n", BenchPlatform::peakMemoryMegabytes());
    return 0;
}

// A round: the program's peak in megabytes, or nothing when it failed (which is reported).
std::optional<double> peakOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"TREVLIN_QUIT_AFTER_SHOW"_s, u"1"_s);
    environment.insert(u"TREVLIN_PRINT_PEAK_MEMORY"_s, u"1"_s);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
        return std::nullopt;
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("peak "))
            return line.mid(5).toDouble();
    }
    std::fprintf(stderr, "%s reported no peak\n", qPrintable(program));
    return std::nullopt;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--editor") == 0)
        return openEditor(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString rosterPath = dir.filePath(u"bots.cfg"_s);
    if (const QString problem = writeRoster(rosterPath); !problem.isEmpty()) {
        std::fprintf(stderr, "cannot write the roster: %s\n", qPrintable(problem));
        return 1;
    }
    std::vector<double> trevlin, bare;
    for (int round = 0; round < rounds; ++round) {
        const std::optional<double> editor
            = peakOf(QCoreApplication::applicationFilePath(), {u"--editor"_s, rosterPath});
        const std::optional<double> window = peakOf(QString::fromUtf8(BARE_WINDOW_EXECUTABLE), {});
        if (!editor || !window)
            return 1;
        trevlin.push_back(*editor);
        bare.push_back(*window);
    }
    std::printf("peak resident memory, %d rounds each: trevlin with the editor on %d bots %.1f MB, bare Qt window "
                "%.1f MB (medians)\n",
                rounds, botCount, median(trevlin), median(bare));
    FloorTable::printHeader();
    FloorTable::printRow({"peak memory with a 10,000-bot roster open", median(trevlin), median(bare), {1.3, 0}, "MB"});
    return 0;
}
