#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "mission/ByteRecord.h"
#include "mission/RecordViews.h"
#include "mission/Trigger.h"

namespace vantorel {

// Field accessors: Name() reads, SetName(v) writes, at a fixed offset.
#define VANTOREL_FIELD_U8(name, off) \
    uint8_t name() const {           \
        return U8(off);              \
    }                                \
    void Set##name(uint8_t v) {      \
        SetU8(off, v);               \
    }
#define VANTOREL_FIELD_U16(name, off) \
    uint16_t name() const {           \
        return U16(off);              \
    }                                 \
    void Set##name(uint16_t v) {      \
        SetU16(off, v);               \
    }
#define VANTOREL_FIELD_TEXT(name, off, size)        \
    static constexpr size_t k##name##Offset = off;  \
    static constexpr size_t k##name##Size = size;   \
    std::string name() const {                      \
        return ReadFixedText(Data() + (off), size); \
    }                                               \
    void Set##name(std::string_view s) {            \
        WriteFixedText(Data() + (off), size, s);    \
    }

// The 164-byte header of a mission file.
class MissionHeader : public ByteRecord<164> {
public:
    static constexpr uint16_t kXvtVersion = 12;
    static constexpr uint16_t kBopVersion = 14;

    VANTOREL_FIELD_U16(FormatVersion, 0x00)
    VANTOREL_FIELD_U16(FlightGroupCount, 0x02)
    VANTOREL_FIELD_U16(MessageCount, 0x04)
    VANTOREL_FIELD_U8(MissionType, 0x64)
    VANTOREL_FIELD_U8(TimeLimitMinutes, 0x66)
    VANTOREL_FIELD_U8(TimeLimitSeconds, 0x67)

    // Every test of the variant is "14 or more means Balance of Power".
    bool IsBop() const { return FormatVersion() >= kBopVersion; }
};

// Point indexes of a flight group's 22 coordinates.
enum PointIndex : int {
    kFirstStartPoint = 0,      // S1..S4 = 0..3
    kFirstWaypoint = 4,        // WP1..WP8 = 4..11
    kRendezvousPoint = 12,     // RVZ
    kHyperspacePoint = 13,     // HYP
    kFirstBriefingPoint = 14,  // BRF1..BRF8 = 14..21
    kPointCount = 22,
    kStartPointCount = 4,
};

