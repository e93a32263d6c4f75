#include "FloorReporter.h"

#include <algorithm>

namespace FloorTable {

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
