#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One processing recipe: the item made (also the recipe's name), one or two
// materials (Material2 may be empty or the same as Material1), the lowest
// school rank it is offered at and the fee per item made.
class clsRecipe {
  public:
    const std::string& RecipeItem() const { return RecipeItem_; }
    const std::string& Material1() const { return Material1_; }
    const std::string& Material2() const { return Material2_; }
    std::int16_t Rank() const { return Rank_; }
    std::int32_t Money() const { return Money_; }
    // RecipeItem, Material1, Material2 (widened), Rank, Money; a short row or
    // a bad number raises the runtime's error.
    void SetData(std::string_view row);

  private:
    std::string RecipeItem_;
    std::string Material1_;
    std::string Material2_;
    std::int16_t Rank_ = 0;
    std::int32_t Money_ = 0;
};
