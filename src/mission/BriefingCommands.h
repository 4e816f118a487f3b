#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mission/MissionRecords.h"

namespace vantorel {

// A briefing's 820-byte command block taken apart: what the pilot watches
// before launch. The block holds a running time, a word whose meaning is
// unknown, two counts, a list of timed events that move and zoom the map,
// tag flight groups, place text tags and show captions, and the teams that
// are shown the briefing. Times are in ticks of the game's clock.

inline constexpr int kBriefingTicksPerSecond = 20;
inline constexpr int kBriefingMaxWords = 400;       // the event area, 800 bytes
inline constexpr uint16_t kBriefingEndTime = 9999;  // where the end is put by convention
inline constexpr int kBriefingTeamCount = 10;
inline constexpr int kBriefingTagSlots = 8;  // flight group tags and text tags each
// The game crashes drawing a text tag of this many characters or more.
inline constexpr int kBriefingCrashingTagLength = 40;

enum BriefingEventType : uint16_t {
    kBriefingStop = 3,  // where the game's Forward button jumps to
    kBriefingTitle = 4,
    kBriefingCaption = 5,
    kBriefingMoveMap = 6,
    kBriefingZoomMap = 7,
    kBriefingClearFgTags = 8,
    kBriefingFgTag1 = 9,  // .. 16: flight group tag 1 to 8
    kBriefingClearTextTags = 17,
    kBriefingTextTag1 = 18,  // .. 25: text tag 1 to 8
    kBriefingEnd = 34,
};

// The parameter words of an event type; -1 for a type whose parameters are
// not known (a list holding one cannot be read past it).
int BriefingParameterCount(int type);

struct BriefingEvent {
    uint16_t Time = 0;  // ticks
    uint16_t Type = kBriefingStop;
    // Parameters are signed: map coordinates may be negative. Title and
    // caption: string index. Move and zoom: x, y. Flight group tag: flight
    // group index. Text tag: tag index, x, y, colour.
    std::array<int16_t, 4> Params{};

    int Words() const { return 2 + BriefingParameterCount(Type); }
    bool IsFgTag() const { return Type >= kBriefingFgTag1 && Type < kBriefingFgTag1 + 8; }
    bool IsTextTag() const { return Type >= kBriefingTextTag1 && Type < kBriefingTextTag1 + 8; }
    // Tag slot 1 to 8 of a flight group tag or text tag; 0 for other events.
    int Slot() const;

    bool operator==(const BriefingEvent& o) const {
        const int n = BriefingParameterCount(Type);
        for (int i = 0; i < n; ++i)
            if (Params[size_t(i)] != o.Params[size_t(i)]) return false;
        return Time == o.Time && Type == o.Type;
    }
};

// A command block that decodes. Encoding gives back the block's bytes.
struct BriefingScript {
    uint16_t RunningTime = 0;  // ticks
    uint16_t UnknownWord = 0;  // at offset 2; carried as it is
    // One byte per team (1 to 10): nonzero where the team is shown this
    // briefing. Kept as bytes, so a value other than 1 survives.
    std::array<uint8_t, kBriefingTeamCount> Teams{};
    // In list order; the end event is the last one whenever there are any.
    std::vector<BriefingEvent> Events;
    // The 800 bytes of the event area as the block held them: the words
    // after the list are written back as they were.
    std::array<uint8_t, 2 * kBriefingMaxWords> Area{};

    bool ShownTo(int team) const { return Teams[size_t(team)] != 0; }
};

// The block decoded, or the reason it does not decode (an unknown event
// type, a list past 400 words, no end event, counts that disagree with the
// list): such a block is carried as bytes and is read-only.
struct BriefingDecode {
    std::optional<BriefingScript> Script;
    std::string Reason;
};
using BriefingCommandBlock = std::array<uint8_t, Briefing::kCommandsSize>;
BriefingDecode DecodeBriefing(const BriefingCommandBlock& block);

// The block of a script, counts computed. The list must fit its 400 words
// (BriefingListWords); a longer one is cut at the last event that fits.
BriefingCommandBlock EncodeBriefing(const BriefingScript& script);

// Words of the whole list, end event included; and of the events at time 0.
int BriefingListWords(const std::vector<BriefingEvent>& events);
int BriefingTimeZeroWords(const std::vector<BriefingEvent>& events);

// "A briefing holds at most 400 words of events; this one would need N."
std::string BriefingTooLongText(int words);

// Holds nothing to show: it decodes, has no event but the end, and no team
// is shown it. A new mission's all-zero blocks are empty.
bool BriefingIsEmpty(const BriefingCommandBlock& block);

// Whether team (0 to 9) is shown the briefing; read from the team bytes,
// which lie at a fixed place also in a block that does not decode.
bool BriefingShownTo(const BriefingCommandBlock& block, int team);

}  // namespace vantorel
