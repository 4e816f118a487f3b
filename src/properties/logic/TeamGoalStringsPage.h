#pragma once

#include "properties/logic/BoundPage.h"

namespace vantorel {

// The team sheet's Goal Strings tab: the two lines the game shows at the end
// of a mission for primary success, primary failure and secondary success.
class TeamGoalStringsPage final : public BoundPage<TeamRecord> {
public:
    static constexpr int kPrimarySuccess1 = 1076;
    static constexpr int kPrimarySuccess2 = 1077;
    static constexpr int kPrimaryFailure1 = 1133;
    static constexpr int kPrimaryFailure2 = 1081;
    static constexpr int kSecondarySuccess1 = 1080;
    static constexpr int kSecondarySuccess2 = 1082;
    static constexpr int kTextLength = 63;

    TeamGoalStringsPage();

protected:
    std::vector<TeamRecord*> Subjects(PageContext& context) override;
};

// The Briefing tab edits nothing: the old note, then where briefings are
// edited now and which of them the team is shown.
class TeamBriefingPage final : public PageModel {
public:
    static constexpr int kNote = -1;  // plain texts
    static constexpr int kWindow = -2;

    TeamBriefingPage();

protected:
    void OnLoad(PageContext& context) override;
};

inline constexpr const char* kBriefingNoteText =
    "Note: Briefing support is not yet implemented. Any information on the format of the "
    "briefing section of the XvT/TIE specs would be very much appreciated!";

}  // namespace vantorel
