#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One building master row: a construction on the school grounds (kind 1), a
// classroom in the schoolhouse (2) or a dormitory facility (3), with its
// price, days of work and bit in the set of built buildings of its kind.
class clsConstruct {
  public:
    const std::string& ConstructName() const { return constructName_; }
    std::int32_t ConstructType() const { return constructType_; }
    std::int32_t Money() const { return money_; }
    std::int16_t Work() const { return work_; }
    std::int16_t bitFLG() const { return bitFLG_; }
    const std::string& Tips() const { return tips_; }

    // kind and "name,money,work,bit,tips"; name and tips are widened. Fewer
    // than five fields or a bad number fail with the runtime's error and
    // change nothing.
    void SetData(std::int32_t kind, std::string_view row);

  private:
    std::string constructName_;
    std::int32_t constructType_ = 0;
    std::int32_t money_ = 0;
    std::int16_t work_ = 0;
    std::int16_t bitFLG_ = 0;
    std::string tips_;
};
