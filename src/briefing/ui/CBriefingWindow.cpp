#include "briefing/ui/CBriefingWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "briefing/BriefingEdits.h"
#include "briefing/ui/BriefingEventModel.h"
#include "briefing/ui/BriefingTextModel.h"
#include "briefing/ui/CBriefingMap.h"
#include "briefing/ui/CBriefingPlayer.h"
#include "catalogue/BriefingText.h"
#include "catalogue/TeamName.h"
#include "mission/Win1252.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

QTableView* MakeTable(QWidget* parent, QAbstractItemModel* model) {
    auto* t = new QTableView(parent);
    t->setModel(model);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

}  // namespace

CBriefingWindow::CBriefingWindow(CQVDoc* document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("Briefing"));
    setAttribute(Qt::WA_DeleteOnClose);
    eventModel_ = new BriefingEventModel(this);
    stringModel_ = new BriefingTextModel(BriefingTextModel::Texts::Strings, this);
    tagModel_ = new BriefingTextModel(BriefingTextModel::Texts::Tags, this);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(MakeMapSide());
    split->addWidget(MakeListSide());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeader());
    layout->addWidget(unreadable_);
    layout->addWidget(split, 1);
    resize(1180, 640);

    Wire();
    if (document) {
        connect(document, &CQVDoc::changed, this, &CBriefingWindow::Refresh);
        connect(document, &CQVDoc::titleChanged, this, &CBriefingWindow::UpdateTitle);
        // The mission goes with its document; so does its window.
        connect(document, &QObject::destroyed, this, &QWidget::close);
    }
    UpdateTitle();
    Refresh();
}

CBriefingWindow::~CBriefingWindow() = default;

QWidget* CBriefingWindow::MakeHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    briefingBox_ = new QComboBox(header);
    for (int b = 1; b <= kBriefingCount; ++b) briefingBox_->addItem(QString::number(b));
    auto* label = new QLabel(tr("&Briefing:"), header);
    label->setBuddy(briefingBox_);
    row->addWidget(label);
    row->addWidget(briefingBox_);
    row->addSpacing(12);
    row->addWidget(new QLabel(tr("Seen by:"), header));
    for (int t = 0; t < kBriefingTeamCount; ++t) {
        teams_[size_t(t)] = new QCheckBox(header);
        row->addWidget(teams_[size_t(t)]);
    }
    row->addSpacing(12);
    runningTime_ = new QDoubleSpinBox(header);
    runningTime_->setDecimals(2);
    runningTime_->setSingleStep(1.0 / kBriefingTicksPerSecond);
    runningTime_->setRange(0, 65535.0 / kBriefingTicksPerSecond);
    runningTime_->setSuffix(tr(" s"));
    runningTime_->setKeyboardTracking(false);
    auto* timeLabel = new QLabel(tr("&Running time:"), header);
    timeLabel->setBuddy(runningTime_);
    row->addWidget(timeLabel);
    row->addWidget(runningTime_);
    row->addSpacing(12);
    words_ = new QLabel(header);
    words_->setToolTip(tr("The words the events take of the 400 a briefing holds"));
    row->addWidget(words_);
    row->addStretch(1);
    unreadable_ = new QLabel(this);
    unreadable_->setWordWrap(true);
    unreadable_->setStyleSheet(QStringLiteral("color: #a00000"));
    unreadable_->hide();
    return header;
}

QWidget* CBriefingWindow::MakeMapSide() {
    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    moveHere_ = new QPushButton(tr("&Move Map Here"), side);
    moveHere_->setToolTip(
        tr("Inserts a move map event at this time that shows the map as it is now"));
    zoomHere_ = new QPushButton(tr("&Zoom Here"), side);
    zoomHere_->setToolTip(
        tr("Inserts a zoom map event at this time with the map's zoom as it is now"));
    tag_ = new QPushButton(tr("&Tag"), side);
    tag_->setToolTip(
        tr("Tags the flight groups selected in the mission, or the one last "
           "clicked here, in the next free tag slots"));
    follow_ = new QPushButton(tr("&Follow Briefing"), side);
    follow_->setToolTip(tr("Shows the map as the briefing moves and zooms it again"));
    make_ = new QPushButton(tr("Ma&ke Briefing..."), side);
    make_->setToolTip(tr("Makes a first briefing from the mission's goals"));
    for (QPushButton* b : {moveHere_, zoomHere_, tag_, follow_}) tools->addWidget(b);
    tools->addStretch(1);
    tools->addWidget(make_);
    map_ = new CBriefingMap(side);
    map_->setToolTip(
        tr("Drag a flight group or a text tag to move it; drag the map or turn "
           "the wheel to look elsewhere"));
    player_ = new CBriefingPlayer(side);
    column->addLayout(tools);
    column->addWidget(map_, 1);
    column->addWidget(player_);
    // Space plays and pauses wherever the keyboard is, but in the boxes
    // that take a space themselves.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), side);
    space->setContext(Qt::WidgetWithChildrenShortcut);
    connect(space, &QShortcut::activated, player_, &CBriefingPlayer::TogglePlay);
    return side;
}

