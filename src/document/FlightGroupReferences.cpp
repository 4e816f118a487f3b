#include "document/FlightGroupReferences.h"

#include <algorithm>
#include <map>

#include "catalogue/BriefingText.h"
#include "catalogue/ConditionWordLists.h"
#include "catalogue/Orders.h"
#include "catalogue/TargetText.h"
#include "catalogue/TeamName.h"
#include "catalogue/TriggerText.h"
#include "document/MissionClipboard.h"
#include "document/RecordSwapEdit.h"
#include "mission/BriefingCommands.h"
#include "mission/Win1252.h"

namespace vantorel {

namespace {

bool Active(const Trigger& t) {
    return t.Condition != kConditionTrue && t.Condition != kConditionFalse;
}

bool Names(const Trigger& t, const std::vector<int>& positions) {
    return Active(t) && t.VariableType == kVariableFlightGroup &&
           std::find(positions.begin(), positions.end(), t.Variable) != positions.end();
}

// Lists the fields that name one of `positions`, each with whose field it is.
class Lister {
public:
    Lister(const Mission& mission, const std::vector<int>& positions)
        : mission_(mission), positions_(positions) {}

    void Trigger(const std::string& where, const vantorel::Trigger& t) {
        if (Names(t, positions_)) lines.push_back(where + ": " + TriggerText(t, &mission_));
    }
    void Target(const std::string& where, int type, int value) {
        if (type == kVariableFlightGroup && Named(value))
            lines.push_back(where + ": " + TargetText(type, value, &mission_));
    }
    void Mothership(const std::string& where, bool used, int value) {
        if (used && Named(value))
            lines.push_back(where + ": " + TargetText(kVariableFlightGroup, value, &mission_));
    }
    void BriefingTag(int b, const BriefingEvent& e) {
        if (e.IsFgTag() && Named(e.Params[0]))
            lines.push_back(
                "Briefing " + std::to_string(b + 1) + " at " + BriefingTimeText(e.Time) + ": " +
                Win1252ToUtf8(BriefingEventText(e, mission_.Briefings[size_t(b)], mission_)));
    }

    std::vector<std::string> lines;

private:
    bool Named(int value) const {
        return std::find(positions_.begin(), positions_.end(), value) != positions_.end();
    }
    const Mission& mission_;
    const std::vector<int>& positions_;
};

void ListFlightGroup(const FlightGroupRecord& r, Lister& out) {
    const std::string of = " of " + Win1252ToUtf8(r.Name());
    for (int i = 0; i < 4; ++i) out.Trigger("Arrival" + of, r.ArrivalTrigger(i));
    for (int i = 0; i < 2; ++i) out.Trigger("Departure" + of, r.DepartureTrigger(i));
    for (int i = 0; i < 2; ++i) out.Trigger("Jump to order 4" + of, r.JumpToOrder4Trigger(i));
    out.Mothership("Arrival mothership" + of, r.ArriveViaMothership(), r.ArrivalMothership());
    out.Mothership("Alternate arrival mothership" + of, r.AlternateArriveViaMothership(),
                   r.AlternateArrivalMothership());
    out.Mothership("Departure mothership" + of, r.DepartViaMothership(), r.DepartureMothership());
    out.Mothership("Alternate departure mothership" + of, r.AlternateDepartViaMothership(),
                   r.AlternateDepartureMothership());
    for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) {
        const ConstOrder o = r.Orders(n);
        const std::string where = "Order " + std::to_string(n + 1) + of;
        out.Target(where, o.Target1Type(), o.Target1());
        out.Target(where, o.Target2Type(), o.Target2());
        out.Target(where, o.Target3Type(), o.Target3());
        out.Target(where, o.Target4Type(), o.Target4());
        out.Mothership("Flight group dropped off by order " + std::to_string(n + 1) + of,
                       o.Command() == kOrderDropOffCraft, o.Parameter2());
    }
}

const char* const kGoalSets[3] = {"Primary goal", "Prevent goal", "Secondary goal"};

// The flight group tags of a briefing follow their flight groups too; a block
// that does not decode is carried as it is.
void RenumberBriefing(Briefing& b, const std::map<int, int>& moves) {
    BriefingDecode d = DecodeBriefing(b.Commands);
    if (!d.Script) return;
    for (BriefingEvent& e : d.Script->Events) {
        if (!e.IsFgTag()) continue;
        auto it = moves.find(e.Params[0]);
        if (it != moves.end()) e.Params[0] = int16_t(it->second);
    }
    b.Commands = EncodeBriefing(*d.Script);
}

Trigger Renumbered(Trigger t, const std::map<int, int>& moves) {
    if (t.VariableType != kVariableFlightGroup) return t;
    auto it = moves.find(t.Variable);
    if (it != moves.end()) t.Variable = uint8_t(it->second);
    return t;
}

}  // namespace

