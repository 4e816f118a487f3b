#pragma once

namespace vantorel {

struct FlightGroup;
struct Mission;

// The Edit menu's selection commands. Selecting is no edit: the flags change
// in place, and the caller tells the windows (NotifySelectionChanged).
//
// A flight group that becomes selected gets its first enabled start point
// marked, as a choice in the flight group list gives it (none when no start
// point is enabled: it is selected all the same); one that loses its
// selection loses its point marks. One whose state stays keeps the points
// picked on the map. Each returns whether any flag changed.
bool SetFlightGroupSelected(FlightGroup& fg, bool selected);
bool SelectAllFlightGroups(Mission& mission);
bool SelectNoFlightGroups(Mission& mission);
bool InvertFlightGroupSelection(Mission& mission);

}  // namespace vantorel
