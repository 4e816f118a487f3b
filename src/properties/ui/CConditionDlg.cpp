#include "properties/ui/CConditionDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "properties/logic/ConditionDialog.h"

namespace vantorel {

CConditionDlg::CConditionDlg(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent)
    : CEditDialog(std::move(model), host, parent, &CConditionDlg::Layout) {
    setObjectName(QStringLiteral("CConditionDlg"));
}

void CConditionDlg::Layout(CControlPanel& panel) {
    using C = ConditionDialog;
    auto* grid = new QGridLayout(&panel);
    grid->setContentsMargins(4, 4, 4, 4);
    // "100% of" "flight group"
    // "X-wings Red" "must be destroyed"
    const int lists[2][2] = {{C::kAmount, C::kVariableType}, {C::kVariable, C::kCondition}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            QWidget* w = panel.Control(lists[row][column])->Widget();
            // Wide enough for a sentence's words, not for the longest of
            // 256 entries.
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                combo->setMinimumContentsLength(24);
            }
            grid->addWidget(w, row, column);
        }
    auto* sentence = qobject_cast<QLabel*>(panel.Control(C::kSentence)->Widget());
    if (sentence) {
        sentence->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        sentence->setMinimumHeight(sentence->fontMetrics().lineSpacing() * 2 + 8);
        sentence->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    grid->addWidget(panel.Control(C::kSentence)->Widget(), 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(panel.Control(C::kTrue)->Widget());
    buttons->addWidget(panel.Control(C::kFalse)->Widget());
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

}  // namespace vantorel
