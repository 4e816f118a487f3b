#pragma once

#include "mission/Mission.h"
#include "platform/Prompter.h"
#include "wizards/NewFlightGroupBuilder.h"

namespace vantorel {

// The pages of the new flight group wizard, numbered as their page classes.
enum NewFlightGroupPage : int {
    kNewFgKindPage = 1,
    kNewFgTeamPage = 2,
    kNewFgFleetPage = 3,
    kNewFgStationPage = 4,
    kNewFgFieldSizePage = 5,
    kNewFgMinefieldPage = 6,
    kNewFgFinishedPage = 9,
};

// Which page follows which, and what each page records. The window layer
// shows Page() and calls the Choose... of the page the user leaves with Next.
// Back needs nothing here: a page left again is chosen again, and every
// choice sets all that follows from it.
class NewFlightGroupWizardFlow {
public:
    NewFlightGroupWizardFlow(const Mission& mission, Prompter& prompter)
        : mission_(mission), prompter_(prompter) {}

    int Page() const { return page_; }
    bool CanFinish() const { return page_ == kNewFgFinishedPage; }

    // For a fleet, offers to make it the support of the one selected player
    // flight group; Cancel keeps the user on the first page.
    int ChooseKind(int kind);
    int ChooseTeam(int team, int iffStyle);
    int ChooseFleetSize(int size);
    int ChooseStation(int stationType, bool escapeShuttle);
    // The slider, 0..10; at 0, which creates nothing, the user is told so
    // and stays on the page.
    int ChooseFieldSize(int size);
    int ChooseMineType(int mineType);

    const NewFlightGroupChoices& Choices() const { return choices_; }

private:
    const Mission& mission_;
    Prompter& prompter_;
    int page_ = kNewFgKindPage;
    NewFlightGroupChoices choices_;
};

inline constexpr const char* kFieldSizeZeroText =
    "Size 0 creates nothing. Move the slider to 1 or more.";

}  // namespace vantorel
