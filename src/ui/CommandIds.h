#pragma once

#include "map/InteractionCommands.h"

namespace vantorel {

// Command identifiers of the menus, toolbars and accelerators. The map's own
// commands are in map/InteractionCommands.h.
enum CommandId : int {
    kCmdZoomSlider = 222,

    kCmdLevelProperties = 32775,
    kCmdNewFlightGroup = 32778,
    kCmdDeleteFlightGroup = 32779,
    kCmdFlightGroupProperties = 32780,
    kCmdFlightGroupWizard = 32787,
    kCmdTeamProperties = 32809,
    kCmdNewMessage = 32810,
    kCmdDeleteMessage = 32812,
    kCmdMessageProperties = 32813,
    kCmdToolbarMessages = 32815,
    kCmdNewMissionWizard = 32837,
    kCmdViewSelection = 32838,
    kCmdOptions = 32841,
    kCmdToolbarMap = 32862,
    kCmdCheckMission = 32880,
    kCmdViewProblems = 32881,
    kCmdEditSelectNone = 32890,
    kCmdEditInvertSelection = 32891,
    kCmdEditDuplicate = 32892,
    kCmdViewHistory = 32893,
    kCmdBriefing = 32940,
    kCmdMakeBriefing = 32941,
    kCmdViewMissionFlow = 32936,

    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdRecentFirst = 57616,  // eight in a row
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditFind = 57636,
    kCmdEditPaste = 57637,
    kCmdEditSelectAll = 57642,
    kCmdEditUndo = 57643,
    kCmdEditRedo = 57644,
    kCmdWindowNew = 57648,
    kCmdWindowArrange = 57649,
    kCmdWindowCascade = 57650,
    kCmdWindowTile = 57651,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,

    kCmdToolbarStandard = 59392,
    kCmdStatusBar = 59393,
    kCmdToolbarFlightGroup = 59394,
};

inline constexpr int kRecentFileCount = 8;

// The keys of Edit > Find, which the Find boxes of the level sheet name.
inline constexpr const char* kFindKeys = "Ctrl+E";

}  // namespace vantorel
