#pragma once

// The larger rules behind CheckMission, each in its own file. Only the check
// itself includes this.

#include <string>
#include <vector>

#include "document/MissionCheck.h"
#include "mission/Mission.h"

namespace vantorel {

// Collects the problems of one subject under its Where text.
class ProblemSink {
public:
    ProblemSink(std::vector<Problem>& out, ProblemSubject subject, int index, std::string where)
        : out_(out), subject_(subject), index_(index), where_(std::move(where)) {}

    void Add(ProblemSeverity severity, ProblemKind kind, std::string what, int event = -1) {
        out_.push_back({severity, kind, subject_, index_, where_, std::move(what), event});
    }

private:
    std::vector<Problem>& out_;
    ProblemSubject subject_;
    int index_;
    std::string where_;
};

// Flight groups, teams and messages named by position.
void CheckFlightGroupReferences(const Mission& mission, const FlightGroup& fg, ProblemSink& sink);
void CheckMessageReferences(const Mission& mission, const RadioMessage& message, ProblemSink& sink);
void CheckTeamReferences(const Mission& mission, int team, ProblemSink& sink);

// Numbers the game looks up in a table (craft, IFF, formation, conditions,
// orders, ...) that lie past its end.
void CheckMissionValues(const Mission& mission, ProblemSink& sink);
void CheckFlightGroupValues(const FlightGroup& fg, ProblemSink& sink);
void CheckMessageValues(const RadioMessage& message, ProblemSink& sink);
void CheckTeamValues(const Mission& mission, int team, ProblemSink& sink);

// A briefing's events: the flight groups, tags and strings they show, their
// times; a block that cannot be read. And a team with players that is shown
// no briefing.
void CheckBriefing(const Mission& mission, int briefing, ProblemSink& sink);
void CheckTeamBriefing(const Mission& mission, int team, ProblemSink& sink);

// A message's wave file: there, a file, inside the wave folder.
void CheckWaveFile(const RadioMessage& message, const std::string& gameFolder, ProblemSink& sink);

}  // namespace vantorel
