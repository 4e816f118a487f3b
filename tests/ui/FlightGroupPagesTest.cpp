// The tabs of a real flight group window over three selected flight groups:
// typing in each, leaving the tab, the records, and Undo; the dialogs
// through their buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>

#include "EditorFixture.h"
#include "UiControls.h"
#include "catalogue/Orders.h"
#include "properties/logic/ArrivalPage.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/FgEquipmentPage.h"
#include "properties/logic/FgPositionsPage.h"
#include "properties/logic/FgShipPage.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/HiddenCargoDialog.h"
#include "properties/logic/MothershipDialog.h"
#include "properties/logic/OrderTargetDialog.h"
#include "properties/ui/CConditionDlg.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CMothershipDlg.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {
constexpr int kShipTab = 0, kEquipmentTab = 1, kArrivalTab = 2, kOrdersTab = 4, kPositionsTab = 6,
              kOtherTab = 7;
}

class FlightGroupPagesTest : public QObject, EditorFixture {
    Q_OBJECT

    CFGPropertiesSheet& Sheet() { return frame->LevelBar()->FlightGroupFrame()->Sheet(); }
    template <class W>
    W* ControlOf(int tab, int id) {
        return testing::ControlOf<W>(Sheet(), tab, id);
    }
    template <class W>
    static W* ControlOf(CEditDialog& dialog, int id) {
        return testing::ControlOf<W>(dialog.Panel(), id);
    }

private slots:
    void init() {
        Start();
        QVERIFY(doc);
        LevelDocument& level = doc->Level();
        while (level.CountFlightGroups() < 3) QVERIFY(level.AddFlightGroup());
        for (int i = 0; i < 3; ++i) {
            Rec(i).SetCraftType(uint8_t(1 + i));
            Rec(i).SetNumberOfCraft(4);
            Rec(i).SetSpecialCargoCraft(4);
            doc->GetMission().FlightGroups[size_t(i)]->Selected = 1;
        }
        level.ForgetHistory(false);
        level.NotifySelectionChanged();
        frame->RunCommand(kCmdFlightGroupProperties);
        QVERIFY(frame->LevelBar()->FlightGroupFrame() &&
                frame->LevelBar()->FlightGroupFrame()->isVisible());
    }
    void cleanup() { Stop(); }

    void eachTabWritesAllThreeWhenLeftAndOneUndoTakesItBack() {
        // Ship: a number and a formation, drawn with its picture.
        Sheet().SetActivePage(kShipTab);
        auto* number = ControlOf<QAbstractSpinBox>(kShipTab, FgShipPage::kNumber);
        auto* formation = ControlOf<QComboBox>(kShipTab, FgShipPage::kFormation);
        QVERIFY(number && formation);
        QVERIFY(!formation->itemIcon(20).isNull());
        QCOMPARE(formation->itemData(20, Qt::SizeHintRole).toSize().height(), 36);
        Type(number, QStringLiteral("6"));
        formation->setFocus();
        QTest::keyClick(formation, Qt::Key_Down);  // Vic -> Finger Four
        QVERIFY(!doc->IsModified());
        Sheet().SetActivePage(kEquipmentTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(Rec(i).NumberOfCraft()), 6);
            QCOMPARE(int(Rec(i).Formation()), 1);
        }

