#pragma once

#include <cstdio>

// What the benchmarks need of the operating system beyond standard C++, kept in this one file.
namespace BenchPlatform {

// Flushes the file's written bytes to the disk, as a careful save does before it renames; false when that failed.
bool syncToDisk(std::FILE *file);

// The most memory this process has held in RAM so far (its peak resident set), in megabytes; 0 when unknown.
double peakMemoryMegabytes();

} // namespace BenchPlatform
