#include "properties/ui/CFGTriggerPage.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "properties/logic/FlightGroupTriggerPage.h"

namespace vantorel {

void CFGTriggerPage::OnButton(int id) {
    auto* model = dynamic_cast<FlightGroupTriggerPage*>(&Model());
    if (!model) return;
    if (auto dialog = model->DialogOf(id)) RunDialog(dialog->first, dialog->second);
}

void AddTriggerRow(CControlPanel& panel, QBoxLayout& into, int labelId, int buttonId) {
    auto* row = new QHBoxLayout;
    if (auto* label = qobject_cast<QLabel*>(panel.Control(labelId)->Widget())) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMinimumHeight(label->fontMetrics().lineSpacing() * 2 + 8);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 40);
        row->addWidget(label, 1);
    }
    if (auto* button = qobject_cast<QPushButton*>(panel.Control(buttonId)->Widget())) {
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
        row->addWidget(button, 0, Qt::AlignTop);
    }
    into.addLayout(row);
}

void AddAndOr(CControlPanel& panel, QBoxLayout& into, int radioId) {
    auto* group = qobject_cast<QGroupBox*>(panel.Control(radioId)->Widget());
    if (!group) return;
    // No frame and no title: two buttons between the triggers they join.
    group->setFlat(true);
    group->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin-top: 0; }"));
    into.addWidget(group, 0, Qt::AlignHCenter);
}

}  // namespace vantorel
