// Working on a big mission, through real keys and clicks: Select All, None
// and Invert; the Find boxes over the level sheet's lists; the History
// window; Duplicate; and the arrow keys moving the selection on the map.
#include <QComboBox>
#include <QDockWidget>
#include <QListWidget>
#include <QtTest>

#include "EditorFixture.h"
#include "app/CHistoryBar.h"
#include "app/CMapToolbar.h"
#include "app/HistoryController.h"
#include "document/MissionWriter.h"
#include "map/Projection.h"
#include "map/ui/CQVView.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelMessagesPage.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesPages.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CListFindBox.h"

using namespace vantorel;
using namespace vantorel::testing;

class BigMissionTest : public QObject, EditorFixture {
    Q_OBJECT

    CQVView* view = nullptr;

    FlightGroup& Fg(int i) { return *M().FlightGroups[size_t(i)]; }
    // Flight groups named as given; those with a position start there (raw
    // x, y), the others have no start point enabled (launched from a
    // mothership, say). Nothing selected, nothing to undo.
    struct Made {
        std::string name;
        bool placed = true;
        int x = 0, y = 0;
    };
    void MakeMission(const std::vector<Made>& fgs) {
        LevelDocument& level = doc->Level();
        while (M().CountFlightGroups() > 0) {
            Fg(0).Selected = 1;
            level.DeleteSelectedFlightGroups();
        }
        for (const Made& m : fgs) {
            FlightGroup* fg = level.AddFlightGroup();
            fg->File.SetName(m.name);
            fg->File.SetCraftType(1);
            fg->File.SetWaypointEnabled(0, m.placed ? 1 : 0);
            fg->File.SetWaypointX(0, int16_t(m.x));
            fg->File.SetWaypointY(0, int16_t(m.y));
        }
        level.ForgetHistory(false);
        doc->RefreshAll();
    }
    std::vector<int> Selected() {
        std::vector<int> s;
        for (int i = 0; i < M().CountFlightGroups(); ++i)
            if (Fg(i).Selected) s.push_back(i);
        return s;
    }
    CEditPage* Page(int tab) { return frame->LevelBar()->Sheet().Page(tab); }
    QListWidget* List(int tab, int id) {
        return qobject_cast<QListWidget*>(Page(tab)->Panel().Control(id)->Widget());
    }
    QListWidget* FgList() {
        return List(CLevelPropertiesSheet::kFlightGroupTab, LevelFlightGroupsPage::kList);
    }
    CListFindBox* FindBox(int tab) {
        return static_cast<CLevelPropertiesPage*>(Page(tab))->FindBox();
    }
    static std::vector<int> ShownRows(QListWidget* list) {
        std::vector<int> rows;
        for (int r = 0; r < list->count(); ++r)
            if (!list->isRowHidden(r)) rows.push_back(r);
        return rows;
    }
    static std::vector<int> SelectedRows(QListWidget* list) {
        std::vector<int> rows;
        for (int r = 0; r < list->count(); ++r)
            if (list->item(r)->isSelected()) rows.push_back(r);
        return rows;
    }
    QPoint AtFg(int i) {
        const ScreenPoint p = ScreenFromWorld(view->State(), Fg(i).File.WaypointX(0) / 160.0,
                                              Fg(i).File.WaypointY(0) / 160.0, 0);
        return {p.x, p.y};
    }
    void ClickFg(int i, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(view, Qt::LeftButton, m, AtFg(i));
        QTest::mouseRelease(view, Qt::LeftButton, m, AtFg(i));
    }
    std::vector<uint8_t> Bytes() { return WriteMission(M()); }

private slots:
    void init() {
        Start();
        view = frame->ActiveView();
        QVERIFY(view);
        QVERIFY(Activate());
    }
    void cleanup() { Stop(); }

