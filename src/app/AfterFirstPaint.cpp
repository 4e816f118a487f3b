#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace vantorel {

namespace {

class FirstExpose : public QObject {
public:
    FirstExpose(QWindow* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {}

    void RunSoon() {
        // The expose paints the window before control comes back to the loop.
        QTimer::singleShot(0, this, [this] {
            work_();
            deleteLater();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            RunSoon();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> work) {
    if (!window) return;
    window->winId();  // the native window exists once the widget was shown
    QWindow* handle = window->windowHandle();
    if (!handle) return;
    auto* watch = new FirstExpose(handle, std::move(work));
    if (handle->isExposed())
        watch->RunSoon();
    else
        handle->installEventFilter(watch);
}

}  // namespace vantorel
