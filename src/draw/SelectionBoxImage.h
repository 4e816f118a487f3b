#pragma once

#include <array>
#include <cstdint>

namespace vantorel {

inline constexpr int kSelectionBoxSize = 16;

// The mark drawn over a selected point: four corner brackets, 16 x 16,
// premultiplied ARGB with 0 for transparent pixels.
const std::array<std::uint32_t, kSelectionBoxSize * kSelectionBoxSize>& SelectionBoxPixels();

}  // namespace vantorel
