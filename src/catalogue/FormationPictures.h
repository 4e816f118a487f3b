#pragma once

#include <vector>

namespace vantorel {

class Canvas;

// Where the craft of a formation fly relative to the leader (the first), in
// spacings: x to the right, y ahead, z up.
struct FormationSlot {
    double x, y, z;
};

// The craft of formation 0..20 (empty for any other number).
const std::vector<FormationSlot>& FormationSlots(int formation);

// The picture beside each formation's name: on the left the craft seen from
// above (ahead is up), on the right seen from behind (up is up), both at one
// scale, the leader in red. Its top left is at (x, y); nothing for an
// unknown formation.
inline constexpr int kFormationPictureWidth = 56;
inline constexpr int kFormationPictureHeight = 32;
void DrawFormationPicture(Canvas& canvas, int formation, int x, int y);

}  // namespace vantorel
