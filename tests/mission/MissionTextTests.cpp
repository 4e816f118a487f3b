// The game's code page, what a free-text block holds, and whether it holds a given text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "mission/MissionText.h"
#include "mission/Win1252.h"

using namespace vantorel;

namespace {

std::vector<uint8_t> Block(std::string_view bytes) {
    return {bytes.begin(), bytes.end()};
}

}  // namespace

TEST(MissionText, BlockTextEndsAtTheFirstZeroAndEachDollarIsALineBreak) {
    EXPECT_EQ(TextFromBlock(Block("A$B$").data(), 4), "A\r\nB\r\n");
    EXPECT_EQ(TextFromBlock(Block("$$").data(), 2), "\r\n\r\n");
    EXPECT_EQ(TextFromBlock(Block(std::string("ab\0$c", 5)).data(), 5), "ab");
    EXPECT_EQ(TextFromBlock(Block(std::string("\0xyz", 4)).data(), 4), "");
    // A literal CR LF in the block is two characters of the text as well.
    EXPECT_EQ(TextFromBlock(Block("a\r\nb").data(), 4), "a\r\nb");
}

// The writer keeps a block as read while it holds the same text: the check must agree
// with reading the text and comparing, for any block ('$', CR, LF, bytes after the end).
TEST(MissionText, BlockHoldsTextAgreesWithTheTextTheBlockHolds) {
    std::mt19937 rng(77);
    const char alphabet[] = {'a', 'b', '$', '\r', '\n', '\0'};
    std::uniform_int_distribution<int> pick(0, 5), length(0, 12), edit(0, 4);
    int held = 0, differ = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<uint8_t> block(size_t(length(rng)));
        for (auto& b : block) b = uint8_t(alphabet[pick(rng)]);
        const std::string text = TextFromBlock(block.data(), block.size());
        // The text, and texts one character or half a line break away from it.
        std::vector<std::string> candidates = {text, text + "a", text + "\r", "\r\n" + text};
        if (!text.empty()) {
            candidates.push_back(text.substr(0, text.size() - 1));
            std::string changed = text;
            changed[size_t(edit(rng)) % changed.size()] = alphabet[pick(rng)];
            candidates.push_back(changed);
        }
        for (const std::string& candidate : candidates) {
            const bool same = candidate == text;
            EXPECT_EQ(BlockHoldsText(block.data(), block.size(), candidate), same)
                << "block of " << block.size() << " bytes, text '" << candidate << "'";
            (same ? held : differ) += 1;
        }
    }
    // Both answers were asked for often.
    EXPECT_GE(held, 4000);
    EXPECT_GT(differ, 4000);
}

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
