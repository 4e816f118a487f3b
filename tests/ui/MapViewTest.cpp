// The map window and editing through real keys and clicks: selecting, dragging,
// zooming, Select All, Find, the History window, Duplicate and the arrow keys.
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "EditorFixture.h"
#include "UiControls.h"
#include "UiMissions.h"
#include "app/CHistoryBar.h"
#include "app/CMapToolbar.h"
#include "app/HistoryController.h"
#include "document/MissionWriter.h"
#include "map/ui/CQVView.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelMessagesPage.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesPages.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CListFindBox.h"

using namespace vantorel;
using namespace vantorel::testing;

// One mission open: A at the origin, B two km right, C two km down, D far
// away. Only window events drive the map; its rules are tested in the core.
class MapViewTest : public QObject, EditorFixture {
    Q_OBJECT

    QTemporaryDir dir;
    CQVView* view = nullptr;

    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(view, Qt::LeftButton, m, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, m, to);
    }
    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers m = {}) {
        QWheelEvent e(at, view->mapToGlobal(at), QPoint(), angle, Qt::NoButton, m,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &e);
    }
    QSlider* Slider() { return frame->MapBar()->ZoomSlider(); }
    QListWidget* List(int tab, int id) {
        return ControlOf<QListWidget>(frame->LevelBar()->Sheet(), tab, id);
    }
    QListWidget* FgList() {
        return List(CLevelPropertiesSheet::kFlightGroupTab, LevelFlightGroupsPage::kList);
    }
    CListFindBox* FindBox(int tab) {
        return static_cast<CLevelPropertiesPage*>(frame->LevelBar()->Sheet().Page(tab))->FindBox();
    }
    // The rows of a list that show, or that are selected.
    static std::vector<int> Rows(QListWidget* list, bool selected) {
        std::vector<int> rows;
        for (int r = 0; r < list->count(); ++r)
            if (selected ? list->item(r)->isSelected() : !list->isRowHidden(r)) rows.push_back(r);
        return rows;
    }
    std::vector<uint8_t> Bytes() { return WriteMission(M()); }

