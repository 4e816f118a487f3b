#include "properties/logic/CmdDescription.h"

#include "catalogue/CraftWordLists.h"
#include "catalogue/TeamName.h"

namespace vantorel {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

int RoleOfCode(std::string_view code) {
    const auto roles = CmdRoles();
    for (size_t r = 0; r < roles.size(); ++r)
        if (SameIgnoringCase(code, roles[r].code)) return int(r);
    return -1;
}

}  // namespace

int CmdTeamIndex(unsigned char c) {
    if (c == 'A') return kCmdAllTeams;
    // '1' is the first team, index 2: the character's code minus 47.
    if (c >= '1' && c <= '8') return c - 47;
    return 0;
}

std::vector<CmdEntry> DecodeCmdDescription(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<CmdEntry> entries;
    size_t i = 0;
    while (i < text.size() && entries.size() < size_t(kCmdEntryCount)) {
        CmdEntry e;
        const auto c = static_cast<unsigned char>(text[i]);
        e.team = CmdTeamIndex(c);
        if (e.team == 0) e.keptTeamCharacter = c;
        if (text.size() - i - 1 < 3) break;
        e.role = RoleOfCode(text.substr(i + 1, 3));
        if (e.role < 0) break;
        entries.push_back(e);
        i += 4;
    }
    return entries;
}

std::string EncodeCmdDescription(const std::vector<CmdEntry>& rows) {
    const auto roles = CmdRoles();
    std::string text;
    for (const CmdEntry& row : rows) {
        if (row.role < 0 || row.role >= int(roles.size())) continue;
        char team;
        if (row.keptTeamCharacter >= 0)
            team = char(row.keptTeamCharacter);
        else if (row.team == kCmdAllTeams)
            team = 'A';
        else if (row.team >= 2 && row.team <= 9)
            team = char(row.team + 47);
        else
            continue;
        text += team;
        text += roles[size_t(row.role)].code;
    }
    return text;
}

bool SameCmdDescription(std::string_view a, std::string_view b) {
    return SameIgnoringCase(a, b);
}

std::string CmdEntryText(const CmdEntry& entry, const Mission* mission) {
    std::string team;
    if (entry.keptTeamCharacter >= 0)
        team = "(unknown: " + std::to_string(entry.keptTeamCharacter) + ")";
    else if (entry.team == kCmdAllTeams)
        team = "All";
    else
        team = TeamName(entry.team - 2, mission);
    const auto roles = CmdRoles();
    const std::string role = entry.role >= 0 && entry.role < int(roles.size())
                                 ? roles[size_t(entry.role)].name
                                 : std::string();
    return team + ": " + role;
}

}  // namespace vantorel
