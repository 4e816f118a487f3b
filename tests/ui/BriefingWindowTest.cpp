// The Briefing window driven by keys and clicks: events inserted, edited,
// deleted, undone and redone to the bytes; positions and text tags dragged;
// the player; Make Briefing on a combat mission; a briefing problem opened.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "EditorFixture.h"
#include "app/BriefingWindows.h"
#include "app/CProblemsBar.h"
#include "briefing/BriefingPlayback.h"
#include "briefing/ui/CBriefingMap.h"
#include "briefing/ui/CBriefingPlayer.h"
#include "briefing/ui/CBriefingWindow.h"
#include "catalogue/ConditionWordLists.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"
#include "support/BriefingBlocks.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

constexpr int kDestroyed = 2;  // the condition "must be destroyed"

// A mission file as a designer left it: A and B placed for briefing 1, a
// text tag and a caption on it, a stop, and an event that tags flight group
// 40, which is not there.
bool WriteBriefedMission(const QString& path) {
    FakeSettings settings;
    settings.SetInt("Settings", "InitialFG", 0);
    FakePrompter prompter;
    LevelDocument doc(settings, prompter);
    doc.OnNewDocument();
    Mission& m = doc.GetMission();
    const char* names[] = {"A", "B"};
    for (int i = 0; i < 2; ++i) {
        FlightGroup* fg = doc.AddFlightGroup();
        if (!fg) return false;
        fg->File.SetName(names[i]);
        fg->File.SetCraftType(1);
        fg->File.SetWaypointEnabled(0, 1);
        fg->File.SetWaypointEnabled(kFirstBriefingPoint, 1);
        fg->File.SetWaypointX(kFirstBriefingPoint, int16_t(i * 1600));
    }
    BlockWriter w;
    w.RunningTime(100).Team(0);
    w.Event(0, kBriefingTextTag1, {0, 320, 320, 2})
        .Event(20, kBriefingCaption, {1})
        .Event(40, kBriefingFgTag1 + 1, {1})
        .Event(60, kBriefingStop)
        .Event(80, kBriefingFgTag1, {40})
        .Event(9999, kBriefingEnd)
        .Counts(6, 19);
    m.Briefings[0].Commands = w.block;
    m.Briefings[0].Tags[0] = "Buoy";
    m.Briefings[0].Strings[1] = "Watch [B]";
    return SaveMissionFile(PathFromUtf8(path.toStdString()), m, prompter);
}

bool RunCli(const QStringList& args) {
    QProcess cli;
    // render draws with the fonts the window has (under Wine too).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(VANTOREL_CLI), args);
    return cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit &&
           cli.exitCode() == 0;
}

}  // namespace

class BriefingWindowTest : public QObject, EditorFixture {
    Q_OBJECT

    QTemporaryDir dir;
    CBriefingWindow* window = nullptr;

