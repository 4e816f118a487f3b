#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

struct Mission;

// One entry of a flight group's CMD description (the role the player's
// combat multiview display shows for the group, per team). Stored as a team
// character ("A" all teams, "1".."8" the mission's teams) and a three-letter
// role code, up to four entries.
struct CmdEntry {
    // 1 all teams, 2..9 the mission's teams 0..7, 0 none.
    int team = 0;
    // The role, 0..11; -1 none.
    int role = -1;
    // A team character the editor never writes ('.', 'Z', 'a', ...) reads as
    // no team but is written back as it was, until a team is picked.
    int keptTeamCharacter = -1;
};

inline constexpr int kCmdEntryCount = 4;
inline constexpr int kCmdAllTeams = 1;

// The team index of a team character; 0 for one the editor does not write.
int CmdTeamIndex(unsigned char character);

// The entries of a description, up to four; decoding stops at the end, at a
// role code it does not know (compared ignoring letter case), or where fewer
// than three characters follow a team character.
std::vector<CmdEntry> DecodeCmdDescription(std::string_view text);

// The description of these rows, in order: a row without a team or a role
// adds nothing. At most 16 characters.
std::string EncodeCmdDescription(const std::vector<CmdEntry>& rows);

// Descriptions are the same when they differ in letter case only.
bool SameCmdDescription(std::string_view a, std::string_view b);

// "All: Primary Target", "<team name>: Secondary Target" (Windows-1252).
std::string CmdEntryText(const CmdEntry& entry, const Mission* mission);

}  // namespace vantorel
