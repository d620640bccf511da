#pragma once

#include "host/sys/clock.h"

#include <functional>

// Sleeps 10 ms at a time and runs the pump after each sleep until at least ms
// milliseconds have passed on the clock (its 32-bit counter may wrap). A wait
// of 0 or less returns at once.
void WaitTime(double ms, host::sys::TickClock& clock, const std::function<void()>& pump);
