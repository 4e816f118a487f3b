// The Ship, Equipment and Positions tabs in a real flight group window over
// three selected flight groups: typing in each, leaving the tab, the records,
// and Undo; a dialog through its button.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

#include "EditorFixture.h"
#include "UiControls.h"
#include "properties/logic/FgEquipmentPage.h"
#include "properties/logic/FgPositionsPage.h"
#include "properties/logic/FgShipPage.h"
#include "properties/logic/HiddenCargoDialog.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {
constexpr int kShipTab = 0, kEquipmentTab = 1, kPositionsTab = 6, kOtherTab = 7;
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
        QVERIFY(frame->LevelBar()->FlightGroupFrame());
        QVERIFY(frame->LevelBar()->FlightGroupFrame()->isVisible());
    }
    void cleanup() { Stop(); }

    void eachTabWritesAllThreeWhenLeftAndOneUndoTakesItBack() {
        // Ship: a number and a formation, drawn with its picture.
        Sheet().SetActivePage(kShipTab);
        auto* number = ControlOf<QAbstractSpinBox>(kShipTab, FgShipPage::kNumber);
        auto* formation = ControlOf<QComboBox>(kShipTab, FgShipPage::kFormation);
        QVERIFY(number && formation);
        QCOMPARE(formation->count(), 21);
        for (int i = 0; i < formation->count(); ++i) {
            QVERIFY(!formation->itemIcon(i).isNull());
            QCOMPARE(formation->itemData(i, Qt::SizeHintRole).toSize().height(), 36);
        }
        Type(number, QStringLiteral("6"));
        formation->setFocus();
        QTest::keyClick(formation, Qt::Key_Down);  // Vic -> Finger Four
        QVERIFY(!doc->IsModified());
        Sheet().SetActivePage(kEquipmentTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(Rec(i).NumberOfCraft()), 6);
            QCOMPARE(int(Rec(i).Formation()), 1);
            QCOMPARE(int(Rec(i).CraftType()), 1 + i);
        }
        QCOMPARE(UndoText(), QStringLiteral("&Undo Ship Properties"));

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
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentText(), QStringLiteral("Waypoints"));
        QVERIFY(!row7->isHidden());
        QCOMPARE(x->text(), QStringLiteral("0.00"));
        Type(y, QStringLiteral("-2"));
        Sheet().SetActivePage(kOtherTab);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(Rec(i).WaypointX(0)), 161);
            QCOMPARE(int(Rec(i).WaypointY(4)), -320);
        }
        QCOMPARE(UndoText(), QStringLiteral("&Undo Positions Properties"));

        // One undo a tab, newest first.
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(int(Rec(2).WaypointX(0)), 0);
        QCOMPARE(int(Rec(2).WaypointY(4)), 0);
        QCOMPARE(Rec(2).Cargo(), std::string("Spice"));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(Rec(2).Cargo(), std::string());
        QCOMPARE(int(Rec(2).NumberOfCraft()), 6);
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(int(Rec(2).NumberOfCraft()), 4);
        QVERIFY(!doc->IsModified());
    }

    void theHiddenCargoDialogOpensFromItsButtonWithoutLosingTheTabsEdits() {
        // Hidden Cargo: the cargo typed on the tab is applied first, not
        // thrown away by the dialog's reload.
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
            QVERIFY(!enable->isChecked());
            QVERIFY(!description->isEnabled());
            QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
            QVERIFY(enable->isChecked());
            QVERIFY(description->isEnabled() && index->isEnabled());
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
        QCOMPARE(int(Rec(0).SpecialCargoCraft()), 4);
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!doc->IsModified());

        // Ticking Enable and pressing OK puts the cargo on the first craft;
        // the index box is wide enough for "255".
        QVERIFY(ClickAndAnswer(hidden, [](CEditDialog& d) {
            using D = HiddenCargoDialog;
            auto* enable = ControlOf<QCheckBox>(d, D::kEnable);
            auto* index = ControlOf<QAbstractSpinBox>(d, D::kShipIndex);
            QVERIFY(enable && index);
            QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(4, enable->height() / 2));
            QCOMPARE(index->text(), QStringLiteral("1"));
            auto* edit = index->findChild<QLineEdit*>();
            QVERIFY(edit);
            QVERIFY(edit->width() >= edit->fontMetrics().horizontalAdvance(QStringLiteral("255")));
        }));
        for (int i = 0; i < 3; ++i) QCOMPARE(int(Rec(i).SpecialCargoCraft()), 0);
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
