#pragma once

class QWidget;

namespace vantorel {

// For the start-up benchmark (bench/startup.py): once the window has been
// shown and painted for the first time, prints "shown <ns>" (the monotonic
// clock, which the benchmark also reads before it starts the program) and
// ends the program as soon as the work already posted has run. Enabled by
// the environment variable VANTOREL_STARTUP_PROBE; a hello-world program of
// the benchmark uses the same probe, so both are timed to the same moment.
namespace StartupProbe {

// Watches the window when the variable is set; does nothing otherwise. Set
// up after all other work waiting for the first paint, so its moment is
// taken before that work runs.
void WatchIfAsked(QWidget* window);

}  // namespace StartupProbe

}  // namespace vantorel
