#include "app/BriefingWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "briefing/ui/CBriefingWindow.h"
#include "document/FlightGroupSelection.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "ui/CQVDoc.h"

namespace vantorel {

BriefingWindows::BriefingWindows(CMainFrame& frame) : QObject(&frame), frame_(frame) {}

CBriefingWindow* BriefingWindows::WindowOf(CQVDoc* doc) const {
    for (const auto& [d, w] : windows_)
        if (d == doc && w) return w;
    return nullptr;
}

CBriefingWindow* BriefingWindows::Show(CQVDoc* doc) {
    if (!doc) return nullptr;
    CBriefingWindow* window = WindowOf(doc);
    if (!window) {
        std::erase_if(windows_, [](const auto& entry) { return !entry.second; });
        // What the property windows still hold is in the mission first.
        frame_.LevelBar()->ApplyAll();
        window = new CBriefingWindow(doc, &frame_);
        windows_.push_back({doc, window});
        connect(window, &CBriefingWindow::flightGroupClicked, this, &BriefingWindows::Select);
        connect(window, &CBriefingWindow::activated, this, &BriefingWindows::Activate);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void BriefingWindows::MakeBriefing(CQVDoc* doc) {
    if (CBriefingWindow* window = Show(doc)) window->MakeBriefing();
}

void BriefingWindows::Forget(CQVDoc* doc) {
    if (CBriefingWindow* window = WindowOf(doc)) window->close();
    std::erase_if(windows_,
                  [doc](const auto& entry) { return entry.first == doc || !entry.second; });
}

void BriefingWindows::Activate(CQVDoc* doc) {
    const auto& documents = frame_.Documents();
    if (std::find(documents.begin(), documents.end(), doc) == documents.end()) return;
    if (frame_.ActiveDocument() == doc) return;
    for (QMdiSubWindow* w : frame_.MdiArea()->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(w);
        if (child && child->View()->Document() == doc) {
            frame_.MdiArea()->setActiveSubWindow(w);
            break;
        }
    }
}

void BriefingWindows::Select(CQVDoc* doc, int flightGroup) {
    const auto& documents = frame_.Documents();
    if (std::find(documents.begin(), documents.end(), doc) == documents.end()) return;
    Mission& mission = doc->GetMission();
    if (flightGroup < 0 || flightGroup >= mission.CountFlightGroups()) return;
    Activate(doc);
    CLevelPropertiesBar* bar = frame_.LevelBar();
    bar->SetCurrentDocument(doc);
    bar->ApplyAll();
    for (int i = 0; i < mission.CountFlightGroups(); ++i)
        SetFlightGroupSelected(*mission.FlightGroups[size_t(i)], i == flightGroup);
    doc->Level().NotifySelectionChanged();
    bar->SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
    bar->RefreshAll();
    bar->UpdateViews();
}

}  // namespace vantorel
