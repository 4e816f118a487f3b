#pragma once

#include <string>

namespace vantorel {

struct Mission;
struct MissionFlow;

// Why something never happens, as a chain a designer can follow back to its
// cause, in UTF-8. `subject` says what never happens ("Team Rebels can never
// win"), `chain` why ("primary goal 1 needs Bravo destroyed, Bravo never
// arrives: it arrives when Alpha is destroyed, and Alpha never appears
// (difficulty level Never Appears)").
struct NeverReason {
    std::string subject;
    std::string chain;
    std::string Text() const { return subject + ": " + chain; }
};

// The reason a node of the flow never happens; empty texts when it can.
NeverReason WhyNever(const Mission& mission, const MissionFlow& flow, int node);

// For flight groups that wait for each other round a circle (circle c of the
// flow): "Alpha, Bravo and Charlie wait on each other in a circle", and who
// waits for whom.
NeverReason CircleReason(const Mission& mission, const MissionFlow& flow, int circle);

}  // namespace vantorel
