#include "properties/ui/CMothershipDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/logic/MothershipDialog.h"

namespace vantorel {

CMothershipDlg::CMothershipDlg(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent)
    : CEditDialog(std::move(model), host, parent, &CMothershipDlg::Layout) {
    setObjectName(QStringLiteral("CMothershipDlg"));
}

void CMothershipDlg::Layout(CControlPanel& panel) {
    using D = MothershipDialog;
    auto* box = new QVBoxLayout(&panel);
    box->setContentsMargins(4, 4, 4, 4);
    for (auto [radioId, listId] :
         {std::pair{D::kPrimary, D::kPrimaryList}, std::pair{D::kAlternate, D::kAlternateList}}) {
        ControlWidget* radio = panel.Control(radioId);
        auto* group = qobject_cast<QGroupBox*>(radio->Widget());
        QWidget* list = panel.Control(listId)->Widget();
        if (auto* combo = qobject_cast<QComboBox*>(list)) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(24);
        }
        // The group's buttons one under the other, the list beside the
        // second: "(o) Mothership: [X-wings Red]".
        delete group->layout();
        auto* grid = new QGridLayout(group);
        grid->addWidget(radio->RadioButton(0), 0, 0, 1, 2);
        grid->addWidget(radio->RadioButton(1), 1, 0);
        grid->addWidget(list, 1, 1);
        grid->setColumnStretch(1, 1);
        box->addWidget(group);
    }
    box->addStretch(1);
}

}  // namespace vantorel
