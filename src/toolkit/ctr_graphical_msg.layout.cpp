#include "toolkit/ctr_graphical_msg.h"

#include "toolkit/see_through.h"

#include "platform/drawing/graphical_controls_props.h"
#include "platform/drawing/memory_dc.h"

#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/fill.h"
#include "host/runtime/strings.h"

#include <vector>

namespace {

constexpr unsigned kWrap = host::gdi::DT_EDITCONTROL | host::gdi::DT_WORDBREAK;

} // namespace

int ctrGraphicalMSG::textWidth() const {
    return Width() - 2 * settings.FrameSize - kThumbWidth;
}

void ctrGraphicalMSG::layOut() {
    const int tw = textWidth();
    const int frame = settings.FrameSize;
    host::gdi::DeviceContext& disp = Disp().hDC();
    const auto font = CreateFontHandle(settings.FontSize, false, "");
    const auto previousFont = disp.selectFont(font);

    // Each source line takes (its one-line width \ TW) + 1 rows, or as many
    // as its wrap really needs when that is more, so no words are cut off.
    // The row height is the font's, also for an empty last line.
    const std::vector<std::string> lines = host::runtime::Split(settings.Text, "\r\n");
    lineHeight_ = font->height();
    std::vector<int> bands;
    bands.reserve(lines.size());
    lineCount_ = 0;
    for (const std::string& line : lines) {
        host::gdi::Rect oneLine{0, 0, 0, 0};
        host::gdi::DrawText(disp, line, oneLine, host::gdi::DT_CALCRECT);
        host::gdi::Rect wrapped{frame, 0, tw, 0};
        const int wrappedRows =
            host::gdi::DrawText(disp, line, wrapped, host::gdi::DT_CALCRECT | kWrap) / lineHeight_;
        bands.push_back(std::max(oneLine.right / std::max(tw, 1) + 1, wrappedRows));
        lineCount_ += bands.back();
    }
    disp.selectFont(previousFont);

    textPicture_ = CreateMemoryDC(disp, tw, lineHeight_ * lineCount_);
    const host::gdi::COLORREF key = toolkit::rgbOf(colours_, settings.TextMaskColor);
    host::gdi::FillRect(*textPicture_, {0, 0, tw, lineHeight_ * lineCount_}, host::gdi::Brush{key});
    textPicture_->setBkColor(key);
    textPicture_->setTextColor(toolkit::rgbOf(colours_, settings.FontColor));
    textPicture_->selectFont(font);
    int row = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        host::gdi::Rect band{frame, lineHeight_ * row, tw, lineHeight_ * (row + bands[i])};
        host::gdi::DrawText(*textPicture_, lines[i], band, kWrap);
        row += bands[i];
    }
    textMask_ = CreateMaskDC(*textPicture_, tw, lineHeight_ * lineCount_, key, disp);

    // A box lower than one row still shows one.
    visibleLines_ = std::max(Height() / lineHeight_, 1);
    position_ = 0;
    lastDrawn_ = 0;
    if (Height() >= lineHeight_ * lineCount_ || settings.ForceNotVisible) {
        SubClassEnding();
        hideThumb();
    } else {
        if (!hooked_) {
            hooked_ = true;
            mdlSubClass::SubClassHook(*this);
        }
        placeThumb();
    }
}

void ctrGraphicalMSG::drawLines() {
    if (!textPicture_) return;
    const int frame = settings.FrameSize;
    const int tw = textWidth();
    const bool bottom = settings.VerticalText == 1 && lineCount_ <= visibleLines_;
    const int y = bottom ? frame + lineHeight_ * (visibleLines_ - lineCount_) : frame;
    const int height = lineHeight_ * visibleLines_;
    const int sourceY = lineHeight_ * position_;
    host::gdi::DeviceContext& dc = Disp().hDC();
    host::gdi::BitBlt(dc, frame, y, tw, height, *textMask_, frame, sourceY, host::gdi::SRCAND);
    host::gdi::BitBlt(dc, frame, y, tw, height, *textPicture_, frame, sourceY, host::gdi::SRCPAINT);
    lastDrawn_ = position_;
}
