#pragma once

#include <string>
#include <vector>

namespace vantorel {

struct Mission;
struct MissionFlow;

// What a node shows when the pointer rests on it, UTF-8, one line each: how
// its conditions join and each condition's sentence (as the property pages
// word them), a flight group goal's sentence, and, for a node that never
// happens, why.
std::vector<std::string> FlowNodeSentences(const Mission& mission, const MissionFlow& flow,
                                           int node);

// The flow for Graphviz (`dot -Tsvg`): left to right, a shape for each kind of
// node, what never happens red, dashed and marked "(never)" with its reason
// as the tooltip, other inputs of a condition as plain labels, order targets
// as grey dashed edges that do not order the layers.
std::string FlowDot(const Mission& mission, const MissionFlow& flow);

}  // namespace vantorel
