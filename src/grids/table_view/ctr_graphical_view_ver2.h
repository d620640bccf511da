#pragma once

#include "grids/table_view/cls_gv_headers.h"

#include "platform/graphics/cls_color.h"
#include "platform/records/cls_font.h"

#include "host/gdi/device_context.h"
#include "host/ui/owner_drawn.h"

#include <cstdint>
#include <memory>
#include <string>

// The persisted settings of a table view under their keys, as a newly placed
// one has them; readDefaults() gives the defaults of keys a stored one lacks.
struct GraphicalViewSettings {
    std::int32_t FrameColor = 0;
    std::int32_t TextColor = 0;
    std::int32_t TransColor = 4;
    bool Frame = false;
    bool Translucent = true;
    std::int16_t TR = 50;
    bool FontBold = false;
    std::int16_t FontSize = 11;

    static GraphicalViewSettings readDefaults();
};

// The table view: a small table of labelled cells over the picture under it,
// washed toward TransColor (keeping TR percent of the picture) while
// Translucent is set, with one-pixel frame lines while Frame is set. Cells
// are added once and addressed by identifier; a cell may carry a picture
// (beside or under its text), a font and a text colour of its own. Setting
// a cell's text redraws that cell alone. The view takes no input.
class ctrGraphicalViewVer2 : public host::ui::OwnerDrawn<GraphicalViewSettings> {
  public:
    ctrGraphicalViewVer2();

    // A stored view's settings: the font through its setters (sizes held
    // within 8..72), the rest as they come, TR included.
    void ReadProperties(const GraphicalViewSettings& stored);

    // TA aligns the text: 2 centred, 3 right, else left.
    void AddHeader(std::int16_t pRow, std::int16_t pCol, std::int32_t TA, std::int16_t pWidth,
                   std::string pID, std::string pText);
    // Sets a row's height; once per row.
    void HeaderHeight(std::int16_t pRow, std::int16_t pHeight);
    // The cell's picture and mask (null for none), owned by the caller; TA
    // places the picture (1 left, 2 centred, 3 right); with OVERLAPPED the
    // text lies over it, pLeft from the edge.
    void SetImage(const std::string& pID, const host::gdi::DeviceContext* Image,
                  const host::gdi::DeviceContext* MaskImage, bool OVERLAPPED, std::int32_t TA,
                  std::int16_t pLeft);
    // The cell's own font, in the face of the view's default font.
    void SetFont(const std::string& pID, std::int16_t FontSize, bool FontBold);
    // The picture under the view and the view's place on it.
    void SetBackImage(host::gdi::DeviceContext& BackImage, std::int16_t pLeft, std::int16_t pTop);
    // Sizes the view to its table and draws everything.
    void RePaint();
    void SetFontColor(const std::string& pID, std::int32_t clrName);

    // The share of the picture kept by the wash, held within 0..100.
    std::int16_t TR() const { return settings.TR; }
    void TR(std::int16_t value);
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int32_t TransColor() const { return settings.TransColor; }
    void TransColor(std::int32_t value) { settings.TransColor = value; }
    std::int32_t TextColor() const { return settings.TextColor; }
    void TextColor(std::int32_t value) { settings.TextColor = value; }
    bool Translucent() const { return settings.Translucent; }
    void Translucent(bool value) { settings.Translucent = value; }
    bool Frame() const { return settings.Frame; }
    void Frame(bool value) { settings.Frame = value; }
    const std::string& Text(const std::string& pID) const { return headers_.TextAsID(pID); }
    // Stores the text and redraws that cell over its background; the frame
    // lines and the other cells stay as they are.
    void Text(const std::string& pID, std::string value);
    std::int16_t FontSize() const { return font_.Size(); }
    void FontSize(std::int16_t value);
    bool FontBold() const { return font_.Bold(); }
    void FontBold(bool value);

    // The cells and their geometry.
    const clsGVHeaders& Headers() const { return headers_; }

  private:
    void DrawFrameLines();
    void DrawCells();
    void DrawCell(std::int16_t pRow, std::int16_t pCol);
    void DrawCellImage(std::int16_t pRow, std::int16_t pCol);
    void DrawCellText(std::int16_t pRow, std::int16_t pCol);
    void RestoreCellBack(std::int16_t pRow, std::int16_t pCol);

    clsColor colours_;
    clsFont font_;
    clsGVHeaders headers_;
    // The background washed at the last RePaint; null before the first.
    std::unique_ptr<host::gdi::DeviceContext> washed_;
    host::gdi::DeviceContext* background_ = nullptr;
    std::int16_t backLeft_ = 0;
    std::int16_t backTop_ = 0;
};
