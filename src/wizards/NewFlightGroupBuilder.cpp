#include "wizards/NewFlightGroupBuilder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "catalogue/CraftTypes.h"
#include "catalogue/NameLists.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

constexpr int kS1 = kFirstStartPoint;
constexpr int kWp1 = kFirstWaypoint;

// Order commands and trigger words the builders use.
constexpr uint8_t kGoHomeI = 1;
constexpr uint8_t kAttackTargets = 7;
constexpr uint8_t kAwaitReturn = 22;
constexpr uint8_t kLaunchShips = 23;
constexpr uint8_t kPatrolAndProtect = 24;
constexpr uint8_t kPatrolAndAttack = 26;
constexpr uint8_t kGoHomeII = 29;

constexpr uint8_t kMustArrive = 1;
constexpr uint8_t kMustBeDestroyed = 2;
constexpr uint8_t kMustBeReinforced = 20;
constexpr uint8_t kMustBeAtHalfHull = 22;
constexpr uint8_t kVarFlightGroup = 1;
constexpr uint8_t kVarAllTeamsExcept = 21;
constexpr uint8_t kAmountAll = 0;
constexpr uint8_t kAmountAtLeastOne = 4;

// Takes names from one name list of a team: from a random place on, the
// next one no flight group of the mission has yet; once all are taken, one
// after the other again, starting over at the end. An empty list names
// everything "New".
class NameCursor {
public:
    NameCursor(int team, int kind, const RandomSource& random, const Mission& mission)
        : mission_(mission) {
        for (int i = 0; i < NameListCount(team, kind); ++i)
            names_.push_back(NameListEntry(team, i, kind));
        if (!names_.empty()) next_ = int(random() % unsigned(names_.size()));
    }
    std::string Take() {
        if (names_.empty()) return "New";
        const int free = NextFreeName(names_, next_, mission_);
        if (free >= 0) next_ = free;
        std::string name = names_[size_t(next_)];
        next_ = (next_ + 1) % int(names_.size());
        return name.empty() ? "New" : name;
    }

private:
    const Mission& mission_;
    std::vector<std::string> names_;
    int next_ = 0;
};

class Builder {
public:
    Builder(LevelDocument& document, const NewFlightGroupChoices& choices,
            const RandomSource& random)
        : document_(document), c_(choices), random_(random) {}

    NewFlightGroupsResult Run() {
        switch (c_.Kind) {
            case kFgWizardStation:
                Station();
                break;
            case kFgWizardAsteroids:
                Asteroids();
                break;
            case kFgWizardMinefield:
                Minefield();
                break;
            default:
                Fleet();
                break;
        }
        return std::move(result_);
    }

private:
    // A new flight group with the document's defaults, selected with all its
    // points; nullptr once the limit is reached, after which nothing more is
    // made.
    FlightGroup* NewFg() {
        if (!result_.Complete) return nullptr;
        FlightGroup* fg = document_.AddFlightGroup();
        if (!fg) {
            result_.Complete = false;
            return nullptr;
        }
        fg->Selected = 1;
        fg->PointSelected.fill(1);
        result_.Created.push_back(fg);
        return fg;
    }

    int IndexOf(const FlightGroup* fg) const {
        const auto& list = document_.GetMission().FlightGroups;
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].get() == fg) return int(i);
        return -1;
    }

    uint8_t Team() const { return uint8_t(c_.Team); }

    void Fleet();
    void Station();
    void Asteroids();
    void Minefield();

    LevelDocument& document_;
    const NewFlightGroupChoices& c_;
    const RandomSource& random_;
    NewFlightGroupsResult result_;
};

void SetPoint(FlightGroupRecord& r, int point, int x, int y, int z) {
    r.SetWaypointX(point, int16_t(x));
    r.SetWaypointY(point, int16_t(y));
    r.SetWaypointZ(point, int16_t(z));
}

void CopyOrder(FlightGroupRecord& to, int toOrder, const FlightGroupRecord& from, int fromOrder) {
    std::memcpy(to.Orders(toOrder).Data(), from.Orders(fromOrder).Data(), Order::kSize);
}