private slots:
    void init() {
        const QString path = dir.filePath(QStringLiteral("four.tie"));
        QVERIFY(
            WriteMissionFile(path, {{"A", 0, 0}, {"B", 320, 0}, {"C", 0, 320}, {"D", 8000, 8000}}));
        Start(path);
        QVERIFY(doc);
        view = frame->ActiveView();
        QVERIFY(view);
        QVERIFY(Activate());
    }
    void cleanup() { Stop(); }

    void openingShowsTheMissionCentredAndTheReadoutFollowsTheMouse() {
        const ViewState& s = view->State();
        QCOMPARE(s.Zoom, 60);
        QCOMPARE(s.ScrollX, 250 * 60 - s.Width / 2);
        QCOMPARE(s.ScrollY, 250 * 60 - s.Height / 2);
        QCOMPARE(frame->LevelBar()->CurrentDocument(), doc);
        QCOMPARE(Slider()->value(), 60);
        // The map was drawn: the frame holds the grid's main lines.
        view->repaint();
        QCOMPARE(view->Frame().pixelColor(At(0, -800).x(), At(0, -800).y()), QColor(255, 0, 0));

        QTest::mouseMove(view, At(160, 0));
        QCOMPARE(frame->CoordinatePane()->text(), QStringLiteral("1.00, 0.00"));
        frame->RunCommand(kCmdView3D);
        QCOMPARE(frame->CoordinatePane()->text(), QString());
        QLabel* pane = frame->CoordinatePane();
        pane->setText(QStringLiteral("-250.00, -250.00"));
        QVERIFY(pane->sizeHint().width() <= pane->width());
    }

    void clicksSelectAndDragsMoveTheSelectionWithTheToolbarsSnap() {
        // A click trembling less than the drag distance moves nothing.
        QVERIFY(QApplication::startDragDistance() > 1);
        QTest::mousePress(view, Qt::LeftButton, {}, AtFg(0));
        QTest::mouseMove(view, AtFg(0) + QPoint(1, 1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, AtFg(0) + QPoint(1, 1));
        QCOMPARE(SelectedFgs(), std::vector<int>{0});
        QVERIFY(!doc->IsModified());

        // A drag moves the selection: 30 pixels right at zoom 60 are 0.5 km.
        Click(AtFg(1), Qt::ControlModifier);
        Drag(AtFg(0), AtFg(0) + QPoint(30, 15));
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 400);
        QCOMPARE(int(Fg(2).File.WaypointX(0)), 0);
        QVERIFY(frame->isWindowModified());

        // Snap to 0.5 km, chosen in the toolbar's list.
        frame->MapBar()->SnapList()->setCurrentIndex(5);
        Click(AtFg(0));
        Drag(AtFg(0), AtFg(0) + QPoint(20, 0));  // asks for x = 80 + 53, snaps to 160
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 160);
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 400);  // no longer selected
    }

    void aDragOnStackedIconsMovesTheSelectedOne() {
        // B put on top of A, as a wizard puts new groups, and selected.
        Click(AtFg(1));
        Drag(AtFg(1), AtFg(0));
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 0);
        QCOMPARE(SelectedFgs(), std::vector<int>{1});
        Drag(AtFg(0), AtFg(0) + QPoint(0, 30));
        QCOMPARE(int(Fg(1).File.WaypointY(0)), 80);
        QCOMPARE(int(Fg(0).File.WaypointY(0)), 0);
        QCOMPARE(SelectedFgs(), std::vector<int>{1});
    }

    void aReleaseTheWindowNeverSawEndsTheDrag() {
        // The button came up in another window: moving over the map moves nothing.
        const QPoint a = AtFg(0);
        QTest::mousePress(view, Qt::LeftButton, {}, a);
        QCOMPARE(view->State().MouseMode, int(kMousePointDrag));
        QMouseEvent hover(QEvent::MouseMove, QPointF(a + QPoint(40, 40)),
                          QPointF(view->mapToGlobal(a + QPoint(40, 40))), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &hover);
        QCOMPARE(view->State().MouseMode, int(kMouseNone));
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 0);
        QCOMPARE(Fg(0).MapState, 0u);
        QVERIFY(!doc->IsModified());
        QTest::mouseRelease(view, Qt::LeftButton, {}, a + QPoint(40, 40));
    }

    void anAltBandSaysWhichKeysItTakesAndTheKeysAtReleaseCount() {
        Click(AtFg(0));
        Click(AtFg(1), Qt::ControlModifier);
        // A band round A, B and C with Shift: A and B go, C comes.
        const QPoint from = At(-160, -160), to = At(480, 480);
        QTest::mousePress(view, Qt::LeftButton, Qt::AltModifier, from);
        QCOMPARE(frame->MessagePane()->text(),
                 QStringLiteral("Hold down control to add to the current selection or shift to "
                                "toggle selection"));
        QTest::mouseMove(view, to);
        QCOMPARE(view->State().MouseMode, int(kMouseBand));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, to);
        QCOMPARE(SelectedFgs(), std::vector<int>{2});
        QCOMPARE(frame->MessagePane()->text(), QString());
    }

    void bandSelectLetsAPlainDragDrawTheBandAndIsRemembered() {
        QAction* band = frame->Action(kCmdBandSelect);
        QVERIFY(band->statusTip().contains(QStringLiteral("Alt+drag")));
        auto* button = qobject_cast<QToolButton*>(frame->MapBar()->widgetForAction(band));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        frame->UpdateCommandUI();
        QVERIFY(band->isChecked());
        // A plain drag round A, B and C selects them; the map stays put.
        const int scrollX = view->State().ScrollX;
        Drag(At(-160, -160), At(480, 480));
        QCOMPARE(SelectedFgs(), std::vector<int>({0, 1, 2}));
        QCOMPARE(view->State().ScrollX, scrollX);
        // The next window reads the switch.
        frame->RunCommand(kCmdWindowNew);
        QVERIFY(frame->ActiveView() != view && frame->ActiveView()->State().BandSelect);
    }

    void panRightClickWheelAndSliderZoomKeepTheSliderInStep() {
        const int sx = view->State().ScrollX, sy = view->State().ScrollY;
        Drag(At(-3200, -3200), At(-3200, -3200) - QPoint(40, 20));
        QCOMPARE(view->State().ScrollX, sx + 40);
        QCOMPARE(view->State().ScrollY, sy + 20);

        QTest::mousePress(view, Qt::RightButton, {}, At(1600, 0));
        QTest::mouseRelease(view, Qt::RightButton, {}, At(1600, 0));
        QCOMPARE(view->State().Zoom, 70);
        QCOMPARE(Slider()->value(), 70);
        Slider()->setValue(60);
        QCOMPARE(view->State().Zoom, 60);

        // The wheel zooms; a fine wheel adds up to a notch.
        const QPoint at(200, 150);
        Wheel(at, QPoint(0, 120));
        QCOMPARE(Slider()->value(), 70);
        Wheel(at, QPoint(0, -60));
        QCOMPARE(view->State().Zoom, 70);
        Wheel(at, QPoint(0, -60));
        QCOMPARE(view->State().Zoom, 60);
        // Ctrl scrolls up and down, Shift across; the zoom stays.
        const int wx = view->State().ScrollX, wy = view->State().ScrollY;
        Wheel(at, QPoint(0, 120), Qt::ControlModifier);
        QVERIFY(view->State().ScrollY < wy);
        QCOMPARE(view->State().ScrollX, wx);
        Wheel(at, QPoint(0, -120), Qt::ShiftModifier);
        QVERIFY(view->State().ScrollX > wx);
        QCOMPARE(view->State().Zoom, 60);
        QVERIFY(!doc->IsModified());

        // In 3D the slider holds the 3D zoom, and the cursor turns the view.
        frame->RunCommand(kCmdView3D);
        QCOMPARE(Slider()->minimum(), -970);
        QCOMPARE(Slider()->value(), 100);
        QCOMPARE(view->cursor().shape(), Qt::BitmapCursor);
        frame->RunCommand(kCmdViewTop);
        QCOMPARE(Slider()->minimum(), 2);
        QCOMPARE(Slider()->value(), 60);
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
    }

    void switchesAreStoredAndReadByTheNextView() {
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdGrid3D)->isEnabled());
        frame->Action(kCmdShowFGNames)->trigger();
        QVERIFY(!frame->Action(kCmdShowFGNames)->isChecked());
        frame->RunCommand(kCmdView3D);
        frame->Action(kCmdGrid3D)->trigger();
        frame->Action(kCmdShowWaypoints)->trigger();
        QVERIFY(view->State().ShowWaypoints);

        // A second window reads the stored switches; waypoints are per window.
        frame->RunCommand(kCmdWindowNew);
        CQVView* second = frame->ActiveView();
        QVERIFY(second != view);
        QVERIFY(!second->State().ShowFGNames && !second->State().ShowGrid3D);
        QVERIFY(!second->State().ShowWaypoints);
    }

    void everyWindowOfTheMissionFollowsADrag() {
        CQVView* first = view;
        frame->RunCommand(kCmdWindowNew);
        frame->RunCommand(kCmdWindowTile);
        QMdiArea* mdi = frame->MdiArea();
        for (QMdiSubWindow* w : mdi->subWindowList()) {
            mdi->setActiveSubWindow(w);
            frame->RunCommand(kCmdViewCenter);
        }
        view = frame->ActiveView();
        QVERIFY(view != first);
        first->repaint();
        const QImage before = first->Frame();
        QSignalSpy changes(doc, &CQVDoc::changed);
        const QPoint start = AtFg(0);
        const auto record = Fg(0).File.Bytes;
        Drag(start, start + QPoint(0, 60));
        QVERIFY(doc->IsModified());
        QCOMPARE(changes.count(), 1);  // one drag, one edit
        // The other window redraws the new place, and one Undo takes it back.
        QCoreApplication::processEvents();
        QVERIFY(first->Frame() != before);
        const QImage dragged = first->Frame();
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!doc->IsModified());
        QVERIFY(Fg(0).File.Bytes == record);  // a record: the window's size may settle
        QCoreApplication::processEvents();
        QVERIFY(first->Frame() != dragged);
    }

    void zoomToFitFromTheMenuAndTheHomeKey() {
        // D lies 50 km out: after the fit everything is in the window.
        QVERIFY(!view->OffersZoomToFit());
        frame->RunCommand(kCmdZoomToFit);
        for (int i = 0; i < 4; ++i) QVERIFY(view->rect().contains(AtFg(i)));
        QCOMPARE(Slider()->value(), view->State().Zoom);

        // Home fits while the map has the keyboard, and only then.
        frame->RunCommand(kCmdViewCenter);
        QTest::keyClick(view, Qt::Key_Home);
        QVERIFY(view->rect().contains(AtFg(3)));
        auto* other = new QPushButton(frame->LevelBar());
        other->show();
        other->setFocus();
        frame->RunCommand(kCmdViewCenter);
        QTest::keyClick(other, Qt::Key_Home);
        QVERIFY(!view->rect().contains(AtFg(3)));
    }

    void aMissionThatOpensWithNothingInViewIsOfferedZoomToFit() {
        for (bool byButton : {true, false}) {
            const QString far = dir.filePath(byButton ? "far.tie" : "again.tie");
            QVERIFY(WriteMissionFile(far, {{"E", 16000, 16000}, {"F", 20000, 12000}}));
            doc = frame->OpenDocumentFile(far);
            QVERIFY(doc);
            view = frame->ActiveView();
            view->repaint();
            QVERIFY(view->OffersZoomToFit());
            if (byButton) {
                auto* fit = view->findChild<QPushButton*>();
                QVERIFY(fit);
                fit->click();
                QVERIFY(view->rect().contains(AtFg(0)) && view->rect().contains(AtFg(1)));
            } else {
                // Any other change of the view takes the offer away as well.
                frame->RunCommand(kCmdZoomOut);
            }
            view->repaint();
            QVERIFY(!view->OffersZoomToFit());
        }
    }

    void zoomShortcutsFireOnTheKeypadAndTheMainKeys() {
        const std::pair<QKeyCombination, int> presses[] = {
            {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus, 70},
            {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus, 60},
            {Qt::ControlModifier | Qt::Key_Equal, 70},
            {Qt::ControlModifier | Qt::Key_Plus, 80},
            {Qt::ControlModifier | Qt::Key_Minus, 70}};
        for (auto [key, zoom] : presses) {
            QTest::keyClick(view, key.key(), key.keyboardModifiers());
            QCOMPARE(view->State().Zoom, zoom);
        }
        // X11 may drop a keypad key's flag: the plain key must be a shortcut too.
        for (int id : {kCmdZoomIn, kCmdZoomOut}) {
            const QList<QKeySequence> keys = frame->Action(id)->shortcuts();
            for (const QKeySequence& k : keys) {
                if (!(k[0].keyboardModifiers() & Qt::KeypadModifier)) continue;
                const QKeyCombination plain(k[0].keyboardModifiers() & ~Qt::KeypadModifier,
                                            k[0].key());
                QVERIFY(keys.contains(QKeySequence(plain)));
            }
        }
        // The menu shows keys one can read.
        QCOMPARE(frame->Action(kCmdZoomIn)->shortcut().toString(QKeySequence::PortableText),
                 QStringLiteral("Ctrl++"));
        QCOMPARE(frame->Action(kCmdZoomOut)->shortcut().toString(QKeySequence::PortableText),
                 QStringLiteral("Ctrl+-"));
    }

    void cascadeAndTileGiveUsableMapsThatStillShowTheMission() {
        frame->RunCommand(kCmdWindowNew);
        frame->RunCommand(kCmdWindowNew);
        const QSize area = frame->MdiArea()->viewport()->size();
        for (int id : {kCmdWindowCascade, kCmdWindowTile}) {
            frame->RunCommand(id);
            for (QMdiSubWindow* w : frame->MdiArea()->subWindowList()) {
                auto* map = qobject_cast<CQVView*>(w->widget());
                QVERIFY(map);
                QVERIFY(map->width() >= area.width() / 3 && map->height() >= area.height() / 3);
                // The origin, at the centre when the windows opened, still is.
                const ScreenPoint o = ScreenFromWorld(map->State(), 0, 0, 0);
                QVERIFY(qAbs(o.x - map->width() / 2) <= 1);
                QVERIFY(qAbs(o.y - map->height() / 2) <= 1);
            }
        }
    }

    void viewSelectionCentresTheSelectionOnCtrlBackslash() {
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdViewSelection)->isEnabled());
        Click(AtFg(3));
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdViewSelection)->isEnabled());
        // Ctrl+\ arrives as its character.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Backslash, Qt::ControlModifier,
                      QStringLiteral("\x1c"));
        frame->activateWindow();
        QApplication::sendEvent(view, &key);
        const QPoint d = AtFg(3);
        QVERIFY(qAbs(d.x() - view->width() / 2) <= 1);
        QVERIFY(qAbs(d.y() - view->height() / 2) <= 1);
    }

    void selectAllNoneAndInvertReachEveryFlightGroup() {
        // C and D have no point on the map: no band can reach them.
        Rec(2).SetWaypointEnabled(0, 0);
        Rec(3).SetWaypointEnabled(0, 0);
        doc->RefreshAll();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(SelectedFgs(), std::vector<int>({0, 1, 2, 3}));
        QCOMPARE(Rows(FgList(), true), std::vector<int>({0, 1, 2, 3}));

        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(SelectedFgs().empty() && Rows(FgList(), true).empty());

        // Invert from the menu after a click on the map.
        Click(AtFg(1));
        QCOMPARE(SelectedFgs(), std::vector<int>({1}));
        frame->UpdateCommandUI();
        frame->Action(kCmdEditInvertSelection)->trigger();
        QCOMPARE(SelectedFgs(), std::vector<int>({0, 2, 3}));

        // Ctrl+A in the list selects them all as well.
        FgList()->setFocus();
        QTest::keyClick(FgList(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(SelectedFgs(), std::vector<int>({0, 1, 2, 3}));
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdEditSelectAll)->isEnabled());
        QVERIFY(frame->Action(kCmdEditSelectNone)->isEnabled());
    }

    void findNarrowsTheListsAndEnterSelectsExactlyWhatIsShown() {
        QVERIFY(doc->Level().AddFlightGroup());
        const char* names[] = {"Thistle", "Red", "thistle two", "Gold", "Blue"};
        for (int i = 0; i < 5; ++i) {
            Rec(i).SetName(names[i]);
            Rec(i).SetCraftType(i == 1 ? 2 : 1);  // a Y-wing among X-wings
            Fg(i).Selected = i == 4;
        }
        Rec(3).SetTeam(1);  // Rebel
        doc->RefreshAll();
        QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
        CListFindBox* box = FindBox(CLevelPropertiesSheet::kFlightGroupTab);
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(box->placeholderText().contains(QStringLiteral("Ctrl+E")));

        const std::pair<QString, std::vector<int>> cases[] = {
            {"THIS", {0, 2}},  // by name, in any case
            {"y-wing", {1}},   // by craft
            {"rebel", {3}},    // by team
            {"4", {4}},        // by number
            {"", {0, 1, 2, 3, 4}},
        };
        for (const auto& [typed, shown] : cases) {
            box->clear();
            QTest::keyClicks(box, typed);
            QCOMPARE(Rows(FgList(), false), shown);
        }
        // Typing selects nothing; Enter selects the shown and only those.
        QTest::keyClicks(box, QStringLiteral("thistle"));
        QCOMPARE(SelectedFgs(), std::vector<int>({4}));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(SelectedFgs(), std::vector<int>({0, 2}));
        QCOMPARE(Fg(0).PointSelected[0], 1u);
        // The list narrows after an edit too; Escape shows everything again.
        frame->RunCommand(kCmdNewFlightGroup);
        QCOMPARE(Rows(FgList(), false), std::vector<int>({0, 2}));
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(Rows(FgList(), false).size(), size_t(6));
        // The button at the box's end is there while it holds text, and empties it.
        const auto buttons = box->actions();
        QCOMPARE(buttons.size(), qsizetype(1));
        QVERIFY(!buttons[0]->isVisible());
        QTest::keyClicks(box, QStringLiteral("gold"));
        QVERIFY(buttons[0]->isVisible());
        buttons[0]->trigger();
        QVERIFY(box->text().isEmpty());
        QVERIFY(!buttons[0]->isVisible());
        QCOMPARE(Rows(FgList(), false).size(), size_t(6));

        // The Messages tab has its own box, for the message texts.
        for (const char* text : {"1Hold position", "2Attack now", "Attack the carrier"}) {
            const int m = doc->Level().AddRadioMessage();
            M().Messages[size_t(m)]->File.SetText(text);
        }
        frame->LevelBar()->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
        doc->RefreshAll();
        QVERIFY(Activate());
        QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
        CListFindBox* messages = FindBox(CLevelPropertiesSheet::kMessagesTab);
        QCOMPARE(QApplication::focusWidget(), messages);
        QTest::keyClicks(messages, QStringLiteral("ATTACK"));
        QCOMPARE(Rows(List(CLevelPropertiesSheet::kMessagesTab, LevelMessagesPage::kList), false),
                 std::vector<int>({1, 2}));
        QTest::keyClick(messages, Qt::Key_Return);
        QCOMPARE(frame->LevelBar()->CurrentMessage(), 1);
    }

    void aHistoryClickMovesAsManyStepsAtOnce() {
        frame->RunCommand(kCmdNewFlightGroup);  // 1
        doc->Level().SetModified(false);        // saved here
        frame->RunCommand(kCmdNewMessage);      // 2
        frame->RunCommand(kCmdEditSelectAll);
        QTest::keyClick(view, Qt::Key_Right);      // 3
        frame->RunCommand(kCmdEditDuplicate);      // 4
        frame->RunCommand(kCmdDeleteFlightGroup);  // 5
        QCOMPARE(doc->Level().History().Size(), size_t(5));

        // What three Undos give.
        const std::vector<uint8_t> now = Bytes();
        for (int i = 0; i < 3; ++i) frame->RunCommand(kCmdEditUndo);
        const std::vector<uint8_t> threeBack = Bytes();
        for (int i = 0; i < 3; ++i) frame->RunCommand(kCmdEditRedo);
        QCOMPARE(Bytes(), now);

        frame->RunCommand(kCmdViewHistory);
        QVERIFY(!frame->History().Dock()->isHidden());
        QListWidget* list = frame->History().Bar()->List();
        QCOMPARE(list->count(), 6);
        QCOMPARE(list->item(5)->text(), QString::fromStdString(doc->Level().UndoName()));
        QVERIFY(list->item(5)->font().bold());
        QCOMPARE(list->item(1)->toolTip(), QStringLiteral("Saved"));
        // A spy: closing the mission in cleanup() signals again.
        QSignalSpy contentSignals(doc, &CQVDoc::changed);

        auto click = [&](int row) {
            const QRect r = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        };
        click(2);
        QCOMPARE(Bytes(), threeBack);
        QCOMPARE(contentSignals.count(), 1);  // one move, heard of once
        QVERIFY(list->item(2)->font().bold() && !list->item(5)->font().bold());
        QVERIFY(doc->IsModified() && frame->isWindowModified());
        // To the saved state and forward again, as Undo and Redo would.
        click(1);
        QVERIFY(!doc->IsModified() && !frame->isWindowModified());
        click(5);
        QCOMPARE(Bytes(), now);
        QVERIFY(doc->IsModified());
        // Every change shows: a new step ends the list.
        frame->RunCommand(kCmdNewMessage);
        QCOMPARE(list->count(), 7);
        QVERIFY(list->item(6)->font().bold());
    }

    void ctrlDDuplicatesBesideTheSelectionAtTheToolbarsSnap() {
        frame->MapBar()->SnapList()->setCurrentIndex(5);  // 0.5 km
        Click(AtFg(0));
        QTest::keyClick(view, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(SelectedFgs(), std::vector<int>({4}));
        QCOMPARE(int(Rec(4).WaypointX(0)), 80);
        QCOMPARE(int(Rec(4).WaypointY(0)), 80);
        QCOMPARE(FgList()->count(), 5);
    }

    void arrowKeysMoveTheSelectionAndARunIsOneUndo() {
        const std::vector<uint8_t> start = Bytes();
        frame->MapBar()->SnapList()->setCurrentIndex(5);  // 0.5 km = 80 raw
        Click(AtFg(0));
        Click(AtFg(1), Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(int(Rec(0).WaypointX(0)), 160);
        QCOMPARE(int(Rec(0).WaypointY(0)), -800);  // y grows downward in Top
        QCOMPARE(int(Rec(1).WaypointX(0)), 480);
        QCOMPARE(int(Rec(2).WaypointX(0)), 0);
        QCOMPARE(doc->Level().History().Size(), size_t(1));
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(Bytes(), start);

        // A pause or another kind of edit ends the run.
        QTest::keyClick(view, Qt::Key_Left);
        view->EndMoveRun();
        QTest::keyClick(view, Qt::Key_Left);
        frame->RunCommand(kCmdNewMessage);
        Click(AtFg(0));
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(doc->Level().History().Size(), size_t(4));
        QCOMPARE(int(Rec(0).WaypointX(0)), -240);
    }
};

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"
