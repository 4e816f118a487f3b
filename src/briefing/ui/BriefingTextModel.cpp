#include "briefing/ui/BriefingTextModel.h"

#include <QApplication>
#include <QPainter>

#include "briefing/BriefingEdits.h"
#include "briefing/BriefingPaint.h"
#include "mission/Win1252.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

// The highlight colour darkened enough to read on a light list.
QColor HighlightOnLight() {
    const RgbColour c = kBriefingHighlightColour;
    return QColor(c.red, c.green, c.blue).darker(160);
}

}  // namespace

BriefingTextModel::BriefingTextModel(Texts texts, QObject* parent)
    : QAbstractTableModel(parent), texts_(texts) {}

void BriefingTextModel::Load(CQVDoc* document, int briefing) {
    document_ = document;
    briefing_ = briefing;
    emit dataChanged(index(0, 0), index(31, 0));
}

int BriefingTextModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 32;
}

int BriefingTextModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant BriefingTextModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section;
    return texts_ == Texts::Strings ? tr("String") : tr("Tag");
}

QVariant BriefingTextModel::data(const QModelIndex& index, int role) const {
    if (!document_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Briefing& b = document_->GetMission().Briefings[size_t(briefing_)];
    const auto& texts = texts_ == Texts::Strings ? b.Strings : b.Tags;
    return QString::fromStdU16String(Win1252ToUtf16(texts[size_t(index.row())]));
}

Qt::ItemFlags BriefingTextModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool BriefingTextModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!document_ || role != Qt::EditRole || !index.isValid()) return false;
    const std::string text = Utf16ToWin1252(value.toString().toStdU16String());
    LevelDocument& level = document_->Level();
    return texts_ == Texts::Strings ? SetBriefingString(level, briefing_, index.row(), text)
                                    : SetBriefingTag(level, briefing_, index.row(), text);
}

void CaptionDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    const QString text = plain.text;
    if (!text.contains(QLatin1Char('['))) return QStyledItemDelegate::paint(painter, option, index);
    // The cell without its text, then the text run by run, the brackets
    // left out as the game leaves them out.
    plain.text.clear();
    QStyle* style = plain.widget ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, plain.widget)
                           .adjusted(2, 0, -2, 0);
    const bool selected = option.state & QStyle::State_Selected;
    const QColor normal =
        option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setFont(option.font);
    int x = area.left();
    for (const CaptionRun& run : CaptionRuns(Utf16ToWin1252(text.toStdU16String()))) {
        const QString part = QString::fromStdU16String(Win1252ToUtf16(run.text));
        painter->setPen(run.highlighted && !selected ? HighlightOnLight() : normal);
        painter->drawText(QRect(x, area.top(), area.right() - x, area.height()),
                          Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, part);
        x += option.fontMetrics.horizontalAdvance(part);
        if (x > area.right()) break;
    }
    painter->restore();
}

}  // namespace vantorel
