#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"

namespace vantorel::cli {

std::vector<CommandInfo>& Commands() {
    static std::vector<CommandInfo> commands;
    return commands;
}

}  // namespace vantorel::cli

using namespace vantorel::cli;

static void PrintHelp(FILE* out) {
    std::fprintf(out,
                 "vantorel-cli: read, check and write X-Wing vs. TIE Fighter missions\n\n"
                 "usage: vantorel-cli COMMAND [ARGS...]\n"
                 "       vantorel-cli --version\n\n"
                 "Options take their value as the next argument or after '=' (--size=WxH).\n"
                 "A FILE or OUT of '-' is standard input or output.\n\ncommands:\n");
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(), [](const CommandInfo& a, const CommandInfo& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    for (const auto& c : commands) std::fprintf(out, "  %s\n      %s\n", c.usage, c.summary);
    std::fprintf(out,
                 "\nexit status: 0 success, 1 usage error, 2 the mission file was refused,\n"
                 "3 a file could not be opened or written, 4 check found errors.\n"
                 "Warnings go to standard error.\n"
                 "'vantorel-cli COMMAND --help' shows one command's usage.\n");
}

int main(int argc, char** argv) {
    PrepareStandardStreams();
    const std::vector<std::string> args = Utf8Arguments(argc, argv);
    if (args.empty()) {
        PrintHelp(stderr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(stdout);
        return kExitOk;
    }
    if (args[0] == "--version") {
        std::printf("vantorel-cli %s\n", VANTOREL_VERSION);
        return kExitOk;
    }
    for (const auto& c : Commands()) {
        if (args[0] != c.name) continue;
        std::vector<std::string> rest = SplitOptionValues({args.begin() + 1, args.end()});
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
            std::printf("usage: vantorel-cli %s\n%s\n", c.usage, c.summary);
            return kExitOk;
        }
        const int status = c.run(rest);
        // Output that never reached its reader (a full disk) makes a failed
        // run, not a successful one.
        const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout);
        if (lost && status == kExitOk) {
            std::fprintf(stderr, "vantorel-cli: cannot write standard output\n");
            return kExitIo;
        }
        return status;
    }
    std::fprintf(stderr, "vantorel-cli: unknown command '%s'\n\n", args[0].c_str());
    PrintHelp(stderr);
    return kExitUsage;
}
