#pragma once

#include <cstdint>
#include <string>

// The damage of one battle action, written blow by blow by the attacker and
// read (or turned into a counter) by the defender.
class clsDamage {
  public:
    // Empties the record except Hit and Critical.
    void Clear() {
        physical_ = 0;
        energy_ = 0;
        effect_ = 0;
        battleCounter_ = 0;
        directAttack_ = false;
        tag_.clear();
    }

    // What the first blow of a "ツバメ返し" did: empty, "hit" or "miss".
    const std::string& Tag() const { return tag_; }
    void Tag(std::string value) { tag_ = std::move(value); }
    // The defender's defence does not reduce Physical.
    bool DirectAttack() const { return directAttack_; }
    void DirectAttack(bool value) { directAttack_ = value; }
    // Carried along; no rule reads them.
    std::int16_t Hit() const { return hit_; }
    void Hit(std::int16_t value) { hit_ = value; }
    std::int16_t Critical() const { return critical_; }
    void Critical(std::int16_t value) { critical_ = value; }
    // Blows of the action.
    std::int16_t BattleCounter() const { return battleCounter_; }
    void BattleCounter(std::int16_t value) { battleCounter_ = value; }
    std::int16_t Physical() const { return physical_; }
    void Physical(std::int16_t value) { physical_ = value; }
    std::int16_t Energy() const { return energy_; }
    void Energy(std::int16_t value) { energy_ = value; }
    // Status bits the blow inflicts (status_bit).
    std::int32_t Effect() const { return effect_; }
    void Effect(std::int32_t value) { effect_ = value; }

  private:
    std::string tag_;
    bool directAttack_ = false;
    std::int16_t hit_ = 0;
    std::int16_t critical_ = 0;
    std::int16_t battleCounter_ = 0;
    std::int16_t physical_ = 0;
    std::int16_t energy_ = 0;
    std::int32_t effect_ = 0;
};
