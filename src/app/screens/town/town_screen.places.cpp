#include "app/screens/town/town_screen.h"

#include "app/screens/town/town_captions.h"
#include "app/shell/message_types.h"

#include "economy/companies/cls_get_company.h"
#include "grids/columns/gg_ver2_headers.h"
#include "grids/flag_scope.h"

#include "host/runtime/convert.h"

#include <vector>

namespace {

namespace captions = town_captions;

using host::runtime::CInt;
using host::runtime::CLng;

constexpr std::int16_t kNoSort = -1;
constexpr std::int16_t kVisibleRows = 20;
constexpr std::int16_t kRowHeight = 22;
// The share market opens ordered by shares held, most first.
constexpr std::int16_t kSharesColumn = 3;
constexpr std::int32_t kDescending = 1;

// Columns of the lists: the name of the row's company, item or place, and
// per list the price and the count.
constexpr std::int16_t kNameColumn = 1;
constexpr std::int16_t kPriceColumn = 2;
constexpr std::int16_t kCountColumn = 3;
constexpr std::int16_t kTicketsHeldColumn = 2;

} // namespace

void TownScreen::EnterTownPlace() {
    for (int i = 0; i <= GLShop.UBound(); ++i)
        GLShop(i).setVisible(false);
    GMSGCity.setVisible(false);
    auto& picCity = context_.pictures.picCity;
    const MenuKey place = context_.data.GetMenu();
    context_.images.SetImage(picCity, std::string(place.name()));
    picCity.Refresh();
    context_.DoEvents();

    if (place == menu_key::kStocks) {
        FillCompanyGrid();
    } else if (place == menu_key::kProcessing) {
        GLMultipurpose.Text(std::string(captions::kAllRecipes));
        FillShopGrid(kNoSort, 0);
        GLMultipurpose.Text(std::string(captions::kRecipesFromHeld));
        GLMultipurpose.setVisible(true);
    } else if (place == menu_key::kItemShop) {
        GLMultipurpose.Text(std::string(captions::kShopGoods));
        FillShopGrid(kNoSort, 0);
        GLMultipurpose.setVisible(true);
    } else {
        FillShopGrid(kNoSort, 0);
        const std::string_view action = place == menu_key::kPointExchange    ? captions::kExchangePoints
                                        : place == menu_key::kTicketExchange ? captions::kExchangeTickets
                                                                             : captions::kApply;
        GLMultipurpose.Text(std::string(action));
        GLMultipurpose.setVisible(false);
    }

    for (ctrGraphicalLabelLite* button : {&GLBuy, &GLSell, &GLMultipurpose, &GLReturnCity})
        button->Refresh();
    GLReturnCity.setVisible(true);
    tip(captions::kWelcome);
    GMSGCity.Refresh();
    GMSGCity.setVisible(true);
    GLCityMenu.Text(std::string(place.name()));
    GLCityMenu.Refresh();
    GVCity.RePaint();
}

// Lays GGShop out for the rows of a column set and shows it; no rows leave
// it empty and hidden, so nothing of an earlier list can be acted on.
void TownScreen::fillGrid(const std::string& setName, std::int16_t rowCount,
                          const std::function<std::string(std::int16_t row, std::int16_t col)>& cell,
                          const std::function<std::int16_t(std::int16_t row)>& lastCol) {
    GGShop.SetGrid(GGVer2Headers().GetHeaders(setName), kVisibleRows, static_cast<std::int16_t>(rowCount - 1),
                   static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(setName) - 1), kRowHeight);
    for (std::int16_t r = 0; r < rowCount; ++r) {
        GGShop.Row(r);
        for (std::int16_t c = 0; c <= lastCol(r); ++c) {
            GGShop.Col(c);
            GGShop.Value(cell(r, c));
        }
    }
}

void TownScreen::FillCompanyGrid() {
    const auto rows = context_.data.GetCompanyData();
    std::vector<const clsGetCompany*> companies;
    for (const clsGetCompany& row : rows)
        companies.push_back(&row);
    fillGrid(
        "Company", static_cast<std::int16_t>(companies.size()),
        [&](std::int16_t r, std::int16_t c) { return companies[static_cast<std::size_t>(r)]->GetData(c); },
        [&](std::int16_t r) { return companies[static_cast<std::size_t>(r)]->Cols(); });
    if (companies.empty()) {
        GGShop.setVisible(false);
        return;
    }
    GGShop.Paint(kSharesColumn, kDescending);
    GGShop.setVisible(true);
}

