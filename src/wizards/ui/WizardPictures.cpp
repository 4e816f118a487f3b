#include "wizards/ui/WizardPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace vantorel {

namespace {

// The colours of the program's other pictures.
const QColor kInk(29, 43, 58);
const QColor kBlue(58, 123, 213);
const QColor kRed(200, 55, 45);
const QColor kGold(232, 182, 44);
const QColor kHull(196, 203, 214);

constexpr double kW = kWizardPictureWidth;
constexpr double kH = kWizardPictureHeight;
const QPointF kCentre(kW / 2, 104);

QPen Ink(double width = 1.2) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Deep space with stars from a fixed seed and the map's grid vanishing
// towards the horizon, as on the program picture.
void Space(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kH);
    sky.setColorAt(0, QColor(6, 10, 24));
    sky.setColorAt(1, QColor(18, 32, 64));
    p.fillRect(QRectF(0, 0, kW, kH), sky);

    std::mt19937 rng(1997);
    for (int i = 0; i < 70; ++i) {
        const double x = rng() % int(kW), y = rng() % int(kH);
        p.setPen(QPen(QColor(255, 255, 255, 80 + int(rng() % 175)), 0.8));
        p.drawPoint(QPointF(x + 0.5, y + 0.5));
    }

    p.setPen(QPen(QColor(200, 30, 30, 120), 0.8));
    const QPointF vanish(kW / 2, 178);
    for (int i = -6; i <= 6; ++i) p.drawLine(vanish, QPointF(vanish.x() + i * 32.0, kH + 4));
    for (int k = 1; k <= 5; ++k) {
        const double y = vanish.y() + (kH - vanish.y()) * (k * k) / 25.0;
        p.drawLine(QPointF(0, y), QPointF(kW, y));
    }
}

// A starfighter seen from above, nose up, as the toolbar pictures draw it.
void Craft(QPainter& p, QPointF c, double s, QColor fill, bool noseDown = false) {
    p.save();
    p.translate(c);
    if (noseDown) p.rotate(180);
    QPainterPath path;
    path.moveTo(0, -5.5 * s);
    path.lineTo(4.5 * s, 4 * s);
    path.lineTo(0, 2 * s);
    path.lineTo(-4.5 * s, 4 * s);
    path.closeSubpath();
    p.setPen(Ink(1.0));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void Sparkle(QPainter& p, QPointF c, double r) {
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const double len = i % 2 == 0 ? r : r * 0.28;
        const QPointF pt = c + QPointF(std::sin(a) * len, -std::cos(a) * len);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kGold);
    p.drawPath(star);
}

// Two flights meet in the middle: the melee the wizard sets up.
void MissionMotif(QPainter& p) {
    p.setPen(QPen(QColor(80, 200, 80), 1.0, Qt::DotLine));
    p.drawLine(QPointF(42, 142), QPointF(90, 70));
    p.drawLine(QPointF(90, 142), QPointF(42, 70));
    for (QPointF c : {QPointF(66, 132), QPointF(42, 146), QPointF(90, 146)})
        Craft(p, c, 2.2, kBlue);
    for (QPointF c : {QPointF(66, 76), QPointF(42, 62), QPointF(90, 62)})
        Craft(p, c, 2.2, kRed, true);
    Sparkle(p, QPointF(106, 30), 11);
}

// A capital ship's wedge with its bridge, and its wave launching.
void Wedge(QPainter& p, QPointF nose, double length, double width) {
    QPainterPath hull;
    hull.moveTo(nose);
    hull.lineTo(nose + QPointF(width / 2, length));
    hull.lineTo(nose + QPointF(-width / 2, length));
    hull.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kHull);
    p.drawPath(hull);
    p.setPen(QPen(kInk, 0.7));
    p.drawLine(nose + QPointF(0, length * 0.2), nose + QPointF(0, length * 0.95));
    p.setBrush(kHull.darker(115));
    p.setPen(Ink(1.0));
    p.drawRect(
        QRectF(nose + QPointF(-width * 0.14, length * 0.78), QSizeF(width * 0.28, length * 0.12)));
}

