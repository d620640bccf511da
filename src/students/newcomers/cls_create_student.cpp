#include "students/newcomers/cls_create_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "students/abilities.h"
#include "students/traits.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

using mdlZRDFunc::RandomInt;

namespace {

// A trait's chance out of a 0..100 draw: favoured origins, the others, and
// the traits every origin gets alike.
constexpr std::int16_t kFavoured = 15, kRare = 3, kPlain = 5;

// The entry of a 0..25 draw: each pair is (highest draw, result), in order.
template <class T> T pick(std::int16_t draw, std::initializer_list<std::pair<std::int16_t, T>> bands) {
    for (const auto& [highest, result] : bands)
        if (draw <= highest) return result;
    return (bands.end() - 1)->second;
}

std::int16_t draw25() {
    return RandomInt(0, 25);
}

enum class OriginClass { Low, Middle, High, None };

OriginClass classOf(std::string_view origin) {
    for (std::string_view o : {"農民", "猟師", "旅人", "技術者"})
        if (origin == o) return OriginClass::Low;
    for (std::string_view o : {"兵士", "商人", "学者", "忍者"})
        if (origin == o) return OriginClass::Middle;
    for (std::string_view o : {"騎士", "貴族", "王族"})
        if (origin == o) return OriginClass::High;
    return OriginClass::None;
}

// Abilities (by index 0..16) an origin raises or lowers by a drawn amount.
struct Band {
    std::vector<int> abilities;
    std::int16_t lo;
    std::int16_t hi;
    bool lowers;
};

struct OccupationRow {
    std::string_view origin;
    std::vector<Band> bands;
    std::int16_t otherLo;
    std::int16_t otherHi;
};

const std::vector<OccupationRow>& occupationTable() {
    static const std::vector<OccupationRow> table = {
        {"農民", {{{0}, 4, 12, false}, {{6}, 1, 3, true}}, 0, 2},
        {"猟師", {{{12}, 4, 12, false}, {{5}, 1, 3, true}}, 0, 2},
        {"旅人", {{{5}, 4, 12, false}, {{3}, 1, 3, true}}, 0, 2},
        {"技術者", {{{3}, 4, 12, false}, {{2}, 1, 3, true}}, 0, 2},
        {"兵士", {{{0, 1}, 4, 12, false}, {{6}, 1, 3, true}}, 2, 6},
        {"商人", {{{4}, 4, 12, false}, {{3}, 1, 3, true}}, 2, 6},
        {"忍者", {{{2}, 4, 12, false}, {{4}, 1, 3, true}}, 2, 6},
        {"学者", {{{14, 15, 16}, 4, 12, false}, {{0, 1, 2}, 1, 3, true}}, 2, 6},
        {"騎士", {{{0, 1}, 8, 20, false}, {{14, 15, 16}, 4, 12, false}}, 4, 8},
        {"貴族", {{{8, 9}, 8, 20, false}, {{10, 11, 12, 13}, 4, 12, false}}, 4, 8},
        {"王族", {{{6, 8, 9}, 10, 25, false}, {{10, 11, 12, 13}, 6, 12, false}}, 5, 10},
    };
    return table;
}

// A trait's chance: r <= kFavoured for the listed origins, r <= usual for
// the others; excluded when one of the listed traits is already held.
struct TraitRule {
    std::vector<std::string_view> favouredOrigins;
    std::int16_t usual;
    std::vector<std::int16_t> excludedBy;
};

const std::array<TraitRule, 15>& traitTable() {
    static const std::array<TraitRule, 15> table = {{
        {{"騎士", "貴族", "王族"}, kRare, {}},            // カリスマ
        {{}, kPlain, {}},                                 // 天才肌
        {{"学者"}, kRare, {}},                            // 努力家
        {{"農民"}, kRare, {}},                            // 頑丈
        {{"猟師", "技術者"}, kRare, {}},                  // 器用
        {{"旅人", "商人"}, kRare, {}},                    // 根性
        {{"忍者", "兵士"}, kRare, {}},                    // 強心臓
        {{}, kPlain, {}},                                 // 美形
        {{}, kPlain, {}},                                 // 野生の勘
        {{"猟師", "農民", "技術者", "旅人"}, kRare, {}},  // お祭り男
        {{}, kPlain, {trait::kBoldHeart}},                // ノミの心臓
        {{"猟師", "農民", "兵士"}, kRare, {}},            // 脳筋
        {{}, kPlain, {trait::kHardWorker, trait::kGrit}}, // 怠け者
        {{}, kPlain, {trait::kSturdy}},                   // 貧弱
        {{}, kPlain, {trait::kDeft}},                     // 不器用
    }};
    return table;
}

std::string joinBlock(const std::array<std::int16_t, ability::kCount>& values) {
    std::vector<std::string> parts;
    for (std::int16_t v : values)
        parts.push_back(host::runtime::CStr(v));
    return host::runtime::Join(parts, ":");
}

} // namespace

