#pragma once

#include <string>
#include <vector>

#include "draw/Canvas.h"

namespace vantorel::testing {

// Keeps every canvas call in order, so a test can assert exactly what a
// paint drew.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Fill, Line, Text, Icon, Image };
    struct Call {
        Kind kind = Kind::Fill;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Fill: x, y, width, height
        Pen pen;                             // Line
        RgbColour colour{0, 0, 0};           // Fill, Text
        std::string text;                    // Text
        CanvasFont font = CanvasFont::System;
        int ramp = 0, picture = 0;  // Icon
        bool faded = false;
        CanvasImage image = CanvasImage::SelectionBox;
    };

    void FillRect(int x, int y, int w, int h, RgbColour colour) override {
        Call c;
        c.kind = Kind::Fill;
        c.x1 = x, c.y1 = y, c.x2 = w, c.y2 = h, c.colour = colour;
        calls.push_back(c);
    }
    void Line(int x1, int y1, int x2, int y2, const Pen& pen) override {
        Call c;
        c.kind = Kind::Line;
        c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2, c.pen = pen;
        calls.push_back(c);
    }
    void Text(int x, int y, std::string_view text, RgbColour colour, CanvasFont font) override {
        Call c;
        c.kind = Kind::Text;
        c.x1 = x, c.y1 = y, c.text = std::string(text), c.colour = colour, c.font = font;
        calls.push_back(c);
    }
    void CraftIcon(int x, int y, int ramp, int picture, bool faded) override {
        Call c;
        c.kind = Kind::Icon;
        c.x1 = x, c.y1 = y, c.ramp = ramp, c.picture = picture, c.faded = faded;
        calls.push_back(c);
    }
    void Image(int x, int y, CanvasImage image) override {
        Call c;
        c.kind = Kind::Image;
        c.x1 = x, c.y1 = y, c.image = image;
        calls.push_back(c);
    }

    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const Call& c : calls)
            if (c.kind == Kind::Text) out.push_back(c.text);
        return out;
    }

    std::vector<Call> calls;
};

}  // namespace vantorel::testing
