#include "app/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/CommandIds.h"
#include "ui/PictureStyle.h"

namespace vantorel {

using namespace pictures;

namespace {

void Plus(QPainter& p) {
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.5, 8), QPointF(12.5, 14.5));
    p.drawLine(QPointF(9.25, 11.25), QPointF(15.75, 11.25));
}
void Cross(QPainter& p) {
    p.setPen(QPen(kRed, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 8.5), QPointF(15, 13.5));
    p.drawLine(QPointF(15, 8.5), QPointF(10, 13.5));
}
void Lines(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 7.5, 6.5, 7));
    p.setPen(Ink(0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(9, 7.5, 6.5, 7));
    for (double y : {9.75, 11.5, 13.25}) p.drawLine(QPointF(10.5, y), QPointF(14, y));
}
void Sparkle(QPainter& p, QPointF c) {
    QPainterPath star;
    star.moveTo(c + QPointF(0, -3.5));
    star.lineTo(c + QPointF(0.9, -0.9));
    star.lineTo(c + QPointF(3.5, 0));
    star.lineTo(c + QPointF(0.9, 0.9));
    star.lineTo(c + QPointF(0, 3.5));
    star.lineTo(c + QPointF(-0.9, 0.9));
    star.lineTo(c + QPointF(-3.5, 0));
    star.lineTo(c + QPointF(-0.9, -0.9));
    star.closeSubpath();
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(kGold);
    p.drawPath(star);
}

void Dot(QPainter& p, QPointF c, QColor fill = kBlue) {
    p.setPen(Ink(0.9));
    p.setBrush(fill);
    p.drawEllipse(c, 1.9, 1.9);
}

void Letters(QPainter& p, const QString& text, QRectF r, int pixelSize) {
    QFont f;
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(r, Qt::AlignCenter, text);
}

// The four angles: a frame with the axes the view shows.
void AngleBox(QPainter& p, const QString& text) {
    p.setPen(Ink());
    p.setBrush(QColor(222, 234, 250));
    p.drawRoundedRect(QRectF(1, 1, 14, 13), 2.5, 2.5);
    Letters(p, text, QRectF(1, 1, 14, 13), text.size() > 1 ? 7 : 9);
}

void Crosshair(QPainter& p) {
    p.setPen(Ink(1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 7.5), 4.5, 4.5);
    p.drawLine(QPointF(8, 0.5), QPointF(8, 4));
    p.drawLine(QPointF(8, 11), QPointF(8, 14.5));
    p.drawLine(QPointF(1, 7.5), QPointF(4.5, 7.5));
    p.drawLine(QPointF(11.5, 7.5), QPointF(15, 7.5));
    Dot(p, QPointF(8, 7.5), kRed);
}

void Magnifier(QPainter& p, bool in) {
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 9.5), QPointF(14.5, 14));
    p.setPen(Ink(1.2));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(6.5, 6), 5, 5);
    p.setPen(QPen(kBlue, 1.6));
    p.drawLine(QPointF(4, 6), QPointF(9, 6));
    if (in) p.drawLine(QPointF(6.5, 3.5), QPointF(6.5, 8.5));
}

// Undo's arrow turns back to the left; Redo's is its mirror image.
void TurnArrow(QPainter& p, bool mirrored) {
    if (mirrored) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kBlue, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 9), 90 * 16, -250 * 16);
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    QPolygonF head({QPointF(1.5, 3), QPointF(7, 0.5), QPointF(7, 6)});
    p.drawPolygon(head);
}

void Path(QPainter& p, Qt::PenStyle style) {
    p.setPen(QPen(kInk, 1.0, style));
    p.drawLine(QPointF(3, 12), QPointF(8, 4));
    p.drawLine(QPointF(8, 4), QPointF(13, 11));
}

using Drawing = std::function<void(QPainter&)>;