void Builder::Fleet() {
    struct FleetCraft {
        uint8_t major, capital, minor, starfighter;
    };
    static constexpr std::array<FleetCraft, 3> kCraft = {{
        {49, 46, 40, 1},   // Rebel: Calamari Cruiser, Strike Cruiser, Corellian Corvette, X-wing
        {53, 52, 42, 6},   // Imperial: Star Destroyers, Nebulon B Frigate, TIE Interceptor
        {48, 46, 42, 13},  // Neutral/Pirate: Dreadnaught, Strike Cruiser, Nebulon B, T-wing
    }};
    const FleetCraft& craft = kCraft[size_t(std::clamp(c_.IffStyle, 0, int(kCraft.size()) - 1))];
    const int size = std::clamp(c_.GroupSize, 0, 4);
    static constexpr std::array<int, 5> kMajors = {0, 0, 0, 0, 1};
    static constexpr std::array<int, 5> kCapitals = {0, 0, 1, 3, 3};
    static constexpr std::array<int, 5> kMinors = {1, 3, 0, 5, 5};

    // Every ship starts as a copy of this record, so fields it leaves zero
    // (throttle, spacing, orientation) are zero in the ships too.
    FlightGroupRecord tmpl;
    tmpl.SetTeam(Team());
    tmpl.SetIff(uint8_t(c_.IffStyle));
    tmpl.SetFormation(15);
    tmpl.SetAbortTrigger(9);
    tmpl.SetWaypointEnabled(kS1, 1);
    tmpl.SetWaypointEnabled(kWp1, 1);
    for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
        Order order = tmpl.Orders(o);
        order.SetParameter1(1);
        order.SetParameter2(1);
        order.SetTarget34AndOr(kOr);
        order.SetTarget12AndOr(kOr);
    }
    tmpl.Orders(0).SetCommand(kPatrolAndAttack);
    tmpl.Orders(0).SetTarget1Type(kVarAllTeamsExcept);
    tmpl.Orders(0).SetTarget1(Team());
    tmpl.Orders(1).SetCommand(kGoHomeII);
    for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g)
        tmpl.Goals(g).SetCondition(Trigger::kFalse);
    for (int i = 0; i < 2; ++i) tmpl.SetJumpToOrder4Trigger(i, Trigger{Trigger::kFalse, 0, 0, 0});
    tmpl.SetDepartureTrigger(0, Trigger{kMustBeDestroyed, kVarAllTeamsExcept, Team(), kAmountAll});
    if (c_.SupportFlightGroup) {
        const int support = IndexOf(c_.SupportFlightGroup);
        if (support >= 0) {
            tmpl.SetArrivalTrigger(0, Trigger{kMustBeReinforced, kVarFlightGroup, uint8_t(support),
                                              kAmountAtLeastOne});
            tmpl.SetArrivalDelaySeconds(15);
        }
    }

    // X positions by count: one ship in the middle, or a line 1 km apart.
    auto positions = [](int count) -> std::vector<int> {
        if (count == 3) return {-160, 0, 160};
        if (count == 5) return {-320, -160, 0, 160, 320};
        return std::vector<int>(size_t(count), 0);
    };

    NameCursor names(c_.Team, kNameListThemeSecond, random_, document_.GetMission());
    std::vector<FlightGroup*> capitals, minors;

    auto makeShip = [&](uint8_t type, int x) -> FlightGroup* {
        FlightGroup* fg = NewFg();
        if (!fg) return nullptr;
        fg->File = tmpl;
        fg->File.SetName(names.Take());
        fg->File.SetNumberOfCraft(1);
        fg->File.SetCraftType(type);
        fg->File.SetWaypointX(kS1, int16_t(x));
        fg->File.SetWaypointX(kWp1, int16_t(x));
        return fg;
    };

    for (int x : positions(kMajors[size_t(size)])) {
        FlightGroup* fg = makeShip(craft.major, x);
        if (!fg) return;
        fg->File.SetWaypointY(kWp1, int16_t(fg->File.WaypointY(kWp1) - 80));
    }
    // Each class stands 1 km further along Y than the one before.
    if (kMajors[size_t(size)] > 0) tmpl.SetWaypointY(kS1, int16_t(tmpl.WaypointY(kS1) + 160));
    for (int x : positions(kCapitals[size_t(size)])) {
        FlightGroup* fg = makeShip(craft.capital, x);
        if (!fg) return;
        capitals.push_back(fg);
    }
    if (kCapitals[size_t(size)] > 0) {
        tmpl.SetWaypointY(kS1, int16_t(tmpl.WaypointY(kS1) + 160));
        tmpl.SetWaypointY(kWp1, int16_t(tmpl.WaypointY(kWp1) + 160));
    }
    for (int x : positions(kMinors[size_t(size)])) {
        FlightGroup* fg = makeShip(craft.minor, x);
        if (!fg) return;
        minors.push_back(fg);
    }

    std::vector<FlightGroup*> carriers;
    if (size >= 2)
        carriers = capitals;
    else if (size == 0)
        carriers = {minors[0]};
    else
        carriers = {minors[1]};
    if (carriers.size() > 3) carriers.resize(3);

    NameCursor fighterNames(c_.Team, kNameListThemeFirst, random_, document_.GetMission());
    for (size_t c = 0; c < carriers.size(); ++c) {
        FlightGroup* fg = NewFg();
        if (!fg) return;  // the carrier keeps its plain orders: it has nothing to launch
        FlightGroupRecord& carrier = carriers[c]->File;
        const uint8_t carrierIndex = uint8_t(IndexOf(carriers[c]));
        FlightGroupRecord& r = fg->File;
        r.SetName(fighterNames.Take());
        r.SetCraftType(craft.starfighter);
        r.SetNumberOfCraft(5);
        r.SetFormation(9);
        r.SetTeam(Team());
        r.SetMarkings(uint8_t(c));
        r.SetIff(uint8_t(c_.IffStyle));
        Order first = r.Orders(0);
        first.SetCommand(kAttackTargets);
        first.SetThrottle(10);
        first.SetParameter1(1);
        first.SetParameter2(1);
        first.SetTarget1Type(kVarAllTeamsExcept);
        first.SetTarget1(Team());
        Order second = r.Orders(1);
        second.SetCommand(kGoHomeI);
        second.SetParameter1(1);
        second.SetParameter2(1);
        r.SetDepartureTrigger(0, tmpl.DepartureTrigger(0));
        for (int i = 0; i < 2; ++i) r.SetJumpToOrder4Trigger(i, Trigger{Trigger::kFalse, 0, 0, 0});
        r.SetArriveViaMothership(1);
        r.SetDepartViaMothership(1);
        r.SetArrivalMothership(carrierIndex);
        r.SetDepartureMothership(carrierIndex);
        r.SetArrivalTrigger(0, Trigger{kMustArrive, kVarFlightGroup, carrierIndex, kAmountAll});
        r.SetArrivalDelaySeconds(5);
        // Launched from the carrier, so the start point stays disabled.
        SetPoint(r, kS1, carrier.WaypointX(kS1), carrier.WaypointY(kS1),
                 carrier.WaypointZ(kS1) - 160);

        // The carrier launches its wave, patrols, waits for it and leaves.
        CopyOrder(carrier, 0, tmpl, 0);
        carrier.Orders(0).SetCommand(kLaunchShips);
        CopyOrder(carrier, 1, tmpl, 0);
        CopyOrder(carrier, 2, tmpl, 0);
        carrier.Orders(2).SetCommand(kAwaitReturn);
        CopyOrder(carrier, 3, tmpl, 0);
        carrier.Orders(3).SetCommand(kGoHomeII);
    }
}

