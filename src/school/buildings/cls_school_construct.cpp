#include "school/buildings/cls_school_construct.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsSchoolConstruct::SetData(std::string_view row) {
    auto fields = host::runtime::SplitFields(row, ",", 7, "school building row \"" + std::string(row) + "\"");
    std::int32_t money = host::runtime::CLng(fields[1]);
    std::int16_t work = host::runtime::CInt(fields[2]);
    std::int32_t type = host::runtime::CLng(fields[3]);
    std::int16_t land = host::runtime::CInt(fields[4]);
    std::int16_t scale = host::runtime::CInt(fields[5]);
    schoolConstructName_ = host::text::toWide(fields[0]);
    money_ = money;
    work_ = work;
    schoolType_ = type;
    land_ = land;
    constructScale_ = scale;
    permit_ = host::text::toWide(fields[6]);
}
