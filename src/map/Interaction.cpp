#include "map/Interaction.h"

#include <algorithm>
#include <cstdlib>

#include "map/InteractionHitTest.h"
#include "map/InteractionSelection.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/SnapDrag.h"
#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {
constexpr int kFlatZoomMin = 2;
constexpr int kFlatZoomMax = 1000;
constexpr int kZoom3DMin = -970;
constexpr int kZoom3DMax = 1000;
}  // namespace

void MapInteraction::StartPress(int mx, int my, MouseKeys keys) {
    refX_ = pressX_ = mx;
    refY_ = pressY_ = my;
    ctrlAtPress_ = keys.ctrl;
    dragging_ = false;
}

bool MapInteraction::DragStarted(int mx, int my) {
    if (!dragging_) {
        const int distance = std::abs(mx - pressX_) + std::abs(my - pressY_);
        dragging_ = distance > 0 && distance >= dragThreshold_;
    }
    return dragging_;
}

InteractionEffects MapInteraction::LeftDown(Mission& mission, int mx, int my, MouseKeys keys) {
    InteractionEffects fx;
    // One drag at a time: a second button pressed during a drag is ignored,
    // so a drag is always finished by the button that started it.
    if (view_.MouseMode != kMouseNone) return fx;
    fx.capture = true;
    fx.setMessage = true;
    StartPress(mx, my, keys);

    if (view_.Angle == kAngle3D) {
        view_.MouseMode = keys.ctrl ? kMousePan : kMouseRotate;
        return fx;
    }

    if (auto hit = HitTestMission(view_, mission, mx, my)) {
        FlightGroup& fg = *hit->flightGroup;
        const int i = hit->point;
        if (!(fg.Selected && fg.PointSelected[size_t(i)])) {
            if (!keys.ctrl) ClearMapSelection(mission);
            fg.Selected = 1;
            fg.PointSelected[size_t(i)] = 1;
        }
        for (auto& each : mission.FlightGroups)
            if (each->Selected) each->MapState = 1;
        anchorFlightGroup_ = &fg;
        anchorPoint_ = i;
        view_.MouseMode = kMousePointDrag;
        fx.beginChange = true;
        // The selection shows at once, before the mouse moves.
        fx.invalidate = true;
        return fx;
    }

    if (keys.alt || view_.BandSelect) {
        view_.MouseMode = kMouseBand;
        band_ = {mx, my, mx, my};
        fx.message = kBandSelectionHint;
    } else {
        view_.MouseMode = kMousePan;
    }
    return fx;
}

void MapInteraction::MovePoints(Mission& mission, int dx, int dy, int mx, int my,
                                InteractionEffects& fx) {
    RawPoint anchor;
    const RawPoint* anchorPtr = nullptr;
    // The anchor may have been deleted during the drag (the Delete key
    // still works while the mouse is held): then snap without it.
    const bool anchorAlive =
        anchorFlightGroup_ &&
        std::any_of(mission.FlightGroups.begin(), mission.FlightGroups.end(),
                    [&](const auto& fg) { return fg.get() == anchorFlightGroup_; });
    if (!anchorAlive) anchorFlightGroup_ = nullptr;
    if (anchorAlive && anchorPoint_ >= 0) {
        anchor = RawPointOf(*anchorFlightGroup_, anchorPoint_);
        anchorPtr = &anchor;
    }
    SnapStep step = SnapDrag(view_, dx, dy, anchorPtr);
    if (step.renewRefX) refX_ = mx;
    if (step.renewRefY) refY_ = my;
    if (!step.Moves()) return;

    // Everything that moves stops together at the end of the coordinate
    // range, so a formation keeps its shape.
    RawBox moving;
    for (const auto& fg : mission.FlightGroups) {
        if (!fg->MapState) continue;
        for (int i = 0; i < kMapPointCount; ++i)
            if (fg->PointSelected[size_t(i)]) moving.Add(RawPointOf(*fg, i));
    }
    step = FitStepToRange(view_.Angle, step, moving, anchorPtr, SnapStepRaw(view_.SnapIndex));
    if (!step.Moves()) return;

    for (auto& fg : mission.FlightGroups) {
        if (!fg->MapState) continue;
        for (int i = 0; i < kMapPointCount; ++i) {
            if (!fg->PointSelected[size_t(i)]) continue;
            SetRawPoint(*fg, i, ApplySnapStep(view_.Angle, RawPointOf(*fg, i), step));
        }
    }
    fx.modified = true;
    fx.invalidate = true;
}

InteractionEffects MapInteraction::MouseMove(Mission& mission, int mx, int my) {
    InteractionEffects fx;
    const int mode = view_.MouseMode;
    if (mode == kMouseNone) {
        fx.setCoordinates = true;
        fx.coordinates = StatusReadout(view_, mx, my);
        return fx;  // no drag: the reference is not used
    }
    // Until the mouse has gone far enough nothing follows it, and the
    // reference stays at the press: once it has, the whole way counts, so a
    // grabbed point is still under the mouse.
    if (mode != kMouseBand && !DragStarted(mx, my)) return fx;
    const int dx = refX_ - mx;
    const int dy = refY_ - my;

    switch (mode) {
        case kMousePan:
            PanBy(view_, dx, dy);
            fx.invalidate = true;
            break;
        case kMousePointDrag:
            // The reference is renewed as the snapping says.
            MovePoints(mission, dx, dy, mx, my, fx);
            return fx;
        case kMouseBand:
            if (mx != band_.endX || my != band_.endY) {
                band_.endX = mx;
                band_.endY = my;
                fx.drawBand = true;
            }
            break;
        case kMouseFlatZoom: {
            const int zoom = std::clamp(view_.Zoom + dy / 10, kFlatZoomMin, kFlatZoomMax);
            if (zoom != view_.Zoom) {
                SetZoomAboutCentre(view_, zoom);
                fx.updateSlider = true;
                fx.repaintNow = true;
            }
            break;
        }
        case kMouse3DZoom:
            view_.Zoom3D = std::clamp(view_.Zoom3D + dy, kZoom3DMin, kZoom3DMax);
            fx.updateSlider = true;
            fx.repaintNow = true;
            break;
        case kMouseRotate:
            SetRotationDegrees(view_, view_.YawDegrees + dx, view_.PitchDegrees + dy);
            fx.invalidate = true;
            break;
    }
    refX_ = mx;
    refY_ = my;
    return fx;
}

