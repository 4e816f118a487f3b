#include "properties/logic/MessageGeneralPage.h"

#include "catalogue/TeamName.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {
bool IsColourDigit(char ch) {
    return ch >= '0' && ch <= '3';
}
}  // namespace

std::string ComposeMessageText(int colour, std::string_view text) {
    std::string out;
    if (colour >= 1 && colour <= 3)
        out += char('0' + colour);
    else if (!text.empty() && IsColourDigit(text[0]))
        out += '0';
    out += text;
    if (out.size() > MessageRecord::kTextSize) out.resize(MessageRecord::kTextSize);
    return out;
}

MessageGeneralPage::MessageGeneralPage() : MessagePage("General", "Message Properties") {
    AddControl(kText, ControlKind::Text, "&Message Text:").maxLength = kTextLength;
    AddControl(kColour, ControlKind::List, "Message &Colour:").items = {"Red", "Green", "Blue",
                                                                        "Gold"};
    ControlState& delay = AddControl(kDelay, ControlKind::Number, "&Delay (seconds):");
    delay.spinMin = 0;
    delay.spinMax = 255;
    AddControl(kTeams, ControlKind::CheckList, "Sent to &Teams:");

    Bind(bind::NumberField<RadioMessage>(
        kDelay, [](const RadioMessage& m) { return m.File.Delay(); },
        [](EditDraft& d, RadioMessage& m, int64_t v) { d.Edit(m.File).SetDelay(uint8_t(v)); }, 0,
        std::pair{0, 255}));
}

void MessageGeneralPage::Prepare(PageContext& context) {
    ControlState& teams = *Find(kTeams);
    teams.items.clear();
    for (int t = 0; t < kTeamsListed; ++t)
        teams.items.push_back(Win1252ToUtf8(TeamName(t, &context.document.GetMission())));
}

void MessageGeneralPage::Finish(PageContext&, const std::vector<RadioMessage*>& subjects) {
    ControlState& text = *Find(kText);
    ControlState& colour = *Find(kColour);
    ControlState& teams = *Find(kTeams);
    teams.value.states.assign(size_t(kTeamsListed), 0);
    if (subjects.empty()) {
        text.value.text.clear();
        colour.value.index = -1;
        return;
    }
    const MessageRecord& m = subjects.front()->File;
    text.value.text = Win1252ToUtf8(m.TextWithoutColour());
    colour.value.index = m.Colour();
    for (int t = 0; t < kTeamsListed; ++t) teams.value.states[size_t(t)] = m.SentToTeam(t) ? 1 : 0;
}

void MessageGeneralPage::ApplyExtra(PageContext&, EditDraft& draft,
                                    const std::vector<RadioMessage*>& subjects) {
    RadioMessage& m = *subjects.front();
    const ControlState& text = *Find(kText);
    const ControlState& colour = *Find(kColour);
    // Text and colour are one field; it is written only when either was
    // changed, so a text the editor would store differently stays as it is.
    if (text.Touched() || colour.Touched()) {
        const int c = colour.value.index >= 0 ? colour.value.index : m.File.Colour();
        const std::string composed = ComposeMessageText(c, Utf8ToWin1252(text.value.text));
        if (composed != m.File.Text()) draft.Edit(m.File).SetTextFillingField(composed);
    }
    const ControlState& teams = *Find(kTeams);
    if (teams.Touched()) {
        for (int t = 0; t < kTeamsListed && size_t(t) < teams.value.states.size(); ++t) {
            // A stored non-zero other than 1 still means sent: it is kept.
            const bool sent = teams.value.states[size_t(t)] == 1;
            if (sent != (draft.Read(m.File).SentToTeam(t) != 0))
                draft.Edit(m.File).SetSentToTeam(t, sent ? 1 : 0);
        }
    }
}

}  // namespace vantorel
