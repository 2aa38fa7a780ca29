#include "design.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace fuel::form {

namespace {

using calc::Field;
using calc::Option;
using calc::ResultLabel;

constexpr std::string_view settings = "Frame(0)";
constexpr std::string_view status = "Frame(1)";
constexpr std::string_view onWindow;

constexpr Look plain{};

constexpr Look fitted()
{
    Look look;
    look.fitsCaption = true;
    return look;
}

constexpr Look result(Rgb colour)
{
    Look look = fitted();
    look.bold = true;
    look.text = colour;
    return look;
}

constexpr Rgb blue{0, 0, 255};
constexpr Rgb green{0, 128, 0};
constexpr Rgb darkRed{192, 0, 0};
constexpr Rgb orange{255, 128, 0};
constexpr Rgb white{255, 255, 255};

constexpr Look credit()
{
    Look look;
    look.background = white;
    look.boxed = true;
    look.centred = true;
    return look;
}

// clang-format off
constexpr std::array<Control, 20> table{{
    {"Frame(0)", 100, Kind::Frame, onWindow, {120, 120, 5295, 2055}, " 设置 ", 0, {}, plain},
    {"Label(2)", 101, Kind::Label, settings, {240, 400, 900, 180}, "开始时间：", 6, {}, fitted()},
    {"TxtStartDate1", 102, Kind::TextBox, settings, {1200, 360, 1575, 270}, "2007-04-26", 11,
     Field::StartDate, plain},
    {"TxtStartTime1", 103, Kind::TextBox, settings, {2880, 360, 1575, 270}, "00:00:00", 5,
     Field::StartTime, plain},
    {"Command1", 104, Kind::Button, settings, {4680, 360, 375, 640}, "计算", 17, {}, plain},
    {"Label(3)", 105, Kind::Label, settings, {240, 765, 900, 180}, "结束时间：", 16, {},
     fitted()},
    {"TxtStartDate2", 106, Kind::TextBox, settings, {1200, 720, 1575, 270}, "2007-04-26", 14,
     Field::EndDate, plain},
    {"TxtStartTime2", 107, Kind::TextBox, settings, {2880, 720, 1575, 270}, "00:00:00", 15,
     Field::EndTime, plain},
    {"Text1", 108, Kind::TextBox, settings, {1200, 1245, 495, 270}, "65", 7, Field::MainRate,
     plain},
    {"Text2", 109, Kind::TextBox, settings, {2880, 1245, 495, 270}, "15", 9, Field::AuxRate,
     plain},
    // Text1 and Text2 lie over the two runs of seven spaces.
    {"Label(1)", 110, Kind::Label, settings, {240, 1305, 4230, 180},
     "主机耗油：       公斤  副机：       公斤 (每时)", 8, {}, fitted()},
    {"Check2", 111, Kind::CheckBox, settings, {1320, 1755, 2415, 255}, "保留三位小数并四舍五入",
     12, Option::ThreeDecimals, plain, true},
    {"Check1", 112, Kind::CheckBox, settings, {3795, 1755, 1455, 255}, "实时计算油量", 1,
     Option::RealTime, plain, false},
    {"Frame(1)", 114, Kind::Frame, onWindow, {120, 2280, 5295, 1695}, " 当前耗油状态 ", 2, {},
     plain},
    {"Label1", 115, Kind::Label, status, {240, 480, 1770, 180}, "主机用油量：0 公斤", 3,
     ResultLabel::MainAmount, result(blue)},
    {"Label2", 116, Kind::Label, status, {240, 840, 1770, 180}, "副机用油量：0 公斤", 4,
     ResultLabel::AuxAmount, result(green)},
    {"Label5", 117, Kind::Label, status, {3600, 840, 690, 180}, "日差：0", 19,
     ResultLabel::ElapsedDays, result(orange)},
    {"Label3", 118, Kind::Label, status, {240, 1200, 1770, 180}, "总共用油量：0 公斤", 13,
     ResultLabel::Total, result(darkRed)},
    {"Label4", 119, Kind::Label, status, {3600, 1200, 690, 180}, "时差：0", 18,
     ResultLabel::ElapsedTime, result(orange)},
    {"Label(0)", 120, Kind::Label, onWindow, {0, 4080, 5535, 255},
     "主副机油耗计算器 · 作者：Oradel", 10, {}, credit()},
}};
// clang-format on

constexpr std::array<std::string_view, 4> fontFamilies{"SimSun", "NSimSun", "宋体",
                                                       "AR PL UMing CN"};

constexpr WindowDesign design{"Oradel - Lirra工作专版", 5535, 4350, fontFamilies, 9, 134};

constexpr TimerDesign timer{"Timer1", 113, settings, 900};

bool takesFocus(const Control &control)
{
    return control.kind == Kind::TextBox || control.kind == Kind::Button ||
           control.kind == Kind::CheckBox;
}

// Every role, the button and every name a front-end asks for are in the table above, so a
// control that is not found is a fault of the program.
template <class Predicate> const Control &controlWhere(Predicate matches)
{
    const auto found = std::find_if(table.begin(), table.end(), matches);
    if (found == table.end())
        std::abort();
    return *found;
}

template <class RoleType> const Control &withRole(RoleType role)
{
    return controlWhere([role](const Control &control) {
        const auto *held = std::get_if<RoleType>(&control.role);
        return held && *held == role;
    });
}

// A control's layer in the stack, from the top: the focus takers in tab order, then the labels,
// then the frames.
std::pair<int, int> layerOf(const Control &control)
{
    if (takesFocus(control))
        return {0, control.tabRank};
    return {control.kind == Kind::Label ? 1 : 2, 0};
}

bool overlaps(const Twips &a, const Twips &b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::vector<const Control *> sortedByLayer()
{
    std::vector<const Control *> order;
    for (const Control &control : table)
        order.push_back(&control);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control *a, const Control *b) { return liesAbove(*a, *b); });
    return order;
}

