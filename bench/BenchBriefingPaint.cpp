// One frame of the Briefing window's playback map at the busiest moment a
// briefing of the maximal mission can have: all 255 flight groups on the
// map, eight flight group tags, eight text tags of 39 characters and a long
// caption with highlighted words, into a 1280 x 800 picture with the canvas
// caches warm as after the window's first frame. The window must hold 60
// frames a second, so a frame has 16.7 ms. Also what the player works out
// at every tick before it decides whether to repaint.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <random>

#include "MaximalMission.h"
#include "briefing/BriefingPaint.h"
#include "document/MissionReader.h"
#include "platform/qt/QPainterCanvas.h"

namespace vantorel {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr int kBusyTick = 200;

void EnsureGuiApplication() {
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "BenchBriefingPaint";
        static char* argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

BriefingEvent Event(int time, int type, std::array<int16_t, 4> params = {}) {
    BriefingEvent e;
    e.Time = uint16_t(time);
    e.Type = uint16_t(type);
    e.Params = params;
    return e;
}

// The maximal mission with briefing 1 as busy as it gets at kBusyTick.
struct BusyBriefing {
    Mission mission;
    BriefingScript script;

    BusyBriefing() {
        const std::vector<uint8_t> bytes = bench::MaximalMissionBytes();
        ReadMission(bytes, mission);
        std::mt19937 rng(35);
        std::uniform_int_distribution<int> across(-20 * 160, 20 * 160), down(-12 * 160, 12 * 160);
        UnitBounds bounds;
        for (auto& fg : mission.FlightGroups) {
            FlightGroupRecord& r = fg->File;
            r.SetWaypointEnabled(kFirstBriefingPoint, 1);
            r.SetWaypointX(kFirstBriefingPoint, int16_t(across(rng)));
            r.SetWaypointY(kFirstBriefingPoint, int16_t(down(rng)));
            bounds.Add(r.WaypointX(kFirstBriefingPoint), r.WaypointY(kFirstBriefingPoint));
        }
        Briefing& b = mission.Briefings[0];
        const BriefingView view = FitBriefingView(bounds);
        script.Events.push_back(Event(0, kBriefingMoveMap, {int16_t(view.x), int16_t(view.y)}));
        script.Events.push_back(
            Event(0, kBriefingZoomMap, {int16_t(view.zoomX), int16_t(view.zoomY)}));
        for (int s = 0; s < kBriefingTagSlots; ++s) {
            b.Tags[size_t(s)].resize(kBriefingCrashingTagLength - 1);
            script.Events.push_back(Event(10 * s, kBriefingFgTag1 + s, {int16_t(30 * s)}));
            script.Events.push_back(
                Event(10 * s, kBriefingTextTag1 + s,
                      {int16_t(s), int16_t(across(rng)), int16_t(down(rng)), int16_t(s % 4)}));
        }
        // A caption of 400 characters with a highlighted word every so often.
        std::string& caption = b.Strings[0];
        for (size_t at = 20; at + 30 < caption.size(); at += 60) {
            caption[at] = '[';
            caption[at + 12] = ']';
        }
        script.Events.push_back(Event(kBusyTick, kBriefingCaption, {0}));
        script.Events.push_back(Event(kBriefingEndTime, kBriefingEnd));
        script.RunningTime = 400;
        b.Commands = EncodeBriefing(script);
    }
};

const BusyBriefing& Busy() {
    static const BusyBriefing busy;
    return busy;
}

// One frame, apart from the warm-up, so a profiler can count exactly these.
[[gnu::noinline]] void PaintFrame(QImage& image, QPainterCanvas& canvas, const Mission& mission,
                                  const BriefingShown& shown) {
    QPainter painter(&image);
    canvas.SetPainter(&painter);
    PaintBriefing(canvas, image.width(), image.height(), mission, 0, shown);
    painter.end();
}

void BM_BriefingFrameAtABusyMoment(benchmark::State& state) {
    EnsureGuiApplication();
    const BusyBriefing& busy = Busy();
    const BriefingShown shown = BriefingShownAt(busy.script, kBusyTick);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainterCanvas canvas;
    PaintFrame(image, canvas, busy.mission, shown);  // the caches fill, as in the window
    for (auto _ : state) {
        PaintFrame(image, canvas, busy.mission, shown);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// What a tick costs when nothing new shows: the moment worked out and
// compared with the one on screen.
void BM_BriefingTickWithoutChange(benchmark::State& state) {
    const BusyBriefing& busy = Busy();
    const BriefingShown onScreen = BriefingShownAt(busy.script, kBusyTick);
    int tick = kBusyTick;
    for (auto _ : state) {
        const BriefingShown now = BriefingShownAt(busy.script, tick);
        benchmark::DoNotOptimize(now == onScreen);
        tick = tick == 399 ? kBusyTick : tick + 1;
    }
}

BENCHMARK(BM_BriefingFrameAtABusyMoment)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BriefingTickWithoutChange)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantorel
