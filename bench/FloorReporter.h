#pragma once

#include "FloorTable.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace FloorTable {

// Shows the benchmarks' results as the console does and keeps the median real time of each in milliseconds (one
// figure per repetition, or the one run), so that the rows can be printed after the run.
class Reporter : public benchmark::ConsoleReporter
{
public:
    Reporter()
        : ConsoleReporter(OO_Tabular)
    { }

    void ReportRuns(const std::vector<Run> &reports) override;

    // The median of the named benchmark in milliseconds, or 0 when it did not run or failed.
    double median(const std::string &name) const;

    // A row of the work measured by the benchmark named trevlin beside the one named floor (empty for none).
    // Prints nothing when the Trevlin benchmark did not run (filtered out).
    bool printRow(const std::string &work, const std::string &trevlin, const std::string &floor, Target target) const;

private:
    std::map<std::string, std::vector<double>> m_milliseconds;
};

} // namespace FloorTable
