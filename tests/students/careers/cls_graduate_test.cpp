#include "students/careers/cls_graduate.h"

#include "host/runtime/runtime_error.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/abilities.h"
#include "students/students_support.h"

#include <gtest/gtest.h>

using studentstest::drawFor;

namespace {

constexpr const char* kRecord = "ガク;22;3;農民;12;1;"
                                "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17;"
                                "21:22:23:24:25:26:27:28:29:30:31:32:33:34:35:36:37;27";

class Graduate : public ::testing::Test {
  protected:
    Graduate() { mdlZRDFunc::SetCourseMasks(); }

    // Every ability at present and nature; luck is nature ability 8.
    void setAll(std::int16_t present, std::int16_t nature) {
        for (std::int16_t n = 1; n <= ability::kCount; ++n) {
            graduate.SetPresentAbility(n, present);
            graduate.SetNatureAbility(n, nature);
        }
    }
    // The same pair of draws (chance, room) for every ability.
    void scriptPairs(int chance, int room) {
        std::vector<float> draws;
        for (int n = 0; n < ability::kCount; ++n) {
            draws.push_back(drawFor(0, 100, chance));
            draws.push_back(drawFor(0, 100, room));
        }
        silent->scriptDraws(draws);
    }
    std::vector<int> risen(std::int16_t before) const {
        std::vector<int> abilities;
        for (std::int16_t n = 1; n <= ability::kCount; ++n)
            if (graduate.GetAbility(n) > before) abilities.push_back(n);
        return abilities;
    }

    ScopedSilentServices silent;
    clsGraduate graduate;
};

} // namespace

TEST_F(Graduate, SaveRecordRoundTripsWithNamesWidened) {
    graduate.SetSaveData("ｶﾞｸ;22;3;ﾉｳﾐﾝ;12;1;"
                         "1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17;"
                         "21:22:23:24:25:26:27:28:29:30:31:32:33:34:35:36:37;27");
    EXPECT_EQ(graduate.Name(), "ガク");
    EXPECT_EQ(graduate.ComingFrom(), "ノウミン");
    graduate.ComingFrom("農民");
    EXPECT_EQ(graduate.GetSaveData(), kRecord);
    EXPECT_EQ(graduate.Age(), 22);
    EXPECT_EQ(graduate.Character(), 3);
    EXPECT_EQ(graduate.Course(), 12);
    EXPECT_EQ(graduate.GraduateYear(), 27);
    EXPECT_EQ(graduate.GetAbility(17), 17);
    EXPECT_TRUE(graduate.Change());
}

TEST_F(Graduate, BadRecordFailsAndChangesNothing) {
    graduate.SetSaveData(kRecord);
    const char* bad[] = {
        "ガク;22;3;農民;12;1;1:2;3:4", // eight fields
        "ガク;22;3;農民;12;1;1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16;1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:"
        "17;1", // 16
        "ガク;x;3;農民;12;1;1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17;1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:"
        "17;1",
    };
    for (const char* text : bad) {
        EXPECT_THROW(graduate.SetSaveData(text), host::runtime::RuntimeError) << text;
        EXPECT_EQ(graduate.GetSaveData(), kRecord) << text;
    }
}

TEST_F(Graduate, TwoCourseChangesEndTheChanges) {
    graduate.SetSaveData(kRecord);
    graduate.CourseChange(16);
    EXPECT_EQ(graduate.Course(), 16);
    EXPECT_FALSE(graduate.Change());
}

TEST_F(Graduate, MonthlyGrowthFollowsTheCourseMask) {
    // Course 12 (農民) favours abilities 1, 2 and 6; course 15 favours none.
    struct {
        std::int32_t course;
        std::int16_t present, nature;
        int chance, room;
        std::vector<int> want;
    } cases[] = {
        {12, 10, 20, 50, 100, {1, 2, 6}}, // only favoured abilities pass the chance
        {12, 10, 20, 10, 100, {1, 2, 6}}, // the others have no room without luck
        {12, 10, 20, 10, 6, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}}, // 6 <= 20 \ 3
        {12, 10, 20, 10, 7, {1, 2, 6}},
        {12, 10, 20, 81, 0, {}}, // 81 fails even a favoured chance
        {12, 10, 20, 80, 0, {1, 2, 6}},
        {12, 30, 30, 10, 30, {1, 2, 6}}, // at the nature: room by luck 30
        {12, 30, 30, 10, 31, {}},
        {15, 10, 20, 10, 100, {}},
        {15, 10, 20, 20, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
    };
    for (const auto& c : cases) {
        graduate.Course(c.course);
        setAll(c.present, c.nature);
        scriptPairs(c.chance, c.room);
        graduate.AbilityUp();
        EXPECT_EQ(risen(c.present), c.want) << c.course << " " << c.chance << " " << c.room;
    }
}

TEST_F(Graduate, RaisingAtTheNatureRaisesTheNatureToo) {
    graduate.Course(12);
    setAll(30, 30);
    scriptPairs(50, 0);
    graduate.AbilityUp();
    auto saved = host::runtime::Split(graduate.GetSaveData(), ";");
    EXPECT_EQ(saved[6], "31:31:30:30:30:31:30:30:30:30:30:30:30:30:30:30:30");
    EXPECT_EQ(saved[7], "31:31:30:30:30:31:30:30:30:30:30:30:30:30:30:30:30");
}

TEST_F(Graduate, PresentLevelsStopAtOneHundred) {
    struct {
        std::int16_t present, nature, wantPresent, wantNature;
    } cases[] = {{100, 100, 100, 100}, {99, 100, 100, 100}, {99, 99, 100, 100}};
    for (const auto& c : cases) {
        graduate.Course(12);
        setAll(c.present, c.nature);
        scriptPairs(0, 0);
        graduate.AbilityUp();
        auto saved = host::runtime::Split(graduate.GetSaveData(), ";");
        EXPECT_EQ(graduate.GetAbility(1), c.wantPresent) << c.present << "/" << c.nature;
        EXPECT_EQ(host::runtime::Split(saved[7], ":")[0], std::to_string(c.wantNature)) << c.present;
    }
}

TEST_F(Graduate, AbilityNumbersOutsideTheSeventeenAreRefused) {
    graduate.SetSaveData(kRecord);
    graduate.SetPresentAbility(0, 50);
    graduate.SetNatureAbility(18, 50);
    EXPECT_EQ(graduate.GetSaveData(), kRecord);
    EXPECT_EQ(graduate.GetAbility(18), 0);
    ASSERT_EQ(silent->messages().size(), 2u);
    EXPECT_EQ(silent->messages()[0].text, "Err:SetPresentAbility:Number=0");
    EXPECT_EQ(silent->messages()[1].text, "Err:SetNatureData:Number=18");
}

TEST_F(Graduate, LuckThatRisesCountsForTheAbilitiesAfterIt) {
    graduate.Course(15); // favours no ability: room by luck \ 3
    setAll(32, 32);
    std::vector<float> draws;
    for (int n = 1; n <= ability::kCount; ++n) {
        const bool before = n < ability::kLuck, luck = n == ability::kLuck;
        draws.push_back(drawFor(0, 100, before ? 100 : 0));        // chance
        draws.push_back(drawFor(0, 100, before || luck ? 0 : 11)); // room: 11 <= 33 \ 3, not 32 \ 3
    }
    silent->scriptDraws(draws);
    graduate.AbilityUp();
    EXPECT_EQ(risen(32), (std::vector<int>{8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
}
