#include "properties/ui/CListFindBox.h"

#include <QAction>
#include <QItemSelection>
#include <QKeyEvent>
#include <QListWidget>

#include "ui/PictureStyle.h"

namespace vantorel {

namespace {

// A cross in a grey disc. The program's own picture: Qt's own clear button
// looks for the desktop's icon theme first, some thousand file lookups at
// start-up for two boxes.
QIcon ClearPicture() {
    return pictures::Picture(QStringLiteral("find clear"), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 150, 150));
        p.drawEllipse(QPointF(8, 7.5), 6, 6);
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.75, 5.25), QPointF(10.25, 9.75));
        p.drawLine(QPointF(10.25, 5.25), QPointF(5.75, 9.75));
    });
}

}  // namespace

CListFindBox::CListFindBox(QListWidget* list, RowText rowText, const QString& placeholder,
                           QWidget* parent)
    : QLineEdit(parent), list_(list), rowText_(std::move(rowText)) {
    setPlaceholderText(placeholder);
    // A button that empties the box, shown while there is something to empty.
    clear_ = addAction(ClearPicture(), QLineEdit::TrailingPosition);
    clear_->setToolTip(QStringLiteral("Clear"));
    clear_->setVisible(false);
    connect(clear_, &QAction::triggered, this, &QLineEdit::clear);
    connect(this, &QLineEdit::textChanged, clear_,
            [this](const QString& text) { clear_->setVisible(!text.isEmpty()); });
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
