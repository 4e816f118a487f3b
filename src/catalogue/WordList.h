#pragma once

#include <span>
#include <string>
#include <vector>

namespace vantorel {

// An ordered list of the game's words; a stored value is a position in it.
using WordList = std::span<const char* const>;

// The word at index, or "(unknown: %d)" for any value the list does not
// hold, so that coded values the editor does not know stay visible.
std::string ListWord(WordList list, int index);

// ListWord of positions 0 .. count-1, for lists that offer a fixed number of
// positions whatever the length of their word list.
std::vector<std::string> ListWords(WordList list, int count);

}  // namespace vantorel
