#include "ui/PaintedIconEngine.h"

#include <QPainter>

namespace vantorel {

const QIcon& PaintedIconEngine::Icon() {
    if (!icon_) icon_ = paint_();
    return *icon_;
}

void PaintedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize PaintedIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Icon().actualSize(size, mode, state);
}

QPixmap PaintedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Icon().pixmap(size, 1.0, mode, state);
}

QPixmap PaintedIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                        qreal scale) {
    // The size asked for is in device pixels; the picture's own icon takes
    // it in its logical ones.
    return Icon().pixmap(size / scale, scale, mode, state);
}

QList<QSize> PaintedIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return Icon().availableSizes(mode, state);
}

QIconEngine* PaintedIconEngine::clone() const {
    auto* copy = new PaintedIconEngine(paint_);
    copy->icon_ = icon_;
    return copy;
}

QString PaintedIconEngine::key() const {
    return QStringLiteral("PaintedIconEngine");
}

}  // namespace vantorel
