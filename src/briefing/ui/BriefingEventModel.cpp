#include "briefing/ui/BriefingEventModel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <cmath>

#include "briefing/BriefingEdits.h"
#include "catalogue/BriefingText.h"
#include "mission/Win1252.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

constexpr int kTextShown = 40;  // characters of a string shown in a list

QString FromMission(const std::string& text) {
    return QString::fromStdU16String(Win1252ToUtf16(text));
}

QString Seconds(int ticks) {
    return QString::number(double(ticks) / kBriefingTicksPerSecond, 'f', 2);
}

QString Indexed(int index, const std::array<std::string, 32>& texts) {
    if (index < 0 || index >= 32) return QString::number(index);
    QString text = FromMission(texts[size_t(index)]);
    if (text.size() > kTextShown) text = text.left(kTextShown) + QStringLiteral("...");
    return QStringLiteral("%1: %2").arg(index).arg(text);
}

// Which parameter an x or y column edits; -1 where the event has none.
int ParamOf(const BriefingEvent& e, int column) {
    const bool view = e.Type == kBriefingMoveMap || e.Type == kBriefingZoomMap;
    switch (column) {
        case BriefingEventModel::kShows:
            return e.IsFgTag() || e.IsTextTag() || e.Type == kBriefingTitle ||
                           e.Type == kBriefingCaption
                       ? 0
                       : -1;
        case BriefingEventModel::kX:
            return view ? 0 : e.IsTextTag() ? 1 : -1;
        case BriefingEventModel::kY:
            return view ? 1 : e.IsTextTag() ? 2 : -1;
        case BriefingEventModel::kColour:
            return e.IsTextTag() ? 3 : -1;
        default:
            return -1;
    }
}

QString ColourName(int colour) {
    static const char* const kNames[] = {"red", "green", "blue", "gold"};
    if (colour < 0 || colour > 3) return QString::number(colour);
    return QStringLiteral("%1 (%2)").arg(colour).arg(QLatin1String(kNames[colour]));
}

}  // namespace

BriefingEventModel::BriefingEventModel(QObject* parent) : QAbstractTableModel(parent) {}

void BriefingEventModel::Load(CQVDoc* document, int briefing) {
    std::optional<BriefingScript> script;
    std::string unreadable;
    if (document && briefing >= 0 && briefing < kBriefingCount) {
        BriefingDecode d =
            DecodeBriefing(document->GetMission().Briefings[size_t(briefing)].Commands);
        script = std::move(d.Script);
        unreadable = d.Reason;
    }
    const int rows = script ? int(script->Events.size()) : 0;
    const bool same = document == document_ && briefing == briefing_ && rows == rowCount();
    if (!same) beginResetModel();
    document_ = document;
    briefing_ = briefing;
    script_ = std::move(script);
    unreadable_ = std::move(unreadable);
    if (!same)
        endResetModel();
    else if (rows > 0)
        emit dataChanged(index(0, 0), index(rows - 1, kColumnCount - 1));
}

int BriefingEventModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !script_ ? 0 : int(script_->Events.size());
}

int BriefingEventModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant BriefingEventModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section;
    static const char* const kNames[] = {"Time (s)", "Event", "Shows", "X", "Y", "Colour"};
    return tr(kNames[section]);
}

QString BriefingEventModel::Shows(const BriefingEvent& e) const {
    const Mission& m = document_->GetMission();
    const Briefing& b = m.Briefings[size_t(briefing_)];
    if (e.IsFgTag()) return FromMission(BriefingFlightGroupText(e.Params[0], m));
    if (e.IsTextTag()) return Indexed(e.Params[0], b.Tags);
    if (e.Type == kBriefingTitle || e.Type == kBriefingCaption)
        return Indexed(e.Params[0], b.Strings);
    return {};
}

QVariant BriefingEventModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !script_ || !document_ || index.row() >= rowCount()) return {};
    const BriefingEvent& e = script_->Events[size_t(index.row())];
    const int column = index.column();
    if (role == Qt::EditRole) {
        if (column == kTime) return double(e.Time) / kBriefingTicksPerSecond;
        if (column == kKind) return int(e.Type);
        const int p = ParamOf(e, column);
        return p < 0 ? QVariant() : QVariant(int(e.Params[size_t(p)]));
    }
    if (role != Qt::DisplayRole) return {};
    switch (column) {
        case kTime:
            return Seconds(e.Time);
        case kKind:
            return QString::fromStdString(BriefingEventName(e));
        case kShows:
            return Shows(e);
        case kColour:
            return ParamOf(e, column) < 0 ? QVariant() : QVariant(ColourName(e.Params[3]));
        default: {
            const int p = ParamOf(e, column);
            return p < 0 ? QVariant() : QVariant(int(e.Params[size_t(p)]));
        }
    }
}

