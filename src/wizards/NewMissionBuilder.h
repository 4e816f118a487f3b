#pragma once

#include <string>

#include "document/LevelDocument.h"

namespace vantorel {

// The answers of the new mission wizard.
enum MissionKind : int { kMissionMelee = 0, kMissionCombat = 1, kMissionTraining = 2 };
enum PlayerIffChoice : int { kPlayersRebel = 0, kPlayersImperial = 1 };

struct NewMissionChoices {
    int Kind = kMissionMelee;
    int PlayerCount = 1;  // combat engagement 1, 2, 4, 8; training 1, 2, 8
    int TeamCount = 2;    // melee 2, 4, 8
    int PlayerIff = kPlayersRebel;
};

// Builds the mission the wizard's Finish makes, into a document. The flight
// groups it creates are flown by players 1, 2, 3, ... in creation order.
class NewMissionBuilder {
public:
    explicit NewMissionBuilder(LevelDocument& document) : document_(document) {}

    // Starts the document as a new mission with no initial flight group, then
    // builds the chosen kind into it. The result starts the document's
    // history and counts as unsaved.
    void Build(const NewMissionChoices& choices);

    // Adds a flight group flown by the next player; nullptr at the limit.
    FlightGroup* AddWizardFlightGroup();

    int NextPlayerNumber() const { return nextPlayerNumber_; }

private:
    void BuildMelee(int teamCount);
    void BuildCombat(int playerCount);
    void BuildTraining(int playerCount, int playerIff);

    LevelDocument& document_;
    int nextPlayerNumber_ = 1;
};

// The title a wizard-built mission gets: "New Melee", "New Combat" or
// "New Training".
std::string NewMissionTitle(int kind);

}  // namespace vantorel
