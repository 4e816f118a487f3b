#pragma once

#include <random>
#include <string>

#include "map/ScrollZoom.h"
#include "map/ViewState.h"
#include "mission/Mission.h"

namespace vantorel::testing {

// The most a map ever has to draw: 255 flight groups with all 14 map points
// enabled within about +-12 km across and +-7 km down, so at zoom 60 nearly
// every marker of a 1600 x 1000 window is inside it, every craft type and
// IFF in turn, and every ninth flight group selected at two points.
inline Mission BusyMission() {
    Mission m;
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int> across(-12 * 160, 12 * 160), down(-7 * 160, 7 * 160),
        height(-5 * 160, 5 * 160);
    for (int g = 0; g < kMaxFlightGroups; ++g) {
        FlightGroup& fg = m.AppendFlightGroup();
        fg.File.SetCraftType(uint8_t(1 + g % 92));
        fg.File.SetIff(uint8_t(g % 7));
        fg.File.SetName("Group " + std::to_string(g));
        for (int p = 0; p < 14; ++p) {
            fg.File.SetWaypointEnabled(p, 1);
            fg.File.SetWaypointX(p, int16_t(across(rng)));
            fg.File.SetWaypointY(p, int16_t(down(rng)));
            fg.File.SetWaypointZ(p, int16_t(height(rng)));
        }
        if (g % 9 == 0) {
            fg.Selected = 1;
            fg.PointSelected[0] = fg.PointSelected[5] = 1;
        }
    }
    return m;
}

// The window it is drawn in: 1600 x 1000 at zoom 60, centred on the origin,
// waypoints, flight group names and point names shown.
inline ViewState BusyView() {
    ViewState v;
    v.Width = 1600;
    v.Height = 1000;
    v.Zoom = 60;
    v.ShowWaypoints = true;
    v.ShowFGNames = true;
    v.ShowPointNames = true;
    CentreOnMap(v);
    return v;
}

}  // namespace vantorel::testing
