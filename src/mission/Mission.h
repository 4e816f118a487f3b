#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mission/MissionRecords.h"

namespace vantorel {

// A flight group as the editor holds it: the file record, its goal strings,
// and the editor-only selection and drag state.
struct FlightGroup {
    FlightGroupRecord File;
    FgGoalStrings GoalStrings;
    std::array<uint32_t, kPointCount> PointSelected{};
    uint32_t Selected = 0;
    uint32_t MapState = 0;  // 1 while taking part in a map drag

    // Index of the first enabled start point S1..S4, if any: the flight
    // group's position on the map.
    std::optional<int> FirstEnabledStartPoint() const;
};

struct RadioMessage {
    MessageRecord File;
    std::string WaveFile;  // linked wave file; not part of the mission file
};

inline constexpr int kTeamCount = 10;
inline constexpr int kBriefingCount = 8;
inline constexpr int kMaxFlightGroups = 255;

// One whole mission file in memory. Flight groups and messages are kept in
// list order (their index is their position) with stable addresses.
struct Mission {
    MissionHeader Header;
    std::vector<std::unique_ptr<FlightGroup>> FlightGroups;
    std::vector<std::unique_ptr<RadioMessage>> Messages;
    std::array<GlobalGoalsRecord, kTeamCount> GlobalGoals{};
    std::array<TeamRecord, kTeamCount> Teams{};
    std::array<Briefing, kBriefingCount> Briefings{};
    std::unique_ptr<GlobalGoalStrings> GoalStrings = std::make_unique<GlobalGoalStrings>();
    std::string SuccessfulDebriefing;  // held with CR LF line breaks
    std::string FailedDebriefing;
    std::string Description;

    // The text blocks exactly as read (bytes after a terminator included);
    // written back while the text they hold is unchanged.
    struct TextBlocksAsRead {
        std::vector<uint8_t> SuccessfulDebriefing, FailedDebriefing, Description;
    } BlocksAsRead;

    Mission() = default;
    Mission(const Mission& other);
    Mission& operator=(const Mission& other);
    Mission(Mission&&) noexcept = default;
    Mission& operator=(Mission&&) noexcept = default;

    MissionHeader& GetHeader() { return Header; }
    const MissionHeader& GetHeader() const { return Header; }

    int CountFlightGroups() const { return int(FlightGroups.size()); }
    int CountSelectedFlightGroups() const;
    int CountMessages() const { return int(Messages.size()); }

    FlightGroup& AppendFlightGroup();  // zero-filled, at the end of the list
    RadioMessage& AppendMessage();

    // Goal set k (0 Primary, 1 Prevent, 2 Secondary) of a team; none for
    // another k or team.
    std::optional<GoalSet> GlobalGoalSet(int team, int k);
    std::optional<ConstGoalSet> GlobalGoalSet(int team, int k) const;

    // "Team %d" (t + 1) when the team has no name or is not one of the ten.
    std::string TeamDisplayName(int team) const;
};

// Global goal string slot of condition c of goal set k.
inline int GlobalGoalStringSlot(int k, int c) {
    return 4 * k + c;
}

}  // namespace vantorel
