#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleText.h"
#include "cli/HelpFormats.h"

namespace vantorel::cli {

std::vector<CommandInfo>& Commands() {
    static std::vector<CommandInfo> commands;
    return commands;
}

}  // namespace vantorel::cli

using namespace vantorel::cli;

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
    // What the build installs: made from the same list as --help.
    if (args[0] == "--bash-completion") {
        PrintBashCompletion(stdout);
        return kExitOk;
    }
    if (args[0] == "--man-page" && args.size() == 2) {
        if (PrintManPage(args[1], stdout)) return kExitOk;
        PrintUtf8(stderr, "vantorel-cli: cannot read %s\n", args[1].c_str());
        return kExitIo;
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
    PrintUtf8(stderr, "vantorel-cli: unknown command '%s'\n\n", args[0].c_str());
    PrintHelp(stderr);
    return kExitUsage;
}
