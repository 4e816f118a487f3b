// What a briefing shows at a moment, the player's jumps, and the briefing
// map's scale: units to pixels and back, and framing as Zoom to Fit does.
#include <gtest/gtest.h>

#include "briefing/BriefingPlayback.h"
#include "map/Projection.h"
#include "map/ZoomToFit.h"
#include "support/MapScene.h"
#include "support/MissionGenerator.h"

namespace vantorel {
namespace {

BriefingEvent Ev(uint16_t time, uint16_t type, std::array<int16_t, 4> p = {}) {
    BriefingEvent e;
    e.Time = time;
    e.Type = type;
    e.Params = p;
    return e;
}

BriefingScript Script(std::vector<BriefingEvent> events, uint16_t running = 0) {
    BriefingScript s;
    s.Events = std::move(events);
    s.Events.push_back(Ev(kBriefingEndTime, kBriefingEnd));
    s.RunningTime = running;
    return s;
}

TEST(BriefingPlayback, EachMomentShowsWhatTheEventsSoFarLeft) {
    const BriefingScript s = Script({
        Ev(0, kBriefingMoveMap, {160, -320}),
        Ev(0, kBriefingZoomMap, {30, 20}),
        Ev(0, kBriefingTitle, {4}),
        Ev(10, kBriefingFgTag1 + 2, {7}),
        Ev(10, kBriefingTextTag1 + 7, {5, -100, 200, 3}),
        Ev(20, kBriefingCaption, {1}),
        Ev(40, kBriefingMoveMap, {0, 0}),
        Ev(40, kBriefingCaption, {2}),
        Ev(60, kBriefingClearFgTags),
        Ev(60, kBriefingClearTextTags),
    });
    const BriefingShown start = BriefingShownAt(s, 0);
    EXPECT_EQ(start.view, (BriefingView{160, -320, 30, 20}));
    EXPECT_EQ(start.title, 4);
    EXPECT_EQ(start.caption, -1);
    EXPECT_EQ(start.fgTags[2], -1);

    const BriefingShown tagged = BriefingShownAt(s, 19);
    EXPECT_EQ(tagged.fgTags[2], 7);
    EXPECT_EQ(tagged.textTags[7], (BriefingTextTagShown{5, -100, 200, 3, 4}));
    EXPECT_EQ(BriefingShownAt(s, 10), tagged);  // nothing new until 20

    const BriefingShown later = BriefingShownAt(s, 40);
    EXPECT_EQ(later.caption, 2);
    EXPECT_EQ(later.view, (BriefingView{0, 0, 30, 20}));  // the zoom stays
    EXPECT_EQ(later.fgTags[2], 7);

    const BriefingShown cleared = BriefingShownAt(s, 9999);
    EXPECT_EQ(cleared.fgTags, BriefingShown().fgTags);
    EXPECT_EQ(cleared.textTags[7].tag, -1);
    EXPECT_EQ(cleared.caption, 2);
}

TEST(BriefingPlayback, AnEventListedAfterALaterOneWaitsForIt) {
    // The game reads the list in order: the caption at 5 waits for the stop at 30.
    const BriefingScript s =
        Script({Ev(30, kBriefingStop), Ev(5, kBriefingCaption, {1}), Ev(50, kBriefingStop)});
    EXPECT_EQ(BriefingEventsHappened(s, 29), 0);
    EXPECT_EQ(BriefingShownAt(s, 29).caption, -1);
    EXPECT_EQ(BriefingShownAt(s, 30).caption, 1);
    EXPECT_EQ(NextBriefingEventTime(s, 0), 30);
    EXPECT_EQ(NextBriefingEventTime(s, 30), 50);
    EXPECT_EQ(NextBriefingEventTime(s, 50), -1);  // only the end is left
    EXPECT_EQ(PreviousBriefingEventTime(s, 31), 30);
    EXPECT_EQ(PreviousBriefingEventTime(s, 30), 5);
    EXPECT_EQ(PreviousBriefingEventTime(s, 5), 0);
}

TEST(BriefingPlayback, StopsAndTheEndOfPlayback) {
    const BriefingScript s =
        Script({Ev(10, kBriefingStop), Ev(60, kBriefingCaption, {0}), Ev(80, kBriefingStop)}, 70);
    EXPECT_EQ(NextBriefingStopTime(s, 0), 10);
    EXPECT_EQ(NextBriefingStopTime(s, 10), 80);
    // The running time is shorter than the list: playback reaches its last event.
    EXPECT_EQ(BriefingPlaybackEnd(s), 80);
    EXPECT_EQ(NextBriefingStopTime(s, 80), 80);
    EXPECT_EQ(BriefingPlaybackEnd(Script({}, 400)), 400);
    EXPECT_EQ(BriefingPlaybackEnd(BriefingScript{}), 0);
}

TEST(BriefingViewport, TheGamesMapKeepsItsProportionsAndUnitsRoundTrip) {
    // 1280 x 500 holds the 640 x 400 map at 1.25, centred across.
    const BriefingViewport vp(1280, 500, {160, -160, 20, 10});
    EXPECT_DOUBLE_EQ(vp.Scale(), 1.25);
    EXPECT_EQ(vp.Width(), 800);
    EXPECT_EQ(vp.Left(), 240);
    EXPECT_EQ(vp.Top(), 0);
    // The centre of the view is at the middle; 1 km right is 20 x 1.25 pixels.
    EXPECT_EQ(vp.ScreenFromUnits(160, -160), (ScreenPoint{640, 250}));
    EXPECT_EQ(vp.ScreenFromUnits(320, 0), (ScreenPoint{665, 262}));
    EXPECT_EQ(vp.ScreenFromUnits(0, -320), (ScreenPoint{615, 237}));
    double x = 0, y = 0;
    vp.UnitsFromScreen(665, 262, x, y);
    EXPECT_NEAR(x, 320, 1);
    EXPECT_NEAR(y, 0, 13);  // within a pixel: 12.8 units down
    // A zoom of 0 or less draws at 1 rather than dividing by 0.
    EXPECT_GT(BriefingViewport(640, 400, {0, 0, 0, -5}).PixelsPerKmY(), 0);
}

TEST(BriefingViewport, TheWheelKeepsThePointUnderTheMouseAndADragTakesTheMapAlong) {
    const BriefingViewport vp(640, 400, {0, 0, 16, 16});
    double x = 0, y = 0;
    vp.UnitsFromScreen(480, 100, x, y);
    const BriefingView zoomed = ZoomBriefingView(vp, 480, 100, 1);
    EXPECT_EQ(zoomed.zoomX, 20);
    const ScreenPoint still = BriefingViewport(640, 400, zoomed).ScreenFromUnits(int(x), int(y));
    EXPECT_NEAR(still.x, 480, 1);
    EXPECT_NEAR(still.y, 100, 1);
    // Out from a zoom of 1 stays at 1, and the map stays where it was.
    EXPECT_EQ(ZoomBriefingView(BriefingViewport(640, 400, {5, 5, 1, 1}), 0, 0, -3),
              (BriefingView{5, 5, 1, 1}));
    // 32 pixels right at 16 a km: the centre is 2 km further left.
    EXPECT_EQ(PanBriefingView(vp, 32, -16), (BriefingView{-320, 160, 16, 16}));
}

TEST(BriefingViewport, FramesItsPointsAsZoomToFitFramesTheMap) {
    Mission m = testing::MakeEmptyMission(12, 3);
    const int points[3][2] = {{-1600, 800}, {3200, 480}, {400, -2400}};
    UnitBounds bounds;
    for (int i = 0; i < 3; ++i) {
        testing::SetMapPoint(*m.FlightGroups[size_t(i)], 0, points[i][0], points[i][1]);
        bounds.Add(points[i][0], points[i][1]);
    }
    ViewState map = testing::MapWindow(kBriefingMapWidth, kBriefingMapHeight);
    ZoomToFit(map, m);
    const BriefingView fit = FitBriefingView(bounds);
    EXPECT_EQ(fit.zoomX, map.Zoom);
    EXPECT_EQ(fit.zoomY, map.Zoom);
    const BriefingViewport vp(kBriefingMapWidth, kBriefingMapHeight, fit);
    for (const auto& p : points) {
        const ScreenPoint onMap = ScreenFromWorld(map, p[0] / 160.0, p[1] / 160.0, 0);
        const ScreenPoint onBriefing = vp.ScreenFromUnits(p[0], p[1]);
        EXPECT_NEAR(onBriefing.x, onMap.x, 1);
        EXPECT_NEAR(onBriefing.y, onMap.y, 1);
    }
    EXPECT_EQ(FitBriefingView(UnitBounds{}), BriefingView{});
}

}  // namespace
}  // namespace vantorel
