#pragma once

// The design-time description of FrmMain, the one window: every control with its kind,
// container, place, text, tab rank, look and role. Every front-end builds its window by looping
// over this table. Places and sizes are in twips (1440 to an inch, so 15 to a pixel at 96 dpi);
// a child's place is measured from its container's outer rectangle.

#include "calc/window_view.h"
#include "input/key_filter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace fuel::form {

enum class Kind { Frame, Label, TextBox, Button, CheckBox };

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// A point in a control's own coordinates, in twips from its top-left corner.
struct TwipsPoint {
    int x;
    int y;
    bool operator==(const TwipsPoint &) const = default;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb &) const = default;
};

struct Look {
    bool bold = false;
    std::optional<Rgb> text;       // the system's colour when empty
    std::optional<Rgb> background; // the system's colour when empty
    bool boxed = false;            // a one-line border
    bool centred = false;
    // A label inside a frame is always exactly as wide and as high as its caption on one line.
    bool fitsCaption = false;
};

// Only the button computes, so its kind says what it is for.
using Role = std::variant<std::monostate, calc::Field, calc::ResultLabel, calc::Option>;

struct Control {
    std::string_view name; // the designed name: object name and accessibility id
    // The child-window identifier on Windows: above IDOK (1) and IDCANCEL (2), which the dialog
    // manager sends for Enter and Escape.
    int id;
    Kind kind;
    std::string_view container; // the frame's name; empty for the window itself
    Twips place;
    std::string_view text; // caption or default text, UTF-8
    int tabRank;
    Role role;
    Look look;
    bool initiallyTicked = false;
};

struct WindowDesign {
    std::string_view title;
    int clientWidth; // twips
    int clientHeight;
    // Asked for in this order; Windows has the first three, Linux the Song face with the same
    // metrics.
    std::span<const std::string_view> fontFamilies;
    int fontPoints;
    int fontCharset; // GB2312
};

// The timer of the real-time mode: nothing to draw, so no place, text or tab rank.
struct TimerDesign {
    std::string_view name;
    int id; // the timer's identifier on Windows
    std::string_view container;
    int intervalMs;
};

const WindowDesign &windowDesign();
const TimerDesign &timerDesign();

// In the order of the design's table: by container, then row by row from the top.
std::span<const Control> controls();

const Control &controlNamed(std::string_view name);
const Control &controlFor(calc::Field field);
const Control &controlFor(calc::ResultLabel label);
const Control &controlFor(calc::Option option);
// The control that has the id, if any: an id comes from a window message.
const Control *controlWithId(int id);
// The one control of a kind that the design has once: the button.
const Control &onlyControlOf(Kind kind);

// The designed controls that take the keyboard focus, in the order Tab visits them.
std::span<const Control *const> tabOrder();

// The control that has the keyboard focus when the window opens: the one that opens the tab
// order, so that Tab goes on from it as the officer expects.
const Control &firstFocus();

// Where two controls overlap, which one is drawn above: a control that takes the focus lies above
// a label (the rate boxes sit on the rates caption's spaces), and a label above a frame; of two
// that take the focus, the one first in the tab order, because the dialog manager tabs through
// siblings from the top of the stack.
bool liesAbove(const Control &upper, const Control &lower);

// Every control that is drawn, from the top of the stack down.
std::span<const Control *const> stackingOrder();

// The first control of the table that overlaps this one in its container and lies above it.
const Control *firstControlAbove(const Control &control);

// The results are copied from one menu. A right click anywhere on the status group opens it; so
// do the menu key and Shift+F10 on the button and the check boxes, which have no menu of their
// own, while the text fields keep their editing menu.
const Control &copyMenuGroup();
bool opensCopyMenuFromKeys(const Control &control);
// Where the keys open it on such a control: just below its left corner, so that the menu leaves
// the control that has the focus in sight.
TwipsPoint copyMenuPointFromKeys(const Control &control);

// The filter of a typed character for the field, or none for the unfiltered end fields.
std::optional<input::FilteredField> filterFor(calc::Field field);

// Twips to device pixels at the given dots per inch, to the nearest pixel.
int toPixels(int twips, int dpi);

} // namespace fuel::form
