#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "map/CentreOnSelection.h"
#include "map/MapPaint.h"
#include "map/Projection.h"
#include "map/ScrollZoom.h"
#include "support/MapScene.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

constexpr RgbColour kGridDim{64, 0, 0};

// An X-wing group "Red" with the given points enabled at (index / 2, 0, 0) km.
FlightGroup& AddGroup(Mission& m, std::initializer_list<int> enabled, int iff = 0) {
    FlightGroup& fg = m.AppendFlightGroup();
    fg.File.SetCraftType(1);
    fg.File.SetName("Red");
    fg.File.SetIff(uint8_t(iff));
    for (int p : enabled) testing::SetMapPoint(fg, p, p * 80, 0);
    return fg;
}

ViewState CentredView(int angle = kAngleTop) {
    return testing::MapWindow(800, 600, angle);
}

// What drawing one flight group alone puts on a canvas.
RecordingCanvas Drawn(const ViewState& v, const FlightGroup& fg) {
    RecordingCanvas canvas;
    DrawFlightGroup(canvas, v, fg);
    return canvas;
}

RecordingCanvas Grid(const ViewState& v) {
    RecordingCanvas canvas;
    DrawGrid(canvas, v);
    return canvas;
}

RecordingCanvas Painted(const ViewState& v, const Mission& m) {
    RecordingCanvas canvas;
    PaintMap(canvas, v, m);
    return canvas;
}

TEST(MapPaint, GroupWithoutEnabledStartPointDrawsNothing) {
    Mission m;
    AddGroup(m, {4, 5, 13});
    ViewState v = CentredView();
    EXPECT_TRUE(Drawn(v, *m.FlightGroups[0]).calls.empty());

    EXPECT_EQ(Painted(v, m).calls.size(), Painted(v, Mission{}).calls.size());

    // Shown waypoints draw, and the first of them opens the path.
    v.ShowWaypoints = true;
    EXPECT_EQ(Drawn(v, *m.FlightGroups[0]).Of(Kind::Line).size(), 2u);
}

TEST(MapPaint, PathSkipsLaterStartPointsAndPicksPensByPreviousPoint) {
    Mission m;
    FlightGroup& fg = AddGroup(m, {0, 1, 4, 13});
    ViewState v = CentredView();
    v.ShowWaypoints = true;
    RecordingCanvas canvas = Drawn(v, fg);

    auto at = [&](int p) { return ScreenFromWorld(v, p * 0.5, 0, 0); };
    auto lines = canvas.Of(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    // S1 -> WP1 solid: the point drawn before WP1 is S2, a start point.
    EXPECT_EQ(lines[0].x1, at(0).x);
    EXPECT_EQ(lines[0].x2, at(4).x);
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 1, {0, 128, 0}}));
    // WP1 -> HYP dashed.
    EXPECT_EQ(lines[1].x1, at(4).x);
    EXPECT_EQ(lines[1].x2, at(13).x);
    EXPECT_EQ(lines[1].pen.style, PenStyle::Dash);

    auto icons = canvas.Of(Kind::Icon);
    ASSERT_EQ(icons.size(), 4u);  // S2 has its marker
    EXPECT_EQ(icons[1].x1, at(1).x - 9);
    EXPECT_EQ(icons[1].y1, at(1).y - 11);
    EXPECT_EQ(icons[1].picture, 1);  // X-wing: icon 0, picture 1

    // Per point the line comes before the marker.
    auto firstLine = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                                  [](auto& c) { return c.kind == Kind::Line; });
    EXPECT_EQ(std::next(firstLine)->x1, at(4).x - 9);

    // Between two waypoints the line is dotted; no joining, no lines.
    testing::SetMapPoint(fg, 5, 5 * 80, 0);
    lines = Drawn(v, fg).Of(Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].pen.style, PenStyle::Dot);
    EXPECT_EQ(lines[2].pen.style, PenStyle::Dash);
    v.JoinWaypoints = false;
    EXPECT_TRUE(Drawn(v, fg).Of(Kind::Line).empty());
}

