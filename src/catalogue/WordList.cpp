#include "catalogue/WordList.h"

namespace vantorel {

std::string ListWord(WordList list, int index) {
    // Negative values (a widened signed field) are unknown too, never an index.
    if (index >= 0 && static_cast<std::size_t>(index) < list.size()) return list[index];
    return "(unknown: " + std::to_string(index) + ")";
}

std::vector<std::string> ListWords(WordList list, int count) {
    std::vector<std::string> words;
    words.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int i = 0; i < count; ++i) words.push_back(ListWord(list, i));
    return words;
}

}  // namespace vantorel
