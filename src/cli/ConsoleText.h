#pragma once

#include <cstdio>
#include <string_view>

#if defined(__MINGW32__)
#define VANTOREL_PRINTF_LIKE __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)))
#elif defined(__GNUC__)
#define VANTOREL_PRINTF_LIKE __attribute__((format(printf, 2, 3)))
#else
#define VANTOREL_PRINTF_LIKE
#endif

namespace vantorel::cli {

// Text for people, in UTF-8: what may hold a mission's names or a file's.
// A Windows console is handed it as UTF-16 (WriteConsoleW), so it shows
// whole whatever the console's code page; a pipe or a file gets the UTF-8
// bytes, as does every stream elsewhere.
void WriteUtf8(std::FILE* stream, std::string_view utf8);

// printf, then WriteUtf8.
void PrintUtf8(std::FILE* stream, const char* format, ...) VANTOREL_PRINTF_LIKE;

}  // namespace vantorel::cli