// The 1378-byte flight group record of the file.
class FlightGroupRecord : public ByteRecord<1378> {
public:
    VANTOREL_FIELD_TEXT(Name, 0x000, 20)
    VANTOREL_FIELD_TEXT(CmdDescription, 0x014, 20)
    VANTOREL_FIELD_TEXT(Cargo, 0x028, 20)
    VANTOREL_FIELD_TEXT(SpecialCargo, 0x03C, 20)
    VANTOREL_FIELD_U8(SpecialCargoCraft, 0x050)
    VANTOREL_FIELD_U8(RandomSpecialCargo, 0x051)
    VANTOREL_FIELD_U8(CraftType, 0x052)
    VANTOREL_FIELD_U8(NumberOfCraft, 0x053)
    VANTOREL_FIELD_U8(Status, 0x054)
    VANTOREL_FIELD_U8(Warhead, 0x055)
    VANTOREL_FIELD_U8(Beam, 0x056)
    VANTOREL_FIELD_U8(Iff, 0x057)
    VANTOREL_FIELD_U8(Team, 0x058)
    VANTOREL_FIELD_U8(ComputerAi, 0x059)
    VANTOREL_FIELD_U8(Markings, 0x05A)
    VANTOREL_FIELD_U8(Radio, 0x05B)
    VANTOREL_FIELD_U8(Formation, 0x05D)
    VANTOREL_FIELD_U8(FormationSpacing, 0x05E)
    VANTOREL_FIELD_U8(GlobalGroup, 0x05F)
    VANTOREL_FIELD_U8(NumberOfWaves, 0x061)
    VANTOREL_FIELD_U8(PlayerNumber, 0x064)
    VANTOREL_FIELD_U8(ArriveOnlyIfPlayer, 0x065)
    VANTOREL_FIELD_U8(PlayerShipIndex, 0x066)
    VANTOREL_FIELD_U8(Orientation, 0x068)
    VANTOREL_FIELD_U8(DifficultyLevel, 0x06D)
    VANTOREL_FIELD_U8(ArrivalAndOr12, 0x078)
    VANTOREL_FIELD_U8(ArrivalAndOr34, 0x083)
    VANTOREL_FIELD_U8(ArrivalAndOr1234, 0x084)
    VANTOREL_FIELD_U8(ArrivalDelayMinutes, 0x086)
    VANTOREL_FIELD_U8(ArrivalDelaySeconds, 0x087)
    VANTOREL_FIELD_U8(DepartureAndOr, 0x092)
    VANTOREL_FIELD_U8(AbortTrigger, 0x095)
    VANTOREL_FIELD_U8(ArrivalMothership, 0x09A)
    VANTOREL_FIELD_U8(ArriveViaMothership, 0x09B)
    VANTOREL_FIELD_U8(DepartureMothership, 0x09C)
    VANTOREL_FIELD_U8(DepartViaMothership, 0x09D)
    VANTOREL_FIELD_U8(AlternateArrivalMothership, 0x09E)
    VANTOREL_FIELD_U8(AlternateArriveViaMothership, 0x09F)
    VANTOREL_FIELD_U8(AlternateDepartureMothership, 0x0A0)
    VANTOREL_FIELD_U8(AlternateDepartViaMothership, 0x0A1)
    VANTOREL_FIELD_U8(JumpToOrder4AndOr, 0x1F4)
    VANTOREL_FIELD_U8(Countermeasure, 0x523)
    VANTOREL_FIELD_U8(ExplosionLength, 0x524)
    VANTOREL_FIELD_U8(Status2, 0x525)
    VANTOREL_FIELD_U8(GlobalUnit, 0x526)
    VANTOREL_FIELD_U8(OptionalCraftCategory, 0x542)

    // Triggers: arrival 0..3, departure 0..1, jump-to-order-4 0..1.
    static constexpr size_t kArrivalTriggerOffsets[4] = {0x06E, 0x072, 0x079, 0x07D};
    static constexpr size_t kDepartureTriggerOffsets[2] = {0x088, 0x08C};
    static constexpr size_t kJumpToOrder4TriggerOffsets[2] = {0x1EA, 0x1EE};
    Trigger ArrivalTrigger(int i) const {
        return Trigger::ReadFrom(Data() + kArrivalTriggerOffsets[i]);
    }
    void SetArrivalTrigger(int i, const Trigger& t) {
        t.WriteTo(Data() + kArrivalTriggerOffsets[i]);
    }
    Trigger DepartureTrigger(int i) const {
        return Trigger::ReadFrom(Data() + kDepartureTriggerOffsets[i]);
    }
    void SetDepartureTrigger(int i, const Trigger& t) {
        t.WriteTo(Data() + kDepartureTriggerOffsets[i]);
    }
    Trigger JumpToOrder4Trigger(int i) const {
        return Trigger::ReadFrom(Data() + kJumpToOrder4TriggerOffsets[i]);
    }
    void SetJumpToOrder4Trigger(int i, const Trigger& t) {
        t.WriteTo(Data() + kJumpToOrder4TriggerOffsets[i]);
    }

    // Orders 0..3 and goals 0..7 are views into this record's bytes.
    static constexpr size_t kOrdersOffset = 0x0A2;
    static constexpr size_t kGoalsOffset = 0x1F5;
    static constexpr int kOrderCount = 4;
    static constexpr int kGoalCount = 8;
    Order Orders(int n) { return Order(Data() + kOrdersOffset + size_t(Order::kSize * n)); }
    ConstOrder Orders(int n) const {
        return ConstOrder(Data() + kOrdersOffset + size_t(ConstOrder::kSize * n));
    }
    FgGoal Goals(int n) { return FgGoal(Data() + kGoalsOffset + size_t(FgGoal::kSize * n)); }
    ConstFgGoal Goals(int n) const {
        return ConstFgGoal(Data() + kGoalsOffset + size_t(ConstFgGoal::kSize * n));
    }

