#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace vantorel {

// Files the desktop asks the running program to open. macOS does not put
// them on the command line but sends a QFileOpenEvent to the application (a
// double-click in the Finder, a drop on the Dock icon); this hands each one
// on and consumes the event.
class ShellOpenFilter : public QObject {
    Q_OBJECT
public:
    explicit ShellOpenFilter(std::function<void(const QString&)> open, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};

}  // namespace vantorel
