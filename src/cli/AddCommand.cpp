#include <charconv>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue/CraftTypes.h"
#include "catalogue/TeamThemes.h"
#include "cli/CliCommand.h"
#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "cli/MissionFileArg.h"
#include "mission/Win1252.h"
#include "wizards/NewFlightGroupBuilder.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage =
    "add FILE fleet|station|asteroids|minefield [--team N] [--iff rebel|imperial|pirate] "
    "[--size N] [--cargo] [--shuttle] [--mine N] [--support FG] [--seed N] -o OUT";

int Usage(const std::string& why) {
    std::fprintf(stderr, "vantorel-cli add: %s\nusage: vantorel-cli %s\n", why.c_str(), kUsage);
    return kExitUsage;
}

std::optional<long long> ParseNumber(const std::string& s) {
    long long v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

int Run(const std::vector<std::string>& args) {
    if (args.size() < 2) return Usage("a mission file and what to add are needed");
    NewFlightGroupChoices choices;
    const std::string& kind = args[1];
    if (kind == "fleet")
        choices.Kind = kFgWizardFleet;
    else if (kind == "station")
        choices.Kind = kFgWizardStation;
    else if (kind == "asteroids")
        choices.Kind = kFgWizardAsteroids;
    else if (kind == "minefield")
        choices.Kind = kFgWizardMinefield;
    else
        return Usage("add a fleet, station, asteroids or minefield");

    std::optional<long long> size, mine, support, seed;
    bool iffGiven = false, teamGiven = false, cargo = false, shuttle = false;
    std::string output;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& opt = args[i];
        if (opt == "--cargo") {
            cargo = true;
            continue;
        }
        if (opt == "--shuttle") {
            shuttle = true;
            continue;
        }
        if (i + 1 >= args.size()) return Usage("missing value after " + opt);
        const std::string& value = args[++i];
        std::optional<long long> number = ParseNumber(value);
        if (opt == "--team") {
            if (!number || *number < 0 || *number > 9) return Usage("--team is 0 to 9");
            choices.Team = int(*number);
            teamGiven = true;
        } else if (opt == "--iff") {
            iffGiven = true;
            if (value == "rebel")
                choices.IffStyle = kIffStyleRebel;
            else if (value == "imperial")
                choices.IffStyle = kIffStyleImperial;
            else if (value == "pirate")
                choices.IffStyle = kIffStylePirate;
            else
                return Usage("--iff is rebel, imperial or pirate");
        } else if (opt == "--size") {
            if (!number) return Usage("--size takes a number");
            size = number;
        } else if (opt == "--mine") {
            if (!number || *number < 0 || *number > 5) return Usage("--mine is 0 to 5");
            mine = number;
        } else if (opt == "--support") {
            if (!number) return Usage("--support takes a flight group number");
            support = number;
        } else if (opt == "--seed") {
            if (!number || *number < 0 || *number > 0xFFFFFFFFLL)
                return Usage("--seed is a number from 0 to 4294967295");
            seed = number;
        } else if (opt == "-o") {
            output = value;
        } else {
            return Usage("unknown option " + opt);
        }
    }
    if (output.empty()) return Usage("-o OUT is required");

    // Options that the chosen kind would silently ignore are mistakes.
    const bool fleet = choices.Kind == kFgWizardFleet;
    const bool station = choices.Kind == kFgWizardStation;
    if ((cargo || shuttle) && !station) return Usage("--cargo and --shuttle are for a station");
    if (iffGiven && !fleet) return Usage("--iff is for a fleet");
    if (support && !fleet) return Usage("--support is for a fleet");
    if (mine && choices.Kind != kFgWizardMinefield) return Usage("--mine is for a minefield");
    if (size && station) return Usage("a station has no --size");
    // A field of size 0 has no flight group at all, so a field is 1 to 10
    // (the wizard's slider starts at 0 and refuses to go on from there).
    const long long smallest = fleet ? 0 : 1;
    if (size) {
        const long long largest = fleet ? 4 : 10;
        if (*size == 0 && !fleet) return Usage("--size 0 makes nothing: a field is 1 to 10");
        if (*size < smallest || *size > largest)
            return Usage(std::string("--size is ") +
                         (fleet ? "0 to 4 for a fleet" : "1 to 10 for a field"));
    }
    choices.GroupSize = int(size.value_or(smallest));
    if (teamGiven && choices.Kind == kFgWizardAsteroids)
        return Usage("asteroids always belong to the neutral team 9; --team is not for them");
    choices.StationType = cargo ? 1 : 0;
    choices.EscapeShuttle = shuttle;
    if (mine) choices.MineType = int(*mine);

    RunSettings settings;
    StderrPrompter prompter;
    // The team themes name the new ships.
    LoadThemes(settings, prompter, ProgramFolder());
    LevelDocument document(settings, prompter);
    Mission mission;
    if (int rc = LoadMissionArg(args[0], mission); rc != kExitOk) return rc;
    document.SetMission(std::move(mission));

    if (support) {
        const auto& list = document.GetMission().FlightGroups;
        if (*support < 0 || *support >= (long long)list.size())
            return Usage("--support names no flight group of the mission");
        const FlightGroup& fg = *list[size_t(*support)];
        if (fg.File.PlayerNumber() == 0)
            return Usage("--support must name a flight group flown by a player");
        choices.SupportFlightGroup = &fg;
    }

    const uint32_t seedValue = seed ? uint32_t(*seed) : std::random_device{}();
    const NewFlightGroupsResult result =
        BuildNewFlightGroups(document, choices, SeededRandomSource(seedValue));
    if (!result.Complete)
        std::fprintf(stderr, "vantorel-cli add: only %zu flight groups fitted\n",
                     result.Created.size());
    // With none added the output would only repeat the input: nothing is
    // written, so an OUT that is already there stays as it was.
    if (!result.Complete && result.Created.empty()) return kExitPartial;

    // One line per new flight group: its number, craft and name; on standard
    // error when standard output carries the mission.
    FILE* summary = IsStandardStream(output) ? stderr : stdout;
    const auto& list = document.GetMission().FlightGroups;
    size_t first = list.size() - result.Created.size();
    for (size_t i = first; i < list.size(); ++i) {
        const FlightGroupRecord& r = list[i]->File;
        std::fprintf(summary, "%zu %d %s %s\n", i, r.NumberOfCraft(),
                     CraftNameForCount(r.CraftType(), r.NumberOfCraft()).c_str(),
                     Win1252ToUtf8(r.Name()).c_str());
    }
    const int saved = SaveMissionArg(output, document.GetMission());
    return saved == kExitOk && !result.Complete ? kExitPartial : saved;
}

CommandRegistration registration(
    {"add", kUsage,
     "add a fleet (--size 0 to 4, 0 unless given), space station, asteroid field or minefield\n"
     "      (--size 1 to 10, 1 unless given) as the new flight group wizard builds it",
     &Run});

}  // namespace
}  // namespace vantorel::cli
