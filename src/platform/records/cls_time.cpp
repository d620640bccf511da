#include "platform/records/cls_time.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"

using host::runtime::CStr;

void clsTime::SetInitTime(std::string_view strData) {
    auto parts = host::runtime::Split(strData, ":");
    if (parts.size() < 3)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "play time \"" + std::string(strData) + "\"");
    const std::int16_t hours = host::runtime::CInt(parts[0]);
    const std::int16_t minutes = host::runtime::CInt(parts[1]);
    const std::int16_t seconds = host::runtime::CInt(parts[2]);
    // A part out of its range would be carried differently on every save.
    if (hours < 0 || hours > kMaxHours || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          "play time \"" + std::string(strData) + "\" out of range");
    hours_ = hours;
    minutes_ = minutes;
    seconds_ = seconds;
}

std::string clsTime::AddSecond(std::int32_t lngSecond) const {
    std::int64_t h = lngSecond / 3600;
    std::int64_t m = (lngSecond - h * 3600) / 60;
    std::int64_t s = lngSecond % 60;
    std::int64_t S = seconds_ + s;
    if (S > 59) {
        S -= 60;
        ++m;
    }
    std::int64_t M = minutes_ + m;
    if (M > 59) {
        M -= 60;
        ++h;
    }
    std::int64_t H = hours_ + h;
    if (H > kMaxHours) H = kMaxHours;
    return CStr(H) + ":" + CStr(M) + ":" + CStr(S);
}
