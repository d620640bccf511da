#include "toolkit/ctr_graphical_msg.h"

#include "toolkit/see_through.h"

#include "platform/drawing/frames.h"
#include "platform/drawing/memory_dc.h"
#include "platform/drawing/translucent.h"

#include "host/gdi/blit.h"
#include "host/ui/window_procedure.h"

namespace {

// The thumb's own look: plain gold.
constexpr host::gdi::COLORREF kThumbColour = host::gdi::RGB(255, 215, 0);

} // namespace

ctrGraphicalMSG::ctrGraphicalMSG() : OwnerDrawn("ctrGraphicalMSG") {
    scroll_.setName("Scroll");
    scroll_.setParent(this);
    scroll_.setBackColor(kThumbColour);
    scroll_.setVisible(false);
    scroll_.MouseDown.subscribe([this](int&, int&, int&, int& y) { thumbPressed(y); });
    scroll_.MouseMove.subscribe([this](int&, int&, int&, int& y) { thumbMoved(y); });
    scroll_.MouseUp.subscribe([this](int&, int&, int&, int&) { thumbReleased(); });
    // A wheel turned over the thumb goes on to the box, as to a parent window.
    scroll_.MouseWheel.subscribe([this](int& delta) {
        host::ui::SendMessage(Control::hWnd(), host::ui::WM_MOUSEWHEEL, host::ui::wheelWParam(delta), 0);
    });
}

ctrGraphicalMSG::~ctrGraphicalMSG() {
    SubClassEnding();
}

void ctrGraphicalMSG::BackImageCopy(host::gdi::DeviceContext& hDC, std::int16_t Left, std::int16_t Top) {
    picWork_.take(hDC, Left, Top, Width(), Height());
    Translucent2(picWork_.dc(), toolkit::rgbOf(colours_, settings.SemiTransColor), settings.SemiTransColorAP);
    position_ = 0;
    lastDrawn_ = 0;
}

void ctrGraphicalMSG::Clear() {
    settings.Text.clear();
    host::gdi::BitBlt(Disp().hDC(), 0, 0, Width(), Height(), picWork_.dc(), 0, 0, host::gdi::SRCCOPY);
    drawFrame();
    hideThumb();
    Disp().Refresh();
}

void ctrGraphicalMSG::Refresh() {
    if (!picWork_.retake()) return;
    Translucent2(picWork_.dc(), toolkit::rgbOf(colours_, settings.SemiTransColor), settings.SemiTransColorAP);
    drawBox();
}

host::gdi::DeviceContext* ctrGraphicalMSG::HDC() {
    host::gdi::DeviceContext& dc = Disp().hDC();
    snapshot_ = CreateMemoryDC(dc, Width(), Height());
    host::gdi::BitBlt(*snapshot_, 0, 0, Width(), Height(), dc, 0, 0, host::gdi::SRCCOPY);
    if (thumbShown_)
        host::gdi::BitBlt(*snapshot_, scroll_.Left(), scroll_.Top(), scroll_.Width(), scroll_.Height(),
                          scroll_.hDC(), 0, 0, host::gdi::SRCCOPY);
    return snapshot_.get();
}

void ctrGraphicalMSG::Text(std::string value) {
    settings.Text = std::move(value);
    drawBox();
}

void ctrGraphicalMSG::drawBox() {
    host::gdi::BitBlt(Disp().hDC(), 0, 0, Width(), Height(), picWork_.dc(), 0, 0, host::gdi::SRCCOPY);
    drawFrame();
    if (settings.Text.empty()) {
        // No stale lines for the wheel to bring back.
        hideThumb();
    } else {
        layOut();
        // Bottom-aligned overflowing text scrolls down a line at a time to
        // its end; only the last step's picture is shown, so only it is drawn.
        if (settings.VerticalText == 1 && visibleLines_ < lineCount_) {
            for (int step = visibleLines_; step < lineCount_; ++step)
                scrollLine(true);
        }
        drawLines();
    }
    Disp().Refresh();
}

void ctrGraphicalMSG::drawFrame() {
    DrawPictureFrame(Disp(), toolkit::rgbOf(colours_, settings.FrameColor), settings.FrameSize);
}

void ctrGraphicalMSG::redrawScrolled() {
    host::gdi::BitBlt(Disp().hDC(), 0, 0, Width(), Height(), picWork_.dc(), 0, 0, host::gdi::SRCCOPY);
    drawFrame();
    drawLines();
    Disp().Refresh();
}
