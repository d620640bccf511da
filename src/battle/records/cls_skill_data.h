#pragma once

#include <cstdint>
#include <string>

// One skill (a section-5 row); filled by the catalogue's loader.
class clsSkillData {
  public:
    // The attack effect's name; the skill's own Name when none is stored.
    const std::string& ImageName() const;
    void ImageName(std::string value) { imageName_ = std::move(value); }
    // The skill shows an attack effect when it strikes.
    bool Image() const { return image_; }
    void Image(bool value) { image_ = value; }
    // The damage is not reduced by the defender's defence.
    bool DirectAttack() const { return directAttack_; }
    void DirectAttack(bool value) { directAttack_ = value; }
    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    std::int16_t UseEnegry() const { return useEnegry_; }
    void UseEnegry(std::int16_t value) { useEnegry_ = value; }
    // Bonus to the critical chance, in percent.
    std::int16_t Critical() const { return critical_; }
    void Critical(std::int16_t value) { critical_ = value; }
    // Blows per use.
    std::int16_t Count() const { return count_; }
    void Count(std::int16_t value) { count_ = value; }
    // Hit chance in percent.
    std::int16_t Hit() const { return hit_; }
    void Hit(std::int16_t value) { hit_ = value; }
    // The blows are drawn between Count - 2 and Count.
    bool Random() const { return random_; }
    void Random(bool value) { random_ = value; }
    // Physical and energy damage as factors of the user's attack.
    float Physical() const { return physical_; }
    void Physical(float value) { physical_ = value; }
    float Enegry() const { return enegry_; }
    void Enegry(float value) { enegry_ = value; }
    // The kind of skill (skill_kind).
    std::int32_t Target() const { return target_; }
    void Target(std::int32_t value) { target_ = value; }
    // Stored; no rule reads it.
    std::int32_t AttackPart() const { return attackPart_; }
    void AttackPart(std::int32_t value) { attackPart_ = value; }
    // Status-effect bits passed on.
    std::int32_t Effect() const { return effect_; }
    void Effect(std::int32_t value) { effect_ = value; }

  private:
    std::string imageName_;
    bool image_ = false;
    bool directAttack_ = false;
    std::string name_;
    std::int16_t useEnegry_ = 0;
    std::int16_t critical_ = 0;
    std::int16_t count_ = 0;
    std::int16_t hit_ = 0;
    bool random_ = false;
    float physical_ = 0;
    float enegry_ = 0;
    std::int32_t target_ = 0;
    std::int32_t attackPart_ = 0;
    std::int32_t effect_ = 0;
};
