#include "map/InteractionHitTest.h"

#include <cmath>
#include <cstdlib>

#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

void RawViewPair(int angle, const RawPoint& p, int& h, int& v) {
    switch (angle) {
        case kAngleFront:
            h = p.x;
            v = p.z;
            break;
        case kAngleSide:
            h = p.y;
            v = p.z;
            break;
        default:
            h = p.x;
            v = p.y;
            break;
    }
}

RawPoint RawPointOf(const FlightGroup& fg, int point) {
    return {fg.File.WaypointX(point), fg.File.WaypointY(point), fg.File.WaypointZ(point)};
}

void SetRawPoint(FlightGroup& fg, int point, const RawPoint& p) {
    fg.File.SetWaypointX(point, ClampRaw(p.x));
    fg.File.SetWaypointY(point, ClampRaw(p.y));
    fg.File.SetWaypointZ(point, ClampRaw(p.z));
}

void RawFromMouse(const ViewState& view, int mx, int my, int& h, int& v) {
    const double kmH = double(mx + view.ScrollX) / view.Zoom - kMapHalfKm;
    double kmV = double(my + view.ScrollY) / view.Zoom - kMapHalfKm;
    if (view.Angle == kAngleFront || view.Angle == kAngleSide) kmV = -kmV;
    // Clamped like every stored coordinate: a mouse beyond the reach of a
    // 16-bit point must not wrap round and hit points on the far side.
    h = ClampRaw(RawFromKm(kmH));
    v = ClampRaw(RawFromKm(kmV));
}

std::optional<MapHit> HitTest(const ViewState& view, const FlightGroup& fg, int mx, int my) {
    if (view.Angle == kAngle3D || view.Zoom <= 0) return std::nullopt;
    int mh = 0, mv = 0;
    RawFromMouse(view, mx, my, mh, mv);
    const int th = ClampRaw(RawFromKm(9.0 / view.Zoom));
    const int tv = ClampRaw(RawFromKm(11.0 / view.Zoom));

    // The candidates are the points the map draws for the flight group.
    std::optional<MapHit> best;
    int bestDh = 0, bestDv = 0;
    for (int i : DrawnPoints(view, fg)) {
        int h = 0, v = 0;
        RawViewPair(view.Angle, RawPointOf(fg, i), h, v);
        const int dh = h - mh;
        const int dv = v - mv;
        const int distance = int(std::sqrt(double(dh) * dh + double(dv) * dv));
        if (!best || distance <= best->distance) {
            best = MapHit{i, distance};
            bestDh = dh;
            bestDv = dv;
        }
    }
    if (best && std::abs(bestDh) < th && std::abs(bestDv) < tv) return best;
    return std::nullopt;
}

std::optional<MissionHit> HitTestMission(const ViewState& view, Mission& mission, int mx, int my) {
    std::optional<MissionHit> best;
    int bestDistance = 0;
    for (size_t i = 0; i < mission.FlightGroups.size(); ++i) {
        FlightGroup& fg = *mission.FlightGroups[i];
        auto hit = HitTest(view, fg, mx, my);
        // Stacked icons (a wizard puts new groups on top of others): the one
        // the user selected is the one a press takes, to drag what is shown
        // selected rather than what lies under it.
        const bool nearer = best && (hit && hit->distance < bestDistance);
        const bool asNearAndSelected = best && hit && hit->distance == bestDistance &&
                                       fg.Selected && !best->flightGroup->Selected;
        if (hit && (!best || nearer || asNearAndSelected)) {
            best = MissionHit{&fg, int(i), hit->point};
            bestDistance = hit->distance;
        }
    }
    return best;
}

}  // namespace vantorel
