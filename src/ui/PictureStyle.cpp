#include "ui/PictureStyle.h"

#include <QPainterPath>
#include <QPixmap>

#include "ui/PaintedIconEngine.h"
#include "ui/PictureCache.h"

namespace vantorel::pictures {

QIcon Picture(const QString& name, const std::function<void(QPainter&)>& draw) {
    // Painted when first shown (most pictures are in menus not yet opened),
    // and only the first time the program ever shows it.
    return QIcon(new PaintedIconEngine([name, draw] {
        const QImage image = PictureCache::Program().Get(name, QSize(32, 30), 2, [&draw] {
            QPixmap pm(32, 30);
            pm.fill(Qt::transparent);
            {
                QPainter p(&pm);
                p.setRenderHint(QPainter::Antialiasing);
                p.scale(2, 2);
                draw(p);
            }
            pm.setDevicePixelRatio(2);
            return pm.toImage();
        });
        return QIcon(QPixmap::fromImage(image));
    }));
}

QPen Ink(double width) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void Craft(QPainter& p, QPointF c, double s, QColor fill) {
    QPainterPath path;
    path.moveTo(c + QPointF(0, -5.5 * s));
    path.lineTo(c + QPointF(4.5 * s, 4 * s));
    path.lineTo(c + QPointF(0, 2 * s));
    path.lineTo(c + QPointF(-4.5 * s, 4 * s));
    path.closeSubpath();
    p.setPen(Ink());
    p.setBrush(fill);
    p.drawPath(path);
}

void Bubble(QPainter& p) {
    QPainterPath path;
    path.addRoundedRect(QRectF(1.5, 1.5, 11, 8), 2.5, 2.5);
    QPainterPath tail;
    tail.moveTo(4, 9);
    tail.lineTo(3.5, 13);
    tail.lineTo(8, 9);
    path = path.united(tail);
    p.setPen(Ink());
    p.setBrush(QColor(255, 244, 205));
    p.drawPath(path);
}

// The corner marks that say what happens to the thing drawn.

}  // namespace vantorel::pictures
