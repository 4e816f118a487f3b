// Edits applied, recorded, undone and redone; the modified flag; in-place changes as one edit.
#include <gtest/gtest.h>

#include <random>

#include "document/EditDraft.h"
#include "document/ListChange.h"
#include "document/RecordSwapEdit.h"
#include "document/LevelDocument.h"
#include "map/Interaction.h"
#include "map/ScrollZoom.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/RecordingPropertyBar.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::FakePrompter;
using testing::FakeSettings;
using testing::TempFolder;

class EditHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.SetInt("Settings", "InitialFG", 0);
        settings.SetInt("Settings", "ConfirmDelete", 0);
        doc.OnNewDocument();
        listener = doc.AddListener([this](DocumentEvent e) { events.push_back(e); });
    }
    // n flight groups "A", "B", ... as the saved state of the mission.
    void MakeFlightGroups(int n) {
        doc.OnNewDocument();
        for (int i = 0; i < n; ++i)
            doc.AddFlightGroup()->File.SetName(std::string(1, char('A' + i)));
        doc.ForgetHistory(false);
        events.clear();
    }
    std::string Names() const {
        std::string s;
        for (const auto& fg : doc.GetMission().FlightGroups) s += fg->File.Name();
        return s;
    }
    FlightGroup& Fg(int i) { return *doc.GetMission().FlightGroups[size_t(i)]; }
    int Count(DocumentEvent e) const { return int(std::count(events.begin(), events.end(), e)); }

    FakeSettings settings;
    FakePrompter prompter;
    testing::RecordingPropertyBar bar;
    LevelDocument doc{settings, prompter, &bar};
    std::vector<DocumentEvent> events;
    int listener = 0;
};

TEST_F(EditHistoryTest, AnEditThatChangesNoByteIsDroppedAndMarksNothing) {
    MakeFlightGroups(3);
    EditDraft draft;
    draft.Edit(Fg(1).File).SetName("B");  // what it already is
    EXPECT_FALSE(doc.Commit(draft.Finish("Ship Properties")));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(doc.Commit(nullptr));

    // One edit, one change signal, whatever it holds.
    EditDraft two;
    two.Edit(Fg(0).File).SetName("X");
    two.Edit(Fg(0).File).SetCraftType(4);  // the same copy: one record swapped
    two.Edit(Fg(2).File).SetName("Z");
    ASSERT_TRUE(doc.Commit(two.Finish("Ship Properties")));
    EXPECT_EQ(Names(), "XBZ");
    EXPECT_EQ(Fg(0).File.CraftType(), 4);
    EXPECT_EQ(Count(DocumentEvent::Content), 1);
    EXPECT_EQ(doc.UndoName(), "Ship Properties");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "ABC");
    EXPECT_EQ(Fg(0).File.CraftType(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditHistoryTest, ModifiedFollowsTheSavedStateThroughUndoRedoAndSave) {
    MakeFlightGroups(2);
    auto rename = [&](const char* name) {
        EditDraft d;
        d.Edit(Fg(0).File).SetName(name);
        ASSERT_TRUE(doc.Commit(d.Finish("Rename")));
    };
    rename("P");
    rename("Q");
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified());  // back where the file is
    EXPECT_FALSE(doc.Undo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(doc.IsModified());

    // Saved at "P": undo and redo around it.
    TempFolder tmp;
    ASSERT_TRUE(doc.OnSaveDocument(tmp / "m.tie"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.CanRedo());
    ASSERT_TRUE(doc.Redo());  // redo after undo after save
    EXPECT_EQ(Names(), "QB");
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "AB");
    EXPECT_TRUE(doc.IsModified());  // the opened state is no longer the saved one

    // A new edit after undoing past the save: nothing is unmodified again but another save.
    rename("R");
    EXPECT_FALSE(doc.CanRedo());
    while (doc.Undo()) EXPECT_TRUE(doc.IsModified());
    while (doc.Redo()) EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditHistoryTest, EditsWithOneMergeKeyInARowAreOneStep) {
    MakeFlightGroups(2);
    auto rename = [&](const char* name, const char* key) {
        EditDraft d;
        d.Edit(Fg(0).File).SetName(name);
        ASSERT_TRUE(doc.Commit(d.Finish("Rename"), key));
    };
    rename("P", "name");
    rename("PQ", "name");
    rename("PQR", "name");
    EXPECT_EQ(doc.UndoName(), "Rename");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "AB");
    EXPECT_FALSE(doc.CanUndo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Names(), "PQRB");
    // After a redo, or with another key, the next edit is a step of its own (a save too: below).
    rename("S", "name");
    rename("T", "other");
    rename("U", "other");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "SB");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "PQRB");
}

