#pragma once

#include "map/Interaction.h"
#include "map/ViewState.h"

namespace vantorel {

class Settings;

// Commands of the map window; the numbers are the command identifiers the
// menus, toolbars and accelerators use.
enum MapCommandId : int {
    kCmdSnapList = 227,
    kCmdZoomIn = 32772,
    kCmdZoomOut = 32773,
    kCmdViewCenter = 32777,
    kCmdViewTop = 32781,
    kCmdViewFront = 32782,
    kCmdViewSide = 32783,
    kCmdView3D = 32785,
    kCmdStalks = 32834,
    kCmdGrid3D = 32835,
    kCmdSelectionBox = 32836,
    kCmdAutoSelZoom = 32840,
    kCmdShowWaypoints = 32849,
    kCmdShowSelectionWaypoints = 32852,
    kCmdJoinWaypoints = 32864,
    kCmdShowFGNames = 32868,
    kCmdShowPointNames = 32869,
    kCmdZoomToFit = 32870,
    kCmdBandSelect = 32871,
};

// Enabled state and check mark of a command, as a menu item or button shows it.
struct CommandState {
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    // When set, the menu item reads this ("&Undo Move\tCtrl+Z").
    std::string text;
};

// "Always Zoom To Selection" is one value for every map window; each new
// window reads it again from the settings.
bool AutoSelZoom();
void SetAutoSelZoom(bool on);

// Reads the stored display switches and the snap choice into a new window's
// state, and the shared AutoSelZoom.
void LoadMapSettings(ViewState& view, Settings& settings);

// The snap list's choice: kept in the view and stored at once.
void SetSnapIndex(ViewState& view, Settings& settings, int index);

// State of a map command; false when the id is not one of the map's.
bool MapCommandState(const ViewState& view, int id, CommandState& state);

// Runs a map command: stored switches are written at once. Returns false
// when the id is not one of the map's. `fx` says what to repaint.
bool RunMapCommand(ViewState& view, Settings& settings, int id, InteractionEffects& fx);

}  // namespace vantorel
