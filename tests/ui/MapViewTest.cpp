#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "UiFakes.h"
#include "UiMissions.h"
#include "app/CMainFrame.h"
#include "app/CMapToolbar.h"
#include "app/RecentFiles.h"
#include "map/Projection.h"
#include "map/ZoomToFit.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

using namespace vantorel;
using namespace vantorel::testing;

// A main frame with one mission open: flight groups A at the origin, B two
// km to the right, C two km down, D far away. Everything is driven through
// window events, as a user would.
class MapViewTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<FakeServices> f;
    std::unique_ptr<RecentFiles> recent;
    std::unique_ptr<CMainFrame> frame;
    CQVView* view = nullptr;
    CQVDoc* doc = nullptr;

    FlightGroup& Fg(int i) { return *doc->GetMission().FlightGroups[size_t(i)]; }
    // The pixel of a raw point in the current flat view.
    QPoint At(int x, int y, int z = 0) {
        ScreenPoint p = ScreenFromWorld(view->State(), x / 160.0, y / 160.0, z / 160.0);
        return {p.x, p.y};
    }
    QPoint AtFg(int i) {
        return At(Fg(i).File.WaypointX(0), Fg(i).File.WaypointY(0), Fg(i).File.WaypointZ(0));
    }
    void Click(QPoint p, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(view, Qt::LeftButton, m, p);
        QTest::mouseRelease(view, Qt::LeftButton, m, p);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = {},
              Qt::KeyboardModifiers atRelease = {}) {
        QTest::mousePress(view, Qt::LeftButton, m, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, atRelease, to);
    }
    void RightClick(QPoint p, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(view, Qt::RightButton, m, p);
        QTest::mouseRelease(view, Qt::RightButton, m, p);
    }
    bool Sel(int i) { return Fg(i).Selected != 0; }
    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers m = {}) {
        QWheelEvent e(at, view->mapToGlobal(at), QPoint(), angle, Qt::NoButton, m,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &e);
    }
    // Gives the main window the keyboard, as a user's click on it would.
    bool Activate() {
        frame->activateWindow();
        view->setFocus();
        return QTest::qWaitForWindowActive(frame.get());
    }

