#pragma once

// The numbers of a mission's records that the game looks up in one of its
// tables, each with its table, listed once: `check` reports a number the
// table does not hold (the game would read whatever lies past it) and `dump`
// names each number by the same table. A field is known by its key in the
// mission's JSON.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/WordList.h"
#include "mission/MissionRecords.h"
#include "mission/RecordViews.h"

namespace vantorel {

// A table the game looks numbers up in. Its words are by value; an empty
// word is a value the table does not hold (the format versions).
struct ValueTable {
    const char* name;  // "craft table", "warhead list", as check names it
    WordList (*words)();
    // Values it takes when that is more than it has words: the status lists
    // offer positions up to 50 with "(unknown: n)" past their words.
    int positions = 0;

    int Count() const;
    bool Holds(int value) const;
    // The values it holds, for a message: "0 to 95", "12 or 14".
    std::string Range() const;
    // Its word for a value; "(unknown: n)" for one it does not hold.
    std::string Word(int value) const;
};

template <class Record>
struct CodedField {
    const char* key;   // in the JSON: "warhead"
    const char* what;  // in check's words: "warhead"
    const ValueTable* table;
    int (*value)(const Record& record, int element);
    int elements = 1;  // a list of such numbers has more (the optional craft types)
    // The key dump gives the value's word under; none where the word needs
    // more than the number (a craft's name takes its count, a radio's team
    // names the mission).
    const char* nameKey = nullptr;
};

std::span<const CodedField<MissionHeader>> HeaderCodedFields();
std::span<const CodedField<FlightGroupRecord>> FlightGroupCodedFields();
std::span<const CodedField<ConstOrder>> OrderCodedFields();
// Of goals that have an effect: a goal with a constant condition has none.
std::span<const CodedField<ConstFgGoal>> GoalCodedFields();

// The word dump shows beside a field's number, by the field's key: its key
// and the table. None for a field that has no such word.
struct FieldNaming {
    const char* nameKey;
    const ValueTable* table;
};
std::optional<FieldNaming> NamingOfField(std::string_view key);

// The mission types, by value: the level page's "Type" list.
WordList MissionTypes();

}  // namespace vantorel
