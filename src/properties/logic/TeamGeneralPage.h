#pragma once

#include <string>

#include "properties/logic/BoundPage.h"

namespace vantorel {

// The team sheet's General tab: the team's name, its allies and its theme.
// Name and allies are mission data; the theme is a program setting shared by
// every mission, so choosing one is not an edit of the mission.
class TeamGeneralPage final : public BoundPage<TeamRecord> {
public:
    static constexpr int kName = 1044;
    static constexpr int kAllies = 1127;
    static constexpr int kTheme = 1128;
    static constexpr int kChange = 1129;
    static constexpr int kNameLength = 15;
    static constexpr int kTeamsListed = 8;

    TeamGeneralPage();

    void Activate(PageContext& context, int id) override;

    // What the Theme box shows for a team: its theme's name, or "(none)".
    static std::string ThemeShown(int team);

protected:
    std::vector<TeamRecord*> Subjects(PageContext& context) override;
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<TeamRecord*>& subjects) override;
    void ApplyExtra(PageContext& context, EditDraft& draft,
                    const std::vector<TeamRecord*>& subjects) override;

private:
    void ChangeTheme(PageContext& context);
};

inline constexpr const char* kTeamThemesFilter = "XvT Team Themes (*.xth);;All Files (*.*)";
inline constexpr const char* kNoThemeText = "(none)";

}  // namespace vantorel
