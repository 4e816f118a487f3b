#include "document/MissionText.h"

#include <algorithm>

namespace vantorel {

std::string TextFromBlock(const uint8_t* block, size_t size) {
    const uint8_t* end = std::find(block, block + size, uint8_t(0));
    std::string out;
    out.reserve(size_t(end - block));
    for (const uint8_t* p = block; p != end; ++p) {
        if (*p == '$') out += "\r\n";
        else out += char(*p);
    }
    return out;
}

std::vector<uint8_t> BlockFromText(std::string_view text, size_t size) {
    std::vector<uint8_t> block(size, 0);
    size_t n = 0;
    for (size_t i = 0; i < text.size() && n < size; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            block[n++] = '$';
            ++i;
        } else {
            block[n++] = uint8_t(text[i]);
        }
    }
    return block;
}

size_t StoredTextLength(std::string_view text) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); ++i, ++n)
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    return n;
}

}  // namespace vantorel
