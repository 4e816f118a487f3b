#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "document/EditHistory.h"
#include "document/MissionEdit.h"
#include "document/MissionSnapshot.h"
#include "document/PropertyBarHooks.h"
#include "mission/Mission.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

namespace vantorel {

// What a document tells its listeners.
enum class DocumentEvent {
    Content,    // the mission changed: an edit was made, undone or redone
    State,      // the modified flag, the path or what Undo/Redo would do changed
    Selection,  // flight groups were selected or deselected
    Replaced,   // a whole new mission: opened, new or built
};

// One open mission and the operations that create it and change which flight
// groups and radio messages it holds. The window layer wraps this in its
// document class; everything here works without a window.
//
// Every change of the mission goes through Commit (or a change scope, which
// ends in Commit): the edit is applied, recorded for Undo and Redo, and the
// listeners hear of it once. An edit that changes no byte is dropped.
//
// The selection is not kept here: it is the Selected and PointSelected flags
// of the flight groups themselves, shared with the map and the property
// windows. Flight groups and messages are named by their position in their
// list; deleting flight groups renumbers the references to later ones, so
// triggers, orders and goals keep naming the same flight group.
class LevelDocument {
public:
    // The settings, prompter and bar must outlive the document. Without a bar
    // the document behaves the same but nothing is refreshed.
    LevelDocument(Settings& settings, Prompter& prompter, PropertyBarHooks* bar = nullptr);

    LevelDocument(const LevelDocument&) = delete;
    LevelDocument& operator=(const LevelDocument&) = delete;

    Mission& GetMission() { return mission_; }
    const Mission& GetMission() const { return mission_; }
    MissionHeader& GetHeader() { return mission_.GetHeader(); }
    const MissionHeader& GetHeader() const { return mission_.GetHeader(); }

    Settings& GetSettings() { return settings_; }
    Prompter& GetPrompter() { return prompter_; }
    PropertyBarHooks& Bar() { return *bar_; }
    void SetPropertyBar(PropertyBarHooks* bar);

    // Set while a wizard builds the mission, so the new mission starts empty.
    bool SuppressInitialFlightGroup() const { return suppressInitialFlightGroup_; }
    void SetSuppressInitialFlightGroup(bool suppress) { suppressInitialFlightGroup_ = suppress; }

    // Modified means the mission differs from the file it was opened from or
    // last saved to; undoing back to that state makes it unmodified again.
    bool IsModified() const { return !history_.IsClean(); }
    // True: no state is the saved one (a built mission never saved). False:
    // the mission as it is now counts as saved.
    void SetModified(bool modified = true);

    // The one gateway for changes: applies the edit, records it and tells the
    // listeners. False (and nothing recorded) when it changed nothing. Edits
    // committed one after another with the same merge key (what is typed
    // into one box) are one step of Undo.
    bool Commit(std::unique_ptr<MissionEdit> edit, const std::string& mergeKey = {});

    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // The name of the edit the next Undo or Redo concerns; empty when none.
    std::string UndoName() const;
    std::string RedoName() const;
    bool Undo() { return Step(true); }
    bool Redo() { return Step(false); }
    // The recorded edits, how far they are applied and which state is saved.
    const EditHistory& History() const { return history_; }
    // Undoes or redoes up to the state after `position` edits, as one move
    // that the listeners hear of once. False when there is no such state, the
    // mission is there already, or a change is open.
    bool StepTo(size_t position);
    // Forgets every recorded edit and counts the mission as it is now as
    // saved or not (a mission built by the wizard starts unsaved).
    void ForgetHistory(bool modified);

    // Changes made in place between BeginChange and EndChange (a map drag, a
    // builder) become one edit. Changes may nest; the outermost EndChange
    // commits. Flight groups and messages may be added, not removed, in a
    // change. An edit committed while a change is open first closes the
    // change as an edit of its own, so nothing is ever left unrecorded.
    void BeginChange(std::string name);
    bool EndChange();
    bool InChange() const { return changeDepth_ > 0; }

    // Opens a change for the life of the scope.
    class ChangeScope {
    public:
        ChangeScope(LevelDocument& doc, std::string name) : doc_(doc) {
            doc_.BeginChange(std::move(name));
        }
        ~ChangeScope() { doc_.EndChange(); }
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        LevelDocument& doc_;
    };

    using Listener = std::function<void(DocumentEvent)>;
    int AddListener(Listener listener);
    void RemoveListener(int id);
    // Whoever changes the Selected flags says so, for the windows that follow
    // the selection (selection is not an edit: it is not in the file).
    void NotifySelectionChanged() { Notify(DocumentEvent::Selection); }

