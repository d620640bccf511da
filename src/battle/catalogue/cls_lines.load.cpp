#include "battle/catalogue/cls_lines.h"

#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <vector>

using host::runtime::CBool;
using host::runtime::CInt;
using host::runtime::CSng;
using host::runtime::CStr;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;
using host::runtime::SplitFields;
using host::text::toWide;

namespace {

// The section's rows; empty rows are skipped.
std::vector<std::string> rowsOf(std::string_view section) {
    std::vector<std::string> rows;
    for (auto& row : host::runtime::Split(section, "\r\n"))
        if (!row.empty()) rows.push_back(std::move(row));
    return rows;
}

std::string rowNamed(std::string_view what, std::string_view row) {
    return std::string(what) + " row \"" + std::string(row) + "\"";
}

// Refuses a seventh skill of one owner: a combatant has one button per skill.
template <class SameOwner>
void refuseSeventhSkill(const host::runtime::Collection<clsLineSkill>& pairs, const std::string& owner,
                        SameOwner sameOwner) {
    int held = 0;
    for (const clsLineSkill& pair : pairs)
        if (sameOwner(pair.LineName(), owner)) ++held;
    if (held >= battle_limit::kSkills)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           owner + " has more than " + std::to_string(battle_limit::kSkills) + " skills");
}

} // namespace

void clsLines::SetSkillData(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        const auto f = SplitFields(row, ",", 14, rowNamed("skill", row));
        clsSkillData skill;
        skill.Name(toWide(f[0]));
        skill.UseEnegry(CInt(f[1]));
        skill.Count(CInt(f[2]));
        skill.Hit(CInt(f[3]));
        skill.Critical(CInt(f[4]));
        skill.Target(CInt(f[5]));
        skill.AttackPart(CInt(f[6]));
        skill.Random(CBool(f[7]));
        skill.Physical(CSng(f[8]));
        skill.Enegry(CSng(f[9]));
        skill.Effect(CInt(f[10]));
        skill.DirectAttack(CBool(f[11]));
        skill.Image(CBool(f[12]));
        skill.ImageName(toWide(f[13]));
        std::string key = skill.Name();
        clSkill.add(std::move(skill), std::move(key));
    }
}

void clsLines::SetLines(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        const auto f = SplitFields(row, ",", 8, rowNamed("formation", row), 8);
        clsLine line;
        line.Name(f[0]);
        line.LineType(f[1]);
        line.SubType(f[2]);
        line.Physical(CInt(f[3]));
        line.Offense(CInt(f[4]));
        line.Defense(CInt(f[5]));
        line.Speed(CInt(f[6]));
        line.Enegry(CSng(f[7]));
        clLine.add(std::move(line), f[0]);
    }
}

void clsLines::SetLineSkills(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        const auto f = SplitFields(row, ",", 2, rowNamed("formation skill", row));
        refuseSeventhSkill(clLineSkill, f[0], sameLineName);
        clsLineSkill pair;
        pair.LineName(f[0]);
        pair.LineSkill(toWide(f[1]));
        clLineSkill.add(std::move(pair), "LineSkill" + CStr(std::int64_t{clLineSkill.count()}));
    }
}

void clsLines::SetLineDatas(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        const auto f = SplitFields(row, ",", 8, rowNamed("formation position", row), 8);
        clsLineData position;
        position.LineName(f[0]);
        position.LineNumber(CInt(f[1]));
        position.XPosition(CInt(f[2]));
        position.YPosition(CInt(f[3]));
        position.Image(f[4]);
        position.Physical(CSng(f[5]));
        position.Offensive(CSng(f[6]));
        position.Defense(CSng(f[7]));
        std::string key = f[0] + CStr(position.LineNumber());
        clLineData.add(std::move(position), std::move(key));
    }
}

void clsLines::SetSchool(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        clsSchool school;
        school.SetData(row);
        std::string key = school.SchoolName();
        clSchool.add(std::move(school), std::move(key));
    }
}

void clsLines::SetMonster(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        clsMonster monster;
        monster.SetData(row);
        std::string key = monster.MonsterName();
        clMonster.add(std::move(monster), std::move(key));
    }
}

void clsLines::SetMonsterSkill(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        const auto f = SplitFields(row, ",", 2, rowNamed("monster skill", row));
        const std::string owner = toWide(f[0]);
        refuseSeventhSkill(clMonsterSkill, owner,
                           [](const std::string& a, const std::string& b) { return a == b; });
        clsLineSkill pair;
        pair.LineName(owner);
        pair.LineSkill(toWide(f[1]));
        clMonsterSkill.add(std::move(pair));
    }
}

void clsLines::SetRegulation(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        clsRegulation regulation;
        regulation.SetData(row);
        clRegulation.add(std::move(regulation));
    }
}

void clsLines::SetPrize(std::string_view section) {
    for (const auto& row : rowsOf(section)) {
        clsPrize prize;
        prize.SetData(row);
        clPrize.add(std::move(prize));
    }
}
