#include "battle/catalogue/cls_lines.h"
#include "battle/battle_codes.h"
#include "host/runtime/rounding.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/traits.h"

#include <algorithm>
#include <cmath>

using host::runtime::Collection;
using host::runtime::Fix;
using host::runtime::saturate16;

namespace {

// Speed and energy rise along a sine of the understanding.
void applyCurve(clsFixUnitData& sheet, const clsLine& line) {
    const double angle = sheet.Understanding() / 180.0 * team_strength::kCurvePi;
    const double S = line.Speed();
    const double E = line.Enegry();
    sheet.Speed(S / 2 * std::sin(angle) + S);
    sheet.Energy(E / 2 * std::sin(angle) + E);
}

// One position's share of the member values hp, op, dp; an item that serves
// the position's unit type (and not the formation type) acts on the share and
// once more on speed and energy.
void addPositionShare(clsFixUnitData& sheet, const clsLineData& position, bool lineTarget,
                      const clsBattleItem& item, double hp, double op, double dp) {
    const double p = position.Physical();
    const double o = position.Offensive();
    const double d = position.Defense();
    if (item.BattleItemTarget(position.Image()) && !lineTarget) {
        sheet.Physical(saturate16(std::int64_t{item.CalcPhysical(saturate16(hp * p))} + sheet.Physical()));
        sheet.Offensive(saturate16(std::int64_t{item.CalcOffense(saturate16(op * o))} + sheet.Offensive()));
        sheet.Defense(saturate16(std::int64_t{item.CalcDefense(saturate16(dp * d))} + sheet.Defense()));
        sheet.Speed(item.CalcSpeed(sheet.Speed()));
        sheet.Energy(item.CalcEnergy(sheet.Energy()));
    } else {
        sheet.Physical(saturate16(hp * p + sheet.Physical()));
        sheet.Offensive(saturate16(op * o + sheet.Offensive()));
        sheet.Defense(saturate16(dp * d + sheet.Defense()));
    }
}

// An item that serves the formation type acts once on the totals.
void applyFormationItem(clsFixUnitData& sheet, const clsBattleItem& item) {
    sheet.Physical(item.CalcPhysical(sheet.Physical()));
    sheet.Offensive(item.CalcOffense(sheet.Offensive()));
    sheet.Defense(item.CalcDefense(sheet.Defense()));
    sheet.Speed(item.CalcSpeed(sheet.Speed()));
    sheet.Energy(item.CalcEnergy(sheet.Energy()));
}

// U x B scaled by (U / 25)^2.
std::int16_t withBonus(std::int16_t value, std::int16_t U, std::int16_t base) {
    const double scale = static_cast<double>(U) * U /
                         (team_strength::kFullBonusUnderstanding * team_strength::kFullBonusUnderstanding);
    const std::int16_t product = saturate16(std::int64_t{U} * base);
    return saturate16(scale * product + value);
}

// The formation bonus, the clamps and the item's protections and sights.
void finishTeam(clsFixUnitData& sheet, const clsLine& line, const clsBattleItem& item) {
    const std::int16_t U = sheet.Understanding();
    sheet.Physical(withBonus(sheet.Physical(), U, line.Physical()));
    sheet.Offensive(withBonus(sheet.Offensive(), U, line.Offense()));
    sheet.Defense(withBonus(sheet.Defense(), U, line.Defense()));
    if (sheet.Defense() < 0) sheet.Defense(0);
    if (sheet.Speed() < team_strength::kMinSpeed) sheet.Speed(team_strength::kMinSpeed);
    if (item.AngerPrevent()) sheet.SetAngerPrevent();
    if (item.ConfusePrevent()) sheet.SetConfusePrevent();
    if (item.NotUseSkillPrevent()) sheet.SetNotUseSkillPrevent();
    if (item.VisibleParam()) sheet.SetVisibleParam();
    if (item.VisibleAll()) sheet.SetVisibleAll();
}

} // namespace

