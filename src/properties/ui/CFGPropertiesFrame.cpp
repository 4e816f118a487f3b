#include "properties/ui/CFGPropertiesFrame.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "document/PropertyBarHooks.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesSheet.h"

namespace vantorel {

CFGPropertiesFrame::CFGPropertiesFrame(PageHost& host, PropertyBarHooks& bar, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), bar_(bar) {
    setObjectName(QStringLiteral("CFGPropertiesFrame"));
    setWindowTitle(QStringLiteral("Flight Group Properties"));
    sheet_ = new CFGPropertiesSheet(host, this);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(sheet_);
    resize(sizeHint().expandedTo(QSize(380, 420)));
}

void CFGPropertiesFrame::UpdateAllPages() {
    sheet_->UpdateAllPages();
}

void CFGPropertiesFrame::ApplyAllPages() {
    sheet_->ApplyAllPages();
}

void CFGPropertiesFrame::closeEvent(QCloseEvent* event) {
    ApplyAllPages();
    bar_.RefreshAll();
    bar_.UpdateViews();
    hide();
    event->ignore();  // kept for the next time, only hidden
}

void CFGPropertiesFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() &&
        !CEditPage::ApplyInProgress()) {
        bar_.ApplyAll();
        bar_.RefreshAll();
        bar_.UpdateViews();
    }
}

}  // namespace vantorel