void Builder::Station() {
    static constexpr std::array<uint8_t, 8> kStations = {60, 61, 62, 63, 64, 65, 66, 69};
    static constexpr std::array<uint8_t, 9> kContainers = {26, 27, 28, 29, 55, 56, 57, 58, 59};
    static constexpr std::array<const char*, 8> kContainerNames = {"Psi", "Xi",  "Chi",   "Pi",
                                                                   "Nu",  "Phi", "Kappa", "Uncial"};
    // A 0.5 km circle from (0, 0.5 km), turning 45 degrees towards +X each.
    static constexpr std::array<std::array<int, 2>, 8> kContainerStart = {
        {{0, 80}, {56, 56}, {80, 0}, {56, -56}, {0, -80}, {-56, -56}, {-80, 0}, {-56, 56}}};

    const uint8_t type = kStations[random_() % kStations.size()];
    const std::string name =
        NameCursor(c_.Team, kNameListGeneral, random_, document_.GetMission()).Take();

    FlightGroup* station = NewFg();
    if (!station) return;
    const uint8_t stationIndex = uint8_t(IndexOf(station));
    FlightGroupRecord& s = station->File;
    s.SetName(name);
    s.SetCraftType(type);
    s.SetNumberOfCraft(1);
    s.SetIff(4);
    s.SetTeam(Team());
    s.SetWaypointEnabled(kS1, 1);
    Order guard = s.Orders(0);
    guard.SetCommand(kPatrolAndProtect);
    guard.SetTarget1Type(kVarFlightGroup);
    guard.SetTarget1(stationIndex);
    guard.SetParameter1(1);
    guard.SetParameter2(1);

    if (c_.StationType == 1) {
        for (size_t i = 0; i < kContainerNames.size(); ++i) {
            FlightGroup* fg = NewFg();
            if (!fg) return;
            FlightGroupRecord& r = fg->File;
            r.SetName(kContainerNames[i]);
            r.SetCraftType(kContainers[random_() % kContainers.size()]);
            r.SetNumberOfCraft(1);
            r.SetIff(4);
            r.SetTeam(Team());
            r.SetWaypointEnabled(kS1, 1);
            SetPoint(r, kS1, kContainerStart[i][0], kContainerStart[i][1], 0);
        }
    }

    if (c_.EscapeShuttle) {
        FlightGroup* fg = NewFg();
        if (!fg) return;
        const uint8_t shuttleIndex = uint8_t(IndexOf(fg));
        FlightGroupRecord& r = fg->File;
        r.SetName(name + " Escape");
        r.SetCargo("Personnel");
        r.SetCraftType(17);  // Shuttle
        r.SetNumberOfCraft(1);
        r.SetIff(4);
        r.SetTeam(Team());
        r.SetArrivalMothership(stationIndex);
        r.SetArriveViaMothership(1);
        Order leave = r.Orders(0);
        leave.SetCommand(kGoHomeII);
        leave.SetThrottle(10);
        r.SetWaypointEnabled(kS1, 1);
        r.SetWaypointX(kS1, 80);
        // Go Home flies to the hyperspace point and jumps out from there, so
        // that is the point the shuttle gets: 2 km off the station.
        r.SetWaypointEnabled(kHyperspacePoint, 1);
        r.SetWaypointX(kHyperspacePoint, 320);
        r.SetArrivalTrigger(0,
                            Trigger{kMustBeAtHalfHull, kVarFlightGroup, stationIndex, kAmountAll});

        station->File.Orders(0).SetTarget2Type(kVarFlightGroup);
        station->File.Orders(0).SetTarget2(shuttleIndex);
    }
}

