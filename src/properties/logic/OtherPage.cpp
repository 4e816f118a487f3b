#include "properties/logic/OtherPage.h"

#include "catalogue/CraftWordLists.h"
#include "mission/Win1252.h"
#include "properties/logic/CmdDescriptionDialog.h"

namespace vantorel {

namespace {
using R = FlightGroupRecord;
}  // namespace

OtherPage::OtherPage() : FlightGroupTriggerPage("Other", "Other Properties") {
    const WordList levels = DifficultyLevels();
    AddControl(kDifficulty, ControlKind::List, "&Difficulty Level:").items = {levels.begin(),
                                                                              levels.end()};
    SetSpin(AddControl(kGlobalGroup, ControlKind::Number, "&Group:"), 0, 255);
    SetSpin(AddControl(kGlobalUnit, ControlKind::Number, "&Unit"), 0, 255);
    AddTrigger(kTrigger1, kButton1, "jump1", &R::JumpToOrder4Trigger, &R::SetJumpToOrder4Trigger,
               0);
    ControlState& andOr = AddControl(kAndOr, ControlKind::Radio);
    andOr.items = {"&AND", "&OR"};
    andOr.buttonIds = {kAndOr, kAndOr + 1};
    AddTrigger(kTrigger1 + 1, kButton1 + 1, "jump2", &R::JumpToOrder4Trigger,
               &R::SetJumpToOrder4Trigger, 1);
    for (int i = 0; i < kCmdEntryCount; ++i) AddControl(kCmd1 + i, ControlKind::Label);
    AddControl(kSetCmd, ControlKind::Button, "&Set...");

    Bind(fgbind::List(kDifficulty, &R::DifficultyLevel, &R::SetDifficultyLevel));
    Bind(fgbind::Number(kGlobalGroup, &R::GlobalGroup, &R::SetGlobalGroup, 0, kByteRange));
    Bind(fgbind::Number(kGlobalUnit, &R::GlobalUnit, &R::SetGlobalUnit, 0, kByteRange));
    Bind(fgbind::Radio(kAndOr, &R::JumpToOrder4AndOr, &R::SetJumpToOrder4AndOr, {kAnd, kOr}));
}

void OtherPage::Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) {
    FlightGroupTriggerPage::Finish(context, subjects);
    for (int i = 0; i < kCmdEntryCount; ++i) Find(kCmd1 + i)->value.text.clear();
    if (subjects.empty()) return;
    const std::string text = subjects.front()->File.CmdDescription();
    for (const FlightGroup* fg : subjects)
        if (!SameCmdDescription(fg->File.CmdDescription(), text)) {
            for (int i = 0; i < kCmdEntryCount; ++i) Find(kCmd1 + i)->mixed = true;
            return;
        }
    const auto entries = DecodeCmdDescription(text);
    for (size_t i = 0; i < entries.size(); ++i)
        Find(kCmd1 + int(i))->value.text =
            Win1252ToUtf8(CmdEntryText(entries[i], &context.document.GetMission()));
}

std::vector<std::string> OtherPage::DialogNames() const {
    auto names = FlightGroupTriggerPage::DialogNames();
    names.push_back("cmd");
    return names;
}

std::unique_ptr<PageModel> OtherPage::OpenDialog(PageContext& context, const std::string& name,
                                                 const std::string& which) {
    if (name == "cmd" && which.empty()) return std::make_unique<CmdDescriptionDialog>();
    return FlightGroupTriggerPage::OpenDialog(context, name, which);
}

std::optional<std::pair<std::string, std::string>> OtherPage::DialogOf(int buttonId) const {
    if (buttonId == kSetCmd) return std::pair{std::string("cmd"), std::string()};
    return FlightGroupTriggerPage::DialogOf(buttonId);
}

}  // namespace vantorel
