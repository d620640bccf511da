#pragma once

#include <cstdint>
#include <string>

// The effects of one battle item, decoded from its three catalogue words:
// the formations and unit types it serves, its changes to the five battle
// values, its protections and its sights. An empty ItemName stands for no item.
class clsBattleItem {
  public:
    // Cell index of the item's grid row: 0 "0", 1 the name, 2..8 the targets,
    // 9..13 the value changes, 14..18 (AllData only) the protections and sights.
    std::string GetItemData(std::int16_t index, bool AllData) const;
    // The protections and sights, one a line.
    std::string GetItemDataTips() const;
    std::string GetItemTips() const;
    void SetData(const std::string& ItemName, std::int32_t Category, std::int32_t Effect1,
                 std::int32_t Effect2);
    // True when the item serves the formation type or unit type named by word.
    bool BattleItemTarget(const std::string& word) const;
    // Results beyond the 16-bit range are held at its ends.
    std::int16_t CalcPhysical(std::int16_t x) const { return CalcMethodInt(PhysicalMethod_, Physical_, x); }
    std::int16_t CalcOffense(std::int16_t x) const { return CalcMethodInt(OffenseMethod_, Offense_, x); }
    std::int16_t CalcDefense(std::int16_t x) const { return CalcMethodInt(DefenseMethod_, Defense_, x); }
    double CalcEnergy(double x) const { return CalcMethodDbl(EnergyMethod_, Energy_, x); }
    double CalcSpeed(double x) const { return CalcMethodDbl(SpeedMethod_, Speed_, x); }

    const std::string& ItemName() const { return ItemName_; }
    bool VisibleParam() const { return VisibleParam_; }
    bool VisibleAll() const { return VisibleAll_; }
    std::int32_t PhysicalMethod() const { return PhysicalMethod_; }
    std::int32_t OffenseMethod() const { return OffenseMethod_; }
    std::int32_t DefenseMethod() const { return DefenseMethod_; }
    std::int32_t SpeedMethod() const { return SpeedMethod_; }
    std::int32_t EnergyMethod() const { return EnergyMethod_; }
    std::int32_t Physical() const { return Physical_; }
    std::int32_t Offense() const { return Offense_; }
    std::int32_t Defense() const { return Defense_; }
    std::int32_t Speed() const { return Speed_; }
    std::int32_t Energy() const { return Energy_; }
    bool NotUseSkillPrevent() const { return NotUseSkillPrevent_; }
    bool AngerPrevent() const { return AngerPrevent_; }
    bool ConfusePrevent() const { return ConfusePrevent_; }

  private:
    static std::string GetMethodText(std::int32_t method, std::int32_t value);
    static std::int16_t CalcMethodInt(std::int32_t method, std::int32_t value, std::int16_t x);
    static double CalcMethodDbl(std::int32_t method, std::int32_t value, double x);

    std::string ItemName_;
    std::int32_t Category_ = 0;
    bool VisibleParam_ = false;
    bool VisibleAll_ = false;
    std::int32_t PhysicalMethod_ = 0;
    std::int32_t OffenseMethod_ = 0;
    std::int32_t DefenseMethod_ = 0;
    std::int32_t SpeedMethod_ = 0;
    std::int32_t EnergyMethod_ = 0;
    std::int32_t Physical_ = 0;
    std::int32_t Offense_ = 0;
    std::int32_t Defense_ = 0;
    std::int32_t Speed_ = 0;
    std::int32_t Energy_ = 0;
    bool NotUseSkillPrevent_ = false;
    bool AngerPrevent_ = false;
    bool ConfusePrevent_ = false;
};
