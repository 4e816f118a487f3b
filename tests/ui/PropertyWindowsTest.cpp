// The property windows in real widgets: the level sheet, the flight group
// window's tabs and dialogs over three selected flight groups, the message
// and team windows, the clipboard between missions, Undo, and the Problems
// window that opens the tab of each field.
#include <QBitArray>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTemporaryDir>

#include "EditorFixture.h"
#include "UiControls.h"
#include "app/CProblemsBar.h"
#include "app/DocumentClipboard.h"
#include "catalogue/Orders.h"
#include "map/ui/CQVView.h"
#include "properties/logic/ArrivalPage.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/FgEquipmentPage.h"
#include "properties/logic/FgPositionsPage.h"
#include "properties/logic/FgShipPage.h"
#include "properties/logic/FlightGroupGoalDialog.h"
#include "properties/logic/FlightGroupGoalsPage.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/HiddenCargoDialog.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/logic/MessageGeneralPage.h"
#include "properties/logic/MessageWavePage.h"
#include "properties/logic/MothershipDialog.h"
#include "properties/logic/OrderTargetDialog.h"
#include "properties/logic/TeamGeneralPage.h"
#include "properties/logic/TeamGoalStringsPage.h"
#include "properties/logic/TeamGoalsPage.h"
#include "properties/ui/CConditionDlg.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CMessagePropertiesSheet.h"
#include "properties/ui/CMothershipDlg.h"
#include "properties/ui/CNumberEdit.h"
#include "properties/ui/CNumberSpin.h"
#include "properties/ui/CTeamPropertiesFrame.h"
#include "properties/ui/CTeamPropertiesSheet.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {
constexpr int kShipTab = 0, kEquipmentTab = 1, kArrivalTab = 2, kOrdersTab = 4, kGoalsTab = 5,
              kPositionsTab = 6, kOtherTab = 7;
}

class PropertyWindowsTest : public QObject, EditorFixture {
    Q_OBJECT

    CLevelPropertiesBar& Bar() { return *frame->LevelBar(); }
    CLevelPropertiesSheet& Sheet() { return Bar().Sheet(); }
    template <class W>
    W* ControlOf(int tab, int id) {
        return testing::ControlOf<W>(Sheet(), tab, id);
    }
    CFGPropertiesSheet& FgSheet() { return frame->LevelBar()->FlightGroupFrame()->Sheet(); }
    template <class W>
    W* FgControl(int tab, int id) {
        return testing::ControlOf<W>(FgSheet(), tab, id);
    }
    template <class W>
    static W* DialogControl(CEditDialog& dialog, int id) {
        return testing::ControlOf<W>(dialog.Panel(), id);
    }
    // Three flight groups of four craft, all selected, in the flight group window.
    bool SelectThree() {
        LevelDocument& level = doc->Level();
        while (level.CountFlightGroups() < 3) level.AddFlightGroup();
        for (int i = 0; i < 3; ++i) {
            Rec(i).SetCraftType(uint8_t(1 + i));
            Rec(i).SetNumberOfCraft(4);
            Rec(i).SetSpecialCargoCraft(4);
            Fg(i).Selected = 1;
        }
        level.ForgetHistory(false);
        level.NotifySelectionChanged();
        frame->RunCommand(kCmdFlightGroupProperties);
        return frame->LevelBar()->FlightGroupFrame() &&
               frame->LevelBar()->FlightGroupFrame()->isVisible();
    }
    QListWidget* FgList() {
        return ControlOf<QListWidget>(CLevelPropertiesSheet::kFlightGroupTab, 1002);
    }

    CProblemsBar& Problems() { return *frame->ProblemsBar(); }
    QStringList Lines() {
        QStringList lines;
        for (int i = 0; i < Problems().List()->count(); ++i)
            lines << Problems().List()->item(i)->text();
        return lines;
    }
    // Three flight groups; the last one's arrival waits for the second.
    void MakeThree() {
        while (M().CountFlightGroups() < 3) frame->RunCommand(kCmdNewFlightGroup);
        for (auto& fg : M().FlightGroups) fg->File.SetWaypointEnabled(0, 1);
        M().FlightGroups[2]->File.SetArrivalTrigger(0, {2, 1, 1, 0});
        M().Briefings[0].Commands[810] = 1;  // the players' team 1 is shown briefing 1
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
        QCOMPARE(description->toPlainText(), QStringLiteral("New Mission"));

        // Each change is written as it is made; typing in one box is one Undo step.
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

        // XvT files hold no debriefings: the switch says so and keeps them.
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

        // A '$' typed into the description would show as a line break in the
        // game: it never reaches the mission, and leaving the box says why.
        // What was typed before it stays.
        const std::string before = doc->GetMission().Description;
        QVERIFY(Activate());  // the focus moves only in the active window
        description->setFocus();
        description->moveCursor(QTextCursor::End);
        QTest::keyClicks(description, QStringLiteral(" $5"));
        QVERIFY(doc->GetMission().Description.find('$') == std::string::npos);
        QTest::keyClick(description, Qt::Key_Tab);
        QCoreApplication::processEvents();  // said once the focus has moved
        QCOMPARE(f->prompter.Texts().back(), DollarInFreeTextText("description"));
        QCOMPARE(doc->GetMission().Description, before + " ");
        QCOMPARE(description->toPlainText(), QString::fromStdString(before + " "));
    }

