#include "properties/ui/CFGPropertiesPageDepart.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "properties/logic/DeparturePage.h"

namespace vantorel {

CFGPropertiesPageDepart::CFGPropertiesPageDepart(std::unique_ptr<PageModel> model, PageHost& host,
                                                 QWidget* parent)
    : CFGTriggerPage(std::move(model), host, parent, &CFGPropertiesPageDepart::Layout) {}

void CFGPropertiesPageDepart::Layout(CControlPanel& panel) {
    using P = DeparturePage;
    auto* box = new QVBoxLayout(&panel);
    box->setContentsMargins(6, 6, 6, 6);
    AddTriggerRow(panel, *box, P::kTrigger1, P::kButton1);
    AddAndOr(panel, *box, P::kAndOr);
    AddTriggerRow(panel, *box, P::kTrigger1 + 1, P::kButton1 + 1);
    box->addSpacing(6);
    auto* grid = new QGridLayout;
    int row = 0;
    for (int id : {P::kAbort, P::kExplosionLength}) {
        ControlWidget* w = panel.Control(id);
        grid->addWidget(w->Label(), row, 0);
        grid->addWidget(w->Widget(), row++, 1, id == P::kAbort ? Qt::Alignment() : Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    box->addLayout(grid);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(panel.Control(P::kMothership)->Widget());
    box->addLayout(bottom);
    box->addStretch(1);
}

}  // namespace vantorel
