#include "toolkit/ctr_graphical_slider.h"

#include "toolkit/see_through.h"

#include "host/gdi/blit.h"
#include "host/runtime/rounding.h"
#include "host/ui/form.h"

void ctrGraphicalSlider::onMouseMove(int button, int shift, int x, int y) {
    OwnerDrawn::onMouseMove(button, shift, x, y);
    if (!settings.Enabled) return;
    if (toolkit::pointerOutside(x, y, Width(), Height())) {
        if (dragging_) {
            // A quick drag past an end lands on that end.
            drag(x);
            restThumb();
        }
        ReleaseCapture();
        restoreButton();
        Disp().Refresh();
        zone_ = Outside;
        dragging_ = false;
        timer_.setEnabled(false);
        grabOffset_ = 0;
        SliderLeave.raise();
        return;
    }
    SetCapture();
    if (dragging_) {
        drag(x);
        return;
    }
    if (!settings.UpDown) {
        zone_ = Track;
        return;
    }
    const Zone zone = x < trackStart_                                              ? LeftButton
                      : x > trackEnd_ + settings.SliderWidth + settings.FrameWidth ? RightButton
                                                                                   : Track;
    if (zone == zone_) return;
    if (zone == Track) {
        restoreButton();
        zone_ = Track;
    } else {
        outlineButton(zone);
    }
    Disp().Refresh();
}

void ctrGraphicalSlider::onMouseDown(int button, int shift, int x, int y) {
    OwnerDrawn::onMouseDown(button, shift, x, y);
    if (!settings.Enabled) return;
    if (x >= thumbPosition_ && x <= thumbPosition_ + settings.SliderWidth) {
        dragging_ = true;
        grabOffset_ = x - thumbPosition_;
        return;
    }
    if (settings.UpDown && (zone_ == LeftButton || zone_ == RightButton))
        timer_.setEnabled(true);
    else if (zone_ == Track)
        pageToward(valueAt(x));
}

void ctrGraphicalSlider::onMouseUp(int button, int shift, int x, int y) {
    OwnerDrawn::onMouseUp(button, shift, x, y);
    if (!settings.Enabled) return;
    timer_.setEnabled(false);
    grabOffset_ = 0;
    if (dragging_) restThumb();
}

void ctrGraphicalSlider::onClick() {
    OwnerDrawn::onClick();
    if (!settings.Enabled) return;
    if (dragging_) {
        dragging_ = false;
        return;
    }
    if (zone_ == LeftButton)
        value_ -= settings.SmallChange;
    else if (zone_ == RightButton)
        value_ += settings.SmallChange;
    else
        return;
    applyValue();
}

std::int32_t ctrGraphicalSlider::valueAt(int x) const {
    const double perValue = pixelsPerValue();
    if (perValue <= 0) return value_;
    return host::runtime::CLng((x - trackStart_) / perValue);
}

void ctrGraphicalSlider::pageToward(std::int32_t target) {
    const std::int32_t large = settings.LargeChange;
    bool further = false;
    if (target > value_) {
        further = target > value_ + large;
        value_ = further ? value_ + large : target;
    } else {
        further = target <= value_ - large;
        value_ = further ? value_ - large : target;
    }
    timer_.setEnabled(further);
    applyValue();
}

void ctrGraphicalSlider::drag(int x) {
    const double perValue = pixelsPerValue();
    if (perValue <= 0) return;
    value_ = host::runtime::CLng((x - trackStart_ - grabOffset_) / perValue);
    if (!offerValue()) return;
    if (value_ <= settings.Mix)
        thumbPosition_ = trackStart_;
    else if (value_ >= settings.Max)
        thumbPosition_ = trackEnd_;
    else
        thumbPosition_ = x - grabOffset_;
    lastApplied_ = value_;
    drawThumb(false);
}

void ctrGraphicalSlider::repeat() {
    if (zone_ == LeftButton || zone_ == RightButton) {
        value_ += zone_ == LeftButton ? -settings.SmallChange : settings.SmallChange;
        applyValue();
    } else if (zone_ == Track) {
        if (host::ui::Form* owner = form()) pageToward(valueAt(owner->cursorPositionIn(*this).x));
    }
}
