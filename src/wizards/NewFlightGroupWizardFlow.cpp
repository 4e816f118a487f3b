#include "wizards/NewFlightGroupWizardFlow.h"

#include <algorithm>

namespace vantorel {

int NewFlightGroupWizardFlow::ChooseKind(int kind) {
    if (kind < kFgWizardFleet || kind > kFgWizardMinefield) {
        prompter_.Warning("Unknown choice selected in the wizard! Using fleet");
        kind = kFgWizardFleet;
    }
    choices_.Kind = kind;
    choices_.SupportFlightGroup = nullptr;
    if (kind == kFgWizardFleet) {
        if (const FlightGroup* candidate = FleetSupportCandidate(mission_)) {
            switch (prompter_.Show(FleetSupportQuestion(*candidate), PromptIcon::Question,
                                   PromptButtons::YesNoCancel)) {
                case PromptAnswer::Cancel:
                    return page_;
                case PromptAnswer::Yes:
                    choices_.SupportFlightGroup = candidate;
                    break;
                default:
                    break;
            }
        }
    }
    return page_ = kind == kFgWizardAsteroids ? kNewFgFieldSizePage : kNewFgTeamPage;
}

int NewFlightGroupWizardFlow::ChooseTeam(int team, int iffStyle) {
    choices_.Team = std::clamp(team, 0, kTeamCount - 1);
    choices_.IffStyle = std::clamp(iffStyle, 0, int(kIffStylePirate));
    switch (choices_.Kind) {
        case kFgWizardFleet:
            return page_ = kNewFgFleetPage;
        case kFgWizardStation:
            return page_ = kNewFgStationPage;
        default:
            return page_ = kNewFgFieldSizePage;
    }
}

int NewFlightGroupWizardFlow::ChooseFleetSize(int size) {
    choices_.GroupSize = std::clamp(size, 0, 4);
    return page_ = kNewFgFinishedPage;
}

int NewFlightGroupWizardFlow::ChooseStation(int stationType, bool escapeShuttle) {
    choices_.StationType = stationType == 1 ? 1 : 0;
    choices_.EscapeShuttle = escapeShuttle;
    return page_ = kNewFgFinishedPage;
}

int NewFlightGroupWizardFlow::ChooseFieldSize(int size) {
    // A field of size 0 has no flight group: the wizard would report a
    // creation that made nothing.
    if (size <= 0) {
        prompter_.Warning(kFieldSizeZeroText);
        return page_;
    }
    choices_.GroupSize = std::min(size, 10);
    return page_ = choices_.Kind == kFgWizardMinefield ? kNewFgMinefieldPage : kNewFgFinishedPage;
}

int NewFlightGroupWizardFlow::ChooseMineType(int mineType) {
    choices_.MineType = std::clamp(mineType, 0, 5);
    return page_ = kNewFgFinishedPage;
}

}  // namespace vantorel
