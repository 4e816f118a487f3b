#include "mission/BriefingCommands.h"

#include <algorithm>

#include "mission/ByteRecord.h"

namespace vantorel {

namespace {

constexpr size_t kRunningTimeOffset = 0;
constexpr size_t kUnknownWordOffset = 2;
constexpr size_t kTimeZeroWordsOffset = 4;
constexpr size_t kListWordsOffset = 6;  // a u32
constexpr size_t kAreaOffset = 10;
constexpr size_t kTeamsOffset = 810;

uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(ReadU16(p)) | uint32_t(ReadU16(p + 2)) << 16;
}
void WriteU32(uint8_t* p, uint32_t v) {
    WriteU16(p, uint16_t(v & 0xFFFF));
    WriteU16(p + 2, uint16_t(v >> 16));
}

// A choice, as the game's own reading of the count is not known: the u16 at
// offset 4 counts the words of the events that open the list at time 0, up
// to the first event with a later time. For a list in time order that is
// every event at time 0.
int LeadingTimeZeroWords(const std::vector<BriefingEvent>& events) {
    int words = 0;
    for (const BriefingEvent& e : events) {
        if (e.Time != 0) break;
        words += e.Words();
    }
    return words;
}

// A choice too: a block whose list count is 0 holds no list at all (a new
// mission's blocks are all zero), whatever lies in its event area.
bool HoldsNoList(const uint8_t* block) {
    return ReadU32(block + kListWordsOffset) == 0;
}

std::string Words(long long n) {
    return std::to_string(n) + (n == 1 ? " word" : " words");
}

}  // namespace

int BriefingParameterCount(int type) {
    switch (type) {
        case kBriefingStop:
        case kBriefingClearFgTags:
        case kBriefingClearTextTags:
        case kBriefingEnd:
            return 0;
        case kBriefingTitle:
        case kBriefingCaption:
            return 1;
        case kBriefingMoveMap:
        case kBriefingZoomMap:
            return 2;
        default:
            break;
    }
    if (type >= kBriefingFgTag1 && type < kBriefingFgTag1 + kBriefingTagSlots) return 1;
    if (type >= kBriefingTextTag1 && type < kBriefingTextTag1 + kBriefingTagSlots) return 4;
    return -1;
}

int BriefingEvent::Slot() const {
    if (IsFgTag()) return Type - kBriefingFgTag1 + 1;
    if (IsTextTag()) return Type - kBriefingTextTag1 + 1;
    return 0;
}

int BriefingListWords(const std::vector<BriefingEvent>& events) {
    int words = 0;
    for (const BriefingEvent& e : events) words += e.Words();
    return words;
}

int BriefingTimeZeroWords(const std::vector<BriefingEvent>& events) {
    return LeadingTimeZeroWords(events);
}

std::string BriefingTooLongText(int words) {
    return "A briefing holds at most 400 words of events; this one would need " +
           std::to_string(words) + ".";
}

BriefingDecode DecodeBriefing(const BriefingCommandBlock& block) {
    const uint8_t* b = block.data();
    BriefingScript s;
    s.RunningTime = ReadU16(b + kRunningTimeOffset);
    s.UnknownWord = ReadU16(b + kUnknownWordOffset);
    std::copy_n(b + kAreaOffset, s.Area.size(), s.Area.begin());
    std::copy_n(b + kTeamsOffset, s.Teams.size(), s.Teams.begin());
    const int timeZeroCount = ReadU16(b + kTimeZeroWordsOffset);
    const uint32_t listCount = ReadU32(b + kListWordsOffset);

    BriefingDecode out;
    const auto word = [&](int w) { return ReadU16(s.Area.data() + 2 * size_t(w)); };
    int w = 0;
    if (!HoldsNoList(b)) {
        while (s.Events.empty() || s.Events.back().Type != kBriefingEnd) {
            if (w + 2 > kBriefingMaxWords) {
                out.Reason = "the event list has no end event in its 400 words";
                return out;
            }
            BriefingEvent e;
            e.Time = word(w);
            e.Type = word(w + 1);
            const int n = BriefingParameterCount(e.Type);
            if (n < 0) {
                out.Reason = "event " + std::to_string(s.Events.size()) + " (at word " +
                             std::to_string(w) + ") has the unknown type " + std::to_string(e.Type);
                return out;
            }
            if (w + 2 + n > kBriefingMaxWords) {
                out.Reason = "the event list runs past its 400 words";
                return out;
            }
            for (int i = 0; i < n; ++i) e.Params[size_t(i)] = int16_t(word(w + 2 + i));
            w += 2 + n;
            s.Events.push_back(e);
        }
    }
    if (listCount != uint32_t(w)) {
        out.Reason = "the block counts " + Words(listCount) + " of events, but the list takes " +
                     std::to_string(w);
        return out;
    }
    const int timeZero = LeadingTimeZeroWords(s.Events);
    if (timeZeroCount != timeZero) {
        out.Reason = "the block counts " + Words(timeZeroCount) +
                     " of events at time 0, but they take " + std::to_string(timeZero);
        return out;
    }
    out.Script = std::move(s);
    return out;
}

BriefingCommandBlock EncodeBriefing(const BriefingScript& s) {
    BriefingCommandBlock block{};
    uint8_t* b = block.data();
    WriteU16(b + kRunningTimeOffset, s.RunningTime);
    WriteU16(b + kUnknownWordOffset, s.UnknownWord);
    std::copy(s.Area.begin(), s.Area.end(), b + kAreaOffset);
    std::copy(s.Teams.begin(), s.Teams.end(), b + kTeamsOffset);
    std::vector<BriefingEvent> fitting;
    int w = 0;
    for (const BriefingEvent& e : s.Events) {
        const int n = BriefingParameterCount(e.Type);
        if (n < 0 || w + 2 + n > kBriefingMaxWords) break;
        uint8_t* p = b + kAreaOffset + 2 * size_t(w);
        WriteU16(p, e.Time);
        WriteU16(p + 2, e.Type);
        for (int i = 0; i < n; ++i) WriteU16(p + 4 + 2 * size_t(i), uint16_t(e.Params[size_t(i)]));
        w += 2 + n;
        fitting.push_back(e);
    }
    WriteU16(b + kTimeZeroWordsOffset, uint16_t(LeadingTimeZeroWords(fitting)));
    WriteU32(b + kListWordsOffset, uint32_t(w));
    return block;
}

bool BriefingIsEmpty(const BriefingCommandBlock& block) {
    const BriefingDecode d = DecodeBriefing(block);
    if (!d.Script) return false;
    for (const BriefingEvent& e : d.Script->Events)
        if (e.Type != kBriefingEnd) return false;
    for (int t = 0; t < kBriefingTeamCount; ++t)
        if (d.Script->ShownTo(t)) return false;
    return true;
}

bool BriefingShownTo(const BriefingCommandBlock& block, int team) {
    return team >= 0 && team < kBriefingTeamCount && block[kTeamsOffset + size_t(team)] != 0;
}

}  // namespace vantorel
