// The Briefing window's commands: every one an edit of the core, made
// through the document as one step of Undo.
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "briefing/BriefingEdits.h"
#include "briefing/MakeBriefing.h"
#include "briefing/ui/BriefingEventModel.h"
#include "briefing/ui/CBriefingMap.h"
#include "briefing/ui/CBriefingPlayer.h"
#include "briefing/ui/CBriefingWindow.h"
#include "catalogue/BriefingText.h"
#include "catalogue/CraftTypes.h"
#include "mission/Win1252.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

BriefingEvent At(int time, int type, std::array<int16_t, 4> params = {}) {
    BriefingEvent e;
    e.Time = uint16_t(time);
    e.Type = uint16_t(type);
    e.Params = params;
    return e;
}

// The first empty one of 32 texts, or 0 when all hold something.
int16_t FirstEmpty(const std::array<std::string, 32>& texts) {
    for (int i = 0; i < 32; ++i)
        if (texts[size_t(i)].empty()) return int16_t(i);
    return 0;
}

template <class Slots, class IsFree>
int FirstFreeSlot(const Slots& tags, IsFree isFree) {
    for (int s = 0; s < kBriefingTagSlots; ++s)
        if (isFree(tags[size_t(s)])) return s;
    return -1;
}

}  // namespace

std::vector<int> CBriefingWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : events_->selectionModel()->selectedRows()) rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CBriefingWindow::SelectRow(int row) {
    const QModelIndex index = eventModel_->index(row, 0);
    events_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int CBriefingWindow::InsertPosition() const {
    const auto& script = eventModel_->Script();
    if (!script) return 0;
    const QModelIndex current = events_->selectionModel()->currentIndex();
    // Never after the end, which stays last.
    const int end = std::max(int(script->Events.size()) - 1, 0);
    if (current.isValid() && events_->selectionModel()->isRowSelected(current.row(), {}))
        return std::min(current.row() + 1, end);
    return BriefingInsertPosition(*script, Time());
}

void CBriefingWindow::InsertEvent(int type) {
    if (!document_ || !eventModel_->Script()) return;
    // (The window's Briefing() would hide the record's name.)
    const vantorel::Briefing& b = document_->GetMission().Briefings[size_t(briefing_)];
    const BriefingShown shown = ShownNow();
    const BriefingView view = map_->ViewShown();
    BriefingEvent e = At(Time(), type);
    if (type == kBriefingTitle || type == kBriefingCaption) {
        e.Params[0] = FirstEmpty(b.Strings);
    } else if (type == kBriefingMoveMap) {
        e.Params = {int16_t(view.x), int16_t(view.y), 0, 0};
    } else if (type == kBriefingZoomMap) {
        e.Params = {int16_t(view.zoomX), int16_t(view.zoomY), 0, 0};
    } else if (e.IsFgTag()) {
        const int slot = FirstFreeSlot(shown.fgTags, [](int fg) { return fg < 0; });
        e.Type = uint16_t(kBriefingFgTag1 + std::max(slot, 0));
        const Mission& m = document_->GetMission();
        for (int i = 0; i < m.CountFlightGroups(); ++i)
            if (m.FlightGroups[size_t(i)]->Selected) {
                e.Params[0] = int16_t(i);
                break;
            }
    } else if (e.IsTextTag()) {
        const int slot = FirstFreeSlot(shown.textTags, [](const auto& t) { return t.tag < 0; });
        e.Type = uint16_t(kBriefingTextTag1 + std::max(slot, 0));
        e.Params = {FirstEmpty(b.Tags), int16_t(view.x), int16_t(view.y), 0};
    }
    const int at = InsertPosition();
    if (InsertBriefingEvent(document_->Level(), briefing_, at, e)) SelectRow(at);
}

void CBriefingWindow::DeleteSelectedEvents() {
    if (document_) DeleteBriefingEvents(document_->Level(), briefing_, SelectedRows());
}

void CBriefingWindow::MoveSelectedEvent(int by) {
    const QModelIndex current = events_->selectionModel()->currentIndex();
    if (!document_ || !current.isValid()) return;
    const int to = current.row() + by;
    if (MoveBriefingEvent(document_->Level(), briefing_, current.row(), to)) SelectRow(to);
}

void CBriefingWindow::MakeBriefing() {
    if (!document_) return;
    Prompter& prompter = document_->Level().GetPrompter();
    const BriefingCommandBlock& block =
        document_->GetMission().Briefings[size_t(briefing_)].Commands;
    if (!BriefingIsEmpty(block) &&
        !prompter.AskYesNo("Briefing " + std::to_string(briefing_ + 1) +
                           " is not empty. Replace it with a briefing made from the mission's "
                           "goals?"))
        return;
    const MakeBriefingResult made = vantorel::MakeBriefing(document_->Level(), briefing_);
    if (!made.made) {
        prompter.Warning(made.problem);
        return;
    }
    map_->SetOwnView(std::nullopt);
    player_->SetTime(0);
    if (made.goalsLeftOut > 0)
        prompter.Information(std::to_string(made.goalsLeftOut) +
                             (made.goalsLeftOut == 1 ? " goal was" : " goals were") +
                             " left out: the briefing has no empty string or no room left in its "
                             "400 words.");
}

void CBriefingWindow::MoveMapHere() {
    const BriefingView v = map_->ViewShown();
    const int at = InsertPosition();
    if (document_ &&
        InsertBriefingEvent(document_->Level(), briefing_, at,
                            At(Time(), kBriefingMoveMap, {int16_t(v.x), int16_t(v.y)})))
        SelectRow(at);
}

void CBriefingWindow::ZoomHere() {
    const BriefingView v = map_->ViewShown();
    const int at = InsertPosition();
    if (document_ &&
        InsertBriefingEvent(document_->Level(), briefing_, at,
                            At(Time(), kBriefingZoomMap, {int16_t(v.zoomX), int16_t(v.zoomY)})))
        SelectRow(at);
}

void CBriefingWindow::TagFlightGroups(std::vector<int> flightGroups) {
    if (!document_ || !eventModel_->Script()) return;
    Prompter& prompter = document_->Level().GetPrompter();
    const Mission& m = document_->GetMission();
    if (flightGroups.empty()) {
        for (int i = 0; i < m.CountFlightGroups(); ++i)
            if (m.FlightGroups[size_t(i)]->Selected) flightGroups.push_back(i);
        if (flightGroups.empty() && lastClicked_ >= 0 && lastClicked_ < m.CountFlightGroups())
            flightGroups.push_back(lastClicked_);
    }
    if (flightGroups.empty()) {
        prompter.Information(
            "Select a flight group in the mission, or click one on the briefing map, to tag it.");
        return;
    }
    BriefingShown shown = ShownNow();
    std::vector<BriefingEvent> tags;
    for (int fg : flightGroups) {
        if (std::find(shown.fgTags.begin(), shown.fgTags.end(), fg) != shown.fgTags.end()) continue;
        const int slot = FirstFreeSlot(shown.fgTags, [](int f) { return f < 0; });
        if (slot < 0) {
            prompter.Information(
                "All eight flight group tags are in use at this time; a Clear "
                "Flight Group Tags event frees them.");
            break;
        }
        shown.fgTags[size_t(slot)] = fg;
        tags.push_back(At(Time(), kBriefingFgTag1 + slot, {int16_t(fg)}));
    }
    const int at = InsertPosition();
    if (!tags.empty() && InsertBriefingEvents(document_->Level(), briefing_, at, tags))
        SelectRow(at + int(tags.size()) - 1);
}

void CBriefingWindow::OnTextTagMoved(int slot, int x, int y) {
    const BriefingTextTagShown t = ShownNow().textTags[size_t(slot)];
    const auto& script = eventModel_->Script();
    if (!document_ || !script || t.event < 0) return;
    BriefingEvent e = script->Events[size_t(t.event)];
    e.Params[1] = int16_t(std::clamp(x, -32768, 32767));
    e.Params[2] = int16_t(std::clamp(y, -32768, 32767));
    ChangeBriefingEvent(document_->Level(), briefing_, t.event, e);
}

void CBriefingWindow::OnMenu(QPoint at, BriefingHit hit) {
    if (!document_ || !eventModel_->Script()) return;
    QMenu menu(this);
    if (hit.kind == BriefingHit::FlightGroup) {
        const FlightGroupRecord& r = document_->GetMission().FlightGroups[size_t(hit.index)]->File;
        const QString name = QString::fromStdU16String(Win1252ToUtf16(FlightGroupLabel(r)));
        menu.addAction(tr("&Tag %1").arg(name), this,
                       [this, fg = hit.index] { TagFlightGroups({fg}); });
        menu.addSeparator();
    }
    menu.addAction(moveHere_->text(), this, &CBriefingWindow::MoveMapHere);
    menu.addAction(zoomHere_->text(), this, &CBriefingWindow::ZoomHere);
    if (map_->OwnView())
        menu.addAction(tr("&Follow Briefing"), this, [this] { map_->SetOwnView(std::nullopt); });
    menu.exec(map_->mapToGlobal(at));
}

}  // namespace vantorel
