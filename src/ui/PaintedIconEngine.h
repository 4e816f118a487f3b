#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>
#include <optional>

class QPainter;

namespace vantorel {

// An icon painted by a function the first time it is drawn or asked about,
// and from then on the icon of that one picture. A window holds dozens of
// drawn icons, and the ones only its menus show need not be painted before
// the window is.
class PaintedIconEngine : public QIconEngine {
public:
    using Paint = std::function<QIcon()>;
    explicit PaintedIconEngine(Paint paint) : paint_(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return false; }
    QIconEngine* clone() const override;
    QString key() const override;

private:
    const QIcon& Icon();

    Paint paint_;
    std::optional<QIcon> icon_;
};

}  // namespace vantorel
