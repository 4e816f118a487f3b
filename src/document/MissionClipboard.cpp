#include "document/MissionClipboard.h"

#include <algorithm>
#include <cstring>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/Orders.h"
#include "document/ItemRemoval.h"
#include "document/LevelDocument.h"
#include "document/ListChange.h"
#include "document/MissionWriter.h"
#include "document/WaveListingLines.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

// "VNTRCLP" and the format's version.
constexpr char kMagic[8] = {'V', 'N', 'T', 'R', 'C', 'L', 'P', '1'};
constexpr size_t kFlightGroupBytes = 2 + FlightGroupRecord::kSize + FgGoalStrings::kSize;
constexpr size_t kMessageBytes = MessageRecord::kSize + 4;

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}

template <class Record>
void PutRecord(std::string& out, const Record& r) {
    out.append(reinterpret_cast<const char*>(r.Data()), Record::kSize);
}

// Reads from the front of the bytes; every read checks what is left.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    size_t Left() const { return rest_.size(); }
    bool Take(void* into, size_t n) {
        if (rest_.size() < n) return false;
        std::memcpy(into, rest_.data(), n);
        rest_.remove_prefix(n);
        return true;
    }
    bool U16(uint32_t& v) { return Int(v, 2); }
    bool U32(uint32_t& v) { return Int(v, 4); }

private:
    bool Int(uint32_t& v, int size) {
        uint8_t b[4] = {};
        if (!Take(b, size_t(size))) return false;
        v = 0;
        for (int i = size - 1; i >= 0; --i) v = (v << 8) | b[i];
        return true;
    }
    std::string_view rest_;
};

}  // namespace

std::string PastedWaveFile(const std::string& wave, const std::string& gameFolder) {
    if (wave.empty() || HasControlCharacter(wave)) return {};
    const std::filesystem::path root = PathFromUtf8(gameFolder) / "wave";
    if (!gameFolder.empty()) {
        const std::optional<std::string> line = ListingLineOf(wave, root);
        if (line && !LeavesWaveFolder(*line)) return wave;
    }
    // The name alone, which saving lists in the wave folder and never copies.
    const size_t slash = wave.find_last_of("\\/:");
    const std::string name = slash == std::string::npos ? wave : wave.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return {};
    return gameFolder.empty() ? name : PathToUtf8(root / PathFromUtf8(name));
}

MissionClip CopySelectedFlightGroups(const Mission& mission) {
    MissionClip clip;
    for (int i = 0; i < mission.CountFlightGroups(); ++i) {
        const FlightGroup& fg = *mission.FlightGroups[size_t(i)];
        if (fg.Selected) clip.flightGroups.push_back({i, fg.File, fg.GoalStrings});
    }
    return clip;
}

MissionClip CopyMessage(const Mission& mission, int position) {
    MissionClip clip;
    if (position >= 0 && position < mission.CountMessages())
        clip.messages.push_back({position, *mission.Messages[size_t(position)]});
    return clip;
}

std::string EncodeClip(const MissionClip& clip) {
    std::string out(kMagic, sizeof kMagic);
    PutU32(out, uint32_t(clip.flightGroups.size()));
    PutU32(out, uint32_t(clip.messages.size()));
    for (const auto& fg : clip.flightGroups) {
        const uint16_t p = uint16_t(fg.sourcePosition);
        out += char(p & 0xFF);
        out += char(p >> 8);
        PutRecord(out, fg.file);
        PutRecord(out, fg.goalStrings);
    }
    for (const auto& m : clip.messages) {
        PutRecord(out, m.message.File);
        PutU32(out, uint32_t(m.message.WaveFile.size()));
        out += m.message.WaveFile;
    }
    return out;
}

