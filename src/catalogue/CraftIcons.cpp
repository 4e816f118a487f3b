#include "catalogue/CraftIcons.h"

#include <memory>
#include <vector>

#include "catalogue/ColourRamps.h"
#include "draw/Canvas.h"

namespace vantorel {

namespace {

// The ramps drawn through prebuilt image lists; the rest are painted pixel by
// pixel with a different fade.
constexpr int kImageListRamps = 6;

// Every picture in every ramp, plain and faded, each rendered when it is
// first asked for: a mission uses a few dozen of the 1,716.
struct IconImages {
    std::vector<CraftIconImage> images;
    std::vector<bool> rendered;
};

std::unique_ptr<IconImages>& IconStore() {
    static std::unique_ptr<IconImages> store;
    return store;
}

std::size_t StoreIndex(int ramp, int picture, bool faded) {
    return (std::size_t(ramp) * kCraftIconPictureCount + std::size_t(picture)) * 2 +
           (faded ? 1 : 0);
}

std::uint32_t Opaque(RgbColour c) {
    return 0xFF000000u | (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | c.blue;
}

RgbColour Faded(int ramp, RgbColour c) {
    if (ramp < kImageListRamps) {
        auto half = [](std::uint8_t v) { return std::uint8_t((v + 255) / 2); };
        return {half(c.red), half(c.green), half(c.blue)};
    }
    return {std::uint8_t(c.red | 128), std::uint8_t(c.green | 128), std::uint8_t(c.blue | 128)};
}

CraftIconImage Render(int ramp, int picture, bool faded) {
    CraftIconImage image;
    const unsigned char* pixels =
        kCraftIconPixels + std::size_t(picture) * kCraftIconPixelsPerPicture;
    for (int i = 0; i < kCraftIconPixelsPerPicture; ++i) {
        // Index 0 is the transparent colour (black in the image lists).
        if (pixels[i] == 0) continue;
        RgbColour c = RampColour(ramp, pixels[i]);
        if (faded) c = Faded(ramp, c);
        image.argb[std::size_t(i)] = Opaque(c);
    }
    return image;
}

}  // namespace

void BuildCraftIcons() {
    for (int r = 0; r < kColourRampCount; ++r)
        for (int p = 0; p < kCraftIconPictureCount; ++p)
            for (bool faded : {false, true}) GetCraftIconImage(r, p, faded);
}

void DestroyCraftIcons() {
    IconStore().reset();
}

const CraftIconImage& GetCraftIconImage(int ramp, int picture, bool faded) {
    auto& store = IconStore();
    if (!store) {
        const std::size_t count = std::size_t(kColourRampCount) * kCraftIconPictureCount * 2;
        store = std::make_unique<IconImages>();
        store->images.resize(count);
        store->rendered.resize(count, false);
    }
    if (ramp < 0 || ramp >= kColourRampCount) ramp = kGreyRamp;
    if (picture < 0 || picture >= kCraftIconPictureCount) picture = 0;
    const std::size_t index = StoreIndex(ramp, picture, faded);
    if (!store->rendered[index]) {
        store->images[index] = Render(ramp, picture, faded);
        store->rendered[index] = true;
    }
    return store->images[index];
}

int CraftIconPixel(int picture, int x, int y) {
    if (picture < 0 || picture >= kCraftIconPictureCount || x < 0 || x >= kCraftIconWidth ||
        y < 0 || y >= kCraftIconHeight)
        return 0;
    return kCraftIconPixels[std::size_t(picture) * kCraftIconPixelsPerPicture +
                            std::size_t(y) * kCraftIconWidth + std::size_t(x)];
}

int PictureForIconIndex(int iconIndex) {
    const int picture = iconIndex + 1;
    return (picture >= 0 && picture < kCraftIconPictureCount) ? picture : 0;
}

void DrawCraftIcon(Canvas& canvas, int x, int y, int colourRamp, int iconIndex, bool faded) {
    const int ramp = (colourRamp < 0 || colourRamp > kGreyRamp) ? kGreyRamp : colourRamp;
    canvas.CraftIcon(x, y, ramp, PictureForIconIndex(iconIndex), faded);
}

}  // namespace vantorel
