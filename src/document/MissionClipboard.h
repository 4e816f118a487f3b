#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ItemRemoval.h"
#include "mission/Mission.h"

namespace vantorel {

class LevelDocument;

// What Copy takes out of a mission for the clipboard: whole flight groups
// (file record and goal strings, every byte, the ones the editor does not
// understand included) with the positions they had, or radio messages with
// their wave files. The positions let references among copied flight groups
// follow them to where they are pasted.
struct MissionClip {
    struct CopiedFlightGroup {
        int sourcePosition = -1;
        FlightGroupRecord file;
        FgGoalStrings goalStrings;
    };
    struct CopiedMessage {
        int sourcePosition = -1;  // not carried by the clipboard's bytes
        RadioMessage message;
    };
    std::vector<CopiedFlightGroup> flightGroups;
    std::vector<CopiedMessage> messages;

    bool Empty() const { return flightGroups.empty() && messages.empty(); }
};

// The selected flight groups, in list order.
MissionClip CopySelectedFlightGroups(const Mission& mission);
// The message at the position (nothing for a position that holds none).
MissionClip CopyMessage(const Mission& mission, int position);

// The clipboard's private format. Decoding takes bytes from any program:
// anything that is not exactly a clip of this format gives none.
std::string EncodeClip(const MissionClip& clip);
std::optional<MissionClip> DecodeClip(std::string_view bytes);

// Every field of the record that names a flight group by position (the
// flight group variables of its triggers and the flight group targets of its
// orders, its four motherships) and names one of `moves`' keys is changed to
// that key's value. Other references are kept.
void RenumberFlightGroupReferences(FlightGroupRecord& record, const std::map<int, int>& moves);

// A pasted message's wave file, held to the rules of one chosen with Browse
// (a clip may come from any program): a file in the game's wave folder is
// kept; of any other only the name is kept, in the wave folder (a bare name
// while no game folder is set), so that saving lists it and never copies a
// file the clip merely names; the check reports it missing. A path with a
// control character is dropped.
std::string PastedWaveFile(const std::string& wave, const std::string& gameFolder);

// Appends the clip's flight groups and messages to the document's mission as
// one edit (named `name`), with references among the pasted flight groups
// renumbered, and selects what was pasted: the pasted flight groups become
// the selection. A paste that would pass the game's 255 flight groups, or the
// messages a file can hold, shows the limit message and pastes nothing; wave
// files go through PastedWaveFile. Returns the new positions.
struct PasteResult {
    bool pasted = false;
    std::vector<int> flightGroups;
    std::vector<int> messages;
};
PasteResult PasteClip(LevelDocument& document, const MissionClip& clip,
                      const std::string& name = "Paste");

// Takes out what the clip was copied from, as Delete takes it out (one edit
// "Cut", every other reference kept on its flight group), asking first when
// fields would lose their flight group. The clip must have been copied from
// the document as it is now. Once the groups are out, the clip names flight
// groups as the mission now numbers them, its own at the end where a paste
// puts them, so a Cut and a Paste into the same mission re-aim nothing.
RemovalResult RemoveCopied(LevelDocument& document, MissionClip& clip);

}  // namespace vantorel
