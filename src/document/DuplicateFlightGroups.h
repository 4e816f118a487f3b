#pragma once

#include <vector>

namespace vantorel {

class LevelDocument;

// Edit > Duplicate: copies of the selected flight groups are appended to the
// mission as one edit ("Duplicate"), exactly as a paste of them would be
// (references among the copies name the copies; what they name outside stays),
// with their four start points moved by (dx, dy, dz) raw units so that each
// copy stands beside its original, and named by the next name of its team's
// list that no flight group has (its own name when none is left). The copies become the selection.
// Past the game's 255 flight groups nothing is added and the limit message is shown. Returns the
// positions of the copies (none when nothing was added).
std::vector<int> DuplicateSelectedFlightGroups(LevelDocument& document, int dx, int dy, int dz);

}  // namespace vantorel