std::vector<std::string> ReferencesToFlightGroups(const Mission& mission,
                                                  const std::vector<int>& positions) {
    Lister out(mission, positions);
    for (int i = 0; i < mission.CountFlightGroups(); ++i)
        if (std::find(positions.begin(), positions.end(), i) == positions.end())
            ListFlightGroup(mission.FlightGroups[size_t(i)]->File, out);
    for (int m = 0; m < mission.CountMessages(); ++m) {
        const MessageRecord& r = mission.Messages[size_t(m)]->File;
        const std::string where =
            "Message " + std::to_string(m) + " \"" + Win1252ToUtf8(r.TextWithoutColour()) + "\"";
        for (int i = 0; i < 4; ++i) out.Trigger(where, r.GetTrigger(i));
    }
    for (int team = 0; team < kTeamCount; ++team)
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 4; ++i)
                out.Trigger(kGoalSets[k] + std::string(" of ") + TeamName(team, &mission),
                            mission.GlobalGoalSet(team, k)->GetTrigger(i));
    for (int b = 0; b < kBriefingCount; ++b)
        if (const BriefingDecode d = DecodeBriefing(mission.Briefings[size_t(b)].Commands);
            d.Script)
            for (const BriefingEvent& e : d.Script->Events) out.BriefingTag(b, e);
    return out.lines;
}

std::unique_ptr<MissionEdit> KeepReferencesAcrossDeletion(Mission& mission,
                                                          const std::vector<int>& deleted) {
    auto edit = std::make_unique<RecordSwapEdit>("Renumber References");
    if (deleted.empty()) return edit;
    std::map<int, int> moves;
    int gone = 0;
    for (int i = *std::min_element(deleted.begin(), deleted.end()); i < mission.CountFlightGroups();
         ++i) {
        if (std::find(deleted.begin(), deleted.end(), i) != deleted.end()) {
            moves[i] = kNoFlightGroup;
            ++gone;
        } else {
            moves[i] = i - gone;
        }
    }
    for (int i = 0; i < mission.CountFlightGroups(); ++i) {
        if (std::find(deleted.begin(), deleted.end(), i) != deleted.end()) continue;
        FlightGroupRecord& live = mission.FlightGroups[size_t(i)]->File;
        FlightGroupRecord renumbered = live;
        RenumberFlightGroupReferences(renumbered, moves);
        edit->Add(live, std::move(renumbered));
    }
    for (auto& message : mission.Messages) {
        MessageRecord renumbered = message->File;
        for (int i = 0; i < 4; ++i)
            renumbered.SetTrigger(i, Renumbered(renumbered.GetTrigger(i), moves));
        edit->Add(message->File, std::move(renumbered));
    }
    for (auto& goals : mission.GlobalGoals) {
        GlobalGoalsRecord renumbered = goals;
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 4; ++i)
                renumbered.Set(k).SetTrigger(i, Renumbered(renumbered.Set(k).GetTrigger(i), moves));
        edit->Add(goals, std::move(renumbered));
    }
    for (Briefing& briefing : mission.Briefings) {
        Briefing renumbered = briefing;
        RenumberBriefing(renumbered, moves);
        edit->Add(briefing, std::move(renumbered));
    }
    return edit;
}

}  // namespace vantorel
