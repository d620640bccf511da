#include "students/lessons/cls_mng_class.h"

#include "support/error_of.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

using host::runtime::Collection;
using host::runtime::ErrorNumber;
using testsupport::errorOf;

namespace {

constexpr std::int32_t bits(std::initializer_list<int> abilities) {
    std::int32_t value = 0;
    for (int n : abilities)
        value |= std::int32_t{1} << (n - 1);
    return value;
}

// Name, Physical, BasePoint, NeedPoint, Strength, BigEffect, SmallEffect,
// UseItem, Individual, Place, Tips.
const std::string kCatalogue = "ウォーキング,5,10,0,0,1,4,1,True,内庭,歩く\r\n"
                               "素振り,8,12,5,7,1024,2,3,False,運動場,振る\r\n"
                               "剣技応用,12,20,30,8," +
                               std::to_string(bits({11, 4})) +
                               ",0,3,True,剣道場,技\r\n"
                               "陣形演習,10,15,10,14,65536,0,2,True,運動場,奇襲\r\n"
                               "荒行,20,30,40,15,131072,0,0,True,内庭,危険\r\n";

Collection<std::string> texts(const std::vector<const char*>& values) {
    Collection<std::string> result;
    for (const char* v : values)
        result.add(v);
    return result;
}

Collection<clsGetGridData> picked(const std::vector<const char*>& names) {
    Collection<clsGetGridData> rows;
    for (const char* name : names) {
        clsGetGridData row;
        row.SetCols(0);
        row.Data(0, name);
        rows.add(std::move(row));
    }
    return rows;
}

std::vector<std::string> namesOf(const Collection<clsGetGridData>& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows)
        names.push_back(row.Data(1));
    return names;
}

std::vector<std::string> namesOf(const Collection<std::string>& list) {
    std::vector<std::string> names;
    for (const auto& name : list)
        names.push_back(name);
    return names;
}

class LessonCatalogue : public ::testing::Test {
  protected:
    void SetUp() override { catalogue.SetData(kCatalogue); }
    clsMngClass catalogue;
};

TEST_F(LessonCatalogue, LooksUpTheRowOfALesson) {
    EXPECT_EQ(catalogue.GetClassPlace("素振り"), "運動場");
    EXPECT_EQ(catalogue.GetClassNeedAbility("剣技応用"), 30);
    EXPECT_EQ(catalogue.GetClassItemCheck("素振り"), 3);
    const clsClass& lesson = catalogue.GetClass("ウォーキング");
    EXPECT_EQ(lesson.Physical(), 5);
    EXPECT_EQ(lesson.BasePoint(), 10);
    EXPECT_EQ(lesson.SmallEffect(), 4);
    EXPECT_TRUE(lesson.Individual());
    EXPECT_EQ(lesson.Tips(), "歩く");
}

TEST_F(LessonCatalogue, ItemCategoryMustMatchExactly) {
    for (std::int32_t category : {2, 3, 4, 0})
        EXPECT_EQ(catalogue.ClassItemCheck("素振り", category), category == 3) << category;
}

TEST_F(LessonCatalogue, EveryLookupOfAnUnknownLessonRaisesTheMissingKeyError) {
    const std::vector<std::function<void()>> lookups = {
        [&] { catalogue.GetClassPlace("水泳"); },         [&] { catalogue.GetClassNeedAbility("水泳"); },
        [&] { catalogue.GetClassTargetAbility("水泳"); }, [&] { catalogue.GetClassItemCheck("水泳"); },
        [&] { catalogue.ClassItemCheck("水泳", 0); },     [&] { catalogue.GetClass("水泳"); },
    };
    for (std::size_t i = 0; i < lookups.size(); ++i)
        EXPECT_EQ(errorOf(lookups[i]), ErrorNumber::InvalidCall) << i;
}

TEST_F(LessonCatalogue, TargetAbilityIsTheLowestMainEffect) {
    struct {
        const char* lesson;
        std::int16_t target;
        const char* shown;
    } cases[] = {
        {"ウォーキング", 1, "体力"},  {"素振り", 11, "剣術"}, {"剣技応用", 4, "技術"}, // bits 11 and 4
        {"陣形演習", 17, "奇襲陣形"}, {"荒行", 0, ""},                                 // only bit 18
    };
    auto rows = catalogue.GetClassData(picked({}), 1, texts({"内庭", "運動場", "剣道場"}));
    ASSERT_EQ(rows.count(), 5);
    for (const auto& c : cases) {
        EXPECT_EQ(catalogue.GetClassTargetAbility(c.lesson), c.target) << c.lesson;
        for (const auto& row : rows)
            if (row.Data(1) == c.lesson) {
                EXPECT_EQ(row.Data(2), c.shown) << c.lesson;
            }
    }
}

