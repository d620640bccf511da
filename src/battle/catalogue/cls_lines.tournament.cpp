#include "battle/catalogue/cls_lines.h"

#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"

using host::runtime::CStr;

namespace {

std::string tournamentName(std::int16_t month) {
    if (month == tournament::kJune) return "青葉の王国大会";
    if (month == tournament::kOctober) return "時雨の王国大会";
    return "桜花の王国大会";
}

} // namespace

const clsRegulation* clsLines::regulationFor(std::int16_t Month, std::int16_t Rank) const {
    const std::int16_t period = tournament::periodOf(Month);
    for (const clsRegulation& regulation : clRegulation)
        if (regulation.Rank() == Rank && regulation.Priod() == period) return &regulation;
    return nullptr;
}

clsGetGridData clsLines::GetBattleGame(std::int16_t Month, std::int16_t Rank) const {
    clsGetGridData row;
    row.SetCols(4);
    row.Data(0, "0");
    row.Data(1, tournamentName(Month));
    for (const clsPrize& prize : clPrize) {
        if (prize.Rank() != Rank) continue;
        row.Data(2, CStr(mdlZRDFunc::CalcLevelValue(Rank)));
        row.Data(3, CStr(prize.Money()));
        row.Data(4, CStr(prize.KingdomPoint()));
        break;
    }
    return row;
}

std::string clsLines::GetGattleGameTips(std::int16_t Month, std::int16_t Rank) const {
    const clsRegulation* regulation = regulationFor(Month, Rank);
    if (!regulation) return "";
    return host::runtime::Join({"大会ルール", "戦闘時間:" + GetBattleTimeWord(regulation->BattleTime()),
                                "アイテム使用:" + GetUseItemWord(regulation->UseItem()),
                                "相手の体力と気力:" + GetVisibleWord(regulation->VisibleStatus()),
                                "相手の行動力とスキル:" + GetVisibleWord(regulation->VisibleSkill()),
                                "体力回復:" + CStr(regulation->Recover()) + "%"},
                               "\r\n");
}

std::string clsLines::GetBattleTimeWord(std::int32_t BattleTime) {
    switch (BattleTime) {
    case 1:
        return "短い";
    case 2:
        return "普通";
    case 3:
        return "長い";
    default:
        return "無限";
    }
}

std::string clsLines::GetUseItemWord(bool UseItem) {
    return UseItem ? "可" : "不可";
}

std::string clsLines::GetVisibleWord(bool Visible) {
    return Visible ? "見える" : "見えない";
}
