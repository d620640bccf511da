#include "school/quests/cls_quest.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

using host::runtime::CBool;
using host::runtime::CInt;
using host::runtime::CLng;
using host::text::toWide;

void clsQuest::AddCount() {
    count_ = host::runtime::saturate16(std::int64_t{count_} + 1);
}

bool clsQuest::openInMonth(std::int16_t m) const {
    if (startMonth_ <= endMonth_) return startMonth_ <= m && m <= endMonth_;
    return m >= startMonth_ || m <= endMonth_;
}

void clsQuest::SetData(std::string_view strData) {
    auto f = host::runtime::SplitFields(strData, ",", 15, "quest row \"" + std::string(strData) + "\"");
    const std::int16_t id = CInt(f[0]), rank = CInt(f[1]);
    const std::int32_t money = CLng(f[3]);
    const std::int16_t point = CInt(f[4]), startMonth = CInt(f[6]), endMonth = CInt(f[7]),
                       battle = CInt(f[8]);
    const bool once = CBool(f[10]), reset = CBool(f[11]);
    const std::int16_t targetId = CInt(f[12]), targetCount = CInt(f[13]);

    id_ = id;
    rank_ = rank;
    questName_ = toWide(f[2]);
    money_ = money;
    point_ = point;
    image_ = toWide(f[5]);
    startMonth_ = startMonth;
    endMonth_ = endMonth;
    battle_ = battle;
    monster_ = toWide(f[9]);
    once_ = once;
    reset_ = reset;
    targetId_ = targetId;
    targetCount_ = targetCount;
    tips_ = toWide(f[14]);
}