std::optional<MissionClip> DecodeClip(std::string_view bytes) {
    Reader in(bytes);
    char magic[sizeof kMagic];
    if (!in.Take(magic, sizeof magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    uint32_t flightGroups = 0, messages = 0;
    if (!in.U32(flightGroups) || !in.U32(messages)) return std::nullopt;
    // Counts are believed only as far as the bytes can hold them.
    if (flightGroups > in.Left() / kFlightGroupBytes) return std::nullopt;
    MissionClip clip;
    clip.flightGroups.resize(flightGroups);
    for (auto& fg : clip.flightGroups) {
        uint32_t position = 0;
        if (!in.U16(position) || !in.Take(fg.file.Data(), FlightGroupRecord::kSize) ||
            !in.Take(fg.goalStrings.Data(), FgGoalStrings::kSize))
            return std::nullopt;
        fg.sourcePosition = int(position);
    }
    if (messages > in.Left() / kMessageBytes) return std::nullopt;
    clip.messages.resize(messages);
    for (auto& m : clip.messages) {
        uint32_t length = 0;
        if (!in.Take(m.message.File.Data(), MessageRecord::kSize) || !in.U32(length) ||
            length > in.Left())
            return std::nullopt;
        m.message.WaveFile.resize(length);
        in.Take(m.message.WaveFile.data(), length);
    }
    if (in.Left() != 0) return std::nullopt;
    return clip;
}

void RenumberFlightGroupReferences(FlightGroupRecord& r, const std::map<int, int>& moves) {
    auto moved = [&moves](uint8_t v) {
        auto it = moves.find(v);
        return it == moves.end() ? v : uint8_t(it->second);
    };
    auto trigger = [&](Trigger t) {
        if (t.VariableType == kVariableFlightGroup) t.Variable = moved(t.Variable);
        return t;
    };
    for (int i = 0; i < 4; ++i) r.SetArrivalTrigger(i, trigger(r.ArrivalTrigger(i)));
    for (int i = 0; i < 2; ++i) {
        r.SetDepartureTrigger(i, trigger(r.DepartureTrigger(i)));
        r.SetJumpToOrder4Trigger(i, trigger(r.JumpToOrder4Trigger(i)));
    }
    for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) {
        Order o = r.Orders(n);
        if (o.Target1Type() == kVariableFlightGroup) o.SetTarget1(moved(o.Target1()));
        if (o.Target2Type() == kVariableFlightGroup) o.SetTarget2(moved(o.Target2()));
        if (o.Target3Type() == kVariableFlightGroup) o.SetTarget3(moved(o.Target3()));
        if (o.Target4Type() == kVariableFlightGroup) o.SetTarget4(moved(o.Target4()));
        if (o.Command() == kOrderDropOffCraft) o.SetParameter2(moved(o.Parameter2()));
    }
    // A mothership field names a flight group whether or not it is used now:
    // turned on later, it should name the copy.
    r.SetArrivalMothership(moved(r.ArrivalMothership()));
    r.SetAlternateArrivalMothership(moved(r.AlternateArrivalMothership()));
    r.SetDepartureMothership(moved(r.DepartureMothership()));
    r.SetAlternateDepartureMothership(moved(r.AlternateDepartureMothership()));
}

PasteResult PasteClip(LevelDocument& document, const MissionClip& clip, const std::string& name) {
    Mission& mission = document.GetMission();
    PasteResult result;
    if (clip.Empty()) return result;
    const int fgBase = mission.CountFlightGroups();
    const int messageBase = mission.CountMessages();
    // All or nothing: half a paste would break the references between them.
    if (fgBase + int(clip.flightGroups.size()) > kMaxFlightGroups) {
        document.GetPrompter().Warning(kTooManyFlightGroupsText);
        return result;
    }
    // The game's limit on messages is a warning only, as for a new message;
    // the file's is not: past it the mission could not be saved.
    if (size_t(messageBase) + clip.messages.size() > kLargestCountInFile) {
        document.GetPrompter().Warning(kPasteTooManyMessagesText);
        return result;
    }
    if (!clip.messages.empty() && messageBase + int(clip.messages.size()) > kMaxRadioMessages)
        document.GetPrompter().Warning(kTooManyMessagesText);

    std::map<int, int> moves;
    for (size_t k = 0; k < clip.flightGroups.size(); ++k)
        moves.emplace(clip.flightGroups[k].sourcePosition, fgBase + int(k));
    std::vector<std::pair<int, std::unique_ptr<FlightGroup>>> flightGroups;
    for (size_t k = 0; k < clip.flightGroups.size(); ++k) {
        auto fg = std::make_unique<FlightGroup>();
        fg->File = clip.flightGroups[k].file;
        fg->GoalStrings = clip.flightGroups[k].goalStrings;
        RenumberFlightGroupReferences(fg->File, moves);
        fg->Selected = 1;
        if (auto start = fg->FirstEnabledStartPoint()) fg->PointSelected[size_t(*start)] = 1;
        result.flightGroups.push_back(fgBase + int(k));
        flightGroups.push_back({fgBase + int(k), std::move(fg)});
    }
    std::vector<std::pair<int, std::unique_ptr<RadioMessage>>> messages;
    const std::string gameFolder = document.GetSettings().GetString("Paths", "XVT", "");
    for (size_t k = 0; k < clip.messages.size(); ++k) {
        result.messages.push_back(messageBase + int(k));
        auto message = std::make_unique<RadioMessage>(clip.messages[k].message);
        message->WaveFile = PastedWaveFile(message->WaveFile, gameFolder);
        messages.push_back({messageBase + int(k), std::move(message)});
    }

    // What is pasted becomes the selection, and only that.
    bool deselected = false;
    if (!flightGroups.empty()) {
        for (auto& fg : mission.FlightGroups) {
            deselected = deselected || fg->Selected;
            fg->Selected = 0;
            fg->PointSelected.fill(0);
        }
    }
    auto edit = std::make_unique<CompositeEdit>(name);
    edit->Add(
        FlightGroupListChange::Inserting(name, &Mission::FlightGroups, std::move(flightGroups)));
    edit->Add(MessageListChange::Inserting(name, &Mission::Messages, std::move(messages)));
    result.pasted = document.Commit(std::move(edit));
    if (deselected || !result.flightGroups.empty()) document.NotifySelectionChanged();
    return result;
}

RemovalResult RemoveCopied(LevelDocument& document, MissionClip& clip) {
    const int count = document.CountFlightGroups();
    ItemsToRemove items;
    for (const auto& fg : clip.flightGroups) items.flightGroups.push_back(fg.sourcePosition);
    for (const auto& m : clip.messages) items.messages.push_back(m.sourcePosition);
    const RemovalResult result =
        RemoveItems(document, items, "Cut", RemovalQuestion::WhenReferencesBreak);
    if (!result.removed || clip.flightGroups.empty()) return result;

    // The clip now speaks of the mission as the cut left it: later flight
    // groups moved up, and its own ones stand at the end, where a paste puts
    // them. Cut and Paste then leave every reference where it was.
    const int remaining = count - int(clip.flightGroups.size());
    std::map<int, int> moves;
    for (int i = 0, gone = 0; i < count; ++i) {
        const auto cut = std::find_if(clip.flightGroups.begin(), clip.flightGroups.end(),
                                      [i](const auto& fg) { return fg.sourcePosition == i; });
        if (cut == clip.flightGroups.end()) {
            moves[i] = i - gone;
        } else {
            moves[i] = remaining + int(cut - clip.flightGroups.begin());
            ++gone;
        }
    }
    for (auto& fg : clip.flightGroups) {
        RenumberFlightGroupReferences(fg.file, moves);
        fg.sourcePosition = moves[fg.sourcePosition];
    }
    return result;
}

}  // namespace vantorel
