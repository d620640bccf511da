#include "school/system/cls_system.h"

#include "platform/rules/cls_method.h"
#include "school/buildings/building_codes.h"
#include "school/permits/permit_codes.h"

using host::runtime::Collection;

namespace {

// From this rank up a rise needs more battle points, and from the next one
// graduates with rank-up points as well.
constexpr std::int16_t kSeniorRank = school_rank::kD;

struct RankRule {
    std::int16_t riseAt;     // battle points for a rise
    std::int16_t graduates;  // rank-up points for a rise
    std::int16_t fallAtMost; // battle points at or below which the rank falls
};

RankRule ruleFor(std::int16_t rank) {
    switch (rank) {
    case 0:
    case 1:
    case 2:
        return {16, 0, 3};
    case 3:
        return {30, 0, 5};
    case 4:
        return {30, 5, 5};
    case 5:
        return {30, 15, 5};
    default:
        return {30, 45, 5};
    }
}

bool built(std::int32_t bits, std::int16_t bit) {
    return Method().BitCheck(bits, bit);
}

} // namespace

void clsSystem::EvaluateSchoolRank() {
    const std::int16_t rank = cSchoolPermit.GetRank();
    const std::int16_t graduates = rank >= kSeniorRank ? hooks_.GetRankUpCondition() : 0;
    const RankRule rule = ruleFor(rank);
    if (rank < school_rank::kS && BattlePoint >= rule.riseAt && graduates >= rule.graduates)
        cSchoolPermit.RankUp();
    else if (BattlePoint <= rule.fallAtMost)
        cSchoolPermit.RankDown();
    BattlePoint = 0;
}

clsSponsorCondition clsSystem::GetSponsorCondition() const {
    clsSponsorCondition condition;
    condition.Rank = cSchoolPermit.GetRank();
    condition.SchoolhouseScale = cSchoolPermit.GetSchoolhouseScale();
    condition.SchoolScale = cSchoolPermit.GetSchoolScale();
    condition.DormitoryScale = cSchoolPermit.GetDormitoryScale();
    condition.Construct = ConstructBits;
    condition.Classroom = ClassroomBits;
    condition.Facilities = FacilitiesBits;
    return condition;
}

std::int16_t clsSystem::GetSponsorMaxCount() const {
    return cSchoolPermit.GetSponserCount();
}

std::int16_t clsSystem::GetSchoolYear() const {
    return cSchoolPermit.GetSchoolYear();
}

bool clsSystem::CheckCourse() const {
    return built(ClassroomBits, classroom_bit::kGuidanceRoom) && KingdomMonth >= 1 && KingdomMonth <= 3;
}

bool clsSystem::GetMiddlePlaceFLG() const {
    return cSchoolPermit.GetDormitoryScale() > 0 && cSchoolPermit.GetRank() >= 2;
}

bool clsSystem::GetHiPlaceFLG() const {
    return cSchoolPermit.GetSchoolhouseScale() >= 2 && cSchoolPermit.GetSchoolScale() >= 2 &&
           cSchoolPermit.GetRank() >= 5 && built(FacilitiesBits, 6) && built(FacilitiesBits, 7) &&
           built(FacilitiesBits, 8) && built(FacilitiesBits, 9);
}

Collection<std::string> clsSystem::GetClassConstractData() const {
    Collection<std::string> rooms;
    for (const auto& building : Constructs) {
        const bool room = building.ConstructType() == 1 || building.ConstructType() == 2;
        if (room && built(builtBits(building.ConstructType()), building.bitFLG()))
            rooms.add(building.ConstructName());
    }
    return rooms;
}
