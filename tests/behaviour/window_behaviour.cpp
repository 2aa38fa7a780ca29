// The window's behaviour, the same for every front-end: compiled once with each front-end's
// driver, so both windows pass the same cases, read from the shared tables.

#include "cases.h"
#include "window_driver.h"

#include "calc/events.h"
#include "calc/messages.h"
#include "form/design.h"
#include "form/space_runs.h"

#include <doctest.h>

#include <algorithm>

namespace cases = fuel::testing::cases;
using fuel::calc::Field;
using fuel::testing::FakeView;
using fuel::testing::Key;
using fuel::testing::MenuWay;
using fuel::testing::WindowDriver;
using fuel::testing::cases::fieldNamed;
using fuel::testing::cases::joined;

namespace {

// What does not depend on the scale factor runs once, at 96 dpi, not again at the others.
const doctest::test_suite scaleIndependent("scale-independent");

// The densities of the monitors Windows offers, 100 % to 250 %: where the window can be moved to
// another (Win32), the cases that depend on the density run at each.
constexpr int densities[] = {96, 120, 144, 168, 192, 240};

constexpr fuel::runtime::LocalDateTime half_past_nine{{2007, 4, 26}, {9, 30, 0}};

std::string captions(const WindowDriver &window)
{
    std::string shown;
    for (const std::string_view label : cases::resultNames)
        shown += window.text(label) + " | ";
    return shown;
}

std::vector<std::string> messages(const WindowDriver &window)
{
    std::vector<std::string> texts;
    for (const auto &box : window.boxes())
        texts.push_back(box.text);
    return texts;
}

void fill(WindowDriver &window, const cases::Calculation &c)
{
    for (std::size_t i = 0; i < c.texts.size(); ++i)
        window.paste(cases::fieldNames[i], c.texts[i]);
    if (window.isTicked("Check2") != c.threeDecimals)
        window.click("Check2");
}

// What the core makes of the window as it stands: the answer the window must give.
FakeView coreViewOf(const WindowDriver &window)
{
    FakeView view;
    for (const std::string_view name : cases::fieldNames)
        view.text(fieldNamed(name)) = window.text(name);
    for (std::size_t i = 0; i < cases::resultNames.size(); ++i)
        view.captions[i] = window.text(cases::resultNames[i]);
    view.threeDecimals = window.isTicked("Check2");
    view.realTime = window.isTicked("Check1");
    view.timerRunning = window.timerRunning();
    if (const std::string focused = window.focused(); !focused.empty()) {
        if (const auto *field = std::get_if<Field>(&fuel::form::controlNamed(focused).role))
            view.focusedField = static_cast<int>(*field);
    }
    return view;
}

// The window and the core agree: the same captions and messages, and never a message with
// captions written.
void checkAgainstCore(const WindowDriver &window, const FakeView &core, const std::string &before)
{
    CHECK(messages(window) == core.messages);
    CHECK(captions(window) == joined(core.captions, " | "));
    CHECK(window.boxes().size() <= 1);
    if (!window.boxes().empty())
        CHECK(captions(window) == before);
}

void checkRealTimeOff(const WindowDriver &window)
{
    CHECK_FALSE(window.isTicked("Check1"));
    CHECK_FALSE(window.timerRunning());
    CHECK(window.isEnabled("TxtStartDate1"));
    CHECK(window.isEnabled("TxtStartTime1"));
    CHECK(window.isEnabled("Command1"));
}

std::string hostileText(const WindowDriver &window, const cases::Hostile &hostile)
{
    std::string text;
    for (int i = 0; i < hostile.times; ++i)
        text += hostile.text;
    const bool digits =
        !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
    if (digits)
        text.resize(std::min(text.size(), window.longestDigitRun()));
    return text;
}

} // namespace

