#include "qt/window_system_choice.h"

#include <doctest.h>

#include <ostream>
#include <string_view>

namespace fuel::qt {
std::ostream &operator<<(std::ostream &stream, const WindowSystemChoice &choice)
{
    return stream << "platforms '" << choice.platforms << "', missing '" << choice.missing << "'";
}
} // namespace fuel::qt

namespace {

using fuel::qt::Session;
using fuel::qt::WindowSystemChoice;

struct Case {
    const char *name;
    Session session;
    WindowSystemChoice expected;
};

constexpr bool withPlugin = true;
constexpr bool withoutPlugin = false;

const WindowSystemChoice x11First{"xcb;wayland", {}};
const WindowSystemChoice waylandFirst{"wayland;xcb", {}};
const WindowSystemChoice userChose{};
const WindowSystemChoice noDisplay{
    {}, "fuelcalc: no display to open the window on: neither WAYLAND_DISPLAY nor DISPLAY is set\n"};
const WindowSystemChoice noWaylandPlugin{
    {},
    "fuelcalc: this Wayland session has no X server (DISPLAY is not set), and Qt's Wayland "
    "platform plugin is missing: install the package qt6-wayland\n"};

// Session: QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY, XDG_CURRENT_DESKTOP, Wayland plugin.
const Case cases[] = {
    {"the user's platform is kept", {"wayland", "wayland-0", ":0", "GNOME", withPlugin}, userChose},
    {"the user's offscreen without a display", {"offscreen", "", "", "", withoutPlugin}, userChose},
    {"the user's list is kept", {"xcb;wayland", "wayland-0", "", "sway", withPlugin}, userChose},
    {"GNOME with XWayland", {"", "wayland-0", ":0", "GNOME", withPlugin}, x11First},
    {"Ubuntu's GNOME with XWayland", {"", "wayland-0", ":0", "ubuntu:GNOME", withPlugin}, x11First},
    {"GNOME Classic with XWayland",
     {"", "wayland-0", ":1", "GNOME-Classic:GNOME", withPlugin},
     x11First},
    {"weston with XWayland", {"", "wayland-1", ":0", "weston", withPlugin}, x11First},
    {"an unnamed desktop with XWayland", {"", "wayland-0", ":0", "", withPlugin}, x11First},
    {"a name that only contains sway",
     {"", "wayland-0", ":0", "swayfx-like", withPlugin},
     x11First},
    {"sway with XWayland", {"", "wayland-1", ":0", "sway", withPlugin}, waylandFirst},
    {"sway last in the list", {"", "wayland-1", ":0", "Custom:sway", withPlugin}, waylandFirst},
    {"GNOME with XWayland, no plugin",
     {"", "wayland-0", ":0", "GNOME", withoutPlugin},
     {"xcb", {}}},
    {"sway with XWayland, no plugin", {"", "wayland-1", ":0", "sway", withoutPlugin}, {"xcb", {}}},
    {"GNOME without XWayland", {"", "wayland-0", "", "GNOME", withPlugin}, {"wayland", {}}},
    {"sway without XWayland", {"", "wayland-1", "", "sway", withPlugin}, {"wayland", {}}},
    {"Wayland alone, no plugin", {"", "wayland-0", "", "GNOME", withoutPlugin}, noWaylandPlugin},
    {"an X11 session", {"", "", ":0", "XFCE", withoutPlugin}, {"xcb", {}}},
    {"an X11 session with the plugin", {"", "", ":0", "GNOME", withPlugin}, {"xcb", {}}},
    {"no display at all", {"", "", "", "", withPlugin}, noDisplay},
};

} // namespace

TEST_CASE("the window system is chosen from the session")
{
    for (const Case &row : cases) {
        CAPTURE(row.name);
        CHECK(fuel::qt::chooseWindowSystem(row.session) == row.expected);
    }
}