private slots:
    void init() {
        path = dir.filePath(QStringLiteral("four.tie"));
        QVERIFY(
            WriteMissionFile(path, {{"A", 0, 0}, {"B", 320, 0}, {"C", 0, 320}, {"D", 8000, 8000}}));
        f = std::make_unique<FakeServices>();
        recent = std::make_unique<RecentFiles>(f->settings, 8);
        frame = std::make_unique<CMainFrame>(f->services, *recent, nullptr);
        frame->resize(1200, 800);
        frame->show();
        doc = frame->OpenDocumentFile(path);
        QVERIFY(doc);
        view = frame->ActiveView();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }
    void cleanup() {
        frame.reset();
        recent.reset();
        f.reset();
    }

    void openingShowsTheMissionCentred() {
        const ViewState& s = view->State();
        QCOMPARE(s.Angle, int(kAngleTop));
        QCOMPARE(s.Zoom, 60);
        QVERIFY(s.Width > 0 && s.Height > 0);
        QCOMPARE(s.ScrollX, 250 * 60 - s.Width / 2);
        QCOMPARE(s.ScrollY, 250 * 60 - s.Height / 2);
        QCOMPARE(frame->LevelBar()->CurrentDocument(), doc);
        QVERIFY(!frame->LevelBar()->ShowsNoLevelText());
        QCOMPARE(frame->MapBar()->ZoomSlider()->minimum(), 2);
        QCOMPARE(frame->MapBar()->ZoomSlider()->value(), 60);
        QVERIFY(frame->windowTitle().contains(QStringLiteral("four.tie")));
        QCOMPARE(recent->Files().size(), size_t(1));
        // The map was drawn: the frame holds the grid's main lines.
        view->repaint();
        QVERIFY(!view->Frame().isNull());
        QCOMPARE(view->Frame().pixelColor(At(0, -800).x(), At(0, -800).y()), QColor(255, 0, 0));

        // The coordinate read-out follows the mouse.
        QTest::mouseMove(view, At(0, 0));
        QCOMPARE(frame->CoordinatePane()->text(), QStringLiteral("0.00, 0.00"));
    }

    void clicksSelectAndCtrlAdds() {
        Click(AtFg(0));
        QVERIFY(Sel(0) && Fg(0).PointSelected[0]);
        QVERIFY(!Sel(1));
        Click(AtFg(1), Qt::ControlModifier);
        QVERIFY(Sel(0) && Sel(1));
        Click(AtFg(2));
        QVERIFY(!Sel(0) && !Sel(1) && Sel(2));
        // Empty space clears.
        Click(At(-3200, -3200));
        QVERIFY(!Sel(2));
        QVERIFY(!doc->IsModified());
    }

    void dragsMoveTheSelectedPointsWithAndWithoutSnap() {
        Click(AtFg(0));
        Click(AtFg(1), Qt::ControlModifier);
        // 30 pixels right and 15 down at zoom 60: 0.5 and 0.25 km.
        Drag(AtFg(0), AtFg(0) + QPoint(30, 15));
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 80);
        QCOMPARE(int(Fg(0).File.WaypointY(0)), 40);
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 400);
        QCOMPARE(int(Fg(2).File.WaypointX(0)), 0);
        QVERIFY(doc->IsModified());
        QVERIFY(frame->windowTitle().contains(QStringLiteral("*")) || frame->isWindowModified());

        // Snap to 0.5 km, chosen in the toolbar's list and stored at once.
        frame->MapBar()->SnapList()->setCurrentIndex(5);
        QCOMPARE(f->settings.GetInt("Settings", "Snap", 0), 5);
        QCOMPARE(view->State().SnapIndex, 5);
        Click(AtFg(0));
        Drag(AtFg(0), AtFg(0) + QPoint(20, 0));  // asks for x = 80 + 53, snaps to 160
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 160);
        // The grabbed point lands on the grid in both directions.
        QCOMPARE(int(Fg(0).File.WaypointY(0)), 80);
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 400);  // no longer selected
        QCOMPARE(Fg(0).MapState, 0u);
    }

    void aReleaseTheWindowNeverSawEndsTheDrag() {
        // The button came up while another window had the mouse (a window
        // switch mid-drag): moving over the map afterwards moves nothing.
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

    void altBandsSelectToggleAndAdd() {
        Click(AtFg(0));
        Click(AtFg(1), Qt::ControlModifier);
        // A band round A, B and C with Shift: A and B go, C comes.
        const QPoint from = At(-160, -160), to = At(480, 480);
        QTest::mousePress(view, Qt::LeftButton, Qt::AltModifier, from);
        QCOMPARE(frame->MessagePane()->text(),
                 QStringLiteral("Hold down control to add to the current selection or shift to "
                                "toggle selection"));
        QTest::mouseMove(view, to);
        // The band is drawn over the frame on the window only.
        QCOMPARE(view->State().MouseMode, int(kMouseBand));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, to);
        QVERIFY(!Sel(0) && !Sel(1) && Sel(2) && !Sel(3));
        QCOMPARE(frame->MessagePane()->text(), QString());

        // With Ctrl a band round D adds it.
        Drag(At(7900, 7900), At(8100, 8100), Qt::AltModifier, Qt::ControlModifier);
        QVERIFY(Sel(2) && Sel(3));
        // Without keys a band replaces the selection.
        Drag(At(-100, -100), At(100, 100), Qt::AltModifier);
        QVERIFY(Sel(0) && !Sel(2) && !Sel(3));
    }

    void bandInFrontViewSelectsAMarker() {
        frame->RunCommand(kCmdViewFront);
        QCOMPARE(view->State().Angle, int(kAngleFront));
        Drag(AtFg(0) - QPoint(10, 10), AtFg(0) + QPoint(10, 10), Qt::AltModifier);
        QVERIFY(Sel(0));
        QVERIFY(!Sel(1));
    }

    void panningAndRightClickZoom() {
        const int sx = view->State().ScrollX, sy = view->State().ScrollY;
        Drag(At(-3200, -3200), At(-3200, -3200) - QPoint(40, 20));
        QCOMPARE(view->State().ScrollX, sx + 40);
        QCOMPARE(view->State().ScrollY, sy + 20);
        QVERIFY(!doc->IsModified());

        RightClick(At(1600, 0));
        QCOMPARE(view->State().Zoom, 70);
        QCOMPARE(frame->MapBar()->ZoomSlider()->value(), 70);
        // The clicked point comes to the middle of the window.
        QVERIFY(qAbs(At(1600, 0).x() - view->width() / 2) <= 70);
        RightClick(At(1600, 0), Qt::ControlModifier);
        QCOMPARE(view->State().Zoom, 60);

        // The slider zooms about the centre.
        frame->MapBar()->ZoomSlider()->setValue(120);
        QCOMPARE(view->State().Zoom, 120);
    }

    void sliderFollowsTheAngleAndRotationStaysInRange() {
        frame->RunCommand(kCmdView3D);
        QCOMPARE(frame->MapBar()->ZoomSlider()->minimum(), -970);
        QCOMPARE(frame->MapBar()->ZoomSlider()->maximum(), 1000);
        QCOMPARE(frame->MapBar()->ZoomSlider()->value(), 100);
        QCOMPARE(view->cursor().shape(), Qt::BitmapCursor);

        // Dragging turns the view; pitch stops at 90, yaw wraps.
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(200, 300));
        QTest::mouseMove(view, QPoint(200, 100));
        QTest::mouseMove(view, QPoint(340, 100));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(340, 100));
        QCOMPARE(view->State().PitchDegrees, 90);
        QCOMPARE(view->State().YawDegrees, (225 - 140 + 360) % 360);
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(view, QPoint(10, 400));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(10, 400));
        QCOMPARE(view->State().PitchDegrees, 0);
        // A 3D click selects nothing.
        QVERIFY(!Sel(0));

        frame->RunCommand(kCmdViewTop);
        QCOMPARE(frame->MapBar()->ZoomSlider()->minimum(), 2);
        QCOMPARE(frame->MapBar()->ZoomSlider()->value(), 60);
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
    }

    void switchesAreStoredAndReadByTheNextView() {
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdShowFGNames)->isChecked());
        QVERIFY(!frame->Action(kCmdGrid3D)->isEnabled());
        frame->Action(kCmdShowFGNames)->trigger();
        QCOMPARE(f->settings.GetInt("Settings", "ShowFGNames", 1), 0);
        QVERIFY(!frame->Action(kCmdShowFGNames)->isChecked());
        frame->RunCommand(kCmdView3D);
        QVERIFY(frame->Action(kCmdGrid3D)->isEnabled());
        frame->Action(kCmdGrid3D)->trigger();
        QCOMPARE(f->settings.GetInt("3D View", "Grid", 1), 0);
        frame->Action(kCmdShowWaypoints)->trigger();
        QVERIFY(view->State().ShowWaypoints);

        // A second window on the document reads the stored switches; the
        // waypoint switch is the first window's own.
        frame->RunCommand(kCmdWindowNew);
        CQVView* second = frame->ActiveView();
        QVERIFY(second != view);
        QVERIFY(!second->State().ShowFGNames);
        QVERIFY(!second->State().ShowGrid3D);
        QVERIFY(second->State().ShowStalks);
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
        // The other window shows the new place too, not the frame it drew
        // before the drag.
        QCoreApplication::processEvents();
        QVERIFY(first->Frame() != before);
        // And one undo takes the whole drag back.
        const QImage dragged = first->Frame();
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(!doc->IsModified());
        // (The window's own size may settle meanwhile, so the place is the
        // record's, not a pixel.)
        QVERIFY(Fg(0).File.Bytes == record);
        QCoreApplication::processEvents();
        QVERIFY(first->Frame() != dragged);
    }

    void theWheelZoomsAboutTheMouseAndScrollsWithCtrlOrShift() {
        const QPoint at(200, 150);
        const WorldPair before = WorldFromScreen(view->State(), at.x(), at.y());
        Wheel(at, QPoint(0, 120));
        QCOMPARE(view->State().Zoom, 70);
        QCOMPARE(frame->MapBar()->ZoomSlider()->value(), 70);
        WorldPair after = WorldFromScreen(view->State(), at.x(), at.y());
        QVERIFY(qAbs(after.first - before.first) <= 1.0 / 70);
        QVERIFY(qAbs(after.second - before.second) <= 1.0 / 70);
        // A fine wheel adds up to a notch: two halves are one step out.
        Wheel(at, QPoint(0, -60));
        QCOMPARE(view->State().Zoom, 70);
        Wheel(at, QPoint(0, -60));
        QCOMPARE(view->State().Zoom, 60);

        // Ctrl scrolls up and down, Shift across; the zoom stays.
        const int sx = view->State().ScrollX, sy = view->State().ScrollY;
        Wheel(at, QPoint(0, 120), Qt::ControlModifier);
        QVERIFY(view->State().ScrollY < sy);
        QCOMPARE(view->State().ScrollX, sx);
        Wheel(at, QPoint(0, -120), Qt::ShiftModifier);
        QVERIFY(view->State().ScrollX > sx);
        QCOMPARE(view->State().Zoom, 60);
        QVERIFY(!doc->IsModified());
    }

    void aClickThatTremblesMovesNothingAndRecordsNothing() {
        QVERIFY(QApplication::startDragDistance() > 1);
        const QPoint a = AtFg(0);
        QTest::mousePress(view, Qt::LeftButton, {}, a);
        QTest::mouseMove(view, a + QPoint(1, 0));
        QTest::mouseMove(view, a + QPoint(1, 1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, a + QPoint(1, 1));
        QVERIFY(Sel(0));
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 0);
        QCOMPARE(int(Fg(0).File.WaypointY(0)), 0);
        QVERIFY(!doc->IsModified());
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdEditUndo)->isEnabled());
    }

    void zoomToFitFromTheMenuAndTheHomeKey() {
        // D lies 50 km out: after the fit everything is in the window.
        QVERIFY(!view->OffersZoomToFit());
        frame->UpdateCommandUI();
        QVERIFY(frame->Action(kCmdZoomToFit)->isEnabled());
        frame->RunCommand(kCmdZoomToFit);
        QVERIFY(view->State().Zoom < 60);
        for (int i = 0; i < 4; ++i) QVERIFY(view->rect().contains(AtFg(i)));
        QCOMPARE(frame->MapBar()->ZoomSlider()->value(), view->State().Zoom);

        // Home while the map has the keyboard; elsewhere Home is the key of
        // the window that has it.
        QVERIFY(Activate());
        const int zoom = view->State().Zoom;
        frame->RunCommand(kCmdViewCenter);
        QTest::keyClick(view, Qt::Key_Home);
        QVERIFY(view->rect().contains(AtFg(3)));
        QCOMPARE(view->State().Zoom, zoom);
        auto* other = new QPushButton(frame->LevelBar());
        other->show();
        other->setFocus();
        frame->RunCommand(kCmdViewCenter);
        QTest::keyClick(other, Qt::Key_Home);
        QVERIFY(!view->rect().contains(AtFg(3)));
    }

    void aMissionThatOpensWithNothingInViewIsOfferedZoomToFit() {
        const QString far = dir.filePath(QStringLiteral("far.tie"));
        QVERIFY(WriteMissionFile(far, {{"E", 16000, 16000}, {"F", 20000, 12000}}));
        CQVDoc* other = frame->OpenDocumentFile(far);
        QVERIFY(other);
        view = frame->ActiveView();
        doc = other;
        view->repaint();
        QVERIFY(view->OffersZoomToFit());
        auto* fit = view->findChild<QPushButton*>();
        QVERIFY(fit);
        fit->click();
        QVERIFY(view->rect().contains(AtFg(0)) && view->rect().contains(AtFg(1)));
        view->repaint();
        QVERIFY(!view->OffersZoomToFit());

        // Any other change of the view takes the offer away as well.
        const QString again = dir.filePath(QStringLiteral("again.tie"));
        QVERIFY(WriteMissionFile(again, {{"G", -16000, 0}}));
        QVERIFY(frame->OpenDocumentFile(again));
        view = frame->ActiveView();
        view->repaint();
        QVERIFY(view->OffersZoomToFit());
        frame->RunCommand(kCmdZoomOut);
        view->repaint();
        QVERIFY(!view->OffersZoomToFit());
    }

    void zoomShortcutsFireOnTheKeypadAndTheMainKeys() {
        QVERIFY(Activate());
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(view->State().Zoom, 70);
        QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(view->State().Zoom, 60);
        QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(view->State().Zoom, 70);
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(view->State().Zoom, 80);
        QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(view->State().Zoom, 70);

        // Where the desktop hands keypad keys to the shortcuts without the
        // keypad flag (X11), Qt tries the key without it: that key must be
        // a shortcut of the same command.
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

    void theCoordinatePaneEmptiesIn3DAndHoldsTheWidestReadout() {
        QTest::mouseMove(view, At(160, 0));
        QCOMPARE(frame->CoordinatePane()->text(), QStringLiteral("1.00, 0.00"));
        frame->RunCommand(kCmdView3D);
        QCOMPARE(frame->CoordinatePane()->text(), QString());

        QLabel* pane = frame->CoordinatePane();
        pane->setText(QStringLiteral("-250.00, -250.00"));
        QVERIFY(pane->sizeHint().width() <= pane->width());
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
                QVERIFY(map->width() >= area.width() / 3);
                QVERIFY(map->height() >= area.height() / 3);
                // The origin, at the centre when the windows opened, still is.
                const ScreenPoint o = ScreenFromWorld(map->State(), 0, 0, 0);
                QVERIFY(qAbs(o.x - map->width() / 2) <= 1);
                QVERIFY(qAbs(o.y - map->height() / 2) <= 1);
            }
        }
    }

    void doubleClickAndViewSelection() {
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
};

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"
