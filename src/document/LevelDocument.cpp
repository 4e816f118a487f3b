#include "document/LevelDocument.h"

#include <algorithm>
#include <string>

#include "document/FileFingerprint.h"
#include "document/ItemRemoval.h"
#include "document/ListChange.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "document/WaveLinking.h"

namespace vantorel {

LevelDocument::LevelDocument(Settings& settings, Prompter& prompter, PropertyBarHooks* bar)
    : settings_(settings), prompter_(prompter), bar_(bar ? bar : &noBar_) {}

void LevelDocument::SetPropertyBar(PropertyBarHooks* bar) {
    bar_ = bar ? bar : &noBar_;
}

void LevelDocument::OnNewDocument() {
    mission_ = Mission();
    path_.clear();
    diskFingerprint_.reset();

    SetNewMissionDefaults(mission_, settings_.GetInt("Paths", "GotBOP", 1) != 0,
                          uint8_t(settings_.GetInt("Settings", "InitialMission", 2)));

    if (settings_.GetInt("Settings", "InitialFG", 1) != 0 && !suppressInitialFlightGroup_) {
        if (FlightGroup* fg = AddFlightGroup()) {
            fg->File.SetName("New");
            fg->Selected = 1;
            fg->PointSelected[kFirstStartPoint] = 1;
            fg->File.SetWaypointEnabled(kFirstStartPoint, 1);
            fg->File.SetCraftType(6);
            fg->File.SetPlayerNumber(1);
            fg->File.SetIff(1);
        }
    }
    ForgetHistory(false);
    Notify(DocumentEvent::Replaced);
}

void LevelDocument::SetMission(Mission mission) {
    mission_ = std::move(mission);
    ForgetHistory(false);
    Notify(DocumentEvent::Replaced);
}

bool LevelDocument::OnOpenDocument(const std::filesystem::path& path) {
    Mission loaded;
    uint64_t fingerprint = 0;
    if (!LoadMissionFile(path, loaded, prompter_, &fingerprint)) return false;
    ReadWaveListing(loaded, path, settings_, prompter_);
    mission_ = std::move(loaded);
    path_ = path;
    diskFingerprint_ = fingerprint;
    ForgetHistory(false);
    Notify(DocumentEvent::Replaced);
    return true;
}

bool LevelDocument::OnSaveDocument(const std::filesystem::path& path) {
    bar_->ApplyAll();
    return SaveAppliedDocument(path);
}

bool LevelDocument::SaveAppliedDocument(const std::filesystem::path& path) {
    if (!SaveMissionFile(path, mission_, prompter_)) return false;
    path_ = path;
    diskFingerprint_ = FileFingerprint(path);
    // The listing may rewrite wave paths to the copies it made; those are
    // part of what was saved.
    WriteWaveListing(mission_, path, settings_, prompter_);
    history_.MarkClean();
    Notify(DocumentEvent::State);
    return true;
}

LevelDocument::DiskState LevelDocument::CheckDisk() const {
    if (path_.empty()) return DiskState::Same;
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) return DiskState::Missing;
    const auto now = FileFingerprint(path_);
    // A file that cannot be read now (being written) is not taken as changed.
    if (!now) return DiskState::Same;
    return now == diskFingerprint_ ? DiskState::Same : DiskState::Changed;
}

void LevelDocument::AdoptDiskState() {
    diskFingerprint_ = path_.empty() ? std::nullopt : FileFingerprint(path_);
}

void SetNewMissionDefaults(Mission& mission, bool bop, uint8_t missionType) {
    MissionHeader& header = mission.Header;
    header = MissionHeader();
    header.SetFormatVersion(bop ? MissionHeader::kBopVersion : MissionHeader::kXvtVersion);
    // Three header bytes the game expects set in every mission it made.
    header.SetU8(0x08, 1);
    header.SetU8(0x0B, 1);
    header.SetU8(0x65, 1);
    header.SetMissionType(missionType);

    for (auto& goals : mission.GlobalGoals) {
        goals = GlobalGoalsRecord();
        goals.SetU16(0, 3);
    }
    for (int t = 0; t < kTeamCount; ++t) {
        TeamRecord& team = mission.Teams[size_t(t)];
        team = TeamRecord();
        team.SetU16(0, 1);
        team.SetName("Team " + std::to_string(t + 1));
    }
    mission.Teams[0].SetName("Imperial");
    mission.Teams[1].SetName("Rebel");
    mission.Description = "New Mission";
}

