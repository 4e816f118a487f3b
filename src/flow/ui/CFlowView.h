#pragma once

#include <QWidget>
#include <vector>

#include "flow/FlowLayout.h"
#include "flow/MissionFlow.h"

namespace vantorel {

// The picture of a mission's flow: the boxes where the core's layout puts
// them, a shape for each kind, what never happens red and struck through,
// the selected flight groups' boxes and the current message outlined. The
// pointer resting on a box shows its sentences; a click and a double click
// are handed on as signals, with the node's place in Flow().nodes.
class CFlowView : public QWidget {
    Q_OBJECT
public:
    explicit CFlowView(QWidget* parent = nullptr);

    // A new flow of `mission`, measured and laid out. The mission is kept for
    // the sentences and must outlive the flow (or the next SetFlow).
    void SetFlow(const Mission* mission, MissionFlow flow);
    const MissionFlow& Flow() const { return flow_; }
    const FlowPicture& Picture() const { return picture_; }

    // Flight groups (by place in the list) and the message to outline.
    void SetHighlight(std::vector<bool> flightGroups, int message);
    // Order targets, dashed, may be hidden.
    void SetOrderTargetsShown(bool shown);
    bool OrderTargetsShown() const { return orderTargets_; }
    // 100 is the boxes' own size.
    void SetZoomPercent(int percent);
    int ZoomPercent() const { return zoom_; }

    // The node under a point of the widget, or -1.
    int NodeAt(QPoint point) const;
    // Its box in widget coordinates.
    QRect NodeRect(int node) const;
    // What the pointer resting there shows; empty over no box.
    QString ToolTipAt(QPoint point) const;

    QSize sizeHint() const override;

signals:
    void nodeClicked(int node);
    void nodeActivated(int node);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Resize();
    void PaintNode(QPainter& p, int node) const;

    const Mission* mission_ = nullptr;
    MissionFlow flow_;
    FlowPicture picture_;
    std::vector<QRect> routeBounds_;  // per edge, for painting only what shows
    std::vector<bool> highlight_;
    int message_ = -1;
    bool orderTargets_ = true;
    int zoom_ = 100;
};

}  // namespace vantorel
