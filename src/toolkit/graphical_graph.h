#pragma once

#include "toolkit/outline_picture.h"
#include "toolkit/washed_picture.h"

#include "platform/graphics/cls_color.h"

#include "host/gdi/device_context.h"
#include "host/gdi/font.h"
#include "host/runtime/event.h"
#include "host/ui/owner_drawn.h"

#include <cstdint>
#include <memory>
#include <string>

// The persisted settings of a gauge under their keys, as a new gauge has
// them; readDefaults() gives the defaults of keys a stored gauge lacks.
struct GraphSettings {
    std::int32_t FontColor = 1;
    std::int32_t FrameColor = 1;
    std::int32_t TransColor = 4;
    std::int32_t ProgressColor = 5;
    std::int16_t TransTR = 50;
    std::int16_t ProgressTR = 50;
    bool Translucent = true;
    std::int16_t Max = 100;
    std::int16_t Min = 0;
    std::int16_t Value = 0;
    std::int32_t TextAlign = 2;
    std::int16_t FrameSize = 1;
    bool FontBold = false;
    // 0: no caption font of its own yet.
    std::int16_t FontSize = 0;
    bool DrawPercent = false;
    bool DrawValue = false;
    bool Selected = false;
    bool EnableMouseOver = false;
    std::int32_t SelectedColor = 9;
    std::int32_t MouseOverColor = 108;
    std::int16_t SelectedSize = 1;
    std::int16_t MouseOverTR = 50;
    bool EnableSelect = false;

    static GraphSettings readDefaults();
};

// The gauge: one value as a filled share of a bar over the picture under it,
// with an optional caption (text, value or percentage), a frame, a highlight
// of the filled part while the pointer is over it and a selection ring that
// a click toggles.
class GraphicalGraph : public host::ui::OwnerDrawn<GraphSettings> {
  public:
    GraphicalGraph();

    // A stored gauge's settings: the font through its setters, the rest as
    // they come; nothing is drawn.
    void ReadProperties(const GraphSettings& stored);

    // Keeps the picture under the gauge and the gauge's place on it, takes
    // the background, builds the washes and the ring and draws the frame;
    // the bar and the caption come with the next redraw.
    void SetImage(host::gdi::DeviceContext& ImageHDC, std::int16_t pLeft, std::int16_t pTop);
    // Ends the hover look and redraws; raises nothing.
    void MouseLeave();
    // Takes the background again from the kept picture, draws the frame and
    // redraws; the ring is not rebuilt.
    void Refresh();

    host::runtime::Event<> GaugeLeave;
    host::runtime::Event<> GaugeEnter;
    // The new Selected; a handler that changes it changes the gauge's.
    host::runtime::Event<bool> GaugeClick;
    // 0 on a click, 1 when the pointer enters.
    host::runtime::Event<std::int32_t> Sound;

    std::int32_t FontColor() const { return settings.FontColor; }
    void FontColor(std::int32_t value) { settings.FontColor = value; }
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int32_t TransColor() const { return settings.TransColor; }
    void TransColor(std::int32_t value) { settings.TransColor = value; }
    std::int32_t ProgressColor() const { return settings.ProgressColor; }
    void ProgressColor(std::int32_t value) { settings.ProgressColor = value; }
    std::int16_t TransTR() const { return settings.TransTR; }
    void TransTR(std::int16_t value) { settings.TransTR = value; }
    std::int16_t ProgressTR() const { return settings.ProgressTR; }
    void ProgressTR(std::int16_t value) { settings.ProgressTR = value; }
    bool Translucent() const { return settings.Translucent; }
    void Translucent(bool value) { settings.Translucent = value; }
    std::int16_t Max() const { return settings.Max; }
    void Max(std::int16_t value) { settings.Max = value; }
    std::int16_t Min() const { return settings.Min; }
    void Min(std::int16_t value) { settings.Min = value; }
    std::int16_t Value() const { return settings.Value; }
    // Kept at most Max, then at least Min; redraws.
    void Value(std::int16_t value);
    const std::string& Text() const { return text_; }
    void Text(std::string value) { text_ = std::move(value); }
    std::int32_t TextAlign() const { return settings.TextAlign; }
    void TextAlign(std::int32_t value) { settings.TextAlign = value; }
    std::int16_t FrameSize() const { return settings.FrameSize; }
    void FrameSize(std::int16_t value) { settings.FrameSize = value; }
    bool FontBold() const { return settings.FontBold; }
    void FontBold(bool value);
    std::int16_t FontSize() const { return settings.FontSize; }
    // Kept within 8..72.
    void FontSize(std::int16_t value);
    bool DrawPercent() const { return settings.DrawPercent; }
    void DrawPercent(bool value) { settings.DrawPercent = value; }
    bool DrawValue() const { return settings.DrawValue; }
    void DrawValue(bool value) { settings.DrawValue = value; }
    bool Selected() const { return settings.Selected; }
    void Selected(bool value);
    bool EnableMouseOver() const { return settings.EnableMouseOver; }
    void EnableMouseOver(bool value) { settings.EnableMouseOver = value; }
    std::int32_t SelectedColor() const { return settings.SelectedColor; }
    void SelectedColor(std::int32_t value) { settings.SelectedColor = value; }
    std::int32_t MouseOverColor() const { return settings.MouseOverColor; }
    void MouseOverColor(std::int32_t value) { settings.MouseOverColor = value; }
    std::int16_t SelectedSize() const { return settings.SelectedSize; }
    // Kept within 0..10.
    void SelectedSize(std::int16_t value);
    std::int16_t MouseOverTR() const { return settings.MouseOverTR; }
    // Kept within 0..100.
    void MouseOverTR(std::int16_t value);
    bool EnableSelect() const { return settings.EnableSelect; }
    void EnableSelect(bool value) { settings.EnableSelect = value; }

    // The caption as it is drawn now.
    std::string caption() const;

    void onMouseMove(int button, int shift, int x, int y) override;
    void onClick() override;

  protected:
    void resized() override;

  private:
    void capture();
    void buildRing();
    void drawFrame();
    void redraw();
    void drawCaption();
    void makeCaptionFont();
    void raiseSound(std::int32_t kind);

    clsColor colours_;
    host::gdi::DeviceContext* source_ = nullptr;
    std::int16_t left_ = 0;
    std::int16_t top_ = 0;
    bool hover_ = false;
    std::string text_;
    toolkit::WashedPicture backgroundWash_;
    toolkit::WashedPicture filledWash_;
    toolkit::WashedPicture highlightWash_;
    toolkit::OutlinePicture ring_;
    std::shared_ptr<const host::gdi::Font> captionFont_;
};
