#include "state/cls_data.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "platform/rules/cls_method.h"
#include "platform/sound/sound_names.h"
#include "school/buildings/building_codes.h"
#include "school/permits/cls_school_permit.h"
#include "state/state_support.h"
#include "students/abilities.h"
#include "students/dissatisfaction.h"
#include "students/newcomers/cls_create_student_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using host::runtime::Join;
using host::runtime::RuntimeError;
using host::runtime::Split;
using statetest::LoadedFacade;
using Rows = host::runtime::Collection<clsGetGridData>;

constexpr const char* kStudent = "試験太郎";
constexpr std::int32_t kAmple = 10000000;

std::vector<std::string> cells(const Rows& rows, std::int16_t cell) {
    std::vector<std::string> values;
    for (const clsGetGridData& row : rows)
        values.push_back(row.Data(cell));
    return values;
}

// A new game made by the facade: three teachers under contract, four
// teachers and four scouts on offer, no money.
struct Game : LoadedFacade {
    Game() {
        data.SetDataInit();
        data.TestPlay();
    }

    void setMoney(std::int32_t money) {
        managers(data).system().SubMoney(data.GetMoney());
        managers(data).system().AddMoney(money);
    }
    std::size_t sounds() const { return services->played().size(); }
    std::string lastSound() const { return services->played().empty() ? "" : services->played().back(); }

    // A newcomer made under the name, left on the newcomer list.
    void newcomer(const std::string& name) {
        clsCreateStudentData student;
        student.StudentName(name);
        managers(data).students().CreateStudent(student);
    }
    void enrol(const std::string& name) {
        newcomer(name);
        managers(data).students().SetNewStudent(name);
    }
    clsStudent& student(const std::string& name) {
        clsStudent* found = nullptr;
        if (!managers(data).students().GetStudent(name, found))
            throw RuntimeError(host::runtime::ErrorNumber::InvalidCall, name);
        return *found;
    }

    // Field n of the school's save record, rewritten.
    template <class Change> void changeSystemField(std::size_t n, Change change) {
        auto record = Split(managers(data).system().GetSaveData(), "/");
        record.at(n) = change(record.at(n));
        managers(data).system().SetSaveData(Join(record, "/"));
    }
    void buildDormitory() {
        changeSystemField(12, [](const std::string& text) {
            clsSchoolPermit permit;
            permit.SetSaveData(text);
            permit.DormitoryScaleUp();
            return permit.GetSaveData();
        });
    }
    void buildGuidanceRoom() {
        changeSystemField(8, [](const std::string& text) {
            return host::runtime::CStr(
                Method().BitOn(host::runtime::CLng(text), classroom_bit::kGuidanceRoom));
        });
    }
    void recordGraduate() {
        const std::vector<std::string> present(ability::kCount, "10"), nature(ability::kCount, "20");
        auto parts = Split(managers(data).students().GetSaveData(), "/");
        parts.at(1) =
            Join({"卒業生", "21", "2", "騎士", "2", "0", Join(present, ":"), Join(nature, ":"), "26"}, ";");
        managers(data).students().SetSaveData(Join(parts, "/"));
    }
    void takeSponsor() {
        for (const clsCompany& c : managers(data).companies().Companies())
            if (c.SponsorMoney() > 0) return data.SetSponsorContract(c.CompanyName());
        FAIL() << "no sponsor in the catalogue";
    }
    void contractScout() { managers(data).scouts().ScoutDecide(scoutOffers().front()); }
    void defeatMonster() {
        managers(data).lines().MonsterWin(managers(data).lines().GetMonsterName().item(1));
    }

    std::vector<std::string> teacherOffers() { return cells(managers(data).teachers().GetNewComer(), 1); }
    std::vector<std::string> scoutOffers() { return cells(managers(data).scouts().GetScoutData(), 1); }
    std::vector<std::string> contractedTeachers() {
        std::vector<std::string> names;
        for (const clsPassageData& entry : managers(data).teachers().GetContractTeacherName())
            names.push_back(entry.Name());
        return names;
    }
    // Teachers of the monthly offers contracted until count are.
    void contractTeachersUpTo(std::size_t count) {
        while (contractedTeachers().size() < count) {
            managers(data).teachers().SetNewComer(false);
            const auto offers = teacherOffers();
            ASSERT_FALSE(offers.empty()) << "the catalogue ran out of teachers";
            for (const std::string& name : offers)
                if (contractedTeachers().size() < count) managers(data).teachers().SetContract(name);
        }
    }
};

