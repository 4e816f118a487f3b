// `write`'s side of the mission JSON: the named fields of MissionFields.h
// read from a parsed document, every problem named by its path.
#include <charconv>
#include <cstring>

#include "catalogue/CodedFields.h"
#include "cli/BriefingJson.h"
#include "cli/JsonValue.h"
#include "cli/MissionFields.h"
#include "cli/MissionJson.h"
#include "cli/MissionJsonDefaults.h"
#include "document/LevelDocument.h"
#include "mission/MissionText.h"
#include "mission/Win1252.h"

namespace vantorel::cli {
namespace {

constexpr size_t kMostErrors = 100;
constexpr size_t kCountedTextLimit = 0xFFFF;

class ReadVisitor {
public:
    ReadVisitor(const JsonValue& root, std::vector<std::string>& errors) : errors_(errors) {
        stack_.push_back({&root, "", std::vector<bool>(root.members.size())});
    }

    void Error(const std::string& path, const std::string& what) {
        if (errors_.size() < kMostErrors) errors_.push_back(path + ": " + what);
    }
    std::string PathOf(std::string_view key) const {
        const std::string& base = stack_.back().path;
        return base.empty() ? std::string(key) : base + "." + std::string(key);
    }

    // The value of a key of the current object, marked as read; null when
    // the key is not there.
    const JsonValue* Take(std::string_view key) {
        Context& c = stack_.back();
        for (size_t i = 0; i < c.object->members.size(); ++i) {
            if (c.object->members[i].key == key) {
                c.used[i] = true;
                return &c.object->members[i].value;
            }
        }
        return nullptr;
    }

    // Enters an object (at `path`); Leave() reports the keys nothing read.
    void Enter(const JsonValue& object, std::string path) {
        stack_.push_back({&object, std::move(path), std::vector<bool>(object.members.size())});
    }
    void Leave() {
        const Context& c = stack_.back();
        for (size_t i = 0; i < c.used.size(); ++i)
            if (!c.used[i]) Error(PathOfMember(c, i), "unknown key");
        stack_.pop_back();
    }

    bool Expect(const JsonValue& v, JsonValue::Kind kind, const std::string& path,
                const char* what) {
        if (v.kind == kind) return true;
        Error(path, std::string(what) + " was expected, not " + v.KindName());
        return false;
    }

    bool Whole(const JsonValue& v, const std::string& path, long long lo, long long hi,
               const char* range, long long& out) {
        if (!Expect(v, JsonValue::Kind::Number, path, "a number")) return false;
        if (!v.whole || v.integer < lo || v.integer > hi) {
            Error(path, v.text + " is not " + range);
            return false;
        }
        out = v.integer;
        return true;
    }

    void Number(const char* key, uint8_t* p, int width, bool sign) {
        // The word dump puts beside a coded number is for reading only.
        if (const auto naming = NamingOfField(key)) Take(naming->nameKey);
        const JsonValue* v = Take(key);
        if (!v) return;
        long long n = 0;
        const long long lo = sign ? -(1LL << (8 * width - 1)) : 0;
        const long long hi = sign ? (1LL << (8 * width - 1)) - 1 : (1LL << (8 * width)) - 1;
        const char* range = width == 1 ? (sign ? "a signed byte (-128 to 127)" : "a byte (0 to 255)")
                                       : (sign ? "a signed 16-bit number (-32768 to 32767)"
                                               : "a 16-bit number (0 to 65535)");
        if (!Whole(*v, PathOf(key), lo, hi, range, n)) return;
        if (width == 1)
            *p = uint8_t(n);
        else
            WriteU16(p, uint16_t(n));
    }
    void U8(const char* key, uint8_t* p) { Number(key, p, 1, false); }
    void I8(const char* key, uint8_t* p) { Number(key, p, 1, true); }
    void U16(const char* key, uint8_t* p) { Number(key, p, 2, false); }
    void I16(const char* key, uint8_t* p) { Number(key, p, 2, true); }

    // The text in the game's code page; false (and an error) when a
    // character has no place there or is a zero, which would end the text.
    bool GameText(const JsonValue& v, const std::string& path, std::string& out) {
        if (!Expect(v, JsonValue::Kind::String, path, "a string")) return false;
        out.clear();
        const std::string& s = v.text;
        for (size_t i = 0; i < s.size();) {
            const unsigned char c = static_cast<unsigned char>(s[i]);
            const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            char32_t cp = len == 1 ? c : c & (0x7F >> len);
            for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
            bool exact = false;
            const unsigned char b = CodePointToWin1252(cp, &exact);
            if (!exact || cp == 0) {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", unsigned(cp));
                Error(path, cp == 0 ? "holds a zero character, which would end the text"
                                    : "the character " + s.substr(i, len) + " (" + code +
                                          ") is not in the game's code page (Windows-1252)");
                return false;
            }
            out += char(b);
            i += len;
        }
        return true;
    }

