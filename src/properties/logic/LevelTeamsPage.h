#pragma once

#include "properties/logic/PageModel.h"

namespace vantorel {

// The level sheet's Teams tab: the first eight teams by name. Its selection
// is the current team, edited by the team window.
class LevelTeamsPage final : public PageModel {
public:
    static constexpr int kList = 1044;
    static constexpr int kTeamsListed = 8;

    LevelTeamsPage();
    void Activate(PageContext& context, int id) override;

    // The selected team, -1 for none.
    int CurrentTeam() const;
    void Select(int team);

protected:
    void OnLoad(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;
};

}  // namespace vantorel