    // The 22 points: signed 1/160 km counts and a nonzero-means-used flag.
    int16_t WaypointX(int p) const { return I16(0x466 + 2 * size_t(p)); }
    int16_t WaypointY(int p) const { return I16(0x492 + 2 * size_t(p)); }
    int16_t WaypointZ(int p) const { return I16(0x4BE + 2 * size_t(p)); }
    uint16_t WaypointEnabled(int p) const { return U16(0x4EA + 2 * size_t(p)); }
    void SetWaypointX(int p, int16_t v) { SetI16(0x466 + 2 * size_t(p), v); }
    void SetWaypointY(int p, int16_t v) { SetI16(0x492 + 2 * size_t(p), v); }
    void SetWaypointZ(int p, int16_t v) { SetI16(0x4BE + 2 * size_t(p), v); }
    void SetWaypointEnabled(int p, uint16_t v) { SetU16(0x4EA + 2 * size_t(p), v); }

    // Player-selectable equipment, packed from the first byte, rest 0.
    uint8_t PlayerWarheads(int i) const { return U8(0x530 + size_t(i)); }
    void SetPlayerWarheads(int i, uint8_t v) { SetU8(0x530 + size_t(i), v); }
    uint8_t PlayerBeams(int i) const { return U8(0x538 + size_t(i)); }
    void SetPlayerBeams(int i, uint8_t v) { SetU8(0x538 + size_t(i), v); }
    uint8_t PlayerCountermeasures(int i) const { return U8(0x53E + size_t(i)); }
    void SetPlayerCountermeasures(int i, uint8_t v) { SetU8(0x53E + size_t(i), v); }

    // Ten custom optional-craft rows.
    uint8_t OptionalCraftType(int i) const { return U8(0x543 + size_t(i)); }
    void SetOptionalCraftType(int i, uint8_t v) { SetU8(0x543 + size_t(i), v); }
    uint8_t OptionalCraftCount(int i) const { return U8(0x54D + size_t(i)); }
    void SetOptionalCraftCount(int i, uint8_t v) { SetU8(0x54D + size_t(i), v); }
    uint8_t OptionalCraftWaves(int i) const { return U8(0x557 + size_t(i)); }
    void SetOptionalCraftWaves(int i, uint8_t v) { SetU8(0x557 + size_t(i), v); }
};

// Goal strings of one flight group: for goal n three 64-byte texts.
class FgGoalStrings : public ByteRecord<1536> {
public:
    enum Kind { kIncomplete = 0, kComplete = 1, kFailed = 2 };
    static constexpr size_t kTextSize = 64;
    static size_t OffsetOf(int goal, int kind) { return 192 * size_t(goal) + 64 * size_t(kind); }
    std::string Get(int goal, int kind) const { return Text(OffsetOf(goal, kind), kTextSize); }
    void Set(int goal, int kind, std::string_view s) {
        SetText(OffsetOf(goal, kind), kTextSize, s);
    }
};

// The 116-byte radio message record.
class MessageRecord : public ByteRecord<116> {
public:
    VANTOREL_FIELD_U16(Index, 0x00)
    VANTOREL_FIELD_TEXT(Text, 0x02, 64)
    VANTOREL_FIELD_U8(AndOr12, 0x56)
    VANTOREL_FIELD_U8(AndOr34, 0x61)
    VANTOREL_FIELD_U8(Delay, 0x72)
    VANTOREL_FIELD_U8(AndOr1234, 0x73)

    static constexpr size_t kTriggerOffsets[4] = {0x4C, 0x50, 0x57, 0x5B};
    Trigger GetTrigger(int i) const { return Trigger::ReadFrom(Data() + kTriggerOffsets[i]); }
    void SetTrigger(int i, const Trigger& t) { t.WriteTo(Data() + kTriggerOffsets[i]); }

    uint8_t SentToTeam(int t) const { return U8(0x42 + size_t(t)); }
    void SetSentToTeam(int t, uint8_t v) { SetU8(0x42 + size_t(t), v); }

