#pragma once

#include <array>
#include <string>

#include "properties/logic/FlightGroupPage.h"

namespace vantorel {

// The flight group sheet's Positions tab: the 22 points of the selected
// flight groups (start points, waypoints, rendezvous, hyperspace, briefing
// points) in kilometres, eight rows at a time as the view list chooses.
class FgPositionsPage final : public FlightGroupPage {
public:
    static constexpr int kView = 1044;
    static constexpr int kRows = 8;
    static constexpr int kPoints = 22;
    enum View { kNormalView = 0, kWaypointsView = 1, kBriefingView = 2 };

    // The controls of row 0..7: name label, X, Y, Z, Enable.
    static constexpr int NameId(int row) { return 1102 + 5 * row; }
    static constexpr int XId(int row) { return 1099 + 5 * row; }
    static constexpr int YId(int row) { return 1100 + 5 * row; }
    static constexpr int ZId(int row) { return 1101 + 5 * row; }
    static constexpr int EnableId(int row) { return 1098 + 5 * row; }

    // The point a row shows in a view, -1 for none.
    static int PointOfRow(int view, int row);

    FgPositionsPage();

    int ViewControl() const override { return kView; }

protected:
    void Finish(PageContext& context, const std::vector<FlightGroup*>& subjects) override;
    void ApplyExtra(PageContext& context, EditDraft& draft,
                    const std::vector<FlightGroup*>& subjects) override;
    void OnChanging(PageContext& context, int id) override;
    void OnChanged(PageContext& context, int id) override;

private:
    // One point as the page holds it across views: the text of each
    // coordinate (empty where the records differ) and what the page showed
    // after loading; enabled 0 or 1, -1 where the records differ.
    struct Point {
        std::array<std::string, 3> text;
        std::array<std::string, 3> shown;
        int enabled = -1;
        int shownEnabled = -1;
    };

    void StoreRows();
    void ShowRows();

    std::array<Point, kPoints> points_;
};

// A stored coordinate in kilometres as the page shows it ("%.2f"), and a
// typed one stored: rounded half away from zero, kept within the map's
// -32768..32767 rather than wrapping to its other side.
std::string KmText(int raw);
int16_t RawFromKmText(const std::string& text);

}  // namespace vantorel
