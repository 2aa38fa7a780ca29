#include "form/contrast.h"
#include "form/design.h"
#include "form/space_runs.h"

#include <doctest.h>

#include <cmath>
#include <set>

using namespace fuel::form;

TEST_CASE("twips become the nearest device pixel")
{
    struct Case {
        int twips;
        int dpi;
        int pixels;
    };
    constexpr Case cases[] = {
        {120, 96, 8},   {640, 96, 43},  {400, 96, 27},  {5535, 96, 369},
        {640, 144, 64}, {375, 144, 38}, {255, 144, 26}, {1695, 192, 226},
    };
    for (const Case &c : cases) {
        INFO(c.twips, " at ", c.dpi);
        CHECK(toPixels(c.twips, c.dpi) == c.pixels);
    }
}

TEST_CASE("every control lies inside its frame")
{
    for (const Control &control : controls()) {
        if (control.container.empty())
            continue;
        INFO(control.name);
        const Control &frame = controlNamed(control.container);
        CHECK(frame.kind == Kind::Frame);
        CHECK(control.place.left >= 0);
        CHECK(control.place.top >= 0);
        CHECK(control.place.left + control.place.width <= frame.place.width);
        CHECK(control.place.top + control.place.height <= frame.place.height);
    }
}

// Each role leads to the one control that has it.
TEST_CASE("every role has its control")
{
    using namespace fuel::calc;
    const auto hasRole = [](auto role) {
        const auto *held = std::get_if<decltype(role)>(&controlFor(role).role);
        return held && *held == role;
    };
    for (const Field field : allFields)
        CHECK(hasRole(field));
    for (const ResultLabel label : allResultLabels)
        CHECK(hasRole(label));
    for (const Option option : allOptions)
        CHECK(hasRole(option));
}

// Each rate box keeps its designed share of its run of spaces, however wide the font draws it.
TEST_CASE("the rate boxes lie over their runs of spaces")
{
    struct Case {
        std::string_view box;
        std::string_view before; // the caption up to the run
        int runLeft;
        int runRight;
        PixelSpan placed;
    };
    constexpr Case cases[] = {
        {"Text1", "主机耗油：", 76, 118, {80, 33}},
        {"Text2", "主机耗油：       公斤  副机：", 190, 232, {192, 33}},
        {"Text1", "主机耗油：", 100, 184, {108, 66}},                    // spaces drawn wider
        {"Text2", "主机耗油：       公斤  副机：", 300, 321, {301, 17}}, // and narrower
    };
    for (const Case &c : cases) {
        INFO(c.box, " over ", c.runLeft, "..", c.runRight);
        const Control &control = controlNamed(c.box);
        const auto run = runUnder(control);
        REQUIRE(run);
        CHECK(run->label->name == "Label(1)");
        CHECK(run->captionBefore == c.before);
        CHECK(run->spaces == "       ");
        CHECK(placeOverRun(control, *run, c.runLeft, c.runRight) == c.placed);
    }
    CHECK_FALSE(runUnder(controlNamed("TxtStartDate1")));
}

TEST_CASE("contrast ratios")
{
    struct Case {
        Rgb text;
        Rgb background;
        double ratio;
    };
    constexpr Case cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},     {{9, 99, 199}, {9, 99, 199}, 1.0},
        {{0, 0, 255}, {255, 255, 255}, 8.59},   {{255, 255, 255}, {0, 0, 255}, 8.59},
        {{255, 128, 0}, {239, 239, 239}, 2.19},
    };
    for (const Case &c : cases)
        CHECK(std::round(contrastRatio(c.text, c.background) * 100) / 100 == c.ratio);
}

