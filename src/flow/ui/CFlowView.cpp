#include "flow/ui/CFlowView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

#include "flow/FlowText.h"

namespace vantorel {

namespace {

constexpr int kPadX = 8, kPadY = 4;

const QColor kInk(29, 43, 58);
const QColor kNever(200, 40, 40);
const QColor kNeverFill(253, 232, 230);
const QColor kHighlight(40, 110, 220);
const QColor kLine(95, 105, 120);
const QColor kOwnLine(170, 176, 186);
const QColor kTargetLine(160, 160, 160);

QColor FillOf(FlowNodeKind kind) {
    switch (kind) {
        case FlowNodeKind::Arrival:
            return {222, 234, 248};
        case FlowNodeKind::Departure:
            return {230, 236, 230};
        case FlowNodeKind::JumpToOrder4:
            return {246, 240, 214};
        case FlowNodeKind::Message:
            return {252, 248, 220};
        case FlowNodeKind::TeamGoal:
            return {236, 226, 246};
        case FlowNodeKind::FlightGroupGoal:
            return {224, 242, 226};
    }
    return Qt::white;
}

// The outline of a box of each kind.
QPainterPath ShapeOf(FlowNodeKind kind, const QRectF& r) {
    QPainterPath path;
    const double c = std::min(10.0, r.height() / 2);
    switch (kind) {
        case FlowNodeKind::Arrival:
            path.addRect(r);
            break;
        case FlowNodeKind::Departure:
            path.addRoundedRect(r, c, c);
            break;
        case FlowNodeKind::JumpToOrder4:  // an arrow pointing on
            path.moveTo(r.topLeft());
            path.lineTo(r.right() - c, r.top());
            path.lineTo(r.right(), r.center().y());
            path.lineTo(r.right() - c, r.bottom());
            path.lineTo(r.bottomLeft());
            path.closeSubpath();
            break;
        case FlowNodeKind::Message:  // a sheet with a folded corner
            path.moveTo(r.topLeft());
            path.lineTo(r.right() - c, r.top());
            path.lineTo(r.right(), r.top() + c);
            path.lineTo(r.bottomRight());
            path.lineTo(r.bottomLeft());
            path.closeSubpath();
            break;
        case FlowNodeKind::TeamGoal:  // an octagon
            path.moveTo(r.left() + c, r.top());
            path.lineTo(r.right() - c, r.top());
            path.lineTo(r.right(), r.top() + c);
            path.lineTo(r.right(), r.bottom() - c);
            path.lineTo(r.right() - c, r.bottom());
            path.lineTo(r.left() + c, r.bottom());
            path.lineTo(r.left(), r.bottom() - c);
            path.lineTo(r.left(), r.top() + c);
            path.closeSubpath();
            break;
        case FlowNodeKind::FlightGroupGoal:
            path.addEllipse(r);
            break;
    }
    return path;
}

// The part of a line inside the rectangle (Liang and Barsky); false when
// none of it is.
bool ClipToRect(QLineF& line, const QRectF& r) {
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - r.left(), r.right() - line.x1(), line.y1() - r.top(),
                         r.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF a = line.p1();
    line = QLineF(a + QPointF(dx * t0, dy * t0), a + QPointF(dx * t1, dy * t1));
    return true;
}

// A label as one line: a name may hold any byte, line breaks included.
QString OneLine(const std::string& text) {
    QString line = QString::fromStdString(text);
    for (QChar& c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
    return line;
}

QFont InputFont(const QFont& base) {
    QFont f = base;
    f.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() * 0.85 : 8);
    return f;
}

}  // namespace

CFlowView::CFlowView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void CFlowView::SetFlow(const Mission* mission, MissionFlow flow) {
    mission_ = mission;
    flow_ = std::move(flow);
    // Boxes as wide as their words; a goal's ellipse and the pointed and
    // folded shapes need room at the sides.
    const QFontMetrics label(font()), input(InputFont(font()));
    std::vector<LayoutSize> sizes;
    for (const FlowNode& node : flow_.nodes) {
        int w = label.horizontalAdvance(OneLine(node.label));
        for (const std::string& in : node.inputs)
            w = std::max(w, input.horizontalAdvance(OneLine(in)));
        const int sides =
            node.kind == FlowNodeKind::FlightGroupGoal ? 2 * kPadX + 12 : 2 * kPadX + 6;
        sizes.push_back(
            {w + sides, label.height() + 2 * kPadY + input.height() * int(node.inputs.size())});
    }
    picture_ = LayOutMissionFlow(flow_, sizes);
    routeBounds_.clear();
    for (const auto& route : picture_.routes) {
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        for (const LayoutPoint& pt : route) {
            left = std::min(left, pt.x);
            right = std::max(right, pt.x);
            top = std::min(top, pt.y);
            bottom = std::max(bottom, pt.y);
        }
        // Room for the arrowhead and the loop of a node that waits for itself.
        routeBounds_.push_back(
            route.empty() ? QRect()
                          : QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-8, -8, 8, 8));
    }
    if (highlight_.size() != flow_.arrives.size()) highlight_.assign(flow_.arrives.size(), false);
    Resize();
    update();
}

