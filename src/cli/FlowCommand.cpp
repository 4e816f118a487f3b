// `vantorel-cli flow FILE [--dot | --json]`: what waits for what in a
// mission, and what can never happen, as text, for Graphviz or as JSON.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleText.h"
#include "cli/Json.h"
#include "cli/MissionFileArg.h"
#include "flow/FlowExplain.h"
#include "flow/FlowText.h"
#include "flow/MissionFlow.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage = "flow FILE [--dot | --json]";

const char* KindName(FlowNodeKind kind) {
    switch (kind) {
        case FlowNodeKind::Arrival:
            return "arrival";
        case FlowNodeKind::Departure:
            return "departure";
        case FlowNodeKind::JumpToOrder4:
            return "jump-to-order-4";
        case FlowNodeKind::Message:
            return "message";
        case FlowNodeKind::TeamGoal:
            return "team-goal";
        case FlowNodeKind::FlightGroupGoal:
            break;
    }
    return "flight-group-goal";
}

const char* EdgeKindName(FlowEdgeKind kind) {
    switch (kind) {
        case FlowEdgeKind::Condition:
            return "condition";
        case FlowEdgeKind::Own:
            return "own";
        case FlowEdgeKind::DropOff:
            return "drop-off";
        case FlowEdgeKind::OrderTarget:
            break;
    }
    return "order-target";
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "vantorel-cli flow: %s\nusage: vantorel-cli %s\n", problem.c_str(),
                 kUsage);
    return kExitUsage;
}

// A node a line with its verdict, then what it waits for and why it never
// happens, indented.
void PrintText(const Mission& mission, const MissionFlow& flow) {
    std::vector<std::vector<const FlowEdge*>> incoming(flow.nodes.size());
    for (const FlowEdge& e : flow.edges) incoming[size_t(e.to)].push_back(&e);
    for (size_t v = 0; v < flow.nodes.size(); ++v) {
        const FlowNode& node = flow.nodes[v];
        PrintUtf8(stdout, "%s: %s%s\n", node.id.c_str(), node.label.c_str(),
                  node.never ? " (never)" : "");
        for (const FlowEdge* e : incoming[v]) {
            const std::string& from = flow.nodes[size_t(e->from)].id;
            switch (e->kind) {
                case FlowEdgeKind::Condition:
                    PrintUtf8(stdout, "  after %s: %s\n", from.c_str(), e->label.c_str());
                    break;
                case FlowEdgeKind::Own:
                    PrintUtf8(stdout, "  after %s\n", from.c_str());
                    break;
                case FlowEdgeKind::DropOff:
                    PrintUtf8(stdout, "  dropped off by %s\n", from.c_str());
                    break;
                case FlowEdgeKind::OrderTarget:
                    PrintUtf8(stdout, "  aimed at by %s: %s\n", from.c_str(), e->label.c_str());
                    break;
            }
        }
        for (const std::string& input : node.inputs)
            PrintUtf8(stdout, "  input: %s\n", input.c_str());
        if (node.never)
            PrintUtf8(stdout, "  never: %s\n", WhyNever(mission, flow, int(v)).Text().c_str());
    }
}

void PrintJson(const Mission& mission, const MissionFlow& flow) {
    JsonWriter j;
    j.BeginObject();
    j.BeginArray("nodes");
    for (size_t v = 0; v < flow.nodes.size(); ++v) {
        const FlowNode& node = flow.nodes[v];
        j.BeginObject();
        j.String("id", node.id);
        j.String("kind", KindName(node.kind));
        j.String("label", node.label);
        if (node.flightGroup >= 0) j.Int("flightGroup", node.flightGroup);
        if (node.message >= 0) j.Int("message", node.message);
        if (node.team >= 0) j.Int("team", node.team + 1);
        if (node.kind == FlowNodeKind::TeamGoal) {
            static const char* const kSets[3] = {"primary", "prevent", "secondary"};
            j.String("set", kSets[node.goal]);
        } else if (node.goal >= 0) {
            j.Int("goal", node.goal + 1);
        }
        j.Bool("never", node.never);
        if (node.never) j.String("why", WhyNever(mission, flow, int(v)).Text());
        j.BeginArray("inputs");
        for (const std::string& input : node.inputs) j.String(input);
        j.EndArray();
        j.EndObject();
    }
    j.EndArray();
    j.BeginArray("edges");
    for (const FlowEdge& e : flow.edges) {
        j.BeginObject();
        j.String("from", flow.nodes[size_t(e.from)].id);
        j.String("to", flow.nodes[size_t(e.to)].id);
        j.String("kind", EdgeKindName(e.kind));
        j.String("label", e.label);
        j.EndObject();
    }
    j.EndArray();
    j.BeginArray("circles");
    for (const std::vector<int>& circle : flow.circles) j.IntArray({}, circle);
    j.EndArray();
    j.EndObject();
    PrintUtf8(stdout, "%s\n", j.Text().c_str());
}

int Run(const std::vector<std::string>& args) {
    std::string file;
    bool dot = false, json = false;
    for (const std::string& a : args) {
        if (a == "--dot") {
            dot = true;
        } else if (a == "--json") {
            json = true;
        } else if (std::string why = TakeMissionFile(a, file); !why.empty()) {
            return Usage(why);
        }
    }
    if (file.empty()) return Usage("no mission file given");
    if (dot && json) return Usage("--dot and --json exclude each other");

    Mission mission;
    if (int rc = LoadMissionArg(file, mission); rc != kExitOk) return rc;
    const MissionFlow flow = MakeMissionFlow(mission);
    if (dot)
        WriteUtf8(stdout, FlowDot(mission, flow));
    else if (json)
        PrintJson(mission, flow);
    else
        PrintText(mission, flow);
    return kExitOk;
}

CommandRegistration registration(
    {"flow", kUsage,
     "what waits for what: every arrival, departure, jump to order 4, message and goal with the "
     "flight groups its conditions name, and what can never happen with the chain that explains "
     "it; --dot for Graphviz (vantorel-cli flow m.tie --dot | dot -Tsvg > flow.svg), --json",
     &Run});

}  // namespace
}  // namespace vantorel::cli
