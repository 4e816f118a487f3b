#include "map/InteractionCommands.h"

#include <algorithm>

#include "map/ScrollZoom.h"
#include "platform/Settings.h"

namespace vantorel {

namespace {

bool g_autoSelZoom = true;

constexpr const char* kSettings = "Settings";
constexpr const char* k3DView = "3D View";

// A stored switch: its command, where it lives and which field it is.
struct StoredSwitch {
    int id;
    const char* section;
    const char* key;
    bool ViewState::*field;
    bool only3D;
    bool fallback;  // without a stored value
};

constexpr StoredSwitch kStoredSwitches[] = {
    {kCmdStalks, k3DView, "Stalks", &ViewState::ShowStalks, true, true},
    {kCmdGrid3D, k3DView, "Grid", &ViewState::ShowGrid3D, true, true},
    {kCmdSelectionBox, kSettings, "ShowSelBox", &ViewState::ShowSelBox, false, true},
    {kCmdJoinWaypoints, kSettings, "JoinWaypoints", &ViewState::JoinWaypoints, false, true},
    {kCmdShowFGNames, kSettings, "ShowFGNames", &ViewState::ShowFGNames, false, true},
    {kCmdShowPointNames, kSettings, "ShowPointNames", &ViewState::ShowPointNames, false, true},
    {kCmdBandSelect, kSettings, "BandSelect", &ViewState::BandSelect, false, false},
};

const StoredSwitch* FindSwitch(int id) {
    for (const auto& s : kStoredSwitches)
        if (s.id == id) return &s;
    return nullptr;
}

int AngleOfCommand(int id) {
    switch (id) {
        case kCmdViewTop:
            return kAngleTop;
        case kCmdViewFront:
            return kAngleFront;
        case kCmdViewSide:
            return kAngleSide;
        case kCmdView3D:
            return kAngle3D;
        default:
            return -1;
    }
}

}  // namespace

bool AutoSelZoom() {
    return g_autoSelZoom;
}
void SetAutoSelZoom(bool on) {
    g_autoSelZoom = on;
}

void LoadMapSettings(ViewState& view, Settings& settings) {
    for (const auto& s : kStoredSwitches)
        view.*s.field = settings.GetInt(s.section, s.key, s.fallback ? 1 : 0) != 0;
    g_autoSelZoom = settings.GetInt(kSettings, "AutoSelZoom", 1) != 0;
    // A stored position outside the list would leave the list blank and the
    // drag snapping to a step nobody chose.
    int snap = settings.GetInt(kSettings, "Snap", 0);
    view.SnapIndex = (snap >= 0 && snap <= 10) ? snap : 0;
}

void SetSnapIndex(ViewState& view, Settings& settings, int index) {
    if (index < 0 || index > 10) return;
    view.SnapIndex = index;
    settings.SetInt(kSettings, "Snap", index);
}

bool MapCommandState(const ViewState& view, int id, CommandState& state) {
    state = CommandState{};
    if (const StoredSwitch* s = FindSwitch(id)) {
        state.checkable = true;
        state.checked = view.*s->field;
        state.enabled = !s->only3D || view.Angle == kAngle3D;
        return true;
    }
    if (int angle = AngleOfCommand(id); angle >= 0) {
        state.checkable = true;
        state.checked = view.Angle == angle;
        return true;
    }
    switch (id) {
        case kCmdZoomIn:
            state.enabled = ZoomInEnabled(view);
            return true;
        case kCmdZoomOut:
            state.enabled = ZoomOutEnabled(view);
            return true;
        case kCmdViewCenter:
            return true;
        case kCmdAutoSelZoom:
            state.checkable = true;
            state.checked = g_autoSelZoom;
            return true;
        case kCmdShowWaypoints:
            state.checkable = true;
            state.checked = view.ShowWaypoints;
            return true;
        case kCmdShowSelectionWaypoints:
            state.checkable = true;
            state.checked = view.ShowSelectionWaypoints;
            return true;
        default:
            return false;
    }
}

bool RunMapCommand(ViewState& view, Settings& settings, int id, InteractionEffects& fx) {
    if (const StoredSwitch* s = FindSwitch(id)) {
        // The 3D-only switches are disabled elsewhere; an accelerator must not
        // get round that.
        if (s->only3D && view.Angle != kAngle3D) return true;
        view.*s->field = !(view.*s->field);
        settings.SetInt(s->section, s->key, view.*s->field ? 1 : 0);
        fx.repaintNow = true;
        return true;
    }
    if (int angle = AngleOfCommand(id); angle >= 0) {
        SetAngle(view, angle);
        fx.updateSlider = true;
        fx.repaintNow = true;
        return true;
    }
    switch (id) {
        case kCmdZoomIn:
            if (ZoomInEnabled(view)) ZoomIn(view);
            fx.updateSlider = true;
            fx.repaintNow = true;
            return true;
        case kCmdZoomOut:
            if (ZoomOutEnabled(view)) ZoomOut(view);
            fx.updateSlider = true;
            fx.repaintNow = true;
            return true;
        case kCmdViewCenter:
            CentreOnMap(view);
            fx.repaintNow = true;
            return true;
        case kCmdAutoSelZoom:
            g_autoSelZoom = !g_autoSelZoom;
            settings.SetInt(kSettings, "AutoSelZoom", g_autoSelZoom ? 1 : 0);
            return true;
        case kCmdShowWaypoints:
            if (view.ShowSelectionWaypoints) view.ShowSelectionWaypoints = false;
            view.ShowWaypoints = !view.ShowWaypoints;
            fx.repaintNow = true;
            return true;
        case kCmdShowSelectionWaypoints:
            if (view.ShowWaypoints) view.ShowWaypoints = false;
            view.ShowSelectionWaypoints = !view.ShowSelectionWaypoints;
            fx.repaintNow = true;
            return true;
        default:
            return false;
    }
}

}  // namespace vantorel
