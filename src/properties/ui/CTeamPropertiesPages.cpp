#include "properties/ui/CTeamPropertiesPages.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "document/LevelDocument.h"
#include "properties/logic/TeamGeneralPage.h"
#include "properties/logic/TeamGoalStringsPage.h"
#include "properties/logic/TeamGoalsPage.h"
#include "properties/ui/CFGTriggerPage.h"
#include "properties/ui/PanelGrid.h"

namespace vantorel {

CTeamPropertiesPageGeneral::CTeamPropertiesPageGeneral(std::unique_ptr<PageModel> model,
                                                       PageHost& host, QWidget* parent)
    : CEditPage(std::move(model), host, parent, &CTeamPropertiesPageGeneral::Layout) {
    auto* name = qobject_cast<QComboBox*>(Panel().Control(TeamGeneralPage::kName)->Widget());
    if (name && name->lineEdit())
        connect(name->lineEdit(), &QLineEdit::editingFinished, this,
                &CTeamPropertiesPageGeneral::ApplyAndRefreshAll);
}

void CTeamPropertiesPageGeneral::Layout(CControlPanel& panel) {
    using P = TeamGeneralPage;
    PanelGrid grid(panel);
    grid.Add(P::kName, 0, 0, 2);
    grid.Above(P::kAllies, 1, 0, 1, 3);
    grid.Add(P::kTheme, 3, 0);
    grid.Put(P::kChange, 3, 2);
    grid.Grid().setColumnStretch(1, 1);
    grid.Grid().setRowStretch(2, 1);
}

void CTeamPropertiesPageGeneral::ApplyAndRefreshAll() {
    auto context = Host().Context();
    if (!context || !ApplyPage()) return;
    PropertyBarHooks& bar = context->document.Bar();
    bar.ApplyAll();
    bar.RefreshAll();
}

bool CTeamPropertiesPageGeneral::OnKillActive() {
    if (!ApplyPage()) return false;
    ApplyAndRefreshAll();
    if (auto context = Host().Context()) context->document.Bar().UpdateViews();
    return true;
}

CTeamPropertiesPageGoals::CTeamPropertiesPageGoals(std::unique_ptr<PageModel> model, PageHost& host,
                                                   QWidget* parent)
    : CEditPage(std::move(model), host, parent, &CTeamPropertiesPageGoals::Layout) {}

void CTeamPropertiesPageGoals::Layout(CControlPanel& panel) {
    using P = TeamGoalsPage;
    auto* outer = new QVBoxLayout(&panel);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(0);
    outer->addWidget(panel.Control(P::kSets)->Widget());
    // The goal set's controls sit on the tab strip's page.
    auto* page = new QFrame(&panel);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    outer->addWidget(page);
    outer->addStretch(1);
    auto* box = new QVBoxLayout(page);
    auto* points = new QHBoxLayout;
    ControlWidget* w = panel.Control(P::kPoints);
    points->addWidget(w->Label());
    points->addWidget(w->Widget());
    points->addWidget(w->Suffix());
    points->addStretch(1);
    box->addLayout(points);
    const int andOr[3] = {P::kAndOr12, P::kAndOr1234, P::kAndOr34};
    for (int i = 0; i < 4; ++i) {
        AddTriggerRow(panel, *box, P::kTrigger1 + i, P::kButton1 + i);
        if (i < 3) AddAndOr(panel, *box, andOr[i]);
    }
}

void CTeamPropertiesPageGoals::OnButton(int id) {
    if (auto which = TeamGoalsPage::ConditionOf(id)) RunDialog("goal-condition", *which);
}

CTeamPropertiesPageGoalStrings::CTeamPropertiesPageGoalStrings(std::unique_ptr<PageModel> model,
                                                               PageHost& host, QWidget* parent)
    : CEditPage(std::move(model), host, parent, &CTeamPropertiesPageGoalStrings::Layout) {}

void CTeamPropertiesPageGoalStrings::Layout(CControlPanel& panel) {
    using P = TeamGoalStringsPage;
    PanelGrid grid(panel);
    // Each caption over its two lines.
    const int pairs[3][2] = {{P::kPrimarySuccess1, P::kPrimarySuccess2},
                             {P::kPrimaryFailure1, P::kPrimaryFailure2},
                             {P::kSecondarySuccess1, P::kSecondarySuccess2}};
    int row = 0;
    for (const auto& pair : pairs) {
        grid.Above(pair[0], row, 0);
        grid.Put(pair[1], row + 2, 0);
        row += 3;
    }
    grid.Grid().setRowStretch(row, 1);
}

}  // namespace vantorel
