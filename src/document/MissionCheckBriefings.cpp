// The briefings: what their events show must be there, and the game crashes
// drawing a text tag of 40 characters or more.
#include <algorithm>
#include <string>

#include "catalogue/BriefingText.h"
#include "document/MissionCheckRules.h"
#include "mission/BriefingCommands.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

class BriefingRules {
public:
    BriefingRules(const Mission& mission, const Briefing& briefing, ProblemSink& sink)
        : mission_(mission), briefing_(briefing), sink_(sink) {}

    void Event(int at, const BriefingEvent& e) {
        at_ = at;
        about_ = "the event at " + BriefingTimeText(e.Time) + " (" + BriefingEventName(e) + ")";
        if (e.IsFgTag() && (e.Params[0] < 0 || e.Params[0] >= mission_.CountFlightGroups()))
            Add(ProblemSeverity::Error, ProblemKind::MissingFlightGroup,
                "names flight group " + std::to_string(e.Params[0]) + ", which does not exist");
        if (e.Type == kBriefingTitle || e.Type == kBriefingCaption)
            Shown(e.Params[0], briefing_.Strings, "string", "strings");
        if (e.IsTextTag()) {
            const std::string* tag = Shown(e.Params[0], briefing_.Tags, "tag", "tags");
            if (tag && tag->size() >= size_t(kBriefingCrashingTagLength))
                Add(ProblemSeverity::Error, ProblemKind::TextTagTooLong,
                    "shows tag " + std::to_string(e.Params[0]) + ", which is " +
                        std::to_string(tag->size()) +
                        " characters long; the game crashes drawing a text tag of 40 or more");
        }
    }

    // `latest`: the latest time of the events listed before this one.
    void Order(const BriefingEvent& e, int latest) {
        if (e.Time < latest)
            Add(ProblemSeverity::Warning, ProblemKind::BriefingTiming,
                "is listed after one at " + BriefingTimeText(latest) +
                    "; the list is not in the order of the times");
    }

    // The first event past the running time, with the number of others: a
    // running time left at 0 would otherwise flood the list.
    void PastRunningTime(int runningTime, int others) {
        std::string what = "comes after the running time, " + BriefingTimeText(runningTime);
        if (others > 0)
            what += ", and so do " + std::to_string(others) +
                    (others == 1 ? " event after it" : " events after it");
        Add(ProblemSeverity::Warning, ProblemKind::BriefingTiming, what);
    }

private:
    void Add(ProblemSeverity severity, ProblemKind kind, const std::string& what) {
        sink_.Add(severity, kind, about_ + " " + what, at_);
    }

    // The text an event shows, or null (and a problem) when there is none.
    const std::string* Shown(int index, const std::array<std::string, 32>& texts, const char* one,
                             const char* many) {
        if (index < 0 || index >= int(texts.size())) {
            Add(ProblemSeverity::Error, ProblemKind::InvalidValue,
                std::string("names ") + one + " " + std::to_string(index) + ", past the " +
                    std::to_string(texts.size()) + " " + many + " (0 to 31)");
            return nullptr;
        }
        const std::string& text = texts[size_t(index)];
        if (text.empty())
            Add(ProblemSeverity::Warning, ProblemKind::EmptyBriefingText,
                std::string("shows ") + one + " " + std::to_string(index) + ", which is empty");
        return &text;
    }

    const Mission& mission_;
    const Briefing& briefing_;
    ProblemSink& sink_;
    int at_ = -1;
    std::string about_;
};

}  // namespace

void CheckBriefing(const Mission& mission, int b, ProblemSink& sink) {
    const Briefing& briefing = mission.Briefings[size_t(b)];
    const BriefingDecode d = DecodeBriefing(briefing.Commands);
    if (!d.Script) {
        sink.Add(ProblemSeverity::Warning, ProblemKind::BriefingUnreadable,
                 "its command block cannot be read: " + d.Reason +
                     "; it is kept as it is and cannot be edited");
        return;
    }
    BriefingRules rules(mission, briefing, sink);
    const std::vector<BriefingEvent>& events = d.Script->Events;
    const int runningTime = d.Script->RunningTime;
    const auto past = [&](const BriefingEvent& e) {
        return e.Type != kBriefingEnd && e.Time > runningTime;
    };
    int pastCount = int(std::count_if(events.begin(), events.end(), past));
    int latest = 0;
    for (size_t i = 0; i < events.size(); ++i) {
        rules.Event(int(i), events[i]);
        rules.Order(events[i], latest);
        if (pastCount > 0 && past(events[i])) {
            rules.PastRunningTime(runningTime, pastCount - 1);
            pastCount = 0;
        }
        latest = std::max(latest, int(events[i].Time));
    }
}

void CheckTeamBriefing(const Mission& mission, int team, ProblemSink& sink) {
    bool players = false;
    for (const auto& fg : mission.FlightGroups)
        players = players || (fg->File.PlayerNumber() != 0 && fg->File.Team() == team);
    if (!players) return;
    for (const Briefing& b : mission.Briefings)
        if (BriefingShownTo(b.Commands, team)) return;
    sink.Add(ProblemSeverity::Warning, ProblemKind::TeamWithoutBriefing,
             "has players but is shown no briefing");
}

}  // namespace vantorel
