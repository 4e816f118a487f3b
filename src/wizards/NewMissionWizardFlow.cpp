#include "wizards/NewMissionWizardFlow.h"

#include <algorithm>

namespace vantorel {

int NewMissionWizardFlow::DefaultValue(int page) {
    switch (page) {
        case kNewMissionTrainingPlayersPage:
            return 2;
        case kNewMissionCombatPlayersPage:
            return 8;
        case kNewMissionMeleeTeamsPage:
            return 2;
        default:
            return 0;  // melee; Rebel
    }
}

int NewMissionWizardFlow::ChooseKind(int kind) {
    if (kind != kMissionMelee && kind != kMissionCombat && kind != kMissionTraining) {
        prompter_.Warning("Unknown choice selected in the wizard! Using melee");
        kind = kMissionMelee;
    }
    choices_.Kind = kind;
    page_ = kind == kMissionTraining ? kNewMissionTrainingPlayersPage
            : kind == kMissionCombat ? kNewMissionCombatPlayersPage
                                     : kNewMissionMeleeTeamsPage;
    return page_;
}

int NewMissionWizardFlow::PlayersOrOne(int count, std::initializer_list<int> allowed) {
    if (std::find(allowed.begin(), allowed.end(), count) != allowed.end()) return count;
    prompter_.Warning("Unexpected number of players value! - using one");
    return 1;
}

int NewMissionWizardFlow::ChooseTrainingPlayers(int count) {
    choices_.PlayerCount = PlayersOrOne(count, {1, 2, 8});
    return page_ = kNewMissionPlayerIffPage;
}

int NewMissionWizardFlow::ChooseCombatPlayers(int count) {
    choices_.PlayerCount = PlayersOrOne(count, {1, 2, 4, 8});
    return page_ = kNewMissionFinishedPage;
}

int NewMissionWizardFlow::ChooseMeleeTeams(int count) {
    if (count != 2 && count != 4 && count != 8) {
        prompter_.Warning("Unexpected number of teams value! - using two");
        count = 2;
    }
    choices_.TeamCount = count;
    return page_ = kNewMissionFinishedPage;
}

int NewMissionWizardFlow::ChoosePlayerIff(int iff) {
    choices_.PlayerIff = iff == kPlayersImperial ? kPlayersImperial : kPlayersRebel;
    return page_ = kNewMissionFinishedPage;
}

int NewMissionWizardFlow::Back() {
    switch (page_) {
        case kNewMissionPlayerIffPage:
            page_ = kNewMissionTrainingPlayersPage;
            break;
        case kNewMissionTrainingPlayersPage:
        case kNewMissionCombatPlayersPage:
        case kNewMissionMeleeTeamsPage:
            page_ = kNewMissionTypePage;
            break;
        default:
            break;  // the first and the last page have no Back
    }
    return page_;
}

}  // namespace vantorel
