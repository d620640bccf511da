#include "host/sys/clock.h"

#include <thread>

namespace host::sys {

std::uint32_t SteadyTickClock::milliseconds() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SteadyTickClock::sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::tm localTime(std::chrono::system_clock::time_point time) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm fields{};
    ::localtime_r(&seconds, &fields);
    return fields;
}

std::tm localNow() {
    return localTime(wallClock().now());
}

} // namespace host::sys
