#pragma once

#include "toolkit/outline_picture.h"

#include "platform/graphics/cls_color.h"

#include "host/gdi/device_context.h"
#include "host/runtime/event.h"
#include "host/ui/owner_drawn.h"
#include "host/ui/timer.h"

#include <cstdint>
#include <memory>

// The persisted settings of a slider under their keys, as a new slider has
// them; readDefaults() gives the defaults of keys a stored slider lacks. Mix
// is the lower end of the range.
struct SliderSettings {
    std::int16_t SliderWidth = 10;
    std::int32_t Max = 100;
    std::int32_t Mix = 0;
    std::int16_t TP = 50;
    std::int32_t TransColor = 4;
    bool Enabled = true;
    bool UpDown = false;
    std::int32_t FrameColor = 0;
    std::int16_t FrameWidth = 0;
    std::int32_t SmallChange = 1;
    std::int32_t LargeChange = 10;

    static SliderSettings readDefaults();
};

// The horizontal slider: a thumb on a track over the washed picture under
// it, with optional step buttons at both ends. A press on the track pages
// toward the pointer, the thumb can be dragged, and a held button or track
// repeats every 300 ms. Every new value is first offered through
// ValueChange, whose handler may refuse or replace it.
class ctrGraphicalSlider : public host::ui::OwnerDrawn<SliderSettings> {
  public:
    static constexpr int kRepeatInterval = 300;

    // Zones of the pointer.
    enum Zone : std::int32_t { NoZone = 0, Outside = 1, LeftButton = 2, RightButton = 3, Track = 4 };

    ctrGraphicalSlider();

    // A stored slider's settings as they come, without the limits of the
    // setters; nothing is drawn.
    void ReadProperties(const SliderSettings& stored) { settings = stored; }

    // The picture holding both buttons side by side (down on the left, up on
    // the right) with its mask, both owned by the picture store, and the
    // width of both; used from the next BackImageCopy.
    void SetUpDownImage(const host::gdi::DeviceContext* UpDownImage,
                        const host::gdi::DeviceContext* UpDownMaskImage, std::int32_t lngWidth);
    // Builds the washed background with the track frame and the buttons and
    // the thumb from the picture at (Left, Top), and draws the thumb at the
    // track start.
    void BackImageCopy(host::gdi::DeviceContext& HDCImage, std::int32_t Left, std::int32_t Top);

    // The value about to be applied and True; a handler that sets the flag
    // to False refuses the change, one that changes the value applies its own.
    host::runtime::Event<std::int32_t, bool> ValueChange;
    // Declared for a control sound; the slider never raises it.
    host::runtime::Event<std::int32_t> Sound;
    host::runtime::Event<> SliderLeave;

    std::int32_t Value() const { return value_; }
    // Kept within Mix..Max, then applied.
    void Value(std::int32_t pValue);
    // Above Max it becomes Max - 1.
    void Mix(std::int32_t value);
    std::int32_t Mix() const { return settings.Mix; }
    // Below Mix it becomes Mix + 1.
    void Max(std::int32_t value);
    std::int32_t Max() const { return settings.Max; }
    bool UpDown() const { return settings.UpDown; }
    void UpDown(bool value) { settings.UpDown = value; }
    std::int32_t LargeChange() const { return settings.LargeChange; }
    void LargeChange(std::int32_t value) { settings.LargeChange = value; }
    std::int32_t SmallChange() const { return settings.SmallChange; }
    void SmallChange(std::int32_t value) { settings.SmallChange = value; }
    // Whether the slider reacts to the pointer; Value can be set either way.
    bool Enabled() const { return settings.Enabled; }
    void Enabled(bool value) { settings.Enabled = value; }
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int16_t FrameWidth() const { return settings.FrameWidth; }
    void FrameWidth(std::int16_t value) { settings.FrameWidth = value; }
    std::int16_t TP() const { return settings.TP; }
    void TP(std::int16_t value) { settings.TP = value; }
    std::int32_t TransColor() const { return settings.TransColor; }
    void TransColor(std::int32_t value) { settings.TransColor = value; }
    std::int16_t SliderWidth() const { return settings.SliderWidth; }
    void SliderWidth(std::int16_t value) { settings.SliderWidth = value; }
    // The thumb picture (owned by the picture store); used from the next
    // BackImageCopy.
    void SliderImage(const host::gdi::DeviceContext* value) { sliderImage_ = value; }

    // Geometry of the last BackImageCopy and the pointer state.
    int trackStart() const { return trackStart_; }
    int trackEnd() const { return trackEnd_; }
    int trackLength() const { return trackLength_; }
    int thumbPosition() const { return thumbPosition_; }
    Zone zone() const { return zone_; }
    bool dragging() const { return dragging_; }
    bool repeating() const { return timer_.Enabled(); }

    void onMouseMove(int button, int shift, int x, int y) override;
    void onMouseDown(int button, int shift, int x, int y) override;
    void onMouseUp(int button, int shift, int x, int y) override;
    void onClick() override;

  private:
    void buildButtonOutline();
    // Raises ValueChange for a value kept within the range; false when the
    // value is the one last applied or the change is refused.
    bool offerValue();
    void applyValue();
    // Where the thumb stands for a value.
    int thumbPositionOf(std::int32_t value) const;
    // The thumb back at the last applied value once a drag is over.
    void restThumb();
    // The static background and the thumb at its position, with the outline
    // of the button under the pointer when asked.
    void drawThumb(bool outline);
    void restoreButton();
    void outlineButton(Zone zone);
    int buttonX(Zone zone) const;
    // The value under a pointer x on the track.
    std::int32_t valueAt(int x) const;
    void pageToward(std::int32_t target);
    void drag(int x);
    void repeat();
    // Pixels per value; 0 when the range holds no value or the track has no
    // length, and then the slider shows no thumb and the pointer pages and
    // drags nothing.
    double pixelsPerValue() const;

    clsColor colours_;
    std::int32_t value_ = 0;
    std::int32_t lastApplied_ = 0;
    const host::gdi::DeviceContext* buttonImage_ = nullptr;
    const host::gdi::DeviceContext* buttonMask_ = nullptr;
    const host::gdi::DeviceContext* sliderImage_ = nullptr;
    int buttonWidth_ = 20;
    int trackStart_ = 0;
    int trackEnd_ = 0;
    int trackLength_ = 0;
    int thumbPosition_ = 0;
    int grabOffset_ = 0;
    Zone zone_ = NoZone;
    bool dragging_ = false;
    std::unique_ptr<host::gdi::DeviceContext> background_;
    std::unique_ptr<host::gdi::DeviceContext> thumb_;
    toolkit::OutlinePicture buttonOutline_;
    host::ui::Timer timer_;
};
