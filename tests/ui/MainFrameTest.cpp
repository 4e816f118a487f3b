#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "UiFakes.h"
#include "UiMissions.h"
#include "app/CMainFrame.h"
#include "app/CMapToolbar.h"
#include "app/FlowWindows.h"
#include "app/RecentFiles.h"
#include "document/MissionReader.h"
#include "document/RecordSwapEdit.h"
#include "flow/ui/CFlowView.h"
#include "flow/ui/CFlowWindow.h"
#include "map/ui/CQVView.h"
#include "platform/PathText.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

using namespace vantorel;
using namespace vantorel::testing;

class MainFrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> f;
    std::unique_ptr<RecentFiles> recent;
    QTemporaryDir dir;  // each test's files have names of their own

    std::unique_ptr<CMainFrame> MakeFrame() {
        auto frame = std::make_unique<CMainFrame>(f->services, *recent, nullptr);
        frame->resize(1000, 700);
        frame->LoadBarState();
        frame->show();
        return frame;
    }
    static QStringList MenuTitles(CMainFrame& frame) {
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions()) titles << a->text();
        return titles;
    }
    // The Window menu, filled as when it opens.
    static QMenu* WindowMenu(CMainFrame& frame) {
        for (QAction* a : frame.menuBar()->actions())
            if (a->text() == QStringLiteral("&Window")) {
                emit a->menu()->aboutToShow();
                return a->menu();
            }
        return nullptr;
    }

