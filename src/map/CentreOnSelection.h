#pragma once

#include "map/ViewState.h"

namespace vantorel {

struct Mission;

// "View Selection": scrolls so the middle of the selected flight groups is
// at the window centre. Counts each selected group's first enabled start
// point, and, while waypoints are shown, its other points with their
// PointSelected flag set. With nothing selected the world origin is centred.
// In 3D this moves the point the perspective looks at. Does not repaint.
void CentreOnSelection(ViewState& view, const Mission& mission);

}  // namespace vantorel
