#include "platform/records/cls_app_info.h"

#include "host/runtime/convert.h"

using host::runtime::CStr;
using host::runtime::FormatZeros;

std::string clsAppInfo::Version(std::int32_t InfoNum, const std::string& strSeparator) const {
    switch (InfoNum) {
    case 0:
        return CStr(major_) + strSeparator + FormatZeros(minor_, "00") + strSeparator +
               FormatZeros(revision_, "0000");
    case 1:
        return CStr(major_);
    case 2:
        return FormatZeros(minor_, "00");
    case 3:
        return CStr(revision_);
    case 4:
        return CStr(major_) + strSeparator + FormatZeros(minor_, "00");
    default:
        return "";
    }
}