void FleetMotif(QPainter& p) {
    Wedge(p, QPointF(30, 96), 46, 26);
    Wedge(p, QPointF(102, 96), 46, 26);
    Wedge(p, QPointF(66, 44), 100, 56);
    for (QPointF c : {QPointF(52, 30), QPointF(66, 22), QPointF(80, 30)}) Craft(p, c, 1.6, kBlue);
}

void StationMotif(QPainter& p) {
    const QPointF c = kCentre;
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 + M_PI / 4;
        p.drawLine(c + QPointF(std::cos(a) * 12, std::sin(a) * 12),
                   c + QPointF(std::cos(a) * 38, std::sin(a) * 38));
    }
    p.setPen(Ink(1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath ring;
    ring.addEllipse(c, 44, 44);
    ring.addEllipse(c, 34, 34);
    p.setBrush(kHull);
    p.drawPath(ring);
    QRadialGradient hub(c - QPointF(4, 4), 16);
    hub.setColorAt(0, kHull.lighter(110));
    hub.setColorAt(1, kHull.darker(125));
    p.setBrush(hub);
    p.drawEllipse(c, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawEllipse(c + QPointF(std::cos(a) * 39, std::sin(a) * 39), 1.6, 1.6);
    }
    // The escape shuttle leaving.
    Craft(p, c + QPointF(44, -58), 1.8, kGold);
}

void Rock(QPainter& p, QPointF c, double r, unsigned seed) {
    std::mt19937 rng(seed);
    QPainterPath path;
    constexpr int kCorners = 9;
    for (int i = 0; i < kCorners; ++i) {
        const double a = i * 2 * M_PI / kCorners;
        const double len = r * (0.72 + (rng() % 28) / 100.0);
        const QPointF pt = c + QPointF(std::cos(a) * len, std::sin(a) * len);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    QRadialGradient shade(c - QPointF(r / 3, r / 3), r * 1.4);
    shade.setColorAt(0, QColor(176, 146, 112));
    shade.setColorAt(1, QColor(104, 82, 62));
    p.setPen(Ink(1.1));
    p.setBrush(shade);
    p.drawPath(path);
    p.setPen(QPen(QColor(80, 62, 46), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c + QPointF(r * 0.2, r * 0.15), r * 0.22, r * 0.18);
}

void AsteroidsMotif(QPainter& p) {
    Rock(p, QPointF(62, 108), 26, 3);
    Rock(p, QPointF(100, 62), 14, 5);
    Rock(p, QPointF(28, 58), 11, 7);
    Rock(p, QPointF(34, 152), 15, 11);
    Rock(p, QPointF(104, 150), 10, 13);
}

void Mine(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(c + QPointF(std::cos(a) * r, std::sin(a) * r),
                   c + QPointF(std::cos(a) * r * 1.55, std::sin(a) * r * 1.55));
    }
    QRadialGradient shell(c - QPointF(r / 3, r / 3), r * 1.3);
    shell.setColorAt(0, QColor(150, 156, 166));
    shell.setColorAt(1, QColor(70, 76, 88));
    p.setPen(Ink(1.1));
    p.setBrush(shell);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(c, r * 0.3, r * 0.3);
}

// Rows of mines, each laid from the middle outwards, alternating sides, as
// the wizard lays them.
void MinefieldMotif(QPainter& p) {
    for (int row = 0; row < 3; ++row)
        for (double dx : {0.0, 36.0, -36.0}) Mine(p, QPointF(kW / 2 + dx, 62 + row * 42), 8);
}

}  // namespace

QPixmap WizardPicture(WizardMotif motif) {
    // Drawn at twice the size, so it is crisp on scaled screens.
    QPixmap pm(int(kW * 2), int(kH * 2));
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        Space(p);
        switch (motif) {
            case WizardMotif::Mission:
                MissionMotif(p);
                break;
            case WizardMotif::Fleet:
                FleetMotif(p);
                break;
            case WizardMotif::Station:
                StationMotif(p);
                break;
            case WizardMotif::Asteroids:
                AsteroidsMotif(p);
                break;
            case WizardMotif::Minefield:
                MinefieldMotif(p);
                break;
        }
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0, 0, kW, kH));
    }
    pm.setDevicePixelRatio(2);
    return pm;
}

}  // namespace vantorel