TEST_CASE("designed colours on a dark background are lightened and keep their hue")
{
    struct Case {
        Rgb designed;
        Rgb background;
    };
    constexpr Rgb darkGrey{53, 53, 53};
    constexpr Rgb adwaitaDark{36, 36, 36};
    constexpr Rgb lightGrey{239, 239, 239};
    constexpr Case cases[] = {
        {{0, 0, 255}, darkGrey},    {{0, 128, 0}, darkGrey},  {{192, 0, 0}, adwaitaDark},
        {{255, 128, 0}, {0, 0, 0}}, {{0, 0, 255}, lightGrey}, {{255, 128, 0}, lightGrey},
    };
    for (const Case &c : cases) {
        INFO(int(c.designed.red), ",", int(c.designed.green), ",", int(c.designed.blue), " on ",
             int(c.background.red));
        const Rgb drawn = textColourOn(c.designed, c.background);
        if (plainTextOn(c.background) == Rgb{0, 0, 0}) {
            CHECK(drawn == c.designed); // a light background keeps the designed colour
            continue;
        }
        CHECK(contrastRatio(drawn, c.background) >= readableContrast);
        // Lightened towards white, so each channel keeps its place in the order of the three.
        CHECK((drawn.red >= drawn.green) == (c.designed.red >= c.designed.green));
        CHECK((drawn.green >= drawn.blue) == (c.designed.green >= c.designed.blue));
        CHECK_FALSE(drawn == (Rgb{255, 255, 255}));
    }
}

// Where controls overlap, the one that takes the focus lies above the label, the label above
// its frame; of two that take the focus, the one that Tab reaches first.
TEST_CASE("which of two overlapping controls lies above the other")
{
    struct Case {
        std::string_view upper;
        std::string_view lower;
    };
    constexpr Case cases[] = {
        {"Text1", "Label(1)"},    {"Text2", "Label(1)"},  {"Label(1)", "Frame(0)"},
        {"Command1", "Frame(0)"}, {"Label1", "Frame(1)"}, {"Check1", "Check2"},
    };
    for (const Case &c : cases) {
        INFO(c.upper, " over ", c.lower);
        CHECK(liesAbove(controlNamed(c.upper), controlNamed(c.lower)));
        CHECK_FALSE(liesAbove(controlNamed(c.lower), controlNamed(c.upper)));
    }
    // Only the rates caption has controls set into it.
    for (const Control &control : controls()) {
        INFO(control.name);
        const Control *above = firstControlAbove(control);
        CHECK((above ? above->name : "") == (control.name == "Label(1)" ? "Text1" : ""));
    }
    const auto stack = stackingOrder();
    CHECK(stack.size() == controls().size()); // each once
    for (std::size_t i = 1; i < stack.size(); ++i)
        CHECK_FALSE(liesAbove(*stack[i], *stack[i - 1]));
}

TEST_CASE("the colours of the designed labels on the system's window colour")
{
    constexpr Rgb lightGrey{239, 239, 239};
    constexpr Rgb darkGrey{53, 53, 53};
    constexpr Rgb white{255, 255, 255};
    struct Case {
        std::string_view name;
        Rgb window;
        std::optional<Colours> drawn;
    };
    const Case cases[] = {
        {"Label1", lightGrey, Colours{{0, 0, 255}, lightGrey}},
        {"Label2", lightGrey, Colours{{0, 128, 0}, lightGrey}},
        {"Label3", lightGrey, Colours{{192, 0, 0}, lightGrey}},
        {"Label4", lightGrey, Colours{{255, 128, 0}, lightGrey}},
        {"Label5", lightGrey, Colours{{255, 128, 0}, lightGrey}},
        {"Label(0)", lightGrey, Colours{{0, 0, 0}, white}},
        {"Label(0)", darkGrey, Colours{{0, 0, 0}, white}}, // the credit keeps its own white
        {"Label(2)", lightGrey, std::nullopt},
        {"Text1", darkGrey, std::nullopt},
    };
    for (const Case &c : cases) {
        INFO(c.name, " on ", int(c.window.red));
        CHECK(designedColoursOn(controlNamed(c.name).look, c.window) == c.drawn);
    }
    const auto dark = designedColoursOn(controlNamed("Label3").look, darkGrey);
    REQUIRE(dark);
    CHECK(dark->background == darkGrey);
    CHECK(contrastRatio(dark->text, darkGrey) >= readableContrast);
}

// Windows finds each control, and the timer, by its id; the dialog manager sends Enter and Escape
// as ids 1 and 2, which no control may have.
TEST_CASE("every control has an id of its own, clear of Enter's and Escape's")
{
    std::set<int> ids;
    for (const Control &control : controls()) {
        INFO(control.name);
        CHECK(control.id > 2);
        CHECK(ids.insert(control.id).second);
        CHECK(controlWithId(control.id) == &control);
    }
    CHECK(controlWithId(1) == nullptr);
    CHECK(controlWithId(2) == nullptr);
    CHECK(timerDesign().name == "Timer1");
    CHECK(onlyControlOf(Kind::Button).name == "Command1");
}
