#pragma once

// What the behaviour suite does to a window and reads from it, in the words of the user:
// controls are named by the part they play, texts are UTF-8. Each front-end's tests implement
// it over its real window, sending the events a user's keys and clicks make; message boxes are
// real too, read and closed with their button as they open.

#include "fakes.h"
#include "target.h"

#include "form/contrast.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fuel::testing {

// The last three are the editing shortcuts Ctrl+A, Ctrl+V and Ctrl+X.
enum class Key { Tab, BackTab, Space, Return, Enter, Escape, SelectAll, Paste, Cut };

// How the officer asks for a menu over a control.
enum class MenuWay { RightClick, MenuKey, ShiftF10 };

struct ShownBox {
    std::string title;
    std::string text;
    std::vector<std::string> buttons; // in the system's language on Windows
    bool errorIcon;
    bool ownedByWindow; // modal to the window, not to the desktop
};

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// The face a control's text is drawn in.
struct DrawnFont {
    std::string family; // as the platform resolved it
    int points;
    bool bold;
};

class WindowDriver {
public:
    virtual ~WindowDriver() = default;

    // The focus in the emptied field, then each character as a key that produces it.
    virtual void type(Target field, std::string_view utf8) = 0;
    // The whole text replaced, as a paste does: no key filter is asked.
    virtual void paste(Target field, std::string_view utf8) = 0;
    virtual void click(Target control) = 0;
    virtual void focus(Target control) = 0;
    // Another of the user's windows is opened and takes the activation, as when the officer
    // switches to another program; then the window is activated again and the other one closes.
    virtual void switchToAnotherWindow() = 0;
    virtual void switchBack() = 0;
    // The key pressed and released on the control with the focus.
    virtual void press(Key key) = 0;
    // Opens the menu over the control and chooses its first item if it is the copy menu;
    // closes any other menu.
    virtual void copyThroughMenu(Target control, MenuWay way) = 0;

    virtual std::string text(Target control) const = 0;
    virtual bool isEnabled(Target control) const = 0;
    virtual bool isTicked(Target control) const = 0;
    virtual Target focused() const = 0; // none when no designed control has it
    virtual bool timerRunning() const = 0;
    // Moves the window to a monitor of that density, as the system tells it; false where the
    // density is the whole program's (Qt's scale factor, which CTest sets for other runs).
    virtual bool moveToDensity(int dpi) = 0;
    // The place in the window's client area, in pixels at 96 dpi or at the density moved to.
    virtual Rect place(Target control) const = 0;
    // The width of a text in the control's font.
    virtual int textWidth(Target control, std::string_view utf8) const = 0;
    virtual DrawnFont font(Target control) const = 0;
    // The colour of a label's text and of what it is drawn on.
    virtual form::Colours colours(Target label) const = 0;
    // The clipboard's text, its lines ending in "\n" whatever the platform's line breaks are.
    virtual std::string clipboardText() const = 0;
    virtual void setClipboardText(std::string_view utf8) = 0;

    // Every message box opened so far, oldest first.
    virtual const std::vector<ShownBox> &boxes() const = 0;
    virtual void forgetBoxes() = 0;

    // The real-time timer fires now, as its interval ending would make it.
    virtual void tick() = 0;
    // Lets the window's own timer run for that long, the events dispatched.
    virtual void wait(int milliseconds) = 0;

    // The longest run of digits the platform's text field can lay out in a test's time.
    virtual std::size_t longestDigitRun() const = 0;

    FixedClock clock;
};

// The front-end's window, opened at the clock's moment, shown and active.
std::unique_ptr<WindowDriver> openWindow(runtime::LocalDateTime moment);

} // namespace fuel::testing
