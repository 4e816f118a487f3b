#pragma once

#include <string_view>

#include "draw/RgbColour.h"

namespace vantorel {

enum class PenStyle { Solid, Dash, Dot };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    RgbColour colour{255, 255, 255};
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class CanvasFont {
    System,     // the platform's variable-pitch UI font: names on the map
    GridLabel,  // small 8 point sans serif: grid coordinates
    Caption,    // larger text under the briefing map
};

enum class CanvasImage {
    SelectionBox,  // 16 x 16, marks a selected point
};

// Where the map paint draws. Coordinates are pixels of the target with (0, 0)
// at the top left; anything outside the target is clipped by the canvas.
// The map's paint (MapPaint.h) is written against this alone, so it runs the
// same into a window, into an image for `vantorel-cli render`, or into a
// recording canvas in the tests.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillRect(int x, int y, int width, int height, RgbColour colour) = 0;

    // A line from (x1, y1) to (x2, y2); like the platform's line drawing the
    // last pixel is not part of it.
    virtual void Line(int x1, int y1, int x2, int y2, const Pen& pen) = 0;

    // Text with its top left corner at (x, y), transparent background.
    // The text is Windows-1252, as it is stored in the mission.
    virtual void Text(int x, int y, std::string_view text, RgbColour colour, CanvasFont font) = 0;

    // Craft icon picture 0..77 (CraftIcons.h), top left at (x, y), in colour
    // ramp 0..10, faded for selected points. DrawCraftIcon normalises the
    // arguments; implementations draw CraftIconImage(ramp, picture, faded).
    virtual void CraftIcon(int x, int y, int ramp, int picture, bool faded) = 0;

    virtual void Image(int x, int y, CanvasImage image) = 0;

    // The size of text in a font, for code that lays out lines (the
    // briefing's captions). A canvas that cannot measure text counts 7
    // pixels a character and 16 a line.
    virtual int TextWidth(std::string_view text, CanvasFont font) {
        (void)font;
        return 7 * int(text.size());
    }
    virtual int LineHeight(CanvasFont font) {
        (void)font;
        return 16;
    }

    // Everything drawn so far is in the target after this. A canvas may
    // hold drawing back to do it all at once; PaintMap flushes at the end
    // of each frame.
    virtual void Flush() {}
};

}  // namespace vantorel
