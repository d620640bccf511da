#pragma once

#include "host/runtime/global.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <memory>

namespace host::sys {

// The monotonic millisecond counter of waits: 32 bits that wrap, so elapsed
// time is a difference taken modulo 2^32.
class TickClock {
  public:
    virtual ~TickClock() = default;
    virtual std::uint32_t milliseconds() = 0;
    virtual void sleep(std::uint32_t ms) = 0;
};

class SteadyTickClock : public TickClock {
  public:
    std::uint32_t milliseconds() override;
    void sleep(std::uint32_t ms) override;
};

// A clock that moves only when told to or when slept on (tests).
class ManualTickClock : public TickClock {
  public:
    explicit ManualTickClock(std::uint32_t start = 0) : now_(start) {}
    std::uint32_t milliseconds() override { return now_; }
    void sleep(std::uint32_t ms) override { now_ += ms; }
    void advance(std::uint32_t ms) { now_ += ms; }

  private:
    std::uint32_t now_;
};

// The calendar time of day.
class WallClock {
  public:
    virtual ~WallClock() = default;
    virtual std::chrono::system_clock::time_point now() = 0;
};

class SystemWallClock : public WallClock {
  public:
    std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
};

class ManualWallClock : public WallClock {
  public:
    explicit ManualWallClock(std::chrono::system_clock::time_point start) : now_(start) {}
    std::chrono::system_clock::time_point now() override { return now_; }
    void set(std::chrono::system_clock::time_point time) { now_ = time; }
    void advance(std::chrono::system_clock::duration by) { now_ += by; }

  private:
    std::chrono::system_clock::time_point now_;
};

// The program's clocks: the real ones unless a test installed others.
inline constinit runtime::Global<TickClock> installedTickClock{
    "tick clock", []() -> std::unique_ptr<TickClock> { return std::make_unique<SteadyTickClock>(); }};
inline constinit runtime::Global<WallClock> installedWallClock{
    "wall clock", []() -> std::unique_ptr<WallClock> { return std::make_unique<SystemWallClock>(); }};
inline TickClock& tickClock() {
    return installedTickClock.get();
}
inline WallClock& wallClock() {
    return installedWallClock.get();
}

// Calendar fields of a time in the local time zone.
std::tm localTime(std::chrono::system_clock::time_point time);
// The wall clock's now in local time.
std::tm localNow();

} // namespace host::sys
