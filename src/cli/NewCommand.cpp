#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliPlatform.h"
#include "cli/MissionFileArg.h"
#include "wizards/NewMissionBuilder.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage =
    "new melee|combat|training [--teams 2|4|8] [--players 1|2|4|8] [--iff rebel|imperial] "
    "[--format xvt|bop] -o FILE";

int Usage(const char* why) {
    std::fprintf(stderr, "vantorel-cli new: %s\nusage: vantorel-cli %s\n", why, kUsage);
    return kExitUsage;
}

std::optional<int> ParseInt(const std::string& s) {
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

bool OneOf(int v, std::initializer_list<int> allowed) {
    for (int a : allowed)
        if (a == v) return true;
    return false;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) return Usage("which kind of mission?");
    NewMissionChoices choices;
    if (args[0] == "melee") {
        choices.Kind = kMissionMelee;
    } else if (args[0] == "combat") {
        choices.Kind = kMissionCombat;
        choices.PlayerCount = 8;  // the wizard's defaults
    } else if (args[0] == "training") {
        choices.Kind = kMissionTraining;
        choices.PlayerCount = 2;
    } else {
        return Usage("the kind is melee, combat or training");
    }

    std::optional<int> teams, players, iff;
    bool bop = true;
    std::string output;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& opt = args[i];
        if (i + 1 >= args.size()) return Usage(("missing value after " + opt).c_str());
        const std::string& value = args[++i];
        if (opt == "--teams") {
            teams = ParseInt(value);
            if (!teams) return Usage("--teams takes a number");
        } else if (opt == "--players") {
            players = ParseInt(value);
            if (!players) return Usage("--players takes a number");
        } else if (opt == "--iff") {
            if (value == "rebel")
                iff = kPlayersRebel;
            else if (value == "imperial")
                iff = kPlayersImperial;
            else
                return Usage("--iff is rebel or imperial");
        } else if (opt == "--format") {
            if (value != "xvt" && value != "bop") return Usage("--format is xvt or bop");
            bop = value == "bop";
        } else if (opt == "-o") {
            output = value;
        } else {
            return Usage(("unknown option " + opt).c_str());
        }
    }
    if (output.empty()) return Usage("-o FILE is required");

    switch (choices.Kind) {
        case kMissionMelee:
            if (players || iff) return Usage("a melee takes --teams only");
            if (teams) choices.TeamCount = *teams;
            if (!OneOf(choices.TeamCount, {2, 4, 8})) return Usage("a melee has 2, 4 or 8 teams");
            break;
        case kMissionCombat:
            if (teams || iff) return Usage("a combat engagement takes --players only");
            if (players) choices.PlayerCount = *players;
            if (!OneOf(choices.PlayerCount, {1, 2, 4, 8}))
                return Usage("a combat engagement has 1, 2, 4 or 8 players");
            break;
        default:
            if (teams) return Usage("a training mission takes --players and --iff");
            if (players) choices.PlayerCount = *players;
            if (iff) choices.PlayerIff = *iff;
            if (!OneOf(choices.PlayerCount, {1, 2, 8}))
                return Usage("a training mission has 1, 2 or 8 players");
            break;
    }

    RunSettings settings;
    settings.SetInt("Paths", "GotBOP", bop ? 1 : 0);
    StderrPrompter prompter;
    LevelDocument document(settings, prompter);
    NewMissionBuilder(document).Build(choices);
    return SaveMissionArg(output, document.GetMission());
}

CommandRegistration registration(
    {"new", kUsage,
     "write a new melee (2 teams unless --teams), combat engagement (8 players unless --players)\n"
     "      or training mission (2 rebel players unless --players, --iff) as the new mission\n"
     "      wizard builds it; a Balance of Power mission unless --format xvt (the wizard makes\n"
     "      the one or the other as Balance of Power is installed or not)",
     &Run});

}  // namespace
}  // namespace vantorel::cli
