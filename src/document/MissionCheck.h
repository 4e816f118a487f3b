#pragma once

#include <string>
#include <vector>

namespace vantorel {

struct Mission;

// A mission the game will reject or play wrongly is found by its problems:
// references by position that point at nothing (a field that named a
// deleted flight group names none), counts past the game's limits, texts too
// long for their block, numbers past the tables the game looks them up in,
// flight groups with no place to start, wave files that are missing or
// outside the wave folder.

enum class ProblemSeverity {
    Warning,  // the mission plays, perhaps not as meant
    Error,    // the game will reject it or read past what is there
};

// What a problem is about, so that a list of problems can select it and open
// its property window.
enum class ProblemSubject { Mission, FlightGroup, Message, Team, Briefing };

enum class ProblemKind {
    MissingFlightGroup,  // a field names a flight group past the end of the list
    MissingTeam,         // a field names a team past the ten teams
    TooManyFlightGroups,
    TooManyMessages,
    TextTooLong,      // the description or a debriefing is cut when saved
    NoStartPoint,     // a flight group has no enabled start point
    WaveFileMissing,  // a message's wave file is not there (or is a folder)
    WaveFileOutside,  // its listing line leads out of the wave folder
    InvalidValue,     // a number past the table or list the game looks it up in
    OddValue,         // legal, but seldom what was meant

    // Briefings.
    TextTagTooLong,       // an event shows a text tag of 40 or more characters: the game crashes
    EmptyBriefingText,    // an event shows an empty string or tag
    BriefingTiming,       // events out of time order, or after the running time
    TeamWithoutBriefing,  // a team with players is shown no briefing
    BriefingUnreadable,   // a command block does not decode

    // The mission's flow.
    NeverHappens,  // it can never happen (flow/FlowCheck.h)
};

struct Problem {
    ProblemSeverity Severity = ProblemSeverity::Error;
    ProblemKind Kind = ProblemKind::MissingFlightGroup;
    ProblemSubject Subject = ProblemSubject::Mission;
    // Position of the flight group or message in its list, or the team or
    // briefing index, all from 0; -1 for the mission as a whole.
    int Index = -1;
    // Plain words in UTF-8, as every message of the program. Flight groups
    // and messages are counted from 0 as the file stores them, teams from 1
    // as the editor names them: Where = "Flight group 4 \"Red\"", What =
    // "arrival trigger 1 names flight group 40, which does not exist".
    std::string Where;
    std::string What;
    // For a briefing: the position of the event in its list, from 0; -1 for
    // the briefing as a whole.
    int Event = -1;

    std::string Text() const { return Where + ": " + What; }
    bool operator==(const Problem&) const = default;
};

struct CheckOptions {
    // The game folder (UTF-8, as the settings hold it). Wave files are found
    // relative to its wave folder; empty when none is configured.
    std::string GameFolder;
};

// Every problem of the mission: the mission's own first, then each flight
// group, message, team and briefing in order. Nothing is reported twice.
std::vector<Problem> CheckMission(const Mission& mission, const CheckOptions& options = {});

bool HasErrors(const std::vector<Problem>& problems);

}  // namespace vantorel
