#include "map/ui/CQVView.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/AppPictures.h"
#include "app/CQVDoc.h"
#include "map/CentreOnSelection.h"
#include "map/InteractionCommands.h"
#include "map/MapPaint.h"
#include "map/ScrollZoom.h"
#include "properties/ui/CLevelPropertiesBar.h"

namespace vantorel {

namespace {

MouseKeys KeysOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier),
            m.testFlag(Qt::AltModifier)};
}

}  // namespace

CQVView::CQVView(CQVDoc* document, AppServices& services, QWidget* parent)
    : QWidget(parent), document_(document), services_(services) {
    // Every paint covers the whole window from the off-screen frame, so the
    // background is never erased first and the map never flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(64, 64);
    LoadMapSettings(view_, services_.settings);
    if (document_) document_->AddView(this);
}

CQVView::~CQVView() {
    if (!document_) return;
    // A drag cut short still ends as the edit it is.
    if (interaction_.Cancel(&document_->GetMission()).endChange) document_->Level().EndChange();
    document_->RemoveView(this);
}

void CQVView::RenderFrame() {
    const QSize size(std::max(view_.Width, 1), std::max(view_.Height, 1));
    if (frame_.size() != size) frame_ = QImage(size, QImage::Format_RGB32);
    QPainter painter(&frame_);
    canvas_.SetPainter(&painter);
    if (document_) {
        PaintMap(canvas_, view_, document_->GetMission());
    } else {
        frame_.fill(Qt::black);
    }
    canvas_.SetPainter(nullptr);
    frameValid_ = true;
}

void CQVView::paintEvent(QPaintEvent*) {
    centred_ = true;  // the map has been shown: from now on the user scrolls it
    if (!bandOnly_ || !frameValid_) RenderFrame();
    QPainter p(this);
    p.drawImage(0, 0, frame_);
    if (view_.MouseMode == kMouseBand) {
        // The band lies over the last frame on the window, never in it, and
        // survives any repaint while the button is held.
        const BandRect& b = interaction_.Band();
        p.setPen(QPen(QColor(255, 255, 0), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(b.startX, b.startY), QPoint(b.endX, b.endY)).normalized());
    }
    bandOnly_ = false;
}

void CQVView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    view_.Width = width();
    view_.Height = height();
    if (!centred_) {
        // The first display of a document shows the middle of the map, at
        // whatever size the window has settled on by then.
        CentreOnMap(view_);
    } else {
        SetScrollPosition(view_, view_.ScrollX, view_.ScrollY);
    }
    frameValid_ = false;
    update();
}

void CQVView::Apply(const InteractionEffects& fx) {
    if (fx.setMessage) emit statusMessage(QString::fromStdString(fx.message));
    if (fx.setCoordinates) emit statusCoordinates(QString::fromStdString(fx.coordinates));
    // Everything a drag moves becomes one edit when the button comes up.
    if (fx.beginChange && document_) document_->Level().BeginChange("Move");
    if (fx.endChange && document_) document_->Level().EndChange();
    if (fx.updateSlider) UpdateSlider();
    if (fx.drawBand) {
        bandOnly_ = true;
        repaint();
    }
    if (fx.repaintNow) {
        repaint();
    } else if (fx.invalidate) {
        update();
    }
    // Moved points and a changed selection show in the mission's other
    // windows as well.
    if ((fx.modified || fx.refreshAll) && document_)
        for (CQVView* other : document_->Views())
            if (other != this) other->update();
    if (fx.refreshAll && document_) document_->Level().NotifySelectionChanged();
    CLevelPropertiesBar* bar = Bar();
    if (fx.refreshAll && bar) bar->RefreshAll();
    if (fx.showFlightGroupProperties && bar) bar->ShowFlightGroupProperties();
    UpdateCursor();
}

void CQVView::mousePressEvent(QMouseEvent* event) {
    if (!document_) return;
    // A click may change the selection: what the property windows hold is
    // written first, whether or not the click took activation from them.
    if (CLevelPropertiesBar* bar = Bar()) bar->ApplyAll();
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        Apply(interaction_.LeftDown(document_->GetMission(), pos.x(), pos.y(),
                                    KeysOf(event->modifiers())));
    } else if (event->button() == Qt::RightButton) {
        Apply(interaction_.RightDown(pos.x(), pos.y(), KeysOf(event->modifiers())));
    }
}

void CQVView::mouseMoveEvent(QMouseEvent* event) {
    if (!document_) return;
    const QPoint pos = event->position().toPoint();
    // A drag whose button is no longer held lost its release to another
    // window: it ends here instead of following the bare mouse.
    const int mode = view_.MouseMode;
    const bool leftMode =
        mode == kMousePan || mode == kMousePointDrag || mode == kMouseBand || mode == kMouseRotate;
    const bool rightMode = mode == kMouseFlatZoom || mode == kMouse3DZoom;
    if ((leftMode && !(event->buttons() & Qt::LeftButton)) ||
        (rightMode && !(event->buttons() & Qt::RightButton)))
        Apply(interaction_.Cancel(&document_->GetMission()));
    Apply(interaction_.MouseMove(document_->GetMission(), pos.x(), pos.y()));
}

void CQVView::mouseReleaseEvent(QMouseEvent* event) {
    if (!document_) return;
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        Apply(interaction_.LeftUp(document_->GetMission(), pos.x(), pos.y(),
                                  KeysOf(event->modifiers())));
    } else if (event->button() == Qt::RightButton) {
        Apply(interaction_.RightUp(pos.x(), pos.y()));
    }
}

void CQVView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!document_) return;
    if (event->button() == Qt::LeftButton) Apply(interaction_.DoubleClick(document_->GetMission()));
}

CLevelPropertiesBar* CQVView::Bar() const {
    return document_ ? document_->Bar() : nullptr;
}

void CQVView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (CLevelPropertiesBar* bar = Bar()) bar->SetCurrentDocument(document_);
}

void CQVView::OnActivateView(bool active) {
    CLevelPropertiesBar* bar = Bar();
    if (active) {
        if (bar) bar->SetCurrentDocument(document_);
        UpdateSlider();
    } else if (bar) {
        bar->ApplyAll();
    }
}

void CQVView::UpdateSlider() {
    const ZoomSlider s = ZoomSliderState(view_);
    emit zoomSliderChanged(s.min, s.max, s.position);
}

void CQVView::UpdateCursor() {
    if (view_.Angle == kAngle3D) {
        static const QCursor rotate = RotateCursor();
        setCursor(rotate);
    } else {
        unsetCursor();
    }
}

void CQVView::OnSnapChanged(int index) {
    SetSnapIndex(view_, services_.settings, index);
}

void CQVView::OnZoomSlider(int value) {
    SetZoom(view_, value);
    repaint();
}

void CQVView::CentreOnSelection() {
    if (!document_) return;
    vantorel::CentreOnSelection(view_, document_->GetMission());
    repaint();
}

bool CQVView::OnCommand(int id) {
    InteractionEffects fx;
    if (!RunMapCommand(view_, services_.settings, id, fx)) return false;
    Apply(fx);
    return true;
}

bool CQVView::OnUpdateCommand(int id, CommandState& state) {
    return MapCommandState(view_, id, state);
}

}  // namespace vantorel