TEST_F(EditHistoryTest, ARunOfStepsIsOneUndoUntilAnUndoASaveOrAnotherEditComesBetween) {
    MakeFlightGroups(2);
    auto moveTo = [&](int fg, int x, uint64_t run) {
        EditDraft d;
        d.Edit(Fg(fg).File).SetWaypointX(0, int16_t(x));
        auto edit = d.Finish("Move");
        edit->SetMergeKey(run);
        return doc.Commit(std::move(edit));
    };
    auto x = [&](int fg) { return int(Fg(fg).File.WaypointX(0)); };
    const uint64_t run = NewMergeKey();
    ASSERT_TRUE(moveTo(0, 10, run));
    ASSERT_TRUE(moveTo(0, 20, run));
    ASSERT_TRUE(moveTo(1, 5, run));  // another record joins the step
    EXPECT_EQ(doc.History().Size(), 1u);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(x(0), 0);
    EXPECT_EQ(x(1), 0);
    EXPECT_FALSE(doc.IsModified());

    // After an undo or a save the run starts a new step; the save stays one Undo away.
    ASSERT_TRUE(moveTo(0, 30, run));
    ASSERT_TRUE(moveTo(0, 40, run));
    EXPECT_EQ(doc.History().Size(), 1u);
    doc.SetModified(false);
    ASSERT_TRUE(moveTo(0, 50, run));
    EXPECT_EQ(doc.History().Size(), 2u);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(x(0), 40);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Redo());

    // Another kind of edit in between, or another run: a step of its own.
    EditDraft rename;
    rename.Edit(Fg(1).File).SetName("Z");
    ASSERT_TRUE(doc.Commit(rename.Finish("Rename")));
    ASSERT_TRUE(moveTo(0, 60, run));
    ASSERT_TRUE(moveTo(0, 70, NewMergeKey()));
    EXPECT_EQ(doc.History().Size(), 5u);

    // A run back to where it started leaves no step, and the saved state is saved again.
    doc.SetModified(false);
    const uint64_t back = NewMergeKey();
    ASSERT_TRUE(moveTo(0, 80, back));
    ASSERT_TRUE(moveTo(0, 70, back));
    EXPECT_EQ(doc.History().Size(), 5u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditHistoryTest, UndoingADeleteBringsBackTheSameFlightGroups) {
    MakeFlightGroups(4);
    FlightGroup* b = &Fg(1);
    FlightGroup* c = &Fg(2);
    b->Selected = 1;
    c->Selected = 1;
    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 2);
    EXPECT_EQ(Names(), "AD");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "ABCD");
    EXPECT_EQ(&Fg(1), b);  // the very objects: addresses in older edits stay good
    EXPECT_EQ(&Fg(2), c);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Names(), "AD");

    // An edit made to a flight group before its delete is taken back after the delete is.
    ASSERT_TRUE(doc.Undo());
    EditDraft d;
    d.Edit(c->File).SetName("c");
    ASSERT_TRUE(doc.Commit(d.Finish("Rename")));
    c->Selected = 1;
    b->Selected = 0;
    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 1);
    EXPECT_EQ(doc.UndoName(), "Delete Flight Group");
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "ABCD");
}

TEST_F(EditHistoryTest, AddingFlightGroupsAndMessagesIsUndoneWithTheSelectionLeftValid) {
    MakeFlightGroups(1);
    Fg(0).Selected = 1;
    Fg(0).PointSelected[5] = 1;
    FlightGroup* made = doc.NewFlightGroup();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(doc.UndoName(), "New Flight Group");
    // What looks selected is selected: the old group lost its point marks.
    EXPECT_EQ(Fg(0).Selected + Fg(0).PointSelected[5], 0u);
    EXPECT_EQ(made->Selected + made->PointSelected[0] + made->File.WaypointEnabled(0), 3u);
    EXPECT_EQ(made->File.Name(), "New");
    EXPECT_EQ(doc.CountSelectedFlightGroups(), 1);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.CountFlightGroups(), 1);
    EXPECT_EQ(doc.CountSelectedFlightGroups(), 0);  // nothing selected that is not there
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.CountSelectedFlightGroups(), 1);

    EXPECT_EQ(doc.AddRadioMessage(), 0);
    EXPECT_EQ(doc.AddRadioMessage(), 1);
    doc.GetMission().Messages[0]->WaveFile = "a.wav";
    doc.DeleteRadioMessage(0);
    EXPECT_EQ(doc.UndoName(), "Delete Radio Message");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetMission().Messages[0]->WaveFile, "a.wav");
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetMission().CountMessages(), 0);

    // At the limit nothing is added and nothing recorded.
    MakeFlightGroups(255);
    EXPECT_EQ(doc.NewFlightGroup(), nullptr);
    EXPECT_EQ(doc.CountFlightGroups(), 255);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

