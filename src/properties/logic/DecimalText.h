#pragma once

#include <string>

namespace vantorel {

// Decimal numbers in boxes, the same whatever the user's locale: a point,
// never a comma.

// "%.2f": two decimals, rounded.
std::string FixedTwoDecimals(double value);

// A decimal number as typed ("-1.5", ".25", "3."); text that is no number
// reads 0.
double ParseDecimal(const std::string& text);

// The typed number times 100 with the fraction dropped, computed on the
// digits themselves so that "0.29" gives 29 (as a double, 0.29 * 100 is
// 28.999...). Saturates far beyond any byte; text that is no number reads 0.
long long HundredthsOf(const std::string& text);

}  // namespace vantorel
