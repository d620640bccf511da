#pragma once

#include "battleview/cls_effect.h"

#include "battle/combat/cls_battle_regulation.h"
#include "battle/combat/cls_unit.h"
#include "battle/combat/cls_use_skill.h"
#include "toolkit/ctr_graphical_label_ex.h"
#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_msg.h"

#include "host/runtime/event.h"
#include "host/ui/control.h"
#include "host/ui/picture_box.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The battle driver: runs one battle between two combatants on the battle
// screen (the left one given first, bound with side code 2; the right one
// with 1; shared controls with 3), from the first tick to the judgement.
// Player clicks on the skill buttons arrive during its waits and reserve the
// skill for the side's next attack.
class clsBattle {
  public:
    // doEvents lets the window's pending messages run once.
    explicit clsBattle(std::function<void()> doEvents = {});
    ~clsBattle();
    clsBattle(const clsBattle&) = delete;
    clsBattle& operator=(const clsBattle&) = delete;

    // Raised with every message written to the log.
    host::runtime::Event<std::string> DebugOutPut;

    std::int16_t MSGSpeed() const { return msgSpeed_; }
    void MSGSpeed(std::int16_t value) { msgSpeed_ = value; }
    bool HiSpeed() const { return hiSpeed_; }
    void HiSpeed(bool value) { hiSpeed_ = value; }
    // Kept (not copied) for the following battles.
    void SetRegulation(const clsBattleRegulation& pRegulation) { regulation_ = &pRegulation; }
    // Binds one control of the battle screen by its type and side; other
    // combinations are ignored. A control of the wrong kind raises the
    // type-mismatch error (13), a button number outside 0..5 the subscript
    // error (9).
    void SetGraphicalLabel(host::ui::Control& pGL, std::int32_t LabelType, std::int32_t BattleUnit,
                           std::int16_t Index);
    // Runs the whole battle; on return (also by an error) the picture is
    // hidden and the sprites are freed.
    void StartBattle(clsUnit& cParty1, clsUnit& cParty2);
    // The winner's name, "draw", or "" before the first battle and while one runs.
    const std::string& GetResultUnit() const { return resultUnit_; }
    // "相打ち", "<name>の勝ち" or "判定で<name>の勝ち" of the last judged battle.
    const std::string& GetResult() const { return result_; }
    void SetEffectData(const std::string& strData) { effect_.SetData(strData); }
    void SetfrmHDC(const host::gdi::DeviceContext& pfrmHDC) { effect_.SetfrmHDC(pfrmHDC); }

  private:
    enum SideIndex { kLeft = 0, kRight = 1 };
    struct Gauges {
        ctrGraphicalLabelEX* physical = nullptr;
        ctrGraphicalLabelEX* energy = nullptr;
        ctrGraphicalLabelEX* ct = nullptr;
    };
    struct Shown {
        std::int16_t physical = 0;
        std::int16_t energy = 0;
        std::int16_t ct = 0;
    };
    struct Side {
        Gauges gauges;
        std::array<ctrGraphicalLabelLite*, 6> buttons{};
        std::array<host::runtime::Event<>::Token, 6> clickTokens{};
        clsUseSkill reservation;
        Shown shown;
        clsUnit* unit = nullptr;
    };
    class UnitBinding;

    // cls_battle.cpp: the frame of a battle.
    void pumpMessages();
    const clsBattleRegulation& regulation() const;
    std::int32_t GetBattleTicks() const;
    // The object error (91) unless all twenty-one controls are bound.
    void requireBindings() const;
    void bindUnits(clsUnit& left, clsUnit& right);
    void unbindUnits();
    void JudgeBattle(clsUnit& left, clsUnit& right);
    void AddBattleMessage(const std::string& message);
    void endBattle();

    // cls_battle.display.cpp: gauges, status texts and visibility.
    enum Value { kPhysicalValue, kEnergyValue, kCTValue, kSkillsValue };
    // The left side hides a value only when the computer plays it and the
    // rule set hides it; the right side shows one only when the rule set or
    // the left side's reveal flag shows it.
    bool sideShows(SideIndex side, Value value) const;
    void InitDisplay(std::int32_t ticks);
    void RefreshDisplay(std::int32_t t);
    void refreshSide(SideIndex side, std::int32_t t);

    // cls_battle.bindings.cpp: skill buttons, reservations and the combatants' events.
    void BindSkillButton(ctrGraphicalLabelLite& button, SideIndex side, std::int16_t n);
    void SetupSkillButtons(const clsUnit& unit, SideIndex side);
    void refreshSkillButtons(SideIndex side);
    bool ToggleReservation(clsUseSkill& reservation, const std::string& skill);
    void deselect(SideIndex side, std::int16_t n);
    void onSkillClick(SideIndex side, std::int16_t n);
    void onNotification(SideIndex side, const std::string& message);
    void onAfterAttack(SideIndex side, clsDamage& damage);
    void onAttack(SideIndex side);
    void onComSetSkill(SideIndex side, const std::string& skill);
    void onAttackEffect(SideIndex side, const std::string& skill, const std::string& effect);
    void RunAttack(clsUnit& attacker, clsUnit& defender, clsUseSkill& work);
    void LoadReservedSkill(const clsUnit& attacker, clsUseSkill& work);
    void ClearReservedSkill(const clsUnit& attacker, const clsUseSkill& work);

    std::function<void()> doEvents_;
    const clsBattleRegulation* regulation_ = nullptr;
    ctrGraphicalLabelEX* timeGauge_ = nullptr;
    ctrGraphicalMSG* messageBox_ = nullptr;
    host::ui::PictureBox* picture_ = nullptr;
    std::array<Side, 2> sides_;
    clsEffect effect_;
    std::string result_;
    std::string resultUnit_;
    bool hiSpeed_ = false;
    std::int16_t msgSpeed_ = 0;
    std::unique_ptr<UnitBinding> unitBinding_;
    // Expires with the driver, so that the buttons' handlers know it is gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