std::unique_ptr<FlightGroup> MakeDefaultFlightGroup() {
    auto fg = std::make_unique<FlightGroup>();
    FlightGroupRecord& r = fg->File;
    for (int g = 0; g < FlightGroupRecord::kGoalCount; ++g)
        r.Goals(g).SetCondition(Trigger::kFalse);
    for (int o = 0; o < FlightGroupRecord::kOrderCount; ++o) {
        Order order = r.Orders(o);
        order.SetThrottle(10);
        order.SetParameter1(1);
        order.SetParameter2(1);
        order.SetTarget34AndOr(kOr);
        order.SetTarget12AndOr(kOr);
    }
    r.SetNumberOfCraft(1);
    r.SetSpecialCargoCraft(1);
    r.SetFormationSpacing(5);
    r.SetOrientation(64);  // "Flat"
    return fg;
}

FlightGroup* LevelDocument::AddFlightGroup() {
    if (mission_.CountFlightGroups() >= kMaxFlightGroups) {
        prompter_.Warning(kTooManyFlightGroupsText);
        return nullptr;
    }
    auto fg = MakeDefaultFlightGroup();
    FlightGroup* made = fg.get();
    if (InChange()) {
        mission_.FlightGroups.push_back(std::move(fg));
    } else {
        std::vector<std::pair<int, std::unique_ptr<FlightGroup>>> items;
        items.push_back({mission_.CountFlightGroups(), std::move(fg)});
        Commit(FlightGroupListChange::Inserting("Add Flight Group", &Mission::FlightGroups,
                                                std::move(items)));
    }
    return made;
}

FlightGroup* LevelDocument::NewFlightGroup() {
    // What looks selected is selected: the old groups lose their point
    // marks with their selection.
    bool deselected = false;
    for (auto& each : mission_.FlightGroups) {
        deselected = deselected || each->Selected;
        each->Selected = 0;
        each->PointSelected.fill(0);
    }
    if (deselected) NotifySelectionChanged();
    if (mission_.CountFlightGroups() >= kMaxFlightGroups) {
        prompter_.Warning(kTooManyFlightGroupsText);
        return nullptr;
    }
    auto fg = MakeDefaultFlightGroup();
    fg->File.SetName("New");
    fg->File.SetWaypointEnabled(kFirstStartPoint, 1);
    fg->Selected = 1;
    fg->PointSelected[kFirstStartPoint] = 1;
    FlightGroup* made = fg.get();
    std::vector<std::pair<int, std::unique_ptr<FlightGroup>>> items;
    items.push_back({mission_.CountFlightGroups(), std::move(fg)});
    Commit(FlightGroupListChange::Inserting("New Flight Group", &Mission::FlightGroups,
                                            std::move(items)));
    NotifySelectionChanged();
    return made;
}

int LevelDocument::DeleteSelectedFlightGroups(bool* brokeReferences) {
    bar_->ApplyAll();
    std::vector<int> positions;
    for (int i = 0; i < mission_.CountFlightGroups(); ++i)
        if (mission_.FlightGroups[size_t(i)]->Selected) positions.push_back(i);
    const int count = int(positions.size());
    const char* name = count == 1 ? "Delete Flight Group" : "Delete Flight Groups";
    const RemovalResult result = RemoveItems(*this, {std::move(positions), {}}, name);
    if (brokeReferences) *brokeReferences = result.brokeReferences;
    return result.removed ? count : 0;
}

int LevelDocument::AddRadioMessage() {
    const int count = mission_.CountMessages();
    if (count >= kMaxRadioMessages) prompter_.Warning(kTooManyMessagesText);
    if (InChange()) {
        mission_.AppendMessage();
    } else {
        std::vector<std::pair<int, std::unique_ptr<RadioMessage>>> items;
        items.push_back({count, std::make_unique<RadioMessage>()});
        Commit(MessageListChange::Inserting("Add Radio Message", &Mission::Messages,
                                            std::move(items)));
    }
    return count;
}

void LevelDocument::DeleteRadioMessage(int position) {
    RemoveItems(*this, {{}, {position}}, "Delete Radio Message");
}