TEST(MapPaint, SelectedPointBrightensItsLineAndFadesItsIcon) {
    Mission m;
    FlightGroup& fg = AddGroup(m, {0, 4});
    fg.Selected = 1;
    fg.PointSelected[4] = 1;
    ViewState v = CentredView();
    v.ShowSelectionWaypoints = true;  // selected, so its waypoints show
    RecordingCanvas canvas = Drawn(v, fg);
    auto lines = canvas.Of(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.colour, (RgbColour{63, 191, 63}));

    auto icons = canvas.Of(Kind::Icon);
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_FALSE(icons[0].faded);
    EXPECT_TRUE(icons[1].faded);
    auto boxes = canvas.Of(Kind::Image);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].y1, ScreenFromWorld(v, 2, 0, 0).y - 5);

    v.ShowSelBox = false;
    EXPECT_TRUE(Drawn(v, fg).Of(Kind::Image).empty());

    // Imperial (IFF 1): dim (128, 0, 0) brightened to (191, 63, 63).
    fg.File.SetIff(1);
    EXPECT_EQ(Drawn(v, fg).Of(Kind::Line)[0].pen.colour, (RgbColour{191, 63, 63}));
}

TEST(MapPaint, MarkerNamesAndUnknownTypes) {
    Mission m;
    FlightGroup& fg = AddGroup(m, {2}, 3);
    ViewState v = CentredView();
    RecordingCanvas canvas = Drawn(v, fg);
    const ScreenPoint s3 = ScreenFromWorld(v, 1, 0, 0);
    auto texts = canvas.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "S3");
    EXPECT_EQ(texts[0].y1, s3.y + 2);
    EXPECT_EQ(texts[1].text, "X-W Red");
    EXPECT_EQ(texts[1].colour, (RgbColour{255, 255, 0}));  // yellow, bright
    EXPECT_EQ(texts[1].y1, s3.y - 11);

    // A craft type outside the table: the diamond, and an empty abbreviation.
    fg.File.SetCraftType(200);
    fg.File.SetIff(12);
    v.ShowPointNames = false;
    canvas = Drawn(v, fg);
    ASSERT_EQ(canvas.Of(Kind::Icon).size(), 1u);
    EXPECT_EQ(canvas.Of(Kind::Icon)[0].picture, 0);
    EXPECT_EQ(canvas.Of(Kind::Icon)[0].ramp, 10);  // IFF 12 is grey
    EXPECT_EQ(canvas.Texts(), std::vector<std::string>{" Red"});
    EXPECT_EQ(canvas.Of(Kind::Text)[0].colour, (RgbColour{255, 255, 255}));
}

TEST(MapPaint, MarkersOutsideTheWindowAreCulledButTheirLinesStay) {
    Mission m;
    FlightGroup& fg = AddGroup(m, {0, 4});
    fg.File.SetWaypointX(4, 100 * 160);  // 100 km: far right of an 800-pixel window
    ViewState v = CentredView();
    v.ShowWaypoints = true;
    RecordingCanvas canvas = Drawn(v, fg);
    EXPECT_EQ(canvas.Of(Kind::Icon).size(), 1u);
    ASSERT_EQ(canvas.Of(Kind::Line).size(), 1u);
    EXPECT_EQ(canvas.Of(Kind::Line)[0].x2, ScreenFromWorld(v, 100, 0, 0).x);

    // The window's edges count as inside.
    const VisibleWindow w = VisibleWorldWindow(v);
    const WorldPair corner = WorldFromScreen(v, v.Width, v.Height);
    EXPECT_DOUBLE_EQ(w.hMax, corner.first);
    EXPECT_DOUBLE_EQ(w.vMax, corner.second);
    fg.File.SetWaypointX(4, int16_t(w.hMax * 160));
    EXPECT_EQ(Drawn(v, fg).Of(Kind::Icon).size(), 2u);
}

