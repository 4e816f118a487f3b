#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "draw/LineRaster.h"
#include "draw/PixelSprite.h"

namespace vantorel {

// Fills, lines and sprites kept in the order they are given, then drawn
// into a buffer band by band: a full map frame is several megabytes, far
// more than the processor's cache, and its thousands of small sprites and
// long lines land all over it. Drawn a band at a time, each band stays in
// the cache while everything that touches it is drawn, in the same order,
// so the pixels are the same as drawing each at once. A big list is drawn
// by two threads, each taking the next band not yet taken.
class DrawList {
public:
    DrawList();
    ~DrawList();
    DrawList(const DrawList&) = delete;
    DrawList& operator=(const DrawList&) = delete;

    void Fill(int x, int y, int width, int height, std::uint32_t colour);
    void Line(int x1, int y1, int x2, int y2, std::uint32_t colour, PenStyle style);
    // The sprite is drawn from where it is: it must stay put until Draw.
    void Sprite(int x, int y, const PixelSprite& sprite);

    bool Empty() const { return ops_.empty(); }

    // Draws everything kept into `target` (its clip rows included) and
    // empties the list.
    void Draw(const PixelBuffer& target);

private:
    enum class Kind : std::uint8_t { Fill, Line, Sprite };
    struct Op {
        Kind kind;
        PenStyle style;
        int x1, y1, x2, y2;  // a fill's corner and size; a sprite's corner
        std::uint32_t colour;
        const PixelSprite* sprite;
    };
    class Helper;
    struct Rows {
        int from, to;  // `to` not included
    };
    static Rows RowsOf(const Op& op, int top, int bottom);
    static void DrawOne(const Op& op, const PixelBuffer& band);
    Helper* TheHelper();

    std::vector<Op> ops_;
    std::vector<std::vector<std::uint32_t>> bands_;  // the ops touching each band
    std::unique_ptr<Helper> helper_;
    bool noHelper_ = false;
};

}  // namespace vantorel
