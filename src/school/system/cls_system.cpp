#include "school/system/cls_system.h"

#include "platform/rules/cls_method.h"
#include "school/buildings/building_codes.h"

namespace {

constexpr std::int16_t kFirstYear = 25;
constexpr std::int16_t kFirstMonth = 4;

// The set with that bit built. A bit number outside 1..31 (a bad master row or
// save) leaves the set as it is instead of losing every building in it.
std::int32_t withBit(std::int32_t bits, std::int16_t bit) {
    if (bit < 1 || bit > 31) return bits;
    return Method().BitOn(bits, bit);
}

} // namespace

clsSystem::clsSystem(SystemHooks& hooks) : hooks_(hooks) {
    cSchoolPermit.CompleteConst.subscribe(
        [this](std::int32_t& CType, std::int16_t& CFLG) { cSchoolPermit_CompleteConst(CType, CFLG); });
    cSchoolPermit.Report.subscribe([this](std::string& text) { Report.raise(text); });
    cSchoolPermit.StatusRefresh.subscribe([this] { StatusRefresh.raise(); });

    KingdomYear = kFirstYear;
    KingdomMonth = kFirstMonth;
    KingdomDay = 1;
    ConstructBits = withBit(withBit(0, 1), 3);
    ClassroomBits = withBit(0, 1);
}

std::string clsSystem::GetRank() const {
    return clsSchoolPermit::GetRankString(cSchoolPermit.GetRank());
}

std::int16_t clsSystem::GetRankAsNumber() const {
    return cSchoolPermit.GetRank();
}

std::string clsSystem::GetClassImageName() const {
    switch (cSchoolPermit.GetSchoolScale()) {
    case 1:
        return "カリキュラム低";
    case 2:
        return "カリキュラム中";
    case 3:
        return "カリキュラム高";
    default:
        return "";
    }
}

void clsSystem::cSchoolPermit_CompleteConst(std::int32_t CType, std::int16_t CFLG) {
    switch (CType) {
    case building_work::kConstruction:
        ConstructBits = withBit(ConstructBits, CFLG);
        break;
    case building_work::kClassroom:
        ClassroomBits = withBit(ClassroomBits, CFLG);
        break;
    case building_work::kFacility:
        FacilitiesBits = withBit(FacilitiesBits, CFLG);
        break;
    case building_work::kSchoolGrounds: {
        cSchoolPermit.ShoolScaleUp();
        std::string image = GetClassImageName();
        SchoolScaleUp.raise(image);
        break;
    }
    case building_work::kSchoolhouse:
        cSchoolPermit.SchoolhouseScaleUp();
        break;
    case building_work::kDormitory:
        // The first dormitory sets the dormitory building and its first room.
        if (cSchoolPermit.GetDormitoryScale() == 0) {
            ConstructBits = withBit(ConstructBits, construct_bit::kDormitory);
            FacilitiesBits = withBit(FacilitiesBits, facility_bit::kFirstRoom);
        }
        cSchoolPermit.DormitoryScaleUp();
        break;
    default:
        break;
    }
}
