#include "students/roster/cls_mng_student.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "platform/rules/cls_method.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"
#include "students/abilities.h"
#include "students/traits.h"

#include <algorithm>
#include <string_view>
#include <utility>

using host::runtime::saturate16;
using mdlZRDFunc::CalcLevelValue;
using mdlZRDFunc::RandomInt;

namespace {

// The critical bonus of a team with a festive member.
constexpr std::int16_t kFestivalCritical = 12;

// The ability a unit type or formation type trains; 0 for any other text.
std::int16_t trainedAbility(std::string_view type) {
    static constexpr std::pair<std::string_view, std::int16_t> kTypes[] = {
        {"剣士", ability::kFencing},      {"槍兵", ability::kSpearmanship}, {"弓兵", ability::kToxophily},
        {"騎兵", ability::kHorsemanship}, {"攻撃", ability::kAggressive},   {"防御", ability::kProtect},
        {"奇襲", ability::kSurprise},
    };
    for (const auto& [text, trained] : kTypes)
        if (text == type) return trained;
    return 0;
}

std::int32_t withAbility(std::int32_t bits, std::int16_t ability) {
    return ability == 0 ? bits : Method().BitOn(bits, ability);
}

} // namespace

void clsMngStudent::SetQuest(const clsUnitData& pQuestUnit) {
    questTeams_.add(pQuestUnit, pQuestUnit.QuestName());
}

host::runtime::Collection<clsGetGridData> clsMngStudent::GetQuest() const {
    host::runtime::Collection<clsGetGridData> rows;
    for (const clsUnitData& team : questTeams_) {
        clsGetGridData row;
        row.SetCols(0);
        row.Data(0, team.QuestName());
        rows.add(std::move(row));
    }
    return rows;
}

bool clsMngStudent::CheckBattleGameDay() const {
    for (const clsUnitData& team : questTeams_)
        if (host::runtime::Like(team.QuestName(), "*王国大会")) return true;
    return false;
}

host::runtime::Collection<clsGetGridData> clsMngStudent::GetQuestItem() const {
    std::vector<std::pair<std::string, std::int32_t>> counts;
    for (const clsUnitData& team : questTeams_) {
        if (team.ItemName().empty()) continue;
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&](const auto& entry) { return entry.first == team.ItemName(); });
        if (it == counts.end())
            counts.emplace_back(team.ItemName(), 1);
        else
            ++it->second;
    }
    host::runtime::Collection<clsGetGridData> rows;
    for (const auto& [item, count] : counts) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, item);
        row.Data(1, host::runtime::CStr(count));
        rows.add(std::move(row), item);
    }
    return rows;
}

std::int16_t clsMngStudent::GetQuestMemberAddCritical(const clsUnitData& cQuest) const {
    for (const auto& name : presentMembers(cQuest))
        if (students_.item(name)->HoldSkill(trait::kFestive)) return kFestivalCritical;
    return 0;
}

std::int32_t clsMngStudent::GetQuestMemberMinCondition(const clsUnitData& cQuest) const {
    std::int16_t worst = 0;
    const std::string leader = cQuest.Lines(1);
    if (IsStudentName(leader) && students_.item(leader)->HoldSkill(trait::kCharisma)) {
        worst = students_.item(leader)->Condition();
    } else {
        for (const auto& name : presentMembers(cQuest))
            worst = std::max(worst, students_.item(name)->Condition());
    }
    return worst >= 0 && worst <= 4 ? 5 - worst : 0;
}

void clsMngStudent::SetQuestFailed(const clsUnitData& cUData, std::int16_t Rank) {
    const std::int16_t injuryLine = saturate16((std::int64_t{Rank} + 1) * 10);
    for (const auto& name : presentMembers(cUData)) {
        auto* entry = students_.find(name);
        if (!entry) continue;
        clsStudent& student = **entry;
        makeCurrent(student);
        student.CalcPhysical(clsStudent::CalcSubtract, CalcLevelValue(Rank));
        student.CalcDissatisfaction(clsStudent::CalcAdd, 5);
        const std::int16_t toughness =
            student.GetStudentData(clsStudentData::LevelBlock, ability::kToughness);
        const std::int16_t guard = RandomInt(static_cast<std::int16_t>(toughness / 2), toughness);
        if (guard >= injuryLine) continue;
        student.Injury(saturate16(std::int64_t{injuryLine} - guard));
        std::string message = name + "が" + host::runtime::CStr(student.Injury()) + "日間の怪我をしました";
        Services().SoundPlay(sound_name::kBoo);
        Report.raise(message);
    }
}

void clsMngStudent::SetQuestSuccess(const clsUnitData& cUData, const clsGetGridData& clData,
                                    std::int16_t Month, std::int16_t Rank) {
    const std::int16_t points = saturate16((std::int64_t{Rank} + 1) * (std::int64_t{Rank} + 1) * 4);
    const std::int16_t formation = trainedAbility(clData.Data(0));
    // A copy: the team passed in may be one of the quest teams, which a
    // screen reached during a report could clear.
    const clsUnitData team = cUData;
    for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n) {
        if (!IsStudentName(team.Lines(n))) continue;
        clsStudent& student = *students_.item(team.Lines(n));
        makeCurrent(student);
        student.CalcPhysical(clsStudent::CalcSubtract, CalcLevelValue(Rank));
        student.CalcDissatisfaction(clsStudent::CalcSubtract, 20);
        // Training last: its level-up messages may hand control to the screen.
        const std::int32_t bits = withAbility(withAbility(0, trainedAbility(clData.Data(n))), formation);
        student.ClassEffect(bits, points, GetGrowthValue(student.Growth(), student.Age(), Month));
    }
}

std::vector<std::string> clsMngStudent::presentMembers(const clsUnitData& team) const {
    std::vector<std::string> names;
    for (std::int16_t n = 1; n <= clsUnitData::Positions; ++n)
        if (IsStudentName(team.Lines(n))) names.push_back(team.Lines(n));
    return names;
}
