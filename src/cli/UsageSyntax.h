#pragma once

#include <string>
#include <vector>

namespace vantorel::cli {

// A command's usage line taken apart, so that the shell completion and the
// manual page are made from the same line `--help` prints:
//   "add FILE fleet|station [--team N] [--cargo] -o OUT"
// gives positionals FILE and "fleet|station", the options --team (value N),
// --cargo (no value) and -o (value OUT).
struct UsageOption {
    std::string name;   // "--team", "-o"
    std::string value;  // "N", "rebel|imperial", "" for a flag
};

struct UsageSyntax {
    std::string command;
    std::vector<std::string> positionals;
    std::vector<UsageOption> options;
};

UsageSyntax ParseUsage(const std::string& usage);

// The words of "a|b|c"; none when the text offers no choice.
std::vector<std::string> Choices(const std::string& value);

}  // namespace vantorel::cli