TEST_F(LessonCatalogue, BookableRowShowsCostNeedAndDanger) {
    struct {
        const char* lesson;
        const char* physical;
        const char* need;
        const char* danger;
    } cases[] = {
        {"ウォーキング", "5", "0", "なし"}, // Strength 0
        {"素振り", "8", "5", "低"},         // 7
        {"剣技応用", "12", "30", "中"},     // 8
        {"陣形演習", "10", "10", "中"},     // 14
        {"荒行", "20", "40", "大"},         // 15
    };
    auto rows = catalogue.GetClassData(picked({}), 1, texts({"内庭", "運動場", "剣道場"}));
    std::size_t i = 0;
    for (const auto& row : rows) {
        const auto& c = cases[i++];
        EXPECT_EQ(row.Cols(), 5);
        EXPECT_EQ(row.Data(0), "0");
        EXPECT_EQ(row.Data(1), c.lesson);
        EXPECT_EQ(row.Data(3), c.physical) << c.lesson;
        EXPECT_EQ(row.Data(4), c.need) << c.lesson;
        EXPECT_EQ(row.Data(5), c.danger) << c.lesson;
    }
}

TEST_F(LessonCatalogue, BookableListFiltersByPlaceTypeAndPickedRows) {
    using Names = std::vector<std::string>;
    struct {
        const char* what;
        std::vector<const char*> picked;
        std::int32_t type;
        std::vector<const char*> places;
        Names expected;
    } cases[] = {
        {"whole class lists every built lesson", {}, 1, {"運動場"}, Names{"素振り", "陣形演習"}},
        {"individual drops lessons not given singly", {}, 2, {"運動場"}, Names{"陣形演習"}},
        {"no lesson lesson type lists like whole class", {}, 3, {"運動場"}, Names{"素振り", "陣形演習"}},
        {"picked lessons are left out",
         {"素振り"},
         1,
         {"運動場", "内庭"},
         Names{"ウォーキング", "陣形演習", "荒行"}},
        {"unbuilt places list nothing", {}, 1, {"図書室"}, Names{}},
        {"no places list nothing", {}, 1, {}, Names{}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(namesOf(catalogue.GetClassData(picked(c.picked), c.type, texts(c.places))), c.expected)
            << c.what;
    }
}

TEST_F(LessonCatalogue, ListsTheLessonsOfAPlaceAndOfAnItemCategory) {
    EXPECT_EQ(namesOf(catalogue.GetConstructClass("運動場")),
              (std::vector<std::string>{"素振り", "陣形演習"}));
    EXPECT_TRUE(catalogue.GetConstructClass("茶室").empty());
    EXPECT_EQ(namesOf(catalogue.GetClassItemClass(3)), (std::vector<std::string>{"素振り", "剣技応用"}));
    EXPECT_TRUE(catalogue.GetClassItemClass(9).empty());
}

TEST(LessonCatalogueLoad, WidensTextsAndSkipsEmptyLines) {
    clsMngClass catalogue;
    catalogue.SetData("\r\nｳｫｰｷﾝｸﾞ,5,10,0,0,1,0,1,false,ﾄﾗｯｸ,ｿﾄｦｱﾙｸ\r\n\r\n");
    EXPECT_EQ(catalogue.GetClassPlace("ウォーキング"), "トラック");
    EXPECT_EQ(catalogue.GetClass("ウォーキング").Tips(), "ソトヲアルク");
    EXPECT_FALSE(catalogue.GetClass("ウォーキング").Individual());
}

TEST(LessonCatalogueLoad, BadRowStopsTheLoadAndKeepsEarlierRows) {
    struct {
        const char* row;
        ErrorNumber error;
    } cases[] = {
        {"走りこみ,5,10,0,0,1,0,1,True,内庭,走る", ErrorNumber::DuplicateKey},
        {"水泳,5,10,0,0,1,0,1,True,プール", ErrorNumber::SubscriptOutOfRange},
        {"水泳,5,10,0,0,1,0,1,maybe,プール,泳ぐ", ErrorNumber::TypeMismatch},
        {"水泳,x,10,0,0,1,0,1,True,プール,泳ぐ", ErrorNumber::TypeMismatch},
        {",5,10,0,0,1,0,1,True,プール,泳ぐ", ErrorNumber::InvalidCall},
    };
    for (const auto& c : cases) {
        clsMngClass catalogue;
        EXPECT_EQ(errorOf([&] {
                      catalogue.SetData(std::string("走りこみ,5,10,0,0,1,0,1,True,内庭,走る\r\n") + c.row);
                  }),
                  c.error)
            << c.row;
        EXPECT_EQ(catalogue.GetClassPlace("走りこみ"), "内庭") << c.row;
        EXPECT_EQ(errorOf([&] { catalogue.GetClass("水泳"); }), ErrorNumber::InvalidCall) << c.row;
    }
}

} // namespace