    // The rule of every number box: a value its field cannot hold is refused
    // as the box is left, naming the field; the box shows what is stored, and
    // nothing else (a save, Undo, another tab) is held up by it.
    void aNumberTheLevelTabCannotHoldIsRefusedAsItsBoxIsLeft() {
        using P = LevelSettingsPage;
        QVERIFY(Activate());
        Sheet().SetActivePage(CLevelPropertiesSheet::kLevelTab);
        auto* minutes = ControlOf<CNumberSpin>(CLevelPropertiesSheet::kLevelTab, P::kMinutes);
        QVERIFY(minutes);
        const auto stored = [this] { return int(M().Header.TimeLimitMinutes()); };
        const auto said = [this] {
            QCoreApplication::processEvents();  // said once the focus has moved
            return f->prompter.Texts();
        };
        const std::string refusal = "Please enter an integer between 0 and 255 for Time (Min).";

        // 3 and 30 are written as typed; 300 is refused as Tab leaves the
        // box, which takes them back: the mission is as it was.
        const int before = stored();
        Type(minutes, QStringLiteral("300"));
        QTest::keyClick(minutes, Qt::Key_Tab);
        QVERIFY(!minutes->hasFocus());
        QCOMPARE(stored(), before);
        QCOMPARE(minutes->Text(), QString::number(before));
        QVERIFY(!doc->IsModified());
        QCOMPARE(said(), std::vector<std::string>{refusal});

        // Saved with the box still holding 256: what is saved is what it shows.
        Type(minutes, QStringLiteral("45"));
        QTest::keyClick(minutes, Qt::Key_Tab);
        QCOMPARE(stored(), 45);
        const QTemporaryDir dir;
        f->dialogs.saveAnswers = {dir.filePath(QStringLiteral("time.tie")).toStdString()};
        Type(minutes, QStringLiteral("256"));
        QTest::keyClick(minutes, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!doc->IsModified());
        QCOMPARE(stored(), 45);
        QCOMPARE(minutes->Text(), QStringLiteral("45"));
        QCOMPARE(said().size(), size_t(2));

        // Undo is not held up either: it takes back the 45.
        Type(minutes, QStringLiteral("999"));
        QTest::keyClick(minutes, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(doc->Level().CanRedo());
        QCOMPARE(stored(), before);
        QCOMPARE(minutes->Text(), QString::number(before));
        QCOMPARE(said().size(), size_t(3));
        QCOMPARE(said().back(), refusal);

        // Nor another tab: the seconds box names its own field.
        auto* seconds = ControlOf<CNumberSpin>(CLevelPropertiesSheet::kLevelTab, P::kSeconds);
        Type(seconds, QStringLiteral("75"));
        Sheet().SetActivePage(CLevelPropertiesSheet::kTeamsTab);
        QCOMPARE(Sheet().currentIndex(), int(CLevelPropertiesSheet::kTeamsTab));
        QCOMPARE(int(M().Header.TimeLimitSeconds()), 0);
        QCOMPARE(said().back(),
                 std::string("Please enter an integer between 0 and 59 for Time (Sec)."));
    }

    void switchingMissionsWithARefusedNumberSwitchesOnceAndSaysItOnce() {
        using P = LevelSettingsPage;
        CQVDoc* first = doc;
        CQVDoc* second = frame->NewDocument();
        QVERIFY(second && second != first);
        first->GetMission().Header.SetTimeLimitMinutes(9);
        frame->RunCommand(kCmdWindowTile);
        QVERIFY(Activate());
        QCOMPARE(Bar().CurrentDocument(), second);
        Sheet().SetActivePage(CLevelPropertiesSheet::kLevelTab);
        Bar().RefreshAll();
        auto* minutes = ControlOf<CNumberSpin>(CLevelPropertiesSheet::kLevelTab, P::kMinutes);
        QVERIFY(minutes);
        Type(minutes, QStringLiteral("300"));

        // A click on the first mission's map.
        CQVView* view = nullptr;
        for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
            if (auto* v = w->findChild<CQVView*>(); v && v->Document() == first) view = v;
        QVERIFY(view);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(frame->ActiveDocument(), first);
        QCOMPARE(Bar().CurrentDocument(), first);
        QCOMPARE(minutes->Text(), QStringLiteral("9"));
        QCOMPARE(int(second->GetMission().Header.TimeLimitMinutes()), 0);
        QVERIFY(!second->IsModified());
        QCoreApplication::processEvents();
        QCOMPARE(
            f->prompter.Texts(),
            std::vector<std::string>{"Please enter an integer between 0 and 255 for Time (Min)."});
        QCOMPARE(Bar().CurrentDocument(), first);
    }

    void aSpacingTheShipPageCannotHoldIsRefusedAsItsBoxIsLeft() {
        QVERIFY(SelectThree());
        FgSheet().SetActivePage(kShipTab);
        QWidget* window = frame->LevelBar()->FlightGroupFrame();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* spacing = FgControl<CNumberEdit>(kShipTab, FgShipPage::kSpacing);
        QVERIFY(spacing);
        QCOMPARE(spacing->text(), QStringLiteral("0.05"));
        Type(spacing, QStringLiteral("-5000.5"));
        QCOMPARE(spacing->text(), QStringLiteral("-5000.5"));
        QTest::keyClick(spacing, Qt::Key_Tab);
        QCOMPARE(spacing->text(), QStringLiteral("0.05"));
        QCoreApplication::processEvents();
        QCOMPARE(
            f->prompter.Texts(),
            std::vector<std::string>{"Please enter a number between 0.00 and 2.55 for Spacing."});
        // Nothing is left to write: the tab is left as it was.
        FgSheet().SetActivePage(kEquipmentTab);
        QCOMPARE(FgSheet().currentIndex(), kEquipmentTab);
        for (int i = 0; i < 3; ++i) QCOMPARE(int(Rec(i).FormationSpacing()), 5);
        QVERIFY(!doc->IsModified());
    }

    void shiftClickSelectsExactlyTheRangeFromTheAnchor() {
        while (doc->Level().CountFlightGroups() < 5) frame->RunCommand(kCmdNewFlightGroup);
        Sheet().SetActivePage(CLevelPropertiesSheet::kFlightGroupTab);
        QListWidget* list = FgList();
        QVERIFY(list);
        const auto click = [list](int row, Qt::KeyboardModifiers keys) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                              list->visualItemRect(list->item(row)).center());
        };
        click(2, {});
        click(4, Qt::ShiftModifier);
        click(0, {});
        click(1, Qt::ShiftModifier);
        QCOMPARE(SelectedFgs(), std::vector<int>({0, 1}));
    }

    void everyLevelTabIsReadableWithoutScrolling() {
        for (int width : {Bar().width(), 240}) {
            Bar().resize(width, 500);
            QVERIFY2(Sheet().tabBar()->sizeHint().width() <= Sheet().width(),
                     qPrintable(QString::number(width)));
            for (int i = 0; i < Sheet().count(); ++i) {
                Sheet().SetActivePage(i);  // built as it is first shown
                QCOMPARE(Sheet().tabToolTip(i), Sheet().Page(i)->Title());
                QVERIFY(!Sheet().tabText(i).isEmpty() || !Sheet().tabIcon(i).isNull());
            }
        }
    }

    // In a narrow list a long name is cut short of the player's number: the
    // number reads as it does on a row with no name at all.
    void aLongNameStopsShortOfThePlayersNumber() {
        LevelDocument& level = doc->Level();
        while (level.CountFlightGroups() < 2) level.AddFlightGroup();
        for (int i = 0; i < 2; ++i) {
            Rec(i).SetCraftType(Rec(0).CraftType());
            Rec(i).SetPlayerNumber(12);
            Fg(i).Selected = 0;
        }
        Rec(0).SetName("WWWWWWWWWWWWWWWWWWWW");
        Rec(1).SetName("");
        Sheet().SetActivePage(CLevelPropertiesSheet::kFlightGroupTab);
        Bar().RefreshAll();
        QListWidget* list = FgList();
        QVERIFY(list && list->count() == 2);
        list->clearSelection();
        list->setCurrentItem(nullptr);
        list->resize(QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("W")) * 14,
                     list->height());
        const QImage shot = list->grab().toImage();
        const auto row = [&](int i) {
            return list->visualItemRect(list->item(i)).translated(list->viewport()->pos());
        };
        // Ink is any pixel not the row's commonest colour.
        const auto ink = [&](int i) {
            const QRect r = row(i);
            QHash<QRgb, int> seen;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) ++seen[shot.pixel(x, y)];
            const QRgb background =
                std::max_element(seen.keyValueBegin(), seen.keyValueEnd(), [](auto a, auto b) {
                    return a.second < b.second;
                })->first;
            QList<QBitArray> columns;
            for (int x = r.left(); x <= r.right(); ++x) {
                QBitArray column(r.height());
                for (int y = 0; y < r.height(); ++y)
                    column.setBit(y, shot.pixel(x, r.top() + y) != background);
                columns << column;
            }
            return columns;
        };
        const QList<QBitArray> named = ink(0), unnamed = ink(1);
        QCOMPARE(named.size(), unnamed.size());
        // The nameless row's ink at the right: the number, then the picture.
        int numberLeft = -1;
        for (int x = int(unnamed.size()) - 1, blank = 0; x >= 0; --x) {
            if (unnamed[x].count(true) > 0) {
                numberLeft = x;
                blank = 0;
            } else if (numberLeft >= 0 && ++blank >= 8) {
                break;
            }
        }
        QVERIFY(numberLeft > 12);
        // The long name, cut short, ends near the number (a letter and "..." away) ...
        bool near = false;
        for (int x = numberLeft - 30; x < numberLeft - 2; ++x)
            near = near || named[x].count(true) > 0;
        QVERIFY(near);
        // ... and from two pixels before the number on, the same ink.
        const int right = int(named.size()) - 1;
        for (int x = numberLeft - 2; x <= right; ++x)
            QVERIFY2(named[x] == unnamed[x],
                     qPrintable(QStringLiteral("column %1 of %2 (number from %3)")
                                    .arg(x)
                                    .arg(right)
                                    .arg(numberLeft)));
    }

    void selectedRowsAreReadableAndMessagesStart16PixelsIn() {
        Sheet().SetActivePage(CLevelPropertiesSheet::kFlightGroupTab);
        QListWidget* list = FgList();
        QVERIFY(list && list->item(0)->isSelected());
        // The selected row's text has the highlight's colour, not the dim team
        // colour. The commonest colour in a row is its background; the
        // leftmost other pixel is where the text starts.
        const auto colours = [](QListWidget* l, int row) {
            const QImage shot = l->grab().toImage();
            const QRect r = l->visualItemRect(l->item(row)).translated(l->viewport()->pos());
            QHash<QRgb, int> seen;
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                for (int x = r.left() + 1; x < r.right(); ++x) ++seen[shot.pixel(x, y)];
            const QRgb background =
                std::max_element(seen.keyValueBegin(), seen.keyValueEnd(), [](auto a, auto b) {
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

        // Choosing nothing in the list hides it; the commands follow.
        QListWidget* list = FgList();
        QVERIFY(list);
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
        // The click writes the typed name before it changes the selection,
        // whether or not the window system moves activation first.
        QTest::mouseClick(frame->ActiveView(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(doc->GetMission().FlightGroups[0]->File.Name(), std::string("Zed"));
        QCOMPARE(doc->Level().CountSelectedFlightGroups(), 0);
    }

    void propertyWindowsDoNotOpenOnTopOfEachOther() {
        frame->RunCommand(kCmdFlightGroupProperties);
        frame->RunCommand(kCmdNewMessage);
        QVERIFY(Bar().FlightGroupFrame() && Bar().MessageFrame());
        QVERIFY(Bar().FlightGroupFrame()->isVisible() && Bar().MessageFrame()->isVisible());
        QVERIFY(Bar().FlightGroupFrame()->pos() != Bar().MessageFrame()->pos());
        // The level bar raised after the windows: closing must still not crash.
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
        frame->RunCommand(kCmdNewMessage);
        CMessagePropertiesFrame* window = Bar().MessageFrame();
        QVERIFY(window && window->isVisible());
        CMessagePropertiesSheet& sheet = window->MessageSheet();
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdMessageProperties)->isEnabled() &&
                frame->Action(kCmdDeleteMessage)->isEnabled());
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

        frame->RunCommand(kCmdEditUndo);
        sheet.SetActivePage(general);
        QCOMPARE(text->text(), QString());
        QCOMPARE(colour->currentText(), QStringLiteral("Red"));

        // Wave plays through the program's sound, and stops once cleared.
        const int wave = CMessagePropertiesSheet::kWaveTab;
        sheet.SetActivePage(wave);
        message.WaveFile = "hello.wav";
        window->UpdateAllPages();
        auto* play = testing::ControlOf<QPushButton>(sheet, wave, MessageWavePage::kPlay);
        auto* clear = testing::ControlOf<QPushButton>(sheet, wave, MessageWavePage::kClear);
        QVERIFY(play && clear);
        // The file box takes no typing, and looks it: only Browse and Clear change it.
        auto* file = testing::ControlOf<QLineEdit>(sheet, wave, MessageWavePage::kWaveFile);
        QVERIFY(file && file->isReadOnly());
        QCOMPARE(file->palette().color(QPalette::Base), file->palette().color(QPalette::Window));
        QTest::keyClicks(file, QStringLiteral("x"));
        QCOMPARE(file->text(), QStringLiteral("hello.wav"));
        QVERIFY(!play->icon().isNull());
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(f->sound.played, std::vector<std::string>{"hello.wav"});
        QTest::mouseClick(clear, Qt::LeftButton);
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(f->sound.stops, 1);

        // Closing the window keeps what it holds.
        window->close();
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

    // The message and team windows show the current mission's own message
    // and team: with the tabs that choose them never built, and after
    // switching missions while those tabs are behind (no other mission's
    // choice, kept by position, may stand in for it).
    void thePropertyWindowsFollowEachMissionsOwnMessageAndTeam() {
        CQVDoc* first = doc;
        CQVDoc* second = frame->NewDocument();
        QVERIFY(second && second != first);
        for (auto [d, letter] : {std::pair{first, 'A'}, std::pair{second, 'B'}}) {
            for (char n : {'0', '1', '2'}) {
                d->Level().AddRadioMessage();
                d->GetMission().Messages.back()->File.SetText(std::string{letter, n});
            }
            d->GetMission().Teams[0].SetName(std::string{letter, 'x'});
            d->GetMission().Teams[3].SetName(std::string{letter, 'y'});
        }
        frame->RunCommand(kCmdWindowTile);
        QVERIFY(Activate());
        const auto clickMap = [this](CQVDoc* d) {
            for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
                if (auto* v = w->findChild<CQVView*>(); v && v->Document() == d)
                    QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(5, 5));
            return Bar().CurrentDocument() == d;
        };
        const auto clickTab = [this](int tab) {
            QTest::mouseClick(Sheet().tabBar(), Qt::LeftButton, {},
                              Sheet().tabBar()->tabRect(tab).center());
            return Sheet().currentIndex() == tab;
        };
        const auto row = [this](int tab, int id, int r) {
            auto* list = ControlOf<QListWidget>(tab, id);
            return list ? std::pair{list->viewport(), list->visualItemRect(list->item(r)).center()}
                        : std::pair{static_cast<QWidget*>(nullptr), QPoint()};
        };
        // The text or the team name the window shows.
        const auto message = [this] {
            CMessagePropertiesFrame* w = Bar().MessageFrame();
            auto* text =
                w ? testing::ControlOf<QLineEdit>(w->MessageSheet(), 0, MessageGeneralPage::kText)
                  : nullptr;
            return w && w->isVisible() && text ? text->text() : QStringLiteral("hidden");
        };
        const auto team = [this] {
            CTeamPropertiesFrame* w = Bar().TeamFrame();
            auto* name =
                w ? testing::ControlOf<QComboBox>(w->TeamSheet(), 0, TeamGeneralPage::kName)
                  : nullptr;
            return w && w->isVisible() && name ? name->currentText() : QStringLiteral("hidden");
        };

        // Neither tab was ever shown: the second mission starts on its first team.
        QVERIFY(clickMap(second));
        QVERIFY(!Sheet().Page(CLevelPropertiesSheet::kTeamsTab));
        QVERIFY(!Sheet().Page(CLevelPropertiesSheet::kMessagesTab));
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdTeamProperties)->isEnabled());
        QVERIFY(!frame->Action(kCmdMessageProperties)->isEnabled());
        frame->Action(kCmdTeamProperties)->trigger();
        QCOMPARE(team(), QStringLiteral("Bx"));

        // The first mission: its third message and fourth team chosen in the lists.
        QVERIFY(clickMap(first));
        QCOMPARE(team(), QStringLiteral("Ax"));
        QVERIFY(clickTab(CLevelPropertiesSheet::kMessagesTab));
        auto [messages, third] = row(CLevelPropertiesSheet::kMessagesTab, 1003, 2);
        QVERIFY(messages);
        QTest::mouseClick(messages, Qt::LeftButton, {}, third);
        QTest::mouseDClick(messages, Qt::LeftButton, {}, third);
        QCOMPARE(message(), QStringLiteral("A2"));
        QVERIFY(clickTab(CLevelPropertiesSheet::kTeamsTab));
        auto [teams, fourth] = row(CLevelPropertiesSheet::kTeamsTab, 1044, 3);
        QVERIFY(teams);
        QTest::mouseClick(teams, Qt::LeftButton, {}, fourth);
        QCOMPARE(team(), QStringLiteral("Ay"));

        // The second mission, with the Flight Group tab in front: it chose no
        // message, and its team is still its first.
        QVERIFY(clickTab(CLevelPropertiesSheet::kFlightGroupTab));
        QVERIFY(clickMap(second));
        QCOMPARE(message(), QStringLiteral("hidden"));
        QCOMPARE(team(), QStringLiteral("Bx"));
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdMessageProperties)->isEnabled());

        // Back on the first, the windows show its choices again; so does its
        // Messages list once shown.
        QVERIFY(clickMap(first));
        QCOMPARE(team(), QStringLiteral("Ay"));
        frame->Action(kCmdMessageProperties)->trigger();
        QCOMPARE(message(), QStringLiteral("A2"));
        QCOMPARE(Sheet().currentIndex(), int(CLevelPropertiesSheet::kMessagesTab));
        auto* list = ControlOf<QListWidget>(CLevelPropertiesSheet::kMessagesTab, 1003);
        QVERIFY(list && list->item(2)->isSelected());
        // A tab behind while the mission changed shows the new one when it comes forward.
        QVERIFY(clickTab(CLevelPropertiesSheet::kFlightGroupTab));
        QVERIFY(clickMap(second));
        QVERIFY(clickTab(CLevelPropertiesSheet::kMessagesTab));
        QCOMPARE(list->item(0)->text(), QStringLiteral("B0"));
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(message(), QStringLiteral("hidden"));
    }

    void theTeamWindowEditsPointsAndAGoalCondition() {
        frame->RunCommand(kCmdTeamProperties);
        QCOMPARE(Bar().Sheet().currentIndex(), int(CLevelPropertiesSheet::kTeamsTab));
        CTeamPropertiesFrame* window = Bar().TeamFrame();
        QVERIFY(window && window->isVisible());
        CTeamPropertiesSheet& sheet = window->TeamSheet();
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

        QVERIFY(ClickAndAnswer(condition, [](CEditDialog& d) {
            auto* no = testing::ControlOf<QPushButton>(d.Panel(), ConditionDialog::kFalse);
            QVERIFY(no);
            no->click();
        }));
        QCOMPARE(record.Set(1).GetTrigger(1).Condition, uint8_t(10));
        QCOMPARE(sentence->text(), QStringLiteral("False"));

        // Undo takes the dialog's edit back, and the set shown stays.
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(record.Set(1).GetTrigger(1).Condition, uint8_t(0));
        QCOMPARE(sentence->text(), QStringLiteral("True"));
        QCOMPARE(sets->currentIndex(), 1);

        // The Briefing tab edits nothing: it says where briefings are edited.
        sheet.SetActivePage(CTeamPropertiesSheet::kBriefingTab);
        auto* note = sheet.Page(CTeamPropertiesSheet::kBriefingTab)->findChild<QLabel*>();
        QVERIFY(note);
        QCOMPARE(note->text(), QString::fromLatin1(kBriefingNoteText));
        const auto labels = sheet.Page(CTeamPropertiesSheet::kBriefingTab)->findChildren<QLabel*>();
        QVERIFY(labels.size() >= 2);
        QVERIFY2(labels[1]->text().contains(QStringLiteral("Tools > Briefing")) &&
                     labels[1]->text().endsWith(QStringLiteral("shown no briefing.")),
                 qPrintable(labels[1]->text()));
    }

    void flightGroupsAndMessagesArePastedIntoAnotherMission() {
        // The new mission's flight group is selected: Copy takes it.
        Rec(0).SetName("Alpha");
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdEditCopy)->isEnabled());
        frame->RunCommand(kCmdEditCopy);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime && mime->hasFormat(QString::fromLatin1(kMissionItemsMimeType)));
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

    void checkMissionListsTheProblemsAndFollowsTheEdits() {
        QVERIFY(frame->ProblemsDock()->isHidden());
        QVERIFY(frame->Action(kCmdCheckMission)->isEnabled());
        MakeThree();
        frame->RunCommand(kCmdCheckMission);
        QVERIFY(!frame->ProblemsDock()->isHidden() && frame->Action(kCmdViewProblems)->isChecked());
        QCOMPARE(Lines().size(), 1);
        QVERIFY2(Lines()[0].startsWith(QStringLiteral("No problems found")),
                 qPrintable(Lines()[0]));

        QCOMPARE(frame->MessagePane()->text(), QStringLiteral("No problems found."));

        // A trigger naming no flight group shows after the next change,
        // unasked, and the count in the status bar follows it both ways.
        M().FlightGroups[0]->File.SetArrivalTrigger(1, {2, 1, 7, 0});
        frame->RunCommand(kCmdNewMessage);
        QVERIFY2(Lines().size() == 1 && Lines()[0].contains(QStringLiteral("flight group 7")),
                 qPrintable(Lines().join('\n')));
        QCOMPARE(Problems().Problems().at(0).Index, 0);
        QCOMPARE(frame->MessagePane()->text(), QStringLiteral("1 error, 0 warnings"));
        M().FlightGroups[0]->File.SetArrivalTrigger(1, {0, 0, 0, 0});
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(frame->MessagePane()->text(), QStringLiteral("No problems found."));
        M().FlightGroups[0]->File.SetArrivalTrigger(1, {2, 1, 7, 0});
        frame->RunCommand(kCmdEditRedo);
        QCOMPARE(frame->MessagePane()->text(), QStringLiteral("1 error, 0 warnings"));

        // Hidden, the window no longer follows, nor does a count stay; shown
        // again, it checks anew.
        frame->RunCommand(kCmdViewProblems);
        QVERIFY(frame->ProblemsDock()->isHidden());
        frame->RunCommand(kCmdNewMessage);
        QCOMPARE(frame->MessagePane()->text(), QString());
        M().FlightGroups[0]->File.SetArrivalTrigger(1, {0, 0, 0, 0});
        frame->RunCommand(kCmdViewProblems);
        QVERIFY2(Lines()[0].startsWith(QStringLiteral("No problems found")),
                 qPrintable(Lines()[0]));
    }

    void cuttingOrDeletingAFlightGroupOthersNameListsWhatNamesNoneAfterwards() {
        MakeThree();
        f->settings.SetInt("Settings", "ConfirmDelete", 1);
        doc->Level().ForgetHistory(false);
        QVERIFY(frame->ProblemsDock()->isHidden());
        for (auto& fg : M().FlightGroups) fg->Selected = false;
        Fg(1).Selected = true;
        QVERIFY(Activate());
        // Ctrl+X asks as Delete does, naming the third's arrival; No keeps all.
        f->prompter.answers = {PromptAnswer::No};
        QTest::keyClick(frame->ActiveView(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QVERIFY(f->prompter.Texts()[0].find("Arrival of New: ") != std::string::npos);
        QCOMPARE(M().CountFlightGroups(), 3);
        QVERIFY(!doc->IsModified());

        for (const int command : {kCmdEditCut, kCmdDeleteFlightGroup}) {
            Fg(1).Selected = true;
            if (command == kCmdEditCut)
                QTest::keyClick(frame->ActiveView(), Qt::Key_X, Qt::ControlModifier);
            else
                frame->RunCommand(command);
            QCOMPARE(M().CountFlightGroups(), 2);
            QCOMPARE(Rec(1).ArrivalTrigger(0).Variable, 255);
            // The third's arrival named the one gone: the Problems window shows it.
            QVERIFY(!frame->ProblemsDock()->isHidden());
            QCOMPARE(Problems().Document(), doc);
            QVERIFY2(Lines().size() == 1 && Lines()[0].contains(QStringLiteral(
                                                "arrival trigger 1 names no flight group")),
                     qPrintable(Lines().join('\n')));
            frame->RunCommand(kCmdEditUndo);
            QCOMPARE(M().CountFlightGroups(), 3);
            QCOMPARE(Rec(2).ArrivalTrigger(0).Variable, 1);
            QVERIFY(!doc->IsModified());
        }
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
        QCOMPARE(SelectedFgs(), std::vector<int>{0});
        QCOMPARE(bar->Sheet().ActivePage(),
                 bar->Sheet().Page(CLevelPropertiesSheet::kFlightGroupTab));
        QVERIFY(bar->FlightGroupFrame() && bar->FlightGroupFrame()->isVisible());
        QCOMPARE(bar->FlightGroupFrame()->Sheet().currentIndex(),
                 int(CFGPropertiesSheet::kDepartureTab));
        open(1);  // order 3's target
        QCOMPARE(bar->FlightGroupFrame()->Sheet().currentIndex(),
                 int(CFGPropertiesSheet::kOrdersTab));
        auto* orders = testing::ControlOf<QTabBar>(bar->FlightGroupFrame()->Sheet(),
                                                   CFGPropertiesSheet::kOrdersTab,
                                                   FlightGroupOrdersPage::kTabs);
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

    void eachTabWritesAllThreeWhenLeftAndOneUndoTakesItBack() {
        QVERIFY(SelectThree());
        // Ship: a number and a formation, drawn with its picture.
        FgSheet().SetActivePage(kShipTab);
        auto* number = FgControl<QAbstractSpinBox>(kShipTab, FgShipPage::kNumber);
        auto* formation = FgControl<QComboBox>(kShipTab, FgShipPage::kFormation);
        QVERIFY(number && formation);
        QVERIFY(!formation->itemIcon(20).isNull());
        QCOMPARE(formation->itemData(20, Qt::SizeHintRole).toSize().height(), 36);
        Type(number, QStringLiteral("6"));
        formation->setFocus();
        QTest::keyClick(formation, Qt::Key_Down);  // Vic -> Finger Four
        QVERIFY(!doc->IsModified());
        FgSheet().SetActivePage(kEquipmentTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(Rec(i).NumberOfCraft()), 6);
            QCOMPARE(int(Rec(i).Formation()), 1);
        }

        // Equipment: a cargo and a click on Chaff.
        auto* cargo = FgControl<QLineEdit>(kEquipmentTab, FgEquipmentPage::kCargo);
        auto* items = FgControl<QListWidget>(kEquipmentTab, FgEquipmentPage::kEquipment);
        QVERIFY(cargo && items);
        Type(cargo, QStringLiteral("Spice"));
        QListWidgetItem* chaff = items->item(14);
        QVERIFY(chaff);
        QCOMPARE(chaff->text(), QStringLiteral("Chaff"));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                          items->visualItemRect(chaff).center());
        QCOMPARE(chaff->checkState(), Qt::Checked);
        FgSheet().SetActivePage(kPositionsTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Rec(i).Cargo(), std::string("Spice"));
            QCOMPARE(int(Rec(i).PlayerCountermeasures(0)), 1);
        }

        // Positions: a start X, then a waypoint Y in the other view.
        using P = FgPositionsPage;
        auto* view = FgControl<QComboBox>(kPositionsTab, P::kView);
        auto* x = FgControl<QLineEdit>(kPositionsTab, P::XId(0));
        auto* y = FgControl<QLineEdit>(kPositionsTab, P::YId(0));
        auto* row7 = FgControl<QLineEdit>(kPositionsTab, P::XId(6));
        QVERIFY(view && x && y && row7);
        QVERIFY(row7->isHidden());
        Type(x, QStringLiteral("1.005"));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Down);  // Waypoints
        QVERIFY(!row7->isHidden());
        QCOMPARE(x->text(), QStringLiteral("0.00"));
        Type(y, QStringLiteral("-2"));
        FgSheet().SetActivePage(kOtherTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(Rec(i).WaypointX(0)), 161);
            QCOMPARE(int(Rec(i).WaypointY(4)), -320);
        }
        QCOMPARE(UndoText(), QStringLiteral("&Undo Positions Properties"));

        // One undo a tab; the tab shows what it brought back.
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(int(Rec(2).WaypointX(0)), 0);
        QCOMPARE(Rec(2).Cargo(), std::string("Spice"));
        FgSheet().SetActivePage(kPositionsTab);
        QCOMPARE(y->text(), QStringLiteral("0.00"));
    }

    void theHiddenCargoDialogOpensFromItsButtonWithoutLosingTheTabsEdits() {
        QVERIFY(SelectThree());
        // The cargo typed on the tab is applied first, not lost to the dialog's reload.
        FgSheet().SetActivePage(kEquipmentTab);
        auto* cargo = FgControl<QLineEdit>(kEquipmentTab, FgEquipmentPage::kCargo);
        auto* hidden = FgControl<QPushButton>(kEquipmentTab, FgEquipmentPage::kHiddenCargo);
        QVERIFY(cargo && hidden);
        Type(cargo, QStringLiteral("Arms"));
        QVERIFY(ClickAndAnswer(hidden, [](CEditDialog& d) {
            using D = HiddenCargoDialog;
            auto* enable = DialogControl<QCheckBox>(d, D::kEnable);
            auto* index = DialogControl<QAbstractSpinBox>(d, D::kShipIndex);
            auto* description = DialogControl<QLineEdit>(d, D::kDescription);
            QVERIFY(enable && index && description);
            QVERIFY(!enable->isChecked() && !description->isEnabled());
            QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
            QVERIFY(description->isEnabled() && index->isEnabled());
            // The index box is wide enough for "255".
            auto* edit = index->findChild<QLineEdit*>();
            QVERIFY(edit);
            QVERIFY(edit->width() >= edit->fontMetrics().horizontalAdvance(QStringLiteral("255")));
            Type(index, QStringLiteral("3"));
            Type(description, QStringLiteral("Plans"));
        }));
        QCOMPARE(cargo->text(), QStringLiteral("Arms"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Rec(i).Cargo(), std::string("Arms"));
            QCOMPARE(int(Rec(i).SpecialCargoCraft()), 2);
            QCOMPARE(Rec(i).SpecialCargo(), std::string("Plans"));
        }
        QCOMPARE(UndoText(), QStringLiteral("&Undo Hidden Cargo"));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Equipment Properties"));
    }

    void theConditionDialogWritesEverySelectedFlightGroupAsOneEdit() {
        QVERIFY(SelectThree());
        // The first arrival triggers differ in amount only.
        for (int i = 0; i < 3; ++i) Rec(i).SetArrivalTrigger(0, {1, 1, 0, uint8_t(i == 1 ? 2 : 0)});
        Rec(1).SetCraftType(1);
        Rec(1).SetNumberOfCraft(1);
        Rec(1).SetName("Red");
        doc->RefreshAll();
        FgSheet().SetActivePage(kArrivalTab);
        using C = ConditionDialog;
        auto* sentence1 = FgControl<QLabel>(kArrivalTab, ArrivalPage::kTrigger1);
        auto* sentence2 = FgControl<QLabel>(kArrivalTab, ArrivalPage::kTrigger1 + 1);
        auto* button = FgControl<QPushButton>(kArrivalTab, ArrivalPage::kButton1);
        QVERIFY(sentence1 && sentence2 && button);
        QCOMPARE(sentence1->text(), QString());  // the amounts differ
        QCOMPARE(sentence2->text(), QStringLiteral("True"));

        QString shown;
        QVERIFY(ClickAndAnswer<CConditionDlg>(button, [&](CConditionDlg& d) {
            auto* amount = DialogControl<QComboBox>(d, C::kAmount);
            auto* condition = DialogControl<QComboBox>(d, C::kCondition);
            auto* variable = DialogControl<QComboBox>(d, C::kVariable);
            if (!amount || !condition || !variable) return d.reject();
            if (amount->currentIndex() != -1 || condition->currentIndex() != 1) return d.reject();
            QTest::keyClick(condition, Qt::Key_Down);  // must be destroyed
            QTest::keyClick(variable, Qt::Key_Down);   // the second flight group
            shown = DialogControl<QLabel>(d, C::kSentence)->text();
        }));
        QCOMPARE(shown, QStringLiteral(
                            "[multiple percentages] flight group X-wing Red must be destroyed"));
        QCOMPARE(Rec(0).ArrivalTrigger(0), (Trigger{2, 1, 1, 0}));
        QCOMPARE(Rec(1).ArrivalTrigger(0), (Trigger{2, 1, 1, 2}));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Condition"));
    }

    void anUnappliedChangeOfThePageSurvivesTheDialog() {
        QVERIFY(SelectThree());
        // Typed, not applied, then the Mothership dialog cancelled: the seconds stay.
        FgSheet().SetActivePage(kArrivalTab);
        auto* seconds = FgControl<QWidget>(kArrivalTab, ArrivalPage::kSeconds);
        QVERIFY(seconds);
        seconds->setFocus();
        QTest::keyClicks(seconds, QStringLiteral("75"));
        bool listClosed = false;
        QVERIFY(ClickAndAnswer<CMothershipDlg>(
            FgControl<QPushButton>(kArrivalTab, ArrivalPage::kMothership), [&](CMothershipDlg& d) {
                // All by hyperspace: the lists are closed.
                listClosed =
                    !DialogControl<QWidget>(d, MothershipDialog::kPrimaryList)->isEnabled();
                d.reject();
            }));
        QVERIFY(listClosed);
        for (int i = 0; i < 3; ++i) QCOMPARE(Rec(i).ArrivalDelaySeconds(), 75);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Arrival Properties"));
    }

    void anOrderAndItsTargetAreEditsOfTheirOwn() {
        QVERIFY(SelectThree());
        FgSheet().SetActivePage(kOrdersTab);
        using P = FlightGroupOrdersPage;
        auto* tabs = FgControl<QTabBar>(kOrdersTab, P::kTabs);
        auto* command = FgControl<QComboBox>(kOrdersTab, P::kCommand);
        auto* throttle = FgControl<QComboBox>(kOrdersTab, P::kThrottle);
        auto* info = FgControl<QPushButton>(kOrdersTab, P::kInfo);
        auto* target = FgControl<QPushButton>(kOrdersTab, P::kTargetButtons[0]);
        auto* label = FgControl<QLabel>(kOrdersTab, P::kTargetLabels[0]);
        QVERIFY(tabs && command && throttle && info && target && label);
        QCOMPARE(label->text(), QStringLiteral("None"));
        QVERIFY(info->text().isEmpty());  // it shows the information picture
        QVERIFY(!info->icon().isNull());

        // Another tab: what the first showed is written first.
        Choose(throttle, 0);
        QTest::keyClick(throttle, Qt::Key_Up);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(Rec(1).Orders(0).Throttle(), 9);
        QCOMPARE(doc->Level().UndoName(), std::string("Orders Properties"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());

        Choose(command, 7);  // Attack Targets
        QTest::mouseClick(info, Qt::LeftButton);
        QCOMPARE(f->prompter.Texts(), std::vector<std::string>{OrderInfoText(7)});

        QVERIFY(ClickAndAnswer(target, [](CEditDialog& d) {
            auto* type = DialogControl<QComboBox>(d, OrderTargetDialog::kType);
            auto* value = DialogControl<QComboBox>(d, OrderTargetDialog::kValue);
            QVERIFY(type && value);
            Choose(type, 2);   // ship type
            Choose(value, 3);  // X-wings, Y-wings, A-wings, B-wings
        }));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Rec(i).Orders(0).Command(), 7);
            QCOMPARE(Rec(i).Orders(0).Target1(), 3);
        }
        QCOMPARE(label->text(), QStringLiteral("B-wings"));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Order Target"));

        // The dialog's edit, then the tab's (it applied before the dialog).
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(Rec(0).Orders(0).Target1Type(), 0);
        QCOMPARE(Rec(1).Orders(0).Command(), 7);
        QCOMPARE(label->text(), QStringLiteral("None"));
    }

    // What a box or list shows is not cut: the points a goal is worth, a time
    // typed past its range, a flight group named as an order's target.
    void longNumbersAndNamesShowWholeInTheGoalAndTargetDialogs() {
        QVERIFY(SelectThree());
        Rec(2).SetName("Commander Vanguard");
        // The room the style gives the text of a spin or combo box.
        const auto whole = [](QWidget* w, const QString& text, QStyle::ComplexControl kind,
                              QStyle::SubControl field) {
            QStyleOptionSpinBox spin;
            QStyleOptionComboBox combo;
            QStyleOptionComplex& o = kind == QStyle::CC_SpinBox
                                         ? static_cast<QStyleOptionComplex&>(spin)
                                         : static_cast<QStyleOptionComplex&>(combo);
            o.initFrom(w);
            const QRect r = w->style()->subControlRect(kind, &o, field, w);
            return r.width() >= w->fontMetrics().horizontalAdvance(text);
        };
        FgSheet().SetActivePage(kGoalsTab);
        auto* goal = FgControl<QPushButton>(kGoalsTab, FlightGroupGoalsPage::kButtons[0]);
        QVERIFY(goal);
        QVERIFY(ClickAndAnswer(goal, [&](CEditDialog& d) {
            using D = FlightGroupGoalDialog;
            auto* points = DialogControl<QAbstractSpinBox>(d, D::kPoints);
            auto* sum = DialogControl<QLabel>(d, D::kPointsLabel);
            auto* time = DialogControl<QAbstractSpinBox>(d, D::kTimeLimit);
            QVERIFY(points && sum && time);
            Type(points, QStringLiteral("-128"));
            QCOMPARE(sum->text(), QStringLiteral("x 250 = -32000 pts"));
            QVERIFY(!sum->wordWrap() &&
                    sum->width() >= sum->fontMetrics().horizontalAdvance(sum->text()));
            Type(time, QStringLiteral("70000"));
            QVERIFY(whole(time, QStringLiteral("70000"), QStyle::CC_SpinBox,
                          QStyle::SC_SpinBoxEditField));
            d.reject();
        }));
        FgSheet().SetActivePage(kOrdersTab);
        auto* target = FgControl<QPushButton>(kOrdersTab, FlightGroupOrdersPage::kTargetButtons[0]);
        QVERIFY(ClickAndAnswer(target, [&](CEditDialog& d) {
            auto* type = DialogControl<QComboBox>(d, OrderTargetDialog::kType);
            auto* value = DialogControl<QComboBox>(d, OrderTargetDialog::kValue);
            QVERIFY(type && value);
            Choose(type, 1);  // flight group
            Choose(value, 2);
            QVERIFY(value->currentText().endsWith(QStringLiteral("Commander Vanguard")));
            QVERIFY(whole(value, value->currentText(), QStyle::CC_ComboBox,
                          QStyle::SC_ComboBoxEditField));
            d.reject();
        }));
    }

    void positionColumnsKeepTheirPlaceWhenTheViewChanges() {
        QVERIFY(SelectThree());
        FgSheet().SetActivePage(kPositionsTab);
        auto* view = FgControl<QComboBox>(kPositionsTab, FgPositionsPage::kView);
        auto* x = FgControl<QWidget>(kPositionsTab, FgPositionsPage::XId(0));
        auto* enable = FgControl<QWidget>(kPositionsTab, FgPositionsPage::EnableId(0));
        QVERIFY(view && x && enable);
        const auto settle = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        };
        settle();
        const QPoint columns(x->x(), enable->x());
        view->setFocus();
        for (int shown = 1; shown <= 2; ++shown) {
            QTest::keyClick(view, Qt::Key_Down);  // Waypoints, Briefing
            QCOMPARE(view->currentIndex(), shown);
            settle();
            QCOMPARE(QPoint(x->x(), enable->x()), columns);
        }
    }

    void editKeysInABoxDoWhatTheEditMenuSays() {
        QVERIFY(SelectThree());
        FgSheet().SetActivePage(kShipTab);
        auto* name = FgControl<QComboBox>(kShipTab, FgShipPage::kName);
        QVERIFY(name && name->lineEdit());
        QWidget* window = frame->LevelBar()->FlightGroupFrame();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const std::string before = Rec(0).Name();
        Type(name->lineEdit(), QStringLiteral("Zed"));
        // Not applied yet: the menu names the page Undo will take back.
        QCOMPARE(UndoText(), QStringLiteral("&Undo Ship Properties"));
        QTest::keyClick(name->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Rec(0).Name(), before);
        QVERIFY(name->currentText().isEmpty());  // the three names differ again
        QVERIFY(!doc->IsModified());
        QTest::keyClick(name->lineEdit(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Rec(0).Name(), std::string("Zed"));
        QTest::keyClick(name->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(name->lineEdit(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Rec(0).Name(), std::string("Zed"));
        QCOMPARE(name->currentText(), QStringLiteral("Zed"));
    }
};

QTEST_MAIN(PropertyWindowsTest)
#include "PropertyWindowsTest.moc"