void LevelDocument::SetModified(bool modified) {
    const bool before = IsModified();
    if (modified)
        history_.MarkNoClean();
    else
        history_.MarkClean();
    ModifiedMayHaveChanged(before);
}

void LevelDocument::ModifiedMayHaveChanged(bool before) {
    if (before != IsModified()) Notify(DocumentEvent::State);
}

void LevelDocument::ForgetHistory(bool modified) {
    changeDepth_ = 0;
    snapshot_.reset();
    history_.Clear();
    if (modified) history_.MarkNoClean();
    Notify(DocumentEvent::State);
}

void LevelDocument::Record(std::unique_ptr<MissionEdit> edit, const std::string& mergeKey) {
    if (!mergeKey.empty()) edit->SetMergeKey(MergeKeyNamed(mergeKey));
    history_.Push(std::move(edit));
    Notify(DocumentEvent::Content);
}

bool LevelDocument::Commit(std::unique_ptr<MissionEdit> edit, const std::string& mergeKey) {
    if (!edit || edit->IsEmpty()) return false;
    const bool reopen = InChange();
    if (reopen) FlushChange();
    edit->Apply(mission_);
    const bool changed = !edit->IsEmpty();
    if (changed) Record(std::move(edit), mergeKey);
    if (reopen) snapshot_.emplace(mission_);
    return changed;
}

void LevelDocument::FlushChange() {
    if (!snapshot_) return;
    MissionSnapshot::Changes changes = snapshot_->TakeChanges(mission_, changeName_);
    snapshot_.reset();
    if (changes.irreversible) {
        // Something was removed behind the history's back: what is recorded
        // no longer fits the mission. Keep the mission, drop the history, and
        // make sure the change is saved or asked about.
        ForgetHistory(true);
        Notify(DocumentEvent::Content);
        return;
    }
    if (changes.edit) {
        changes.edit->Apply(mission_);
        Record(std::move(changes.edit));
    }
}

void LevelDocument::BeginChange(std::string name) {
    if (changeDepth_++ > 0) return;
    changeName_ = std::move(name);
    snapshot_.emplace(mission_);
}

bool LevelDocument::EndChange() {
    if (changeDepth_ == 0) return false;
    if (--changeDepth_ > 0) return false;
    const size_t before = history_.Size();
    FlushChange();
    return history_.Size() != before;
}

std::string LevelDocument::UndoName() const {
    const MissionEdit* e = history_.NextUndo();
    return e ? e->Name() : std::string();
}

std::string LevelDocument::RedoName() const {
    const MissionEdit* e = history_.NextRedo();
    return e ? e->Name() : std::string();
}

bool LevelDocument::Step(bool back) {
    if (InChange()) {
        // An open change is closed first, so an undo takes it back; what the
        // change does afterwards is gathered anew.
        const int depth = changeDepth_;
        FlushChange();
        changeDepth_ = 0;
        const bool stepped = Step(back);
        changeDepth_ = depth;
        snapshot_.emplace(mission_);
        return stepped;
    }
    if (back ? !history_.CanUndo() : !history_.CanRedo()) return false;
    return StepTo(back ? history_.Position() - 1 : history_.Position() + 1);
}

bool LevelDocument::StepTo(size_t position) {
    if (InChange() || position > history_.Size() || position == history_.Position()) return false;
    while (history_.Position() > position) {
        history_.NextUndo()->Revert(mission_);
        history_.SteppedBack();
    }
    while (history_.Position() < position) {
        history_.NextRedo()->Apply(mission_);
        history_.SteppedForward();
    }
    Notify(DocumentEvent::Content);
    return true;
}

int LevelDocument::AddListener(Listener listener) {
    const int id = nextListener_++;
    listeners_[id] = std::move(listener);
    return id;
}

void LevelDocument::RemoveListener(int id) {
    listeners_.erase(id);
}

void LevelDocument::SetCurrentMessage(int position) {
    currentMessage_ = position >= 0 && position < mission_.CountMessages() ? position : -1;
}

void LevelDocument::Notify(DocumentEvent event) {
    // The windows told next read the current message: it must be one.
    if (currentMessage_ >= mission_.CountMessages()) currentMessage_ = -1;
    // A listener may add or remove listeners while it is told.
    std::vector<Listener> now;
    for (const auto& [id, l] : listeners_) now.push_back(l);
    for (const auto& l : now) l(event);
}

}  // namespace vantorel
