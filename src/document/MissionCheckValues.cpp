// Numbers the game looks up in its tables: a craft type, IFF, formation,
// condition, order or variable past the end of its table makes the game
// read whatever lies after it.
#include <span>
#include <string>

#include "catalogue/CodedFields.h"
#include "catalogue/ConditionWordLists.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/CraftWordLists.h"
#include "catalogue/Orders.h"
#include "document/MissionCheckRules.h"

namespace vantorel {

namespace {

constexpr int kMaxPlayers = 8;

class ValueRules {
public:
    explicit ValueRules(ProblemSink& sink) : sink_(sink) {}

    // "<what> is <value>, past the <table> (0 to <count - 1>)"
    bool Within(const std::string& what, int value, int count, const char* table) {
        if (value < count) return true;
        sink_.Add(ProblemSeverity::Error, ProblemKind::InvalidValue,
                  what + " is " + std::to_string(value) + ", past the " + table + " (0 to " +
                      std::to_string(count - 1) + ")");
        return false;
    }

    // What a variable of each type can name; flight groups and teams are
    // checked as references. Targets count ship types from the first craft
    // after "none".
    void Variable(const std::string& what, int type, int value, bool target) {
        switch (type) {
            case kVariableShipType:
                Within(what, value, CraftTypeCount - (target ? 1 : 0), "craft table");
                break;
            case kVariableShipCategory:
                Within(what, value, int(ShipCategories().size()), "ship categories");
                break;
            case kVariableObjectCategory:
                Within(what, value, int(ObjectCategories().size()), "object categories");
                break;
            case kVariableIffCode:
                Within(what, value, int(IffCodes().size()), "IFF table");
                break;
            case kVariableOrders:
                Within(what, value, OrderCount, "order table");
                break;
            case kVariableCraftWhen:
                Within(what, value, int(CraftWhenCases().size()), "list of craft cases");
                break;
            default:
                break;
        }
    }

    void Trigger(const std::string& name, const vantorel::Trigger& t) {
        if (!Within(name + " condition", t.Condition, int(Conditions().size()), "condition list"))
            return;
        if (t.Condition == kConditionTrue || t.Condition == kConditionFalse) return;
        Within(name + " amount", t.Amount, int(Amounts().size()), "amount list");
        if (Within(name + " variable type", t.VariableType, int(VariableTypes().size()),
                   "variable type list"))
            Variable(name + " variable", t.VariableType, t.Variable, false);
    }

    void Target(const std::string& name, int type, int value) {
        if (Within(name + " type", type, int(VariableTypes().size()), "variable type list"))
            Variable(name, type, value, true);
    }

    // Every number of the record that the game looks up in a table.
    template <class Record>
    void Coded(std::span<const CodedField<Record>> fields, const Record& record,
               const std::string& prefix = {}) {
        for (const CodedField<Record>& f : fields)
            for (int e = 0; e < f.elements; ++e) {
                const std::string what =
                    prefix + f.what + (f.elements > 1 ? " " + std::to_string(e + 1) : "");
                Known(what, f.value(record, e), *f.table);
            }
    }

    void Odd(const std::string& what) {
        sink_.Add(ProblemSeverity::Warning, ProblemKind::OddValue, what);
    }

private:
    void Known(const std::string& what, int value, const ValueTable& table) {
        if (table.Holds(value)) return;
        // A table with gaps (the format versions) is not one a number runs past.
        const std::string range = table.Range();
        const bool past = value >= table.Count() && range.starts_with("0 to ");
        sink_.Add(ProblemSeverity::Error, ProblemKind::InvalidValue,
                  what + " is " + std::to_string(value) + (past ? ", past the " : ", not in the ") +
                      table.name + " (" + range + ")");
    }

