#include "battleview/cls_battle.h"

#include "platform/services/game_services.h"

#include "battle/battle_codes.h"
#include "battle/combat/battle_judgement.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr const char* kClearLog = "new";

template <class T> T& controlAs(host::ui::Control& control, const char* kind) {
    auto* typed = dynamic_cast<T*>(&control);
    if (!typed)
        throw RuntimeError(ErrorNumber::TypeMismatch,
                           "battle control " + control.Name() + " is no " + std::string(kind));
    return *typed;
}

} // namespace

// The driver's handlers on the two combatants' events, for one battle.
class clsBattle::UnitBinding {
  public:
    UnitBinding(clsBattle& battle, clsUnit& left, clsUnit& right) {
        bind(battle, left, kLeft);
        bind(battle, right, kRight);
    }
    ~UnitBinding() {
        for (auto& release : releases_)
            release();
    }
    UnitBinding(const UnitBinding&) = delete;
    UnitBinding& operator=(const UnitBinding&) = delete;

  private:
    template <class E, class F> void hold(E& event, F handler) {
        const auto token = event.subscribe(std::move(handler));
        releases_.push_back([&event, token] { event.unsubscribe(token); });
    }

    void bind(clsBattle& battle, clsUnit& unit, SideIndex side) {
        hold(unit.Notification,
             [&battle, side](std::string& message) { battle.onNotification(side, message); });
        hold(unit.AfterAttack, [&battle, side](clsDamage& damage) { battle.onAfterAttack(side, damage); });
        hold(unit.AttackEvent, [&battle, side] { battle.onAttack(side); });
        hold(unit.ComSetSkill, [&battle, side](std::string& skill) { battle.onComSetSkill(side, skill); });
        hold(unit.AttackEffect, [&battle, side](std::string& skill, std::string& effect) {
            battle.onAttackEffect(side, skill, effect);
        });
    }

    std::vector<std::function<void()>> releases_;
};

clsBattle::clsBattle(std::function<void()> doEvents) : doEvents_(std::move(doEvents)) {}

clsBattle::~clsBattle() = default;

void clsBattle::pumpMessages() {
    if (doEvents_) doEvents_();
}

const clsBattleRegulation& clsBattle::regulation() const {
    if (!regulation_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the battle has no rule set");
    return *regulation_;
}

void clsBattle::SetGraphicalLabel(host::ui::Control& pGL, std::int32_t LabelType, std::int32_t BattleUnit,
                                  std::int16_t Index) {
    if (BattleUnit == 3) {
        if (LabelType == 5) timeGauge_ = &controlAs<ctrGraphicalLabelEX>(pGL, "stacked bar");
        if (LabelType == 6) messageBox_ = &controlAs<ctrGraphicalMSG>(pGL, "message box");
        if (LabelType == 7) {
            picture_ = &controlAs<host::ui::PictureBox>(pGL, "picture box");
            effect_.SetPB(*picture_);
        }
        return;
    }
    if (BattleUnit != 1 && BattleUnit != 2) return;
    const SideIndex side = BattleUnit == 2 ? kLeft : kRight;
    Gauges& gauges = sides_[side].gauges;
    switch (LabelType) {
    case 1:
        gauges.physical = &controlAs<ctrGraphicalLabelEX>(pGL, "stacked bar");
        break;
    case 2:
        gauges.energy = &controlAs<ctrGraphicalLabelEX>(pGL, "stacked bar");
        break;
    case 3:
        gauges.ct = &controlAs<ctrGraphicalLabelEX>(pGL, "stacked bar");
        gauges.ct->Max(99);
        break;
    case 4:
        if (Index < 0 || Index > 5)
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "skill button " + std::to_string(Index));
        BindSkillButton(controlAs<ctrGraphicalLabelLite>(pGL, "button label"), side, Index);
        break;
    default:
        break;
    }
}

std::int32_t clsBattle::GetBattleTicks() const {
    return battle_time::ticksOf(regulation().BattleTime());
}

void clsBattle::requireBindings() const {
    bool bound = picture_ && messageBox_ && timeGauge_;
    for (const Side& side : sides_) {
        bound = bound && side.gauges.physical && side.gauges.energy && side.gauges.ct;
        for (const ctrGraphicalLabelLite* button : side.buttons)
            bound = bound && button;
    }
    if (!bound)
        throw RuntimeError(ErrorNumber::ObjectNotSet, "the battle screen's controls are not all bound");
}

void clsBattle::bindUnits(clsUnit& left, clsUnit& right) {
    unitBinding_.reset();
    sides_[kLeft].unit = &left;
    sides_[kRight].unit = &right;
    unitBinding_ = std::make_unique<UnitBinding>(*this, left, right);
}

void clsBattle::unbindUnits() {
    unitBinding_.reset();
    sides_[kLeft].unit = nullptr;
    sides_[kRight].unit = nullptr;
}

void clsBattle::endBattle() {
    effect_.Clear();
    if (picture_) picture_->setVisible(false);
    unbindUnits();
}

void clsBattle::StartBattle(clsUnit& cParty1, clsUnit& cParty2) {
    // Whatever happens, the picture is hidden and the sprites freed at the end.
    struct Ending {
        clsBattle& battle;
        ~Ending() { battle.endBattle(); }
    } ending{*this};

    resultUnit_.clear();
    const std::int32_t ticks = GetBattleTicks();
    requireBindings();
    bindUnits(cParty1, cParty2);
    effect_.SetUnit(cParty1, cParty2);
    effect_.ImageInit();
    SetupSkillButtons(cParty1, kLeft);
    SetupSkillButtons(cParty2, kRight);
    InitDisplay(ticks);
    pumpMessages();
    picture_->setVisible(true);
    picture_->ZOrder(0);
    AddBattleMessage(kClearLog);
    AddBattleMessage(cParty1.GetUnitName() + "と" + cParty2.GetUnitName() + "の戦闘");
    for (std::int32_t t = 1; t <= ticks; ++t) {
        RefreshDisplay(t);
        cParty1.CounterAdd();
        cParty2.CounterAdd();
        Services().WaitTime(20);
        const bool leftGaveUp = cParty1.GetGiveUp();
        const bool rightGaveUp = cParty2.GetGiveUp();
        if (t == ticks || leftGaveUp || rightGaveUp) {
            RefreshDisplay(0);
            break;
        }
    }
    JudgeBattle(cParty1, cParty2);
}

void clsBattle::JudgeBattle(clsUnit& left, clsUnit& right) {
    AddBattleMessage(kClearLog);
    const BattleJudgement judgement = judgeBattle(left, right);
    AddBattleMessage(judgement.result);
    result_ = judgement.result;
    resultUnit_ = judgement.winner;
}

void clsBattle::AddBattleMessage(const std::string& message) {
    if (!messageBox_) throw RuntimeError(ErrorNumber::ObjectNotSet, "the battle has no message box");
    if (message == kClearLog) {
        messageBox_->Clear();
        pumpMessages();
        return;
    }
    messageBox_->Text(messageBox_->Text().empty() ? message : messageBox_->Text() + "\r\n" + message);
    std::string raised = message;
    DebugOutPut.raise(raised);
    if (!hiSpeed_) Services().WaitTime(host::runtime::saturate16(std::int64_t{msgSpeed_} * 30 + 100));
}
