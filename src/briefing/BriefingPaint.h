#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "briefing/BriefingPlayback.h"
#include "draw/Canvas.h"

namespace vantorel {

struct Mission;

// The briefing's playback map as the pilot sees it, drawn on the map's
// canvas with the map's craft icons and IFF colours: the flight groups the
// briefing shows at their briefing positions, the flight group tags (a
// marker and the group's name), the text tags in their colours, the title
// greyed out at the top (the game never shows it) and the caption in a strip
// under the map, its [bracketed] words in the highlight colour.

inline constexpr int kBriefingCaptionLines = 3;
inline constexpr RgbColour kBriefingCaptionColour{224, 224, 224};
inline constexpr RgbColour kBriefingHighlightColour{255, 200, 0};

// Where the parts go on a canvas of width x height pixels.
struct BriefingLayout {
    BriefingViewport viewport;
    int mapHeight;   // the map's area: the canvas above the caption strip
    int captionTop;  // the caption strip: from here to the canvas's bottom
};
BriefingLayout LayOutBriefing(Canvas& canvas, int width, int height, const BriefingView& view);

// A drag in progress: the flight group (or the text tag of a slot) is drawn
// at this place instead of its own.
struct BriefingDragPreview {
    int flightGroup = -1;
    int textSlot = -1;  // 0 to 7
    int x = 0;          // position units
    int y = 0;
};

// One whole frame. `briefing` is 0 to 7; the canvas must be width x height.
void PaintBriefing(Canvas& canvas, int width, int height, const Mission& mission, int briefing,
                   const BriefingShown& shown, const BriefingDragPreview& drag = {});

// Whether a flight group is on briefing `briefing`'s map, and where
// (its "Team k Briefing" position, enabled).
bool BriefingPositionOf(const Mission& mission, int flightGroup, int briefing, int& x, int& y);

// What lies under (mx, my): a text tag (drawn on top) or a flight group.
struct BriefingHit {
    enum Kind { None, FlightGroup, TextTag };
    Kind kind = None;
    int index = -1;  // the flight group, or the text tag's slot (0 to 7)
};
BriefingHit HitTestBriefing(Canvas& canvas, int width, int height, const Mission& mission,
                            int briefing, const BriefingShown& shown, int mx, int my);

// A caption in runs of plain and highlighted text: the brackets go, what
// they enclose is highlighted (an unclosed one runs to the end).
struct CaptionRun {
    std::string text;
    bool highlighted = false;
    bool operator==(const CaptionRun&) const = default;
};
std::vector<CaptionRun> CaptionRuns(std::string_view caption);

}  // namespace vantorel
