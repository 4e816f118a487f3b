// The property windows in real widgets: the level sheet edits the mission
// when its tab changes, the flight group window follows the selection, and
// every change is taken back by Undo.
#include <QComboBox>
#include <QHash>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>

#include "EditorFixture.h"
#include "UiControls.h"
#include "map/ui/CQVView.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CNumberEdit.h"

using namespace vantorel;
using namespace vantorel::testing;

class PropertyWindowsTest : public QObject, EditorFixture {
    Q_OBJECT

    CLevelPropertiesBar& Bar() { return *frame->LevelBar(); }
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
        QCOMPARE(doc->GetMission().Description, std::string("New Mission"));
        QCOMPARE(description->toPlainText(), QStringLiteral("New Mission"));
        QCOMPARE(doc->GetMission().Header.MissionType(), 1);
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!doc->IsModified());
        QCOMPARE(type->currentText(), QStringLiteral("Melee"));
        frame->RunCommand(kCmdEditRedo);
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
        QCOMPARE(f->prompter.Texts().back(),
                 std::string("Please enter an integer between 0 and 59."));
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
        QList<int> shown, flagged;
        for (int r = 0; r < list->count(); ++r) {
            if (list->item(r)->isSelected()) shown << r;
            if (doc->GetMission().FlightGroups[size_t(r)]->Selected) flagged << r;
        }
        QCOMPARE(shown, QList<int>({0, 1}));
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
        // colour.
        const auto colours = [](QListWidget* l, int row) {
            const QImage shot = l->grab().toImage();
            const QRect r = l->visualItemRect(l->item(row)).translated(l->viewport()->pos());
            // Inside the focus frame; the row's commonest colour is its
            // background.
            QHash<QRgb, int> seen;
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                for (int x = r.left() + 1; x < r.right(); ++x) ++seen[shot.pixel(x, y)];
            QRgb background = 0;
            for (auto it = seen.begin(); it != seen.end(); ++it)
                if (it.value() > seen.value(background)) background = it.key();
            int left = r.right();
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                for (int x = r.left() + 1; x < r.right(); ++x)
                    if (shot.pixel(x, y) != background) left = std::min(left, x);
            return std::pair{seen, left};
        };
        const QRgb dim = list->item(0)->data(Qt::ForegroundRole).value<QColor>().rgb();
        const QRgb text = list->palette().color(QPalette::HighlightedText).rgb();
        auto [fgColours, fgLeft] = colours(list, 0);
        // Windows' font engine may blend even a glyph's core a shade off.
        const auto hasShadeOf = [](const QHash<QRgb, int>& seen, QRgb colour) {
            for (auto it = seen.begin(); it != seen.end(); ++it)
                if (std::abs(qRed(it.key()) - qRed(colour)) < 8 &&
                    std::abs(qGreen(it.key()) - qGreen(colour)) < 8 &&
                    std::abs(qBlue(it.key()) - qBlue(colour)) < 8)
                    return true;
            return false;
        };
        QVERIFY(!hasShadeOf(fgColours, dim));
        QVERIFY(hasShadeOf(fgColours, text));

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
        QVERIFY(frame->Action(kCmdDeleteFlightGroup)->isEnabled());
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
};

QTEST_MAIN(PropertyWindowsTest)
#include "PropertyWindowsTest.moc"