TEST_CASE("the window opens titled, with the present moment and the designed options")
{
    for (const cases::StartUp &c : cases::startUpDefaults) {
        INFO(c.row);
        const auto window = fuel::testing::openWindow(c.moment);
        CHECK(window->clock.readings == 1);
        CHECK(window->text("FrmMain") == "Oradel - Lirra工作专版");
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            CHECK(window->text(cases::fieldNames[i]) == c.texts[i]);
        CHECK(captions(*window) == joined(FakeView{}.captions, " | "));
        CHECK_FALSE(window->isTicked("Check1"));
        CHECK(window->isTicked("Check2"));
        CHECK_FALSE(window->timerRunning());
        CHECK(window->focused() == "Check1");
    }
}

TEST_CASE("typed characters go through each field's filter")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const cases::Typing &c : cases::typingCases) {
        INFO(c.row);
        window->type(c.field, c.typed);
        CHECK(window->text(c.field) == c.kept);
        window->press(Key::Return);
        window->press(Key::Escape);
        CHECK(window->text(c.field) == c.kept);
    }
    CHECK(window->boxes().empty());
}

TEST_CASE("Ctrl+V pastes and Ctrl+X cuts in a filtered field" * scaleIndependent)
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->setClipboardText("7.5");
    window->type("Text1", "");
    window->press(Key::Paste);
    CHECK(window->text("Text1") == "7.5");
    window->setClipboardText("");
    window->press(Key::SelectAll);
    window->press(Key::Cut);
    CHECK(window->text("Text1").empty());
    CHECK(window->clipboardText() == "7.5");
}

TEST_CASE("Tab visits the designed order, and skips what real-time mode disables")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const std::string_view expected : cases::tabCycle) {
        window->press(Key::Tab);
        CHECK(window->focused() == expected);
    }
    for (auto expected = cases::tabCycle.rbegin() + 1; expected != cases::tabCycle.rend();
         ++expected) {
        window->press(Key::BackTab);
        CHECK(window->focused() == *expected);
    }
    window->focus("Check1");
    window->press(Key::Space);
    REQUIRE(window->isTicked("Check1"));
    for (const std::string_view expected : cases::tabCycleInRealTime) {
        window->press(Key::Tab);
        CHECK(window->focused() == expected);
    }
}

TEST_CASE("计算 writes the five captions")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const cases::Calculation &c : cases::calculations) {
        INFO(c.row);
        fill(*window, c);
        window->click("Command1");
        CHECK(captions(*window) == joined(cases::captionsOf(c), " | "));
    }
    CHECK(window->boxes().empty());
}

TEST_CASE("the focused button is pressed by Space and Enter; Enter elsewhere computes nothing")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    const std::string before = captions(*window);
    for (const std::string_view name : {"Text1", "TxtStartDate2", "Check1", "Check2"}) {
        INFO(name);
        window->focus(name);
        window->press(Key::Return);
        window->press(Key::Enter);
        window->press(Key::Escape);
        CHECK(captions(*window) == before);
    }
    // 00:00 to 09:30 at each rate
    struct Press {
        Key key;
        std::string_view rate;
        std::string_view caption;
    };
    constexpr Press presses[] = {{Key::Space, "6", "主机用油量：57.000 公斤"},
                                 {Key::Return, "60", "主机用油量：570.000 公斤"},
                                 {Key::Enter, "600", "主机用油量：5700.000 公斤"}};
    for (const Press &press : presses) {
        INFO(press.rate);
        window->paste("Text1", press.rate);
        window->focus("Command1");
        window->press(press.key);
        CHECK(window->text("Label1") == press.caption);
    }
}

