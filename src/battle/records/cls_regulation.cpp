#include "battle/records/cls_regulation.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"

#include <string>

using host::runtime::CBool;
using host::runtime::CInt;

void clsRegulation::SetData(std::string_view row) {
    const auto f =
        host::runtime::SplitFields(row, ",", 7, "tournament rule row \"" + std::string(row) + "\"");
    const std::int16_t rank = CInt(f[0]), priod = CInt(f[1]);
    const std::int32_t battleTime = host::runtime::CLng(f[2]);
    const bool useItem = CBool(f[3]), visibleStatus = CBool(f[4]), visibleSkill = CBool(f[5]);
    const std::int16_t recover = CInt(f[6]);
    rank_ = rank;
    priod_ = priod;
    battleTime_ = battleTime;
    useItem_ = useItem;
    visibleStatus_ = visibleStatus;
    visibleSkill_ = visibleSkill;
    recover_ = recover;
}
