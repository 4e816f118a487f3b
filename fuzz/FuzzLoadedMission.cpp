// libFuzzer target: a mission that loads is then read by everything that
// consumes one: every sentence composer on every trigger, target and goal,
// the condition dialogs' choice lists, the map paint (from any angle) on a
// recording canvas, each briefing played and drawn, the mission check, the
// mission's flow (its graph, the sentences and reasons of every node, its
// layout and DOT), and the load of every property page and dialog.
//
// The input is the start of a mission file, followed by zeros (MissionPrefix.h).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "DialogChoices.h"
#include "MissionPrefix.h"
#include "briefing/BriefingPaint.h"
#include "catalogue/ConditionChoices.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/DisplayColours.h"
#include "catalogue/GoalText.h"
#include "catalogue/NameLists.h"
#include "catalogue/Orders.h"
#include "catalogue/TargetText.h"
#include "catalogue/TeamName.h"
#include "catalogue/TriggerText.h"
#include "document/LevelDocument.h"
#include "document/MissionCheck.h"
#include "document/MissionReader.h"
#include "flow/FlowCheck.h"
#include "flow/FlowLayout.h"
#include "flow/FlowText.h"
#include "flow/MissionFlow.h"
#include "map/CentreOnSelection.h"
#include "map/MapPaint.h"
#include "map/ScrollZoom.h"
#include "platform/Utf8.h"
#include "properties/logic/PageCatalog.h"
#include "properties/logic/PageContext.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/RecordingCanvas.h"

using namespace vantorel;
using vantorel::fuzzing::DialogChoices;
using vantorel::fuzzing::ReadMissionPrefix;

namespace {

void Sentences(const Mission& m, const Trigger& t) {
    TriggerText(t, &m);
    TriggerVariableText(t.VariableType, t.Variable, &m);
}

void ComposeEverySentence(const Mission& m) {
    for (int i = 0; i < m.CountFlightGroups(); ++i) {
        const FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
        CraftNameForCount(r.CraftType(), r.NumberOfCraft());
        CraftTypeName(r.CraftType());
        const std::string label = FlightGroupLabel(r);
        TeamName(r.Team(), &m);
        IffColour(r.Iff(), i % 2 == 0);
        OfferedNames(r.Team(), r.CraftType());
        for (int k = 0; k < 4; ++k) Sentences(m, r.ArrivalTrigger(k));
        for (int k = 0; k < 2; ++k) Sentences(m, r.DepartureTrigger(k));
        for (int k = 0; k < 2; ++k) Sentences(m, r.JumpToOrder4Trigger(k));
        for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) {
            const ConstOrder o = r.Orders(n);
            OrderName(o.Command());
            OrderParameterLabels(o.Command());
            OrderInfoText(o.Command());
            TargetText(o.Target1Type(), o.Target1(), &m);
            TargetText(o.Target2Type(), o.Target2(), &m);
            TargetText(o.Target3Type(), o.Target3(), &m);
            TargetText(o.Target4Type(), o.Target4(), &m);
        }
        for (int n = 0; n < FlightGroupRecord::kGoalCount; ++n) {
            const ConstFgGoal g = r.Goals(n);
            GoalText(g.Team(), g.Amount(), label, g.Argument(), g.Condition(), &m);
        }
    }
    for (const auto& message : m.Messages) {
        MessageColour(message->File.Colour(), false);
        for (int k = 0; k < 4; ++k) Sentences(m, message->File.GetTrigger(k));
    }
    for (int team = 0; team < kTeamCount; ++team)
        for (int k = 0; k < 3; ++k)
            for (int c = 0; c < 4; ++c) Sentences(m, m.GlobalGoalSet(team, k)->GetTrigger(c));
    // The variable list a condition dialog would offer for the first
    // flight group's first arrival condition.
    if (m.CountFlightGroups() > 0) {
        const Trigger t = m.FlightGroups[0]->File.ArrivalTrigger(0);
        VariableChoiceCount(t.VariableType, &m);
        VariableChoices(t.VariableType, &m);
    }
}

// One paint, its angle, zoom, turn and switches taken from the last bytes of
// the input so the fuzzer reaches every angle and the extremes.
void Paint(Mission& m, const uint8_t* data, size_t size) {
    uint8_t b[8] = {};
    for (size_t i = 0; i < 8 && i < size; ++i) b[i] = data[size - 1 - i];
    const uint8_t switches = b[7];
    for (auto& fg : m.FlightGroups) {
        fg->Selected = switches & 1;
        if (auto start = fg->FirstEnabledStartPoint(); start && (switches & 2))
            fg->PointSelected[size_t(*start)] = 1;
    }
    ViewState view;
    view.Width = 320;
    view.Height = 240;
    view.Angle = b[6] % 4;
    view.Zoom = 2 + (b[0] | b[1] << 8) % 999;
    view.Zoom3D = -970 + (b[2] | b[3] << 8) % 1971;
    SetRotationDegrees(view, b[4] * 2, b[5] % 91);
    view.ShowWaypoints = switches & 4;
    view.ShowSelectionWaypoints = switches & 8;
    view.JoinWaypoints = switches & 16;
    view.ShowStalks = switches & 32;
    view.MouseMode = (switches & 64) ? kMousePointDrag : kMouseNone;
    if (switches & 128)
        CentreOnSelection(view, m);
    else
        CentreOnMap(view);
    testing::RecordingCanvas canvas;
    PaintMap(canvas, view, m);
}

