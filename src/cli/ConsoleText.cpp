#include "cli/ConsoleText.h"

#include <cstdarg>
#include <string>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>

#include <algorithm>
#endif

namespace vantorel::cli {

#ifdef _WIN32

namespace {

// The stream's console, or nothing when it is a pipe or a file.
HANDLE ConsoleOf(std::FILE* stream) {
    const HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode) ? h : nullptr;
}

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(std::max(size, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), size);
    return wide;
}

}  // namespace

void WriteUtf8(std::FILE* stream, std::string_view utf8) {
    const HANDLE console = ConsoleOf(stream);
    if (console == nullptr) {
        std::fwrite(utf8.data(), 1, utf8.size(), stream);
        return;
    }
    std::fflush(stream);  // what the stream holds was written before this
    const std::wstring wide = WideFromUtf8(utf8);
    // In pieces (older consoles refuse large writes), never between the two
    // halves of a character outside the Basic Multilingual Plane.
    constexpr size_t kPiece = 8192;
    for (size_t at = 0; at < wide.size();) {
        size_t n = std::min(kPiece, wide.size() - at);
        if (n > 1 && n < wide.size() - at && wide[at + n - 1] >= 0xD800 &&
            wide[at + n - 1] <= 0xDBFF)
            --n;
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data() + at, DWORD(n), &written, nullptr) || written == 0)
            return;
        at += written;
    }
}

#else

void WriteUtf8(std::FILE* stream, std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

#endif

void PrintUtf8(std::FILE* stream, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (size > 0) {
        std::string text(size_t(size) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, again);
        text.pop_back();
        WriteUtf8(stream, text);
    }
    va_end(again);
}

}  // namespace vantorel::cli