void CFlowView::SetHighlight(std::vector<bool> flightGroups, int message) {
    highlight_ = std::move(flightGroups);
    message_ = message;
    update();
}

void CFlowView::SetOrderTargetsShown(bool shown) {
    orderTargets_ = shown;
    update();
}

void CFlowView::SetZoomPercent(int percent) {
    zoom_ = std::clamp(percent, 25, 200);
    Resize();
    update();
}

void CFlowView::Resize() {
    resize(sizeHint());
}

QSize CFlowView::sizeHint() const {
    return {std::max(1, picture_.width * zoom_ / 100), std::max(1, picture_.height * zoom_ / 100)};
}

int CFlowView::NodeAt(QPoint point) const {
    return FlowNodeAt(picture_, point.x() * 100 / zoom_, point.y() * 100 / zoom_);
}

QRect CFlowView::NodeRect(int node) const {
    if (node < 0 || node >= int(picture_.topLeft.size())) return {};
    const LayoutPoint t = picture_.topLeft[size_t(node)];
    const LayoutSize s = picture_.sizes[size_t(node)];
    return {t.x * zoom_ / 100, t.y * zoom_ / 100, s.width * zoom_ / 100, s.height * zoom_ / 100};
}

QString CFlowView::ToolTipAt(QPoint point) const {
    const int node = NodeAt(point);
    if (node < 0 || !mission_) return {};
    // A chain can run to several hundred characters: broken between words,
    // so the tip stays on the screen.
    constexpr int kWidest = 90;
    QStringList lines;
    for (const std::string& sentence : FlowNodeSentences(*mission_, flow_, node)) {
        QString line;
        for (const QString& word : QString::fromStdString(sentence).split(QLatin1Char(' '))) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > kWidest) {
                lines << line;
                line = QStringLiteral("    ");
            } else if (!line.isEmpty()) {
                line += QLatin1Char(' ');
            }
            line += word;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

bool CFlowView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this, NodeRect(NodeAt(help->pos())));
        return true;
    }
    return QWidget::event(event);
}

void CFlowView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (const int node = NodeAt(event->position().toPoint()); node >= 0) emit nodeClicked(node);
}

void CFlowView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    if (const int node = NodeAt(event->position().toPoint()); node >= 0) emit nodeActivated(node);
}

void CFlowView::wheelEvent(QWheelEvent* event) {
    // Ctrl and the wheel zoom; the wheel alone scrolls the window around.
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    const int steps = event->angleDelta().y() / 120;
    if (steps) SetZoomPercent(zoom_ + 10 * steps);
    event->accept();
}

