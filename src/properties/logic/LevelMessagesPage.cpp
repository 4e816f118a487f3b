#include "properties/logic/LevelMessagesPage.h"

#include "document/LevelDocument.h"
#include "mission/Win1252.h"
#include "platform/Sound.h"

namespace vantorel {

namespace {
constexpr const char* kSettings = "Settings";
}

LevelMessagesPage::LevelMessagesPage() : PageModel("Messages", "Messages") {
    AddControl(kWaveLinking, ControlKind::Check, "&Enable Wave Linking");
    AddControl(kAutoPlay, ControlKind::Check, "&Auto Play");
    AddControl(kList, ControlKind::List).listBox = true;
}

void LevelMessagesPage::OnLoad(PageContext& context) {
    LevelDocument& doc = context.document;
    Find(kWaveLinking)->value.index = doc.GetSettings().GetInt(kSettings, "WaveLinking", 0) ? 1 : 0;
    Find(kAutoPlay)->value.index = doc.GetSettings().GetInt(kSettings, "Autoplay", 1) ? 1 : 0;
    ControlState& list = *Find(kList);
    list.items.clear();
    for (const auto& m : doc.GetMission().Messages)
        list.items.push_back(Win1252ToUtf8(m->File.TextWithoutColour()));
    list.value.index =
        context.message >= 0 && context.message < int(list.items.size()) ? context.message : -1;
}

void LevelMessagesPage::OnChanging(PageContext& context, int id) {
    // The message window writes to the message it shows before another is
    // chosen.
    if (id == kList) context.document.Bar().ApplyAll();
}

void LevelMessagesPage::OnChanged(PageContext& context, int id) {
    LevelDocument& doc = context.document;
    switch (id) {
        case kWaveLinking:
            doc.GetSettings().SetInt(kSettings, "WaveLinking", Find(id)->value.index == 1 ? 1 : 0);
            break;
        case kAutoPlay:
            doc.GetSettings().SetInt(kSettings, "Autoplay", Find(id)->value.index == 1 ? 1 : 0);
            break;
        case kList: {
            doc.SetCurrentMessage(Find(kList)->value.index);
            context.message = doc.CurrentMessage();
            doc.Bar().RefreshMessageProperties();
            if (Find(kAutoPlay)->value.index != 1 || !context.sound) break;
            const int m = context.message;
            if (m < 0) break;
            const std::string& wave = doc.GetMission().Messages[size_t(m)]->WaveFile;
            if (wave.empty())
                context.sound->Stop();
            else
                context.sound->Play(wave);  // a sound that cannot be played stays silent
            break;
        }
        default:
            break;
    }
}

void LevelMessagesPage::Activate(PageContext& context, int id) {
    if (id == kList) context.document.Bar().ShowMessageProperties();
}

}  // namespace vantorel
