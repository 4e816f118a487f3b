#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "briefing/BriefingPaint.h"
#include "platform/qt/QPainterCanvas.h"

namespace vantorel {

struct Mission;

// The Briefing window's playback map: the core's briefing paint drawn with
// the map's canvas into a picture of the widget's size, repainted only when
// what it shows changes. The mouse edits through signals: a flight group's
// icon or a text tag dragged somewhere, a flight group clicked; a drag on
// empty map and the wheel look at the map another way (the window's own
// view, which "Move Map Here" and "Zoom Here" write down as events).
class CBriefingMap : public QWidget {
    Q_OBJECT
public:
    explicit CBriefingMap(QWidget* parent = nullptr);

    // What to show. Repaints only when something differs from the last
    // frame; a mission edited in place is redrawn through Invalidate.
    void Show(const Mission* mission, int briefing, const BriefingShown& shown);
    void Invalidate();

    // The window's own view, when the user moved or zoomed the map; none
    // follows the briefing.
    void SetOwnView(std::optional<BriefingView> view);
    const std::optional<BriefingView>& OwnView() const { return ownView_; }
    // The view drawn: the window's own, or the briefing's.
    BriefingView ViewShown() const;

    // Where a point (position units) is drawn, in widget pixels; and the
    // point under a widget pixel.
    QPoint WidgetFromUnits(int x, int y);
    QPointF UnitsFromWidget(QPoint p);
    BriefingHit HitAt(QPoint p);

    const QImage& Frame() const { return frame_; }
    // Frames drawn so far: a player that repaints only on change draws few.
    int FramesDrawn() const { return framesDrawn_; }

signals:
    void flightGroupMoved(int flightGroup, int x, int y);
    void textTagMoved(int slot, int x, int y);
    void flightGroupClicked(int flightGroup);
    // The window's own view came or went or changed.
    void ownViewChanged();
    void menuRequested(QPoint at, vantorel::BriefingHit hit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    BriefingShown Drawn() const;
    BriefingViewport Viewport();
    void Render();

    const Mission* mission_ = nullptr;
    int briefing_ = 0;
    BriefingShown shown_;
    std::optional<BriefingView> ownView_;
    QImage frame_;
    QPainterCanvas canvas_;
    bool stale_ = true;
    int framesDrawn_ = 0;

    // The press of the left button, and what it took hold of.
    struct Press {
        QPoint at;
        BriefingHit hit;
        bool dragging = false;
        BriefingView viewAtPress;
    };
    std::optional<Press> press_;
    BriefingDragPreview drag_;
};

}  // namespace vantorel