void CFlowView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(zoom_ / 100.0, zoom_ / 100.0);
    const QRectF visible =
        p.transform().inverted().mapRect(QRectF(event->rect())).adjusted(-4, -4, 4, 4);
    const QRect visibleArea = visible.toAlignedRect();

    for (size_t e = 0; e < flow_.edges.size(); ++e) {
        const FlowEdge& edge = flow_.edges[e];
        const auto& route = picture_.routes[e];
        if (route.size() < 2 || (edge.kind == FlowEdgeKind::OrderTarget && !orderTargets_))
            continue;
        if (!routeBounds_[e].intersects(visibleArea)) continue;
        // Cosmetic pens: the raster engine's fast stroker draws them, dashes
        // included, the same width at any zoom.
        QPen pen(kLine, 1);
        pen.setCosmetic(true);
        if (edge.kind == FlowEdgeKind::Own) pen.setColor(kOwnLine);
        if (edge.kind == FlowEdgeKind::DropOff) pen.setWidth(2);
        if (edge.kind == FlowEdgeKind::OrderTarget) {
            pen.setColor(kTargetLine);
            pen.setStyle(Qt::DashLine);
        }
        p.setPen(pen);
        // Only what shows of each line: a line across a large mission is
        // tens of thousands of pixels long, and dashing all of it is slow.
        for (size_t i = 1; i < route.size(); ++i) {
            QLineF line(route[i - 1].x, route[i - 1].y, route[i].x, route[i].y);
            if (ClipToRect(line, visible)) p.drawLine(line);
        }
        // An arrowhead at the end that waits.
        const QPointF tip(route.back().x, route.back().y);
        if (!visible.contains(tip)) continue;
        const QPointF from(route[route.size() - 2].x, route[route.size() - 2].y);
        const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
        const auto wing = [&](double turn) {
            return tip - QPointF(7 * std::cos(angle + turn), 7 * std::sin(angle + turn));
        };
        pen.setStyle(Qt::SolidLine);
        p.setPen(pen);
        p.setBrush(pen.color());
        p.drawPolygon(QPolygonF({tip, wing(0.4), wing(-0.4)}));
    }
    for (size_t v = 0; v < flow_.nodes.size(); ++v) {
        const QRectF r(picture_.topLeft[v].x, picture_.topLeft[v].y, picture_.sizes[v].width,
                       picture_.sizes[v].height);
        if (r.intersects(visible)) PaintNode(p, int(v));
    }
}

void CFlowView::PaintNode(QPainter& p, int index) const {
    const FlowNode& node = flow_.nodes[size_t(index)];
    const QRectF r(picture_.topLeft[size_t(index)].x + 0.5, picture_.topLeft[size_t(index)].y + 0.5,
                   picture_.sizes[size_t(index)].width - 1,
                   picture_.sizes[size_t(index)].height - 1);
    const bool marked = (node.flightGroup >= 0 && size_t(node.flightGroup) < highlight_.size() &&
                         highlight_[size_t(node.flightGroup)]) ||
                        (node.kind == FlowNodeKind::Message && node.message == message_);
    QPen outline(node.never ? kNever : kInk, node.never ? 1.6 : 1.0);
    if (marked) outline = QPen(kHighlight, 2.6);
    p.setPen(outline);
    p.setBrush(node.never ? kNeverFill : FillOf(node.kind));
    p.drawPath(ShapeOf(node.kind, r));

    QFont font = this->font();
    font.setStrikeOut(node.never);
    p.setFont(font);
    p.setPen(node.never ? kNever : kInk);
    const QFontMetrics label(font);
    QRectF line(r.left(), r.top() + kPadY, r.width(), label.height());
    p.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, OneLine(node.label));
    const QFont small = InputFont(this->font());
    p.setFont(small);
    p.setPen(node.never ? kNever : kLine);
    const QFontMetrics input(small);
    line.translate(0, label.height());
    for (const std::string& in : node.inputs) {
        line.setHeight(input.height());
        p.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, OneLine(in));
        line.translate(0, input.height());
    }
}

}  // namespace vantorel
