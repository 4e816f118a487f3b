#pragma once

#include <QIconEngine>
#include <QList>
#include <QString>

namespace vantorel {

// An icon of square pictures in several sizes, one file each, that reads a
// picture only when that size is first drawn or asked for. Which size
// serves a request, and how it is scaled or greyed, is what a QIcon made
// with addFile does; it just does not decode every size up front. The
// pictures are kept for the life of the program and shared by every copy.
class LazyIconEngine : public QIconEngine {
public:
    // `pattern` holds %1 for the size, e.g. ":/icons/%1.png".
    LazyIconEngine(QString pattern, QList<int> sizes);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return sizes_.isEmpty(); }
    QIconEngine* clone() const override;
    QString key() const override;

private:
    // The size whose picture serves a request: the smallest at least as
    // large, else the largest.
    int BestSize(const QSize& size) const;

    QString pattern_;
    QList<int> sizes_;
};

}  // namespace vantorel
