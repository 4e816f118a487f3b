#include "draw/SelectionBoxImage.h"

namespace vantorel {

namespace {

// '#' white, '+' a darker edge so the brackets read on bright icons too.
constexpr const char* kPicture[kSelectionBoxSize] = {
    "#####......#####", "#++++......++++#", "#+............+#", "#+............+#",
    "#+............+#", "................", "................", "................",
    "................", "................", "................", "#+............+#",
    "#+............+#", "#+............+#", "#++++......++++#", "#####......#####",
};

}  // namespace

const std::array<std::uint32_t, kSelectionBoxSize * kSelectionBoxSize>& SelectionBoxPixels() {
    static const auto pixels = [] {
        std::array<std::uint32_t, kSelectionBoxSize * kSelectionBoxSize> p{};
        for (int y = 0; y < kSelectionBoxSize; ++y)
            for (int x = 0; x < kSelectionBoxSize; ++x) {
                const char c = kPicture[y][x];
                p[std::size_t(y * kSelectionBoxSize + x)] =
                    c == '#' ? 0xFFFFFFFFu : (c == '+' ? 0xFF606060u : 0u);
            }
        return p;
    }();
    return pixels;
}

}  // namespace vantorel
