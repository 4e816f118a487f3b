#include "catalogue/GoalText.h"

#include <string_view>

#include "catalogue/ConditionWordLists.h"
#include "catalogue/TeamName.h"

namespace vantorel {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i];
        if (a >= 'A' && a <= 'Z') a = char(a - 'A' + 'a');
        if (a != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::string GoalText(int team, int amount, const std::string& flightGroupText, int sense,
                     int condition, const Mission* mission) {
    if (condition == kConditionTrue) return "(Meaningless Goal)";
    if (condition == kConditionFalse) return "None";

    std::string text = TeamName(team, mission) + ": ";
    text += amount == kMixed ? "(multiple)" : ListWord(Amounts(), amount);
    text += " flight group " + flightGroupText + " ";

    // The sense words carry their own trailing blank; the bracketed ones do
    // not, so they run straight into the condition.
    std::string senseWord;
    bool bonus = false;
    switch (sense) {
        case kMixed:
            senseWord = "(multiple)";
            break;
        case 0:
            senseWord = "must ";
            break;
        case 1:
            senseWord = "must not ";
            break;
        case 2:
            senseWord = "must ";
            bonus = true;
            break;
        case 3:
            senseWord = "must not ";
            bonus = true;
            break;
        default:
            senseWord = "(unknown)";
            break;
    }

    std::string conditionText =
        condition == kMixed ? "(multiple)" : ListWord(Conditions(), condition);
    bool doubleNegative = false;
    if (senseWord == "must not " && StartsWithNoCase(conditionText, "must not ")) {
        senseWord = "must ";
        conditionText.erase(0, 9);
        doubleNegative = true;
    } else if (StartsWithNoCase(conditionText, "must ")) {
        conditionText.erase(0, 5);
    }

    text += senseWord + conditionText;
    if (bonus) text += " as bonus";
    if (doubleNegative) text += " (note: double negative)";
    return text;
}

}  // namespace vantorel
