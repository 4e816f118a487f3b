#include "platform/qt/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "catalogue/CraftIcons.h"
#include "document/Win1252.h"
#include "map/SelectionBoxImage.h"

namespace vantorel {

namespace {

// Enough for every label of a full mission several times over; past it the
// cache starts again rather than growing without end.
constexpr std::size_t kTextCacheLimit = 8192;

QColor ToQColor(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

Qt::PenStyle ToQtStyle(PenStyle s) {
    switch (s) {
        case PenStyle::Dash:
            return Qt::DashLine;
        case PenStyle::Dot:
            return Qt::DotLine;
        default:
            return Qt::SolidLine;
    }
}

QImage WrapArgb(const std::uint32_t* pixels, int width, int height) {
    return QImage(reinterpret_cast<const uchar*>(pixels), width, height, width * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QFont QPainterCanvas::FontFor(CanvasFont font) {
    if (font == CanvasFont::GridLabel) {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSize(8);
        return f;
    }
    // The platform's proportional UI font stands for the old system font.
    QFont f;
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(9);
    return f;
}

QPainterCanvas::QPainterCanvas(QPainter* painter)
    : painter_(nullptr),
      systemFont_(FontFor(CanvasFont::System)),
      labelFont_(FontFor(CanvasFont::GridLabel)) {
    SetPainter(painter);
}

QPainterCanvas::~QPainterCanvas() = default;

void QPainterCanvas::SetPainter(QPainter* painter) {
    painter_ = painter;
    direct_ = PixelBuffer{};
    if (!painter_) return;
    // The map is drawn pixel exact, like the editor always has.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    const qreal ratio = painter_->device() ? painter_->device()->devicePixelRatioF() : 1.0;
    if (ratio != pixelRatio_) {
        pixelRatio_ = ratio;
        texts_.clear();
    }
    QPaintDevice* device = painter_->device();
    if (device && device->devType() == QInternal::Image && ratio == 1.0 &&
        painter_->transform().isIdentity() && !painter_->hasClipping()) {
        auto* image = static_cast<QImage*>(device);
        const auto format = image->format();
        if ((format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
             format == QImage::Format_ARGB32_Premultiplied) &&
            image->bytesPerLine() % 4 == 0) {
            // The painter already holds the image detached, so bits() does not copy.
            direct_ = {reinterpret_cast<std::uint32_t*>(image->bits()), image->width(),
                       image->height(), int(image->bytesPerLine() / 4)};
        }
    }
}

void QPainterCanvas::FillRect(int x, int y, int width, int height, RgbColour colour) {
    painter_->fillRect(x, y, width, height, ToQColor(colour));
}

void QPainterCanvas::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
    if (direct_.pixels && pen.width <= 1) {
        const RgbColour c = pen.colour;
        RasterLine(
            direct_, x1, y1, x2, y2,
            0xFF000000u | (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | c.blue,
            pen.style);
        return;
    }
    QPen qpen(ToQColor(pen.colour));
    qpen.setWidth(pen.width);
    qpen.setStyle(ToQtStyle(pen.style));
    if (pixelRatio_ == 1.0) {
        qpen.setCosmetic(pen.width <= 1);
        painter_->setPen(qpen);
        painter_->drawLine(x1, y1, x2, y2);
        return;
    }
    // On a scaled screen a line keeps its width in the window's pixels and
    // covers the same pixels as at 1:1, drawn through their middles. Ends
    // far outside (3D puts them millions of pixels out) are pulled in first.
    double ax = x1 + 0.5, ay = y1 + 0.5, bx = x2 + 0.5, by = y2 + 0.5;
    // (Some devices count their size in pixels, some in logical pixels.)
    const double grow = std::max(1.0, 1 / pixelRatio_);
    const double right = painter_->device()->width() * grow + 16;
    const double bottom = painter_->device()->height() * grow + 16;
    if (!ClipSegment(ax, ay, bx, by, -16, -16, right, bottom)) return;
    painter_->setPen(qpen);
    painter_->drawLine(QPointF(ax, ay), QPointF(bx, by));
}

const QImage& QPainterCanvas::TextImage(std::string_view text, RgbColour colour, CanvasFont font) {
    std::string key;
    key.reserve(text.size() + 4);
    key.push_back(char(font));
    key.push_back(char(colour.red));
    key.push_back(char(colour.green));
    key.push_back(char(colour.blue));
    key.append(text);
    if (auto it = texts_.find(key); it != texts_.end()) return it->second;
    if (texts_.size() >= kTextCacheLimit) texts_.clear();

    const QFont& qfont = font == CanvasFont::GridLabel ? labelFont_ : systemFont_;
    const QString qtext = QString::fromStdU16String(Win1252ToUtf16(text));
    const QFontMetrics metrics(qfont);
    const int width = std::max(1, metrics.horizontalAdvance(qtext) + 2);
    const int height = std::max(1, metrics.height());
    QImage image(QSize(width, height) * pixelRatio_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio_);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setFont(qfont);
        p.setPen(ToQColor(colour));
        p.drawText(0, metrics.ascent(), qtext);
    }
    return texts_.emplace(std::move(key), std::move(image)).first->second;
}

void QPainterCanvas::Text(int x, int y, std::string_view text, RgbColour colour, CanvasFont font) {
    if (text.empty()) return;
    painter_->drawImage(x, y, TextImage(text, colour, font));
}

void QPainterCanvas::CraftIcon(int x, int y, int ramp, int picture, bool faded) {
    const CraftIconImage& icon = GetCraftIconImage(ramp, picture, faded);
    painter_->drawImage(x, y, WrapArgb(icon.argb.data(), kCraftIconWidth, kCraftIconHeight));
}

void QPainterCanvas::Image(int x, int y, CanvasImage image) {
    switch (image) {
        case CanvasImage::SelectionBox:
            painter_->drawImage(
                x, y, WrapArgb(SelectionBoxPixels().data(), kSelectionBoxSize, kSelectionBoxSize));
            break;
    }
}

}  // namespace vantorel
