#include "flow/MissionFlow.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/Orders.h"
#include "catalogue/TeamName.h"
#include "catalogue/TriggerText.h"
#include "flow/ConditionRules.h"
#include "flow/FlowAnalysis.h"
#include "mission/Mission.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

constexpr const char* kGoalSetNames[3] = {"primary goal", "prevent goal", "secondary goal"};
constexpr const char* kGoalSetIds[3] = {"primary", "prevent", "secondary"};
constexpr size_t kLabelTextLength = 28;

bool NamesSomething(const ConditionSet& set) {
    for (int i = 0; i < set.count; ++i) {
        const int c = set.triggers[size_t(i)].Condition;
        if (c != kConditionTrue && c != kConditionFalse) return true;
    }
    return false;
}

// A condition word as an edge shows it: "must be destroyed" reads "be destroyed".
std::string EdgeWord(int condition) {
    std::string word = ListWord(Conditions(), condition);
    if (word.rfind("must ", 0) == 0) word.erase(0, 5);
    return Win1252ToUtf8(word);
}

std::vector<std::string> FlightGroupNames(const Mission& mission) {
    std::map<std::string, int> uses;
    for (const auto& fg : mission.FlightGroups) ++uses[fg->File.Name()];
    std::vector<std::string> names;
    for (int i = 0; i < mission.CountFlightGroups(); ++i) {
        const std::string name = mission.FlightGroups[size_t(i)]->File.Name();
        const std::string number = "flight group " + std::to_string(i);
        // Names are the designer's words; where two groups share one, or one
        // has none, the number tells them apart.
        if (name.empty())
            names.push_back(number);
        else if (uses[name] > 1)
            names.push_back(Win1252ToUtf8(name) + " (" + number + ")");
        else
            names.push_back(Win1252ToUtf8(name));
    }
    return names;
}

class Builder {
public:
    Builder(const Mission& mission, MissionFlow& flow) : m_(mission), f_(flow) {}

    int AddNode(FlowNode node) {
        const int at = int(f_.nodes.size());
        for (int i = 0; i < node.conditions.count; ++i)
            Input(node, node.conditions.triggers[size_t(i)]);
        f_.nodes.push_back(std::move(node));
        return at;
    }

    // Edges from the flight groups a node's conditions name, one per group
    // with the words of its conditions.
    void ConditionEdges(int node) {
        const ConditionSet& set = f_.nodes[size_t(node)].conditions;
        for (int i = 0; i < set.count; ++i) {
            const Trigger& t = set.triggers[size_t(i)];
            if (t.Condition == kConditionTrue || t.Condition == kConditionFalse) continue;
            if (t.VariableType != kVariableFlightGroup || t.Variable >= m_.CountFlightGroups())
                continue;
            AddEdge(f_.arrivalNode[t.Variable], node, FlowEdgeKind::Condition,
                    EdgeWord(t.Condition));
        }
    }

    // One edge per pair and kind; a second reason joins the first's label.
    void AddEdge(int from, int to, FlowEdgeKind kind, const std::string& label) {
        const auto [it, added] = edgeAt_.try_emplace({from, to, int(kind)}, f_.edges.size());
        if (added) {
            f_.edges.push_back({from, to, kind, label});
            return;
        }
        FlowEdge& edge = f_.edges[it->second];
        if (!label.empty() && edge.label.find(label) == std::string::npos)
            edge.label += ", " + label;
    }

    // A condition of a group's own departure or goal that names the group is
    // the same waiting as the plain "after its arrival".
    bool HasEdge(int from, int to) const {
        return edgeAt_.count({from, to, int(FlowEdgeKind::Condition)}) > 0;
    }

private:
    void Input(FlowNode& node, const Trigger& t) {
        if (t.Condition == kConditionTrue || t.Condition == kConditionFalse) return;
        if (t.VariableType == kVariableNone) return;
        if (t.VariableType == kVariableFlightGroup && t.Variable < m_.CountFlightGroups()) return;
        const std::string text =
            Win1252ToUtf8(ListWord(VariableTypes(), t.VariableType) + " " +
                          TriggerVariableText(t.VariableType, t.Variable, &m_));
        if (std::find(node.inputs.begin(), node.inputs.end(), text) == node.inputs.end())
            node.inputs.push_back(text);
    }

