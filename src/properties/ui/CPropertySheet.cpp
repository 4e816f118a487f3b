#include "properties/ui/CPropertySheet.h"

#include <QSignalBlocker>

#include "properties/ui/CEditPage.h"

namespace vantorel {

CPropertySheet::CPropertySheet(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
}

void CPropertySheet::AddPage(CEditPage* page, const QIcon& icon) {
    pages_.push_back(page);
    QSignalBlocker block(this);
    addTab(page, icon, page->Title());
    if (current_ < 0) current_ = currentIndex();
}

CEditPage* CPropertySheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr;
}

CEditPage* CPropertySheet::ActivePage() const {
    return Page(currentIndex());
}

void CPropertySheet::UpdateAllPages() {
    for (CEditPage* p : pages_) p->UpdatePage();
}

bool CPropertySheet::ApplyAllPages() {
    bool ok = true;
    for (CEditPage* p : pages_) ok = p->ApplyPage() && ok;
    return ok;
}

void CPropertySheet::SetActivePage(int index) {
    if (index >= 0 && index < PageCount()) setCurrentIndex(index);
}

bool CPropertySheet::TabLeaving(int index) {
    CEditPage* page = Page(index);
    return !page || page->OnKillActive();
}

void CPropertySheet::TabEntered(int index) {
    if (CEditPage* page = Page(index)) page->OnSetActive();
}

void CPropertySheet::OnCurrentChanged(int index) {
    if (switching_) return;
    const int old = current_;
    if (old != index && old >= 0 && !TabLeaving(old)) {
        // The old page refused a value: it stays in front.
        switching_ = true;
        setCurrentIndex(old);
        switching_ = false;
        return;
    }
    current_ = index;
    TabEntered(index);
}

}  // namespace vantorel
