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
using fuel::calc::Option;
using fuel::calc::ResultLabel;
using fuel::testing::FakeView;
using fuel::testing::Key;
using fuel::testing::MenuWay;
using fuel::testing::Part;
using fuel::testing::ratesCaption;
using fuel::testing::Target;
using fuel::testing::WindowDriver;
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
    for (const ResultLabel label : fuel::calc::allResultLabels)
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
        window.paste(fuel::calc::allFields[i], c.texts[i]);
    if (window.isTicked(Option::ThreeDecimals) != c.threeDecimals)
        window.click(Option::ThreeDecimals);
}

// What the core makes of the window as it stands: the answer the window must give.
FakeView coreViewOf(const WindowDriver &window)
{
    FakeView view;
    for (const Field field : fuel::calc::allFields)
        view.text(field) = window.text(field);
    for (const ResultLabel label : fuel::calc::allResultLabels)
        view.captions[fuel::calc::indexOf(label)] = window.text(label);
    view.threeDecimals = window.isTicked(Option::ThreeDecimals);
    view.realTime = window.isTicked(Option::RealTime);
    view.timerRunning = window.timerRunning();
    if (const auto field = window.focused().field())
        view.focusedField = static_cast<int>(*field);
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
    CHECK_FALSE(window.isTicked(Option::RealTime));
    CHECK_FALSE(window.timerRunning());
    CHECK(window.isEnabled(Field::StartDate));
    CHECK(window.isEnabled(Field::StartTime));
    CHECK(window.isEnabled(Part::Button));
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
        CHECK(window->text(Part::Window) == "Oradel - Lirra工作专版");
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            CHECK(window->text(fuel::calc::allFields[i]) == c.texts[i]);
        CHECK(captions(*window) == joined(FakeView{}.captions, " | "));
        CHECK_FALSE(window->isTicked(Option::RealTime));
        CHECK(window->isTicked(Option::ThreeDecimals));
        CHECK_FALSE(window->timerRunning());
        CHECK(window->focused() == Option::RealTime);
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
    window->type(Field::MainRate, "");
    window->press(Key::Paste);
    CHECK(window->text(Field::MainRate) == "7.5");
    window->setClipboardText("");
    window->press(Key::SelectAll);
    window->press(Key::Cut);
    CHECK(window->text(Field::MainRate).empty());
    CHECK(window->clipboardText() == "7.5");
}

TEST_CASE("Tab visits the designed order, and skips what real-time mode disables")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const Target expected : cases::tabCycle) {
        window->press(Key::Tab);
        CHECK(window->focused() == expected);
    }
    for (auto expected = cases::tabCycle.rbegin() + 1; expected != cases::tabCycle.rend();
         ++expected) {
        window->press(Key::BackTab);
        CHECK(window->focused() == *expected);
    }
    window->focus(Option::RealTime);
    window->press(Key::Space);
    REQUIRE(window->isTicked(Option::RealTime));
    for (const Target expected : cases::tabCycleInRealTime) {
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
        window->click(Part::Button);
        CHECK(captions(*window) == joined(cases::captionsOf(c), " | "));
    }
    CHECK(window->boxes().empty());
}

TEST_CASE("the focused button is pressed by Space and Enter; Enter elsewhere computes nothing")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    const std::string before = captions(*window);
    for (const Target control : {Target(Field::MainRate), Target(Field::EndDate),
                                 Target(Option::RealTime), Target(Option::ThreeDecimals)}) {
        INFO(control);
        window->focus(control);
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
        window->paste(Field::MainRate, press.rate);
        window->focus(Part::Button);
        window->press(press.key);
        CHECK(window->text(ResultLabel::MainAmount) == press.caption);
    }
}

