#include "properties/ui/CFGPropertiesPageEquipment.h"

#include <QKeyEvent>
#include <QListWidget>

#include "properties/logic/FgEquipmentPage.h"
#include "properties/ui/PanelGrid.h"

namespace vantorel {

namespace {

using P = FgEquipmentPage;

void LayOutEquipment(CControlPanel& panel) {
    PanelGrid g(panel);
    int row = 0;
    for (int id :
         {P::kAi, P::kWarhead, P::kBeam, P::kCountermeasure, P::kStatus, P::kStatus2, P::kRadio})
        g.Add(id, row++, 0, 2);
    g.Add(P::kCargo, row, 0);
    g.Put(P::kHiddenCargo, row++, 2, 1, 1, Qt::AlignLeft);
    g.Above(P::kEquipment, 0, 3, row, 1);
    g.Grid().setColumnStretch(1, 1);
    g.Grid().setColumnStretch(3, 1);
    g.Grid().setRowStretch(row, 1);
}

// A click checks an unchecked or indeterminate item and unchecks a checked
// one; the indeterminate state is only ever the one the records brought.
void Toggle(QListWidgetItem* item) {
    if (!item) return;
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace

CFGPropertiesPageEquipment::CFGPropertiesPageEquipment(std::unique_ptr<PageModel> model,
                                                       PageHost& host, QWidget* parent)
    : CEditPage(std::move(model), host, parent, &LayOutEquipment) {
    auto* list = qobject_cast<QListWidget*>(Panel().Control(P::kEquipment)->Widget());
    if (!list) return;
    // The list does the toggling itself, by the rule above, not the
    // platform's three-state cycle.
    for (int r = 0; r < list->count(); ++r)
        list->item(r)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    connect(list, &QListWidget::itemClicked, this, &Toggle);
    list->installEventFilter(this);
}

bool CFGPropertiesPageEquipment::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        Toggle(list->currentItem());
        return true;
    }
    return CEditPage::eventFilter(watched, event);
}

void CFGPropertiesPageEquipment::OnButton(int id) {
    if (id == P::kHiddenCargo) RunDialog("hidden-cargo");
}

}  // namespace vantorel
