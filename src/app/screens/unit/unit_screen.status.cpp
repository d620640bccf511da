#include "app/screens/unit/unit_screen.h"

#include "app/screens/unit/unit_captions.h"

#include "host/runtime/convert.h"

namespace {

constexpr const char* kCRLF = "\r\n";

} // namespace

void UnitScreen::ShowUnitStatus() {
    clsUnitData unit = formedUnit();
    int filled = 0;
    for (int k = 0; k < kSlots; ++k)
        if (!GLUnitData(k).Text().empty()) ++filled;
    GLUnitCommand(1).Enable(filled == kSlots);
    if (filled == 0) {
        GMSGUnit.Text(std::string(unit_captions::kChooseMembers));
        return;
    }
    using host::runtime::CStr;
    const auto values = context_.data.GetUnitCalcData(unit, GLUnitItemData.Text());
    std::string text = unit.LineName() + "のステータス";
    text += kCRLF + std::string("体力:") + CStr(values->Physical());
    text += kCRLF + std::string("攻撃力:") + CStr(values->Offensive());
    text += kCRLF + std::string("防御力:") + CStr(values->Defense());
    text += kCRLF + std::string("速度:") + CStr(values->Speed());
    text += kCRLF + std::string("気力:") + CStr(values->Energy());
    text += kCRLF + std::string("陣形理解度:") + CStr(values->Understanding());
    const std::pair<bool, const char*> flags[] = {
        {values->GetPreventAnger(), "怒り耐性"},
        {values->GetPreventConfuse(), "混乱耐性"},
        {values->GetPreventNotUseSkill(), "使用スキル禁止耐性"},
        {values->GetVisibleAll(), "全ての相手ステータス可視化"},
        {values->GetVisibleParam(), "相手の体力、気力可視化"},
    };
    for (const auto& [held, name] : flags)
        if (held) text += kCRLF + std::string(name);
    GMSGUnit.Text(text);
}

void UnitScreen::ShowUnitMemberTips(std::int16_t slot, const std::string& name) {
    clsData& data = context_.data;
    if (slot < 0) {
        GMSGUnit.Text(name + "はメンバーに選択されていません" + kCRLF + data.GetBattleSkillTips(name));
        return;
    }
    const std::string line = GLUnitLineData.Text();
    const std::int16_t position = static_cast<std::int16_t>(slot + 1);
    std::string text = line + "の" + host::runtime::CStr(position) + "番" + kCRLF;
    if (name.empty())
        text += "誰もメンバーに選択されていません";
    else
        text += name + "が選択されています" + kCRLF + data.GetBattleSkillTips(name);
    text += kCRLF + data.GetUnitNumberTips(line, position);
    GMSGUnit.Text(text);
}