    ProblemSink& sink_;
};

std::string Numbered(const char* name, int n) {
    return name + std::to_string(n + 1);
}

}  // namespace

void CheckFlightGroupValues(const FlightGroup& fg, ProblemSink& sink) {
    const FlightGroupRecord& r = fg.File;
    ValueRules rules(sink);
    rules.Coded(FlightGroupCodedFields(), r);
    if (r.NumberOfCraft() == 0)
        sink.Add(ProblemSeverity::Error, ProblemKind::InvalidValue, "has 0 craft");
    if (r.PlayerNumber() > kMaxPlayers)
        sink.Add(ProblemSeverity::Error, ProblemKind::InvalidValue,
                 "is flown by player " + std::to_string(r.PlayerNumber()) +
                     "; the game has players 1 to 8");
    for (int i = 0; i < 4; ++i) rules.Trigger(Numbered("arrival trigger ", i), r.ArrivalTrigger(i));
    for (int i = 0; i < 2; ++i)
        rules.Trigger(Numbered("departure trigger ", i), r.DepartureTrigger(i));
    for (int i = 0; i < 2; ++i)
        rules.Trigger(Numbered("jump to order 4 trigger ", i), r.JumpToOrder4Trigger(i));
    for (int n = 0; n < FlightGroupRecord::kOrderCount; ++n) {
        const ConstOrder o = r.Orders(n);
        const std::string order = Numbered("order ", n);
        rules.Coded(OrderCodedFields(), o, order + " ");
        if (o.Command() >= OrderCount || !OrderTargetsHaveEffect(o.Command())) continue;
        rules.Target(order + " target 1", o.Target1Type(), o.Target1());
        rules.Target(order + " target 2", o.Target2Type(), o.Target2());
        rules.Target(order + " target 3", o.Target3Type(), o.Target3());
        rules.Target(order + " target 4", o.Target4Type(), o.Target4());
    }
    for (int n = 0; n < FlightGroupRecord::kGoalCount; ++n) {
        const ConstFgGoal g = r.Goals(n);
        const std::string goal = Numbered("goal ", n);
        if (!rules.Within(goal + " condition", g.Condition(), int(Conditions().size()),
                          "condition list") ||
            g.Condition() == kConditionTrue || g.Condition() == kConditionFalse)
            continue;
        rules.Within(goal + " amount", g.Amount(), int(Amounts().size()), "amount list");
        rules.Coded(GoalCodedFields(), g, goal + " ");
    }
    // A hidden cargo on a craft the group does not have is carried by none;
    // the group's own count is how the editor turns it off.
    if (r.SpecialCargoCraft() > r.NumberOfCraft())
        rules.Odd("hidden cargo is on craft " + std::to_string(r.SpecialCargoCraft() + 1) + " of " +
                  std::to_string(r.NumberOfCraft()) + "; no craft carries it");
    // Legal, but the flight group never shows up.
    if (r.DifficultyLevel() == 6 || r.DifficultyLevel() == 7)
        rules.Odd("never appears (difficulty level " + std::to_string(r.DifficultyLevel()) + ")");
    // A name with no zero byte runs on into the next field when the game
    // shows it.
    if (r.Name().size() == FlightGroupRecord::kNameSize)
        rules.Odd("the name fills its field with no end; the game shows what follows it too");
}

void CheckMissionValues(const Mission& mission, ProblemSink& sink) {
    ValueRules(sink).Coded(HeaderCodedFields(), mission.Header);
}

void CheckMessageValues(const RadioMessage& message, ProblemSink& sink) {
    ValueRules rules(sink);
    for (int i = 0; i < 4; ++i) rules.Trigger(Numbered("trigger ", i), message.File.GetTrigger(i));
}

void CheckTeamValues(const Mission& mission, int team, ProblemSink& sink) {
    static const char* const kSets[3] = {"primary goal trigger ", "prevent goal trigger ",
                                         "secondary goal trigger "};
    ValueRules rules(sink);
    for (int k = 0; k < 3; ++k) {
        const ConstGoalSet set = *mission.GlobalGoalSet(team, k);
        for (int i = 0; i < 4; ++i) rules.Trigger(Numbered(kSets[k], i), set.GetTrigger(i));
    }
}

}  // namespace vantorel
