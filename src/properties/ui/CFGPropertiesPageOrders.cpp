#include "properties/ui/CFGPropertiesPageOrders.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "platform/qt/ProgramPictures.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/OrderTargetDialog.h"

namespace vantorel {

namespace {

using P = FlightGroupOrdersPage;

QWidget* W(CControlPanel& panel, int id) {
    return panel.Control(id)->Widget();
}

// A description that reads like a box: sunken, so an empty one (targets
// that differ) still shows where it is.
void Sunken(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMinimumHeight(label->fontMetrics().height() + 6);
    }
}

// The AND/OR pair sits inside its target group: no frame of its own.
QWidget* PlainRadio(CControlPanel& panel, int id) {
    auto* group = qobject_cast<QGroupBox*>(W(panel, id));
    if (group) {
        group->setFlat(true);
        group->setStyleSheet(QStringLiteral("QGroupBox { border: 0; margin: 0; padding: 0; }"));
    }
    return W(panel, id);
}

QGroupBox* TargetGroup(CControlPanel& panel, const QString& title, int first, int andOr) {
    auto* group = new QGroupBox(title, &panel);
    auto* grid = new QGridLayout(group);
    for (int t = first; t < first + 2; ++t) {
        Sunken(W(panel, P::kTargetLabels[t]));
        grid->addWidget(W(panel, P::kTargetLabels[t]), t - first, 0);
        auto* button = W(panel, P::kTargetButtons[t]);
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) +
                                24);
        grid->addWidget(button, t - first, 1);
    }
    grid->addWidget(PlainRadio(panel, andOr), 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    return group;
}

}  // namespace

CFGPropertiesPageOrders::CFGPropertiesPageOrders(std::unique_ptr<PageModel> model, PageHost& host,
                                                 QWidget* parent)
    : CEditPage(std::move(model), host, parent, &CFGPropertiesPageOrders::Layout) {
    // The help button shows the program's information picture; its caption
    // keeps working as the mnemonic.
    auto* info = qobject_cast<QPushButton*>(W(Panel(), P::kInfo));
    if (info) {
        info->setText(QString());
        info->setIcon(InformationIcon());
        info->setToolTip(QStringLiteral("Order Info..."));
        auto* shortcut =
            new QShortcut(QKeySequence::mnemonic(QStringLiteral("Order &Info...")), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, info, [info] {
            if (info->isEnabled()) info->click();
        });
    }
}

void CFGPropertiesPageOrders::Layout(CControlPanel& panel) {
    auto* outer = new QVBoxLayout(&panel);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(0);
    outer->addWidget(W(panel, P::kTabs));

    // The order's controls sit on the tab strip's page.
    auto* page = new QFrame(&panel);
    page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    outer->addWidget(page);
    outer->addStretch(1);
    auto* grid = new QGridLayout(page);

    grid->addWidget(W(panel, P::kCommand), 0, 0, 1, 4);
    grid->addWidget(W(panel, P::kInfo), 0, 4);

    grid->addWidget(W(panel, P::kParameter1Label), 1, 0);
    grid->addWidget(W(panel, P::kParameter1), 1, 1);
    grid->addWidget(W(panel, P::kParameter2Label), 1, 2);
    grid->addWidget(W(panel, P::kParameter2), 1, 3, 1, 2);

    grid->addWidget(panel.Control(P::kThrottle)->Label(), 2, 0);
    grid->addWidget(W(panel, P::kThrottle), 2, 1);
    grid->addWidget(panel.Control(P::kSpeed)->Label(), 2, 2);
    grid->addWidget(W(panel, P::kSpeed), 2, 3, 1, 2);

    grid->addWidget(panel.Control(P::kDescription)->Label(), 3, 0);
    grid->addWidget(W(panel, P::kDescription), 3, 1, 1, 4);

    auto* targets = new QHBoxLayout;
    targets->addWidget(TargetGroup(panel, QStringLiteral("&Primary Target"), 0, P::kPrimaryAndOr));
    targets->addWidget(
        TargetGroup(panel, QStringLiteral("&Seconday Target"), 2, P::kSecondaryAndOr));
    grid->addLayout(targets, 4, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void CFGPropertiesPageOrders::TargetDialogLayout(CControlPanel& panel) {
    auto* grid = new QGridLayout(&panel);
    grid->addWidget(panel.Control(OrderTargetDialog::kType)->Label(), 0, 0, 1, 2);
    grid->addWidget(W(panel, OrderTargetDialog::kType), 1, 0);
    grid->addWidget(W(panel, OrderTargetDialog::kValue), 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    // Long enough for a flight group's craft and name.
    for (int id : {OrderTargetDialog::kType, OrderTargetDialog::kValue})
        if (auto* combo = qobject_cast<QComboBox*>(W(panel, id))) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(id == OrderTargetDialog::kValue ? 36 : 20);
        }
}

void CFGPropertiesPageOrders::OnButton(int id) {
    for (int t = 0; t < 4; ++t)
        if (id == P::kTargetButtons[t])
            RunDialog("target", std::to_string(t + 1),
                      &CFGPropertiesPageOrders::TargetDialogLayout);
}

}  // namespace vantorel
