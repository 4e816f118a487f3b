// A briefing's command block as named fields in the mission JSON, and back.
#include "cli/BriefingJson.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "cli/Json.h"
#include "cli/JsonValue.h"
#include "cli/MissionJson.h"

namespace vantorel::cli {

namespace {

// An event's JSON name and parameter keys, in the order of its words. Tags
// are one name with a "slot" for the eight types of each.
struct EventShape {
    const char* key;
    uint16_t type;  // the first type of a slotted event
    bool slotted;
    std::vector<const char*> params;
};

const std::vector<EventShape>& Shapes() {
    static const std::vector<EventShape> shapes = {
        {"stop", kBriefingStop, false, {}},
        {"title", kBriefingTitle, false, {"string"}},
        {"caption", kBriefingCaption, false, {"string"}},
        {"moveMap", kBriefingMoveMap, false, {"x", "y"}},
        {"zoomMap", kBriefingZoomMap, false, {"x", "y"}},
        {"clearFgTags", kBriefingClearFgTags, false, {}},
        {"fgTag", kBriefingFgTag1, true, {"flightGroup"}},
        {"clearTextTags", kBriefingClearTextTags, false, {}},
        {"textTag", kBriefingTextTag1, true, {"tag", "x", "y", "colour"}},
        {"end", kBriefingEnd, false, {}},
    };
    return shapes;
}

const EventShape* ShapeOfType(int type) {
    for (const EventShape& s : Shapes())
        if (type == s.type || (s.slotted && type > s.type && type < s.type + kBriefingTagSlots))
            return &s;
    return nullptr;
}

const EventShape* ShapeNamed(std::string_view key) {
    for (const EventShape& s : Shapes())
        if (key == s.key) return &s;
    return nullptr;
}

std::string EventKeys() {
    std::string keys;
    for (const EventShape& s : Shapes()) keys += (keys.empty() ? "" : ", ") + std::string(s.key);
    return keys;
}

// Reads one key of a briefing or an event, naming its path in every problem.
class Fields {
public:
    Fields(std::string path, JsonError error) : path_(std::move(path)), error_(std::move(error)) {}

    std::string At(std::string_view key) const { return path_ + "." + std::string(key); }
    void Error(const std::string& path, const std::string& what) {
        ok = false;
        error_(path, what);
    }

    bool Whole(const JsonValue& v, const std::string& path, long long lo, long long hi,
               const char* range, long long& out) {
        if (v.kind != JsonValue::Kind::Number) {
            Error(path, std::string("a number was expected, not ") + v.KindName());
            return false;
        }
        if (!v.whole || v.integer < lo || v.integer > hi) {
            Error(path, v.text + " is not " + range);
            return false;
        }
        out = v.integer;
        return true;
    }
    bool Word(const JsonValue* v, std::string_view key, uint16_t& out) {
        long long n = 0;
        if (!v || !Whole(*v, At(key), 0, 0xFFFF, "a 16-bit number (0 to 65535)", n)) return false;
        out = uint16_t(n);
        return true;
    }
    bool Hex(const JsonValue& v, std::string_view key, std::vector<uint8_t>& out) {
        if (v.kind == JsonValue::Kind::String && BytesFromHex(v.text, out)) return true;
        Error(At(key), "not pairs of hex digits");
        return false;
    }