// Each control where the design puts it, from its container's corner; a label in a frame as wide
// as its caption. At 96 dpi, and at each density of a monitor the window can be moved to.
TEST_CASE("every control stands at its designed place at every density")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    // The client area at 96 dpi; at another, Wine keeps the frame it drew at 96 dpi, so the
    // Win32 suite checks the width alone.
    CHECK(window->place("FrmMain").width ==
          fuel::form::toPixels(fuel::form::windowDesign().clientWidth, 96));
    CHECK(window->place("FrmMain").height ==
          fuel::form::toPixels(fuel::form::windowDesign().clientHeight, 96));
    for (const int dpi : densities) {
        if (dpi != 96 && !window->moveToDensity(dpi))
            break;
        const auto at = [dpi](int twips) { return fuel::form::toPixels(twips, dpi); };
        INFO(dpi, " dpi");
        for (const fuel::form::Control &control : fuel::form::controls()) {
            // A rate box lies over its run of spaces as the font draws it at that size, which
            // the next case checks; at 96 dpi, the run is where the design puts the box.
            if (dpi != 96 && runUnder(control))
                continue;
            INFO(control.name);
            const auto container =
                window->place(control.container.empty() ? "FrmMain" : control.container);
            const auto shown = window->place(control.name);
            const int left = control.container.empty() ? 0 : container.left;
            const int top = control.container.empty() ? 0 : container.top;
            CHECK(shown.left == left + at(control.place.left));
            CHECK(shown.top == top + at(control.place.top));
            if (control.look.fitsCaption) {
                CHECK(shown.width == window->textWidth(control.name, window->text(control.name)));
            } else {
                CHECK(shown.width == at(control.place.width));
                CHECK(shown.height == at(control.place.height));
            }
        }
    }
}

// On the system's light theme every designed colour is drawn as designed; every text is in the
// designed face and size, the results in bold.
TEST_CASE("the designed colours and fonts")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    const fuel::form::WindowDesign &design = fuel::form::windowDesign();
    for (const fuel::form::Control &control : fuel::form::controls()) {
        INFO(control.name);
        const fuel::testing::DrawnFont font = window->font(control.name);
        CHECK(std::ranges::count(design.fontFamilies, font.family) == 1);
        CHECK(font.points == design.fontPoints);
        CHECK(font.bold == control.look.bold);
        if (control.look.text)
            CHECK(window->colours(control.name).text == *control.look.text);
        if (control.look.background)
            CHECK(window->colours(control.name).background == *control.look.background);
    }
}

TEST_CASE("a result label is as wide as its caption, which grows with the figures")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    const auto before = window->place("Label1");
    window->paste("Text1", "99999");
    window->click("Command1");
    const auto after = window->place("Label1");
    CHECK(window->text("Label1") == "主机用油量：949990.500 公斤");
    CHECK(after.width == window->textWidth("Label1", window->text("Label1")));
    CHECK(after.width > before.width);
    CHECK(after.left == before.left);
    CHECK(after.top == before.top);
    CHECK(after.height == before.height);
}

// At 96 dpi, and at each density of a monitor the window can be moved to, whatever the font's
// advances at that size.
TEST_CASE("the rate boxes cover no character of the caption they sit in, at every density")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const int dpi : densities) {
        if (dpi != 96 && !window->moveToDensity(dpi))
            break;
        const std::string caption = window->text("Label(1)");
        const auto label = window->place("Label(1)");
        const fuel::testing::Rect boxes[] = {window->place("Text1"), window->place("Text2")};
        for (std::size_t i = 0; i < caption.size();) {
            const auto lead = static_cast<unsigned char>(caption[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : 2;
            const std::string character = caption.substr(i, length);
            const int left = label.left + window->textWidth("Label(1)", caption.substr(0, i));
            i += length;
            const int right = label.left + window->textWidth("Label(1)", caption.substr(0, i));
            if (character == " ")
                continue;
            INFO(dpi, " dpi, ", character);
            for (const auto &box : boxes)
                CHECK((right <= box.left || left >= box.left + box.width));
        }
    }
}

TEST_CASE("unreadable input is named, focused and leaves the captions")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const cases::Unreadable &c : cases::unreadableInputs) {
        INFO(c.row);
        fill(*window, cases::good);
        window->click("Command1");
        const std::string before = captions(*window);
        REQUIRE(before == joined(cases::captionsOf(cases::good), " | "));
        window->forgetBoxes();
        window->paste(c.field, c.text);
        if (!c.otherField.empty())
            window->paste(c.otherField, c.otherText);
        window->click("Command1");
        CHECK(messages(*window) ==
              std::vector<std::string>{fuel::calc::unreadableMessage(fieldNamed(c.named))});
        CHECK(captions(*window) == before);
        CHECK(window->focused() == c.named);
    }
}

