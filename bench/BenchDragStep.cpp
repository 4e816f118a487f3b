// One step of a point drag in the map window, as the user feels it: the
// mouse move reaches the real view, every point of the fullest mission the
// file allows is selected and moves, and the window is repainted before the
// next step. The steps go back and forth across the map, so the mission
// stays where it is drawn in full.
//
// Each step is timed on its own; besides the mean (the benchmark's time),
// the counters give the median and the 95th percentile of the steps, which
// is what a drag that stutters shows.
//
// Next to it, two things that touch every flight group at once, in the
// whole main window: selecting all of them in the flight group list with
// the flight group window open, and pasting them. Each runs with 16 and 255
// flight groups; the counter per_group_us is what one group costs, which
// stays the same when the work grows linearly.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "app/CMainFrame.h"
#include "app/RecentFiles.h"
#include "map/DrawnPoints.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "map/ui/CQVView.h"
#include "mission/Mission.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/ui/CControlPanel.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/ControlWidget.h"
#include "support/BusyMap.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"
#include "ui/UiFakes.h"

namespace vantorel {
namespace {

void EnsureApplication() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "BenchDragStep";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// The busy mission with every map point of every flight group selected.
Mission EverythingSelected() {
    Mission m = testing::BusyMission();
    for (auto& fg : m.FlightGroups) {
        fg->Selected = 1;
        for (int i = 0; i < kMapPointCount; ++i) fg->PointSelected[size_t(i)] = 1;
    }
    return m;
}

void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, to->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    const size_t k = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(k), v.end());
    return v[k];
}

void BM_DragStepFullMission(benchmark::State& state) {
    EnsureApplication();
    testing::FakeServices fakes;
    CQVDoc doc(fakes.services, nullptr);
    doc.Level().SetMission(EverythingSelected());
    auto view = std::make_unique<CQVView>(&doc, fakes.services);
    const ViewState busy = testing::BusyView();
    view->resize(busy.Width, busy.Height);
    view->show();
    QApplication::processEvents();
    ViewState& v = view->State();
    v.Zoom = busy.Zoom;
    v.ShowWaypoints = busy.ShowWaypoints;
    v.ShowFGNames = busy.ShowFGNames;
    v.ShowPointNames = busy.ShowPointNames;
    CentreOnMap(v);
    view->repaint();
    if (v.Width != busy.Width || v.Height != busy.Height) {
        state.SkipWithError("the map window did not get its size");
        return;
    }

    // Grab the first flight group where it is drawn; it is in the window.
    const FlightGroup& first = *doc.GetMission().FlightGroups[0];
    const ScreenPoint s =
        ScreenFromWorld(v, first.File.WaypointX(0) / 160.0, first.File.WaypointY(0) / 160.0,
                        first.File.WaypointZ(0) / 160.0);
    const QPoint grab(s.x, s.y);
    Send(view.get(), QEvent::MouseButtonPress, grab, Qt::LeftButton);
    if (v.MouseMode != kMousePointDrag) {
        state.SkipWithError("the press did not start a point drag");
        return;
    }
    // Past the drag distance first, so every timed step moves the points.
    const QPoint apart(QApplication::startDragDistance() + 4, 0);
    Send(view.get(), QEvent::MouseMove, grab + apart, Qt::LeftButton);

    std::vector<double> steps;
    bool back = true;
    int still = 0;  // steps that moved nothing: there should be none
    for (auto _ : state) {
        const int16_t was = first.File.WaypointX(0);
        const auto start = std::chrono::steady_clock::now();
        Send(view.get(), QEvent::MouseMove, back ? grab : grab + apart, Qt::LeftButton);
        view->repaint();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        steps.push_back(took.count() * 1e3);
        still += first.File.WaypointX(0) == was ? 1 : 0;
        back = !back;
    }
    Send(view.get(), QEvent::MouseButtonRelease, grab, Qt::NoButton);
    if (still != 0) {
        state.SkipWithError("a drag step moved nothing");
        return;
    }
    state.counters["median_ms"] = Percentile(steps, 0.5);
    state.counters["p95_ms"] = Percentile(steps, 0.95);
    state.counters["max_ms"] = *std::max_element(steps.begin(), steps.end());
}

