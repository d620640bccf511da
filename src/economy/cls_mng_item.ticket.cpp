#include "economy/cls_mng_item.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"

#include <algorithm>

using host::runtime::CStr;

namespace {

std::string prizeKey(const std::string& TicketName, std::int16_t n) {
    return TicketName + ":" + CStr(n);
}

} // namespace

clsMngItem::Rows clsMngItem::GetTicketItem() const {
    Rows rows;
    for (const clsItem& item : Items)
        if (item.ItemType() == item_type::kTicket)
            addRow(rows, {"0", item.ItemName(), CStr(item.ItemStorage())});
    return rows;
}

std::int16_t clsMngItem::DrawTicket(const std::string& TicketName, std::int16_t& count) {
    count = std::min(count, ItemStorage(TicketName));
    if (count < 1) return ItemStorage(TicketName);
    for (std::int16_t n = 1; n <= ticket_rule::kPrizeRows; ++n) {
        const clsTicket* prize = Tickets.find(prizeKey(TicketName, n));
        if (!prize)
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                              TicketName + " has no prize " + CStr(n));
        if (!Items.contains(prize->ItemName()))
            throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                              TicketName + " prize " + CStr(n) + " " + prize->ItemName() +
                                                  " is not in the catalogue");
    }

    std::string announcement = TicketName + "を引換えます";
    Report.raise(announcement);
    // Each draw hands in its ticket before the prize comes, so draws cut
    // short during a wait (the window closed) keep what they gave and used,
    // and a ticket gone meanwhile is not drawn.
    std::int16_t drawn = 0;
    while (drawn < count) {
        Services().WaitTime(ticket_rule::kDrawWaitMs);
        if (ItemStorage(TicketName) < 1) break;
        const std::int16_t n = mdlZRDFunc::RandomInt(1, ticket_rule::kPrizeRows);
        const std::string prize = Tickets.item(prizeKey(TicketName, n)).ItemName();
        std::int16_t used = 1;
        ItemDelete(TicketName, used);
        std::string message = prize + "を貰いました";
        Report.raise(message);
        ItemAdd(prize, 1);
        ++drawn;
    }
    count = drawn;
    return ItemStorage(TicketName);
}
