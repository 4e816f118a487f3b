#pragma once

#include <QtTest>
#include <memory>
#include <vector>

#include "UiFakes.h"
#include "app/CMainFrame.h"
#include "app/RecentFiles.h"
#include "map/Projection.h"
#include "map/ui/CQVView.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

namespace vantorel::testing {

// The editor as most widget tests want it: fake services, the main window
// shown at 1200x800 with one new mission (or the file given), no zoom to
// each selection and no question before a delete. A test class derives from
// it (after QObject) and calls Start in init() and Stop in cleanup().
struct EditorFixture {
    std::unique_ptr<FakeServices> f;
    std::unique_ptr<RecentFiles> recent;
    std::unique_ptr<CMainFrame> frame;
    CQVDoc* doc = nullptr;

    void Start(const QString& open = {}) {
        f = std::make_unique<FakeServices>();
        f->settings.SetInt("Settings", "AutoSelZoom", 0);
        f->settings.SetInt("Settings", "ConfirmDelete", 0);
        recent = std::make_unique<RecentFiles>(f->settings, 8);
        frame = std::make_unique<CMainFrame>(f->services, *recent, nullptr);
        frame->resize(1200, 800);
        frame->show();
        doc = open.isEmpty() ? frame->NewDocument() : frame->OpenDocumentFile(open);
    }
    Mission& M() { return doc->GetMission(); }
    FlightGroup& Fg(int i) { return *M().FlightGroups[size_t(i)]; }
    FlightGroupRecord& Rec(int i) { return Fg(i).File; }
    std::vector<int> SelectedFgs() {
        std::vector<int> selected;
        for (int i = 0; i < M().CountFlightGroups(); ++i)
            if (Fg(i).Selected) selected.push_back(i);
        return selected;
    }
    // The pixel of a raw point, and of a flight group's start, on the active map.
    QPoint At(int x, int y, int z = 0) {
        const ScreenPoint p =
            ScreenFromWorld(frame->ActiveView()->State(), x / 160.0, y / 160.0, z / 160.0);
        return {p.x, p.y};
    }
    QPoint AtFg(int i) { return At(Rec(i).WaypointX(0), Rec(i).WaypointY(0), Rec(i).WaypointZ(0)); }
    void Click(QPoint p, Qt::KeyboardModifiers keys = {}) {
        QTest::mousePress(frame->ActiveView(), Qt::LeftButton, keys, p);
        QTest::mouseRelease(frame->ActiveView(), Qt::LeftButton, keys, p);
    }
    // Gives the main window the keyboard and the active map the focus, as a
    // user's click on the map would.
    bool Activate() {
        frame->activateWindow();
        frame->ActiveView()->setFocus();
        return QTest::qWaitForWindowActive(frame.get());
    }
    // What Edit > Undo offers now.
    QString UndoText() {
        frame->UpdateCommandUI();
        return frame->Action(kCmdEditUndo)->text();
    }
    // Every mission is closed without its save question.
    void Stop() {
        if (!frame) return;
        for (CQVDoc* d : frame->Documents()) d->SetModifiedFlag(false);
        frame.reset();
    }
};

}  // namespace vantorel::testing