// The officer knows each control by what stands on it or beside it: a field by the caption of
// its row and its side of the row, a box and the button by their words, a result by its row and
// column. So a test that names a part reaches the control the window shows for it.
TEST_CASE("each part is the control that the officer takes for it" * scaleIndependent)
{
    using fuel::testing::Rect;
    const auto window = fuel::testing::openWindow(half_past_nine);
    struct Row {
        Target caption;
        std::string_view words; // how the caption begins
        Field left;
        Field right;
    };
    const Row rows[] = {
        {fuel::testing::startCaption, "开始时间：", Field::StartDate, Field::StartTime},
        {fuel::testing::endCaption, "结束时间：", Field::EndDate, Field::EndTime},
        {ratesCaption, "主机耗油：", Field::MainRate, Field::AuxRate},
    };
    for (const Row &row : rows) {
        INFO(row.words);
        CHECK(window->text(row.caption).starts_with(row.words));
        const Rect caption = window->place(row.caption);
        const Rect left = window->place(row.left);
        const Rect right = window->place(row.right);
        for (const Rect &field : {left, right}) {
            CHECK(field.top <= caption.top);
            CHECK(caption.top + caption.height <= field.top + field.height);
        }
        CHECK(caption.left < left.left);
        CHECK(left.left + left.width <= right.left);
    }
    CHECK(window->text(Option::RealTime) == "实时计算油量");
    CHECK(window->text(Option::ThreeDecimals) == "保留三位小数并四舍五入");
    CHECK(window->text(Part::Button) == "计算");
    // The amounts one under another on the left; the days beside the auxiliary amount, the time
    // beside the total.
    const auto top = [&](ResultLabel label) { return window->place(label).top; };
    const auto left = [&](ResultLabel label) { return window->place(label).left; };
    CHECK(top(ResultLabel::MainAmount) < top(ResultLabel::AuxAmount));
    CHECK(top(ResultLabel::AuxAmount) < top(ResultLabel::Total));
    CHECK(left(ResultLabel::MainAmount) == left(ResultLabel::AuxAmount));
    CHECK(left(ResultLabel::AuxAmount) == left(ResultLabel::Total));
    CHECK(top(ResultLabel::ElapsedDays) == top(ResultLabel::AuxAmount));
    CHECK(top(ResultLabel::ElapsedTime) == top(ResultLabel::Total));
    CHECK(left(ResultLabel::ElapsedDays) > left(ResultLabel::AuxAmount));
    CHECK(left(ResultLabel::ElapsedTime) > left(ResultLabel::Total));
}

// Each control where the design puts it, from its container's corner; a label in a frame as wide
// as its caption. At 96 dpi, and at each density of a monitor the window can be moved to.
TEST_CASE("every control stands at its designed place at every density")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    // The client area at 96 dpi; at another, Wine keeps the frame it drew at 96 dpi, so the
    // Win32 suite checks the width alone.
    CHECK(window->place(Part::Window).width ==
          fuel::form::toPixels(fuel::form::windowDesign().clientWidth, 96));
    CHECK(window->place(Part::Window).height ==
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
            const Target target = Target::of(control);
            INFO(target);
            const auto container =
                window->place(control.container.empty() ? Target(Part::Window)
                                                        : Target::named(control.container));
            const auto shown = window->place(target);
            const int left = control.container.empty() ? 0 : container.left;
            const int top = control.container.empty() ? 0 : container.top;
            CHECK(shown.left == left + at(control.place.left));
            CHECK(shown.top == top + at(control.place.top));
            if (control.look.fitsCaption) {
                CHECK(shown.width == window->textWidth(target, window->text(target)));
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
        const Target target = Target::of(control);
        INFO(target);
        const fuel::testing::DrawnFont font = window->font(target);
        CHECK(std::ranges::count(design.fontFamilies, font.family) == 1);
        CHECK(font.points == design.fontPoints);
        CHECK(font.bold == control.look.bold);
        if (control.look.text)
            CHECK(window->colours(target).text == *control.look.text);
        if (control.look.background)
            CHECK(window->colours(target).background == *control.look.background);
    }
}