void Builder::Asteroids() {
    // The field spirals outwards, alternating sides on each axis.
    int x = 0, y = 0, z = 0;
    int dx = 64, dy = 64, dz = 64;
    int sx = 1, sy = 1, sz = 1;
    for (int i = 0; i < c_.GroupSize; ++i) {
        FlightGroup* fg = NewFg();
        if (!fg) return;
        FlightGroupRecord& r = fg->File;
        r.SetName("Asteroid");
        r.SetCraftType(86);
        r.SetNumberOfCraft(6);
        r.SetIff(3);
        r.SetFormationSpacing(6);
        r.SetTeam(8);
        r.SetWaypointEnabled(kS1, 1);
        SetPoint(r, kS1, x, y, z);

        if (i % 2 == 0) {
            y = sy * dy;
            sy = -sy;
        } else {
            x = sx * dx;
            sx = -sx;
            sz = -sz;
        }
        if (i % 4 != 0) {
            z = sz * dz;
            dx += 64;
            dy += 64;
            dz += 64;
        }
    }
}

void Builder::Minefield() {
    static constexpr std::array<uint8_t, 6> kMines = {75, 76, 77, 67, 68, 78};
    const uint8_t type = kMines[size_t(std::clamp(c_.MineType, 0, int(kMines.size()) - 1))];
    const std::string name =
        NameCursor(c_.Team, kNameListGeneral, random_, document_.GetMission()).Take();
    for (int i = 0; i < c_.GroupSize; ++i) {
        FlightGroup* fg = NewFg();
        if (!fg) return;
        FlightGroupRecord& r = fg->File;
        r.SetName(name);
        r.SetCraftType(type);
        r.SetNumberOfCraft(6);
        r.SetIff(3);
        r.SetFormation(9);
        r.SetFormationSpacing(6);
        r.SetTeam(Team());
        Order order = r.Orders(0);
        order.SetCommand(kAttackTargets);
        order.SetTarget1Type(kVarAllTeamsExcept);
        order.SetTarget1(Team());
        order.SetParameter1(1);
        order.SetParameter2(1);
        // 0.2 km apart, alternating sides: 0, 32, -32, 64, -64, ...
        const int step = (i + 1) / 2;
        r.SetWaypointEnabled(kS1, 1);
        SetPoint(r, kS1, i % 2 == 1 ? 32 * step : -32 * step, 0, 0);
    }
}

}  // namespace

