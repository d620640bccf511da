#include "host/sys/clock.h"

#include <thread>

namespace host::sys {

namespace {

std::unique_ptr<TickClock>& currentTick() {
    static std::unique_ptr<TickClock> clock = std::make_unique<SteadyTickClock>();
    return clock;
}

std::unique_ptr<WallClock>& currentWall() {
    static std::unique_ptr<WallClock> clock = std::make_unique<SystemWallClock>();
    return clock;
}

} // namespace

std::uint32_t SteadyTickClock::milliseconds() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SteadyTickClock::sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TickClock& tickClock() {
    return *currentTick();
}

std::unique_ptr<TickClock> installTickClock(std::unique_ptr<TickClock> clock) {
    auto previous = std::move(currentTick());
    currentTick() = clock ? std::move(clock) : std::make_unique<SteadyTickClock>();
    return previous;
}

WallClock& wallClock() {
    return *currentWall();
}

std::unique_ptr<WallClock> installWallClock(std::unique_ptr<WallClock> clock) {
    auto previous = std::move(currentWall());
    currentWall() = clock ? std::move(clock) : std::make_unique<SystemWallClock>();
    return previous;
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
