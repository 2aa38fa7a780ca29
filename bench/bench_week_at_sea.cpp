// A week of real-time mode: 672,000 ticks of 900 ms from a clock that the benchmark moves on,
// across seven midnights. Every tick's captions are checked against amounts worked out here in
// whole numbers from the elapsed minutes, and resident memory is read before and after.

#include "figures.h"

#include "fakes.h"

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

using namespace fuel;
using std::int64_t;

constexpr int64_t ticks = 672'000;
constexpr int64_t tickMs = 900;
constexpr int64_t mainRate = 65;
constexpr int64_t auxRate = 15;
constexpr int64_t startSecond = 8 * 3600 + 30; // 08:00:30, half a minute past a boundary
constexpr std::chrono::year_month_day startDay{std::chrono::year{2007}, std::chrono::April,
                                               std::chrono::day{26}};

double residentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident * sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

runtime::LocalDateTime momentAt(int64_t secondsSinceStartDay)
{
    using namespace std::chrono;
    const sys_seconds moment = sys_days{startDay} + seconds{secondsSinceStartDay};
    const year_month_day date{floor<days>(moment)};
    const hh_mm_ss time{moment - floor<days>(moment)};
    return {{static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
             static_cast<int>(static_cast<unsigned>(date.day()))},
            {static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
             static_cast<int>(time.seconds().count())}};
}

int64_t powerOfTen(int exponent)
{
    int64_t power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// rate × minutes / 60 in units of the last decimal, rounded half away from zero (all here are
// positive).
int64_t scaledAmount(int64_t rate, int64_t minutes, int decimals)
{
    return (rate * minutes * powerOfTen(decimals) * 2 + 60) / 120;
}

// A scaled amount as text: fixed decimals with no "0" before the point ("主机用油量"), or the
// shortest form with no trailing zeros ("副机用油量", "总共用油量").
std::string decimalText(int64_t scaled, int decimals, bool fixed)
{
    const int64_t unit = powerOfTen(decimals);
    std::string fraction = std::to_string(unit + scaled % unit).substr(1);
    std::string whole = std::to_string(scaled / unit);
    if (fixed)
        return (whole == "0" ? "" : whole) + "." + fraction;
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? whole : whole + "." + fraction;
}

// The five captions, in the order of the view's.
using Captions = decltype(testing::FakeView::captions);

std::string twoDigits(int64_t value) { return std::to_string(100 + value).substr(1); }

Captions expectedCaptions(int64_t secondsSinceStartDay, bool threeDecimals)
{
    const int decimals = threeDecimals ? 3 : 6;
    const int64_t minutes = secondsSinceStartDay / 60 - startSecond / 60;
    const int64_t mainAmount = scaledAmount(mainRate, minutes, decimals);
    const int64_t auxAmount = scaledAmount(auxRate, minutes, decimals);
    const int64_t timeOfDayGap = std::llabs(secondsSinceStartDay % 86400 - startSecond);
    return {"主机用油量：" + decimalText(mainAmount, decimals, true) + " 公斤",
            "副机用油量：" + decimalText(auxAmount, decimals, false) + " 公斤",
            "总共用油量：" + decimalText(mainAmount + auxAmount, decimals, false) + " 公斤",
            "时差：" + twoDigits(timeOfDayGap / 3600) + "时" + twoDigits(timeOfDayGap % 3600 / 60) +
                "分",
            "日差：" + std::to_string(secondsSinceStartDay / 86400) + "天"};
}

std::string joined(const Captions &captions)
{
    std::string text = captions[0];
    for (std::size_t i = 1; i < captions.size(); ++i)
        text += " | " + captions[i];
    return text;
}

} // namespace

int main()
{
    testing::FakeView view;
    view.texts = {std::to_string(mainRate),
                  std::to_string(auxRate),
                  "2007-04-26",
                  "08:00:30",
                  "2007-04-26",
                  "08:00:30"};
    testing::FixedClock clock;
    view.clickRealTime();
    const double residentBefore = residentMiB();
    double residentAfterFirstTick = 0;

    std::chrono::nanoseconds inTicks{0};
    int64_t mismatches = 0;
    for (int64_t tick = 1; tick <= ticks; ++tick) {
        const int64_t second = startSecond + tick * tickMs / 1000;
        // Three decimals one day, six the next, as an officer may switch between them.
        view.threeDecimals = second / 86400 % 2 == 0;
        clock.moment = momentAt(second);
        const auto start = std::chrono::steady_clock::now();
        calc::onTimerTick(view, clock);
        inTicks += std::chrono::steady_clock::now() - start;
        if (tick == 1)
            residentAfterFirstTick = residentMiB();

        const auto expected = expectedCaptions(second, view.threeDecimals);
        if (view.captions != expected && mismatches++ == 0)
            std::fprintf(stderr, "tick %lld: got \"%s\", expected \"%s\"\n",
                         static_cast<long long>(tick), joined(view.captions).c_str(),
                         joined(expected).c_str());
    }
    const double residentAfter = residentMiB();
    const bool stillRunning = view.realTime && view.messages.empty();

    const double nsPerTick = static_cast<double>(inTicks.count()) / ticks;
    bench::printRow(bench::format("real-time tick (%lld ticks of 900 ms, 7 midnights)",
                                  static_cast<long long>(ticks)),
                    bench::format("%.0f ns per tick", nsPerTick), "(figure only)", true);
    const double growth = residentAfter - residentBefore;
    // The first tick alone touches library pages for the first time (number formatting), so
    // the figure also shows what the remaining 671,999 ticks added.
    bench::printRow("resident memory before the first tick → after it → after the week",
                    bench::format("%.2f → %.2f → %.2f MiB (%+.0f KiB in all, %+.0f KiB after the "
                                  "first tick)",
                                  residentBefore, residentAfterFirstTick, residentAfter,
                                  growth * 1024, (residentAfter - residentAfterFirstTick) * 1024),
                    "growth ≤ 1 MiB", growth <= 1.0);
    bench::printRow("ticks whose captions differ from the independent computation",
                    bench::format("%lld of %lld", static_cast<long long>(mismatches),
                                  static_cast<long long>(ticks)),
                    "0", mismatches == 0 && stillRunning);
    return mismatches == 0 && stillRunning ? 0 : 1;
}
