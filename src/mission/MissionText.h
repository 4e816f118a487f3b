#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Free texts (description, debriefings) are held with CR LF line breaks and
// stored as fixed blocks with '$' for each line break.

// The block up to its first zero byte (all of it when there is none), every
// '$' turned into CR LF.
std::string TextFromBlock(const uint8_t* block, size_t size);

// Whether TextFromBlock(block, size) == text, without building the text: the
// writer asks this of every block it holds as read.
bool BlockHoldsText(const uint8_t* block, size_t size, std::string_view text);

// A zeroed block of `size` bytes holding the text with each CR LF turned into
// '$'; a text that does not fit is cut at the block's end.
std::vector<uint8_t> BlockFromText(std::string_view text, size_t size);

// How many bytes the text takes in a block, before any cut: each CR LF is
// one '$'.
size_t StoredTextLength(std::string_view text);

// The game shows every '$' of a free text as a line break, so a text cannot
// hold one as a character.
inline constexpr char kStoredLineBreak = '$';

// The text with a bare LF (as a text box or JSON gives a line break) turned
// into CR LF, the line break a free text holds; a CR on its own stays.
std::string WithCrLfLineBreaks(std::string_view text);

}  // namespace vantorel
