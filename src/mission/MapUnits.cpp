#include "mission/MapUnits.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vantorel {

double KmFromRaw(int raw) {
    return raw * 0.00625;
}

int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

int RawFromKm(double km) {
    if (km > 0) return TruncToInt(km * kRawPerKm + 0.5);
    if (km < 0) return TruncToInt(km * kRawPerKm - 0.5);
    return 0;
}

std::int16_t ClampRaw(long long raw) {
    return static_cast<std::int16_t>(std::clamp<long long>(raw, kRawMin, kRawMax));
}

std::int16_t StoredRawFromKm(double km) {
    return ClampRaw(RawFromKm(km));
}

}  // namespace vantorel
