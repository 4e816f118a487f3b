#include "map/SnapDrag.h"

#include "map/MapUnits.h"

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
