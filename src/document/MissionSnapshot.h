#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/MissionEdit.h"
#include "mission/Mission.h"

namespace vantorel {

// Everything of a mission that an edit can change, captured so that changes
// made in place afterwards (a drag, a builder) can be turned into one edit.
// Code between the capture and TakeChanges may change records and append or
// insert flight groups and messages, but must not remove any: a removed
// object is gone and could not be brought back by an undo.
class MissionSnapshot {
public:
    explicit MissionSnapshot(Mission& mission);

    struct Changes {
        // The edit that makes the captured mission the changed one; null
        // when nothing changed or when it could not be built.
        std::unique_ptr<MissionEdit> edit;
        // Flight groups or messages were removed since the capture: the
        // change cannot be taken back, and the mission was left as it is.
        bool irreversible = false;
    };

    // Builds the edit and steps the mission back to the captured state, so
    // that applying the edit (through the document) makes the change again.
    Changes TakeChanges(Mission& mission, std::string name);

private:
    struct FlightGroupCopy {
        FlightGroup* live;
        FlightGroupRecord file;
        FgGoalStrings goalStrings;
    };
    struct MessageCopy {
        RadioMessage* live;
        MessageRecord file;
        std::string waveFile;
    };

    MissionHeader header_;
    std::array<GlobalGoalsRecord, kTeamCount> globalGoals_;
    std::array<TeamRecord, kTeamCount> teams_;
    std::array<Briefing, kBriefingCount> briefings_;
    GlobalGoalStrings goalStrings_;
    std::string successfulDebriefing_, failedDebriefing_, description_;
    std::vector<FlightGroupCopy> flightGroups_;
    std::vector<MessageCopy> messages_;
};

}  // namespace vantorel
