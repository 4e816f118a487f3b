#pragma once

#include <functional>

class QWidget;

namespace vantorel {

// Runs `work` once `window` has been shown and painted for the first time:
// on the loop's turn after its first expose, whose paint is then on the
// screen. For work the first window need not wait for. Calls made for the
// same window run in the reverse order of the calls (the last one made
// sees the expose first).
void AfterFirstPaint(QWidget* window, std::function<void()> work);

}  // namespace vantorel
