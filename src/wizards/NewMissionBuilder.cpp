#include "wizards/NewMissionBuilder.h"

#include <array>

namespace vantorel {

namespace {

// Order 1 and the departure conditions every wizard-built player craft shares.
void SetUpPlayerCraft(FlightGroup& fg) {
    FlightGroupRecord& r = fg.File;
    r.SetWaypointEnabled(kFirstStartPoint, 1);
    Order order = r.Orders(0);
    order.SetCommand(7);  // Attack Targets
    order.SetThrottle(10);
    order.SetParameter1(1);
    order.SetParameter2(1);
    for (int i = 0; i < 2; ++i) {
        Trigger t = r.DepartureTrigger(i);
        t.Condition = Trigger::kFalse;
        r.SetDepartureTrigger(i, t);
    }
}

void SetStart(FlightGroupRecord& r, int point, int x, int y, int z) {
    r.SetWaypointEnabled(point, 1);
    r.SetWaypointX(point, int16_t(x));
    r.SetWaypointY(point, int16_t(y));
    r.SetWaypointZ(point, int16_t(z));
}

constexpr int kWp1 = kFirstWaypoint;
constexpr uint8_t kXwing = 1;
constexpr uint8_t kTieInterceptor = 6;

// Player craft are spaced 0.1 km apart along X.
constexpr int kPlayerSpacing = 16;

}  // namespace

std::string NewMissionTitle(int kind) {
    switch (kind) {
        case kMissionCombat:
            return "New Combat";
        case kMissionTraining:
            return "New Training";
        default:
            return "New Melee";
    }
}

FlightGroup* NewMissionBuilder::AddWizardFlightGroup() {
    FlightGroup* fg = document_.AddFlightGroup();
    if (fg) fg->File.SetPlayerNumber(uint8_t(nextPlayerNumber_++));
    return fg;
}

void NewMissionBuilder::Build(const NewMissionChoices& choices) {
    document_.SetSuppressInitialFlightGroup(true);
    document_.OnNewDocument();
    nextPlayerNumber_ = 1;
    switch (choices.Kind) {
        case kMissionMelee:
            BuildMelee(choices.TeamCount);
            break;
        case kMissionCombat:
            BuildCombat(choices.PlayerCount);
            break;
        case kMissionTraining:
            BuildTraining(choices.PlayerCount, choices.PlayerIff);
            break;
        default:
            document_.GetPrompter().Warning("Unexpected new document type! - create melee");
            BuildMelee(choices.TeamCount);
            break;
    }
    // The built mission is where its history starts, and it is not on disk.
    document_.ForgetHistory(true);
}

void NewMissionBuilder::BuildMelee(int teamCount) {
    static constexpr std::array<const char*, 2> kTwoTeams = {"Blue", "Red"};
    static constexpr std::array<const char*, 4> kFourTeams = {"Red", "Gold", "Blue", "Green"};
    static constexpr std::array<const char*, 8> kEightTeams = {"One",  "Two", "Three", "Four",
                                                               "Five", "Six", "Seven", "Eight"};
    // With eight teams, neighbours on the circle belong to teams four apart.
    static constexpr std::array<int, 8> kEightTeamSlot = {0, 2, 4, 6, 1, 3, 5, 7};
    static constexpr std::array<std::array<int, 2>, 8> kFourTeamStart = {
        {{256, -8}, {256, 8}, {-256, -8}, {-256, 8}, {-8, 256}, {8, 256}, {-8, -256}, {8, -256}}};
    // A 2 km circle from (0, 2 km), turning 45 degrees towards +X per slot.
    static constexpr std::array<std::array<int, 2>, 8> kEightTeamStart = {{{0, 320},
                                                                           {226, 226},
                                                                           {320, 0},
                                                                           {226, -226},
                                                                           {0, -320},
                                                                           {-226, -226},
                                                                           {-320, 0},
                                                                           {-226, 226}}};
    static constexpr std::array<uint8_t, 4> kFourTeamIff = {1, 3, 2, 0};

    std::array<FlightGroup*, 8> fgs{};
    for (auto& fg : fgs) {
        fg = AddWizardFlightGroup();
        if (!fg) return;
    }
    if (teamCount != 2 && teamCount != 4 && teamCount != 8) {
        document_.GetPrompter().Error("Invalid number of teams!");
        return;
    }

    auto teamName = [&](int team) -> const char* {
        if (teamCount == 2) return kTwoTeams[size_t(team)];
        if (teamCount == 4) return kFourTeams[size_t(team)];
        return kEightTeams[size_t(team)];
    };

    for (int k = 0; k < 8; ++k) {
        FlightGroupRecord& r = fgs[size_t(k)]->File;
        SetUpPlayerCraft(*fgs[size_t(k)]);
        const int team = teamCount == 2 ? (k < 4 ? 0 : 1) : teamCount == 4 ? k / 2 : k;
        const int slot = teamCount == 8 ? kEightTeamSlot[size_t(k)] : k;

        r.SetName(teamName(team));
        r.SetCraftType(kXwing);
        r.SetComputerAi(3);
        r.SetOptionalCraftCategory(1);  // all flyable ships
        r.SetGlobalGroup(9);
        r.SetNumberOfWaves(99);
        r.SetTeam(uint8_t(team));
        if (teamCount == 2) {
            r.SetRadio(uint8_t(team + 1));
            r.SetMarkings(team == 0 ? 2 : 0);
            r.SetIff(team == 0 ? 2 : 1);
            r.SetGlobalUnit(uint8_t(team));
            const int n = k % 4;  // the flight group's place within its team
            SetStart(r, kFirstStartPoint, team == 0 ? 256 : -256, -24 + 16 * n, 0);
            SetStart(r, kWp1, 0, -32 + 16 * n, 0);
        } else if (teamCount == 4) {
            r.SetRadio(uint8_t(team + 1));
            r.SetMarkings(uint8_t(team));
            r.SetIff(kFourTeamIff[size_t(team)]);
            r.SetGlobalUnit(uint8_t(team));
            SetStart(r, kFirstStartPoint, kFourTeamStart[size_t(slot)][0],
                     kFourTeamStart[size_t(slot)][1], 0);
            SetStart(r, kWp1, 0, 0, 0);
        } else {
            r.SetRadio(0);
            r.SetMarkings(uint8_t(slot % 4));
            r.SetIff(2);
            r.SetGlobalUnit(uint8_t(slot));
            SetStart(r, kFirstStartPoint, kEightTeamStart[size_t(slot)][0],
                     kEightTeamStart[size_t(slot)][1], slot % 2 == 0 ? -128 : 128);
            SetStart(r, kWp1, 0, 0, 0);
        }

        Order order = r.Orders(0);
        order.SetTarget1Type(3);  // ship category
        order.SetTarget1(0);      // starfighters
        order.SetTarget12AndOr(kAnd);
        order.SetTarget2Type(21);  // all teams except
        order.SetTarget2(uint8_t(team));
        order.SetDescription(teamCount == 8 ? "Fighter Sweep" : "Dogfight");

        // A bonus for every kill: lost points for the own team, gained for
        // each other one.
        int goal = 0;
        auto addGoal = [&](int forTeam, int8_t points) {
            FgGoal g = r.Goals(goal++);
            g.SetArgument(2);   // must (as bonus)
            g.SetCondition(2);  // be destroyed
            g.SetAmount(18);    // each craft in
            g.SetPoints(points);
            g.SetTeam(uint8_t(forTeam));
        };
        addGoal(team, -2);
        for (int j = 0; j < teamCount; ++j)
            if (j != team) addGoal(j, 2);
    }

    Mission& mission = document_.GetMission();
    for (int t = 0; t < teamCount; ++t) {
        mission.Teams[size_t(t)].SetName(teamName(t));
        mission.GlobalGoals[size_t(t)]
            .Set(GlobalGoalsRecord::kPrimary)
            .SetTrigger(0, Trigger{2, 21, uint8_t(t), 0});
    }
    mission.Description =
        "[description]\r\n\r\nPlayers: [ship type] (8)\r\n\r\nDefault Time Limit: 10 Minutes";
    mission.Header.SetTimeLimitMinutes(10);
    mission.Header.SetMissionType(2);
}

void NewMissionBuilder::BuildCombat(int playerCount) {
    for (int i = 0; i < playerCount; ++i) {
        FlightGroup* fg = AddWizardFlightGroup();
        if (!fg) break;
        SetUpPlayerCraft(*fg);
        FlightGroupRecord& r = fg->File;
        const int side = i % 2;
        r.SetName("New");
        r.SetCraftType(side == 0 ? kTieInterceptor : kXwing);
        r.SetWaypointX(kFirstStartPoint, int16_t(kPlayerSpacing * i));
        r.SetWaypointY(kFirstStartPoint, side == 0 ? 640 : -640);  // 4 km either side
        r.SetNumberOfWaves(2);
        r.SetTeam(uint8_t(side));
        r.SetRadio(uint8_t(side + 1));
        r.SetIff(uint8_t(1 - side));
        Order order = r.Orders(0);
        order.SetTarget12AndOr(kOr);
        order.SetTarget2Type(5);  // IFF code
        order.SetTarget2(uint8_t(side));
    }
    Mission& mission = document_.GetMission();
    mission.Description = playerCount == 1
                              ? "[combat engagement description]\r\n\r\n(single player)"
                              : "[combat engagement description]\r\n\r\nImperial Craft: [imperial "
                                "craft]\r\n\r\nRebel Craft: [rebel craft]\r\n\r\n";
    mission.Header.SetMissionType(4);
}

void NewMissionBuilder::BuildTraining(int playerCount, int playerIff) {
    const bool rebel = playerIff == kPlayersRebel;
    for (int i = 0; i < playerCount; ++i) {
        FlightGroup* fg = AddWizardFlightGroup();
        if (!fg) break;
        SetUpPlayerCraft(*fg);
        FlightGroupRecord& r = fg->File;
        r.SetName("New");
        r.SetCraftType(rebel ? kXwing : kTieInterceptor);
        r.SetWaypointX(kFirstStartPoint, int16_t(kPlayerSpacing * i));
        r.SetWaypointY(kFirstStartPoint, 0);
        r.SetNumberOfWaves(0);
        r.SetTeam(0);
        r.SetRadio(1);
        r.SetIff(uint8_t(playerIff));
        Order order = r.Orders(0);
        order.SetTarget12AndOr(kOr);
        order.SetTarget2Type(5);  // IFF code: the other side
        order.SetTarget2(rebel ? 1 : 0);
    }
    Mission& mission = document_.GetMission();
    mission.Teams[0].SetName(rebel ? "Rebel" : "Imperial");
    mission.Teams[1].SetName(rebel ? "Imperial" : "Rebel");
    mission.Description = "Learn to do something really useful\r\n\r\nPlayer Craft: [ship type] (" +
                          std::to_string(playerCount) + ")";
    mission.Header.SetMissionType(playerCount == 1 ? 0 : 3);
}

}  // namespace vantorel
