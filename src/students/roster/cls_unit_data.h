#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A team: the students at the five positions of a formation, the formation's
// name, the quest it is sent on (empty for a saved team) and its battle item.
class clsUnitData {
  public:
    static constexpr int Positions = 5;

    // "Lines(1):...:Lines(5):LineName:QuestName:ItemName"; every field is
    // widened. Fewer than eight fields fail with the subscript error and
    // leave the team unchanged.
    void SetSaveData(std::string_view pData);
    std::string GetSaveData() const;

    const std::string& ItemName() const { return itemName_; }
    void ItemName(std::string value) { itemName_ = std::move(value); }
    const std::string& QuestName() const { return questName_; }
    void QuestName(std::string value) { questName_ = std::move(value); }
    // The member at position 1..5; any other position reads empty and
    // ignores writes.
    std::string Lines(std::int16_t Number) const;
    void Lines(std::int16_t Number, std::string value);
    const std::string& LineName() const { return lineName_; }
    void LineName(std::string value) { lineName_ = std::move(value); }
    // Empties the members, the formation and the item; the quest stays.
    void Clear();

  private:
    static bool holds(std::int16_t Number) { return Number >= 1 && Number <= Positions; }

    std::array<std::string, Positions> lines_;
    std::string lineName_;
    std::string questName_;
    std::string itemName_;
};
