#include "map/ViewSteps.h"

#include <algorithm>

#include "document/EditDraft.h"
#include "map/DrawnPoints.h"
#include "map/InteractionHitTest.h"
#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

SnapStep ArrowKeyStep(const ViewState& view, ArrowKey key, bool tenfold) {
    int s = SnapStepRaw(view.SnapIndex);
    if (s == 0) s = std::max(1, RawFromKm(1.0 / std::max(view.Zoom, 1)));
    if (tenfold) s *= 10;
    // Steps are counted as a drag counts them: the way the mouse came from.
    switch (key) {
        case ArrowKey::Left:
            return {s, 0};
        case ArrowKey::Right:
            return {-s, 0};
        case ArrowKey::Up:
            return {0, s};
        case ArrowKey::Down:
            return {0, -s};
    }
    return {};
}

std::unique_ptr<MissionEdit> MoveSelectionEdit(const ViewState& view, Mission& mission,
                                               const SnapStep& wanted) {
    if (view.Angle == kAngle3D) return nullptr;
    RawBox moving;
    for (const auto& fg : mission.FlightGroups) {
        if (!fg->Selected) continue;
        for (int i = 0; i < kMapPointCount; ++i)
            if (fg->PointSelected[size_t(i)]) moving.Add(RawPointOf(*fg, i));
    }
    const SnapStep step = FitStepToRange(view.Angle, wanted, moving, nullptr, 0);
    if (moving.Empty() || !step.Moves()) return nullptr;

    EditDraft draft;
    for (auto& fg : mission.FlightGroups) {
        if (!fg->Selected) continue;
        for (int i = 0; i < kMapPointCount; ++i) {
            if (!fg->PointSelected[size_t(i)]) continue;
            const RawPoint p = ApplySnapStep(view.Angle, RawPointOf(*fg, i), step);
            FlightGroupRecord& r = draft.Edit(fg->File);
            r.SetWaypointX(i, int16_t(p.x));
            r.SetWaypointY(i, int16_t(p.y));
            r.SetWaypointZ(i, int16_t(p.z));
        }
    }
    auto edit = draft.Finish("Move");
    if (edit->IsEmpty()) return nullptr;
    return edit;
}

RawPoint GridStepBeside(const ViewState& view) {
    int s = SnapStepRaw(view.SnapIndex);
    if (s == 0) s = kRawPerKm;
    return ApplySnapStep(view.Angle, RawPoint{}, SnapStep{-s, -s});
}

}  // namespace vantorel
