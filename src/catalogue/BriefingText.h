#pragma once

#include <string>

#include "mission/BriefingCommands.h"
#include "mission/Mission.h"

namespace vantorel {

// The words for briefings, as `briefing`, `report`, the check and the
// delete's question show them. Texts are in the mission's code page
// (Windows-1252), like every sentence composer's.

// Ticks as minutes, seconds and hundredths: 65 ticks read "0:03.25".
std::string BriefingTimeText(int ticks);

// One event: `caption 2 "[Red] launches from the Independence"`,
// `flight group tag 1: Red (3)`, `move map to 120, -40`. Strings, tags and
// flight groups are counted from 0 as the file stores them; tag slots from 1.
std::string BriefingEventText(const BriefingEvent& event, const Briefing& briefing,
                              const Mission& mission);

// What an event is, without its parameters: "caption", "flight group tag 1".
std::string BriefingEventName(const BriefingEvent& event);

// What an event is, as a title for the Edit menu ("Insert Caption") and the
// window's lists: "Caption", "Flight Group Tag", "Move Map".
std::string BriefingEventTitle(int type);

// The flight group an event names: "Red (3)", "flight group 3" when it has
// no name, "flight group 40, which does not exist".
std::string BriefingFlightGroupText(int index, const Mission& mission);

// Briefing b (0 to 7) in lines: the teams shown it, the running time, the
// words its events take, then one event a line; or why its block cannot be
// read. Ends with a newline.
std::string BriefingReportText(const Mission& mission, int b);

}  // namespace vantorel
