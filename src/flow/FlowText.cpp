#include "flow/FlowText.h"

#include <array>

#include "catalogue/CraftTypes.h"
#include "catalogue/GoalText.h"
#include "catalogue/TriggerText.h"
#include "catalogue/WordList.h"
#include "flow/FlowAnalysis.h"
#include "flow/FlowExplain.h"
#include "flow/MissionFlow.h"
#include "mission/Mission.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

constexpr std::array<const char*, 2> kAndOr = {"AND", "OR"};

std::string Joining(const ConditionSet& s) {
    const std::string op12 = ListWord(kAndOr, s.andOr12);
    if (s.count == 2) return "1 " + op12 + " 2";
    return "(1 " + op12 + " 2) " + ListWord(kAndOr, s.andOr1234) + " (3 " +
           ListWord(kAndOr, s.andOr34) + " 4)";
}

// A DOT string: quotes and backslashes escaped, line breaks as \n.
std::string Quoted(const std::string& text) {
    std::string q = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') q += '\\';
        if (c == '\n') {
            q += "\\n";
            continue;
        }
        // Control characters (a name may hold any byte) read as blanks.
        q += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
    }
    return q + "\"";
}

const char* Shape(FlowNodeKind kind) {
    switch (kind) {
        case FlowNodeKind::Arrival:
            return "box";
        case FlowNodeKind::Departure:
            return "box, style=rounded";
        case FlowNodeKind::JumpToOrder4:
            return "cds";
        case FlowNodeKind::Message:
            return "note";
        case FlowNodeKind::TeamGoal:
            return "octagon";
        case FlowNodeKind::FlightGroupGoal:
            return "ellipse";
    }
    return "box";
}

}  // namespace

std::vector<std::string> FlowNodeSentences(const Mission& mission, const MissionFlow& flow,
                                           int index) {
    const FlowNode& node = flow.nodes[size_t(index)];
    std::vector<std::string> lines;
    if (node.kind == FlowNodeKind::FlightGroupGoal) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(node.flightGroup)]->File;
        const ConstFgGoal goal = r.Goals(node.goal);
        lines.push_back(Win1252ToUtf8(GoalText(goal.Team(), goal.Amount(), FlightGroupLabel(r),
                                               goal.Argument(), goal.Condition(), &mission)));
    } else {
        static const char* const kHeadings[] = {"Arrival", "Departure", "Jump to order 4",
                                                "Conditions"};
        static const char* const kGoalSets[] = {"Primary goal", "Prevent goal", "Secondary goal"};
        const char* heading =
            node.kind == FlowNodeKind::TeamGoal ? kGoalSets[node.goal] : kHeadings[int(node.kind)];
        lines.push_back(std::string(heading) + ": " + Joining(node.conditions));
        for (int i = 0; i < node.conditions.count; ++i)
            lines.push_back(
                std::to_string(i + 1) + ": " +
                Win1252ToUtf8(TriggerText(node.conditions.triggers[size_t(i)], &mission)));
    }
    if (node.flightGroup >= 0 && node.kind == FlowNodeKind::Arrival &&
        NeverAppears(mission.FlightGroups[size_t(node.flightGroup)]->File))
        lines.push_back("Difficulty level: Never Appears");
    if (node.never) lines.push_back(WhyNever(mission, flow, index).Text());
    return lines;
}

std::string FlowDot(const Mission& mission, const MissionFlow& flow) {
    std::string dot =
        "digraph \"mission flow\" {\n"
        "  rankdir=LR;\n"
        "  node [fontname=\"Helvetica\", fontsize=10];\n"
        "  edge [fontname=\"Helvetica\", fontsize=9];\n";
    for (size_t v = 0; v < flow.nodes.size(); ++v) {
        const FlowNode& node = flow.nodes[v];
        dot += "  " + Quoted(node.id) +
               " [label=" + Quoted(node.never ? node.label + "\n(never)" : node.label) +
               ", shape=" + Shape(node.kind);
        if (node.never)
            dot += ", color=red, fontcolor=red, style=dashed, tooltip=" +
                   Quoted(WhyNever(mission, flow, int(v)).Text());
        dot += "];\n";
        for (size_t i = 0; i < node.inputs.size(); ++i) {
            const std::string id = node.id + ".input" + std::to_string(i + 1);
            dot += "  " + Quoted(id) + " [label=" + Quoted(node.inputs[i]) +
                   ", shape=plaintext];\n  " + Quoted(id) + " -> " + Quoted(node.id) +
                   " [style=dotted];\n";
        }
    }
    for (const FlowEdge& e : flow.edges) {
        dot += "  " + Quoted(flow.nodes[size_t(e.from)].id) + " -> " +
               Quoted(flow.nodes[size_t(e.to)].id);
        std::string attributes;
        if (!e.label.empty()) attributes = "label=" + Quoted(e.label);
        if (e.kind == FlowEdgeKind::OrderTarget)
            attributes += ", style=dashed, color=gray, fontcolor=gray, constraint=false";
        else if (e.kind == FlowEdgeKind::DropOff)
            attributes += ", style=bold";
        else if (e.kind == FlowEdgeKind::Own)
            attributes = "color=gray";
        if (!attributes.empty()) dot += " [" + attributes + "]";
        dot += ";\n";
    }
    return dot + "}\n";
}

}  // namespace vantorel
