#include "toolkit/ctr_graphical_label_lite.h"

#include "toolkit/see_through.h"

#include "platform/drawing/frames.h"
#include "platform/drawing/graphical_controls_props.h"

#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"

namespace {

constexpr const char* kCaptionFace = "MS UI Gothic";
// The disabled look: black at 50 percent.
constexpr std::int32_t kDisabledColour = 4;
constexpr std::int16_t kDisabledAP = 50;

// Sound kinds asked of the host.
constexpr std::int32_t kClickSound = 0;
constexpr std::int32_t kEnterSound = 1;
constexpr std::int32_t kRightClickSound = 5;

// Characters that stand for a release of the left or the right button.
bool leftKey(int code) {
    return code == 13 || code == 'a' || code == 'z';
}
bool rightKey(int code) {
    return code == ' ' || code == 'S' || code == 'x';
}

} // namespace

void ctrGraphicalLabelLite::LeaveMember::operator()() {
    label_.endHover();
}

ctrGraphicalLabelLite::ctrGraphicalLabelLite() : OwnerDrawn("ctrGraphicalLabelLite") {}

void ctrGraphicalLabelLite::BackImageCopy(host::gdi::Drawable& picture, std::int16_t Left, std::int16_t Top) {
    picImage_.take(picture.hDC(), Left, Top, Width(), Height());
    for (Look look : {MouseOver, Normal, Disabled, SelectedLook}) {
        looks_[look].create(Disp().hDC(), Disp().width(), Disp().height());
        washLook(look);
    }
    const int frame = settings.FrameWidth;
    caption_ = {frame, frame, Disp().width() - 2 * frame, Disp().height() - 2 * frame};
    redraw();
}

void ctrGraphicalLabelLite::RePaint(std::string_view) {
    redraw();
}

void ctrGraphicalLabelLite::Refresh() {
    if (!picImage_.retake()) return;
    for (Look look : {MouseOver, Normal, Disabled, SelectedLook})
        washLook(look);
    redraw();
}

void ctrGraphicalLabelLite::Text(std::string value) {
    settings.Text = std::move(value);
    redraw();
}

void ctrGraphicalLabelLite::Selected(bool value) {
    settings.Selected = value;
    redraw();
}

void ctrGraphicalLabelLite::Enable(bool value) {
    settings.Enable = value;
    if (!value && hover_) {
        hover_ = false;
        if (hasCapture()) ReleaseCapture();
    }
    redraw();
}

void ctrGraphicalLabelLite::onMouseMove(int button, int shift, int x, int y) {
    if (!active_ || !settings.Enable) return;
    if (toolkit::pointerOutside(x, y, Width(), Height())) {
        // Moves outside reach the label only until the capture has gone.
        if (!hover_ && !hasCapture()) return;
        if (hasCapture()) ReleaseCapture();
        endHover();
        MouseLeave.raise();
        return;
    }
    if (Visible()) SetFocus();
    SetCapture();
    if (hover_) return;
    hover_ = true;
    redraw();
    raiseSound(kEnterSound);
    MouseMove.raise(button, shift, x, y);
}

void ctrGraphicalLabelLite::onMouseUp(int button, int, int x, int y) {
    if (toolkit::pointerOutside(x, y, Width(), Height())) return;
    release(button);
}

void ctrGraphicalLabelLite::onKeyPress(int& code) {
    if (leftKey(code))
        release(host::ui::vbLeftButton);
    else if (rightKey(code))
        release(host::ui::vbRightButton);
}

ctrGraphicalLabelLite::Look ctrGraphicalLabelLite::currentLook() const {
    if (!settings.Enable) return Disabled;
    if (hover_) return MouseOver;
    if (settings.Selected) return SelectedLook;
    return Normal;
}

void ctrGraphicalLabelLite::washLook(Look look) {
    struct Wash {
        std::int32_t colour;
        std::int16_t AP;
    };
    const Wash wash = look == Normal ? Wash{settings.SemiTransColor, settings.SemiTransAP}
                      : look == MouseOver
                          ? Wash{settings.MouseMoveSemiTransColor, settings.MouseMoveSemiTransAP}
                      : look == SelectedLook ? Wash{settings.SelectSemiTransColor, settings.SelectSemiTransAP}
                                             : Wash{kDisabledColour, kDisabledAP};
    looks_[look].fill(picImage_.dc(), toolkit::rgbOf(colours_, wash.colour), wash.AP);
}

void ctrGraphicalLabelLite::redraw() {
    host::gdi::DeviceContext& dc = Disp().hDC();
    toolkit::WashedPicture& look = looks_[currentLook()];
    if (look.exists())
        host::gdi::BitBlt(dc, 0, 0, Disp().width(), Disp().height(), look.dc(), 0, 0, host::gdi::SRCCOPY);
    DrawPictureFrame(Disp(), toolkit::rgbOf(colours_, settings.FrameColor), settings.FrameWidth);
    if (!settings.Text.empty()) drawCaption(dc);
    Disp().Refresh();
}

void ctrGraphicalLabelLite::drawCaption(host::gdi::DeviceContext& dc) {
    const auto previousFont =
        dc.selectFont(CreateFontHandle(settings.FontSize, settings.FontBold, kCaptionFace));
    dc.setTextColor(toolkit::rgbOf(colours_, settings.FontColor));
    dc.setBkMode(host::gdi::BkMode::Transparent);
    host::gdi::Rect rect = caption_;
    unsigned flags = 0;
    switch (settings.TextAlignment) {
    case 1:
        rect.left += 2;
        flags = GetDrawTextFlags(1, true, 2);
        break;
    case 2:
        flags = GetDrawTextFlags(2, true, 2);
        break;
    case 3:
        rect.right -= 2;
        flags = GetDrawTextFlags(3, true, 2);
        break;
    default:
        break;
    }
    host::gdi::DrawText(dc, settings.Text, rect, flags);
    dc.selectFont(previousFont);
}

void ctrGraphicalLabelLite::endHover() {
    hover_ = false;
    redraw();
}

void ctrGraphicalLabelLite::release(int button) {
    if (!settings.Enable || !active_) return;
    if (button == host::ui::vbLeftButton) {
        if (settings.SelectEnable) settings.Selected = !settings.Selected;
        raiseSound(kClickSound);
        Click.raise();
    } else if (button == host::ui::vbRightButton) {
        raiseSound(kRightClickSound);
        RightClick.raise();
    }
}

void ctrGraphicalLabelLite::raiseSound(std::int32_t kind) {
    if (settings.SoundEffect) Sound.raise(kind);
}
