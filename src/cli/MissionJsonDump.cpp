// The JSON of `dump`, made by walking the named fields of MissionFields.h.
#include <cstdio>
#include <cstring>

#include "catalogue/CodedFields.h"
#include "catalogue/CraftTypes.h"
#include "cli/BriefingJson.h"
#include "cli/Json.h"
#include "cli/MissionFields.h"
#include "cli/MissionJson.h"
#include "cli/MissionJsonDefaults.h"
#include "mission/MissionText.h"
#include "mission/Win1252.h"

namespace vantorel::cli {

std::string HexFromBytes(const uint8_t* p, size_t n) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out(2 * n, '0');
    for (size_t i = 0; i < n; ++i) {
        out[2 * i] = kDigits[p[i] >> 4];
        out[2 * i + 1] = kDigits[p[i] & 15];
    }
    return out;
}

bool BytesFromHex(std::string_view hex, std::vector<uint8_t>& out) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2) return false;
    out.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int hi = digit(hex[i]);
        const int lo = digit(hex[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out.push_back(uint8_t(hi * 16 + lo));
    }
    return true;
}

namespace {

using CB = const uint8_t;

class DumpVisitor {
public:
    explicit DumpVisitor(JsonWriter& j) : j_(j) {}
    // A number the game looks up in a table has its word beside it, for
    // reading; write ignores it.
    void U8(const char* key, CB* p) {
        j_.Int(key, *p);
        if (const auto naming = NamingOfField(key))
            j_.String(naming->nameKey, Win1252ToUtf8(naming->table->Word(*p)));
    }
    void I8(const char* key, CB* p) { j_.Int(key, int8_t(*p)); }
    void U16(const char* key, CB* p) { j_.Int(key, ReadU16(p)); }
    void I16(const char* key, CB* p) { j_.Int(key, int16_t(ReadU16(p))); }
    void Text(const char* key, CB* p, size_t size) {
        j_.String(key, Win1252ToUtf8(FixedTextView(p, size)));
    }
    void ColouredText(CB* p, size_t size) {
        const std::string_view text = FixedTextView(p, size);
        const bool coloured = !text.empty() && text[0] >= '0' && text[0] <= '3';
        j_.String("text", Win1252ToUtf8(coloured ? text.substr(1) : text));
        if (coloured)
            j_.Int("colour", text[0] - '0');
        else
            j_.Null("colour");
    }
    void Numbers(const char* key, const std::vector<CB*>& ps) {
        std::vector<int> values;
        for (CB* p : ps) values.push_back(*p);
        j_.IntArray(key, values);
    }
    template <class Fn>
    void Object(const char* key, Fn fn) {
        j_.BeginObject(key);
        fn();
        j_.EndObject();
    }
    template <class Fn>
    void Objects(const char* key, int n, Fn fn) {
        j_.BeginArray(key);
        for (int i = 0; i < n; ++i) {
            j_.BeginObject();
            fn(i);
            j_.EndObject();
        }
        j_.EndArray();
    }
    template <class Fn>
    void Info(const char* key, Fn fn) {
        j_.String(key, Win1252ToUtf8(fn()));
    }

private:
    JsonWriter& j_;
};

// Puts every named field of the source records into the target records as
// `write` would put it there: the canonical bytes of those fields. Records
// are given as (source, size, target) ranges.
class CopyVisitor {
public:
    struct Range {
        CB* from;
        size_t size;
        uint8_t* to;
    };
    explicit CopyVisitor(std::vector<Range> ranges) : ranges_(std::move(ranges)) {}

