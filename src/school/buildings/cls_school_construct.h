#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One level of a school building (school grounds, schoolhouse or dormitory):
// its days of work, how many buildings of its kind its land holds, and the
// permit that orders it.
class clsSchoolConstruct {
  public:
    const std::string& SchoolConstructName() const { return schoolConstructName_; }
    // Kept from the row; the permit's own price is what is paid.
    std::int32_t Money() const { return money_; }
    std::int16_t Work() const { return work_; }
    // 1 school grounds, 2 schoolhouse, 3 dormitory.
    std::int32_t SchoolType() const { return schoolType_; }
    std::int16_t Land() const { return land_; }
    std::int16_t ConstructScale() const { return constructScale_; }
    const std::string& Permit() const { return permit_; }

    // "name,money,work,type,land,scale,permit"; texts are widened. Fewer
    // than seven fields or a bad number fail with the runtime's error and
    // change nothing.
    void SetData(std::string_view row);

  private:
    std::string schoolConstructName_;
    std::int32_t money_ = 0;
    std::int16_t work_ = 0;
    std::int32_t schoolType_ = 0;
    std::int16_t land_ = 0;
    std::int16_t constructScale_ = 0;
    std::string permit_;
};