// Each briefing that can be read, played at its start, at a moment the
// input picks and at its end, drawn and hit.
void PlayBriefings(const Mission& m, const uint8_t* data, size_t size) {
    const int tick = size >= 2 ? data[size - 1] | data[size - 2] << 8 : 0;
    for (int b = 0; b < kBriefingCount; ++b) {
        const BriefingDecode d = DecodeBriefing(m.Briefings[size_t(b)].Commands);
        if (!d.Script) continue;
        for (int t : {0, tick, BriefingPlaybackEnd(*d.Script)}) {
            const BriefingShown shown = BriefingShownAt(*d.Script, t);
            testing::RecordingCanvas canvas;
            PaintBriefing(canvas, 320, 240, m, b, shown);
            HitTestBriefing(canvas, 320, 240, m, b, shown, 160, 100);
        }
    }
}

void Check(const Mission& m) {
    std::vector<Problem> problems = CheckMission(m);
    for (Problem& p : CheckMissionFlow(m)) problems.push_back(std::move(p));
    for (const Problem& p : problems) {
        const int count = p.Subject == ProblemSubject::FlightGroup ? m.CountFlightGroups()
                          : p.Subject == ProblemSubject::Message   ? m.CountMessages()
                          : p.Subject == ProblemSubject::Team      ? kTeamCount
                          : p.Subject == ProblemSubject::Briefing  ? kBriefingCount
                                                                   : 0;
        if (p.Subject == ProblemSubject::Mission ? p.Index != -1
                                                 : (p.Index < 0 || p.Index >= count))
            std::abort();
        const std::string text = p.Text();
        if (p.Where.empty() || p.What.empty() || ValidUtf8(text) != text) std::abort();
    }
}

// Every box lies inside the picture, and every text is UTF-8.
void Flow(const Mission& m) {
    const MissionFlow flow = MakeMissionFlow(m);
    std::vector<LayoutSize> sizes;
    for (size_t v = 0; v < flow.nodes.size(); ++v) {
        for (const std::string& line : FlowNodeSentences(m, flow, int(v)))
            if (ValidUtf8(line) != line) std::abort();
        sizes.push_back({30 + int(v % 7) * 11, 18 + int(v % 3) * 13});
    }
    const FlowPicture picture = LayOutMissionFlow(flow, sizes);
    for (size_t v = 0; v < sizes.size(); ++v) {
        const LayoutPoint at = picture.topLeft[v];
        if (at.x < 0 || at.y < 0 || at.x + sizes[v].width > picture.width ||
            at.y + sizes[v].height > picture.height)
            std::abort();
    }
    const std::string dot = FlowDot(m, flow);
    if (ValidUtf8(dot) != dot) std::abort();
}

// Every property page and every dialog it opens loads whatever the mission
// holds, for the first and the last flight group together (so the merge of
// two records runs too), the first team and the first message.
void LoadEveryPage(Mission& mission) {
    static testing::FakeSettings settings;
    static testing::FakePrompter prompter;
    const int count = mission.CountFlightGroups();
    for (int i = 0; i < count; ++i)
        mission.FlightGroups[size_t(i)]->Selected = i == 0 || i == count - 1;
    const bool messages = mission.CountMessages() > 0;
    LevelDocument document(settings, prompter);
    document.SetMission(std::move(mission));
    PageContext context{document, nullptr, 0, messages ? 0 : -1};
    for (const PageInfo& info : PageCatalog()) {
        std::unique_ptr<PageModel> page = info.make();
        page->Load(context);
        for (const std::string& entry : page->DialogNames()) {
            std::string name;
            for (const std::string& which : DialogChoices(entry, name))
                if (std::unique_ptr<PageModel> dialog = page->OpenDialog(context, name, which))
                    dialog->Load(context);
        }
    }
    prompter.shown.clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Mission mission;
    if (!ReadMissionPrefix(data, size, mission)) return 0;
    ComposeEverySentence(mission);
    Paint(mission, data, size);
    PlayBriefings(mission, data, size);
    Check(mission);
    Flow(mission);
    LoadEveryPage(mission);
    return 0;
}
