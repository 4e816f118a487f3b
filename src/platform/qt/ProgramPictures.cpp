#include "platform/qt/ProgramPictures.h"

#include <QGuiApplication>
#include <QPainter>

namespace vantorel {

namespace {
// The ink and the accent of the program's other pictures.
const QColor kInk(29, 43, 58);
const QColor kBlue(58, 123, 213);
const QColor kGreen(46, 157, 79);
}  // namespace

QPixmap InformationPicture(int size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(int(size * ratio), int(size * ratio));
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 16-unit grid and scaled, so both sizes look alike.
    p.scale(size / 16.0, size / 16.0);
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.4, 2.2, 2.2));
    p.drawRoundedRect(QRectF(7.05, 6.6, 2.1, 6.2), 0.6, 0.6);
    return pm;
}

QIcon InformationIcon() {
    QIcon icon;
    icon.addPixmap(InformationPicture(16));
    icon.addPixmap(InformationPicture(32));
    return icon;
}

QIcon PlayIcon() {
    QIcon icon;
    for (int size : {16, 32}) {
        const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
        QPixmap pm(int(size * ratio), int(size * ratio));
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        // A speaker with a "play" triangle in front of it.
        p.setPen(QPen(kInk, 1.0));
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({QPointF(1.5, 6), QPointF(4, 6), QPointF(7, 3), QPointF(7, 13),
                                 QPointF(4, 10), QPointF(1.5, 10)}));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(9, 4), QPointF(15, 8), QPointF(9, 12)}));
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace vantorel
