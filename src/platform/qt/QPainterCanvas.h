#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>
#include <unordered_map>

#include "map/Canvas.h"
#include "map/LineRaster.h"

class QPainter;

namespace vantorel {

// Draws the map's canvas calls with a QPainter: into the view's back buffer
// or into a QImage for `vantorel-cli render`.
//
// Keep one canvas for the life of a view and hand it the painter of each
// paint with SetPainter: it caches the rendered texts across paints. Paint
// into a QImage back buffer (RGB32 or ARGB32, device pixel ratio 1, no
// transform or clip) and the thousands of thin path lines of a full mission
// are written straight into its pixels; on any other device they go through
// QPainter, which is correct but several times slower.
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

    static QFont FontFor(CanvasFont font);

private:
    const QImage& TextImage(std::string_view text, RgbColour colour, CanvasFont font);

    QPainter* painter_;
    qreal pixelRatio_ = 1.0;
    // Set while painting straight into a 32-bit image with no transform or
    // clip: thin lines are then written to its pixels directly.
    PixelBuffer direct_;
    std::unordered_map<std::string, QImage> texts_;
    QFont systemFont_;
    QFont labelFont_;
};

}  // namespace vantorel
