#include "briefing/BriefingEdits.h"

#include <algorithm>
#include <memory>

#include "document/LevelDocument.h"
#include "document/RecordSwapEdit.h"

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

bool Commit(LevelDocument& doc, Briefing& live, Briefing next, const char* name,
            const std::string& mergeKey = {}) {
    auto edit = std::make_unique<RecordSwapEdit>(name);
    edit->Add(live, std::move(next));
    return doc.Commit(std::move(edit), mergeKey);
}

// Decodes the briefing, lets `change` edit the script, and commits the block
// it makes as one step; `change` returns false for an edit it cannot make.
template <class Change>
bool EditScript(LevelDocument& doc, int briefing, const char* name, Change change) {
    if (briefing < 0 || briefing >= kBriefingCount) return false;
    Briefing& live = doc.GetMission().Briefings[size_t(briefing)];
    BriefingDecode decoded = DecodeBriefing(live.Commands);
    if (!decoded.Script) return false;
    BriefingScript script = std::move(*decoded.Script);
    const int oldWords = BriefingListWords(script.Events);
    if (!change(script)) return false;
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

int BriefingInsertPosition(const BriefingScript& script, int time) {
    const int end = EndIndex(script);
    int at = 0;
    for (int i = 0; i < end; ++i)
        if (script.Events[size_t(i)].Time <= time) at = i + 1;
    return at;
}

bool InsertBriefingEvent(LevelDocument& doc, int briefing, int position,
                         const BriefingEvent& event) {
    if (!Insertable(event)) return false;
    return EditScript(doc, briefing, "Insert Briefing Event", [&](BriefingScript& s) {
        if (s.Events.empty()) {
            BriefingEvent end;
            end.Time = kBriefingEndTime;
            end.Type = kBriefingEnd;
            s.Events.push_back(end);
        }
        const int at = std::clamp(position, 0, EndIndex(s));
        s.Events.insert(s.Events.begin() + at, event);
        return true;
    });
}

bool DeleteBriefingEvent(LevelDocument& doc, int briefing, int position) {
    return EditScript(doc, briefing, "Delete Briefing Event", [&](BriefingScript& s) {
        if (position < 0 || position >= EndIndex(s)) return false;
        s.Events.erase(s.Events.begin() + position);
        return true;
    });
}

bool MoveBriefingEvent(LevelDocument& doc, int briefing, int from, int to) {
    return EditScript(doc, briefing, "Move Briefing Event", [&](BriefingScript& s) {
        const int end = EndIndex(s);
        if (from < 0 || from >= end || to < 0 || to >= end) return false;
        const BriefingEvent e = s.Events[size_t(from)];
        s.Events.erase(s.Events.begin() + from);
        s.Events.insert(s.Events.begin() + to, e);
        return true;
    });
}

bool ChangeBriefingEvent(LevelDocument& doc, int briefing, int position,
                         const BriefingEvent& event) {
    return EditScript(doc, briefing, "Change Briefing Event", [&](BriefingScript& s) {
        if (position < 0 || position >= int(s.Events.size())) return false;
        const bool isEnd = position == EndIndex(s);
        if (isEnd ? event.Type != kBriefingEnd : !Insertable(event)) return false;
        s.Events[size_t(position)] = event;
        return true;
    });
}

bool ShiftBriefingEvents(LevelDocument& doc, int briefing, int from, int ticks) {
    return EditScript(doc, briefing, "Shift Briefing Events", [&](BriefingScript& s) {
        const int end = EndIndex(s);
        for (int i = 0; i < end; ++i) {
            BriefingEvent& e = s.Events[size_t(i)];
            if (e.Time >= from) e.Time = uint16_t(std::clamp(e.Time + ticks, 0, 0xFFFF));
        }
        return true;
    });
}

bool SetBriefingRunningTime(LevelDocument& doc, int briefing, uint16_t ticks) {
    return EditScript(doc, briefing, "Set Briefing Running Time", [&](BriefingScript& s) {
        s.RunningTime = ticks;
        return true;
    });
}

bool SetBriefingTeam(LevelDocument& doc, int briefing, int team, bool shown) {
    if (team < 0 || team >= kBriefingTeamCount) return false;
    return EditScript(doc, briefing, "Set Briefing Teams", [&](BriefingScript& s) {
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

bool SetBriefingTag(LevelDocument& doc, int briefing, int tag, const std::string& text,
                    const std::string& mergeKey) {
    return SetBriefingText(doc, briefing, tag, text, &Briefing::Tags, "Change Briefing Tag",
                           mergeKey);
}

bool SetBriefingString(LevelDocument& doc, int briefing, int index, const std::string& text,
                       const std::string& mergeKey) {
    return SetBriefingText(doc, briefing, index, text, &Briefing::Strings, "Change Briefing String",
                           mergeKey);
}

}  // namespace vantorel
