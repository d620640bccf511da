#include "school/buildings/building_codes.h"
#include "school/school_fixture.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using host::runtime::ErrorNumber;
using schooltest::SchoolFixture;
using testsupport::errorOf;

namespace {

using namespace building_work;

// (building, item) of every after-school row.
std::vector<std::pair<std::string, std::string>> afterSchool(const clsSystem& system) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& row : system.GetAfterSchool()) {
        EXPECT_EQ(row.Cols(), 2);
        EXPECT_EQ(row.Data(2), "");
        rows.emplace_back(row.Data(0), row.Data(1));
    }
    return rows;
}

std::int32_t bit(int k) {
    return std::int32_t{1} << (k - 1);
}

} // namespace

TEST(Facilities, NewGameValues) {
    SchoolFixture f;
    EXPECT_EQ(f.system.ConstructBits, 5);
    EXPECT_EQ(f.system.ClassroomBits, 1);
    EXPECT_EQ(f.system.FacilitiesBits, 0);
    EXPECT_EQ(f.system.GetAfterClass(), 10);
    EXPECT_EQ(f.system.GetAfternoon(), 40);
    EXPECT_EQ(f.system.GetDormitoryPhysicalRecover(), 0);
    EXPECT_EQ(f.system.GetDormitoryDissatisfaction(), 2);
    EXPECT_FALSE(f.system.GetNurseOffice());
    EXPECT_FALSE(f.system.GetCondition());
    EXPECT_FALSE(f.system.GetFacultyOffice());
    EXPECT_FALSE(f.system.CheckGym());
    EXPECT_FALSE(f.system.CheckDormitory());
    EXPECT_TRUE(f.system.GetAfterSchool().empty());
    EXPECT_EQ(f.system.GetClassImageName(), "カリキュラム低");
    EXPECT_EQ(f.system.GetRank(), "G");
    EXPECT_EQ(f.system.GetRankAsNumber(), 0);
}

TEST(Facilities, DormitoryRoomsSetTheNightlyValues) {
    struct {
        std::vector<int> bits;
        std::int16_t recover;
        std::int16_t dissatisfaction;
        bool bath;
    } cases[] = {
        {{}, 0, 2, false},  {{2}, 40, 2, false},    {{4}, 20, 4, true},        {{2, 4}, 60, 4, true},
        {{3}, 0, 8, false}, {{3, 4}, 20, 12, true}, {{2, 3, 4}, 60, 12, true}, {{1, 5, 6}, 0, 2, false},
    };
    for (const auto& c : cases) {
        SchoolFixture f;
        for (int b : c.bits)
            f.system.finishWork(kFacility, static_cast<std::int16_t>(b));
        std::string name = "bits";
        for (int b : c.bits)
            name.append(" ").append(std::to_string(b));
        EXPECT_EQ(f.system.GetDormitoryPhysicalRecover(), c.recover) << name;
        EXPECT_EQ(f.system.GetDormitoryDissatisfaction(), c.dissatisfaction) << name;
        EXPECT_EQ(f.system.GetCondition(), c.bath) << name;
    }
}

TEST(Facilities, FinishedBuildingsSetTheirBitAndTheirDailyValue) {
    SchoolFixture f;
    f.system.finishWork(kConstruction, 9);
    EXPECT_TRUE(f.system.GetFacultyOffice());
    f.system.finishWork(kClassroom, 5);
    EXPECT_TRUE(f.system.GetNurseOffice());
    f.system.finishWork(kClassroom, 7);
    EXPECT_EQ(f.system.GetAfterClass(), 30);
    f.system.finishWork(kFacility, 5);
    EXPECT_TRUE(f.system.CheckGym());
    EXPECT_EQ(f.system.ConstructBits, 5 | bit(9));
    EXPECT_EQ(f.system.ClassroomBits, 1 | bit(5) | bit(7));
    EXPECT_EQ(f.system.FacilitiesBits, bit(5));
}

TEST(Facilities, FirstDormitoryAlsoBuildsTheDormitoryAndItsFirstRoom) {
    SchoolFixture f;
    f.system.finishWork(kDormitory, 0);
    EXPECT_TRUE(f.system.CheckDormitory());
    EXPECT_EQ(f.system.cSchoolPermit.GetDormitoryScale(), 1);
    EXPECT_EQ(f.system.GetAfternoon(), 120);
    EXPECT_EQ(f.system.ConstructBits, 5 | bit(2));
    EXPECT_EQ(f.system.FacilitiesBits, bit(1));

    f.system.FacilitiesBits = 0; // later levels leave the sets alone
    f.system.ConstructBits = 5;
    f.system.finishWork(kDormitory, 1);
    EXPECT_EQ(f.system.cSchoolPermit.GetDormitoryScale(), 2);
    EXPECT_EQ(f.system.ConstructBits, 5);
    EXPECT_EQ(f.system.FacilitiesBits, 0);
}

