#include "properties/ui/CListFindBox.h"

#include <QItemSelection>
#include <QKeyEvent>
#include <QListWidget>

namespace vantorel {

CListFindBox::CListFindBox(QListWidget* list, RowText rowText, const QString& placeholder,
                           QWidget* parent)
    : QLineEdit(parent), list_(list), rowText_(std::move(rowText)) {
    setPlaceholderText(placeholder);
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, this, &CListFindBox::Refilter);
    connect(this, &QLineEdit::returnPressed, this, &CListFindBox::SelectShown);
}

void CListFindBox::Refilter() {
    const QString wanted = text();
    for (int r = 0; r < list_->count(); ++r) {
        const bool shown = wanted.isEmpty() || rowText_(r).contains(wanted, Qt::CaseInsensitive);
        if (list_->isRowHidden(r) == shown) list_->setRowHidden(r, !shown);
    }
}

void CListFindBox::SelectShown() {
    QItemSelection shown;
    int first = -1;
    for (int r = 0; r < list_->count(); ++r) {
        if (list_->isRowHidden(r)) continue;
        if (first < 0) first = r;
        const QModelIndex index = list_->model()->index(r, 0);
        shown.select(index, index);
        if (list_->selectionMode() != QAbstractItemView::ExtendedSelection) break;
    }
    // Nothing shown selects nothing: the selection stays as it was.
    if (first < 0) return;
    // One change of the selection, so the windows follow it once.
    list_->selectionModel()->select(shown, QItemSelectionModel::ClearAndSelect);
    list_->selectionModel()->setCurrentIndex(list_->model()->index(first, 0),
                                             QItemSelectionModel::NoUpdate);
    list_->scrollToItem(list_->item(first));
}

void CListFindBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace vantorel
