#include "properties/ui/CLevelPropertiesPages.h"

#include <QBoxLayout>
#include <QFont>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "catalogue/DisplayColours.h"
#include "document/LevelDocument.h"
#include "properties/logic/LevelDebriefingPage.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelMessagesPage.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/logic/LevelTeamsPage.h"
#include "properties/ui/CListFindBox.h"
#include "ui/CommandIds.h"
#include "ui/WindowPictures.h"

namespace vantorel {

namespace {

constexpr int kPlayerRole = Qt::UserRole + 1;
constexpr int kWaveRole = Qt::UserRole + 2;

QColor Qc(RgbColour c) {
    return QColor(c.red, c.green, c.blue);
}

// One line of a list: the selection's colours behind, the entry's own
// colour for the text, cut with an ellipsis when it does not fit.
void PaintBackground(QPainter* p, const QStyleOptionViewItem& option) {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
}

void PaintText(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index,
               const QRect& area) {
    // The dim team or message colour is unreadable on the highlight: a
    // selected entry takes the highlight's own text colour.
    const bool selected = option.state & QStyle::State_Selected;
    p->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                       : index.data(Qt::ForegroundRole).value<QColor>());
    const QString text =
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, area.width());
    p->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void PaintFocus(QPainter* p, const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_HasFocus)) return;
    p->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
    p->setBrush(Qt::NoBrush);
    p->drawRect(option.rect.adjusted(0, 0, -1, -1));
}

class FlightGroupDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        p->save();
        PaintBackground(p, option);
        const QRect r = option.rect;
        const int player = index.data(kPlayerRole).toInt();
        QRect text = r.adjusted(2, 0, 0, 0);
        if (player != 0) {
            // The player's picture at the right edge, the number just left of
            // it, and the text cut short a few pixels before the number.
            static const QIcon icon = PlayerIcon();
            icon.paint(p, QRect(r.right() - 16, r.top() + (r.height() - 16) / 2, 16, 16));
            QFont bold(QStringLiteral("Arial"));
            bold.setBold(true);
            bold.setPixelSize(12);
            p->setFont(bold);
            p->setPen(Qt::black);
            const QString number = QString::number(player);
            const QRect numberArea(r.left(), r.top(), r.width() - 17, r.height());
            QRect drawn;
            p->drawText(numberArea, Qt::AlignRight | Qt::AlignVCenter, number, &drawn);
            text.setRight(std::min(r.right() - 20, drawn.left() - 4));
            p->setFont(option.font);
        }
        PaintText(p, option, index, text);
        PaintFocus(p, option);
        p->restore();
    }
};

class MessageDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        p->save();
        PaintBackground(p, option);
        const QRect r = option.rect;
        if (index.data(kWaveRole).toBool()) {
            static const QIcon icon = WaveIcon();
            icon.paint(p, QRect(r.left() + 2, r.top() + (r.height() - 16) / 2, 16, 16));
        }
        PaintText(p, option, index, r.adjusted(16, 0, 0, 0));
        PaintFocus(p, option);
        p->restore();
    }
};

QListWidget* ListOf(CEditPage& page, int id) {
    ControlWidget* w = page.Panel().Control(id);
    return w ? qobject_cast<QListWidget*>(w->Widget()) : nullptr;
}

// Gives each entry of a list what its flight group or message says of it.
template <class T, class Fn>
void DecorateRows(CEditPage& page, int id, std::vector<std::unique_ptr<T>> Mission::*items, Fn fn) {
    QListWidget* list = ListOf(page, id);
    auto context = page.Host().Context();
    if (!list || !context) return;
    const auto& all = context->document.GetMission().*items;
    for (int r = 0; r < list->count() && size_t(r) < all.size(); ++r)
        fn(*list->item(r), *all[size_t(r)]);
}

}  // namespace

void CLevelPropertiesPage::AddFindBox(int id, std::function<QString(int row)> rowText,
                                      const QString& placeholder) {
    QListWidget* list = ListOf(*this, id);
    auto* box = qobject_cast<QBoxLayout*>(layout());
    if (!list || !box) return;
    findBox_ = new CListFindBox(list, std::move(rowText), placeholder, this);
    box->insertWidget(0, findBox_);
}

void CLevelPropertiesPage::OnSetActive() {
    if (auto context = Host().Context()) Model().OnShow(*context);
    Panel().PushAll();
}

CLevelPropertiesPageFG::CLevelPropertiesPageFG(PageHost& host, QWidget* parent)
    : CLevelPropertiesPage(std::make_unique<LevelFlightGroupsPage>(), host, parent) {
    if (QListWidget* list = ListOf(*this, LevelFlightGroupsPage::kList))
        list->setItemDelegate(new FlightGroupDelegate(list));
    AddFindBox(
        LevelFlightGroupsPage::kList,
        [this](int row) {
            auto context = Host().Context();
            return context ? QString::fromStdString(LevelFlightGroupsPage::FindText(
                                 context->document.GetMission(), row))
                           : QString();
        },
        tr("Find a flight group (%1)").arg(QString::fromLatin1(kFindKeys)));
}

void CLevelPropertiesPageFG::Decorate() {
    DecorateRows(*this, LevelFlightGroupsPage::kList, &Mission::FlightGroups,
                 [](QListWidgetItem& item, const FlightGroup& fg) {
                     item.setData(Qt::ForegroundRole, Qc(IffColour(fg.File.Iff(), true)));
                     item.setData(kPlayerRole, int(fg.File.PlayerNumber()));
                 });
    if (FindBox()) FindBox()->Refilter();
}

CLevelPropertiesPageTeams::CLevelPropertiesPageTeams(PageHost& host, QWidget* parent)
    : CLevelPropertiesPage(std::make_unique<LevelTeamsPage>(), host, parent) {}

CLevelPropertiesPageMsg::CLevelPropertiesPageMsg(PageHost& host, QWidget* parent)
    : CLevelPropertiesPage(std::make_unique<LevelMessagesPage>(), host, parent) {
    QListWidget* list = ListOf(*this, LevelMessagesPage::kList);
    if (list) list->setItemDelegate(new MessageDelegate(list));
    AddFindBox(
        LevelMessagesPage::kList, [list](int row) { return list->item(row)->text(); },
        tr("Find a message (%1)").arg(QString::fromLatin1(kFindKeys)));
}

void CLevelPropertiesPageMsg::Decorate() {
    DecorateRows(*this, LevelMessagesPage::kList, &Mission::Messages,
                 [](QListWidgetItem& item, const RadioMessage& m) {
                     item.setData(Qt::ForegroundRole, Qc(MessageColour(m.File.Colour(), true)));
                     item.setData(kWaveRole, !m.WaveFile.empty());
                 });
    if (FindBox()) FindBox()->Refilter();
}

CLevelPropertiesPageDebriefing::CLevelPropertiesPageDebriefing(PageHost& host, QWidget* parent)
    : CLevelPropertiesPage(std::make_unique<LevelDebriefingPage>(), host, parent) {}

CLevelPropertiesPageLevel::CLevelPropertiesPageLevel(PageHost& host, QWidget* parent)
    : CLevelPropertiesPage(std::make_unique<LevelSettingsPage>(), host, parent) {}

}  // namespace vantorel