    bool Fits(const std::string& path, size_t length, size_t room) {
        if (length <= room) return true;
        Error(path, "the text is " + std::to_string(length) + " characters long; its field holds " +
                        std::to_string(room));
        return false;
    }

    void Text(const char* key, uint8_t* p, size_t size) {
        const JsonValue* v = Take(key);
        std::string text;
        if (!v || !GameText(*v, PathOf(key), text) || !Fits(PathOf(key), text.size(), size)) return;
        std::memcpy(p, text.data(), text.size());
        std::memset(p + text.size(), 0, size - text.size());
    }

    void ColouredText(uint8_t* p, size_t size) {
        const JsonValue* textValue = Take("text");
        const JsonValue* colourValue = Take("colour");
        if (!textValue && !colourValue) return;
        long long colour = -1;
        if (colourValue && colourValue->kind != JsonValue::Kind::Null &&
            !Whole(*colourValue, PathOf("colour"), 0, 3, "a colour (0 to 3, or null for none)",
                   colour))
            return;
        std::string text;
        if (textValue && !GameText(*textValue, PathOf("text"), text)) return;
        if (colour < 0 && !text.empty() && text[0] >= '0' && text[0] <= '3') {
            Error(PathOf("text"),
                  "starts with a colour digit; give the colour in \"colour\" and the text after it");
            return;
        }
        if (colour >= 0) text.insert(text.begin(), char('0' + colour));
        if (!Fits(PathOf("text"), text.size() - (colour >= 0), size - (colour >= 0))) return;
        std::memcpy(p, text.data(), text.size());
        std::memset(p + text.size(), 0, size - text.size());
    }

    void Numbers(const char* key, const std::vector<uint8_t*>& ps) {
        const JsonValue* v = Take(key);
        if (!v || !Expect(*v, JsonValue::Kind::Array, PathOf(key), "a list of numbers")) return;
        if (v->items.size() > ps.size()) {
            Error(PathOf(key), "holds " + std::to_string(v->items.size()) + " numbers, at most " +
                                   std::to_string(ps.size()));
            return;
        }
        for (size_t i = 0; i < v->items.size(); ++i) {
            long long n = 0;
            if (Whole(v->items[i], PathOf(key) + "[" + std::to_string(i) + "]", 0, 255,
                      "a byte (0 to 255)", n))
                *ps[i] = uint8_t(n);
        }
    }

    template <class Fn>
    void Object(const char* key, Fn fn) {
        const JsonValue* v = Take(key);
        if (!v || !Expect(*v, JsonValue::Kind::Object, PathOf(key), "an object")) return;
        Enter(*v, PathOf(key));
        fn();
        Leave();
    }

    // A list of objects: each is entered in turn. False when the value is
    // not a list of at most `most` items.
    template <class Fn>
    bool List(const JsonValue& v, const std::string& path, size_t most, const char* what, Fn fn) {
        if (!Expect(v, JsonValue::Kind::Array, path, "a list")) return false;
        if (v.items.size() > most) {
            Error(path, std::to_string(v.items.size()) + " " + what + ", at most " +
                            std::to_string(most));
            return false;
        }
        for (size_t i = 0; i < v.items.size(); ++i) {
            const std::string itemPath = path + "[" + std::to_string(i) + "]";
            if (!Expect(v.items[i], JsonValue::Kind::Object, itemPath, "an object")) continue;
            Enter(v.items[i], itemPath);
            fn(int(i));
            Leave();
        }
        return true;
    }

    template <class Fn>
    void Objects(const char* key, int n, Fn fn) {
        if (const JsonValue* v = Take(key)) List(*v, PathOf(key), size_t(n), "items", fn);
    }

    template <class Fn>
    void Info(const char* key, Fn) {
        Take(key);
    }

