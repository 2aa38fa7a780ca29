#pragma once

#include <span>
#include <string>
#include <string_view>

namespace fuel::qt {

// What fuelcalc answers to its command line, decided before any window system is touched, so
// that --help and --version work without a display. Every argument that starts with '-' is an
// option: --help and --version are fuelcalc's own, and any other (Qt's -platform and -style
// among them) is refused; the window system is chosen by QT_QPA_PLATFORM instead. Arguments
// without a '-' are not read, as before.
struct CommandLineReply {
    bool opensWindow = true;
    int exitStatus = 0;
    std::string standardOutput;
    std::string standardError;

    bool operator==(const CommandLineReply &) const = default;
};

// The arguments after the program's name; the first option decides.
CommandLineReply replyToCommandLine(std::span<const std::string_view> arguments,
                                    std::string_view version);

} // namespace fuel::qt