    bool ok = true;

private:
    std::string path_;
    JsonError error_;
};

bool ReadEvent(const JsonValue& item, bool last, Fields& briefing, const std::string& path,
               BriefingEvent& out) {
    if (item.kind != JsonValue::Kind::Object) {
        briefing.Error(path, std::string("an object was expected, not ") + item.KindName());
        return false;
    }
    Fields f(path, [&](const std::string& p, const std::string& w) { briefing.Error(p, w); });
    const JsonValue* name = item.Find("event");
    const EventShape* shape =
        name && name->kind == JsonValue::Kind::String ? ShapeNamed(name->text) : nullptr;
    if (!shape) {
        f.Error(f.At("event"), (name ? "not an event" : std::string("missing")) + "; one of " +
                                   EventKeys() + " is expected");
        return false;
    }
    out.Type = shape->type;
    if (out.Type == kBriefingEnd && !last)
        f.Error(f.At("event"), "the end event must be the last one");
    std::vector<std::string> known = {"event", "time"};
    if (const JsonValue* time = item.Find("time"))
        f.Word(time, "time", out.Time);
    else if (out.Type == kBriefingEnd)
        out.Time = kBriefingEndTime;
    else
        f.Error(f.At("time"), "missing; the time in ticks (20 a second) is expected");
    if (shape->slotted) {
        known.push_back("slot");
        const JsonValue* slot = item.Find("slot");
        long long n = 0;
        if (!slot)
            f.Error(f.At("slot"), "missing; a slot (1 to 8) is expected");
        else if (f.Whole(*slot, f.At("slot"), 1, kBriefingTagSlots, "a slot (1 to 8)", n))
            out.Type = uint16_t(shape->type + n - 1);
    }
    for (size_t i = 0; i < shape->params.size(); ++i) {
        const char* key = shape->params[i];
        known.push_back(key);
        const JsonValue* v = item.Find(key);
        long long n = 0;
        if (!v)
            f.Error(f.At(key), std::string("missing; the ") + shape->key + " event needs it");
        else if (f.Whole(*v, f.At(key), -32768, 32767, "a signed 16-bit number (-32768 to 32767)",
                         n))
            out.Params[i] = int16_t(n);
    }
    for (const JsonMember& m : item.members)
        if (std::find(known.begin(), known.end(), m.key) == known.end())
            f.Error(f.At(m.key), "unknown key");
    return f.ok;
}

void ReadTeams(const JsonValue* viewed, const JsonValue* bytes, Fields& f, BriefingScript& s) {
    std::array<uint8_t, kBriefingTeamCount> listed{};
    if (viewed) {
        if (viewed->kind != JsonValue::Kind::Array) {
            f.Error(f.At("viewedBy"),
                    std::string("a list of team numbers was expected, not ") + viewed->KindName());
        } else {
            for (size_t i = 0; i < viewed->items.size(); ++i) {
                long long team = 0;
                if (f.Whole(viewed->items[i], f.At("viewedBy") + "[" + std::to_string(i) + "]", 1,
                            kBriefingTeamCount, "a team number (1 to 10)", team))
                    listed[size_t(team - 1)] = 1;
            }
        }
    }
    s.Teams = listed;
    std::vector<uint8_t> raw;
    if (!bytes || !f.Hex(*bytes, "teamBytes", raw)) return;
    if (raw.size() != s.Teams.size()) {
        f.Error(f.At("teamBytes"), "not 10 bytes in hex");
        return;
    }
    for (size_t t = 0; t < raw.size(); ++t) {
        if (viewed && (raw[t] != 0) != (listed[t] != 0)) {
            f.Error(f.At("viewedBy"), "does not list the teams whose teamBytes are not 0");
            return;
        }
        s.Teams[t] = raw[t];
    }
}

}  // namespace

std::string_view BriefingEventKey(int type) {
    const EventShape* shape = ShapeOfType(type);
    return shape ? shape->key : "";
}

void PutBriefingCommands(JsonWriter& j, const BriefingCommandBlock& block) {
    const BriefingDecode d = DecodeBriefing(block);
    if (!d.Script) {
        j.String("commands", HexFromBytes(block.data(), block.size()));
        j.String("unreadable", d.Reason);
        return;
    }
    const BriefingScript& s = *d.Script;
    j.Int("runningTime", s.RunningTime);
    j.Int("unknownWord", s.UnknownWord);
    std::vector<int> teams;
    for (int t = 0; t < kBriefingTeamCount; ++t)
        if (s.ShownTo(t)) teams.push_back(t + 1);
    j.IntArray("viewedBy", teams);
    if (std::any_of(s.Teams.begin(), s.Teams.end(), [](uint8_t b) { return b > 1; }))
        j.String("teamBytes", HexFromBytes(s.Teams.data(), s.Teams.size()));
    j.BeginArray("events");
    for (const BriefingEvent& e : s.Events) {
        const EventShape& shape = *ShapeOfType(e.Type);  // every decoded type has one
        j.BeginObject();
        j.Int("time", e.Time);
        j.String("event", shape.key);
        if (shape.slotted) j.Int("slot", e.Slot());
        for (size_t i = 0; i < shape.params.size(); ++i) j.Int(shape.params[i], e.Params[i]);
        j.EndObject();
    }
    j.EndArray();
    const size_t used = 2 * size_t(BriefingListWords(s.Events));
    size_t end = s.Area.size();
    while (end > used && s.Area[end - 1] == 0) --end;
    if (end > used) j.String("wordsAfterList", HexFromBytes(s.Area.data() + used, end - used));
}

void ReadBriefingCommands(const JsonTake& take, const std::string& path,
                          BriefingCommandBlock& block, const JsonError& error) {
    Fields f(path, error);
    const JsonValue* raw = take("commands");
    take("unreadable");
    const JsonValue* running = take("runningTime");
    const JsonValue* unknown = take("unknownWord");
    const JsonValue* viewed = take("viewedBy");
    const JsonValue* teamBytes = take("teamBytes");
    const JsonValue* events = take("events");
    const JsonValue* after = take("wordsAfterList");
    const bool named = running || unknown || viewed || teamBytes || events || after;
    if (raw) {
        std::vector<uint8_t> bytes;
        if (named)
            f.Error(f.At("commands"),
                    "give a briefing as its raw commands or by its named fields, not both");
        else if (!f.Hex(*raw, "commands", bytes) || bytes.size() > block.size())
            f.Error(f.At("commands"), "not at most 820 bytes in hex");
        else
            std::copy(bytes.begin(), bytes.end(), block.begin());
        return;
    }
    if (!named) return;

    BriefingScript s;
    if (running) f.Word(running, "runningTime", s.RunningTime);
    if (unknown) f.Word(unknown, "unknownWord", s.UnknownWord);
    ReadTeams(viewed, teamBytes, f, s);
    if (events && events->kind != JsonValue::Kind::Array) {
        f.Error(f.At("events"), std::string("a list was expected, not ") + events->KindName());
    } else if (events) {
        for (size_t i = 0; i < events->items.size(); ++i) {
            BriefingEvent e;
            const std::string itemPath = f.At("events") + "[" + std::to_string(i) + "]";
            if (ReadEvent(events->items[i], i + 1 == events->items.size(), f, itemPath, e))
                s.Events.push_back(e);
        }
        if (!s.Events.empty() && s.Events.back().Type != kBriefingEnd) {
            BriefingEvent end;
            end.Time = kBriefingEndTime;
            end.Type = kBriefingEnd;
            s.Events.push_back(end);
        }
    }
    const int words = BriefingListWords(s.Events);
    if (words > kBriefingMaxWords) f.Error(f.At("events"), BriefingTooLongText(words));
    std::vector<uint8_t> rest;
    if (after && f.Hex(*after, "wordsAfterList", rest)) {
        const size_t used = 2 * size_t(words);
        if (used + rest.size() > s.Area.size())
            f.Error(f.At("wordsAfterList"), std::to_string(rest.size()) +
                                                " bytes after a list of " + std::to_string(words) +
                                                " words run past the 800 bytes of events");
        else
            std::copy(rest.begin(), rest.end(), s.Area.begin() + std::ptrdiff_t(used));
    }
    if (f.ok) block = EncodeBriefing(s);
}

}  // namespace vantorel::cli
