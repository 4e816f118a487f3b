#include "app/CommandTexts.h"

#include "ui/CommandIds.h"

namespace vantorel {

namespace {

struct Entry {
    int id;
    CommandText text;
};

constexpr Entry kTexts[] = {
    {kCmdZoomSlider, {"Drag the slider to adjust the map's zoom level.", "Zoom Slider"}},
    {kCmdSnapList, {"Select the grid snap size.", "Snap To Grid"}},
    {kCmdZoomIn, {"Enlarges the map.", "Zoom In"}},
    {kCmdZoomOut, {"Shrinks the map.", "Zoom Out"}},
    {kCmdLevelProperties, {"Toggles the level properties window.", "Level Properties"}},
    {kCmdViewProblems, {"Toggles the window of the mission's problems.", "Problems"}},
    {kCmdCheckMission,
     {"Looks for what the game would reject or play wrongly and lists it in the Problems window.",
      "Check Mission"}},
    {kCmdViewHistory, {"Toggles the window that lists the steps of Undo and Redo.", "History"}},
    {kCmdBriefing,
     {"Plays the mission's briefings on their map and edits them as they play.", "Briefing"}},
    {kCmdMakeBriefing,
     {"Makes a first briefing from the mission's goals: the players' groups and each goal's "
      "target tagged, each goal as a caption.",
      "Make Briefing"}},
    {kCmdViewMissionFlow,
     {"Shows what waits for what in the mission, and what can never happen.", "Mission Flow"}},
    {kCmdViewCenter, {"Moves the map to the center of the level.", "View Center"}},
    {kCmdZoomToFit, {"Zooms and moves the map so every flight group is in view.", "Zoom to Fit"}},
    {kCmdNewFlightGroup, {"Create a new flight group.", "New Flight Group"}},
    {kCmdDeleteFlightGroup, {"Delete the currently selected flightgroup.", "Delete Flightgroup"}},
    {kCmdFlightGroupProperties,
     {"Displays the properties for the selected flightgroups.", "Flightgroup Properties"}},
    {kCmdViewTop, {"Displays the map in a top-down view (x/y).", "View Top"}},
    {kCmdViewFront, {"Displays the map from the front (x/z).", "View Front"}},
    {kCmdViewSide, {"Displays the map from the side (y/z).", "View Side"}},
    {kCmdView3D, {"Displays the map in 3D.", "View 3D"}},
    {kCmdFlightGroupWizard, {"Displays the new flightgroup Wizard.", "Flightgroup Wizard"}},
    {kCmdTeamProperties,
     {"Displays the properties of the currently selected team.", "Team Properties"}},
    {kCmdNewMessage, {"Creates a new radio message.", "New Radio Message"}},
    {kCmdDeleteMessage, {"Deletes the current radio message.", "Delete Radio Message"}},
    {kCmdMessageProperties,
     {"Displays the properties for the selected radio message.", "Radio Message Properties"}},
    {kCmdToolbarMessages, {"Show or hide the radio message toolbar.", "Toggle Message Toolbar"}},
    {kCmdStalks,
     {"Toggles the vertical line from the flightgroup to the horizontal zero plane.", "Stalks"}},
    {kCmdGrid3D, {"Toggles the grid in 3D mode.", "3D Grid"}},
    {kCmdSelectionBox,
     {"Toggles the selection rectangle to indicate selected flight groups.",
      "Toggle Selection Box"}},
    {kCmdNewMissionWizard,
     {"Runs the new mission wizard which helps create a new mission.", "New Mission Wizard"}},
    {kCmdViewSelection, {"Moves the map to the current selection.", "View Selection"}},
    {kCmdAutoSelZoom,
     {"Automatically moves the map to the current selection.", "Always Zoom To Selection"}},
    {kCmdOptions, {"Allows you to change the program's settings.", ""}},
    {kCmdShowWaypoints,
     {"Displays all flightgroup's waypoints, hyperspace point and rendezvous point on the map.",
      "Show Waypoints"}},
    {kCmdShowSelectionWaypoints,
     {"Displays the currently selected flightgroups' waypoints, hyperspace point and rendezvous "
      "point on the map.",
      "Show Selection Waypoints"}},
    {kCmdToolbarMap, {"Toggles the map toolbar.", "Map Toollbar"}},
    {kCmdJoinWaypoints, {"Draws a line between start points and waypoints.", "Join Waypoints"}},
    {kCmdBandSelect,
     {"While on, a drag on empty map space draws a band that selects the flight groups in it; "
      "Alt+drag always does.",
      "Band Select (or Alt+drag)"}},
    {kCmdShowFGNames,
     {"Draws the name of each flightgroup next to it's icon.", "Show Flightgroup Names"}},
    {kCmdShowPointNames,
     {"Displays the name of each flightgroup's rendezvous, hyperspace, start and way points.",
      "Show Point Names"}},
    {kCmdToolbarStandard, {"Show or hide the standard toolbar", "Toggle Standard Toolbar"}},
    {kCmdStatusBar, {"Show or hide the status bar", "Toggle Status Bar"}},
    {kCmdToolbarFlightGroup,
     {"Show or hide the flightgroup toolbar", "Toggle Flightgroup Toolbar"}},

    // The usual prompts of the standard commands.
    {kCmdFileNew, {"Create a new document", "New"}},
    {kCmdFileOpen, {"Open an existing document", "Open"}},
    {kCmdFileClose, {"Close the active document", "Close"}},
    {kCmdFileSave, {"Save the active document", "Save"}},
    {kCmdFileSaveAs, {"Save the active document with a new name", "Save As"}},
    {kCmdEditUndo, {"Undo the last action", "Undo"}},
    {kCmdEditRedo, {"Redo the previously undone action", "Redo"}},
    {kCmdEditCut, {"Cut the selection and put it on the Clipboard", "Cut"}},
    {kCmdEditCopy, {"Copy the selection and put it on the Clipboard", "Copy"}},
    {kCmdEditPaste, {"Insert Clipboard contents", "Paste"}},
    {kCmdEditDuplicate, {"Copies the selected flight groups beside themselves.", "Duplicate"}},
    {kCmdEditSelectAll, {"Selects every flight group.", "Select All"}},
    {kCmdEditSelectNone, {"Deselects every flight group.", "Select None"}},
    {kCmdEditInvertSelection,
     {"Selects the flight groups that are not selected, and deselects the others.",
      "Invert Selection"}},
    {kCmdEditFind, {"Narrows the flight group or message list to what you type.", "Find"}},
    {kCmdWindowNew, {"Open another window for the active document", "New Window"}},
    {kCmdWindowArrange, {"Arrange icons at the bottom of the window", "Arrange Icons"}},
    {kCmdWindowCascade, {"Arrange windows so they overlap", "Cascade Windows"}},
    {kCmdWindowTile, {"Arrange windows as non-overlapping tiles", "Tile Windows"}},
    {kCmdAppAbout, {"Display program information, version number and copyright", "About"}},
    {kCmdAppExit, {"Quit the application; prompts to save documents", "Exit"}},
};

}  // namespace

CommandText CommandTextOf(int id) {
    for (const auto& e : kTexts)
        if (e.id == id) return e.text;
    if (id >= kCmdRecentFirst && id < kCmdRecentFirst + 8) return {"Open this document", ""};
    return {};
}

}  // namespace vantorel
