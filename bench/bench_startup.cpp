// Start-up time: from process start to the main window shown, trevlin beside a bare Qt Widgets window with about as
// many controls (bench_bare_window). Both run headless on the offscreen platform and end as soon as their window
// has been shown; trevlin runs on a scratch copy of the demo game folder with scratch settings. The two programs
// take turns, so that a change in the machine's load affects both alike.

#include "FloorTable.h"
#include "ScratchGameFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int defaultRuns = 30;
constexpr int timeoutMs = 10'000;

struct Program
{
    const char *label;
    QString path;
    std::vector<double> milliseconds;
};

struct Summary
{
    double min;
    double median;
    double mean;
};

Summary summarize(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, std::accumulate(values.begin(), values.end(), 0.0) / double(n)};
}

std::string milliseconds(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1fms", value);
    return text;
}

// One start of the program to its end, in milliseconds, or nothing when it failed (which is reported).
std::optional<double> timeRun(const Program &program, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program.path, {});
    if (!process.waitForStarted(timeoutMs)) {
        std::fprintf(stderr, "%s: could not start %s: %s\n", program.label, qPrintable(program.path),
                     qPrintable(process.errorString()));
        return std::nullopt;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(timeoutMs);
        std::fprintf(stderr, "%s: still running after %d s, killed. Its output:\n%s\n", program.label, timeoutMs / 1000,
                     process.readAll().constData());
        return std::nullopt;
    }
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s: %s (exit code %d). Its output:\n%s\n", program.label,
                     process.exitStatus() == QProcess::NormalExit ? "failed" : "crashed", process.exitCode(),
                     process.readAll().constData());
        return std::nullopt;
    }
    return elapsed;
}

int runCount(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Times trevlin's start-up beside a bare Qt Widgets window."_s);
    parser.addHelpOption();
    const QCommandLineOption runs(u"runs"_s, u"Starts of each program (default %1)."_s.arg(defaultRuns), u"N"_s,
                                  QString::number(defaultRuns));
    parser.addOption(runs);
    parser.process(app);
    bool ok = false;
    const int count = parser.value(runs).toInt(&ok);
    if (!ok || count < 1) {
        std::fprintf(stderr, "--runs needs a whole number of at least 1\n");
        return 0;
    }
    return count;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = runCount(app);
    if (runs == 0)
        return 2;

    const ScratchGameFolder folder;
    const QString configHome = folder.root() + u"/config"_s;
    if (!folder.isValid() || !folder.writeSettings(configHome + u"/Trevlin/Trevlin.conf"_s)) {
        std::fprintf(stderr, "cannot prepare the scratch game folder: %s\n", qPrintable(folder.error()));
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"TREVLIN_QUIT_AFTER_SHOW"_s, u"1"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, configHome);

    Program programs[] = {
        {"trevlin", QString::fromUtf8(TREVLIN_EXECUTABLE), {}},
        {"bare Qt window", QString::fromUtf8(BARE_WINDOW_EXECUTABLE), {}},
    };
    // One untimed start each first, so that neither pays alone for filling the file cache.
    for (const Program &program : programs) {
        if (!timeRun(program, environment))
            return 1;
    }
    for (int run = 0; run < runs; ++run) {
        for (Program &program : programs) {
            const std::optional<double> elapsed = timeRun(program, environment);
            if (!elapsed)
                return 1;
            program.milliseconds.push_back(*elapsed);
        }
    }

    std::printf("start-up to main window shown, offscreen, %d runs each\n", runs);
    std::printf("%-18s %-8s%-8s%s\n", "", "min", "median", "mean");
    Summary summaries[2];
    for (int i = 0; i < 2; ++i) {
        summaries[i] = summarize(programs[i].milliseconds);
        std::printf("%-18s %-8s%-8s%s\n", programs[i].label, milliseconds(summaries[i].min).c_str(),
                    milliseconds(summaries[i].median).c_str(), milliseconds(summaries[i].mean).c_str());
    }
    FloorTable::printHeader();
    FloorTable::printRow({"start-up to the main window shown", summaries[0].median, summaries[1].median, {1.1, 0}});
    return 0;
}
