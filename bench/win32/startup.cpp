// Start-up and memory of fuelcalc.exe beside the project's bare window (bare_window.cpp) and a
// plain bare Win32 window (plain_window.cpp), launched in turn in the same way, from outside, so
// that the programs carry no code for it: each is timed from just before CreateProcessW until
// its window is visible and it and every control in it have been painted (no update region
// left), which is what its user waits for; its peak working set is read then, before it is
// ended.
//
// bench_startup_win32 RUNS PROGRAM BARE-WINDOW PLAIN-WINDOW SYSTEM, where SYSTEM names the Windows
// that the rows are measured on.

#include "../figures.h"

#include <windows.h>

#include <psapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace fuel;

constexpr DWORD giveUpAfterMs = 30'000;

struct Sample {
    double milliseconds;
    double peakWorkingSetMiB;
};

[[noreturn]] void fail(const wchar_t *program, const char *why)
{
    std::fprintf(stderr, "%ls: %s\n", program, why);
    std::exit(1);
}

struct Search {
    DWORD process;
    HWND window;
};

// Enumeration callbacks are named functions: a lambda has no stdcall conversion on 32-bit x86.
BOOL CALLBACK keepIfVisibleOfProcess(HWND window, LPARAM found)
{
    auto &search = *reinterpret_cast<Search *>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window))
        return TRUE;
    search.window = window;
    return FALSE;
}

BOOL CALLBACK stopAtUnpainted(HWND child, LPARAM allPainted)
{
    if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE))
        return TRUE;
    *reinterpret_cast<bool *>(allPainted) = false;
    return FALSE;
}

HWND visibleWindowOf(DWORD process)
{
    Search search{process, nullptr};
    EnumWindows(keepIfVisibleOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.window;
}

bool painted(HWND window)
{
    if (GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool allPainted = true;
    EnumChildWindows(window, stopAtUnpainted, reinterpret_cast<LPARAM>(&allPainted));
    return allPainted;
}

double millisecondsSince(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

Sample launch(const wchar_t *program)
{
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        fail(program, "could not be started");

    HWND window = nullptr;
    while (!(window = visibleWindowOf(process.dwProcessId)) || !painted(window)) {
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            fail(program, "ended before its window was painted");
        if (millisecondsSince(start) > giveUpAfterMs) {
            TerminateProcess(process.hProcess, 1);
            fail(program, "its window was not painted in time");
        }
    }
    const double elapsed = millisecondsSince(start);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        fail(program, "has no memory figures");
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {elapsed, static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0)};
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: bench_startup_win32 RUNS PROGRAM BARE-WINDOW PLAIN-WINDOW "
                             "SYSTEM\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    constexpr std::size_t count = 3;
    const wchar_t *programs[count] = {argv[2], argv[3], argv[4]};
    // Which Windows the prefix is, as the rows name it.
    const std::string system = bench::format("%ls", argv[5]);

    // One unmeasured launch each, so that all find the system's DLLs and fonts in the cache.
    for (const wchar_t *program : programs)
        launch(program);

    std::vector<double> times[count];
    std::vector<double> peaks[count];
    for (int run = 0; run < runs; ++run) {
        // Each in turn goes first, so that none always follows another.
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t which = (static_cast<std::size_t>(run) + i) % count;
            const Sample sample = launch(programs[which]);
            times[which].push_back(sample.milliseconds);
            peaks[which].push_back(sample.peakWorkingSetMiB);
        }
    }

    double time[count];
    double peak[count];
    for (std::size_t i = 0; i < count; ++i) {
        time[i] = bench::median(times[i]);
        peak[i] = bench::median(peaks[i]);
    }
    // Under Wine the ratios move with Wine and the machine's load more than with the program
    // (docs/performance.md), so the target is the time itself; the ratios are figures.
    constexpr double startUpTargetMs = 500;
    const std::string startUpTarget = bench::format("fuelcalc.exe ≤ %.0f ms", startUpTargetMs);
    const struct {
        const char *yardstick;
        std::size_t index;
        std::string target;
        bool met;
    } yardsticks[] = {{"the project's bare window", 1, startUpTarget, time[0] <= startUpTargetMs},
                      {"a plain bare Win32 window", 2, "(figure only)", true}};
    for (const auto &against : yardsticks) {
        const double ratio = time[0] / time[against.index];
        bench::printRow(
            bench::format("start-up until the window is painted, Wine, %s: fuelcalc.exe / "
                          "%s (medians of %d runs each)",
                          system.c_str(), against.yardstick, runs),
            bench::format("%.1f ms / %.1f ms = %.2f", time[0], time[against.index], ratio),
            against.target, against.met);
    }
    const double memoryRatio = peak[0] / peak[1];
    bench::printRow(bench::format("peak working set, Wine, %s: fuelcalc.exe / the project's bare "
                                  "window",
                                  system.c_str()),
                    bench::format("%.1f MiB / %.1f MiB = %.2f", peak[0], peak[1], memoryRatio),
                    "ratio ≤ 1.10", memoryRatio <= 1.10);
    return 0;
}
