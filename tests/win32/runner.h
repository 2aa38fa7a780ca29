#pragma once

// A small table-driven runner: named tests, checks that report and go on, the row in hand
// printed beside every failure, the time each test took (under Wine a slow one shows where the
// suite's minutes go), and the number of failures as the exit code.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <span>
#include <sstream>
#include <string>
#include <string_view>

namespace fuel::testing {

struct Test {
    const char *name;
    void (*run)();
};

inline int failures = 0;
inline std::string currentRow;

// Names the table row that the checks in its scope are about.
class Row {
public:
    explicit Row(std::string_view name) { currentRow = name; }
    ~Row() { currentRow.clear(); }
    Row(const Row &) = delete;
    Row &operator=(const Row &) = delete;
};

inline bool check(bool passed, const char *what, const char *file, int line,
                  const std::string &detail = {})
{
    if (!passed) {
        ++failures;
        std::printf("FAIL %s:%d [%s] %s%s\n", file, line, currentRow.c_str(), what, detail.c_str());
    }
    return passed;
}

// A value as a failure report shows it; a list of texts shows each one quoted.
template <class T> std::string describe(const T &value)
{
    std::ostringstream out;
    if constexpr (requires { out << value; }) {
        out << value;
    } else {
        for (const auto &item : value)
            out << '"' << describe(item) << "\" ";
    }
    return out.str();
}

// Equal values, or lists of equal values (texts against views of texts).
template <class A, class B> bool same(const A &actual, const B &expected)
{
    if constexpr (requires { actual == expected; })
        return actual == expected;
    else
        return std::ranges::equal(actual, expected);
}

template <class A, class B>
bool checkEqual(const A &actual, const B &expected, const char *what, const char *file, int line)
{
    if (same(actual, expected))
        return true;
    std::ostringstream detail;
    detail << "\n    got:      " << describe(actual) << "\n    expected: " << describe(expected);
    return check(false, what, file, line, detail.str());
}

inline int runTests(std::span<const Test> tests)
{
    for (const Test &test : tests) {
        const int before = failures;
        const auto start = std::chrono::steady_clock::now();
        test.run();
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        std::printf("%s %s (%lld ms)\n", failures == before ? "PASS" : "FAIL", test.name,
                    static_cast<long long>(took.count()));
        std::fflush(stdout);
    }
    std::printf("%d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}

} // namespace fuel::testing

#define CHECK(condition) ::fuel::testing::check((condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected)                                                                 \
    ::fuel::testing::checkEqual((actual), (expected), #actual, __FILE__, __LINE__)
