#include "document/MissionReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "document/FileFingerprint.h"
#include "mission/MissionText.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {

// Hands out consecutive blocks of the file; a short block is a refusal.
class BlockReader {
public:
    explicit BlockReader(std::span<const uint8_t> data) : data_(data) {}

    const uint8_t* Take(size_t n) {
        if (data_.size() - pos_ < n) return nullptr;
        const uint8_t* p = data_.data() + pos_;
        pos_ += n;
        return p;
    }
    bool AtEnd() const { return pos_ == data_.size(); }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

struct Refusal {
    const char* text;
};

const uint8_t* Need(BlockReader& in, size_t n, const char* refusal) {
    const uint8_t* p = in.Take(n);
    if (!p) throw Refusal{refusal};
    return p;
}

template <class Record>
void ReadRecord(BlockReader& in, Record& r, const char* refusal) {
    const uint8_t* p = Need(in, Record::kSize, refusal);
    std::memcpy(r.Data(), p, Record::kSize);
}

// A briefing tag or string: u16 length, then that many bytes. A length of 0
// leaves the text empty; otherwise the text ends at its first zero byte.
// The bytes as read are kept only when they run on past that zero byte:
// otherwise they are the text itself.
void ReadCountedText(BlockReader& in, std::string& text, std::string& asRead, const char* refusal) {
    uint16_t len = ReadU16(Need(in, 2, refusal));
    if (len == 0) return;
    const uint8_t* p = Need(in, len, refusal);
    text = FixedTextView(p, len);
    if (text.size() != len) asRead.assign(reinterpret_cast<const char*>(p), len);
}

std::string ReadTextBlock(BlockReader& in, size_t size, std::vector<uint8_t>& asRead,
                          const char* refusal) {
    const uint8_t* p = Need(in, size, refusal);
    asRead.assign(p, p + size);
    return TextFromBlock(p, size);
}

void ReadAll(BlockReader& in, Mission& m) {
    ReadRecord(in, m.Header, "Invalid File Format: Header");
    for (int i = 0; i < m.Header.FlightGroupCount(); ++i) {
        auto fg = std::make_unique<FlightGroup>();
        ReadRecord(in, fg->File, "Invalid File Format: Flight Group");
        m.FlightGroups.push_back(std::move(fg));
    }
    for (int i = 0; i < m.Header.MessageCount(); ++i) {
        auto msg = std::make_unique<RadioMessage>();
        ReadRecord(in, msg->File, "Invalid File Format: Radio Message");
        m.Messages.push_back(std::move(msg));
    }
    for (auto& g : m.GlobalGoals) ReadRecord(in, g, "Invalid File Format: Team Goals");
    for (auto& t : m.Teams) ReadRecord(in, t, "Invalid File Format: Completion Message");
    for (auto& b : m.Briefings) {
        std::memcpy(b.Commands.data(),
                    Need(in, Briefing::kCommandsSize, "Invalid File Format: Briefing Commands"),
                    Briefing::kCommandsSize);
        for (int i = 0; i < Briefing::kTagCount; ++i)
            ReadCountedText(in, b.Tags[i], b.TagsAsRead[i], "Invalid File Format: Briefing Tags");
        for (int i = 0; i < Briefing::kStringCount; ++i)
            ReadCountedText(in, b.Strings[i], b.StringsAsRead[i],
                            "Invalid File Format: Briefing Text");
    }
    for (auto& fg : m.FlightGroups)
        ReadRecord(in, fg->GoalStrings, "Invalid File Format: FG Goal Strings");
    ReadRecord(in, *m.GoalStrings, "Invalid File Format: Global Goal Strings");
    const bool bop = m.Header.IsBop();
    if (bop) {
        m.SuccessfulDebriefing = ReadTextBlock(in, 4096, m.BlocksAsRead.SuccessfulDebriefing,
                                               "Invalid File Format: BoP Success Debriefing");
        m.FailedDebriefing = ReadTextBlock(in, 4096, m.BlocksAsRead.FailedDebriefing,
                                           "Invalid File Format: BoP Failure Debriefing");
    }
    const size_t descSize = bop ? 4096 : 1024;
    m.Description = ReadTextBlock(in, descSize, m.BlocksAsRead.Description,
                                  "Invalid File Format: Mission Description");
}

}  // namespace

ReadResult ReadMission(std::span<const uint8_t> file, Mission& out) {
    ReadResult result;
    BlockReader in(file);
    Mission m;
    try {
        ReadAll(in, m);
    } catch (const Refusal& r) {
        result.error = r.text;
        return result;
    }
    result.ok = true;
    result.trailingData = !in.AtEnd();
    out = std::move(m);
    return result;
}

bool LoadMission(std::span<const uint8_t> file, Mission& out, Prompter& prompter) {
    ReadResult r = ReadMission(file, out);
    if (!r.ok) {
        prompter.Error(r.error);
        return false;
    }
    if (r.trailingData) prompter.Warning(kTrailingDataWarning);
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                   std::string& error) {
    namespace fs = std::filesystem;
    constexpr const char* kTooLarge = "it is larger than any mission file can be";
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) {
        error = "it is a folder";
        return false;
    }
    if (fs::is_character_file(status) || fs::is_block_file(status)) {
        error = "it is a device, not a mission file";
        return false;
    }
    // A regular file says how large it is: the bytes are read straight into
    // a buffer that size (plus one, to notice a file grown meanwhile).
    uint64_t expected = 0;
    if (fs::is_regular_file(status)) {
        const uintmax_t size = fs::file_size(path, ec);
        if (!ec && size > kLargestMissionFileSize) {
            error = kTooLarge;
            return false;
        }
        if (!ec) expected = size;
    }
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = std::strerror(errno);
        return false;
    }
    // Whatever it is (a pipe has no size), reading stops at the first byte
    // past the largest mission.
    constexpr uint64_t kLimit = kLargestMissionFileSize + 1;
    bytes.assign(size_t(std::clamp<uint64_t>(expected + 1, 1 << 16, kLimit)), 0);
    size_t filled = 0;
    while (f) {
        if (filled == bytes.size()) bytes.resize(size_t(std::min<uint64_t>(2 * filled, kLimit)));
        f.read(reinterpret_cast<char*>(bytes.data() + filled),
               std::streamsize(bytes.size() - filled));
        filled += size_t(f.gcount());
        if (filled > kLargestMissionFileSize) {
            error = kTooLarge;
            return false;
        }
    }
    bytes.resize(filled);
    if (f.bad()) {
        error = "a read error occurred";
        return false;
    }
    return true;
}

bool LoadMissionFile(const std::filesystem::path& path, Mission& out, Prompter& prompter,
                     uint64_t* fingerprint) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) {
        prompter.Error("Couldn't open " + PathToUtf8(path) + ".\n" + error);
        return false;
    }
    if (fingerprint) *fingerprint = Fingerprint(bytes);
    return LoadMission(bytes, out, prompter);
}

}  // namespace vantorel