QWidget* CBriefingWindow::MakeListSide() {
    tabs_ = new QTabWidget(this);
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);
    events_ = MakeTable(page, eventModel_);
    events_->setItemDelegate(new BriefingEventDelegate(events_));
    events_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The kind and what it shows are read; the numbers are short.
    QHeaderView* header = events_->horizontalHeader();
    header->setStretchLastSection(false);
    for (int c = 0; c < BriefingEventModel::kColumnCount; ++c)
        header->setSectionResizeMode(c, c == BriefingEventModel::kShows
                                            ? QHeaderView::Stretch
                                            : QHeaderView::ResizeToContents);
    auto* buttons = new QHBoxLayout;
    insert_ = new QToolButton(page);
    insert_->setText(tr("&Insert"));
    insert_->setToolTip(tr("Inserts an event at this time, after the selected one"));
    insert_->setPopupMode(QToolButton::InstantPopup);
    insertMenu_ = new QMenu(insert_);
    for (int type : BriefingEventModel::Kinds()) {
        BriefingEvent e;
        e.Type = uint16_t(type);
        // One entry for each kind of tag: the next free slot is taken.
        if ((e.IsFgTag() || e.IsTextTag()) && e.Slot() != 1) continue;
        QAction* a = insertMenu_->addAction(QString::fromStdString(BriefingEventTitle(type)));
        connect(a, &QAction::triggered, this, [this, type] { InsertEvent(type); });
    }
    insert_->setMenu(insertMenu_);
    delete_ = new QPushButton(tr("&Delete"), page);
    up_ = new QPushButton(tr("Move &Up"), page);
    down_ = new QPushButton(tr("Move Do&wn"), page);
    shiftLater_ = new QCheckBox(tr("&Shift later events"), page);
    shiftLater_->setToolTip(tr("A new time moves every event after it by the same amount"));
    buttons->addWidget(insert_);
    for (QPushButton* b : {delete_, up_, down_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(shiftLater_);
    column->addWidget(events_, 1);
    column->addLayout(buttons);
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), events_);
    space->setContext(Qt::WidgetShortcut);
    connect(space, &QShortcut::activated, player_, &CBriefingPlayer::TogglePlay);

    strings_ = MakeTable(tabs_, stringModel_);
    strings_->setItemDelegate(new CaptionDelegate(strings_));
    tags_ = MakeTable(tabs_, tagModel_);
    tabs_->addTab(page, tr("Events"));
    tabs_->addTab(strings_, tr("Strings"));
    tabs_->addTab(tags_, tr("Tags"));
    return tabs_;
}

void CBriefingWindow::Wire() {
    connect(briefingBox_, &QComboBox::currentIndexChanged, this, &CBriefingWindow::SetBriefing);
    for (int t = 0; t < kBriefingTeamCount; ++t)
        connect(teams_[size_t(t)], &QCheckBox::toggled, this, [this, t](bool shown) {
            if (!loading_ && document_) SetBriefingTeam(document_->Level(), briefing_, t, shown);
        });
    connect(runningTime_, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        if (loading_ || !document_) return;
        const long ticks = std::lround(seconds * kBriefingTicksPerSecond);
        SetBriefingRunningTime(document_->Level(), briefing_,
                               uint16_t(std::clamp(ticks, 0L, 65535L)));
    });
    connect(player_, &CBriefingPlayer::timeChanged, this, &CBriefingWindow::ShowMoment);
    connect(shiftLater_, &QCheckBox::toggled, eventModel_, &BriefingEventModel::SetShiftLater);
    connect(delete_, &QPushButton::clicked, this, &CBriefingWindow::DeleteSelectedEvents);
    connect(up_, &QPushButton::clicked, this, [this] { MoveSelectedEvent(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveSelectedEvent(1); });
    connect(make_, &QPushButton::clicked, this, &CBriefingWindow::MakeBriefing);
    connect(moveHere_, &QPushButton::clicked, this, &CBriefingWindow::MoveMapHere);
    connect(zoomHere_, &QPushButton::clicked, this, &CBriefingWindow::ZoomHere);
    connect(tag_, &QPushButton::clicked, this, [this] { TagFlightGroups(); });
    connect(follow_, &QPushButton::clicked, this, [this] { map_->SetOwnView(std::nullopt); });
    connect(map_, &CBriefingMap::ownViewChanged, this,
            [this] { follow_->setEnabled(map_->OwnView().has_value()); });
    follow_->setEnabled(false);
    connect(map_, &CBriefingMap::flightGroupMoved, this, [this](int fg, int x, int y) {
        if (document_) MoveBriefingPosition(document_->Level(), briefing_, fg, x, y);
    });
    connect(map_, &CBriefingMap::textTagMoved, this, &CBriefingWindow::OnTextTagMoved);
    connect(map_, &CBriefingMap::flightGroupClicked, this, [this](int fg) {
        lastClicked_ = fg;
        if (document_) emit flightGroupClicked(document_, fg);
    });
    connect(map_, &CBriefingMap::menuRequested, this, &CBriefingWindow::OnMenu);
    // A row chosen in the list plays the briefing up to it.
    connect(events_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (loading_ || !current.isValid() || !eventModel_->Script()) return;
                const BriefingEvent& e = eventModel_->Script()->Events[size_t(current.row())];
                if (e.Type != kBriefingEnd) SetTime(e.Time);
            });
}

