#include "map/SnapDrag.h"

#include <algorithm>

#include "mission/MapUnits.h"

namespace vantorel {

int SnapStepRaw(int snapIndex) {
    return RawFromKm(snapIndex * 0.1);
}

namespace {

double RoundingOffset(int a) {
    return a > 0 ? 0.5 : (a < 0 ? -0.5 : 0.0);
}

}  // namespace

SnapStep SnapDrag(const ViewState& view, int dx, int dy, const RawPoint* anchor) {
    const int dHr = ClampRaw(RawFromKm(static_cast<double>(dx) / view.Zoom));
    const int dVr = ClampRaw(RawFromKm(static_cast<double>(dy) / view.Zoom));
    const int s = SnapStepRaw(view.SnapIndex);
    if (s == 0 || anchor == nullptr) return {dHr, dVr, true, true};

    const bool top = view.Angle == kAngleTop || view.Angle == kAngle3D;
    const int H = view.Angle == kAngleSide ? anchor->y : anchor->x;
    const int V = top ? anchor->y : anchor->z;
    const int targetH = H - dHr;
    const int targetV = top ? V - dVr : V + dVr;
    const long long Hs =
        static_cast<long long>(TruncToInt(static_cast<double>(targetH) / s + RoundingOffset(H))) *
        s;
    const long long Vs =
        static_cast<long long>(TruncToInt(static_cast<double>(targetV) / s + RoundingOffset(V))) *
        s;

    SnapStep step;
    step.dH = static_cast<int>(H - Hs);
    step.dV = static_cast<int>(top ? V - Vs : Vs - V);
    step.renewRefX = step.dH != 0;
    step.renewRefY = step.dV != 0;
    return step;
}

void RawBox::Add(const RawPoint& p) {
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

namespace {

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
long long CeilDiv(long long a, long long b) {
    return -FloorDiv(-a, b);
}

// The change `delta` of one stored coordinate, held so that every moving
// value lo..hi stays in range; `anchor` is the anchor's value on that axis.
long long FitDelta(long long delta, int lo, int hi, const int* anchor, int snapRaw) {
    const long long least = static_cast<long long>(kRawMin) - lo;
    const long long most = static_cast<long long>(kRawMax) - hi;
    if (delta >= least && delta <= most) return delta;
    const long long held = std::clamp(delta, least, most);
    if (snapRaw <= 0 || anchor == nullptr) return held;
    // The grid lines the anchor can still reach going the way it was asked
    // to, short of the edge; the one nearest the edge wins.
    const long long from = delta > most ? *anchor : *anchor + least;
    const long long to = delta > most ? *anchor + most : *anchor;
    const long long kLow = CeilDiv(from, snapRaw), kHigh = FloorDiv(to, snapRaw);
    if (kLow > kHigh) return held;
    return (delta > most ? kHigh : kLow) * snapRaw - *anchor;
}

}  // namespace

SnapStep FitStepToRange(int angle, SnapStep step, const RawBox& moving, const RawPoint* anchor,
                        int snapRaw) {
    if (moving.Empty() || !step.Moves()) return step;
    // The stored coordinate each half of the step changes, and by how much.
    int RawPoint::*across = angle == kAngleSide ? &RawPoint::y : &RawPoint::x;
    const bool top = angle != kAngleFront && angle != kAngleSide;
    int RawPoint::*down = top ? &RawPoint::y : &RawPoint::z;
    const int signV = top ? -1 : 1;

    const int* anchorH = anchor ? &(anchor->*across) : nullptr;
    const int* anchorV = anchor ? &(anchor->*down) : nullptr;
    const long long dH = -FitDelta(-static_cast<long long>(step.dH), moving.min.*across,
                                   moving.max.*across, anchorH, snapRaw);
    const long long dV = signV * FitDelta(signV * static_cast<long long>(step.dV), moving.min.*down,
                                          moving.max.*down, anchorV, snapRaw);
    step.dH = static_cast<int>(dH);
    step.dV = static_cast<int>(dV);
    return step;
}

RawPoint ApplySnapStep(int angle, RawPoint p, const SnapStep& step) {
    switch (angle) {
        case kAngleFront:
            p.x = ClampRaw(static_cast<long long>(p.x) - step.dH);
            p.z = ClampRaw(static_cast<long long>(p.z) + step.dV);
            break;
        case kAngleSide:
            p.y = ClampRaw(static_cast<long long>(p.y) - step.dH);
            p.z = ClampRaw(static_cast<long long>(p.z) + step.dV);
            break;
        default:
            p.x = ClampRaw(static_cast<long long>(p.x) - step.dH);
            p.y = ClampRaw(static_cast<long long>(p.y) - step.dV);
            break;
    }
    return p;
}

}  // namespace vantorel
