#include "app/shell/message_dialog.h"

#include "app/shell/message_types.h"

#include "grids/columns/gg_ver2_headers.h"

#include "host/runtime/convert.h"

namespace {

// A share holding never passes this.
constexpr std::int32_t kMostSharesHeld = 100;
constexpr const char* kBuy = "購入";
constexpr const char* kSell = "売却";
constexpr const char* kTicketSuffix = "チケット";
// The held count of the item shop's list.
constexpr std::int16_t kShopCountColumn = 3;

constexpr std::int16_t kMultiSelectLeft = 150;
constexpr std::int16_t kSingleSelectLeft = 70;
constexpr std::int16_t kGridTop = 100;
constexpr std::int16_t kFiveRows = 5;
constexpr std::int16_t kSixRows = 6;

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

// Each layout kind places its buttons, slider or grid; any other kind shows
// only the frame and the body.
void MessageDialog::buildLayout(std::int32_t Kind, const std::string& OKCaption, std::string& Body) {
    clsData& data = context_.data;
    switch (Kind) {
    case dialog_layout::kNotice:
        placeButton(GLMSGCancel, OKCaption, true);
        break;
    case dialog_layout::kShares:
        placeOKAndCancel(OKCaption, false);
        placeSlider(sharesMaximum(OKCaption));
        break;
    case dialog_layout::kQuestion:
        placeButton(GLMSGExcute, "はい", true);
        placeButton(GLMSGCancel, "いいえ", true);
        break;
    case dialog_layout::kProcessing:
        placeOKAndCancel(OKCaption, false);
        placeSlider(data.GetMaxItemMixture(key(clsTMPData::kRecipe)));
        break;
    case dialog_layout::kTickets:
        placeOKAndCancel(OKCaption, false);
        placeSlider(context_.CTMP.GetDataSingle(clsTMPData::kTicketsHeld).toLong());
        break;
    case dialog_layout::kPointExchange:
        placeOKAndCancel(OKCaption, true);
        if (endsWith(key(clsTMPData::kExchangeLine), kTicketSuffix)) {
            placeSlider(data.GetMaxTicket(key(clsTMPData::kExchangeLine)));
            GLMSGExcute.Enable(false);
        } else {
            Body += "\r\n制度の変更を申請すると元には戻せなくなります";
        }
        break;
    case dialog_layout::kItemShop:
        placeOKAndCancel(OKCaption, false);
        buildItemShop(OKCaption);
        break;
    case dialog_layout::kUseItem:
        placeOKAndCancel(OKCaption, false);
        placeGrid(kSingleSelectLeft, false, "アイテムを使う", kFiveRows, data.GetItemConsumeData());
        break;
    case dialog_layout::kCourse:
        placeGrid(kSingleSelectLeft, false, "進路", kSixRows, data.GetCourse());
        placeOKAndCancel(OKCaption, false);
        break;
    case dialog_layout::kBuildingItem:
        placeGrid(kSingleSelectLeft, false, "建物アイテム", kFiveRows,
                  data.GetConstructItemData(key(clsTMPData::kBuilding)));
        placeOKAndCancel(OKCaption, false);
        break;
    case dialog_layout::kFormation:
        placeOKAndCancel(OKCaption, false);
        context_.screens.FillLineSelectGrid(GGMSG);
        break;
    case dialog_layout::kBattleItem:
        placeOKAndCancel(OKCaption, false);
        context_.screens.FillBattleItemGrid(GGMSG);
        break;
    case dialog_layout::kBonus:
        placeGrid(kSingleSelectLeft, false, "ボーナス", kSixRows, data.GetBonusData());
        placeOKAndCancel(OKCaption, false);
        break;
    case dialog_layout::kTimetablePicker:
        context_.screens.FillClassPickerGrid(GGMSG);
        placeOKAndCancel(OKCaption, false);
        break;
    default:
        break;
    }
}

// Buying (or selling what is held by count) takes a quantity; an item held
// unit by unit is sold by marking the units.
void MessageDialog::buildItemShop(const std::string& OKCaption) {
    clsData& data = context_.data;
    const std::string item = key(clsTMPData::kItem);
    if (OKCaption == kBuy) {
        placeSlider(data.GetMaxItem(item));
    } else if (data.GetIsItemMaterial(item)) {
        placeSlider(host::runtime::CLng(context_.screens.GetShopData(
            context_.CTMP.GetDataSingle(clsTMPData::kCheckedRow).toInteger(), kShopCountColumn)));
    } else {
        placeGrid(kMultiSelectLeft, true, "倉庫", kFiveRows, data.GetItemStorageData(item));
    }
}

// Buying: what the money pays for, without passing 100 shares held; selling:
// the shares held. A price of 0 or less buys nothing.
std::int32_t MessageDialog::sharesMaximum(const std::string& OKCaption) const {
    const std::int32_t held = context_.CTMP.GetDataSingle(clsTMPData::kSharesHeld).toLong();
    if (OKCaption != kBuy) return held;
    const std::int32_t price = context_.CTMP.GetDataSingle(clsTMPData::kSharePrice).toLong();
    if (price <= 0) return 0;
    std::int32_t maximum = context_.data.GetMoney() / price;
    if (maximum + held > kMostSharesHeld) maximum = kMostSharesHeld - held;
    return maximum;
}

void MessageDialog::placeGrid(std::int16_t left, bool multiSelect, const std::string& setName,
                              std::int16_t visibleRows,
                              const host::runtime::Collection<clsGetGridData>& rows) {
    auto& picMSG = context_.pictures.picMSG;
    GGMSG.Move(left, kGridTop, GGMSG.Width(), GGMSG.Height());
    GGMSG.MultiSelect(multiSelect);
    GGMSG.SetBackImage(picMSG.hDC(), left, kGridTop);
    GGMSG.SetGrid(GGVer2Headers().GetHeaders(setName), visibleRows,
                  static_cast<std::int16_t>(rows.count() - 1),
                  static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(setName) - 1), 0);
    std::int16_t r = 0;
    for (const clsGetGridData& row : rows) {
        GGMSG.Row(r);
        for (std::int16_t c = 0; c <= row.Cols(); ++c) {
            GGMSG.Col(c);
            GGMSG.Value(row.Data(c));
        }
        ++r;
    }
    GGMSG.Paint(-1, 0);
    GGMSG.setVisible(true);
}
