#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "mission/BriefingCommands.h"

namespace vantorel::cli {

class JsonWriter;
struct JsonValue;

// A briefing's command block in the JSON of dump and write: "runningTime",
// "unknownWord", "viewedBy" (team numbers 1 to 10) and "events", each event
// an object with "time" (ticks), "event" and its parameters. What the names
// do not give back goes beside them: "wordsAfterList" (the event area's
// bytes after the list, in hex, trailing zeros left out) and "teamBytes"
// (the ten team bytes, when one is neither 0 nor 1). A block that does not
// decode is "commands", its 820 bytes in hex, with the reason in
// "unreadable" (for reading; write ignores it).
void PutBriefingCommands(JsonWriter& j, const BriefingCommandBlock& block);

// The JSON names of the events: "stop", "title", ..., "end"; empty for a
// type that has none.
std::string_view BriefingEventKey(int type);

// Reads those keys of one briefing object into the block. `take` gives the
// value of a key (null when it is not there) and marks it as read; `error`
// is told each problem with its JSON path (`path` is the briefing's, such as
// "briefings[2]"). Events given without counts get computed counts; an event
// list without an end event gets one at 9999.
using JsonTake = std::function<const JsonValue*(std::string_view key)>;
using JsonError = std::function<void(const std::string& path, const std::string& what)>;
void ReadBriefingCommands(const JsonTake& take, const std::string& path,
                          BriefingCommandBlock& block, const JsonError& error);

}  // namespace vantorel::cli
