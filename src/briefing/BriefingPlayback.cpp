#include "briefing/BriefingPlayback.h"

#include <algorithm>

namespace vantorel {

int BriefingEventsHappened(const BriefingScript& script, int tick) {
    int n = 0;
    for (const BriefingEvent& e : script.Events) {
        if (e.Time > tick) break;
        ++n;
    }
    return n;
}

BriefingShown BriefingShownAt(const BriefingScript& script, int tick) {
    BriefingShown s;
    const int happened = BriefingEventsHappened(script, tick);
    for (int i = 0; i < happened; ++i) {
        const BriefingEvent& e = script.Events[size_t(i)];
        const auto& p = e.Params;
        if (e.IsFgTag()) {
            s.fgTags[size_t(e.Slot() - 1)] = p[0];
        } else if (e.IsTextTag()) {
            s.textTags[size_t(e.Slot() - 1)] = {p[0], p[1], p[2], p[3], i};
        } else {
            switch (e.Type) {
                case kBriefingTitle:
                    s.title = p[0];
                    break;
                case kBriefingCaption:
                    s.caption = p[0];
                    break;
                case kBriefingMoveMap:
                    s.view.x = p[0];
                    s.view.y = p[1];
                    break;
                case kBriefingZoomMap:
                    s.view.zoomX = p[0];
                    s.view.zoomY = p[1];
                    break;
                case kBriefingClearFgTags:
                    s.fgTags.fill(-1);
                    break;
                case kBriefingClearTextTags:
                    s.textTags.fill({});
                    break;
                default:
                    break;
            }
        }
    }
    return s;
}

int BriefingPlaybackEnd(const BriefingScript& script) {
    int end = script.RunningTime;
    for (const BriefingEvent& e : script.Events)
        if (e.Type != kBriefingEnd) end = std::max(end, int(e.Time));
    return end;
}

int NextBriefingEventTime(const BriefingScript& script, int tick) {
    const int happened = BriefingEventsHappened(script, tick);
    if (happened >= int(script.Events.size())) return -1;
    const BriefingEvent& next = script.Events[size_t(happened)];
    return next.Type == kBriefingEnd ? -1 : next.Time;
}

int PreviousBriefingEventTime(const BriefingScript& script, int tick) {
    int latest = 0;
    for (const BriefingEvent& e : script.Events)
        if (e.Type != kBriefingEnd && e.Time < tick) latest = std::max(latest, int(e.Time));
    return latest;
}

int NextBriefingStopTime(const BriefingScript& script, int tick) {
    const int happened = BriefingEventsHappened(script, tick);
    for (size_t i = size_t(happened); i < script.Events.size(); ++i)
        if (script.Events[i].Type == kBriefingStop) return script.Events[i].Time;
    return BriefingPlaybackEnd(script);
}

}  // namespace vantorel
