#include "document/LevelDocument.h"

#include <algorithm>
#include <string>

#include "catalogue/CraftTypes.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "document/WaveLinking.h"
#include "document/Win1252.h"

namespace vantorel {

LevelDocument::LevelDocument(Settings& settings, Prompter& prompter, PropertyBarHooks* bar)
    : settings_(settings), prompter_(prompter), bar_(bar ? bar : &noBar_) {}

void LevelDocument::SetPropertyBar(PropertyBarHooks* bar) {
    bar_ = bar ? bar : &noBar_;
}

void LevelDocument::OnNewDocument() {
    mission_ = Mission();
    path_.clear();

    MissionHeader& header = mission_.Header;
    header = MissionHeader();
    const bool bop = settings_.GetInt("Paths", "GotBOP", 1) != 0;
    header.SetFormatVersion(bop ? MissionHeader::kBopVersion : MissionHeader::kXvtVersion);
    // Three header bytes the game expects set in every mission it made.
    header.SetU8(0x08, 1);
    header.SetU8(0x0B, 1);
    header.SetU8(0x65, 1);
    header.SetMissionType(uint8_t(settings_.GetInt("Settings", "InitialMission", 2)));

    for (auto& goals : mission_.GlobalGoals) {
        goals = GlobalGoalsRecord();
        goals.SetU16(0, 3);
    }
    for (int t = 0; t < kTeamCount; ++t) {
        TeamRecord& team = mission_.Teams[size_t(t)];
        team = TeamRecord();
        team.SetU16(0, 1);
        team.SetName("Team " + std::to_string(t + 1));
    }
    mission_.Teams[0].SetName("Imperial");
    mission_.Teams[1].SetName("Rebel");
    mission_.Description = "New Mission";

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
    modified_ = false;
}

void LevelDocument::SetMission(Mission mission) {
    mission_ = std::move(mission);
    modified_ = false;
}

bool LevelDocument::OnOpenDocument(const std::filesystem::path& path) {
    Mission loaded;
    if (!LoadMissionFile(path, loaded, prompter_)) return false;
    ReadWaveListing(loaded, path, settings_, prompter_);
    mission_ = std::move(loaded);
    path_ = path;
    modified_ = false;
    return true;
}

bool LevelDocument::OnSaveDocument(const std::filesystem::path& path) {
    bar_->ApplyAll();
    return SaveAppliedDocument(path);
}

bool LevelDocument::SaveAppliedDocument(const std::filesystem::path& path) {
    if (!SaveMissionFile(path, mission_, prompter_)) return false;
    path_ = path;
    modified_ = false;
    WriteWaveListing(mission_, path, settings_, prompter_);
    return true;
}

FlightGroup* LevelDocument::AddFlightGroup() {
    if (mission_.CountFlightGroups() >= kMaxFlightGroups) {
        prompter_.Warning(kTooManyFlightGroupsText);
        return nullptr;
    }
    FlightGroup& fg = mission_.AppendFlightGroup();
    FlightGroupRecord& r = fg.File;
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
    modified_ = true;
    return &fg;
}

int LevelDocument::DeleteSelectedFlightGroups() {
    bar_->ApplyAll();
    auto& list = mission_.FlightGroups;
    // Asking to delete nothing would be a question without a subject.
    if (std::none_of(list.begin(), list.end(), [](const auto& fg) { return fg->Selected != 0; }))
        return 0;

    if (settings_.GetInt("Settings", "ConfirmDelete", 1) == 1) {
        std::string text = "Are you sure you want to delete these flightgroups?\n";
        for (const auto& fg : list) {
            if (!fg->Selected) continue;
            const int count = fg->File.NumberOfCraft();
            text += std::to_string(count) + " " + CraftNameForCount(fg->File.CraftType(), count) +
                    " " + Win1252ToUtf8(fg->File.Name()) + "\n";
        }
        if (!prompter_.AskYesNo(text)) return 0;
    }

    const auto before = list.size();
    std::erase_if(list, [](const auto& fg) { return fg->Selected != 0; });
    modified_ = true;
    bar_->RefreshAll();
    bar_->UpdateViews();
    return int(before - list.size());
}

int LevelDocument::AddRadioMessage() {
    const int count = mission_.CountMessages();
    if (count >= kMaxRadioMessages) prompter_.Warning(kTooManyMessagesText);
    mission_.AppendMessage();
    modified_ = true;
    return count;
}

void LevelDocument::DeleteRadioMessage(int position) {
    auto& list = mission_.Messages;
    if (position < 0 || position >= int(list.size())) return;
    modified_ = true;
    list.erase(list.begin() + position);
    bar_->RefreshAll();
}

}  // namespace vantorel
