#pragma once

// What every benchmark prints: rows of one Markdown table, | measure | figure | target | met |,
// which tools/bench.sh and tools/bench-windows.sh head and docs/performance.md quotes as they are.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace fuel::bench {

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <class... Args> std::string format(const char *pattern, Args... args)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

inline void printRow(const std::string &measure, const std::string &figure,
                     const std::string &target, bool met)
{
    std::printf("| %s | %s | %s | %s |\n", measure.c_str(), figure.c_str(), target.c_str(),
                met ? "yes" : "**no**");
    std::fflush(stdout);
}

} // namespace fuel::bench
