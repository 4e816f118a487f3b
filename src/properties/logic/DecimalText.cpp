#include "properties/logic/DecimalText.h"

#include <cctype>
#include <charconv>

namespace vantorel {

std::string FixedTwoDecimals(double value) {
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("0.00");
}

double ParseDecimal(const std::string& text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto r = std::from_chars(first, last, value, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != last) return 0;
    return value;
}

long long HundredthsOf(const std::string& text) {
    constexpr long long kLimit = 1'000'000'000;
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    long long whole = 0;
    bool digits = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, digits = true)
        if (whole < kLimit) whole = whole * 10 + (text[i] - '0');
    int fraction = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (int place = 0; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
             ++i, ++place, digits = true)
            if (place < 2) fraction += (text[i] - '0') * (place == 0 ? 10 : 1);
    }
    if (!digits || i != text.size()) return 0;
    const long long hundredths = whole * 100 + fraction;
    return negative ? -hundredths : hundredths;
}

}  // namespace vantorel
