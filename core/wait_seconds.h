#pragma once
// The program's one busy wait, used to keep a notice up for a few seconds.

#include <functional>

namespace tavik {

// Lets pending window events run once, then waits `seconds` on a monotonic
// clock without processing events. The window layer passes its event pump;
// logic and tests pass whatever they like.
void WaitSeconds(float seconds,
                 const std::function<void()> &processPendingEvents);

} // namespace tavik
