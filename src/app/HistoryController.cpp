#include "app/HistoryController.h"

#include <QDockWidget>

#include "app/CHistoryBar.h"
#include "app/CMainFrame.h"
#include "ui/CQVDoc.h"

namespace vantorel {

HistoryController::HistoryController(CMainFrame& frame) : QObject(&frame) {
    dock_ = new QDockWidget(tr("History"), &frame);
    dock_->setObjectName(QStringLiteral("History"));
    dock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    bar_ = new CHistoryBar(dock_);
    dock_->setWidget(bar_);
    frame.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown) Refresh();
    });
    connect(bar_, &CHistoryBar::stepRequested, this, &HistoryController::StepTo);
}

void HistoryController::Follow(CQVDoc* doc) {
    if (doc == followed_) return;
    if (followed_) followed_->disconnect(this);
    followed_ = doc;
    // Edits, undos, saves: whatever changes the history or the saved mark.
    if (doc) connect(doc, &CQVDoc::changed, this, &HistoryController::Refresh);
    Refresh();
}

void HistoryController::Forget(CQVDoc* doc) {
    if (doc == followed_) Follow(nullptr);
}

void HistoryController::Refresh() {
    if (!dock_->isHidden()) bar_->Show(followed_);
}

void HistoryController::StepTo(CQVDoc* doc, int position) {
    if (!doc || doc != followed_ || position < 0) return;
    // As for Undo: what the windows hold is made first, and they show the
    // mission as the step left it.
    doc->ApplyAll();
    doc->Level().StepTo(size_t(position));
    doc->RefreshAll();
    Refresh();
}

}  // namespace vantorel