void MapInteraction::FinishBand(Mission& mission, MouseKeys keys) {
    int left = std::min(band_.startX, band_.endX) + view_.ScrollX;
    int right = std::max(band_.startX, band_.endX) + view_.ScrollX;
    int top = std::min(band_.startY, band_.endY) + view_.ScrollY;
    int bottom = std::max(band_.startY, band_.endY) + view_.ScrollY;
    auto raw = [&](int pixels) {
        return int(ClampRaw(RawFromKm(double(pixels) / view_.Zoom - kMapHalfKm)));
    };
    int rl = raw(left), rr = raw(right), rt = raw(top), rb = raw(bottom);
    if (view_.Angle == kAngleFront || view_.Angle == kAngleSide) {
        // z grows upward: the bottom pixel edge is the lower z.
        const int t = -rb;
        rb = -rt;
        rt = t;
    }

    // A plain band replaces the selection, points included: a flight group
    // keeping stale point marks would move points nobody can see selected.
    if (!keys.shift && !keys.ctrl) ClearMapSelection(mission);

    for (auto& fg : mission.FlightGroups) {
        bool inside = false;
        for (int i = 0; i < kMapPointCount; ++i) {
            if (!fg->File.WaypointEnabled(i)) continue;
            int h = 0, v = 0;
            RawViewPair(view_.Angle, RawPointOf(*fg, i), h, v);
            if (h < rl || h >= rr || v < rt || v >= rb) continue;
            inside = true;
            auto& flag = fg->PointSelected[size_t(i)];
            flag = keys.shift ? (flag ? 0 : 1) : 1;
        }
        if (inside) fg->Selected = AnyEnabledPointSelected(*fg) ? 1 : 0;
    }
}

void MapInteraction::EndLeftDrag(Mission& mission, InteractionEffects& fx) {
    fx.release = true;
    fx.endChange = view_.MouseMode == kMousePointDrag;
    view_.MouseMode = kMouseNone;
    for (auto& fg : mission.FlightGroups) fg->MapState = 0;
    anchorFlightGroup_ = nullptr;
    anchorPoint_ = -1;
    fx.repaintNow = true;
    fx.refreshAll = true;
}

InteractionEffects MapInteraction::LeftUp(Mission& mission, int mx, int my, MouseKeys keys) {
    InteractionEffects fx;
    const bool click = !dragging_;
    const int mode = view_.MouseMode;
    switch (mode) {
        case kMousePan:
            if (click && !ctrlAtPress_) ClearMapSelection(mission);
            break;
        case kMousePointDrag:
            if (click && !ctrlAtPress_) {
                if (auto hit = HitTestMission(view_, mission, mx, my))
                    KeepOnlySelected(mission, *hit->flightGroup);
            }
            break;
        case kMouseBand:
            FinishBand(mission, keys);
            break;
        default:
            break;
    }
    if (mode == kMousePan || mode == kMousePointDrag || mode == kMouseBand || mode == kMouseRotate)
        EndLeftDrag(mission, fx);
    ctrlAtPress_ = false;
    fx.setMessage = true;
    return fx;
}

InteractionEffects MapInteraction::RightDown(int mx, int my, MouseKeys keys) {
    InteractionEffects fx;
    if (view_.MouseMode != kMouseNone) return fx;
    fx.capture = true;
    StartPress(mx, my, keys);
    view_.MouseMode = view_.Angle == kAngle3D ? kMouse3DZoom : kMouseFlatZoom;
    fx.setMessage = true;
    return fx;
}

InteractionEffects MapInteraction::RightUp(int mx, int my) {
    InteractionEffects fx;
    if (view_.MouseMode == kMouseFlatZoom) {
        fx.release = true;
        view_.MouseMode = kMouseNone;
        if (!dragging_) {
            ZoomAboutPoint(view_, mx, my, ctrlAtPress_);
            fx.updateSlider = true;
        }
        fx.repaintNow = true;
    } else if (view_.MouseMode == kMouse3DZoom) {
        fx.release = true;
        view_.MouseMode = kMouseNone;
        fx.repaintNow = true;
    } else {
        return fx;
    }
    ctrlAtPress_ = false;
    return fx;
}

InteractionEffects MapInteraction::DoubleClick(const Mission& mission) {
    InteractionEffects fx;
    fx.showFlightGroupProperties = mission.CountSelectedFlightGroups() > 0;
    return fx;
}

InteractionEffects MapInteraction::Cancel(Mission* mission) {
    InteractionEffects fx;
    if (view_.MouseMode == kMouseNone) return fx;
    fx.endChange = view_.MouseMode == kMousePointDrag;
    if (mission)
        for (auto& fg : mission->FlightGroups) fg->MapState = 0;
    view_.MouseMode = kMouseNone;
    anchorFlightGroup_ = nullptr;
    anchorPoint_ = -1;
    ctrlAtPress_ = false;
    fx.release = true;
    fx.repaintNow = true;
    fx.refreshAll = mission != nullptr;
    return fx;
}

}  // namespace vantorel
