#pragma once

#include "grids/columns/cls_gg_ver2_headers.h"
#include "grids/list_grid/grid_scroll_bar.h"
#include "grids/list_grid/grid_settings.h"
#include "grids/list_grid/grid_sort_keys.h"

#include "platform/drawing/drawable_control.h"
#include "platform/graphics/cls_color.h"
#include "platform/subclass/mdl_sub_class.h"

#include "host/gdi/device_context.h"
#include "host/gdi/font.h"
#include "host/gdi/geometry.h"
#include "host/runtime/event.h"
#include "host/ui/owner_drawn.h"
#include "host/ui/picture_box.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Where the check mark of a check column sits in its cell, and its size.
struct CheckMarkGeometry {
    std::int16_t width = 0;      // the picture's width
    std::int16_t halfHeight = 0; // one state's height
    std::int16_t xOffset = 0;    // from the cell's left edge
    std::int16_t yOffset = 0;    // from the slot's top edge
};

// The list grid: a header row over rows of text cells, laid out from a
// column set and drawn see-through over the picture behind it. A host fills
// it with SetBackImage, SetGrid, then Row / Col / Value per cell, and Paint.
// Cells are strings; a set that begins with a check column keeps each row's
// check state ("1" or "0") in cell 0. The control's surface Disp shows the
// washed background BackImage with the cells over it; the scroll thumb is a
// child picture over the right edge.
class ctrGraphicalGridVer2 : public host::ui::OwnerDrawn<GridSettings>,
                             public DrawableControl,
                             public SubClassSubscriber {
  public:
    ctrGraphicalGridVer2();
    ~ctrGraphicalGridVer2() override;

    // Events. Rows and columns are the data row and the shown column under
    // the pointer.
    host::runtime::Event<std::int16_t, std::int16_t> RowSelect;   // a data click on a grid with checks
    host::runtime::Event<std::int16_t, std::int16_t> MouseSelect; // the pointer (or the wheel) onto a row
    host::runtime::Event<std::int32_t> Sound;          // 0 click, 1 hover, 2 wheel, 4 sort; only with Effect
    host::runtime::Event<> MouseLeave;                 // the pointer left the data area
    host::runtime::Event<std::int16_t> CheckRowChange; // the checked row's index after a header sort
    host::runtime::Event<> SortStart;
    host::runtime::Event<> SortEnd;

    // The picture behind the grid and the grid's place on it; nothing is
    // drawn until the next Paint.
    void SetBackImage(host::gdi::DeviceContext& targetHDC, std::int16_t targetLeft, std::int16_t targetTop);
    // A picture for the scroll thumb, copied from its top left or stretched
    // over the thumb; without one the thumb shows its own colour.
    void SetScrollBarImage(const host::gdi::DeviceContext& targetHDC, bool Stretch);

    // Lays the grid out for DataRows + 1 rows of DataCols + 1 cells, all
    // empty; the columns are taken from HeaderCollection, which the grid keeps.
    // A negative DataRows gives an empty grid. A RowHeight of 0 keeps the
    // grid's row height. A collection lacking "header1" .. "header<Count>"
    // raises the collection's error and leaves the grid as it was. Hover and
    // check are cleared; nothing is drawn.
    void SetGrid(std::shared_ptr<const GGVer2HeaderCollection> HeaderCollection, std::int16_t VisibleRows,
                 std::int16_t DataRows, std::int16_t DataCols, std::int16_t RowHeight);
    // Sizes the control to its columns (and scroll bar) and shown slots,
    // sorts by SortCol in direction SortType when SortCol is a cell index
    // (a negative one keeps the host's order), builds the background and
    // draws the rows from the first; listens to the wheel only while the rows
    // do not all fit.
    void Paint(std::int16_t SortCol, std::int32_t SortType);

    // The highest row index (-1 for an empty grid).
    std::int16_t Rows() const { return dataRows_; }
    // The cell cursor of Value. A cursor outside the grid makes Value lets do
    // nothing and Value gets answer "".
    std::int16_t Row() const { return row_; }
    void Row(std::int16_t value) { row_ = value; }
    std::int16_t Col() const { return col_; }
    void Col(std::int16_t value) { col_ = value; }
    const std::string& Value() const;
    void Value(std::string text);

    // The cell's text; "" outside the grid.
    const std::string& GetData(std::int16_t pRow, std::int16_t pCol) const;

    // Whether the row's check cell holds the number 1; False without a check
    // column, outside the grid, or when the cell is not a number.
    bool Checked(std::int16_t pRow) const;
    // Sets the row's check. A multi-select grid sets just that row. A
    // single-select grid first clears the checked row; then the row becomes
    // the checked one when value is True and it was not already checked. Rows
    // outside the grid and grids without a check column are left alone. The
    // check marks that changed on screen are drawn again.
    void Checked(std::int16_t pRow, bool value);

    // Stores the cell's text and draws the cell again when its row is on
    // screen; nothing for a cell outside the grid or a bar, hidden or check
    // column.
    void SetValue(std::int16_t pRow, std::int16_t pCol, std::string text);

    // The grid as another control sees it through: a new picture of the
    // grid's look with the thumb over it, kept until HDCDelete.
    host::gdi::DeviceContext* HDC() override;
    void HDCDelete() override;

    // Properties. Setters only store (and clamp where said); the next Paint
    // draws with them.
    std::int16_t Active() const { return active_; }
    void Active(std::int16_t value) { active_ = value; }
    bool headerVisible() const { return settings.HeaderVisible; }
    void headerVisible(bool value) { settings.HeaderVisible = value; }
    std::int16_t FrameWidth() const { return settings.FrameWidth; }
    // At least 0 (no lines); rebuilds both line pens.
    void FrameWidth(std::int16_t value);
    std::int32_t FrameForeColor() const { return settings.FrameForeColor; }
    void FrameForeColor(std::int32_t value);
    std::int32_t FrameBackColor() const { return settings.FrameBackColor; }
    void FrameBackColor(std::int32_t value);
    std::int16_t GraphicalCellAP() const { return settings.GraphicalAP; }
    // Kept within 0..100.
    void GraphicalCellAP(std::int16_t value);
    std::int16_t GridFontSize() const { return settings.FontSize; }
    // At least 9; rebuilds the cell font.
    void GridFontSize(std::int16_t value);
    std::int16_t HeaderFontSize() const { return settings.HeaderFontSize; }
    // At least 9; rebuilds the header font.
    void HeaderFontSize(std::int16_t value);
    bool Effect() const { return settings.Effect; }
    void Effect(bool value) { settings.Effect = value; }
    // The font of the grid's container (its ambient font), not the one set.
    host::ui::FontChoice Font() const;
    // The face and bold flag of both fonts; rebuilds them.
    void Font(const host::ui::FontChoice& value);
    std::int32_t GridCellGraphicColor() const { return settings.GraphicColor; }
    void GridCellGraphicColor(std::int32_t value) { settings.GraphicColor = value; }
    std::int32_t GridMaskColor() const { return settings.MaskColor; }
    void GridMaskColor(std::int32_t value) { settings.MaskColor = value; }
    std::int32_t GridFontColor() const { return settings.FontColor; }
    void GridFontColor(std::int32_t value) { settings.FontColor = value; }
    std::int32_t HeaderFontColor() const { return settings.HeaderFontColor; }
    void HeaderFontColor(std::int32_t value) { settings.HeaderFontColor = value; }
    // The line height in pixels, at least 10.
    std::int16_t RowHeight() const { return settings.RowHeight; }
    void RowHeight(std::int16_t value) { settings.RowHeight = value < 10 ? 10 : value; }
    bool MultiSelect() const { return settings.MultiSelect; }
    void MultiSelect(bool value) { settings.MultiSelect = value; }
    std::int16_t SemiTransAP() const { return settings.SemiTransAP; }
    // Kept within 0..100.
    void SemiTransAP(std::int16_t value);
    std::int32_t SemiTransColor() const { return settings.SemiTransColor; }
    void SemiTransColor(std::int32_t value) { settings.SemiTransColor = value; }
    std::int32_t ScrollFrameColor() const { return settings.ScrollFrameColor; }
    void ScrollFrameColor(std::int32_t value);
    std::int16_t ScrollFrameWidth() const { return settings.ScrollFrameWidth; }
    // At least 0; rebuilds the scroll-frame pen.
    void ScrollFrameWidth(std::int16_t value);
    std::int32_t ScrollBarColor() const { return settings.ScrollBarColor; }
    void ScrollBarColor(std::int32_t value) { settings.ScrollBarColor = value; }
    std::int32_t Scrolling() const { return settings.ScrollingType; }
    void Scrolling(std::int32_t value) { settings.ScrollingType = value; }
    std::int16_t ScrollChenge() const { return settings.ScrollChenge; }
    // At least 1.
    void ScrollChenge(std::int16_t value) { settings.ScrollChenge = value < 1 ? 1 : value; }
    std::int16_t ScrollWidth() const { return settings.ScrollWidth; }
    void ScrollWidth(std::int16_t value) { settings.ScrollWidth = value; }
    bool EnableSort() const { return settings.SortFLG; }
    void EnableSort(bool value) { settings.SortFLG = value; }

    // A stored grid's settings, in the loading order: the fonts, pens and
    // the bar wash's share through their setters, the rest as they come.
    void ReadProperties(const GridSettings& stored);

    // Listening to the wheel through the window's subclassing hub.
    void SubClassStarting();
    void SubClassEnding();
    bool subscribed() const { return subscribed_; }
    // The wheel message scrolls while the rows do not all fit; always -1, so
    // the message goes on to the window's previous procedure.
    std::int32_t WindowProc(std::int32_t hWnd, std::uint32_t uMsg, std::int32_t wParam,
                            std::int32_t lParam) override;
    // The high word of a message parameter (truncated toward zero) and the
    // rest, with the parameter's sign.
    static std::int32_t HIWORD(std::int32_t lngVal) { return lngVal / 65536; }
    static std::int32_t LOWORD(std::int32_t lngVal) { return lngVal % 65536; }
    std::int32_t hWnd() override { return Control::hWnd(); }
    host::ui::WindowProcedure PreWndProcAddress() override { return preWndProc_; }
    void setPreWndProcAddress(host::ui::WindowProcedure procedure) override { preWndProc_ = procedure; }

    // The control as the see-through copy sees it.
    std::string ContainerName() const override;
    std::string TypeName() const override { return Control::TypeName(); }
    bool Visible() const override { return Control::Visible(); }
    std::int32_t Left() const override { return Control::Left(); }
    std::int32_t Top() const override { return Control::Top(); }
    std::int32_t Width() const override { return Control::Width(); }
    std::int32_t Height() const override { return Control::Height(); }

    // Layout, as the last SetGrid made it.
    std::int16_t DataCols() const { return dataCols_; }
    std::int16_t HeaderRows() const { return settings.HeaderVisible ? 1 : 0; }
    std::int16_t ShownSlots() const { return layout_.shownSlots; }
    bool ScrollBarShown() const { return layout_.scrollBarShown; }
    // The last column laid out; -1 when none is.
    std::int16_t LastShownColumn() const { return static_cast<std::int16_t>(layout_.widths.size()) - 1; }
    std::int32_t TotalWidth() const { return layout_.totalWidth; }
    // The width of cell index c: its column's width when it is laid out, else 0.
    std::int16_t ColumnWidth(std::int16_t c) const;
    // Column c's rectangle in display slot d (slot 0 is the header row when
    // it shows), for d from 0 to ShownSlots - HeaderRows and every shown column.
    host::gdi::Rect SlotRect(std::int16_t d, std::int16_t c) const;
    bool HasCheckColumn() const { return layout_.hasCheckColumn; }
    const CheckMarkGeometry& CheckMark() const { return layout_.checkMark; }
    const GGVer2HeaderCollection* HeaderCollection() const { return headers_.get(); }
    // The scroll track and thumb of the last Paint.
    const GridScrollBar& ScrollBarGeometry() const { return scrollBar_; }
    // The thumb: a child picture of the grid, shown while the scroll bar is.
    host::ui::PictureBox& Scroll() { return scroll_; }
    // The washed background with lines, header and track, as Paint built it.
    const host::gdi::DeviceContext& BackImage() const { return backImage_; }

    // The data row shown in the first data slot.
    std::int16_t TopRow() const { return topRow_; }
    // The checked row of a single-select grid, -1 for none.
    std::int16_t CheckedRow() const { return checkedRow_; }
    // The data row under the highlight frame, -1 for none.
    std::int16_t HoveredRow() const { return hoveredRow_; }
    // The display slot under the pointer: 0 the header, -1 outside.
    std::int16_t MouseSlot() const { return mouseSlot_; }
    // True while SetGrid runs; the mouse is ignored then.
    bool Busy() const { return busy_; }

    // Sorting. The history holds the last two key columns, newest first, and
    // one direction for both.
    const GridSortKeys& SortKeys() const { return sortKeys_; }
    // Empties the history and takes the direction; then, when SortCol is a
    // cell index of the grid, sorts by that column alone.
    void SortFromStart(std::int16_t SortCol, std::int32_t SortType);
    // Makes the column the primary key (a second time flips the direction).
    void AddSortKey(std::int16_t column) { sortKeys_.AddSortKey(column); }
    // Sorts the rows by the history; equal rows keep their order and the
    // checked row follows its data. An empty history raises the invalid-call
    // error (5).
    void SortGridRows();

    // Pointer input on the grid's surface (Disp).
    void onMouseMove(int button, int shift, int x, int y) override;
    void onClick() override;

  private:
    struct Layout {
        std::int16_t shownSlots = 0;
        bool scrollBarShown = false;
        std::vector<std::int16_t> widths; // of the shown columns
        std::int32_t totalWidth = 0;
        std::vector<std::vector<host::gdi::Rect>> slotRects; // [slot][column]
        bool hasCheckColumn = false;
        CheckMarkGeometry checkMark;
    };

    // Model and layout.
    Layout layOut(const GGVer2HeaderCollection& headers, std::int16_t visibleRows,
                  std::int16_t dataRows) const;
    bool inGrid(std::int16_t pRow, std::int16_t pCol) const;
    std::string& cell(std::int16_t pRow, std::int16_t pCol);
    const std::string& cell(std::int16_t pRow, std::int16_t pCol) const;
    const clsGGVer2Header& header(std::int16_t c) const;
    // A row's sort-key cells read as numbers, primary first.
    using SortKeyNumbers = std::array<std::optional<std::int32_t>, GridSortKeys::kLimit>;
    int CompareGridCells(std::int16_t r, const std::vector<SortKeyNumbers>& numbers) const;
    void SwapGridRows(std::int16_t r);

    // Drawing.
    int columnLeft(std::int16_t c) const;
    int dataSlots() const { return layout_.shownSlots - HeaderRows(); }
    // Whether the data row lies in a data slot at the present top row.
    bool onScreen(std::int16_t row) const;
    std::int16_t slotOf(std::int16_t row) const;
    void sizeToLayout();
    void BuildHighlightImage();
    void RedrawGrid();
    void DrawGridLines();
    void DrawGridHeader();
    void DrawGridScrollBar();
    void DrawVisibleCells(std::int16_t top);
    void DrawGridCells(std::int16_t first, std::int16_t last, std::int16_t top);
    void drawCell(std::int16_t c, std::int16_t slot, std::int16_t r);
    void drawPictureCell(const clsGGVer2Header& column, int left, std::int16_t slot, const std::string& text);
    void drawTextCell(const clsGGVer2Header& column, host::gdi::Rect rect, const std::string& text);
    void RedrawAfterScroll(std::int16_t top);
    void RestoreRow(std::int16_t slot, bool refresh);
    void MoveRowHighlight(std::int16_t slot);
    void DrawCheckMark(std::int16_t slot, std::int16_t row, const host::gdi::DeviceContext* picture,
                       const host::gdi::DeviceContext* mask);
    void redrawCheckMark(std::int16_t row);
    void placeThumb(int top);

    // Pointer, thumb and wheel.
    void headerClick();
    void dataClick();
    void Scroll_MouseDown(int y);
    void Scroll_MouseMove();
    void Scroll_MouseUp();
    void ScrollGridByWheel(std::int32_t delta);
    void raiseSound(std::int32_t kind);

    // Properties.
    void rebuildLinePens();
    void rebuildScrollPen();
    void rebuildFonts();
    host::ui::FontChoice ambientFont() const;

    // Model.
    std::int16_t dataRows_ = -1;
    std::int16_t dataCols_ = -1;
    std::vector<std::vector<std::string>> cells_; // [row][cell]
    std::int16_t row_ = 0;
    std::int16_t col_ = 0;
    Layout layout_;
    std::shared_ptr<const GGVer2HeaderCollection> headers_;
    std::int16_t topRow_ = 0;
    std::int16_t checkedRow_ = -1;
    bool busy_ = false;
    GridSortKeys sortKeys_;
    std::int16_t active_ = 0;

    // Pictures and drawing objects.
    clsColor colours_;
    host::gdi::DeviceContext* background_ = nullptr;
    std::int16_t backgroundLeft_ = 0;
    std::int16_t backgroundTop_ = 0;
    const host::gdi::DeviceContext* thumbPicture_ = nullptr;
    bool thumbStretch_ = false;
    host::gdi::DeviceContext backImage_{0, 0};
    std::unique_ptr<host::gdi::DeviceContext> barSource_;
    std::unique_ptr<host::gdi::DeviceContext> highlight_;
    std::unique_ptr<host::gdi::DeviceContext> highlightMask_;
    std::unique_ptr<host::gdi::DeviceContext> composite_;
    std::optional<host::gdi::Pen> forePen_;
    std::optional<host::gdi::Pen> backPen_;
    std::optional<host::gdi::Pen> scrollPen_;
    std::shared_ptr<const host::gdi::Font> gridFont_;
    std::shared_ptr<const host::gdi::Font> headerFont_;
    host::ui::PictureBox scroll_;
    GridScrollBar scrollBar_;

    // Pointer state.
    std::int16_t mouseSlot_ = -1;
    std::int16_t mouseRow_ = -1;
    std::int16_t mouseCol_ = 0;
    std::int16_t hoveredRow_ = -1;
    int lastMouseX_ = 0;
    bool captured_ = false;
    bool dragging_ = false;
    int grabOffset_ = 0;
    std::int16_t lastDrawnTopRow_ = 0;
    bool sorting_ = false;

    // The wheel.
    bool subscribed_ = false;
    host::ui::WindowProcedure preWndProc_ = nullptr;
};
