#pragma once

#include "toolkit/background_copy.h"
#include "toolkit/washed_picture.h"

#include "platform/graphics/cls_color.h"

#include "host/gdi/device_context.h"
#include "host/gdi/geometry.h"
#include "host/runtime/event.h"
#include "host/ui/owner_drawn.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The persisted settings of a button label under their keys, with the
// defaults of a new label and of a key that is not stored.
struct LabelLiteSettings {
    std::string Text;
    std::int32_t TextAlignment = 2;
    std::int32_t SemiTransColor = 5;
    std::int32_t MouseMoveSemiTransColor = 6;
    std::int32_t SelectSemiTransColor = 108;
    std::int32_t FrameColor = 1;
    std::int16_t FrameWidth = 1;
    bool FontBold = false;
    std::int16_t FontSize = 16;
    std::int32_t FontColor = 4;
    bool Selected = false;
    std::int16_t SemiTransAP = 50;
    std::int16_t MouseMoveSemiTransAP = 50;
    std::int16_t SelectSemiTransAP = 50;
    bool SoundEffect = true;
    bool Enable = true;
    bool SelectEnable = false;
};

// The button label: a washed copy of the picture under it with a frame and a
// one-line caption, in four looks (normal, mouse-over, selected, disabled).
// Click and RightClick are raised when a button is released over it or a key
// stands for one; MouseMove (the control's event) once when the pointer
// enters.
class ctrGraphicalLabelLite : public host::ui::OwnerDrawn<LabelLiteSettings> {
  public:
    ctrGraphicalLabelLite();

    // MouseLeave is both the host's call that ends the mouse-over look and
    // the event raised when the pointer leaves.
    class LeaveMember : public host::runtime::Event<> {
      public:
        explicit LeaveMember(ctrGraphicalLabelLite& label) : label_(label) {}
        // Ends the mouse-over look and redraws; the capture is kept.
        void operator()();

      private:
        ctrGraphicalLabelLite& label_;
    };
    LeaveMember MouseLeave{*this};
    // Asks the host for a control sound: 0 before Click, 1 on entering, 5
    // before RightClick; only while SoundEffect is set.
    host::runtime::Event<std::int32_t> Sound;

    // Takes the picture under the label at (Left, Top), builds the four looks
    // and draws.
    void BackImageCopy(host::gdi::Drawable& picture, std::int16_t Left, std::int16_t Top);
    // Draws again from the looks already built; the text is not used.
    void RePaint(std::string_view = {});
    // Takes the picture again from where the last BackImageCopy took it, at
    // the present size, washes the looks again and draws.
    void Refresh();

    const std::string& Text() const { return settings.Text; }
    void Text(std::string value);
    std::int32_t TextAlignment() const { return settings.TextAlignment; }
    void TextAlignment(std::int32_t value) { settings.TextAlignment = value; }
    std::int32_t SemiTrans() const { return settings.SemiTransColor; }
    void SemiTrans(std::int32_t value) { settings.SemiTransColor = value; }
    std::int32_t MouseMoveSemiTransColor() const { return settings.MouseMoveSemiTransColor; }
    void MouseMoveSemiTransColor(std::int32_t value) { settings.MouseMoveSemiTransColor = value; }
    std::int32_t SelectTransColor() const { return settings.SelectSemiTransColor; }
    void SelectTransColor(std::int32_t value) { settings.SelectSemiTransColor = value; }
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int16_t FrameWidth() const { return settings.FrameWidth; }
    void FrameWidth(std::int16_t value) { settings.FrameWidth = value; }
    bool FontBold() const { return settings.FontBold; }
    void FontBold(bool value) { settings.FontBold = value; }
    std::int16_t FontSize() const { return settings.FontSize; }
    void FontSize(std::int16_t value) { settings.FontSize = value; }
    std::int32_t FontColor() const { return settings.FontColor; }
    void FontColor(std::int32_t value) { settings.FontColor = value; }
    bool Selected() const { return settings.Selected; }
    void Selected(bool value);
    std::int16_t SemiTransAP() const { return settings.SemiTransAP; }
    void SemiTransAP(std::int16_t value) { settings.SemiTransAP = value; }
    std::int16_t MouseMoveSemiTransAP() const { return settings.MouseMoveSemiTransAP; }
    void MouseMoveSemiTransAP(std::int16_t value) { settings.MouseMoveSemiTransAP = value; }
    std::int16_t SelectSemiTransAP() const { return settings.SelectSemiTransAP; }
    void SelectSemiTransAP(std::int16_t value) { settings.SelectSemiTransAP = value; }
    void Active(bool value) { active_ = value; }
    // Kept, never used.
    void ClickSoundPath(std::string value) { clickSoundPath_ = std::move(value); }
    void MouoseMoveSoundPath(std::string value) { mouseMoveSoundPath_ = std::move(value); }
    bool SoundEffect() const { return settings.SoundEffect; }
    void SoundEffect(bool value) { settings.SoundEffect = value; }
    bool Enable() const { return settings.Enable; }
    // Disabling ends a hover and lets the capture go; then draws.
    void Enable(bool value);
    bool SelectEnable() const { return settings.SelectEnable; }
    void SelectEnable(bool value) { settings.SelectEnable = value; }

    void onMouseMove(int button, int shift, int x, int y) override;
    void onMouseUp(int button, int shift, int x, int y) override;
    void onClick() override {}
    void onRightClick() override {}
    void onKeyPress(int& code) override;

  private:
    enum Look { Normal, MouseOver, SelectedLook, Disabled, LookCount };

    Look currentLook() const;
    void washLook(Look look);
    void redraw();
    void drawCaption(host::gdi::DeviceContext& dc);
    void endHover();
    void release(int button);
    void raiseSound(std::int32_t kind);

    clsColor colours_;
    toolkit::BackgroundCopy picImage_;
    std::array<toolkit::WashedPicture, LookCount> looks_;
    bool hover_ = false;
    host::gdi::Rect caption_;
    bool active_ = true;
    std::string clickSoundPath_;
    std::string mouseMoveSoundPath_;
};
