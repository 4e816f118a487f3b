#include "app/AppPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <random>

#include "app/LazyIconEngine.h"
#include "ui/PictureStyle.h"

// Resources of a static library are linked only when asked for by name, and
// the macro cannot be used inside a namespace.
static void InitAppIconResources() {
    Q_INIT_RESOURCE(vantorel);
}

namespace vantorel {

using namespace pictures;

QIcon AppIcon() {
    // The same pictures the desktop shows, compiled into the program.
    // Each size is read when it is first needed: the main window, every
    // map window and the program itself hold the icon, and most sizes are
    // never drawn.
    InitAppIconResources();
    return QIcon(
        new LazyIconEngine(QStringLiteral(":/icons/%1.png"), {16, 24, 32, 48, 64, 128, 256}));
}

QPixmap ProgramPicture() {
    const int w = 420, h = 240;
    QPixmap pm(w, h);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(6, 10, 24));
    sky.setColorAt(1, QColor(18, 32, 64));
    p.fillRect(pm.rect(), sky);

    // Stars from a fixed seed: the same picture every time.
    std::mt19937 rng(1997);
    for (int i = 0; i < 160; ++i) {
        const int x = int(rng() % w), y = int(rng() % h);
        const int a = 80 + int(rng() % 175);
        p.setPen(QColor(255, 255, 255, a));
        p.drawPoint(x, y);
    }

    // The map's grid, seen from low above, vanishing toward the horizon.
    p.setPen(QPen(QColor(200, 30, 30, 140), 1));
    const QPointF vanish(w * 0.62, 118);
    for (int i = -10; i <= 10; ++i) p.drawLine(vanish, QPointF(vanish.x() + i * 70.0, h + 10));
    for (int k = 1; k <= 7; ++k) {
        const double y = vanish.y() + (h - vanish.y()) * (k * k) / 49.0;
        p.drawLine(QPointF(0, y), QPointF(w, y));
    }

    // A flight path of three craft with its dotted joining line.
    const QPointF a(286, 150), b(328, 118), c(370, 132);
    p.setPen(QPen(QColor(80, 200, 80), 1.2, Qt::DotLine));
    p.drawLine(a, b);
    p.drawLine(b, c);
    for (QPointF pt : {a, b, c}) {
        p.save();
        p.translate(pt);
        p.scale(1.6, 1.6);
        Craft(p, QPointF(0, 0), 1.0, QColor(120, 220, 140));
        p.restore();
    }

    QFont title;
    title.setPixelSize(46);
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(title);
    p.setPen(QColor(235, 240, 255));
    p.drawText(QRectF(22, 22, w - 40, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vantorel"));
    QFont sub;
    sub.setPixelSize(14);
    p.setFont(sub);
    p.setPen(QColor(150, 180, 230));
    p.drawText(QRectF(24, 80, w - 40, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Mission editor for X-Wing vs. TIE Fighter"));
    p.end();
    return pm;
}

QPixmap LinkPicture() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(205, 225, 250));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 1.3));
    p.drawEllipse(QRectF(10, 3, 12, 26));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(5.5, 10), QPointF(26.5, 10));
    p.drawLine(QPointF(5.5, 22), QPointF(26.5, 22));
    return pm;
}

}  // namespace vantorel
