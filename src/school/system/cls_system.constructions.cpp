#include "school/system/cls_system.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/sound/sound_names.h"
#include "school/buildings/building_codes.h"

#include <vector>

using host::runtime::Collection;
using host::runtime::CStr;

namespace {

constexpr const char* kCrLf = "\r\n";
std::vector<std::string> rowsOf(std::string_view strData) {
    std::vector<std::string> rows;
    for (auto& line : host::runtime::Split(strData, kCrLf))
        if (!line.empty()) rows.push_back(std::move(line));
    return rows;
}

std::string joined(const Collection<std::string>& names, std::string_view separator) {
    std::string text;
    for (const auto& name : names) {
        if (!text.empty()) text += separator;
        text += name;
    }
    return text;
}

// The placement line of the three buildings that take an item.
const char* placementLine(const std::string& building) {
    if (building == building_name::kLibrary) return "事典を設置することができます";
    if (building == building_name::kMuseum) return "芸術品を設置することができます";
    if (building == building_name::kChapel) return "彫刻を設置することができます";
    return nullptr;
}

} // namespace

void clsSystem::SetConstruction(std::string_view strData) {
    SetConstructData(building_work::kConstruction, strData);
}

void clsSystem::SetClassroom(std::string_view strData) {
    SetConstructData(building_work::kClassroom, strData);
}

void clsSystem::SetFacilities(std::string_view strData) {
    SetConstructData(building_work::kFacility, strData);
}

void clsSystem::SetSchoolConstruct(std::string_view strData) {
    for (const auto& row : rowsOf(strData)) {
        clsSchoolConstruct level;
        level.SetData(row);
        SchoolConstructs.add(std::move(level));
    }
}

void clsSystem::SetConstructData(std::int32_t kind, std::string_view strData) {
    for (const auto& row : rowsOf(strData)) {
        clsConstruct building;
        building.SetData(kind, row);
        std::string key = building.ConstructName();
        Constructs.add(std::move(building), std::move(key));
    }
}

std::int32_t clsSystem::builtBits(std::int32_t kind) const {
    switch (kind) {
    case building_work::kConstruction:
        return ConstructBits;
    case building_work::kClassroom:
        return ClassroomBits;
    case building_work::kFacility:
        return FacilitiesBits;
    default:
        return 0;
    }
}

std::int16_t clsSystem::GetBuiltCount(std::int32_t kind) const {
    std::int16_t lastBit = 0;
    switch (kind) {
    case building_work::kConstruction:
        lastBit = 15;
        break;
    case building_work::kClassroom:
        lastBit = 12;
        break;
    case building_work::kFacility:
        lastBit = 9;
        break;
    default:
        return 0;
    }
    std::int16_t count = 0;
    for (std::int16_t bit = 1; bit <= lastBit; ++bit)
        if (Method().BitCheck(builtBits(kind), bit)) ++count;
    return count;
}

const clsSchoolConstruct* clsSystem::currentSchoolConstruct(std::int32_t kind) const {
    std::int16_t scale = 0;
    switch (kind) {
    case building_work::kConstruction:
        scale = cSchoolPermit.GetSchoolScale();
        break;
    case building_work::kClassroom:
        scale = cSchoolPermit.GetSchoolhouseScale();
        break;
    case building_work::kFacility:
        scale = cSchoolPermit.GetDormitoryScale();
        break;
    default:
        return nullptr;
    }
    for (const auto& level : SchoolConstructs)
        if (level.SchoolType() == kind && level.ConstructScale() == scale) return &level;
    return nullptr;
}

std::int16_t clsSystem::GetSchoolConstructLand(std::int32_t kind) const {
    const clsSchoolConstruct* level = currentSchoolConstruct(kind);
    return level ? level->Land() : 0;
}

std::string clsSystem::GetSchoolConstructName(std::int32_t kind) const {
    const clsSchoolConstruct* level = currentSchoolConstruct(kind);
    return level ? level->SchoolConstructName() : "";
}

std::string clsSystem::GetSchoolConstructTypeName(std::int32_t kind) {
    switch (kind) {
    case building_work::kConstruction:
        return "学園";
    case building_work::kClassroom:
        return "校舎";
    case building_work::kFacility:
        return "寮";
    default:
        return "";
    }
}

// The current school building of a kind with its built count over its land.
std::string clsSystem::schoolConstructLine(std::int32_t kind) const {
    return GetSchoolConstructName(kind) + "(" + CStr(GetBuiltCount(kind)) + "/" +
           CStr(GetSchoolConstructLand(kind)) + ")";
}

