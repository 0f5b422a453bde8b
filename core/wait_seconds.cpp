#include "core/wait_seconds.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace tavik {

void WaitSeconds(float seconds,
                 const std::function<void()> &processPendingEvents) {
    using Clock = std::chrono::steady_clock;
    // A year is beyond any wait the program asks for and keeps the count of
    // clock ticks far from overflow.
    constexpr float kLongestWait = 365.0f * 24 * 3600;
    const float wait =
        std::isnan(seconds) ? 0.0f : std::clamp(seconds, 0.0f, kLongestWait);
    const Clock::time_point end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(wait));
    if (processPendingEvents) {
        processPendingEvents();
    }
    // No events are processed while waiting; sleeping instead of spinning
    // keeps the processor free.
    while (Clock::now() < end) {
        std::this_thread::sleep_until(end);
    }
}

} // namespace tavik