using Stage = void (*)(Game&);

TEST(FacadeCommands, EachMenuOpensItsCommandsByTheSchoolsState) {
    struct Case {
        const char* name;
        MenuKey menu;
        std::int16_t index;
        Stage stage;
        bool open;
    };
    const Stage nothing = [](Game&) {};
    const Case cases[] = {
        {.name = "buildings 0", .menu = "建物データ", .index = 0, .stage = nothing, .open = true},
        {.name = "buildings 1", .menu = "建物データ", .index = 1, .stage = nothing, .open = true},
        {.name = "buildings 2, no dormitory",
         .menu = "建物データ",
         .index = 2,
         .stage = nothing,
         .open = false},
        {.name = "buildings 2, dormitory",
         .menu = "建物データ",
         .index = 2,
         .stage = [](Game& g) { g.buildDormitory(); },
         .open = true},
        {.name = "buildings 3", .menu = "建物データ", .index = 3, .stage = nothing, .open = true},
        {.name = "buildings 7", .menu = "建物データ", .index = 7, .stage = nothing, .open = true},
        {.name = "teachers list 0", .menu = "教師を見る", .index = 0, .stage = nothing, .open = false},
        {.name = "teachers list 1", .menu = "教師を見る", .index = 1, .stage = nothing, .open = false},
        {.name = "teachers list 2", .menu = "教師を見る", .index = 2, .stage = nothing, .open = false},
        {.name = "school 0, no item", .menu = "学園データ", .index = 0, .stage = nothing, .open = false},
        {.name = "school 0, an item",
         .menu = "学園データ",
         .index = 0,
         .stage = [](Game& g) { managers(g.data).items().ItemAdd("木材", 1); },
         .open = true},
        {.name = "school 1, no sponsor", .menu = "学園データ", .index = 1, .stage = nothing, .open = false},
        {.name = "school 1, a sponsor",
         .menu = "学園データ",
         .index = 1,
         .stage = [](Game& g) { g.takeSponsor(); },
         .open = true},
        {.name = "school 2, no scout", .menu = "学園データ", .index = 2, .stage = nothing, .open = false},
        {.name = "school 2, a scout",
         .menu = "学園データ",
         .index = 2,
         .stage = [](Game& g) { g.contractScout(); },
         .open = true},
        {.name = "school 3, no monster", .menu = "学園データ", .index = 3, .stage = nothing, .open = false},
        {.name = "school 3, a monster",
         .menu = "学園データ",
         .index = 3,
         .stage = [](Game& g) { g.defeatMonster(); },
         .open = true},
        {.name = "school 4, no graduate", .menu = "学園データ", .index = 4, .stage = nothing, .open = false},
        {.name = "school 4, a graduate",
         .menu = "学園データ",
         .index = 4,
         .stage = [](Game& g) { g.recordGraduate(); },
         .open = true},
        {.name = "school 5",
         .menu = "学園データ",
         .index = 5,
         .stage = [](Game& g) { managers(g.data).items().ItemAdd("木材", 1); },
         .open = false},
        {.name = "contract 0, scouts offered", .menu = "契約", .index = 0, .stage = nothing, .open = true},
        {.name = "contract 0, none offered",
         .menu = "契約",
         .index = 0,
         .stage = [](Game& g) { managers(g.data).scouts().Clear(); },
         .open = false},
        {.name = "contract 1, teachers offered", .menu = "契約", .index = 1, .stage = nothing, .open = true},
        {.name = "contract 1, none offered",
         .menu = "契約",
         .index = 1,
         .stage = [](Game& g) { managers(g.data).teachers().NewComerClear(); },
         .open = false},
        {.name = "contract 2", .menu = "契約", .index = 2, .stage = nothing, .open = false},
        {.name = "students 0, no consumable",
         .menu = "生徒を見る",
         .index = 0,
         .stage = [](Game& g) { managers(g.data).items().ItemAdd("木材", 1); },
         .open = false},
        {.name = "students 0, a consumable",
         .menu = "生徒を見る",
         .index = 0,
         .stage = [](Game& g) { managers(g.data).items().ItemAdd("薬草", 1); },
         .open = true},
        {.name = "students 2", .menu = "生徒を見る", .index = 2, .stage = nothing, .open = false},
        {.name = "another menu",
         .menu = "株屋",
         .index = 0,
         .stage = [](Game& g) { managers(g.data).items().ItemAdd("薬草", 1); },
         .open = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        c.stage(game);
        game.data.SetMenu(c.menu);
        EXPECT_EQ(game.data.CheckCommand(c.index, ""), c.open);
    }
}

TEST(FacadeCommands, CourseGuidanceIsOpenInTheLastMonthsOnceTheRoomIsBuilt) {
    struct Case {
        const char* name;
        const char* date;
        bool room;
        bool guided;
        bool open;
    };
    const Case cases[] = {
        {.name = "February, room", .date = "25:2:10", .room = true, .guided = false, .open = true},
        {.name = "January, room", .date = "26:1:3", .room = true, .guided = false, .open = true},
        {.name = "March, room", .date = "25:3:27", .room = true, .guided = false, .open = true},
        {.name = "April, room", .date = "25:4:1", .room = true, .guided = false, .open = false},
        {.name = "February, no room", .date = "25:2:10", .room = false, .guided = false, .open = false},
        {.name = "February, room, guided", .date = "25:2:10", .room = true, .guided = true, .open = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        clsData& data = game.data;
        game.enrol(kStudent);
        if (c.room) game.buildGuidanceRoom();
        if (c.guided) game.student(kStudent).SetCourseChange(0);
        data.SetDate(c.date);
        data.SetMenu("生徒を見る");

        EXPECT_EQ(data.CheckCourse(kStudent), c.open);
        EXPECT_EQ(data.CheckCommand(1, kStudent), c.open);
    }
}

TEST(FacadeCommands, TheStudentManagerIsAskedOnlyInTheGuidanceMonths) {
    Game game;
    clsData& data = game.data;
    game.buildGuidanceRoom();
    data.SetMenu("生徒を見る");
    data.SetDate("25:4:1");
    EXPECT_FALSE(data.CheckCommand(1, "名簿にない生徒"));
    EXPECT_FALSE(data.CheckCourse("名簿にない生徒"));

    data.SetDate("25:2:10");
    EXPECT_THROW(data.CheckCommand(1, "名簿にない生徒"), RuntimeError);
    EXPECT_FALSE(data.CheckCommand(1, "")) << "no student selected";
}

TEST(FacadeMoney, ANumberIsComparedWithTheMoneyOnAnyMenu) {
    struct Case {
        const char* name;
        MenuKey menu;
        std::string text;
        std::int32_t money;
        bool enough;
    };
    const Case cases[] = {
        {.name = "exact", .menu = menu_key::kItemShop, .text = "1500", .money = 1500, .enough = true},
        {.name = "one short", .menu = menu_key::kItemShop, .text = "1500", .money = 1499, .enough = false},
        {.name = "stock shop, exact", .menu = "株屋", .text = "1500", .money = 1500, .enough = true},
        {.name = "stock shop, short", .menu = "株屋", .text = "1500", .money = 1499, .enough = false},
        {.name = "signed, spaced", .menu = {}, .text = " +1500 ", .money = 1500, .enough = true},
        {.name = "fraction rounds to even", .menu = {}, .text = "1500.5", .money = 1500, .enough = true},
        {.name = "negative", .menu = {}, .text = "-3", .money = 0, .enough = true},
        {.name = "empty", .menu = menu_key::kItemShop, .text = "", .money = kAmple, .enough = false},
        {.name = "separator", .menu = menu_key::kItemShop, .text = "1,500", .money = kAmple, .enough = false},
        {.name = "full-width digits",
         .menu = menu_key::kItemShop,
         .text = "１５００",
         .money = kAmple,
         .enough = false},
        {.name = "a name", .menu = menu_key::kItemShop, .text = "薬草", .money = kAmple, .enough = false},
        {.name = "beyond 32 bits", .menu = {}, .text = "2147483648", .money = kAmple, .enough = false},
        {.name = "rounds beyond 32 bits",
         .menu = {},
         .text = "2147483647.5",
         .money = kAmple,
         .enough = false},
        {.name = "beyond a double",
         .menu = {},
         .text = std::string(400, '9'),
         .money = kAmple,
         .enough = false},
        {.name = "a debt beyond 32 bits", .menu = {}, .text = "-99999999999", .money = 0, .enough = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        game.setMoney(c.money);
        game.data.SetMenu(c.menu);
        EXPECT_EQ(game.data.IsEnoughMoney(c.text), c.enough);
    }
}

TEST(FacadeMoney, TheStockShopAllowsOneMoreShareUpToAHundred) {
    struct Case {
        const char* name;
        std::int16_t held;
        std::int32_t moneyOverPrice;
        bool enough;
    };
    const Case cases[] = {
        {.name = "none held, the price", .held = 0, .moneyOverPrice = 0, .enough = true},
        {.name = "99 held, the price", .held = 99, .moneyOverPrice = 0, .enough = true},
        {.name = "99 held, one short", .held = 99, .moneyOverPrice = -1, .enough = false},
        {.name = "100 held, ample money", .held = 100, .moneyOverPrice = kAmple, .enough = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        clsData& data = game.data;
        const std::string company = data.GetCompanyData().keyAt(1);
        game.setMoney(kAmple);
        if (c.held > 0) data.ChangeHoldStock("購入", company, c.held);
        const std::int32_t price = host::runtime::CLng(data.GetStockPrice(company));
        game.setMoney(price + c.moneyOverPrice);
        data.SetMenu("株屋");

        EXPECT_EQ(data.IsEnoughMoney(company), c.enough);
    }
}

TEST(FacadeMoney, AnUnknownCompanyInTheStockShopIsTheManagersError) {
    Game game;
    game.data.SetMenu("株屋");
    EXPECT_THROW(game.data.IsEnoughMoney("無い会社"), RuntimeError);
}

TEST(FacadeContracts, TheOfferMayBeTakenWithTheMoneyAndRoomForATeacher) {
    struct Case {
        const char* name;
        MenuKey subMenu;
        std::size_t teachers;
        std::int32_t moneyOverPrice;
        bool possible;
    };
    const Case cases[] = {
        {.name = "teacher, the price",
         .subMenu = "教師",
         .teachers = 3,
         .moneyOverPrice = 0,
         .possible = true},
        {.name = "teacher, one short",
         .subMenu = "教師",
         .teachers = 3,
         .moneyOverPrice = -1,
         .possible = false},
        {.name = "ninth teacher", .subMenu = "教師", .teachers = 9, .moneyOverPrice = 0, .possible = true},
        {.name = "eleventh teacher",
         .subMenu = "教師",
         .teachers = 10,
         .moneyOverPrice = kAmple,
         .possible = false},
        {.name = "scout, the price",
         .subMenu = "スカウト",
         .teachers = 10,
         .moneyOverPrice = 0,
         .possible = true},
        {.name = "scout, one short",
         .subMenu = "スカウト",
         .teachers = 3,
         .moneyOverPrice = -1,
         .possible = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        clsData& data = game.data;
        game.contractTeachersUpTo(c.teachers);
        if (managers(data).teachers().GetNewComer().empty()) managers(data).teachers().SetNewComer(false);
        data.SetSubMenu(c.subMenu);
        const bool teacher = std::string(c.subMenu.name()) == "教師";
        const std::string offer = teacher ? game.teacherOffers().front() : game.scoutOffers().front();
        const std::int32_t price = data.GetContractMoney(offer);
        EXPECT_EQ(price, teacher ? managers(data).teachers().GetContractMoney(offer)
                                 : managers(data).scouts().GetContractMoney(offer));
        ASSERT_GT(price, 0);
        game.setMoney(price + c.moneyOverPrice);

        EXPECT_EQ(data.CheckContractMoney(offer), c.possible);
    }
}

TEST(FacadeContracts, TheTeacherLimitDoesNotSpareThePriceLookup) {
    Game game;
    game.contractTeachersUpTo(10);
    game.data.SetSubMenu("教師");
    EXPECT_THROW(game.data.CheckContractMoney("無い教師"), RuntimeError);
}

TEST(FacadeContracts, ATeacherContractPaysTakesTheOfferAndChimes) {
    Game game;
    clsData& data = game.data;
    game.setMoney(kAmple);
    data.SetSubMenu("教師");
    const std::string offer = game.teacherOffers().front();
    const std::int32_t price = data.GetContractMoney(offer);
    const std::size_t sounds = game.sounds();
    EXPECT_FALSE(data.CheckContractTeacher(offer));

    data.SetContract(offer);

    EXPECT_EQ(data.GetMoney(), kAmple - price);
    const auto offers = game.teacherOffers();
    EXPECT_EQ(std::count(offers.begin(), offers.end(), offer), 0);
    EXPECT_EQ(game.contractedTeachers().size(), 4U);
    EXPECT_TRUE(data.CheckContractTeacher(offer));
    ASSERT_EQ(game.sounds(), sounds + 1);
    EXPECT_EQ(game.lastSound(), sound_name::kCoin);
}

TEST(FacadeContracts, AScoutContractPaysAndReplacesTheRunningOne) {
    Game game;
    clsData& data = game.data;
    game.setMoney(kAmple);
    data.SetSubMenu("スカウト");
    const auto offers = game.scoutOffers();
    ASSERT_GE(offers.size(), 2U);
    const std::size_t sounds = game.sounds();

    for (std::size_t n = 0; n < 2; ++n) {
        SCOPED_TRACE(offers[n]);
        const std::int32_t money = data.GetMoney();
        const std::int32_t price = data.GetContractMoney(offers[n]);
        data.SetContract(offers[n]);

        EXPECT_EQ(data.GetMoney(), money - price);
        EXPECT_TRUE(managers(data).scouts().CheckScout());
        EXPECT_EQ(managers(data).scouts().GetScout().Name(), offers[n]);
        const auto left = game.scoutOffers();
        EXPECT_EQ(std::count(left.begin(), left.end(), offers[n]), 0);
        ASSERT_EQ(game.sounds(), sounds + n + 1);
        EXPECT_EQ(game.lastSound(), sound_name::kCoin);
    }
}

TEST(FacadeContracts, OtherSubMenusCostNothingAndChangeNothing) {
    Game game;
    clsData& data = game.data;
    game.setMoney(kAmple);
    const std::string offer = game.teacherOffers().front();
    const std::string teachers = managers(data).teachers().GetSaveData();
    const std::string scouts = managers(data).scouts().GetSaveData();
    const std::size_t sounds = game.sounds();
    for (const MenuKey subMenu : {MenuKey{}, menu_key::kItems}) {
        SCOPED_TRACE(subMenu.name());
        data.SetSubMenu(subMenu);
        EXPECT_EQ(data.GetContractMoney(offer), 0);
        EXPECT_FALSE(data.CheckContractMoney(offer));
        data.SetContract(offer);
        EXPECT_EQ(data.GetMoney(), kAmple);
        EXPECT_EQ(managers(data).teachers().GetSaveData(), teachers);
        EXPECT_EQ(managers(data).scouts().GetSaveData(), scouts);
        EXPECT_EQ(game.sounds(), sounds);
    }
}

TEST(FacadeContracts, ARefusedContractKeepsTheMoneyAndMakesNoSound) {
    struct Case {
        const char* name;
        MenuKey subMenu;
        std::string (*offer)(Game&);
    };
    const Case cases[] = {
        {.name = "unknown teacher",
         .subMenu = "教師",
         .offer = [](Game&) { return std::string("無い教師"); }},
        {.name = "teacher already contracted",
         .subMenu = "教師",
         .offer = [](Game& g) { return g.contractedTeachers().front(); }},
        {.name = "unknown scout",
         .subMenu = "スカウト",
         .offer = [](Game&) { return std::string("無いスカウト"); }},
        {.name = "scout not on offer",
         .subMenu = "スカウト",
         .offer =
             [](Game& g) {
                 const std::string scout = g.scoutOffers().front();
                 g.contractScout();
                 return scout;
             }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        clsData& data = game.data;
        game.setMoney(kAmple);
        data.SetSubMenu(c.subMenu);
        const std::string offer = c.offer(game);
        const std::string teachers = managers(data).teachers().GetSaveData();
        const std::string scouts = managers(data).scouts().GetSaveData();
        const std::size_t sounds = game.sounds();

        EXPECT_THROW(data.SetContract(offer), RuntimeError);

        EXPECT_EQ(data.GetMoney(), kAmple);
        EXPECT_EQ(managers(data).teachers().GetSaveData(), teachers);
        EXPECT_EQ(managers(data).scouts().GetSaveData(), scouts);
        EXPECT_EQ(game.sounds(), sounds);
    }
}

TEST(FacadeContracts, CancellingATeacherEndsTheContractWithoutARefund) {
    Game game;
    clsData& data = game.data;
    const std::string teacher = game.contractedTeachers().front();
    ASSERT_TRUE(data.CheckTeacherCanceled());
    ASSERT_TRUE(data.CheckContractTeacher(teacher));

    data.SetTeacherCanceled(teacher);

    EXPECT_FALSE(data.CheckContractTeacher(teacher));
    EXPECT_EQ(game.contractedTeachers().size(), 2U);
    EXPECT_EQ(data.GetMoney(), 0);
    EXPECT_FALSE(data.CheckContractTeacher(""));
}

TEST(FacadeBonus, ABonusIsPaidAndLowersTheTeachersStage) {
    struct Case {
        std::int32_t row;
        std::int16_t stage;
    };
    const Case cases[] = {
        {.row = 1, .stage = dissatisfaction::stage(95)},
        {.row = 4, .stage = dissatisfaction::stage(50)},
        {.row = 5, .stage = 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Game game;
        clsData& data = game.data;
        // Every teacher under contract at the top of dissatisfaction.
        std::vector<std::string> contracts;
        for (const std::string& entry :
             Split(Split(managers(data).teachers().GetSaveData(), "/").at(1), "\r\n")) {
            auto fields = Split(entry, ":");
            fields.at(3) = "100";
            contracts.push_back(Join(fields, ":"));
        }
        managers(data).teachers().SetSaveData("/" + Join(contracts, "\r\n"));
        game.setMoney(kAmple);
        ASSERT_EQ(data.GetBonusData().count(), 5);
        const clsGetGridData& bonus = data.GetBonusData().item(c.row);
        const std::int32_t cost = host::runtime::CLng(bonus.Data(1));
        const std::string teacher = game.contractedTeachers().front();
        const std::size_t sounds = game.sounds();

        EXPECT_EQ(data.SetBonus(teacher, cost, bonus.Data(2)), c.stage);

        EXPECT_EQ(data.GetMoney(), kAmple - cost);
        ASSERT_EQ(game.sounds(), sounds + 1);
        EXPECT_EQ(game.lastSound(), sound_name::kCoin);
        EXPECT_EQ(data.SetBonus(game.contractedTeachers().at(1), 0, ""), 4) << "the others stay";
    }
}

TEST(FacadeBonus, ABonusForATeacherNotUnderContractKeepsTheMoney) {
    Game game;
    clsData& data = game.data;
    game.setMoney(kAmple);
    const std::string teachers = managers(data).teachers().GetSaveData();

    EXPECT_THROW(data.SetBonus(game.teacherOffers().front(), 8000, "大"), RuntimeError);

    EXPECT_EQ(data.GetMoney(), kAmple);
    EXPECT_EQ(managers(data).teachers().GetSaveData(), teachers);
}

TEST(FacadeCourses, GuidanceOffersFourteenCoursesAndDecidesTheStudentsCourse) {
    struct Case {
        const char* name;
        float draw;
        bool success;
    };
    const Case cases[] = {
        {.name = "persuaded", .draw = 0.0F, .success = true},
        {.name = "refused", .draw = 0.999F, .success = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        clsData& data = game.data;
        game.enrol(kStudent);
        game.buildGuidanceRoom();
        data.SetDate("25:2:10");
        const Rows& courses = data.GetCourse();
        ASSERT_EQ(courses.count(), 14);
        for (const clsGetGridData& row : courses) {
            EXPECT_EQ(row.Data(0), "0");
            EXPECT_FALSE(row.Data(1).empty());
        }
        // A course other than the student's origin, which is always taken.
        const std::string origin = game.student(kStudent).ComingFrom();
        std::string course;
        for (const std::string& name : cells(courses, 1))
            if (name != origin && name != data.GetStudentCourse(kStudent)) course = name;
        const std::string before = data.GetStudentCourse(kStudent);
        ASSERT_TRUE(data.CheckCourse(kStudent));
        game.services->scriptDraws({c.draw});

        data.SetCourse(kStudent, course);

        EXPECT_EQ(data.GetStudentCourse(kStudent), c.success ? course : before);
        EXPECT_FALSE(data.CheckCourse(kStudent)) << "guidance is given once";
    }
}

TEST(FacadeCourses, AStudentNotOnTheRosterIsTheManagersError) {
    Game game;
    EXPECT_EQ(game.data.GetStudentCourse(""), "");
    EXPECT_THROW(game.data.GetStudentCourse("名簿にない生徒"), RuntimeError);
    EXPECT_THROW(game.data.SetCourse("名簿にない生徒", "農民"), RuntimeError);
}

TEST(FacadeAdmission, ANewcomerJoinsTheRoster) {
    Game game;
    clsData& data = game.data;
    game.newcomer("新入生一");
    game.newcomer("新入生二");
    ASSERT_EQ(managers(data).students().GetMemberNum(), 0);

    data.SetNewStudent("新入生一");

    EXPECT_EQ(managers(data).students().GetMemberNum(), 1);
    EXPECT_EQ(cells(managers(data).students().GetNewComer(), 1), std::vector<std::string>{"新入生二"});
    EXPECT_EQ(game.student("新入生一").Name(), "新入生一");
    EXPECT_THROW(data.SetNewStudent("新入生一"), RuntimeError) << "no longer a newcomer";
}

TEST(FacadeAdmission, TheSchoolNeedsFiveStudentsWithTheNewcomers) {
    struct Case {
        std::int16_t newMembers;
        int onRoster;
        bool enough;
    };
    const Case cases[] = {
        {.newMembers = 3, .onRoster = 1, .enough = false}, {.newMembers = 3, .onRoster = 2, .enough = true},
        {.newMembers = 5, .onRoster = 0, .enough = true},  {.newMembers = 0, .onRoster = 0, .enough = false},
        {.newMembers = 0, .onRoster = 5, .enough = true},  {.newMembers = 4, .onRoster = 0, .enough = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.newMembers) + " + " + std::to_string(c.onRoster));
        Game game;
        for (int n = 0; n < c.onRoster; ++n)
            game.enrol("生徒" + std::to_string(n));
        EXPECT_EQ(game.data.GetEnoughMember(c.newMembers), c.enough);
    }
}

TEST(FacadeJobs, AJobIsNeededOnlyWhileAStudentCouldWorkIt) {
    struct Case {
        const char* name;
        std::vector<std::int16_t> injuries;
        bool job;
        bool ready;
    };
    const Case cases[] = {
        {.name = "no student, no job", .injuries = {}, .job = false, .ready = true},
        {.name = "every student injured, no job", .injuries = {3, 1}, .job = false, .ready = true},
        {.name = "one fit student, no job", .injuries = {3, 0}, .job = false, .ready = false},
        {.name = "one fit student, a job", .injuries = {3, 0}, .job = true, .ready = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        clsData& data = game.data;
        for (std::size_t n = 0; n < c.injuries.size(); ++n) {
            const std::string name = "生徒" + std::to_string(n);
            game.enrol(name);
            game.student(name).Injury(c.injuries[n]);
        }
        if (c.job)
            data.SetArbeit(
                managers(data).arbeits().GetArbeitData(managers(data).system().GetMonth()).item(1).Data(1));
        EXPECT_EQ(data.CheckArbeit(), c.ready);
    }
}

TEST(FacadeJobs, SetArbeitChoosesTheJob) {
    Game game;
    clsData& data = game.data;
    const auto jobs = cells(managers(data).arbeits().GetArbeitData(managers(data).system().GetMonth()), 1);
    ASSERT_GE(jobs.size(), 2U);
    data.SetArbeit(jobs[0]);
    data.SetArbeit(jobs[1]);
    EXPECT_EQ(managers(data).arbeits().GetContractArbeit(), jobs[1]);
    EXPECT_EQ(data.GetMoney(), 0);
}

TEST(FacadeCamps, ACampIsBookedAfterPayingTheFeeAsShown) {
    Game game;
    clsData& data = game.data;
    game.setMoney(kAmple);
    const Rows destinations = managers(data).countries().GetCountry(data.GetRankAsNumber(), 0);
    ASSERT_FALSE(destinations.empty());
    const std::string destination = destinations.item(1).Data(1);
    const std::int32_t fee = host::runtime::CLng(destinations.item(1).Data(2)) - 100;
    const std::size_t sounds = game.sounds();
    ASSERT_FALSE(data.CheckCamp());

    data.SetCamp(destination, fee);

    EXPECT_EQ(data.GetMoney(), kAmple - fee);
    EXPECT_TRUE(data.CheckCamp());
    EXPECT_EQ(managers(data).countries().GetCampName(), destination);
    ASSERT_EQ(game.sounds(), sounds + 1);
    EXPECT_EQ(game.lastSound(), sound_name::kCoin);
}

} // namespace
