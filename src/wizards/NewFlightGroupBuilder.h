#pragma once

#include <string>
#include <vector>

#include "document/LevelDocument.h"
#include "wizards/RandomSource.h"

namespace vantorel {

// The answers of the new flight group wizard.
enum FlightGroupWizardKind : int {
    kFgWizardFleet = 0,
    kFgWizardStation = 1,
    kFgWizardAsteroids = 2,
    kFgWizardMinefield = 3,
};
enum IffStyle : int { kIffStyleRebel = 0, kIffStyleImperial = 1, kIffStylePirate = 2 };

struct NewFlightGroupChoices {
    int Kind = kFgWizardFleet;
    int Team = 0;
    int IffStyle = kIffStyleRebel;  // picks the craft of a fleet
    int GroupSize = 0;              // fleet size 0..4, or field size 0..10
    int StationType = 0;            // 0 normal, 1 cargo station
    bool EscapeShuttle = false;
    int MineType = 0;  // 0 laser, 1 ion, 2 warhead, 3 laser battery, 4 warhead launcher, 5 gun
    // A player's flight group the fleet's ships arrive to support; must be in
    // the document's mission, or nullptr.
    const FlightGroup* SupportFlightGroup = nullptr;
};

struct NewFlightGroupsResult {
    std::vector<FlightGroup*> Created;  // in creation order
    // False when the game's flight group limit stopped the build part way.
    // What was made is whole: no flight group is left half set up, and none
    // refers to one that was never made.
    bool Complete = true;
};

// The wizard's Finish: deselects every flight group of the mission, adds the
// chosen group of flight groups, each selected with all its points, as one
// edit of the document, and asks the bar to refresh and redraw.
NewFlightGroupsResult BuildNewFlightGroups(LevelDocument& document,
                                           const NewFlightGroupChoices& choices,
                                           const RandomSource& random);

// The flight group a new fleet may support: the one selected flight group
// when exactly one is selected and a player flies it; nullptr otherwise.
const FlightGroup* FleetSupportCandidate(const Mission& mission);

// The question that offers it, e.g. Do you want this fleet to be the support
// for flight group "X-wing Red"?
std::string FleetSupportQuestion(const FlightGroup& fg);

// The line under the fleet size choice; empty for a size outside 0..4.
std::string FleetSizeDescription(int size);

}  // namespace vantorel
