#include "cli/CommandLine.h"

#include <cstdio>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// shellapi.h needs what windows.h declares.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>

#include <cstdint>
#endif

namespace vantorel::cli {

#ifdef _WIN32

namespace {

std::string Utf8FromWide(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string out(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();  // the terminating zero
    return out;
}

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return args;
}

namespace {

UINT gConsoleCodePage = 0;  // the console's own, while the run has set UTF-8

void RestoreConsoleCodePage() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (gConsoleCodePage != 0) SetConsoleOutputCP(gConsoleCodePage);
}

BOOL WINAPI OnConsoleBreak(DWORD) {
    RestoreConsoleCodePage();
    return FALSE;  // and the run ends as it would have
}

}  // namespace

void PrepareStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Names reach a console through WriteConsoleW (ConsoleText.h); for any
    // other text the console reads UTF-8 during the run. Its own code page
    // comes back at the end, also after Ctrl+C: the console belongs to the
    // user, who goes on using it.
    const UINT own = GetConsoleOutputCP();  // 0: no console
    if (own != 0 && own != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        gConsoleCodePage = own;
        std::atexit(RestoreConsoleCodePage);
        SetConsoleCtrlHandler(OnConsoleBreak, TRUE);
    }
}

std::filesystem::path ProgramFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);  // the name was cut: try a larger buffer
    }
}

#else

namespace {
std::filesystem::path gArgv0;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    if (argc > 0) gArgv0 = argv[0];
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void PrepareStandardStreams() {}

std::filesystem::path ProgramFolder() {
    std::error_code ec;
#ifdef __APPLE__
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) == 0) {
        buffer.resize(std::char_traits<char>::length(buffer.c_str()));
        const auto self = std::filesystem::canonical(buffer, ec);
        if (!ec) return self.parent_path();
    }
#else
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    // Other systems: the name the program was started by, when it has a
    // folder in it (a bare name was found on PATH and says nothing).
    if (gArgv0.has_parent_path()) {
        const auto self = std::filesystem::canonical(gArgv0, ec);
        if (!ec) return self.parent_path();
    }
    return {};
}

#endif

std::vector<std::string> SplitOptionValues(const std::vector<std::string>& args) {
    std::vector<std::string> out;
    for (const std::string& a : args) {
        const auto eq = a.find('=');
        // A long option, or a short one of one letter ("-o=out.tie").
        const bool named = a.rfind("--", 0) == 0 ? eq > 2 : a.size() > 1 && a[0] == '-' && eq == 2;
        if (eq != std::string::npos && named) {
            out.push_back(a.substr(0, eq));
            out.push_back(a.substr(eq + 1));
        } else {
            out.push_back(a);
        }
    }
    return out;
}

std::string TakeMissionFile(const std::string& arg, std::string& file) {
    if (arg.size() > 1 && arg[0] == '-') return "unknown option '" + arg + "'";
    if (!file.empty()) return "more than one mission file given";
    file = arg;
    return {};
}

bool RefusedOption(const char* command, const char* usage, const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a.size() < 2 || a[0] != '-') continue;
        std::fprintf(stderr, "vantorel-cli %s: unknown option '%s'\nusage: vantorel-cli %s\n",
                     command, a.c_str(), usage);
        return true;
    }
    return false;
}

}  // namespace vantorel::cli
