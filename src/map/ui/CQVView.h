#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "map/Interaction.h"
#include "map/ViewState.h"
#include "platform/qt/QPainterCanvas.h"
#include "ui/AppServices.h"
#include "ui/CommandTarget.h"

namespace vantorel {

class CQVDoc;
class DocumentHub;

// The map window of one document. The geometry, the paint and the mouse
// modes are core code; this class only forwards window events to them and
// carries out what they ask for (repaint, status texts, the zoom slider, the
// property windows).
class CQVView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    CQVView(CQVDoc* document, AppServices& services, QWidget* parent = nullptr);
    ~CQVView() override;

    CQVDoc* Document() const { return document_; }
    ViewState& State() { return view_; }
    const ViewState& State() const { return view_; }
    const MapInteraction& Interaction() const { return interaction_; }

    // The window became the active one (or stopped being it).
    void OnActivateView(bool active);

    // The snap list and the zoom slider of the map toolbar.
    void OnSnapChanged(int index);
    void OnZoomSlider(int value);

    void CentreOnSelection();

    // Cascade gives every map its size hint: most of the MDI area, so each
    // is large enough to work in.
    QSize sizeHint() const override;

    // The mission first showed with nothing of it in the window: Zoom to
    // Fit is offered over the map until the view changes.
    bool OffersZoomToFit() const;

    // The last frame drawn (the picture the band is drawn over).
    const QImage& Frame() const { return frame_; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // The arrow keys move the selection; the presses of one run are one step
    // of Undo. A pause of a second ends the run (this is what the timer
    // calls), as does any other edit.
    void EndMoveRun();
    bool InMoveRun() const { return moveRun_ != 0; }

signals:
    // Status bar pane 0 (messages) and pane 1 (coordinates).
    void statusMessage(const QString& text);
    void statusCoordinates(const QString& text);
    // The zoom slider should show this range and position.
    void zoomSliderChanged(int min, int max, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    DocumentHub* Hub() const;
    void Apply(const InteractionEffects& fx);
    void RenderFrame();
    void UpdateSlider();
    void UpdateCursor();
    // Status pane 1 for where the mouse is now: after the view changed
    // under a still mouse, and empty in 3D or with the mouse elsewhere.
    void UpdateReadout();
    // What the offer of Zoom to Fit watches for: any change of the view.
    std::array<int, 5> Shown() const;
    void OfferZoomToFit();
    // Edit > Duplicate: the copies stand one grid step right of and below
    // their originals in this view.
    void Duplicate();

    QPointer<CQVDoc> document_;
    AppServices& services_;
    ViewState view_;
    MapInteraction interaction_{view_};
    QImage frame_;
    QPainterCanvas canvas_;  // kept for the view's life: it caches icons and texts
    bool frameValid_ = false;
    bool bandOnly_ = false;
    bool centred_ = false;
    QWidget* fitOffer_ = nullptr;
    std::array<int, 5> shownAtOffer_{};
    int wheelRest_ = 0;     // eighths of a degree not yet a whole zoom step
    uint64_t moveRun_ = 0;  // merge key of the arrow keys' run; 0 for none
    QTimer moveRunPause_;
};

}  // namespace vantorel
