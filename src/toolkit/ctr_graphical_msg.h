#pragma once

#include "toolkit/background_copy.h"

#include "platform/drawing/drawable_control.h"
#include "platform/graphics/cls_color.h"
#include "platform/subclass/mdl_sub_class.h"

#include "host/gdi/device_context.h"
#include "host/ui/owner_drawn.h"
#include "host/ui/picture_box.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

// The persisted settings of a message box under their keys; a new box and a
// stored one lacking a key have the same defaults. VerticalText is the
// alignment: 0 top, 1 bottom. Active and Enable are kept but change nothing.
struct MSGSettings {
    bool Active = true;
    bool Enable = true;
    std::int32_t FontColor = 1;
    std::int32_t FrameColor = 1;
    std::int32_t SemiTransColor = 4;
    std::int16_t FontSize = 16;
    std::int16_t FrameSize = 1;
    std::int16_t SemiTransColorAP = 50;
    std::string Text;
    std::int32_t TextMaskColor = 118;
    std::int32_t VerticalText = 0;
    bool ForceNotVisible = false;
};

// The message box: lines of text separated by CR LF, word-wrapped over the
// washed picture under the box, with a frame, top or bottom alignment of a
// text that fits and, for one that does not, a 10-pixel scroll thumb moved
// by the wheel and by dragging. The whole wrapped text is rendered once per
// layout into a text picture with its mask; scrolling copies a band of it.
class ctrGraphicalMSG : public host::ui::OwnerDrawn<MSGSettings>,
                        public DrawableControl,
                        public SubClassSubscriber {
  public:
    static constexpr int kThumbWidth = 10;

    ctrGraphicalMSG();
    ~ctrGraphicalMSG() override;

    // A stored box's settings as they come; nothing is laid out or drawn.
    void ReadProperties(const MSGSettings& stored) { settings = stored; }

    // Takes the box's area at (Left, Top) of the picture, washes it and keeps
    // the picture and place for Refresh; draws nothing until the next Text or
    // Refresh.
    void BackImageCopy(host::gdi::DeviceContext& hDC, std::int16_t Left, std::int16_t Top);
    // Empties the text and shows the washed background with the frame; the
    // thumb hides, the text picture and the wheel subscription stay.
    void Clear();
    // Takes the background again from the kept picture and draws as Text does.
    void Refresh();

    // The text picture of the last layout; null before the first.
    host::gdi::DeviceContext* GetHDC() { return textPicture_.get(); }
    // A new snapshot of the box as shown, the thumb included, kept until
    // HDCDelete or the next HDC.
    host::gdi::DeviceContext* HDC() override;
    void HDCDelete() override { snapshot_.reset(); }

    // Scrolls one line per wheel message while the thumb shows; answers -1
    // so that the window's own procedure also gets every message.
    std::int32_t WindowProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam,
                            std::int32_t lParam) override;
    // Leaves the wheel subscription, if any.
    void SubClassEnding();
    host::ui::WindowProcedure PreWndProcAddress() override { return preWndProc_; }
    void setPreWndProcAddress(host::ui::WindowProcedure procedure) override { preWndProc_ = procedure; }
    std::int32_t hWnd() override { return Control::hWnd(); }

    static std::int32_t HIWORD(std::int32_t lngVal) { return lngVal / 65536; }
    static std::int32_t LOWORD(std::int32_t lngVal) { return lngVal % 65536; }

    const std::string& Text() const { return settings.Text; }
    // Lays the text out and draws the box.
    void Text(std::string value);
    std::int32_t SemiTransColor() const { return settings.SemiTransColor; }
    void SemiTransColor(std::int32_t value) { settings.SemiTransColor = value; }
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int32_t FontColor() const { return settings.FontColor; }
    void FontColor(std::int32_t value) { settings.FontColor = value; }
    std::int16_t FrameSize() const { return settings.FrameSize; }
    void FrameSize(std::int16_t value) { settings.FrameSize = value; }
    std::int16_t SemiTransColorAP() const { return settings.SemiTransColorAP; }
    // Kept within 0..100.
    void SemiTransColorAP(std::int16_t value) {
        settings.SemiTransColorAP = std::clamp<std::int16_t>(value, 0, 100);
    }
    std::int16_t FontSize() const { return settings.FontSize; }
    void FontSize(std::int16_t value) { settings.FontSize = value; }
    bool ForceNotVisible() const { return settings.ForceNotVisible; }
    void ForceNotVisible(bool value) { settings.ForceNotVisible = value; }
    bool Active() const { return settings.Active; }
    void Active(bool value) { settings.Active = value; }
    bool Enable() const { return settings.Enable; }
    void Enable(bool value) { settings.Enable = value; }
    std::int32_t TextMaskColor() const { return settings.TextMaskColor; }
    void TextMaskColor(std::int32_t value) { settings.TextMaskColor = value; }
    std::int32_t VerticalAlignment() const { return settings.VerticalText; }
    void VerticalAlignment(std::int32_t value) { settings.VerticalText = value; }

    // The scroll thumb, a child window the box moves, sizes, shows and hides.
    host::ui::PictureBox& Scroll() { return scroll_; }

    // What the last layout and scroll left.
    int lineHeight() const { return lineHeight_; }
    int lineCount() const { return lineCount_; }
    int visibleLines() const { return visibleLines_; }
    int scrollPosition() const { return position_; }
    float thumbStep() const { return step_; }
    bool thumbShown() const { return thumbShown_; }

    // As the see-through background copy sees the box.
    std::string ContainerName() const override { return Parent() ? Parent()->Name() : std::string(); }
    std::string TypeName() const override { return Control::TypeName(); }
    bool Visible() const override { return Control::Visible(); }
    std::int32_t Left() const override { return Control::Left(); }
    std::int32_t Top() const override { return Control::Top(); }
    std::int32_t Width() const override { return Control::Width(); }
    std::int32_t Height() const override { return Control::Height(); }

  private:
    void drawBox();
    void drawFrame();
    void layOut();
    void placeThumb();
    void hideThumb();
    void drawLines();
    void redrawScrolled();
    void wheelStep(bool down);
    // One line down or up, the thumb following; false when already at the top.
    bool scrollLine(bool down);
    void thumbPressed(int y);
    void thumbMoved(int y);
    void thumbReleased();
    void moveThumbTo(int top);
    int textWidth() const;

    clsColor colours_;
    toolkit::BackgroundCopy picWork_;
    host::ui::PictureBox scroll_;
    std::unique_ptr<host::gdi::DeviceContext> textPicture_;
    std::unique_ptr<host::gdi::DeviceContext> textMask_;
    std::unique_ptr<host::gdi::DeviceContext> snapshot_;
    host::ui::WindowProcedure preWndProc_ = nullptr;
    bool hooked_ = false;
    int lineHeight_ = 0;
    int lineCount_ = 0;
    int visibleLines_ = 0;
    int position_ = 0;
    int lastDrawn_ = 0;
    float step_ = 0;
    bool thumbShown_ = false;
    bool dragging_ = false;
    float grabOffset_ = 0;
};
