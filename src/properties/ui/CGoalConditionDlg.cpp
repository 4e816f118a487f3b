#include "properties/ui/CGoalConditionDlg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "properties/logic/GoalConditionDialog.h"
#include "properties/ui/CConditionDlg.h"

namespace vantorel {

CGoalConditionDlg::CGoalConditionDlg(std::unique_ptr<PageModel> model, PageHost& host,
                                     QWidget* parent)
    : CEditDialog(std::move(model), host, parent, &CGoalConditionDlg::Layout) {
    setObjectName(QStringLiteral("CGoalConditionDlg"));
}

void CGoalConditionDlg::Layout(CControlPanel& panel) {
    using D = GoalConditionDialog;
    CConditionDlg::Layout(panel);
    auto* grid = qobject_cast<QGridLayout*>(panel.layout());
    if (!grid) return;
    auto* strings = new QGroupBox(QStringLiteral("Condition Strin&gs"), &panel);
    auto* form = new QFormLayout(strings);
    for (int id : {D::kIncomplete, D::kSuccess, D::kFailure}) {
        ControlWidget* w = panel.Control(id);
        form->addRow(w->Label(), w->Widget());
    }
    grid->addWidget(strings, grid->rowCount(), 0, 1, 2);
}

}  // namespace vantorel
