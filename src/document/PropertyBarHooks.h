#pragma once

namespace vantorel {

// What the document asks of the docked level properties bar, the hub of every
// open property window. The document never talks to a window directly: after
// it changes the mission it asks for a refresh and a redraw, and before it
// reads the whole mission it has every window write back its pending edits.
class PropertyBarHooks {
public:
    virtual ~PropertyBarHooks() = default;

    // Every open property window writes its pending edits into the mission.
    virtual void ApplyAll() = 0;
    // Every open property window reloads from the mission.
    virtual void RefreshAll() = 0;
    // Every view of the current document redraws completely.
    virtual void UpdateViews() = 0;
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
