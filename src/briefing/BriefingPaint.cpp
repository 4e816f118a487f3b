#include "briefing/BriefingPaint.h"

#include <algorithm>
#include <cmath>

#include "catalogue/CraftIcons.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/DisplayColours.h"
#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

constexpr RgbColour kBlack{0, 0, 0};
constexpr RgbColour kOutside{24, 24, 24};  // the canvas beyond the game's map
constexpr RgbColour kGrid{24, 40, 64};
constexpr RgbColour kTitleGrey{112, 112, 112};
constexpr RgbColour kTagMarker{255, 255, 0};
constexpr int kCaptionPadding = 6;
constexpr int kIconHalfWidth = 9;  // icons are 18 x 22, centred on their point
constexpr int kIconHalfHeight = 11;
constexpr int kMarkerHalf = 14;    // the square of a flight group tag
constexpr int kGridLeastGap = 40;  // pixels between grid lines, at least

// Text tag colours: the game's four text colours as the radio messages name
// them, anything else white.
RgbColour TextTagColour(int colour) {
    return MessageColour(colour, false);
}

const std::string* TextOf(const std::array<std::string, 32>& texts, int index) {
    if (index < 0 || index >= int(texts.size()) || texts[size_t(index)].empty()) return nullptr;
    return &texts[size_t(index)];
}

bool InsideMap(const BriefingViewport& vp, ScreenPoint p, int margin) {
    return p.x >= vp.Left() - margin && p.x < vp.Left() + vp.Width() + margin &&
           p.y >= vp.Top() - margin && p.y < vp.Top() + vp.Height() + margin;
}

void DrawGrid(Canvas& canvas, const BriefingViewport& vp) {
    static constexpr int kSteps[] = {1, 2, 5, 10, 20, 50, 100, 200};
    const Pen pen{PenStyle::Solid, 1, kGrid};
    const auto gapOf = [](double perKm) {
        for (int step : kSteps)
            if (step * perKm >= kGridLeastGap) return step;
        return 0;
    };
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    vp.UnitsFromScreen(vp.Left(), vp.Top(), x0, y0);
    vp.UnitsFromScreen(vp.Left() + vp.Width(), vp.Top() + vp.Height(), x1, y1);
    if (const int step = gapOf(vp.PixelsPerKmX()) * kRawPerKm) {
        for (long long u = (long long)std::ceil(x0 / step) * step; u <= x1; u += step) {
            const int sx = vp.ScreenFromUnits(int(u), 0).x;
            canvas.Line(sx, vp.Top(), sx, vp.Top() + vp.Height(), pen);
        }
    }
    if (const int step = gapOf(vp.PixelsPerKmY()) * kRawPerKm) {
        for (long long u = (long long)std::ceil(y0 / step) * step; u <= y1; u += step) {
            const int sy = vp.ScreenFromUnits(0, int(u)).y;
            canvas.Line(vp.Left(), sy, vp.Left() + vp.Width(), sy, pen);
        }
    }
}

// Where a flight group stands on this frame, the drag's place for the one
// dragged.
bool PlaceOf(const Mission& mission, int fg, int briefing, const BriefingDragPreview& drag, int& x,
             int& y) {
    if (!BriefingPositionOf(mission, fg, briefing, x, y)) return false;
    if (fg == drag.flightGroup) x = drag.x, y = drag.y;
    return true;
}

void DrawTagMarker(Canvas& canvas, ScreenPoint p, const FlightGroupRecord& r) {
    const Pen pen{PenStyle::Solid, 1, kTagMarker};
    const int l = p.x - kMarkerHalf, t = p.y - kMarkerHalf;
    const int rgt = p.x + kMarkerHalf, b = p.y + kMarkerHalf;
    canvas.Line(l, t, rgt, t, pen);
    canvas.Line(rgt, t, rgt, b, pen);
    canvas.Line(rgt, b, l, b, pen);
    canvas.Line(l, b, l, t, pen);
    canvas.Text(rgt + 3, p.y - kIconHalfHeight, FlightGroupLabel(r), IffColour(r.Iff(), false),
                CanvasFont::System);
}

void DrawCaption(Canvas& canvas, int width, int top, const std::string& caption) {
    const int line = canvas.LineHeight(CanvasFont::Caption);
    const int right = width - kCaptionPadding;
    int x = kCaptionPadding, y = top + kCaptionPadding;
    const int space = canvas.TextWidth(" ", CanvasFont::Caption);
    for (const CaptionRun& run : CaptionRuns(caption)) {
        const RgbColour colour =
            run.highlighted ? kBriefingHighlightColour : kBriefingCaptionColour;
        size_t at = 0;
        while (at < run.text.size()) {
            if (run.text[at] == '\n') {
                x = kCaptionPadding, y += line, ++at;
                continue;
            }
            if (run.text[at] == ' ') {
                x += space, ++at;
                continue;
            }
            const size_t end = std::min(run.text.find_first_of(" \n", at), run.text.size());
            const std::string_view word(run.text.data() + at, end - at);
            const int w = canvas.TextWidth(word, CanvasFont::Caption);
            if (x + w > right && x > kCaptionPadding) x = kCaptionPadding, y += line;
            canvas.Text(x, y, word, colour, CanvasFont::Caption);
            x += w;
            at = end;
        }
    }
}

}  // namespace

std::vector<CaptionRun> CaptionRuns(std::string_view caption) {
    std::vector<CaptionRun> runs;
    CaptionRun run;
    for (size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        const bool opens = c == '[' && !run.highlighted, closes = c == ']' && run.highlighted;
        if (opens || closes) {
            if (!run.text.empty()) runs.push_back(run);
            run = {{}, opens};
            continue;
        }
        // Line breaks as the mission's texts hold them: CR LF.
        if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n') continue;
        run.text += c;
    }
    if (!run.text.empty()) runs.push_back(run);
    return runs;
}

