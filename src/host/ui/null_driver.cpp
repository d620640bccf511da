#include "host/ui/null_driver.h"

#include "host/sys/clock.h"

#include <algorithm>

namespace host::ui {

void NullVideoDriver::click(int x, int y, int button) {
    push(InputEvent::move(x, y));
    push(InputEvent::down(button, x, y));
    push(InputEvent::up(button, x, y));
}

bool NullVideoDriver::pollInput(InputEvent& event) {
    if (script_.empty() && idle_) idle_(*this);
    if (script_.empty()) return false;
    event = std::move(script_.front());
    script_.pop_front();
    return true;
}

bool NullVideoDriver::waitForInput(int timeoutMs) {
    if (script_.empty() && idle_) idle_(*this);
    if (!script_.empty()) return true;
    sys::tickClock().sleep(static_cast<std::uint32_t>(timeoutMs));
    return false;
}

void NullVideoDriver::present(const gdi::Bitmap& frame) {
    ++presented_;
    if (!lastFrame_ || lastFrame_->width() != frame.width() || lastFrame_->height() != frame.height())
        lastFrame_ = std::make_unique<gdi::Bitmap>(frame.width(), frame.height());
    for (int y = 0; y < frame.height(); ++y)
        std::copy_n(frame.row(y), frame.width(), lastFrame_->row(y));
}

} // namespace host::ui
