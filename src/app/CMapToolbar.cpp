#include "app/CMapToolbar.h"

#include <QSignalBlocker>
#include <algorithm>

#include "app/CommandTexts.h"
#include "ui/CommandIds.h"

namespace vantorel {

CMapToolbar::CMapToolbar(QWidget* parent) : QToolBar(QStringLiteral("Map Settings"), parent) {
    setObjectName(QStringLiteral("MapSettings"));
    // Fixed size, at the top or the bottom only.
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    setIconSize(QSize(16, 15));
}

void CMapToolbar::SetUp(int snapIndex, const QList<QAction*>& actions) {
    snap_ = new QComboBox(this);
    snap_->setObjectName(QStringLiteral("SnapList"));
    snap_->setMaxVisibleItems(11);
    snap_->addItem(QStringLiteral("No Snap"));
    for (int i = 1; i <= 10; ++i)
        snap_->addItem(QStringLiteral("%1.%2 km").arg(i / 10).arg(i % 10));
    snap_->setCurrentIndex(snapIndex >= 0 && snapIndex <= 10 ? snapIndex : 0);
    // 72 pixels was the list's width in the old dialog font; wide enough
    // for "No Snap" in today's fonts.
    snap_->setFixedWidth(std::max(72, snap_->sizeHint().width()));
    snap_->setToolTip(QString::fromLatin1(CommandTextOf(kCmdSnapList).tooltip));
    snap_->setStatusTip(QString::fromLatin1(CommandTextOf(kCmdSnapList).prompt));
    addWidget(snap_);
    connect(snap_, &QComboBox::currentIndexChanged, this, &CMapToolbar::snapChanged);

    for (QAction* a : actions) {
        if (a)
            addAction(a);
        else
            addSeparator();
    }
    addSeparator();

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("ZoomSlider"));
    slider_->setTickPosition(QSlider::NoTicks);
    slider_->setFixedWidth(128);
    slider_->setRange(2, 1000);
    slider_->setToolTip(QString::fromLatin1(CommandTextOf(kCmdZoomSlider).tooltip));
    slider_->setStatusTip(QString::fromLatin1(CommandTextOf(kCmdZoomSlider).prompt));
    addWidget(slider_);
    connect(slider_, &QSlider::valueChanged, this, &CMapToolbar::zoomChanged);
}

void CMapToolbar::SetSnap(int index) {
    if (index < 0 || index >= snap_->count()) return;
    QSignalBlocker block(snap_);
    snap_->setCurrentIndex(index);
}

void CMapToolbar::SetSlider(int min, int max, int position) {
    QSignalBlocker block(slider_);
    slider_->setRange(min, max);
    slider_->setValue(position);
}

}  // namespace vantorel
