#include "students/teachers/cls_mng_teacher.h"
#include "platform/browser/browser_table.h"

#include <array>

namespace {

constexpr browser::Column kTeacherColumns[] = {
    {"名前", 1200}, {"性格", 500}, {"方針", 500}, {"年齢", 300}, {"期間", 300}, {"給料", 500},
};
// The skills' own captions in this set, skills 1 to 12.
constexpr std::array<std::string_view, clsTeacherData::SkillCount> kSkillCaptions = {
    "剣マスター", "槍マスター", "弓マスター", "馬マスター", "生き字引", "神の子",
    "疾風迅雷",   "堅忍不抜",   "機略縦横",   "名匠",       "家元",     "鉄の意志",
};
constexpr std::int16_t kSkillColumnWidth = 300;
constexpr std::int16_t kFirstAbilityCell = std::size(kTeacherColumns);
constexpr std::int16_t kFirstSkillCell = kFirstAbilityCell + browser::kAbilityCaptions.size();
constexpr std::int16_t kTeacherColumnCount = kFirstSkillCell + kSkillCaptions.size();

} // namespace

host::runtime::Collection<clsGetGridData> clsMngTeacher::GetGameDataHeader() const {
    std::vector<browser::Column> columns(std::begin(kTeacherColumns), std::end(kTeacherColumns));
    for (std::string_view caption : browser::kAbilityCaptions)
        columns.push_back({caption, browser::kAbilityColumnWidth});
    for (std::string_view caption : kSkillCaptions)
        columns.push_back({caption, kSkillColumnWidth});
    return browser::columnSet(columns, false);
}

host::runtime::Collection<clsGetGridData> clsMngTeacher::GetGameData() const {
    browser::Rows rows;
    for (const clsTeacherData& teacher : catalogue_) {
        clsGetGridData row = browser::newRow(kTeacherColumnCount);
        row.Data(0, teacher.Name());
        row.Data(1, GetCharaName(teacher.Character()));
        row.Data(2, GetPolicyName(teacher.Policy()));
        row.Data(3, std::to_string(teacher.Age()));
        row.Data(4, std::to_string(teacher.Period()));
        row.Data(5, std::to_string(teacher.Salary()));
        for (std::int16_t k = 1; k <= static_cast<std::int16_t>(browser::kAbilityCaptions.size()); ++k)
            row.Data(static_cast<std::int16_t>(kFirstAbilityCell + k - 1),
                     std::to_string(teacher.GetAbility(k)));
        for (std::int16_t k = 1; k <= clsTeacherData::SkillCount; ++k)
            row.Data(static_cast<std::int16_t>(kFirstSkillCell + k - 1), browser::mark(teacher.HoldSkill(k)));
        rows.add(std::move(row));
    }
    return rows;
}