TEST_CASE("the message box: titled, one button, the field focused, and the program goes on")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->paste("TxtStartTime2", "x");
    window->click("Command1");
    REQUIRE(window->boxes().size() == 1);
    CHECK(window->boxes().front().title == "错误");
    CHECK(window->boxes().front().text ==
          "结束时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。");
    CHECK(window->boxes().front().buttons.size() == 1);
    CHECK(window->boxes().front().errorIcon);
    CHECK(window->boxes().front().ownedByWindow);
    CHECK(window->focused() == "TxtStartTime2");
    window->type("TxtStartTime2", "09:30:00");
    window->click("Command1");
    CHECK(window->text("Label1") == "主机用油量：617.500 公斤");
    CHECK(window->boxes().size() == 1);
}

TEST_CASE("real-time mode starts from a start row that looks right")
{
    for (const cases::StartRow &c : cases::realTimeStartRows) {
        INFO(c.row);
        const auto window = fuel::testing::openWindow(half_past_nine);
        window->paste("TxtStartDate1", c.date);
        window->paste("TxtStartTime1", c.time);
        const std::string before = captions(*window);
        window->click("Check1");
        if (c.outcome == cases::Start::Refused) {
            CHECK(messages(*window) ==
                  std::vector<std::string>{"日期或时间格式错误，请重新输入。"});
            checkRealTimeOff(*window);
            continue;
        }
        CHECK(window->timerRunning());
        CHECK_FALSE(window->isEnabled("TxtStartDate1"));
        CHECK_FALSE(window->isEnabled("TxtStartTime1"));
        CHECK_FALSE(window->isEnabled("Command1"));
        for (const std::string_view name : {"Text1", "Text2", "TxtStartDate2", "TxtStartTime2"})
            CHECK(window->isEnabled(name));
        CHECK(captions(*window) == before); // the first figures come with the first tick
        FakeView core = coreViewOf(*window);
        fuel::calc::onTimerTick(core, window->clock);
        window->tick();
        window->tick();
        checkAgainstCore(*window, core, before);
        if (c.outcome == cases::Start::StopsAtFirstTick) {
            CHECK(messages(*window) ==
                  std::vector<std::string>{fuel::calc::unreadableMessage(fieldNamed(c.named))});
            checkRealTimeOff(*window);
        } else {
            CHECK(window->boxes().empty());
        }
    }
}

TEST_CASE("real-time mode follows the clock and reads the rates and the option at each tick" *
          scaleIndependent)
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->click("Check1");
    window->wait(1500); // the window's own timer
    CHECK(window->text("Label1") == "主机用油量：617.500 公斤");

    window->clock.moment = {{2007, 4, 27}, {0, 30, 0}};
    window->paste("Text2", "60");
    window->click("Check2");
    window->tick();
    CHECK(window->text("Label5") == "日差：1天");
    CHECK(window->text("Label2") == "副机用油量：1470 公斤");
    CHECK(window->text("Label1") == "主机用油量：1592.500000 公斤");

    window->click("Check1");
    checkRealTimeOff(*window);
    const std::string after = captions(*window);
    window->clock.moment = {{2007, 4, 28}, {0, 0, 0}};
    window->wait(1200);
    CHECK(captions(*window) == after);
    CHECK(window->boxes().empty());
}

TEST_CASE("a rate being retyped is waited for, an empty one left behind is named")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->click("Check1");
    window->type("Text2", "");
    window->tick();
    CHECK(window->isTicked("Check1"));
    CHECK(window->boxes().empty());
    window->focus("Check2");
    window->tick();
    CHECK(messages(*window) ==
          std::vector<std::string>{fuel::calc::unreadableMessage(Field::AuxRate)});
    checkRealTimeOff(*window);
}