        // Equipment: a cargo and a click on Chaff.
        auto* cargo = ControlOf<QLineEdit>(kEquipmentTab, FgEquipmentPage::kCargo);
        auto* items = ControlOf<QListWidget>(kEquipmentTab, FgEquipmentPage::kEquipment);
        QVERIFY(cargo && items);
        Type(cargo, QStringLiteral("Spice"));
        QListWidgetItem* chaff = items->item(14);
        QVERIFY(chaff);
        QCOMPARE(chaff->text(), QStringLiteral("Chaff"));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                          items->visualItemRect(chaff).center());
        QCOMPARE(chaff->checkState(), Qt::Checked);
        Sheet().SetActivePage(kPositionsTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Rec(i).Cargo(), std::string("Spice"));
            QCOMPARE(int(Rec(i).PlayerCountermeasures(0)), 1);
        }

        // Positions: a start X, then a waypoint Y in the other view.
        using P = FgPositionsPage;
        auto* view = ControlOf<QComboBox>(kPositionsTab, P::kView);
        auto* x = ControlOf<QLineEdit>(kPositionsTab, P::XId(0));
        auto* y = ControlOf<QLineEdit>(kPositionsTab, P::YId(0));
        auto* row7 = ControlOf<QLineEdit>(kPositionsTab, P::XId(6));
        QVERIFY(view && x && y && row7);
        QVERIFY(row7->isHidden());
        Type(x, QStringLiteral("1.005"));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Down);  // Waypoints
        QVERIFY(!row7->isHidden());
        QCOMPARE(x->text(), QStringLiteral("0.00"));
        Type(y, QStringLiteral("-2"));
        Sheet().SetActivePage(kOtherTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(Rec(i).WaypointX(0)), 161);
            QCOMPARE(int(Rec(i).WaypointY(4)), -320);
        }
        QCOMPARE(UndoText(), QStringLiteral("&Undo Positions Properties"));

        // One undo a tab; the tab shows what it brought back.
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(int(Rec(2).WaypointX(0)), 0);
        QCOMPARE(Rec(2).Cargo(), std::string("Spice"));
        Sheet().SetActivePage(kPositionsTab);
        QCOMPARE(y->text(), QStringLiteral("0.00"));
    }

    void theHiddenCargoDialogOpensFromItsButtonWithoutLosingTheTabsEdits() {
        // The cargo typed on the tab is applied first, not lost to the dialog's reload.
        Sheet().SetActivePage(kEquipmentTab);
        auto* cargo = ControlOf<QLineEdit>(kEquipmentTab, FgEquipmentPage::kCargo);
        auto* hidden = ControlOf<QPushButton>(kEquipmentTab, FgEquipmentPage::kHiddenCargo);
        QVERIFY(cargo && hidden);
        Type(cargo, QStringLiteral("Arms"));
        QVERIFY(ClickAndAnswer(hidden, [](CEditDialog& d) {
            using D = HiddenCargoDialog;
            auto* enable = ControlOf<QCheckBox>(d, D::kEnable);
            auto* index = ControlOf<QAbstractSpinBox>(d, D::kShipIndex);
            auto* description = ControlOf<QLineEdit>(d, D::kDescription);
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
        // The first arrival triggers differ in amount only.
        for (int i = 0; i < 3; ++i) Rec(i).SetArrivalTrigger(0, {1, 1, 0, uint8_t(i == 1 ? 2 : 0)});
        Rec(1).SetCraftType(1);
        Rec(1).SetNumberOfCraft(1);
        Rec(1).SetName("Red");
        doc->RefreshAll();
        Sheet().SetActivePage(kArrivalTab);
        using C = ConditionDialog;
        auto* sentence1 = ControlOf<QLabel>(kArrivalTab, ArrivalPage::kTrigger1);
        auto* sentence2 = ControlOf<QLabel>(kArrivalTab, ArrivalPage::kTrigger1 + 1);
        auto* button = ControlOf<QPushButton>(kArrivalTab, ArrivalPage::kButton1);
        QVERIFY(sentence1 && sentence2 && button);
        QCOMPARE(sentence1->text(), QString());  // the amounts differ
        QCOMPARE(sentence2->text(), QStringLiteral("True"));

        QString shown;
        QVERIFY(ClickAndAnswer<CConditionDlg>(button, [&](CConditionDlg& d) {
            auto* amount = ControlOf<QComboBox>(d, C::kAmount);
            auto* condition = ControlOf<QComboBox>(d, C::kCondition);
            auto* variable = ControlOf<QComboBox>(d, C::kVariable);
            if (!amount || !condition || !variable) return d.reject();
            if (amount->currentIndex() != -1 || condition->currentIndex() != 1) return d.reject();
            QTest::keyClick(condition, Qt::Key_Down);  // must be destroyed
            QTest::keyClick(variable, Qt::Key_Down);   // the second flight group
            shown = ControlOf<QLabel>(d, C::kSentence)->text();
        }));
        QCOMPARE(shown, QStringLiteral(
                            "[multiple percentages] flight group X-wing Red must be destroyed"));
        QCOMPARE(Rec(0).ArrivalTrigger(0), (Trigger{2, 1, 1, 0}));
        QCOMPARE(Rec(1).ArrivalTrigger(0), (Trigger{2, 1, 1, 2}));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Condition"));
    }

    void anUnappliedChangeOfThePageSurvivesTheDialog() {
        // Typed, not applied, then the Mothership dialog cancelled: the seconds stay.
        Sheet().SetActivePage(kArrivalTab);
        auto* seconds = ControlOf<QWidget>(kArrivalTab, ArrivalPage::kSeconds);
        QVERIFY(seconds);
        seconds->setFocus();
        QTest::keyClicks(seconds, QStringLiteral("75"));
        bool listClosed = false;
        QVERIFY(ClickAndAnswer<CMothershipDlg>(
            ControlOf<QPushButton>(kArrivalTab, ArrivalPage::kMothership), [&](CMothershipDlg& d) {
                // All by hyperspace: the lists are closed.
                listClosed = !ControlOf<QWidget>(d, MothershipDialog::kPrimaryList)->isEnabled();
                d.reject();
            }));
        QVERIFY(listClosed);
        for (int i = 0; i < 3; ++i) QCOMPARE(Rec(i).ArrivalDelaySeconds(), 75);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Arrival Properties"));
    }

    void anOrderAndItsTargetAreEditsOfTheirOwn() {
        Sheet().SetActivePage(kOrdersTab);
        using P = FlightGroupOrdersPage;
        auto* tabs = ControlOf<QTabBar>(kOrdersTab, P::kTabs);
        auto* command = ControlOf<QComboBox>(kOrdersTab, P::kCommand);
        auto* throttle = ControlOf<QComboBox>(kOrdersTab, P::kThrottle);
        auto* info = ControlOf<QPushButton>(kOrdersTab, P::kInfo);
        auto* target = ControlOf<QPushButton>(kOrdersTab, P::kTargetButtons[0]);
        auto* label = ControlOf<QLabel>(kOrdersTab, P::kTargetLabels[0]);
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
            auto* type = ControlOf<QComboBox>(d, OrderTargetDialog::kType);
            auto* value = ControlOf<QComboBox>(d, OrderTargetDialog::kValue);
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

    void positionColumnsKeepTheirPlaceWhenTheViewChanges() {
        Sheet().SetActivePage(kPositionsTab);
        auto* view = ControlOf<QComboBox>(kPositionsTab, FgPositionsPage::kView);
        auto* x = ControlOf<QWidget>(kPositionsTab, FgPositionsPage::XId(0));
        auto* enable = ControlOf<QWidget>(kPositionsTab, FgPositionsPage::EnableId(0));
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
        Sheet().SetActivePage(kShipTab);
        auto* name = ControlOf<QComboBox>(kShipTab, FgShipPage::kName);
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

QTEST_MAIN(FlightGroupPagesTest)
#include "FlightGroupPagesTest.moc"
