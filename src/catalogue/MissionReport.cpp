#include "catalogue/MissionReport.h"

#include <array>
#include <cstdio>

#include "catalogue/BriefingText.h"
#include "catalogue/CodedFields.h"
#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/GoalText.h"
#include "catalogue/Orders.h"
#include "catalogue/TargetText.h"
#include "catalogue/TeamName.h"
#include "catalogue/TriggerText.h"
#include "mission/MapUnits.h"

namespace vantorel {

namespace {

constexpr std::array<const char*, 2> kAndOr = {"AND", "OR"};

// Report lines are built in Windows-1252 (names, sentences) and converted
// once, when written.
class Report {
public:
    explicit Report(const Mission& mission) : mission_(mission) {}

    void Line(int indent, const std::string& text) {
        out_.append(static_cast<std::size_t>(2 * indent), ' ');
        out_ += text;
        out_ += '\n';
    }
    void Blank() { out_ += '\n'; }

    std::string Trigger(const vantorel::Trigger& t) const { return TriggerText(t, &mission_); }

    // Four conditions: "(1 AND 2) OR (3 AND 4)" in the heading, then one
    // sentence a line.
    void FourTriggers(int indent, const std::string& heading,
                      const std::array<vantorel::Trigger, 4>& t, int andOr12, int andOr34,
                      int andOr1234) {
        Line(indent, heading + ": (1 " + ListWord(kAndOr, andOr12) + " 2) " +
                         ListWord(kAndOr, andOr1234) + " (3 " + ListWord(kAndOr, andOr34) + " 4)");
        for (int i = 0; i < 4; ++i) Line(indent + 1, std::to_string(i + 1) + ": " + Trigger(t[i]));
    }

    void TwoTriggers(int indent, const std::string& heading, const vantorel::Trigger& a,
                     const vantorel::Trigger& b, int andOr) {
        Line(indent, heading + ": 1 " + ListWord(kAndOr, andOr) + " 2");
        Line(indent + 1, "1: " + Trigger(a));
        Line(indent + 1, "2: " + Trigger(b));
    }

    void Settings() {
        const MissionHeader& h = mission_.Header;
        Line(1, std::string("Format: ") + (h.IsBop() ? "BoP" : "XvT") + " (" +
                    std::to_string(h.FormatVersion()) + ")");
        Line(1, "Type: " + ListWord(MissionTypes(), h.MissionType()));
        char time[32];
        std::snprintf(time, sizeof time, "%d:%02d", h.TimeLimitMinutes(), h.TimeLimitSeconds());
        Line(1, std::string("Time limit: ") + time);
        Line(1, "Flight groups: " + std::to_string(mission_.CountFlightGroups()));
        Line(1, "Messages: " + std::to_string(mission_.CountMessages()));
        Text(1, "Description", mission_.Description);
        if (h.IsBop()) {
            Text(1, "Successful debriefing", mission_.SuccessfulDebriefing);
            Text(1, "Failed debriefing", mission_.FailedDebriefing);
        }
    }

    void Teams() {
        static const char* const kSetNames[3] = {"Primary goals", "Prevent goals",
                                                 "Secondary goals"};
        for (int team = 0; team < kTeamCount; ++team) {
            const TeamRecord& record = mission_.Teams[static_cast<std::size_t>(team)];
            Blank();
            Line(0, "Team " + std::to_string(team + 1) + ": " + TeamName(team, &mission_));
            std::string allies;
            for (int other = 0; other < kTeamCount; ++other) {
                if (!record.Allies(other)) continue;
                if (!allies.empty()) allies += ", ";
                allies += TeamName(other, &mission_);
            }
            Line(1, "Allies: " + (allies.empty() ? std::string("none") : allies));
            for (int k = 0; k < 3; ++k) {
                ConstGoalSet set = *mission_.GlobalGoalSet(team, k);
                FourTriggers(
                    1,
                    std::string(kSetNames[k]) + " (" + std::to_string(set.Points() * 250) +
                        " points)",
                    {set.GetTrigger(0), set.GetTrigger(1), set.GetTrigger(2), set.GetTrigger(3)},
                    set.AndOr12(), set.AndOr34(), set.AndOr1234());
            }
        }
    }

