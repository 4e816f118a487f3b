#pragma once

#include <cstdint>

#include "map/ViewState.h"

namespace vantorel {

// A stored point's raw coordinates.
struct RawPoint {
    int x = 0;
    int y = 0;
    int z = 0;
    bool operator==(const RawPoint&) const = default;
};

// One step of a point drag in raw view-plane units, and which half of the
// drag's reference mouse position to renew.
struct SnapStep {
    int dH = 0;
    int dV = 0;
    bool renewRefX = false;
    bool renewRefY = false;
    bool Moves() const { return dH != 0 || dV != 0; }
};

// The snap step in raw units for the snap list position (0 = no snap).
int SnapStepRaw(int snapIndex);

// Turns a mouse movement of a flat-view drag (dx = reference x - mouse x,
// likewise dy, in pixels) into a step for the selected points. With snap on
// and an anchor (the grabbed point), the step lands the anchor on the snap
// grid; a step of zero keeps the reference, so small moves add up.
SnapStep SnapDrag(const ViewState& view, int dx, int dy, const RawPoint* anchor);

// The smallest box holding a set of raw points.
struct RawBox {
    RawPoint min{INT32_MAX, INT32_MAX, INT32_MAX};
    RawPoint max{INT32_MIN, INT32_MIN, INT32_MIN};
    bool Empty() const { return min.x > max.x; }
    void Add(const RawPoint& p);
};

// Shortens a step so that none of the points in `moving` would leave what
// 16 bits hold: the points stop together and keep their offsets, instead
// of each being stopped on its own and a formation squeezed flat. With
// snap (snapRaw > 0) and an anchor, a shortened axis stops where the anchor
// is still on the grid, when there is such a place short of the edge.
SnapStep FitStepToRange(int angle, SnapStep step, const RawBox& moving, const RawPoint* anchor,
                        int snapRaw);

// Applies a step to one point: Top x -= dH, y -= dV; Front x -= dH, z += dV;
// Side y -= dH, z += dV. A coordinate pushed past what 16 bits hold stops at
// the end of the range instead of wrapping to the far side of the map.
RawPoint ApplySnapStep(int angle, RawPoint point, const SnapStep& step);

}  // namespace vantorel
