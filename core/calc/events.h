#pragma once

#include "window_view.h"

#include "runtime/clock.h"

#include <string>

namespace fuel::calc {

// The handlers of the window's events. They keep no state: everything they need is read from
// the view when they run, and everything they decide is written back to it.

// Before the window is first shown: today in both date fields, the present time as the end.
void onLoad(WindowView &view, const runtime::Clock &clock);

// "计算": from the start row to the end row.
void onCalculateClicked(WindowView &view);

// The real-time box changed by the user's click or key.
void onRealTimeToggled(WindowView &view);

// A tick of the real-time timer: from the start row to the clock's present moment.
void onTimerTick(WindowView &view, const runtime::Clock &clock);

// What "复制" puts on the clipboard: the five result captions, one per line, in the order of
// the status group's rows.
std::string resultsForClipboard(const WindowView &view);

// The check made before real-time mode starts: the right lengths and the separators somewhere.
// Whether the texts are a real date and time is found by the first tick.
bool startFieldsLookValid(const std::string &date, const std::string &time);

} // namespace fuel::calc
