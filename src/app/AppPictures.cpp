#include "app/AppPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <random>

#include "app/CommandIds.h"

// Resources of a static library are linked only when asked for by name, and
// the macro cannot be used inside a namespace.
static void InitAppIconResources() { Q_INIT_RESOURCE(vantorel); }

namespace vantorel {

namespace {

const QColor kInk(29, 43, 58);
const QColor kPaper(250, 250, 246);
const QColor kBlue(58, 123, 213);
const QColor kGreen(46, 157, 79);
const QColor kRed(200, 55, 45);
const QColor kGold(232, 182, 44);

// Draws a 16 x 15 picture at twice the resolution, so it is crisp on scaled
// screens and smooth on plain ones.
QIcon Picture(const std::function<void(QPainter&)>& draw) {
    QPixmap pm(32, 30);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        draw(p);
    }
    pm.setDevicePixelRatio(2);
    return QIcon(pm);
}

QPen Ink(double width = 1.0) {
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

// A small craft seen from above, nose up.
void Craft(QPainter& p, QPointF c, double s = 1.0, QColor fill = kBlue) {
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

}  // namespace

QIcon CommandIcon(int id) {
    switch (id) {
        case kCmdFileNew:
            return Picture([](QPainter& p) { Page(p, QRectF(3, 1, 10, 13)); });
        case kCmdNewMissionWizard:
            return Picture([](QPainter& p) {
                Page(p, QRectF(1.5, 1, 10, 13));
                Sparkle(p, QPointF(12, 10.5));
            });
        case kCmdFileOpen:
            return Picture([](QPainter& p) {
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
            return Picture([](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(kBlue);
                p.drawRoundedRect(QRectF(1.5, 1, 13, 13), 1.5, 1.5);
                p.setBrush(kPaper);
                p.drawRect(QRectF(4, 1, 8, 5));
                p.setBrush(QColor(210, 215, 222));
                p.drawRect(QRectF(4, 9, 8, 5));
            });
        case kCmdEditCut:
            return Picture([](QPainter& p) {
                p.setPen(Ink(1.1));
                p.drawLine(QPointF(4.5, 1.5), QPointF(10, 10));
                p.drawLine(QPointF(11.5, 1.5), QPointF(6, 10));
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(kRed, 1.4));
                p.drawEllipse(QPointF(4.5, 11.5), 2.5, 2.5);
                p.drawEllipse(QPointF(11.5, 11.5), 2.5, 2.5);
            });
        case kCmdEditCopy:
            return Picture([](QPainter& p) {
                Page(p, QRectF(1.5, 1, 8, 10));
                Page(p, QRectF(6.5, 4, 8, 10));
            });
        case kCmdEditPaste:
            return Picture([](QPainter& p) {
                p.setPen(Ink());
                p.setBrush(QColor(196, 150, 96));
                p.drawRoundedRect(QRectF(1.5, 2, 11, 12), 1.5, 1.5);
                p.setBrush(QColor(170, 175, 185));
                p.drawRect(QRectF(4.5, 1, 5, 2.5));
                Page(p, QRectF(7, 6, 7.5, 8.5));
            });
        case kCmdEditUndo:
            return Picture([](QPainter& p) { TurnArrow(p, false); });
        case kCmdEditRedo:
            return Picture([](QPainter& p) { TurnArrow(p, true); });
        case kCmdNewFlightGroup:
            return Picture([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Plus(p);
            });
        case kCmdDeleteFlightGroup:
            return Picture([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Cross(p);
            });
        case kCmdFlightGroupProperties:
            return Picture([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Lines(p);
            });
        case kCmdFlightGroupWizard:
            return Picture([](QPainter& p) {
                Craft(p, QPointF(6, 7));
                Sparkle(p, QPointF(12, 10.5));
            });
        case kCmdNewMessage:
            return Picture([](QPainter& p) {
                Bubble(p);
                Plus(p);
            });
        case kCmdDeleteMessage:
            return Picture([](QPainter& p) {
                Bubble(p);
                Cross(p);
            });
        case kCmdMessageProperties:
            return Picture([](QPainter& p) {
                Bubble(p);
                Lines(p);
            });
        case kCmdShowWaypoints:
            return Picture([](QPainter& p) {
                Path(p, Qt::DotLine);
                Dot(p, QPointF(3, 12));
                Dot(p, QPointF(8, 4));
                Dot(p, QPointF(13, 11));
            });
        case kCmdShowSelectionWaypoints:
            return Picture([](QPainter& p) {
                p.setPen(QPen(kGold.darker(120), 1.0, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(0.5, 0.5, 15, 14));
                Path(p, Qt::DotLine);
                Dot(p, QPointF(3, 12), kGold);
                Dot(p, QPointF(8, 4), kGold);
                Dot(p, QPointF(13, 11), kGold);
            });
        case kCmdShowFGNames:
            return Picture([](QPainter& p) {
                Craft(p, QPointF(4.5, 9), 0.75);
                Letters(p, QStringLiteral("Ab"), QRectF(6, 0, 10, 9), 8);
            });
        case kCmdShowPointNames:
            return Picture([](QPainter& p) {
                Dot(p, QPointF(4, 10.5));
                Letters(p, QStringLiteral("S1"), QRectF(6, 0, 10, 9), 7);
            });
        case kCmdJoinWaypoints:
            return Picture([](QPainter& p) {
                Path(p, Qt::SolidLine);
                Dot(p, QPointF(3, 12));
                Dot(p, QPointF(8, 4));
                Dot(p, QPointF(13, 11));
            });
        case kCmdViewTop:
            return Picture([](QPainter& p) { AngleBox(p, QStringLiteral("T")); });
        case kCmdViewFront:
            return Picture([](QPainter& p) { AngleBox(p, QStringLiteral("F")); });
        case kCmdViewSide:
            return Picture([](QPainter& p) { AngleBox(p, QStringLiteral("S")); });
        case kCmdView3D:
            return Picture([](QPainter& p) { AngleBox(p, QStringLiteral("3D")); });
        case kCmdViewCenter:
            return Picture([](QPainter& p) { Crosshair(p); });
        case kCmdViewSelection:
            return Picture([](QPainter& p) {
                Crosshair(p);
                p.setPen(QPen(kGold.darker(120), 1.0, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(0.5, 0.5, 15, 14));
            });
        case kCmdZoomIn:
            return Picture([](QPainter& p) { Magnifier(p, true); });
        case kCmdZoomOut:
            return Picture([](QPainter& p) { Magnifier(p, false); });
        case kCmdZoomToFit:
            // Everything brought inside the frame: corners round three craft.
            return Picture([](QPainter& p) {
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
        default:
            return QIcon();
    }
}

QIcon AppIcon() {
    // The same pictures the desktop shows, compiled into the program.
    InitAppIconResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
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
            return Picture([](QPainter& p) {
                Craft(p, QPointF(5, 8), 0.8);
                Craft(p, QPointF(11, 7), 0.8);
            });
        case 1:  // teams
            return Picture([](QPainter& p) {
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
            return Picture([](QPainter& p) { Bubble(p); });
        case 3:  // debriefing
            return Picture([](QPainter& p) {
                Page(p, QRectF(2.5, 1, 10, 13));
                p.setPen(Ink(0.9));
                for (double y : {5.0, 7.5, 10.0}) p.drawLine(QPointF(4.5, y), QPointF(10.5, y));
            });
        default:  // level settings
            return Picture([](QPainter& p) {
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
    return Picture([](QPainter& p) {
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
    return Picture([](QPainter& p) {
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
