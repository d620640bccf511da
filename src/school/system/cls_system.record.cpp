#include "school/system/cls_system.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/records/cls_app_info.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>
#include <limits>

using host::runtime::CBool;
using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::CStr;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr const char* kNewGameDate = "25:4:1";
constexpr std::size_t kRecordFields = 16;

} // namespace

void clsSystem::SetDataInit() {
    SetDate(kNewGameDate);
    StartPlayTime();
    Money = 0;
    KingdomPoint = 0;
    BattlePoint = 0;
    ConstructBits = Method().BitOn(Method().BitOn(0, 1), 3);
    ClassroomBits = Method().BitOn(0, 1);
    FacilitiesBits = 0;
    ClassCounter = 0;
    LibraryItem.clear();
    MuseumItem.clear();
    ChapelItem.clear();
    EndingFLG = false;
    Ending2FLG = false;
    cSchoolPermit.SetDataInit();
    for (clsQuest& quest : Quests)
        quest.CountClear();
    std::string image = GetClassImageName();
    SchoolScaleUp.raise(image);
}

void clsSystem::StartPlayTime() {
    PlayTime.SetInitTime("0:0:0");
    PlayStart = host::sys::wallClock().now();
}

// PlayTime plus the whole seconds played since PlayStart, as "H:M:S".
std::string clsSystem::playTimeText() const {
    const auto played =
        std::chrono::duration_cast<std::chrono::seconds>(host::sys::wallClock().now() - PlayStart);
    const auto seconds =
        std::clamp<std::int64_t>(played.count(), 0, std::numeric_limits<std::int32_t>::max());
    return PlayTime.AddSecond(static_cast<std::int32_t>(seconds));
}

std::string clsSystem::GetSaveData() const {
    return host::runtime::Join(
        {
            CStr(KingdomYear) + ":" + CStr(KingdomMonth) + ":" + CStr(KingdomDay) + ":" + CStr(Money),
            CStr(Money),
            CStr(KingdomPoint),
            playTimeText(),
            CStr(ClassCounter),
            CStr(BattlePoint),
            CStr(ConstructBits),
            CStr(FacilitiesBits),
            CStr(ClassroomBits),
            LibraryItem,
            MuseumItem,
            ChapelItem,
            cSchoolPermit.GetSaveData(),
            GetQuestSaveData(),
            CStr(EndingFLG),
            CStr(Ending2FLG),
        },
        "/");
}

void clsSystem::SetSaveData(std::string_view strData) {
    const auto fields = host::runtime::SplitFields(strData, "/", kRecordFields, "system record");
    const auto date = host::runtime::Split(fields[0], ":");
    if (date.size() < 3)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "system record date \"" + fields[0] + "\"");

    // Everything is read before anything changes.
    const std::int32_t money = CLng(fields[1]);
    const std::int32_t kingdomPoint = CLng(fields[2]);
    clsTime playTime;
    playTime.SetInitTime(fields[3]);
    const std::int16_t classCounter = CInt(fields[4]);
    const std::int16_t battlePoint = CInt(fields[5]);
    const std::int32_t constructBits = CLng(fields[6]);
    const std::int32_t facilitiesBits = CLng(fields[7]);
    const std::int32_t classroomBits = CLng(fields[8]);
    const bool endingFLG = CBool(fields[14]);
    const bool ending2FLG = CBool(fields[15]);
    clsSchoolPermit staged;
    staged.SetSaveData(fields[12]);

    const std::string today = CStr(KingdomYear) + ":" + CStr(KingdomMonth) + ":" + CStr(KingdomDay);
    SetDate(date[0] + ":" + date[1] + ":" + date[2]);
    try {
        SetQuestSaveData(fields[13]);
    } catch (...) {
        SetDate(today);
        throw;
    }
    cSchoolPermit.SetSaveData(fields[12]);

    PlayStart = host::sys::wallClock().now();
    Money = money;
    KingdomPoint = kingdomPoint;
    PlayTime = playTime;
    ClassCounter = classCounter;
    BattlePoint = battlePoint;
    ConstructBits = constructBits;
    FacilitiesBits = facilitiesBits;
    ClassroomBits = classroomBits;
    LibraryItem = host::text::toWide(fields[9]);
    MuseumItem = host::text::toWide(fields[10]);
    ChapelItem = host::text::toWide(fields[11]);
    EndingFLG = endingFLG;
    Ending2FLG = ending2FLG;
    std::string image = GetClassImageName();
    SchoolScaleUp.raise(image);
}

std::string clsSystem::GetSaveDataHeader() const {
    std::string header;
    for (const std::string& field : {
             host::runtime::FormatDateTime(host::sys::localNow(), "yyyy/mm/dd hh:mm:ss"),
             CStr(KingdomYear) + ":" + CStr(KingdomMonth) + ":" + CStr(KingdomDay),
             CStr(Money),
             CStr(KingdomPoint),
             playTimeText(),
             CStr(clsAppInfo::kMajor) + ":" + host::runtime::FormatZeros(clsAppInfo::kMinor, "00"),
         })
        header += field + "\\";
    return header;
}

std::string clsSystem::GetUnitSaveData() const {
    return host::runtime::Join(
        {
            CStr(KingdomYear) + ":" + CStr(KingdomMonth) + ":" + CStr(KingdomDay) + ":" + CStr(Money),
            CStr(cSchoolPermit.GetRank()),
            playTimeText(),
            CStr(clsAppInfo::kMajor) + ":" + CStr(clsAppInfo::kMinor) + ":" + CStr(clsAppInfo::kRevision),
        },
        "/");
}

void clsSystem::SetName(std::string_view strData) {
    StudentNames.clear();
    for (auto& name : host::runtime::Split(strData, "\r\n"))
        if (!name.empty()) StudentNames.push_back(std::move(name));
}

std::string clsSystem::GetName() const {
    if (StudentNames.empty()) throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "no student names");
    const auto last = static_cast<std::int16_t>(
        std::min<std::size_t>(StudentNames.size() - 1, std::numeric_limits<std::int16_t>::max()));
    return StudentNames[static_cast<std::size_t>(mdlZRDFunc::RandomInt(0, last))];
}
