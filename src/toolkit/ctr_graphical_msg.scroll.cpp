#include "toolkit/ctr_graphical_msg.h"

#include "host/ui/window_procedure.h"

#include <algorithm>
#include <cmath>

void ctrGraphicalMSG::placeThumb() {
    const int frame = settings.FrameSize;
    int height =
        static_cast<int>(std::lround(static_cast<double>(Height() - 2 * frame) * visibleLines_ / lineCount_));
    if (height >= kThumbWidth) {
        step_ = static_cast<float>(static_cast<double>(Height() - height) / (lineCount_ - visibleLines_ + 1));
    } else {
        height = kThumbWidth;
        step_ = lineCount_ > 1 ? static_cast<float>(static_cast<double>(Height() - height) / (lineCount_ - 1))
                               : 0;
    }
    scroll_.Move(textWidth(), frame, kThumbWidth, height);
    scroll_.setVisible(true);
    thumbShown_ = true;
}

void ctrGraphicalMSG::hideThumb() {
    thumbShown_ = false;
    dragging_ = false;
    scroll_.setVisible(false);
}

void ctrGraphicalMSG::SubClassEnding() {
    if (!hooked_) return;
    hooked_ = false;
    mdlSubClass::SubClassUnhook(*this);
}

std::int32_t ctrGraphicalMSG::WindowProc(std::int32_t, std::uint32_t uMsg, std::int32_t wParam,
                                         std::int32_t) {
    if (uMsg == host::ui::WM_MOUSEWHEEL && thumbShown_) wheelStep(HIWORD(wParam) < 0);
    return -1;
}

void ctrGraphicalMSG::wheelStep(bool down) {
    if (scrollLine(down)) redrawScrolled();
}

bool ctrGraphicalMSG::scrollLine(bool down) {
    const int frame = settings.FrameSize;
    if (down) {
        if (position_ + visibleLines_ + 1 < lineCount_) {
            ++position_;
            moveThumbTo(frame + static_cast<int>(std::trunc(position_ * step_)));
        } else {
            position_ = lineCount_ - visibleLines_;
            moveThumbTo(Height() - scroll_.Height());
        }
    } else {
        if (position_ == 0) return false;
        --position_;
        moveThumbTo(position_ == 0 ? frame : frame + static_cast<int>(std::trunc(position_ * step_)));
    }
    return true;
}

void ctrGraphicalMSG::moveThumbTo(int top) {
    scroll_.Move(scroll_.Left(), top, scroll_.Width(), scroll_.Height());
}

void ctrGraphicalMSG::thumbPressed(int y) {
    dragging_ = true;
    grabOffset_ = static_cast<float>(y);
}

void ctrGraphicalMSG::thumbMoved(int y) {
    if (!dragging_) return;
    // The pointer in the box's own pixels.
    const int frame = settings.FrameSize;
    const int lowest = Height() - scroll_.Height();
    if (lowest < frame) return;
    // A quick drag past either end lands on that end.
    const double top = std::clamp<double>(scroll_.Top() + y - grabOffset_, frame, lowest);
    moveThumbTo(static_cast<int>(top));
    position_ = step_ > 0 ? static_cast<int>(std::floor((scroll_.Top() - frame) / step_)) : 0;
    if (position_ + visibleLines_ > lineCount_) position_ = lineCount_ - visibleLines_;
    if (position_ != lastDrawn_) redrawScrolled();
}

void ctrGraphicalMSG::thumbReleased() {
    if (!dragging_) return;
    dragging_ = false;
    if (position_ == 0)
        moveThumbTo(settings.FrameSize);
    else if (position_ == lineCount_ - visibleLines_)
        moveThumbTo(Height() - scroll_.Height() - settings.FrameSize);
}
