#include "school/buildings/cls_construct.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsConstruct::SetData(std::int32_t kind, std::string_view row) {
    auto fields = host::runtime::SplitFields(row, ",", 5, "building row \"" + std::string(row) + "\"");
    std::int32_t money = host::runtime::CLng(fields[1]);
    std::int16_t work = host::runtime::CInt(fields[2]);
    std::int16_t bit = host::runtime::CInt(fields[3]);
    constructName_ = host::text::toWide(fields[0]);
    constructType_ = kind;
    money_ = money;
    work_ = work;
    bitFLG_ = bit;
    tips_ = host::text::toWide(fields[4]);
}
