#pragma once

#include <array>

#include "briefing/BriefingViewport.h"
#include "mission/BriefingCommands.h"

namespace vantorel {

// A text tag on the map: which of the 32 tags, where (position units), in
// which colour, and the event that put it there.
struct BriefingTextTagShown {
    int tag = -1;  // -1: the slot is empty
    int x = 0;
    int y = 0;
    int colour = 0;
    int event = -1;
    bool operator==(const BriefingTextTagShown&) const = default;
};

// What the pilot sees at one moment of a briefing: the view from the last
// move and zoom events, the flight group and text tags by slot, and the
// current caption and title. Two moments that show the same thing compare
// equal, so a player repaints only when this changes.
struct BriefingShown {
    BriefingView view;
    std::array<int, kBriefingTagSlots> fgTags;  // flight group by slot, -1 for none
    std::array<BriefingTextTagShown, kBriefingTagSlots> textTags{};
    int caption = -1;  // string index, -1 for none
    int title = -1;

    BriefingShown() { fgTags.fill(-1); }
    bool operator==(const BriefingShown&) const = default;
};

// The game reads the list in order and waits at an event until its time has
// come, so an event listed after a later one happens no earlier than that
// one. The number of events that have happened at `tick`: the list up to
// the first event whose time is still to come.
int BriefingEventsHappened(const BriefingScript& script, int tick);

// What shows at `tick`, once every event that has happened has done its
// part. The end event shows nothing.
BriefingShown BriefingShownAt(const BriefingScript& script, int tick);

// Where playback ends: the running time, or the last event before the end
// when that comes later.
int BriefingPlaybackEnd(const BriefingScript& script);

// Times to jump to from `tick`, for the player's buttons: the next event to
// happen (-1 when none is left before the end), the latest event time before
// `tick` (0 when none), the next stop point (the playback end when none).
int NextBriefingEventTime(const BriefingScript& script, int tick);
int PreviousBriefingEventTime(const BriefingScript& script, int tick);
int NextBriefingStopTime(const BriefingScript& script, int tick);

}  // namespace vantorel
