#pragma once

#include "properties/logic/PageModel.h"

namespace vantorel {

struct Mission;

// The level sheet's Messages tab: every radio message in list order. Its
// selection is the current message, edited by the message window; the two
// check boxes are program settings, written at once.
class LevelMessagesPage final : public PageModel {
public:
    static constexpr int kList = 1003;
    static constexpr int kWaveLinking = 1143;
    static constexpr int kAutoPlay = 1144;

    LevelMessagesPage();
    void Activate(PageContext& context, int id) override;

    // The selected message's position, -1 when none is selected or the
    // position holds no message (any more).
    int CurrentMessage(const Mission& mission) const;
    // Makes the message at the position the selected one.
    void Select(int position);

protected:
    void OnLoad(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;
};

}  // namespace vantorel
