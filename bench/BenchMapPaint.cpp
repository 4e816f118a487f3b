// One full paint of the map into a 1600 x 1000 picture: a mission as full as
// the file allows (255 flight groups, every map point in use, waypoints,
// names and point names shown) against an empty mission, both with the
// canvas caches warm as they are in the editor after its first frame, and
// the full mission once more with a fresh canvas each time.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>

#include "document/Mission.h"
#include "map/MapPaint.h"
#include "map/ScrollZoom.h"
#include "platform/qt/QPainterCanvas.h"

namespace vantorel {
namespace {

void EnsureGuiApplication() {
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "BenchMapPaint";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

// Every point within about +-12 km across and +-7.5 km down, so at zoom 60
// nearly all of them fall inside the window.
Mission FullMission() {
    Mission m;
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int> across(-12 * 160, 12 * 160), down(-7 * 160, 7 * 160),
        height(-5 * 160, 5 * 160);
    for (int g = 0; g < kMaxFlightGroups; ++g) {
        FlightGroup& fg = m.AppendFlightGroup();
        fg.File.SetCraftType(uint8_t(1 + g % 92));
        fg.File.SetIff(uint8_t(g % 7));
        fg.File.SetName("Group " + std::to_string(g));
        for (int p = 0; p < 14; ++p) {
            fg.File.SetWaypointEnabled(p, 1);
            fg.File.SetWaypointX(p, int16_t(across(rng)));
            fg.File.SetWaypointY(p, int16_t(down(rng)));
            fg.File.SetWaypointZ(p, int16_t(height(rng)));
        }
        if (g % 9 == 0) {
            fg.Selected = 1;
            fg.PointSelected[0] = fg.PointSelected[5] = 1;
        }
    }
    return m;
}

ViewState BenchView() {
    ViewState v;
    v.Width = 1600;
    v.Height = 1000;
    v.Zoom = 60;
    v.ShowWaypoints = true;
    v.ShowFGNames = true;
    v.ShowPointNames = true;
    CentreOnMap(v);
    return v;
}

void PaintWarm(benchmark::State& state, const Mission& mission) {
    EnsureGuiApplication();
    const ViewState view = BenchView();
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    QPainterCanvas canvas;
    {
        // The first frame fills the caches, as the editor's first paint does.
        QPainter painter(&image);
        canvas.SetPainter(&painter);
        PaintMap(canvas, view, mission);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        canvas.SetPainter(&painter);
        PaintMap(canvas, view, mission);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintFullMission(benchmark::State& state) {
    static const Mission mission = FullMission();
    PaintWarm(state, mission);
}

void BM_PaintEmptyMission(benchmark::State& state) {
    static const Mission mission;
    PaintWarm(state, mission);
}

void BM_PaintFullMissionFreshCanvas(benchmark::State& state) {
    EnsureGuiApplication();
    static const Mission mission = FullMission();
    const ViewState view = BenchView();
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterCanvas canvas(&painter);
        PaintMap(canvas, view, mission);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(BM_PaintFullMission)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintEmptyMission)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintFullMissionFreshCanvas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vantorel
