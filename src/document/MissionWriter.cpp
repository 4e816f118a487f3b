#include "document/MissionWriter.h"

#include <algorithm>
#include <string>

#include "document/AtomicFile.h"
#include "mission/MissionText.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

class BlockWriter {
public:
    explicit BlockWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Put(const uint8_t* p, size_t n) { out_.insert(out_.end(), p, p + n); }
    template <class Record>
    void Put(const Record& r) {
        Put(r.Data(), Record::kSize);
    }
    void PutU16(uint16_t v) {
        uint8_t b[2];
        WriteU16(b, v);
        Put(b, 2);
    }
    // u16 length, then the bytes with no terminator. A text longer than a u16
    // can count is cut rather than written with a wrapped length. The bytes
    // as read are written while they still hold the same text.
    void PutCountedText(const std::string& s, const std::string& asRead) {
        const std::string& bytes =
            !asRead.empty() && FixedTextView(reinterpret_cast<const uint8_t*>(asRead.data()),
                                             asRead.size()) == s
                ? asRead
                : s;
        size_t n = std::min<size_t>(bytes.size(), 0xFFFF);
        PutU16(uint16_t(n));
        Put(reinterpret_cast<const uint8_t*>(bytes.data()), n);
    }
    // A free text's block: the block as read while it holds the same text.
    void PutTextBlock(const std::string& text, size_t size, const std::vector<uint8_t>& asRead) {
        if (asRead.size() == size && BlockHoldsText(asRead.data(), size, text)) {
            Put(asRead.data(), size);
            return;
        }
        std::vector<uint8_t> block = BlockFromText(text, size);
        Put(block.data(), size);
    }

private:
    std::vector<uint8_t>& out_;
};

size_t ExpectedSize(const Mission& m) {
    size_t n = MissionHeader::kSize +
               m.FlightGroups.size() * (FlightGroupRecord::kSize + FgGoalStrings::kSize) +
               m.Messages.size() * MessageRecord::kSize +
               kTeamCount * (GlobalGoalsRecord::kSize + TeamRecord::kSize) +
               GlobalGoalStrings::kSize + (m.Header.IsBop() ? 3 * 4096 : 1024);
    for (const auto& b : m.Briefings) {
        n += Briefing::kCommandsSize + 2 * (Briefing::kTagCount + Briefing::kStringCount);
        for (int i = 0; i < Briefing::kTagCount; ++i)
            n += std::max(b.Tags[i].size(), b.TagsAsRead[i].size());
        for (int i = 0; i < Briefing::kStringCount; ++i)
            n += std::max(b.Strings[i].size(), b.StringsAsRead[i].size());
    }
    return n;
}

}  // namespace

std::vector<uint8_t> WriteMission(Mission& m) {
    m.Header.SetFlightGroupCount(uint16_t(m.FlightGroups.size()));
    m.Header.SetMessageCount(uint16_t(m.Messages.size()));
    for (size_t i = 0; i < m.Messages.size(); ++i) m.Messages[i]->File.SetIndex(uint16_t(i));

    std::vector<uint8_t> out;
    out.reserve(ExpectedSize(m));
    BlockWriter w(out);
    w.Put(m.Header);
    for (const auto& fg : m.FlightGroups) w.Put(fg->File);
    for (const auto& msg : m.Messages) w.Put(msg->File);
    for (const auto& g : m.GlobalGoals) w.Put(g);
    for (const auto& t : m.Teams) w.Put(t);
    for (const auto& b : m.Briefings) {
        w.Put(b.Commands.data(), b.Commands.size());
        for (int i = 0; i < Briefing::kTagCount; ++i) w.PutCountedText(b.Tags[i], b.TagsAsRead[i]);
        for (int i = 0; i < Briefing::kStringCount; ++i)
            w.PutCountedText(b.Strings[i], b.StringsAsRead[i]);
    }
    for (const auto& fg : m.FlightGroups) w.Put(fg->GoalStrings);
    w.Put(*m.GoalStrings);
    const bool bop = m.Header.IsBop();
    if (bop) {
        w.PutTextBlock(m.SuccessfulDebriefing, 4096, m.BlocksAsRead.SuccessfulDebriefing);
        w.PutTextBlock(m.FailedDebriefing, 4096, m.BlocksAsRead.FailedDebriefing);
    }
    w.PutTextBlock(m.Description, bop ? 4096 : 1024, m.BlocksAsRead.Description);
    return out;
}

bool SaveMissionFile(const std::filesystem::path& path, Mission& mission, Prompter& prompter) {
    std::vector<uint8_t> bytes = WriteMission(mission);
    std::string error;
    if (!WriteFileAtomically(path, bytes, error)) {
        prompter.Error("Couldn't save " + PathToUtf8(path) + ".\n" + error +
                       "\nThe file on disk has not been changed.");
        return false;
    }
    return true;
}

}  // namespace vantorel