NewFlightGroupsResult BuildNewFlightGroups(LevelDocument& document,
                                           const NewFlightGroupChoices& choices,
                                           const RandomSource& random) {
    for (auto& fg : document.GetMission().FlightGroups) {
        fg->Selected = 0;
        fg->PointSelected.fill(0);
    }
    document.NotifySelectionChanged();
    NewFlightGroupsResult result;
    {
        // Everything the wizard makes is one edit, taken back by one Undo.
        LevelDocument::ChangeScope change(document, "New Flight Group Wizard");
        result = Builder(document, choices, random).Run();
    }
    document.NotifySelectionChanged();
    document.Bar().RefreshAll();
    document.Bar().UpdateViews();
    return result;
}

const FlightGroup* FleetSupportCandidate(const Mission& mission) {
    const FlightGroup* found = nullptr;
    for (const auto& fg : mission.FlightGroups) {
        if (!fg->Selected) continue;
        if (found) return nullptr;
        found = fg.get();
    }
    return found && found->File.PlayerNumber() != 0 ? found : nullptr;
}

std::string FleetSupportQuestion(const FlightGroup& fg) {
    return "Do you want this fleet to be the support for flight group \"" +
           CraftNameForCount(fg.File.CraftType(), fg.File.NumberOfCraft()) + " " +
           Win1252ToUtf8(fg.File.Name()) + "\"?";
}

std::string FleetSizeDescription(int size) {
    static constexpr std::array<const char*, 5> kDescriptions = {
        "The fleet will feature one minor ship which will contain a wave of starfighters",
        "The fleet will feature three minor ships, one of which will contain a wave of "
        "starfighters",
        "The fleet will feature one capital ship, which will contain one wave of starfighters",
        "The fleet will feature three capital ships and five minor ships. Each capital ship will "
        "contain one wave of starfighters",
        "The fleet will feature one major capital ship, three standard capital ships and five "
        "minor ships. Each standard capital ship will contain one wave of starfighters",
    };
    if (size < 0 || size >= int(kDescriptions.size())) return "";
    return kDescriptions[size_t(size)];
}

}  // namespace vantorel