TEST_CASE("a result label is as wide as its caption, which grows with the figures")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    const auto before = window->place(ResultLabel::MainAmount);
    window->paste(Field::MainRate, "99999");
    window->click(Part::Button);
    const auto after = window->place(ResultLabel::MainAmount);
    CHECK(window->text(ResultLabel::MainAmount) == "主机用油量：949990.500 公斤");
    CHECK(after.width ==
          window->textWidth(ResultLabel::MainAmount, window->text(ResultLabel::MainAmount)));
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
        const std::string caption = window->text(ratesCaption);
        const auto label = window->place(ratesCaption);
        const fuel::testing::Rect boxes[] = {window->place(Field::MainRate),
                                             window->place(Field::AuxRate)};
        for (std::size_t i = 0; i < caption.size();) {
            const auto lead = static_cast<unsigned char>(caption[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : 2;
            const std::string character = caption.substr(i, length);
            const int left = label.left + window->textWidth(ratesCaption, caption.substr(0, i));
            i += length;
            const int right = label.left + window->textWidth(ratesCaption, caption.substr(0, i));
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
        window->click(Part::Button);
        const std::string before = captions(*window);
        REQUIRE(before == joined(cases::captionsOf(cases::good), " | "));
        window->forgetBoxes();
        window->paste(c.field, c.text);
        if (c.otherField)
            window->paste(*c.otherField, c.otherText);
        window->click(Part::Button);
        CHECK(messages(*window) ==
              std::vector<std::string>{fuel::calc::unreadableMessage(c.named)});
        CHECK(captions(*window) == before);
        CHECK(window->focused() == c.named);
    }
}

TEST_CASE("the message box: titled, one button, the field focused, and the program goes on")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->paste(Field::EndTime, "x");
    window->click(Part::Button);
    REQUIRE(window->boxes().size() == 1);
    CHECK(window->boxes().front().title == "错误");
    CHECK(window->boxes().front().text ==
          "结束时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。");
    CHECK(window->boxes().front().buttons.size() == 1);
    CHECK(window->boxes().front().errorIcon);
    CHECK(window->boxes().front().ownedByWindow);
    CHECK(window->focused() == Field::EndTime);
    window->type(Field::EndTime, "09:30:00");
    window->click(Part::Button);
    CHECK(window->text(ResultLabel::MainAmount) == "主机用油量：617.500 公斤");
    CHECK(window->boxes().size() == 1);
}

