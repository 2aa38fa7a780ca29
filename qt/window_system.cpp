#include "window_system.h"

#include "window_system_choice.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fuel::qt {

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Debian ships Qt's Wayland platform separately (qt6-wayland), so its plugin may be absent.
bool waylandPluginInstalled()
{
    const QStringList folders = QCoreApplication::libraryPaths();
    return std::any_of(folders.begin(), folders.end(), [](const QString &folder) {
        return QFileInfo::exists(folder + QStringLiteral("/platforms/libqwayland-generic.so"));
    });
}

Session currentSession()
{
    return {environment("QT_QPA_PLATFORM"), environment("WAYLAND_DISPLAY"), environment("DISPLAY"),
            environment("XDG_CURRENT_DESKTOP"), waylandPluginInstalled()};
}

} // namespace

bool prepareWindowSystem()
{
    const WindowSystemChoice choice = chooseWindowSystem(currentSession());
    if (!choice.missing.empty()) {
        std::fputs(choice.missing.c_str(), stderr);
        return false;
    }
    if (!choice.platforms.empty())
        qputenv("QT_QPA_PLATFORM", choice.platforms.c_str());
    return true;
}

} // namespace fuel::qt
