#pragma once

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <functional>

namespace vantorel::pictures {

// The one style of the program's drawn pictures: a dark outline, one accent
// colour per kind of thing, green for add and red for delete. Drawn rather
// than shipped as bitmaps, so they stay sharp at any screen scale.
inline const QColor kInk(29, 43, 58);
inline const QColor kPaper(250, 250, 246);
inline const QColor kBlue(58, 123, 213);
inline const QColor kGreen(46, 157, 79);
inline const QColor kRed(200, 55, 45);
inline const QColor kGold(232, 182, 44);

// Draws a 16 x 15 picture at twice the resolution, so it is crisp on scaled
// screens and smooth on plain ones. The name finds it in the cache of
// painted pictures (PictureCache): one name, one picture.
QIcon Picture(const QString& name, const std::function<void(QPainter&)>& draw);
// The outline pen.
QPen Ink(double width = 1.0);
// A sheet of paper with a folded corner.
void Page(QPainter& p, QRectF r);
// A small craft seen from above, nose up.
void Craft(QPainter& p, QPointF c, double s = 1.0, QColor fill = kBlue);
// A speech bubble: a radio message.
void Bubble(QPainter& p);

}  // namespace vantorel::pictures
