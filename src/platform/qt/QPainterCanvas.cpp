#include "platform/qt/QPainterCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "catalogue/CraftIcons.h"
#include "draw/SelectionBoxImage.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

// Enough for every label of a full mission several times over; past it the
// cache starts again rather than growing without end.
constexpr std::size_t kTextCacheLimit = 8192;

// The colour ramps of the craft icons (DrawCraftIcon's 0..10).
constexpr int kIconRamps = 11;

QColor ToQColor(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

std::uint32_t Opaque(RgbColour c) {
    return 0xFF000000u | (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | c.blue;
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

// A rendered text is mostly transparent box: above the letters, below
// them and after them. Cut to the pixels it covers, it draws the same
// picture with far fewer pixels to blend. Only at 1:1, where the offset is
// a whole pixel.
std::pair<QImage, QPoint> CutToInk(QImage image) {
    if (image.devicePixelRatio() != 1.0) return {std::move(image), QPoint()};
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == 0) continue;
            top = std::min(top, y);
            bottom = y;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    if (bottom < 0) return {QImage(), QPoint()};
    const QRect ink(QPoint(left, top), QPoint(right, bottom));
    return {image.copy(ink), ink.topLeft()};
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
    if (font == CanvasFont::Caption) {
        QFont f;
        f.setStyleHint(QFont::SansSerif);
        f.setPointSize(11);
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
      labelFont_(FontFor(CanvasFont::GridLabel)),
      captionFont_(FontFor(CanvasFont::Caption)) {
    SetPainter(painter);
}

const QFont& QPainterCanvas::FontOf(CanvasFont font) const {
    switch (font) {
        case CanvasFont::GridLabel:
            return labelFont_;
        case CanvasFont::Caption:
            return captionFont_;
        default:
            return systemFont_;
    }
}

int QPainterCanvas::TextWidth(std::string_view text, CanvasFont font) {
    return QFontMetrics(FontOf(font))
        .horizontalAdvance(QString::fromStdU16String(Win1252ToUtf16(text)));
}

int QPainterCanvas::LineHeight(CanvasFont font) {
    return QFontMetrics(FontOf(font)).height();
}

QPainterCanvas::~QPainterCanvas() {
    Flush();
}

void QPainterCanvas::Flush() {
    if (!pending_.Empty()) pending_.Draw(direct_);
}

void QPainterCanvas::SetPainter(QPainter* painter) {
    Flush();
    painter_ = painter;
    direct_ = PixelBuffer{};
    if (!painter_) return;
    // The map is drawn pixel exact, like the editor always has.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    const qreal ratio = painter_->device() ? painter_->device()->devicePixelRatioF() : 1.0;
    if (ratio != pixelRatio_) {
        pixelRatio_ = ratio;
        texts_.clear();
        for (RecentText& r : recent_) r.picture = nullptr;
    }
    QPaintDevice* device = painter_->device();
    if (device && device->devType() == QInternal::Image && ratio == 1.0 &&
        painter_->transform().isIdentity() && !painter_->hasClipping()) {
        auto* image = static_cast<QImage*>(device);
        const auto format = image->format();
        // Premultiplied (or opaque) pixels only: the icons and names are
        // blended the way Qt blends into these.
        if ((format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied) &&
            image->bytesPerLine() % 4 == 0) {
            // The painter already holds the image detached, so bits() does not copy.
            direct_ = {reinterpret_cast<std::uint32_t*>(image->bits()), image->width(),
                       image->height(), int(image->bytesPerLine() / 4)};
        }
    }
}

void QPainterCanvas::FillRect(int x, int y, int width, int height, RgbColour colour) {
    if (direct_.pixels) return pending_.Fill(x, y, width, height, Opaque(colour));
    painter_->fillRect(x, y, width, height, ToQColor(colour));
}

void QPainterCanvas::Line(int x1, int y1, int x2, int y2, const Pen& pen) {
    if (direct_.pixels && pen.width <= 1)
        return pending_.Line(x1, y1, x2, y2, Opaque(pen.colour), pen.style);
    Flush();
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

std::size_t QPainterCanvas::StoredTextKeyHash::operator()(const TextKey& k) const {
    return std::hash<std::string_view>()(k.text) ^ (std::size_t(k.style) * 0x9E3779B97F4A7C15ULL);
}
std::size_t QPainterCanvas::StoredTextKeyHash::operator()(const StoredTextKey& k) const {
    return (*this)(TextKey{k.style, k.text});
}

QPainterCanvas::TextPicture& QPainterCanvas::TextImage(std::string_view text, RgbColour colour,
                                                       CanvasFont font) {
    const TextKey key{(std::uint32_t(font) << 24) | (std::uint32_t(colour.red) << 16) |
                          (std::uint32_t(colour.green) << 8) | colour.blue,
                      text};
    // One slot per style in use: the name and the point names of a flight
    // group alternate, each in its own colour.
    RecentText* recent = &recent_[nextRecent_];
    for (RecentText& r : recent_) {
        if (!r.picture || r.style != key.style) continue;
        if (r.text == text) return *r.picture;
        recent = &r;
        break;
    }
    if (recent == &recent_[nextRecent_]) nextRecent_ = (nextRecent_ + 1) % std::size(recent_);
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        if (texts_.size() >= kTextCacheLimit) {
            Flush();  // what waits to be drawn may be among them
            texts_.clear();
            for (RecentText& r : recent_) r.picture = nullptr;
        }
        it = texts_
                 .emplace(StoredTextKey{key.style, std::string(text)},
                          RenderText(text, colour, font))
                 .first;
    }
    recent->style = key.style;
    recent->text.assign(text);
    recent->picture = &it->second;
    return it->second;
}

QPainterCanvas::TextPicture QPainterCanvas::RenderText(std::string_view text, RgbColour colour,
                                                       CanvasFont font) const {
    const QFont& qfont = FontOf(font);
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
    auto [ink, offset] = CutToInk(std::move(image));
    PixelSprite sprite;
    if (!ink.isNull() && ink.devicePixelRatio() == 1.0) {
        // Whole rows: antialiased letters leave few pixels fully opaque or
        // empty, and a row goes several pixels at a time.
        sprite = MakeSprite(reinterpret_cast<const std::uint32_t*>(ink.constBits()), ink.width(),
                            ink.height(), int(ink.bytesPerLine() / 4), ink.width(), 8);
    }
    return {std::move(ink), offset, std::move(sprite)};
}

void QPainterCanvas::Text(int x, int y, std::string_view text, RgbColour colour, CanvasFont font) {
    if (text.empty()) return;
    const TextPicture& picture = TextImage(text, colour, font);
    if (picture.image.isNull()) return;
    if (direct_.pixels && picture.sprite.width > 0)
        return pending_.Sprite(x + picture.offset.x(), y + picture.offset.y(), picture.sprite);
    Flush();
    painter_->drawImage(x + picture.offset.x(), y + picture.offset.y(), picture.image);
}

const PixelSprite& QPainterCanvas::IconSprite(int ramp, int picture, bool faded) {
    // DrawCraftIcon hands over ramps 0..10 and pictures of the table.
    ramp = std::clamp(ramp, 0, kIconRamps - 1);
    picture = std::clamp(picture, 0, kCraftIconPictureCount - 1);
    const std::size_t index = (std::size_t(ramp) * kCraftIconPictureCount + picture) * 2 + faded;
    if (icons_.empty()) icons_.resize(std::size_t(kIconRamps) * kCraftIconPictureCount * 2);
    PixelSprite& sprite = icons_[index];
    if (sprite.width == 0) {
        const CraftIconImage& icon = GetCraftIconImage(ramp, picture, faded);
        sprite = MakeSprite(icon.argb.data(), kCraftIconWidth, kCraftIconHeight, kCraftIconWidth);
    }
    return sprite;
}

void QPainterCanvas::CraftIcon(int x, int y, int ramp, int picture, bool faded) {
    if (direct_.pixels) return pending_.Sprite(x, y, IconSprite(ramp, picture, faded));
    const CraftIconImage& icon = GetCraftIconImage(ramp, picture, faded);
    painter_->drawImage(x, y, WrapArgb(icon.argb.data(), kCraftIconWidth, kCraftIconHeight));
}

void QPainterCanvas::Image(int x, int y, CanvasImage image) {
    switch (image) {
        case CanvasImage::SelectionBox:
            if (direct_.pixels) {
                if (selectionBox_.width == 0)
                    selectionBox_ = MakeSprite(SelectionBoxPixels().data(), kSelectionBoxSize,
                                               kSelectionBoxSize, kSelectionBoxSize);
                pending_.Sprite(x, y, selectionBox_);
                break;
            }
            painter_->drawImage(
                x, y, WrapArgb(SelectionBoxPixels().data(), kSelectionBoxSize, kSelectionBoxSize));
            break;
    }
}

}  // namespace vantorel