    // "otherBytes": {"0x062": "0a0b"}: raw bytes put over the record last.
    void OtherBytes(const char* key, uint8_t* record, size_t size) {
        const JsonValue* v = Take(key);
        if (!v || !Expect(*v, JsonValue::Kind::Object, PathOf(key), "an object")) return;
        for (const auto& [offsetText, bytesValue] : v->members) {
            const std::string path = PathOf(key) + "." + offsetText;
            size_t offset = 0;
            const bool hex = offsetText.rfind("0x", 0) == 0;
            const char* first = offsetText.data() + (hex ? 2 : 0);
            const char* last = offsetText.data() + offsetText.size();
            auto [end, ec] = std::from_chars(first, last, offset, hex ? 16 : 10);
            if (ec != std::errc() || end != last || first == last) {
                Error(path, "the key is not an offset such as 0x062");
                continue;
            }
            std::vector<uint8_t> bytes;
            if (!Expect(bytesValue, JsonValue::Kind::String, path, "a string of hex digits"))
                continue;
            if (!BytesFromHex(bytesValue.text, bytes)) {
                Error(path, "not pairs of hex digits");
                continue;
            }
            if (offset > size || bytes.size() > size - offset) {
                Error(path, "runs past the end of the record (" + std::to_string(size) + " bytes)");
                continue;
            }
            std::memcpy(record + offset, bytes.data(), bytes.size());
        }
    }

    const std::string& CurrentPath() const { return stack_.back().path; }

private:
    struct Context {
        const JsonValue* object;
        std::string path;
        std::vector<bool> used;
    };
    std::string PathOfMember(const Context& c, size_t i) const {
        return c.path.empty() ? c.object->members[i].key
                              : c.path + "." + c.object->members[i].key;
    }

