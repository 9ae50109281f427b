// Peak memory of a benchmark: the kernel's high-water mark of resident memory, reset at the start,
// reported as peak_rss_mb and as peak_rise_mb, how far it rose above the memory in use then.
#pragma once

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <string>

// A "VmRSS" or "VmHWM" line of /proc/self/status in megabytes.
inline double StatusMegabytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0)
            return std::stod(line.substr(key.size() + 1)) / 1024.0;
    return 0;
}

// Gives freed memory back to the system and resets the high-water mark to the present resident
// size; returns the memory in use now.
inline double StartMemoryWatch()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusMegabytes("VmRSS");
}

inline void ReportMemory(benchmark::State& state, double inUseAtStart)
{
    const double peak = StatusMegabytes("VmHWM");
    state.counters["peak_rss_mb"] = peak;
    state.counters["peak_rise_mb"] = peak - inUseAtStart;
}
