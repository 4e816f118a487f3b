#pragma once

#include "properties/logic/PageModel.h"

namespace vantorel {

// The level sheet's Messages tab: every radio message in list order. Its
// selection shows the document's current message (the context's message),
// which the message window edits; choosing another makes that one current.
// The two check boxes are program settings, written at once.
class LevelMessagesPage final : public PageModel {
public:
    static constexpr int kList = 1003;
    static constexpr int kWaveLinking = 1143;
    static constexpr int kAutoPlay = 1144;

    LevelMessagesPage();
    void Activate(PageContext& context, int id) override;

protected:
    void OnLoad(PageContext& context) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;
};

}  // namespace vantorel
