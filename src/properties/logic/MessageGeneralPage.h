#pragma once

#include <string>
#include <string_view>

#include "properties/logic/MessagePage.h"

namespace vantorel {

// The message sheet's General tab: the text with its colour, the delay and
// the teams that hear the message.
class MessageGeneralPage final : public MessagePage {
public:
    static constexpr int kText = 1138;
    static constexpr int kColour = 1026;
    static constexpr int kDelay = 1076;
    static constexpr int kTeams = 1044;
    static constexpr int kTeamsListed = 8;
    // The field holds 64 bytes: a colour digit and 63 characters.
    static constexpr int kTextLength = 63;

    MessageGeneralPage();

protected:
    void Prepare(PageContext& context) override;
    void Finish(PageContext& context, const std::vector<RadioMessage*>& subjects) override;
    void ApplyExtra(PageContext& context, EditDraft& draft,
                    const std::vector<RadioMessage*>& subjects) override;
};

// The stored text of a message of colour 0..3 (Red, Green, Blue, Gold): a
// digit for Green, Blue and Gold, none for Red, then the text, at most the
// 64 bytes of the field. A Red text that begins with '0'..'3' keeps a '0' in
// front, or it would read back as another colour without its first
// character.
std::string ComposeMessageText(int colour, std::string_view text);

}  // namespace vantorel
