#pragma once

#include <QObject>

class QWidget;

namespace vantorel {

// For the start-up benchmark (bench/startup.py): once the window has been
// shown and painted for the first time, prints "shown <ns>" (the monotonic
// clock, which the benchmark also reads before it starts the program) and
// ends the program as soon as the work already posted has run. Enabled by the environment variable
// VANTOREL_STARTUP_PROBE; a hello-world program of the benchmark uses the
// same probe, so both are timed to the same moment.
class StartupProbe : public QObject {
    Q_OBJECT
public:
    // Watches the window when the variable is set; does nothing otherwise.
    static void WatchIfAsked(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace vantorel
