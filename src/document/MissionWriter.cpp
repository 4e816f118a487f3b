#include "document/MissionWriter.h"

#include <algorithm>
#include <string>

#include "document/AtomicFile.h"
#include "mission/MissionText.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

const std::string& CountedTextBytes(const std::string& s, const std::string& asRead) {
    return !asRead.empty() && FixedTextView(reinterpret_cast<const uint8_t*>(asRead.data()),
                                            asRead.size()) == s
               ? asRead
               : s;
}

// "65,536"
std::string Grouped(size_t n) {
    std::string digits = std::to_string(n);
    for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

std::string TooMany(size_t count, const char* what) {
    return "The mission has " + Grouped(count) + " " + what + "; a mission file holds at most " +
           Grouped(kLargestCountInFile) + ".";
}

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
    // u16 length, then the bytes with no terminator (WriteRefusal made sure
    // the length fits). The bytes as read are written while they still hold
    // the same text.
    void PutCountedText(const std::string& s, const std::string& asRead) {
        const std::string& bytes = CountedTextBytes(s, asRead);
        PutU16(uint16_t(bytes.size()));
        Put(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
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

std::string WriteRefusal(const Mission& m) {
    if (m.FlightGroups.size() > kLargestCountInFile)
        return TooMany(m.FlightGroups.size(), "flight groups");
    if (m.Messages.size() > kLargestCountInFile) return TooMany(m.Messages.size(), "messages");
    for (size_t b = 0; b < m.Briefings.size(); ++b) {
        const Briefing& briefing = m.Briefings[b];
        auto tooLong = [&](const char* what, int i, const std::string& s,
                           const std::string& asRead) {
            const size_t n = CountedTextBytes(s, asRead).size();
            if (n <= kLargestCountInFile) return std::string();
            return "Briefing " + std::to_string(b + 1) + "'s " + what + " " +
                   std::to_string(i + 1) + " is " + Grouped(n) +
                   " bytes long; a mission file holds at most " + Grouped(kLargestCountInFile) +
                   ".";
        };
        for (int i = 0; i < Briefing::kTagCount; ++i)
            if (auto why = tooLong("tag", i, briefing.Tags[i], briefing.TagsAsRead[i]);
                !why.empty())
                return why;
        for (int i = 0; i < Briefing::kStringCount; ++i)
            if (auto why = tooLong("string", i, briefing.Strings[i], briefing.StringsAsRead[i]);
                !why.empty())
                return why;
    }
    return {};
}

std::vector<uint8_t> WriteMission(Mission& m) {
    if (!WriteRefusal(m).empty()) return {};
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
    std::string error = WriteRefusal(mission);
    if (!error.empty() || !WriteFileAtomically(path, WriteMission(mission), error)) {
        prompter.Error("Couldn't save " + PathToUtf8(path) + ".\n" + error +
                       "\nThe file on disk has not been changed.");
        return false;
    }
    return true;
}

}  // namespace vantorel
