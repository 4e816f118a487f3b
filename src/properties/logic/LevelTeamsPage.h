#pragma once

#include "properties/logic/PageModel.h"

namespace vantorel {

// The level sheet's Teams tab: the first eight teams by name. Its selection
// shows the document's current team (the context's team), which the team
// window edits; choosing another makes that one current.
class LevelTeamsPage final : public PageModel {
public:
    static constexpr int kList = 1044;
    static constexpr int kTeamsListed = 8;

    LevelTeamsPage();
    void Activate(PageContext& context, int id) override;

protected:
    void OnLoad(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;

private:
    // The list's team becomes the document's current one.
    void TakeTeam(PageContext& context);
};

}  // namespace vantorel
