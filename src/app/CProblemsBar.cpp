#include "app/CProblemsBar.h"

#include <QStyle>
#include <algorithm>
#include <QVBoxLayout>

#include "ui/CQVDoc.h"

namespace vantorel {

CProblemsBar::CProblemsBar(QWidget* parent) : QWidget(parent), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setUniformItemSizes(true);
    list_->setAlternatingRowColors(true);
    // itemActivated is a double click, or Enter on the keyboard.
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (document_ && row >= 0 && row < int(problems_.size()))
            emit problemActivated(document_, problems_[size_t(row)]);
    });
}

int CProblemsBar::RowsHeight(int rows) const {
    // A line as the list draws it, once it has one; before, its icon or its
    // text, whichever is taller, and the item's margins.
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize);
    const int line = list_->count() > 0 ? list_->sizeHintForRow(0)
                                        : std::max(icon, list_->fontMetrics().height()) + 6;
    return rows * line + 2 * list_->frameWidth() + 4;
}

void CProblemsBar::SetProblems(CQVDoc* document, std::vector<Problem> problems) {
    document_ = document;
    problems_ = document ? std::move(problems) : std::vector<Problem>{};
    // The line the user was on stays where it was when the list is redone
    // after an edit.
    const int row = list_->currentRow();
    list_->clear();
    if (!document) return;
    if (problems_.empty()) {
        auto* none = new QListWidgetItem(tr("No problems found in %1.").arg(document->Title()));
        none->setFlags(Qt::NoItemFlags);
        list_->addItem(none);
        return;
    }
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const Problem& p : problems_) {
        auto* item = new QListWidgetItem(p.Severity == ProblemSeverity::Error ? error : warning,
                                         QString::fromStdString(p.Text()));
        item->setToolTip(p.Severity == ProblemSeverity::Error ? tr("Error") : tr("Warning"));
        list_->addItem(item);
    }
    if (row >= 0) list_->setCurrentRow(std::min(row, list_->count() - 1));
    setMinimumHeight(RowsHeight(5));
}

}  // namespace vantorel
