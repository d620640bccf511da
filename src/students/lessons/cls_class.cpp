#include "students/lessons/cls_class.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

void clsClass::SetData(std::string_view row) {
    using host::runtime::CInt;
    auto f = host::runtime::SplitFields(row, ",", 11, "lesson row");
    auto i16 = [&](std::size_t i) { return CInt(std::string_view(f[i])); };
    std::int16_t physical = i16(1), basePoint = i16(2), needPoint = i16(3), strength = i16(4);
    std::int32_t bigEffect = host::runtime::CLng(f[5]);
    std::int32_t smallEffect = host::runtime::CLng(f[6]);
    std::int32_t useItem = i16(7);
    bool individual = host::runtime::CBool(f[8]);

    name_ = host::text::toWide(f[0]);
    physical_ = physical;
    basePoint_ = basePoint;
    needPoint_ = needPoint;
    strength_ = strength;
    bigEffect_ = bigEffect;
    smallEffect_ = smallEffect;
    useItem_ = useItem;
    individual_ = individual;
    place_ = host::text::toWide(f[9]);
    tips_ = host::text::toWide(f[10]);
}
