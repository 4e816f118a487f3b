#include "mission/MissionText.h"

#include <algorithm>

#include "mission/ByteRecord.h"

namespace vantorel {

namespace {

// The text of a block is runs of its bytes with a CR LF for each '$'
// between them; both functions below walk it a run at a time.
std::string_view NextRun(std::string_view& stored) {
    const size_t dollar = stored.find('$');
    std::string_view run = stored.substr(0, dollar);
    stored.remove_prefix(dollar == std::string_view::npos ? stored.size() : dollar);
    return run;
}

}  // namespace

std::string TextFromBlock(const uint8_t* block, size_t size) {
    std::string_view stored = FixedTextView(block, size);
    std::string out;
    out.reserve(stored.size() + size_t(std::count(stored.begin(), stored.end(), '$')));
    for (;;) {
        out += NextRun(stored);
        if (stored.empty()) return out;
        out += "\r\n";
        stored.remove_prefix(1);
    }
}

bool BlockHoldsText(const uint8_t* block, size_t size, std::string_view text) {
    std::string_view stored = FixedTextView(block, size);
    for (;;) {
        const std::string_view run = NextRun(stored);
        if (!text.starts_with(run)) return false;
        text.remove_prefix(run.size());
        if (stored.empty()) return text.empty();
        if (!text.starts_with("\r\n")) return false;
        text.remove_prefix(2);
        stored.remove_prefix(1);
    }
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

std::string WithCrLfLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + size_t(std::count(text.begin(), text.end(), '\n')));
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

size_t StoredTextLength(std::string_view text) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); ++i, ++n)
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    return n;
}

}  // namespace vantorel
