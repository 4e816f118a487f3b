#include "properties/ui/CFGPropertiesPageArrival.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "properties/logic/ArrivalPage.h"

namespace vantorel {

CFGPropertiesPageArrival::CFGPropertiesPageArrival(std::unique_ptr<PageModel> model, PageHost& host,
                                                   QWidget* parent)
    : CFGTriggerPage(std::move(model), host, parent, &CFGPropertiesPageArrival::Layout) {}

void CFGPropertiesPageArrival::Layout(CControlPanel& panel) {
    using P = ArrivalPage;
    auto* box = new QVBoxLayout(&panel);
    box->setContentsMargins(6, 6, 6, 6);
    const int andOr[3] = {P::kAndOr12, P::kAndOr1234, P::kAndOr34};
    for (int i = 0; i < 4; ++i) {
        AddTriggerRow(panel, *box, P::kTrigger1 + i, P::kButton1 + i);
        if (i < 3) AddAndOr(panel, *box, andOr[i]);
    }
    auto* time = new QHBoxLayout;
    for (int id : {P::kMinutes, P::kSeconds}) {
        ControlWidget* w = panel.Control(id);
        if (w->Label()) time->addWidget(w->Label());
        time->addWidget(w->Widget());
        if (w->Suffix()) time->addWidget(w->Suffix());
    }
    time->addStretch(1);
    box->addSpacing(6);
    box->addLayout(time);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(panel.Control(P::kOnlyIfPlayer)->Widget());
    bottom->addStretch(1);
    bottom->addWidget(panel.Control(P::kMothership)->Widget());
    box->addLayout(bottom);
    box->addStretch(1);
}

}  // namespace vantorel
