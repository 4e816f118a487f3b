// The Arrival tab in real widgets: its "..." button opens the Condition
// dialog for every selected flight group, OK writes them all as one edit,
// and one Undo takes it back.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "EditorFixture.h"
#include "UiControls.h"
#include "properties/logic/ArrivalPage.h"
#include "properties/logic/ConditionDialog.h"
#include "properties/logic/MothershipDialog.h"
#include "properties/ui/CConditionDlg.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CMothershipDlg.h"

using namespace vantorel;
using namespace vantorel::testing;

class ArrivalPageTest : public QObject, EditorFixture {
    Q_OBJECT
    CEditPage* page = nullptr;

    template <class W>
    static W* WidgetOf(CControlPanel& panel, int id) {
        return ControlOf<W>(panel, id);
    }

private slots:
    void init() {
        Start();
        frame->RunCommand(kCmdNewFlightGroup);
        QCOMPARE(doc->GetMission().CountFlightGroups(), 2);
        // Two flight groups whose first arrival triggers differ in amount.
        Rec(0).SetArrivalTrigger(0, {1, 1, 0, 0});
        Rec(1).SetArrivalTrigger(0, {1, 1, 0, 2});
        Rec(1).SetCraftType(1);
        Rec(1).SetName("Red");
        doc->Level().ForgetHistory(false);
        auto* list = ControlOf<QListWidget>(frame->LevelBar()->Sheet(),
                                            CLevelPropertiesSheet::kFlightGroupTab, 1002);
        QVERIFY(list);
        list->selectAll();
        QCOMPARE(doc->Level().GetMission().CountSelectedFlightGroups(), 2);
        frame->RunCommand(kCmdFlightGroupProperties);
        CFGPropertiesFrame* fg = frame->LevelBar()->FlightGroupFrame();
        QVERIFY(fg && fg->isVisible());
        fg->Sheet().SetActivePage(2);
        page = fg->Sheet().Page(2);
        QVERIFY(page);
        QCOMPARE(page->Title(), QStringLiteral("Arrival"));
    }
    void cleanup() { Stop(); }

    void theConditionDialogWritesEverySelectedFlightGroupAsOneEdit() {
        using C = ConditionDialog;
        auto* sentence1 = WidgetOf<QLabel>(page->Panel(), ArrivalPage::kTrigger1);
        auto* sentence2 = WidgetOf<QLabel>(page->Panel(), ArrivalPage::kTrigger1 + 1);
        QVERIFY(sentence1 && sentence2);
        QCOMPARE(sentence1->text(), QString());  // the amounts differ
        QCOMPARE(sentence2->text(), QStringLiteral("True"));

        QString shown;
        const bool answered = ClickAndAnswer<CConditionDlg>(
            WidgetOf<QPushButton>(page->Panel(), ArrivalPage::kButton1), [&](CConditionDlg& d) {
                auto* amount = WidgetOf<QComboBox>(d.Panel(), C::kAmount);
                auto* condition = WidgetOf<QComboBox>(d.Panel(), C::kCondition);
                auto* variable = WidgetOf<QComboBox>(d.Panel(), C::kVariable);
                if (!amount || !condition || !variable) return d.reject();
                if (amount->currentIndex() != -1 || condition->currentIndex() != 1)
                    return d.reject();
                QTest::keyClick(condition, Qt::Key_Down);  // must be destroyed
                QTest::keyClick(variable, Qt::Key_Down);   // the second flight group
                shown = WidgetOf<QLabel>(d.Panel(), C::kSentence)->text();
            });
        QVERIFY(answered);
        QCOMPARE(shown, QStringLiteral(
                            "[multiple percentages] flight group X-wing Red must be destroyed"));
        QCOMPARE(Rec(0).ArrivalTrigger(0), (Trigger{2, 1, 1, 0}));
        QCOMPARE(Rec(1).ArrivalTrigger(0), (Trigger{2, 1, 1, 2}));
        QCOMPARE(sentence1->text(), QString());
        QCOMPARE(UndoText(), QStringLiteral("&Undo Condition"));

        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!doc->IsModified());
        QCOMPARE(Rec(0).ArrivalTrigger(0), (Trigger{1, 1, 0, 0}));
        QCOMPARE(Rec(1).ArrivalTrigger(0), (Trigger{1, 1, 0, 2}));
    }

    void anUnappliedChangeOfThePageSurvivesTheDialog() {
        // Typed but not applied, then the Mothership dialog is opened and
        // cancelled: the seconds still reach the records.
        auto* seconds = page->Panel().Control(ArrivalPage::kSeconds)->Widget();
        seconds->setFocus();
        QTest::keyClicks(seconds, QStringLiteral("75"));
        bool listClosed = false;
        const bool answered = ClickAndAnswer<CMothershipDlg>(
            WidgetOf<QPushButton>(page->Panel(), ArrivalPage::kMothership), [&](CMothershipDlg& d) {
                // Both by hyperspace: the lists are closed.
                listClosed =
                    !d.Panel().Control(MothershipDialog::kPrimaryList)->Widget()->isEnabled();
                d.reject();
            });
        QVERIFY(answered);
        QVERIFY(listClosed);
        QCOMPARE(Rec(0).ArrivalDelaySeconds(), 75);
        QCOMPARE(Rec(1).ArrivalDelaySeconds(), 75);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Arrival Properties"));
    }
};

QTEST_MAIN(ArrivalPageTest)
#include "ArrivalPageTest.moc"
