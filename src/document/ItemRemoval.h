#pragma once

#include <string>
#include <vector>

namespace vantorel {

class LevelDocument;

// The one way flight groups and radio messages leave a mission: Delete, Cut
// and every later caller go through here, so every field that names a flight
// group keeps naming it, and a field that named one taken out names none
// after a question that lists it.

// Positions in the mission as it is now; any order, repeats ignored.
struct ItemsToRemove {
    std::vector<int> flightGroups;
    std::vector<int> messages;
};

// When the question is asked (only ever with "Settings"/"ConfirmDelete" 1).
enum class RemovalQuestion {
    Always,               // Delete: the user is told what goes
    WhenReferencesBreak,  // Cut: what goes is on the clipboard; only the
                          // fields that lose their flight group are news
};

struct RemovalResult {
    bool removed = false;          // false: nothing to remove, or the user said No
    bool brokeReferences = false;  // some fields now name no flight group
};

// Asks "Are you sure you want to delete these flightgroups?" with the flight
// groups and the fields that will name none, then takes the items out as one
// edit named `name`, with every reference to a later flight group renumbered.
RemovalResult RemoveItems(LevelDocument& document, ItemsToRemove items, const std::string& name,
                          RemovalQuestion ask = RemovalQuestion::Always);

}  // namespace vantorel
