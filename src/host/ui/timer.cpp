#include "host/ui/timer.h"

#include "host/sys/clock.h"

#include <algorithm>
#include <vector>

namespace host::ui {

namespace {

std::vector<Timer*>& timers() {
    static std::vector<Timer*> all;
    return all;
}

} // namespace

Timer::Timer() {
    timers().push_back(this);
    restart();
}

Timer::~Timer() {
    std::erase(timers(), this);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void Timer::restart() {
    start_ = sys::tickClock().milliseconds();
}

void Timer::service(std::uint32_t now, const std::function<void(const std::function<void()>&)>& guard) {
    if (!enabled_ || interval_ <= 0 || firing_) return;
    if (static_cast<std::uint32_t>(now - start_) < static_cast<std::uint32_t>(interval_)) return;
    start_ = now;
    firing_ = true;
    guard([this] { Tick.raise(); });
    // The handler may have ended this timer.
    if (std::find(timers().begin(), timers().end(), this) != timers().end()) firing_ = false;
}

void forEachTimer(const std::function<void(Timer&)>& visit) {
    // A handler may make or end timers: visit the ones alive now, each once.
    std::vector<Timer*> snapshot = timers();
    for (Timer* timer : snapshot)
        if (std::find(timers().begin(), timers().end(), timer) != timers().end()) visit(*timer);
}

} // namespace host::ui
