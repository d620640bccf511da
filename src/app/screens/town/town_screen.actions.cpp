#include "app/screens/town/town_screen.h"

#include "app/screens/town/town_captions.h"
#include "app/shell/message_types.h"

#include "grids/flag_scope.h"

#include "host/runtime/convert.h"

namespace {

namespace captions = town_captions;

using host::runtime::CStr;

constexpr std::int16_t kNoSort = -1;
// The cells an answered trade rewrites: shares held, units held or room
// left, tickets held.
constexpr std::int16_t kCountColumn = 3;
constexpr std::int16_t kTicketsHeldColumn = 2;
constexpr const char* kMostHeld = "100";

} // namespace

void TownScreen::openDialog(std::int32_t type, std::int32_t kind, const std::string& body,
                            const std::string& action) {
    auto& picCity = context_.pictures.picCity;
    picCity.setEnabled(false);
    context_.DoEvents();
    context_.CTMP.SetMSGType(type);
    context_.screens.ShowDialog(kind, picCity, "picCity", body, action, DialogRegion{});
}

void TownScreen::GLBuy_Click() {
    const clsTMPData& CTMP = context_.CTMP;
    const MenuKey place = context_.data.GetMenu();
    if (place == menu_key::kStocks) {
        const std::string company = CTMP.GetDataSingle(clsTMPData::kCompany).toString();
        openDialog(message_type::kShares, dialog_layout::kShares,
                   company + "の株を購入します\r\n一株" + context_.data.GetStockPrice(company) +
                       "エニスです\r\n最大所持株数は100枚です",
                   GLBuy.Text());
    } else if (place == menu_key::kProcessing) {
        openDialog(message_type::kProcessing, dialog_layout::kProcessing,
                   CTMP.GetDataSingle(clsTMPData::kRecipe).toString() + "に加工してもらいます\r\n加工代金は" +
                       CTMP.GetDataSingle(clsTMPData::kProcessingPrice).toString() + "エニスです",
                   GLBuy.Text());
    } else if (place == menu_key::kItemShop) {
        openDialog(message_type::kItemShop, dialog_layout::kItemShop,
                   CTMP.GetDataSingle(clsTMPData::kItem).toString() + "を購入します\r\n最大所持数は" +
                       kMostHeld + "です",
                   GLBuy.Text());
    }
}

void TownScreen::GLSell_Click() {
    const clsTMPData& CTMP = context_.CTMP;
    const MenuKey place = context_.data.GetMenu();
    if (place == menu_key::kStocks) {
        openDialog(message_type::kShares, dialog_layout::kShares,
                   CTMP.GetDataSingle(clsTMPData::kCompany).toString() + "の株を売却します\r\n一株" +
                       CTMP.GetDataSingle(clsTMPData::kSharePrice).toString() + "エニスです",
                   GLSell.Text());
    } else if (place == menu_key::kItemShop) {
        openDialog(message_type::kItemShop, dialog_layout::kItemShop,
                   CTMP.GetDataSingle(clsTMPData::kItem).toString() + "を売却します", GLSell.Text());
    }
}

void TownScreen::GLMultipurpose_Click() {
    const clsTMPData& CTMP = context_.CTMP;
    const MenuKey place = context_.data.GetMenu();
    if (place == menu_key::kTicketExchange) {
        openDialog(message_type::kTickets, dialog_layout::kTickets,
                   CTMP.GetDataSingle(clsTMPData::kTicket).toString() +
                       "をアイテムに引換てもらいます\r\n最大枚数は" +
                       CTMP.GetDataSingle(clsTMPData::kTicketsHeld).toString() + "枚です",
                   "引換");
    } else if (place == menu_key::kPointExchange) {
        openDialog(message_type::kPointExchange, dialog_layout::kPointExchange,
                   "王国ポイントを" + CTMP.GetDataSingle(clsTMPData::kExchangeLine).toString() +
                       "と交換します",
                   "交換");
    } else if (place == menu_key::kPermitOffice) {
        openDialog(message_type::kPermitOffice, dialog_layout::kQuestion,
                   CTMP.GetDataSingle(clsTMPData::kBuilding).toString() +
                       "を設置します\r\n一度設置すると解体することはできません",
                   "申請");
    } else if (place == menu_key::kProcessing) {
        switchRecipes();
    } else if (place == menu_key::kItemShop) {
        switchShopList();
    }
}

// The caption names the list the click shows (the recipes the held
// materials allow, or all of them) and then the other one.
void TownScreen::switchRecipes() {
    if (listSwitching_) return;
    const FlagScope switching(listSwitching_);
    GGShop.setVisible(false);
    GLReturnCity.setVisible(false);
    GLBuy.setVisible(false);
    context_.DoEvents();
    if (GLMultipurpose.Text() == captions::kRecipesFromHeld) {
        if (!FillShopGrid(kNoSort, 0)) {
            GLMultipurpose.Enable(false);
            openDialog(message_type::kProcessing, dialog_layout::kNotice,
                       "現在お持ちのアイテムから加工できるものはありませんね", "OK");
        }
        GLMultipurpose.Text(std::string(captions::kAllRecipes));
    } else {
        FillShopGrid(kNoSort, 0);
        GLMultipurpose.Text(std::string(captions::kRecipesFromHeld));
    }
    GLReturnCity.setVisible(true);
}

