// Fields that name a flight group or a team by its position. A delete in the
// editor renumbers them, but a field that named a deleted flight group names
// none afterwards, and files made elsewhere may point past the end.
#include <string>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/Orders.h"
#include "document/FlightGroupReferences.h"
#include "document/MissionCheckRules.h"

namespace vantorel {

namespace {

// "true" and "false" look at nothing else of the trigger.
bool Active(const Trigger& t) {
    return t.Condition != kConditionTrue && t.Condition != kConditionFalse;
}

bool IsTriggerTeamType(int type) {
    return type == kVariableTeam || type == kVariableAllTeamsExcept || type == kVariableTeam22;
}

bool IsTargetTeamType(int type) {
    return type == kVariableTeam || type == kVariableAllTeamsExcept;
}

// Walks every field of a record that names a flight group or a team.
class ReferenceVisitor {
public:
    virtual ~ReferenceVisitor() = default;
    virtual void FlightGroup(const std::string& phrase, int index) = 0;
    virtual void Team(const std::string& phrase, int team) = 0;
    // Whether to pass over the targets of orders whose targets have no effect
    // (Hold Station keeps whatever they held: nothing to report).
    virtual bool OnlyEffective() const { return false; }

    void Trigger(const std::string& name, const vantorel::Trigger& t) {
        if (!Active(t)) return;
        if (t.VariableType == kVariableFlightGroup) FlightGroup(name + " names", t.Variable);
        if (IsTriggerTeamType(t.VariableType)) Team(name + " names", t.Variable);
    }

    void Target(const std::string& name, int type, int value) {
        if (type == kVariableFlightGroup) FlightGroup(name + " names", value);
        if (IsTargetTeamType(type)) Team(name + " names", value);
    }
};

// Reports what names nothing.
class MissingReferences final : public ReferenceVisitor {
public:
    MissingReferences(const Mission& mission, ProblemSink& sink) : mission_(mission), sink_(sink) {}

    bool OnlyEffective() const override { return true; }

    // phrase + " flight group N, which does not exist"
    void FlightGroup(const std::string& phrase, int index) override {
        if (index < mission_.CountFlightGroups()) return;
        if (index == kNoFlightGroup) {
            sink_.Add(ProblemSeverity::Error, ProblemKind::MissingFlightGroup,
                      phrase + " no flight group");
            return;
        }
        sink_.Add(ProblemSeverity::Error, ProblemKind::MissingFlightGroup,
                  phrase + " flight group " + std::to_string(index) + ", which does not exist");
    }

    void Team(const std::string& phrase, int team) override {
        if (team < kTeamCount) return;
        sink_.Add(ProblemSeverity::Error, ProblemKind::MissingTeam,
                  phrase + " team " + std::to_string(team + 1) + ", which does not exist");
    }

private:
    const Mission& mission_;
    ProblemSink& sink_;
};

std::string Numbered(const char* name, int n) {
    return name + std::to_string(n + 1);
}

void VisitFlightGroup(const FlightGroupRecord& r, ReferenceVisitor& refs) {
    refs.Team("belongs to", r.Team());
    for (int i = 0; i < 4; ++i) refs.Trigger(Numbered("arrival trigger ", i), r.ArrivalTrigger(i));
    for (int i = 0; i < 2; ++i)
        refs.Trigger(Numbered("departure trigger ", i), r.DepartureTrigger(i));
    // A mothership counts only when the flight group comes or goes through it.
    if (r.ArriveViaMothership()) refs.FlightGroup("arrival mothership is", r.ArrivalMothership());
    if (r.AlternateArriveViaMothership())
        refs.FlightGroup("alternate arrival mothership is", r.AlternateArrivalMothership());
    if (r.DepartViaMothership())
        refs.FlightGroup("departure mothership is", r.DepartureMothership());
    if (r.AlternateDepartViaMothership())
        refs.FlightGroup("alternate departure mothership is", r.AlternateDepartureMothership());
    for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) {
        const ConstOrder o = r.Orders(n);
        if (o.Command() == kOrderDropOffCraft)
            refs.FlightGroup(Numbered("order ", n) + " drops off", o.Parameter2());
        if (refs.OnlyEffective() && !OrderTargetsHaveEffect(o.Command())) continue;
        const std::string order = Numbered("order ", n);
        refs.Target(order + " target 1", o.Target1Type(), o.Target1());
        refs.Target(order + " target 2", o.Target2Type(), o.Target2());
        refs.Target(order + " target 3", o.Target3Type(), o.Target3());
        refs.Target(order + " target 4", o.Target4Type(), o.Target4());
    }
    for (int i = 0; i < 2; ++i)
        refs.Trigger(Numbered("jump to order 4 trigger ", i), r.JumpToOrder4Trigger(i));
    for (int n = 0; n < FlightGroupRecord::kGoalCount; ++n) {
        const ConstFgGoal g = r.Goals(n);
        if (g.Condition() == kConditionTrue || g.Condition() == kConditionFalse) continue;
        refs.Team(Numbered("goal ", n) + " is for", g.Team());
    }
}

void VisitMessage(const RadioMessage& message, ReferenceVisitor& refs) {
    for (int i = 0; i < 4; ++i) refs.Trigger(Numbered("trigger ", i), message.File.GetTrigger(i));
}

void VisitTeam(const Mission& mission, int team, ReferenceVisitor& refs) {
    static const char* const kSets[3] = {"primary goal trigger ", "prevent goal trigger ",
                                         "secondary goal trigger "};
    for (int k = 0; k < 3; ++k) {
        const ConstGoalSet set = *mission.GlobalGoalSet(team, k);
        for (int i = 0; i < 4; ++i) refs.Trigger(Numbered(kSets[k], i), set.GetTrigger(i));
    }
}

}  // namespace

void CheckFlightGroupReferences(const Mission& mission, const FlightGroup& fg, ProblemSink& sink) {
    MissingReferences refs(mission, sink);
    VisitFlightGroup(fg.File, refs);
}

void CheckMessageReferences(const Mission& mission, const RadioMessage& message,
                            ProblemSink& sink) {
    MissingReferences refs(mission, sink);
    VisitMessage(message, refs);
}

void CheckTeamReferences(const Mission& mission, int team, ProblemSink& sink) {
    MissingReferences refs(mission, sink);
    VisitTeam(mission, team, refs);
}

}  // namespace vantorel
