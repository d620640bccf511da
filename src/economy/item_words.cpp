#include "economy/item_words.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "platform/rules/cls_method.h"

namespace {

int riskStep(std::int32_t value, std::int32_t lastSmall, std::int32_t lastMedium) {
    if (value == 0) return 0;
    if (value <= lastSmall) return 1;
    return value <= lastMedium ? 2 : 3;
}

} // namespace

int consumeRiskStep(std::int32_t load) {
    return riskStep(load, 3, 6);
}

int lessonRiskStep(std::int32_t risk) {
    return riskStep(risk, 3, 10);
}

std::string lessonEffectText(std::int32_t effect) {
    const std::int32_t method =
        Method().RangeBITWORD(effect, lesson_item::kMethodLow, lesson_item::kMethodHigh);
    const std::int32_t value = Method().RangeBITWORD(effect, lesson_item::kValueLow, lesson_item::kValueHigh);
    if (method == lesson_item::kFlat) return "+" + host::runtime::CStr(value);
    if (method == lesson_item::kPercent) return "+" + host::runtime::CStr(value - 100) + "%";
    return "";
}
