#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/PathText.h"
#include "support/TempFolder.h"

namespace vantorel::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// One argument quoted for the shell std::system uses: a POSIX shell, or
// cmd.exe on Windows. Text is UTF-8.
inline std::string Quoted(const std::string& text) {
#ifdef _WIN32
    return "\"" + text + "\"";
#else
    std::string q = "'";
    for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
#endif
}

inline std::string Quoted(const std::filesystem::path& p) {
    return Quoted(PathToUtf8(p));
}

// Runs a command line (UTF-8) through the shell and returns its exit status.
inline int RunShell(const std::string& command) {
#ifdef _WIN32
    // cmd.exe drops the first and last quote of the line when it starts with
    // one; the outer pair keeps the program's own quotes. The wide call keeps
    // names outside the ANSI code page intact.
    // Under Wine, starting cmd.exe fails now and then while the machine is
    // busy (-1, errno set, nothing run); that is tried again, and said.
    const std::wstring wide = PathFromUtf8("\"" + command + "\"").wstring();
    int status = -1;
    for (int attempt = 0; attempt < 3; ++attempt) {
        errno = 0;
        status = _wsystem(wide.c_str());
        if (status != -1 || errno == 0) break;
        std::fprintf(stderr, "RunShell: the shell did not start (%s); trying again\n",
                     std::strerror(errno));
    }
    return status;
#else
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
}

#ifdef _WIN32
inline constexpr const char* kNullDevice = "NUL";
#else
inline constexpr const char* kNullDevice = "/dev/null";
#endif

// Runs the built vantorel-cli with the given (already quoted) arguments and
// `input` on its standard input.
inline CliResult RunCli(const std::string& args, const std::string& input = {}) {
    TempFolder dir;
    const auto in = dir / "in.bin";
    const auto out = dir / "out.txt";
    const auto err = dir / "err.txt";
    TempFolder::WriteBytes(in, std::vector<uint8_t>(input.begin(), input.end()));
    CliResult r;
    r.status = RunShell(Quoted(std::string(VANTOREL_CLI)) + " " + args + " >" + Quoted(out) +
                        " 2>" + Quoted(err) + " <" + Quoted(in));
    r.out = TempFolder::ReadText(out);
    r.err = TempFolder::ReadText(err);
    return r;
}

}  // namespace vantorel::testing
