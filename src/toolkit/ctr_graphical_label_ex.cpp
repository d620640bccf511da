#include "toolkit/ctr_graphical_label_ex.h"

#include "toolkit/see_through.h"
#include "toolkit/segment_widths.h"

#include "platform/drawing/frames.h"

#include "host/gdi/blit.h"

#include <algorithm>

namespace {

constexpr std::int32_t kFromTheRight = 1;

} // namespace

ctrGraphicalLabelEX::ctrGraphicalLabelEX() : OwnerDrawn("ctrGraphicalLabelEX") {
    resized();
}

void ctrGraphicalLabelEX::ReadProperties(const LabelEXSettings& stored) {
    settings.Value = stored.Value;
    settings.FrameColor = stored.FrameColor;
    settings.FrameWidth = stored.FrameWidth;
    settings.Horizon = stored.Horizon;
    settings.ImageNum = stored.ImageNum;
    settings.Max = stored.Max;
    settings.Min = stored.Min;
    for (int segment = 0; segment < 4; ++segment) {
        setSemiTrans(segment, stored.SemiTrans[segment]);
        setAP(segment, stored.AP[segment]);
    }
}

void ctrGraphicalLabelEX::BackImageCopy(host::gdi::Drawable& picture, std::int16_t Left, std::int16_t Top) {
    picBase_.take(picture.hDC(), Left, Top, Width(), Height());
    for (int segment = 0; segment < 4; ++segment)
        washSegment(segment);
}

void ctrGraphicalLabelEX::RePaint() {
    host::gdi::DeviceContext& dc = Disp().hDC();
    const int width = Disp().width();
    const int height = Disp().height();
    host::gdi::BitBlt(dc, 0, 0, width, height, picBase_.dc(), 0, 0, host::gdi::SRCCOPY);
    // A stored count outside 1..4 draws as the nearest end.
    const int count = std::clamp<int>(settings.ImageNum, 1, 4);
    const auto widths = toolkit::segmentWidths(settings.Value, count, settings.Max, settings.Min, width);
    const bool fromTheRight = settings.Horizon == kFromTheRight;
    int x = fromTheRight ? width - widths[0] : 0;
    for (int i = 0; i < count; ++i) {
        if (widths[i] != 0)
            host::gdi::BitBlt(dc, x, 0, widths[i], height, segments_[i].dc(), x, 0, host::gdi::SRCCOPY);
        if (fromTheRight) {
            if (i + 1 < count) x -= widths[i + 1];
        } else {
            x += widths[i];
        }
    }
    DrawPictureFrame(Disp(), toolkit::rgbOf(colours_, settings.FrameColor), settings.FrameWidth);
    Disp().Refresh();
}

void ctrGraphicalLabelEX::ImageNum(std::int16_t value) {
    settings.ImageNum = std::clamp<std::int16_t>(value, 1, 4);
}

void ctrGraphicalLabelEX::resized() {
    OwnerDrawn::resized();
    for (auto& segment : segments_)
        segment.create(Disp().hDC(), Width(), Height());
}

void ctrGraphicalLabelEX::setAP(int segment, std::int16_t value) {
    value = std::clamp<std::int16_t>(value, 0, 100);
    if (value == settings.AP[segment]) return;
    settings.AP[segment] = value;
    washSegment(segment);
}

void ctrGraphicalLabelEX::setSemiTrans(int segment, std::int32_t value) {
    if (value == settings.SemiTrans[segment]) return;
    settings.SemiTrans[segment] = value;
    washSegment(segment);
}

void ctrGraphicalLabelEX::washSegment(int segment) {
    segments_[segment].fill(picBase_.dc(), toolkit::rgbOf(colours_, settings.SemiTrans[segment]),
                            settings.AP[segment]);
}
