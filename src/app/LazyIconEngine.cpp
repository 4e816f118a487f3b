#include "app/LazyIconEngine.h"

#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <utility>

namespace vantorel {

namespace {

// One icon per picture read, by file name: it scales and greys the picture
// exactly as an icon of all the files would for that size. The pictures are
// PNGs, read as such: a reader left to guess the format first asks every
// image plugin installed, loading each one.
QIcon& PictureIcon(const QString& file) {
    static QHash<QString, QIcon> read;
    auto it = read.find(file);
    if (it == read.end()) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(reader.read()));
        it = read.insert(file, icon);
    }
    return *it;
}

}  // namespace

LazyIconEngine::LazyIconEngine(QString pattern, QList<int> sizes)
    : pattern_(std::move(pattern)), sizes_(std::move(sizes)) {}

int LazyIconEngine::BestSize(const QSize& size) const {
    const qint64 wanted = qint64(size.width()) * size.height();
    int larger = -1, largest = -1;
    for (int s : sizes_) {
        if (qint64(s) * s >= wanted && (larger < 0 || s < larger)) larger = s;
        largest = std::max(largest, s);
    }
    return larger >= 0 ? larger : largest;
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    if (sizes_.isEmpty()) return {};
    QSize actual(BestSize(size), BestSize(size));
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (sizes_.isEmpty()) return {};
    return PictureIcon(pattern_.arg(BestSize(size))).pixmap(size, mode, state);
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    painter->drawPixmap(rect, picture);
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    QList<QSize> list;
    if (mode != QIcon::Normal || state != QIcon::Off) return list;
    for (int s : sizes_) list.append(QSize(s, s));
    return list;
}

QIconEngine* LazyIconEngine::clone() const {
    return new LazyIconEngine(pattern_, sizes_);
}

QString LazyIconEngine::key() const {
    return QStringLiteral("LazyIconEngine");
}

}  // namespace vantorel
