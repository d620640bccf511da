#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One prize row of a ticket: draw number ID (1..50) gives ItemName.
class clsTicket {
  public:
    // TicketName, ID, ItemName (names widened); a short row or a bad number
    // raises the runtime's error.
    void SetData(std::string_view row);
    std::int16_t ID() const { return ID_; }
    const std::string& TicketName() const { return TicketName_; }
    const std::string& ItemName() const { return ItemName_; }

  private:
    std::string TicketName_;
    std::int16_t ID_ = 0;
    std::string ItemName_;
};
