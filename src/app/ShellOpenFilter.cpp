#include "app/ShellOpenFilter.h"

#include <QFileOpenEvent>

namespace vantorel {

ShellOpenFilter::ShellOpenFilter(std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {}

bool ShellOpenFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FileOpen) return QObject::eventFilter(watched, event);
    const QString file = static_cast<QFileOpenEvent*>(event)->file();
    if (!file.isEmpty()) open_(file);
    return true;
}

}  // namespace vantorel
