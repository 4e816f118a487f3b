#pragma once

#include <cstdint>

namespace vantorel {

// A stored point coordinate is a signed 16-bit count of 1/160 km ("raw").
inline constexpr int kRawPerKm = 160;
inline constexpr int kRawMin = INT16_MIN;  // -204.8 km
inline constexpr int kRawMax = INT16_MAX;  // +204.79375 km

// Half of the square map area in km: the map covers -250..+250 on both axes,
// which is more than a stored coordinate can reach.
inline constexpr int kMapHalfKm = 250;
inline constexpr int kMapSizeKm = 500;

double KmFromRaw(int raw);

// Rounds half away from zero. The result is an int and may lie outside the
// 16-bit range; use StoredRawFromKm for anything that is written to a point.
// Values far beyond the int range saturate instead of being undefined.
int RawFromKm(double km);

// Anything that ends up in a 16-bit point field goes through here: a value
// beyond what the field holds is pinned to the nearest end of the range
// rather than wrapping to the other side of the map.
std::int16_t ClampRaw(long long raw);
std::int16_t StoredRawFromKm(double km);

// Truncation toward zero that saturates at the int range (and maps NaN to
// 0), so projections of points at extreme depths never become undefined.
int TruncToInt(double value);

}  // namespace vantorel