    void selectAllNoneAndInvertReachEveryFlightGroup() {
        // C and D have no point on the map: no band can reach them.
        MakeMission({{"A", true, 0, 0}, {"B", true, 320, 0}, {"C", false}, {"D", false}});
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Selected(), std::vector<int>({0, 1, 2, 3}));
        QCOMPARE(SelectedRows(FgList()), std::vector<int>({0, 1, 2, 3}));

        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Selected().empty());
        QVERIFY(SelectedRows(FgList()).empty());

        // Invert from the menu after a click on the map.
        ClickFg(1);
        QCOMPARE(Selected(), std::vector<int>({1}));
        frame->UpdateCommandUI();
        frame->Action(kCmdEditInvertSelection)->trigger();
        QCOMPARE(Selected(), std::vector<int>({0, 2, 3}));

        // Ctrl+A in the list selects them all as well.
        FgList()->setFocus();
        QTest::keyClick(FgList(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Selected(), std::vector<int>({0, 1, 2, 3}));
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdEditSelectAll)->isEnabled());
        QVERIFY(frame->Action(kCmdEditSelectNone)->isEnabled());
    }

    void findNarrowsTheListsAndEnterSelectsExactlyWhatIsShown() {
        MakeMission({{"Thistle"}, {"Red"}, {"thistle two"}, {"Gold"}, {"Blue"}});
        Fg(1).File.SetCraftType(2);  // a Y-wing among X-wings
        Fg(3).File.SetTeam(1);       // Rebel
        Fg(4).Selected = 1;
        doc->RefreshAll();
        QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
        CListFindBox* box = FindBox(CLevelPropertiesSheet::kFlightGroupTab);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(box->placeholderText().contains(QStringLiteral("Ctrl+E")));

        const std::pair<QString, std::vector<int>> cases[] = {
            {"THIS", {0, 2}},  // by name, in any case
            {"y-wing", {1}},   // by craft
            {"rebel", {3}},    // by team
            {"4", {4}},        // by number
            {"", {0, 1, 2, 3, 4}},
        };
        for (const auto& [typed, shown] : cases) {
            box->clear();
            QTest::keyClicks(box, typed);
            QCOMPARE(ShownRows(FgList()), shown);
        }
        // Typing selects nothing; Enter selects the shown and only those.
        QTest::keyClicks(box, QStringLiteral("thistle"));
        QCOMPARE(Selected(), std::vector<int>({4}));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(Selected(), std::vector<int>({0, 2}));
        QCOMPARE(Fg(0).PointSelected[0], 1u);
        // The list narrows after an edit too; Escape shows everything again.
        frame->RunCommand(kCmdNewFlightGroup);
        QCOMPARE(ShownRows(FgList()), std::vector<int>({0, 2}));
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(ShownRows(FgList()).size(), size_t(6));

        // The Messages tab has its own box, for the message texts.
        for (const char* text : {"1Hold position", "2Attack now", "Attack the carrier"}) {
            const int m = doc->Level().AddRadioMessage();
            M().Messages[size_t(m)]->File.SetText(text);
        }
        frame->LevelBar()->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
        doc->RefreshAll();
        QVERIFY(Activate());
        QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
        CListFindBox* messages = FindBox(CLevelPropertiesSheet::kMessagesTab);
        QCOMPARE(QApplication::focusWidget(), messages);
        QTest::keyClicks(messages, QStringLiteral("ATTACK"));
        QCOMPARE(ShownRows(List(CLevelPropertiesSheet::kMessagesTab, LevelMessagesPage::kList)),
                 std::vector<int>({1, 2}));
        QTest::keyClick(messages, Qt::Key_Return);
        QCOMPARE(frame->LevelBar()->CurrentMessage(), 1);
    }

    void aHistoryClickMovesAsManyStepsAtOnce() {
        MakeMission({{"A", true, 0, 0}});
        frame->RunCommand(kCmdNewFlightGroup);  // 1
        doc->Level().SetModified(false);        // saved here
        frame->RunCommand(kCmdNewMessage);      // 2
        frame->RunCommand(kCmdEditSelectAll);
        QTest::keyClick(view, Qt::Key_Right);      // 3
        frame->RunCommand(kCmdEditDuplicate);      // 4
        frame->RunCommand(kCmdDeleteFlightGroup);  // 5
        QCOMPARE(doc->Level().History().Size(), size_t(5));

        // What three Undos give.
        const std::vector<uint8_t> now = Bytes();
        for (int i = 0; i < 3; ++i) frame->RunCommand(kCmdEditUndo);
        const std::vector<uint8_t> threeBack = Bytes();
        for (int i = 0; i < 3; ++i) frame->RunCommand(kCmdEditRedo);
        QCOMPARE(Bytes(), now);

        frame->RunCommand(kCmdViewHistory);
        QVERIFY(!frame->History().Dock()->isHidden());
        QListWidget* list = frame->History().Bar()->List();
        QCOMPARE(list->count(), 6);
        QCOMPARE(list->item(5)->text(), QString::fromStdString(doc->Level().UndoName()));
        QVERIFY(list->item(5)->font().bold());
        QCOMPARE(list->item(1)->toolTip(), QStringLiteral("Saved"));
        // (A spy, not a connection to a counter on this stack: closing the
        // mission in cleanup() signals again.)
        QSignalSpy contentSignals(doc, &CQVDoc::changed);

        auto click = [&](int row) {
            const QRect r = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        };
        click(2);
        QCOMPARE(Bytes(), threeBack);
        QCOMPARE(contentSignals.count(), 1);  // one move, heard of once
        QVERIFY(list->item(2)->font().bold());
        QVERIFY(!list->item(5)->font().bold());
        QVERIFY(doc->IsModified());
        QVERIFY(frame->isWindowModified());
        // To the saved state and forward again, as Undo and Redo would.
        click(1);
        QVERIFY(!doc->IsModified());
        QVERIFY(!frame->isWindowModified());
        click(5);
        QCOMPARE(Bytes(), now);
        QVERIFY(doc->IsModified());
        // Every change shows: a new step ends the list.
        frame->RunCommand(kCmdNewMessage);
        QCOMPARE(list->count(), 7);
        QVERIFY(list->item(6)->font().bold());
    }

    void ctrlDDuplicatesBesideTheSelectionAtTheToolbarsSnap() {
        MakeMission({{"Carrier", true, 0, 0}, {"Escort", true, 160, 320}});
        frame->MapBar()->SnapList()->setCurrentIndex(5);  // 0.5 km
        ClickFg(0);
        QTest::keyClick(view, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Selected(), std::vector<int>({2}));
        QCOMPARE(int(Fg(2).File.WaypointX(0)), 80);
        QCOMPARE(int(Fg(2).File.WaypointY(0)), 80);
        QCOMPARE(FgList()->count(), 3);
    }

    void arrowKeysMoveTheSelectionAndARunIsOneUndo() {
        MakeMission({{"A", true, 0, 0}, {"B", true, 320, 0}, {"C", true, 0, 320}});
        const std::vector<uint8_t> start = Bytes();
        frame->MapBar()->SnapList()->setCurrentIndex(5);  // 0.5 km = 80 raw
        ClickFg(0);
        ClickFg(1, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 160);
        QCOMPARE(int(Fg(0).File.WaypointY(0)), -800);  // y grows downward in Top
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 480);
        QCOMPARE(int(Fg(2).File.WaypointX(0)), 0);
        QCOMPARE(doc->Level().History().Size(), size_t(1));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(Bytes(), start);

        // A pause ends the run: the next press is a step of its own, and so
        // is one after another kind of edit.
        QTest::keyClick(view, Qt::Key_Left);
        view->EndMoveRun();
        QTest::keyClick(view, Qt::Key_Left);
        frame->RunCommand(kCmdNewMessage);
        ClickFg(0);
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(doc->Level().History().Size(), size_t(4));
        QCOMPARE(int(Fg(0).File.WaypointX(0)), -240);
    }
};

QTEST_MAIN(BigMissionTest)
#include "BigMissionTest.moc"
