#include "economy/cls_ticket.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsTicket::SetData(std::string_view row) {
    const auto f = host::runtime::SplitFields(row, ",", 3, "ticket row \"" + std::string(row) + "\"");
    TicketName_ = host::text::toWide(f[0]);
    ID_ = host::runtime::CInt(f[1]);
    ItemName_ = host::text::toWide(f[2]);
}
