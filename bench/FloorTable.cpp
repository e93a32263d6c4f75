#include "FloorTable.h"

#include "BenchPlatform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace FloorTable {

namespace {

// Keeps the compiler from leaving out work whose result nothing reads.
void keep(const void *result)
{
    [[maybe_unused]] static const void *volatile sink;
    sink = result;
}

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

// The file in one read of its size, as a careful plain program does; empty when it cannot be read.
std::string readWhole(const std::string &path)
{
    std::string bytes;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        std::rewind(file);
        if (size > 0) {
            bytes.resize(std::size_t(size));
            bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
        }
    }
    std::fclose(file);
    return bytes;
}

} // namespace

std::size_t plainRead(const std::string &path)
{
    const std::string bytes = readWhole(path);
    keep(bytes.data());
    return bytes.size();
}

std::size_t plainReadAndCountLines(const std::string &path)
{
    const std::string bytes = readWhole(path);
    std::size_t lines = 0;
    for (const char *at = bytes.data(), *end = at + bytes.size();
         (at = static_cast<const char *>(std::memchr(at, '\n', std::size_t(end - at)))); ++at)
        ++lines;
    return lines;
}

std::size_t plainReadAndSplit(const std::string &path)
{
    const std::string bytes = readWhole(path);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::size_t lineEnd = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        lines.emplace_back(bytes, start, lineEnd - start);
        start = end + 1;
    }
    keep(lines.data());
    return lines.size();
}

std::size_t plainListAndSort(const std::string &folder)
{
    // Each name with its key in lower case, made once, as a careful sort does.
    std::vector<std::pair<std::string, std::string>> names;
    for (std::string &name : BenchPlatform::folderNames(folder)) {
        std::string key = name;
        for (char &c : key)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        names.emplace_back(std::move(key), std::move(name));
    }
    std::sort(names.begin(), names.end());
    keep(names.data());
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

} // namespace FloorTable
