#include "platform/services/wait_time.h"

#include <cstdint>

void WaitTime(double ms, host::sys::TickClock& clock, const std::function<void()>& pump) {
    if (!(ms > 0)) return;
    std::uint32_t start = clock.milliseconds();
    while (static_cast<double>(static_cast<std::uint32_t>(clock.milliseconds() - start)) < ms) {
        clock.sleep(10);
        if (pump) pump();
    }
}
