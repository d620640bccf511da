#include "battle/combat/headless_battle.h"

#include "battle/battle_codes.h"
#include "battle/combat/battle_judgement.h"

#include <functional>

namespace {

// Unsubscribes a handler when the battle ends, also by an error.
template <class E> class Subscription {
  public:
    Subscription(E& event, typename E::Handler handler)
        : event_(event), token_(event.subscribe(std::move(handler))) {}
    ~Subscription() { event_.unsubscribe(token_); }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

  private:
    E& event_;
    typename E::Token token_;
};

} // namespace

void HeadlessBattle::run(clsUnit& left, clsUnit& right) {
    sides_[0] = {&left, {}};
    sides_[1] = {&right, {}};
    resultUnit_.clear();
    log_.clear();
    ticks_ = 0;

    using Text = host::runtime::Event<std::string>;
    using Strike = host::runtime::Event<clsDamage>;
    using Signal = host::runtime::Event<>;
    std::vector<std::unique_ptr<Subscription<Text>>> texts;
    std::vector<std::unique_ptr<Subscription<Strike>>> strikes;
    std::vector<std::unique_ptr<Subscription<Signal>>> signals;
    for (int side = 0; side < 2; ++side) {
        clsUnit& unit = *sides_[side].unit;
        clsUnit& other = *sides_[1 - side].unit;
        clsUseSkill& reservation = sides_[side].reservation;
        reservation.UnitName(unit.GetUnitName());
        texts.push_back(std::make_unique<Subscription<Text>>(
            unit.Notification, [this](std::string& message) { log_.push_back(message); }));
        texts.push_back(
            std::make_unique<Subscription<Text>>(unit.ComSetSkill, [&reservation](std::string& skill) {
                reservation.UseSkill(reservation.UseSkill() == skill ? "" : skill);
            }));
        strikes.push_back(std::make_unique<Subscription<Strike>>(
            unit.AfterAttack, [&other](clsDamage& damage) { other.SecondDamage(damage); }));
        signals.push_back(
            std::make_unique<Subscription<Signal>>(unit.AttackEvent, [this, side] { runAttack(side); }));
    }

    const std::int32_t limit = battle_time::ticksOf(rules_.BattleTime());
    for (std::int32_t t = 1; t <= limit; ++t) {
        ticks_ = t;
        left.CounterAdd();
        right.CounterAdd();
        if (left.GetGiveUp() || right.GetGiveUp()) break;
    }
    judge();
}

void HeadlessBattle::runAttack(int attacker) {
    clsUnit& unit = *sides_[attacker].unit;
    clsUnit& defender = *sides_[1 - attacker].unit;
    clsUseSkill& reservation = sides_[attacker].reservation;
    clsDamage damage;
    damage.Clear();
    clsUseSkill work;
    work.UseSkill(reservation.UseSkill());
    if (unit.PreAttack(work, damage)) {
        for (std::int16_t k = 1; k <= damage.BattleCounter(); ++k) {
            if (unit.Attack(work.UseSkill(), defender.GetLineType(), damage)) defender.Damage(damage);
        }
    }
    if (!work.UseSkill().empty()) reservation.UseSkill("");
}

void HeadlessBattle::judge() {
    const BattleJudgement judgement = judgeBattle(*sides_[0].unit, *sides_[1].unit);
    result_ = judgement.result;
    resultUnit_ = judgement.winner;
    log_.push_back(result_);
}