TEST_CASE("real-time mode starts from a start row that looks right")
{
    for (const cases::StartRow &c : cases::realTimeStartRows) {
        INFO(c.row);
        const auto window = fuel::testing::openWindow(half_past_nine);
        window->paste(Field::StartDate, c.date);
        window->paste(Field::StartTime, c.time);
        const std::string before = captions(*window);
        window->click(Option::RealTime);
        if (c.outcome == cases::Start::Refused) {
            CHECK(messages(*window) ==
                  std::vector<std::string>{"日期或时间格式错误，请重新输入。"});
            checkRealTimeOff(*window);
            continue;
        }
        CHECK(window->timerRunning());
        CHECK_FALSE(window->isEnabled(Field::StartDate));
        CHECK_FALSE(window->isEnabled(Field::StartTime));
        CHECK_FALSE(window->isEnabled(Part::Button));
        for (const Field field : {Field::MainRate, Field::AuxRate, Field::EndDate, Field::EndTime})
            CHECK(window->isEnabled(field));
        CHECK(captions(*window) == before); // the first figures come with the first tick
        FakeView core = coreViewOf(*window);
        fuel::calc::onTimerTick(core, window->clock);
        window->tick();
        window->tick();
        checkAgainstCore(*window, core, before);
        if (c.outcome == cases::Start::StopsAtFirstTick) {
            CHECK(messages(*window) ==
                  std::vector<std::string>{fuel::calc::unreadableMessage(*c.named)});
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
    window->click(Option::RealTime);
    window->wait(1500); // the window's own timer
    CHECK(window->text(ResultLabel::MainAmount) == "主机用油量：617.500 公斤");

    window->clock.moment = {{2007, 4, 27}, {0, 30, 0}};
    window->paste(Field::AuxRate, "60");
    window->click(Option::ThreeDecimals);
    window->tick();
    CHECK(window->text(ResultLabel::ElapsedDays) == "日差：1天");
    CHECK(window->text(ResultLabel::AuxAmount) == "副机用油量：1470 公斤");
    CHECK(window->text(ResultLabel::MainAmount) == "主机用油量：1592.500000 公斤");

    window->click(Option::RealTime);
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
    window->click(Option::RealTime);
    window->type(Field::AuxRate, "");
    window->tick();
    CHECK(window->isTicked(Option::RealTime));
    CHECK(window->boxes().empty());
    window->focus(Option::ThreeDecimals);
    window->tick();
    CHECK(messages(*window) ==
          std::vector<std::string>{fuel::calc::unreadableMessage(Field::AuxRate)});
    checkRealTimeOff(*window);
}

// The officer empties a rate to retype it and switches to another program before typing.
TEST_CASE("a rate being retyped waits while another window is active")
{
    const auto window = fuel::testing::openWindow(half_past_nine);
    window->click(Option::RealTime);
    window->type(Field::MainRate, "");
    window->switchToAnotherWindow();
    window->tick();
    CHECK(window->isTicked(Option::RealTime));
    CHECK(window->timerRunning());
    CHECK(window->boxes().empty());

    window->switchBack();
    CHECK(window->focused() == Field::MainRate);
    window->type(Field::MainRate, "60");
    window->tick();
    CHECK(window->text(ResultLabel::MainAmount) == "主机用油量：570.000 公斤");
    CHECK(window->boxes().empty());
}

TEST_CASE("复制 puts the five captions on the clipboard from the status group, button and boxes")
{
    struct Case {
        std::string_view row;
        Target control;
        MenuWay way;
        bool offered;
    };
    constexpr Case ways[] = {
        {"right click on the status group", fuel::testing::statusGroup, MenuWay::RightClick, true},
        {"menu key on the button", Part::Button, MenuWay::MenuKey, true},
        {"Shift+F10 on the button", Part::Button, MenuWay::ShiftF10, true},
        {"menu key on the real-time box", Option::RealTime, MenuWay::MenuKey, true},
        {"Shift+F10 on the decimals box", Option::ThreeDecimals, MenuWay::ShiftF10, true},
        {"right click on the settings group", fuel::testing::settingsGroup, MenuWay::RightClick,
         false},
        {"right click on the button, in the settings group", Part::Button, MenuWay::RightClick,
         false},
        {"menu key over the settings group", fuel::testing::settingsGroup, MenuWay::MenuKey, false},
        {"menu key in a text field opens the field's own menu", Field::MainRate, MenuWay::MenuKey,
         false},
    };
    const auto window = fuel::testing::openWindow(half_past_nine);
    const cases::Calculation &c = cases::calculations[0];
    fill(*window, c);
    window->click(Part::Button);
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
        std::vector<Field> fields;
    };
    const Use uses[] = {
        {"then 计算",
         After::Calculate,
         {fuel::calc::allFields.begin(), fuel::calc::allFields.end()}},
        {"then real-time mode", After::StartRealTime, {Field::StartDate, Field::StartTime}},
        {"while real-time mode runs", After::Tick, {Field::MainRate, Field::AuxRate}},
    };
    const auto window = fuel::testing::openWindow(half_past_nine);
    for (const cases::Hostile &hostile : cases::hostileTexts) {
        const std::string text = hostileText(*window, hostile);
        for (const Use &use : uses) {
            for (const Field field : use.fields) {
                INFO(hostile.row, " in ", Target(field), ", ", use.row);
                fill(*window, cases::good);
                window->forgetBoxes();
                if (use.after == After::Tick) {
                    window->focus(Option::ThreeDecimals);
                    window->click(Option::RealTime);
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
                    window->click(Part::Button);
                } else {
                    if (use.after == After::StartRealTime) {
                        core.clickRealTime();
                        window->click(Option::RealTime);
                    }
                    if (core.timerRunning)
                        fuel::calc::onTimerTick(core, window->clock);
                    window->tick();
                }
                checkAgainstCore(*window, core, before);
                CHECK(window->isTicked(Option::RealTime) == core.realTime);
                if (window->isTicked(Option::RealTime))
                    window->click(Option::RealTime);
            }
        }
    }
}
