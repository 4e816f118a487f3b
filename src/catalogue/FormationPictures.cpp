#include "catalogue/FormationPictures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "draw/Canvas.h"

namespace vantorel {

namespace {

using Slots = std::vector<FormationSlot>;

// In the order of the formation list (CraftWordLists.cpp).
const std::array<Slots, 21>& AllSlots() {
    static const std::array<Slots, 21> all = {{
        // Vic
        {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {-2, -2, 0}, {2, -2, 0}},
        // Finger Four
        {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {2, -2, 0}},
        // Line Astern
        {{0, 0, 0}, {0, -1, 0}, {0, -2, 0}, {0, -3, 0}},
        // Line Abreast
        {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}},
        // Echelon Right
        {{0, 0, 0}, {1, -1, 0}, {2, -2, 0}, {3, -3, 0}},
        // Echelon Left
        {{0, 0, 0}, {-1, -1, 0}, {-2, -2, 0}, {-3, -3, 0}},
        // Double Astern
        {{0, 0, 0}, {1, 0, 0}, {0, -1, 0}, {1, -1, 0}, {0, -2, 0}, {1, -2, 0}},
        // Diamond
        {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {0, -2, 0}},
        // Stacked
        {{0, 0, 0}, {0, -0.5, 1}, {0, -1, 2}, {0, -1.5, 3}},
        // High X
        {{0, 0, 0}, {-1, 0, 1}, {1, 0, 1}, {-1, 0, -1}, {1, 0, -1}},
        // Vic Abreast
        {{0, 0, 0}, {-1, -1, 0}, {1, -1, 0}, {3, 0, 0}, {2, -1, 0}, {4, -1, 0}},
        // High Vic
        {{0, 0, 0}, {-1, -1, 1}, {1, -1, 1}, {-2, -2, 2}, {2, -2, 2}},
        // Reverse High Vic
        {{0, 0, 0}, {-1, -1, -1}, {1, -1, -1}, {-2, -2, -2}, {2, -2, -2}},
        // Vertial Line
        {{0, 0, 0}, {0, 0, -1}, {0, 0, -2}, {0, 0, -3}},
        // Half Stacked
        {{0, 0, 0}, {1, -1, 0.5}, {2, -2, 1}, {3, -3, 1.5}},
        // Horizontal Line
        {{0, 0, 0}, {-1, 0, 0}, {1, 0, 0}, {-2, 0, 0}, {2, 0, 0}, {3, 0, 0}},
        // High Line
        {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}},
        // Arc
        {{0, 0, 0}, {-1, 0.4, 0}, {1, 0.4, 0}, {-2, 1.5, 0}, {2, 1.5, 0}},
        // Sharp Vic
        {{0, 0, 0}, {-0.5, -1.5, 0}, {0.5, -1.5, 0}, {-1, -3, 0}, {1, -3, 0}},
        // Double Top
        {{0, 0, 0}, {-1, -1, 1}, {1, -1, 1}, {-1, -2, 1}, {1, -2, 1}},
        // Double Bottom
        {{0, 0, 0}, {-1, -1, -1}, {1, -1, -1}, {-1, -2, -1}, {1, -2, -1}},
    }};
    return all;
}

constexpr RgbColour kLeader{200, 0, 0};
constexpr RgbColour kWingman{0, 0, 0};
constexpr RgbColour kDivider{160, 160, 160};
constexpr int kMarker = 4;  // a craft is a square of this many pixels
constexpr int kPanel = (kFormationPictureWidth - 1) / 2;

// A view's extent in spacings: from the leftmost to the rightmost craft and
// from the topmost to the lowest.
struct Extent {
    double left = 0, right = 0, top = 0, bottom = 0;
};
template <class Across, class Down>
Extent ExtentOf(const Slots& slots, Across across, Down down) {
    Extent e{1e9, -1e9, 1e9, -1e9};
    for (const FormationSlot& s : slots) {
        e.left = std::min(e.left, across(s)), e.right = std::max(e.right, across(s));
        e.top = std::min(e.top, down(s)), e.bottom = std::max(e.bottom, down(s));
    }
    return e;
}

}  // namespace

const std::vector<FormationSlot>& FormationSlots(int formation) {
    static const Slots none;
    if (formation < 0 || formation >= int(AllSlots().size())) return none;
    return AllSlots()[size_t(formation)];
}

void DrawFormationPicture(Canvas& canvas, int formation, int x, int y) {
    const Slots& slots = FormationSlots(formation);
    if (slots.empty()) return;
    const auto across = [](const FormationSlot& s) { return s.x; };
    const auto ahead = [](const FormationSlot& s) { return -s.y; };
    const auto above = [](const FormationSlot& s) { return -s.z; };
    const Extent plan = ExtentOf(slots, across, ahead);
    const Extent rear = ExtentOf(slots, across, above);
    // One scale for both views, so that a spacing is as long in each, and no
    // more than a few markers apart for the smallest formations.
    const double room = kPanel - kMarker - 2;
    const double height = kFormationPictureHeight - kMarker - 2;
    double scale = 8;
    for (const Extent& e : {plan, rear}) {
        if (e.right > e.left) scale = std::min(scale, room / (e.right - e.left));
        if (e.bottom > e.top) scale = std::min(scale, height / (e.bottom - e.top));
    }
    const auto draw = [&](const Extent& e, int left, auto down) {
        const double cx = left + kPanel / 2.0 - (e.left + e.right) / 2.0 * scale;
        const double cy = y + kFormationPictureHeight / 2.0 - (e.top + e.bottom) / 2.0 * scale;
        // The leader last, so it is never hidden by a wingman.
        for (size_t i = slots.size(); i-- > 0;) {
            const int px = int(std::lround(cx + across(slots[i]) * scale));
            const int py = int(std::lround(cy + down(slots[i]) * scale));
            canvas.FillRect(px - kMarker / 2, py - kMarker / 2, kMarker, kMarker,
                            i == 0 ? kLeader : kWingman);
        }
    };
    draw(plan, x, ahead);
    canvas.Line(x + kPanel, y + 2, x + kPanel, y + kFormationPictureHeight - 2,
                Pen{PenStyle::Dot, 1, kDivider});
    draw(rear, x + kPanel + 1, above);
}

}  // namespace vantorel
