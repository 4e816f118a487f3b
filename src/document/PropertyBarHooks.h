#pragma once

namespace vantorel {

// What the document and the pages ask of the docked level properties bar,
// the hub of every open property window. Neither talks to a window directly:
// after a change they ask for a refresh and a redraw, and before anything
// reads the whole mission every window writes back its pending edits.
class PropertyBarHooks {
public:
    virtual ~PropertyBarHooks() = default;

    // Every open property window writes its pending edits into the mission.
    virtual void ApplyAll() = 0;
    // Every open property window reloads from the mission.
    virtual void RefreshAll() = 0;
    // Every view of the current document redraws completely.
    virtual void UpdateViews() = 0;

    // The flight group window: shown on the selection, or reloaded (hidden
    // when nothing is selected).
    virtual void ShowFlightGroupProperties() {}
    virtual void RefreshFlightGroupProperties() {}
    // The team window on the current team, and the message window on the
    // current message.
    virtual void ShowTeamProperties() {}
    virtual void RefreshTeamProperties() {}
    virtual void ShowMessageProperties() {}
    virtual void RefreshMessageProperties() {}
    // Every map of the document moves to show the selection.
    virtual void MoveViewsToSelection() {}
};

// For documents with no window at all (the command-line tool, tests that do
// not care about the calls).
class NoPropertyBar final : public PropertyBarHooks {
public:
    void ApplyAll() override {}
    void RefreshAll() override {}
    void UpdateViews() override {}
};

}  // namespace vantorel
