#include "briefing/ui/CBriefingPlayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "briefing/BriefingPlayback.h"
#include "catalogue/BriefingText.h"

namespace vantorel {

namespace {

// A frame at 60 a second asks the clock three times a tick: a tick is never
// shown more than a few milliseconds late.
constexpr int kClockMilliseconds = 16;

QToolButton* MakeButton(QWidget* parent, QStyle::StandardPixmap picture, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setIcon(parent->style()->standardIcon(picture));
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

CBriefingPlayer::CBriefingPlayer(QWidget* parent) : QWidget(parent) {
    play_ = MakeButton(this, QStyle::SP_MediaPlay, tr("Play or pause (Space)"));
    stop_ = MakeButton(this, QStyle::SP_MediaStop, tr("Stop: back to the start"));
    step_ = MakeButton(this, QStyle::SP_MediaSeekForward, tr("One tick on (1/20 s)"));
    previous_ = MakeButton(this, QStyle::SP_MediaSkipBackward, tr("The previous event"));
    next_ = MakeButton(this, QStyle::SP_MediaSkipForward, tr("The next event"));
    nextStop_ = MakeButton(this, QStyle::SP_ArrowForward,
                           tr("The next stop point (where the game's Forward button goes)"));
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setToolTip(tr("The time in the briefing"));
    slider_->setPageStep(kBriefingTicksPerSecond);
    label_ = new QLabel(this);
    label_->setMinimumWidth(
        label_->fontMetrics().horizontalAdvance(QStringLiteral("00:00.00 / 00:00.00")));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(play_), static_cast<QWidget*>(stop_),
                       static_cast<QWidget*>(previous_), static_cast<QWidget*>(step_),
                       static_cast<QWidget*>(next_), static_cast<QWidget*>(nextStop_)})
        row->addWidget(w);
    row->addWidget(slider_, 1);
    row->addWidget(label_);

    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(kClockMilliseconds);
    connect(&clock_, &QTimer::timeout, this, &CBriefingPlayer::OnClock);
    connect(play_, &QToolButton::clicked, this, &CBriefingPlayer::TogglePlay);
    connect(stop_, &QToolButton::clicked, this, &CBriefingPlayer::Stop);
    connect(step_, &QToolButton::clicked, this, &CBriefingPlayer::StepTick);
    connect(previous_, &QToolButton::clicked, this, &CBriefingPlayer::PreviousEvent);
    connect(next_, &QToolButton::clicked, this, &CBriefingPlayer::NextEvent);
    connect(nextStop_, &QToolButton::clicked, this, &CBriefingPlayer::NextStop);
    connect(slider_, &QSlider::valueChanged, this, [this](int tick) {
        Pause();
        SetTime(tick);
    });
    UpdateControls();
}

void CBriefingPlayer::SetScript(const BriefingScript* script) {
    script_ = script;
    if (!script_) Pause();
    UpdateControls();
    SetTime(time_);  // the end may have come before it
}

int CBriefingPlayer::End() const {
    return script_ ? BriefingPlaybackEnd(*script_) : 0;
}

void CBriefingPlayer::SetTime(int tick) {
    tick = std::clamp(tick, 0, End());
    if (tick == time_) return;
    time_ = tick;
    UpdateTime();
    emit timeChanged(time_);
}

void CBriefingPlayer::Play() {
    if (!script_ || Playing()) return;
    // Play at the end starts again.
    if (time_ >= End()) SetTime(0);
    playedFrom_ = time_;
    wall_.start();
    clock_.start();
    UpdateControls();
}

void CBriefingPlayer::Pause() {
    if (!Playing()) return;
    clock_.stop();
    UpdateControls();
}

void CBriefingPlayer::TogglePlay() {
    Playing() ? Pause() : Play();
}

void CBriefingPlayer::Stop() {
    Pause();
    SetTime(0);
}

void CBriefingPlayer::StepTick() {
    Pause();
    SetTime(time_ + 1);
}

void CBriefingPlayer::PreviousEvent() {
    if (!script_) return;
    Pause();
    SetTime(PreviousBriefingEventTime(*script_, time_));
}

void CBriefingPlayer::NextEvent() {
    if (!script_) return;
    Pause();
    const int next = NextBriefingEventTime(*script_, time_);
    SetTime(next < 0 ? End() : next);
}

void CBriefingPlayer::NextStop() {
    if (!script_) return;
    Pause();
    SetTime(NextBriefingStopTime(*script_, time_));
}

void CBriefingPlayer::OnClock() {
    const int tick = playedFrom_ + int(wall_.elapsed() * kBriefingTicksPerSecond / 1000);
    if (tick >= End()) {
        Pause();
        SetTime(End());
        return;
    }
    SetTime(tick);
}

void CBriefingPlayer::UpdateControls() {
    const bool any = script_ != nullptr;
    for (QWidget* w :
         {static_cast<QWidget*>(play_), static_cast<QWidget*>(stop_), static_cast<QWidget*>(step_),
          static_cast<QWidget*>(previous_), static_cast<QWidget*>(next_),
          static_cast<QWidget*>(nextStop_), static_cast<QWidget*>(slider_)})
        w->setEnabled(any);
    play_->setIcon(style()->standardIcon(Playing() ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    UpdateTime();
}

void CBriefingPlayer::UpdateTime() {
    {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(0, End());
        slider_->setValue(time_);
    }
    label_->setText(
        QString::fromStdString(BriefingTimeText(time_) + " / " + BriefingTimeText(End())));
}

}  // namespace vantorel
