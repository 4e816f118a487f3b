// libFuzzer target: a mission that loads is edited as a user edits it,
// through every property page and dialog. Each step picks a page (or a dialog
// it opens) for a selection, team, message, order, goal and view, sets its
// enabled controls to any values a window could give (list entries, checks,
// texts, numbers, out of range too), presses its buttons, answers its
// questions either way and applies. After each apply the mission must write
// and read back to the same bytes; at the end, undoing everything must give
// the bytes of the mission as loaded, and redoing everything the edited ones.
//
// The mission is the input read as in FuzzLoadedMission (MissionPrefix.h);
// the edits are taken from the input's end.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "DialogChoices.h"
#include "MissionPrefix.h"
#include "document/LevelDocument.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "mission/Mission.h"
#include "platform/Utf8.h"
#include "properties/logic/PageCatalog.h"
#include "properties/logic/PageContext.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"

using namespace vantorel;

namespace {

// Few enough that Undo reaches back to the start (its history is bounded).
constexpr int kMostSteps = 24;
constexpr int kMostChangesPerStep = 12;

// The file the mission makes now, checked to read back to the same bytes.
std::vector<uint8_t> WrittenAndReadBack(const Mission& mission) {
    Mission copy = mission;  // the writer recounts: the copy's, not the document's
    if (!WriteRefusal(copy).empty()) std::abort();
    const std::vector<uint8_t> bytes = WriteMission(copy);
    Mission again;
    if (!ReadMission(bytes, again).ok) std::abort();
    if (WriteMission(again) != bytes) std::abort();
    return bytes;
}

std::string AnyText(FuzzedDataProvider& in, const ControlState& c) {
    if (c.kind == ControlKind::Number && in.ConsumeBool()) {
        const int low = c.HasSpin() ? c.spinMin : -100000;
        const int high = c.HasSpin() ? c.spinMax : 100000;
        return std::to_string(in.ConsumeIntegralInRange<int>(low - 2, high + 2));
    }
    const size_t longest = c.maxLength > 0 ? size_t(c.maxLength) + 4 : 300;
    std::string text = ValidUtf8(in.ConsumeRandomLengthString(longest));
    // What a window gives: a multi-line box's breaks are CR LF.
    if (c.multiline) {
        std::string crlf;
        for (char ch : text) {
            if (ch == '\r') continue;
            if (ch == '\n') crlf += '\r';
            crlf += ch;
        }
        text = crlf;
    }
    return text;
}

// A value the control could be given, in range or a little out of it.
ControlValue AnyValue(FuzzedDataProvider& in, const ControlState& c) {
    ControlValue v = c.value;
    const int items = int(c.items.size());
    switch (c.kind) {
        case ControlKind::List:
            if (c.editable && in.ConsumeBool()) {
                v.text = in.ConsumeBool() && items > 0
                             ? c.items[in.ConsumeIntegralInRange<size_t>(0, c.items.size() - 1)]
                             : AnyText(in, c);
            } else if (c.multiSelect) {
                v.states.clear();
                for (int i = 0; i < items; ++i)
                    if (in.ConsumeBool()) v.states.push_back(i);
            } else {
                v.index = in.ConsumeIntegralInRange(-1, items);
            }
            break;
        case ControlKind::Radio:
            v.index = in.ConsumeIntegralInRange(-1, int(c.buttonIds.size()));
            break;
        case ControlKind::Check:
            v.index = in.ConsumeIntegralInRange(0, c.tristate ? 2 : 1);
            break;
        case ControlKind::CheckList:
            v.states.assign(c.items.size(), 0);
            for (int& s : v.states) s = in.ConsumeIntegralInRange(0, c.tristate ? 2 : 1);
            break;
        default:
            v.text = AnyText(in, c);
            break;
    }
    return v;
}

// Changes some controls of the page, pressing a button now and then.
void Touch(FuzzedDataProvider& in, PageContext& context, PageModel& page) {
    const int changes = in.ConsumeIntegralInRange(0, kMostChangesPerStep);
    for (int k = 0; k < changes && in.remaining_bytes() > 0; ++k) {
        auto& controls = page.Controls();
        if (controls.empty()) return;
        const ControlState& c = controls[in.ConsumeIntegralInRange<size_t>(0, controls.size() - 1)];
        if (!c.enabled || !c.visible || c.kind == ControlKind::Label) continue;
        const int id = c.id;
        if (c.kind == ControlKind::Button) {
            page.Activate(context, id);
            continue;
        }
        // A double click on a list entry too.
        if (c.kind == ControlKind::List && in.ConsumeIntegralInRange(0, 7) == 0) {
            page.Activate(context, id);
            continue;
        }
        const ControlValue value = AnyValue(in, c);
        page.Set(context, id, value);
    }
}

// One step: a page (or one of its dialogs) loaded for a selection and the
// rest, changed and applied.
void Step(FuzzedDataProvider& in, LevelDocument& document) {
    Mission& mission = document.GetMission();
    // The selection: none, one, all or any.
    const int fgs = mission.CountFlightGroups();
    const int how = in.ConsumeIntegralInRange(0, 3);
    const int one = fgs > 0 ? in.ConsumeIntegralInRange(0, fgs - 1) : -1;
    for (int i = 0; i < fgs; ++i) {
        FlightGroup& fg = *mission.FlightGroups[size_t(i)];
        fg.Selected = how == 0 ? 0 : how == 1 ? i == one : how == 2 ? 1 : in.ConsumeBool();
    }
    document.NotifySelectionChanged();

    const auto& catalog = PageCatalog();
    const PageInfo& info = catalog[in.ConsumeIntegralInRange<size_t>(0, catalog.size() - 1)];
    const int messages = mission.CountMessages();
    PageContext context{document};
    context.team = info.name.rfind("team.", 0) == 0 || in.ConsumeBool()
                       ? in.ConsumeIntegralInRange(0, kTeamCount - 1)
                       : -1;
    context.message = messages > 0 ? in.ConsumeIntegralInRange(-1, messages - 1) : -1;
    if (info.name.rfind("message.", 0) == 0 && context.message < 0) return;
    context.order = in.ConsumeIntegralInRange(0, 3);
    context.goal = in.ConsumeIntegralInRange(0, 7);

    std::unique_ptr<PageModel> page = info.make();
    page->Load(context);
    if (in.ConsumeBool()) page->OnShow(context);
    if (const int view = page->ViewControl(); view != 0 && in.ConsumeBool())
        if (const ControlState* list = page->Find(view); list && !list->items.empty())
            page->Set(
                context, view,
                ControlValue{in.ConsumeIntegralInRange(0, int(list->items.size()) - 1), {}, {}});

    const std::vector<std::string> dialogs = page->DialogNames();
    if (!dialogs.empty() && in.ConsumeBool()) {
        Touch(in, context, *page);  // the page as the dialog finds it
        std::string name;
        const std::vector<std::string> choices = fuzzing::DialogChoices(
            dialogs[in.ConsumeIntegralInRange<size_t>(0, dialogs.size() - 1)], name);
        const std::string which =
            choices.empty() ? std::string()
                            : choices[in.ConsumeIntegralInRange<size_t>(0, choices.size() - 1)];
        if (std::unique_ptr<PageModel> dialog = page->OpenDialog(context, name, which)) {
            dialog->Load(context);
            Touch(in, context, *dialog);
            if (in.ConsumeBool()) dialog->Apply(context);  // OK, or Cancel
            WrittenAndReadBack(mission);
        }
    }
    Touch(in, context, *page);
    page->Apply(context);
    WrittenAndReadBack(mission);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Mission mission;
    if (!fuzzing::ReadMissionPrefix(data, size, mission)) return 0;
    testing::FakeSettings settings;
    testing::FakePrompter prompter;
    LevelDocument document(settings, prompter);
    document.SetMission(std::move(mission));
    const std::vector<uint8_t> loaded = WrittenAndReadBack(document.GetMission());

    FuzzedDataProvider in(data, size);
    for (int step = 0; step < kMostSteps && in.remaining_bytes() > 0; ++step) {
        // Questions are answered either way.
        for (int k = 0; k < 4; ++k)
            prompter.answers.push_back(in.PickValueInArray(
                {PromptAnswer::Ok, PromptAnswer::Cancel, PromptAnswer::Yes, PromptAnswer::No}));
        Step(in, document);
        prompter.answers.clear();
        prompter.shown.clear();
    }

    const std::vector<uint8_t> edited = WrittenAndReadBack(document.GetMission());
    while (document.CanUndo())
        if (!document.Undo()) std::abort();
    if (WrittenAndReadBack(document.GetMission()) != loaded) std::abort();
    while (document.CanRedo())
        if (!document.Redo()) std::abort();
    if (WrittenAndReadBack(document.GetMission()) != edited) std::abort();
    return 0;
}
