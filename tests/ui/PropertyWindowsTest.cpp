// The property windows in real widgets: the level sheet edits the mission
// when its tab changes, the flight group window follows the selection, the
// message and team windows edit theirs, the clipboard carries flight groups
// between missions, and every change is taken back by Undo.
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>

#include "EditorFixture.h"
#include "UiControls.h"
#include "app/DocumentClipboard.h"
#include "map/ui/CQVView.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/GoalConditionDialog.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/logic/MessageGeneralPage.h"
#include "properties/logic/MessageWavePage.h"
#include "properties/logic/TeamGoalStringsPage.h"
#include "properties/logic/TeamGoalsPage.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CMessagePropertiesSheet.h"
#include "properties/ui/CNumberEdit.h"
#include "properties/ui/CTeamPropertiesFrame.h"
#include "properties/ui/CTeamPropertiesSheet.h"

using namespace vantorel;
using namespace vantorel::testing;

class PropertyWindowsTest : public QObject, EditorFixture {
    Q_OBJECT

    CLevelPropertiesBar& Bar() { return *frame->LevelBar(); }
    static QStringList Titles(const QTabWidget& sheet) {
        QStringList titles;
        for (int i = 0; i < sheet.count(); ++i) titles << sheet.tabText(i);
        return titles;
    }
    CLevelPropertiesSheet& Sheet() { return Bar().Sheet(); }
    template <class W>
    W* ControlOf(int tab, int id) {
        return testing::ControlOf<W>(Sheet(), tab, id);
    }

private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    void theLevelPageWritesAsItIsEditedAndUndoTakesEachChangeBack() {
        using P = LevelSettingsPage;
        Sheet().SetActivePage(CLevelPropertiesSheet::kLevelTab);
        auto* type = ControlOf<QComboBox>(CLevelPropertiesSheet::kLevelTab, P::kType);
        auto* description =
            ControlOf<QPlainTextEdit>(CLevelPropertiesSheet::kLevelTab, P::kDescription);
        QVERIFY(type && description);
        QCOMPARE(type->currentText(), QStringLiteral("Melee"));
        QCOMPARE(description->toPlainText(), QStringLiteral("New Mission"));

        // Each change is in the mission as it is made; what is typed into
        // one box in a row is one step of Undo.
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Up);  // Melee -> (unknown) 1
        QVERIFY(doc->IsModified());
        QCOMPARE(doc->GetMission().Header.MissionType(), 1);
        description->selectAll();
        QTest::keyClicks(description, QStringLiteral("Two"));
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClicks(description, QStringLiteral("lines"));
        QCOMPARE(doc->GetMission().Description, std::string("Two\r\nlines"));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Level Properties"));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(description->toPlainText(), QStringLiteral("New Mission"));
        QCOMPARE(doc->GetMission().Header.MissionType(), 1);

        // XvT leaves the debriefings out of the file: the switch says so,
        // and they stay for a switch back.
        Sheet().SetActivePage(CLevelPropertiesSheet::kDebriefingTab);
        auto* success = ControlOf<QPlainTextEdit>(CLevelPropertiesSheet::kDebriefingTab, 1006);
        QVERIFY(success);
        success->setFocus();
        QTest::keyClicks(success, QStringLiteral("Well done"));
        Sheet().SetActivePage(CLevelPropertiesSheet::kLevelTab);
        auto* xvt = Sheet()
                        .Page(CLevelPropertiesSheet::kLevelTab)
                        ->findChild<QRadioButton*>(QStringLiteral("control1035"));
        QVERIFY(xvt);
        QTest::mouseClick(xvt, Qt::LeftButton, {}, QPoint(4, xvt->height() / 2));
        QCOMPARE(doc->GetMission().Header.FormatVersion(), 12);
        QCOMPARE(f->prompter.Texts().back(), std::string(kDebriefingsNotSavedText));
        QCOMPARE(doc->GetMission().SuccessfulDebriefing, std::string("Well done"));