TEST(Facilities, SchoolGroundsGrowWithTheirPictureEvenAtTheLastLevel) {
    SchoolFixture f;
    std::vector<std::string> images;
    f.system.SchoolScaleUp.subscribe([&](std::string& image) { images.push_back(image); });
    for (int i = 0; i < 3; ++i)
        f.system.finishWork(kSchoolGrounds, 1);
    EXPECT_EQ(images, (std::vector<std::string>{"カリキュラム中", "カリキュラム高", "カリキュラム高"}));
    EXPECT_EQ(f.system.GetClassImageName(), "カリキュラム高");

    f.system.finishWork(kSchoolhouse, 1);
    EXPECT_EQ(f.system.cSchoolPermit.GetSchoolhouseScale(), 2);
    EXPECT_EQ(images.size(), 3u);
}

TEST(Facilities, ABitOutsideTheSetLosesNoBuilding) {
    for (std::int16_t badBit : {0, 32, -1}) {
        SchoolFixture f;
        f.system.finishWork(kConstruction, badBit);
        f.system.finishWork(kClassroom, badBit);
        f.system.finishWork(kFacility, 4);
        f.system.finishWork(kFacility, badBit);
        f.system.finishWork(99, 3);
        EXPECT_EQ(f.system.ConstructBits, 5) << badBit;
        EXPECT_EQ(f.system.ClassroomBits, 1) << badBit;
        EXPECT_EQ(f.system.FacilitiesBits, bit(4)) << badBit;
    }
}

TEST(Facilities, AfterSchoolRowsListLibraryMuseumChapelWhateverTheBuildOrder) {
    SchoolFixture f;
    f.system.finishWork(kConstruction, 11);
    EXPECT_EQ(afterSchool(f.system), (std::vector<std::pair<std::string, std::string>>{{"礼拝堂", ""}}));
    f.system.finishWork(kConstruction, 5);
    f.system.finishWork(kConstruction, 6);
    f.system.SetConstructItem("美術館", "名画");
    EXPECT_EQ(afterSchool(f.system), (std::vector<std::pair<std::string, std::string>>{
                                         {"図書館", ""}, {"美術館", "名画"}, {"礼拝堂", ""}}));
}

TEST(Facilities, ItemSlotsArePlacedReplacedAndEmptied) {
    SchoolFixture f;
    f.system.ConstructBits |= bit(5) | bit(6) | bit(11);
    using Rows = std::vector<std::pair<std::string, std::string>>;

    f.system.SetConstructItem("図書館", "百科事典");
    f.system.SetConstructItem("礼拝堂", "石像");
    f.system.SetConstructItem("食堂", "名画"); // no slot
    f.system.SetConstructItem("城", "名画");   // no building of that name
    EXPECT_EQ(afterSchool(f.system), (Rows{{"図書館", "百科事典"}, {"美術館", ""}, {"礼拝堂", "石像"}}));

    f.system.SetConstructItem("図書館", "魔導書");
    EXPECT_EQ(afterSchool(f.system)[0].second, "魔導書");

    f.system.SetRemoveConstructItem("図書館");
    f.system.SetRemoveConstructItem("食堂");
    f.system.SetBrokenConstructItem("礼拝堂");
    f.system.SetBrokenConstructItem("どこか");
    EXPECT_EQ(afterSchool(f.system), (Rows{{"図書館", ""}, {"美術館", ""}, {"礼拝堂", ""}}));
}

TEST(Facilities, ItemTargetsComeFromTheBuildingCatalogue) {
    SchoolFixture f;
    EXPECT_EQ(f.system.GetConstructItemTarget("図書館"), 2);
    EXPECT_EQ(f.system.GetConstructItemTarget("美術館"), 1);
    EXPECT_EQ(f.system.GetConstructItemTarget("礼拝堂"), 3);
    EXPECT_EQ(f.system.GetConstructItemTarget("食堂"), 0);
    EXPECT_EQ(errorOf([&] { f.system.GetConstructItemTarget("城"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.SetRemoveConstructItem("城"); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(errorOf([&] { f.system.SetBrokenConstructItem("城"); }), std::nullopt);

    // Placing needs no built building; the check needs no catalogue.
    EXPECT_TRUE(f.system.CheckConstructItem("図書館"));
    EXPECT_TRUE(f.system.CheckConstructItem("礼拝堂"));
    EXPECT_FALSE(f.system.CheckConstructItem("城"));
}