std::vector<RecordingCanvas::Call> GridLines(const RecordingCanvas& c, RgbColour colour) {
    std::vector<RecordingCanvas::Call> out;
    for (auto& l : c.Of(Kind::Line))
        if (l.pen.colour == colour) out.push_back(l);
    return out;
}

std::vector<std::string> GridLabels(const RecordingCanvas& c) {
    std::vector<std::string> out;
    for (auto& t : c.Of(Kind::Text))
        if (t.font == CanvasFont::GridLabel) out.push_back(t.text);
    return out;
}

TEST(MapGrid, KilometreLinesAndTenKilometreLabelsAppearAboveZoomFive) {
    ViewState v = CentredView();
    v.Zoom = 5;
    CentreOnMap(v);  // 160 km across, 120 down
    RecordingCanvas at5 = Grid(v);
    EXPECT_TRUE(GridLines(at5, kGridDim).empty());
    EXPECT_FALSE(GridLines(at5, {128, 0, 0}).empty());
    auto labels = GridLabels(at5);
    for (const std::string& label : labels)
        EXPECT_TRUE(label == "X" || label == "Y" || std::stoi(label) % 50 == 0) << label;
    EXPECT_NE(std::find(labels.begin(), labels.end(), "-50"), labels.end());

    v.Zoom = 6;
    CentreOnMap(v);
    RecordingCanvas at6 = Grid(v);
    EXPECT_FALSE(GridLines(at6, kGridDim).empty());
    labels = GridLabels(at6);
    EXPECT_NE(std::find(labels.begin(), labels.end(), "-10"), labels.end());

    // One main line per axis, through the origin.
    auto main = GridLines(at6, {255, 0, 0});
    ASSERT_EQ(main.size(), 2u);
    EXPECT_EQ(main[0].x1, ScreenFromWorld(v, 0, 0, 0).x);
    EXPECT_EQ(main[1].y1, ScreenFromWorld(v, 0, 0, 0).y);
}

TEST(MapGrid, MapEdgeBecomesTheMainLineWhenTheOriginIsOutOfView) {
    ViewState v = CentredView();
    SetScrollPosition(v, 0, 0);  // top left corner of the map at Zoom 60
    RecordingCanvas canvas = Grid(v);
    auto main = GridLines(canvas, {255, 0, 0});
    ASSERT_EQ(main.size(), 2u);
    EXPECT_EQ(main[0].x1, 0);
    EXPECT_EQ(main[1].y1, 0);
    EXPECT_EQ(GridLabels(canvas)[0], "-250");
}

TEST(MapGrid, FrontViewLabelsRowsWithTheirHeight) {
    Mission m;
    FlightGroup& fg = AddGroup(m, {0});
    fg.File.SetWaypointZ(0, 10 * 160);
    ViewState v = CentredView(kAngleFront);
    v.Zoom = 20;
    CentreOnMap(v);
    RecordingCanvas canvas = Painted(v, m);
    const ScreenPoint p = ScreenFromWorld(v, 0, 0, 10);
    bool found = false;
    for (auto& t : canvas.Of(Kind::Text))
        if (t.font == CanvasFont::GridLabel && t.x1 == 0 && t.y1 == p.y + 1) {
            EXPECT_EQ(t.text, "10");
            found = true;
        }
    EXPECT_TRUE(found);
    EXPECT_EQ(canvas.Of(Kind::Icon).size(), 1u);
    EXPECT_EQ(canvas.Of(Kind::Icon)[0].y1, p.y - 11);

    // Axis letters: x across and z up.
    auto labels = GridLabels(canvas);
    EXPECT_EQ(labels[labels.size() - 2], "X");
    EXPECT_EQ(labels.back(), "Z");
    for (auto& t : canvas.Of(Kind::Text))
        EXPECT_TRUE(t.text != "Z" || t.y1 == v.Height - 16);  // bottom left, in the window
    v.Angle = kAngleSide;
    EXPECT_EQ(GridLabels(Grid(v)).end()[-2], "Y");
}