// An edit keeps only the bytes that differ, in runs; for any pattern undo and redo give them back.
TEST_F(EditHistoryTest, AnEditKeepsTheBytesItChangedAndUndoesAndRedoesThemExactly) {
    MakeFlightGroups(3);
    std::mt19937 random(24);
    const FlightGroupRecord opened = Fg(1).File;
    for (int round = 0; round < 40; ++round) {
        const FlightGroupRecord before = Fg(1).File;
        const FgGoalStrings goalsBefore = Fg(1).GoalStrings;
        const MissionHeader headerBefore = doc.GetHeader();
        EditDraft d;
        FlightGroupRecord& r = d.Edit(Fg(1).File);
        const int changes = 1 + int(random() % 60);
        for (int i = 0; i < changes; ++i) {
            const size_t at = round == 0 ? (i % 2 ? 0 : r.kSize - 1) : random() % r.kSize;
            r.Bytes[at] = uint8_t(r.Bytes[at] + 1 + random() % 255);
        }
        d.Edit(Fg(1).GoalStrings).Bytes[random() % FgGoalStrings::kSize] ^= 0x5A;
        d.Edit(doc.GetHeader()).SetU16(0x10, uint16_t(round + 1));
        const FlightGroupRecord after = r;
        const FgGoalStrings goalsAfter = d.Read(Fg(1).GoalStrings);
        ASSERT_TRUE(doc.Commit(d.Finish("Scatter")));
        EXPECT_EQ(Fg(1).File, after);
        EXPECT_EQ(Fg(1).GoalStrings, goalsAfter);
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(Fg(1).File, before) << "round " << round;
        EXPECT_EQ(Fg(1).GoalStrings, goalsBefore);
        EXPECT_EQ(doc.GetHeader(), headerBefore);
        ASSERT_TRUE(doc.Redo());
        EXPECT_EQ(Fg(1).File, after) << "round " << round;
    }
    // All forty taken back in turn: the record as it was opened.
    while (doc.Undo()) {
    }
    EXPECT_EQ(Fg(1).File, opened);
    EXPECT_FALSE(doc.IsModified());

    // One field of many groups costs a few bytes each, not whole records.
    MakeFlightGroups(20);
    EditDraft d;
    for (int i = 0; i < 20; ++i) d.Edit(Fg(i).File).SetNumberOfCraft(3);
    auto edit = d.Finish("Craft");
    EXPECT_LT(edit->Footprint(), 20 * 48 + 256);
}

// The history's budget counts an edit's name too: a long name (a paste's,
// say) costs its bytes in every kind of edit.
TEST(EditFootprint, EveryKindOfEditCountsItsName) {
    const std::string shortName = "Move", longName(4000, 'x');
    auto grows = [&](auto make) {
        const size_t more = make(longName)->Footprint() - make(shortName)->Footprint();
        return more >= 4000 && more < 4100;
    };
    EXPECT_TRUE(grows([](const std::string& n) { return std::make_unique<CompositeEdit>(n); }));
    EXPECT_TRUE(grows([](const std::string& n) { return std::make_unique<RecordSwapEdit>(n); }));
    EXPECT_TRUE(grows([](const std::string& n) {
        return ListChange<FlightGroup>::Removing(n, &Mission::FlightGroups, {0});
    }));
}

