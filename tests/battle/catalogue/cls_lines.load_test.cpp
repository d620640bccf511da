#include "battle/catalogue/cls_lines.h"
#include "battle/catalogue/battle_fixture.h"
#include "battle/records/cls_school.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

struct LoadedCatalogue : ::testing::Test {
    LoadedCatalogue() { battletest::loadFixture(lines); }
    std::vector<std::string> skillNames(const std::string& formation) const {
        std::vector<std::string> names;
        for (const clsSkillData* skill : lines.GetLineSkillList(formation))
            names.push_back(skill->Name());
        return names;
    }
    clsLines lines;
};

} // namespace

TEST_F(LoadedCatalogue, SkillRowsAreWidenedAndConvertedColumnByColumn) {
    const auto skills = lines.GetLineSkillList("突破陣");
    ASSERT_EQ(skills.count(), 2);
    const clsSkillData& swallow = *skills.item("ツバメ返し");
    EXPECT_EQ(swallow.Name(), "ツバメ返し");
    EXPECT_EQ(swallow.UseEnegry(), 45);
    EXPECT_EQ(swallow.Count(), 3);
    EXPECT_EQ(swallow.Hit(), 70);
    EXPECT_EQ(swallow.Critical(), 5);
    EXPECT_EQ(swallow.Target(), 2);
    EXPECT_EQ(swallow.AttackPart(), 7);
    EXPECT_FALSE(swallow.Random());
    EXPECT_FLOAT_EQ(swallow.Physical(), 0.9f);
    EXPECT_FLOAT_EQ(swallow.Enegry(), 0.25f);
    EXPECT_EQ(swallow.Effect(), 8);
    EXPECT_FALSE(swallow.DirectAttack());
    EXPECT_TRUE(swallow.Image());
    EXPECT_EQ(swallow.ImageName(), "十文字切り");
    // An empty effect column reads back as the skill's own name.
    EXPECT_EQ(skills.item("連撃")->ImageName(), "連撃");
    EXPECT_TRUE(skills.item("連撃")->Random());
    // Boolean columns as numbers: 0 false, -1 and 1 true.
    const clsSkillData& wall = *lines.GetLineSkillList("ｶﾀｶﾅ陣").item("鉄壁");
    EXPECT_FALSE(wall.Random());
    EXPECT_TRUE(wall.DirectAttack());
    EXPECT_TRUE(wall.Image());
}

TEST_F(LoadedCatalogue, ARivalSchoolsWideFormationNameFindsTheHalfWidthFormationAndItsSkills) {
    clsSchool school;
    school.SetData("ﾊｰｾﾞﾙ村塾,0,ｶﾀｶﾅ陣,3");
    ASSERT_EQ(school.LineName(), "カタカナ陣");
    EXPECT_EQ(lines.GetLineData(school.LineName()).count(), 5);
    EXPECT_EQ(skillNames(school.LineName()), std::vector<std::string>{"鉄壁"});
    EXPECT_EQ(lines.GetSelectLineData().item(2).Data(1), "ｶﾀｶﾅ陣");
}

TEST_F(LoadedCatalogue, PositionsComeInTheOrderOneToFiveAsTheCatalogueHoldsThem) {
    const auto positions = lines.GetLineData("突破陣");
    ASSERT_EQ(positions.count(), 5);
    for (std::int16_t k = 1; k <= 5; ++k) {
        EXPECT_EQ(positions.item(k)->LineNumber(), k);
        EXPECT_EQ(positions.item("Number" + std::to_string(k)), positions.item(k));
    }
    EXPECT_EQ(positions.item(1)->XPosition(), 5);
    EXPECT_EQ(positions.item(1)->YPosition(), 3);
    EXPECT_EQ(positions.item(1)->Image(), "剣士");
    EXPECT_EQ(lines.GetLineData("突破陣").item(3), positions.item(3));
    EXPECT_EQ(errorOf([&] { lines.GetLineData("無い陣"); }), ErrorNumber::InvalidCall);
}

