#include "host/runtime/variant.h"

#include "host/runtime/convert.h"
#include "host/runtime/rounding.h"

namespace host::runtime {

double Variant::toDouble() const {
    return std::visit(
        [](const auto& v) -> double {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, Empty>)
                return 0.0;
            else if constexpr (std::is_same_v<V, std::string>)
                return CDbl(v);
            else if constexpr (std::is_same_v<V, bool>)
                return v ? -1.0 : 0.0;
            else
                return static_cast<double>(v);
        },
        value_);
}

std::int16_t Variant::toInteger() const {
    return CInt(toDouble());
}

std::int32_t Variant::toLong() const {
    return CLng(toDouble());
}

bool Variant::toBool() const {
    if (const auto* text = std::get_if<std::string>(&value_)) return CBool(*text);
    return toDouble() != 0.0;
}

std::string Variant::toString() const {
    return std::visit(
        [](const auto& v) -> std::string {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, Empty>)
                return "";
            else if constexpr (std::is_same_v<V, std::string>)
                return v;
            else
                return CStr(v);
        },
        value_);
}

} // namespace host::runtime
