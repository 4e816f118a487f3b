#include "ui/WindowPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/PictureStyle.h"

namespace vantorel {

using namespace pictures;

QPixmap NoLevelPicture() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 128, 140), 1.5));
    p.setBrush(QColor(232, 236, 242));
    p.drawRoundedRect(QRectF(2, 4, 28, 24), 3, 3);
    p.setPen(QPen(QColor(200, 110, 110), 1));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.setPen(QPen(QColor(150, 156, 166), 1.2, Qt::DotLine));
    p.drawLine(QPointF(7, 22), QPointF(13, 10));
    p.drawLine(QPointF(13, 10), QPointF(24, 20));
    return pm;
}

QIcon LevelTabIcon(int tab) {
    switch (tab) {
        case 0:  // flight groups
            return Picture(QStringLiteral("level tab 0"), [](QPainter& p) {
                Craft(p, QPointF(5, 8), 0.8);
                Craft(p, QPointF(11, 7), 0.8);
            });
        case 1:  // teams
            return Picture(QStringLiteral("level tab 1"), [](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(kRed);
                p.drawRect(QRectF(2, 2, 5, 5));
                p.setBrush(kBlue);
                p.drawRect(QRectF(9, 2, 5, 5));
                p.setBrush(kGreen);
                p.drawRect(QRectF(2, 8.5, 5, 5));
                p.setBrush(kGold);
                p.drawRect(QRectF(9, 8.5, 5, 5));
            });
        case 2:  // messages
            return Picture(QStringLiteral("level tab 2"), [](QPainter& p) { Bubble(p); });
        case 3:  // debriefing
            return Picture(QStringLiteral("level tab 3"), [](QPainter& p) {
                Page(p, QRectF(2.5, 1, 10, 13));
                p.setPen(Ink(0.9));
                for (double y : {5.0, 7.5, 10.0}) p.drawLine(QPointF(4.5, y), QPointF(10.5, y));
            });
        default:  // level settings
            return Picture(QStringLiteral("level tab 4"), [](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(QColor(222, 234, 250));
                p.drawEllipse(QPointF(8, 7.5), 6, 6);
                p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(8, 7.5), QPointF(8, 3.5));
                p.drawLine(QPointF(8, 7.5), QPointF(11, 9));
            });
    }
}

QIcon PlayerIcon() {
    return Picture(QStringLiteral("player"), [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kGold);
        p.drawEllipse(QPointF(8, 4.5), 3, 3);
        QPainterPath body;
        body.moveTo(2.5, 14);
        body.cubicTo(2.5, 8, 13.5, 8, 13.5, 14);
        body.closeSubpath();
        p.drawPath(body);
    });
}

QIcon WaveIcon() {
    return Picture(QStringLiteral("wave"), [](QPainter& p) {
        p.setPen(Ink());
        p.setBrush(kInk);
        QPolygonF speaker({QPointF(1.5, 5.5), QPointF(4.5, 5.5), QPointF(8, 2), QPointF(8, 13),
                           QPointF(4.5, 9.5), QPointF(1.5, 9.5)});
        p.drawPolygon(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlue, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 4, 5, 7), -60 * 16, 120 * 16);
        p.drawArc(QRectF(5, 1.5, 9, 12), -60 * 16, 120 * 16);
    });
}

QCursor RotateCursor() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        for (const auto& [colour, width] :
             {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 1.8}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 150 * 16);
            p.drawArc(QRectF(6, 6, 20, 20), 210 * 16, 150 * 16);
            QPolygonF h1({QPointF(24, 5), QPointF(27.5, 12), QPointF(20, 11)});
            QPolygonF h2({QPointF(8, 27), QPointF(4.5, 20), QPointF(12, 21)});
            p.setBrush(colour);
            p.drawPolygon(h1);
            p.drawPolygon(h2);
        }
    }
    return QCursor(pm, 16, 16);
}

}  // namespace vantorel
