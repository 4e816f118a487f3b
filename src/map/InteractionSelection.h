#pragma once

namespace vantorel {

struct FlightGroup;
struct Mission;

// Clears Selected and the map's point marks (points 0..13) of every flight
// group.
void ClearMapSelection(Mission& mission);

// Leaves `keep` the only selected flight group. The others lose their point
// marks too, so no deselected flight group still shows (or drags) a point.
void KeepOnlySelected(Mission& mission, const FlightGroup& keep);

// Whether any enabled point 0..13 of the flight group is marked.
bool AnyEnabledPointSelected(const FlightGroup& fg);

}  // namespace vantorel
