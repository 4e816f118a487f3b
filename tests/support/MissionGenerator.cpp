#include "support/MissionGenerator.h"

namespace vantorel::testing {

std::string MissionGenerator::Text(size_t n, bool allowDollar) {
    std::string s;
    s.reserve(n);
    while (s.size() < n) {
        char c = char(Int(1, 255));
        if (!allowDollar && c == '$') continue;
        s += c;
    }
    return s;
}

std::string MissionGenerator::FreeText(size_t maxChars) {
    size_t n = size_t(Int(0, int(maxChars)));
    std::string s;
    while (s.size() < n) {
        if (Int(0, 20) == 0 && s.size() + 2 <= n) {
            s += "\r\n";
            continue;
        }
        char c = char(Int(1, 255));
        if (c == '$' || c == '\r') continue;
        s += c;
    }
    return s;
}

Mission MissionGenerator::Make(const Shape& shape) {
    Mission m;
    Fill(m.Header);
    int version = shape.formatVersion >= 0 ? shape.formatVersion : (Int(0, 1) ? 14 : 12);
    m.Header.SetFormatVersion(uint16_t(version));
    int fgs = shape.flightGroups >= 0 ? shape.flightGroups : Int(0, shape.maxFlightGroups);
    int msgs = shape.messages >= 0 ? shape.messages : Int(0, shape.maxMessages);
    for (int i = 0; i < fgs; ++i) {
        FlightGroup& fg = m.AppendFlightGroup();
        Fill(fg.File);
        Fill(fg.GoalStrings);
    }
    for (int i = 0; i < msgs; ++i) {
        RadioMessage& msg = m.AppendMessage();
        Fill(msg.File);
        msg.File.SetIndex(uint16_t(i));  // the writer renumbers; keep the read-back equal
    }
    m.Header.SetFlightGroupCount(uint16_t(fgs));
    m.Header.SetMessageCount(uint16_t(msgs));
    for (auto& g : m.GlobalGoals) Fill(g);
    for (auto& t : m.Teams) Fill(t);
    for (auto& b : m.Briefings) {
        for (auto& c : b.Commands) c = uint8_t(Int(0, 255));
        for (auto& t : b.Tags) t = Int(0, 2) == 0 ? std::string() : Text(size_t(Int(1, Int(0, 4) ? 40 : 600)));
        for (auto& s : b.Strings) s = Int(0, 2) == 0 ? std::string() : Text(size_t(Int(1, 300)));
    }
    Fill(*m.GoalStrings);
    if (m.Header.IsBop()) {
        m.SuccessfulDebriefing = FreeText(Int(0, 3) ? 200 : 4096);
        m.FailedDebriefing = FreeText(200);
    }
    m.Description = FreeText(Int(0, 3) ? 300 : (m.Header.IsBop() ? 4096 : 1024));
    // A text that fills its block exactly, with no terminator in the file.
    if (Int(0, 3) == 0) m.Description = Text(m.Header.IsBop() ? 4096 : 1024, false);
    return m;
}

Mission MakeEmptyMission(uint16_t formatVersion, int flightGroups, int messages) {
    Mission m;
    m.Header.SetFormatVersion(formatVersion);
    for (int i = 0; i < flightGroups; ++i) m.AppendFlightGroup();
    for (int i = 0; i < messages; ++i) m.AppendMessage();
    return m;
}

}  // namespace vantorel::testing
