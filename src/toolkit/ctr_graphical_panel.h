#pragma once

#include "toolkit/outline_picture.h"

#include "platform/graphics/cls_color.h"

#include "host/gdi/device_context.h"
#include "host/runtime/event.h"
#include "host/ui/owner_drawn.h"

#include <cstdint>
#include <string>
#include <vector>

// The persisted settings of a panel matrix under their keys, as a new matrix
// has them; readDefaults() gives the defaults of keys a stored one lacks.
// BorderFLG, FrameFLG, FrameColor and PanelTextColor are kept but draw
// nothing.
struct PanelSettings {
    bool BorderFLG = false;
    bool FrameFLG = false;
    std::int32_t BorderColor = 118;
    std::int32_t FrameColor = 0;
    std::int32_t SelectedColor = 9;
    std::int32_t PanelTextColor = 0;
    std::int16_t HLine = 5;
    std::int16_t VLine = 5;
    std::int16_t PanelWidth = 50;
    std::int16_t PanelHeight = 50;

    static PanelSettings readDefaults();
};

// The panel matrix: VLine rows by HLine columns of equal panels over the
// picture under it. A panel may hold a picture with its mask, react to the
// pointer when enabled, and be selected; the panel under the pointer gets a
// 1-pixel border, a selected one a ring one pixel inside it. Rows and
// columns count from 1.
class ctrGraphicalPanel : public host::ui::OwnerDrawn<PanelSettings> {
  public:
    ctrGraphicalPanel();

    // Every panel disabled and unselected; pictures and texts stay.
    void Clear();
    // The panel's picture and mask (owned by the picture store; null for none).
    void SetPanelImage(std::int16_t Row, std::int16_t Col, const host::gdi::DeviceContext* dcImage,
                       const host::gdi::DeviceContext* dcMask);
    void SetPanelEnabled(std::int16_t Row, std::int16_t Col, bool Enabled);
    // Kept; the matrix draws no text.
    void SetPanelText(std::int16_t Row, std::int16_t Col, std::string pText);
    // A new table of panels (disabled, unselected, without picture) and the
    // control sized to hold them; draws nothing.
    void SetPanels(std::int16_t pVLine, std::int16_t pHLine, std::int16_t pPanelWidth,
                   std::int16_t pPanelHeight);
    // Keeps the picture under the matrix and the matrix's place on it.
    void SetImage(host::gdi::DeviceContext& dcImage, std::int16_t pLeft, std::int16_t pTop);
    // Builds the border and the ring and draws the background with every
    // panel's picture (no borders or rings).
    void Paint();
    // False for a cell outside the matrix.
    bool PanelSelect(std::int16_t Row, std::int16_t Col) const;
    // Stores and redraws the cell (with its border when under the pointer).
    void PanelSelect(std::int16_t Row, std::int16_t Col, bool Selected);

    // An enabled panel was clicked; Selected is its new state, and a handler
    // that changes it changes the panel's.
    host::runtime::Event<std::int16_t, std::int16_t, bool> PanelClick;
    // The pointer moved onto another enabled panel.
    host::runtime::Event<std::int16_t, std::int16_t> PanelHover;
    host::runtime::Event<> PanelLeave;

    bool BorderFLG() const { return settings.BorderFLG; }
    void BorderFLG(bool value) { settings.BorderFLG = value; }
    bool FrameFLG() const { return settings.FrameFLG; }
    void FrameFLG(bool value) { settings.FrameFLG = value; }
    std::int32_t BorderColor() const { return settings.BorderColor; }
    void BorderColor(std::int32_t value) { settings.BorderColor = value; }
    std::int32_t FrameColor() const { return settings.FrameColor; }
    void FrameColor(std::int32_t value) { settings.FrameColor = value; }
    std::int32_t SelectedColor() const { return settings.SelectedColor; }
    void SelectedColor(std::int32_t value) { settings.SelectedColor = value; }
    std::int32_t PanelTextColor() const { return settings.PanelTextColor; }
    void PanelTextColor(std::int32_t value) { settings.PanelTextColor = value; }
    std::int16_t HLine() const { return settings.HLine; }
    void HLine(std::int16_t value) { settings.HLine = value; }
    std::int16_t VLine() const { return settings.VLine; }
    void VLine(std::int16_t value) { settings.VLine = value; }
    std::int16_t PanelWidth() const { return settings.PanelWidth; }
    void PanelWidth(std::int16_t value) { settings.PanelWidth = value; }
    std::int16_t PanelHeight() const { return settings.PanelHeight; }
    void PanelHeight(std::int16_t value) { settings.PanelHeight = value; }

    void onMouseMove(int button, int shift, int x, int y) override;
    void onClick() override;

  private:
    struct Panel {
        bool enabled = false;
        bool selected = false;
        const host::gdi::DeviceContext* picture = nullptr;
        const host::gdi::DeviceContext* mask = nullptr;
        std::string text;
    };

    // Null for a cell outside the table.
    Panel* panel(int row, int col);
    const Panel* panel(int row, int col) const;
    void redrawCell(int row, int col, bool border);
    void drawPicture(const Panel& panel, int x, int y);

    clsColor colours_;
    std::vector<Panel> panels_;
    int rows_ = 0;
    int cols_ = 0;
    host::gdi::DeviceContext* source_ = nullptr;
    std::int16_t left_ = 0;
    std::int16_t top_ = 0;
    int hoveredRow_ = 0;
    int hoveredCol_ = 0;
    toolkit::OutlinePicture border_;
    toolkit::OutlinePicture ring_;
};