// The caption first becomes the list shown (the goods or the held items).
void TownScreen::switchShopList() {
    if (listSwitching_) return;
    const FlagScope switching(listSwitching_);
    for (ctrGraphicalLabelLite* control : {&GLReturnCity, &GLBuy, &GLSell})
        control->setVisible(false);
    GGShop.setVisible(false);
    context_.DoEvents();
    if (GLMultipurpose.Text() != captions::kShopGoods) {
        GLMultipurpose.Text(std::string(captions::kShopGoods));
        FillShopGrid(kNoSort, 0);
    } else {
        GLMultipurpose.Text(std::string(captions::kHeldItems));
        if (!FillShopGrid(kNoSort, 0)) {
            GLMultipurpose.Enable(false);
            openDialog(message_type::kItemShop, dialog_layout::kNotice, "売却できるアイテムはありません",
                       "OK");
        }
    }
    GLReturnCity.setVisible(true);
}

void TownScreen::TownDialogOK(const std::string& OKCaption, std::int16_t n,
                              const host::runtime::Collection<std::string>& units, ReportWindow& report) {
    clsData& data = context_.data;
    const clsTMPData& CTMP = context_.CTMP;
    const std::int32_t type = CTMP.GetMSGType();
    const std::int16_t row = CTMP.GetDataSingle(clsTMPData::kCheckedRow).toInteger();
    switch (type) {
    case message_type::kShares: {
        const std::string company = CTMP.GetDataSingle(clsTMPData::kCompany).toString();
        const std::int16_t companyRow = CTMP.GetDataSingle(clsTMPData::kCompanyRow).toInteger();
        data.ChangeHoldStock(OKCaption, company, n);
        GGShop.SetValue(companyRow, kCountColumn, CStr(data.GetHoldStock(company)));
        GGShop.Checked(companyRow, false);
        GLBuy.setVisible(false);
        GLSell.setVisible(false);
        break;
    }
    case message_type::kProcessing: {
        if (const auto held = data.SetProcessItem(CTMP.GetDataSingle(clsTMPData::kRecipe).toString(), n))
            GGShop.SetValue(row, kCountColumn, CStr(*held));
        // The list shown is the one the caption does not name.
        const std::string next = GLMultipurpose.Text();
        GLMultipurpose.Text(std::string(next == captions::kRecipesFromHeld ? captions::kAllRecipes
                                                                           : captions::kRecipesFromHeld));
        FillShopGrid(kNoSort, 0);
        GLMultipurpose.Text(next);
        GLBuy.setVisible(false);
        break;
    }
    case message_type::kTickets:
        drawTickets(n);
        break;
    case message_type::kPointExchange:
        data.SetPermitChange(CTMP.GetDataSingle(clsTMPData::kExchangeLine).toString(), n);
        FillShopGrid(kNoSort, 0);
        break;
    case message_type::kPermitOffice:
        data.SetBuild(CTMP.GetDataSingle(clsTMPData::kBuilding).toString());
        FillShopGrid(kNoSort, 0);
        break;
    case message_type::kItemShop: {
        GLBuy.setVisible(false);
        GLSell.setVisible(false);
        const std::string item = CTMP.GetDataSingle(clsTMPData::kItem).toString();
        std::optional<std::int16_t> count;
        if (OKCaption == captions::kBuy || data.GetIsItemMaterial(item))
            count = data.SetItemChange(item, OKCaption, n);
        else
            count = data.SetItemSellAsID(item, units);
        if (count) GGShop.SetValue(row, kCountColumn, CStr(*count));
        GGShop.Checked(row, false);
        break;
    }
    default:
        return;
    }
    if (type == message_type::kTickets) {
        if (report.GMSGReport.Visible()) {
            // The draws' reports stay until the player clicks the box.
            context_.pictures.picMSG.setVisible(false);
            report.ShowReport("ここをクリックしてください", context_.pictures.picCity, "picCity", false,
                              false, true);
            return;
        }
        GLMultipurpose.setVisible(false);
    }
    context_.screens.CloseDialog();
}

// The report box ignores clicks while the draws run.
void TownScreen::drawTickets(std::int16_t n) {
    const FlagScope drawing(context_.ProcessingFlag);
    const std::int16_t row = context_.CTMP.GetDataSingle(clsTMPData::kCheckedRow).toInteger();
    const std::int16_t left =
        context_.data.SetDrawTicket(context_.CTMP.GetDataSingle(clsTMPData::kTicket).toString(), n);
    GGShop.SetValue(row, kTicketsHeldColumn, CStr(left));
    GGShop.Checked(row, false);
}

void TownScreen::TownDialogCancel() {
    const clsTMPData& CTMP = context_.CTMP;
    const std::int32_t type = CTMP.GetMSGType();
    if (type == message_type::kShares) {
        GGShop.Checked(CTMP.GetDataSingle(clsTMPData::kCompanyRow).toInteger(), false);
        GLBuy.setVisible(false);
        GLSell.setVisible(false);
    } else {
        if (type == message_type::kProcessing || type == message_type::kItemShop) GLBuy.setVisible(false);
        if (type == message_type::kItemShop) GLSell.setVisible(false);
        GGShop.Checked(CTMP.GetDataSingle(clsTMPData::kCheckedRow).toInteger(), false);
    }
    context_.screens.CloseDialog();
}

void TownScreen::CloseTownDialog(std::int32_t type) {
    switch (type) {
    case message_type::kShares:
        GLBuy.MouseLeave();
        GLSell.MouseLeave();
        GLMultipurpose.MouseLeave();
        GLMultipurpose.setVisible(false);
        break;
    case message_type::kProcessing:
    case message_type::kItemShop:
        GLBuy.MouseLeave();
        GLSell.MouseLeave();
        GLMultipurpose.Enable(true);
        break;
    default:
        GLMultipurpose.MouseLeave();
        GLMultipurpose.setVisible(false);
        break;
    }
    context_.pictures.picCity.setEnabled(true);
    context_.screens.RefreshStatusView();
}
