#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One royal permit of the point exchange: what it grants (PermitType), the
// state from which it is offered (Limit), and its price in kingdom points and
// money. Ticket permits have names ending in "チケット".
class clsPermit {
  public:
    const std::string& PermitName() const { return permitName_; }
    // Kingdom points per permit; per ticket for tickets. Always at least 1.
    std::int16_t Point() const { return point_; }
    std::int32_t PermitType() const { return permitType_; }
    std::int16_t Limit() const { return limit_; }
    std::int32_t Money() const { return money_; }

    // "name,point,type,limit,money"; the name is widened. Fewer than five
    // fields, a bad number or a Point below 1 fail with the runtime's error
    // and change nothing.
    void SetData(std::string_view row);

  private:
    std::string permitName_;
    std::int16_t point_ = 0;
    std::int32_t permitType_ = 0;
    std::int16_t limit_ = 0;
    std::int32_t money_ = 0;
};
