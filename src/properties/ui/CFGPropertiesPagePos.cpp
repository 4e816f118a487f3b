#include "properties/ui/CFGPropertiesPagePos.h"

#include <algorithm>

#include "catalogue/CraftWordLists.h"
#include "properties/logic/FgPositionsPage.h"
#include "properties/ui/PanelGrid.h"

namespace vantorel {

namespace {

using P = FgPositionsPage;

void LayOutPositions(CControlPanel& panel) {
    PanelGrid g(panel);
    g.Add(P::kView, 0, 0, 2);
    const char* heads[] = {"X (km)", "Y (km)", "Z (km)"};
    for (int k = 0; k < 3; ++k) {
        auto* head = new QLabel(QString::fromLatin1(heads[k]), &panel);
        head->setAlignment(Qt::AlignCenter);
        g.Grid().addWidget(head, 1, 1 + k);
    }
    for (int row = 0; row < P::kRows; ++row) {
        g.Put(P::NameId(row), 2 + row, 0);
        g.Put(P::XId(row), 2 + row, 1);
        g.Put(P::YId(row), 2 + row, 2);
        g.Put(P::ZId(row), 2 + row, 3);
        g.Put(P::EnableId(row), 2 + row, 4);
    }
    // The columns keep their place whichever view shows: the names take
    // the room of the longest, and a hidden box keeps its room.
    int widest = 0;
    for (const char* name : NavPointLongNames())
        widest = std::max(widest, panel.fontMetrics().horizontalAdvance(QString::fromLatin1(name)));
    g.Grid().setColumnMinimumWidth(0, widest + 8);
    for (int row = 0; row < P::kRows; ++row)
        for (int id : {P::XId(row), P::YId(row), P::ZId(row), P::EnableId(row)})
            if (QWidget* w = g.Widget(id)) {
                QSizePolicy policy = w->sizePolicy();
                policy.setRetainSizeWhenHidden(true);
                w->setSizePolicy(policy);
            }
    for (int k = 1; k <= 3; ++k) g.Grid().setColumnStretch(k, 1);
    g.Grid().setRowStretch(2 + P::kRows, 1);
}

}  // namespace

CFGPropertiesPagePos::CFGPropertiesPagePos(std::unique_ptr<PageModel> model, PageHost& host,
                                           QWidget* parent)
    : CEditPage(std::move(model), host, parent, &LayOutPositions) {}

}  // namespace vantorel
