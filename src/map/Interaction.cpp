#include "map/Interaction.h"

#include <algorithm>
#include <cstdlib>

#include "document/Mission.h"
#include "map/InteractionHitTest.h"
#include "map/InteractionSelection.h"
#include "map/MapUnits.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/SnapDrag.h"

namespace vantorel {

namespace {
constexpr int kFlatZoomMin = 2;
constexpr int kFlatZoomMax = 1000;
constexpr int kZoom3DMin = -970;
constexpr int kZoom3DMax = 1000;
}  // namespace

void MapInteraction::StartPress(int mx, int my, MouseKeys keys) {
    refX_ = mx;
    refY_ = my;
    ctrlAtPress_ = keys.ctrl;
    movedX_ = movedY_ = 0;
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

    if (keys.alt) {
        view_.MouseMode = kMouseBand;
        band_ = {mx, my, mx, my};
        fx.message = kBandSelectionHint;
    } else {
        view_.MouseMode = kMousePan;
    }
    return fx;
}

InteractionEffects MapInteraction::MouseMove(Mission& mission, int mx, int my) {
    InteractionEffects fx;
    movedX_ += std::abs(refX_ - mx);
    movedY_ += std::abs(refY_ - my);
    int dx = refX_ - mx;
    int dy = refY_ - my;

    switch (view_.MouseMode) {
        case kMouseNone:
            fx.setCoordinates = true;
            fx.coordinates = StatusReadout(view_, mx, my);
            return fx;  // no drag: the reference is not used
        case kMousePan:
            if (view_.Angle == kAngle3D) {
                // Turn the mouse movement into the rotated map so the map
                // follows the mouse however it is turned.
                RotatePairInt(dx, dy, -view_.Yaw);
                dx = -dx;
                dy = -dy;
            }
            SetScrollPosition(view_, view_.ScrollX + dx, view_.ScrollY + dy);
            fx.invalidate = true;
            break;
        case kMousePointDrag: {
            RawPoint anchor;
            const RawPoint* anchorPtr = nullptr;
            // The anchor may have been deleted during the drag (the Delete
            // key still works while the mouse is held): then snap without it.
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
            if (!step.Moves()) return fx;
            bool changed = false;
            for (auto& fg : mission.FlightGroups) {
                if (!fg->MapState) continue;
                for (int i = 0; i < kMapPointCount; ++i) {
                    if (!fg->PointSelected[size_t(i)]) continue;
                    RawPoint before = RawPointOf(*fg, i);
                    RawPoint after = ApplySnapStep(view_.Angle, before, step);
                    if (after != before) {
                        SetRawPoint(*fg, i, after);
                        changed = true;
                    }
                }
            }
            // A step against the end of the coordinate range moves nothing
            // and must not mark the document changed.
            fx.modified = changed;
            fx.invalidate = true;
            return fx;
        }
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
    const bool click = movedX_ == 0 && movedY_ == 0;
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
        if (movedX_ == 0 && movedY_ == 0) {
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
