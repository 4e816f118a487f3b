#include "properties/ui/CPropertySheet.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

#include "properties/ui/CEditPage.h"

namespace vantorel {

CPropertySheet::CPropertySheet(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
}

void CPropertySheet::AddPage(CEditPage* page, const QIcon& icon) {
    pages_.push_back(page);
    titles_.push_back(page->Title());
    if (!makers_.empty()) makers_.emplace_back();
    QSignalBlocker block(this);
    addTab(page, icon, page->Title());
    if (current_ < 0) current_ = currentIndex();
}

void CPropertySheet::AddPageBuiltWhenShown(const QString& title, MakePage make, const QIcon& icon) {
    makers_.resize(pages_.size());
    makers_.push_back(std::move(make));
    pages_.push_back(nullptr);
    titles_.push_back(title);
    // The tab holds an empty place until the page is built into it.
    auto* place = new QWidget;
    auto* box = new QVBoxLayout(place);
    box->setContentsMargins(0, 0, 0, 0);
    QSignalBlocker block(this);
    addTab(place, icon, title);
    if (current_ < 0) current_ = currentIndex();
}

CEditPage* CPropertySheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr;
}

CEditPage* CPropertySheet::BuildPage(int index) {
    if (index < 0 || index >= PageCount()) return nullptr;
    CEditPage*& page = pages_[size_t(index)];
    if (!page && size_t(index) < makers_.size() && makers_[size_t(index)]) {
        QWidget* place = widget(index);
        page = makers_[size_t(index)](place);
        place->layout()->addWidget(page);
        page->show();
        emit pageBuilt(index);
    }
    return page;
}

QString CPropertySheet::PageTitle(int index) const {
    return index >= 0 && index < PageCount() ? titles_[size_t(index)] : QString();
}

CEditPage* CPropertySheet::ActivePage() const {
    return Page(currentIndex());
}

void CPropertySheet::UpdateAllPages() {
    // While the tab changes, the page in front is still the one leaving.
    if (FrontOnly()) {
        if (CEditPage* p = BuildPage(current_)) p->UpdatePage();
        return;
    }
    for (CEditPage* p : pages_) p->UpdatePage();
}

bool CPropertySheet::ApplyAllPages() {
    if (FrontOnly()) {
        CEditPage* p = Page(current_);
        return !p || p->ApplyPage();
    }
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
    CEditPage* page = FrontOnly() ? BuildPage(index) : Page(index);
    if (!page) return;
    // Behind its tab the page missed every change since it was last in front.
    if (FrontOnly()) page->UpdatePage();
    page->OnSetActive();
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