TEST_F(LoadedCatalogue, NamesAreFoundWhateverTheirWidth) {
    EXPECT_EQ(lines.GetMonsterItem("スライム"), "ゼリー");
    EXPECT_EQ(lines.GetMonsterItem("ｽﾗｲﾑ"), "ゼリー");
    EXPECT_EQ(lines.GetMonsterRheaItem("ﾋﾟｸｼｰ"), "羽");
    EXPECT_EQ(lines.GetLineData("ｶﾀｶﾅ陣").count(), 5);
    EXPECT_EQ(errorOf([&] { lines.GetMonsterItem("ドラゴン"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { lines.MonsterWin("ドラゴン"); }), ErrorNumber::InvalidCall);
}

TEST(CatalogueLoaders, SkipEmptyRows) {
    clsLines lines;
    lines.SetSkillData(
        "連撃,25,3,80,5,4,0,True,0.7,0,0,False,True,\r\n\r\n粘液,15,1,85,0,2,0,False,0.5,0,128,"
        "False,True,粘液\r\n");
    lines.SetLines("\r\n無陣,奇襲,弓兵,0,0,0,50,12\r\n");
    lines.SetLineSkills("無陣,連撃\r\n\r\n無陣,粘液\r\n");
    lines.SetMonster("ｽﾗｲﾑ,防御,魔法生物,234,42,38,32,14,a,b,2,28,1\r\n");
    lines.SetMonsterSkill("\r\nｽﾗｲﾑ,粘液\r\n");
    lines.SetRegulation("0,1,1,False,True,True,50\r\n");
    lines.SetPrize("0,3,500\r\n\r\n");
    EXPECT_EQ(lines.GetSelectLineData().count(), 1);
    EXPECT_EQ(lines.GetLineSkillList("無陣").count(), 2);
    EXPECT_EQ(lines.GetMonsterName().count(), 1);
    lines.SetSaveData("スライム:50");
    EXPECT_EQ(lines.GetMonsterTips("スライム"), "使用スキル\r\n粘液");
    EXPECT_NE(lines.GetGattleGameTips(6, 0), "");
    EXPECT_EQ(lines.GetBattleGame(6, 0).Data(3), "500");
}

TEST(CatalogueLoaders, RefuseARowThatDoesNotFitAndKeepTheRowsBeforeIt) {
    const std::string formation = "無陣,奇襲,弓兵,0,0,0,50,12\r\n";
    // Six skills of one formation, named in both widths, with another formation's row among them.
    const std::string sixSkills =
        "ｶﾀ陣,a\r\nカタ陣,b\r\n無陣,a\r\nｶﾀ陣,c\r\nカタ陣,d\r\nｶﾀ陣,e\r\nカタ陣,f\r\n";
    const std::string sixMonsterSkills = "ｽﾗｲﾑ,a\r\nｽﾗｲﾑ,b\r\nｽﾗｲﾑ,c\r\nｽﾗｲﾑ,d\r\nｽﾗｲﾑ,e\r\nｽﾗｲﾑ,f\r\n";
    const struct {
        const char* what;
        std::function<void(clsLines&)> load;
        ErrorNumber error;
    } cases[] = {
        {"a formation row with a ninth column",
         [&](clsLines& l) { l.SetLines(formation + "陣,攻撃,剣士,0,0,0,1,2,3"); }, ErrorNumber::TypeMismatch},
        {"a skill row of 13 columns",
         [&](clsLines& l) { l.SetSkillData("連撃,25,3,80,5,4,0,True,0.7,0,0,False,True\r\n"); },
         ErrorNumber::SubscriptOutOfRange},
        {"a kind beyond 16 bits",
         [&](clsLines& l) { l.SetSkillData("連撃,25,3,80,5,40000,0,True,0.7,0,0,False,True,"); },
         ErrorNumber::Overflow},
        {"a formation named twice in two widths",
         [&](clsLines& l) { l.SetLines("ｶﾀ陣,攻撃,剣士,0,0,0,1,2\r\nカタ陣,攻撃,剣士,0,0,0,1,2"); },
         ErrorNumber::DuplicateKey},
        {"a position named twice",
         [&](clsLines& l) { l.SetLineDatas("無陣,1,1,1,弓兵,1,1,1\r\n無陣,1,2,2,弓兵,1,1,1"); },
         ErrorNumber::DuplicateKey},
        {"a seventh skill of a formation", [&](clsLines& l) { l.SetLineSkills(sixSkills + "ｶﾀ陣,g"); },
         ErrorNumber::InvalidCall},
        {"a seventh skill of a monster",
         [&](clsLines& l) { l.SetMonsterSkill(sixMonsterSkills + "スライム,g"); }, ErrorNumber::InvalidCall},
        {"a rival school without its understanding", [&](clsLines& l) { l.SetSchool("学園,0,無陣"); },
         ErrorNumber::SubscriptOutOfRange},
    };
    for (const auto& c : cases) {
        clsLines lines;
        EXPECT_EQ(errorOf([&] { c.load(lines); }), c.error) << c.what;
    }

    clsLines lines;
    EXPECT_NE(errorOf([&] { lines.SetLines(formation + "陣,攻撃,剣士,0,0,0,1,2,3"); }), std::nullopt);
    EXPECT_EQ(lines.GetSelectLineData().count(), 1);
    std::string skills;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
        skills += std::string(name) + ",10,1,80,0,2,0,False,1,0,0,False,False,\r\n";
    lines.SetSkillData(skills);
    EXPECT_NE(errorOf([&] { lines.SetLineSkills(sixSkills + "ｶﾀ陣,g"); }), std::nullopt);
    EXPECT_EQ(lines.GetLineSkillList("カタ陣").count(), 6);
    EXPECT_EQ(lines.GetLineSkillList("無陣").count(), 1);
}

TEST(CatalogueLookups, ASkillRowNamingNoSkillOrTheSameSkillTwiceFailsTheList) {
    clsLines lines;
    lines.SetSkillData("連撃,25,3,80,5,4,0,True,0.7,0,0,False,True,");
    lines.SetLineSkills("二重陣,連撃\r\n二重陣,連撃\r\n無い陣,ない技");
    EXPECT_EQ(errorOf([&] { lines.GetLineSkillList("二重陣"); }), ErrorNumber::DuplicateKey);
    EXPECT_EQ(errorOf([&] { lines.GetLineSkillList("無い陣"); }), ErrorNumber::InvalidCall);
}
