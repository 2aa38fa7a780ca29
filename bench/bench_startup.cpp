// Start-up of the calculator beside a bare Qt window, launched alternately in the same way:
// each with FUEL_EXIT_WHEN_EXPOSED=1 (exit_when_exposed.h), timed from just before fork()
// until "exposed" arrives on its standard output, its peak resident memory taken from wait4().
//
// bench_startup PLATFORM-LABEL RUNS PROGRAM BARE-WINDOW

#include "figures.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace fuel;

constexpr int giveUpAfterMs = 30'000;

struct Sample {
    double milliseconds;
    double peakResidentMiB;
};

[[noreturn]] void fail(const char *program, const char *why)
{
    std::fprintf(stderr, "%s: %s\n", program, why);
    std::exit(1);
}

Sample launch(const char *program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        fail(program, std::strerror(errno));
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail(program, std::strerror(errno));
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);

    std::string output;
    while (output.find("exposed\n") == std::string::npos) {
        pollfd readable{pipeEnds[0], POLLIN, 0};
        if (poll(&readable, 1, giveUpAfterMs) <= 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            fail(program, "the window was not exposed in time");
        }
        char buffer[256];
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, static_cast<std::size_t>(got));
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (output.find("exposed\n") == std::string::npos)
        fail(program, "ended without reporting an exposed window");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program, "did not exit cleanly");
    return {elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0}; // ru_maxrss in KiB
}

struct Medians {
    double milliseconds;
    double peakResidentMiB;
};

Medians medians(const std::vector<Sample> &samples)
{
    std::vector<double> times;
    std::vector<double> peaks;
    for (const Sample &sample : samples) {
        times.push_back(sample.milliseconds);
        peaks.push_back(sample.peakResidentMiB);
    }
    return {bench::median(times), bench::median(peaks)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s PLATFORM-LABEL RUNS PROGRAM BARE-WINDOW\n", argv[0]);
        return 2;
    }
    const char *platform = argv[1];
    const int runs = std::atoi(argv[2]);
    const char *programs[2] = {argv[3], argv[4]};
    setenv("FUEL_EXIT_WHEN_EXPOSED", "1", 1);

    // One unmeasured launch each, so that both find the libraries and fonts in the page cache.
    launch(programs[0]);
    launch(programs[1]);

    std::vector<Sample> samples[2];
    for (int run = 0; run < runs; ++run) {
        // Alternating who goes first, so that neither always follows the other.
        const int first = run % 2;
        samples[first].push_back(launch(programs[first]));
        samples[1 - first].push_back(launch(programs[1 - first]));
    }

    // Drawing the designed window, about a hundred CJK glyphs in two weights of a face with no
    // bold, is most of fuelcalc's start-up beyond the bare window's (docs/performance.md).
    constexpr double startUpTarget = 1.20;
    constexpr double memoryTarget = 1.10; // as under Wine
    const Medians program = medians(samples[0]);
    const Medians bare = medians(samples[1]);
    const double timeRatio = program.milliseconds / bare.milliseconds;
    const double memoryRatio = program.peakResidentMiB / bare.peakResidentMiB;
    bench::printRow(bench::format("start-up until the window is painted, %s: fuelcalc / bare Qt "
                                  "window (medians of %d runs each)",
                                  platform, runs),
                    bench::format("%.1f ms / %.1f ms = %.2f", program.milliseconds,
                                  bare.milliseconds, timeRatio),
                    bench::format("ratio ≤ %.2f", startUpTarget), timeRatio <= startUpTarget);
    bench::printRow(bench::format("peak resident memory, %s: fuelcalc / bare Qt window", platform),
                    bench::format("%.1f MiB / %.1f MiB = %.2f", program.peakResidentMiB,
                                  bare.peakResidentMiB, memoryRatio),
                    bench::format("ratio ≤ %.2f", memoryTarget), memoryRatio <= memoryTarget);
}