private slots:
    void init() {
        f = std::make_unique<FakeServices>();
        recent = std::make_unique<RecentFiles>(f->settings, 8);
    }

    void menusFollowTheOpenDocuments() {
        auto frame = MakeFrame();
        QCOMPARE(MenuTitles(*frame), QStringList({"&File", "&View", "&Tools", "&Help"}));
        QVERIFY(frame->LevelBar()->ShowsNoLevelText());
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdViewTop)->isEnabled());

        CQVDoc* doc = frame->NewDocument();
        QCOMPARE(MenuTitles(*frame),
                 QStringList({"&File", "&Edit", "&View", "&Tools", "&Window", "&Help"}));
        QCOMPARE(frame->LevelBar()->CurrentDocument(), doc);
        frame->UpdateCommandUI();
        // Nothing to undo or paste, no message; the Teams tab always has a team.
        for (int id : {int(kCmdEditUndo), int(kCmdEditPaste), int(kCmdDeleteMessage),
                       int(kCmdMessageProperties)})
            QVERIFY2(!frame->Action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {int(kCmdFileSave), int(kCmdViewTop), int(kCmdEditCut),
                       int(kCmdTeamProperties), int(kCmdDeleteFlightGroup), int(kCmdViewSelection)})
            QVERIFY2(frame->Action(id)->isEnabled(), qPrintable(QString::number(id)));
        // One angle is checked, and it follows the view.
        QVERIFY(frame->Action(kCmdViewTop)->isChecked());
        frame->Action(kCmdViewSide)->trigger();
        QVERIFY(frame->Action(kCmdViewSide)->isChecked() &&
                !frame->Action(kCmdViewTop)->isChecked());

        // The last document closing leaves the bar empty and the short menu.
        frame->RunCommand(kCmdFileClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame->Documents().empty());
        QVERIFY(frame->LevelBar()->ShowsNoLevelText());
        QCOMPARE(MenuTitles(*frame).size(), 4);
    }

    void titleNamesTheDocumentOnceAndSettles() {
        const QString path = dir.filePath(QStringLiteral("one.tie"));
        QVERIFY(WriteMissionFile(path, {{"A", 0, 0}}));
        auto frame = MakeFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        CQVDoc* doc = frame->OpenDocumentFile(path);
        doc->SetModifiedFlag(true);
        // The maximised window adds its own part; the name is not repeated.
        QCOMPARE(frame->windowTitle(), QStringLiteral("Vantorel - [one.tie[*]]"));
        QVERIFY(frame->isWindowModified());

        // Nothing changed, so nothing goes to the window system (each setting retitles).
        struct Counter : QObject {
            int n = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                n += e->type() == QEvent::WindowTitleChange || e->type() == QEvent::ModifiedChange;
                return false;
            }
        } changes;
        frame->installEventFilter(&changes);
        for (int i = 0; i < 3; ++i) frame->UpdateCommandUI();
        QCoreApplication::processEvents();
        QCOMPARE(changes.n, 0);
        frame->removeEventFilter(&changes);

        // A window that is not maximised: the title names the document.
        CQVDoc* second = frame->NewDocument();
        frame->MdiArea()->activeSubWindow()->showNormal();
        frame->UpdateCommandUI();
        QCOMPARE(frame->windowTitle(), "Vantorel - " + second->Title() + "[*]");
        QVERIFY(!frame->isWindowModified());
        frame->MdiArea()->activatePreviousSubWindow();
        frame->UpdateCommandUI();
        QVERIFY(frame->isWindowModified());
        doc->SetModifiedFlag(false);
    }

    void barsStandWhereTheyBelongAndTheSnapListShowsTheStoredChoice() {
        auto frame = MakeFrame();
        QCOMPARE(frame->toolBarArea(frame->MapBar()), Qt::BottomToolBarArea);
        QCOMPARE(frame->dockWidgetArea(frame->LevelDock()), Qt::RightDockWidgetArea);

        // The stored snap choice shows at start-up.
        f->settings.SetInt("Settings", "Snap", 3);
        auto second = MakeFrame();
        QCOMPARE(second->MapBar()->SnapList()->currentIndex(), 3);
    }

    void snapListShowsTheActiveMapsChoice() {
        auto frame = MakeFrame();
        frame->NewDocument();
        CQVView* first = frame->ActiveView();
        frame->NewDocument();
        CQVView* second = frame->ActiveView();
        frame->MapBar()->SnapList()->setCurrentIndex(5);
        QCOMPARE(second->State().SnapIndex, 5);
        QCOMPARE(first->State().SnapIndex, 0);
        // Each map keeps its own step; the list never claims another one.
        frame->MdiArea()->activatePreviousSubWindow();
        QCOMPARE(frame->ActiveView(), first);
        QCOMPARE(frame->MapBar()->SnapList()->currentIndex(), 0);
        QCOMPARE(f->settings.GetInt("Settings", "Snap", 0), 5);
        frame->MdiArea()->activateNextSubWindow();
        QCOMPARE(frame->MapBar()->SnapList()->currentIndex(), 5);
    }

    void barLayoutIsKeptAcrossRuns() {
        {
            auto frame = MakeFrame();
            frame->RunCommand(kCmdToolbarMap);
            frame->RunCommand(kCmdStatusBar);
            frame->addDockWidget(Qt::LeftDockWidgetArea, frame->LevelDock());
            frame->UpdateCommandUI();
            QVERIFY(!frame->Action(kCmdToolbarMap)->isChecked());
            QVERIFY(frame->Action(kCmdToolbarStandard)->isChecked());
            frame->close();  // closing stores the layout
        }
        auto frame = MakeFrame();
        QVERIFY(frame->MapBar()->isHidden() && frame->statusBar()->isHidden());
        QVERIFY(!frame->StandardBar()->isHidden());
        QCOMPARE(frame->dockWidgetArea(frame->LevelDock()), Qt::LeftDockWidgetArea);
    }

    void unsavedChangesAreAskedAbout() {
        auto frame = MakeFrame();
        CQVDoc* doc = frame->NewDocument();
        doc->SetModifiedFlag(true);
        frame->UpdateCommandUI();
        QVERIFY(frame->isWindowModified());

        // Cancel keeps everything open.
        f->prompter.answers = {PromptAnswer::Cancel};
        QVERIFY(!frame->close());
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QCOMPARE(f->prompter.shown[0].text, "Save changes to " + doc->Title().toStdString() + "?");
        QCOMPARE(f->prompter.shown[0].buttons, PromptButtons::YesNoCancel);
        QCOMPARE(frame->Documents().size(), size_t(1));

        // Yes saves first; a cancelled save dialog keeps the program open.
        f->prompter.answers = {PromptAnswer::Yes};
        QVERIFY(!frame->close());
        QCOMPARE(f->dialogs.saveSuggestions.size(), size_t(1));

        // Yes with a file chosen saves and closes, asking once.
        const QString target = dir.filePath(QStringLiteral("kept.tie"));
        f->prompter.answers = {PromptAnswer::Yes};
        f->dialogs.saveAnswers = {target.toStdString()};
        QVERIFY(frame->close());
        QCOMPARE(f->prompter.shown.size(), size_t(3));
        Mission saved;
        QVERIFY(LoadMissionFile(target.toStdString(), saved, f->prompter));
        QCOMPARE(saved.CountFlightGroups(), 1);
    }

    void quittingOrEndingTheSessionAsksAboutEachModifiedMission() {
        auto frame = MakeFrame();
        CQVDoc* first = frame->NewDocument();
        CQVDoc* second = frame->NewDocument();
        first->SetModifiedFlag(true);
        second->SetModifiedFlag(true);
        // No for the first, Cancel for the second: both stay, unsaved.
        f->prompter.answers = {PromptAnswer::No, PromptAnswer::Cancel};
        QVERIFY(!frame->close());
        QCOMPARE(frame->MdiArea()->subWindowList().size(), 2);
        QVERIFY(first->IsModified() && second->IsModified());
        // A log-out or shut-down asks as quitting does, and can be refused.
        f->prompter.answers = {PromptAnswer::Cancel};
        QVERIFY(!frame->QueryEndSession());
        QCOMPARE(f->prompter.shown.size(), size_t(3));
        QVERIFY(f->settings.Has("BarSettings10", "State"));
        QVERIFY(
            QObject::disconnect(qApp, &QGuiApplication::commitDataRequest, frame.get(), nullptr));
        // No to both quits without saving anything.
        f->prompter.answers = {PromptAnswer::No, PromptAnswer::No};
        QVERIFY(frame->close());
        QCOMPARE(f->prompter.shown.size(), size_t(5));
        QVERIFY(f->dialogs.saveSuggestions.empty());
    }

    void closingAWindowWithNoAsksAndThrowsAway() {
        auto frame = MakeFrame();
        CQVDoc* doc = frame->NewDocument();
        doc->SetModifiedFlag(true);
        // A second window of the same document closes without a question.
        frame->RunCommand(kCmdWindowNew);
        QCOMPARE(frame->MdiArea()->subWindowList().size(), 2);
        frame->MdiArea()->activeSubWindow()->close();
        QVERIFY(f->prompter.shown.empty());
        f->prompter.answers = {PromptAnswer::No};
        frame->MdiArea()->subWindowList().first()->close();
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame->Documents().empty());
        QVERIFY(f->dialogs.saveSuggestions.empty());
    }

    void savingOffersTheFolderOfTheMissionTypeAndKeepsTheTitle() {
        f->settings.SetString("Paths", "XVT", dir.path().toStdString());
        f->settings.SetInt("Paths", "GotBOP", 0);
        auto frame = MakeFrame();
        CQVDoc* doc = frame->NewDocument();  // a melee
        const QString untitled = doc->Title();
        QVERIFY(untitled.startsWith(QStringLiteral("XvT Level")));
        const QString target = dir.filePath(QStringLiteral("first.tie"));
        f->dialogs.saveAnswers = {target.toStdString()};
        QVERIFY(frame->RunCommand(kCmdFileSave));
        QCOMPARE(QString::fromStdString(f->dialogs.saveSuggestions.at(0)),
                 QDir(dir.path())
                     .filePath(QStringLiteral("Melee/") + untitled + ".tie")
                     .replace(QLatin1Char('/'), QDir::separator()));
        QCOMPARE(doc->Title(), QStringLiteral("first.tie"));
        QVERIFY(!doc->IsModified());
        QCOMPARE(recent->Files().size(), size_t(1));
        frame->RefreshRecentFiles();
        QVERIFY(frame->Action(kCmdRecentFirst)->text().endsWith(QStringLiteral("first.tie")));

        // The next Save writes to the same file without asking.
        doc->SetModifiedFlag(true);
        QVERIFY(frame->RunCommand(kCmdFileSave));
        QCOMPARE(f->dialogs.saveSuggestions.size(), size_t(1));
        QVERIFY(!doc->IsModified());

        // Not saving into the game's folders, a new mission starts where Open starts.
        f->settings.SetInt("Settings", "SaveToFolder", 0);
        f->settings.SetString("Paths", "DefaultOpen", dir.filePath("mine").toStdString());
        CQVDoc* second = frame->NewDocument();
        f->dialogs.saveAnswers = {std::nullopt};  // cancelled
        frame->RunCommand(kCmdFileSaveAs);
        QCOMPARE(QString::fromStdString(f->dialogs.saveSuggestions.at(1)),
                 QDir::toNativeSeparators(dir.filePath("mine/" + second->Title() + ".tie")));
    }

    void namesOutsideAsciiSurviveOpenSaveAndTheRecentList() {
        const QString path = dir.filePath(QStringLiteral("Übung ßé.tie"));
        QVERIFY(WriteMissionFile(path, {{"A", 0, 0}}));
        auto frame = MakeFrame();
        CQVDoc* doc = frame->OpenDocumentFile(path);
        QVERIFY(doc);
        QCOMPARE(doc->Title(), QFileInfo(path).fileName());
        QCOMPARE(doc->PathName(), path);
        QCOMPARE(QString::fromStdString(recent->Files().at(0)), QDir::toNativeSeparators(path));
        // The same file, however spelt or linked, is the open document.
        QCOMPARE(frame->OpenDocumentFile(dir.path() + "/./" + QFileInfo(path).fileName()), doc);
#ifndef Q_OS_WIN  // QFile::link makes a shell shortcut there, which only the shell follows
        const QString link = dir.filePath(QStringLiteral("link.tie"));
        if (QFile::link(path, link)) QCOMPARE(frame->OpenDocumentFile(link), doc);
#else
        // Windows names a file in any letter case, letters outside ASCII too.
        QCOMPARE(frame->OpenDocumentFile(dir.path().toUpper() + QStringLiteral("/üBUNG ßÉ.TIE")),
                 doc);
#endif

        // A save that cannot be written says so and keeps the changes.
        doc->SetModifiedFlag(true);
        f->dialogs.saveAnswers = {(path + "/inner.tie").toStdString()};
        QVERIFY(frame->RunCommand(kCmdFileSaveAs));
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QVERIFY(doc->IsModified());
        QCOMPARE(doc->PathName(), path);
        const QString renamed = dir.filePath(QStringLiteral("新 ä.tie"));
        f->dialogs.saveAnswers = {renamed.toStdString()};
        QVERIFY(frame->RunCommand(kCmdFileSaveAs));
        QVERIFY(!doc->IsModified());
        QCOMPARE(doc->Title(), QFileInfo(renamed).fileName());
        Mission saved;
        QVERIFY(LoadMissionFile(PathFromUtf8(renamed.toStdString()), saved, f->prompter));
    }

    void menusShowAmpersandsInNamesAsWritten() {
        const QString path = dir.filePath(QStringLiteral("R&D.tie"));
        QVERIFY(WriteMissionFile(path, {{"A", 0, 0}}));
        auto frame = MakeFrame();
        QVERIFY(frame->OpenDocumentFile(path));
        // A lone "&" would underline the next letter and vanish.
        QCOMPARE(frame->Action(kCmdRecentFirst)->text(),
                 "&1 " + QDir::toNativeSeparators(dir.filePath(QStringLiteral("R&&D.tie"))));
        QMenu* window = WindowMenu(*frame);
        QVERIFY(window);
        QCOMPARE(window->actions().last()->text(), QStringLiteral("&1 R&&D.tie"));
    }

    void oneNameForEachCommandAndTheKeysInTheTooltips() {
        auto frame = MakeFrame();
        CQVDoc* doc = frame->NewDocument();
        QAction* add = frame->Action(kCmdNewFlightGroup);
        QCOMPARE(add->text(), QStringLiteral("&New Flight Group"));
        QCOMPARE(add->toolTip(), QStringLiteral("New Flight Group (Ctrl+F)"));
        frame->RunCommand(kCmdNewFlightGroup);
        QCOMPARE(frame->Action(kCmdEditUndo)->text(), QStringLiteral("&Undo New Flight Group"));
        QCOMPARE(frame->Action(kCmdEditUndo)->toolTip(),
                 QStringLiteral("Undo New Flight Group (Ctrl+Z)"));

        // The Window menu marks the modified mission.
        QMenu* window = WindowMenu(*frame);
        QVERIFY(window);
        QVERIFY2(window->actions().last()->text().endsWith(QLatin1Char('*')),
                 qPrintable(window->actions().last()->text()));

        // The coordinates go with the last mission.
        auto* coordinates = frame->findChild<QLabel*>(QStringLiteral("CoordinatePane"));
        QVERIFY(coordinates);
        QTest::mouseMove(frame->ActiveView(), QPoint(30, 30));
        QVERIFY(!coordinates->text().trimmed().isEmpty());
        doc->SetModifiedFlag(false);
        frame->RunCommand(kCmdFileClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame->Documents().empty());
        QVERIFY(coordinates->text().trimmed().isEmpty());
    }

    // View > Mission Flow on Alpha (never appears), Bravo (arrives when
    // Alpha is destroyed) and Charlie, and a message sent when Bravo arrives.
    void missionFlowFollowsEditsAndSelectsWhatIsClicked() {
        const QString path = dir.filePath(QStringLiteral("flow.tie"));
        QVERIFY(WriteMissionFile(path, {{"Alpha", 0, 0}, {"Bravo", 160, 0}, {"Charlie", 320, 0}}));
        auto frame = MakeFrame();
        CQVDoc* doc = frame->OpenDocumentFile(path);
        QVERIFY(doc);
        Mission& m = doc->GetMission();
        m.FlightGroups[0]->File.SetDifficultyLevel(6);
        m.FlightGroups[1]->File.SetArrivalTrigger(0, {2, 1, 0, 0});
        doc->Level().AddRadioMessage();
        m.Messages[0]->File.SetTrigger(0, {1, 1, 1, 0});

        // Its keys are its own.
        QAction* show = frame->Action(kCmdViewMissionFlow);
        QCOMPARE(show->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F")));
        for (QAction* other : frame->actions())
            if (other != show) QVERIFY(!other->shortcuts().contains(show->shortcut()));
        QVERIFY(frame->RunCommand(kCmdViewMissionFlow));
        CFlowWindow* window = frame->Flows().WindowOf(doc);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Mission Flow - flow.tie"));
        frame->RunCommand(kCmdViewMissionFlow);  // one window a mission
        QCOMPARE(frame->findChildren<CFlowWindow*>().size(), 1);

        CFlowView* view = window->View();
        const auto nodeOf = [&](const char* id) {
            const auto& nodes = view->Flow().nodes;
            for (size_t i = 0; i < nodes.size(); ++i)
                if (nodes[i].id == id) return int(i);
            return -1;
        };
        const auto centre = [&](const char* id) { return view->NodeRect(nodeOf(id)).center(); };
        QVERIFY(view->Flow().nodes[size_t(nodeOf("fg1.arrival"))].never);
        QCOMPARE(
            window->Summary()->text(),
            QStringLiteral("Never happens (red): 2 arrivals, 2 departures, 1 message. Rest the "
                           "pointer on a box for why."));
        // Long lines are broken for the screen, between words.
        const QString tip = view->ToolTipAt(centre("fg1.arrival"));
        QVERIFY(!tip.split(QLatin1Char('\n')).filter(QRegularExpression(".{91}")).size());
        QVERIFY2(QString(tip)
                     .replace(QStringLiteral("\n    "), QStringLiteral(" "))
                     .endsWith(QStringLiteral("Bravo never arrives: it arrives when Alpha is "
                                              "destroyed, and Alpha never appears (difficulty "
                                              "level Never Appears)")),
                 qPrintable(tip));
        QVERIFY(view->ToolTipAt(QPoint(1, 1)).isEmpty());

        // An edit, its Undo and Redo show at once; a move of points makes nothing again.
        const int made = window->Rebuilds();
        FlightGroupRecord& alpha = m.FlightGroups[0]->File;
        FlightGroupRecord changed = alpha;
        changed.SetDifficultyLevel(0);
        auto edit = std::make_unique<RecordSwapEdit>("Difficulty");
        edit->Add(alpha, changed);
        QVERIFY(doc->Level().Commit(std::move(edit)));
        QVERIFY(!view->Flow().nodes[size_t(nodeOf("fg1.arrival"))].never);
        QCOMPARE(window->Summary()->text(),
                 QStringLiteral("Everything in this mission can happen."));
        QVERIFY(doc->Level().Undo());
        QVERIFY(view->Flow().nodes[size_t(nodeOf("fg1.arrival"))].never);
        QVERIFY(doc->Level().Redo());
        QCOMPARE(window->Rebuilds(), made + 3);
        changed = alpha;
        changed.SetWaypointX(0, 800);
        edit = std::make_unique<RecordSwapEdit>("Move");
        edit->Add(alpha, changed);
        QVERIFY(doc->Level().Commit(std::move(edit)));
        QCOMPARE(window->Rebuilds(), made + 3);

        // A click selects the flight group; a double click opens its window
        // at the page of the box.
        QTest::mouseClick(view, Qt::LeftButton, {}, centre("fg2.arrival"));
        QVERIFY(!m.FlightGroups[0]->Selected && m.FlightGroups[2]->Selected);
        QTest::mouseDClick(view, Qt::LeftButton, {}, centre("fg1.arrival"));
        QVERIFY(m.FlightGroups[1]->Selected && !m.FlightGroups[2]->Selected);
        CFGPropertiesFrame* fgWindow = frame->LevelBar()->FlightGroupFrame();
        QVERIFY(fgWindow && fgWindow->isVisible());
        QCOMPARE(fgWindow->Sheet().currentIndex(), int(CFGPropertiesSheet::kArrivalTab));
        QTest::mouseClick(view, Qt::LeftButton, {}, centre("message0"));
        QCOMPARE(frame->LevelBar()->CurrentMessage(), 0);

        // The window goes with its mission.
        QPointer<CFlowWindow> gone = window;
        doc->SetModifiedFlag(false);
        frame->CloseDocument(doc);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!gone);
        // And with the program, open.
        frame->NewDocument();
        QVERIFY(frame->RunCommand(kCmdViewMissionFlow));
    }

    void refusedFilesOpenNothing() {
        const QString bad = dir.filePath(QStringLiteral("bad.tie"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a mission");
        file.close();
        auto frame = MakeFrame();
        QVERIFY(!frame->OpenDocumentFile(bad));
        QVERIFY(frame->Documents().empty());
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QVERIFY(recent->Files().empty());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