        // A number the box cannot hold is refused when the page is left;
        // what it held before that is written as it was typed.
        auto* spin = ControlOf<QAbstractSpinBox>(CLevelPropertiesSheet::kLevelTab, P::kSeconds);
        QVERIFY(spin);
        Type(spin, QStringLiteral("75"));
        QCOMPARE(doc->GetMission().Header.TimeLimitSeconds(), 7);
        Sheet().SetActivePage(CLevelPropertiesSheet::kTeamsTab);
        QCOMPARE(Sheet().currentIndex(), int(CLevelPropertiesSheet::kLevelTab));
        QCOMPARE(doc->GetMission().Header.TimeLimitSeconds(), 7);
    }

    void shiftClickSelectsExactlyTheRangeFromTheAnchor() {
        while (doc->Level().CountFlightGroups() < 5) frame->RunCommand(kCmdNewFlightGroup);
        Sheet().SetActivePage(CLevelPropertiesSheet::kFlightGroupTab);
        auto* list = ControlOf<QListWidget>(CLevelPropertiesSheet::kFlightGroupTab, 1002);
        QVERIFY(list);
        QCOMPARE(list->count(), 5);
        const auto click = [list](int row, Qt::KeyboardModifiers keys) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                              list->visualItemRect(list->item(row)).center());
        };
        click(2, {});
        click(4, Qt::ShiftModifier);
        click(0, {});
        click(1, Qt::ShiftModifier);
        QList<int> flagged;
        for (int r = 0; r < list->count(); ++r)
            if (doc->GetMission().FlightGroups[size_t(r)]->Selected) flagged << r;
        QCOMPARE(flagged, QList<int>({0, 1}));
    }

    void everyLevelTabIsReadableWithoutScrolling() {
        for (int width : {Bar().width(), 240}) {
            Bar().resize(width, 500);
            QVERIFY2(Sheet().tabBar()->sizeHint().width() <= Sheet().width(),
                     qPrintable(QString::number(width)));
            for (int i = 0; i < Sheet().count(); ++i) {
                QCOMPARE(Sheet().tabToolTip(i), Sheet().Page(i)->Title());
                QVERIFY(!Sheet().tabText(i).isEmpty() || !Sheet().tabIcon(i).isNull());
            }
        }
    }

    void selectedRowsAreReadableAndMessagesStart16PixelsIn() {
        Sheet().SetActivePage(CLevelPropertiesSheet::kFlightGroupTab);
        auto* list = ControlOf<QListWidget>(CLevelPropertiesSheet::kFlightGroupTab, 1002);
        QVERIFY(list && list->item(0)->isSelected());
        // The selected row has the highlight's text colour, not its dim team
        // colour. Inside the focus frame the commonest colour is the row's
        // background; the leftmost other pixel is where the text starts.
        const auto colours = [](QListWidget* l, int row) {
            const QImage shot = l->grab().toImage();
            const QRect r = l->visualItemRect(l->item(row)).translated(l->viewport()->pos());
            QHash<QRgb, int> seen;
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                for (int x = r.left() + 1; x < r.right(); ++x) ++seen[shot.pixel(x, y)];
            const QRgb background = std::max_element(seen.keyValueBegin(), seen.keyValueEnd(),
                                                     [](auto a, auto b) {
                                                         return a.second < b.second;
                                                     })->first;
            int left = r.right();
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                for (int x = r.left() + 1; x < r.right(); ++x)
                    if (shot.pixel(x, y) != background) left = std::min(left, x);
            return std::pair{seen, left};
        };
        // Windows' font engine may blend even a glyph's core a shade off.
        const auto hasShadeOf = [](const QHash<QRgb, int>& seen, QColor c) {
            for (auto it = seen.begin(); it != seen.end(); ++it)
                if (std::abs(qRed(it.key()) - c.red()) < 8 &&
                    std::abs(qGreen(it.key()) - c.green()) < 8 &&
                    std::abs(qBlue(it.key()) - c.blue()) < 8)
                    return true;
            return false;
        };
        const auto fgColours = colours(list, 0).first;
        QVERIFY(!hasShadeOf(fgColours, list->item(0)->data(Qt::ForegroundRole).value<QColor>()));
        QVERIFY(hasShadeOf(fgColours, list->palette().color(QPalette::HighlightedText)));

        frame->RunCommand(kCmdNewMessage);
        doc->GetMission().Messages[0]->File.SetText("1Hello");
        Bar().RefreshAll();
        auto* messages = ControlOf<QListWidget>(CLevelPropertiesSheet::kMessagesTab, 1003);
        QVERIFY(messages && messages->item(0)->isSelected());
        const int messageLeft = colours(messages, 0).second;
        QVERIFY2(messageLeft >= 16 && messageLeft <= 18, qPrintable(QString::number(messageLeft)));
    }

    void theFlightGroupWindowFollowsTheSelection() {
        // The new mission's one flight group is selected: the window opens.
        frame->RunCommand(kCmdFlightGroupProperties);
        CFGPropertiesFrame* fg = Bar().FlightGroupFrame();
        QVERIFY(fg && fg->isVisible());
        QCOMPARE(fg->Sheet().count(), 8);

        // Choosing nothing in the list hides it; the commands follow.
        auto* list = ControlOf<QListWidget>(CLevelPropertiesSheet::kFlightGroupTab, 1002);
        QVERIFY(list);
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->isSelected());
        list->clearSelection();
        QCOMPARE(doc->Level().CountSelectedFlightGroups(), 0);
        QVERIFY(!fg->isVisible());
        QVERIFY(!frame->Action(kCmdDeleteFlightGroup)->isEnabled());
        QVERIFY(!doc->IsModified());

        // New Flightgroup adds one, selected, shown in the list and the window.
        frame->RunCommand(kCmdNewFlightGroup);
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->isSelected());
        QVERIFY(fg->isVisible());
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!fg->isVisible());  // what it showed is gone

        // Delete takes the selected ones away, and Undo brings them back.
        list->item(0)->setSelected(true);
        frame->RunCommand(kCmdDeleteFlightGroup);
        QCOMPARE(list->count(), 0);
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(list->count(), 1);
    }

    void aClickOnTheMapKeepsWhatWasTypedInTheFlightGroupWindow() {
        frame->RunCommand(kCmdFlightGroupProperties);
        CFGPropertiesFrame* fg = Bar().FlightGroupFrame();
        QVERIFY(fg && fg->isVisible());
        auto* name = testing::ControlOf<QComboBox>(fg->Sheet(), 0, 1018);
        QVERIFY(name && name->lineEdit());
        Type(name->lineEdit(), QStringLiteral("Zed"));
        // Whether or not the window system takes activation away first, the
        // map's click writes the typed name before it changes the selection.
        CQVView* view = frame->ActiveView();
        QVERIFY(view);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string("Zed"));
        QCOMPARE(doc->Level().CountSelectedFlightGroups(), 0);
    }

    void propertyWindowsDoNotOpenOnTopOfEachOther() {
        frame->RunCommand(kCmdFlightGroupProperties);
        frame->RunCommand(kCmdNewMessage);
        QVERIFY(Bar().FlightGroupFrame() && Bar().MessageFrame());
        QVERIFY(Bar().FlightGroupFrame()->isVisible() && Bar().MessageFrame()->isVisible());
        QVERIFY(Bar().FlightGroupFrame()->pos() != Bar().MessageFrame()->pos());
        // Raising the level bar after the windows opened puts it after them
        // among the main window's children: closing must still not crash.
        frame->LevelDock()->raise();
        Stop();
    }

    void numberBoxesTakeOnlyANumber() {
        CNumberEdit edit;
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("-1x2.5.-"));
        QCOMPARE(edit.text(), QStringLiteral("-12.5"));
        // A point typed in front of the point steps over it.
        edit.setCursorPosition(3);
        QTest::keyClicks(&edit, QStringLiteral(".7"));
        QCOMPARE(edit.text(), QStringLiteral("-12.75"));
    }

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
        auto* text = testing::ControlOf<QLineEdit>(sheet, general, P::kText);
        auto* colour = testing::ControlOf<QComboBox>(sheet, general, P::kColour);
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
        sheet.SetActivePage(general);
        QCOMPARE(text->text(), QString());
        QCOMPARE(colour->currentText(), QStringLiteral("Red"));

        // The Wave tab plays through the program's sound and stops it once
        // the box is cleared.
        const int wave = CMessagePropertiesSheet::kWaveTab;
        sheet.SetActivePage(wave);
        message.WaveFile = "hello.wav";
        window->UpdateAllPages();
        auto* play = testing::ControlOf<QPushButton>(sheet, wave, MessageWavePage::kPlay);
        auto* clear = testing::ControlOf<QPushButton>(sheet, wave, MessageWavePage::kClear);
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
        auto* sets = testing::ControlOf<QTabBar>(sheet, goals, P::kSets);
        auto* points = testing::ControlOf<QAbstractSpinBox>(sheet, goals, P::kPoints);
        auto* condition = testing::ControlOf<QPushButton>(sheet, goals, P::kButton1 + 1);
        auto* sentence = testing::ControlOf<QLabel>(sheet, goals, P::kTrigger1 + 1);
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
            auto* success = testing::ControlOf<QWidget>(d.Panel(), GoalConditionDialog::kSuccess);
            auto* no = testing::ControlOf<QPushButton>(d.Panel(), ConditionDialog::kFalse);
            auto* failure = testing::ControlOf<QLineEdit>(d.Panel(), GoalConditionDialog::kFailure);
            QVERIFY(success && no && failure);
            QVERIFY(!success->isVisible());
            no->click();
            Type(failure, QStringLiteral("Lost"));
        }));
        QCOMPARE(record.Set(1).GetTrigger(1).Condition, uint8_t(10));
        QCOMPARE(doc->GetMission().GoalStrings->Get(team, 4 + 1, GlobalGoalStrings::kFailure),
                 std::string("Lost"));
        QCOMPARE(sentence->text(), QStringLiteral("False"));

        // Undo takes the dialog's edit back, and the set shown stays.
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(record.Set(1).GetTrigger(1).Condition, uint8_t(0));
        QCOMPARE(sentence->text(), QStringLiteral("True"));
        QCOMPARE(sets->currentIndex(), 1);

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
        QCOMPARE(UndoText(), QStringLiteral("&Undo Paste"));

        // Cut takes the pasted (selected) flight group out again, as one edit.
        frame->RunCommand(kCmdEditCut);
        QCOMPARE(target.CountFlightGroups(), 1);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Cut"));
        QVERIFY(!frame->Action(kCmdEditCopy)->isEnabled());
    }
};

QTEST_MAIN(PropertyWindowsTest)
#include "PropertyWindowsTest.moc"
