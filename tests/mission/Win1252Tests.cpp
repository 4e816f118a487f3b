#include <gtest/gtest.h>

#include "mission/Win1252.h"

using namespace vantorel;

TEST(Win1252, EveryByteSurvivesUtf8AndUtf16) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
    EXPECT_EQ(Utf16ToWin1252(Win1252ToUtf16(all)), all);
}

TEST(Win1252, KnownCharactersAndUndefinedBytes) {
    EXPECT_EQ(Win1252ToUtf8("\x92"), "\xE2\x80\x99");  // right single quotation mark
    EXPECT_EQ(Win1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Win1252ToUtf16("\xE9"), u"\u00E9");
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Win1252ToCodePoint(undefined), char32_t(undefined));
    }
    // Characters the code page lacks, and broken UTF-8, become '?'.
    EXPECT_EQ(Utf8ToWin1252("\xE2\x98\x83"), "?");
    EXPECT_EQ(Utf8ToWin1252("a\xC3"), "a?");
    EXPECT_EQ(Utf16ToWin1252(u"\U0001F680x"), "?x");
}
