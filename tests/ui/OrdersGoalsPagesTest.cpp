// The Orders tab in real widgets: an order and its target set on two flight
// groups through the tab and the Target dialog, each an edit Undo takes back.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include "EditorFixture.h"
#include "UiFakes.h"
#include "app/CMainFrame.h"
#include "app/RecentFiles.h"
#include "catalogue/Orders.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/OrderTargetDialog.h"
#include "properties/ui/CEditDialog.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

using namespace vantorel;
using namespace vantorel::testing;

class OrdersGoalsPagesTest : public QObject, EditorFixture {
    Q_OBJECT

    static void Choose(QComboBox* combo, int steps) {
        combo->setFocus();
        for (int i = 0; i < steps; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }

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
        auto* tabs = qobject_cast<QTabBar*>(page->Panel().Control(P::kTabs)->Widget());
        auto* command = qobject_cast<QComboBox*>(page->Panel().Control(P::kCommand)->Widget());
        auto* throttle = qobject_cast<QComboBox*>(page->Panel().Control(P::kThrottle)->Widget());
        auto* info = qobject_cast<QPushButton*>(page->Panel().Control(P::kInfo)->Widget());
        auto* target =
            qobject_cast<QPushButton*>(page->Panel().Control(P::kTargetButtons[0])->Widget());
        auto* label = qobject_cast<QLabel*>(page->Panel().Control(P::kTargetLabels[0])->Widget());
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

        // The Target dialog, answered once its own event loop runs.
        bool answered = false;
        QMetaObject::invokeMethod(
            this,
            [&] {
                auto* dialog = qobject_cast<CEditDialog*>(QApplication::activeModalWidget());
                if (!dialog) return;
                answered = true;
                auto* type = qobject_cast<QComboBox*>(
                    dialog->Panel().Control(OrderTargetDialog::kType)->Widget());
                auto* value = qobject_cast<QComboBox*>(
                    dialog->Panel().Control(OrderTargetDialog::kValue)->Widget());
                if (type && value) {
                    Choose(type, 2);   // ship type
                    Choose(value, 3);  // X-wings, Y-wings, A-wings, B-wings
                }
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            },
            Qt::QueuedConnection);
        QTest::mouseClick(target, Qt::LeftButton);
        QVERIFY(answered);
        for (auto& fg : fgs) {
            QCOMPARE(fg->File.Orders(0).Command(), 7);
            QCOMPARE(fg->File.Orders(0).Target1Type(), 2);
            QCOMPARE(fg->File.Orders(0).Target1(), 3);
        }
        QCOMPARE(label->text(), QStringLiteral("B-wings"));
        frame->UpdateCommandUI();
        QCOMPARE(frame->Action(kCmdEditUndo)->text(), QStringLiteral("&Undo Order Target"));

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
