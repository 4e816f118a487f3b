#include "document/MissionCheck.h"

#include <algorithm>

#include "document/MissionCheckRules.h"
#include "mission/MissionText.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

// The game holds at most this many of each; the editor refuses a 256th
// flight group and warns at a 256th message.
constexpr int kMaxMessages = 255;

// "Flight group 4 \"Red\"", or without the quotes when there is no name
// (which is Windows-1252, as the mission holds it).
std::string Where(const char* what, int number, const std::string& name) {
    std::string where = std::string(what) + " " + std::to_string(number);
    if (!name.empty()) where += " \"" + Win1252ToUtf8(name) + "\"";
    return where;
}

void CheckCount(int count, int limit, const char* things, ProblemKind kind, ProblemSink& sink) {
    if (count <= limit) return;
    sink.Add(ProblemSeverity::Error, kind,
             "has " + std::to_string(count) + " " + things + "; the game takes at most " +
                 std::to_string(limit));
}

void CheckTextLength(const std::string& text, const char* name, size_t blockSize, const char* which,
                     ProblemSink& sink) {
    const size_t length = StoredTextLength(text);
    if (length <= blockSize) return;
    sink.Add(ProblemSeverity::Error, ProblemKind::TextTooLong,
             std::string("the ") + name + " is " + std::to_string(length) + " characters long; " +
                 which + " keeps " + std::to_string(blockSize) +
                 " and the rest is cut off when it is saved");
}

void CheckMissionLimits(const Mission& mission, ProblemSink& sink) {
    CheckCount(mission.CountFlightGroups(), kMaxFlightGroups, "flight groups",
               ProblemKind::TooManyFlightGroups, sink);
    CheckCount(mission.CountMessages(), kMaxMessages, "messages", ProblemKind::TooManyMessages,
               sink);
    if (mission.Header.IsBop()) {
        CheckTextLength(mission.Description, "description", 4096, "a Balance of Power mission",
                        sink);
        CheckTextLength(mission.SuccessfulDebriefing, "successful debriefing", 4096,
                        "a Balance of Power mission", sink);
        CheckTextLength(mission.FailedDebriefing, "failed debriefing", 4096,
                        "a Balance of Power mission", sink);
    } else {
        CheckTextLength(mission.Description, "description", 1024, "an XvT mission", sink);
    }
}

// The first enabled start point is where the flight group arrives; with none
// the game has no place to put it. Craft launched from a mothership need
// none (the wizard's starfighters of a fleet have theirs switched off).
void CheckStartPoint(const FlightGroup& fg, ProblemSink& sink) {
    if (fg.FirstEnabledStartPoint() || fg.File.ArriveViaMothership()) return;
    sink.Add(ProblemSeverity::Warning, ProblemKind::NoStartPoint, "has no enabled start point");
}

}  // namespace

std::vector<Problem> CheckMission(const Mission& mission, const CheckOptions& options) {
    std::vector<Problem> problems;
    ProblemSink missionSink(problems, ProblemSubject::Mission, -1, "Mission");
    CheckMissionLimits(mission, missionSink);
    CheckMissionValues(mission, missionSink);

    for (int i = 0; i < mission.CountFlightGroups(); ++i) {
        const FlightGroup& fg = *mission.FlightGroups[size_t(i)];
        ProblemSink sink(problems, ProblemSubject::FlightGroup, i,
                         Where("Flight group", i, fg.File.Name()));
        CheckFlightGroupReferences(mission, fg, sink);
        CheckFlightGroupValues(fg, sink);
        CheckStartPoint(fg, sink);
    }
    for (int i = 0; i < mission.CountMessages(); ++i) {
        const RadioMessage& message = *mission.Messages[size_t(i)];
        ProblemSink sink(problems, ProblemSubject::Message, i,
                         Where("Message", i, message.File.TextWithoutColour()));
        CheckMessageReferences(mission, message, sink);
        CheckMessageValues(message, sink);
        CheckWaveFile(message, options.GameFolder, sink);
    }
    for (int t = 0; t < kTeamCount; ++t) {
        ProblemSink sink(problems, ProblemSubject::Team, t,
                         Where("Team", t + 1, mission.Teams[size_t(t)].Name()));
        CheckTeamReferences(mission, t, sink);
        CheckTeamValues(mission, t, sink);
        CheckTeamBriefing(mission, t, sink);
    }
    for (int b = 0; b < kBriefingCount; ++b) {
        ProblemSink sink(problems, ProblemSubject::Briefing, b,
                         "Briefing " + std::to_string(b + 1));
        CheckBriefing(mission, b, sink);
    }
    return problems;
}

bool HasErrors(const std::vector<Problem>& problems) {
    return std::any_of(problems.begin(), problems.end(),
                       [](const Problem& p) { return p.Severity == ProblemSeverity::Error; });
}

}  // namespace vantorel
