#include "BenchPlatform.h"

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <psapi.h>
#include <windows.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

#include <filesystem>

namespace BenchPlatform {

bool syncToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fsync(fileno(file)) == 0;
#endif
}

std::vector<std::string> folderNames(const std::string &folder)
{
    std::vector<std::string> names;
#ifdef _WIN32
    for (const std::filesystem::directory_entry &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
#else
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
#endif
    return names;
}

double peakMemoryMegabytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return double(counters.PeakWorkingSetSize) / (1024 * 1024);
#else
    // Linux keeps the peak as "VmHWM: <kB> kB" in the process's status.
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    double kilobytes = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kilobytes = std::strtod(line + 6, nullptr);
            break;
        }
    }
    std::fclose(status);
    return kilobytes / 1024;
#endif
}

} // namespace BenchPlatform
