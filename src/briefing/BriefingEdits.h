#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mission/BriefingCommands.h"

namespace vantorel {

class LevelDocument;

// The edits of a briefing (0 to 7), each one named step of Undo through the
// document's Commit. What is shown reads the block itself with
// DecodeBriefing (mission/BriefingCommands.h); these change it.
//
// Every edit of the event list writes the block anew: both counts
// recomputed, the end event kept last (added at 9999 with the first event of
// an empty briefing), and the words the old list used but the new one does
// not zeroed; words after the old list stay as they were. A list that would
// not fit its 400 words is refused with the document's prompter saying
// "A briefing holds at most 400 words of events; this one would need N."
//
// Each returns whether the mission changed. A block that does not decode is
// read-only: its edits change nothing. So does a position past the list, an
// event of a type whose parameters are unknown, or an attempt to delete,
// move or retype the end event (its time may change).

// Each step is named for what it did to which kind of event: "Insert
// Caption", "Delete Flight Group Tag", "Change Move Map"; several events
// deleted or inserted at once are "Delete 3 Briefing Events".

// Puts the event at `position` of the list (clamped to the place before the
// end event).
bool InsertBriefingEvent(LevelDocument& doc, int briefing, int position,
                         const BriefingEvent& event);
// The same for several events, in their order, as one step.
bool InsertBriefingEvents(LevelDocument& doc, int briefing, int position,
                          const std::vector<BriefingEvent>& events);
bool DeleteBriefingEvent(LevelDocument& doc, int briefing, int position);
// Deletes every event at the positions given, as one step. The end event and
// positions past the list are left out; false when nothing is left to delete.
bool DeleteBriefingEvents(LevelDocument& doc, int briefing, std::vector<int> positions);
// Takes the event at `from` out and puts it back at `to` (both before the end).
bool MoveBriefingEvent(LevelDocument& doc, int briefing, int from, int to);
// With `shiftLater`, a new time moves every event listed after this one
// (the end event aside) by the same amount, in the same step.
bool ChangeBriefingEvent(LevelDocument& doc, int briefing, int position, const BriefingEvent& event,
                         bool shiftLater = false);
// Moves every event at or after `from` (ticks) by `ticks`, none below 0 or
// past 65535; the end event stays where it is.
bool ShiftBriefingEvents(LevelDocument& doc, int briefing, int from, int ticks);

bool SetBriefingRunningTime(LevelDocument& doc, int briefing, uint16_t ticks);
// Shows the briefing to team (0 to 9) or not.
bool SetBriefingTeam(LevelDocument& doc, int briefing, int team, bool shown);

// Tag and string texts (Windows-1252). Edits with the same merge key in a row
// (what is typed into one box) are one step of Undo. A tag of 40 characters
// or more is refused with a message (kBriefingTagTooLongText): the game
// crashes when a briefing shows it.
bool SetBriefingTag(LevelDocument& doc, int briefing, int tag, const std::string& text,
                    const std::string& mergeKey = {});
bool SetBriefingString(LevelDocument& doc, int briefing, int index, const std::string& text,
                       const std::string& mergeKey = {});

// Puts flight group `flightGroup` at (x, y) on briefing `briefing`'s map:
// its "Team k Briefing" position, enabled; z is kept.
bool MoveBriefingPosition(LevelDocument& doc, int briefing, int flightGroup, int x, int y);

// "A tag of 40 characters or more crashes the game when a briefing shows
// it; this one has N."
std::string BriefingTagTooLongText(int length);

// The event made another kind: the parameters that mean the same thing for
// both are kept (a caption turned into a title keeps its string, a tag moved
// to another slot its flight group or its tag and place), the others start
// as a new event's (zeros; a zoom of the default briefing zoom).
BriefingEvent RetypedBriefingEvent(const BriefingEvent& from, int type);

// Where an event at `time` goes to keep a list in time order: after every
// event at or before that time, before the end.
int BriefingInsertPosition(const BriefingScript& script, int time);

}  // namespace vantorel
