#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mission/Mission.h"

namespace vantorel::cli {

// The mission as the JSON of `dump`: every field by name, and whatever bytes
// the names do not give back (carried bytes, characters left behind a text's
// end) as "otherBytes", so that MissionFromJson makes the same file again.
std::string MissionToJson(const Mission& mission);

// One briefing object of that JSON, for `briefing --json`.
class JsonWriter;
void PutBriefingJson(JsonWriter& j, const Briefing& briefing);

// The mission that JSON describes. What it leaves out has the values of a new
// mission, flight group or message. False with one "path: what is wrong"
// line per problem when it does not describe one; `out` is then unchanged.
bool MissionFromJson(std::string_view json, Mission& out, std::vector<std::string>& errors);

// Bytes as lowercase hex and back (false for anything that is not pairs of
// hex digits).
std::string HexFromBytes(const uint8_t* p, size_t n);
bool BytesFromHex(std::string_view hex, std::vector<uint8_t>& out);

}  // namespace vantorel::cli
