#include "toolkit/ctr_graphical_msg.h"

#include "toolkit/see_through.h"

#include "platform/drawing/graphical_controls_props.h"
#include "platform/drawing/memory_dc.h"

#include "host/gdi/blit.h"
#include "host/gdi/draw_text.h"
#include "host/runtime/strings.h"

#include <vector>

namespace {

constexpr unsigned kWrap = host::gdi::DT_EDITCONTROL | host::gdi::DT_WORDBREAK;
// Space between the frame and the text's left edge.
constexpr int kTextInset = 2;

// The surface of the last layout, or a new one like the box's context when
// the size has changed.
void keepSurface(std::unique_ptr<host::gdi::DeviceContext>& surface, const host::gdi::DeviceContext& like,
                 int width, int height) {
    if (!surface || surface->bitmap().width() != width || surface->bitmap().height() != height ||
        surface->bitmap().monochrome() != like.bitmap().monochrome())
        surface = CreateMemoryDC(like, width, height);
}

// Each source line wrapped into its band of rows between the x of left and
// right: black on white in the mask, and the picture black but where the mask
// is, in the colour. A band is cleared, drawn and copied while its rows are in
// the cache.
void drawBands(host::gdi::DeviceContext& mask, host::gdi::Bitmap& picture,
               const std::shared_ptr<const host::gdi::Font>& font, const std::vector<std::string>& lines,
               const std::vector<int>& bands, int left, int right, int lineHeight,
               host::gdi::COLORREF colour) {
    mask.setBkMode(host::gdi::BkMode::Transparent);
    mask.setTextColor(host::gdi::kBlack);
    mask.selectFont(font);
    const host::gdi::COLORREF ink = picture.storable(colour);
    const int width = picture.width();
    int row = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        host::gdi::Rect band{left, lineHeight * row, right, lineHeight * (row + bands[i])};
        mask.bitmap().fill({0, band.top, width, band.bottom}, host::gdi::kWhite);
        host::gdi::DrawText(mask, lines[i], band, kWrap);
        for (int y = band.top; y < band.bottom; ++y) {
            const host::gdi::COLORREF* from = mask.bitmap().row(y);
            host::gdi::COLORREF* to = picture.row(y);
            for (int x = 0; x < width; ++x)
                to[x] = from[x] == host::gdi::kBlack ? ink : host::gdi::kBlack;
        }
        row += bands[i];
    }
}

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
        host::gdi::Rect wrapped{frame + kTextInset, 0, tw, 0};
        const int wrappedRows =
            host::gdi::DrawText(disp, line, wrapped, host::gdi::DT_CALCRECT | kWrap) / lineHeight_;
        bands.push_back(std::max(oneLine.right / std::max(tw, 1) + 1, wrappedRows));
        lineCount_ += bands.back();
    }
    disp.selectFont(previousFont);

    // What masking the text drawn over the key colour makes, drawn directly:
    // the picture black but for the text, the mask white but under it. Text
    // in the key colour itself does not show.
    const int height = lineHeight_ * lineCount_;
    const host::gdi::COLORREF colour = toolkit::rgbOf(colours_, settings.FontColor);
    const bool shows = colour != toolkit::rgbOf(colours_, settings.TextMaskColor);
    keepSurface(textPicture_, disp, tw, height);
    keepSurface(textMask_, disp, tw, height);
    if (shows) {
        drawBands(*textMask_, textPicture_->bitmap(), font, lines, bands, frame + kTextInset, tw, lineHeight_,
                  colour);
    } else {
        textPicture_->bitmap().fill({0, 0, tw, height}, host::gdi::kBlack);
        textMask_->bitmap().fill({0, 0, tw, height}, host::gdi::kWhite);
    }

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
