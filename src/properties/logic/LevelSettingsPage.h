#pragma once

#include "properties/logic/BoundPage.h"

namespace vantorel {

// The level sheet's Level tab: mission type, time limit, file format and the
// mission description.
class LevelSettingsPage final : public BoundPage<Mission> {
public:
    static constexpr int kType = 1008;
    static constexpr int kMinutes = 1006;
    static constexpr int kSeconds = 1007;
    static constexpr int kFormat = 1035;  // the XvT button; BoP is 1036
    static constexpr int kFormatBop = 1036;
    static constexpr int kDescription = 1005;
    static constexpr int kXvtDescriptionLength = 1024;
    static constexpr int kBopDescriptionLength = 4096;

    LevelSettingsPage();

protected:
    std::vector<Mission*> Subjects(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<Mission*>& subjects) override;
    void OnChanged(PageContext& context, int id) override;

private:
    void LimitDescription();
};

inline constexpr const char* kDescriptionTooLongText =
    "Warning: The mission description is too long for this version of the file format.\n"
    "You must either shorten the briefing or change back to saving the level as a Balance of "
    "Power mission";

inline constexpr const char* kDebriefingsNotSavedText =
    "Warning: The debriefings are not saved in this version of the file format.\n"
    "They are kept until the mission is saved, so changing back to saving the level as a Balance "
    "of Power mission keeps them.";

}  // namespace vantorel
