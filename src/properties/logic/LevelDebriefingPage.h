#pragma once

#include "properties/logic/BoundPage.h"

namespace vantorel {

// The level sheet's Debriefing tab: the texts shown when the mission is won
// and when it is lost. Only the Balance of Power format stores them, so they
// are read-only in an XvT mission.
class LevelDebriefingPage final : public BoundPage<Mission> {
public:
    static constexpr int kSuccessful = 1006;
    static constexpr int kFailed = 1037;
    static constexpr int kMaxLength = 4096;

    LevelDebriefingPage();
    void OnShow(PageContext& context) override;

protected:
    std::vector<Mission*> Subjects(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<Mission*>& subjects) override;
};

}  // namespace vantorel
