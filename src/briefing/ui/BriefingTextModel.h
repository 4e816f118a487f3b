#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>

namespace vantorel {

class CQVDoc;

// The 32 strings (captions and titles) or the 32 tags of a briefing, one a
// row, edited in place. Each edit is one step of Undo; a tag of 40 or more
// characters is refused with the core's message (the game crashes on it).
class BriefingTextModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Texts { Strings, Tags };

    BriefingTextModel(Texts texts, QObject* parent = nullptr);

    void Load(CQVDoc* document, int briefing);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    Texts texts_;
    QPointer<CQVDoc> document_;
    int briefing_ = 0;
};

// Draws a caption with its [highlighted] words in the highlight colour, as
// the game shows them.
class CaptionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace vantorel
