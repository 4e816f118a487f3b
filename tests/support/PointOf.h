#pragma once

#include <ostream>

#include "mission/MissionRecords.h"

namespace vantorel::testing {

// A flight group point as one comparable value, printed readably by GoogleTest.
struct Point {
    int x, y, z;
    bool operator==(const Point&) const = default;
};

inline Point At(const FlightGroupRecord& r, int p) {
    return {r.WaypointX(p), r.WaypointY(p), r.WaypointZ(p)};
}

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}

}  // namespace vantorel::testing
