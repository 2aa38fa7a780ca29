#pragma once

// The design-time description of FrmMain: every control's name, container, place, size, text
// and rank in the tab order. Places and sizes are in twips, 15 to a pixel at 96 dpi; a child's
// place is measured from its container's outer rectangle.

#include <QColor>
#include <QRect>
#include <QSize>

namespace fuel::app::design {

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct Control {
    const char *name;
    const char *text; // UTF-8
    Twips place;
    int tabRank;
};

QRect toPixels(const Twips &twips);

inline constexpr const char *windowTitle = "Oradel - Lirra工作专版";
inline constexpr QSize clientSize{5535 / 15, 4350 / 15};

// Settings group.
inline constexpr Control settingsFrame{"Frame(0)", " 设置 ", {120, 120, 5295, 2055}, 0};
inline constexpr Control startRowCaption{"Label(2)", "开始时间：", {240, 400, 900, 180}, 6};
inline constexpr Control txtStartDate1{"TxtStartDate1", "2007-04-26", {1200, 360, 1575, 270}, 11};
inline constexpr Control txtStartTime1{"TxtStartTime1", "00:00:00", {2880, 360, 1575, 270}, 5};
inline constexpr Control command1{"Command1", "计算", {4680, 360, 375, 640}, 17};
inline constexpr Control endRowCaption{"Label(3)", "结束时间：", {240, 765, 900, 180}, 16};
inline constexpr Control txtStartDate2{"TxtStartDate2", "2007-04-26", {1200, 720, 1575, 270}, 14};
inline constexpr Control txtStartTime2{"TxtStartTime2", "00:00:00", {2880, 720, 1575, 270}, 15};
inline constexpr Control text1{"Text1", "65", {1200, 1245, 495, 270}, 7};
inline constexpr Control text2{"Text2", "15", {2880, 1245, 495, 270}, 9};
// The two rate boxes lie over the runs of seven spaces.
inline constexpr Control ratesCaption{
    "Label(1)", "主机耗油：       公斤  副机：       公斤 (每时)", {240, 1305, 4230, 180}, 8};
inline constexpr Control check2{"Check2", "保留三位小数并四舍五入", {1320, 1755, 2415, 255}, 12};
inline constexpr Control check1{"Check1", "实时计算油量", {3795, 1755, 1455, 255}, 1};
inline constexpr int timerIntervalMs = 900;

// Status group.
inline constexpr Control statusFrame{"Frame(1)", " 当前耗油状态 ", {120, 2280, 5295, 1695}, 2};
inline constexpr Control label1{"Label1", "主机用油量：0 公斤", {240, 480, 1770, 180}, 3};
inline constexpr Control label2{"Label2", "副机用油量：0 公斤", {240, 840, 1770, 180}, 4};
inline constexpr Control label5{"Label5", "日差：0", {3600, 840, 690, 180}, 19};
inline constexpr Control label3{"Label3", "总共用油量：0 公斤", {240, 1200, 1770, 180}, 13};
inline constexpr Control label4{"Label4", "时差：0", {3600, 1200, 690, 180}, 18};

inline constexpr Control creditLabel{
    "Label(0)", "主副机油耗计算器 · 作者：Oradel", {0, 4080, 5535, 255}, 10};

inline constexpr QColor mainAmountColour{0, 0, 255};
inline constexpr QColor auxAmountColour{0, 128, 0};
inline constexpr QColor totalColour{192, 0, 0};
inline constexpr QColor elapsedColour{255, 128, 0};
inline constexpr QColor creditBackground{255, 255, 255};

} // namespace fuel::app::design
