#pragma once

#include <string>
#include <string_view>

namespace fuel::qt {

// Where the window can open, as the session's environment tells it.
struct Session {
    std::string_view chosenPlatform; // QT_QPA_PLATFORM: the user's own choice
    std::string_view waylandDisplay; // WAYLAND_DISPLAY
    std::string_view x11Display;     // DISPLAY
    std::string_view currentDesktop; // XDG_CURRENT_DESKTOP, a list such as "ubuntu:GNOME"
    bool waylandPluginInstalled = false;
};

// Either the Qt platforms to try, in order (the form QT_QPA_PLATFORM takes), or one line that
// says what is missing when no window system can start. Both empty: the user has chosen.
struct WindowSystemChoice {
    std::string platforms;
    std::string missing;

    bool operator==(const WindowSystemChoice &) const = default;
};

// The window has one size and no maximise. An X server draws it so everywhere: the window
// manager frames it from its hints and lets it centre itself. Natively on Wayland that holds
// only where the compositor draws the title bar; elsewhere Qt's own title bar offers maximise,
// and the compositor places the window. So a Wayland session that also runs an X server
// (XWayland) gets the X11 window first, unless its desktop decorates Wayland windows itself.
// The other platform stays in the list, for when the first cannot start.
WindowSystemChoice chooseWindowSystem(const Session &session);

} // namespace fuel::qt
