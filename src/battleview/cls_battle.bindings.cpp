#include "battleview/cls_battle.h"

#include "battle/battle_codes.h"

#include <algorithm>

namespace {

constexpr const char* kMiss = "miss";

} // namespace

void clsBattle::BindSkillButton(ctrGraphicalLabelLite& button, SideIndex side, std::int16_t n) {
    Side& owner = sides_[side];
    const auto slot = static_cast<std::size_t>(n);
    if (owner.buttons[slot]) owner.buttons[slot]->Click.unsubscribe(owner.clickTokens[slot]);
    owner.buttons[slot] = &button;
    button.Selected(false);
    button.RePaint("");
    // The buttons may outlive the driver: a click then reaches nothing.
    owner.clickTokens[slot] = button.Click.subscribe([this, side, n, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.lock()) onSkillClick(side, n);
    });
}

void clsBattle::SetupSkillButtons(const clsUnit& unit, SideIndex side) {
    const std::vector<std::string> skills = unit.GetSkills();
    const bool player = unit.GetUnitControl() != unit_control::kComputer;
    for (std::size_t n = 0; n < sides_[side].buttons.size(); ++n) {
        ctrGraphicalLabelLite& button = *sides_[side].buttons[n];
        button.Text(n < skills.size() ? skills[n] : "");
        button.Enable(false);
        button.Active(player);
        button.RePaint("");
    }
}

void clsBattle::refreshSkillButtons(SideIndex side) {
    if (!sideShows(side, kSkillsValue)) return;
    const clsUnit& unit = *sides_[side].unit;
    const int count = std::min<int>(unit.GetSkillCount(), battle_limit::kSkills);
    for (int n = 0; n < count; ++n) {
        ctrGraphicalLabelLite& button = *sides_[side].buttons[static_cast<std::size_t>(n)];
        button.Enable(unit.GetUseSkill(button.Text()));
    }
}

void clsBattle::deselect(SideIndex side, std::int16_t n) {
    ctrGraphicalLabelLite& button = *sides_[side].buttons[static_cast<std::size_t>(n)];
    button.Selected(false);
    button.RePaint("");
}

bool clsBattle::ToggleReservation(clsUseSkill& reservation, const std::string& skill) {
    if (reservation.UseSkill().empty()) return true;
    for (SideIndex side : {kLeft, kRight}) {
        if (!sides_[side].unit || reservation.UnitName() != sides_[side].unit->GetUnitName()) continue;
        if (reservation.UseSkill() == skill) {
            reservation.UseSkill("");
            return false;
        }
        deselect(side, reservation.Index());
        pumpMessages();
        return true;
    }
    return true;
}

void clsBattle::onSkillClick(SideIndex side, std::int16_t n) {
    clsUseSkill& reservation = sides_[side].reservation;
    const std::string caption = sides_[side].buttons[static_cast<std::size_t>(n)]->Text();
    if (!ToggleReservation(reservation, caption)) return;
    reservation.UseSkill(caption);
    reservation.Index(n);
}

void clsBattle::onNotification(SideIndex side, const std::string& message) {
    if (message == kMiss)
        AddBattleMessage(sides_[1 - side].unit->GetUnitName() + "は攻撃をよけた");
    else
        AddBattleMessage(message);
}

void clsBattle::onAfterAttack(SideIndex side, clsDamage& damage) {
    sides_[1 - side].unit->SecondDamage(damage);
    RefreshDisplay(0);
}

void clsBattle::onAttack(SideIndex side) {
    Side& attacker = sides_[side];
    attacker.gauges.ct->FirstValue(attacker.gauges.ct->Max());
    attacker.shown.ct = attacker.gauges.ct->Max();
    attacker.gauges.ct->RePaint();
    AddBattleMessage("new");
    clsUseSkill work;
    RunAttack(*attacker.unit, *sides_[1 - side].unit, work);
}

void clsBattle::onComSetSkill(SideIndex side, const std::string& skill) {
    Side& owner = sides_[side];
    if (!ToggleReservation(owner.reservation, skill)) return;
    const bool shows = side == kLeft || sideShows(kRight, kSkillsValue);
    for (std::size_t n = 0; n < owner.buttons.size(); ++n) {
        ctrGraphicalLabelLite& button = *owner.buttons[n];
        if (button.Text() == skill) {
            owner.reservation.UseSkill(skill);
            owner.reservation.Index(static_cast<std::int16_t>(n));
            if (shows) {
                button.Selected(true);
                button.RePaint("");
            }
            return;
        }
        button.Selected(false);
        button.RePaint("");
    }
}

void clsBattle::onAttackEffect(SideIndex side, const std::string& skill, const std::string& effect) {
    if (hiSpeed_) return;
    effect_.AttackEffect(skill, effect, side == kLeft ? "左" : "右");
    effect_.ImageInit();
}

void clsBattle::RunAttack(clsUnit& attacker, clsUnit& defender, clsUseSkill& work) {
    clsDamage damage;
    damage.Clear();
    LoadReservedSkill(attacker, work);
    const bool ok = attacker.PreAttack(work, damage);
    if (ok) {
        for (std::int16_t k = 1; k <= damage.BattleCounter(); ++k) {
            if (attacker.Attack(work.UseSkill(), defender.GetLineType(), damage)) defender.Damage(damage);
        }
    }
    ClearReservedSkill(attacker, work);
}

void clsBattle::LoadReservedSkill(const clsUnit& attacker, clsUseSkill& work) {
    work.UseSkill("");
    for (const Side& side : sides_) {
        if (attacker.GetUnitName() == side.reservation.UnitName()) {
            work.UseSkill(side.reservation.UseSkill());
            return;
        }
    }
}

void clsBattle::ClearReservedSkill(const clsUnit& attacker, const clsUseSkill& work) {
    if (work.UseSkill().empty()) return;
    for (SideIndex side : {kLeft, kRight}) {
        clsUseSkill& reservation = sides_[side].reservation;
        if (attacker.GetUnitName() != reservation.UnitName()) continue;
        reservation.UseSkill("");
        deselect(side, reservation.Index());
        return;
    }
}
