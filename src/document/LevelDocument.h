#pragma once

#include <filesystem>

#include "document/Mission.h"
#include "document/PropertyBarHooks.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

namespace vantorel {

// One open mission and the operations that create it and change which flight
// groups and radio messages it holds. The window layer wraps this in its
// document class; everything here works without a window.
//
// The selection is not kept here: it is the Selected and PointSelected flags
// of the flight groups themselves, shared with the map and the property
// windows. Flight groups and messages are named by their position in their
// list; removing one renumbers nothing, so references held by triggers,
// orders and goals then name whatever stands at that position.
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

    bool IsModified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }

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

    // Appends a flight group with the defaults of a new one and marks the
    // document modified. At the game's limit of 255 it says so and returns
    // nullptr; the list is left alone.
    FlightGroup* AddFlightGroup();

    int CountFlightGroups() const { return mission_.CountFlightGroups(); }
    int CountSelectedFlightGroups() const { return mission_.CountSelectedFlightGroups(); }

    // Removes every selected flight group, after asking when the setting
    // "Settings"/"ConfirmDelete" is 1. Returns the number removed (0 when the
    // user said No or nothing was selected).
    int DeleteSelectedFlightGroups();

    // Appends an empty message and returns its position. Past the game's
    // limit it warns but still adds, so nothing the user asked for is lost.
    int AddRadioMessage();

    // Removes the message at the position; does nothing for a position that
    // holds no message.
    void DeleteRadioMessage(int position);

private:
    Settings& settings_;
    Prompter& prompter_;
    NoPropertyBar noBar_;
    PropertyBarHooks* bar_;
    Mission mission_;
    std::filesystem::path path_;
    bool suppressInitialFlightGroup_ = false;
    bool modified_ = false;
};

// Message texts shown by the document operations.
inline constexpr const char* kTooManyFlightGroupsText =
    "X-Wing vs. Tie Fighter can only support up to 255 flight groups";
inline constexpr const char* kTooManyMessagesText =
    "X-Wing vs. Tie Fighter can only support up to 255 radio messages";
inline constexpr int kMaxRadioMessages = 255;

}  // namespace vantorel
