#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What the benchmarks need of the operating system beyond standard C++, kept in this one file.
namespace BenchPlatform {

// Flushes the file's written bytes to the disk, as a careful save does before it renames; false when that failed.
bool syncToDisk(std::FILE *file);

// The names in folder, "." and ".." left out, read the plainest way the system offers (readdir on Unix).
std::vector<std::string> folderNames(const std::string &folder);

// The most memory this process has held in RAM so far (its peak resident set), in megabytes; 0 when unknown.
double peakMemoryMegabytes();

} // namespace BenchPlatform