    void U8(const char*, CB* p) { *To(p) = *p; }
    void I8(const char*, CB* p) { *To(p) = *p; }
    void U16(const char*, CB* p) { std::memcpy(To(p), p, 2); }
    void I16(const char*, CB* p) { std::memcpy(To(p), p, 2); }
    void Text(const char*, CB* p, size_t size) {
        const size_t n = FixedTextLength(p, size);
        uint8_t* to = To(p);
        std::memcpy(to, p, n);
        std::memset(to + n, 0, size - n);
    }
    void ColouredText(CB* p, size_t size) { Text(nullptr, p, size); }
    void Numbers(const char*, const std::vector<CB*>& ps) {
        for (CB* p : ps) *To(p) = *p;
    }
    template <class Fn>
    void Object(const char*, Fn fn) {
        fn();
    }
    template <class Fn>
    void Objects(const char*, int n, Fn fn) {
        for (int i = 0; i < n; ++i) fn(i);
    }
    template <class Fn>
    void Info(const char*, Fn) {}

private:
    uint8_t* To(CB* p) const {
        for (const Range& r : ranges_)
            if (p >= r.from && p < r.from + r.size) return r.to + (p - r.from);
        std::abort();  // a field outside its record: a fault in MissionFields.h
    }
    std::vector<Range> ranges_;
};

// The bytes where `actual` differs from `canonical`, as runs keyed by their
// offset in hex; runs a few bytes apart are joined.
void PutOtherBytes(JsonWriter& j, const char* key, CB* actual, CB* canonical, size_t n) {
    bool open = false;
    size_t i = 0;
    while (i < n) {
        if (actual[i] == canonical[i]) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        for (size_t k = end; k < n && k < end + 4; ++k)
            if (actual[k] != canonical[k]) end = k + 1;
        if (!open) {
            j.BeginObject(key);
            open = true;
        }
        char offset[16];
        std::snprintf(offset, sizeof offset, "0x%03zx", i);
        j.String(offset, HexFromBytes(actual + i, end - i));
        i = end;
    }
    if (open) j.EndObject();
}

std::string CraftNameOf(uint8_t type, uint8_t count) {
    return CraftNameForCount(type, count);
}

void PutFlightGroup(JsonWriter& j, int index, const FlightGroup& fg) {
    j.BeginObject();
    j.Int("index", index);
    DumpVisitor dump(j);
    VisitFlightGroup(dump, fg.File.Data(), fg.GoalStrings.Data(), CraftNameOf);
    FlightGroup canonical;
    canonical.File = DefaultFlightGroupRecord();
    CopyVisitor copy({{fg.File.Data(), FlightGroupRecord::kSize, canonical.File.Data()},
                      {fg.GoalStrings.Data(), FgGoalStrings::kSize, canonical.GoalStrings.Data()}});
    VisitFlightGroup(copy, fg.File.Data(), fg.GoalStrings.Data(), CraftNameOf);
    PutOtherBytes(j, "otherBytes", fg.File.Data(), canonical.File.Data(), FlightGroupRecord::kSize);
    PutOtherBytes(j, "otherGoalStringBytes", fg.GoalStrings.Data(), canonical.GoalStrings.Data(),
                  FgGoalStrings::kSize);
    j.EndObject();
}

void PutMessage(JsonWriter& j, int index, const RadioMessage& msg) {
    j.BeginObject();
    j.Int("index", index);
    DumpVisitor dump(j);
    VisitMessage(dump, msg.File.Data());
    MessageRecord canonical;
    canonical.SetIndex(msg.File.Index());  // the writer numbers the messages itself
    CopyVisitor copy({{msg.File.Data(), MessageRecord::kSize, canonical.Data()}});
    VisitMessage(copy, msg.File.Data());
    PutOtherBytes(j, "otherBytes", msg.File.Data(), canonical.Data(), MessageRecord::kSize);
    j.EndObject();
}

void PutTeam(JsonWriter& j, int t, const Mission& m) {
    const TeamRecord& team = m.Teams[size_t(t)];
    const GlobalGoalsRecord& goals = m.GlobalGoals[size_t(t)];
    CB* strings = m.GoalStrings->Data() + kTeamGoalStringsSize * size_t(t);
    j.BeginObject();
    j.Int("index", t);
    j.String("displayName", Win1252ToUtf8(m.TeamDisplayName(t)));
    DumpVisitor dump(j);
    VisitTeam(dump, team.Data(), goals.Data(), strings);

    TeamRecord canonicalTeam = DefaultTeamRecord(t);
    GlobalGoalsRecord canonicalGoals = DefaultGlobalGoalsRecord();
    std::vector<uint8_t> canonicalStrings(kTeamGoalStringsSize);
    CopyVisitor copy({{team.Data(), TeamRecord::kSize, canonicalTeam.Data()},
                      {goals.Data(), GlobalGoalsRecord::kSize, canonicalGoals.Data()},
                      {strings, kTeamGoalStringsSize, canonicalStrings.data()}});
    VisitTeam(copy, team.Data(), goals.Data(), strings);
    PutOtherBytes(j, "otherBytes", team.Data(), canonicalTeam.Data(), TeamRecord::kSize);
    PutOtherBytes(j, "otherGoalBytes", goals.Data(), canonicalGoals.Data(),
                  GlobalGoalsRecord::kSize);
    PutOtherBytes(j, "otherGoalStringBytes", strings, canonicalStrings.data(),
                  kTeamGoalStringsSize);
    j.EndObject();
}

// A counted text's bytes as read, where they run on past the text's end.
void PutTextsAsRead(JsonWriter& j, const char* key, const std::string* texts,
                    const std::string* asRead, int n) {
    bool open = false;
    for (int i = 0; i < n; ++i) {
        if (asRead[i].empty() || asRead[i] == texts[i]) continue;
        if (!open) {
            j.BeginObject(key);
            open = true;
        }
        j.String(std::to_string(i),
                 HexFromBytes(reinterpret_cast<CB*>(asRead[i].data()), asRead[i].size()));
    }
    if (open) j.EndObject();
}

void PutBriefing(JsonWriter& j, const Briefing& b) {
    j.BeginObject();
    PutBriefingCommands(j, b.Commands);
    j.BeginArray("tags");
    for (const auto& t : b.Tags) j.String(Win1252ToUtf8(t));
    j.EndArray();
    j.BeginArray("strings");
    for (const auto& s : b.Strings) j.String(Win1252ToUtf8(s));
    j.EndArray();
    PutTextsAsRead(j, "tagBytes", b.Tags.data(), b.TagsAsRead.data(), Briefing::kTagCount);
    PutTextsAsRead(j, "stringBytes", b.Strings.data(), b.StringsAsRead.data(),
                   Briefing::kStringCount);
    j.EndObject();
}

// A free text, and the block the writer stores for it when write would not
// make that block from the text alone: characters behind the text's end, or a
// bare LF byte, which write takes for a line break.
void PutFreeText(JsonWriter& j, const char* key, const char* blockKey, const std::string& text,
                 const std::vector<uint8_t>& asRead, size_t size) {
    j.String(key, Win1252ToUtf8(text));
    const std::vector<uint8_t> stored =
        asRead.size() == size && BlockHoldsText(asRead.data(), size, text)
            ? asRead
            : BlockFromText(text, size);
    if (stored != BlockFromText(WithCrLfLineBreaks(text), size))
        j.String(blockKey, HexFromBytes(stored.data(), stored.size()));
}

}  // namespace

