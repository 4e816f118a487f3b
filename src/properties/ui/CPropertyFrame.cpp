#include "properties/ui/CPropertyFrame.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "document/PropertyBarHooks.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CPropertySheet.h"

namespace vantorel {

CPropertyFrame::CPropertyFrame(PropertyBarHooks& bar, QWidget* owner, const QString& title)
    : QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), bar_(bar) {
    setWindowTitle(title);
}

void CPropertyFrame::SetSheet(CPropertySheet* sheet) {
    sheet_ = sheet;
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(sheet_);
    resize(sizeHint());
}

void CPropertyFrame::UpdateAllPages() {
    sheet_->UpdateAllPages();
}

bool CPropertyFrame::ApplyAllPages() {
    return sheet_->ApplyAllPages();
}

void CPropertyFrame::closeEvent(QCloseEvent* event) {
    ApplyAllPages();
    bar_.RefreshAll();
    bar_.UpdateViews();
    hide();
    event->ignore();  // kept for the next time, only hidden
}

void CPropertyFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() &&
        !CEditPage::ApplyInProgress()) {
        bar_.ApplyAll();
        bar_.UpdateViews();
        bar_.RefreshAll();
    }
}

}  // namespace vantorel