    void FlightGroup(int index, const vantorel::FlightGroup& fg) {
        const FlightGroupRecord& r = fg.File;
        Blank();
        char title[64];
        std::snprintf(title, sizeof title, "Flight group %d: %d ", index, r.NumberOfCraft());
        Line(0, title + CraftNameForCount(r.CraftType(), r.NumberOfCraft()) + " " + r.Name());
        Line(1, "Team: " + TeamName(r.Team(), &mission_));
        Line(1, "IFF: " + ListWord(IffCodes(), r.Iff()));
        Line(1, "Waves: " + std::to_string(r.NumberOfWaves() + 1));
        char delay[64];
        std::snprintf(delay, sizeof delay, "Arrival (delay %d:%02d)", r.ArrivalDelayMinutes(),
                      r.ArrivalDelaySeconds());
        FourTriggers(
            1, delay,
            {r.ArrivalTrigger(0), r.ArrivalTrigger(1), r.ArrivalTrigger(2), r.ArrivalTrigger(3)},
            r.ArrivalAndOr12(), r.ArrivalAndOr34(), r.ArrivalAndOr1234());
        Line(1, "Arrives by: " + Mothership(r.ArriveViaMothership(), r.ArrivalMothership()) +
                    "; alternate: " +
                    Mothership(r.AlternateArriveViaMothership(), r.AlternateArrivalMothership()));
        TwoTriggers(1, "Departure", r.DepartureTrigger(0), r.DepartureTrigger(1),
                    r.DepartureAndOr());
        Line(1, "Departs by: " + Mothership(r.DepartViaMothership(), r.DepartureMothership()) +
                    "; alternate: " +
                    Mothership(r.AlternateDepartViaMothership(), r.AlternateDepartureMothership()));
        for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) Order(n, r.Orders(n));
        TwoTriggers(1, "Jump to order 4", r.JumpToOrder4Trigger(0), r.JumpToOrder4Trigger(1),
                    r.JumpToOrder4AndOr());
        Goals(r);
        Points(r);
    }

    void Message(int index, const RadioMessage& message) {
        const MessageRecord& r = message.File;
        Blank();
        Line(0, "Message " + std::to_string(index) + ": " + r.TextWithoutColour());
        Line(1, "Colour: " + ListWord(MessageColourNames(), r.Colour()));
        Line(1, "Delay: " + std::to_string(r.Delay()) + " seconds");
        std::string teams;
        for (int team = 0; team < kTeamCount; ++team) {
            if (!r.SentToTeam(team)) continue;
            if (!teams.empty()) teams += ", ";
            teams += TeamName(team, &mission_);
        }
        Line(1, "Sent to: " + (teams.empty() ? std::string("nobody") : teams));
        FourTriggers(1, "Conditions",
                     {r.GetTrigger(0), r.GetTrigger(1), r.GetTrigger(2), r.GetTrigger(3)},
                     r.AndOr12(), r.AndOr34(), r.AndOr1234());
    }

    const std::string& Text() const { return out_; }

private:
    // A free text held with CR LF breaks, one indented line per line.
    void Text(int indent, const std::string& label, const std::string& text) {
        if (text.empty()) {
            Line(indent, label + ": none");
            return;
        }
        Line(indent, label + ":");
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            Line(indent + 1, text.substr(start, end - start));
            start = end + 2;
        }
    }

