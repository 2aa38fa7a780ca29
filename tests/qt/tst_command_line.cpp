#include "qt/command_line.h"

#include <doctest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace fuel::qt;

namespace {

// The help is checked by its parts: its first line, then a line for each option, which it names
// and explains.
bool readsAsUsage(const std::string &text)
{
    return text.starts_with("Usage: fuelcalc [--help | --version]\n") &&
           text.find("\n\n  --help ") != std::string::npos &&
           text.find("\n  --version ") != std::string::npos && text.ends_with("\n");
}

} // namespace

TEST_CASE("the command line")
{
    struct Case {
        std::vector<std::string_view> arguments;
        bool opensWindow;
        int exitStatus;
        std::string standardOutput; // "usage" for the help
        std::string standardError;
    };
    const std::string version = "fuelcalc 1.2.3\n";
    const auto unknown = [](const std::string &option) {
        return "fuelcalc: unknown option '" + option + "' (see fuelcalc --help)\n";
    };
    const Case cases[] = {
        {{}, true, 0, "", ""},
        {{"log.txt"}, true, 0, "", ""},
        {{"--help"}, false, 0, "usage", ""},
        {{"--version"}, false, 0, version, ""},
        {{"x", "--version"}, false, 0, version, ""},
        {{"--version", "--bogus"}, false, 0, version, ""},
        {{"--bogus", "--help"}, false, 2, "", unknown("--bogus")},
        {{"-h"}, false, 2, "", unknown("-h")},
        {{"--help=all"}, false, 2, "", unknown("--help=all")},
        {{"-platform", "xcb"}, false, 2, "", unknown("-platform")},
        {{"-"}, false, 2, "", unknown("-")},
        {{"--"}, false, 2, "", unknown("--")},
    };
    for (const Case &c : cases) {
        const CommandLineReply reply = replyToCommandLine(c.arguments, "1.2.3");
        INFO(reply.standardOutput, reply.standardError);
        CHECK(reply.opensWindow == c.opensWindow);
        CHECK(reply.exitStatus == c.exitStatus);
        if (c.standardOutput == "usage")
            CHECK(readsAsUsage(reply.standardOutput));
        else
            CHECK(reply.standardOutput == c.standardOutput);
        CHECK(reply.standardError == c.standardError);
    }
}