    // A leading '0'..'3' picks the colour; any other start is colour 0 and
    // belongs to the text.
    int Colour() const {
        uint8_t c = U8(0x02);
        return (c >= '0' && c <= '3') ? c - '0' : 0;
    }
    std::string TextWithoutColour() const {
        std::string t = Text();
        if (!t.empty() && t[0] >= '0' && t[0] <= '3') t.erase(0, 1);
        return t;
    }
    // Unlike the other fixed texts, a message may fill all 64 bytes with no
    // terminator (a colour digit and 63 characters): the game reads it to
    // the end of the field.
    void SetTextFillingField(std::string_view s) {
        const size_t n = std::min(s.size(), kTextSize);
        std::copy_n(reinterpret_cast<const uint8_t*>(s.data()), n, Data() + kTextOffset);
        std::fill(Data() + kTextOffset + n, Data() + kTextOffset + kTextSize, uint8_t(0));
    }
};

// Global goals of one team: a carried u16 and three goal sets.
class GlobalGoalsRecord : public ByteRecord<128> {
public:
    enum SetKind { kPrimary = 0, kPrevent = 1, kSecondary = 2 };
    static constexpr size_t kSetOffsets[3] = {0x02, 0x2C, 0x56};
    GoalSet Set(int k) { return GoalSet(Data() + kSetOffsets[k]); }
    ConstGoalSet Set(int k) const { return ConstGoalSet(Data() + kSetOffsets[k]); }
};

// The 487-byte team record.
class TeamRecord : public ByteRecord<487> {
public:
    VANTOREL_FIELD_TEXT(Name, 2, 24)
    VANTOREL_FIELD_TEXT(PrimarySuccess1, 36, 64)
    VANTOREL_FIELD_TEXT(PrimarySuccess2, 100, 64)
    VANTOREL_FIELD_TEXT(PrimaryFailure1, 164, 64)
    VANTOREL_FIELD_TEXT(PrimaryFailure2, 228, 64)
    VANTOREL_FIELD_TEXT(SecondarySuccess1, 292, 64)
    VANTOREL_FIELD_TEXT(SecondarySuccess2, 356, 64)
    uint8_t Allies(int t) const { return U8(26 + size_t(t)); }
    void SetAllies(int t, uint8_t v) { SetU8(26 + size_t(t), v); }
};

#undef VANTOREL_FIELD_U8
#undef VANTOREL_FIELD_U16
#undef VANTOREL_FIELD_TEXT

// A briefing: its raw command stream, then 32 tags and 32 strings.
struct Briefing {
    static constexpr size_t kCommandsSize = 820;
    static constexpr int kTagCount = 32;
    static constexpr int kStringCount = 32;
    std::array<uint8_t, kCommandsSize> Commands{};
    std::array<std::string, kTagCount> Tags;
    std::array<std::string, kStringCount> Strings;

    // The bytes of each tag and string exactly as the file had them, when
    // they run on past a zero byte (empty when they are just the text). The
    // writer uses them while the text is unchanged, so a file is written
    // back byte for byte.
    std::array<std::string, kTagCount> TagsAsRead;
    std::array<std::string, kStringCount> StringsAsRead;

    bool operator==(const Briefing& o) const {
        return Commands == o.Commands && Tags == o.Tags && Strings == o.Strings;
    }
};

// Global goal strings: for team t, 28 slots of three 64-byte texts.
class GlobalGoalStrings : public ByteRecord<53760> {
public:
    static constexpr int kSlotsPerTeam = 28;
    enum Kind { kIncomplete = 0, kSuccess = 1, kFailure = 2 };
    static size_t OffsetOf(int team, int slot, int kind) {
        return (size_t(kSlotsPerTeam) * size_t(team) + size_t(slot)) * 192 + 64 * size_t(kind);
    }
    std::string Get(int team, int slot, int kind) const {
        return Text(OffsetOf(team, slot, kind), 64);
    }
    void Set(int team, int slot, int kind, std::string_view s) {
        SetText(OffsetOf(team, slot, kind), 64, s);
    }
};

}  // namespace vantorel
