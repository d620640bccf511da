#pragma once

#include "host/runtime/event.h"

#include <cstdint>
#include <functional>

namespace host::ui {

// A timer serviced by the message pump: while enabled with an interval above
// 0 it raises Tick each time the interval has passed on the tick clock. A
// timer never fires inside its own Tick handler.
class Timer {
  public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    // Restarts the interval.
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    // Enabling restarts the interval.
    void setEnabled(bool enabled);

    runtime::Event<> Tick;

    // The pump's part: raises Tick through the guard when due.
    void service(std::uint32_t now, const std::function<void(const std::function<void()>&)>& guard);

  private:
    void restart();

    int interval_ = 0;
    bool enabled_ = true;
    std::uint32_t start_ = 0;
    bool firing_ = false;
};

// Every timer that exists, in the order they were made.
void forEachTimer(const std::function<void(Timer&)>& visit);

} // namespace host::ui
