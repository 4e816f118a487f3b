#include "briefing/BriefingEdits.h"

#include <algorithm>
#include <memory>

#include "briefing/BriefingViewport.h"
#include "catalogue/BriefingText.h"
#include "document/LevelDocument.h"
#include "document/RecordSwapEdit.h"
#include "mission/MapUnits.h"
#include "mission/Mission.h"

namespace vantorel {

namespace {

// The place of the end event: the last one, or the list's end when the
// briefing has no events at all.
int EndIndex(const BriefingScript& s) {
    return s.Events.empty() ? 0 : int(s.Events.size()) - 1;
}

bool Insertable(const BriefingEvent& e) {
    return e.Type != kBriefingEnd && BriefingParameterCount(e.Type) >= 0;
}

std::string Named(const char* verb, const BriefingEvent& e) {
    return std::string(verb) + " " + BriefingEventTitle(e.Type);
}

std::string NamedMany(const char* verb, size_t count, const BriefingEvent& first) {
    if (count == 1) return Named(verb, first);
    return std::string(verb) + " " + std::to_string(count) + " Briefing Events";
}

bool Commit(LevelDocument& doc, Briefing& live, Briefing next, const std::string& name,
            const std::string& mergeKey = {}) {
    auto edit = std::make_unique<RecordSwapEdit>(name);
    edit->Add(live, std::move(next));
    return doc.Commit(std::move(edit), mergeKey);
}

// Decodes the briefing, lets `change` edit the script (and name the step,
// when the name depends on the events), and commits the block it makes as
// one step; `change` returns false for an edit it cannot make.
template <class Change>
bool EditScript(LevelDocument& doc, int briefing, std::string name, Change change) {
    if (briefing < 0 || briefing >= kBriefingCount) return false;
    Briefing& live = doc.GetMission().Briefings[size_t(briefing)];
    BriefingDecode decoded = DecodeBriefing(live.Commands);
    if (!decoded.Script) return false;
    BriefingScript script = std::move(*decoded.Script);
    const int oldWords = BriefingListWords(script.Events);
    if (!change(script, name)) return false;
    const int words = BriefingListWords(script.Events);
    if (words > kBriefingMaxWords) {
        doc.GetPrompter().Warning(BriefingTooLongText(words));
        return false;
    }
    // The new list is written over the old one; what the old one used past
    // the new one's end would otherwise read as junk after the list.
    std::fill_n(script.Area.begin(), 2 * size_t(oldWords), uint8_t(0));
    Briefing next = live;
    next.Commands = EncodeBriefing(script);
    return Commit(doc, live, std::move(next), name);
}

}  // namespace

namespace {

// Kinds whose parameters mean the same.
int ParameterMeaning(const BriefingEvent& e) {
    if (e.IsFgTag()) return 1;
    if (e.IsTextTag()) return 2;
    if (e.Type == kBriefingTitle || e.Type == kBriefingCaption) return 3;
    return 10 + e.Type;
}

}  // namespace

BriefingEvent RetypedBriefingEvent(const BriefingEvent& from, int type) {
    BriefingEvent e;
    e.Time = from.Time;
    e.Type = uint16_t(type);
    if (ParameterMeaning(e) == ParameterMeaning(from))
        e.Params = from.Params;
    else if (type == kBriefingZoomMap)
        e.Params = {kBriefingDefaultZoom, kBriefingDefaultZoom, 0, 0};
    return e;
}

int BriefingInsertPosition(const BriefingScript& script, int time) {
    const int end = EndIndex(script);
    int at = 0;
    for (int i = 0; i < end; ++i)
        if (script.Events[size_t(i)].Time <= time) at = i + 1;
    return at;
}

bool InsertBriefingEvents(LevelDocument& doc, int briefing, int position,
                          const std::vector<BriefingEvent>& events) {
    if (events.empty() || !std::all_of(events.begin(), events.end(), Insertable)) return false;
    return EditScript(doc, briefing, NamedMany("Insert", events.size(), events[0]),
                      [&](BriefingScript& s, std::string&) {
                          if (s.Events.empty()) {
                              BriefingEvent end;
                              end.Time = kBriefingEndTime;
                              end.Type = kBriefingEnd;
                              s.Events.push_back(end);
                          }
                          const int at = std::clamp(position, 0, EndIndex(s));
                          s.Events.insert(s.Events.begin() + at, events.begin(), events.end());
                          return true;
                      });
}

bool InsertBriefingEvent(LevelDocument& doc, int briefing, int position,
                         const BriefingEvent& event) {
    return InsertBriefingEvents(doc, briefing, position, {event});
}

bool DeleteBriefingEvents(LevelDocument& doc, int briefing, std::vector<int> positions) {
    return EditScript(doc, briefing, {}, [&](BriefingScript& s, std::string& name) {
        const int end = EndIndex(s);
        std::erase_if(positions, [&](int p) { return p < 0 || p >= end; });
        std::sort(positions.begin(), positions.end());
        positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
        if (positions.empty()) return false;
        name = NamedMany("Delete", positions.size(), s.Events[size_t(positions[0])]);
        for (auto it = positions.rbegin(); it != positions.rend(); ++it)
            s.Events.erase(s.Events.begin() + *it);
        return true;
    });
}

bool DeleteBriefingEvent(LevelDocument& doc, int briefing, int position) {
    return DeleteBriefingEvents(doc, briefing, {position});
}

bool MoveBriefingEvent(LevelDocument& doc, int briefing, int from, int to) {
    return EditScript(doc, briefing, {}, [&](BriefingScript& s, std::string& name) {
        const int end = EndIndex(s);
        if (from < 0 || from >= end || to < 0 || to >= end) return false;
        const BriefingEvent e = s.Events[size_t(from)];
        name = Named("Move", e);
        s.Events.erase(s.Events.begin() + from);
        s.Events.insert(s.Events.begin() + to, e);
        return true;
    });
}

bool ChangeBriefingEvent(LevelDocument& doc, int briefing, int position, const BriefingEvent& event,
                         bool shiftLater) {
    return EditScript(doc, briefing, Named("Change", event), [&](BriefingScript& s, std::string&) {
        if (position < 0 || position >= int(s.Events.size())) return false;
        const int end = EndIndex(s);
        const bool isEnd = position == end;
        if (isEnd ? event.Type != kBriefingEnd : !Insertable(event)) return false;
        const int by = int(event.Time) - int(s.Events[size_t(position)].Time);
        s.Events[size_t(position)] = event;
        if (shiftLater && by != 0) {
            for (int i = position + 1; i < end; ++i) {
                BriefingEvent& e = s.Events[size_t(i)];
                e.Time = uint16_t(std::clamp(e.Time + by, 0, 0xFFFF));
            }
        }
        return true;
    });
}

bool ShiftBriefingEvents(LevelDocument& doc, int briefing, int from, int ticks) {
    return EditScript(doc, briefing, "Shift Briefing Events", [&](BriefingScript& s, std::string&) {
        const int end = EndIndex(s);
        for (int i = 0; i < end; ++i) {
            BriefingEvent& e = s.Events[size_t(i)];
            if (e.Time >= from) e.Time = uint16_t(std::clamp(e.Time + ticks, 0, 0xFFFF));
        }
        return true;
    });
}

bool SetBriefingRunningTime(LevelDocument& doc, int briefing, uint16_t ticks) {
    return EditScript(doc, briefing, "Set Briefing Running Time",
                      [&](BriefingScript& s, std::string&) {
                          s.RunningTime = ticks;
                          return true;
                      });
}

bool SetBriefingTeam(LevelDocument& doc, int briefing, int team, bool shown) {
    if (team < 0 || team >= kBriefingTeamCount) return false;
    return EditScript(doc, briefing, "Set Briefing Teams", [&](BriefingScript& s, std::string&) {
        // A team already shown keeps its byte as it is.
        if (s.ShownTo(team) != shown) s.Teams[size_t(team)] = shown ? 1 : 0;
        return true;
    });
}

namespace {

// Tags and strings lie outside the command block: they can be edited also
// when the block cannot be read.
bool SetBriefingText(LevelDocument& doc, int briefing, int index, const std::string& text,
                     std::array<std::string, 32> Briefing::*texts, const char* name,
                     const std::string& mergeKey) {
    if (briefing < 0 || briefing >= kBriefingCount || index < 0 || index >= 32) return false;
    Briefing& live = doc.GetMission().Briefings[size_t(briefing)];
    Briefing next = live;
    (next.*texts)[size_t(index)] = text;
    return Commit(doc, live, std::move(next), name, mergeKey);
}

}  // namespace

std::string BriefingTagTooLongText(int length) {
    return "A tag of " + std::to_string(kBriefingCrashingTagLength) +
           " characters or more crashes the game when a briefing shows it; this one has " +
           std::to_string(length) + ".";
}

bool SetBriefingTag(LevelDocument& doc, int briefing, int tag, const std::string& text,
                    const std::string& mergeKey) {
    if (int(text.size()) >= kBriefingCrashingTagLength) {
        doc.GetPrompter().Warning(BriefingTagTooLongText(int(text.size())));
        return false;
    }
    return SetBriefingText(doc, briefing, tag, text, &Briefing::Tags, "Change Briefing Tag",
                           mergeKey);
}

bool SetBriefingString(LevelDocument& doc, int briefing, int index, const std::string& text,
                       const std::string& mergeKey) {
    return SetBriefingText(doc, briefing, index, text, &Briefing::Strings, "Change Briefing String",
                           mergeKey);
}

bool MoveBriefingPosition(LevelDocument& doc, int briefing, int flightGroup, int x, int y) {
    Mission& mission = doc.GetMission();
    if (briefing < 0 || briefing >= kBriefingCount || flightGroup < 0 ||
        flightGroup >= mission.CountFlightGroups())
        return false;
    FlightGroupRecord& live = mission.FlightGroups[size_t(flightGroup)]->File;
    FlightGroupRecord next = live;
    const int point = kFirstBriefingPoint + briefing;
    next.SetWaypointX(point, int16_t(std::clamp(x, kRawMin, kRawMax)));
    next.SetWaypointY(point, int16_t(std::clamp(y, kRawMin, kRawMax)));
    if (!next.WaypointEnabled(point)) next.SetWaypointEnabled(point, 1);
    auto edit = std::make_unique<RecordSwapEdit>("Move Briefing Position");
    edit->Add(live, std::move(next));
    return doc.Commit(std::move(edit));
}

}  // namespace vantorel
