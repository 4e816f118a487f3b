#include "flow/FlowCheck.h"

#include <algorithm>

#include "flow/FlowAnalysis.h"
#include "flow/FlowExplain.h"
#include "flow/MissionFlow.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

constexpr int kPrimary = 0, kPrevent = 1;

void Add(std::vector<Problem>& out, ProblemSeverity severity, ProblemSubject subject, int index,
         NeverReason why) {
    Problem p;
    p.Severity = severity;
    p.Kind = ProblemKind::NeverHappens;
    p.Subject = subject;
    p.Index = index;
    p.Where = std::move(why.subject);
    p.What = std::move(why.chain);
    out.push_back(std::move(p));
}

}  // namespace

std::vector<Problem> CheckMissionFlow(const Mission& mission) {
    return CheckMissionFlow(mission, MakeMissionFlow(mission));
}

std::vector<Problem> CheckMissionFlow(const Mission& mission, const MissionFlow& flow) {
    std::vector<Problem> problems;
    std::vector<Problem> messages, teams;
    for (int i = 0; i < int(flow.nodes.size()); ++i) {
        const FlowNode& node = flow.nodes[size_t(i)];
        if (!node.never) continue;
        const int fg = node.flightGroup;
        switch (node.kind) {
            case FlowNodeKind::Arrival:
                if (const int c = flow.circleOf[size_t(fg)]; c >= 0) {
                    // A circle is told once, at its first group.
                    if (flow.circles[size_t(c)].front() == fg)
                        Add(problems, ProblemSeverity::Warning, ProblemSubject::FlightGroup, fg,
                            CircleReason(mission, flow, c));
                } else if (!NeverAppears(mission.FlightGroups[size_t(fg)]->File)) {
                    Add(problems, ProblemSeverity::Warning, ProblemSubject::FlightGroup, fg,
                        WhyNever(mission, flow, i));
                }
                break;
            case FlowNodeKind::Departure:
                // A group that never arrives is told of by its arrival.
                if (flow.arrives[size_t(fg)])
                    Add(problems, ProblemSeverity::Warning, ProblemSubject::FlightGroup, fg,
                        WhyNever(mission, flow, i));
                break;
            case FlowNodeKind::FlightGroupGoal:
                Add(problems, ProblemSeverity::Warning, ProblemSubject::FlightGroup, fg,
                    WhyNever(mission, flow, i));
                break;
            case FlowNodeKind::Message:
                Add(messages, ProblemSeverity::Warning, ProblemSubject::Message, node.message,
                    WhyNever(mission, flow, i));
                break;
            case FlowNodeKind::TeamGoal:
                // What a team must prevent never happening is no failing of its own.
                if (node.goal == kPrevent) break;
                Add(teams,
                    node.goal == kPrimary ? ProblemSeverity::Error : ProblemSeverity::Warning,
                    ProblemSubject::Team, node.team, WhyNever(mission, flow, i));
                break;
            case FlowNodeKind::JumpToOrder4:
                break;
        }
    }
    // A group's own findings together, in list order.
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.Index < b.Index; });
    problems.insert(problems.end(), messages.begin(), messages.end());
    problems.insert(problems.end(), teams.begin(), teams.end());
    return problems;
}

}  // namespace vantorel
