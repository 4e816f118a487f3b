#pragma once

// What a test of the map stands on: a window centred on the map's origin and
// flight group points placed in raw units (160 to the kilometre).
#include "map/ScrollZoom.h"
#include "map/ViewState.h"
#include "mission/Mission.h"

namespace vantorel::testing {

inline ViewState MapWindow(int width, int height, int angle = kAngleTop) {
    ViewState v;
    v.Width = width;
    v.Height = height;
    v.Angle = angle;
    CentreOnMap(v);
    return v;
}

// Enables point p of a flight group at (x, y, z).
inline void SetMapPoint(FlightGroup& fg, int p, int x, int y, int z = 0) {
    fg.File.SetWaypointEnabled(p, 1);
    fg.File.SetWaypointX(p, int16_t(x));
    fg.File.SetWaypointY(p, int16_t(y));
    fg.File.SetWaypointZ(p, int16_t(z));
}

}  // namespace vantorel::testing