    // Ctrl+B on the main window, as a user opens it.
    bool Open() {
        if (!Activate()) return false;
        QTest::keyClick(frame.get(), Qt::Key_B, Qt::ControlModifier);
        window = frame->Briefings().WindowOf(doc);
        // The platform's window is active before the application hears of it.
        return window && QTest::qWaitForWindowActive(window) &&
               QTest::qWaitFor([&] { return QApplication::activeWindow() == window; });
    }
    const BriefingCommandBlock& Block(int b = 0) { return M().Briefings[size_t(b)].Commands; }
    std::vector<BriefingEvent> Events(int b = 0) {
        BriefingDecode d = DecodeBriefing(Block(b));
        return d.Script ? d.Script->Events : std::vector<BriefingEvent>{};
    }
    // Opens the cell's editor with a double click; `type` works it; Return ends it.
    template <class Type>
    void EditCell(QTableView* table, int row, int column, Type type) {
        const QPoint at = table->visualRect(table->model()->index(row, column)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QWidget* editor = table->indexWidget(table->model()->index(row, column));
        QVERIFY(editor);
        type(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits what Return ended with a posted call.
        QCoreApplication::sendPostedEvents();
    }
    void Retype(QWidget* editor, const QString& text) {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
    }
    void ClickTab(int tab) {
        QTabBar* bar = window->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    // Chooses entry `entry` (from 0) of the menu the button pops up.
    void ChooseFromMenu(QToolButton* button, int entry) {
        QMetaObject::invokeMethod(
            qApp,
            [entry] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!menu) return;
                for (int i = 0; i <= entry; ++i) QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            },
            Qt::QueuedConnection);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Drag(QWidget* w, QPoint from, QPoint to) {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, from + (to - from) / 2);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }

private slots:
    void cleanup() {
        window = nullptr;
        Stop();
    }

    void insertEditDeleteUndoAndRedoGiveTheBlocksBytes() {
        Start();
        QVERIFY(Open());
        QCOMPARE(window->WordsLabel()->text(), QStringLiteral("0 of 400 words"));
        QCOMPARE(window->TeamBox(1)->text(), QStringLiteral("Rebel"));

        // A running time, typed: then the slider has room to move.
        Retype(window->RunningTimeBox(), QStringLiteral("10"));
        QTest::keyClick(window->RunningTimeBox(), Qt::Key_Return);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Set Briefing Running Time"));
        QTest::mouseClick(window->TeamBox(1), Qt::LeftButton);
        QVERIFY(BriefingShownTo(Block(), 1));
        window->Player()->Slider()->setFocus();
        QTest::keyClick(window->Player()->Slider(), Qt::Key_PageUp);
        QCOMPARE(window->Time(), 20);

        ChooseFromMenu(window->InsertButton(), 2);  // Stop Point, Title, Caption
        QCOMPARE(UndoText(), QStringLiteral("&Undo Insert Caption"));
        BlockWriter expected;
        expected.RunningTime(200)
            .Team(1)
            .Event(20, kBriefingCaption, {0})
            .Event(9999, kBriefingEnd);
        expected.Counts(0, 5);
        QCOMPARE(Block(), expected.block);
        QCOMPARE(window->WordsLabel()->text(), QStringLiteral("5 of 400 words"));

        // In place: the time, then the string it shows, from the list of the 32.
        EditCell(window->Events(), 0, 0, [&](QWidget* e) { Retype(e, QStringLiteral("1.5")); });
        EditCell(window->Events(), 0, 2, [&](QWidget* e) {
            for (int i = 0; i < 3; ++i) QTest::keyClick(e, Qt::Key_Down);
        });
        BlockWriter edited;
        edited.RunningTime(200).Team(1).Event(30, kBriefingCaption, {3}).Event(9999, kBriefingEnd);
        edited.Counts(0, 5);
        QCOMPARE(Block(), edited.block);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Change Caption"));

        ClickTab(1);
        EditCell(window->Strings(), 3, 0, [&](QWidget* e) { QTest::keyClicks(e, "Attack [Red]"); });
        QCOMPARE(M().Briefings[0].Strings[3], std::string("Attack [Red]"));
        ClickTab(2);
        const QString crash(40, QLatin1Char('t'));
        EditCell(window->Tags(), 0, 0, [&](QWidget* e) { QTest::keyClicks(e, crash); });
        QCOMPARE(M().Briefings[0].Tags[0], std::string());
        QCOMPARE(f->prompter.Texts().back(),
                 std::string("A tag of 40 characters or more crashes the game when a briefing "
                             "shows it; this one has 40."));

        // Deleted: the end alone is left, and the caption's words are zeros.
        ClickTab(0);
        QTest::mouseClick(
            window->Events()->viewport(), Qt::LeftButton, {},
            window->Events()->visualRect(window->Events()->model()->index(0, 1)).center());
        QTest::mouseClick(window->DeleteButton(), Qt::LeftButton);
        BlockWriter deleted;
        deleted.RunningTime(200).Team(1).Event(9999, kBriefingEnd).Counts(0, 2);
        QCOMPARE(Block(), deleted.block);
        QCOMPARE(window->Events()->model()->rowCount(), 1);

        // Undo and Redo from the Briefing window's keys.
        QTest::keyClick(window->Events(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Block(), edited.block);
        QTest::keyClick(window->Events(), Qt::Key_Z, Qt::ControlModifier);  // the string
        QTest::keyClick(window->Events(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(window->Events(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Block(), deleted.block);
        QCOMPARE(M().Briefings[0].Strings[3], std::string("Attack [Red]"));
    }

    void dragsMovePositionsAndTextTagsAndTheViewIsWrittenDown() {
        const QString path = dir.filePath(QStringLiteral("briefed.tie"));
        QVERIFY(WriteBriefedMission(path));
        Start(path);
        QVERIFY(Open());
        CBriefingMap* map = window->Map();
        window->resize(1100, 700);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        // B, by its icon, 40 pixels right and 20 down.
        const QPoint b = map->WidgetFromUnits(1600, 0);
        QCOMPARE(map->HitAt(b).index, 1);
        const QPointF to = map->UnitsFromWidget(b + QPoint(40, 20));
        Drag(map, b, b + QPoint(40, 20));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Move Briefing Position"));
        QCOMPARE(int(Rec(1).WaypointX(kFirstBriefingPoint)), int(std::lround(to.x())));
        QCOMPARE(int(Rec(1).WaypointY(kFirstBriefingPoint)), int(std::lround(to.y())));
        QCOMPARE(int(Rec(0).WaypointX(kFirstBriefingPoint)), 0);

        // The text tag, taken by its text, moves by what the mouse moved.
        const QPoint tag = map->WidgetFromUnits(320, 320) + QPoint(3, 4);
        QCOMPARE(map->HitAt(tag).kind, BriefingHit::TextTag);
        const QPointF corner =
            map->UnitsFromWidget(map->WidgetFromUnits(320, 320) + QPoint(-30, 10));
        Drag(map, tag, tag + QPoint(-30, 10));
        QCOMPARE(UndoText(), QStringLiteral("&Undo Change Text Tag"));
        QCOMPARE(int(Events()[0].Params[1]), int(std::lround(corner.x())));
        QCOMPARE(int(Events()[0].Params[2]), int(std::lround(corner.y())));

        // A turn of the wheel zooms the window's own view; Zoom Here writes it down.
        QWheelEvent wheel(QPointF(map->width() / 2, map->height() / 2), QPointF(), QPoint(),
                          QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(map, &wheel);
        QVERIFY(map->OwnView());
        QCOMPARE(map->OwnView()->zoomX, 20);  // from the default 16, a quarter more
        QTest::mouseClick(window->ZoomHereButton(), Qt::LeftButton);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Insert Zoom Map"));
        QCOMPARE(Events()[1].Type, uint16_t(kBriefingZoomMap));
        QCOMPARE(Events()[1].Params[0], int16_t(20));

        // Tag: A, clicked on the briefing map, in the first free slot at 0.
        QTest::mouseClick(map, Qt::LeftButton, {}, map->WidgetFromUnits(0, 0));
        QCOMPARE(SelectedFgs(), std::vector<int>{0});
        QTest::mouseClick(window->TagButton(), Qt::LeftButton);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Insert Flight Group Tag"));
        const BriefingShown shown = BriefingShownAt(*DecodeBriefing(Block()).Script, 0);
        QCOMPARE(shown.fgTags[0], 0);
    }

    void thePlayerStepsJumpsAndRepaintsOnlyWhatChanges() {
        const QString path = dir.filePath(QStringLiteral("briefed.tie"));
        QVERIFY(WriteBriefedMission(path));
        Start(path);
        QVERIFY(Open());
        CBriefingPlayer* player = window->Player();
        CBriefingMap* map = window->Map();
        QCOMPARE(player->End(), 100);

        map->setFocus();
        QTest::keyClick(map, Qt::Key_Space);
        QVERIFY(player->Playing());
        QTest::keyClick(map, Qt::Key_Space);
        QVERIFY(!player->Playing());
        // Stop goes back to the start, whatever the clock had reached.
        QTest::mouseClick(player->StopButton(), Qt::LeftButton);
        QCOMPARE(window->Time(), 0);

        QCoreApplication::processEvents();
        const int frames = map->FramesDrawn();
        QTest::mouseClick(player->StepButton(), Qt::LeftButton);
        QCOMPARE(window->Time(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(map->FramesDrawn(), frames);  // nothing new shows at tick 1

        QTest::mouseClick(player->NextEventButton(), Qt::LeftButton);
        QCOMPARE(window->Time(), 20);
        QCoreApplication::processEvents();
        QCOMPARE(map->FramesDrawn(), frames + 1);
        QTest::mouseClick(player->NextStopButton(), Qt::LeftButton);
        QCOMPARE(window->Time(), 60);
        QTest::mouseClick(player->PreviousEventButton(), Qt::LeftButton);
        QCOMPARE(window->Time(), 40);
        QTest::keyClick(player->Slider(), Qt::Key_Home);
        QCOMPARE(window->Time(), 0);
        QCOMPARE(player->TimeLabel()->text(), QStringLiteral("0:00.00 / 0:05.00"));

        // A row chosen in the list plays up to it.
        QTest::mouseClick(
            window->Events()->viewport(), Qt::LeftButton, {},
            window->Events()->visualRect(window->Events()->model()->index(2, 1)).center());
        QCOMPARE(window->Time(), 40);
    }

    void renderDrawsTheWindowsFrameAndAnEventChangesWhereItDraws() {
        const QString path = dir.filePath(QStringLiteral("briefed.tie"));
        QVERIFY(WriteBriefedMission(path));
        Start(path);
        QVERIFY(Open());
        CBriefingMap* map = window->Map();
        const QString size = QStringLiteral("%1x%2").arg(map->width()).arg(map->height());
        const auto render = [&](const QString& seconds, const QString& name) {
            const QString out = dir.filePath(name);
            const bool ok = RunCli({QStringLiteral("render"), path, QStringLiteral("--briefing"),
                                    QStringLiteral("1"), QStringLiteral("--time"), seconds,
                                    QStringLiteral("--size"), size, QStringLiteral("-o"), out});
            return ok ? QImage(out).convertToFormat(QImage::Format_RGB32) : QImage();
        };
        // B is tagged at 2 s: the frames just before and at it differ round B only.
        const QImage before = render(QStringLiteral("1.95"), QStringLiteral("before.png"));
        const QImage after = render(QStringLiteral("2"), QStringLiteral("after.png"));
        QVERIFY(!before.isNull() && before.size() == after.size());
        QRect changed;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y)) changed |= QRect(x, y, 1, 1);
        const QPoint b = map->WidgetFromUnits(1600, 0);
        QVERIFY(changed.contains(b + QPoint(14, 14)) && changed.contains(b - QPoint(14, 14)));
        QVERIFY2(changed.left() >= b.x() - 14 && changed.top() >= b.y() - 14 &&
                     changed.bottom() <= b.y() + 14 && changed.right() < map->width(),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(changed.x())
                                .arg(changed.y())
                                .arg(changed.width())
                                .arg(changed.height())));

        // The window draws the same picture at the same moment.
        window->SetTime(40);
        map->repaint();
        QCOMPARE(map->Frame(), after);
    }

    void makeBriefingOnACombatMissionTagsAndCaptionsTheGoals() {
        const QString path = dir.filePath(QStringLiteral("combat.tie"));
        QVERIFY(
            RunCli({QStringLiteral("new"), QStringLiteral("combat"), QStringLiteral("--players"),
                    QStringLiteral("1"), QStringLiteral("-o"), path}));
        QVERIFY(RunCli({QStringLiteral("add"), path, QStringLiteral("fleet"),
                        QStringLiteral("--team"), QStringLiteral("1"), QStringLiteral("--iff"),
                        QStringLiteral("rebel"), QStringLiteral("-o"), path}));
        {
            // Team 1 (the player's) must destroy the fleet's cruiser (1) and,
            // by a flight group goal, its fighters (2).
            Mission m;
            FakePrompter prompter;
            QVERIFY(LoadMissionFile(PathFromUtf8(path.toStdString()), m, prompter));
            QVERIFY(m.CountFlightGroups() >= 3);
            m.GlobalGoalSet(0, 0)->SetTrigger(0, {kDestroyed, kVariableFlightGroup, 1, 0});
            FgGoal g = m.FlightGroups[2]->File.Goals(0);
            g.SetTeam(0);
            g.SetArgument(0);
            g.SetCondition(kDestroyed);
            QVERIFY(SaveMissionFile(PathFromUtf8(path.toStdString()), m, prompter));
        }
        Start(path);
        QVERIFY(Open());
        QTest::mouseClick(window->MakeButton(), Qt::LeftButton);
        QCOMPARE(UndoText(), QStringLiteral("&Undo Make Briefing"));

        const std::vector<BriefingEvent> events = Events();
        QVERIFY(!events.empty());
        QCOMPARE(events.back().Type, uint16_t(kBriefingEnd));
        std::vector<int> tagged, captions;
        for (const BriefingEvent& e : events) {
            if (e.IsFgTag()) tagged.push_back(e.Params[0]);
            if (e.Type == kBriefingCaption) captions.push_back(e.Params[0]);
        }
        QCOMPARE(tagged, (std::vector<int>{0, 1, 2}));  // the player, then the goals' targets
        QCOMPARE(captions.size(), size_t(2));
        QVERIFY2(M().Briefings[0].Strings[size_t(captions[0])].find("must be destroyed") !=
                     std::string::npos,
                 M().Briefings[0].Strings[size_t(captions[0])].c_str());
        QVERIFY(window->TeamBox(0)->isChecked());
        QVERIFY(!window->TeamBox(1)->isChecked());

        // Again: asked first, and No leaves the briefing as it is.
        const BriefingCommandBlock made = Block();
        f->prompter.answers.push_back(PromptAnswer::No);
        QTest::mouseClick(window->MakeButton(), Qt::LeftButton);
        QCOMPARE(f->prompter.shown.back().text,
                 std::string("Briefing 1 is not empty. Replace it with a briefing made from the "
                             "mission's goals?"));
        QCOMPARE(Block(), made);
        // Tools > Make Briefing runs the same command.
        QVERIFY(frame->Action(kCmdMakeBriefing)->isEnabled());
    }

    void aBriefingProblemOpensTheWindowOnItsEvent() {
        const QString path = dir.filePath(QStringLiteral("briefed.tie"));
        QVERIFY(WriteBriefedMission(path));
        Start(path);
        QVERIFY(Activate());
        frame->RunCommand(kCmdCheckMission);
        QListWidget* list = frame->ProblemsBar()->List();
        int row = -1;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().contains(QStringLiteral("flight group 40"))) row = i;
        QVERIFY(row >= 0);
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Return);
        window = frame->Briefings().WindowOf(doc);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Briefing(), 0);
        QCOMPARE(window->Events()->currentIndex().row(), 4);
        QCOMPARE(window->Time(), 80);
    }
};

QTEST_MAIN(BriefingWindowTest)
#include "BriefingWindowTest.moc"
