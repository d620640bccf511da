#include "battleview/cls_battle.h"

#include "battle/battle_codes.h"

#include "host/runtime/rounding.h"

namespace {

constexpr std::int32_t kFullColour = 5;
constexpr std::int32_t kHalfColour = 108;
constexpr std::int32_t kLowColour = 2;
constexpr std::int16_t kHiddenFill = 100;
constexpr std::int32_t kFastRefreshTicks = 10;

std::int32_t physicalColour(std::int16_t percent) {
    if (percent <= 25) return kLowColour;
    if (percent <= 50) return kHalfColour;
    return kFullColour;
}

} // namespace

bool clsBattle::sideShows(SideIndex side, Value value) const {
    const clsBattleRegulation& rules = regulation();
    const bool ruleFlag = value == kPhysicalValue ? rules.VisiblePhysical()
                          : value == kEnergyValue ? rules.VisibleEnergy()
                          : value == kCTValue     ? rules.VisibleCT()
                                                  : rules.VisibleSkills();
    const clsUnit& left = *sides_[kLeft].unit;
    if (side == kLeft) return left.GetUnitControl() != unit_control::kComputer || ruleFlag;
    const bool reveal = value == kPhysicalValue ? left.GetVisiblePhysical()
                        : value == kEnergyValue ? left.GetVisibleEnergy()
                        : value == kCTValue     ? left.GetVisibleCT()
                                                : left.GetVisibleSkill();
    return ruleFlag || reveal;
}

void clsBattle::InitDisplay(std::int32_t ticks) {
    timeGauge_->Max(static_cast<std::int16_t>(ticks));
    for (Side& side : sides_) {
        side.reservation.UnitName(side.unit->GetUnitName());
        side.reservation.UseSkill("");
        side.reservation.Index(0);
        for (ctrGraphicalLabelLite* button : side.buttons)
            if (button) button->Selected(false);
        side.shown = {};
    }
    for (SideIndex index : {kLeft, kRight}) {
        Side& side = sides_[index];
        const std::int16_t maxPhysical = side.unit->GetMaxPhysical();
        side.gauges.physical->Max(maxPhysical);
        side.gauges.physical->FirstValue(maxPhysical);
        side.gauges.physical->FirstSemiTrans(kFullColour);
        side.shown.physical = maxPhysical;
        side.gauges.physical->RePaint();
        const bool hiddenRight = index == kRight;
        side.gauges.energy->FirstValue(hiddenRight && !sideShows(kRight, kEnergyValue) ? kHiddenFill : 0);
        side.gauges.energy->RePaint();
        side.gauges.ct->FirstValue(hiddenRight && !sideShows(kRight, kCTValue) ? kHiddenFill : 0);
        side.gauges.ct->RePaint();
    }
    const clsUnit& left = *sides_[kLeft].unit;
    const clsUnit& right = *sides_[kRight].unit;
    effect_.DrawStatus();
    if (sideShows(kLeft, kPhysicalValue))
        effect_.DrawLeftPhysical(left.GetPhysical());
    else
        effect_.DrawLeftPhysicalUnknown();
    if (sideShows(kLeft, kEnergyValue))
        effect_.DrawLeftEnergy(0);
    else
        effect_.DrawLeftEnergyUnknown();
    if (sideShows(kRight, kPhysicalValue))
        effect_.DrawRightPhysical(right.GetPhysical());
    else
        effect_.DrawRightPhysicalUnknown();
    if (sideShows(kRight, kEnergyValue))
        effect_.DrawRightEnergy(0);
    else
        effect_.DrawRightEnergyUnknown();
    picture_->Refresh();
}

void clsBattle::RefreshDisplay(std::int32_t t) {
    if (hiSpeed_ && t % kFastRefreshTicks != 0) return;
    if (t != 0 && regulation().BattleTime() != battle_time::kEndless) {
        timeGauge_->FirstValue(static_cast<std::int16_t>(timeGauge_->Max() - t));
        timeGauge_->RePaint();
    }
    refreshSide(kLeft, t);
    refreshSkillButtons(kLeft);
    refreshSide(kRight, t);
    refreshSkillButtons(kRight);
    picture_->Refresh();
    pumpMessages();
}

void clsBattle::refreshSide(SideIndex index, std::int32_t t) {
    Side& side = sides_[index];
    const clsUnit& unit = *side.unit;
    const bool left = index == kLeft;
    const std::int16_t p = unit.GetPhysical();
    if (!(t != 0 && p == side.shown.physical) && sideShows(index, kPhysicalValue)) {
        side.gauges.physical->FirstValue(p);
        side.shown.physical = p;
        side.gauges.physical->FirstSemiTrans(physicalColour(unit.GetNowPerMaxPhysical()));
        side.gauges.physical->RePaint();
        if (left)
            effect_.DrawLeftPhysical(p);
        else
            effect_.DrawRightPhysical(p);
    }
    if (sideShows(index, kEnergyValue)) {
        const std::int16_t e = host::runtime::CInt(unit.GetEnergy());
        if (e != side.shown.energy) {
            side.gauges.energy->FirstValue(e);
            side.shown.energy = e;
            side.gauges.energy->RePaint();
            if (left)
                effect_.DrawLeftEnergy(e);
            else
                effect_.DrawRightEnergy(e);
        }
    }
    if (sideShows(index, kCTValue)) {
        const std::int16_t c = host::runtime::CInt(unit.GetCount());
        if (c != side.shown.ct) {
            side.gauges.ct->FirstValue(c);
            side.shown.ct = c;
            side.gauges.ct->RePaint();
        }
    }
}