std::shared_ptr<clsFixUnitData> clsLines::GetUnitLineCalc(const clsUnitData& cUnitData,
                                                          const Collection<const clsStudent*>& clStudent,
                                                          const clsBattleItem& BattleItem) const {
    auto sheet = std::make_shared<clsFixUnitData>();
    if (cUnitData.LineName().empty() || clStudent.empty()) return sheet;
    const auto positions = GetLineData(cUnitData.LineName());
    const clsLine& line = clLine.item(cUnitData.LineName());
    const bool lineTarget = BattleItem.BattleItemTarget(line.LineType());

    bool charisma = false;
    bool festive = false;
    std::int16_t leaderUnderstanding = 0;
    std::int16_t cond = 0;
    std::int64_t sum = 0;
    std::int16_t others = 0;
    std::int16_t tally = 0;
    for (std::int16_t i = 1; i <= battle_limit::kPositions; ++i) {
        const std::string name = cUnitData.Lines(i);
        if (name.empty()) continue;
        const clsStudent& member = *clStudent.item(name);
        const std::int16_t understanding = member.GetLineUnderStanding(line.LineType(), line.SubType());
        if (i == 1) {
            charisma = member.HoldSkill(trait::kCharisma);
            leaderUnderstanding = understanding;
            cond = member.Condition();
        } else {
            sum += understanding;
            ++others;
            if (!charisma && member.Condition() < cond) cond = member.Condition();
        }
        if (member.HoldSkill(trait::kFestive)) festive = true;
        if (member.HoldSkill(trait::kFaintHeart))
            tally = saturate16(std::int64_t{tally} - team_strength::kCriticalStep);
        else if (member.HoldSkill(trait::kBoldHeart))
            tally = saturate16(std::int64_t{tally} + team_strength::kCriticalStep);
    }

    std::int16_t U = leaderUnderstanding;
    if (!charisma && others > 0) {
        U = saturate16(sum / others + leaderUnderstanding);
        if (leaderUnderstanding >= 1) U = static_cast<std::int16_t>(U / 2);
    }
    sheet->Understanding(U);
    applyCurve(*sheet, line);

    for (std::int16_t i = 1; i <= battle_limit::kPositions; ++i) {
        const std::string name = cUnitData.Lines(i);
        if (name.empty()) continue;
        const clsStudent& member = *clStudent.item(name);
        const clsLineData& position = *positions.item(positionKey(i));
        addPositionShare(*sheet, position, lineTarget, BattleItem, member.MaxPhysical() / 2,
                         member.GetOffense(position.Image()) / 2, member.GetDefense(position.Image()) / 2);
    }
    if (lineTarget) applyFormationItem(*sheet, BattleItem);
    finishTeam(*sheet, line, BattleItem);

    if (festive && !charisma) sheet->Condition(cond < team_strength::kBestCondition ? cond + 1 : cond);
    if (tally != 0)
        sheet->Critical(
            std::clamp<std::int16_t>(tally, -team_strength::kCriticalLimit, team_strength::kCriticalLimit));
    return sheet;
}

std::shared_ptr<clsFixUnitData> clsLines::SchoolUnitCalc(const std::string& LineName,
                                                         std::int16_t Understanding, std::int16_t Base,
                                                         const clsBattleItem& BattleItem,
                                                         std::int16_t TimeCount) const {
    auto sheet = std::make_shared<clsFixUnitData>();
    const auto positions = GetLineData(LineName);
    const clsLine& line = clLine.item(LineName);
    const bool lineTarget = BattleItem.BattleItemTarget(line.LineType());
    sheet->Understanding(Understanding);
    applyCurve(*sheet, line);

    const double hp = saturate16(std::int64_t{Base} * 5);
    for (std::int16_t i = 1; i <= battle_limit::kPositions; ++i)
        addPositionShare(*sheet, *positions.item(positionKey(i)), lineTarget, BattleItem, hp, Base, Base);
    if (lineTarget) applyFormationItem(*sheet, BattleItem);

    double f = 1;
    if (TimeCount == 0)
        f = mdlZRDFunc::RandomRate(100, 110);
    else if (TimeCount == 1)
        f = mdlZRDFunc::RandomRate(105, 120);
    else if (TimeCount == 2)
        f = mdlZRDFunc::RandomRate(110, 130);
    sheet->Physical(saturate16(Fix(sheet->Physical() / 2 * f)));
    sheet->Offensive(saturate16(Fix(sheet->Offensive() / 2 * f)));
    sheet->Defense(saturate16(Fix(sheet->Defense() / 2 * f)));

    finishTeam(*sheet, line, BattleItem);
    return sheet;
}

std::shared_ptr<clsFixUnitData> clsLines::GetMonsterFixUnitData(const std::string& MonsterName) const {
    const clsMonster& row = monster(MonsterName);
    auto sheet = std::make_shared<clsFixUnitData>();
    sheet->UnitName(MonsterName);
    sheet->UnitType(row.LineType());
    sheet->Physical(row.Physical());
    sheet->Offensive(row.Offense());
    sheet->Defense(row.Defense());
    sheet->Speed(row.Speed());
    sheet->Energy(row.Energy());
    sheet->Understanding(row.Understanding());
    sheet->Condition(team_strength::kMonsterCondition);
    sheet->ImageSize(row.ImageSize());
    return sheet;
}

void clsLines::GetHumanUnitData(const std::string& pLineName, clsBaseUnit& pcHumanUnit) const {
    pcHumanUnit.SetUnitSkills(GetLineSkillList(pLineName));
    pcHumanUnit.SetLineDatas(GetLineData(pLineName));
    pcHumanUnit.SetUnitType(clLine.item(pLineName).LineType());
}

void clsLines::GetMonsterUnitData(const std::string& pMonsterName, clsBaseUnit& pcMonsterUnit) const {
    pcMonsterUnit.SetUnitSkills(GetMonsterSkillList(pMonsterName));
}

Collection<std::string> clsLines::GetLineName(const std::string& LineType) const {
    Collection<std::string> names;
    for (const clsLine& line : clLine)
        if (LineType.empty() || line.LineType() == LineType) names.add(line.Name());
    return names;
}
