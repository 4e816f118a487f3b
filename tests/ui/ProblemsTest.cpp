// The Problems window: Check Mission lists what the check finds, the list
// follows the edits while it is open, a double click takes the user to the
// flight group, message or team, and deleting a flight group that others
// named by position offers the check.
#include <QListWidget>
#include <QtTest>

#include "EditorFixture.h"
#include "UiFakes.h"
#include "app/CMainFrame.h"
#include "app/CProblemsBar.h"
#include "app/RecentFiles.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

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
    Mission& M() { return doc->GetMission(); }
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

    void aDoubleClickSelectsWhatTheProblemIsAbout() {
        MakeThree();
        frame->RunCommand(kCmdNewMessage);
        M().FlightGroups[1]->File.SetDepartureTrigger(0, {2, 1, 9, 0});
        M().Messages[0]->File.SetTrigger(0, {2, 1, 9, 0});
        M().GlobalGoalSet(2, 0)->SetTrigger(0, {2, 1, 9, 0});
        frame->RunCommand(kCmdCheckMission);
        const std::vector<Problem> problems = Problems().Problems();
        QCOMPARE(int(problems.size()), 3);
        QCOMPARE(problems[0].Subject, ProblemSubject::FlightGroup);
        QCOMPARE(problems[1].Subject, ProblemSubject::Message);
        QCOMPARE(problems[2].Subject, ProblemSubject::Team);

        QListWidget* list = Problems().List();
        const auto activate = [list](int row) {
            QListWidgetItem* item = list->item(row);
            QVERIFY(item);
            emit list->itemActivated(item);
        };
        activate(0);
        QVERIFY(!M().FlightGroups[0]->Selected);
        QVERIFY(M().FlightGroups[1]->Selected);
        QVERIFY(!M().FlightGroups[2]->Selected);
        QCOMPARE(frame->LevelBar()->Sheet().ActivePage(),
                 frame->LevelBar()->Sheet().Page(CLevelPropertiesSheet::kFlightGroupTab));
        QVERIFY(frame->LevelBar()->FlightGroupFrame());
        QVERIFY(frame->LevelBar()->FlightGroupFrame()->isVisible());

        activate(1);
        QCOMPARE(frame->LevelBar()->Sheet().ActivePage(),
                 frame->LevelBar()->Sheet().Page(CLevelPropertiesSheet::kMessagesTab));
        QCOMPARE(frame->LevelBar()->CurrentMessage(), 0);

        activate(2);
        QCOMPARE(frame->LevelBar()->Sheet().ActivePage(),
                 frame->LevelBar()->Sheet().Page(CLevelPropertiesSheet::kTeamsTab));
        QCOMPARE(frame->LevelBar()->CurrentTeam(), 2);
    }

    void deletingAFlightGroupOthersNameOffersTheCheck() {
        MakeThree();
        // Nothing names the last one: no question.
        for (auto& fg : M().FlightGroups) fg->Selected = false;
        M().FlightGroups[2]->Selected = true;
        const size_t before = f->prompter.shown.size();
        frame->RunCommand(kCmdDeleteFlightGroup);
        QCOMPARE(M().CountFlightGroups(), 2);
        QCOMPARE(f->prompter.shown.size(), before);
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(M().CountFlightGroups(), 3);

        // The second is named by the third's arrival: asked, and No keeps
        // the Problems window closed.
        for (auto& fg : M().FlightGroups) fg->Selected = false;
        M().FlightGroups[1]->Selected = true;
        f->prompter.answers = {PromptAnswer::No};
        frame->RunCommand(kCmdDeleteFlightGroup);
        QCOMPARE(M().CountFlightGroups(), 2);
        QCOMPARE(f->prompter.shown.size(), before + 1);
        QVERIFY2(f->prompter.shown.back().text.find("Check the mission now?") != std::string::npos,
                 f->prompter.shown.back().text.c_str());
        QVERIFY(frame->ProblemsDock()->isHidden());
        frame->RunCommand(kCmdEditUndo);

        // Yes runs the check: the trigger now names flight group 1, which is
        // the old third itself; nothing dangles, and the window says so.
        for (auto& fg : M().FlightGroups) fg->Selected = false;
        M().FlightGroups[1]->Selected = true;
        frame->RunCommand(kCmdDeleteFlightGroup);
        QVERIFY(!frame->ProblemsDock()->isHidden());
        QCOMPARE(Problems().Document(), doc);
    }
};

QTEST_MAIN(ProblemsTest)
#include "ProblemsTest.moc"
