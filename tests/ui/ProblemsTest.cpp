// The Problems window: Check Mission lists what the check finds, the list
// follows the edits while it is open, a double click takes the user to the
// flight group, message or team on the tab of the field, and deleting a
// flight group that others named shows what names none afterwards.
#include <QListWidget>
#include <QTabBar>
#include <QtTest>

#include "EditorFixture.h"
#include "app/CProblemsBar.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CMessagePropertiesSheet.h"
#include "properties/ui/CTeamPropertiesFrame.h"
#include "properties/ui/CTeamPropertiesSheet.h"

using namespace vantorel;
using namespace vantorel::testing;

class ProblemsTest : public QObject, EditorFixture {
    Q_OBJECT

    CProblemsBar& Problems() { return *frame->ProblemsBar(); }
    QStringList Lines() {
        QStringList lines;
        for (int i = 0; i < Problems().List()->count(); ++i)
            lines << Problems().List()->item(i)->text();
        return lines;
    }
    // Three flight groups; the last one's arrival waits for the second.
    void MakeThree() {
        // (A new mission starts with one.)
        while (M().CountFlightGroups() < 3) frame->RunCommand(kCmdNewFlightGroup);
        for (auto& fg : M().FlightGroups) fg->File.SetWaypointEnabled(0, 1);
        M().FlightGroups[2]->File.SetArrivalTrigger(0, {2, 1, 1, 0});
    }

private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    void checkMissionListsTheProblemsAndFollowsTheEdits() {
        QVERIFY(frame->ProblemsDock()->isHidden());
        QVERIFY(frame->Action(kCmdCheckMission)->isEnabled());
        MakeThree();
        frame->RunCommand(kCmdCheckMission);
        QVERIFY(!frame->ProblemsDock()->isHidden());
        QVERIFY(frame->Action(kCmdViewProblems)->isChecked());
        QCOMPARE(Lines().size(), 1);
        QVERIFY2(Lines()[0].startsWith(QStringLiteral("No problems found")),
                 qPrintable(Lines()[0]));

        // A trigger naming a flight group past the end shows up after the
        // next change of the mission, with no new check asked for.
        M().FlightGroups[0]->File.SetArrivalTrigger(1, {2, 1, 7, 0});
        frame->RunCommand(kCmdNewMessage);
        QVERIFY2(Lines().size() == 1 && Lines()[0].contains(QStringLiteral(
                                            "arrival trigger 2 names flight group 7, which does "
                                            "not exist")),
                 qPrintable(Lines().join('\n')));
        QCOMPARE(Problems().Problems().at(0).Index, 0);

        // Hidden, the window no longer follows; shown again, it checks anew.
        frame->RunCommand(kCmdViewProblems);
        QVERIFY(frame->ProblemsDock()->isHidden());
        M().FlightGroups[0]->File.SetArrivalTrigger(1, {0, 0, 0, 0});
        frame->RunCommand(kCmdViewProblems);
        QVERIFY2(Lines()[0].startsWith(QStringLiteral("No problems found")),
                 qPrintable(Lines()[0]));
    }

    void deletingAFlightGroupOthersNameListsWhatNamesNoneAfterwards() {
        MakeThree();
        QVERIFY(frame->ProblemsDock()->isHidden());
        for (auto& fg : M().FlightGroups) fg->Selected = false;
        M().FlightGroups[1]->Selected = true;
        frame->RunCommand(kCmdDeleteFlightGroup);
        // The third's arrival named the deleted one: it names none now, and
        // the Problems window shows it until it is aimed again.
        QVERIFY(!frame->ProblemsDock()->isHidden());
        QCOMPARE(Problems().Document(), doc);
        QVERIFY2(Lines().size() == 1 &&
                     Lines()[0].contains(QStringLiteral("arrival trigger 1 names no flight group")),
                 qPrintable(Lines().join('\n')));
    }

    void aDoubleClickSelectsTheSubjectAndOpensTheTabOfTheField() {
        MakeThree();
        frame->RunCommand(kCmdNewMessage);
        FlightGroupRecord& r = M().FlightGroups[0]->File;
        r.SetDepartureTrigger(0, {2, 1, 9, 0});
        r.Orders(2).SetCommand(7);  // Attack Targets: what the targets name counts
        r.Orders(2).SetTarget1Type(1);
        r.Orders(2).SetTarget1(9);
        M().FlightGroups[1]->File.SetWaypointEnabled(0, 0);
        M().Messages[0]->File.SetTrigger(0, {2, 1, 9, 0});
        M().GlobalGoalSet(2, 0)->SetTrigger(0, {2, 1, 9, 0});
        frame->RunCommand(kCmdCheckMission);
        QListWidget* list = Problems().List();
        QCOMPARE(list->count(), 5);
        // At least five lines show while the window is docked.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(list->viewport()->height() >= 5 * list->visualItemRect(list->item(0)).height());
        // A double click or Enter on the line.
        const auto open = [&](int row) {
            list->setCurrentRow(row);
            QTest::keyClick(list, Qt::Key_Return);
        };
        auto* bar = frame->LevelBar();
        open(0);  // departure trigger 1 of flight group 0
        QVERIFY(M().FlightGroups[0]->Selected && !M().FlightGroups[1]->Selected);
        QCOMPARE(bar->Sheet().ActivePage(),
                 bar->Sheet().Page(CLevelPropertiesSheet::kFlightGroupTab));
        QVERIFY(bar->FlightGroupFrame() && bar->FlightGroupFrame()->isVisible());
        QCOMPARE(bar->FlightGroupFrame()->Sheet().currentIndex(),
                 int(CFGPropertiesSheet::kDepartureTab));
        open(1);  // order 3's target
        QCOMPARE(bar->FlightGroupFrame()->Sheet().currentIndex(),
                 int(CFGPropertiesSheet::kOrdersTab));
        auto* orders = qobject_cast<QTabBar*>(bar->FlightGroupFrame()
                                                  ->Sheet()
                                                  .Page(CFGPropertiesSheet::kOrdersTab)
                                                  ->Panel()
                                                  .Control(FlightGroupOrdersPage::kTabs)
                                                  ->Widget());
        QVERIFY(orders);
        QCOMPARE(orders->currentIndex(), 2);
        open(2);  // flight group 1 has no start point
        QCOMPARE(bar->FlightGroupFrame()->Sheet().currentIndex(),
                 int(CFGPropertiesSheet::kPositionsTab));
        open(3);
        QCOMPARE(bar->Sheet().ActivePage(), bar->Sheet().Page(CLevelPropertiesSheet::kMessagesTab));
        QCOMPARE(bar->CurrentMessage(), 0);
        QVERIFY(bar->MessageFrame() && bar->MessageFrame()->isVisible());
        QCOMPARE(bar->MessageFrame()->Sheet().currentIndex(),
                 int(CMessagePropertiesSheet::kConditionTab));
        open(4);
        QCOMPARE(bar->Sheet().ActivePage(), bar->Sheet().Page(CLevelPropertiesSheet::kTeamsTab));
        QCOMPARE(bar->CurrentTeam(), 2);
        QVERIFY(bar->TeamFrame() && bar->TeamFrame()->isVisible());
        QCOMPARE(bar->TeamFrame()->Sheet().currentIndex(), int(CTeamPropertiesSheet::kGoalsTab));
    }
};

QTEST_MAIN(ProblemsTest)
#include "ProblemsTest.moc"
