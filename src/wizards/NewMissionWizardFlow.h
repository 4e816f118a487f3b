#pragma once

#include "platform/Prompter.h"
#include "wizards/NewMissionBuilder.h"

namespace vantorel {

// The pages of the new mission wizard, numbered as their page classes.
enum NewMissionPage : int {
    kNewMissionTypePage = 1,
    kNewMissionTrainingPlayersPage = 2,
    kNewMissionCombatPlayersPage = 3,
    kNewMissionMeleeTeamsPage = 4,
    kNewMissionPlayerIffPage = 5,
    kNewMissionFinishedPage = 9,
};

// Which page follows which, and what each page records. The window layer
// shows Page() and calls the Choose... of the page the user leaves with Next;
// a value no radio button gives falls back with a message, so the mission
// that gets built is always one the builder knows.
class NewMissionWizardFlow {
public:
    explicit NewMissionWizardFlow(Prompter& prompter) : prompter_(prompter) {}

    int Page() const { return page_; }
    bool CanGoBack() const {
        return page_ != kNewMissionTypePage && page_ != kNewMissionFinishedPage;
    }
    bool CanFinish() const { return page_ == kNewMissionFinishedPage; }

    // The radio button a page starts with.
    static int DefaultValue(int page);

    int ChooseKind(int kind);              // melee 0, combat engagement 1, training 2
    int ChooseTrainingPlayers(int count);  // 1, 2, 8
    int ChooseCombatPlayers(int count);    // 1, 2, 4, 8
    int ChooseMeleeTeams(int count);       // 2, 4, 8
    int ChoosePlayerIff(int iff);          // Rebel 0, Imperial 1
    int Back();

    const NewMissionChoices& Choices() const { return choices_; }

private:
    int PlayersOrOne(int count, std::initializer_list<int> allowed);

    Prompter& prompter_;
    int page_ = kNewMissionTypePage;
    NewMissionChoices choices_{kMissionMelee, 2, 2, kPlayersRebel};
};

}  // namespace vantorel