void CBriefingWindow::UpdateTitle() {
    setWindowTitle(document_ ? tr("Briefing %1 - %2").arg(briefing_ + 1).arg(document_->Title())
                             : tr("Briefing"));
}

bool CBriefingWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && document_) emit activated(document_);
    return QWidget::event(e);
}

void CBriefingWindow::SetBriefing(int briefing) {
    if (briefing < 0 || briefing >= kBriefingCount || briefing == briefing_) return;
    briefing_ = briefing;
    map_->SetOwnView(std::nullopt);
    Refresh();
    player_->SetTime(0);
    UpdateTitle();
}

void CBriefingWindow::ShowEvent(int briefing, int event) {
    briefingBox_->setCurrentIndex(briefing);
    tabs_->setCurrentIndex(0);
    if (event >= 0 && event < eventModel_->rowCount()) {
        SelectRow(event);
        events_->scrollTo(eventModel_->index(event, 0));
    }
}

int CBriefingWindow::Time() const {
    return player_->Time();
}

void CBriefingWindow::SetTime(int tick) {
    player_->SetTime(tick);
}

void CBriefingWindow::Refresh() {
    if (!document_) return;
    loading_ = true;
    const Mission& mission = document_->GetMission();
    eventModel_->Load(document_, briefing_);
    stringModel_->Load(document_, briefing_);
    tagModel_->Load(document_, briefing_);
    const BriefingCommandBlock& block = mission.Briefings[size_t(briefing_)].Commands;
    const auto& script = eventModel_->Script();
    {
        const QSignalBlocker quiet(briefingBox_);
        briefingBox_->setCurrentIndex(briefing_);
    }
    for (int t = 0; t < kBriefingTeamCount; ++t) {
        teams_[size_t(t)]->setText(
            QString::fromStdU16String(Win1252ToUtf16(TeamName(t, &mission))));
        teams_[size_t(t)]->setChecked(BriefingShownTo(block, t));
        teams_[size_t(t)]->setEnabled(script.has_value());
    }
    runningTime_->setEnabled(script.has_value());
    if (script) runningTime_->setValue(double(script->RunningTime) / kBriefingTicksPerSecond);
    words_->setText(
        script ? tr("%1 of %2 words").arg(BriefingListWords(script->Events)).arg(kBriefingMaxWords)
               : QString());
    unreadable_->setVisible(!script);
    unreadable_->setText(tr("This briefing's block cannot be read (%1); it is kept as it is "
                            "and cannot be edited here. Its strings and tags can.")
                             .arg(QString::fromStdString(eventModel_->Unreadable())));
    for (QWidget* w : {static_cast<QWidget*>(insert_), static_cast<QWidget*>(delete_),
                       static_cast<QWidget*>(up_), static_cast<QWidget*>(down_),
                       static_cast<QWidget*>(moveHere_), static_cast<QWidget*>(zoomHere_),
                       static_cast<QWidget*>(tag_), static_cast<QWidget*>(make_)})
        w->setEnabled(script.has_value());
    player_->SetScript(script ? &*script : nullptr);
    loading_ = false;
    // Positions, names or texts may have changed under the same moment.
    ShowMoment();
    map_->Invalidate();
}

BriefingShown CBriefingWindow::ShownNow() const {
    const auto& script = eventModel_->Script();
    return script ? BriefingShownAt(*script, player_->Time()) : BriefingShown{};
}

void CBriefingWindow::ShowMoment() {
    if (!document_) return;
    map_->Show(&document_->GetMission(), briefing_, ShownNow());
}

}  // namespace vantorel