BENCHMARK(BM_DragStepFullMission)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

// The main window as the editor shows it, holding the first `groups` flight
// groups of the busy mission, none of them selected.
struct Editor {
    testing::FakeServices fakes;
    std::unique_ptr<RecentFiles> recent;
    std::unique_ptr<CMainFrame> frame;
    CQVDoc* doc = nullptr;

    explicit Editor(int groups) {
        EnsureApplication();
        fakes.settings.SetInt("Settings", "AutoSelZoom", 0);
        fakes.settings.SetInt("Settings", "InitialFG", 0);
        recent = std::make_unique<RecentFiles>(fakes.settings, 8);
        frame = std::make_unique<CMainFrame>(fakes.services, *recent, nullptr);
        frame->resize(1600, 1000);
        frame->show();
        doc = frame->NewDocument();
        Mission m = testing::BusyMission();
        m.FlightGroups.resize(size_t(groups));
        for (auto& fg : m.FlightGroups) {
            fg->Selected = 0;
            fg->PointSelected.fill(0);
        }
        doc->Level().SetMission(std::move(m));
        doc->RefreshAll();
        QApplication::processEvents();
    }
    ~Editor() {
        doc->SetModifiedFlag(false);
        frame.reset();
    }
    QListWidget* List() const {
        return qobject_cast<QListWidget*>(frame->LevelBar()
                                              ->Sheet()
                                              .Page(CLevelPropertiesSheet::kFlightGroupTab)
                                              ->Panel()
                                              .Control(LevelFlightGroupsPage::kList)
                                              ->Widget());
    }
    // Times one step, through to the repaint of the windows it changed.
    template <class Step>
    static double Timed(Step step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        QApplication::processEvents();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

void BM_SelectAllInList(benchmark::State& state) {
    const int groups = int(state.range(0));
    Editor editor(groups);
    QListWidget* list = editor.List();
    if (!list || list->count() != groups) {
        state.SkipWithError("the flight group list does not show the mission");
        return;
    }
    // The flight group window follows the selection.
    list->setCurrentRow(0);
    editor.frame->RunCommand(kCmdFlightGroupProperties);
    QApplication::processEvents();
    double total = 0;
    for (auto _ : state) {
        const double took = Editor::Timed([&] { list->selectAll(); });
        state.SetIterationTime(took);
        total += took;
        if (editor.doc->Level().CountSelectedFlightGroups() != groups) {
            state.SkipWithError("Select All did not select every flight group");
            return;
        }
        list->setCurrentRow(0);  // back to one, untimed
        QApplication::processEvents();
    }
    state.counters["per_group_us"] = total * 1e6 / double(state.iterations()) / groups;
}

void BM_PasteGroups(benchmark::State& state) {
    const int groups = int(state.range(0));
    Editor editor(groups);
    for (auto& fg : editor.doc->GetMission().FlightGroups) fg->Selected = 1;
    editor.frame->RunCommand(kCmdEditCopy);
    // Into an empty mission, so all of them fit.
    editor.doc->Level().SetMission(Mission());
    editor.doc->RefreshAll();
    QApplication::processEvents();
    double total = 0;
    for (auto _ : state) {
        const double took = Editor::Timed([&] { editor.frame->RunCommand(kCmdEditPaste); });
        state.SetIterationTime(took);
        total += took;
        if (editor.doc->Level().CountFlightGroups() != groups) {
            state.SkipWithError("the paste did not bring every flight group");
            return;
        }
        editor.frame->RunCommand(kCmdEditUndo);  // untimed
        QApplication::processEvents();
    }
    state.counters["per_group_us"] = total * 1e6 / double(state.iterations()) / groups;
}

BENCHMARK(BM_SelectAllInList)->Arg(16)->Arg(255)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_PasteGroups)->Arg(16)->Arg(255)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace vantorel
