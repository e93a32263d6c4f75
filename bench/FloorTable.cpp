#include "FloorTable.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

namespace FloorTable {

namespace {

std::string figure(double value, const std::string &unit)
{
    char text[48];
    std::snprintf(text, sizeof text, value >= 100 ? "%.0f %s" : "%.2f %s", value, unit.c_str());
    return text;
}

std::string targetText(const Row &row)
{
    char text[96];
    const Target &target = row.target;
    if (target.ratio > 0 && target.value > 0)
        std::snprintf(text, sizeof text, "≤ %g× the floor and ≤ %g %s", target.ratio, target.value, row.unit.c_str());
    else if (target.ratio > 0)
        std::snprintf(text, sizeof text, "≤ %g× the floor", target.ratio);
    else if (target.value > 0)
        std::snprintf(text, sizeof text, "≤ %g %s", target.value, row.unit.c_str());
    else
        return "none";
    return text;
}

} // namespace

std::size_t plainReadAndSplit(const std::string &path)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    std::string bytes;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, got);
    std::fclose(file);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::size_t lineEnd = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        lines.emplace_back(bytes, start, lineEnd - start);
        start = end + 1;
    }
    benchmark::DoNotOptimize(lines.data());
    return lines.size();
}

std::size_t plainListAndSort(const std::string &folder)
{
    // Each name with its key in lower case, made once, as a careful sort does.
    std::vector<std::pair<std::string, std::string>> names;
    for (const std::filesystem::directory_entry &entry : std::filesystem::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        std::string key = name;
        for (char &c : key)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        names.emplace_back(std::move(key), std::move(name));
    }
    std::sort(names.begin(), names.end());
    benchmark::DoNotOptimize(names.data());
    return names.size();
}

void printHeader()
{
    std::printf("| work | Trevlin | floor | ratio | target | verdict |\n");
    std::printf("|---|---|---|---|---|---|\n");
}

bool printRow(const Row &row)
{
    const double ratio = row.floor > 0 ? row.value / row.floor : 0;
    const bool within = row.value > 0 && (row.target.ratio <= 0 || (ratio > 0 && ratio <= row.target.ratio))
        && (row.target.value <= 0 || row.value <= row.target.value);
    char ratioText[16] = "-";
    if (ratio > 0)
        std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
    std::printf("| %s | %s | %s | %s | %s | %s |\n", row.work.c_str(),
                row.value > 0 ? figure(row.value, row.unit).c_str() : "failed",
                row.floor > 0 ? figure(row.floor, row.unit).c_str() : "-", ratioText, targetText(row).c_str(),
                within ? "within" : "OUTSIDE");
    std::fflush(stdout);
    return within;
}

void Reporter::ReportRuns(const std::vector<Run> &reports)
{
    ConsoleReporter::ReportRuns(reports);
    for (const Run &run : reports) {
        // With --benchmark_report_aggregates_only only the aggregates come: their median stands for the runs.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type != Run::RT_Iteration && !median)
            continue;
        std::vector<double> &times = m_milliseconds[run.run_name.function_name];
        if (median)
            times.clear();
        if (run.error_occurred) {
            times.clear();
            times.push_back(0);
            continue;
        }
        times.push_back(run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3);
    }
}

double Reporter::median(const std::string &name) const
{
    const auto found = m_milliseconds.find(name);
    if (found == m_milliseconds.end() || found->second.empty())
        return 0;
    std::vector<double> times = found->second;
    if (std::find(times.begin(), times.end(), 0.0) != times.end())
        return 0;
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

bool Reporter::printRow(const std::string &work, const std::string &trevlin, const std::string &floor,
                        Target target) const
{
    if (m_milliseconds.find(trevlin) == m_milliseconds.end())
        return true;
    return FloorTable::printRow({work, median(trevlin), floor.empty() ? 0 : median(floor), target});
}

} // namespace FloorTable
