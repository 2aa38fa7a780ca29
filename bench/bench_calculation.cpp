// One press of "计算" as the calculation meets it: six texts read from the view, converted,
// computed, formatted and five captions written back.

#include "figures.h"

#include "fakes.h"

#include <chrono>
#include <cstdlib>

namespace {

using namespace fuel;

constexpr int batches = 31;
constexpr int runsPerBatch = 10'000;

double medianNanosecondsPerRun(bool threeDecimals)
{
    testing::FakeView view;
    // Three days and some hours, so that every step of the calculation has work to do.
    view.texts = {"65", "15", "2007-04-26", "08:12:30", "2007-04-29", "17:45:10"};
    view.threeDecimals = threeDecimals;
    calc::onCalculateClicked(view); // warms the caches and checks the inputs are readable
    if (!view.messages.empty()) {
        std::fprintf(stderr, "the benchmark's inputs are unreadable: %s\n",
                     view.messages.front().c_str());
        std::exit(1);
    }

    std::vector<double> perRun;
    for (int batch = 0; batch < batches; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int run = 0; run < runsPerBatch; ++run)
            calc::onCalculateClicked(view);
        const std::chrono::duration<double, std::nano> spent =
            std::chrono::steady_clock::now() - start;
        perRun.push_back(spent.count() / runsPerBatch);
    }
    return bench::median(perRun);
}

} // namespace

int main()
{
    for (const bool threeDecimals : {true, false}) {
        const double ns = medianNanosecondsPerRun(threeDecimals);
        bench::printRow(bench::format("calculation through the view, %s decimals (median of "
                                      "%d batches × %d runs)",
                                      threeDecimals ? "three" : "six", batches, runsPerBatch),
                        bench::format("%.0f ns", ns), "< 1000 ns", ns < 1000);
    }
}
