#include "map/ui/CQVView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWheelEvent>
#include <optional>

#include "document/DuplicateFlightGroups.h"
#include "document/MissionEdit.h"
#include "map/CentreOnSelection.h"
#include "map/InteractionCommands.h"
#include "map/MapPaint.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/ViewSteps.h"
#include "map/ZoomToFit.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"
#include "ui/WindowPictures.h"

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
    // A press that moves less than the desktop's drag distance is a click.
    interaction_.SetDragThreshold(QApplication::startDragDistance());
    LoadMapSettings(view_, services_.settings);
    moveRunPause_.setSingleShot(true);
    moveRunPause_.setInterval(1000);
    connect(&moveRunPause_, &QTimer::timeout, this, &CQVView::EndMoveRun);
    if (document_) {
        document_->AddView(this);
        connect(document_, &CQVDoc::centreOnSelectionRequested, this, &CQVView::CentreOnSelection);
    }
}

CQVView::~CQVView() {
    if (!document_) return;
    // A drag cut short still ends as the edit it is.
    if (interaction_.Cancel(&document_->GetMission()).endChange) document_->Level().EndChange();
    document_->RemoveView(this);
}

void CQVView::RenderFrame() {
    // The picture has the screen's own pixels, so names, icons and lines are
    // drawn sharp on a scaled screen; the map itself still thinks in the
    // window's logical pixels, as the mouse does.
    const qreal ratio = devicePixelRatioF();
    const QSize size(std::max(view_.Width, 1), std::max(view_.Height, 1));
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (frame_.size() != pixels || frame_.devicePixelRatio() != ratio) {
        frame_ = QImage(pixels, QImage::Format_RGB32);
        frame_.setDevicePixelRatio(ratio);
    }
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
    if (!centred_) {
        // The map has been shown: from now on the user scrolls it.
        centred_ = true;
        OfferZoomToFit();
    } else if (fitOffer_ && fitOffer_->isVisibleTo(this) && Shown() != shownAtOffer_) {
        fitOffer_->hide();
    }
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
    if (!centred_) {
        // The first display of a document shows the middle of the map, at
        // whatever size the window has settled on by then.
        view_.Width = width();
        view_.Height = height();
        CentreOnMap(view_);
    } else {
        // What was in the middle stays there, so a window made smaller by
        // Cascade or Tile still shows the part of the mission it did.
        ResizeKeepingCentre(view_, width(), height());
    }
    if (fitOffer_) fitOffer_->move((width() - fitOffer_->width()) / 2, 12);
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
        for (QWidget* other : document_->Views())
            if (other != this) other->update();
    if (fx.refreshAll && document_) document_->Level().NotifySelectionChanged();
    DocumentHub* bar = Hub();
    if (fx.refreshAll && bar) bar->RefreshAll();
    if (fx.showFlightGroupProperties && bar) bar->ShowFlightGroupProperties();
    UpdateCursor();
}

void CQVView::mousePressEvent(QMouseEvent* event) {
    if (!document_) return;
    if (fitOffer_) fitOffer_->hide();  // the user has found their way in
    // A click may change the selection: what the property windows hold is
    // written first, whether or not the click took activation from them.
    if (DocumentHub* bar = Hub()) bar->ApplyAll();
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

void CQVView::wheelEvent(QWheelEvent* event) {
    event->accept();
    // The band and the right-button zoom are measured in window pixels:
    // the map does not change under them.
    const int mode = view_.MouseMode;
    if (mode == kMouseBand || mode == kMouseFlatZoom || mode == kMouse3DZoom) return;

    const Qt::KeyboardModifiers keys = event->modifiers();
    const QPoint angle = event->angleDelta();
    const bool scroll = keys & (Qt::ControlModifier | Qt::ShiftModifier);
    if (scroll || angle.x() != 0) {
        // Scrolling as the desktop's scroll areas do: Ctrl up and down,
        // Shift (or a sideways wheel) across; a notch is a few lines.
        QPoint pixels = event->pixelDelta();
        if (pixels.isNull()) pixels = angle * QApplication::wheelScrollLines() * 20 / 120;
        if (keys & Qt::ShiftModifier) pixels = QPoint(pixels.y() ? pixels.y() : pixels.x(), 0);
        if (!scroll) pixels.setY(0);
        PanBy(view_, -pixels.x(), -pixels.y());
    } else {
        // A notch of the wheel is one step of Zoom In or Zoom Out; finer
        // wheels add up to it.
        wheelRest_ += angle.y();
        const int steps = wheelRest_ / 120;
        wheelRest_ -= steps * 120;
        if (steps == 0) return;
        const QPoint at = event->position().toPoint();
        ZoomAboutCursor(view_, at.x(), at.y(), steps);
        UpdateSlider();
    }
    update();
    UpdateReadout();
}

void CQVView::keyPressEvent(QKeyEvent* event) {
    std::optional<ArrowKey> key;
    switch (event->key()) {
        case Qt::Key_Left:
            key = ArrowKey::Left;
            break;
        case Qt::Key_Right:
            key = ArrowKey::Right;
            break;
        case Qt::Key_Up:
            key = ArrowKey::Up;
            break;
        case Qt::Key_Down:
            key = ArrowKey::Down;
            break;
        default:
            break;
    }
    const Qt::KeyboardModifiers keys = event->modifiers() & ~Qt::KeypadModifier;
    if (!key || !document_ || (keys & ~Qt::ShiftModifier) || view_.MouseMode != kMouseNone) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // What the property windows hold is theirs to write first; it ends the
    // run like any other edit.
    if (DocumentHub* bar = Hub()) bar->ApplyAll();
    auto edit = MoveSelectionEdit(view_, document_->GetMission(),
                                  ArrowKeyStep(view_, *key, keys.testFlag(Qt::ShiftModifier)));
    if (!edit) return;
    if (moveRun_ == 0) moveRun_ = NewMergeKey();
    edit->SetMergeKey(moveRun_);
    moveRunPause_.start();
    document_->Level().Commit(std::move(edit));
    // The windows show the new coordinates at once: a page applied later
    // must not write the old ones back.
    document_->RefreshAll();
}

void CQVView::EndMoveRun() {
    moveRunPause_.stop();
    moveRun_ = 0;
}

void CQVView::Duplicate() {
    if (!document_) return;
    if (DocumentHub* bar = Hub()) bar->ApplyAll();
    const RawPoint beside = GridStepBeside(view_);
    if (!DuplicateSelectedFlightGroups(document_->Level(), beside.x, beside.y, beside.z).empty())
        document_->RefreshAll();
}

DocumentHub* CQVView::Hub() const {
    return document_ ? document_->Hub() : nullptr;
}

void CQVView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (DocumentHub* bar = Hub()) bar->SetCurrentDocument(document_);
}

