#include "properties/logic/FgPositionsPage.h"

#include "catalogue/CraftWordLists.h"
#include "mission/MapUnits.h"
#include "properties/logic/DecimalText.h"
#include "properties/logic/MergedValue.h"

namespace vantorel {

namespace {

constexpr int kRowPoints[3][FgPositionsPage::kRows] = {
    {0, 1, 2, 3, 12, 13, -1, -1},
    {4, 5, 6, 7, 8, 9, 10, 11},
    {14, 15, 16, 17, 18, 19, 20, 21},
};

using Coordinate = int16_t (FlightGroupRecord::*)(int) const;
using SetCoordinate = void (FlightGroupRecord::*)(int, int16_t);
constexpr Coordinate kGet[3] = {&FlightGroupRecord::WaypointX, &FlightGroupRecord::WaypointY,
                                &FlightGroupRecord::WaypointZ};
constexpr SetCoordinate kSet[3] = {&FlightGroupRecord::SetWaypointX,
                                   &FlightGroupRecord::SetWaypointY,
                                   &FlightGroupRecord::SetWaypointZ};

int CoordinateId(int row, int k) {
    return k == 0   ? FgPositionsPage::XId(row)
           : k == 1 ? FgPositionsPage::YId(row)
                    : FgPositionsPage::ZId(row);
}

}  // namespace

std::string KmText(int raw) {
    return FixedTwoDecimals(KmFromRaw(raw));
}

int16_t RawFromKmText(const std::string& text) {
    return StoredRawFromKm(ParseDecimal(text));
}

int FgPositionsPage::PointOfRow(int view, int row) {
    if (view < 0 || view > 2 || row < 0 || row >= kRows) return -1;
    return kRowPoints[view][row];
}

FgPositionsPage::FgPositionsPage() : FlightGroupPage("Positions", "Positions Properties") {
    ControlState& view = AddControl(kView, ControlKind::List, "&View:");
    view.items = {"Normal", "Waypoints", "Briefing"};
    view.value.index = kNormalView;
    for (int row = 0; row < kRows; ++row) {
        AddControl(NameId(row), ControlKind::Label);
        for (int k = 0; k < 3; ++k)
            AddControl(CoordinateId(row, k), ControlKind::Number).decimal = true;
        AddControl(EnableId(row), ControlKind::Check, "Enable");
    }
}

void FgPositionsPage::Finish(PageContext&, const std::vector<FlightGroup*>& subjects) {
    for (int p = 0; p < kPoints; ++p) {
        std::array<MergedValue<int>, 3> coordinate;
        MergedValue<int> enabled;
        for (const FlightGroup* fg : subjects) {
            for (int k = 0; k < 3; ++k) coordinate[size_t(k)].Add((fg->File.*kGet[k])(p));
            enabled.Add(fg->File.WaypointEnabled(p));
        }
        Point& point = points_[size_t(p)];
        for (size_t k = 0; k < 3; ++k) {
            const auto v = coordinate[k].Value();
            point.text[k] = v ? KmText(*v) : std::string();
        }
        point.shown = point.text;
        const auto e = enabled.Value();
        point.enabled = e ? (*e != 0 ? 1 : 0) : enabled.Mixed() ? -1 : 0;
        point.shownEnabled = point.enabled;
    }
    ShowRows();
}

void FgPositionsPage::StoreRows() {
    const int view = Find(kView)->value.index;
    for (int row = 0; row < kRows; ++row) {
        const int p = PointOfRow(view, row);
        if (p < 0) continue;
        Point& point = points_[size_t(p)];
        for (int k = 0; k < 3; ++k) point.text[size_t(k)] = Find(CoordinateId(row, k))->value.text;
        // A box that showed the records differing is not read, whatever was
        // clicked since: it cannot say which records to change.
        if (point.enabled != -1) point.enabled = Find(EnableId(row))->value.index == 1 ? 1 : 0;
    }
}

void FgPositionsPage::ShowRows() {
    const int view = Find(kView)->value.index;
    const WordList names = NavPointLongNames();
    for (int row = 0; row < kRows; ++row) {
        const int p = PointOfRow(view, row);
        ControlState& name = *Find(NameId(row));
        name.value.text = p < 0 ? std::string() : names[size_t(p)];
        for (int k = 0; k < 3; ++k) {
            ControlState& box = *Find(CoordinateId(row, k));
            box.visible = p >= 0;
            box.value.text = p < 0 ? std::string() : points_[size_t(p)].text[size_t(k)];
            box.mixed = p >= 0 && box.value.text.empty();
        }
        ControlState& enable = *Find(EnableId(row));
        enable.visible = p >= 0;
        const int e = p < 0 ? 0 : points_[size_t(p)].enabled;
        enable.tristate = e == -1;
        enable.mixed = e == -1;
        enable.value.index = e == -1 ? 2 : e;
    }
}

void FgPositionsPage::OnChanging(PageContext&, int id) {
    if (id == kView) StoreRows();
}

void FgPositionsPage::OnChanged(PageContext&, int id) {
    if (id == kView) ShowRows();
}

void FgPositionsPage::ApplyExtra(PageContext&, EditDraft& draft,
                                 const std::vector<FlightGroup*>& subjects) {
    StoreRows();
    for (int p = 0; p < kPoints; ++p) {
        Point& point = points_[size_t(p)];
        for (size_t k = 0; k < 3; ++k) {
            // Only a coordinate whose text is not what the page showed: "%.2f"
            // is coarser than the stored value, so reading back what was shown
            // would move points nobody touched.
            if (point.text[k].empty() || point.text[k] == point.shown[k]) continue;
            const int16_t raw = RawFromKmText(point.text[k]);
            for (FlightGroup* fg : subjects)
                if ((fg->File.*kGet[k])(p) != raw) (draft.Edit(fg->File).*kSet[k])(p, raw);
        }
        if (point.enabled != -1 && point.enabled != point.shownEnabled)
            for (FlightGroup* fg : subjects)
                if (fg->File.WaypointEnabled(p) != point.enabled)
                    draft.Edit(fg->File).SetWaypointEnabled(p, uint16_t(point.enabled));
        point.shown = point.text;
        point.shownEnabled = point.enabled;
    }
}

}  // namespace vantorel