std::unique_ptr<clsStudent> clsCreateStudent::GetStudent(const clsCreateStudentData& data) const {
    auto student = std::make_unique<clsStudent>();
    student->Name(data.StudentName());
    student->ComingFrom(GetComingFrom(data.Occupation(), data.MiddlePlaceFLG(), data.HiPlaceFLG()));
    student->Age(GetAge(data.Age()));
    student->SchoolYear(1);
    student->MedicTolerance(0);
    student->Dissatisfaction(0);
    student->Condition(RandomInt(0, 4));
    student->Growth(GetGrowthType(data.Growth()));
    student->Character(RandomInt(1, 4));
    student->MedicUpper(RandomInt(5, 15));
    student->SetSkill(GetOriginSkill(student->ComingFrom()));
    student->SetStudentData(GetAbilityText(data.Ability(), student->ComingFrom(), student->Age()));
    student->Physical(student->MaxPhysical());
    return student;
}

std::int32_t clsCreateStudent::GetOriginSkill(std::string_view origin) {
    std::int32_t skills = 0;
    for (std::int16_t n = 1; n <= static_cast<std::int16_t>(traitTable().size()); ++n) {
        const TraitRule& rule = traitTable()[static_cast<std::size_t>(n - 1)];
        const std::int16_t r = RandomInt(0, 100);
        const bool favoured = std::find(rule.favouredOrigins.begin(), rule.favouredOrigins.end(), origin) !=
                              rule.favouredOrigins.end();
        const std::int16_t threshold = favoured ? kFavoured : rule.usual;
        bool excluded = false;
        for (std::int16_t other : rule.excludedBy)
            excluded = excluded || Method().BitCheck(skills, other);
        if (r <= threshold && !excluded) skills = Method().BitOn(skills, n);
    }
    return skills;
}

