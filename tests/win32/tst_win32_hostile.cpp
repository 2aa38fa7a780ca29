#include "window_driver.h"

#include "window_cases.h"

#include "win32/program_services.h"

#include <algorithm>
#include <vector>

using fuel::calc::Field;
using fuel::testing::FakeView;
using fuel::testing::Row;
using fuel::testing::WindowDriver;
namespace cases = fuel::testing::cases;
namespace win32 = fuel::win32;

namespace {

constexpr Field allFields[] = {Field::MainRate,  Field::AuxRate, Field::StartDate,
                               Field::StartTime, Field::EndDate, Field::EndTime};

std::string_view nameOf(Field field) { return fuel::form::controlFor(field).name; }

// What the core makes of the texts that the window's fields hold: the right answer to compare
// the window with, whatever the text.
FakeView coreViewOf(const WindowDriver &window)
{
    FakeView view;
    for (const Field field : allFields)
        view.text(field) = window.text(nameOf(field));
    const auto captions = window.captions();
    std::copy(captions.begin(), captions.end(), view.captions.begin());
    view.threeDecimals = window.isTicked("Check2");
    return view;
}

// The window holds valid texts everywhere but in the field under test.
void resetFields(WindowDriver &window)
{
    const cases::Calculation &valid = cases::calculations.front();
    for (const auto &[field, text] : {std::pair{Field::MainRate, valid.mainRate},
                                      {Field::AuxRate, valid.auxRate},
                                      {Field::StartDate, valid.startDate},
                                      {Field::StartTime, valid.startTime},
                                      {Field::EndDate, valid.endDate},
                                      {Field::EndTime, valid.endTime}})
        window.paste(nameOf(field), text);
}

struct Text {
    std::string row;
    std::wstring utf16;
};

// Wine's EDIT lays out a run of digits (ASCII or full-width; not CJK, not letters) in time that
// grows with the square of its length: a megabyte of them takes it minutes. Under Wine such runs
// are cut to this many characters, which still overflow every integer the calculation reads; the
// megabyte of CJK still arrives whole in every field.
constexpr std::size_t longestDigitsUnderWine = 1 << 14;

bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }

bool allDigits(const std::wstring &text)
{
    std::vector<WORD> types(text.size());
    GetStringTypeW(CT_CTYPE1, text.c_str(), static_cast<int>(text.size()), types.data());
    return std::ranges::all_of(types, [](WORD type) { return (type & C1_DIGIT) != 0; });
}

// The shared hostile texts, and what only UTF-16 can hold: unpaired surrogates.
std::vector<Text> hostileTexts()
{
    std::vector<Text> texts;
    for (const cases::Hostile &hostile : cases::hostileTexts) {
        std::wstring repeated;
        const std::wstring once = win32::toUtf16(hostile.text);
        for (int i = 0; i < hostile.times; ++i)
            repeated += once;
        if (underWine() && allDigits(once))
            repeated.resize(std::min(repeated.size(), longestDigitsUnderWine));
        texts.push_back({std::string(hostile.row), repeated});
    }
    texts.push_back({"lone high surrogate", L"6\xD800"
                                            L"5"});
    texts.push_back({"lone low surrogate", L"\xDC00"});
    texts.push_back({"surrogates reversed", L"\xDE00\xD83D"});
    return texts;
}

// Either all five right captions or one message and none; never a half-written set.
void checkAgainstCore(const WindowDriver &window, const FakeView &core,
                      const std::array<std::string, 5> &before)
{
    CHECK_EQ(window.messages(), core.messages);
    CHECK_EQ(window.captions(), core.captions);
    CHECK(window.messages().size() <= 1);
    if (!window.messages().empty())
        CHECK(window.captions() == before);
}

void pastedIntoEachFieldThenCalculated()
{
    WindowDriver window;
    for (const Text &hostile : hostileTexts()) {
        for (const Field field : allFields) {
            const Row row(hostile.row + " in " + std::string(nameOf(field)));
            resetFields(window);
            window.forgetBoxes();
            window.paste(nameOf(field), hostile.utf16);
            CHECK_EQ(window.wideText(nameOf(field)).size(), hostile.utf16.size());
            FakeView core = coreViewOf(window);
            const auto before = window.captions();
            fuel::calc::onCalculateClicked(core);
            window.click("Command1");
            checkAgainstCore(window, core, before);
        }
    }
}

void pastedIntoAStartFieldThenRealTime()
{
    for (const Text &hostile : hostileTexts()) {
        for (const Field field : {Field::StartDate, Field::StartTime}) {
            const Row row(hostile.row + " in " + std::string(nameOf(field)));
            WindowDriver window;
            window.paste(nameOf(field), hostile.utf16);
            FakeView core = coreViewOf(window);
            const auto before = window.captions();
            core.clickRealTime();
            if (core.timerRunning)
                fuel::calc::onTimerTick(core, window.clock);
            window.click("Check1");
            window.tick();
            checkAgainstCore(window, core, before);
            CHECK_EQ(window.isTicked("Check1"), core.realTime);
        }
    }
}

constexpr fuel::testing::Test tests[] = {
    {"pastedIntoEachFieldThenCalculated", pastedIntoEachFieldThenCalculated},
    {"pastedIntoAStartFieldThenRealTime", pastedIntoAStartFieldThenRealTime},
};

} // namespace

int main()
{
    const win32::ProgramServices services;
    return fuel::testing::runTests(tests);
}
