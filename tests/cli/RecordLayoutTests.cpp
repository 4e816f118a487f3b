// Pages read through the record's accessors, dump/write through the JSON table: they agree.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli/MissionFields.h"

using namespace vantorel;

namespace {

// Notes where each one-byte field of the table lies; nothing else.
struct ByteOffsets {
    const uint8_t* base;
    std::map<std::string, long> at;
    void U8(const char* key, const uint8_t* p) { at[key] = p - base; }
    template <class... A>
    void I8(A&&...) {}
    template <class... A>
    void U16(A&&...) {}
    template <class... A>
    void I16(A&&...) {}
    template <class... A>
    void Text(A&&...) {}
    template <class... A>
    void ColouredText(A&&...) {}
    template <class... A>
    void Numbers(A&&...) {}
    template <class... A>
    void Object(A&&...) {}
    template <class... A>
    void Objects(A&&...) {}
    template <class... A>
    void Info(A&&...) {}
};

TEST(RecordLayout, TheAccessorsAndTheJsonTableAgreeOnEveryOneByteFlightGroupField) {
    using R = FlightGroupRecord;
    R r;
    // Bytes that differ from their neighbours: a field read one byte off
    // reads another value.
    for (size_t i = 0; i < r.Bytes.size(); ++i) r.Bytes[i] = uint8_t(i * 37 + 11);
    std::vector<uint8_t> goalStrings(1536);
    ByteOffsets table{r.Data(), {}};
    cli::VisitFlightGroup(table, r.Data(), goalStrings.data(),
                          [](int, int) { return std::string(); });
    const std::vector<std::pair<const char*, uint8_t (R::*)() const>> fields = {
        {"specialCargoCraft", &R::SpecialCargoCraft},
        {"randomSpecialCargo", &R::RandomSpecialCargo},
        {"craftType", &R::CraftType},
        {"numberOfCraft", &R::NumberOfCraft},
        {"status", &R::Status},
        {"warhead", &R::Warhead},
        {"beam", &R::Beam},
        {"iff", &R::Iff},
        {"team", &R::Team},
        {"computerAi", &R::ComputerAi},
        {"markings", &R::Markings},
        {"radio", &R::Radio},
        {"formation", &R::Formation},
        {"formationSpacing", &R::FormationSpacing},
        {"globalGroup", &R::GlobalGroup},
        {"numberOfWaves", &R::NumberOfWaves},
        {"playerNumber", &R::PlayerNumber},
        {"arriveOnlyIfPlayer", &R::ArriveOnlyIfPlayer},
        {"playerShipIndex", &R::PlayerShipIndex},
        {"orientation", &R::Orientation},
        {"difficultyLevel", &R::DifficultyLevel},
        {"arrivalDelayMinutes", &R::ArrivalDelayMinutes},
        {"arrivalDelaySeconds", &R::ArrivalDelaySeconds},
        {"departureAndOr", &R::DepartureAndOr},
        {"abortTrigger", &R::AbortTrigger},
        {"arrivalMothership", &R::ArrivalMothership},
        {"arriveViaMothership", &R::ArriveViaMothership},
        {"departureMothership", &R::DepartureMothership},
        {"departViaMothership", &R::DepartViaMothership},
        {"alternateArrivalMothership", &R::AlternateArrivalMothership},
        {"alternateArriveViaMothership", &R::AlternateArriveViaMothership},
        {"alternateDepartureMothership", &R::AlternateDepartureMothership},
        {"alternateDepartViaMothership", &R::AlternateDepartViaMothership},
        {"jumpToOrder4AndOr", &R::JumpToOrder4AndOr},
        {"countermeasure", &R::Countermeasure},
        {"explosionLength", &R::ExplosionLength},
        {"status2", &R::Status2},
        {"globalUnit", &R::GlobalUnit},
        {"optionalCraftCategory", &R::OptionalCraftCategory},
    };
    for (const auto& [key, get] : fields) {
        ASSERT_TRUE(table.at.count(key)) << key;
        EXPECT_EQ((r.*get)(), r.Bytes[size_t(table.at[key])]) << key;
    }
}

}  // namespace
