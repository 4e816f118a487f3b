#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "mission/BriefingCommands.h"

class QLabel;
class QSlider;
class QToolButton;

namespace vantorel {

// The Briefing window's player: play and pause, stop (back to 0), one tick
// on, the previous and next event, the next stop point, and a time slider.
// Playing runs in real time at the game's 20 ticks a second: the clock asks
// the wall time where playback is, so a slow frame never slows the briefing.
// Whoever shows the briefing hears of each new tick through timeChanged.
class CBriefingPlayer : public QWidget {
    Q_OBJECT
public:
    explicit CBriefingPlayer(QWidget* parent = nullptr);

    // The briefing played; null plays nothing. The player keeps the
    // pointer until the next call.
    void SetScript(const BriefingScript* script);

    int Time() const { return time_; }
    // Jumps to a tick (held within 0 and the playback end).
    void SetTime(int tick);
    int End() const;

    bool Playing() const { return clock_.isActive(); }
    void Play();
    void Pause();
    void TogglePlay();
    // Back to 0, paused.
    void Stop();
    void StepTick();
    void PreviousEvent();
    void NextEvent();
    void NextStop();

    QToolButton* PlayButton() const { return play_; }
    QToolButton* StopButton() const { return stop_; }
    QToolButton* StepButton() const { return step_; }
    QToolButton* PreviousEventButton() const { return previous_; }
    QToolButton* NextEventButton() const { return next_; }
    QToolButton* NextStopButton() const { return nextStop_; }
    QSlider* Slider() const { return slider_; }
    QLabel* TimeLabel() const { return label_; }

signals:
    void timeChanged(int tick);

private:
    void OnClock();
    void UpdateControls();
    void UpdateTime();

    const BriefingScript* script_ = nullptr;
    int time_ = 0;
    QTimer clock_;
    QElapsedTimer wall_;
    int playedFrom_ = 0;
    QToolButton* play_;
    QToolButton* stop_;
    QToolButton* step_;
    QToolButton* previous_;
    QToolButton* next_;
    QToolButton* nextStop_;
    QSlider* slider_;
    QLabel* label_;
};

}  // namespace vantorel
