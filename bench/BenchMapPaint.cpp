// One full paint of the map into a 1600 x 1000 picture: a mission as full as
// the file allows (255 flight groups, every map point in use, waypoints,
// names and point names shown) against an empty mission, both with the
// canvas caches warm as they are in the editor after its first frame, and
// the full mission once more with a fresh canvas each time.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "draw/PixelSprite.h"
#include "map/MapPaint.h"
#include "mission/Mission.h"
#include "platform/qt/QPainterCanvas.h"
#include "support/BusyMap.h"

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

// One frame, apart from the warm-up, so a profiler can be told to count
// exactly these (valgrind --tool=callgrind --toggle-collect='*PaintFrame*').
[[gnu::noinline]] void PaintFrame(QImage& image, QPainterCanvas& canvas, const ViewState& view,
                                  const Mission& mission) {
    QPainter painter(&image);
    canvas.SetPainter(&painter);
    PaintMap(canvas, view, mission);
    painter.end();
}

void PaintWarm(benchmark::State& state, const Mission& mission) {
    EnsureGuiApplication();
    const ViewState view = testing::BusyView();
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    QPainterCanvas canvas;
    {
        // The first frame fills the caches, as the editor's first paint does.
        QPainter painter(&image);
        canvas.SetPainter(&painter);
        PaintMap(canvas, view, mission);
    }
    for (auto _ : state) {
        PaintFrame(image, canvas, view, mission);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintFullMission(benchmark::State& state) {
    static const Mission mission = testing::BusyMission();
    PaintWarm(state, mission);
}

// The same with blends of at most eight pixels (AVX2), as on a processor
// without AVX-512.
void BM_PaintFullMissionEightWide(benchmark::State& state) {
    static const Mission mission = testing::BusyMission();
    const int widest = UseBlendKernel(3);
    UseBlendKernel(2);
    PaintWarm(state, mission);
    UseBlendKernel(widest);
}

void BM_PaintEmptyMission(benchmark::State& state) {
    static const Mission mission;
    PaintWarm(state, mission);
}

void BM_PaintFullMissionFreshCanvas(benchmark::State& state) {
    EnsureGuiApplication();
    static const Mission mission = testing::BusyMission();
    const ViewState view = testing::BusyView();
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
BENCHMARK(BM_PaintFullMissionEightWide)
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