// Past the byte budget the oldest edits go, the saved state with them; the newest always stays.
TEST(EditHistoryBudget, TheOldestEditsGoFirstPastTheBudget) {
    struct Sized final : MissionEdit {
        explicit Sized(size_t n) : MissionEdit("E"), bytes(n) {}
        void Apply(Mission&) override {}
        void Revert(Mission&) override {}
        bool IsEmpty() const override { return false; }
        size_t Footprint() const override { return bytes; }
        size_t bytes;
    };
    EditHistory h(10000);
    h.Push(std::make_unique<Sized>(3000));
    h.MarkClean();
    h.Push(std::make_unique<Sized>(3000));
    h.Push(std::make_unique<Sized>(3000));
    EXPECT_EQ(h.Size(), 3u);
    h.Push(std::make_unique<Sized>(3000));  // 12000: the first goes, and the saved state
    EXPECT_EQ(h.Size(), 3u);
    EXPECT_LE(h.Bytes(), 10000u);
    while (h.CanUndo()) {
        EXPECT_FALSE(h.IsClean());
        h.SteppedBack();
    }
    h.Push(std::make_unique<Sized>(50000));
    EXPECT_EQ(h.Size(), 1u);
    EXPECT_TRUE(h.CanUndo());
}

TEST_F(EditHistoryTest, AChangeMadeInPlaceBecomesOneEditAndSurvivesEditsInTheMiddle) {
    MakeFlightGroups(2);
    doc.BeginChange("Wizard");
    doc.BeginChange("Inner");  // nested: only the outer one records
    Fg(0).File.SetName("a");
    doc.GetMission().Description = "changed";
    FlightGroup* added = doc.AddFlightGroup();
    added->File.SetName("N");
    EXPECT_FALSE(doc.EndChange());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.EndChange());
    EXPECT_EQ(Names(), "aBN");
    EXPECT_EQ(doc.UndoName(), "Wizard");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "AB");
    EXPECT_EQ(doc.GetMission().Description, "New Mission");
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(&Fg(2), added);

    // An edit committed while a change is open closes the change first.
    doc.BeginChange("Move");
    Fg(0).File.SetWaypointX(0, 100);
    Fg(1).Selected = 1;
    EXPECT_EQ(doc.DeleteSelectedFlightGroups(), 1);
    Fg(0).File.SetWaypointX(0, 200);
    EXPECT_TRUE(doc.EndChange());
    EXPECT_EQ(doc.UndoName(), "Move");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Fg(0).File.WaypointX(0), 100);
    EXPECT_EQ(doc.UndoName(), "Delete Flight Group");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Names(), "aBN");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Fg(0).File.WaypointX(0), 0);

    // A change that removed something behind the history's back: history dropped, modified.
    doc.ForgetHistory(false);
    doc.BeginChange("Bad");
    doc.GetMission().FlightGroups.pop_back();
    EXPECT_FALSE(doc.EndChange());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Names(), "aB");
}

TEST_F(EditHistoryTest, AWholeMapDragIsOneEdit) {
    MakeFlightGroups(2);
    for (int i = 0; i < 2; ++i) {
        Fg(i).File.SetWaypointEnabled(0, 1);
        Fg(i).File.SetWaypointX(0, int16_t(160 * i));
    }
    doc.ForgetHistory(false);
    ViewState view;
    view.Width = 600;
    view.Height = 400;
    CentreOnMap(view);
    MapInteraction ia(view);
    // Carry out what the window does with the effects.
    auto run = [&](InteractionEffects fx) {
        if (fx.beginChange) doc.BeginChange("Move");
        if (fx.endChange) doc.EndChange();
    };
    Fg(1).Selected = 1;
    Fg(1).PointSelected[0] = 1;
    // Both selected, grabbed at A's start point (300, 200), dragged in steps.
    run(ia.LeftDown(doc.GetMission(), 300, 200, {true, false, false}));
    for (int x = 306; x <= 360; x += 6) run(ia.MouseMove(doc.GetMission(), x, 200));
    EXPECT_FALSE(doc.CanUndo());  // not before the button comes up
    run(ia.LeftUp(doc.GetMission(), 360, 200, {}));
    EXPECT_EQ(Fg(0).File.WaypointX(0), 160);
    EXPECT_EQ(Fg(1).File.WaypointX(0), 320);
    EXPECT_EQ(doc.UndoName(), "Move");
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(Fg(0).File.WaypointX(0), 0);
    EXPECT_EQ(Fg(1).File.WaypointX(0), 160);
    EXPECT_FALSE(doc.IsModified());

    // A click on a point without moving records nothing.
    run(ia.LeftDown(doc.GetMission(), 300, 200, {}));
    run(ia.LeftUp(doc.GetMission(), 300, 200, {}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.InChange());
}

}  // namespace
}  // namespace vantorel
