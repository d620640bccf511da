#include "toolkit/ctr_graphical_slider.h"

#include "toolkit/see_through.h"

#include "platform/drawing/frames.h"
#include "platform/drawing/memory_dc.h"
#include "platform/drawing/translucent.h"

#include "host/gdi/blit.h"
#include "host/gdi/fill.h"
#include "host/runtime/rounding.h"

namespace {

// The colour number of the button outline.
constexpr std::int32_t kOutlineColour = 9;
// The thumb drawn when the slider has no thumb picture.
constexpr host::gdi::COLORREF kThumbRim = host::gdi::RGB(255, 255, 255);
constexpr host::gdi::COLORREF kThumbBody = host::gdi::RGB(60, 50, 90);

} // namespace

SliderSettings SliderSettings::readDefaults() {
    SliderSettings stored;
    stored.UpDown = true;
    stored.FrameColor = 1;
    stored.FrameWidth = 1;
    return stored;
}

ctrGraphicalSlider::ctrGraphicalSlider() : OwnerDrawn("ctrGraphicalSlider") {
    timer_.setInterval(kRepeatInterval);
    timer_.setEnabled(false);
    timer_.Tick.subscribe([this] { repeat(); });
}

void ctrGraphicalSlider::SetUpDownImage(const host::gdi::DeviceContext* UpDownImage,
                                        const host::gdi::DeviceContext* UpDownMaskImage,
                                        std::int32_t lngWidth) {
    buttonImage_ = UpDownImage;
    buttonMask_ = UpDownMaskImage;
    buttonWidth_ = lngWidth / 2;
}

void ctrGraphicalSlider::BackImageCopy(host::gdi::DeviceContext& HDCImage, std::int32_t Left,
                                       std::int32_t Top) {
    const int w = Width();
    const int h = Height();
    const int fw = settings.FrameWidth;
    const int sw = settings.SliderWidth;
    host::gdi::DeviceContext& disp = Disp().hDC();
    background_ = CreateMemoryDC(disp, w, h);
    host::gdi::BitBlt(*background_, 0, 0, w, h, HDCImage, Left, Top, host::gdi::SRCCOPY);
    Translucent2(*background_, toolkit::rgbOf(colours_, settings.TransColor), settings.TP);

    trackStart_ = settings.UpDown ? buttonWidth_ + fw : fw;
    trackEnd_ = w - trackStart_ - sw;
    trackLength_ = w - 2 * trackStart_ - sw;
    thumbPosition_ = trackStart_;

    if (fw != 0) {
        const host::gdi::Pen previous =
            background_->selectPen(host::gdi::Pen{fw, toolkit::rgbOf(colours_, settings.FrameColor)});
        const int ts = trackStart_;
        DrawSegment(*background_, ts, 0, w - ts, 0);
        DrawSegment(*background_, ts - fw, 0, ts - fw, h);
        DrawSegment(*background_, w - ts, 0, w - ts, h);
        DrawSegment(*background_, ts, h - fw, w - ts, h - fw);
        background_->selectPen(previous);
    }

    if (settings.UpDown) {
        buildButtonOutline();
        if (buttonImage_ && buttonMask_) {
            for (const Zone button : {LeftButton, RightButton}) {
                const int from = button == LeftButton ? 0 : buttonWidth_;
                host::gdi::BitBlt(*background_, buttonX(button), 0, buttonWidth_, h, *buttonMask_, from, 0,
                                  host::gdi::SRCAND);
                host::gdi::BitBlt(*background_, buttonX(button), 0, buttonWidth_, h, *buttonImage_, from, 0,
                                  host::gdi::SRCPAINT);
            }
        }
    }

    thumb_ = CreateMemoryDC(disp, sw, h - 2 * fw);
    if (sliderImage_) {
        host::gdi::BitBlt(*thumb_, 0, 0, sw, h - 2 * fw, *sliderImage_, 0, 0, host::gdi::SRCCOPY);
    } else {
        // Without a picture: a dark thumb in a light rim, plain on light and dark washes alike.
        host::gdi::FillRect(*thumb_, {0, 0, sw, h - 2 * fw}, host::gdi::Brush{kThumbRim});
        host::gdi::FillRect(*thumb_, {1, 1, sw - 1, h - 2 * fw - 1}, host::gdi::Brush{kThumbBody});
    }
    drawThumb(false);
}

