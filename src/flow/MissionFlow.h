#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "flow/TriggerLogic.h"

namespace vantorel {

struct Mission;

// The mission as a web of what waits for what: a node for every flight
// group's arrival, departure and jump to order 4, every radio message, every
// team goal set and every flight group goal, and an edge from each flight
// group to whatever names it in a condition. Each node carries its verdict:
// whether it can ever happen.

enum class FlowNodeKind {
    Arrival,
    Departure,     // left out for a group that stays (departure conditions "false")
    JumpToOrder4,  // only when a condition names something
    Message,
    TeamGoal,         // only when a condition names something
    FlightGroupGoal,  // only a goal with an effect (neither "true" nor "false")
};

enum class FlowEdgeKind {
    Condition,    // a condition of `to` names the flight group `from` arrives as
    Own,          // a group's departure, jump and goals come after its arrival
    DropOff,      // `from` drops `to` off (Drop Off Craft)
    OrderTarget,  // `from` has an order aimed at `to`; drawn dashed, no waiting
};

struct FlowNode {
    FlowNodeKind kind = FlowNodeKind::Arrival;
    int flightGroup = -1;  // arrival, departure, jump, flight group goal
    int message = -1;
    int team = -1;      // team goal
    int goal = -1;      // team goal set 0..2 (primary, prevent, secondary), flight group goal 0..7
    int goalSense = 0;  // flight group goal: must, must not, ...
    ConditionSet conditions;
    bool never = false;  // can never happen
    std::string id;      // stable name for DOT and JSON: "fg3.arrival", "message0", ...
    std::string label;   // UTF-8: "Bravo arrives"
    // What the conditions name other than flight groups ("ship type TIE
    // Fighter", "team Rebel"), UTF-8, each once.
    std::vector<std::string> inputs;
};

struct FlowEdge {
    int from = 0;
    int to = 0;
    FlowEdgeKind kind = FlowEdgeKind::Condition;
    std::string label;  // the conditions or order, UTF-8: "be destroyed"
};

struct MissionFlow {
    std::vector<FlowNode> nodes;
    std::vector<FlowEdge> edges;
    std::vector<int> arrivalNode;             // per flight group
    std::vector<bool> arrives;                // per flight group: can ever arrive
    std::vector<std::string> names;           // per flight group, as the texts name it (UTF-8)
    std::vector<std::vector<int>> circles;    // WaitingCircles
    std::vector<int> circleOf;                // per flight group: its circle, or -1
    std::vector<std::vector<int>> droppedBy;  // per flight group: who drops it off
};

MissionFlow MakeMissionFlow(const Mission& mission);

// The bytes the flow is made of (everything of the flight groups but their
// points, the messages, the teams and their goals): equal bytes, equal flow.
// A window compares them to skip the work when an edit only moved points.
std::vector<uint8_t> FlowInputBytes(const Mission& mission);

// Whether the edge orders the layers (every kind but order targets).
bool EdgeWaits(const FlowEdge& edge);

// "Team Rebels", or "Team 3" for a team without a name of its own (UTF-8).
std::string TeamPhrase(const Mission& mission, int team);

}  // namespace vantorel
