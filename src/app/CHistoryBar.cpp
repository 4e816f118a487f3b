#include "app/CHistoryBar.h"

#include <QPixmap>
#include <QStyle>
#include <QVBoxLayout>

#include "app/CommandIcons.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

namespace vantorel {

CHistoryBar::CHistoryBar(QWidget* parent) : QWidget(parent), list_(new QListWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    list_->setUniformItemSizes(true);
    // A click, or Enter on the keyboard, goes to the line.
    auto request = [this](QListWidgetItem* item) {
        if (document_) emit stepRequested(document_, list_->row(item));
    };
    connect(list_, &QListWidget::itemClicked, this, request);
    connect(list_, &QListWidget::itemActivated, this, request);
    // The Save command's own picture (the style's would first be looked for
    // in the desktop's icon theme, at every start).
    savedIcon_ = CommandIcon(kCmdFileSave);
    // Every line keeps the picture's room, so the names line up.
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
    QPixmap blank(side, side);
    blank.fill(Qt::transparent);
    noIcon_ = QIcon(blank);
}

void CHistoryBar::Show(CQVDoc* document) {
    document_ = document;
    if (!document) {
        list_->clear();
        return;
    }
    const EditHistory& history = document->Level().History();
    const int rows = int(history.Size()) + 1;
    const int current = int(history.Position());
    const std::optional<size_t> saved = history.CleanPosition();
    // The lines are reused: the list is redone after every edit.
    while (list_->count() > rows) delete list_->takeItem(list_->count() - 1);
    while (list_->count() < rows) list_->addItem(QString());
    const QColor undone = palette().color(QPalette::Disabled, QPalette::Text);
    for (int r = 0; r < rows; ++r) {
        QListWidgetItem* item = list_->item(r);
        item->setText(r == 0 ? tr("(start)")
                             : QString::fromStdString(history.At(size_t(r - 1)).Name()));
        QFont font = list_->font();
        font.setBold(r == current);
        item->setFont(font);
        if (r > current)
            item->setForeground(undone);
        else
            item->setData(Qt::ForegroundRole, QVariant());
        const bool isSaved = saved && int(*saved) == r;
        // Only what changed is set: a held arrow key redoes the list often.
        const QIcon& icon = isSaved ? savedIcon_ : noIcon_;
        if (item->icon().cacheKey() != icon.cacheKey()) item->setIcon(icon);
        item->setToolTip(isSaved ? tr("Saved") : QString());
    }
    {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(current);
    }
    list_->scrollToItem(list_->item(current));
}

}  // namespace vantorel
