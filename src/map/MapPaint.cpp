#include "map/MapPaint.h"

#include <string>

#include "catalogue/CraftIcons.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/DisplayColours.h"
#include "map/DrawnPoints.h"
#include "map/Projection.h"
#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

constexpr RgbColour kBlack{0, 0, 0};
constexpr RgbColour kWhite{255, 255, 255};
constexpr RgbColour kPointNameGrey{128, 128, 128};
constexpr RgbColour kGridRed[4] = {{64, 0, 0}, {128, 0, 0}, {192, 0, 0}, {255, 0, 0}};
constexpr RgbColour kGridLabel{128, 0, 0};
constexpr RgbColour kAxisLetter{64, 192, 255};
constexpr RgbColour kGrid3D{32, 64, 128};

Pen SolidPen(RgbColour c) {
    return {PenStyle::Solid, 1, c};
}

void DrawMarkerWith(Canvas& canvas, const ViewState& view, int sx, int sy, const FlightGroup& fg,
                    bool selected, int point, const std::string& label) {
    const CraftTypeInfo* info = GetCraftTypeInfo(fg.File.CraftType());
    DrawCraftIcon(canvas, sx - 9, sy - 11, fg.File.Iff(), info ? info->iconIndex : -1, selected);
    if (selected && view.ShowSelBox) canvas.Image(sx - 8, sy - 5, CanvasImage::SelectionBox);
    if (view.ShowPointNames)
        canvas.Text(sx + 9, sy + 2, NavPointShortName(point), kPointNameGrey, CanvasFont::System);
    if (view.ShowFGNames)
        canvas.Text(sx + 9, sy - 11, label, IffColour(fg.File.Iff(), false), CanvasFont::System);
}

std::string LabelOf(const FlightGroup& fg) {
    return FlightGroupLabel(fg.File.CraftType(), fg.File.Name());
}

// Pen of the line that joins point `point`: solid after a start point,
// dashed into hyperspace, dotted otherwise, in the dim IFF colour brightened
// when the point is selected.
Pen JoinPen(const FlightGroup& fg, int previous, int point) {
    Pen pen;
    if (previous < kStartPointCount)
        pen.style = PenStyle::Solid;
    else if (point == kHyperspacePoint)
        pen.style = PenStyle::Dash;
    else
        pen.style = PenStyle::Dot;
    RgbColour c = IffColour(fg.File.Iff(), true);
    if (fg.PointSelected[std::size_t(point)]) {
        c = {std::uint8_t(c.red | 63), std::uint8_t(c.green | 63), std::uint8_t(c.blue | 63)};
    }
    pen.colour = c;
    return pen;
}

// Grid lines of one axis: which map coordinates are in view, and where.
struct AxisRange {
    int first;
    int last;
};

AxisRange VisibleRange(int scroll, int extent, int zoom) {
    // Integer division, as the grid has always been laid out: a line just
    // outside the left or top edge can still be visited (and drawn off screen).
    return {scroll / zoom, (scroll + extent) / zoom};
}

// 0..3 into kGridRed, or -1 for no line; -2 marks a main line.
int GridLineLevel(int i, int zoom) {
    if (i % 250 == 0) return -2;
    if (i % 50 == 0) return 2;
    if (i % 10 == 0) return 1;
    if (zoom > 5) return 0;
    return -1;
}

bool GridLabelled(int i, int zoom) {
    return i % 50 == 0 || (i % 10 == 0 && zoom > 5);
}

void DrawFlatGrid(Canvas& canvas, const ViewState& view) {
    const int zoom = view.Zoom;
    // At zoom 1 the grid is laid out for a 500 x 500 window.
    const int width = zoom == 1 ? kMapSizeKm : view.Width;
    const int height = zoom == 1 ? kMapSizeKm : view.Height;
    const AxisRange xs = VisibleRange(view.ScrollX, width, zoom);
    const AxisRange ys = VisibleRange(view.ScrollY, height, zoom);
    auto inX = [&](int i) { return xs.first <= i && i <= xs.last; };
    auto inY = [&](int i) { return ys.first <= i && i <= ys.last; };

    int mainX = 0, mainY = 0;
    bool haveMainX = false, haveMainY = false;
    for (int i = 0; i < kMapSizeKm; ++i) {
        const int level = GridLineLevel(i, zoom);
        if (level == -1) continue;
        if (inX(i)) {
            const int sx = zoom * i - view.ScrollX;
            if (level == -2) {
                mainX = sx;
                haveMainX = true;
            } else {
                canvas.Line(sx, 0, sx, height, SolidPen(kGridRed[level]));
            }
        }
        if (inY(i)) {
            const int sy = zoom * i - view.ScrollY;
            if (level == -2) {
                mainY = sy;
                haveMainY = true;
            } else {
                canvas.Line(0, sy, width, sy, SolidPen(kGridRed[level]));
            }
        }
    }
    if (haveMainX) canvas.Line(mainX, 0, mainX, height, SolidPen(kGridRed[3]));
    if (haveMainY) canvas.Line(0, mainY, width, mainY, SolidPen(kGridRed[3]));

    // Labels would smear while the map moves under a drag.
    if (view.MouseMode != kMouseNone) return;
    const bool zUp = view.Angle == kAngleFront || view.Angle == kAngleSide;
    for (int i = 0; i < kMapSizeKm; ++i) {
        if (!GridLabelled(i, zoom)) continue;
        if (inX(i))
            canvas.Text(zoom * i - view.ScrollX + 1, 0, std::to_string(i - kMapHalfKm), kGridLabel,
                        CanvasFont::GridLabel);
        if (inY(i))
            canvas.Text(0, zoom * i - view.ScrollY + 1,
                        std::to_string(zUp ? kMapHalfKm - i : i - kMapHalfKm), kGridLabel,
                        CanvasFont::GridLabel);
    }
    const char* across = view.Angle == kAngleSide ? "Y" : "X";
    const char* down = zUp ? "Z" : "Y";
    canvas.Text(width - 8, 0, across, kAxisLetter, CanvasFont::GridLabel);
    canvas.Text(0, height - 16, down, kAxisLetter, CanvasFont::GridLabel);
}

