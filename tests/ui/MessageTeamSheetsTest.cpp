// The message and team windows in real widgets, and the clipboard between
// two missions: each change is one edit that Undo takes back, and the
// windows show what Undo brought back.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QTabBar>

#include "EditorFixture.h"
#include "UiControls.h"
#include "app/DocumentClipboard.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/GoalConditionDialog.h"
#include "properties/logic/MessageGeneralPage.h"
#include "properties/logic/MessageWavePage.h"
#include "properties/logic/TeamGoalStringsPage.h"
#include "properties/logic/TeamGoalsPage.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CMessagePropertiesSheet.h"
#include "properties/ui/CTeamPropertiesFrame.h"
#include "properties/ui/CTeamPropertiesSheet.h"

using namespace vantorel;
using namespace vantorel::testing;

class MessageTeamSheetsTest : public QObject, EditorFixture {
    Q_OBJECT

    CLevelPropertiesBar& Bar() { return *frame->LevelBar(); }
    static QStringList Titles(const QTabWidget& sheet) {
        QStringList titles;
        for (int i = 0; i < sheet.count(); ++i) titles << sheet.tabText(i);
        return titles;
    }

private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    void aNewMessageOpensItsWindowAndItsTextIsUndone() {
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdMessageProperties)->isEnabled());
        QVERIFY(!frame->Action(kCmdDeleteMessage)->isEnabled());
        frame->RunCommand(kCmdNewMessage);
        CMessagePropertiesFrame* window = Bar().MessageFrame();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Message Properties"));
        CMessagePropertiesSheet& sheet = window->MessageSheet();
        QCOMPARE(Titles(sheet), QStringList({"General", "Condition", "Wave"}));
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdMessageProperties)->isEnabled());
        QVERIFY(frame->Action(kCmdDeleteMessage)->isEnabled());
        doc->Level().ForgetHistory(false);

        using P = MessageGeneralPage;
        const int general = CMessagePropertiesSheet::kGeneralTab;
        auto* text = ControlOf<QLineEdit>(sheet, general, P::kText);
        auto* colour = ControlOf<QComboBox>(sheet, general, P::kColour);
        QVERIFY(text && colour);
        QCOMPARE(text->maxLength(), 63);
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("Incoming"));
        colour->setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(colour, Qt::Key_Down);  // Gold
        QVERIFY(!doc->IsModified());
        // Leaving the tab writes the message: colour digit and text.
        sheet.SetActivePage(CMessagePropertiesSheet::kConditionTab);
        RadioMessage& message = *doc->GetMission().Messages[0];
        QCOMPARE(message.File.Text(), std::string("3Incoming"));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Message Properties"));

        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(message.File.Text(), std::string());
        QVERIFY(!doc->IsModified());
        sheet.SetActivePage(general);
        QCOMPARE(text->text(), QString());
        QCOMPARE(colour->currentText(), QStringLiteral("Red"));

        // The Wave tab plays through the program's sound and stops it once
        // the box is cleared.
        const int wave = CMessagePropertiesSheet::kWaveTab;
        sheet.SetActivePage(wave);
        message.WaveFile = "hello.wav";
        window->UpdateAllPages();
        auto* play = ControlOf<QPushButton>(sheet, wave, MessageWavePage::kPlay);
        auto* clear = ControlOf<QPushButton>(sheet, wave, MessageWavePage::kClear);
        QVERIFY(play && clear);
        QVERIFY(!play->icon().isNull());
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(f->sound.played, std::vector<std::string>{"hello.wav"});
        QTest::mouseClick(clear, Qt::LeftButton);
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(f->sound.stops, 1);

        // Closing the window keeps what it holds.
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(message.WaveFile, std::string());

        // The Messages tab holds the current message; Delete takes it away.
        frame->RunCommand(kCmdNewMessage);
        QCOMPARE(Bar().Sheet().currentIndex(), int(CLevelPropertiesSheet::kMessagesTab));
        QCOMPARE(Bar().CurrentMessage(), 1);
        frame->RunCommand(kCmdDeleteMessage);
        QCOMPARE(doc->GetMission().CountMessages(), 1);
        QCOMPARE(Bar().CurrentMessage(), -1);  // the position holds nothing now
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdDeleteMessage)->isEnabled());
    }

    void theTeamWindowEditsPointsAndAGoalCondition() {
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdTeamProperties)->isEnabled());
        frame->RunCommand(kCmdTeamProperties);
        QCOMPARE(Bar().Sheet().currentIndex(), int(CLevelPropertiesSheet::kTeamsTab));
        CTeamPropertiesFrame* window = Bar().TeamFrame();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Team Properties"));
        CTeamPropertiesSheet& sheet = window->TeamSheet();
        QCOMPARE(Titles(sheet), QStringList({"General", "Goals", "Goal Strings", "Briefing"}));
        const int team = Bar().CurrentTeam();
        QVERIFY(team >= 0);

        using P = TeamGoalsPage;
        const int goals = CTeamPropertiesSheet::kGoalsTab;
        sheet.SetActivePage(goals);
        auto* sets = ControlOf<QTabBar>(sheet, goals, P::kSets);
        auto* points = ControlOf<QAbstractSpinBox>(sheet, goals, P::kPoints);
        auto* condition = ControlOf<QPushButton>(sheet, goals, P::kButton1 + 1);
        auto* sentence = ControlOf<QLabel>(sheet, goals, P::kTrigger1 + 1);
        QVERIFY(sets && points && condition && sentence);
        QCOMPARE(sets->count(), 3);
        QCOMPARE(sets->tabText(1), QStringLiteral("Prevent"));

        // The Prevent set: points typed, written when the set changes.
        QTest::mouseClick(sets, Qt::LeftButton, {}, sets->tabRect(1).center());
        points->setFocus();
        points->selectAll();
        QTest::keyClicks(points, QStringLiteral("-4"));
        QTest::mouseClick(sets, Qt::LeftButton, {}, sets->tabRect(0).center());
        GlobalGoalsRecord& record = doc->GetMission().GlobalGoals[size_t(team)];
        QCOMPARE(int(record.Set(1).Points()), -4);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Team Goals"));
        QTest::mouseClick(sets, Qt::LeftButton, {}, sets->tabRect(1).center());

        // The Goal Condition dialog of a Prevent condition: no Success box.
        QVERIFY(ClickAndAnswer(condition, [](CEditDialog& d) {
            auto* success = ControlOf<QWidget>(d.Panel(), GoalConditionDialog::kSuccess);
            auto* no = ControlOf<QPushButton>(d.Panel(), ConditionDialog::kFalse);
            auto* failure = ControlOf<QLineEdit>(d.Panel(), GoalConditionDialog::kFailure);
            QVERIFY(success && no && failure);
            QVERIFY(!success->isVisible());
            no->click();
            Type(failure, QStringLiteral("Lost"));
        }));
        QCOMPARE(record.Set(1).GetTrigger(1).Condition, uint8_t(10));
        QCOMPARE(doc->GetMission().GoalStrings->Get(team, 4 + 1, GlobalGoalStrings::kFailure),
                 std::string("Lost"));
        QCOMPARE(sentence->text(), QStringLiteral("False"));

        // Undo takes the dialog's edit back, then the points.
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(record.Set(1).GetTrigger(1).Condition, uint8_t(0));
        QCOMPARE(doc->GetMission().GoalStrings->Get(team, 5, GlobalGoalStrings::kFailure),
                 std::string());
        QCOMPARE(sentence->text(), QStringLiteral("True"));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(int(record.Set(1).Points()), 0);
        QCOMPARE(sets->currentIndex(), 1);  // the set shown stays
        QVERIFY(!doc->IsModified());

        // The Briefing tab only tells why it edits nothing.
        sheet.SetActivePage(CTeamPropertiesSheet::kBriefingTab);
        auto* note = sheet.Page(CTeamPropertiesSheet::kBriefingTab)->findChild<QLabel*>();
        QVERIFY(note);
        QCOMPARE(note->text(), QString::fromLatin1(kBriefingNoteText));
    }

    void flightGroupsAndMessagesArePastedIntoAnotherMission() {
        // The new mission's flight group is selected: Copy takes it.
        auto& source = doc->GetMission();
        QCOMPARE(source.CountFlightGroups(), 1);
        source.FlightGroups[0]->File.SetName("Alpha");
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdEditCopy)->isEnabled());
        frame->RunCommand(kCmdEditCopy);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QVERIFY(mime->hasFormat(QString::fromLatin1(kMissionItemsMimeType)));
        QVERIFY(mime->text().startsWith(QStringLiteral("Flight group 0: ")));
        QVERIFY(mime->text().contains(QStringLiteral("Alpha")));

        CQVDoc* other = frame->NewDocument();
        QVERIFY(other && other != doc);
        QCOMPARE(Bar().CurrentDocument(), other);
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdEditPaste)->isEnabled());
        frame->RunCommand(kCmdEditPaste);
        auto& target = other->GetMission();
        QCOMPARE(target.CountFlightGroups(), 2);
        QCOMPARE(target.FlightGroups[1]->File.Name(), std::string("Alpha"));
        QVERIFY(!target.FlightGroups[0]->Selected && target.FlightGroups[1]->Selected);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Paste"));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(target.CountFlightGroups(), 1);

        // Cut takes the flight group out of the first mission, as one edit.
        frame->RunCommand(kCmdEditPaste);
        QCOMPARE(target.CountFlightGroups(), 2);
        frame->RunCommand(kCmdEditCut);
        QCOMPARE(target.CountFlightGroups(), 1);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Cut"));
        QVERIFY(!frame->Action(kCmdEditCopy)->isEnabled());
    }
};

QTEST_MAIN(MessageTeamSheetsTest)
#include "MessageTeamSheetsTest.moc"