std::vector<const Control *> sortedByTabRank()
{
    std::vector<const Control *> order;
    for (const Control &control : table) {
        if (takesFocus(control))
            order.push_back(&control);
    }
    std::sort(order.begin(), order.end(),
              [](const Control *a, const Control *b) { return a->tabRank < b->tabRank; });
    return order;
}

} // namespace

const WindowDesign &windowDesign() { return design; }

const TimerDesign &timerDesign() { return timer; }

std::span<const Control> controls() { return table; }

const Control &controlNamed(std::string_view name)
{
    return controlWhere([name](const Control &control) { return control.name == name; });
}

const Control *controlWithId(int id)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [id](const Control &control) { return control.id == id; });
    return found == table.end() ? nullptr : &*found;
}

const Control &onlyControlOf(Kind kind)
{
    return controlWhere([kind](const Control &control) { return control.kind == kind; });
}

const Control &controlFor(calc::Field field) { return withRole(field); }
const Control &controlFor(calc::ResultLabel label) { return withRole(label); }
const Control &controlFor(calc::Option option) { return withRole(option); }

std::span<const Control *const> tabOrder()
{
    static const std::vector<const Control *> order = sortedByTabRank();
    return order;
}

const Control &firstFocus() { return *tabOrder().front(); }

bool liesAbove(const Control &upper, const Control &lower)
{
    return layerOf(upper) < layerOf(lower);
}

std::span<const Control *const> stackingOrder()
{
    static const std::vector<const Control *> order = sortedByLayer();
    return order;
}

const Control *firstControlAbove(const Control &control)
{
    for (const Control &other : table) {
        if (other.container == control.container && overlaps(other.place, control.place) &&
            liesAbove(other, control))
            return &other;
    }
    return nullptr;
}

const Control &copyMenuGroup()
{
    return controlNamed(controlFor(ResultLabel::MainAmount).container);
}

bool opensCopyMenuFromKeys(const Control &control)
{
    return control.kind == Kind::Button || control.kind == Kind::CheckBox;
}

TwipsPoint copyMenuPointFromKeys(const Control &control) { return {0, control.place.height}; }

std::optional<input::FilteredField> filterFor(calc::Field field)
{
    switch (field) {
    case Field::MainRate:
    case Field::AuxRate:
        return input::FilteredField::Rate;
    case Field::StartDate:
        return input::FilteredField::StartDate;
    case Field::StartTime:
        return input::FilteredField::StartTime;
    case Field::EndDate:
    case Field::EndTime:
        break;
    }
    return std::nullopt;
}

int toPixels(int twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

} // namespace fuel::form