std::string clsCreateStudent::GetAbilityText(std::int16_t grade, std::string_view origin, std::int16_t age) {
    std::array<std::int16_t, ability::kCount> levels{}, natures{}, zeros{};
    const OriginClass originClass = classOf(origin);
    for (int i = 0; i < ability::kCount; ++i) {
        std::int32_t b = 0;
        switch (originClass) {
        case OriginClass::Low:
            b = RandomInt(4, 10);
            break;
        case OriginClass::Middle:
            b = RandomInt(8, 16);
            break;
        case OriginClass::High:
            b = RandomInt(12, 22);
            break;
        case OriginClass::None:
            break;
        }
        const std::int32_t c = GetOccupationAbility(origin, i);
        std::int32_t n = grade + b + (age - 12) + c;
        const bool formation = ability::isFormation(i + 1);
        if (formation) n /= 4;
        n = std::clamp(n, 0, formation ? 25 : 100);
        std::int32_t v = RandomInt(static_cast<std::int16_t>(n / 4), static_cast<std::int16_t>((n / 3) * 2));
        if (i + 1 == ability::kPhysical) {
            n = std::max(n, 2);
            v = std::max(v, 2);
        }
        levels[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(v);
        natures[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(n);
    }
    return host::runtime::Join({joinBlock(levels), joinBlock(zeros), joinBlock(natures), joinBlock(zeros)},
                               ";");
}

std::int16_t clsCreateStudent::GetOccupationAbility(std::string_view origin, int i) {
    for (const OccupationRow& row : occupationTable()) {
        if (row.origin != origin) continue;
        for (const Band& band : row.bands) {
            if (std::find(band.abilities.begin(), band.abilities.end(), i) == band.abilities.end()) continue;
            const std::int16_t drawn = RandomInt(band.lo, band.hi);
            return band.lowers ? static_cast<std::int16_t>(-drawn) : drawn;
        }
        return RandomInt(row.otherLo, row.otherHi);
    }
    Services().MsgBox("Error:GetOccupationAbility");
    return 0;
}

std::string clsCreateStudent::GetGrowthType(std::int32_t growthClass) {
    using enum Family;
    const std::int16_t r = draw25();
    Family family;
    switch (growthClass) {
    case 1:
        family = pick<Family>(r, {{16, Early}, {22, Normal}, {25, Special}});
        break;
    case 2:
        family = pick<Family>(r, {{16, Normal}, {19, Early}, {22, Late}, {25, Special}});
        break;
    case 3:
        family = pick<Family>(r, {{16, Late}, {22, Normal}, {25, Special}});
        break;
    case 4:
        family = pick<Family>(r, {{16, Special}, {19, Normal}, {22, Late}, {25, Early}});
        break;
    default:
        family = pick<Family>(r, {{6, Early}, {13, Normal}, {19, Late}, {25, Special}});
        break;
    }
    switch (family) {
    case Early:
        return DrawEarlyGrowth();
    case Normal:
        return DrawNormalGrowth();
    case Late:
        return DrawLateGrowth();
    case Special:
        return DrawSpecialGrowth();
    }
    return "";
}

std::string clsCreateStudent::DrawEarlyGrowth() {
    return pick<std::string>(draw25(), {{7, "超早熟"}, {14, "早熟1"}, {21, "早熟2"}, {25, "持続1"}});
}

std::string clsCreateStudent::DrawNormalGrowth() {
    return pick<std::string>(draw25(), {{7, "普通1"}, {14, "普通2"}, {22, "普通3"}, {25, "持続2"}});
}

std::string clsCreateStudent::DrawLateGrowth() {
    return pick<std::string>(draw25(),
                             {{5, "晩成1"}, {10, "晩成2"}, {15, "晩成3"}, {20, "超晩成1"}, {25, "超晩成2"}});
}

std::string clsCreateStudent::DrawSpecialGrowth() {
    return pick<std::string>(draw25(),
                             {{5, "特殊1"}, {10, "特殊2"}, {15, "特殊3"}, {20, "特殊4"}, {25, "持続1"}});
}

std::string clsCreateStudent::DrawLowOrigin() {
    return pick<std::string>(draw25(), {{8, "農民"}, {14, "猟師"}, {20, "旅人"}, {25, "技術者"}});
}

std::string clsCreateStudent::DrawMiddleOrigin() {
    return pick<std::string>(draw25(), {{8, "兵士"}, {14, "商人"}, {20, "学者"}, {25, "忍者"}});
}

std::string clsCreateStudent::DrawHighOrigin() {
    return pick<std::string>(draw25(), {{15, "騎士"}, {21, "貴族"}, {25, "王族"}});
}

std::string clsCreateStudent::GetComingFrom(std::int32_t occupation, bool middlePlace, bool hiPlace) {
    if (occupation == 3 && hiPlace) {
        const std::int16_t r = draw25();
        if (r <= 16) return DrawHighOrigin();
        if (r <= 22) return DrawMiddleOrigin();
        return DrawLowOrigin();
    }
    if ((occupation == 2 || occupation == 3) && middlePlace) {
        if (draw25() <= 6) return DrawLowOrigin();
        return DrawMiddleOrigin();
    }
    return DrawLowOrigin();
}

std::int16_t clsCreateStudent::DrawAgeBand1() {
    return pick<std::int16_t>(draw25(), {{7, 12}, {15, 13}, {22, 14}, {25, 15}});
}

std::int16_t clsCreateStudent::DrawAgeBand2() {
    return pick<std::int16_t>(draw25(), {{3, 14}, {12, 15}, {20, 16}, {25, 17}});
}

std::int16_t clsCreateStudent::DrawAgeBand3() {
    return pick<std::int16_t>(draw25(), {{7, 16}, {16, 17}, {25, 18}});
}

std::int16_t clsCreateStudent::GetAge(std::int32_t ageClass) {
    std::int32_t band = ageClass;
    if (band < 1 || band > 3) band = RandomInt(0, 2) + 1;
    switch (band) {
    case 1:
        return DrawAgeBand1();
    case 2:
        return DrawAgeBand2();
    default:
        return DrawAgeBand3();
    }
}