BriefingLayout LayOutBriefing(Canvas& canvas, int width, int height, const BriefingView& view) {
    const int strip =
        kBriefingCaptionLines * canvas.LineHeight(CanvasFont::Caption) + 2 * kCaptionPadding;
    const int mapHeight = std::max(1, height - strip);
    return {BriefingViewport(width, mapHeight, view), mapHeight, mapHeight};
}

bool BriefingPositionOf(const Mission& mission, int flightGroup, int briefing, int& x, int& y) {
    if (flightGroup < 0 || flightGroup >= mission.CountFlightGroups() || briefing < 0 ||
        briefing >= kBriefingCount)
        return false;
    const FlightGroupRecord& r = mission.FlightGroups[size_t(flightGroup)]->File;
    const int point = kFirstBriefingPoint + briefing;
    if (!r.WaypointEnabled(point)) return false;
    x = r.WaypointX(point);
    y = r.WaypointY(point);
    return true;
}

void PaintBriefing(Canvas& canvas, int width, int height, const Mission& mission, int briefing,
                   const BriefingShown& shown, const BriefingDragPreview& drag) {
    const BriefingLayout layout = LayOutBriefing(canvas, width, height, shown.view);
    const BriefingViewport& vp = layout.viewport;
    const Briefing& b = mission.Briefings[size_t(briefing)];
    canvas.FillRect(0, 0, width, height, kBlack);
    DrawGrid(canvas, vp);

    for (int i = 0; i < mission.CountFlightGroups(); ++i) {
        int x = 0, y = 0;
        if (!PlaceOf(mission, i, briefing, drag, x, y)) continue;
        const ScreenPoint p = vp.ScreenFromUnits(x, y);
        if (!InsideMap(vp, p, kMarkerHalf)) continue;
        const FlightGroupRecord& r = mission.FlightGroups[size_t(i)]->File;
        const CraftTypeInfo* info = GetCraftTypeInfo(r.CraftType());
        DrawCraftIcon(canvas, p.x - kIconHalfWidth, p.y - kIconHalfHeight, r.Iff(),
                      info ? info->iconIndex : -1, false);
    }
    for (int fg : shown.fgTags) {
        int x = 0, y = 0;
        if (!PlaceOf(mission, fg, briefing, drag, x, y)) continue;
        const ScreenPoint p = vp.ScreenFromUnits(x, y);
        if (InsideMap(vp, p, kMarkerHalf))
            DrawTagMarker(canvas, p, mission.FlightGroups[size_t(fg)]->File);
    }
    for (int slot = 0; slot < kBriefingTagSlots; ++slot) {
        const BriefingTextTagShown& t = shown.textTags[size_t(slot)];
        const std::string* text = TextOf(b.Tags, t.tag);
        if (!text) continue;
        const bool dragged = slot == drag.textSlot;
        const ScreenPoint p = vp.ScreenFromUnits(dragged ? drag.x : t.x, dragged ? drag.y : t.y);
        canvas.Text(p.x, p.y, *text, TextTagColour(t.colour), CanvasFont::System);
    }

    // What lies beyond the game's map is not part of the briefing.
    canvas.FillRect(0, 0, width, vp.Top(), kOutside);
    canvas.FillRect(0, vp.Top() + vp.Height(), width, layout.mapHeight - vp.Top() - vp.Height(),
                    kOutside);
    canvas.FillRect(0, vp.Top(), vp.Left(), vp.Height(), kOutside);
    canvas.FillRect(vp.Left() + vp.Width(), vp.Top(), width - vp.Left() - vp.Width(), vp.Height(),
                    kOutside);

    if (const std::string* title = TextOf(b.Strings, shown.title))
        canvas.Text(vp.Left() + kCaptionPadding, vp.Top() + kCaptionPadding, *title, kTitleGrey,
                    CanvasFont::System);
    if (const std::string* caption = TextOf(b.Strings, shown.caption))
        DrawCaption(canvas, width, layout.captionTop, *caption);
    canvas.Flush();
}

BriefingHit HitTestBriefing(Canvas& canvas, int width, int height, const Mission& mission,
                            int briefing, const BriefingShown& shown, int mx, int my) {
    const BriefingLayout layout = LayOutBriefing(canvas, width, height, shown.view);
    const BriefingViewport& vp = layout.viewport;
    if (!InsideMap(vp, {mx, my}, 0)) return {};
    const Briefing& b = mission.Briefings[size_t(briefing)];
    for (int slot = kBriefingTagSlots - 1; slot >= 0; --slot) {
        const BriefingTextTagShown& t = shown.textTags[size_t(slot)];
        const std::string* text = TextOf(b.Tags, t.tag);
        if (!text) continue;
        const ScreenPoint p = vp.ScreenFromUnits(t.x, t.y);
        if (mx >= p.x && mx < p.x + canvas.TextWidth(*text, CanvasFont::System) && my >= p.y &&
            my < p.y + canvas.LineHeight(CanvasFont::System))
            return {BriefingHit::TextTag, slot};
    }
    // The last drawn is on top.
    for (int i = mission.CountFlightGroups() - 1; i >= 0; --i) {
        int x = 0, y = 0;
        if (!BriefingPositionOf(mission, i, briefing, x, y)) continue;
        const ScreenPoint p = vp.ScreenFromUnits(x, y);
        if (std::abs(mx - p.x) <= kIconHalfWidth && std::abs(my - p.y) <= kIconHalfHeight)
            return {BriefingHit::FlightGroup, i};
    }
    return {};
}

}  // namespace vantorel