void CQVView::OnActivateView(bool active) {
    DocumentHub* bar = Hub();
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
    UpdateReadout();
}

void CQVView::UpdateReadout() {
    const QPoint at = mapFromGlobal(QCursor::pos());
    QString text;
    if (view_.MouseMode == kMouseNone && rect().contains(at))
        text = QString::fromStdString(StatusReadout(view_, at.x(), at.y()));
    emit statusCoordinates(text);
}

QSize CQVView::sizeHint() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QMdiArea*>(w)) {
            const QSize room = area->viewport()->size();
            return {std::max(320, room.width() * 2 / 3), std::max(240, room.height() * 2 / 3)};
        }
    }
    return {640, 480};
}

std::array<int, 5> CQVView::Shown() const {
    return {view_.Angle, view_.Zoom, view_.Zoom3D, view_.ScrollX, view_.ScrollY};
}

bool CQVView::OffersZoomToFit() const {
    return fitOffer_ && fitOffer_->isVisibleTo(this);
}

void CQVView::OfferZoomToFit() {
    if (!document_ || !AllMarkersOutOfView(view_, document_->GetMission())) return;
    if (!fitOffer_) {
        auto* offer = new QFrame(this);
        offer->setObjectName(QStringLiteral("ZoomToFitOffer"));
        offer->setFrameShape(QFrame::StyledPanel);
        offer->setAutoFillBackground(true);
        auto* row = new QHBoxLayout(offer);
        row->setContentsMargins(10, 6, 6, 6);
        row->addWidget(new QLabel(tr("No flight group is in view."), offer));
        auto* fit = new QPushButton(tr("Zoom to Fit"), offer);
        fit->setToolTip(tr("Home"));
        connect(fit, &QPushButton::clicked, this, [this] { OnCommand(kCmdZoomToFit); });
        row->addWidget(fit);
        fitOffer_ = offer;
    }
    fitOffer_->adjustSize();
    fitOffer_->move((width() - fitOffer_->width()) / 2, 12);
    fitOffer_->show();
    shownAtOffer_ = Shown();
}

void CQVView::CentreOnSelection() {
    if (!document_) return;
    vantorel::CentreOnSelection(view_, document_->GetMission());
    repaint();
}

bool CQVView::OnCommand(int id) {
    InteractionEffects fx;
    if (id == kCmdEditDuplicate) {
        Duplicate();
        return true;
    }
    if (id == kCmdZoomToFit) {
        if (document_) vantorel::ZoomToFit(view_, document_->GetMission());
        fx.updateSlider = true;
        fx.repaintNow = true;
    } else if (!RunMapCommand(view_, services_.settings, id, fx)) {
        return false;
    }
    Apply(fx);
    // The read-out follows a new angle, zoom or place (and empties in 3D).
    UpdateReadout();
    return true;
}

bool CQVView::OnUpdateCommand(int id, CommandState& state) {
    if (id == kCmdEditDuplicate) {
        state.enabled = document_ && document_->Level().CountSelectedFlightGroups() > 0;
        return true;
    }
    if (id == kCmdZoomToFit) {
        state = CommandState{};
        return true;
    }
    return MapCommandState(view_, id, state);
}

}  // namespace vantorel
