#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "EditorFixture.h"
#include "UiMissions.h"
#include "app/CMapToolbar.h"
#include "map/Projection.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"

using namespace vantorel;
using namespace vantorel::testing;

// A main frame with one mission open: flight groups A at the origin, B two
// km to the right, C two km down, D far away. Everything is driven through
// window events, as a user would; what the map does with them is the
// interaction's, tested on its own.
class MapViewTest : public QObject, EditorFixture {
    Q_OBJECT

    QTemporaryDir dir;
    CQVView* view = nullptr;

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
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(view, Qt::LeftButton, m, from);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, m, to);
    }
    bool Sel(int i) { return Fg(i).Selected != 0; }
    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers m = {}) {
        QWheelEvent e(at, view->mapToGlobal(at), QPoint(), angle, Qt::NoButton, m,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &e);
    }
    QSlider* Slider() { return frame->MapBar()->ZoomSlider(); }

private slots:
    void init() {
        const QString path = dir.filePath(QStringLiteral("four.tie"));
        QVERIFY(
            WriteMissionFile(path, {{"A", 0, 0}, {"B", 320, 0}, {"C", 0, 320}, {"D", 8000, 8000}}));
        Start(path);
        QVERIFY(doc);
        view = frame->ActiveView();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }
    void cleanup() { Stop(); }

    void openingShowsTheMissionCentredAndTheReadoutFollowsTheMouse() {
        const ViewState& s = view->State();
        QCOMPARE(s.Angle, int(kAngleTop));
        QCOMPARE(s.Zoom, 60);
        QVERIFY(s.Width > 0 && s.Height > 0);
        QCOMPARE(s.ScrollX, 250 * 60 - s.Width / 2);
        QCOMPARE(s.ScrollY, 250 * 60 - s.Height / 2);
        QCOMPARE(frame->LevelBar()->CurrentDocument(), doc);
        QCOMPARE(Slider()->minimum(), 2);
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
        // A click that trembles less than the platform's drag distance moves
        // nothing and records nothing.
        QVERIFY(QApplication::startDragDistance() > 1);
        QTest::mousePress(view, Qt::LeftButton, {}, AtFg(0));
        QTest::mouseMove(view, AtFg(0) + QPoint(1, 1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, AtFg(0) + QPoint(1, 1));
        QVERIFY(Sel(0) && !Sel(1));
        QVERIFY(!doc->IsModified());

        // A drag moves the selection: 30 pixels right at zoom 60 are 0.5 km.
        Click(AtFg(1), Qt::ControlModifier);
        Drag(AtFg(0), AtFg(0) + QPoint(30, 15));
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 400);
        QCOMPARE(int(Fg(2).File.WaypointX(0)), 0);
        QVERIFY(frame->isWindowModified());

        // Snap to 0.5 km, chosen in the toolbar's list and stored at once.
        frame->MapBar()->SnapList()->setCurrentIndex(5);
        QCOMPARE(f->settings.GetInt("Settings", "Snap", 0), 5);
        Click(AtFg(0));
        Drag(AtFg(0), AtFg(0) + QPoint(20, 0));  // asks for x = 80 + 53, snaps to 160
        QCOMPARE(int(Fg(0).File.WaypointX(0)), 160);
        QCOMPARE(int(Fg(1).File.WaypointX(0)), 400);  // no longer selected
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
        QVERIFY(!Sel(0) && !Sel(1) && Sel(2) && !Sel(3));
        QCOMPARE(frame->MessagePane()->text(), QString());
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

    void zoomToFitFromTheMenuAndTheHomeKey() {
        // D lies 50 km out: after the fit everything is in the window.
        QVERIFY(!view->OffersZoomToFit());
        frame->RunCommand(kCmdZoomToFit);
        for (int i = 0; i < 4; ++i) QVERIFY(view->rect().contains(AtFg(i)));
        QCOMPARE(Slider()->value(), view->State().Zoom);

        // Home while the map has the keyboard; elsewhere Home is the key of
        // the window that has it.
        QVERIFY(Activate());
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
        QVERIFY(Activate());
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
};

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"
