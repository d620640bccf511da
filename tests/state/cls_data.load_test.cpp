#include "state/cls_data.h"

#include "host/runtime/strings.h"
#include "host/text/utf.h"
#include "host/text/width.h"
#include "platform/masterdata/game_data_sections.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using host::text::toWide;
using statetest::masterBytes;
using statetest::packedMasterData;
using testsupport::FakeGameHost;

// The real master data's sections as the archive holds them (not narrowed).
std::vector<std::string> realSections() {
    return host::runtime::Split(host::text::utf16leToUtf8(packedMasterData()), ";");
}

// The fields of the first row of a section, narrowed as the loaders see them.
std::vector<std::string> firstRow(const std::vector<std::string>& sections, int section) {
    const auto rows = host::runtime::Split(host::text::toNarrow(sections.at(section)), "\r\n");
    return host::runtime::Split(rows.front(), ",");
}

// A question only the loader of the section can answer for that section's first row.
using Row = std::vector<std::string>;

struct SectionProbe {
    int section;
    std::function<bool(clsData&, const std::vector<std::string>&)> answers;
};

bool found(const std::function<void()>& lookup) {
    try {
        lookup();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Lesson type 1 is a whole-class lesson, 2 an individual one.
clsGetTeacherEffect firstKey(std::int32_t classType = 1) {
    clsGetTeacherEffect key;
    key.ClassType(classType);
    key.StudentChara(1);
    key.TeacherChara(1);
    key.TeacherPolicy(1);
    return key;
}

const std::vector<SectionProbe>& probes() {
    namespace S = GameDataSection;
    static const std::vector<SectionProbe> table = {
        {.section = S::StudentNames,
         .answers = [](clsData& d, const Row&) { return found([&] { managers(d).system().GetName(); }); }},
        {.section = S::TeacherCharacter,
         .answers =
             [](clsData& d, const Row& row) {
                 // The character part of the first student character against the first teacher character.
                 const auto& tables = managers(d).fixTeacherData();
                 return tables.GetTeacherEffect(firstKey()) - tables.GetTeacherPolicy(firstKey()) ==
                        std::stoi(row[1]);
             }},
        {.section = S::IndividualPolicy,
         .answers =
             [](clsData& d, const Row& row) {
                 return managers(d).fixTeacherData().GetTeacherPolicy(firstKey(2)) == std::stoi(row[1]);
             }},
        {.section = S::ClassPolicy,
         .answers =
             [](clsData& d, const Row& row) {
                 return managers(d).fixTeacherData().GetTeacherPolicy(firstKey(1)) == std::stoi(row[1]);
             }},
        {.section = S::Growth,
         .answers =
             [](clsData& d, const Row& row) {
                 const auto age = static_cast<std::int16_t>(std::stoi(row[1]));
                 return managers(d).students().GetGrowthDetails(row[0], age, 4) !=
                        managers(d).students().GetGrowthDetails("no such type", age, 4);
             }},
        {.section = S::Skills,
         .answers =
             [](clsData& d, const Row&) {
                 const auto formation =
                     host::runtime::Split(host::text::toNarrow(realSections()[S::FormationSkills]), ",")[0];
                 return found([&] { managers(d).lines().GetLineSkillList(formation); });
             }},
        {.section = S::Formations,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).lines().GetSelectLineTips(row[0]); });
             }},
        {.section = S::FormationSkills,
         .answers = [](clsData& d,
                       const Row& row) { return managers(d).lines().GetLineSkillList(row[0]).count() > 0; }},
        {.section = S::FormationPositions,
         .answers = [](clsData& d,
                       const Row& row) { return managers(d).lines().GetLineData(row[0]).count() == 5; }},
        {.section = S::Teachers,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).teachers().GetTeacher(toWide(row[0])); });
             }},
        {.section = S::Lessons,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).classes().GetClass(toWide(row[0])); });
             }},
        {.section = S::PartTimeJobs,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).arbeits().GetArbeit(toWide(row[0])); });
             }},
        {.section = S::TrainingCamps,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).countries().GetCountryTips(toWide(row[0])); });
             }},
        {.section = S::Scouts,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).scouts().GetScoutTips(toWide(row[0]), 0); });
             }},
        {.section = S::Items,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).items().GetItemTips(toWide(row[0])); });
             }},
        {.section = S::Recipes,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).items().GetProcessItemTips(toWide(row[0])); });
             }},
        {.section = S::Companies,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).companies().GetCompanyTooltip(toWide(row[0])); });
             }},
        {.section = S::Sponsors,
         .answers =
             [](clsData& d, const Row& row) {
                 return managers(d).companies().GetSponsorTips(toWide(row[0])).ends_with(toWide(row[5]));
             }},
        {.section = S::RivalSchools,
         .answers =
             [](clsData& d, const Row& row) {
                 host::runtime::Collection<std::shared_ptr<clsUnit>> units;
                 return found([&] {
                            managers(d).lines().SetSchoolUnit(static_cast<std::int16_t>(std::stoi(row[1])),
                                                              units, 6);
                        }) &&
                        units.count() > 0;
             }},
        {.section = S::Constructions,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).system().GetBuildTips(toWide(row[0])); });
             }},
        {.section = S::Classrooms,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).system().GetBuildTips(toWide(row[0])); });
             }},
        {.section = S::Facilities,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).system().GetBuildTips(toWide(row[0])); });
             }},
        {.section = S::SchoolBuildings,
         .answers =
             [](clsData& d, const Row& row) {
                 return managers(d).system().GetSchoolConstructTips().find(toWide(row[0])) !=
                        std::string::npos;
             }},
        {.section = S::Monsters,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).lines().GetMonsterTips(toWide(row[0])); });
             }},
        {.section = S::Quests,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).system().GetQuestTips(toWide(row[2])); });
             }},
        {.section = S::MonsterSkills,
         .answers =
             [](clsData& d, const Row& row) {
                 return managers(d).lines().GetMonsterSkillList(toWide(row[0])).count() > 0;
             }},
        {.section = S::ItemShop,
         .answers =
             [](clsData& d, const Row& row) {
                 return managers(d).items().GetItemShopData(1 << std::stoi(row[0])).count() > 0;
             }},
        {.section = S::Permits,
         .answers =
             [](clsData& d, const Row& row) {
                 return found([&] { managers(d).system().GetPermitTips(toWide(row[0])); });
             }},
        {.section = S::TicketPrizes,
         .answers =
             [](clsData& d, const Row& row) {
                 const std::string ticket = toWide(row[0]);
                 managers(d).items().ItemAdd(ticket, 1);
                 std::int16_t count = 1;
                 return found([&] { managers(d).items().DrawTicket(ticket, count); });
             }},
        {.section = S::TournamentRules,
         .answers =
             [](clsData& d, const Row&) {
                 std::int16_t recover = 0;
                 return found([&] { managers(d).lines().GetBattleRegulation(6, 0, recover); }) && recover > 0;
             }},
        {.section = S::BattleEffects,
         .answers =
             [](clsData& d, const Row& row) {
                 return d.GetBattleEffectData().find(host::runtime::Join(row, ",")) != std::string::npos;
             }},
        {.section = S::TournamentPrizes,
         .answers = [](clsData& d,
                       const Row& row) { return managers(d).lines().GetBattleVictory(0).Data(0) == row[2]; }},
    };
    return table;
}

