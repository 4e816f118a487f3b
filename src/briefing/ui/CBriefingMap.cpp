#include "briefing/ui/CBriefingMap.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "mission/Mission.h"

namespace vantorel {

CBriefingMap::CBriefingMap(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(false);
}

void CBriefingMap::Show(const Mission* mission, int briefing, const BriefingShown& shown) {
    if (mission == mission_ && briefing == briefing_ && shown == shown_) return;
    mission_ = mission;
    briefing_ = briefing;
    shown_ = shown;
    Invalidate();
}

void CBriefingMap::Invalidate() {
    stale_ = true;
    update();
}

void CBriefingMap::SetOwnView(std::optional<BriefingView> view) {
    if (view == ownView_) return;
    ownView_ = view;
    Invalidate();
    emit ownViewChanged();
}

BriefingView CBriefingMap::ViewShown() const {
    return ownView_ ? *ownView_ : shown_.view;
}

BriefingShown CBriefingMap::Drawn() const {
    BriefingShown s = shown_;
    s.view = ViewShown();
    return s;
}

BriefingViewport CBriefingMap::Viewport() {
    return LayOutBriefing(canvas_, width(), height(), ViewShown()).viewport;
}

QPoint CBriefingMap::WidgetFromUnits(int x, int y) {
    const ScreenPoint p = Viewport().ScreenFromUnits(x, y);
    return {p.x, p.y};
}

QPointF CBriefingMap::UnitsFromWidget(QPoint p) {
    double x = 0, y = 0;
    Viewport().UnitsFromScreen(p.x(), p.y(), x, y);
    return {x, y};
}

BriefingHit CBriefingMap::HitAt(QPoint p) {
    if (!mission_) return {};
    return HitTestBriefing(canvas_, width(), height(), *mission_, briefing_, Drawn(), p.x(), p.y());
}

void CBriefingMap::Render() {
    const QSize size(std::max(width(), 1), std::max(height(), 1));
    if (frame_.size() != size) frame_ = QImage(size, QImage::Format_RGB32);
    QPainter painter(&frame_);
    canvas_.SetPainter(&painter);
    if (mission_)
        PaintBriefing(canvas_, size.width(), size.height(), *mission_, briefing_, Drawn(), drag_);
    else
        frame_.fill(Qt::black);
    canvas_.SetPainter(nullptr);
    stale_ = false;
    ++framesDrawn_;
}

void CBriefingMap::paintEvent(QPaintEvent*) {
    if (stale_ || frame_.size() != size()) Render();
    QPainter(this).drawImage(0, 0, frame_);
}

void CBriefingMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Invalidate();
}

void CBriefingMap::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    press_ =
        Press{event->position().toPoint(), HitAt(event->position().toPoint()), false, ViewShown()};
}

void CBriefingMap::mouseMoveEvent(QMouseEvent* event) {
    if (!press_) return;
    const QPoint at = event->position().toPoint();
    if (!press_->dragging &&
        (at - press_->at).manhattanLength() < QApplication::startDragDistance())
        return;
    press_->dragging = true;
    switch (press_->hit.kind) {
        case BriefingHit::None: {
            // The map follows the mouse from where it was at the press.
            const BriefingViewport vp =
                LayOutBriefing(canvas_, width(), height(), press_->viewAtPress).viewport;
            const QPoint d = at - press_->at;
            SetOwnView(PanBriefingView(vp, d.x(), d.y()));
            return;
        }
        case BriefingHit::FlightGroup:
        case BriefingHit::TextTag: {
            const QPointF units = UnitsFromWidget(at);
            drag_.flightGroup =
                press_->hit.kind == BriefingHit::FlightGroup ? press_->hit.index : -1;
            drag_.textSlot = press_->hit.kind == BriefingHit::TextTag ? press_->hit.index : -1;
            // A text tag is held where it was taken: its corner moves with the mouse.
            if (drag_.textSlot >= 0) {
                const BriefingTextTagShown& t = shown_.textTags[size_t(drag_.textSlot)];
                const QPoint corner = WidgetFromUnits(t.x, t.y);
                const QPointF to = UnitsFromWidget(corner + at - press_->at);
                drag_.x = int(std::lround(to.x()));
                drag_.y = int(std::lround(to.y()));
            } else {
                drag_.x = int(std::lround(units.x()));
                drag_.y = int(std::lround(units.y()));
            }
            Invalidate();
            return;
        }
    }
}

void CBriefingMap::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !press_) return QWidget::mouseReleaseEvent(event);
    const Press press = *press_;
    const BriefingDragPreview drag = drag_;
    press_.reset();
    drag_ = {};
    if (!press.dragging) {
        if (press.hit.kind == BriefingHit::FlightGroup) emit flightGroupClicked(press.hit.index);
        return;
    }
    Invalidate();
    // The edit comes back as a change of the mission, which redraws.
    if (drag.flightGroup >= 0) emit flightGroupMoved(drag.flightGroup, drag.x, drag.y);
    if (drag.textSlot >= 0) emit textTagMoved(drag.textSlot, drag.x, drag.y);
}

void CBriefingMap::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) return;
    const QPoint at = event->position().toPoint();
    SetOwnView(ZoomBriefingView(Viewport(), at.x(), at.y(), steps));
}

void CBriefingMap::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(event->pos(), HitAt(event->pos()));
}

}  // namespace vantorel
