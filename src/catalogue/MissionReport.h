#pragma once

#include <string>

#include "mission/Mission.h"

namespace vantorel {

// The mission in plain English, for reading and diffing: settings, teams and
// their goals, every flight group with orders, triggers and goals as
// sentences, every message, every briefing that is not empty. Each condition, target and goal is one line
// holding the sentence exactly as the editor shows it. The texts are in the
// mission's code page (Windows-1252); a flight group or message alone begins
// with a blank line, as it does in the whole report.
std::string MissionReportText(const Mission& mission);
std::string FlightGroupReportText(int index, const FlightGroup& fg, const Mission& mission);
std::string MessageReportText(int index, const RadioMessage& message, const Mission& mission);

}  // namespace vantorel
