#pragma once

#include <span>
#include <string>

namespace vantorel {

// An ordered list of the game's words; a stored value is a position in it.
using WordList = std::span<const char* const>;

// The word at index, or "(unknown: %d)" for any value the list does not
// hold, so that coded values the editor does not know stay visible.
std::string ListWord(WordList list, int index);

}  // namespace vantorel
