#pragma once

#include "toolkit/background_copy.h"
#include "toolkit/washed_picture.h"

#include "platform/graphics/cls_color.h"

#include "host/gdi/device_context.h"
#include "host/ui/owner_drawn.h"

#include <array>
#include <cstdint>

// The persisted settings of a stacked bar, with their defaults. The arrays
// hold the four segments, stored under "FirstSemiTrans" .. "FourthSemiTrans",
// "FirstValue" .. "FourthValue" and "FirstAP" .. "FourthAP".
struct LabelEXSettings {
    std::array<std::int32_t, 4> SemiTrans{5, 146, 108, 2};
    std::array<std::int16_t, 4> Value{0, 0, 0, 0};
    std::array<std::int16_t, 4> AP{50, 50, 50, 50};
    std::int32_t FrameColor = 1;
    std::int16_t FrameWidth = 1;
    std::int32_t Horizon = 1;
    std::int16_t ImageNum = 4;
    std::int16_t Max = 100;
    std::int16_t Min = 0;
};

// The stacked bar: up to four washed segments side by side over the
// unwashed picture under it, with a frame; drawn from the right edge when
// Horizon is 1, else from the left. No caption, input or events.
class ctrGraphicalLabelEX : public host::ui::OwnerDrawn<LabelEXSettings> {
  public:
    ctrGraphicalLabelEX();

    // A stored bar's settings: colours and wash percentages through their
    // setters, the others as they come.
    void ReadProperties(const LabelEXSettings& stored);

    // Takes the picture under the bar at (Left, Top) and washes the four
    // segment pictures; draws nothing.
    void BackImageCopy(host::gdi::Drawable& picture, std::int16_t Left, std::int16_t Top);
    void RePaint();

    std::int16_t FirstAP() const { return settings.AP[0]; }
    void FirstAP(std::int16_t value) { setAP(0, value); }
    std::int16_t SecondAP() const { return settings.AP[1]; }
    void SecondAP(std::int16_t value) { setAP(1, value); }
    std::int16_t ThirdAP() const { return settings.AP[2]; }
    void ThirdAP(std::int16_t value) { setAP(2, value); }
    std::int16_t FourthAP() const { return settings.AP[3]; }
    void FourthAP(std::int16_t value) { setAP(3, value); }
    std::int32_t FirstSemiTrans() const { return settings.SemiTrans[0]; }
    void FirstSemiTrans(std::int32_t value) { setSemiTrans(0, value); }
    std::int32_t SecondSemiTrans() const { return settings.SemiTrans[1]; }
    void SecondSemiTrans(std::int32_t value) { setSemiTrans(1, value); }
    std::int32_t ThirdSemiTrans() const { return settings.SemiTrans[2]; }
    void ThirdSemiTrans(std::int32_t value) { setSemiTrans(2, value); }
    std::int32_t FourthSemiTrans() const { return settings.SemiTrans[3]; }
    void FourthSemiTrans(std::int32_t value) { setSemiTrans(3, value); }
    std::int16_t FirstValue() const { return settings.Value[0]; }
    void FirstValue(std::int16_t value) { settings.Value[0] = value; }
    std::int16_t SecondValue() const { return settings.Value[1]; }
    void SecondValue(std::int16_t value) { settings.Value[1] = value; }
    std::int16_t ThirdValue() const { return settings.Value[2]; }
    void ThirdValue(std::int16_t value) { settings.Value[2] = value; }
    std::int16_t FourthValue() const { return settings.Value[3]; }
    void FourthValue(std::int16_t value) { settings.Value[3] = value; }
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int16_t FrameWidth() const { return settings.FrameWidth; }
    void FrameWidth(std::int16_t value) { settings.FrameWidth = value; }
    std::int32_t Horizon() const { return settings.Horizon; }
    void Horizon(std::int32_t value) { settings.Horizon = value; }
    std::int16_t ImageNum() const { return settings.ImageNum; }
    // Kept within 1..4.
    void ImageNum(std::int16_t value);
    std::int16_t Max() const { return settings.Max; }
    void Max(std::int16_t value) { settings.Max = value; }
    std::int16_t Min() const { return settings.Min; }
    void Min(std::int16_t value) { settings.Min = value; }

  protected:
    // New white segment pictures of the new size.
    void resized() override;

  private:
    void setAP(int segment, std::int16_t value);
    void setSemiTrans(int segment, std::int32_t value);
    void washSegment(int segment);

    clsColor colours_;
    toolkit::BackgroundCopy picBase_;
    std::array<toolkit::WashedPicture, 4> segments_;
};