void PutBriefingJson(JsonWriter& j, const Briefing& b) {
    PutBriefing(j, b);
}

std::string MissionToJson(const Mission& m) {
    JsonWriter j;
    j.BeginObject();
    DumpVisitor dump(j);
    VisitHeader(dump, m.Header.Data());
    MissionHeader canonical = DefaultMissionHeader();
    canonical.SetFlightGroupCount(m.Header.FlightGroupCount());  // the writer counts
    canonical.SetMessageCount(m.Header.MessageCount());
    CopyVisitor copy({{m.Header.Data(), MissionHeader::kSize, canonical.Data()}});
    VisitHeader(copy, m.Header.Data());
    PutOtherBytes(j, "otherHeaderBytes", m.Header.Data(), canonical.Data(), MissionHeader::kSize);

    const bool bop = m.Header.IsBop();
    PutFreeText(j, "description", "descriptionBlock", m.Description, m.BlocksAsRead.Description,
                bop ? 4096 : 1024);
    PutFreeText(j, "successfulDebriefing", "successfulDebriefingBlock",
                bop ? m.SuccessfulDebriefing : "", m.BlocksAsRead.SuccessfulDebriefing, 4096);
    PutFreeText(j, "failedDebriefing", "failedDebriefingBlock", bop ? m.FailedDebriefing : "",
                m.BlocksAsRead.FailedDebriefing, 4096);
    j.BeginArray("flightGroups");
    for (size_t i = 0; i < m.FlightGroups.size(); ++i)
        PutFlightGroup(j, int(i), *m.FlightGroups[i]);
    j.EndArray();
    j.BeginArray("messages");
    for (size_t i = 0; i < m.Messages.size(); ++i) PutMessage(j, int(i), *m.Messages[i]);
    j.EndArray();
    j.BeginArray("teams");
    for (int t = 0; t < kTeamCount; ++t) PutTeam(j, t, m);
    j.EndArray();
    j.BeginArray("briefings");
    for (const auto& b : m.Briefings) PutBriefing(j, b);
    j.EndArray();
    j.EndObject();
    return j.Text();
}

}  // namespace vantorel::cli
