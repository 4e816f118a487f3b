#include <QFontMetrics>
#include <QPainter>
#include <QtTest>
#include <cstdlib>

#include "catalogue/CraftIcons.h"
#include "draw/SelectionBoxImage.h"
#include "map/MapPaint.h"
#include "mission/Win1252.h"
#include "platform/qt/QPainterCanvas.h"
#include "support/BusyMap.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

QImage Wrap(const std::uint32_t* pixels, int w, int h) {
    return QImage(reinterpret_cast<const uchar*>(pixels), w, h, w * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

// The map's canvas done the plain way, one QPainter call per text, icon and
// image and a pixel at a time for lines: the picture the fast canvas must
// give byte for byte.
class PlainCanvas : public Canvas {
public:
    explicit PlainCanvas(QImage& image) : image_(image), painter_(&image) {}

    void FillRect(int x, int y, int w, int h, RgbColour c) override {
        painter_.fillRect(x, y, w, h, QColor(c.red, c.green, c.blue));
    }
    // Step k of a line from (x1, y1) lies k along the longer axis and
    // round(k * slope) along the other; the last pixel is left out.
    void Line(int x1, int y1, int x2, int y2, const Pen& pen) override {
        const QRgb colour = qRgb(pen.colour.red, pen.colour.green, pen.colour.blue);
        const long long dx = x2 - x1, dy = y2 - y1;
        const bool xMajor = std::llabs(dx) >= std::llabs(dy);
        const long long da = xMajor ? dx : dy, db = xMajor ? dy : dx;
        const long long n = std::llabs(da);
        for (long long k = 0; k < n; ++k) {
            const long long off = (2 * k * std::llabs(db) + n) / (2 * n);
            const long long a = (xMajor ? x1 : y1) + (da >= 0 ? k : -k);
            const long long c = (xMajor ? y1 : x1) + (db >= 0 ? off : -off);
            const long long x = xMajor ? a : c, y = xMajor ? c : a;
            const bool on = pen.style == PenStyle::Solid ||
                            (pen.style == PenStyle::Dash ? k % 6 < 4 : k % 3 == 0);
            if (on && x >= 0 && x < image_.width() && y >= 0 && y < image_.height())
                image_.setPixel(int(x), int(y), colour);
        }
    }
    void Text(int x, int y, std::string_view text, RgbColour c, CanvasFont font) override {
        if (text.empty()) return;
        const QFont f = QPainterCanvas::FontFor(font);
        const QString s = QString::fromStdU16String(Win1252ToUtf16(text));
        const QFontMetrics metrics(f);
        QImage picture(std::max(1, metrics.horizontalAdvance(s) + 2), std::max(1, metrics.height()),
                       QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setFont(f);
        p.setPen(QColor(c.red, c.green, c.blue));
        p.drawText(0, metrics.ascent(), s);
        p.end();
        painter_.drawImage(x, y, picture);
    }
    void CraftIcon(int x, int y, int ramp, int picture, bool faded) override {
        const CraftIconImage& icon = GetCraftIconImage(ramp, picture, faded);
        painter_.drawImage(x, y, Wrap(icon.argb.data(), kCraftIconWidth, kCraftIconHeight));
    }
    void Image(int x, int y, CanvasImage) override {
        painter_.drawImage(x, y,
                           Wrap(SelectionBoxPixels().data(), kSelectionBoxSize, kSelectionBoxSize));
    }

private:
    QImage& image_;
    QPainter painter_;
};

QImage Fast(const ViewState& view, const Mission& mission, QPainterCanvas& canvas) {
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    QPainter painter(&image);
    canvas.SetPainter(&painter);
    PaintMap(canvas, view, mission);
    canvas.SetPainter(nullptr);
    return image;
}

QImage Plain(const ViewState& view, const Mission& mission) {
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    {
        PlainCanvas canvas(image);
        PaintMap(canvas, view, mission);
    }
    return image;
}

// Where the two pictures first differ, for the failure message.
QString FirstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
    return {};
}

}  // namespace

// The paint of a full mission, drawn by the editor's canvas, is the same
// picture byte for byte as drawn call by call with QPainter.
class MapPaintPixelsTest : public QObject {
    Q_OBJECT

private slots:
    void theFastCanvasDrawsThePlainPicture_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("scrollX");
        QTest::addColumn<int>("scrollY");
        QTest::addColumn<bool>("dragging");
        QTest::addRow("top, centred") << int(kAngleTop) << 0 << 0 << false;
        // Markers and names cut by every edge of the window.
        QTest::addRow("top, off centre, dragging") << int(kAngleTop) << 437 << -291 << true;
        QTest::addRow("side") << int(kAngleSide) << -123 << 77 << false;
        QTest::addRow("3D") << int(kAngle3D) << 0 << 0 << false;
    }
    void theFastCanvasDrawsThePlainPicture() {
        QFETCH(int, angle);
        QFETCH(int, scrollX);
        QFETCH(int, scrollY);
        QFETCH(bool, dragging);
        const Mission mission = BusyMission();
        ViewState view = BusyView();
        view.Angle = angle;
        SetScrollPosition(view, view.ScrollX + scrollX, view.ScrollY + scrollY);
        if (dragging) view.MouseMode = kMousePointDrag;

        QPainterCanvas canvas;
        const QImage fast = Fast(view, mission, canvas);
        const QImage plain = Plain(view, mission);
        QVERIFY2(fast == plain, qPrintable(FirstDifference(fast, plain)));
        // Again with every cache warm, as from the second frame on.
        const QImage warm = Fast(view, mission, canvas);
        QVERIFY2(warm == plain, qPrintable(FirstDifference(warm, plain)));
    }
};

QTEST_MAIN(MapPaintPixelsTest)
#include "MapPaintPixelsTest.moc"
