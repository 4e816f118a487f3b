#include "properties/ui/CMessagePropertiesPages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/LevelDocument.h"
#include "platform/qt/ProgramPictures.h"
#include "properties/logic/MessageConditionPage.h"
#include "properties/logic/MessageGeneralPage.h"
#include "properties/logic/MessageWavePage.h"
#include "properties/ui/CFGTriggerPage.h"
#include "properties/ui/PanelGrid.h"

namespace vantorel {

bool CMessagePropertiesPage::OnKillActive() {
    if (!ApplyPage()) return false;
    if (auto context = Host().Context()) {
        context->document.Bar().ApplyAll();
        context->document.Bar().RefreshAll();
    }
    return true;
}

CMessagePropertiesPageGeneral::CMessagePropertiesPageGeneral(std::unique_ptr<PageModel> model,
                                                             PageHost& host, QWidget* parent)
    : CMessagePropertiesPage(std::move(model), host, parent,
                             &CMessagePropertiesPageGeneral::Layout) {}

void CMessagePropertiesPageGeneral::Layout(CControlPanel& panel) {
    using P = MessageGeneralPage;
    PanelGrid grid(panel);
    grid.Add(P::kText, 0, 0, 2);
    grid.Add(P::kColour, 1, 0);
    grid.Add(P::kDelay, 2, 0);
    grid.Above(P::kTeams, 3, 0, 1, 3);
    grid.Grid().setColumnStretch(1, 1);
    grid.Grid().setColumnStretch(2, 1);
    grid.Grid().setRowStretch(4, 1);
}

CMessagePropertiesPageCondition::CMessagePropertiesPageCondition(std::unique_ptr<PageModel> model,
                                                                 PageHost& host, QWidget* parent)
    : CMessagePropertiesPage(std::move(model), host, parent,
                             &CMessagePropertiesPageCondition::Layout) {}

void CMessagePropertiesPageCondition::Layout(CControlPanel& panel) {
    using P = MessageConditionPage;
    auto* box = new QVBoxLayout(&panel);
    box->setContentsMargins(6, 6, 6, 6);
    const int andOr[3] = {P::kAndOr12, P::kAndOr1234, P::kAndOr34};
    for (int i = 0; i < 4; ++i) {
        AddTriggerRow(panel, *box, P::kTrigger1 + i, P::kButton1 + i);
        if (i < 3) AddAndOr(panel, *box, andOr[i]);
    }
    box->addStretch(1);
}

void CMessagePropertiesPageCondition::OnButton(int id) {
    if (auto which = MessageConditionPage::TriggerOf(id)) RunDialog("condition", *which);
}

CMessagePropertiesPageWave::CMessagePropertiesPageWave(std::unique_ptr<PageModel> model,
                                                       PageHost& host, QWidget* parent)
    : CMessagePropertiesPage(std::move(model), host, parent, &CMessagePropertiesPageWave::Layout) {
    // The button shows the picture; its caption tells what it does.
    if (auto* play =
            qobject_cast<QPushButton*>(Panel().Control(MessageWavePage::kPlay)->Widget())) {
        play->setText(QString());
        play->setIcon(PlayIcon());
        play->setToolTip(QStringLiteral("Play"));
    }
}

void CMessagePropertiesPageWave::Layout(CControlPanel& panel) {
    using P = MessageWavePage;
    PanelGrid grid(panel);
    grid.Above(P::kWaveFile, 0, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    for (int id : {P::kBrowse, P::kClear, P::kPlay}) buttons->addWidget(grid.Widget(id));
    buttons->addStretch(1);
    grid.Grid().addLayout(buttons, 2, 0, 1, 4);
    grid.Put(P::kNote, 3, 0, 1, 4);
    grid.Grid().setRowStretch(4, 1);
    grid.Grid().setColumnStretch(3, 1);
}

}  // namespace vantorel
