#pragma once

#include <string>

namespace vantorel {

struct Mission;
struct Trigger;

// Sentences for the 4-byte trigger. Every argument may be -1, meaning the
// selected records differ in that field; the sentence then says "[multiple
// ...]" in its place. Bytes are passed widened without sign (255 is 255).
// The mission may be null when none is open.

// The phrase for a trigger's variable, e.g. "X-wings Red" for a flight group.
std::string TriggerVariableText(int variableType, int variable, const Mission* mission);

// One whole condition, e.g. "100% of flight group X-wings Red must be destroyed".
std::string TriggerText(int condition, int variableType, int variable, int amount,
                        const Mission* mission);

// The sentence for one stored trigger (no field mixed).
std::string TriggerText(const Trigger& trigger, const Mission* mission);

}  // namespace vantorel
