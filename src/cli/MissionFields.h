#pragma once

// The fields of each mission record, named once. The JSON of `dump` and
// `write` is made by walking these: a visitor is given each field's key and
// the address of its bytes, and writes it out, reads it in or copies it.
// B is `const uint8_t` when the record is only read, `uint8_t` otherwise.
//
// A visitor V offers:
//   U8/I8/U16/I16(key, B* p)       a number of that width at p
//   Text(key, B* p, size)          a fixed text field of `size` bytes
//   ColouredText(B* p, size)       a message text with its leading colour digit
//   Numbers(key, std::vector<B*>)  a list of bytes, each at its own address
//   Object(key, fn)                a nested object; fn() visits its fields
//   Objects(key, n, fn)            a list of n objects; fn(i) visits object i
//   Info(key, fn)                  a value shown only (fn() gives it); never read back
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "mission/Mission.h"

namespace vantorel::cli {

template <class B>
std::vector<B*> Consecutive(B* p, int n) {
    std::vector<B*> out;
    for (int i = 0; i < n; ++i) out.push_back(p + i);
    return out;
}

// Condition, variable type, variable, amount.
template <class V, class B>
void VisitTrigger(V& v, B* p) {
    v.U8("condition", p + 0);
    v.U8("variableType", p + 1);
    v.U8("variable", p + 2);
    v.U8("amount", p + 3);
}

template <class V, class B>
void VisitTriggers(V& v, const char* key, B* record, const size_t* offsets, int n) {
    v.Objects(key, n, [&](int i) { VisitTrigger(v, record + offsets[i]); });
}

template <class V, class B>
void VisitHeader(V& v, B* h) {
    v.U16("formatVersion", h + 0x00);
    v.Info("variant", [h] { return std::string(ReadU16(h) >= MissionHeader::kBopVersion ? "BoP" : "XvT"); });
    v.U8("missionType", h + 0x64);
    v.U8("timeLimitMinutes", h + 0x66);
    v.U8("timeLimitSeconds", h + 0x67);
}

template <class V, class B>
void VisitOrder(V& v, B* o) {
    v.U8("command", o + 0x00);
    v.U8("throttle", o + 0x01);
    v.U8("parameter1", o + 0x02);
    v.U8("parameter2", o + 0x03);
    v.U8("target1Type", o + 0x0C);
    v.U8("target1", o + 0x0D);
    v.U8("target2Type", o + 0x0E);
    v.U8("target2", o + 0x0F);
    v.U8("target12AndOr", o + 0x10);
    v.U8("target3Type", o + 0x06);
    v.U8("target3", o + 0x08);
    v.U8("target4Type", o + 0x07);
    v.U8("target4", o + 0x09);
    v.U8("target34AndOr", o + 0x0A);
    v.U8("speed", o + 0x12);
    v.Text("description", o + 0x13, 16);
}

template <class V, class B>
void VisitFgGoal(V& v, B* g, B* strings) {
    v.U8("argument", g + 0x00);
    v.U8("condition", g + 0x01);
    v.U8("amount", g + 0x02);
    v.I8("points", g + 0x03);
    v.U8("team", g + 0x05);
    v.U8("timeLimit", g + 0x0D);
    v.Text("incomplete", strings + 0, 64);
    v.Text("complete", strings + 64, 64);
    v.Text("failed", strings + 128, 64);
}

inline const char* const kPointNames[kPointCount] = {
    "S1",  "S2",  "S3",  "S4",   "WP1",  "WP2",  "WP3",  "WP4",  "WP5",  "WP6",  "WP7",
    "WP8", "RVZ", "HYP", "BRF1", "BRF2", "BRF3", "BRF4", "BRF5", "BRF6", "BRF7", "BRF8"};

// The flight group record and its goal strings. `craftName` comes from the
// caller: it needs the craft table.
template <class V, class B, class CraftName>
void VisitFlightGroup(V& v, B* r, B* goalStrings, CraftName craftName) {
    using R = FlightGroupRecord;
    v.Text("name", r + 0x000, 20);
    v.Text("cmdDescription", r + 0x014, 20);
    v.Text("cargo", r + 0x028, 20);
    v.Text("specialCargo", r + 0x03C, 20);
    v.U8("specialCargoCraft", r + 0x050);
    v.U8("randomSpecialCargo", r + 0x051);
    v.U8("craftType", r + 0x052);
    v.Info("craftName", [&] { return craftName(r[0x052], r[0x053]); });
    v.U8("numberOfCraft", r + 0x053);
    v.U8("status", r + 0x054);
    v.U8("status2", r + 0x525);
    v.U8("warhead", r + 0x055);
    v.U8("beam", r + 0x056);
    v.U8("countermeasure", r + 0x523);
    v.U8("iff", r + 0x057);
    v.U8("team", r + 0x058);
    v.U8("computerAi", r + 0x059);
    v.U8("markings", r + 0x05A);
    v.U8("radio", r + 0x05B);
    v.U8("formation", r + 0x05D);
    v.U8("formationSpacing", r + 0x05E);
    v.U8("globalGroup", r + 0x05F);
    v.U8("globalUnit", r + 0x526);
    v.U8("numberOfWaves", r + 0x061);
    v.U8("playerNumber", r + 0x064);
    v.U8("arriveOnlyIfPlayer", r + 0x065);
    v.U8("playerShipIndex", r + 0x066);
    v.U8("orientation", r + 0x068);
    v.U8("difficultyLevel", r + 0x06D);
    VisitTriggers(v, "arrivalTriggers", r, R::kArrivalTriggerOffsets, 4);
    v.Numbers("arrivalAndOr", std::vector<B*>{r + 0x078, r + 0x083, r + 0x084});
    v.U8("arrivalDelayMinutes", r + 0x086);
    v.U8("arrivalDelaySeconds", r + 0x087);
    VisitTriggers(v, "departureTriggers", r, R::kDepartureTriggerOffsets, 2);
    v.U8("departureAndOr", r + 0x092);
    v.U8("abortTrigger", r + 0x095);
    v.U8("explosionLength", r + 0x524);
    v.U8("arrivalMothership", r + 0x09A);
    v.U8("arriveViaMothership", r + 0x09B);
    v.U8("departureMothership", r + 0x09C);
    v.U8("departViaMothership", r + 0x09D);
    v.U8("alternateArrivalMothership", r + 0x09E);
    v.U8("alternateArriveViaMothership", r + 0x09F);
    v.U8("alternateDepartureMothership", r + 0x0A0);
    v.U8("alternateDepartViaMothership", r + 0x0A1);
    v.Objects("orders", R::kOrderCount,
              [&](int n) { VisitOrder(v, r + R::kOrdersOffset + size_t(82 * n)); });
    VisitTriggers(v, "jumpToOrder4Triggers", r, R::kJumpToOrder4TriggerOffsets, 2);
    v.U8("jumpToOrder4AndOr", r + 0x1F4);
    v.Objects("goals", R::kGoalCount, [&](int n) {
        VisitFgGoal(v, r + R::kGoalsOffset + size_t(78 * n), goalStrings + 192 * size_t(n));
    });
    v.Objects("points", kPointCount, [&](int p) {
        v.Info("name", [p] { return std::string(kPointNames[p]); });
        v.I16("x", r + 0x466 + 2 * size_t(p));
        v.I16("y", r + 0x492 + 2 * size_t(p));
        v.I16("z", r + 0x4BE + 2 * size_t(p));
        v.U16("enabled", r + 0x4EA + 2 * size_t(p));
    });
    v.Numbers("playerWarheads", Consecutive(r + 0x530, 8));
    v.Numbers("playerBeams", Consecutive(r + 0x538, 6));
    v.Numbers("playerCountermeasures", Consecutive(r + 0x53E, 4));
    v.U8("optionalCraftCategory", r + 0x542);
    v.Numbers("optionalCraftTypes", Consecutive(r + 0x543, 10));
    v.Numbers("optionalCraftCounts", Consecutive(r + 0x54D, 10));
    v.Numbers("optionalCraftWaves", Consecutive(r + 0x557, 10));
}

template <class V, class B>
void VisitMessage(V& v, B* r) {
    v.ColouredText(r + 0x02, 64);
    v.U8("delay", r + 0x72);
    v.Numbers("sentToTeams", Consecutive(r + 0x42, 10));
    VisitTriggers(v, "triggers", r, MessageRecord::kTriggerOffsets, 4);
    v.Numbers("andOr", std::vector<B*>{r + 0x56, r + 0x61, r + 0x73});
}

// A team: its record, its global goals record and its 28 slots of global
// goal strings (5376 bytes).
template <class V, class B>
void VisitTeam(V& v, B* team, B* goals, B* goalStrings) {
    v.Text("name", team + 2, 24);
    v.Numbers("allies", Consecutive(team + 26, 10));
    static const char* const kSetNames[3] = {"primary", "prevent", "secondary"};
    v.Object("goals", [&] {
        for (int k = 0; k < 3; ++k) {
            B* set = goals + GlobalGoalsRecord::kSetOffsets[k];
            v.Object(kSetNames[k], [&] {
                v.Objects("triggers", 4, [&](int c) {
                    VisitTrigger(v, set + ConstGoalSet::kTriggerOffsets[c]);
                    B* texts = goalStrings + 192 * size_t(GlobalGoalStringSlot(k, c));
                    v.Text("incomplete", texts, 64);
                    v.Text("success", texts + 64, 64);
                    v.Text("failure", texts + 128, 64);
                });
                v.Numbers("andOr", std::vector<B*>{set + 10, set + 21, set + 39});
                v.I8("points", set + 41);
            });
        }
    });
    v.Text("primarySuccess1", team + 36, 64);
    v.Text("primarySuccess2", team + 100, 64);
    v.Text("primaryFailure1", team + 164, 64);
    v.Text("primaryFailure2", team + 228, 64);
    v.Text("secondarySuccess1", team + 292, 64);
    v.Text("secondarySuccess2", team + 356, 64);
}

inline constexpr size_t kTeamGoalStringsSize = GlobalGoalStrings::kSlotsPerTeam * 192;

}  // namespace vantorel::cli
