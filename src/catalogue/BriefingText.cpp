#include "catalogue/BriefingText.h"

#include <cstdio>

#include "catalogue/TeamName.h"

namespace vantorel {

namespace {

// `2 "[Red] launches"`, or `40 (no such string)` past the 32.
std::string Indexed(int index, const std::array<std::string, 32>& texts, const char* what) {
    const std::string number = std::to_string(index);
    if (index < 0 || index >= int(texts.size())) return number + " (no such " + what + ")";
    return number + " \"" + texts[size_t(index)] + "\"";
}

std::string Point(int x, int y) {
    return std::to_string(x) + ", " + std::to_string(y);
}

}  // namespace

std::string BriefingTimeText(int ticks) {
    char text[32];
    const int hundredths = ticks * 100 / kBriefingTicksPerSecond;
    std::snprintf(text, sizeof text, "%d:%02d.%02d", hundredths / 6000, hundredths / 100 % 60,
                  hundredths % 100);
    return text;
}

std::string BriefingFlightGroupText(int index, const Mission& mission) {
    if (index < 0 || index >= mission.CountFlightGroups())
        return "flight group " + std::to_string(index) + ", which does not exist";
    const std::string name = mission.FlightGroups[size_t(index)]->File.Name();
    if (name.empty()) return "flight group " + std::to_string(index);
    return name + " (" + std::to_string(index) + ")";
}

std::string BriefingEventName(const BriefingEvent& e) {
    if (e.IsFgTag()) return "flight group tag " + std::to_string(e.Slot());
    if (e.IsTextTag()) return "text tag " + std::to_string(e.Slot());
    switch (e.Type) {
        case kBriefingStop:
            return "stop point";
        case kBriefingTitle:
            return "title";
        case kBriefingCaption:
            return "caption";
        case kBriefingMoveMap:
            return "move map";
        case kBriefingZoomMap:
            return "zoom map";
        case kBriefingClearFgTags:
            return "clear flight group tags";
        case kBriefingClearTextTags:
            return "clear text tags";
        case kBriefingEnd:
            return "end of briefing";
        default:
            break;
    }
    return "event of type " + std::to_string(e.Type);
}

std::string BriefingEventTitle(int type) {
    BriefingEvent e;
    e.Type = uint16_t(type);
    if (e.IsFgTag()) return "Flight Group Tag";
    if (e.IsTextTag()) return "Text Tag";
    switch (type) {
        case kBriefingStop:
            return "Stop Point";
        case kBriefingTitle:
            return "Title";
        case kBriefingCaption:
            return "Caption";
        case kBriefingMoveMap:
            return "Move Map";
        case kBriefingZoomMap:
            return "Zoom Map";
        case kBriefingClearFgTags:
            return "Clear Flight Group Tags";
        case kBriefingClearTextTags:
            return "Clear Text Tags";
        case kBriefingEnd:
            return "End of Briefing";
        default:
            break;
    }
    return "Briefing Event";
}

std::string BriefingEventText(const BriefingEvent& e, const Briefing& b, const Mission& mission) {
    const auto& p = e.Params;
    if (e.IsFgTag())
        return "flight group tag " + std::to_string(e.Slot()) + ": " +
               BriefingFlightGroupText(p[0], mission);
    if (e.IsTextTag())
        return "text tag " + std::to_string(e.Slot()) + ": tag " + Indexed(p[0], b.Tags, "tag") +
               " at " + Point(p[1], p[2]) + ", colour " + std::to_string(p[3]);
    switch (e.Type) {
        case kBriefingTitle:
        case kBriefingCaption:
            return BriefingEventName(e) + " " + Indexed(p[0], b.Strings, "string");
        case kBriefingMoveMap:
        case kBriefingZoomMap:
            return BriefingEventName(e) + " to " + Point(p[0], p[1]);
        default:
            break;
    }
    return BriefingEventName(e);
}

std::string BriefingReportText(const Mission& mission, int index) {
    const Briefing& b = mission.Briefings[size_t(index)];
    std::string out = "Briefing " + std::to_string(index + 1) + "\n";
    std::string teams;
    for (int t = 0; t < kBriefingTeamCount; ++t) {
        if (!BriefingShownTo(b.Commands, t)) continue;
        if (!teams.empty()) teams += ", ";
        teams += TeamName(t, &mission);
    }
    out += "  Seen by: " + (teams.empty() ? std::string("nobody") : teams) + "\n";
    const BriefingDecode d = DecodeBriefing(b.Commands);
    if (!d.Script) return out + "  Cannot be read: " + d.Reason + "; the block is kept as it is\n";
    out += "  Running time: " + BriefingTimeText(d.Script->RunningTime) + "\n";
    out += "  Events: " + std::to_string(BriefingListWords(d.Script->Events)) + " of " +
           std::to_string(kBriefingMaxWords) + " words\n";
    for (const BriefingEvent& e : d.Script->Events)
        out += "    " + BriefingTimeText(e.Time) + " " + BriefingEventText(e, b, mission) + "\n";
    return out;
}

}  // namespace vantorel