void DrawGrid3D(Canvas& canvas, const ViewState& view) {
    const Pen pen = SolidPen(kGrid3D);
    auto segment = [&](double x1, double y1, double x2, double y2) {
        auto a = ProjectPoint3DUnlessFlat(view, x1, y1, 0);
        auto b = ProjectPoint3DUnlessFlat(view, x2, y2, 0);
        if (a && b) canvas.Line(a->x, a->y, b->x, b->y, pen);
    };
    for (int i = -251; i <= 250; ++i) {
        const bool drawn =
            i % 50 == 0 || (i % 10 == 0 && view.Zoom3D > -500) || (i % 5 == 0 && view.Zoom3D > 500);
        if (!drawn) continue;
        segment(-kMapHalfKm, i, kMapHalfKm, i);
        segment(i, -kMapHalfKm, i, kMapHalfKm);
    }
}

}  // namespace

void DrawGrid(Canvas& canvas, const ViewState& view) {
    if (view.Angle == kAngle3D)
        DrawGrid3D(canvas, view);
    else
        DrawFlatGrid(canvas, view);
}

void DrawMarker(Canvas& canvas, const ViewState& view, int sx, int sy, const FlightGroup& fg,
                bool selected, int point) {
    DrawMarkerWith(canvas, view, sx, sy, fg, selected, point, view.ShowFGNames ? LabelOf(fg) : "");
}

void DrawFlightGroup(Canvas& canvas, const ViewState& view, const FlightGroup& fg) {
    const DrawnPointList points = DrawnPoints(view, fg);
    if (points.count == 0) return;
    const std::string label = view.ShowFGNames ? LabelOf(fg) : std::string();
    const bool is3D = view.Angle == kAngle3D;
    const VisibleWindow window = VisibleWorldWindow(view);
    const auto firstStart = fg.FirstEnabledStartPoint();
    const auto& r = fg.File;

    ScreenPoint penAt;
    int previous = -1;
    for (int i : points) {
        const double x = KmFromRaw(r.WaypointX(i));
        const double y = KmFromRaw(r.WaypointY(i));
        const double z = KmFromRaw(r.WaypointZ(i));
        ScreenPoint at;
        bool marker = true;
        if (is3D) {
            at = ProjectPoint3D(view, x, y, z);
            if (view.ShowStalks) {
                const ScreenPoint foot = ProjectPoint3D(view, x, y, 0);
                canvas.Line(at.x, at.y, foot.x, foot.y, SolidPen(kWhite));
            }
        } else {
            const PlanePoint plane = PlaneFromWorld(view.Angle, x, y, z);
            at = ScreenFromPlane(view, plane);
            marker = window.Contains(plane);
        }
        if (view.JoinWaypoints) {
            if (previous < 0) {
                penAt = at;
            } else if (i >= kStartPointCount || (firstStart && i == *firstStart)) {
                canvas.Line(penAt.x, penAt.y, at.x, at.y, JoinPen(fg, previous, i));
                penAt = at;
            }
        }
        previous = i;
        if (marker)
            DrawMarkerWith(canvas, view, at.x, at.y, fg, fg.PointSelected[std::size_t(i)] != 0, i,
                           label);
    }
}

void PaintMap(Canvas& canvas, const ViewState& view, const Mission& mission) {
    canvas.FillRect(0, 0, view.Width, view.Height, kBlack);
    if (view.Angle != kAngle3D || view.ShowGrid3D) DrawGrid(canvas, view);
    for (const auto& fg : mission.FlightGroups) DrawFlightGroup(canvas, view, *fg);
    canvas.Flush();
}

}  // namespace vantorel
