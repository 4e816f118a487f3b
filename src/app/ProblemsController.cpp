#include "app/ProblemsController.h"

#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <algorithm>

#include "app/BriefingWindows.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CProblemsBar.h"
#include "briefing/ui/CBriefingWindow.h"
#include "flow/FlowCheck.h"
#include "map/ui/CQVView.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/ui/CEditPage.h"
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

// The tab of a property window that holds the field a problem is about
// (and the order, for an order target); -1 leaves the window as it is.
struct Place {
    int tab = -1;
    int order = -1;
};

Place PlaceOf(const Problem& p) {
    const auto starts = [&](const char* prefix) { return p.What.rfind(prefix, 0) == 0; };
    switch (p.Subject) {
        case ProblemSubject::FlightGroup:
            if (p.Kind == ProblemKind::NoStartPoint) return {CFGPropertiesSheet::kPositionsTab};
            if (p.Kind == ProblemKind::NeverHappens) {
                if (p.Where.rfind("Goal ", 0) == 0) return {CFGPropertiesSheet::kGoalsTab};
                if (p.Where.find("never departs") != std::string::npos)
                    return {CFGPropertiesSheet::kDepartureTab};
                return {CFGPropertiesSheet::kArrivalTab};
            }
            if (starts("arrival") || starts("alternate arrival")) return {CFGPropertiesSheet::kArrivalTab};
            if (starts("departure") || starts("alternate departure")) return {CFGPropertiesSheet::kDepartureTab};
            if (starts("jump to order 4")) return {CFGPropertiesSheet::kOtherTab};
            if (starts("order ") && p.What.size() > 6)
                return {CFGPropertiesSheet::kOrdersTab, p.What[6] - '1'};
            if (starts("goal ")) return {CFGPropertiesSheet::kGoalsTab};
            if (starts("belongs to")) return {CFGPropertiesSheet::kShipTab};
            return {};
        case ProblemSubject::Message:
            if (p.Kind == ProblemKind::WaveFileMissing || p.Kind == ProblemKind::WaveFileOutside)
                return {CMessagePropertiesSheet::kWaveTab};
            return {CMessagePropertiesSheet::kConditionTab};
        case ProblemSubject::Team:
            if (p.Kind == ProblemKind::TeamWithoutBriefing) return {};
            return {CTeamPropertiesSheet::kGoalsTab};
        case ProblemSubject::Briefing:
        case ProblemSubject::Mission:
            return {};
    }
    return {};
}

}  // namespace

ProblemsController::ProblemsController(CMainFrame& frame, AppServices& services)
    : QObject(&frame), frame_(frame), services_(services) {
    dock_ = new QDockWidget(tr("Problems"), &frame);
    dock_->setObjectName(QStringLiteral("Problems"));
    dock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    bar_ = new CProblemsBar(dock_);
    dock_->setWidget(bar_);
    frame.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    // A few lines high: the map keeps most of the window, and five lines
    // always show.
    bar_->setMinimumHeight(bar_->RowsHeight(5));
    frame.resizeDocks({dock_}, {bar_->RowsHeight(6)}, Qt::Vertical);
    dock_->hide();
    connect(bar_, &CProblemsBar::problemActivated, this, &ProblemsController::ShowProblem);
}

void ProblemsController::Refresh(CQVDoc* doc) {
    // The count in the status bar is of the mission as it was checked: it
    // follows the list, and goes when the list no longer follows.
    const bool counting = !counted_.isEmpty() && frame_.MessagePane()->text() == counted_;
    if (dock_->isHidden() || !doc) {
        if (counting) frame_.MessagePane()->clear();
        counted_.clear();
        return;
    }
    std::vector<Problem> problems = CheckMission(
        doc->GetMission(), CheckOptions{services_.settings.GetString("Paths", "XVT", "")});
    for (Problem& p : CheckMissionFlow(doc->GetMission())) problems.push_back(std::move(p));
    bar_->SetProblems(doc, std::move(problems));
    if (counting) ShowCount();
}

