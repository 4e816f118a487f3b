#pragma once

#include <memory>

#include "map/SnapDrag.h"
#include "map/ViewState.h"

namespace vantorel {

class MissionEdit;
struct Mission;

// Steps of the selection along the axes of a map window: the arrow keys move
// it, Duplicate sets its copies beside it.

enum class ArrowKey { Left, Right, Up, Down };

// One press: one snap step, or with No Snap the width of one pixel at the
// view's zoom (at least one raw unit); ten of them with Shift. Right moves
// the selection right on the screen, Up moves it up, whatever the angle.
SnapStep ArrowKeyStep(const ViewState& view, ArrowKey key, bool tenfold);

// The edit ("Move") that moves the marked points of the selected flight
// groups by the step, as a drag does: they stop together at the end of the
// coordinate range, so a formation keeps its shape. Null when nothing would
// move, and always in 3D, where points are not dragged either.
std::unique_ptr<MissionEdit> MoveSelectionEdit(const ViewState& view, Mission& mission,
                                               const SnapStep& step);

// One grid step right and down on the screen, as raw (x, y, z): the snap
// step, or the map's 1-km grid with No Snap. 3D counts as the top view.
RawPoint GridStepBeside(const ViewState& view);

}  // namespace vantorel
