#pragma once

#include <QString>
#include <string>
#include <vector>

#include "document/LevelDocument.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"

namespace vantorel::testing {

struct FgAt {
    std::string name;
    int x = 0, y = 0, z = 0;  // raw S1
};

// Writes a mission file whose flight groups start where the list says, as
// a designer's file would hold them.
inline bool WriteMissionFile(const QString& path, const std::vector<FgAt>& fgs) {
    FakeSettings settings;
    settings.SetInt("Settings", "InitialFG", 0);
    FakePrompter prompter;
    LevelDocument doc(settings, prompter);
    doc.OnNewDocument();
    for (const FgAt& at : fgs) {
        FlightGroup* fg = doc.AddFlightGroup();
        if (!fg) return false;
        fg->File.SetName(at.name);
        fg->File.SetCraftType(1);
        fg->File.SetWaypointX(0, int16_t(at.x));
        fg->File.SetWaypointY(0, int16_t(at.y));
        fg->File.SetWaypointZ(0, int16_t(at.z));
        fg->File.SetWaypointEnabled(0, 1);
    }
    return SaveMissionFile(PathFromUtf8(path.toStdString()), doc.GetMission(), prompter);
}

}  // namespace vantorel::testing