void ProblemsController::ShowCount() {
    const auto& problems = bar_->Problems();
    const auto errors = std::count_if(problems.begin(), problems.end(), [](const Problem& p) {
        return p.Severity == ProblemSeverity::Error;
    });
    const auto counted = [](qsizetype n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    counted_ = problems.empty()
                   ? tr("No problems found.")
                   : counted(errors, "error", "errors") + QStringLiteral(", ") +
                         counted(qsizetype(problems.size()) - errors, "warning", "warnings");
    frame_.MessagePane()->setText(counted_);
}

void ProblemsController::RunCheck(CQVDoc* doc) {
    // The check reads what the property windows still hold too.
    frame_.LevelBar()->ApplyAll();
    dock_->show();
    dock_->raise();
    Refresh(doc);
    ShowCount();
}

void ProblemsController::ShowProblem(CQVDoc* doc, const Problem& problem) {
    const auto& documents = frame_.Documents();
    if (!doc || std::find(documents.begin(), documents.end(), doc) == documents.end()) return;
    QMdiArea* mdi = frame_.MdiArea();
    CLevelPropertiesBar* levelBar = frame_.LevelBar();
    // The mission's window comes to the front first: the level bar follows
    // the active window.
    for (QMdiSubWindow* w : mdi->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(w);
        if (child && child->View()->Document() == doc) {
            mdi->setActiveSubWindow(w);
            break;
        }
    }
    levelBar->SetCurrentDocument(doc);
    Mission& mission = doc->GetMission();
    const Place place = PlaceOf(problem);
    switch (problem.Subject) {
        case ProblemSubject::FlightGroup: {
            if (problem.Index < 0 || problem.Index >= mission.CountFlightGroups()) return;
            levelBar->ApplyAll();
            for (int i = 0; i < mission.CountFlightGroups(); ++i)
                mission.FlightGroups[size_t(i)]->Selected = i == problem.Index;
            doc->Level().NotifySelectionChanged();
            levelBar->SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
            levelBar->RefreshAll();
            levelBar->UpdateViews();
            levelBar->ShowFlightGroupProperties();
            doc->CentreViewsOnSelection();
            if (CFGPropertiesFrame* fg = levelBar->FlightGroupFrame(); fg && place.tab >= 0) {
                fg->Sheet().SetActivePage(place.tab);
                auto* orders = fg->Sheet()
                                   .Page(CFGPropertiesSheet::kOrdersTab)
                                   ->Panel()
                                   .Control(FlightGroupOrdersPage::kTabs);
                if (auto* tabs = orders ? qobject_cast<QTabBar*>(orders->Widget()) : nullptr;
                    tabs && place.order >= 0 && place.order < tabs->count())
                    tabs->setCurrentIndex(place.order);
            }
            return;
        }
        case ProblemSubject::Message:
            if (problem.Index < 0 || problem.Index >= mission.CountMessages()) return;
            levelBar->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
            levelBar->SelectMessage(problem.Index);
            if (levelBar->MessageFrame())
                levelBar->MessageFrame()->Sheet().SetActivePage(place.tab);
            return;
        case ProblemSubject::Team:
            levelBar->SelectTeam(problem.Index);
            if (levelBar->TeamFrame()) levelBar->TeamFrame()->Sheet().SetActivePage(place.tab);
            return;
        case ProblemSubject::Mission:
            levelBar->SwitchToTab(CLevelPropertiesSheet::kLevelTab);
            return;
        case ProblemSubject::Briefing:
            // The Briefing window, on the event the problem is about.
            if (problem.Index < 0 || problem.Index >= kBriefingCount) return;
            if (CBriefingWindow* w = frame_.Briefings().Show(doc))
                w->ShowEvent(problem.Index, problem.Event);
            return;
    }
}

void ProblemsController::Forget(CQVDoc* doc) {
    if (bar_->Document() == doc) bar_->SetProblems(nullptr, {});
}

}  // namespace vantorel
