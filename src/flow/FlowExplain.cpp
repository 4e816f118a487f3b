#include "flow/FlowExplain.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "flow/ConditionRules.h"
#include "flow/FlowAnalysis.h"
#include "flow/MissionFlow.h"
#include "mission/Mission.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

constexpr int kMostGroupsTold = 12;

// "A", "A and B", "A, B and C".
std::string JoinList(const std::vector<std::string>& items, const char* last = " and ") {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? last : ", ";
        text += items[i];
    }
    return text;
}

std::string Join(const std::vector<std::string>& items, const std::string& between) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) text += (i ? between : "") + items[i];
    return text;
}

void AddOnce(std::vector<std::string>& items, std::string item) {
    if (std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(std::move(item));
}

class Explainer {
public:
    Explainer(const Mission& mission, const MissionFlow& flow)
        : m_(mission), f_(flow), told_(size_t(mission.CountFlightGroups()), false) {}

    // "Alpha never appears (...)", "Bravo never arrives: ...".
    std::string Group(int fg) {
        if (told_[size_t(fg)]) return f_.names[size_t(fg)] + " never arrives (see above)";
        // A chain through a long line of groups would fill pages; each group
        // has a reason of its own to read.
        if (++toldCount_ > kMostGroupsTold)
            return f_.names[size_t(fg)] + " never arrives (explained on its own)";
        const NeverReason why = GroupReason(fg);
        if (NeverAppears(m_.FlightGroups[size_t(fg)]->File)) {
            // "(difficulty level Never Appears)" and what follows it.
            const size_t more = why.chain.find(", and ");
            if (more == std::string::npos) return why.subject + " (" + why.chain + ")";
            return why.subject + " (" + why.chain.substr(0, more) + ")" + why.chain.substr(more);
        }
        return why.Text();
    }

    NeverReason GroupReason(int fg) {
        told_[size_t(fg)] = true;
        path_.push_back(fg);
        const std::string& name = f_.names[size_t(fg)];
        const FlightGroupRecord& r = m_.FlightGroups[size_t(fg)]->File;
        NeverReason why;
        if (NeverAppears(r))
            why = {name + " never appears", "difficulty level Never Appears"};
        else if (const int c = f_.circleOf[size_t(fg)]; c >= 0)
            why = {name + " never arrives", CircleSubject(c)};
        else
            why = {name + " never arrives",
                   When(ArrivalConditions(r), "arrival condition", "it arrives when")};
        // A group that would drop it off does not help: say why.
        const std::vector<int>& droppers = f_.droppedBy[size_t(fg)];
        if (!droppers.empty()) {
            std::vector<std::string> names;
            for (int j : droppers) names.push_back(f_.names[size_t(j)]);
            why.chain += ", and it is dropped off by " + JoinList(names, " or ");
            if (const std::string more = Why(droppers); !more.empty()) why.chain += ", and " + more;
        }
        path_.pop_back();
        return why;
    }

    // The conditions of an arrival, departure, jump or message: "it arrives
    // when Alpha is destroyed, and <why Alpha never arrives>", or "arrival
    // condition 2 is False".
    std::string When(const ConditionSet& set, const std::string& noun, const std::string& intro) {
        std::vector<std::string> whens;
        std::vector<int> groups;
        const std::string none = Waits(set, noun, groups, [&](int, const Trigger& t) {
            AddOnce(whens, f_.names[t.Variable] + " " + FindConditionRule(t.Condition)->when);
        });
        if (!none.empty()) return none;
        const std::string why = Why(groups);
        return intro + " " + Join(whens, " or ") + (why.empty() ? "" : ", and " + why);
    }

    // The conditions of a goal: "primary goal 1 needs Bravo destroyed,
    // <why Bravo never arrives>". `prefix` names trigger i ("primary goal 1",
    // or "it" for a flight group goal).
    std::string Needs(const ConditionSet& set, const std::string& noun,
                      const std::function<std::string(int)>& prefix) {
        std::vector<std::string> needs;
        std::vector<int> groups;
        const std::string none = Waits(set, noun, groups, [&](int i, const Trigger& t) {
            AddOnce(needs, prefix(i) + " needs " + f_.names[t.Variable] + " " +
                               FindConditionRule(t.Condition)->needs);
        });
        if (!none.empty()) return none;
        const std::string why = Why(groups);
        return Join(needs, " or ") + (why.empty() ? "" : ", " + why);
    }

    std::string CircleSubject(int c) {
        const std::vector<int>& members = f_.circles[size_t(c)];
        if (members.size() == 1) return f_.names[size_t(members[0])] + " waits for itself";
        std::vector<std::string> names;
        for (int fg : members) names.push_back(f_.names[size_t(fg)]);
        return JoinList(names) + " wait on each other in a circle";
    }

    // "Alpha arrives when Bravo is destroyed, and Bravo arrives when Alpha arrives".
    std::string CircleChain(int c) {
        const std::vector<int>& members = f_.circles[size_t(c)];
        std::vector<std::string> lines;
        for (int fg : members) {
            const FlightGroupRecord& r = m_.FlightGroups[size_t(fg)]->File;
            std::vector<std::string> whens;
            for (int k = 0; k < 4; ++k) {
                const Trigger t = r.ArrivalTrigger(k);
                if (!TriggerWaitsInVain(t, f_.arrives) ||
                    std::find(members.begin(), members.end(), int(t.Variable)) == members.end())
                    continue;
                AddOnce(whens, f_.names[t.Variable] + " " + FindConditionRule(t.Condition)->when);
            }
            lines.push_back((members.size() == 1 ? std::string("it") : f_.names[size_t(fg)]) +
                            " arrives when " + Join(whens, " or "));
        }
        return JoinList(lines, ", and ");
    }

private:
    // Collects the triggers that wait in vain among those to blame; returns
    // the "is False" words when none does.
    std::string Waits(const ConditionSet& set, const std::string& noun, std::vector<int>& groups,
                      const std::function<void(int, const Trigger&)>& each) {
        const std::vector<int> blame = SetBlame(set, f_.arrives);
        for (int i : blame) {
            const Trigger& t = set.triggers[size_t(i)];
            if (!TriggerWaitsInVain(t, f_.arrives)) continue;
            each(i, t);
            if (std::find(groups.begin(), groups.end(), t.Variable) == groups.end())
                groups.push_back(t.Variable);
        }
        if (!groups.empty()) return {};
        std::vector<std::string> numbers;
        for (int i : blame) numbers.push_back(std::to_string(i + 1));
        if (numbers.size() == 1) return noun + " " + numbers[0] + " is False";
        return noun + "s " + JoinList(numbers) + " are False";
    }

    // Why each group never arrives, leaving out the ones whose story is
    // being told already (a group that waits to be dropped off waits for
    // itself).
    std::string Why(const std::vector<int>& groups) {
        std::vector<std::string> why;
        for (int g : groups)
            if (std::find(path_.begin(), path_.end(), g) == path_.end()) why.push_back(Group(g));
        return Join(why, ", and ");
    }

    const Mission& m_;
    const MissionFlow& f_;
    std::vector<bool> told_;  // groups already explained in this text
    std::vector<int> path_;   // groups whose explanation is being written
    int toldCount_ = 0;
};

std::string MessageSubject(int index, const RadioMessage& message) {
    std::string text = Win1252ToUtf8(message.File.TextWithoutColour());
    return "Message " + std::to_string(index) + (text.empty() ? "" : " \"" + text + "\"");
}

}  // namespace

