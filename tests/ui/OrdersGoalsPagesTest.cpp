// The Orders tab in real widgets: an order and its target set on two flight
// groups through the tab and the Target dialog, each an edit Undo takes back.
#include <QComboBox>
#include <QLabel>
#include <QTabBar>

#include "EditorFixture.h"
#include "UiControls.h"
#include "catalogue/Orders.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/OrderTargetDialog.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"

using namespace vantorel;
using namespace vantorel::testing;

class OrdersGoalsPagesTest : public QObject, EditorFixture {
    Q_OBJECT

private slots:
    void init() { Start(); }
    void cleanup() { Stop(); }

    void anOrderWithATargetOnTwoFlightGroupsIsUndone() {
        frame->RunCommand(kCmdNewFlightGroup);
        auto& fgs = doc->Level().GetMission().FlightGroups;
        QCOMPARE(fgs.size(), size_t(2));
        for (auto& fg : fgs) fg->Selected = 1;
        doc->Level().NotifySelectionChanged();
        frame->RunCommand(kCmdFlightGroupProperties);
        CFGPropertiesFrame* window = frame->LevelBar()->FlightGroupFrame();
        QVERIFY(window);
        window->Sheet().SetActivePage(4);
        CEditPage* page = window->Sheet().Page(4);
        QVERIFY(page);
        using P = FlightGroupOrdersPage;
        auto* tabs = ControlOf<QTabBar>(page->Panel(), P::kTabs);
        auto* command = ControlOf<QComboBox>(page->Panel(), P::kCommand);
        auto* throttle = ControlOf<QComboBox>(page->Panel(), P::kThrottle);
        auto* info = ControlOf<QPushButton>(page->Panel(), P::kInfo);
        auto* target = ControlOf<QPushButton>(page->Panel(), P::kTargetButtons[0]);
        auto* label = ControlOf<QLabel>(page->Panel(), P::kTargetLabels[0]);
        QVERIFY(tabs && command && throttle && info && target && label);
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(label->text(), QStringLiteral("None"));
        QVERIFY(info->text().isEmpty());  // it shows the information picture
        QVERIFY(!info->icon().isNull());

        // Another tab: what the first showed is written first.
        Choose(throttle, 0);
        QTest::keyClick(throttle, Qt::Key_Up);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QCOMPARE(fgs[1]->File.Orders(0).Throttle(), 9);
        QCOMPARE(doc->Level().UndoName(), std::string("Orders Properties"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());

        Choose(command, 7);
        QCOMPARE(command->currentText(), QStringLiteral("Attack Targets"));
        QTest::mouseClick(info, Qt::LeftButton);
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QCOMPARE(f->prompter.shown[0].caption, std::string("Attack Targets"));
        QCOMPARE(f->prompter.shown[0].text, OrderInfoText(7));

        QVERIFY(ClickAndAnswer(target, [](CEditDialog& d) {
            auto* type = ControlOf<QComboBox>(d.Panel(), OrderTargetDialog::kType);
            auto* value = ControlOf<QComboBox>(d.Panel(), OrderTargetDialog::kValue);
            QVERIFY(type && value);
            Choose(type, 2);   // ship type
            Choose(value, 3);  // X-wings, Y-wings, A-wings, B-wings
        }));
        for (auto& fg : fgs) {
            QCOMPARE(fg->File.Orders(0).Command(), 7);
            QCOMPARE(fg->File.Orders(0).Target1Type(), 2);
            QCOMPARE(fg->File.Orders(0).Target1(), 3);
        }
        QCOMPARE(label->text(), QStringLiteral("B-wings"));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Order Target"));

        // The dialog's edit, then the tab's (it applied before the dialog).
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(fgs[0]->File.Orders(0).Target1Type(), 0);
        QCOMPARE(fgs[1]->File.Orders(0).Command(), 7);
        QCOMPARE(label->text(), QStringLiteral("None"));
        frame->RunCommand(kCmdEditUndo);
        for (auto& fg : fgs) QCOMPARE(fg->File.Orders(0).Command(), 0);
        QCOMPARE(command->currentText(), QStringLiteral("Hold Station"));
    }
};

QTEST_MAIN(OrdersGoalsPagesTest)
#include "OrdersGoalsPagesTest.moc"
