#include "catalogue/WordList.h"

namespace vantorel {

std::string ListWord(WordList list, int index) {
    // Negative values (a widened signed field) are unknown too, never an index.
    if (index >= 0 && static_cast<std::size_t>(index) < list.size()) return list[index];
    return "(unknown: " + std::to_string(index) + ")";
}

}  // namespace vantorel
