#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace vantorel::cli {

struct ExitStatusInfo {
    int code;
    const char* meaning;  // one sentence, as --help, the README and the manual page give it
};

// Every exit status of every command: the one table of them.
std::span<const ExitStatusInfo> ExitStatuses();

// The commands' one-line summaries and exit statuses, as --help prints them.
void PrintHelp(FILE* out);

// The bash completion of every command and option of --help.
void PrintBashCompletion(FILE* out);

// The manual page: the template with @COMMANDS@, @EXIT_STATUS@,
// @CHECK_KINDS@ and @VERSION@ made from the same lists. False when the
// template cannot be read.
bool PrintManPage(const std::string& templatePath, FILE* out);

}  // namespace vantorel::cli