bool TownScreen::FillShopGrid(std::int16_t SortCol, std::int32_t SortType) {
    if (shopFillRunning_) return false;
    const FlagScope running(shopFillRunning_);
    const auto rows = context_.data.GetGridData(GLMultipurpose.Text());
    std::vector<const clsGetGridData*> lines;
    if (rows)
        for (const clsGetGridData& row : *rows)
            lines.push_back(&row);
    fillGrid(
        std::string(context_.data.GetMenu().name()), static_cast<std::int16_t>(lines.size()),
        [&](std::int16_t r, std::int16_t c) { return lines[static_cast<std::size_t>(r)]->Data(c); },
        [&](std::int16_t r) { return lines[static_cast<std::size_t>(r)]->Cols(); });
    if (lines.empty()) {
        GGShop.setVisible(false);
        return false;
    }
    GGShop.Paint(SortCol, SortType);
    GGShop.setVisible(true);
    return true;
}

void TownScreen::GGShop_RowSelect(std::int16_t Row) {
    clsData& data = context_.data;
    clsTMPData& CTMP = context_.CTMP;
    const bool marked = GGShop.Checked(Row);
    const std::string name = GGShop.GetData(Row, kNameColumn);
    const MenuKey place = data.GetMenu();
    if (place == menu_key::kStocks) {
        const bool canSell = marked && CInt(GGShop.GetData(Row, kCountColumn)) > 0;
        const bool canBuy = marked && data.IsEnoughMoney(name);
        GLSell.setVisible(canSell);
        GLBuy.setVisible(canBuy);
        if (canSell || canBuy) {
            CTMP.SetDataSingle(clsTMPData::kCompany, name);
            CTMP.SetDataSingle(clsTMPData::kCompanyRow, Row);
            CTMP.SetDataSingle(clsTMPData::kSharePrice, CLng(GGShop.GetData(Row, kPriceColumn)));
            CTMP.SetDataSingle(clsTMPData::kSharesHeld, CInt(GGShop.GetData(Row, kCountColumn)));
        }
    } else if (place == menu_key::kProcessing) {
        const bool canMake = marked && data.GetMaxItemMixture(name) > 0;
        GLBuy.setVisible(canMake);
        if (canMake) {
            CTMP.SetDataSingle(clsTMPData::kCheckedRow, Row);
            CTMP.SetDataSingle(clsTMPData::kRecipe, name);
            CTMP.SetDataSingle(clsTMPData::kProcessingPrice, CLng(GGShop.GetData(Row, kPriceColumn)));
        }
    } else if (place == menu_key::kTicketExchange) {
        const std::int16_t held = marked ? CInt(GGShop.GetData(Row, kTicketsHeldColumn)) : std::int16_t{0};
        GLMultipurpose.setVisible(held >= 1);
        if (held >= 1) {
            CTMP.SetDataSingle(clsTMPData::kTicketsHeld, held);
            CTMP.SetDataSingle(clsTMPData::kCheckedRow, Row);
            CTMP.SetDataSingle(clsTMPData::kTicket, name);
        }
    } else if (place == menu_key::kPointExchange) {
        const bool can = marked && data.GetEnablePermit(name);
        GLMultipurpose.setVisible(can);
        if (can) {
            CTMP.SetDataSingle(clsTMPData::kCheckedRow, Row);
            CTMP.SetDataSingle(clsTMPData::kExchangeLine, name);
        }
    } else if (place == menu_key::kPermitOffice) {
        const bool can = marked && data.GetEnableBuild(name);
        GLMultipurpose.setVisible(can);
        if (can) {
            CTMP.SetDataSingle(clsTMPData::kCheckedRow, Row);
            CTMP.SetDataSingle(clsTMPData::kBuilding, name);
        }
    } else if (place == menu_key::kItemShop) {
        if (!marked) {
            GLBuy.setVisible(false);
            GLSell.setVisible(false);
            return;
        }
        const bool someLeft = CLng(GGShop.GetData(Row, kCountColumn)) != 0;
        if (GLMultipurpose.Text() == captions::kShopGoods)
            GLBuy.setVisible(data.IsEnoughMoney(std::to_string(CLng(GGShop.GetData(Row, kPriceColumn)))) &&
                             someLeft);
        else
            GLSell.setVisible(someLeft);
        CTMP.SetMSGType(message_type::kItemShop);
        CTMP.SetDataSingle(clsTMPData::kCheckedRow, Row);
        CTMP.SetDataSingle(clsTMPData::kItem, name);
    }
}

void TownScreen::GGShop_MouseSelect(std::int16_t Row) {
    tip(context_.data.GetShopTips(GGShop.GetData(Row, kNameColumn)));
}

void TownScreen::GGShop_CheckRowChange(std::int16_t NewRow) {
    const bool market = context_.data.GetMenu() == menu_key::kStocks;
    context_.CTMP.SetDataSingle(market ? clsTMPData::kCompanyRow : clsTMPData::kCheckedRow, NewRow);
}