void ctrGraphicalSlider::Value(std::int32_t pValue) {
    value_ = pValue;
    applyValue();
}

void ctrGraphicalSlider::Mix(std::int32_t value) {
    settings.Mix = value > settings.Max ? settings.Max - 1 : value;
}

void ctrGraphicalSlider::Max(std::int32_t value) {
    settings.Max = value < settings.Mix ? settings.Mix + 1 : value;
}

void ctrGraphicalSlider::buildButtonOutline() {
    const int bw = buttonWidth_;
    const int h = Height();
    buttonOutline_.build(Disp().hDC(), bw, h,
                         {{{0, 0, bw, h}, toolkit::rgbOf(colours_, kOutlineColour)},
                          {{2, 2, bw - 2, h - 2}, toolkit::OutlinePicture::kKey}});
}

double ctrGraphicalSlider::pixelsPerValue() const {
    const std::int64_t values = std::int64_t{settings.Max} - settings.Mix + 1;
    if (values <= 0 || trackLength_ <= 0) return 0;
    return static_cast<double>(trackLength_) / static_cast<double>(values);
}

bool ctrGraphicalSlider::offerValue() {
    if (value_ < settings.Mix)
        value_ = settings.Mix;
    else if (value_ > settings.Max)
        value_ = settings.Max;
    if (value_ == lastApplied_) return false;
    bool accepted = true;
    ValueChange.raise(value_, accepted);
    if (accepted) return true;
    value_ = lastApplied_;
    return false;
}

void ctrGraphicalSlider::applyValue() {
    if (!offerValue()) return;
    thumbPosition_ = thumbPositionOf(value_);
    lastApplied_ = value_;
    drawThumb(true);
}

int ctrGraphicalSlider::thumbPositionOf(std::int32_t value) const {
    if (value == settings.Mix) return trackStart_;
    if (value == settings.Max) return trackEnd_;
    return host::runtime::CLng(pixelsPerValue() * value + trackStart_);
}

void ctrGraphicalSlider::restThumb() {
    if (pixelsPerValue() <= 0) return;
    thumbPosition_ = thumbPositionOf(lastApplied_);
    drawThumb(false);
}

void ctrGraphicalSlider::drawThumb(bool outline) {
    if (!background_) return;
    host::gdi::DeviceContext& dc = Disp().hDC();
    host::gdi::BitBlt(dc, 0, 0, Width(), Height(), *background_, 0, 0, host::gdi::SRCCOPY);
    if (pixelsPerValue() > 0)
        host::gdi::BitBlt(dc, thumbPosition_, settings.FrameWidth, settings.SliderWidth,
                          Height() - 2 * settings.FrameWidth, *thumb_, 0, 0, host::gdi::SRCCOPY);
    if (outline && (zone_ == LeftButton || zone_ == RightButton)) buttonOutline_.draw(dc, buttonX(zone_), 0);
    Disp().Refresh();
}

int ctrGraphicalSlider::buttonX(Zone zone) const {
    return zone == LeftButton ? 0 : trackEnd_ + settings.SliderWidth + settings.FrameWidth;
}

void ctrGraphicalSlider::restoreButton() {
    if (!background_ || (zone_ != LeftButton && zone_ != RightButton)) return;
    const int x = buttonX(zone_);
    host::gdi::BitBlt(Disp().hDC(), x, 0, buttonWidth_, Height(), *background_, x, 0, host::gdi::SRCCOPY);
}

void ctrGraphicalSlider::outlineButton(Zone zone) {
    zone_ = zone;
    buttonOutline_.draw(Disp().hDC(), buttonX(zone), 0);
}