    const Mission& m_;
    MissionFlow& f_;
    std::map<std::tuple<int, int, int>, size_t> edgeAt_;
};

std::string MessageLabel(int index, const RadioMessage& message) {
    std::string text = Win1252ToUtf8(message.File.TextWithoutColour());
    std::string label = "Message " + std::to_string(index);
    if (text.empty()) return label;
    // Cut on a character, not inside one.
    if (text.size() > kLabelTextLength) {
        size_t cut = kLabelTextLength;
        while (cut > 0 && (uint8_t(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut) + "...";
    }
    return label + ": " + text;
}

}  // namespace

std::vector<uint8_t> FlowInputBytes(const Mission& mission) {
    // The points start at 0x466 and run to the end of what the flow reads.
    constexpr size_t kPointsStart = 0x466;
    std::vector<uint8_t> bytes;
    const auto add = [&](const uint8_t* p, size_t n) { bytes.insert(bytes.end(), p, p + n); };
    const uint16_t counts[2] = {uint16_t(mission.CountFlightGroups()),
                                uint16_t(mission.CountMessages())};
    add(reinterpret_cast<const uint8_t*>(counts), sizeof counts);
    for (const auto& fg : mission.FlightGroups) add(fg->File.Data(), kPointsStart);
    for (const auto& message : mission.Messages) add(message->File.Data(), MessageRecord::kSize);
    for (const auto& goals : mission.GlobalGoals) add(goals.Data(), GlobalGoalsRecord::kSize);
    for (const auto& team : mission.Teams) add(team.Data(), TeamRecord::kSize);
    return bytes;
}

bool EdgeWaits(const FlowEdge& edge) {
    return edge.kind != FlowEdgeKind::OrderTarget;
}

std::string TeamPhrase(const Mission& mission, int team) {
    const std::string name = Win1252ToUtf8(TeamName(team, &mission));
    return name.rfind("Team ", 0) == 0 ? name : "Team " + name;
}

MissionFlow MakeMissionFlow(const Mission& mission) {
    MissionFlow flow;
    const int n = mission.CountFlightGroups();
    flow.names = FlightGroupNames(mission);
    flow.arrives = FlightGroupsThatCanArrive(mission);
    flow.circles = WaitingCircles(mission, flow.arrives);
    flow.circleOf.assign(size_t(n), -1);
    for (size_t c = 0; c < flow.circles.size(); ++c)
        for (int fg : flow.circles[c]) flow.circleOf[size_t(fg)] = int(c);

    Builder b(mission, flow);
    // Every arrival first, so that any condition can point at one.
    for (int i = 0; i < n; ++i) {
        FlowNode node;
        node.kind = FlowNodeKind::Arrival;
        node.flightGroup = i;
        node.conditions = ArrivalConditions(mission.FlightGroups[size_t(i)]->File);
        node.never = !flow.arrives[size_t(i)];
        node.id = "fg" + std::to_string(i) + ".arrival";
        node.label = flow.names[size_t(i)] + " arrives";
        flow.arrivalNode.push_back(b.AddNode(std::move(node)));
    }
    const auto possible = [&](const ConditionSet& set) { return SetCanBeTrue(set, flow.arrives); };
    for (int i = 0; i < n; ++i) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(i)]->File;
        const int arrival = flow.arrivalNode[size_t(i)];
        const bool arrives = flow.arrives[size_t(i)];
        b.ConditionEdges(arrival);

        const auto ownNode = [&](FlowNodeKind kind, const ConditionSet& set, const std::string& id,
                                 const std::string& label, bool never) {
            FlowNode node;
            node.kind = kind;
            node.flightGroup = i;
            node.conditions = set;
            node.never = never;
            node.id = "fg" + std::to_string(i) + "." + id;
            node.label = flow.names[size_t(i)] + " " + label;
            const int at = b.AddNode(std::move(node));
            b.ConditionEdges(at);
            if (!b.HasEdge(arrival, at)) b.AddEdge(arrival, at, FlowEdgeKind::Own, "");
            return at;
        };
        if (const ConditionSet set = DepartureConditions(r); !SetIsFalse(set))
            ownNode(FlowNodeKind::Departure, set, "departure", "departs",
                    !arrives || !possible(set));
        if (const ConditionSet set = JumpToOrder4Conditions(r);
            NamesSomething(set) && !SetIsFalse(set))
            ownNode(FlowNodeKind::JumpToOrder4, set, "jump", "jumps to order 4",
                    !arrives || !possible(set));
        for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g) {
            const ConstFgGoal goal = r.Goals(g);
            if (goal.Condition() == kConditionTrue || goal.Condition() == kConditionFalse) continue;
            ConditionSet set;
            set.count = 1;
            set.triggers[0] = {goal.Condition(), uint8_t(kVariableFlightGroup), uint8_t(i),
                               goal.Amount()};
            FlowNode node;
            node.kind = FlowNodeKind::FlightGroupGoal;
            node.flightGroup = i;
            node.goal = g;
            node.goalSense = goal.Argument();
            node.conditions = set;
            node.never = !GoalCanBeMet(goal.Argument(), set.triggers[0], flow.arrives);
            node.id = "fg" + std::to_string(i) + ".goal" + std::to_string(g + 1);
            node.label = "Goal " + std::to_string(g + 1) + " of " + flow.names[size_t(i)];
            const int at = b.AddNode(std::move(node));
            b.ConditionEdges(at);
        }
    }
    for (int i = 0; i < mission.CountMessages(); ++i) {
        const RadioMessage& message = *mission.Messages[size_t(i)];
        FlowNode node;
        node.kind = FlowNodeKind::Message;
        node.message = i;
        node.conditions = MessageConditions(message.File);
        node.never = !possible(node.conditions);
        node.id = "message" + std::to_string(i);
        node.label = MessageLabel(i, message);
        const int at = b.AddNode(std::move(node));
        b.ConditionEdges(at);
    }
    for (int t = 0; t < kTeamCount; ++t) {
        for (int k = 0; k < 3; ++k) {
            const ConditionSet set = GoalSetConditions(mission, t, k);
            if (!NamesSomething(set) || SetIsFalse(set)) continue;
            FlowNode node;
            node.kind = FlowNodeKind::TeamGoal;
            node.team = t;
            node.goal = k;
            node.conditions = set;
            node.never = !possible(set);
            node.id = "team" + std::to_string(t + 1) + "." + kGoalSetIds[k];
            node.label = TeamPhrase(mission, t) + ": " + kGoalSetNames[k];
            const int at = b.AddNode(std::move(node));
            b.ConditionEdges(at);
        }
    }
    // Orders last: drop-offs, then what orders aim at.
    flow.droppedBy.resize(size_t(n));
    for (int j = 0; j < n; ++j) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(j)]->File;
        const int from = flow.arrivalNode[size_t(j)];
        for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
            const ConstOrder order = r.Orders(o);
            if (order.Command() != kOrderDropOffCraft || order.Parameter2() >= n) continue;
            b.AddEdge(from, flow.arrivalNode[order.Parameter2()], FlowEdgeKind::DropOff,
                      "drops off");
            auto& by = flow.droppedBy[order.Parameter2()];
            if (std::find(by.begin(), by.end(), j) == by.end()) by.push_back(j);
        }
    }
    for (int j = 0; j < n; ++j) {
        const FlightGroupRecord& r = mission.FlightGroups[size_t(j)]->File;
        const int from = flow.arrivalNode[size_t(j)];
        for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
            const ConstOrder order = r.Orders(o);
            if (!OrderTargetsHaveEffect(order.Command())) continue;
            const std::pair<int, int> targets[4] = {{order.Target1Type(), order.Target1()},
                                                    {order.Target2Type(), order.Target2()},
                                                    {order.Target3Type(), order.Target3()},
                                                    {order.Target4Type(), order.Target4()}};
            for (const auto& [type, target] : targets) {
                if (type != kVariableFlightGroup || target >= n || target == j) continue;
                b.AddEdge(from, flow.arrivalNode[size_t(target)], FlowEdgeKind::OrderTarget,
                          Win1252ToUtf8(OrderName(order.Command())));
            }
        }
    }
    return flow;
}

}  // namespace vantorel
