#include "properties/ui/CFGPropertiesPageMisc.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "properties/logic/CmdDescription.h"
#include "properties/logic/OtherPage.h"

namespace vantorel {

CFGPropertiesPageMisc::CFGPropertiesPageMisc(std::unique_ptr<PageModel> model, PageHost& host,
                                             QWidget* parent)
    : CFGTriggerPage(std::move(model), host, parent, &CFGPropertiesPageMisc::Layout) {}

void CFGPropertiesPageMisc::Layout(CControlPanel& panel) {
    using P = OtherPage;
    auto* box = new QVBoxLayout(&panel);
    box->setContentsMargins(6, 6, 6, 6);

    auto* difficulty = new QHBoxLayout;
    difficulty->addWidget(panel.Control(P::kDifficulty)->Label());
    difficulty->addWidget(panel.Control(P::kDifficulty)->Widget(), 1);
    box->addLayout(difficulty);

    auto* global = new QGroupBox(QStringLiteral("Glo&bal"), &panel);
    auto* numbers = new QHBoxLayout(global);
    for (int id : {P::kGlobalGroup, P::kGlobalUnit}) {
        ControlWidget* w = panel.Control(id);
        numbers->addWidget(w->Label());
        numbers->addWidget(w->Widget());
        numbers->addSpacing(12);
    }
    numbers->addStretch(1);
    box->addWidget(global);

    auto* jump = new QGroupBox(QStringLiteral("&Jump To Order 4 Condition"), &panel);
    auto* triggers = new QVBoxLayout(jump);
    AddTriggerRow(panel, *triggers, P::kTrigger1, P::kButton1);
    AddAndOr(panel, *triggers, P::kAndOr);
    AddTriggerRow(panel, *triggers, P::kTrigger1 + 1, P::kButton1 + 1);
    box->addWidget(jump);

    auto* cmd = new QGroupBox(QStringLiteral("&CMD Descriptions"), &panel);
    auto* entries = new QHBoxLayout(cmd);
    auto* labels = new QVBoxLayout;
    for (int i = 0; i < kCmdEntryCount; ++i) {
        QWidget* label = panel.Control(P::kCmd1 + i)->Widget();
        label->setMinimumHeight(label->fontMetrics().lineSpacing());
        labels->addWidget(label);
    }
    entries->addLayout(labels, 1);
    entries->addWidget(panel.Control(P::kSetCmd)->Widget(), 0, Qt::AlignBottom);
    box->addWidget(cmd);
    box->addStretch(1);
}

}  // namespace vantorel
