#pragma once

#include "app/shell/form_context.h"
#include "app/shell/report_window.h"

#include "grids/list_grid/ctr_graphical_grid_ver2.h"
#include "grids/table_view/ctr_graphical_view_ver2.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"

#include "host/runtime/collection.h"
#include "host/ui/control_array.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The town screen on picCity: the place menu (six places and the way back
// to the school), and inside a place its picture, the list GGShop of what
// it offers, the message box GMSGCity and the action buttons GLBuy, GLSell
// and GLMultipurpose, whose meaning depends on the place. Every trade goes
// through a dialog and is carried out by the facade.
// Pieces: town_screen.cpp (layout, place menu), .places.cpp (entering a
// place, the list and its row selection), .actions.cpp (the action buttons
// and what their dialogs do on OK, cancel and closing).
class TownScreen {
  public:
    explicit TownScreen(FormContext& context);
    TownScreen(const TownScreen&) = delete;
    TownScreen& operator=(const TownScreen&) = delete;

    // Lays the screen out once, at start-up, moving the loading gauge.
    void BuildTownScreen(const std::function<void(std::int16_t)>& setGauge);
    // The place menu: the town picture, the places, nothing else.
    void ShowTownScreen();
    // The status panel shows the facade's date, money, points, rank and construction.
    void RefreshStatusView();

    // town_screen.places.cpp
    // Shows the place named by the facade's menu.
    void EnterTownPlace();
    // The share market, ordered by shares held; the list hidden when no company is listed.
    void FillCompanyGrid();
    // The current place's rows for GLMultipurpose's caption; False (the list
    // hidden and emptied) without rows or while a fill runs.
    bool FillShopGrid(std::int16_t SortCol, std::int32_t SortType);

    // town_screen.actions.cpp: the town's dialogs (message types 2 and 4 to
    // 8). OK carries out the confirmed trade with the dialog's quantity n or
    // the units marked for sale, then closes the dialog, or, when a ticket
    // draw has reported, leaves the report box to be clicked.
    void TownDialogOK(const std::string& OKCaption, std::int16_t n,
                      const host::runtime::Collection<std::string>& units, ReportWindow& report);
    // Cancel (and a notice's button) drops the row's mark, then closes.
    void TownDialogCancel();
    // The closing steps: the town usable again, its status panel refreshed.
    void CloseTownDialog(std::int32_t type);

    ctrGraphicalViewVer2 GVCity;
    ctrGraphicalLabelLite GLCityMenu;
    host::ui::ControlArray<ctrGraphicalLabelLite> GLShop;
    ctrGraphicalLabelLite GLReturnCity;
    ctrGraphicalLabelLite GLBuy;
    ctrGraphicalLabelLite GLSell;
    ctrGraphicalLabelLite GLMultipurpose;
    ctrGraphicalGridVer2 GGShop;
    ctrGraphicalMSG GMSGCity;

  private:
    // town_screen.cpp
    void placeButton(ctrGraphicalLabelLite& button, int left, int top, int width, std::string_view text,
                     std::int32_t fontColour);
    void GLShop_Click(int Index);
    void GLReturnCity_Click();
    void tip(std::string_view text);
    // town_screen.places.cpp
    void fillGrid(const std::string& setName, std::int16_t rowCount,
                  const std::function<std::string(std::int16_t row, std::int16_t col)>& cell,
                  const std::function<std::int16_t(std::int16_t row)>& lastCol);
    void GGShop_RowSelect(std::int16_t Row);
    void GGShop_MouseSelect(std::int16_t Row);
    void GGShop_CheckRowChange(std::int16_t NewRow);
    // town_screen.actions.cpp
    void GLBuy_Click();
    void GLSell_Click();
    void GLMultipurpose_Click();
    void switchRecipes();
    void switchShopList();
    // Disables the town, sets the message type and opens the dialog over it.
    void openDialog(std::int32_t type, std::int32_t kind, const std::string& body, const std::string& action);
    void drawTickets(std::int16_t n);

    FormContext& context_;
    bool placeEntering_ = false;
    bool shopFillRunning_ = false;
    bool listSwitching_ = false;
};