// The officer empties a rate to retype it and switches to another program before typing.
TEST_CASE("a rate being retyped waits while another window is active")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->click("Check1");
    window->type("Text1", "");
    window->switchToAnotherWindow();
    window->tick();
    CHECK(window->isTicked("Check1"));
    CHECK(window->timerRunning());
    CHECK(window->boxes().empty());

    window->switchBack();
    CHECK(window->focused() == "Text1");
    window->type("Text1", "60");
    window->tick();
    CHECK(window->text("Label1") == "主机用油量：570.000 公斤");
    CHECK(window->boxes().empty());
}

TEST_CASE("复制 puts the five captions on the clipboard from the status group, button and boxes")
{
    struct Case {
        std::string_view row;
        std::string_view control;
        MenuWay way;
        bool offered;
    };
    constexpr Case ways[] = {
        {"right click on the status group", "Frame(1)", MenuWay::RightClick, true},
        {"menu key on the button", "Command1", MenuWay::MenuKey, true},
        {"Shift+F10 on the button", "Command1", MenuWay::ShiftF10, true},
        {"menu key on the real-time box", "Check1", MenuWay::MenuKey, true},
        {"Shift+F10 on the decimals box", "Check2", MenuWay::ShiftF10, true},
        {"right click on the settings group", "Frame(0)", MenuWay::RightClick, false},
        {"right click on the button, in the settings group", "Command1", MenuWay::RightClick,
         false},
        {"menu key over the settings group", "Frame(0)", MenuWay::MenuKey, false},
        {"menu key in a text field opens the field's own menu", "Text1", MenuWay::MenuKey, false},
    };
    const auto window = fuel::testing::openWindow(half_past_nine);
    const cases::Calculation &c = cases::calculations[0];
    fill(*window, c);
    window->click("Command1");
    std::string expected = joined(cases::captionsOf(c), "\n");
    expected.pop_back();
    for (const Case &way : ways) {
        INFO(way.row);
        window->setClipboardText("before");
        window->copyThroughMenu(way.control, way.way);
        CHECK(window->clipboardText() == (way.offered ? expected : "before"));
    }
}

// What follows the paste of a hostile text: 计算, a tick of the real-time box, or a tick of the
// real-time mode that already runs. The core is asked the same of what the window then holds.
enum class After { Calculate, StartRealTime, Tick };

TEST_CASE("hostile texts pasted into a field give the core's answer" * scaleIndependent)
{
    struct Use {
        std::string_view row;
        After after;
        std::vector<std::string_view> fields;
    };
    const Use uses[] = {
        {"then 计算", After::Calculate, {cases::fieldNames.begin(), cases::fieldNames.end()}},
        {"then real-time mode", After::StartRealTime, {"TxtStartDate1", "TxtStartTime1"}},
        {"while real-time mode runs", After::Tick, {"Text1", "Text2"}},
    };
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const cases::Hostile &hostile : cases::hostileTexts) {
        const std::string text = hostileText(*window, hostile);
        for (const Use &use : uses) {
            for (const std::string_view field : use.fields) {
                INFO(hostile.row, " in ", field, ", ", use.row);
                fill(*window, cases::good);
                window->forgetBoxes();
                if (use.after == After::Tick) {
                    window->focus("Check2");
                    window->click("Check1");
                    window->tick();
                }
                window->paste(field, text);
                // The designed text boxes have no length limit: nothing is cut on the way in, but
                // what follows a NUL where the platform's texts end there, as Windows' do.
                const std::string held = window->text(field);
                CHECK((held == text || held == text.substr(0, text.find('\0'))));
                FakeView core = coreViewOf(*window);
                const std::string before = captions(*window);
                if (use.after == After::Calculate) {
                    fuel::calc::onCalculateClicked(core);
                    window->click("Command1");
                } else {
                    if (use.after == After::StartRealTime) {
                        core.clickRealTime();
                        window->click("Check1");
                    }
                    if (core.timerRunning)
                        fuel::calc::onTimerTick(core, window->clock);
                    window->tick();
                }
                checkAgainstCore(*window, core, before);
                CHECK(window->isTicked("Check1") == core.realTime);
                if (window->isTicked("Check1"))
                    window->click("Check1");
            }
        }
    }
}
