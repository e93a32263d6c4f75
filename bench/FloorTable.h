#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Every benchmark puts its figure beside the floor of the same work: the least any program could take for it on
// this machine (a plain read and split of the same file, a plain listing of the same folder, a bare window). The
// ratio of the two holds from machine to machine where absolute times drift. Each benchmark ends by printing its
// rows of one table, which bench/run gathers:
//
//   | work | Trevlin | floor | ratio | target | verdict |
namespace FloorTable {

// What a row must stay within: a ratio to the floor, an absolute figure, or both (0 leaves one out).
struct Target
{
    double ratio = 0;
    double value = 0;
};

struct Row
{
    std::string work;
    double value = 0;
    double floor = 0; // 0: the work has no floor to stand beside
    Target target;
    std::string unit = "ms";
};

// The floors' own work, in plain standard C++.
// The file read whole and split into one string per line (a CR before a line feed left out); the line count.
std::size_t plainReadAndSplit(const std::string &path);
// The file read whole; its size.
std::size_t plainRead(const std::string &path);
// The file read whole and its line feeds counted: the least a random pick of one of its lines needs.
std::size_t plainReadAndCountLines(const std::string &path);
// The names in the folder, sorted without regard to letter case; their count.
std::size_t plainListAndSort(const std::string &folder);

// The table's two header lines.
void printHeader();
// Prints the row; true when it is within its target.
bool printRow(const Row &row);

} // namespace FloorTable