TEST(MapGrid, NoLabelsOrLettersDuringADrag) {
    ViewState v = CentredView();
    v.MouseMode = kMousePointDrag;
    RecordingCanvas canvas = Grid(v);
    EXPECT_TRUE(canvas.Of(Kind::Text).empty());
    EXPECT_FALSE(canvas.Of(Kind::Line).empty());
}

TEST(MapPaint3D, GridOnlyWithTheSwitchAndStalksBeforeLinesBeforeMarkers) {
    Mission m;
    FlightGroup& fg = AddGroup(m, {0, 4});
    fg.File.SetWaypointZ(4, 5 * 160);
    ViewState v = CentredView(kAngle3D);
    v.ShowWaypoints = true;
    v.ShowGrid3D = false;
    RecordingCanvas canvas = Painted(v, m);
    ASSERT_EQ(canvas.calls[0].kind, Kind::Fill);
    std::vector<Kind> kinds;
    for (size_t i = 1; i < canvas.calls.size(); ++i)
        if (canvas.calls[i].kind != Kind::Text) kinds.push_back(canvas.calls[i].kind);
    // S1: stalk, marker; WP1: stalk, joining line, marker.
    EXPECT_EQ(kinds,
              (std::vector<Kind>{Kind::Line, Kind::Icon, Kind::Line, Kind::Line, Kind::Icon}));
    auto lines = canvas.Of(Kind::Line);
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 1, {255, 255, 255}}));
    EXPECT_EQ(lines[1].y1, ProjectPoint3D(v, 2, 0, 5).y);
    EXPECT_EQ(lines[1].y2, ProjectPoint3D(v, 2, 0, 0).y);

    v.ShowStalks = false;
    v.ShowGrid3D = true;
    RecordingCanvas grid = Painted(v, m);
    EXPECT_GT(GridLines(grid, {32, 64, 128}).size(), 100u);
    EXPECT_TRUE(GridLabels(grid).empty());

    // Far out the grid thins to the 50 km lines: 11 per direction.
    v.Zoom3D = -600;
    EXPECT_EQ(GridLines(Grid(v), {32, 64, 128}).size(), 22u);
    // Close in every 5 km: 101 per direction.
    v.Zoom3D = 600;
    EXPECT_EQ(GridLines(Grid(v), {32, 64, 128}).size(), 202u);
}

TEST(MapCentreOnSelection, UsesStartPointsAndShownSelectedWaypoints) {
    Mission m;
    FlightGroup& a = AddGroup(m, {1, 4});  // S2 at 0.5 km, WP1 at 2 km
    FlightGroup& b = AddGroup(m, {0});
    b.File.SetWaypointX(0, -2000 * 16);  // not selected: ignored
    ViewState v = CentredView();

    CentreOnSelection(v, m);  // nothing selected: the origin
    EXPECT_DOUBLE_EQ(WorldFromScreen(v, 400, 300).first, 0.0);

    a.Selected = 1;
    a.PointSelected[4] = 1;
    CentreOnSelection(v, m);
    EXPECT_DOUBLE_EQ(WorldFromScreen(v, 400, 300).first, 0.5);

    v.ShowSelectionWaypoints = true;
    CentreOnSelection(v, m);
    EXPECT_DOUBLE_EQ(WorldFromScreen(v, 400, 300).first, 1.25);

    v.Angle = kAngleSide;
    a.File.SetWaypointZ(1, 1600);
    a.File.SetWaypointZ(4, 1600);
    CentreOnSelection(v, m);
    EXPECT_DOUBLE_EQ(WorldFromScreen(v, 400, 300).second, 10.0);
}

}  // namespace
}  // namespace vantorel
