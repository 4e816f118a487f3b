#pragma once

#include <cstdint>
#include <vector>

#include "document/MissionWriter.h"
#include "support/MissionGenerator.h"

namespace vantorel::bench {

// The bytes of a Balance of Power mission as full as the file allows: 255
// flight groups, 255 messages, every briefing text long, a long description.
inline std::vector<uint8_t> MaximalMissionBytes() {
    testing::MissionGenerator gen(1);
    testing::MissionGenerator::Shape shape;
    shape.flightGroups = 255;
    shape.messages = 255;
    shape.formatVersion = 14;
    Mission m = gen.Make(shape);
    for (auto& b : m.Briefings) {
        for (auto& t : b.Tags) t = gen.Text(200);
        for (auto& s : b.Strings) s = gen.Text(400);
    }
    m.Description = gen.FreeText(4096);
    return WriteMission(m);
}

}  // namespace vantorel::bench
