#pragma once

#include <string>

#include "map/ViewState.h"

namespace vantorel {

struct FlightGroup;
struct Mission;

// Keys held with a mouse event.
struct MouseKeys {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// What the window has to do after the interaction handled an event. The
// state machine itself never touches a window, so it runs in tests as is.
struct InteractionEffects {
    bool capture = false;       // grab the mouse
    bool release = false;       // let it go
    bool invalidate = false;    // repaint when convenient
    bool repaintNow = false;    // repaint before returning to the user
    bool drawBand = false;      // put the last frame back and draw the band on it
    bool modified = false;      // points moved in place (the drag's change is open)
    bool beginChange = false;   // a point drag starts: what it moves becomes one edit
    bool endChange = false;     // the point drag is over: record its edit
    bool refreshAll = false;    // property windows reload
    bool updateSlider = false;  // the zoom slider follows the view
    bool showFlightGroupProperties = false;
    bool setMessage = false;  // status pane 0 gets `message`
    std::string message;
    bool setCoordinates = false;  // status pane 1 gets `coordinates`
    std::string coordinates;
};

// The rectangle of a band selection in client pixels: where the button went
// down and where the mouse is now.
struct BandRect {
    int startX = 0, startY = 0, endX = 0, endY = 0;
};

inline constexpr const char* kBandSelectionHint =
    "Hold down control to add to the current selection or shift to toggle selection";

// The mouse modes of one map window: pan, point drag, band selection, zoom
// drags and 3D rotation, with the selection rules that go with them. The
// mode itself is ViewState::MouseMode so the paint can tell a drag is on.
class MapInteraction {
public:
    explicit MapInteraction(ViewState& view) : view_(view) {}

    // How far (in pixels, counted across plus down from the press) the
    // mouse must move with a button held before anything moves. Below it a
    // press and release is a click: a hand that trembles by a pixel moves no
    // flight group and no map. 0 (the default) takes any movement as a drag.
    // The band selection is drawn from the first pixel either way.
    void SetDragThreshold(int pixels) { dragThreshold_ = pixels < 0 ? 0 : pixels; }
    int DragThreshold() const { return dragThreshold_; }

    InteractionEffects LeftDown(Mission& mission, int mx, int my, MouseKeys keys);
    InteractionEffects MouseMove(Mission& mission, int mx, int my);
    InteractionEffects LeftUp(Mission& mission, int mx, int my, MouseKeys keys);
    InteractionEffects RightDown(int mx, int my, MouseKeys keys);
    InteractionEffects RightUp(int mx, int my);
    InteractionEffects DoubleClick(const Mission& mission);

    // Forget a drag without finishing it (the window lost the mouse, the
    // document went away). Drag marks are cleared so none is left behind.
    InteractionEffects Cancel(Mission* mission);

    const BandRect& Band() const { return band_; }
    bool CtrlAtPress() const { return ctrlAtPress_; }
    // The held button has moved past the drag threshold: its release is no
    // click.
    bool Dragging() const { return dragging_; }
    const FlightGroup* AnchorFlightGroup() const { return anchorFlightGroup_; }
    int AnchorPoint() const { return anchorPoint_; }

private:
    void StartPress(int mx, int my, MouseKeys keys);
    // Whether the held button has gone far enough to drag; decided once.
    bool DragStarted(int mx, int my);
    void MovePoints(Mission& mission, int dx, int dy, int mx, int my, InteractionEffects& fx);
    void FinishBand(Mission& mission, MouseKeys keys);
    void EndLeftDrag(Mission& mission, InteractionEffects& fx);

    ViewState& view_;
    bool ctrlAtPress_ = false;
    int refX_ = 0, refY_ = 0;
    int pressX_ = 0, pressY_ = 0;
    int dragThreshold_ = 0;
    bool dragging_ = false;
    BandRect band_;
    FlightGroup* anchorFlightGroup_ = nullptr;
    int anchorPoint_ = -1;
};

}  // namespace vantorel
