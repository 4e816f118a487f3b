#include "properties/ui/CFGPropertiesPageGoals.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "properties/logic/FlightGroupGoalDialog.h"
#include "properties/logic/FlightGroupGoalsPage.h"

namespace vantorel {

namespace {

QWidget* W(CControlPanel& panel, int id) {
    return panel.Control(id)->Widget();
}

void Sunken(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMinimumHeight(label->fontMetrics().height() * 2 + 6);
    }
}

}  // namespace

CFGPropertiesPageGoals::CFGPropertiesPageGoals(std::unique_ptr<PageModel> model, PageHost& host,
                                               QWidget* parent)
    : CEditPage(std::move(model), host, parent, &CFGPropertiesPageGoals::Layout) {}

void CFGPropertiesPageGoals::Layout(CControlPanel& panel) {
    using P = FlightGroupGoalsPage;
    auto* grid = new QGridLayout(&panel);
    grid->setContentsMargins(4, 4, 4, 4);
    for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g) {
        Sunken(W(panel, P::kSentences[g]));
        grid->addWidget(W(panel, P::kSentences[g]), g, 0);
        QWidget* button = W(panel, P::kButtons[g]);
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) +
                                24);
        grid->addWidget(button, g, 1);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(FlightGroupRecord::kGoalCount, 1);
}

void CFGPropertiesPageGoals::GoalDialogLayout(CControlPanel& panel) {
    using D = FlightGroupGoalDialog;
    auto* outer = new QVBoxLayout(&panel);

    // The goal reads like its sentence: team, amount of the flight group,
    // must or must not, condition.
    auto* grid = new QGridLayout;
    grid->addWidget(panel.Control(D::kTeam)->Label(), 0, 0);
    grid->addWidget(W(panel, D::kTeam), 0, 1);
    grid->addWidget(W(panel, D::kAmount), 1, 0, 1, 2);
    auto* subject = new QHBoxLayout;
    subject->addWidget(new QLabel(QStringLiteral("flight group"), &panel));
    subject->addWidget(W(panel, D::kSubject), 1);
    grid->addLayout(subject, 1, 2, 1, 2);
    grid->addWidget(W(panel, D::kSense), 2, 0, 1, 2);
    grid->addWidget(W(panel, D::kCondition), 2, 2, 1, 2);
    grid->addWidget(panel.Control(D::kPoints)->Label(), 3, 0);
    auto* points = new QHBoxLayout;
    points->addWidget(W(panel, D::kPoints));
    points->addWidget(W(panel, D::kPointsLabel), 1);
    // The sum stays on one line, whatever it comes to.
    if (auto* sum = qobject_cast<QLabel*>(W(panel, D::kPointsLabel))) {
        sum->setWordWrap(false);
        const QString longest = QStringLiteral("x 250 = -32000 pts");
        sum->setMinimumWidth(sum->fontMetrics().boundingRect(longest).width() +
                             sum->fontMetrics().averageCharWidth());
    }
    grid->addLayout(points, 3, 1);
    grid->addWidget(panel.Control(D::kTimeLimit)->Label(), 3, 2, Qt::AlignRight);
    grid->addWidget(W(panel, D::kTimeLimit), 3, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    outer->addLayout(grid);

    auto* group = new QGroupBox(QStringLiteral("Custom &Descriptions"), &panel);
    auto* texts = new QGridLayout(group);
    auto* sentence = qobject_cast<QLabel*>(W(panel, D::kSentence));
    if (sentence) sentence->setMinimumWidth(420);
    texts->addWidget(W(panel, D::kSentence), 0, 0, 1, 2);
    int row = 1;
    for (int id : {D::kIncomplete, D::kComplete, D::kFailed}) {
        texts->addWidget(panel.Control(id)->Label(), row, 0);
        texts->addWidget(W(panel, id), row++, 1);
    }
    texts->setColumnStretch(1, 1);
    outer->addWidget(group);
}

void CFGPropertiesPageGoals::OnButton(int id) {
    for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g)
        if (id == FlightGroupGoalsPage::kButtons[g])
            RunDialog("goal", std::to_string(g), &CFGPropertiesPageGoals::GoalDialogLayout);
}

}  // namespace vantorel
