#pragma once

#include <string>
#include <string_view>

namespace vantorel {

// Mission text is 8-bit Windows-1252. These convert at the edges: UTF-16 for
// widgets, UTF-8 for the command line and JSON. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the code points of
// the same value, so every byte survives a round trip.

char32_t Win1252ToCodePoint(unsigned char c);
// The byte for a code point, or '?' when the code page has none.
unsigned char CodePointToWin1252(char32_t cp, bool* exact = nullptr);

std::string Win1252ToUtf8(std::string_view bytes);
std::u16string Win1252ToUtf16(std::string_view bytes);
// Characters the code page cannot hold become '?'.
std::string Utf8ToWin1252(std::string_view utf8);
std::string Utf16ToWin1252(std::u16string_view utf16);

}  // namespace vantorel