    // The team and the radio message that the team and message windows
    // edit, as chosen in the level sheet's Teams and Messages lists. They
    // live here, one pair per mission, so that every window reads the same
    // ones whether or not those lists were ever built, and another mission
    // never lends its choice. Positions from 0; -1 is none. The team starts
    // at the first; a message position that no longer holds a message after
    // a change reads -1 from then on.
    int CurrentTeam() const { return currentTeam_; }
    void SetCurrentTeam(int team) { currentTeam_ = team >= 0 && team < kTeamCount ? team : -1; }
    int CurrentMessage() const {
        return currentMessage_ < mission_.CountMessages() ? currentMessage_ : -1;
    }
    void SetCurrentMessage(int position);

    // The path the mission was opened from or last saved to; empty for a
    // mission that was never saved.
    const std::filesystem::path& GetPath() const { return path_; }
    void SetPath(std::filesystem::path path) { path_ = std::move(path); }

    // Replaces the mission with the defaults of a new one (format from
    // "Paths"/"GotBOP", type from "Settings"/"InitialMission", and one
    // selected flight group "New" unless "Settings"/"InitialFG" is 0 or the
    // initial flight group is suppressed). Clears the modified flag.
    void OnNewDocument();

    // Takes a mission read from a file; clears the modified flag.
    void SetMission(Mission mission);

    // Reads the mission file at path, then the wave listing that links its
    // messages to their sounds. A refused file is reported and leaves the
    // document as it was.
    bool OnOpenDocument(const std::filesystem::path& path);

    // Has the property windows write back their edits, saves the mission to
    // path (the old file survives a failed save), then writes the wave
    // listing when wave linking is on. Failures of the listing or of a copy
    // are reported but do not undo the saved mission.
    bool OnSaveDocument(const std::filesystem::path& path);

    // The same without asking the property windows first, for a caller that
    // has just done so (Save As applies before it picks a folder).
    bool SaveAppliedDocument(const std::filesystem::path& path);

    // Whether the file at the document's path is still what the document last
    // read or wrote there (another program may have changed or removed it).
    enum class DiskState { Same, Changed, Missing };
    DiskState CheckDisk() const;
    // Takes the file as it is now as the one the document read.
    void AdoptDiskState();

    // Appends a flight group with the defaults of a new one, as part of the
    // open change or else as an edit of its own. At the game's limit of 255
    // it says so and returns nullptr; the list is left alone.
    FlightGroup* AddFlightGroup();

    // The New Flightgroup command: clears the selection, then adds "New",
    // selected with its first start point enabled and marked, as one edit.
    // At the limit only the cleared selection remains.
    FlightGroup* NewFlightGroup();

    int CountFlightGroups() const { return mission_.CountFlightGroups(); }
    int CountSelectedFlightGroups() const { return mission_.CountSelectedFlightGroups(); }

    // Removes every selected flight group through RemoveItems (ItemRemoval.h):
    // asked about when "Settings"/"ConfirmDelete" is 1, one edit that keeps
    // every other reference on the flight group it names. Returns the number
    // removed (0 when the user said No or nothing was selected), and whether
    // some fields now name no flight group.
    int DeleteSelectedFlightGroups(bool* brokeReferences = nullptr);

    // Appends an empty message and returns its position. Past the game's
    // limit it warns but still adds, so nothing the user asked for is lost.
    int AddRadioMessage();

    // Removes the message at the position through RemoveItems; does nothing
    // for a position that holds no message.
    void DeleteRadioMessage(int position);

private:
    void Notify(DocumentEvent event);
    void Record(std::unique_ptr<MissionEdit> edit, const std::string& mergeKey = {});
    bool Step(bool back);
    // Closes the open change: what changed in place becomes an edit.
    void FlushChange();
    void ModifiedMayHaveChanged(bool before);

    Settings& settings_;
    Prompter& prompter_;
    NoPropertyBar noBar_;
    PropertyBarHooks* bar_;
    Mission mission_;
    std::filesystem::path path_;
    std::optional<uint64_t> diskFingerprint_;
    bool suppressInitialFlightGroup_ = false;
    EditHistory history_;
    int changeDepth_ = 0;
    std::string changeName_;
    std::optional<MissionSnapshot> snapshot_;
    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
    int currentTeam_ = 0;
    int currentMessage_ = -1;
};

// The header, teams, global goals and description of a new mission (no flight
// group): what File > New starts from.
void SetNewMissionDefaults(Mission& mission, bool bop, uint8_t missionType);

// The defaults of a new flight group, not yet in any mission.
std::unique_ptr<FlightGroup> MakeDefaultFlightGroup();

// Message texts shown by the document operations.
inline constexpr const char* kTooManyFlightGroupsText =
    "X-Wing vs. Tie Fighter can only support up to 255 flight groups";
inline constexpr const char* kTooManyMessagesText =
    "X-Wing vs. Tie Fighter can only support up to 255 radio messages";
inline constexpr int kMaxRadioMessages = 255;
inline constexpr const char* kPasteTooManyMessagesText =
    "A mission file can hold at most 65,535 radio messages. Nothing was pasted.";

}  // namespace vantorel
