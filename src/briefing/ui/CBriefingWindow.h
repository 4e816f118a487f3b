#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "briefing/BriefingPaint.h"
#include "mission/BriefingCommands.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;

namespace vantorel {

class BriefingEventModel;
class BriefingTextModel;
class CBriefingMap;
class CBriefingPlayer;
class CQVDoc;

// Tools > Briefing: one mission's briefings, watched as the pilot will see
// them and edited as they play. At the top the briefing (1 to 8), the teams
// shown it, its running time and the words its events take; on the left the
// playback map with its player; on the right the events, strings and tags,
// each edited in place. Every change is one step of Undo made through the
// document; the window follows every change of the mission.
class CBriefingWindow : public QWidget {
    Q_OBJECT
public:
    explicit CBriefingWindow(CQVDoc* document, QWidget* parent = nullptr);
    ~CBriefingWindow() override;

    CQVDoc* Document() const { return document_; }
    int Briefing() const { return briefing_; }
    void SetBriefing(int briefing);
    // The event at this place of briefing `briefing`'s list, selected and
    // played up to (a double-click on a briefing problem).
    void ShowEvent(int briefing, int event);

    // The moment shown, in ticks; the player drives it while playing.
    int Time() const;
    void SetTime(int tick);

    // The window's commands, also on its buttons.
    void InsertEvent(int type);
    void DeleteSelectedEvents();
    void MoveSelectedEvent(int by);
    // Make Briefing on the briefing shown, after asking when it is not empty.
    void MakeBriefing();
    void MoveMapHere();
    void ZoomHere();
    // Tags the flight groups selected in the mission (or the one last
    // clicked on the briefing map) in the next free slots.
    void TagFlightGroups(std::vector<int> flightGroups = {});

    // Reads the mission again (the document's change signal calls it).
    void Refresh();

    // Parts, for the program and its tests.
    QComboBox* BriefingBox() const { return briefingBox_; }
    QCheckBox* TeamBox(int team) const { return teams_[size_t(team)]; }
    QDoubleSpinBox* RunningTimeBox() const { return runningTime_; }
    QLabel* WordsLabel() const { return words_; }
    QLabel* UnreadableLabel() const { return unreadable_; }
    CBriefingMap* Map() const { return map_; }
    CBriefingPlayer* Player() const { return player_; }
    QTabWidget* Tabs() const { return tabs_; }
    QTableView* Events() const { return events_; }
    QTableView* Strings() const { return strings_; }
    QTableView* Tags() const { return tags_; }
    QToolButton* InsertButton() const { return insert_; }
    QMenu* InsertMenu() const { return insertMenu_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* UpButton() const { return up_; }
    QPushButton* DownButton() const { return down_; }
    QCheckBox* ShiftLaterBox() const { return shiftLater_; }
    QPushButton* MakeButton() const { return make_; }
    QPushButton* MoveHereButton() const { return moveHere_; }
    QPushButton* ZoomHereButton() const { return zoomHere_; }
    QPushButton* TagButton() const { return tag_; }

signals:
    // A flight group was clicked on the briefing map: the program selects it.
    void flightGroupClicked(vantorel::CQVDoc* document, int flightGroup);
    // The window became the active one: Undo and Redo act on its mission.
    void activated(vantorel::CQVDoc* document);

protected:
    bool event(QEvent* event) override;

private:
    QWidget* MakeHeader();
    QWidget* MakeMapSide();
    QWidget* MakeListSide();
    void Wire();
    void UpdateTitle();
    void ShowMoment();
    std::vector<int> SelectedRows() const;
    void SelectRow(int row);
    // Where an event inserted now goes: after the selected one, or in time order.
    int InsertPosition() const;
    BriefingShown ShownNow() const;
    void OnMenu(QPoint at, BriefingHit hit);
    void OnTextTagMoved(int slot, int x, int y);

    QPointer<CQVDoc> document_;
    int briefing_ = 0;
    bool loading_ = false;
    int lastClicked_ = -1;

    QComboBox* briefingBox_ = nullptr;
    std::array<QCheckBox*, kBriefingTeamCount> teams_{};
    QDoubleSpinBox* runningTime_ = nullptr;
    QLabel* words_ = nullptr;
    QLabel* unreadable_ = nullptr;
    CBriefingMap* map_ = nullptr;
    CBriefingPlayer* player_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* events_ = nullptr;
    QTableView* strings_ = nullptr;
    QTableView* tags_ = nullptr;
    BriefingEventModel* eventModel_ = nullptr;
    BriefingTextModel* stringModel_ = nullptr;
    BriefingTextModel* tagModel_ = nullptr;
    QToolButton* insert_ = nullptr;
    QMenu* insertMenu_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    QCheckBox* shiftLater_ = nullptr;
    QPushButton* make_ = nullptr;
    QPushButton* moveHere_ = nullptr;
    QPushButton* zoomHere_ = nullptr;
    QPushButton* tag_ = nullptr;
    QPushButton* follow_ = nullptr;
};

}  // namespace vantorel