    std::vector<Context> stack_;
    std::vector<std::string>& errors_;
};

std::string NoCraftName(uint8_t, uint8_t) {
    return {};
}

void ReadFreeText(ReadVisitor& v, const char* key, const char* blockKey, size_t size, bool stored,
                  std::string& text, std::vector<uint8_t>& asRead) {
    if (const JsonValue* block = v.Take(blockKey)) {
        std::vector<uint8_t> bytes;
        if (!v.Expect(*block, JsonValue::Kind::String, v.PathOf(blockKey), "a string of hex digits"))
            return;
        if (!BytesFromHex(block->text, bytes) || bytes.size() != size || !stored)
            v.Error(v.PathOf(blockKey),
                    stored ? "not " + std::to_string(size) + " bytes in hex"
                           : std::string("an XvT mission has no such block"));
        else
            asRead = std::move(bytes);
    }
    const JsonValue* value = v.Take(key);
    std::string win1252;
    if (!value || !v.GameText(*value, v.PathOf(key), win1252)) return;
    if (!stored && !win1252.empty()) {
        v.Error(v.PathOf(key),
                "an XvT mission (formatVersion below 14) has no place for this text");
        return;
    }
    // The text of its own block keeps that block's bytes, whatever they are.
    // Any other is the designer's: "\n" or "\r\n" is a line break, stored as
    // '$', and a '$' of its own would show as one.
    if (asRead.size() != size || !BlockHoldsText(asRead.data(), size, win1252)) {
        if (win1252.find(kStoredLineBreak) != std::string::npos) {
            v.Error(v.PathOf(key),
                    "holds a '$', which the game shows as a line break; write a line break as "
                    "\\n");
            return;
        }
        win1252 = WithCrLfLineBreaks(win1252);
    }
    if (v.Fits(v.PathOf(key), StoredTextLength(win1252), size)) text = std::move(win1252);
}

void ReadCountedTexts(ReadVisitor& v, const char* key, const char* bytesKey,
                      std::array<std::string, 32>& texts, std::array<std::string, 32>& asRead) {
    if (const JsonValue* list = v.Take(key)) {
        const std::string path = v.PathOf(key);
        if (v.Expect(*list, JsonValue::Kind::Array, path, "a list of strings")) {
            if (list->items.size() > texts.size())
                v.Error(path, std::to_string(list->items.size()) + " texts, at most 32");
            for (size_t i = 0; i < list->items.size() && i < texts.size(); ++i) {
                const std::string itemPath = path + "[" + std::to_string(i) + "]";
                std::string text;
                if (v.GameText(list->items[i], itemPath, text) &&
                    v.Fits(itemPath, text.size(), kCountedTextLimit))
                    texts[i] = std::move(text);
            }
        }
    }
    if (const JsonValue* raw = v.Take(bytesKey)) {
        if (!v.Expect(*raw, JsonValue::Kind::Object, v.PathOf(bytesKey), "an object")) return;
        for (const auto& [indexText, hex] : raw->members) {
            const std::string path = v.PathOf(bytesKey) + "." + indexText;
            size_t index = 0;
            auto [end, ec] =
                std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
            std::vector<uint8_t> bytes;
            if (ec != std::errc() || end != indexText.data() + indexText.size() || index >= 32)
                v.Error(path, "the key is not a number from 0 to 31");
            else if (hex.kind != JsonValue::Kind::String || !BytesFromHex(hex.text, bytes) ||
                     bytes.size() > kCountedTextLimit)
                v.Error(path, "not a string of at most 65535 bytes in hex");
            else
                asRead[index].assign(bytes.begin(), bytes.end());
        }
    }
}

void ReadMissionJson(ReadVisitor& v, Mission& m) {
    VisitHeader(v, m.Header.Data());
    v.OtherBytes("otherHeaderBytes", m.Header.Data(), MissionHeader::kSize);
    const bool bop = m.Header.IsBop();
    ReadFreeText(v, "description", "descriptionBlock", bop ? 4096 : 1024, true, m.Description,
                 m.BlocksAsRead.Description);
    ReadFreeText(v, "successfulDebriefing", "successfulDebriefingBlock", 4096, bop,
                 m.SuccessfulDebriefing, m.BlocksAsRead.SuccessfulDebriefing);
    ReadFreeText(v, "failedDebriefing", "failedDebriefingBlock", 4096, bop, m.FailedDebriefing,
                 m.BlocksAsRead.FailedDebriefing);

    if (const JsonValue* list = v.Take("flightGroups")) {
        // List() says so when it is not a list.
        if (list->kind == JsonValue::Kind::Array && list->items.size() > size_t(kMaxFlightGroups)) {
            v.Error("flightGroups", std::to_string(list->items.size()) +
                                        " flight groups; the game takes at most 255");
        } else {
            v.List(*list, "flightGroups", size_t(kMaxFlightGroups), "flight groups", [&](int) {
                FlightGroup& fg = m.AppendFlightGroup();
                fg.File = DefaultFlightGroupRecord();
                v.Info("index", 0);
                VisitFlightGroup(v, fg.File.Data(), fg.GoalStrings.Data(), NoCraftName);
                v.OtherBytes("otherBytes", fg.File.Data(), FlightGroupRecord::kSize);
                v.OtherBytes("otherGoalStringBytes", fg.GoalStrings.Data(), FgGoalStrings::kSize);
            });
        }
    }
    if (const JsonValue* list = v.Take("messages")) {
        v.List(*list, "messages", 0xFFFF, "messages", [&](int) {
            RadioMessage& msg = m.AppendMessage();
            v.Info("index", 0);
            VisitMessage(v, msg.File.Data());
            v.OtherBytes("otherBytes", msg.File.Data(), MessageRecord::kSize);
        });
    }
    if (const JsonValue* list = v.Take("teams")) {
        v.List(*list, "teams", kTeamCount, "teams", [&](int t) {
            uint8_t* strings = m.GoalStrings->Data() + kTeamGoalStringsSize * size_t(t);
            TeamRecord& team = m.Teams[size_t(t)];
            GlobalGoalsRecord& goals = m.GlobalGoals[size_t(t)];
            v.Info("index", 0);
            v.Info("displayName", 0);
            VisitTeam(v, team.Data(), goals.Data(), strings);
            v.OtherBytes("otherBytes", team.Data(), TeamRecord::kSize);
            v.OtherBytes("otherGoalBytes", goals.Data(), GlobalGoalsRecord::kSize);
            v.OtherBytes("otherGoalStringBytes", strings, kTeamGoalStringsSize);
        });
    }
    if (const JsonValue* list = v.Take("briefings")) {
        v.List(*list, "briefings", kBriefingCount, "briefings", [&](int i) {
            Briefing& b = m.Briefings[size_t(i)];
            ReadBriefingCommands([&](std::string_view key) { return v.Take(key); },
                                 v.CurrentPath(), b.Commands,
                                 [&](const std::string& path, const std::string& what) {
                                     v.Error(path, what);
                                 });
            ReadCountedTexts(v, "tags", "tagBytes", b.Tags, b.TagsAsRead);
            ReadCountedTexts(v, "strings", "stringBytes", b.Strings, b.StringsAsRead);
        });
    }
}

}  // namespace

bool MissionFromJson(std::string_view json, Mission& out, std::vector<std::string>& errors) {
    JsonValue root;
    std::string error;
    if (!ParseJson(json, root, error)) {
        errors.push_back(error);
        return false;
    }
    if (root.kind != JsonValue::Kind::Object) {
        errors.push_back(std::string("the document is ") + root.KindName() +
                         ", not a mission object");
        return false;
    }
    Mission m = NewMissionTemplate();
    ReadVisitor v(root, errors);
    const size_t before = errors.size();
    ReadMissionJson(v, m);
    v.Leave();
    if (errors.size() != before) return false;
    out = std::move(m);
    return true;
}

}  // namespace vantorel::cli
