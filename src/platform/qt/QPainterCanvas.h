#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "draw/Canvas.h"
#include "draw/DrawList.h"
#include "draw/LineRaster.h"
#include "draw/PixelSprite.h"

class QPainter;

namespace vantorel {

// Draws the map's canvas calls with a QPainter: into the view's back buffer
// or into a QImage for `vantorel-cli render`.
//
// Keep one canvas for the life of a view and hand it the painter of each
// paint with SetPainter: it caches the rendered texts and icons across
// paints. Paint into a QImage back buffer (RGB32 or premultiplied ARGB32,
// device pixel ratio 1, no transform or clip) and the thousands of thin
// path lines, icons and names of a full mission are written straight into
// its pixels, the same pixels QPainter would give; on any other device they
// go through QPainter, which is correct but several times slower. Those are
// drawn all at once, band by band, when the frame is flushed (PaintMap does
// it at its end): flush before painting into the image by other means.
class QPainterCanvas : public Canvas {
public:
    explicit QPainterCanvas(QPainter* painter = nullptr);
    ~QPainterCanvas() override;

    void SetPainter(QPainter* painter);

    void FillRect(int x, int y, int width, int height, RgbColour colour) override;
    void Line(int x1, int y1, int x2, int y2, const Pen& pen) override;
    void Text(int x, int y, std::string_view text, RgbColour colour, CanvasFont font) override;
    void CraftIcon(int x, int y, int ramp, int picture, bool faded) override;
    void Image(int x, int y, CanvasImage image) override;
    int TextWidth(std::string_view text, CanvasFont font) override;
    int LineHeight(CanvasFont font) override;
    void Flush() override;

    static QFont FontFor(CanvasFont font);

private:
    // A rendered text, cut to the pixels it covers, and where that part
    // lies in the text's box; at 1:1 also as rows for drawing directly.
    struct TextPicture {
        QImage image;
        QPoint offset;
        PixelSprite sprite;
    };
    // Texts are looked up by font, colour and bytes without building a key
    // string: a frame looks up thousands of them.
    struct TextKey {
        std::uint32_t style;  // font and colour
        std::string_view text;
    };
    struct StoredTextKey {
        std::uint32_t style;
        std::string text;
    };
    struct TextKeyEqual {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return a.style == b.style && std::string_view(a.text) == std::string_view(b.text);
        }
    };
    struct StoredTextKeyHash {
        using is_transparent = void;
        std::size_t operator()(const TextKey& k) const;
        std::size_t operator()(const StoredTextKey& k) const;
    };

    TextPicture& TextImage(std::string_view text, RgbColour colour, CanvasFont font);
    TextPicture RenderText(std::string_view text, RgbColour colour, CanvasFont font) const;
    const PixelSprite& IconSprite(int ramp, int picture, bool faded);

    QPainter* painter_;
    qreal pixelRatio_ = 1.0;
    // Set while painting straight into a 32-bit image with no transform or
    // clip: thin lines, icons and names are then written to its pixels.
    PixelBuffer direct_;
    // What is drawn into `direct_` waits here until Flush, SetPainter or
    // anything drawn through the painter.
    DrawList pending_;
    std::unordered_map<StoredTextKey, TextPicture, StoredTextKeyHash, TextKeyEqual> texts_;
    // The last text looked up in each of a few styles: a flight group's name
    // is drawn at each of its points, one after the other.
    struct RecentText {
        std::uint32_t style = 0;
        std::string text;
        TextPicture* picture = nullptr;
    };
    RecentText recent_[4];
    std::size_t nextRecent_ = 0;
    std::vector<PixelSprite> icons_;  // by IconIndex, made on first use
    PixelSprite selectionBox_;
    const QFont& FontOf(CanvasFont font) const;

    QFont systemFont_;
    QFont labelFont_;
    QFont captionFont_;
};

}  // namespace vantorel