std::string clsSystem::GetConstruct(bool Plane) const {
    return cSchoolPermit.GetConstruct(Plane);
}

Collection<clsGetGridData> clsSystem::GetBuild(std::int16_t ConstDiscount) const {
    const std::string lastWork = cSchoolPermit.GetConstruct(true);
    Collection<clsGetGridData> rows;
    for (const auto& building : Constructs) {
        const std::int32_t kind = building.ConstructType();
        if (kind == building_work::kFacility && !CheckDormitory()) continue;
        if (GetBuiltCount(kind) >= GetSchoolConstructLand(kind)) continue;
        if (Method().BitCheck(builtBits(kind), building.bitFLG())) continue;
        if (building.ConstructName() == lastWork) continue;

        clsGetGridData row;
        row.SetCols(4);
        row.Data(0, "0");
        row.Data(1, building.ConstructName());
        row.Data(2, CStr(mdlZRDFunc::SubPercentLong(building.Money(), ConstDiscount)));
        row.Data(3, GetSchoolConstructTypeName(kind));
        row.Data(4, CStr(building.Work()));
        rows.add(std::move(row));
    }
    return rows;
}

bool clsSystem::GetEnableBuild(const std::string& building, std::int16_t Discount) const {
    // Ordered through the dormitory permits of the point exchange, never here.
    if (building == building_name::kDormitory) return false;
    if (cSchoolPermit.GetWork() >= 1) return false;
    return IsEnough(GetBuildPrice(building, Discount));
}

std::int32_t clsSystem::GetBuildPrice(const std::string& building, std::int16_t Discount) const {
    return mdlZRDFunc::SubPercentLong(Constructs.item(building).Money(), Discount);
}

void clsSystem::SetConstructBuild(const std::string& building, std::int16_t ConstDiscount) {
    const clsConstruct& row = Constructs.item(building);
    // The order screen's own test, again before paying: an order it would
    // not allow takes no money.
    if (!GetEnableBuild(building, ConstDiscount)) return;
    if (!SubMoney(GetBuildPrice(building, ConstDiscount))) return;
    cSchoolPermit.SetConstruct(row.ConstructType(), row.bitFLG(), row.Work(), row.ConstructName());
    std::string sound = sound_name::kCoin;
    SoundPlay.raise(sound);
}

std::string clsSystem::GetBuildTips(const std::string& building) const {
    const clsConstruct& row = Constructs.item(building);
    std::string tips = row.Tips() + kCrLf + schoolConstructLine(row.ConstructType());
    if (building == building_name::kDormitory)
        tips += std::string(kCrLf) + "ここでは許可できません。ポイント交換所で申請してください";
    Collection<std::string> lessons = hooks_.GetConstructClass(building);
    if (!lessons.empty()) tips += std::string(kCrLf) + "授業=" + joined(lessons, ":");
    if (cSchoolPermit.GetWork() > 0)
        tips += std::string(kCrLf) + "現在" + cSchoolPermit.GetConstruct(true) +
                "を建設しているので申請できません";
    return tips;
}

std::string clsSystem::GetConstructTips(const std::string& building) {
    const clsConstruct& row = Constructs.item(building);
    std::string tips;
    if (const char* placement = placementLine(row.ConstructName())) {
        tips = placement;
        std::string* slot = itemSlot(GetConstructItemTarget(building));
        if (!slot->empty() && !hooks_.CheckItem(*slot)) slot->clear();
        if (!slot->empty())
            tips += kCrLf + *slot + "が設置してあります" + kCrLf;
        else
            tips += std::string(kCrLf) + "現在、設置していません" + kCrLf;
    } else {
        Collection<std::string> lessons = hooks_.GetConstructClass(building);
        if (!lessons.empty()) tips = "授業:" + joined(lessons, ",") + kCrLf;
    }
    return tips + row.Tips();
}

std::string clsSystem::GetSchoolConstructTips() const {
    return schoolConstructLine(building_work::kConstruction) + kCrLf +
           schoolConstructLine(building_work::kClassroom) + kCrLf +
           (CheckDormitory() ? schoolConstructLine(building_work::kFacility) : std::string("寮なし"));
}

Collection<clsGetGridData> clsSystem::GetConstData(std::int32_t Target) const {
    Collection<clsGetGridData> rows;
    for (const auto& building : Constructs) {
        if (building.ConstructType() != Target || !Method().BitCheck(builtBits(Target), building.bitFLG()))
            continue;
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, "0");
        row.Data(1, building.ConstructName());
        rows.add(std::move(row));
    }
    return rows;
}
