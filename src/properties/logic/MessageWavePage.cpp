#include "properties/logic/MessageWavePage.h"

#include "document/WaveLinking.h"
#include "document/WaveListingLines.h"
#include "platform/FileDialogs.h"
#include "platform/PathText.h"
#include "platform/Sound.h"

namespace vantorel {

namespace {

std::string Comparable(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return path;
}

std::string Replace(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

}  // namespace

MessageWavePage::MessageWavePage() : MessagePage("Wave", "Message Wave File") {
    AddControl(kWaveFile, ControlKind::Text, "&Wave file:").readOnly = true;
    AddControl(kBrowse, ControlKind::Button, "&Browse...");
    AddControl(kClear, ControlKind::Button, "&Clear");
    AddControl(kPlay, ControlKind::Button, "Play");
    AddControl(kNote, ControlKind::Label, kWaveListNoteText);

    // A path, held as UTF-8 already: no code page to convert.
    FieldBinding<RadioMessage> wave;
    wave.id = kWaveFile;
    wave.get = [](const RadioMessage& m) { return FieldValue(m.WaveFile); };
    wave.put = [](EditDraft& d, RadioMessage& m, const FieldValue& v) {
        d.Edit(m.WaveFile) = std::get<std::string>(v);
    };
    wave.show = [](ControlState& c, const FieldValue& v) {
        c.value.text = std::get<std::string>(v);
    };
    wave.take = [](const ControlState& c) { return Taken::Value(c.value.text); };
    Bind(std::move(wave));
}

std::string MessageWavePage::WaveFolder(Settings& settings) {
    const std::string game = settings.GetString("Paths", "XVT", "");
    if (game.empty()) return {};
    return PathToUtf8(PathFromUtf8(game) / "wave");
}

bool MessageWavePage::IsInFolder(const std::string& file, const std::string& folder) {
    std::string root = Comparable(folder);
    if (root.empty()) return false;
    // "wave2\x.wav" is not inside "wave": the folder ends at a separator.
    if (root.back() != '\\') root += '\\';
    return Comparable(file).compare(0, root.size(), root) == 0;
}

void MessageWavePage::Activate(PageContext& context, int id) {
    ControlState& wave = *Find(kWaveFile);
    switch (id) {
        case kClear:
            // The message keeps its sound until the page applies.
            wave.value.text.clear();
            wave.mixed = false;
            break;
        case kPlay:
            if (!context.sound) break;
            if (wave.value.text.empty())
                context.sound->Stop();
            else
                context.sound->Play(wave.value.text);  // a file that cannot play stays silent
            break;
        case kBrowse:
            Browse(context);
            break;
        default:
            break;
    }
}

void MessageWavePage::Browse(PageContext& context) {
    if (!context.fileDialogs || !CurrentMessage(context)) return;
    Settings& settings = context.document.GetSettings();
    const std::string folder = WaveFolder(settings);
    ControlState& wave = *Find(kWaveFile);
    // The dialog starts on the file the message has, else in the wave folder.
    const std::string start = wave.value.text.empty() ? folder : wave.value.text;
    const auto chosen = context.fileDialogs->OpenFile(start, kWaveFilesFilter);
    if (!chosen) return;
    if (HasControlCharacter(*chosen)) {
        context.document.GetPrompter().Error(kControlCharacterInWaveText);
        return;
    }
    if (!IsInFolder(*chosen, folder)) {
        const std::string question =
            Replace(kNotInWaveFolderText, "%s", folder.empty() ? kUnknownWaveFolderName : folder);
        // The copy itself is made by wave linking when the mission is saved.
        if (context.document.GetPrompter().Show(question, PromptIcon::Question,
                                                PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
    }
    wave.value.text = *chosen;
    wave.mixed = false;
}

}  // namespace vantorel
