#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <optional>

#include "mission/BriefingCommands.h"

namespace vantorel {

class CQVDoc;

// The Briefing window's list of events: time in seconds, kind, and what the
// event shows in words, with its x, y and colour. Each cell edits in place
// (the time in steps of 0.05 s; what is shown from the strings, tags or
// flight groups there are) and every edit is one step of Undo made by the
// core's briefing edits. The end event is the last row: only its time
// edits. A block that cannot be read shows no rows and edits nothing.
class BriefingEventModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kTime, kKind, kShows, kX, kY, kColour, kColumnCount };

    explicit BriefingEventModel(QObject* parent = nullptr);

    // Reads the briefing again: after any change of the mission, or another
    // briefing chosen. Rows that stay keep their editors and selection.
    void Load(CQVDoc* document, int briefing);
    void SetShiftLater(bool shift) { shiftLater_ = shift; }

    const std::optional<BriefingScript>& Script() const { return script_; }
    const std::string& Unreadable() const { return unreadable_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The kinds the Event column offers, in order, as event types; and the
    // choices the Shows column offers for an event (strings, tags or flight
    // groups), each the parameter it stands for.
    static std::vector<int> Kinds();
    std::vector<std::pair<QString, int>> Choices(const BriefingEvent& event) const;

private:
    QString Shows(const BriefingEvent& event) const;

    QPointer<CQVDoc> document_;
    int briefing_ = 0;
    std::optional<BriefingScript> script_;
    std::string unreadable_;
    bool shiftLater_ = false;
};

// The editors of the list: a spin box of seconds, lists of kinds and of what
// an event can show, spin boxes for x, y and colour.
class BriefingEventDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

}  // namespace vantorel