Drawing DrawingOf(int id) {
    switch (id) {
        case kCmdFileNew:
            return Drawing([](QPainter& p) { Page(p, QRectF(3, 1, 10, 13)); });
        case kCmdNewMissionWizard:
            return Drawing([](QPainter& p) {
                Page(p, QRectF(1.5, 1, 10, 13));
                Sparkle(p, QPointF(12, 10.5));
            });
        case kCmdFileOpen:
            return Drawing([](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(kGold.lighter(115));
                QPainterPath back;
                back.moveTo(1, 13);
                back.lineTo(1, 3);
                back.lineTo(5, 3);
                back.lineTo(6.5, 4.5);
                back.lineTo(12, 4.5);
                back.lineTo(12, 6.5);
                p.drawPath(back);
                QPainterPath front;
                front.moveTo(1, 13);
                front.lineTo(4, 6.5);
                front.lineTo(15, 6.5);
                front.lineTo(12, 13);
                front.closeSubpath();
                p.setBrush(kGold);
                p.drawPath(front);
            });
        case kCmdFileSave:
            return Drawing([](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(kBlue);
                p.drawRoundedRect(QRectF(1.5, 1, 13, 13), 1.5, 1.5);
                p.setBrush(kPaper);
                p.drawRect(QRectF(4, 1, 8, 5));
                p.setBrush(QColor(210, 215, 222));
                p.drawRect(QRectF(4, 9, 8, 5));
            });
        case kCmdEditCut:
            return Drawing([](QPainter& p) {
                p.setPen(Ink(1.1));
                p.drawLine(QPointF(4.5, 1.5), QPointF(10, 10));
                p.drawLine(QPointF(11.5, 1.5), QPointF(6, 10));
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(kRed, 1.4));
                p.drawEllipse(QPointF(4.5, 11.5), 2.5, 2.5);
                p.drawEllipse(QPointF(11.5, 11.5), 2.5, 2.5);
            });
        case kCmdEditCopy:
            return Drawing([](QPainter& p) {
                Page(p, QRectF(1.5, 1, 8, 10));
                Page(p, QRectF(6.5, 4, 8, 10));
            });
        case kCmdEditPaste:
            return Drawing([](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(QColor(196, 150, 96));
                p.drawRoundedRect(QRectF(1.5, 2, 11, 12), 1.5, 1.5);
                p.setBrush(QColor(170, 175, 185));
                p.drawRect(QRectF(4.5, 1, 5, 2.5));
                Page(p, QRectF(7, 6, 7.5, 8.5));
            });
        case kCmdEditUndo:
            return Drawing([](QPainter& p) { TurnArrow(p, false); });
        case kCmdEditRedo:
            return Drawing([](QPainter& p) { TurnArrow(p, true); });
        case kCmdNewFlightGroup:
            return Drawing([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Plus(p);
            });
        case kCmdDeleteFlightGroup:
            return Drawing([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Cross(p);
            });
        case kCmdFlightGroupProperties:
            return Drawing([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Lines(p);
            });
        case kCmdFlightGroupWizard:
            return Drawing([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Sparkle(p, QPointF(12, 10.5));
            });
        case kCmdNewMessage:
            return Drawing([](QPainter& p) {
                Bubble(p);
                Plus(p);
            });
        case kCmdDeleteMessage:
            return Drawing([](QPainter& p) {
                Bubble(p);
                Cross(p);
            });
        case kCmdMessageProperties:
            return Drawing([](QPainter& p) {
                Bubble(p);
                Lines(p);
            });
        case kCmdShowWaypoints:
            return Drawing([](QPainter& p) {
                Path(p, Qt::DotLine);
                Dot(p, QPointF(3, 12));
                Dot(p, QPointF(8, 4));
                Dot(p, QPointF(13, 11));
            });
        case kCmdShowSelectionWaypoints:
            return Drawing([](QPainter& p) {
                p.setPen(QPen(kGold.darker(120), 1.0, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(0.5, 0.5, 15, 14));
                Path(p, Qt::DotLine);
                Dot(p, QPointF(3, 12), kGold);
                Dot(p, QPointF(8, 4), kGold);
                Dot(p, QPointF(13, 11), kGold);
            });
        case kCmdShowFGNames:
            return Drawing([](QPainter& p) {
                Craft(p, QPointF(4.5, 9), 0.75);
                Letters(p, QStringLiteral("Ab"), QRectF(6, 0, 10, 9), 8);
            });
        case kCmdShowPointNames:
            return Drawing([](QPainter& p) {
                Dot(p, QPointF(4, 10.5));
                Letters(p, QStringLiteral("S1"), QRectF(6, 0, 10, 9), 7);
            });
        case kCmdJoinWaypoints:
            return Drawing([](QPainter& p) {
                Path(p, Qt::SolidLine);
                Dot(p, QPointF(3, 12));
                Dot(p, QPointF(8, 4));
                Dot(p, QPointF(13, 11));
            });
        case kCmdViewTop:
            return Drawing([](QPainter& p) { AngleBox(p, QStringLiteral("T")); });
        case kCmdViewFront:
            return Drawing([](QPainter& p) { AngleBox(p, QStringLiteral("F")); });
        case kCmdViewSide:
            return Drawing([](QPainter& p) { AngleBox(p, QStringLiteral("S")); });
        case kCmdView3D:
            return Drawing([](QPainter& p) { AngleBox(p, QStringLiteral("3D")); });
        case kCmdViewCenter:
            return Drawing([](QPainter& p) { Crosshair(p); });
        case kCmdViewSelection:
            return Drawing([](QPainter& p) {
                Crosshair(p);
                p.setPen(QPen(kGold.darker(120), 1.0, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(0.5, 0.5, 15, 14));
            });
        case kCmdZoomIn:
            return Drawing([](QPainter& p) { Magnifier(p, true); });
        case kCmdZoomOut:
            return Drawing([](QPainter& p) { Magnifier(p, false); });
        case kCmdZoomToFit:
            // Everything brought inside the frame: corners round three craft.
            return Drawing([](QPainter& p) {
                p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::SquareCap));
                const double l = 1.5, t = 1.5, r = 14.5, b = 13.5, n = 3.5;
                for (QPointF c : {QPointF(l, t), QPointF(r, t), QPointF(l, b), QPointF(r, b)}) {
                    const double sx = c.x() == l ? 1 : -1, sy = c.y() == t ? 1 : -1;
                    p.drawLine(c, c + QPointF(sx * n, 0));
                    p.drawLine(c, c + QPointF(0, sy * n));
                }
                Dot(p, QPointF(5.5, 5.5), kBlue);
                Dot(p, QPointF(10.5, 6.5), kRed);
                Dot(p, QPointF(7.5, 10), kGreen);
            });
        case kCmdBandSelect:
            // A dashed band drawn from a pointer's corner round two craft.
            return Drawing([](QPainter& p) {
                p.setPen(QPen(kInk, 1.0, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(1.5, 1.5, 11, 10));
                Dot(p, QPointF(5, 5), kBlue);
                Dot(p, QPointF(9, 8), kBlue);
                QPainterPath arrow;
                arrow.moveTo(11, 10);
                arrow.lineTo(11, 15.5);
                arrow.lineTo(12.6, 14);
                arrow.lineTo(14.2, 15.8);
                arrow.lineTo(15, 15);
                arrow.lineTo(13.4, 13.3);
                arrow.lineTo(15.5, 12.8);
                arrow.closeSubpath();
                p.setPen(QPen(kInk, 0.8));
                p.setBrush(kPaper);
                p.drawPath(arrow);
            });
        default:
            return {};
    }
}

}  // namespace

QIcon CommandIcon(int id) {
    Drawing draw = DrawingOf(id);
    return draw ? Picture(QStringLiteral("command %1").arg(id), draw) : QIcon();
}

}  // namespace vantorel
