// The property windows in real widgets: the level sheet edits the mission
// when its tab changes, the flight group window follows the selection, and
// every change is taken back by Undo.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

#include "EditorFixture.h"
#include "UiFakes.h"
#include "app/CMainFrame.h"
#include "app/RecentFiles.h"
#include "map/ui/CQVView.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CNumberEdit.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

using namespace vantorel;
using namespace vantorel::testing;

class PropertyWindowsTest : public QObject, EditorFixture {
    Q_OBJECT

    CLevelPropertiesBar& Bar() { return *frame->LevelBar(); }
    CLevelPropertiesSheet& Sheet() { return Bar().Sheet(); }
    template <class W>
    W* ControlOf(int tab, int id) {
        return qobject_cast<W*>(Sheet().Page(tab)->Panel().Control(id)->Widget());
    }

private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    void theLevelPageWritesWhenItsTabChangesAndUndoTakesItBack() {
        using P = LevelSettingsPage;
        Sheet().SetActivePage(CLevelPropertiesSheet::kLevelTab);
        auto* type = ControlOf<QComboBox>(CLevelPropertiesSheet::kLevelTab, P::kType);
        auto* description =
            ControlOf<QPlainTextEdit>(CLevelPropertiesSheet::kLevelTab, P::kDescription);
        QVERIFY(type && description);
        QCOMPARE(type->currentText(), QStringLiteral("Melee"));
        QCOMPARE(description->toPlainText(), QStringLiteral("New Mission"));

        // Typing marks nothing yet: the page writes when its tab is left.
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Up);  // Melee -> (unknown) 1
        description->selectAll();
        QTest::keyClicks(description, QStringLiteral("Two"));
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClicks(description, QStringLiteral("lines"));
        QVERIFY(!doc->IsModified());
        Sheet().SetActivePage(CLevelPropertiesSheet::kDebriefingTab);
        QVERIFY(doc->IsModified());
        QCOMPARE(doc->GetMission().Header.MissionType(), 1);
        QCOMPARE(doc->GetMission().Description, std::string("Two\r\nlines"));
        frame->UpdateCommandUI();
        QCOMPARE(frame->Action(kCmdEditUndo)->text(), QStringLiteral("&Undo Level Properties"));

        // One undo takes the whole page back, and the page shows it.
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!doc->IsModified());
        QCOMPARE(doc->GetMission().Description, std::string("New Mission"));
        QCOMPARE(type->currentText(), QStringLiteral("Melee"));
        QCOMPARE(description->toPlainText(), QStringLiteral("New Mission"));
        frame->RunCommand(kCmdEditRedo);
        QCOMPARE(doc->GetMission().Header.MissionType(), 1);

        // A refused time keeps the tab, and nothing is written.
        Sheet().SetActivePage(CLevelPropertiesSheet::kLevelTab);
        auto* seconds =
            Sheet().Page(CLevelPropertiesSheet::kLevelTab)->Panel().Control(P::kSeconds);
        auto* spin = qobject_cast<QAbstractSpinBox*>(seconds->Widget());
        QVERIFY(spin);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("75"));
        Sheet().SetActivePage(CLevelPropertiesSheet::kTeamsTab);
        QCOMPARE(Sheet().currentIndex(), int(CLevelPropertiesSheet::kLevelTab));
        QCOMPARE(f->prompter.Texts().back(),
                 std::string("Please enter an integer between 0 and 59."));
        QCOMPARE(doc->GetMission().Header.TimeLimitSeconds(), 0);
    }

    void theFlightGroupWindowFollowsTheSelection() {
        // The new mission's one flight group is selected: the window opens.
        frame->RunCommand(kCmdFlightGroupProperties);
        CFGPropertiesFrame* fg = Bar().FlightGroupFrame();
        QVERIFY(fg);
        QVERIFY(fg->isVisible());
        QCOMPARE(fg->Sheet().count(), 8);
        QStringList titles;
        for (int i = 0; i < fg->Sheet().count(); ++i) titles << fg->Sheet().tabText(i);
        QCOMPARE(titles, QStringList({"Ship", "Equipment", "Arrival", "Departure", "Orders",
                                      "Goals", "Positions", "Other"}));

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
        QVERIFY(frame->Action(kCmdDeleteFlightGroup)->isEnabled());
        QCOMPARE(frame->Action(kCmdEditUndo)->text(), QStringLiteral("&Undo New Flight Group"));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(list->count(), 1);
        QVERIFY(!fg->isVisible());  // what it showed is gone
        QVERIFY(!doc->IsModified());

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
        auto* name = qobject_cast<QComboBox*>(fg->Sheet().Page(0)->Panel().Control(1018)->Widget());
        QVERIFY(name && name->lineEdit());
        name->lineEdit()->selectAll();
        QTest::keyClicks(name->lineEdit(), QStringLiteral("Zed"));
        // Whether or not the window system takes activation away first, the
        // map's click writes the typed name before it changes the selection.
        CQVView* view = frame->ActiveView();
        QVERIFY(view);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string("Zed"));
        QCOMPARE(doc->Level().CountSelectedFlightGroups(), 0);
    }

    void newMessagesAreChosenAndDeletedByTheMessagesTab() {
        QVERIFY(!frame->Action(kCmdDeleteMessage)->isEnabled());
        frame->RunCommand(kCmdNewMessage);
        QCOMPARE(Sheet().currentIndex(), int(CLevelPropertiesSheet::kMessagesTab));
        QCOMPARE(Bar().CurrentMessage(), 0);
        QVERIFY(frame->Action(kCmdDeleteMessage)->isEnabled());
        frame->RunCommand(kCmdNewMessage);
        QCOMPARE(Bar().CurrentMessage(), 1);
        frame->RunCommand(kCmdDeleteMessage);
        QCOMPARE(doc->GetMission().CountMessages(), 1);
        QCOMPARE(Bar().CurrentMessage(), -1);  // the position holds nothing now
        QVERIFY(!frame->Action(kCmdDeleteMessage)->isEnabled());
        frame->RunCommand(kCmdEditUndo);
        frame->RunCommand(kCmdEditUndo);
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(doc->GetMission().CountMessages(), 0);
        QVERIFY(!doc->IsModified());
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
};

QTEST_MAIN(PropertyWindowsTest)
#include "PropertyWindowsTest.moc"