// Whether the probe is answered after loading these sections; a refused load answers no.
bool answeredAfterLoading(const std::vector<std::string>& sections, const SectionProbe& probe) {
    FakeGameHost host;
    clsData data(host);
    try {
        data.SetGameData(masterBytes(host::runtime::Join(sections, ";")));
        return probe.answers(data, firstRow(realSections(), probe.section));
    } catch (const std::exception&) {
        return false;
    }
}

TEST(FacadeMasterData, EachSectionReachesItsOwnLoader) {
    const ScopedSilentServices services;
    const auto sections = realSections();
    ASSERT_EQ(sections.size(), 32u);
    for (const SectionProbe& probe : probes()) {
        EXPECT_TRUE(answeredAfterLoading(sections, probe)) << "section " << probe.section;
        auto without = sections;
        without[static_cast<std::size_t>(probe.section)].clear();
        EXPECT_FALSE(answeredAfterLoading(without, probe)) << "section " << probe.section << " emptied";
    }
}

} // namespace

namespace {

TEST(FacadeMasterData, TextArrivesNarrowAndStudentNamesWide) {
    const ScopedSilentServices services;
    auto sections = realSections();
    // Full-width digits, letters and commas become the loaders' half-width fields.
    sections[GameDataSection::Growth] = toWide(sections[GameDataSection::Growth]);
    sections[GameDataSection::Lessons] = toWide(sections[GameDataSection::Lessons]);
    // Names stored half width reach the name list full width.
    const std::string names = "ﾀﾛｳ\r\nｼﾞﾛｳ\r\nﾊﾟｳﾛ";
    sections[GameDataSection::StudentNames] = names;
    FakeGameHost host;
    clsData data(host);
    data.SetGameData(masterBytes(host::runtime::Join(sections, ";")));

    const auto& growth = *std::find_if(probes().begin(), probes().end(), [](const SectionProbe& p) {
        return p.section == GameDataSection::Growth;
    });
    EXPECT_TRUE(growth.answers(data, firstRow(realSections(), GameDataSection::Growth)));
    EXPECT_NO_THROW(
        managers(data).classes().GetClass(toWide(firstRow(realSections(), GameDataSection::Lessons)[0])));
    for (int draw = 0; draw < 10; ++draw) {
        const std::string name = managers(data).system().GetName();
        EXPECT_TRUE(name == "タロウ" || name == "ジロウ" || name == "パウロ") << name;
    }
}

} // namespace