Qt::ItemFlags BriefingEventModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid() || !script_ || index.row() >= rowCount()) return f;
    const BriefingEvent& e = script_->Events[size_t(index.row())];
    const bool editable =
        index.column() == kTime ||
        (e.Type != kBriefingEnd && (index.column() == kKind || ParamOf(e, index.column()) >= 0));
    return editable ? f | Qt::ItemIsEditable : f;
}

bool BriefingEventModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !document_) return false;
    BriefingEvent e = script_->Events[size_t(index.row())];
    bool ok = false;
    if (index.column() == kTime) {
        const double seconds = value.toDouble(&ok);
        if (!ok) return false;
        e.Time = uint16_t(std::clamp(std::lround(seconds * kBriefingTicksPerSecond), 0L, 65535L));
    } else {
        const int v = value.toInt(&ok);
        if (!ok) return false;
        if (index.column() == kKind)
            e = RetypedBriefingEvent(e, v);
        else
            e.Params[size_t(ParamOf(e, index.column()))] = int16_t(std::clamp(v, -32768, 32767));
    }
    // The document tells the window, which loads this model again.
    return ChangeBriefingEvent(document_->Level(), briefing_, index.row(), e,
                               shiftLater_ && index.column() == kTime);
}

std::vector<int> BriefingEventModel::Kinds() {
    std::vector<int> kinds = {kBriefingStop,    kBriefingTitle,   kBriefingCaption,
                              kBriefingMoveMap, kBriefingZoomMap, kBriefingClearFgTags};
    for (int s = 0; s < kBriefingTagSlots; ++s) kinds.push_back(kBriefingFgTag1 + s);
    kinds.push_back(kBriefingClearTextTags);
    for (int s = 0; s < kBriefingTagSlots; ++s) kinds.push_back(kBriefingTextTag1 + s);
    return kinds;
}

std::vector<std::pair<QString, int>> BriefingEventModel::Choices(const BriefingEvent& e) const {
    std::vector<std::pair<QString, int>> out;
    if (!document_) return out;
    const Mission& m = document_->GetMission();
    const Briefing& b = m.Briefings[size_t(briefing_)];
    if (e.IsFgTag()) {
        for (int i = 0; i < m.CountFlightGroups(); ++i)
            out.push_back({FromMission(BriefingFlightGroupText(i, m)), i});
    } else if (e.IsTextTag() || e.Type == kBriefingTitle || e.Type == kBriefingCaption) {
        for (int i = 0; i < 32; ++i)
            out.push_back({Indexed(i, e.IsTextTag() ? b.Tags : b.Strings), i});
    }
    return out;
}

QWidget* BriefingEventDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
    const auto* model = qobject_cast<const BriefingEventModel*>(index.model());
    if (!model || !model->Script()) return nullptr;
    const BriefingEvent& e = model->Script()->Events[size_t(index.row())];
    switch (index.column()) {
        case BriefingEventModel::kTime: {
            auto* spin = new QDoubleSpinBox(parent);
            spin->setDecimals(2);
            spin->setSingleStep(1.0 / kBriefingTicksPerSecond);
            spin->setRange(0, 65535.0 / kBriefingTicksPerSecond);
            return spin;
        }
        case BriefingEventModel::kKind: {
            auto* box = new QComboBox(parent);
            for (int type : BriefingEventModel::Kinds()) {
                BriefingEvent k;
                k.Type = uint16_t(type);
                box->addItem(QString::fromStdString(BriefingEventName(k)), type);
            }
            return box;
        }
        case BriefingEventModel::kShows: {
            auto* box = new QComboBox(parent);
            for (const auto& [text, value] : model->Choices(e)) box->addItem(text, value);
            return box;
        }
        default: {
            auto* spin = new QSpinBox(parent);
            spin->setRange(-32768, 32767);
            return spin;
        }
    }
}

void BriefingEventDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int at = box->findData(value);
        // A value no entry stands for (a flight group that is not there)
        // shows as itself until another is chosen.
        if (at < 0) box->addItem(QString::number(value.toInt()), value);
        box->setCurrentIndex(at < 0 ? box->count() - 1 : at);
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
        spin->setValue(value.toDouble());
    } else if (auto* ispin = qobject_cast<QSpinBox*>(editor)) {
        ispin->setValue(value.toInt());
    }
}

void BriefingEventDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentData(), Qt::EditRole);
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
        spin->interpretText();
        model->setData(index, spin->value(), Qt::EditRole);
    } else if (auto* ispin = qobject_cast<QSpinBox*>(editor)) {
        ispin->interpretText();
        model->setData(index, ispin->value(), Qt::EditRole);
    }
}

}  // namespace vantorel
