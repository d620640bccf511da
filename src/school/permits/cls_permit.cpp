#include "school/permits/cls_permit.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

void clsPermit::SetData(std::string_view row) {
    auto fields = host::runtime::SplitFields(row, ",", 5, "permit row \"" + std::string(row) + "\"");
    std::int16_t point = host::runtime::CInt(fields[1]);
    std::int32_t type = host::runtime::CLng(fields[2]);
    std::int16_t limit = host::runtime::CInt(fields[3]);
    std::int32_t money = host::runtime::CLng(fields[4]);
    // Tickets are counted by dividing the kingdom points by Point.
    if (point < 1)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "permit row \"" + std::string(row) + "\" costs no kingdom points");
    permitName_ = host::text::toWide(fields[0]);
    point_ = point;
    permitType_ = type;
    limit_ = limit;
    money_ = money;
}