NeverReason WhyNever(const Mission& mission, const MissionFlow& flow, int index) {
    const FlowNode& node = flow.nodes[size_t(index)];
    if (!node.never) return {};
    Explainer x(mission, flow);
    const std::string& name = node.flightGroup >= 0 ? flow.names[size_t(node.flightGroup)] : "";
    const bool arrives = node.flightGroup >= 0 && flow.arrives[size_t(node.flightGroup)];
    switch (node.kind) {
        case FlowNodeKind::Arrival:
            return x.GroupReason(node.flightGroup);
        case FlowNodeKind::Departure:
            return {name + " never departs",
                    arrives ? x.When(node.conditions, "departure condition", "it departs when")
                            : x.Group(node.flightGroup)};
        case FlowNodeKind::JumpToOrder4:
            return {name + " never jumps to order 4",
                    arrives ? x.When(node.conditions, "jump to order 4 condition",
                                     "it jumps to order 4 when")
                            : x.Group(node.flightGroup)};
        case FlowNodeKind::Message:
            return {MessageSubject(node.message, *mission.Messages[size_t(node.message)]) +
                        " is never sent",
                    x.When(node.conditions, "condition", "it is sent when")};
        case FlowNodeKind::TeamGoal: {
            static const char* const kSets[3] = {"primary goal", "prevent goal", "secondary goal"};
            const std::string team = TeamPhrase(mission, node.team);
            static const char* const kSubjects[3] = {" can never win",
                                                     ": what it must prevent can never happen",
                                                     " can never complete its secondary goals"};
            const std::string noun = kSets[node.goal];
            return {team + kSubjects[node.goal], x.Needs(node.conditions, noun, [&](int i) {
                        return noun + " " + std::to_string(i + 1);
                    })};
        }
        case FlowNodeKind::FlightGroupGoal:
            return {
                "Goal " + std::to_string(node.goal + 1) + " of " + name + " can never be completed",
                x.Needs(node.conditions, "goal condition", [](int) { return std::string("it"); })};
    }
    return {};
}

NeverReason CircleReason(const Mission& mission, const MissionFlow& flow, int circle) {
    Explainer x(mission, flow);
    return {x.CircleSubject(circle), x.CircleChain(circle)};
}

}  // namespace vantorel
