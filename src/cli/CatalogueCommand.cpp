#include <cstdio>
#include <span>

#include "catalogue/CodedFields.h"
#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/DisplayColours.h"
#include "catalogue/NameLists.h"
#include "catalogue/Orders.h"
#include "cli/CliCommand.h"
#include "cli/Json.h"
#include "mission/Win1252.h"

namespace vantorel::cli {
namespace {

// Every catalogue text is Windows-1252 (three planet names hold 0x92).
void PutText(JsonWriter& j, std::string_view key, const char* win1252) {
    j.String(key, Win1252ToUtf8(win1252));
}

void PutWords(JsonWriter& j, std::string_view key, WordList words) {
    j.BeginArray(key);
    for (const char* word : words) j.String(Win1252ToUtf8(word));
    j.EndArray();
}

void PutCraftTypes(JsonWriter& j) {
    j.BeginArray("craftTypes");
    for (int type = 0; type < CraftTypeCount; ++type) {
        const CraftTypeInfo& info = *GetCraftTypeInfo(type);
        j.BeginObject();
        j.Int("number", type);
        j.Int("iconIndex", info.iconIndex);
        PutText(j, "abbreviation", info.abbreviation);
        PutText(j, "singularName", info.singularName);
        PutText(j, "pluralName", info.pluralName);
        j.Int("namingClass", info.namingClass);
        j.EndObject();
    }
    j.EndArray();
}

void PutOrders(JsonWriter& j) {
    j.BeginArray("orders");
    for (int order = 0; order < OrderCount; ++order) {
        const OrderInfo& info = *GetOrderInfo(order);
        j.BeginObject();
        j.Int("number", order);
        PutText(j, "name", info.name);
        PutText(j, "movement", info.movement);
        PutText(j, "selfDefence", info.selfDefence);
        PutText(j, "parameter1Label", info.parameter1Label);
        PutText(j, "parameter2Label", info.parameter2Label);
        PutText(j, "targets", info.targets);
        PutText(j, "onCompletion", info.onCompletion);
        PutText(j, "notes", info.notes);
        j.EndObject();
    }
    j.EndArray();
}

void PutColours(JsonWriter& j, std::string_view key, RgbColour (*colour)(int, bool), int count) {
    auto rgb = [](RgbColour c) { return std::vector<int>{c.red, c.green, c.blue}; };
    j.BeginArray(key);
    // One row past the table: the colour every other value is drawn in.
    for (int i = 0; i <= count; ++i) {
        j.BeginObject();
        if (i < count)
            j.Int("value", i);
        else
            j.String("value", "other");
        j.IntArray("bright", rgb(colour(i, false)));
        j.IntArray("dim", rgb(colour(i, true)));
        j.EndObject();
    }
    j.EndArray();
}

int RunCatalogue(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::fprintf(stderr, "usage: vantorel-cli catalogue\n");
        return kExitUsage;
    }
    JsonWriter j;
    j.BeginObject();
    PutCraftTypes(j);
    PutOrders(j);

    j.BeginObject("wordLists");
    PutWords(j, "iffCodes", IffCodes());
    PutWords(j, "flightGroupColours", FlightGroupColours());
    j.BeginArray("cmdRoles");
    for (const CmdRole& role : CmdRoles()) {
        j.BeginObject();
        PutText(j, "code", role.code);
        PutText(j, "name", role.name);
        j.EndObject();
    }
    j.EndArray();
    PutWords(j, "craftStatuses", CraftStatuses());
    PutWords(j, "planetBackdrops", PlanetBackdrops());
    PutWords(j, "navPointsLong", NavPointLongNames());
    PutWords(j, "navPointsShort", NavPointShortNames());
    j.BeginArray("formations");
    for (const FormationInfo& formation : Formations()) {
        j.BeginObject();
        PutText(j, "name", formation.name);
        j.Int("picture", formation.pictureId);
        j.EndObject();
    }
    j.EndArray();
    PutWords(j, "messageColours", MessageColourNames());
    PutWords(j, "conditions", Conditions());
    PutWords(j, "variableTypes", VariableTypes());
    PutWords(j, "amounts", Amounts());
    PutWords(j, "shipCategories", ShipCategories());
    PutWords(j, "objectCategories", ObjectCategories());
    PutWords(j, "craftWhenCases", CraftWhenCases());
    PutWords(j, "goalSenses", GoalSenses());
    PutWords(j, "missionTypes", MissionTypes());
    PutWords(j, "computerAi", ComputerAiLevels());
    PutWords(j, "warheads", DefaultWarheads());
    PutWords(j, "beams", DefaultBeams());
    PutWords(j, "countermeasures", DefaultCountermeasures());
    PutWords(j, "difficultyLevels", DifficultyLevels());
    PutWords(j, "abortConditions", AbortConditions());
    PutWords(j, "optionalCraft", OptionalCraftCategories());
    PutWords(j, "throttles", ThrottleSteps());
    j.EndObject();

    j.BeginObject("nameLists");
    PutWords(j, "general", GeneralNames());
    PutWords(j, "planets", PlanetNames());
    j.EndObject();

    j.BeginObject("colours");
    PutColours(j, "iff", IffColour, static_cast<int>(IffCodes().size()));
    PutColours(j, "messages", MessageColour, static_cast<int>(MessageColourNames().size()));
    j.EndObject();

    j.EndObject();
    std::fwrite(j.Text().data(), 1, j.Text().size(), stdout);
    return kExitOk;
}

const CommandRegistration kRegistration({"catalogue", "catalogue",
                                         "the constant tables (craft types, orders, word lists, "
                                         "name lists) as JSON",
                                         RunCatalogue});

}  // namespace
}  // namespace vantorel::cli
