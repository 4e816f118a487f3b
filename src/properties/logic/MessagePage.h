#pragma once

#include <vector>

#include "properties/logic/BoundPage.h"

namespace vantorel {

// A page of the message sheet: its subject is the current message, the one
// chosen on the level sheet's Messages tab; with none it edits nothing.
class MessagePage : public BoundPage<RadioMessage> {
public:
    using BoundPage::BoundPage;

    // The message at the context's position; null when it holds none.
    static RadioMessage* CurrentMessage(PageContext& context);

protected:
    std::vector<RadioMessage*> Subjects(PageContext& context) override {
        RadioMessage* m = CurrentMessage(context);
        return m ? std::vector<RadioMessage*>{m} : std::vector<RadioMessage*>{};
    }
};

inline RadioMessage* MessagePage::CurrentMessage(PageContext& context) {
    auto& messages = context.document.GetMission().Messages;
    if (context.message < 0 || context.message >= int(messages.size())) return nullptr;
    return messages[size_t(context.message)].get();
}

}  // namespace vantorel
