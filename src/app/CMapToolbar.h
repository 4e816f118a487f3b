#pragma once

#include <QComboBox>
#include <QSlider>
#include <QToolBar>

namespace vantorel {

// The Map Settings toolbar: the snap list at its left end, the display
// switches and angles, and the zoom slider at its right end.
class CMapToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit CMapToolbar(QWidget* parent = nullptr);

    // Builds the bar: the snap list (preset to `snapIndex`), then the
    // actions in order (null = separator), then the slider.
    void SetUp(int snapIndex, const QList<QAction*>& actions);

    QComboBox* SnapList() const { return snap_; }
    QSlider* ZoomSlider() const { return slider_; }
    // Range and position of the slider, without telling anyone it moved.
    void SetSlider(int min, int max, int position);
    // Shows the active map's snap step, again without a signal.
    void SetSnap(int index);

signals:
    void snapChanged(int index);
    void zoomChanged(int value);

private:
    QComboBox* snap_ = nullptr;
    QSlider* slider_ = nullptr;
};

}  // namespace vantorel
