#include "app/FlowWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "document/FlightGroupSelection.h"
#include "flow/ui/CFlowView.h"
#include "flow/ui/CFlowWindow.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CMessagePropertiesSheet.h"
#include "properties/ui/CTeamPropertiesFrame.h"
#include "properties/ui/CTeamPropertiesSheet.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

// The page of the flight group window that edits what a box stands for.
int FlightGroupTabOf(FlowNodeKind kind) {
    switch (kind) {
        case FlowNodeKind::Departure:
            return CFGPropertiesSheet::kDepartureTab;
        case FlowNodeKind::JumpToOrder4:
            return CFGPropertiesSheet::kOtherTab;
        case FlowNodeKind::FlightGroupGoal:
            return CFGPropertiesSheet::kGoalsTab;
        default:
            return CFGPropertiesSheet::kArrivalTab;
    }
}

}  // namespace

FlowWindows::FlowWindows(CMainFrame& frame) : QObject(&frame), frame_(frame) {}

CFlowWindow* FlowWindows::WindowOf(CQVDoc* doc) const {
    for (const auto& [d, w] : windows_)
        if (d == doc && w) return w;
    return nullptr;
}

CFlowWindow* FlowWindows::Show(CQVDoc* doc) {
    if (!doc) return nullptr;
    CFlowWindow* window = WindowOf(doc);
    if (!window) {
        std::erase_if(windows_, [](const auto& entry) { return !entry.second; });
        window = new CFlowWindow(doc, &frame_);
        windows_.push_back({doc, window});
        connect(window, &CFlowWindow::nodeClicked, this,
                [this](CQVDoc* d, int node) { Select(d, node, false); });
        connect(window, &CFlowWindow::nodeActivated, this,
                [this](CQVDoc* d, int node) { Select(d, node, true); });
        // The current message is outlined as the level bar changes it.
        connect(frame_.LevelBar(), &CLevelPropertiesBar::currentItemChanged, window,
                [this, window] {
                    if (frame_.LevelBar()->CurrentDocument() == window->Document())
                        window->ShowSelection(frame_.LevelBar()->CurrentMessage());
                });
        window->ShowSelection(
            frame_.LevelBar()->CurrentDocument() == doc ? frame_.LevelBar()->CurrentMessage() : -1);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void FlowWindows::Forget(CQVDoc* doc) {
    if (CFlowWindow* window = WindowOf(doc)) window->close();
    std::erase_if(windows_,
                  [doc](const auto& entry) { return entry.first == doc || !entry.second; });
}

void FlowWindows::Select(CQVDoc* doc, int node, bool open) {
    const auto& documents = frame_.Documents();
    CFlowWindow* window = WindowOf(doc);
    if (!window || std::find(documents.begin(), documents.end(), doc) == documents.end()) return;
    const MissionFlow& flow = window->View()->Flow();
    if (node < 0 || node >= int(flow.nodes.size())) return;
    const FlowNode& n = flow.nodes[size_t(node)];
    // The mission's map comes to the front first: the level bar follows the
    // active window.
    for (QMdiSubWindow* w : frame_.MdiArea()->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(w);
        if (child && child->View()->Document() == doc) {
            frame_.MdiArea()->setActiveSubWindow(w);
            break;
        }
    }
    CLevelPropertiesBar* bar = frame_.LevelBar();
    bar->SetCurrentDocument(doc);
    Mission& mission = doc->GetMission();
    if (n.flightGroup >= 0 && n.flightGroup < mission.CountFlightGroups()) {
        bar->ApplyAll();
        for (int i = 0; i < mission.CountFlightGroups(); ++i)
            SetFlightGroupSelected(*mission.FlightGroups[size_t(i)], i == n.flightGroup);
        doc->Level().NotifySelectionChanged();
        bar->SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
        bar->RefreshAll();
        bar->UpdateViews();
        doc->CentreViewsOnSelection();
        if (!open) return;
        bar->ShowFlightGroupProperties();
        if (CFGPropertiesFrame* fg = bar->FlightGroupFrame())
            fg->Sheet().SetActivePage(FlightGroupTabOf(n.kind));
    } else if (n.message >= 0 && n.message < mission.CountMessages()) {
        bar->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
        if (!open) {
            bar->SetCurrentMessage(n.message);
            return;
        }
        bar->SelectMessage(n.message);
        if (CMessagePropertiesFrame* m = bar->MessageFrame())
            m->Sheet().SetActivePage(CMessagePropertiesSheet::kConditionTab);
    } else if (n.team >= 0 && open) {
        bar->SelectTeam(n.team);
        if (CTeamPropertiesFrame* t = bar->TeamFrame())
            t->Sheet().SetActivePage(CTeamPropertiesSheet::kGoalsTab);
    }
}

}  // namespace vantorel
