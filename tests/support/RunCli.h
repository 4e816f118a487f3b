#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace vantorel::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built vantorel-cli with the given (already quoted) arguments.
inline CliResult RunCli(const std::string& args) {
    TempFolder dir;
    const auto out = dir / "out.txt";
    const auto err = dir / "err.txt";
    std::string cmd = std::string("'") + VANTOREL_CLI + "' " + args + " >'" + out.string() + "' 2>'" +
                      err.string() + "' </dev/null";
    int raw = std::system(cmd.c_str());
    CliResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = TempFolder::ReadText(out);
    r.err = TempFolder::ReadText(err);
    return r;
}

inline std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

}  // namespace vantorel::testing
