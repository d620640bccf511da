#include "app/shell/message_dialog.h"

#include "app/shell/message_types.h"

#include "host/runtime/convert.h"

#include <cstdint>
#include <string>

namespace {

constexpr std::int16_t kNameColumn = 1;
constexpr std::int16_t kEffectColumn = 2;
// The selling price of a held unit.
constexpr std::int16_t kUnitPriceColumn = 1;
// The price column of the item shop's list.
constexpr std::int16_t kShopPriceColumn = 2;

// The scratch key a one-row choice writes, by message type; 0 for none.
std::int32_t choiceKey(std::int32_t type) {
    switch (type) {
    case message_type::kUseItem:
        return clsTMPData::kItem;
    case message_type::kCourse:
        return clsTMPData::kPickedCourse;
    case message_type::kTimetablePicker:
        return clsTMPData::kPickedSlotEntry;
    case message_type::kFormation:
        return clsTMPData::kPickedFormation;
    case message_type::kBattleItem:
        return clsTMPData::kPickedBattleItem;
    case message_type::kBuildingItem:
        return clsTMPData::kPickedBuildingItem;
    default:
        return 0;
    }
}

} // namespace

// The second line tells the quantity and what it costs; OK waits for a
// quantity above 0 (and, buying shares, the money for it).
void MessageDialog::GSMSG_ValueChange(std::int32_t Value) {
    const clsTMPData& CTMP = context_.CTMP;
    const std::int64_t n = Value;
    const std::string count = std::to_string(n);
    bool enabled = n != 0;
    switch (CTMP.GetMSGType()) {
    case message_type::kShares: {
        const std::int64_t amount = CTMP.GetDataSingle(clsTMPData::kSharePrice).toLong() * n;
        if (GLMSGExcute.Text() == "購入")
            enabled = enabled && context_.data.IsEnoughMoney(std::to_string(amount));
        lblBody2.setCaption(GLMSGExcute.Text() + "枚数=" + count + " 金額=" + std::to_string(amount));
        break;
    }
    case message_type::kProcessing:
        lblBody2.setCaption("個数=" + count + " 加工代金=" +
                            std::to_string(CTMP.GetDataSingle(clsTMPData::kProcessingPrice).toLong() * n));
        break;
    case message_type::kTickets:
        lblBody2.setCaption("引換枚数=" + count + "枚");
        break;
    case message_type::kPointExchange:
        lblBody2.setCaption(key(clsTMPData::kExchangeLine) + count + "枚");
        break;
    case message_type::kItemShop:
        lblBody2.setCaption(
            "個数=" + count + "\u3000代金=" +
            std::to_string(host::runtime::CLng(context_.screens.GetShopData(
                               CTMP.GetDataSingle(clsTMPData::kCheckedRow).toInteger(), kShopPriceColumn)) *
                           n));
        break;
    default:
        return;
    }
    lblBody2.setVisible(true);
    GLMSGExcute.Enable(enabled);
}

// A marked row is the answer: OK comes with it and goes when the mark goes
// (the key keeps the last answer).
void MessageDialog::GGMSG_RowSelect(std::int16_t SelectRow) {
    const std::int32_t type = context_.CTMP.GetMSGType();
    if (type == message_type::kItemShop) {
        sellingUnits();
        return;
    }
    const bool checked = GGMSG.Checked(SelectRow);
    const std::string name = GGMSG.GetData(SelectRow, kNameColumn);
    if (type == message_type::kBonus) {
        const bool enabled = checked && context_.data.IsEnoughMoney(name);
        if (enabled) {
            context_.CTMP.SetDataSingle(clsTMPData::kBonusMoney, name);
            context_.CTMP.SetDataSingle(clsTMPData::kBonusEffect, GGMSG.GetData(SelectRow, kEffectColumn));
        }
        GLMSGExcute.Enable(enabled);
        return;
    }
    const std::int32_t k = choiceKey(type);
    if (k == 0) return;
    if (checked) context_.CTMP.SetDataSingle(k, name);
    GLMSGExcute.Enable(checked);
}

// The marked units, their count and what they fetch together.
void MessageDialog::sellingUnits() {
    std::int32_t count = 0;
    std::int64_t total = 0;
    for (std::int16_t r = 0; r <= GGMSG.Rows(); ++r) {
        if (!GGMSG.Checked(r)) continue;
        ++count;
        total += host::runtime::CLng(GGMSG.GetData(r, kUnitPriceColumn));
    }
    lblBody2.setCaption(std::to_string(count) + "個売却 総額=" + std::to_string(total));
    lblBody2.setVisible(true);
    GLMSGExcute.Enable(total > 0);
}

void MessageDialog::GGMSG_MouseSelect(std::int16_t MouseRow) {
    if (context_.CTMP.GetMSGType() == message_type::kUseItem)
        context_.screens.ShowSchoolTips(
            context_.data.GetConsumeItemTips(GGMSG.GetData(MouseRow, kNameColumn)));
    if (context_.CTMP.GetMSGType() == message_type::kFormation)
        context_.screens.ShowUnitTips(
            context_.data.GetSelectLineDataTips(GGMSG.GetData(MouseRow, kNameColumn)));
    if (context_.CTMP.GetMSGType() == message_type::kBattleItem)
        context_.screens.ShowUnitTips(
            context_.data.GetBattleItemDataTips(GGMSG.GetData(MouseRow, kNameColumn)));
}

void MessageDialog::GGMSG_MouseLeave() {
    context_.screens.ShowSchoolTips("どのアイテムを使いますか");
}