    // "hyperspace", or "mothership 3: 1 Frigate Wrath" (its flight group).
    std::string Mothership(int via, int index) const {
        if (!via) return "hyperspace";
        std::string text = "mothership " + std::to_string(index);
        if (index >= mission_.CountFlightGroups()) return text + ", which does not exist";
        const FlightGroupRecord& m = mission_.FlightGroups[static_cast<std::size_t>(index)]->File;
        return text + ": " + std::to_string(m.NumberOfCraft()) + " " +
               CraftNameForCount(m.CraftType(), m.NumberOfCraft()) + " " + m.Name();
    }

    void Order(int n, const ConstOrder& o) {
        const auto [label1, label2] = OrderParameterLabels(o.Command());
        Line(1, "Order " + std::to_string(n + 1) + ": " + OrderName(o.Command()) + "; " + label1 +
                    " " + std::to_string(o.Parameter1()) + "; " + label2 + " " +
                    std::to_string(o.Parameter2()) + "; throttle " + std::to_string(o.Throttle()));
        Line(2, "Primary targets: 1 " + ListWord(kAndOr, o.Target12AndOr()) + " 2");
        Line(3, "1: " + TargetText(o.Target1Type(), o.Target1(), &mission_));
        Line(3, "2: " + TargetText(o.Target2Type(), o.Target2(), &mission_));
        Line(2, "Secondary targets: 3 " + ListWord(kAndOr, o.Target34AndOr()) + " 4");
        Line(3, "3: " + TargetText(o.Target3Type(), o.Target3(), &mission_));
        Line(3, "4: " + TargetText(o.Target4Type(), o.Target4(), &mission_));
    }

    // Goals whose condition is "false" have no effect (every new flight group
    // has eight of them) and are left out.
    void Goals(const FlightGroupRecord& r) {
        const std::string label = FlightGroupLabel(r);
        bool any = false;
        for (int n = 0; n < FlightGroupRecord::kGoalCount; ++n) {
            ConstFgGoal g = r.Goals(n);
            if (g.Condition() == kConditionFalse) continue;
            if (!any) Line(1, "Goals:");
            any = true;
            Line(2,
                 std::to_string(n + 1) + " (" + std::to_string(g.Points() * 250) + " points): " +
                     GoalText(g.Team(), g.Amount(), label, g.Argument(), g.Condition(), &mission_));
        }
        if (!any) Line(1, "Goals: none");
    }

    void Points(const FlightGroupRecord& r) {
        bool any = false;
        for (int p = 0; p < kPointCount; ++p) {
            if (!r.WaypointEnabled(p)) continue;
            if (!any) Line(1, "Points (km):");
            any = true;
            char xyz[96];
            std::snprintf(xyz, sizeof xyz, ": %.2f, %.2f, %.2f", KmFromRaw(r.WaypointX(p)),
                          KmFromRaw(r.WaypointY(p)), KmFromRaw(r.WaypointZ(p)));
            Line(2, NavPointShortName(p) + xyz);
        }
        if (!any) Line(1, "Points (km): none");
    }

    const Mission& mission_;
    std::string out_;
};

}  // namespace

std::string MissionReportText(const Mission& mission) {
    Report report(mission);
    report.Settings();
    report.Teams();
    for (int i = 0; i < mission.CountFlightGroups(); ++i)
        report.FlightGroup(i, *mission.FlightGroups[static_cast<std::size_t>(i)]);
    for (int i = 0; i < mission.CountMessages(); ++i)
        report.Message(i, *mission.Messages[static_cast<std::size_t>(i)]);
    std::string text = report.Text();
    for (int b = 0; b < kBriefingCount; ++b)
        if (!BriefingIsEmpty(mission.Briefings[static_cast<std::size_t>(b)].Commands))
            text += "\n" + BriefingReportText(mission, b);
    return text;
}

std::string FlightGroupReportText(int index, const FlightGroup& fg, const Mission& mission) {
    Report report(mission);
    report.FlightGroup(index, fg);
    return report.Text();
}

std::string MessageReportText(int index, const RadioMessage& message, const Mission& mission) {
    Report report(mission);
    report.Message(index, message);
    return report.Text();
}

}  // namespace vantorel
