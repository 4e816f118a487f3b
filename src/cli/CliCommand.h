#pragma once

#include <string>
#include <vector>

namespace vantorel::cli {

// Exit statuses shared by every command.
enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,
    kExitRefused = 2,   // the mission file was refused; the refusal text went to stderr
    kExitIo = 3,        // a file could not be opened or written
    kExitProblems = 4,  // check found errors in the mission
    kExitPartial = 5,   // add fitted fewer flight groups than asked
};

using CommandFn = int (*)(const std::vector<std::string>& args);

struct CommandInfo {
    const char* name;
    const char* usage;    // one line: "dump FILE"
    const char* summary;  // one line for --help
    CommandFn run;
};

// Each command file registers itself with a static CommandRegistration, so
// adding a command never touches main().
std::vector<CommandInfo>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(CommandInfo info) { Commands().push_back(info); }
};

}  // namespace vantorel::cli
