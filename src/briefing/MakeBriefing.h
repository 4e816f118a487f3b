#pragma once

#include <string>

namespace vantorel {

class LevelDocument;
struct Mission;

// Make Briefing: a first briefing made from the mission, so that no mission
// has to ship without one. For briefing b (0 to 7) it
// - shows it to the teams that have players;
// - gives every flight group with a start point its "Team b+1 Briefing"
//   position there, when no flight group has that position enabled yet (a
//   mission that places some groups for this briefing keeps its choice);
// - moves and zooms so the groups it shows are framed as Zoom to Fit frames
//   a map of the briefing's size;
// - tags the players' flight groups first, one a second;
// - for each primary goal of those teams (team goals, then flight group
//   goals, in list order), shows a caption made from the goal's sentence
//   with the flight group it names [highlighted], and tags that group, with a
//   stop point between goals;
// - ends with the end event, and a running time that covers the whole list.
//
// It replaces the briefing's event list; the strings and tags the old events
// showed are emptied first, and only empty ones are used. Goals past the
// strings left or the 400 words are left out and counted.
struct MakeBriefingResult {
    bool made = false;
    std::string problem;  // why nothing was made
    int captions = 0;
    int goalsLeftOut = 0;
    int positionsSet = 0;  // flight groups given their briefing position
};

inline constexpr int kMakeBriefingSecondsPerGoal = 5;

// Builds the briefing into the mission in place.
MakeBriefingResult MakeBriefing(Mission& mission, int briefing);
// The same through the document, as one step of Undo, "Make Briefing".
MakeBriefingResult MakeBriefing(LevelDocument& doc, int briefing);

}  // namespace vantorel
