#include "window_system_choice.h"

#include <array>

namespace fuel::qt {

namespace {

// Desktops whose compositor draws the title bar of a Wayland window (xdg-decoration) and
// offers no maximise for a window of one size.
constexpr std::array serverDecoratedDesktops{std::string_view("sway")};

bool decoratesWaylandWindows(std::string_view desktops)
{
    while (!desktops.empty()) {
        const std::size_t colon = desktops.find(':');
        const std::string_view desktop = desktops.substr(0, colon);
        for (const std::string_view decorated : serverDecoratedDesktops) {
            if (desktop == decorated)
                return true;
        }
        desktops.remove_prefix(colon == std::string_view::npos ? desktops.size() : colon + 1);
    }
    return false;
}

} // namespace

WindowSystemChoice chooseWindowSystem(const Session &session)
{
    if (!session.chosenPlatform.empty())
        return {};
    const bool x11 = !session.x11Display.empty();
    const bool wayland = !session.waylandDisplay.empty();
    if (!x11 && !wayland)
        return {{},
                "fuelcalc: no display to open the window on: neither WAYLAND_DISPLAY nor "
                "DISPLAY is set\n"};
    if (wayland && !session.waylandPluginInstalled) {
        if (x11)
            return {"xcb", {}};
        return {{},
                "fuelcalc: this Wayland session has no X server (DISPLAY is not set), and "
                "Qt's Wayland platform plugin is missing: install the package qt6-wayland\n"};
    }
    if (!x11)
        return {"wayland", {}};
    if (!wayland)
        return {"xcb", {}};
    if (decoratesWaylandWindows(session.currentDesktop))
        return {"wayland;xcb", {}};
    return {"xcb;wayland", {}};
}

} // namespace fuel::qt
