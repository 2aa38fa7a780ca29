#include "command_line.h"

namespace fuel::qt {

namespace {

constexpr std::string_view usage = "Usage: fuelcalc [--help | --version]\n"
                                   "Opens the window that works out the fuel a ship's main and\n"
                                   "auxiliary engines have used over a passage.\n"
                                   "\n"
                                   "  --help     print this help and exit\n"
                                   "  --version  print the version and exit\n";

// Status 2 for a command line that cannot be used, as getopt-based programs do.
constexpr int misusedStatus = 2;

} // namespace

CommandLineReply replyToCommandLine(std::span<const std::string_view> arguments,
                                    std::string_view version)
{
    for (const std::string_view argument : arguments) {
        if (!argument.starts_with('-'))
            continue;
        if (argument == "--help")
            return {false, 0, std::string(usage), {}};
        if (argument == "--version")
            return {false, 0, "fuelcalc " + std::string(version) + "\n", {}};
        return {false,
                misusedStatus,
                {},
                "fuelcalc: unknown option '" + std::string(argument) + "' (see fuelcalc --help)\n"};
    }
    return {};
}

} // namespace fuel::qt
